#include "rules/core/RulesMath.h"

#include <gtest/gtest.h>

#include <climits>

namespace tallar {
namespace {

TEST(Rounding, ToIntegerTakesHalvesAwayFromZeroOnBothSides) {
    EXPECT_EQ(roundToInt(2.5), 3);
    EXPECT_EQ(roundToInt(2.49), 2);
    EXPECT_EQ(roundToInt(-2.5), -3);
    EXPECT_EQ(roundToInt(-2.4), -2);
    EXPECT_EQ(roundToInt(-0.5), -1);
    EXPECT_EQ(roundToInt(0.0), 0);
    EXPECT_EQ(roundToInt(7.0), 7);
    // Far outside int the value is clamped rather than undefined.
    EXPECT_EQ(roundToInt(1e300), INT_MAX);
    EXPECT_EQ(roundToInt(-1e300), INT_MIN);
}

TEST(Rounding, UpWithToleranceIgnoresFractionsBelowOneThousandth) {
    EXPECT_EQ(roundUpWithTolerance(3.0005), 3);
    EXPECT_EQ(roundUpWithTolerance(3.002), 4);
    EXPECT_EQ(roundUpWithTolerance(-3.002), -4);
    EXPECT_EQ(roundUpWithTolerance(-3.0005), -3);
    EXPECT_EQ(roundUpWithTolerance(3.0), 3);
}

TEST(Rounding, ToHundredthsTakesHalvesAwayFromZero) {
    EXPECT_NEAR(roundToHundredths(0.125), 0.13, 1e-12);
    EXPECT_NEAR(roundToHundredths(-0.125), -0.13, 1e-12);
    EXPECT_NEAR(roundToHundredths(0.124), 0.12, 1e-12);
    EXPECT_NEAR(roundToHundredths(12.0), 12.0, 1e-12);
}

TEST(Rounding, CeilingOfAQuotientToleratesTinyFractions) {
    EXPECT_EQ(ceilQuotient(7, 2), 4);
    EXPECT_EQ(ceilQuotient(6, 2), 3);
    EXPECT_EQ(ceilQuotient(6.00000001, 2), 3);
    EXPECT_EQ(ceilQuotient(6.001, 2), 4);
    EXPECT_EQ(ceilQuotient(-3, 2), -1); // the ceiling of −1.5
}

TEST(Rounding, NearlyEqualWithinOneMillionth) {
    EXPECT_TRUE(nearlyEqual(1.0, 1.0000005));
    EXPECT_FALSE(nearlyEqual(1.0, 1.000002));
    EXPECT_TRUE(nearlyEqual(-2.0, -2.0));
}

TEST(ExperienceScale, LevelsAndTheirBounds) {
    EXPECT_EQ(experienceScaleLevel(-1), 0);
    EXPECT_EQ(experienceScaleLevel(0), 1);
    EXPECT_EQ(experienceScaleLevel(199), 1);
    EXPECT_EQ(experienceScaleLevel(200), 2);
    EXPECT_EQ(experienceScaleLevel(599), 2);
    EXPECT_EQ(experienceScaleLevel(600), 3);
    EXPECT_EQ(experienceScaleLevel(1999), 4);
    EXPECT_EQ(experienceScaleLevel(2000), 5);
    EXPECT_GT(experienceScaleLevel(INT_MAX), 4000);

    for (int level = 1; level < 30; ++level) {
        EXPECT_EQ(experienceScaleLevel(static_cast<int>(experienceScaleStart(level))), level);
        EXPECT_EQ(experienceScaleLevel(static_cast<int>(experienceScaleThreshold(level)) - 1),
                  level);
        EXPECT_EQ(experienceScaleStart(level + 1), experienceScaleThreshold(level));
    }
    EXPECT_EQ(experienceScaleThreshold(-1), 0);
    EXPECT_EQ(experienceScaleStart(0), 0);
}

TEST(Progression, GrowsByTheLevelOfTheCurrentValue) {
    EXPECT_EQ(progression(190, 5, 0, 0), 5);
    // Two steps of 1 reach 200, the third is worth 2.
    EXPECT_EQ(progression(198, 3, 0, 0), 4);
    // One step of 2 passes 600 by 1, which counts as ceiling(1·3/2) = 2 at level 3.
    EXPECT_EQ(progression(599, 1, 0, 0), 3);
    // Through a whole level: 0 → 200 takes 200 steps, then 200 steps of 2 reach 600.
    EXPECT_EQ(progression(0, 400, 0, 0), 600);
}

TEST(Progression, FixedStepAndLimits) {
    EXPECT_EQ(progression(100, 3, 4, 0), 12);
    EXPECT_EQ(progression(150, 100, 0, 180), 30);
    EXPECT_EQ(progression(150, 3, 0, 180), 3); // under the limit it does not bite
    EXPECT_EQ(progression(100, -10, 5, -80), -20);
    // A negative limit floors a descent at its absolute value.
    EXPECT_EQ(progression(100, -50, 0, -80), -20);
}

TEST(Progression, ShrinksDownTheScaleAndStopsAtMinusOne) {
    EXPECT_EQ(progression(5, -10, 0, 0), 0); // would end below 1
    EXPECT_EQ(progression(600, -1, 0, 0), -3);
    EXPECT_EQ(progression(202, -2, 0, 0), -4);
    // The long descent: 600 → 597 → 199 → −1; the remaining steps change nothing.
    EXPECT_EQ(progression(600, -599, 0, 0), -601);
    // Growth and shrinkage by the same steps undo each other inside one level.
    EXPECT_EQ(progression(450, -25, 0, 0), -progression(400, 25, 0, 0));
}

TEST(Progression, GrowthFromBelowZeroEndsWithoutChange) {
    EXPECT_EQ(progression(-5, 3, 0, 0), 0);
    EXPECT_EQ(progression(-5, 3, 2, 0), 6);
}

TEST(Progression, EndsAndSaturatesFarUpTheScale) {
    // INT_MAX lies in level 4634: 100·4633·4634 = 2,146,932,200 ≤ INT_MAX < 100·4634·4635.
    EXPECT_EQ(experienceScaleLevel(INT_MAX), 4634);
    EXPECT_EQ(experienceScaleLevel(2'146'932'199), 4633);
    EXPECT_EQ(experienceScaleLevel(2'146'932'200), 4634);
    // 100 steps of 4634 from 2,147,000,000 stay inside the level and inside int: 463,400.
    EXPECT_EQ(progression(2'147'000'000, 100, 0, 0), 463'400);
    // 105 steps would end at 2,147,486,570, past INT_MAX: the value stops at INT_MAX.
    EXPECT_EQ(progression(2'147'000'000, 105, 0, 0), INT_MAX - 2'147'000'000);
    // Once the value passed the range of int, a growth used to swing back and forth.
    EXPECT_EQ(progression(INT_MAX - 10, 1000, 0, 0), 10);
    // Every level is 200 steps wide (200·n values at n a step): 800,000 steps from 0 climb
    // 4000 levels to 100·4000·4001.
    EXPECT_EQ(progression(0, 800'000, 0, 0), 1'600'400'000);
    // 1,000,000 steps would climb 5000 levels to 2,500,500,000.
    EXPECT_EQ(progression(0, 1'000'000, 0, 0), INT_MAX);
    EXPECT_EQ(progression(1'000'000, INT_MAX, 0, 0), INT_MAX - 1'000'000);
    EXPECT_EQ(progression(1'000'000, INT_MAX, 0, 2'000'000), 1'000'000);
    // A fixed step is counted in 64 bits: 10 + INT_MAX·3 stops at INT_MAX.
    EXPECT_EQ(progression(10, INT_MAX, 3, 0), INT_MAX - 10);
    // The whole scale down from INT_MAX (about 926,900 steps) ends at −1.
    EXPECT_EQ(progression(INT_MAX, -2'000'000'000, 0, 0), -1 - INT_MAX);
}

TEST(ExperienceLevels, BandEdges) {
    const std::pair<int, int> expected[] = {
        {-5, 0},     {0, 0},      {99, 0},     {100, 1},    {149, 1},    {150, 2},
        {249, 3},    {250, 4},    {999, 6},    {1000, 7},   {1499, 7},   {1500, 8},
        {1999, 8},   {2000, 8},   {2499, 8},   {2500, 9},   {14999, 13}, {15000, 14},
        {39999, 18}, {40000, 19}, {49999, 19}, {50000, 20},
    };
    for (const auto& [points, level] : expected)
        EXPECT_EQ(levelFromExperience(points), level) << points << " points";
}

TEST(ExperienceLevels, PointsOfALevelAreTheFirstPointsOfThatLevel) {
    EXPECT_EQ(experienceOfLevel(0), 1);
    EXPECT_EQ(experienceOfLevel(-3), 1);
    EXPECT_EQ(experienceOfLevel(1), 100);
    EXPECT_EQ(experienceOfLevel(4), 250);
    EXPECT_EQ(experienceOfLevel(8), 1500);
    EXPECT_EQ(experienceOfLevel(9), 2500);
    EXPECT_EQ(experienceOfLevel(19), 40000);
    for (int level = 1; level <= 40; ++level) {
        const int points = experienceOfLevel(level);
        EXPECT_EQ(levelFromExperience(points), level) << "level " << level;
        EXPECT_EQ(levelFromExperience(points - 1), level - 1) << "level " << level;
    }
}

TEST(ExperienceLevels, SpellCircle) {
    EXPECT_EQ(spellCircle(0), 1);
    EXPECT_EQ(spellCircle(1), 1);
    EXPECT_EQ(spellCircle(5), 3);
    EXPECT_EQ(spellCircle(6), 4);
}

TEST(SmallHelpers, CyclicIndexAndExcess) {
    EXPECT_EQ(cyclicIndex(10, 10), 10);
    EXPECT_EQ(cyclicIndex(11, 10), 1);
    EXPECT_EQ(cyclicIndex(3, 10), 3);
    EXPECT_EQ(cyclicIndex(0, 10), 0);
    EXPECT_EQ(cyclicIndex(5, 0), 0);

    EXPECT_EQ(excessOutsideRange(12, 3, 10), 2);
    EXPECT_EQ(excessOutsideRange(10, 3, 10), 0);
    EXPECT_EQ(excessOutsideRange(3, 3, 10), 0);
    EXPECT_EQ(excessOutsideRange(1, 3, 10), -2);
}

TEST(SmallHelpers, ZeroPaddedNumber) {
    EXPECT_EQ(zeroPadded(7, 3), "007");
    EXPECT_EQ(zeroPadded(100, 3), "100");
    EXPECT_EQ(zeroPadded(12345, 3), "000");
    EXPECT_EQ(zeroPadded(0, 2), "00");
    EXPECT_EQ(zeroPadded(5, 0), "");
}

TEST(SmallHelpers, TextToNumberReadsTheLeadingNumber) {
    EXPECT_EQ(textToInt(""), 0);
    EXPECT_EQ(textToInt("42"), 42);
    EXPECT_EQ(textToInt("  -17abc"), -17);
    EXPECT_EQ(textToInt("+8"), 8);
    EXPECT_EQ(textToInt("K10"), 0);
    EXPECT_EQ(textToInt("99999999999999999999"), INT_MAX);

    EXPECT_DOUBLE_EQ(textToReal(""), 0.0);
    EXPECT_DOUBLE_EQ(textToReal("2.75x"), 2.75);
    EXPECT_DOUBLE_EQ(textToReal(" -0.5"), -0.5);
    EXPECT_DOUBLE_EQ(textToReal("3,5"), 3.0); // a comma is not a decimal point here
    EXPECT_DOUBLE_EQ(textToReal("abc"), 0.0);
    EXPECT_DOUBLE_EQ(textToReal("1e-400"), 0.0);
}

TEST(SmallHelpers, SplitAndJoinRoundTrip) {
    const auto pieces = splitText("0|0|0|0|0", '|');
    ASSERT_EQ(pieces.size(), 5u);
    for (const auto& piece : pieces)
        EXPECT_EQ(piece, "0");
    EXPECT_EQ(joinTexts(pieces, '|'), "0|0|0|0|0");

    EXPECT_EQ(splitText("", '|'), std::vector<std::string>{""});
    EXPECT_EQ(splitText("a||b|", '|'), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(joinTexts(splitText("a||b|", '|'), '|'), "a||b|");
    EXPECT_EQ(joinTexts({}, '|'), "");
}

TEST(SmallHelpers, JoinFourSkipsAbsentTexts) {
    EXPECT_EQ(joinFour("a", std::nullopt, "c", "", ','), "a,c,");
    EXPECT_EQ(joinFour(std::nullopt, std::nullopt, std::nullopt, "d", ' '), "d");
    EXPECT_EQ(joinFour(std::nullopt, std::nullopt, std::nullopt, std::nullopt, ','), std::nullopt);
}

} // namespace
} // namespace tallar
