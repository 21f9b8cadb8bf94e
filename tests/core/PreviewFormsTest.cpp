#include "model/Entry.h"
#include "model/GameCalendar.h"
#include "model/Kinds.h"
#include "preview/EntryForms.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

CPoz entry(int kind, int value, double modifier, std::string_view info = "Wpis") {
    return CPoz(
        nullptr,
        {.info = std::string(info), .typ = kind, .wartosc = value, .modyfikator = modifier});
}

TEST(MoneyForm, GoldAndSilverMakeTheWorthOfOnePiece) {
    MoneyForm form{.info = "Sakiewka", .count = "4", .gold = "3", .silver = "25"};
    ASSERT_FALSE(form.problem());
    EXPECT_DOUBLE_EQ(form.unitWorth(), 3.25); // 3 + 25 / 100
    CPoz money = entry(0, 0, 1.0);
    form.applyTo(money);
    EXPECT_EQ(money.typ, kinds::money::kMoney);
    EXPECT_EQ(money.wartosc, 4);
    EXPECT_DOUBLE_EQ(money.modyfikator, 3.25);
    // Silver is taken to hundredths of gold: 12.6 silver is 0.126 gold, kept as 0.13.
    form.silver = "12,6";
    EXPECT_DOUBLE_EQ(form.unitWorth(), 3.13);
    // And read back as the label shows it: 2.05 is 2 gold and 5 silver.
    const MoneyForm read = MoneyForm::from(entry(kinds::money::kMoney, 7, 2.05, "Trzos"));
    EXPECT_EQ(read.count, "7");
    EXPECT_EQ(read.gold, "2");
    EXPECT_EQ(read.silver, "5");
    form.count = "dużo";
    EXPECT_EQ(form.problem(), "Ilość sztuk: wpisz liczbę całkowitą.");
}

TEST(ItemForm, UnitWeightWithTwoDecimals) {
    const ItemForm read = ItemForm::from(entry(kinds::equipment::kItem, 3, 1.5, "Lina"));
    EXPECT_EQ(read.unitWeight, "1.50");
    ItemForm form = read;
    form.count = "2";
    form.unitWeight = "0,75";
    ASSERT_FALSE(form.problem());
    CPoz item = entry(kinds::equipment::kItem, 3, 1.5);
    form.applyTo(item);
    EXPECT_EQ(item.wartosc, 2);
    EXPECT_DOUBLE_EQ(item.modyfikator, 0.75);
    form.unitWeight = "1.5kg";
    EXPECT_TRUE(form.problem());
}

TEST(GenericForm, TheValueFieldEditsWhatTheLabelShows) {
    // Value kind 1: the integer value; the label is kept when the entry has one.
    GenericForm integer = GenericForm::from(entry(0x4391, 12, 0.0));
    EXPECT_EQ(integer.shows(), GenericForm::Shows::Integer);
    EXPECT_EQ(integer.value, "12");
    EXPECT_TRUE(integer.infoReadOnly);
    // Value kind 2: the modifier as a percentage; 150 typed is 1.5.
    GenericForm percent = GenericForm::from(entry(0x12, 0, 1.25));
    EXPECT_EQ(percent.value, "125");
    percent.value = "150";
    CPoz changed = entry(0x12, 0, 1.25);
    percent.applyTo(changed);
    EXPECT_DOUBLE_EQ(changed.modyfikator, 1.5);
    // Value kind 3 shows the modifier when it is not 0, else the value.
    EXPECT_EQ(GenericForm::from(entry(0x1303, 4, 0.5)).shows(), GenericForm::Shows::Percent);
    EXPECT_EQ(GenericForm::from(entry(0x1303, 4, 0.0)).shows(), GenericForm::Shows::Integer);
    // A new entry takes the kind chosen; an existing one keeps its kind.
    GenericForm fresh = GenericForm::forNew();
    fresh.info = "Premia";
    fresh.setKind(2);
    EXPECT_EQ(fresh.shows(), GenericForm::Shows::Percent);
    integer.setKind(2);
    EXPECT_EQ(integer.kind, 0x4391);
    fresh.value = "x";
    EXPECT_EQ(fresh.problem(), "Wartość: wpisz liczbę (np. 1.25).");
}

TEST(GenericForm, ADateWithItsPartOfTheDay) {
    GenericForm form = GenericForm::forNew();
    form.info = "Urodziny";
    form.setKind(8);
    form.date = {.year = 1247, .month = 4, .day = 15};
    form.dayPart = 4; // "pora targu", 9 to 12 o'clock
    ASSERT_FALSE(form.problem());
    CPoz date = entry(0, 0, 1.0, "");
    form.applyTo(date);
    EXPECT_EQ(date.typ, 8);
    EXPECT_EQ(date.wartosc, 12470415);          // 1247 × 10000 + 4 × 100 + 15
    EXPECT_DOUBLE_EQ(date.modyfikator, 0.4375); // 10:30 is 10.5 / 24 of the day
    EXPECT_EQ(BuildLabel(date), "Urodziny: 15 Siewnika 1247 r. Ery Królestw, pora targu");
    const GenericForm read = GenericForm::from(date);
    EXPECT_EQ(read.date.toValue(), 12470415);
    EXPECT_EQ(read.dayPart, 4);
    form.date.day = 31; // thirty days a month
    EXPECT_EQ(form.problem(), "Wartość: wybierz datę z kalendarza.");
}

TEST(CRTdata, NamesErasMonthsAndPartsOfTheDay) {
    GameDate date{.year = 599, .month = 12, .day = 30};
    EXPECT_EQ(CRTdata::text(date), "30 Śnieżnika 599 r. Ery Pradawnej");
    date.year = 600; // the first year of the next era
    EXPECT_EQ(CRTdata::text(date, 8), "30 Śnieżnika 600 r. Ery Wędrówek, pora czuwania");
    EXPECT_EQ(CRTdata::months().size(), 12U);
    // The default modifier of an entry (1.0) and 0 hold no time of day.
    EXPECT_EQ(CRTdata::dayPartOf(1.0), 0);
    EXPECT_EQ(CRTdata::dayPartOf(0.0), 0);
    // 0.99 of a day is 23:45, the last part; 0.125 is 3:00, the first hour of the second.
    EXPECT_EQ(CRTdata::dayPartOf(0.99), 8);
    EXPECT_EQ(CRTdata::dayPartOf(0.125), 2);
    for (int part = 1; part <= 8; ++part)
        EXPECT_EQ(CRTdata::dayPartOf(CRTdata::modifierOfDayPart(part)), part);
    // No valid date: the bare number.
    EXPECT_EQ(gameDateText(12471231), "12471231");
}

} // namespace
} // namespace tallar
