#include "store/db/Database.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tallar {
namespace {

using test::runCli;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

std::string newCharacter(const test::TempDir& dir, std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"-C", dir.str(), "new", "--blank"};
    args.insert(args.end(), extra.begin(), extra.end());
    const auto made = runCli(args);
    EXPECT_EQ(made.code, 0) << made.err;
    EXPECT_EQ(made.err, "");
    EXPECT_EQ(made.out.size(), 31u) << made.out; // 30 digits and the end of the line
    return made.out.substr(0, 30);
}

TEST(CliCharacters, NewShowListAndDelete) {
    test::TempDir dir;
    const std::string first = newCharacter(dir, {"--player", "Ola", "--name", "Żbik"});
    const std::string second = newCharacter(dir, {"--player", "Adam"});

    const auto shown = runCli({"-C", dir.str(), "show", first});
    EXPECT_EQ(shown.code, 0) << shown.err;
    EXPECT_EQ(shown.err, "");
    const auto tree = lines(shown.out);
    ASSERT_EQ(tree.size(), 53u);
    EXPECT_EQ(tree[0], "Żywotność: 0");
    EXPECT_EQ(tree[3], "Zręczność aktualna: 0");
    EXPECT_EQ(tree[4], "  Zręczność: 0");
    EXPECT_EQ(tree[35], "  Bronie");
    EXPECT_EQ(tree[44], "  przy sobie");
    EXPECT_EQ(tree[52], "Dodatkowe informacje");

    const auto listed = runCli({"-C", dir.str(), "list"});
    EXPECT_EQ(listed.code, 0);
    EXPECT_EQ(lines(listed.out),
              (std::vector<std::string>{second + "\tAdam\t\t\t", first + "\tOla\t\t\tŻbik"}));

    const auto deleted = runCli({"-C", dir.str(), "delete", first});
    EXPECT_EQ(deleted.code, 0) << deleted.err;
    EXPECT_EQ(deleted.out, "");
    EXPECT_EQ(lines(runCli({"-C", dir.str(), "list"}).out),
              (std::vector<std::string>{second + "\tAdam\t\t\t"}));
}

TEST(CliCharacters, ListEscapesWhatWouldBreakItsLines) {
    test::TempDir dir;
    const std::string hero =
        newCharacter(dir, {"--player", "Ola\tAdam", "--name", "Ż\\b\r\n\x1B]0;tytuł\a"});
    const auto listed = runCli({"-C", dir.str(), "list"});
    EXPECT_EQ(listed.code, 0) << listed.err;
    EXPECT_EQ(listed.out, hero + "\tOla\\tAdam\t\t\tŻ\\\\b\\r\\n\\x1B]0;tytuł\\x07\n");
}

TEST(CliCharacters, UnknownIdentifiersFailWithAMessage) {
    test::TempDir dir;
    for (const char* command : {"show", "delete"}) {
        const auto result = runCli({"-C", dir.str(), command, "404"});
        EXPECT_EQ(result.code, 1) << command;
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("Nie ma bohatera o identyfikatorze 404."), std::string::npos)
            << result.err;
    }
}

TEST(CliCharacters, AnEntrysIdentifierIsNoCharacterToShowOrDelete) {
    test::TempDir dir;
    const std::string hero = newCharacter(dir);
    const auto shown = runCli({"-C", dir.str(), "show", hero});
    const auto db = test::openDatabase(dir.file("rtistoty.db"));
    ASSERT_TRUE(db);
    const std::string entry =
        db->queryValue("SELECT id FROM pozycje WHERE id_n=? AND lp=3;", {hero}).value_or("");
    ASSERT_EQ(entry.size(), 30u);
    for (const char* command : {"show", "delete"}) {
        const auto result = runCli({"-C", dir.str(), command, entry});
        EXPECT_EQ(result.code, 1) << command;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "tallar2-cli " + std::string(command) + ": " +
                                  "Nie ma bohatera o identyfikatorze " + entry + ".\n");
    }
    EXPECT_EQ(runCli({"-C", dir.str(), "show", hero}).out, shown.out);
}

TEST(CliCharacters, ANameTheDatabaseCannotHoldSavesNothing) {
    test::TempDir dir;
    const auto made = runCli({"-C", dir.str(), "new", "--blank", "--name", "雷"});
    EXPECT_EQ(made.code, 2);
    EXPECT_EQ(made.out, "");
    EXPECT_NE(made.err.find("--name: Znak „雷”"), std::string::npos) << made.err;
    EXPECT_EQ(runCli({"-C", dir.str(), "list"}).out, "");
}

TEST(CliCharacters, WrongUsageExitsWithTwo) {
    test::TempDir dir;
    EXPECT_EQ(runCli({"-C", dir.str(), "new", "--seed", "x"}).code, 2);
    EXPECT_EQ(runCli({"-C", dir.str(), "new", "--blank", "--player"}).code, 2);
    EXPECT_EQ(runCli({"-C", dir.str(), "show"}).code, 2);
    EXPECT_EQ(runCli({"-C", dir.str(), "show", "1", "2"}).code, 2);
    EXPECT_EQ(runCli({"-C", dir.str(), "delete"}).code, 2);
    EXPECT_EQ(runCli({"-C", dir.str(), "list", "x"}).code, 2);
    const auto help = runCli({"--help"});
    for (const char* name : {"\n  new [--seed N]", "\n  show ID", "\n  list", "\n  delete ID"})
        EXPECT_NE(help.out.find(name), std::string::npos) << name;
}

TEST(CliCharacters, OptionsThatWouldBeIgnoredOrMisreadAreRefused) {
    test::TempDir dir;
    const std::vector<std::vector<std::string>> refused = {
        // A skeleton has no throws, stages or choices: these options would do nothing.
        {"--blank", "--seed", "5"},
        {"--blank", "--stage", "Człowiek [Dorosły]"},
        {"--ask", "--blank"},
        {"--blank", "--count", "2"},
        {"--blank", "--alignment", "x"},
        {"--blank", "--class-roll", "5"},
        {"--blank", "--birth-roll", "5"},
        // Numbers are digits only.
        {"--seed", " 5"},
        {"--seed", "+5"},
        {"--seed", "5 "},
        {"--seed", "-1"},
        {"--seed", "4294967296"},
        {"--count", " 2"},
    };
    for (const auto& options : refused) {
        std::vector<std::string> args = {"-C", dir.str(), "new"};
        args.insert(args.end(), options.begin(), options.end());
        const auto result = runCli(args);
        EXPECT_EQ(result.code, 2) << options[0] << " " << options[1];
        EXPECT_EQ(result.out, "");
    }
    EXPECT_NE(runCli({"-C", dir.str(), "new", "--blank", "--seed", "5"})
                  .err.find("nie łączy się z --seed"),
              std::string::npos);
    EXPECT_EQ(runCli({"-C", dir.str(), "list"}).out, "");
}

TEST(CliCharacters, TraceLinesOnlyWithTheTraceOption) {
    test::TempDir dir;
    const std::string id = newCharacter(dir);
    const auto quiet = runCli({"-C", dir.str(), "show", id});
    EXPECT_EQ(quiet.out.find("CPoz::~CPoz()"), std::string::npos);
    const auto traced = runCli({"-C", dir.str(), "--trace", "show", id});
    EXPECT_EQ(traced.code, 0);
    EXPECT_NE(traced.out.find("\n CPoz::~CPoz() \n"), std::string::npos);
    EXPECT_NE(traced.out.find("Dodatkowe informacje\n"), std::string::npos);
}

} // namespace
} // namespace tallar
