// libFuzzer target for the character file import. Checks, beyond the sanitizers, that a
// refused file leaves the database as it was, and that a character imported from any file
// exports to a file that imports again and exports to the same bytes.
#include "output/CharacterFile.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

using namespace tallar;

Database& database() {
    static const std::unique_ptr<Database> db = [] {
        Result<std::unique_ptr<Database>> opened = Database::open(":memory:");
        if (!opened) {
            std::fprintf(stderr, "cannot open database: %s\n", opened.message().c_str());
            std::abort();
        }
        std::unique_ptr<Database> made = std::move(*opened);
        made->setErrorStream(nullptr);
        if (!ensureCharacterSchema(*made))
            std::abort();
        return made;
    }();
    return *db;
}

// Every row of both tables with the storage class of each value.
std::string snapshot(Database& db) {
    std::string rows;
    for (const TableDef& table : characterTables()) {
        std::string sql = "SELECT '" + std::string(table.name) + "'";
        for (const ColumnDef& column : table.columns)
            sql += "||'|'||quote(" + std::string(column.name) + ")";
        sql += " FROM " + std::string(table.name) + " ORDER BY rowid;";
        (void)db.exec(sql, [&](const Row& row) { rows += row.text(0) + "\n"; });
    }
    return rows;
}

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Database& db = database();
    // A stored character that the input may replace in part or as a whole.
    (void)db.exec("DELETE FROM istoty; DELETE FROM pozycje;"
                  "INSERT INTO istoty VALUES ('k1','Łucja','Elf','Mag(1)','Ola');"
                  "INSERT INTO pozycje VALUES ('k1','k1','k1',1,'','',0,0,1.0,'');"
                  "INSERT INTO pozycje VALUES ('e1','k1','k1',1,'Żywotność','',40965,3,0.5,'');");
    const std::string before = snapshot(db);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const Result<std::vector<std::string>> imported = importCharacterBytes(db, bytes, "fuzz.xml");
    if (!imported) {
        check(snapshot(db) == before, "a refused file changed the database");
        return 0;
    }
    for (const std::string& id : *imported) {
        const Result<std::string> first = characterFileBytes(db, id);
        check(first.ok(), "an imported character does not export");
        check(importCharacterBytes(db, *first, "again.xml").ok(),
              "an exported file does not import");
        const Result<std::string> second = characterFileBytes(db, id);
        check(second.ok(), "a reimported character does not export");
        check(*first == *second, "export, import and export again differ");
    }
    return 0;
}
