#include "store/db/Database.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <memory>

#include <sqlite3.h>

namespace {

// Inserting rows through the access layer (cached statement, bound UTF-8 texts converted to
// Windows-1250) against the same inserts done with the raw SQLite API.
void BM_ExecInsert(benchmark::State& state) {
    tallar::test::TempDir dir;
    auto opened = tallar::Database::open(dir.file("b.db"));
    if (!opened) {
        state.SkipWithError(opened.message().c_str());
        return;
    }
    const std::unique_ptr<tallar::Database> db = std::move(*opened);
    (void)db->exec("CREATE TABLE t (id TEXT, v TEXT, n INTEGER);");
    for (auto _ : state) {
        tallar::Transaction transaction(*db);
        for (int i = 0; i < state.range(0); ++i)
            (void)db->exec("INSERT INTO t VALUES (?,?,?);",
                           {"012345678901234567890123456789", "Siła fizyczna", i});
        (void)transaction.commit();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExecInsert)->Arg(1000);

void BM_RawInsert(benchmark::State& state) {
    tallar::test::TempDir dir;
    sqlite3* db = nullptr;
    sqlite3_open(dir.file("b.db").c_str(), &db);
    sqlite3_exec(db, "CREATE TABLE t (id TEXT, v TEXT, n INTEGER);", nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO t VALUES (?,?,?);", -1, &stmt, nullptr);
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN;", nullptr, nullptr, nullptr);
        for (int i = 0; i < state.range(0); ++i) {
            sqlite3_bind_text(stmt, 1, "012345678901234567890123456789", -1, SQLITE_STATIC);
            sqlite3_bind_text(stmt, 2,
                              "Si\xB3"
                              "a fizyczna",
                              -1, SQLITE_STATIC);
            sqlite3_bind_int(stmt, 3, i);
            sqlite3_step(stmt);
            sqlite3_reset(stmt);
        }
        sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RawInsert)->Arg(1000);

} // namespace
