#include "store/db/Database.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

using test::runCli;

TEST(CliSampleRules, LoadsOnceAndTheCheckerIsSilentOnThem) {
    test::TempDir dir;
    const auto load = runCli({"-C", dir.str(), "init", "--sample-rules"});
    EXPECT_EQ(load.code, 0) << load.err;
    EXPECT_EQ(load.out, "");
    EXPECT_EQ(load.err, "");

    const auto again = runCli({"-C", dir.str(), "init", "--sample-rules"});
    EXPECT_EQ(again.code, 1);
    EXPECT_EQ(again.out, "");
    EXPECT_NE(again.err.find("Baza reguł zawiera już rasy"), std::string::npos) << again.err;

    const auto check = runCli({"-C", dir.str(), "rules", "check"});
    EXPECT_EQ(check.code, 0) << check.out;
    EXPECT_EQ(check.out, "");
    EXPECT_EQ(check.err, "");
}

TEST(CliRulesCheck, WritesOneLinePerProblemAndExitsWithOne) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"-C", dir.str(), "init"}).code, 0);
    {
        auto db = test::openDatabase(dir.file("tallar.db"));
        ASSERT_TRUE(db);
        ASSERT_TRUE(db->exec("INSERT INTO klasyspoleczne (id,rzutod,rzutdo) VALUES ('K','1','90');"
                             "INSERT INTO rasyklasy VALUES ('R','K');")
                        .ok());
    }
    const auto check = runCli({"-C", dir.str(), "rules", "check"});
    EXPECT_EQ(check.code, 1);
    EXPECT_EQ(check.out, "rasyklasy (idrasa=R, idklasy=K): idrasa „R” nie wskazuje wiersza tabeli "
                         "rasy\n"
                         "klasyspoleczne: rzuty 91-100 nie trafiają w żaden zakres\n");
    EXPECT_EQ(check.err, "");
}

TEST(CliRulesCheck, UsageErrorsExitWithTwo) {
    test::TempDir dir;
    EXPECT_EQ(runCli({"-C", dir.str(), "rules", "check", "extra"}).code, 2);
    EXPECT_EQ(runCli({"-C", dir.str(), "init", "--sample"}).code, 2);
    EXPECT_EQ(runCli({"-C", dir.str(), "init", "--sample-rules", "--sample-rules"}).code, 2);
    const auto help = runCli({"--help"});
    EXPECT_NE(help.out.find("\n  rules check\n"), std::string::npos);
    EXPECT_NE(help.out.find("\n  init [--sample-rules]\n"), std::string::npos);
}

} // namespace
} // namespace tallar
