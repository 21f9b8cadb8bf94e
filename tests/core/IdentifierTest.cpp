#include "store/db/Identifier.h"
#include "rules/core/DiceGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tallar {
namespace {

std::tm at(int year, int month0, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month0;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(Identifier, ReadsAsYearMonthFromZeroDayMinuteSecondAndFourDraws) {
    // 9 September 2009, 00:33, draws 5595, 25168, 15128, 9718.
    EXPECT_EQ(FormatId(at(2009, 8, 9, 17, 0, 33), {5595, 25168, 15128, 9718}),
              "090809003305595251681512809718");
}

TEST(Identifier, PadsEveryPartAndLeavesOutTheHour) {
    const std::string january5th = FormatId(at(2026, 0, 5, 10, 15, 30), {7, 32767, 0, 10});
    EXPECT_EQ(january5th.substr(0, 10), "2600051530");
    EXPECT_EQ(january5th.substr(10), "00007327670000000010");
    EXPECT_EQ(january5th.size(), 30u);
    // Another hour of the same day gives the same first ten digits.
    EXPECT_EQ(FormatId(at(2026, 0, 5, 11, 15, 30), {7, 32767, 0, 10}), january5th);
}

TEST(Identifier, NewIdsAreThirtyDigitsAndDistinct) {
    std::set<std::string> ids;
    for (int i = 0; i < 1000; ++i) {
        const std::string id = NewId();
        ASSERT_EQ(id.size(), 30u);
        ASSERT_TRUE(std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; }));
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 1000u);
}

TEST(Identifier, DoNotFollowTheDiceSeed) {
    diceGenerator().seed(7);
    const std::string first = NewId();
    diceGenerator().seed(7);
    EXPECT_NE(NewId().substr(10), first.substr(10));
}

TEST(DiceGenerator, FollowsTheClassicLinearCongruence) {
    DiceGenerator generator(1);
    EXPECT_EQ(generator.next(), 41);
    EXPECT_EQ(generator.next(), 18467);
    EXPECT_EQ(generator.next(), 6334);
    generator.seed(1);
    EXPECT_EQ(generator.next(), 41);
    for (int i = 0; i < 10000; ++i) {
        const int value = generator.next();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, DiceGenerator::kMax);
    }
}

} // namespace
} // namespace tallar
