#include "store/db/Database.h"
#include "store/db/ColumnList.h"
#include "store/db/RowTexts.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

namespace tallar {
namespace {

using test::TestDatabase;

TEST(Database, AnyTextRoundTripsUnchangedAndIsStoredAsWindows1250) {
    TestDatabase t;
    ASSERT_TRUE(t.db->exec("CREATE TABLE t (id TEXT, v TEXT);").ok());
    std::string awkward = "O'Brien said: 'x'); DROP TABLE t; --\r\nŻółw\t\"\\%?";
    for (int i = 0; i < 10000; ++i)
        awkward += "ą";
    ASSERT_TRUE(t.db->exec("INSERT INTO t VALUES (?, ?);", {"1", awkward}).ok());

    std::string back;
    ASSERT_TRUE(t.db->exec("SELECT v FROM t WHERE id = ?;", {"1"},
                           [&](const Row& row) { back = row.text(0); })
                    .ok());
    EXPECT_EQ(back, awkward);
    // One byte per Polish letter on disk: "Żół" and the 10,000 "ą" take two in UTF-8.
    EXPECT_EQ(t.count("SELECT length(CAST(v AS BLOB)) FROM t;"),
              static_cast<long long>(awkward.size() - 3 - 10000));
    EXPECT_EQ(t.db->queryValue("SELECT hex(substr(v, -1)) FROM t;"), "B9");
    EXPECT_TRUE(t.errors.str().empty());
}

TEST(Database, StatementTextIsEncodedToo) {
    TestDatabase t;
    ASSERT_TRUE(t.db->exec("CREATE TABLE t (v TEXT); INSERT INTO t VALUES ('żółć');").ok());
    EXPECT_EQ(t.db->queryValue("SELECT hex(v) FROM t WHERE v = 'żółć';"), "BFF3B3E6");
    std::string alias;
    ASSERT_TRUE(
        t.db->exec("SELECT v 'Ułomność  ' FROM t;", [&](const Row& row) { alias = row.name(0); })
            .ok());
    EXPECT_EQ(alias, "Ułomność  ");
}

TEST(Database, NullsEmptyTextsAndNumbersReadBack) {
    TestDatabase t;
    ASSERT_TRUE(t.db->exec("CREATE TABLE t (a TEXT, b TEXT, n INTEGER, r REAL);").ok());
    ASSERT_TRUE(t.db->exec("INSERT INTO t VALUES (?,?,?,?);", {nullptr, "", -42, 0.25}).ok());
    ASSERT_TRUE(t.db->exec("SELECT a, b, n, r FROM t;",
                           [](const Row& row) {
                               EXPECT_EQ(row.columnCount(), 4);
                               EXPECT_FALSE(row.value(0).has_value());
                               EXPECT_EQ(row.text(0), "");
                               EXPECT_EQ(row.value(1), std::optional<std::string>(""));
                               EXPECT_EQ(row.integer(2), -42);
                               EXPECT_DOUBLE_EQ(row.real(3), 0.25);
                           })
                    .ok());
}

TEST(Database, FailingStatementWritesTheSqlErrorLine) {
    TestDatabase t;
    const Status status = t.db->exec("SELECT * FROM nic;");
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.message(), "no such table: nic");
    EXPECT_EQ(t.errors.str(), "SQL error: no such table: nic\n");

    t.errors.str("");
    EXPECT_FALSE(t.db->tryExec("SELECT * FROM nic;").ok());
    EXPECT_EQ(t.errors.str(), "");
}

TEST(Database, UnstorableTextIsRefusedAndNothingIsWritten) {
    TestDatabase t;
    ASSERT_TRUE(t.db->exec("CREATE TABLE t (v TEXT);").ok());
    const Status status = t.db->exec("INSERT INTO t VALUES (?);", {"snowman ☃"});
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find("U+2603"), std::string::npos);
    EXPECT_EQ(t.count("SELECT count(*) FROM t;"), 0);
    // No statement failed, so no "SQL error" line: the caller reports the refusal.
    EXPECT_EQ(t.errors.str(), "");
    EXPECT_FALSE(t.db->exec("SELECT ?;", {1, 2}).ok());
    EXPECT_EQ(t.errors.str(), "");
}

TEST(Database, SeveralStatementsInOneTextRunInOrder) {
    TestDatabase t;
    ASSERT_TRUE(t.db->exec("CREATE TABLE t (v TEXT);\nINSERT INTO t VALUES ('a');\n"
                           "INSERT INTO t VALUES ('b');\n-- a comment at the end\n")
                    .ok());
    EXPECT_EQ(t.count("SELECT count(*) FROM t;"), 2);
}

