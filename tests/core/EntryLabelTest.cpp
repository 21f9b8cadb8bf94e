#include "model/Entry.h"
#include "model/GameDate.h"
#include "model/Kinds.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

std::string label(int typ, int value, double modifier, double total, std::string_view memo = "",
                  std::string_view info = "Pozycja") {
    CPoz entry(nullptr, {.info = std::string(info),
                         .typ = typ,
                         .wartosc = value,
                         .modyfikator = modifier,
                         .memo = std::string(memo)});
    entry.total = total;
    return BuildLabel(entry);
}

TEST(BuildLabel, IntegerAndReferenceKindsShowTheTotalWhenItDiffers) {
    EXPECT_EQ(label(0x11, 12, 1.0, 0.0), "Pozycja: 12");
    EXPECT_EQ(label(0x11, 12, 1.0, 12.0), "Pozycja: 12");
    EXPECT_EQ(label(0x11, 12, 1.0, 15.0), "Pozycja: 12 (15)");
    EXPECT_EQ(label(0x11, -3, 1.0, -7.0), "Pozycja: -3 (-7)");
    EXPECT_EQ(label(0x19, 4, 1.0, 6.0), "Pozycja: 4 (6)");
    EXPECT_EQ(label(0x1B, 0, 1.0, 2.0), "Pozycja: 0 (2)");
    EXPECT_EQ(label(0x10, 12, 1.0, 15.0), "Pozycja");
    EXPECT_EQ(label(0x1E, 12, 1.0, 15.0), "Pozycja"); // kinds 14 and 15 show nothing
}

TEST(BuildLabel, PercentagesAreWholeNumbers) {
    EXPECT_EQ(label(0x12, 0, 1.5, 0.0), "Pozycja: 150 %");
    EXPECT_EQ(label(0x12, 0, 1.5, 1.5), "Pozycja: 150 %");
    EXPECT_EQ(label(0x12, 0, 1.5, 1.755), "Pozycja: 150 (176) %");
    EXPECT_EQ(label(0x12, 0, 0.125, 0.0), "Pozycja: 13 %");
    EXPECT_EQ(label(0x12, 0, 0.125, 0.13), "Pozycja: 13 %");
    EXPECT_EQ(label(0x12, 0, -0.5, -0.75), "Pozycja: -50 (-75) %");
    EXPECT_EQ(label(0x1A, 0, 0.42, 0.0), "Pozycja: 42 %");
    // Kind 3: a percentage when it has a modifier, else an integer.
    EXPECT_EQ(label(0x13, 7, 0.75, 0.0), "Pozycja: 75 %");
    EXPECT_EQ(label(0x13, 7, 0.0, 9.0), "Pozycja: 7 (9)");
}

TEST(BuildLabel, YesNoTotalsTextAndDate) {
    EXPECT_EQ(label(0x14, 1, 1.0, 0.0), "Pozycja: TAK");
    EXPECT_EQ(label(0x14, -2, 1.0, 0.0), "Pozycja: TAK");
    EXPECT_EQ(label(0x14, 0, 1.0, 5.0), "Pozycja: NIE");
    EXPECT_EQ(label(0x15, 3, 1.0, 41.5), "Pozycja: 42");
    EXPECT_EQ(label(0x16, 3, 1.0, 0.256), "Pozycja: 26 %");
    EXPECT_EQ(label(0x17, 3, 1.0, 0.0, "notatka"), "Pozycja: notatka");
    EXPECT_EQ(label(0x18, 12470315, 1.0, 0.0), "Pozycja: 15.03.1247 r.");
    EXPECT_EQ(label(0x18, 12471331, 1.0, 0.0), "Pozycja: 12471331"); // no such day
}

TEST(BuildLabel, MoneyShowsCountAndGoldAndSilver) {
    CPoz purse(nullptr, {.info = "przy sobie", .typ = kinds::money::kAtHand});
    purse.total = 12.5;
    EXPECT_EQ(BuildLabel(purse), "przy sobie ( łączna wartość: 12 złota 50 srebra )");
    purse.total = 0.0;
    EXPECT_EQ(BuildLabel(purse), "przy sobie");

    // One thing without children: "wartość" only; gold without silver.
    CPoz ring(nullptr, {.info = "Pierścień", .typ = 0x1C, .wartosc = 1, .modyfikator = 7.0});
    ring.total = 7.0;
    EXPECT_EQ(BuildLabel(ring), "Pierścień ( wartość: 7 złota )");
    ring.total = 1.0; // equal to the count: nothing after the label
    EXPECT_EQ(BuildLabel(ring), "Pierścień");
    ring.AddChild({.info = "kamień", .typ = 0x1C, .wartosc = 1, .modyfikator = 1.0});
    ring.total = 8.05;
    EXPECT_EQ(BuildLabel(ring), "Pierścień ( łączna wartość: 8 złota 5 srebra )");

    CPoz coins(
        nullptr,
        {.info = "Monety", .typ = 0x1C, .wartosc = 25, .modyfikator = 0.1, .memo = "srebrnych"});
    coins.total = 2.5;
    EXPECT_EQ(BuildLabel(coins), "Monety srebrnych sztuk 25 ( łączna wartość: 2 złota 50 srebra )");
    coins.total = 25.0;
    EXPECT_EQ(BuildLabel(coins), "Monety srebrnych sztuk 25");
}

TEST(BuildLabel, ExperienceShowsLevelAndSpellCircle) {
    EXPECT_EQ(label(0x1D, 0, 1.0, 0.0, "", "Doświadczenie"),
              "Doświadczenie: 0 ( 0 poziom / 1 krąg czarów )");
    EXPECT_EQ(label(0x1D, 250, 1.0, 0.0, "", "PD"), "PD: 250 ( 4 poziom / 3 krąg czarów )");
    EXPECT_EQ(label(0x1D, 15000, 1.0, 0.0, "", "PD"), "PD: 15000 ( 14 poziom / 8 krąg czarów )");
    // Level 20 opens circle 11, the first of the special circles.
    EXPECT_EQ(label(0x1D, 50000, 1.0, 0.0, "", "PD"),
              "PD: 50000 ( 20 poziom / 11 krąg czarów specjalnych )");
}

TEST(GameDate, ValuesRoundTripAndInvalidDatesAreRefused) {
    GameDate date;
    ASSERT_TRUE(GameDate::fromValue(10111, date));
    EXPECT_EQ(date.year, 1);
    EXPECT_EQ(date.month, 1);
    EXPECT_EQ(date.day, 11);
    EXPECT_EQ(date.toValue(), 10111);
    EXPECT_EQ(date.text(), "11.01.1 r.");
    EXPECT_TRUE(GameDate::fromValue(12471230, date));
    EXPECT_FALSE(GameDate::fromValue(12471231, date)); // thirty days a month
    EXPECT_FALSE(GameDate::fromValue(12470015, date));
    EXPECT_FALSE(GameDate::fromValue(0, date));
    EXPECT_FALSE(GameDate::fromValue(-12470315, date));
    EXPECT_EQ(gameDateText(0), "0");
}

} // namespace
} // namespace tallar
