#include "model/Entry.h"

#include <gtest/gtest.h>

#include <climits>

namespace tallar {
namespace {

CPoz* add(CPoz& parent, int typ, int value, double modifier = 1.0, std::string_view memo = "") {
    return &parent.AddChild({.info = "x",
                             .typ = typ,
                             .wartosc = value,
                             .modyfikator = modifier,
                             .memo = std::string(memo)});
}

TEST(Recalculate, IntegerParentAddsIntegerChildrenAndMultipliesByPercentages) {
    CPoz entry(nullptr, {.info = "Siła", .typ = 0x11, .wartosc = 10, .modyfikator = 1.0});
    add(entry, 0x21, 5);
    EXPECT_EQ(entry.Recalculate(), 15.0);
    EXPECT_EQ(entry.total, 15.0);
    EXPECT_EQ(entry.front()->total, 5.0);

    CPoz scaled(nullptr, {.info = "Siła", .typ = 0x11, .wartosc = 10, .modyfikator = 1.0});
    CPoz* percent = add(scaled, 0x22, 0, 1.5);
    EXPECT_EQ(scaled.Recalculate(), 15.0);
    EXPECT_EQ(percent->total, 1.5);

    // In list order: (10 + 5) × 1.5 = 22.5 → 23, then − 3.
    CPoz mixed(nullptr, {.info = "m", .typ = 0x11, .wartosc = 10, .modyfikator = 1.0});
    add(mixed, 0x21, 5);
    add(mixed, 0x22, 0, 1.5);
    add(mixed, 0x21, -3);
    EXPECT_EQ(mixed.Recalculate(), 20.0);
    // The running value a parent passes is added to the result.
    EXPECT_EQ(mixed.Recalculate(7.0, 0.0, 0x11), 27.0);
}

TEST(Recalculate, PercentageParentTakesPointsAndMultipliers) {
    CPoz percent(nullptr, {.info = "p", .typ = 0x12, .modyfikator = 1.2});
    add(percent, 0x21, 10);                       // + 10 points: 1.2 + 0.1
    add(percent, 0x22, 0, 2.0);                   // × 2
    EXPECT_DOUBLE_EQ(percent.Recalculate(), 0.0); // × a running value of 0
    EXPECT_DOUBLE_EQ(percent.total, 2.6);
    EXPECT_DOUBLE_EQ(percent.Recalculate(50.0, 0.0, 0x11), 130.0);
    EXPECT_DOUBLE_EQ(percent.front()->total, 10.0);

    // Kind 3 with a modifier acts as a percentage; with modifier 0 as an integer.
    CPoz mixedPercent(nullptr, {.info = "m", .typ = 0x13, .modyfikator = 0.5});
    add(mixedPercent, 0x21, 25);
    EXPECT_DOUBLE_EQ(mixedPercent.Recalculate(10.0, 0.0, 0x11), 7.5); // 10 × (0.5 + 0.25)
    EXPECT_DOUBLE_EQ(mixedPercent.total, 0.75);
    CPoz mixedInteger(nullptr, {.info = "m", .typ = 0x13, .wartosc = 4});
    add(mixedInteger, 0x21, 3);
    EXPECT_DOUBLE_EQ(mixedInteger.Recalculate(), 7.0);
    // Under a kind-3 parent with a modifier, children work on its percentage.
    CPoz under(nullptr, {.info = "c", .typ = 0x21, .wartosc = 30, .modyfikator = 1.0});
    EXPECT_DOUBLE_EQ(under.Recalculate(0.0, 0.5, 0x13), 0.8);
    EXPECT_DOUBLE_EQ(under.total, 30.0);
    EXPECT_DOUBLE_EQ(under.Recalculate(9.0, 0.0, 0x13), 39.0); // modifier 0: as integers
}

TEST(Recalculate, MoneyMultipliesCountAndWorth) {
    CPoz purse(nullptr, {.info = "Majątek", .typ = 0x0C, .wartosc = 4, .modyfikator = 2.5});
    EXPECT_DOUBLE_EQ(purse.Recalculate(), 10.0);
    EXPECT_DOUBLE_EQ(purse.total, 10.0);

    // A money child adds its count × worth to the worth of its parent.
    CPoz bag(nullptr, {.info = "sakiewka", .typ = 0x0C, .wartosc = 1, .modyfikator = 1.0});
    CPoz* coins = add(bag, 0x1C, 3, 0.25);
    bag.Recalculate();
    EXPECT_DOUBLE_EQ(coins->total, 0.75);
    EXPECT_DOUBLE_EQ(bag.total, 1.75);

    // An integer child of a money entry adds to the running worth.
    CPoz gold(nullptr, {.info = "g", .typ = 0x0C, .wartosc = 3, .modyfikator = 2.0});
    add(gold, 0x21, 4);
    gold.Recalculate();
    EXPECT_DOUBLE_EQ(gold.total, 10.0); // 3 × 2, then the child's 4
}

TEST(Recalculate, YesNoPassesTheRunningValueAndItsChildrenCountNothing) {
    CPoz entry(nullptr, {.info = "e", .typ = 0x11, .wartosc = 10, .modyfikator = 1.0});
    CPoz* flag = add(entry, 0x24, 1);
    CPoz* below = add(*flag, 0x21, 50);
    below->total = -7.0;
    flag->total = 3.0;
    EXPECT_EQ(entry.Recalculate(), 10.0);
    EXPECT_EQ(flag->total, 3.0);   // stays as it was
    EXPECT_EQ(below->total, -7.0); // never evaluated
}

TEST(Recalculate, ProgressionParentGrowsChildrenAlongTheExperienceScale) {
    // Each child's value counts steps from the running value: 190 + 5 steps of 1.
    CPoz life(nullptr, {.info = "Żywotność", .typ = 0xA005, .wartosc = 190});
    CPoz* growth = add(life, 0x11, 5);
    EXPECT_EQ(life.Recalculate(), 195.0);
    EXPECT_EQ(growth->total, 5.0);
    EXPECT_EQ(life.total, 195.0);

    // 598 → 600 by one step of 2, then one step of 3; then 603 → 0 steps.
    CPoz strength(nullptr, {.info = "SF", .typ = 0xA015, .wartosc = 598});
    CPoz* twoSteps = add(strength, 0x11, 2);
    add(strength, 0x11, -1); // one step back at level 3
    EXPECT_EQ(strength.Recalculate(), 600.0);
    EXPECT_EQ(twoSteps->total, 5.0);
    EXPECT_EQ(strength.back()->total, -3.0);

    CPoz fixed(nullptr, {.info = "SF", .typ = 0xA015, .wartosc = 100});
    CPoz* byFour = add(fixed, 0x11, 3, 1.0, "4|wzrost"); // the fixed step precedes the "|"
    EXPECT_EQ(fixed.Recalculate(), 112.0);
    EXPECT_EQ(byFour->total, 12.0);
    // The bit works only on the direct children of the marked entry.
    CPoz* deeper = add(*byFour, 0x11, 7);
    fixed.Recalculate();
    EXPECT_EQ(deeper->total, 7.0);
}

TEST(Recalculate, AHugeGrowthStopsAtTheLargestInteger) {
    // 1,000,000 steps from 0 climb 5000 levels of 200 steps each, to 100·5000·5001 =
    // 2,500,500,000, past INT_MAX: the growth stops at INT_MAX and a further one adds 0.
    CPoz life(nullptr, {.info = "Żywotność", .typ = 0xA005});
    CPoz* huge = add(life, 0x11, 1'000'000);
    CPoz* more = add(life, 0x11, 5);
    EXPECT_EQ(life.Recalculate(), double(INT_MAX));
    EXPECT_EQ(huge->total, double(INT_MAX));
    EXPECT_EQ(more->total, 0.0);
    EXPECT_EQ(BuildLabel(life), "Żywotność: 2147483647");
}

TEST(Recalculate, ReferencesTakeTheirTargetsTotal) {
    CPoz root(nullptr);
    CPoz* dexterity = add(root, 0x2905, 0, 0.0);
    add(*dexterity, 0x11, 42);
    CPoz* current = add(root, 0x2915, 0, 0.0);
    CPoz* ref = add(*current, 0x729, 0, 1.0);
    ref->MakeReference(*dexterity, true);
    dexterity->Recalculate();
    current->Recalculate();
    EXPECT_EQ(ref->wartosc, 42);
    EXPECT_EQ(current->total, 42.0);

    CPoz* halved = add(root, 0x19, 0, 0.5);
    halved->MakeReference(*dexterity, true);
    halved->Recalculate();
    EXPECT_EQ(halved->wartosc, 21);

    CPoz* percent = add(root, 0x1A, 0);
    percent->MakeReference(*dexterity, true);
    percent->Recalculate();
    EXPECT_DOUBLE_EQ(percent->modyfikator, 0.42);

    CPoz* outside = add(root, 0x1B, 0, 1.0);
    outside->MakeReference(*dexterity, true);
    outside->Recalculate();
    EXPECT_EQ(outside->wartosc, 0); // 42 lies inside 30 … 50
    dexterity->front()->wartosc = 57;
    dexterity->Recalculate();
    outside->Recalculate();
    EXPECT_EQ(outside->wartosc, 7);
    dexterity->front()->wartosc = 12;
    dexterity->Recalculate();
    outside->Recalculate();
    EXPECT_EQ(outside->wartosc, -18);

    // Without a link (a reference whose target was not loaded) the stored value stays.
    CPoz* plain = add(root, 0x19, 13, 1.0);
    plain->SetSpecjal("&000000000000000000000000000000");
    plain->Recalculate();
    EXPECT_EQ(plain->wartosc, 13);
}

TEST(Recalculate, MaxOfChildrenTakesTheGreatestIntegerChild) {
    CPoz entry(nullptr, {.info = "max", .typ = 0x10, .modyfikator = 1.0});
    add(entry, 0x11, -4);
    entry.MaxOfChildren();
    EXPECT_EQ(entry.total, 0.0);
    add(entry, 0x11, 7);
    add(entry, 0x12, 0, 9.0); // not value kind 1
    CPoz* nested = add(entry, 0x11, 3);
    add(*nested, 0x11, 6);
    entry.MaxOfChildren();
    EXPECT_EQ(entry.total, 9.0);
}

} // namespace
} // namespace tallar
