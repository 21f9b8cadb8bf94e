#include "store/db/Database.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tallar {
namespace {

using test::runCli;

// A working directory whose rules database holds a few rows.
struct RulesDirectory {
    test::TempDir dir;
    std::unique_ptr<Database> rules;

    RulesDirectory() {
        EXPECT_EQ(runCli({"-C", dir.str(), "init"}).code, 0);
        rules = test::openDatabase(dir.file("tallar.db"));
        EXPECT_TRUE(rules);
    }
    void exec(const std::string& sql, std::initializer_list<SqlParam> values = {}) {
        ASSERT_TRUE(rules->exec(sql, values).ok()) << sql;
    }
    long long count(const std::string& table) {
        return std::stoll(rules->queryValue("SELECT count(*) FROM " + table + ";").value_or("-1"));
    }
};

TEST(CliRulesList, WritesAHeaderAndEscapedRowsInStoredOrder) {
    RulesDirectory d;
    d.exec("INSERT INTO ekwipunek VALUES (?,?,?);", {"e2", "Lina\tkonopna\r\nmocna", "2"});
    d.exec("INSERT INTO ekwipunek VALUES (?,?,?);", {"e1", "Worek C:\\rzeczy 'ż'", nullptr});
    const auto result = runCli({"-C", d.dir.str(), "rules", "list", "ekwipunek"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "id\tnazwa\twaga\n"
                          "e2\tLina\\tkonopna\\r\\nmocna\t2\n"
                          "e1\tWorek C:\\\\rzeczy 'ż'\t\n");
    EXPECT_EQ(result.err, "");

    // Other control characters never reach the terminal: ESC, BEL, DEL, and U+0090, the
    // code point of the unassigned Windows-1250 byte 0x90.
    d.exec("DELETE FROM ekwipunek;");
    d.exec("INSERT INTO ekwipunek VALUES (?,?,?);",
           {"e3", "\x1B[31mczerwony\a\x7F\u0090ł", "\x01"});
    EXPECT_EQ(runCli({"-C", d.dir.str(), "rules", "list", "ekwipunek"}).out,
              "id\tnazwa\twaga\n"
              "e3\t\\x1B[31mczerwony\\x07\\x7F\\x90ł\t\\x01\n");

    const auto empty = runCli({"-C", d.dir.str(), "rules", "list", "tarcza"});
    EXPECT_EQ(empty.code, 0);
    EXPECT_TRUE(empty.out.starts_with("id\tnazwa\togrzr\t")) << empty.out;
    EXPECT_EQ(std::count(empty.out.begin(), empty.out.end(), '\n'), 1);
}

TEST(CliRulesList, RefusesWhatIsNotARulesTable) {
    RulesDirectory d;
    EXPECT_EQ(runCli({"-C", d.dir.str(), "rules", "list", "istoty"}).code, 2);
    EXPECT_EQ(runCli({"-C", d.dir.str(), "rules", "list"}).code, 2);
    EXPECT_EQ(runCli({"-C", d.dir.str(), "rules", "list", "a", "b"}).code, 2);
}

// --view shows what the window shows: the class list orders its rows by the start of the
// range as a number (7, 45, 100), its headings lose the blanks that widen them ("Nazwa   ").
TEST(CliRulesList, ViewWritesTheListWindowTopToBottom) {
    RulesDirectory d;
    d.exec("INSERT INTO klasyspoleczne (id,nazwa,rzutod,rzutdo,klasa) VALUES "
           "('k1','Stu','100','100',''),('k2','Siedem','7','9',''),('k3','Czterdzieści','45','60',"
           "'');");
    const auto result = runCli({"-C", d.dir.str(), "rules", "list", "--view", "klasyspoleczne"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "Nazwa\tod\tdo\tid\n"
                          "Siedem\t7\t9\tk2\n"
                          "Czterdzieści\t45\t60\tk3\n"
                          "Stu\t100\t100\tk1\n");

    // The disabilities have a list of their own on the table of abilities.
    d.exec("INSERT INTO zdolnosci (id,typ,nazwa,od,do) VALUES ('u1','ULOMNOSC','Ślepota','1','5'),"
           "('z1','ZDOLNOSC','Lot','1','5');");
    EXPECT_EQ(runCli({"-C", d.dir.str(), "rules", "list", "--view", "ulomnosci"}).out,
              "Ułomność\tod\tdo\tid\nŚlepota\t1\t5\tu1\n");
    EXPECT_EQ(runCli({"-C", d.dir.str(), "rules", "list", "--view", "tarcza"}).out, "");

    const auto unknown = runCli({"-C", d.dir.str(), "rules", "list", "--view", "istoty"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_NE(unknown.err.find("ulomnosci"), std::string::npos) << unknown.err;
}

TEST(CliRulesDelete, RunsTheEditorsCascade) {
    RulesDirectory d;
    d.exec("INSERT INTO elementzbroi (id,nazwa) VALUES ('el1','Napierśnik'),('el2','Hełm');");
    d.exec("INSERT INTO elemzrbrasy VALUES ('el1','s1'),('el2','s1');");
    d.exec("INSERT INTO elemzrcialo VALUES ('el1','c1'),('el1','c2'),('el2','c1');");
    d.exec("INSERT INTO zbrojaelem VALUES ('z1','el1');");
    const auto result = runCli({"-C", d.dir.str(), "rules", "delete", "elementzbroi", "el1"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(d.count("elementzbroi"), 1);
    EXPECT_EQ(d.count("elemzrbrasy"), 1);
    EXPECT_EQ(d.count("elemzrcialo"), 1);
    // Not in the element's cascade: the armour keeps its link.
    EXPECT_EQ(d.count("zbrojaelem"), 1);
}

TEST(CliRulesDelete, FailsOnAMissingRowAndRefusesUnknownTables) {
    RulesDirectory d;
    const auto missing = runCli({"-C", d.dir.str(), "rules", "delete", "tarcza", "nic"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("nic"), std::string::npos);
    EXPECT_EQ(runCli({"-C", d.dir.str(), "rules", "delete", "nie_ma", "x"}).code, 2);
    EXPECT_EQ(runCli({"-C", d.dir.str(), "rules", "delete", "tarcza"}).code, 2);
    // Abilities are not deleted from their lists, nor here.
    d.exec("INSERT INTO zdolnosci (id,typ,nazwa) VALUES ('z1','ZDOLNOSC','Lot');");
    EXPECT_EQ(runCli({"-C", d.dir.str(), "rules", "delete", "zdolnosci", "z1"}).code, 1);
    EXPECT_EQ(d.count("zdolnosci"), 1);
}

TEST(CliRulesDelete, ARaceGoesWithItsStagesAndWhatTheyHold) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"-C", dir.str(), "init", "--sample-rules"}).code, 0);
    auto rules = test::openDatabase(dir.file("tallar.db"));
    ASSERT_TRUE(rules);
    const std::string race = rules->queryValue("SELECT id FROM rasy ORDER BY id LIMIT 1;").value();
    auto count = [&](const std::string& sql) {
        return std::stoll(rules->queryValue(sql, {race}).value_or("-1"));
    };
    const std::string ofStages = " IN (SELECT id FROM stadia WHERE idrasa=?);";
    ASSERT_GT(count("SELECT count(*) FROM stadia WHERE idrasa=?;"), 1);
    ASSERT_GT(count("SELECT count(*) FROM stadiumczesci WHERE idstadium" + ofStages), 0);
    const long long stages = count("SELECT count(*) FROM stadia WHERE idrasa<>?;");

    const auto result = runCli({"-C", dir.str(), "rules", "delete", "rasy", race});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(count("SELECT count(*) FROM rasy WHERE id=?;"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM stadia WHERE idrasa=?;"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM stadia WHERE idrasa<>?;"), stages);
    for (const std::string table : {"stadiumbronie", "stadiumczesci", "stadiumumiej"})
        EXPECT_EQ(count("SELECT count(*) FROM " + table +
                        " WHERE idstadium NOT IN (SELECT id "
                        "FROM stadia) AND ?<>'';"),
                  0)
            << table;
    for (const std::string table :
         {"profrasa", "rasybronie", "rasycharakter", "rasyklasy", "rasyzdolnosci", "zawodrasa"})
        EXPECT_EQ(count("SELECT count(*) FROM " + table + " WHERE idrasa=?;"), 0) << table;

    // Professions are not deleted from the program.
    const std::string profession =
        rules->queryValue("SELECT id FROM profesje LIMIT 1;").value_or("");
    EXPECT_EQ(runCli({"-C", dir.str(), "rules", "delete", "profesje", profession}).code, 1);
}

} // namespace
} // namespace tallar
