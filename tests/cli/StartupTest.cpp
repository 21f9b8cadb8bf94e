#include "store/db/Database.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tallar {
namespace {

using test::runCli;
using test::runProcess;

long long tableCount(const std::string& path) {
    Result<std::unique_ptr<Database>> db = Database::open(path);
    if (!db)
        return -1;
    return std::stoll(
        (*db)->queryValue("SELECT count(*) FROM sqlite_master WHERE type='table';").value_or("-1"));
}

TEST(CliInit, CreatesBothDatabasesSilently) {
    test::TempDir dir;
    const auto result = runCli({"-C", dir.str(), "init"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(tableCount(dir.file("tallar.db")), 44);
    EXPECT_EQ(tableCount(dir.file("rtistoty.db")), 2);
}

TEST(CliInit, CreatesAMissingWorkingDirectory) {
    test::TempDir dir;
    const std::filesystem::path fresh = dir.path() / "nowy" / "katalog";
    const auto result = runCli({"-C", fresh.string(), "init"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(tableCount((fresh / "tallar.db").string()), 44);
    EXPECT_EQ(tableCount((fresh / "rtistoty.db").string()), 2);

    // A file where a directory should be: a message and code 1.
    std::ofstream(dir.path() / "plik") << "x";
    const auto blocked = runCli({"-C", (dir.path() / "plik" / "pod").string(), "init"});
    EXPECT_EQ(blocked.code, 1);
    EXPECT_TRUE(blocked.err.starts_with("tallar2-cli init: Nie można utworzyć katalogu "))
        << blocked.err;
}

TEST(CliInit, UnopenableRulesDatabaseExitsWithOneAndCreatesNoTables) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "tallar.db");
    const auto result = runCli({"-C", dir.str(), "init"});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.starts_with("Brak połączenia z bazą danych: ")) << result.err;
    EXPECT_TRUE(result.err.ends_with("\n"));
    EXPECT_EQ(tableCount(dir.file("rtistoty.db")), 0);
}

TEST(CliInit, ATableOfTheWrongShapeEndsWithAMessageAndOne) {
    test::TempDir dir;
    {
        auto rules = test::openDatabase(dir.file("tallar.db"));
        ASSERT_TRUE(rules);
        // A table of the wrong shape: creation leaves it alone, its index cannot be made.
        ASSERT_TRUE(rules->exec("CREATE TABLE profprof (x TEXT);").ok());
    }
    for (const char* command : {"init", "list"}) {
        const auto result = runCli({"-C", dir.str(), command});
        EXPECT_EQ(result.code, 1) << command;
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("SQL error: no such column: id\n"), std::string::npos)
            << result.err;
        EXPECT_TRUE(result.err.ends_with("Baza danych tallar.db nie ma wymaganego układu: tabela "
                                         "„profprof” nie ma kolumny „id”.\n"))
            << result.err;
    }
}

TEST(CliUsage, HelpListsTheCommandsAndUnknownCommandsExitWithTwo) {
    const auto help = runCli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("tallar2-cli [-C KATALOG]"), std::string::npos);
    EXPECT_NE(help.out.find("\n  init"), std::string::npos);

    const auto unknown = runCli({"frobnicate"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_NE(unknown.err.find("frobnicate"), std::string::npos);
    EXPECT_NE(unknown.err.find("Użycie:"), std::string::npos);

    EXPECT_EQ(runCli({}).code, 2);
    EXPECT_EQ(runCli({"-C"}).code, 2);
    EXPECT_EQ(runCli({"init", "extra"}).code, 2);
}

TEST(CliProcess, RunsAsAProgram) {
    test::TempDir dir;
    const auto result = runProcess(std::string(TALLAR_CLI_PATH) + " -C '" + dir.str() + "' init");
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(tableCount(dir.file("tallar.db")), 44);
}

#ifdef TALLAR_APP_PATH
TEST(DesktopStartup, UnopenableRulesDatabaseEndsWithCodeOneAndNoWindow) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "tallar.db");
    const auto result = runProcess("QT_QPA_PLATFORM=offscreen " + std::string(TALLAR_APP_PATH) +
                                   " '" + dir.str() + "'");
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("Brak połączenia z bazą danych: "), std::string::npos) << result.err;
    EXPECT_EQ(tableCount(dir.file("rtistoty.db")), 0);
}

