#include "rules/core/Dice.h"
#include "support/CliRunner.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

using test::runCli;

TEST(CliDice, ASeedGivesTheGeneratorsThrows) {
    const auto result = runCli({"dice", "K10", "--seed", "1", "--count", "3"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, "2\n8\n5\n");
    EXPECT_EQ(result.err, "");
    // Options may come before the expression.
    EXPECT_EQ(runCli({"dice", "--count", "3", "--seed", "1", "K10"}).out, "2\n8\n5\n");
}

TEST(CliDice, ModesAndValueFormat) {
    EXPECT_EQ(runCli({"dice", "2K10", "--mode", "max"}).out, "20\n");
    EXPECT_EQ(runCli({"dice", "MAX(2K10)", "--mode", "min"}).out, "1\n");
    EXPECT_EQ(runCli({"dice", "K100_", "--mode", "max"}).out, "101\n");
    EXPECT_EQ(runCli({"dice", "2K10+3*2", "--mode", "zero"}).out, "6\n");
    EXPECT_EQ(runCli({"dice", "-3"}).out, "-3\n");
    EXPECT_EQ(runCli({"dice", "6/0"}).out, "0\n");
    EXPECT_EQ(runCli({"dice", "5/2"}).out, "2.5\n");
    EXPECT_EQ(runCli({"dice", "10/3", "--mode", "zero"}).out, "3.33\n");
    EXPECT_EQ(runCli({"dice", "0-2/3"}).out, "-0.67\n");
    // Malformed expressions are not errors.
    const auto malformed = runCli({"dice", "CH+abc", "--mode", "max"});
    EXPECT_EQ(malformed.code, 0);
    EXPECT_EQ(malformed.out, "0\n");
}

TEST(CliDice, DecimalNumbersKeepTheirFraction) {
    EXPECT_EQ(runCli({"dice", "0.75", "--mode", "zero"}).out, "0.75\n");
    // 2 · 0.75 + 0.5 = 2
    EXPECT_EQ(runCli({"dice", "2*0.75+0.5"}).out, "2\n");
}

TEST(CliDice, TooManyDiceOrSidesAreRefused) {
    for (const std::string expression :
         {"2147483647K2", "99999999999999999999K2", "1000000000K1000000000", "K6+1001K6"}) {
        const auto result = runCli({"dice", expression, "--count", "3"});
        EXPECT_EQ(result.code, 1) << expression;
        EXPECT_EQ(result.out, "") << expression;
        EXPECT_NE(result.err.find("za dużo kości w „"), std::string::npos) << result.err;
    }
    const auto sides = runCli({"dice", "K10001", "--mode", "max"});
    EXPECT_EQ(sides.code, 1);
    EXPECT_EQ(sides.err, "tallar2-cli dice: Wyrażenie „K10001” nie zostało obliczone: za dużo "
                         "ścian kości w „K10001” (najwyżej 10000).\n");
    // The limits themselves are thrown: 1000 dice of 10000 sides.
    EXPECT_EQ(runCli({"dice", "1000K10000", "--mode", "max"}).out, "10000000\n");
    // The help names both limits.
    const std::string help = runCli({"--help"}).out;
    EXPECT_NE(help.find("Kości jest w składniku najwyżej " + std::to_string(kMaxDiceCount) +
                        ", a ścian kości najwyżej " + std::to_string(kMaxDiceSides)),
              std::string::npos);
}

TEST(CliDice, RollsStayInRangeWithoutASeed) {
    const auto result = runCli({"dice", "2K6", "--count", "50"});
    ASSERT_EQ(result.code, 0);
    std::istringstream lines(result.out);
    int value = 0;
    int seen = 0;
    while (lines >> value) {
        EXPECT_GE(value, 2);
        EXPECT_LE(value, 12);
        ++seen;
    }
    EXPECT_EQ(seen, 50);
}

TEST(CliDice, WrongUsageExitsWithTwo) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"dice"},
             {"dice", "K10", "K6"},
             {"dice", "K10", "--mode", "high"},
             {"dice", "K10", "--mode"},
             {"dice", "K10", "--seed", "x"},
             {"dice", "K10", "--seed", "-1"},
             {"dice", "K10", "--count", "0"},
         }) {
        const auto result = runCli(args);
        EXPECT_EQ(result.code, 2) << args.back();
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("tallar2-cli dice"), std::string::npos);
    }
    EXPECT_NE(runCli({"--help"}).out.find("\n  dice WYRAŻENIE [--mode roll|max|min|zero]"),
              std::string::npos);
}

} // namespace
} // namespace tallar
