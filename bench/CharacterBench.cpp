#include "CharacterFixture.h"
#include "base/Cp1250.h"
#include "store/CharacterStore.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

// Saving, loading and recalculating characters of 100, 1,000 and 5,000 entries, each next
// to its floor: the same rows written by one prepared INSERT in one transaction (after the
// one DELETE that makes room for them again), and read by one SELECT … WHERE id_ist=?.
namespace tallar {
namespace {

int entries(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

void BM_SaveCharacter(benchmark::State& state) {
    Fixture f(entries(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveCharacter(*f.hero).ok());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// One stored row as the floor binds it: the Windows-1250 bytes the database holds.
struct RawRow {
    std::string id, parent, info, specjal, memo;
    int place, typ, wartosc;
    double modyfikator;
};

void collect(const CPoz& entry, const std::string& parent, int place, std::vector<RawRow>& out) {
    const auto bytes = [](const std::string& text) {
        Result<std::string> encoded = encodeCp1250(text);
        return encoded ? std::move(*encoded) : std::string();
    };
    RawRow row{entry.id(), parent,    bytes(entry.info), bytes(entry.specjal), bytes(entry.memo),
               place,      entry.typ, entry.wartosc,     entry.modyfikator};
    out.push_back(std::move(row));
    int childPlace = 1;
    for (const CPoz* child : entry.children())
        collect(*child, entry.id(), childPlace++, out);
}

void BM_SaveFloor(benchmark::State& state) {
    Fixture f(entries(state));
    std::vector<RawRow> rows;
    collect(*f.hero, f.hero->id(), 1, rows);
    const std::string& character = f.hero->id();
    sqlite3* db = f.db->handle();
    sqlite3_stmt* remove = nullptr;
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "DELETE FROM pozycje WHERE id_ist=?;", -1, &remove, nullptr);
    sqlite3_prepare_v2(db, "INSERT INTO pozycje VALUES (?,?,?,?,?,?,?,?,?,?);", -1, &insert,
                       nullptr);
    const auto text = [](sqlite3_stmt* s, int i, const std::string& v) {
        sqlite3_bind_text(s, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
    };
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN;", nullptr, nullptr, nullptr);
        text(remove, 1, character);
        sqlite3_step(remove);
        sqlite3_reset(remove);
        for (const RawRow& row : rows) {
            text(insert, 1, row.id);
            text(insert, 2, row.parent);
            text(insert, 3, character);
            sqlite3_bind_int(insert, 4, row.place);
            text(insert, 5, row.info);
            text(insert, 6, row.specjal);
            sqlite3_bind_int(insert, 7, row.typ);
            sqlite3_bind_int(insert, 8, row.wartosc);
            sqlite3_bind_double(insert, 9, row.modyfikator);
            text(insert, 10, row.memo);
            if (sqlite3_step(insert) != SQLITE_DONE)
                state.SkipWithError("insert failed");
            sqlite3_reset(insert);
        }
        sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    }
    sqlite3_finalize(remove);
    sqlite3_finalize(insert);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadCharacter(benchmark::State& state) {
    Fixture f(entries(state));
    for (auto _ : state) {
        Result<LoadedCharacter> loaded = LoadCharacter(*f.db, f.hero->id());
        if (!loaded) {
            state.SkipWithError(loaded.message().c_str());
            break;
        }
        benchmark::DoNotOptimize(loaded->character.get());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadFloor(benchmark::State& state) {
    Fixture f(entries(state));
    sqlite3* db = f.db->handle();
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM pozycje WHERE id_ist=?;", -1, &select, nullptr);
    const std::string& character = f.hero->id();
    for (auto _ : state) {
        sqlite3_bind_text(select, 1, character.data(), static_cast<int>(character.size()),
                          SQLITE_STATIC);
        std::size_t bytes = 0;
        while (sqlite3_step(select) == SQLITE_ROW)
            for (int i = 0; i < 10; ++i)
                bytes += static_cast<std::size_t>(sqlite3_column_bytes(select, i));
        sqlite3_reset(select);
        benchmark::DoNotOptimize(bytes);
    }
    sqlite3_finalize(select);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RecalculateCharacter(benchmark::State& state) {
    Fixture f(entries(state));
    for (auto _ : state) {
        f.hero->RecalculateCharacter();
        benchmark::DoNotOptimize(f.hero->link(kLinkEkwipunek)->total);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_SaveCharacter)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFloor)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadCharacter)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFloor)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecalculateCharacter)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tallar
