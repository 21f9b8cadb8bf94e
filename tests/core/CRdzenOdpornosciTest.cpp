#include "rules/engine/CRdzenOdpornosci.h"

#include "support/EngineFixture.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

struct ResistancesTest : ::testing::Test, test::EngineFixture {
    void baseResistances() { CRdzenOdpornosci(context()).BaseResistances(); }

    int part(int link, int kind) {
        const CPoz* entry = top(link).FindByKind(kind);
        EXPECT_NE(entry, nullptr) << "kind " << kind << " under link " << link;
        return entry ? entry->wartosc : -999;
    }
};

TEST_F(ResistancesTest, BaseResistancesFromTheAttributesBases) {
    add(top(kLinkZywotnosc), "Rasowa", 14593, 45, "1");
    add(top(kLinkInteligencja), "Rasowa", 16641, 35);
    add(top(kLinkMadrosc), "Rasowa", 16705, 24);
    add(top(kLinkWiara), "Profesja", 17185, 61);
    add(top(kLinkSilaFizyczna), "Rasowa", 14673, 30, "1");
    add(top(kLinkBazowaOdpornoscFizyczna), "Odporność (część losowa)", 18705, 3, "", "K10_PR");
    character->RecalculateCharacter();
    baseResistances();

    EXPECT_EQ(part(kLinkBazowaOdpornoscPsychiczna, 18497), 2); // 2.25
    EXPECT_EQ(part(kLinkBazowaOdpornoscPsychiczna, 18513), 4); // 3.5 rounds up
    EXPECT_EQ(part(kLinkBazowaOdpornoscPsychiczna, 18529), 2);
    EXPECT_EQ(part(kLinkBazowaOdpornoscFizyczna, 18689), 5); // 4.5 rounds up
    EXPECT_EQ(part(kLinkBazowaOdpornoscFizyczna, 18577), 3);
    EXPECT_DOUBLE_EQ(top(kLinkBazowaOdpornoscPsychiczna).total, 8.0);
    EXPECT_DOUBLE_EQ(top(kLinkBazowaOdpornoscFizyczna).total, 11.0);

    const int first = kLinkOdpornosc1;
    EXPECT_EQ(part(first, 12581), 8);
    EXPECT_EQ(part(first, 17457), 4);
    EXPECT_EQ(part(first + 1, 17537), 2);
    EXPECT_EQ(part(first + 2, 17713), 6);
    EXPECT_EQ(part(first + 4, 12581), 8);
    EXPECT_EQ(part(first + 5, 12597), 11);
    EXPECT_EQ(part(first + 9, 12597), 11);
    EXPECT_EQ(top(first + 4).FindByKind(kinds::top::kBasePhysicalResistance), nullptr);
    EXPECT_DOUBLE_EQ(top(first).total, 12.0);
    EXPECT_DOUBLE_EQ(top(first + 2).total, 14.0);
    EXPECT_DOUBLE_EQ(top(first + 9).total, 11.0);
    EXPECT_EQ(top(first).FindByKind(kinds::top::kBasePsychicResistance)->info,
              "Bazowa odpornośc psychiczna");

    // A second run replaces the parts rather than adding them.
    baseResistances();
    EXPECT_EQ(top(first).size(), 2u);
    EXPECT_DOUBLE_EQ(top(first).total, 12.0);
}

TEST_F(ResistancesTest, OnlyTheBasePartsCount) {
    CPoz& vitality = top(kLinkZywotnosc);
    add(vitality, "Rasowa", 14593, 45, "1");
    add(vitality, "Pierścień", 14577, 40);                    // equipment
    add(vitality, "Kulawy", 14659, -20, "", "0|ekwi");        // a share of something else
    add(vitality, "Chorowity", 14659, -5, "", "0|ulom");      // a disability's share
    add(vitality, "Żelazne zdrowie", 14659, 2, "", "0|zdol"); // an ability's share
    character->RecalculateCharacter();
    ASSERT_DOUBLE_EQ(vitality.total, 62.0);
    baseResistances();
    EXPECT_EQ(part(kLinkBazowaOdpornoscPsychiczna, 18497), 2); // 42 / 20
    EXPECT_EQ(part(kLinkBazowaOdpornoscFizyczna, 18689), 4);   // 42 / 10
    // The character's own entry is untouched.
    EXPECT_EQ(vitality.size(), 5u);
    EXPECT_DOUBLE_EQ(vitality.total, 62.0);
}

} // namespace
} // namespace tallar