TEST(DesktopStartup, ACharacterTableThatIsAViewEndsWithCodeOneAndNoWindow) {
    test::TempDir dir;
    {
        auto db = test::openDatabase(dir.file("rtistoty.db"));
        ASSERT_TRUE(db && db->exec("CREATE VIEW pozycje AS SELECT 1 AS id;").ok());
    }
    const auto result = runProcess("QT_QPA_PLATFORM=offscreen " + std::string(TALLAR_APP_PATH) +
                                   " '" + dir.str() + "'");
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("Baza danych rtistoty.db nie ma wymaganego układu: „pozycje” jest "
                              "widokiem, a powinno być tabelą.\n"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(tableCount(dir.file("tallar.db")), 0);
}

TEST(DesktopStartup, TakesTheTraceOptionBeforeTheDirectory) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "tallar.db");
    const std::string app = "QT_QPA_PLATFORM=offscreen " + std::string(TALLAR_APP_PATH);
    const auto traced = runProcess(app + " --trace '" + dir.str() + "'");
    // The directory is the one given, so its unopenable rules database ends the start.
    EXPECT_EQ(traced.code, 1) << traced.err;
    EXPECT_NE(traced.err.find("Brak połączenia z bazą danych: "), std::string::npos) << traced.err;

    const auto wrong = runProcess(app + " '" + dir.str() + "' drugi");
    EXPECT_EQ(wrong.code, 2);
    EXPECT_NE(wrong.err.find("Użycie: tallar2 [--trace] [--user-data | KATALOG]\n"),
              std::string::npos)
        << wrong.err;
}

// The desktop menu starts `tallar2 --user-data`: the program works in Tallar2 under the
// user's data directory, creating it when missing.
TEST(DesktopStartup, UserDataWorksInTallar2UnderTheDataHome) {
    test::TempDir dataHome;
    const std::filesystem::path folder = dataHome.path() / "Tallar2";
    std::filesystem::create_directories(folder / "tallar.db"); // ends the start after opening
    const auto opened =
        runProcess("XDG_DATA_HOME='" + dataHome.str() + "' QT_QPA_PLATFORM=offscreen " +
                   TALLAR_APP_PATH + " --user-data");
    EXPECT_EQ(opened.code, 1) << opened.err;
    EXPECT_NE(opened.err.find("Brak połączenia z bazą danych: "), std::string::npos) << opened.err;
    EXPECT_TRUE(std::filesystem::exists(folder / "rtistoty.db")); // opened there first

    // Where the folder cannot be made, the message names it.
    std::ofstream(dataHome.path() / "plik") << "x";
    const auto blocked =
        runProcess("XDG_DATA_HOME='" + dataHome.file("plik") + "' QT_QPA_PLATFORM=offscreen " +
                   TALLAR_APP_PATH + " --user-data");
    EXPECT_EQ(blocked.code, 1);
    EXPECT_NE(blocked.err.find("Nie można utworzyć katalogu " + dataHome.file("plik") + "/Tallar2"),
              std::string::npos)
        << blocked.err;
}

// --help and --version are answered before Qt starts: no display is needed for them (and
// the manual page is made from the help at build time).
TEST(DesktopStartup, HelpAndVersionNeedNoDisplay) {
    const std::string noDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ";
    const auto version = runProcess(noDisplay + TALLAR_APP_PATH + " --version");
    EXPECT_EQ(version.code, 0) << version.err;
    EXPECT_EQ(version.out, std::string("tallar2 ") + TALLAR_VERSION + "\n");
    const auto help = runProcess(noDisplay + TALLAR_APP_PATH + " --help");
    EXPECT_EQ(help.code, 0) << help.err;
    EXPECT_TRUE(help.out.starts_with("Użycie: tallar2 [--trace] [--user-data | KATALOG]\n"))
        << help.out;
}
#endif

} // namespace
} // namespace tallar