TEST(Database, StatementsCanRunFromInsideARowCallback) {
    TestDatabase t;
    ASSERT_TRUE(t.db->exec("CREATE TABLE node (id TEXT, parent TEXT);"
                           "INSERT INTO node VALUES ('r','r'),('a','r'),('b','a'),('c','b');")
                    .ok());
    // Walks the tree by running the same query recursively, as tree loading does.
    std::vector<std::string> visited;
    std::function<void(const std::string&)> walk = [&](const std::string& parent) {
        ASSERT_TRUE(t.db->exec("SELECT id FROM node WHERE parent = ? AND id <> parent;", {parent},
                               [&](const Row& row) {
                                   visited.push_back(row.text(0));
                                   walk(row.text(0));
                               })
                        .ok());
    };
    walk("r");
    EXPECT_EQ(visited, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(Database, WrongNumberOfValuesIsAnError) {
    TestDatabase t;
    EXPECT_FALSE(t.db->exec("SELECT ?;", {1, 2}).ok());
    EXPECT_FALSE(t.db->exec("SELECT ?, ?;", {1}).ok());
}

TEST(Transaction, FailureMidwayLeavesTheDatabaseAsBefore) {
    TestDatabase t;
    ASSERT_TRUE(t.db->exec("CREATE TABLE t (id TEXT PRIMARY KEY, v TEXT);"
                           "INSERT INTO t VALUES ('1', 'old');")
                    .ok());
    const Status status = inTransaction(*t.db, [&]() -> Status {
        if (Status s = t.db->exec("DELETE FROM t WHERE id = '1';"); !s)
            return s;
        if (Status s = t.db->exec("INSERT INTO t VALUES ('2', 'new');"); !s)
            return s;
        return t.db->exec("INSERT INTO missing VALUES ('3');");
    });
    ASSERT_FALSE(status.ok());
    EXPECT_FALSE(t.db->inTransaction());
    EXPECT_EQ(t.db->queryValue("SELECT group_concat(id || v) FROM t;"), "1old");
}

TEST(Transaction, NestedUnitsBecomeSavepointsAndRollBackTogether) {
    TestDatabase t;
    ASSERT_TRUE(t.db->exec("CREATE TABLE t (v TEXT);").ok());
    {
        Transaction outer(*t.db);
        ASSERT_TRUE(outer.started().ok());
        ASSERT_TRUE(t.db->exec("INSERT INTO t VALUES ('outer');").ok());
        {
            Transaction inner(*t.db);
            ASSERT_TRUE(inner.started().ok());
            ASSERT_TRUE(t.db->exec("INSERT INTO t VALUES ('inner');").ok());
            ASSERT_TRUE(inner.commit().ok());
        }
        EXPECT_EQ(t.count("SELECT count(*) FROM t;"), 2);
        // The outer unit ends without commit: both rows go.
    }
    EXPECT_EQ(t.count("SELECT count(*) FROM t;"), 0);

    {
        Transaction outer(*t.db);
        ASSERT_TRUE(t.db->exec("INSERT INTO t VALUES ('kept');").ok());
        {
            Transaction inner(*t.db);
            ASSERT_TRUE(t.db->exec("INSERT INTO t VALUES ('dropped');").ok());
        } // the inner unit rolls back alone
        ASSERT_TRUE(outer.commit().ok());
    }
    EXPECT_EQ(t.db->queryValue("SELECT group_concat(v) FROM t;"), "kept");
}

TEST(Database, TheHookMakesAStatementFailAsTheDatabaseWould) {
    TestDatabase t;
    ASSERT_TRUE(t.db->exec("CREATE TABLE t (v TEXT);").ok());
    std::vector<std::string> seen;
    t.db->setStatementHook([&](std::string_view sql) {
        seen.emplace_back(sql);
        return sql.starts_with("INSERT") ? Status::error("wstrzyknięty błąd") : Status();
    });
    const Status status = t.db->exec("SELECT 1; INSERT INTO t VALUES ('x');");
    EXPECT_EQ(status.message(), "wstrzyknięty błąd");
    EXPECT_EQ(t.errors.str(), "SQL error: wstrzyknięty błąd\n");
    EXPECT_EQ(seen, (std::vector<std::string>{"SELECT 1;", "INSERT INTO t VALUES ('x');"}));
    t.db->setStatementHook({});
    EXPECT_EQ(t.count("SELECT count(*) FROM t;"), 0);
}

// Two connections to one file, as two processes have.
struct SharedFile {
    test::TempDir dir;
    std::unique_ptr<Database> first, second;
    SharedFile() {
        first = test::openDatabase(dir.file("wspolna.db"));
        second = test::openDatabase(dir.file("wspolna.db"));
        EXPECT_TRUE(first && second);
        EXPECT_TRUE(first->exec("CREATE TABLE t (v TEXT); INSERT INTO t VALUES ('a');").ok());
    }
};

TEST(Database, OpeningWaitsForAnotherConnectionsLock) {
    SharedFile f;
    // While a writer holds the file exclusively nobody can even read its schema.
    ASSERT_TRUE(f.first->exec("BEGIN EXCLUSIVE; INSERT INTO t VALUES ('b');").ok());
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(f.first->exec("COMMIT;").ok());
    });
    const auto third = test::openDatabase(f.dir.file("wspolna.db"));
    writer.join();
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->queryValue("SELECT count(*) FROM t;"), "2");
}

