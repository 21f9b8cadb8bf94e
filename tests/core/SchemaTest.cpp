#include "store/db/Schema.h"
#include "base/NonInteractiveUserPort.h"
#include "store/db/Workspace.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace tallar {
namespace {

long long countOf(Database& db, const std::string& sql) {
    return std::stoll(db.queryValue(sql).value_or("-1"));
}

std::string masterDump(Database& db) {
    return db
        .queryValue("SELECT group_concat(type || ':' || name || ':' || sql, '\n') FROM "
                    "(SELECT * FROM sqlite_master ORDER BY name);")
        .value_or("");
}

struct OpenedWorkspace {
    test::TempDir dir;
    std::ostringstream portErrors;
    NonInteractiveUserPort port{&portErrors};
    std::unique_ptr<Workspace> workspace;

    void open() {
        workspace.reset();
        workspace = test::openWorkspace(dir.str(), port);
        ASSERT_TRUE(workspace);
    }
};

TEST(Schema, EmptyDirectoryGetsEveryTableIndexAndAlignment) {
    OpenedWorkspace w;
    w.open();
    Database& rules = w.workspace->rules();
    Database& characters = w.workspace->characters();

    EXPECT_EQ(countOf(rules, "SELECT count(*) FROM sqlite_master WHERE type='table';"), 44);
    EXPECT_EQ(countOf(rules, "SELECT count(*) FROM sqlite_master WHERE type='index' AND "
                             "name NOT LIKE 'sqlite_autoindex%';"),
              47);
    EXPECT_EQ(countOf(characters, "SELECT count(*) FROM sqlite_master WHERE type='table';"), 2);
    EXPECT_EQ(countOf(characters, "SELECT count(*) FROM sqlite_master WHERE type='index' AND "
                                  "name NOT LIKE 'sqlite_autoindex%';"),
              3);
    EXPECT_EQ(countOf(rules, "SELECT count(*) FROM charaktery;"), 36);
    EXPECT_TRUE(w.port.errors().empty());
}

TEST(Schema, TablesHaveTheirColumnsTypesAndConstraintsInOrder) {
    OpenedWorkspace w;
    w.open();
    struct Expected {
        const char* table;
        int columns;
        const char* first;
        const char* last;
    };
    for (const Expected& e :
         {Expected{"profesje", 53, "id", "ext_zawod"}, Expected{"stadia", 148, "id", "gracze"},
          Expected{"formuly", 108, "id", "bglkxx"},
          Expected{"umiejetnosci", 95, "id", "potencjalcelu"},
          Expected{"bronie", 44, "id", "offset"}, Expected{"ekwipunek", 3, "id", "waga"}}) {
        std::vector<std::string> names;
        ASSERT_TRUE(w.workspace->rules()
                        .exec(std::string("PRAGMA table_info(") + e.table + ");",
                              [&](const Row& row) {
                                  names.push_back(row.text(1));
                                  EXPECT_EQ(row.text(2), "TEXT");
                              })
                        .ok());
        ASSERT_EQ(static_cast<int>(names.size()), e.columns) << e.table;
        EXPECT_EQ(names.front(), e.first);
        EXPECT_EQ(names.back(), e.last);
    }
    // Declared constraints: a primary key, a plain NOT NULL, and a link table with no key.
    EXPECT_EQ(w.workspace->rules().queryValue(
                  "SELECT group_concat(name || '/' || \"notnull\" || '/' || pk) FROM "
                  "pragma_table_info('stadia') WHERE name IN ('id','idrasa','nazwa');"),
              "id/1/1,idrasa/1/0,nazwa/0/0");
    EXPECT_EQ(w.workspace->rules().queryValue(
                  "SELECT group_concat(name || '/' || \"notnull\" || '/' || pk) FROM "
                  "pragma_table_info('charaktery');"),
              "id/1/0,prawo/0/0,prawo_ew/0/0,moralnosc/0/0,moralnosc_ew/0/0");
    EXPECT_EQ(w.workspace->characters().queryValue(
                  "SELECT group_concat(name || ':' || type) FROM pragma_table_info('pozycje');"),
              "id:TEXT,id_n:TEXT,id_ist:TEXT,lp:INTEGER,info:TEXT,specjal:TEXT,typ:INTEGER,"
              "wartosc:INTEGER,modyfikator:REAL,memo:TEXT");
    EXPECT_EQ(w.workspace->characters().queryValue(
                  "SELECT group_concat(name) FROM pragma_index_info('id_nadlp');"),
              "id_n,lp");
}

TEST(Schema, AlignmentsHaveTheFixedIdentifiersAndWindows1250Bytes) {
    OpenedWorkspace w;
    w.open();
    Database& rules = w.workspace->rules();
    EXPECT_EQ(rules.queryValue("SELECT prawo || '|' || prawo_ew || '|' || moralnosc || '|' || "
                               "moralnosc_ew FROM charaktery WHERE "
                               "id='090809003305595251681512809718';"),
              "praworządny|ewidentny|zły|ewidentny");
    EXPECT_EQ(rules.queryValue("SELECT id FROM charaktery LIMIT 1;"),
              "090809003300186145251489319234");
    // The "ą" of "praworządny" is the single byte 0xB9 on disk.
    EXPECT_EQ(rules.queryValue("SELECT hex(prawo) FROM charaktery WHERE prawo LIKE 'prawor%' "
                               "LIMIT 1;"),
              "707261776F727AB9646E79");
    // Every combination of the two axes and two flags occurs once.
    EXPECT_EQ(countOf(rules, "SELECT count(DISTINCT prawo || prawo_ew || moralnosc || "
                             "moralnosc_ew) FROM charaktery;"),
              36);
}

TEST(Schema, SecondStartChangesNothing) {
    OpenedWorkspace w;
    w.open();
    const std::string rulesBefore = masterDump(w.workspace->rules());
    const std::string charactersBefore = masterDump(w.workspace->characters());
    w.open();
    EXPECT_EQ(masterDump(w.workspace->rules()), rulesBefore);
    EXPECT_EQ(masterDump(w.workspace->characters()), charactersBefore);
    EXPECT_EQ(countOf(w.workspace->rules(), "SELECT count(*) FROM charaktery;"), 36);
}

TEST(Schema, ExistingTablesAndNonEmptyAlignmentsAreLeftAlone) {
    test::TempDir dir;
    {
        auto rules = test::openDatabase(dir.file("tallar.db"));
        ASSERT_TRUE(rules);
        // A table with a column more than the program knows is still the program's table.
        std::string extended = createTableSql(*findTable("bronie"));
        extended.insert(extended.rfind(')'), ", dodatkowa TEXT");
        ASSERT_TRUE(rules
                        ->exec(extended +
                               "CREATE TABLE charaktery (id TEXT NOT NULL, prawo TEXT, "
                               "prawo_ew TEXT, moralnosc TEXT, moralnosc_ew TEXT);"
                               "INSERT INTO charaktery VALUES ('x','chaotyczny','','zły','');")
                        .ok());
    }
    NonInteractiveUserPort port(nullptr);
    auto workspace = test::openWorkspace(dir.str(), port);
    ASSERT_TRUE(workspace);
    EXPECT_EQ(countOf(workspace->rules(), "SELECT count(*) FROM pragma_table_info('bronie');"),
              44 + 1);
    EXPECT_EQ(countOf(workspace->rules(), "SELECT count(*) FROM charaktery;"), 1);
}

// A database prepared by `prepare` in a fresh directory, opened as the programs open it.
struct Mismatch {
    const char* what;
    const char* file;
    const char* prepare;
    const char* message;
};

TEST(Schema, ASchemaThatDoesNotMatchStopsTheOpening) {
    const Mismatch cases[] = {
        {"a view instead of a table", "rtistoty.db", "CREATE VIEW pozycje AS SELECT 1 AS id;",
         "Baza danych rtistoty.db nie ma wymaganego układu: „pozycje” jest widokiem, a "
         "powinno być tabelą.\n"},
        {"a column missing", "rtistoty.db",
         "CREATE TABLE istoty (id TEXT NOT NULL PRIMARY KEY, imie TEXT, rasa TEXT, prof TEXT);",
         "Baza danych rtistoty.db nie ma wymaganego układu: tabela „istoty” nie ma kolumny "
         "„gracz”.\n"},
        {"an index in the place of a table", "tallar.db",
         "CREATE TABLE x (a TEXT); CREATE INDEX rasy ON x (a);",
         "Baza danych tallar.db nie ma wymaganego układu: „rasy” jest indeksem, a powinno być "
         "tabelą.\n"},
        {"a view in the place of an index", "tallar.db", "CREATE VIEW id_prof1 AS SELECT 1;",
         "Baza danych tallar.db nie ma wymaganego układu: „id_prof1” jest widokiem, a powinno "
         "być indeksem tabeli „profprof”.\n"},
    };
    for (const Mismatch& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        {
            auto db = test::openDatabase(dir.file(c.file));
            ASSERT_TRUE(db);
            ASSERT_TRUE(db->exec(c.prepare).ok());
        }
        std::ostringstream sqlErrors;
        NonInteractiveUserPort port(nullptr);
        const Result<std::unique_ptr<Workspace>> opened =
            Workspace::open(dir.str(), port, &sqlErrors);
        ASSERT_FALSE(opened.ok());
        // Written to standard error as a line: the message itself has no line end.
        EXPECT_EQ(opened.message() + "\n", c.message);
    }
}

TEST(Schema, ATableThatCannotBeCreatedIsNamedWithTheReason) {
    test::TempDir dir;
    auto db = test::openDatabase(dir.file("rtistoty.db"));
    ASSERT_TRUE(db);
    std::ostringstream sqlErrors;
    db->setErrorStream(&sqlErrors);
    // As a read-only file refuses every CREATE.
    db->setStatementHook([](std::string_view sql) {
        return sql.starts_with("CREATE") ? Status::error("attempt to write a readonly database")
                                         : Status();
    });
    const Status status = ensureCharacterSchema(*db);
    EXPECT_EQ(status.message(), "Baza danych rtistoty.db nie ma wymaganego układu: brak tabeli "
                                "„istoty” (attempt to write a readonly database).");
    // Every statement was tried and reported: two tables, then the indexes of the table
    // that is not there.
    EXPECT_EQ(sqlErrors.str(), "SQL error: attempt to write a readonly database\n"
                               "SQL error: attempt to write a readonly database\n"
                               "SQL error: no such table: main.pozycje\n"
                               "SQL error: no such table: main.pozycje\n"
                               "SQL error: no such table: main.pozycje\n");
}

TEST(Schema, ABrokenCharacterDatabaseLeavesTheRulesDatabaseUntouched) {
    test::TempDir dir;
    {
        auto db = test::openDatabase(dir.file("rtistoty.db"));
        ASSERT_TRUE(db && db->exec("CREATE VIEW istoty AS SELECT 1 AS id;").ok());
    }
    NonInteractiveUserPort port(nullptr);
    std::ostringstream sqlErrors;
    EXPECT_FALSE(Workspace::open(dir.str(), port, &sqlErrors).ok());
    auto rules = test::openDatabase(dir.file("tallar.db"));
    ASSERT_TRUE(rules);
    EXPECT_EQ(countOf(*rules, "SELECT count(*) FROM sqlite_master;"), 0);
}

TEST(Schema, EveryIndexFollowsItsOwnTable) {
    std::set<std::string_view> tables;
    for (const TableDef& t : rulesTables())
        tables.insert(t.name);
    for (const IndexDef& index : rulesIndexes()) {
        const TableDef* table = findTable(index.table);
        ASSERT_NE(table, nullptr) << index.name;
        for (std::string_view column : index.columns)
            EXPECT_GE(table->columnIndex(column), 0) << index.name << " " << column;
    }
    EXPECT_EQ(tables.size(), 44u);
    EXPECT_EQ(createIndexSql(rulesIndexes().front()),
              "CREATE INDEX IF NOT EXISTS id_prof1 ON profprof (id);");
    EXPECT_EQ(createTableSql(*findTable("ekwipunek")),
              "CREATE TABLE IF NOT EXISTS ekwipunek (id TEXT NOT NULL, nazwa TEXT, waga TEXT);");
}

} // namespace
} // namespace tallar
