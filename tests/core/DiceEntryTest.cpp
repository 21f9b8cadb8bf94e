#include "wizard/DiceEntry.h"

#include <gtest/gtest.h>

#include <set>

namespace tallar {
namespace {

TEST(DiceEntryScale, DiceThatDivideTheirDecadeAreEnteredOnIt) {
    struct Case {
        int sides, shown, divisor, digits;
    };
    for (const Case& c :
         {Case{5, 10, 2, 2}, Case{20, 100, 5, 3}, Case{4, 4, 1, 1}, Case{6, 6, 1, 1},
          Case{10, 10, 1, 2}, Case{100, 100, 1, 3}, Case{2, 10, 5, 2}, Case{25, 100, 4, 3},
          Case{30, 30, 1, 2}, Case{200, 1000, 5, 4}, Case{1000, 1000, 1, 4},
          Case{2000, 10000, 5, 5}, Case{12000, 12000, 1, 5}}) {
        const DiceEntry entry(c.sides);
        EXPECT_EQ(entry.scale().shownSize, c.shown) << "K" << c.sides;
        EXPECT_EQ(entry.scale().divisor, c.divisor) << "K" << c.sides;
        EXPECT_EQ(entry.digits(), c.digits) << "K" << c.sides;
    }
    EXPECT_EQ(DiceEntry(5).rollCaption(), "K10");
    EXPECT_EQ(DiceEntry(6).rollCaption(), "K6");
}

TEST(DiceEntry, K5IsEnteredAsK10AndHalvedUpwards) {
    DiceEntry entry(5);
    EXPECT_FALSE(entry.valid()); // empty
    const std::pair<const char*, std::optional<int>> expected[] = {
        {"7", 4},
        {"10", 5},
        {"1", 1},
        {"2", 1},
        {"03", 2},
        {"0", std::nullopt},
        {"11", std::nullopt},
        {"-3", std::nullopt},
        {"abc", std::nullopt},
        {" 9", 5},
    };
    for (const auto& [text, result] : expected) {
        entry.setText(text);
        EXPECT_EQ(entry.valid(), result.has_value()) << text;
        EXPECT_EQ(entry.result(), result) << text;
    }
}

TEST(DiceEntry, ARefusedEntrySaysWhichFacesTheShownDieHas) {
    DiceEntry k5(5); // entered as a K10
    EXPECT_EQ(k5.problem(), "Wpisz wynik rzutu K10: liczbę od 1 do 10.");
    k5.setText("11");
    EXPECT_TRUE(k5.problem());
    k5.setText("10");
    EXPECT_FALSE(k5.problem());
    DiceEntry k6(6);
    k6.setText("7");
    EXPECT_EQ(k6.problem(), "Wpisz wynik rzutu K6: liczbę od 1 do 6.");
}

TEST(DiceEntry, OtherDiceAreEnteredAsTheyAre) {
    DiceEntry k20(20);
    k20.setText("100");
    EXPECT_EQ(k20.result(), 20);
    k20.setText("96");
    EXPECT_EQ(k20.result(), 20);
    k20.setText("101");
    EXPECT_FALSE(k20.valid());

    DiceEntry k4(4);
    k4.setText("4");
    EXPECT_EQ(k4.result(), 4);
    k4.setText("5");
    EXPECT_FALSE(k4.valid());

    DiceEntry k100(100);
    k100.setText("007");
    EXPECT_EQ(k100.result(), 7);
    // Only the first eight characters count.
    k100.setText("00000000100");
    EXPECT_FALSE(k100.valid());
    k100.setText("0000005099");
    EXPECT_EQ(k100.result(), 50);
}

TEST(DiceEntry, RollWritesAPaddedThrowOfTheShownDie) {
    DiceGenerator generator(1);
    DiceEntry k100(100);
    std::set<int> faces;
    for (int i = 0; i < 3000; ++i) {
        k100.roll(generator);
        ASSERT_EQ(k100.text().size(), 3u) << k100.text();
        ASSERT_TRUE(k100.valid()) << k100.text();
        faces.insert(*k100.result());
    }
    EXPECT_EQ(faces.size(), 100u);

    DiceEntry k5(5);
    DiceGenerator seeded(1); // first K10 throw of seed 1 is 2
    k5.roll(seeded);
    EXPECT_EQ(k5.text(), "02");
    EXPECT_EQ(k5.result(), 1);
}

TEST(DiceEntry, ADieWithoutSidesStillHasAFace) {
    DiceEntry entry(0);
    entry.setText("1");
    EXPECT_TRUE(entry.valid());
    EXPECT_EQ(entry.result(), 1);
}

} // namespace
} // namespace tallar
