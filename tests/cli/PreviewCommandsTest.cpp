#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace tallar {
namespace {

using test::runCli;

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

std::string sampleCharacter(const test::TempDir& dir) {
    EXPECT_EQ(runCli({"-C", dir.str(), "init", "--sample-rules"}).code, 0);
    const auto made = runCli({"-C", dir.str(), "new", "--seed", "5", "--name", "Żaneta"});
    EXPECT_EQ(made.code, 0) << made.err;
    return made.out.substr(0, 30);
}

TEST(CliPreview, RecalcKeepsAWizardMadeCharacterAndPrintsNothing) {
    test::TempDir dir;
    const std::string id = sampleCharacter(dir);
    const std::string shown = runCli({"-C", dir.str(), "show", id}).out;
    const auto recalc = runCli({"-C", dir.str(), "recalc", id});
    EXPECT_EQ(recalc.code, 0) << recalc.err;
    EXPECT_EQ(recalc.out, "");
    EXPECT_EQ(recalc.err, "");
    EXPECT_EQ(runCli({"-C", dir.str(), "show", id}).out, shown);

    const auto missing = runCli({"-C", dir.str(), "recalc", "123"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("Nie ma bohatera"), std::string::npos) << missing.err;
    EXPECT_EQ(runCli({"-C", dir.str(), "recalc"}).code, 2);
}

TEST(CliPreview, StatsAppendsOneBlockPerCall) {
    test::TempDir dir;
    const std::string id = sampleCharacter(dir);
    const std::string file = dir.file("staty"); // taken as given: no extension is added
    ASSERT_EQ(runCli({"-C", dir.str(), "stats", id, file}).code, 0);
    const std::string once = readFile(file);
    // "NAZ. Żaneta; " in Windows-1250 ("Ż" is 0xAF), lines ended by CR LF.
    EXPECT_TRUE(once.starts_with("NAZ. \xAF"
                                 "aneta; "))
        << once;
    EXPECT_TRUE(once.ends_with("; \r\n"));
    EXPECT_NE(once.find("\r\n\xAFYW "), std::string::npos);
    const auto again = runCli({"-C", dir.str(), "stats", id, file});
    EXPECT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(again.out, "");
    EXPECT_EQ(readFile(file), once + once);

    const auto unwritable = runCli({"-C", dir.str(), "stats", id, dir.file("brak/staty.txt")});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_NE(unwritable.err.find("Nie zapisano statystyk"), std::string::npos);
    EXPECT_EQ(runCli({"-C", dir.str(), "stats", id}).code, 2);
}

} // namespace
} // namespace tallar
