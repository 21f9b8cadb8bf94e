#include "rules/core/Dice.h"
#include "base/NonInteractiveUserPort.h"
#include "rules/core/ExpressionNames.h"
#include "rules/core/RegExp.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tallar {
namespace {

double eval(std::string_view expression, DiceMode mode) {
    return EvaluateDice(expression, {}, "", mode);
}

TEST(MaxFinder, FindsTheContentInAnyCase) {
    EXPECT_EQ(findMaxTerm("MAX(2K10)"), "2K10");
    EXPECT_EQ(findMaxTerm("max(K6)"), "K6");
    EXPECT_EQ(findMaxTerm("mAx(3k4_)"), "3k4_");
    EXPECT_EQ(findMaxTerm("xMAX(2K10)y"), "2K10");  // found anywhere in the term
    EXPECT_EQ(findMaxTerm("MAX(2K10)(3)"), "2K10"); // up to the first closing parenthesis
    EXPECT_EQ(findMaxTerm("MAX()"), "");
    EXPECT_EQ(findMaxTerm("MAX(2K10"), std::nullopt);
    EXPECT_EQ(findMaxTerm("MIN(2K10)"), std::nullopt);
    EXPECT_EQ(findMaxTerm("2K10"), std::nullopt);
}

TEST(MaxFinder, AMissingParenthesisFallsBackOnTheDiceTerm) {
    // "MAX(2K10" is read as a dice term: its count "MAX(2" reads as 0.
    EXPECT_EQ(eval("MAX(2K10", DiceMode::Maximum), 0);
    EXPECT_EQ(eval("MAX(2K10)", DiceMode::Maximum), 10);
}

TEST(RegExp, GroupsAndRegisters) {
    CRegExp expression("([a-z]+)-([0-9]+)");
    ASSERT_TRUE(expression.compiled());
    EXPECT_EQ(expression.groupCount(), 0);
    const std::string text = "żółw abc-42!";
    EXPECT_EQ(expression.search(text), text.find("abc"));
    EXPECT_EQ(expression.groupCount(), 2);
    EXPECT_EQ(expression.group(text, 0), "abc");
    EXPECT_EQ(expression.group(text, 1), "42");
    EXPECT_EQ(expression.group(text, 2), std::nullopt);
    EXPECT_FALSE(expression.match(text));
    EXPECT_TRUE(expression.match("x-1 and more"));

    EXPECT_EQ(expression.search("nothing here"), std::nullopt);
    EXPECT_EQ(expression.groupCount(), 0);

    EXPECT_FALSE(expression.compile("(unclosed"));
    EXPECT_FALSE(expression.compiled());
    EXPECT_EQ(expression.search("unclosed"), std::nullopt);
    EXPECT_TRUE(expression.compile("ł+"));
    EXPECT_EQ(expression.search("aółłb"), 3u);
}

TEST(EvaluateDice, FourModes) {
    const std::map<std::string_view, std::array<double, 4>> expected = {
        // expression      Minimum, Zero, Maximum, (unused)
        {"2K10", {2, 0, 20, 0}},    {"MAX(2K10)", {1, 0, 10, 0}}, {"K100_", {1, 0, 101, 0}},
        {"3k6_", {3, 0, 21, 0}},    {"max(3K6_)", {1, 0, 7, 0}},  {"2K10+3*2", {8, 6, 26, 0}},
        {"6/0", {0, 0, 0, 0}},      {"-3", {-3, -3, -3, 0}},      {"10-K4-1", {8, 9, 5, 0}},
        {"2*K6/4", {0.5, 0, 3, 0}}, {"", {0, 0, 0, 0}},           {"abc", {0, 0, 0, 0}},
        {"7", {7, 7, 7, 0}},        {"K", {1, 0, 0, 0}},
    };
    for (const auto& [expression, values] : expected) {
        EXPECT_DOUBLE_EQ(eval(expression, DiceMode::Minimum), values[0]) << expression;
        EXPECT_DOUBLE_EQ(eval(expression, DiceMode::Zero), values[1]) << expression;
        EXPECT_DOUBLE_EQ(eval(expression, DiceMode::Maximum), values[2]) << expression;
    }
}

TEST(EvaluateDice, RollsStayWithinTheirBounds) {
    DiceGenerator generator(7);
    const DiceRolls rolls{.generator = &generator};
    std::set<double> seen;
    for (int i = 0; i < 2000; ++i) {
        const double value = EvaluateDice("2K10+3*2", rolls, "", DiceMode::Roll);
        EXPECT_GE(value, 8);
        EXPECT_LE(value, 26);
        seen.insert(value);
        const double highest = EvaluateDice("MAX(3K6)", rolls, "", DiceMode::Roll);
        EXPECT_GE(highest, 1);
        EXPECT_LE(highest, 6);
    }
    EXPECT_EQ(seen.size(), 19u); // every sum from 8 to 26 turns up
    EXPECT_EQ(EvaluateDice("6/0*K10", rolls, "", DiceMode::Roll), 0);
}

TEST(EvaluateDice, ASeedReproducesTheRolls) {
    DiceGenerator first(1);
    DiceGenerator second(1);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(EvaluateDice("3K20_+K6", {.generator = &first}, "", DiceMode::Roll),
                  EvaluateDice("3K20_+K6", {.generator = &second}, "", DiceMode::Roll));
    DiceGenerator seeded(1);
    EXPECT_EQ(RollDice(10, false, 1, false, 1, {.generator = &seeded}, ""), 2);
    EXPECT_EQ(RollDice(10, false, 1, false, 1, {.generator = &seeded}, ""), 8);
    EXPECT_EQ(RollDice(10, false, 1, false, 1, {.generator = &seeded}, ""), 5);
}

class FixedCharacter : public AttributeSource {
public:
    double attributeTotal(const AttributeDef& member) const override {
        return member.code == "CH" ? 14.5 : 3;
    }
    std::optional<int> weight() const override { return 80; }
    std::optional<int> height() const override { return 180; }
    std::optional<int> age() const override { return std::nullopt; }
};

TEST(EvaluateDice, AttributeNamesNeedACharacter) {
    const FixedCharacter character;
    EXPECT_DOUBLE_EQ(EvaluateDice("CH*2+WZROST/10", {}, "", DiceMode::Zero, &character), 47);
    EXPECT_DOUBLE_EQ(EvaluateDice("WIEK+A.MAG", {}, "", DiceMode::Zero, &character), 3);
    EXPECT_DOUBLE_EQ(EvaluateDice("WAGA-K10", {}, "", DiceMode::Maximum, &character), 70);
    // Without a character, and with a name that is not exact, the names read as 0.
    EXPECT_DOUBLE_EQ(EvaluateDice("CH*2+WZROST/10", {}, "", DiceMode::Zero), 0);
    EXPECT_DOUBLE_EQ(EvaluateDice("Ch+ CH", {}, "", DiceMode::Zero, &character), 0);
}

TEST(EvaluateDice, NumbersMayHaveADecimalPart) {
    for (const DiceMode mode : {DiceMode::Minimum, DiceMode::Zero, DiceMode::Maximum}) {
        EXPECT_DOUBLE_EQ(eval("0.75", mode), 0.75);
        EXPECT_DOUBLE_EQ(eval("2*1.5-0.25", mode), 2.75);
        EXPECT_DOUBLE_EQ(eval(" .5", mode), 0.5);
        // A comma stops the number, as the C library reads it: "0,75" is 0.
        EXPECT_DOUBLE_EQ(eval("0,75", mode), 0.0);
        // Texts the C library reads as no finite number count 0.
        EXPECT_DOUBLE_EQ(eval("nan", mode), 0.0);
        EXPECT_DOUBLE_EQ(eval("1e999", mode), 0.0);
    }
    EXPECT_DOUBLE_EQ(eval("K6*0.5", DiceMode::Maximum), 3.0);
}

TEST(EvaluateDice, RefusesTooManyDiceOrSidesBeforeAnyThrow) {
    // The limits themselves are thrown: 1000 dice of 10000 sides give at most 10,000,000.
    EXPECT_DOUBLE_EQ(eval("1000K10000", DiceMode::Maximum), 10'000'000);
    DiceGenerator generator(5);
    const double rolled =
        EvaluateDice("1000K10000", DiceRolls{.generator = &generator}, "", DiceMode::Roll);
    EXPECT_GE(rolled, 1000);
    EXPECT_LE(rolled, 10'000'000);

    // One die more, one side more, or a count beyond int: nothing is thrown or asked.
    NonInteractiveUserPort port(nullptr);
    const DiceRolls asked{.askRolls = true, .port = &port};
    for (const char* expression :
         {"K6+1001K6", "K10001", "2147483647K2", "99999999999999999999K2", "MAX(5000K6_)"}) {
        for (const DiceMode mode : {DiceMode::Roll, DiceMode::Maximum, DiceMode::Minimum}) {
            const DiceOutcome outcome = evaluateDiceExpression(expression, asked, "x", mode);
            EXPECT_DOUBLE_EQ(outcome.value, 0.0) << expression;
            EXPECT_TRUE(outcome.refusal.has_value()) << expression;
        }
    }
    EXPECT_TRUE(port.diePrompts().empty());
    EXPECT_EQ(evaluateDiceExpression("3+1000000000K1000000000", {}, "", DiceMode::Roll).refusal,
              "Wyrażenie „3+1000000000K1000000000” nie zostało obliczone: za dużo kości w "
              "„1000000000K1000000000” (najwyżej 1000).");

    // The rules steps see the refusal as a message through their port.
    EXPECT_DOUBLE_EQ(EvaluateDice("K10001", asked, "Wiek", DiceMode::Roll), 0.0);
    ASSERT_EQ(port.errors().size(), 1u);
    EXPECT_EQ(port.errors()[0].text, "Wyrażenie „K10001” nie zostało obliczone: za dużo ścian "
                                     "kości w „K10001” (najwyżej 10000).");
    EXPECT_EQ(port.errors()[0].caption, "Błąd!");
    EXPECT_TRUE(port.diePrompts().empty());
    // Thrown directly, such dice give 0 at once.
    EXPECT_EQ(RollDice(2, false, 2'000'000'000, false, 1, {}, ""), 0);
}

TEST(RollDice, OpenEndedK100SwitchesToK10AfterAMaximum) {
    NonInteractiveUserPort port(nullptr);
    for (const int face : {100, 10, 10, 3})
        port.queueDie(face);
    const DiceRolls rolls{.askRolls = true, .port = &port};
    EXPECT_EQ(EvaluateDice("K100_", rolls, "Test", DiceMode::Roll), 123);
    EXPECT_EQ(port.diePrompts(),
              (std::vector<std::string>{"Test K100", "Test K10", "Test K10", "Test K10"}));
}

TEST(RollDice, OpenEndedThrowsNeverEndOnTheMaximum) {
    DiceGenerator generator(3);
    const DiceRolls rolls{.generator = &generator};
    int aboveHundred = 0;
    for (int i = 0; i < 20000; ++i) {
        const int value = RollDice(100, true, 1, false, 1, rolls, "");
        ASSERT_NE(value, 100);
        ASSERT_GE(value, 1);
        aboveHundred += value > 100;
    }
    EXPECT_GT(aboveHundred, 100);
    EXPECT_LT(aboveHundred, 400);
}

TEST(RollDice, CountsMultiplierAndDegenerateDice) {
    NonInteractiveUserPort port(nullptr);
    for (const int face : {4, 9, 2})
        port.queueDie(face);
    const DiceRolls rolls{.askRolls = true, .port = &port};
    EXPECT_EQ(RollDice(10, false, 3, false, 2, rolls, "x"), 30);
    for (const int face : {4, 9, 2})
        port.queueDie(face);
    EXPECT_EQ(RollDice(10, false, 3, true, 1, rolls, "x"), 9);
    // The throws of an open-ended die add up before the highest die is chosen.
    for (const int face : {6, 6, 2, 5})
        port.queueDie(face);
    EXPECT_EQ(RollDice(6, true, 2, true, 1, rolls, "x"), 14);

    EXPECT_EQ(RollDice(10, false, 0, false, 1, rolls, "x"), 0);
    EXPECT_EQ(RollDice(0, false, 3, false, 1, rolls, "x"), 0);
    EXPECT_EQ(EvaluateDice("2K0", rolls, "x", DiceMode::Roll), 0);
    // A one-sided open-ended die shows 1 and stops.
    EXPECT_EQ(RollDice(1, true, 2, false, 1, {}, ""), 2);
}

TEST(RollDice, AskedThrowsCarryTheirPrompts) {
    NonInteractiveUserPort port(nullptr);
    port.queueDie(7);
    port.queueDie(3);
    const DiceRolls rolls{.askRolls = true, .port = &port};
    EXPECT_EQ(EvaluateDice("2K10", rolls, "Punkty doświadczenia", DiceMode::Roll), 10);
    EXPECT_EQ(port.diePrompts(), (std::vector<std::string>{"Punkty doświadczenia K10 1 z 2",
                                                           "Punkty doświadczenia K10 2 z 2"}));
}

TEST(RollDice, AnAnswerOutsideTheDieIsAskedAgainAndNoAnswerRollsAutomatically) {
    NonInteractiveUserPort port(nullptr);
    port.queueDie(0);
    port.queueDie(7);
    port.queueDie(4);
    const DiceRolls rolls{.askRolls = true, .port = &port};
    EXPECT_EQ(RollDice(6, false, 1, false, 1, rolls, "Wiek"), 4);
    EXPECT_EQ(port.diePrompts(), std::vector<std::string>(3, "Wiek K6"));

    DiceGenerator generator(1);
    const DiceRolls givingUp{.askRolls = true, .port = &port, .generator = &generator};
    EXPECT_EQ(RollDice(10, false, 1, false, 1, givingUp, "Wiek"), 2); // the seed's first K10
}

TEST(RollK100, StaysWithinOneToHundred) {
    DiceGenerator generator(11);
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const int value = RollK100(generator);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 100);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 100u);
}

TEST(CompareDice, MaximaThenMinimaThenZeroValues) {
    EXPECT_EQ(CompareDice("2K10", "K10"), 10);
    EXPECT_EQ(CompareDice("K10", "2K10"), -10);
    EXPECT_EQ(CompareDice("K20", "2K10"), -1);   // equal maxima, minima 1 and 2
    EXPECT_EQ(CompareDice("2K10", "K19+1"), -1); // maxima 20, minima 2, zero values 0 and 1
    EXPECT_EQ(CompareDice("K6+1", "K6+1"), 0);
    EXPECT_EQ(CompareDice("3", "1"), 2);
}

TEST(DiceModes, FromSign) {
    EXPECT_EQ(diceModeFromSign(5), DiceMode::Maximum);
    EXPECT_EQ(diceModeFromSign(0), DiceMode::Roll);
    EXPECT_EQ(diceModeFromSign(-2), DiceMode::Minimum);
}

TEST(WellFormedExpressions, AcceptsTheNotation) {
    for (const char* expression :
         {"",           "  ",       "7",        "K10",   "2K10", "2k10",          "K100_",
          "MAX(2K10)",  "max(K6_)", "2K10+3*2", "-3",    "CH*2", "A.MAG/10+WIEK", "ŻYW-5",
          " 2K10 + 3 ", "6/0",      "0.75",     "2*1.5", ".5",   "1000K10000",    "MAX(1000K6_)"})
        EXPECT_TRUE(isWellFormedDiceExpression(expression)) << expression;
}

TEST(WellFormedExpressions, NamesTheFaultyTerm) {
    const std::map<std::string_view, std::string> faults = {
        {"Ch+2", "nieznany składnik „Ch”"},
        {" CH", "nieznany składnik „ CH”"},
        {"2K", "nieznany składnik „2K”"},
        {"K0", "kość bez ścian w „K0”"},
        {"MAX(2K10", "nieznany składnik „MAX(2K10”"},
        {"2MAX(K6)", "MAX(...) nie jest całym składnikiem w „2MAX(K6)”"},
        {"MAX(K6+1)", "nieznany składnik „MAX(K6”"},
        {"2*-3", "brak składnika przed działaniem lub po nim"},
        {"2+", "brak składnika przed działaniem lub po nim"},
        {"K10_5", "nieznany składnik „K10_5”"},
        {"0,75", "nieznany składnik „0,75”"}, // a comma is no decimal point
        {"1.2.3", "nieznany składnik „1.2.3”"},
        {".", "nieznany składnik „.”"},
        {"2.5K6", "nieznany składnik „2.5K6”"},
        {"2+1001K6", "za dużo kości w „1001K6” (najwyżej 1000)"},
        {"99999999999999999999K2", "za dużo kości w „99999999999999999999K2” (najwyżej 1000)"},
        {"MAX(2000K6)", "za dużo kości w „MAX(2000K6)” (najwyżej 1000)"},
        {"K10001_", "za dużo ścian kości w „K10001_” (najwyżej 10000)"},
    };
    for (const auto& [expression, problem] : faults)
        EXPECT_EQ(diceExpressionProblem(expression), problem) << expression;
}

} // namespace
} // namespace tallar