TEST(Transaction, AUnitThatReadsBeforeItWritesWaitsForAnotherWriter) {
    SharedFile f;
    ASSERT_TRUE(f.first->exec("BEGIN; INSERT INTO t VALUES ('b');").ok());
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(f.first->exec("COMMIT;").ok());
    });
    // Holding a read lock, a unit could not wait for the write lock: it must take that
    // lock first.
    const Status status = inTransaction(*f.second, [&]() -> Status {
        if (!f.second->queryValue("SELECT count(*) FROM t;"))
            return Status::error("odczyt nie powiódł się");
        return f.second->exec("DELETE FROM t WHERE v='a';");
    });
    writer.join();
    EXPECT_TRUE(status.ok()) << status.message();
    EXPECT_EQ(f.first->queryValue("SELECT group_concat(v) FROM t;"), "b");
}

TEST(Database, OpeningADirectoryOrAForeignFileFails) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "tallar.db");
    const Result<std::unique_ptr<Database>> directory = Database::open(dir.file("tallar.db"));
    ASSERT_FALSE(directory.ok());
    EXPECT_FALSE(directory.message().empty());
    EXPECT_EQ(directory.error().place.file, dir.file("tallar.db"));

    {
        std::ofstream junk(dir.file("junk.db"));
        junk << "this is not a database, it only has a name like one\n";
    }
    const Result<std::unique_ptr<Database>> junk = Database::open(dir.file("junk.db"));
    ASSERT_FALSE(junk.ok());
    EXPECT_FALSE(junk.message().empty());
}

// A reader that asks for more columns than its query selected gets empty texts and a
// message naming the table, and the program goes on.
TEST(RowTexts, AShortRowReadsEmptyAndIsReported) {
    TestDatabase t;
    RowTexts row;
    ASSERT_TRUE(t.db->exec("SELECT 'a', NULL, ' b ';",
                           [&](const Row& r) {
                               EXPECT_EQ(r.text(3), ""); // past the end: NULL, no call into SQLite
                               EXPECT_TRUE(r.isNull(-1));
                               EXPECT_EQ(r.integer(7), 0);
                               row = RowTexts(r);
                           })
                    .ok());
    ASSERT_EQ(row.size(), 3u);
    EXPECT_EQ(row[0], "a");
    EXPECT_EQ(row[1], ""); // NULL
    EXPECT_EQ(row[2], " b ");
    EXPECT_TRUE(row.status("stadia").ok()); // columns 0…2 of 3 read

    EXPECT_EQ(row[5], "");
    // Three columns; reading index 5 means six were wanted.
    EXPECT_EQ(row.status("stadia").message(), "Wiersz tabeli „stadia” ma 3 kolumn, a odczytano 6.");
}

// Each column is read where its own `add` said, whatever was added before or after it.
TEST(ColumnList, EachColumnIsReadWhereItsAddPutIt) {
    TestDatabase t;
    ColumnList columns;
    const std::size_t word = columns.add("'miecz'");
    const std::size_t sum = columns.add("2+3");
    const std::size_t upper = columns.add("upper('ab')");
    EXPECT_EQ(columns.sql(), "'miecz',2+3,upper('ab')");
    ASSERT_EQ(columns.size(), 3u);
    RowTexts row;
    ASSERT_TRUE(
        t.db->exec("SELECT " + columns.sql() + ";", [&](const Row& r) { row = RowTexts(r); }).ok());
    EXPECT_EQ(row[upper], "AB");
    EXPECT_EQ(row[word], "miecz");
    EXPECT_EQ(row[sum], "5"); // 2 + 3
    EXPECT_TRUE(row.status("test").ok());
}

} // namespace
} // namespace tallar
