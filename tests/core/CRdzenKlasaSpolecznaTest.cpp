#include "rules/engine/CRdzenKlasaSpoleczna.h"

#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tallar {
namespace {

constexpr const char* kNobles = "100000000000000000000201999001";
constexpr const char* kBurghers = "100000000000000000000201999002";

struct SocialClassTest : ::testing::Test, test::EngineFixture {
    SocialClassTest() {
        insert("klasyspoleczne",
               {{"id", kNobles}, {"nazwa", "Szlachta"}, {"majatek", "250"}, {"charyzma", "K10"}});
        insert(
            "klasyspoleczne",
            {{"id", kBurghers}, {"nazwa", "Mieszczanie"}, {"majatek", "100"}, {"charyzma", "3"}});
    }

    void apply(std::string_view id, bool askRolls = false) {
        CRdzenKlasaSpoleczna(context(askRolls)).Apply(id);
    }

    CPoz& place(int kind) { return *top(kLinkMajatek).FindByKind(kind); }
};

TEST_F(SocialClassTest, WealthOverAHundredGoesToTheBank) {
    port.queueDie(7);
    apply(kNobles, true);
    const CPoz* entry = top(kLinkDodatkoweInformacje).FindByKind(kinds::info::kSocialClass);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->info, "Klasa społeczna");
    EXPECT_EQ(entry->specjal, kNobles);
    EXPECT_EQ(entry->memo, "Szlachta");

    ASSERT_EQ(place(1916).size(), 1u);
    const CPoz& carried = *place(1916).front();
    EXPECT_EQ(carried.info, "złoto");
    EXPECT_EQ(carried.typ, 12);
    EXPECT_EQ(carried.wartosc, 25);
    EXPECT_DOUBLE_EQ(carried.modyfikator, 1.0);
    EXPECT_EQ(carried.memo, "monety-święte ryje");
    ASSERT_EQ(place(1932).size(), 1u);
    EXPECT_EQ(place(1932).front()->wartosc, 225);
    EXPECT_EQ(place(1932).front()->memo, "");
    ASSERT_EQ(place(2060).size(), 1u);
    EXPECT_EQ(place(2060).front()->info, "majątek rodowy");
    EXPECT_EQ(place(2060).front()->wartosc, 1);
    EXPECT_DOUBLE_EQ(place(2060).front()->modyfikator, 2500.0);

    const CPoz* charisma = top(kLinkCharyzma).FindByKind(kinds::attribute::kSocialClassCharisma);
    ASSERT_NE(charisma, nullptr);
    EXPECT_EQ(charisma->specjal, kNobles);
    EXPECT_EQ(charisma->wartosc, 7);
    EXPECT_EQ(port.diePrompts(), (std::vector<std::string>{"Charyzma - klasa społeczna K10"}));
    EXPECT_DOUBLE_EQ(top(kLinkCharyzma).total, 7.0);
}

TEST_F(SocialClassTest, AHundredStaysAtHand) {
    apply(kBurghers);
    ASSERT_EQ(place(1916).size(), 1u);
    EXPECT_EQ(place(1916).front()->wartosc, 100);
    EXPECT_TRUE(place(1932).empty());
    EXPECT_DOUBLE_EQ(place(2060).front()->modyfikator, 1000.0);
}

TEST_F(SocialClassTest, CharismaOfAClassIsAppliedOnce) {
    apply(kBurghers);
    CRdzenKlasaSpoleczna(context(true)).ApplyCharisma();
    EXPECT_TRUE(port.diePrompts().empty()); // nothing thrown for a class already counted
    int parts = 0;
    for (const CPoz* child : top(kLinkCharyzma).children())
        parts += child->typ == kinds::attribute::kSocialClassCharisma;
    EXPECT_EQ(parts, 1);
    EXPECT_EQ(top(kLinkCharyzma).front()->wartosc, 3);

    // Another class replaces the part.
    port.queueDie(9);
    apply(kNobles, true);
    ASSERT_EQ(top(kLinkCharyzma).size(), 1u);
    EXPECT_EQ(top(kLinkCharyzma).front()->specjal, kNobles);
    EXPECT_EQ(top(kLinkCharyzma).front()->wartosc, 9);
}

TEST_F(SocialClassTest, NoWealthAndNoClass) {
    insert("klasyspoleczne", {{"id", "1"}, {"nazwa", "Żebracy"}, {"majatek", "K5-6"}});
    apply("1");
    EXPECT_TRUE(place(1916).empty());
    EXPECT_TRUE(place(2060).empty());
    ASSERT_NE(top(kLinkDodatkoweInformacje).FindByKind(kinds::info::kSocialClass), nullptr);
    EXPECT_EQ(top(kLinkCharyzma).front()->wartosc, 0);
}

TEST_F(SocialClassTest, EmptyIdOrFailingQueryChangesNothing) {
    apply("");
    EXPECT_EQ(top(kLinkDodatkoweInformacje).FindByKind(kinds::info::kSocialClass), nullptr);
    EXPECT_TRUE(top(kLinkCharyzma).empty());

    ASSERT_TRUE(rules.db->exec("DROP TABLE klasyspoleczne;").ok());
    apply(kNobles);
    EXPECT_EQ(top(kLinkDodatkoweInformacje).FindByKind(kinds::info::kSocialClass), nullptr);
    ASSERT_EQ(port.errors().size(), 1u);
    EXPECT_EQ(port.errors()[0].caption, "Błąd!");
    EXPECT_NE(rules.errors.str().find("SQL error: "), std::string::npos);
}

} // namespace
} // namespace tallar
