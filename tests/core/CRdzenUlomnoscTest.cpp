#include "rules/engine/CRdzenUlomnosc.h"

#include "rules/data/SampleRules.h"
#include "rules/engine/CRdzenOdpornosci.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tallar {
namespace {

constexpr const char* kLame = "100000000000000000000301999001";
constexpr const char* kLameFormula = "100000000000000000000302999001";
constexpr const char* kStrong = "100000000000000000000301999002";
constexpr const char* kStrongFormula = "100000000000000000000302999002";
constexpr const char* kStrongGrowth = "100000000000000000000302999003";

struct AbilitiesTest : ::testing::Test, test::EngineFixture {
    AbilitiesTest() {
        insert("zdolnosci", {{"id", kLame}, {"typ", "ULOMNOSC"}, {"nazwa", "Słabeusz"}});
        insert("formuly", {{"id", kLameFormula},
                           {"id_nad", kLame},
                           {"typ_nad", "ULOMNOSC"},
                           {"typ1", "1"},
                           {"sfznak", "-"},
                           {"sfkxx", "5"}});
        insert("zdolnosci", {{"id", kStrong}, {"typ", "ZDOLNOSC"}, {"nazwa", "Siłacz"}});
        insert("formuly", {{"id", kStrongFormula},
                           {"id_nad", kStrong},
                           {"typ_nad", "ZDOLNOSC"},
                           {"typ1", "1"},
                           {"sfznak", "+"},
                           {"sfkxx", "K10"}});
        insert("formuly", {{"id", kStrongGrowth},
                           {"id_nad", kStrong},
                           {"typ_nad", "ZDOLNOSC"},
                           {"sfwsp", "2"},
                           {"sflimit", "80"}});
        // A formula of a disability of the same id but another kind is not the ability's.
        insert("formuly", {{"id", "100000000000000000000302999004"},
                           {"id_nad", kStrong},
                           {"typ_nad", "ULOMNOSC"},
                           {"typ1", "1"},
                           {"zwznak", "+"},
                           {"zwkxx", "50"}});
    }

    CRdzenUlomnosc engine(CRdzenUlomnosc::Kind kind, bool askRolls = false) {
        return CRdzenUlomnosc(context(askRolls), kind);
    }

    int shareOf(int link, int kind) {
        int count = 0;
        for (const CPoz* child : top(link).children())
            count += child->typ == kind;
        return count;
    }
};

TEST_F(AbilitiesTest, DisabilityShareCountsForTheBaseResistance) {
    add(top(kLinkSilaFizyczna), "Rasowa", 14673, 55, "1");
    CPoz& lame = add(top(kLinkUlomnosci), "Słabeusz", 0, 0, kLame);
    CRdzenUlomnosc disabilities = engine(CRdzenUlomnosc::kDisabilities);
    disabilities.ApplyFormulas();
    ASSERT_EQ(lame.size(), 1u);
    EXPECT_EQ(lame.front()->typ, kinds::formula::kOwner);
    EXPECT_EQ(lame.front()->specjal, kLameFormula);
    EXPECT_EQ(lame.front()->info, "1");

    disabilities.ApplyToAttributes();
    const CPoz* share =
        top(kLinkSilaFizyczna).FindByKind(kinds::perMember::kFormulaShare[member::kStrength]);
    ASSERT_NE(share, nullptr);
    EXPECT_EQ(share->wartosc, -5);
    EXPECT_EQ(share->memo, "0|ulom");
    EXPECT_EQ(share->info, "Słabeusz");
    EXPECT_DOUBLE_EQ(top(kLinkSilaFizyczna).total, 50.0);

    CRdzenOdpornosci(context()).BaseResistances();
    EXPECT_EQ(
        top(kLinkBazowaOdpornoscFizyczna).FindByKind(kinds::attribute::kPhysicalStrength)->wartosc,
        5); // 50, not 55
}

TEST_F(AbilitiesTest, FormulasAreReadOnceAndAppliedInPlace) {
    CPoz& strong = add(top(kLinkZdolnosci), "Siłacz", 0, 0, kStrong);
    CRdzenUlomnosc abilities = engine(CRdzenUlomnosc::kAbilities, true);
    port.queueDie(4);
    abilities.ApplyFormulas();
    ASSERT_EQ(strong.size(), 2u);
    EXPECT_EQ(port.diePrompts(), (std::vector<std::string>{"Siłacz K10"}));

    // The owners stay; the effect is rolled again and updated.
    ASSERT_TRUE(rules.db->exec("DELETE FROM formuly WHERE id=?;", {kStrongGrowth}).ok());
    port.queueDie(6);
    abilities.ApplyFormulas();
    ASSERT_EQ(strong.size(), 2u);
    const CPoz* effect =
        strong.front()->FindByKind(kinds::perMember::kFormulaEffect[member::kStrength]);
    ASSERT_NE(effect, nullptr);
    EXPECT_DOUBLE_EQ(effect->modyfikator, 6.0);

    abilities.ApplyToAttributes();
    abilities.ApplyToAttributes();
    EXPECT_EQ(shareOf(kLinkSilaFizyczna, 14739), 1);
    EXPECT_EQ(top(kLinkZauwazenie).size(), 0u);
}

TEST_F(AbilitiesTest, GrowthComesFromTheStageTheDisabilitiesAndTheAbilities) {
    CPoz& strong = add(top(kLinkZdolnosci), "Siłacz", 0, 0, kStrong);
    add(top(kLinkUlomnosci), "Słabeusz", 0, 0, kLame);
    CRdzenUlomnosc disabilities = engine(CRdzenUlomnosc::kDisabilities);
    CRdzenUlomnosc abilities = engine(CRdzenUlomnosc::kAbilities, true);
    port.queueDie(4);
    disabilities.ApplyFormulas();
    abilities.ApplyFormulas();
    ASSERT_EQ(strong.size(), 2u);

    GrowthProfile stage;
    stage.members[1].multiplier = 1.5;
    stage.strengthOther = 2;
    GrowthProfile folded = stage;
    abilities.FoldIntoProfile(folded);
    EXPECT_DOUBLE_EQ(folded.members[1].multiplier, 3.0);
    EXPECT_EQ(folded.members[1].upperLimit, 80);

    disabilities.ApplyToAttributes(stage);
    abilities.ApplyToAttributes(stage);
    const CPoz& strength = top(kLinkSilaFizyczna);
    ASSERT_EQ(strength.size(), 2u);
    for (const CPoz* share : strength.children()) {
        EXPECT_EQ(share->memo.substr(0, 2), "2|");
        // Both shares grow by the multiplier of stage, disabilities and abilities together.
        ASSERT_EQ(share->size(), 1u);
        EXPECT_DOUBLE_EQ(share->front()->modyfikator, 3.0);
    }
    EXPECT_EQ(strength.front()->memo, "2|ulom");
    EXPECT_EQ(strength.back()->memo, "2|zdol");
    EXPECT_EQ(strength.back()->wartosc, 4);
}

TEST_F(AbilitiesTest, WeightsTheWeaponGroupsOfItsFormulas) {
    insert("grupybroni", {{"id", "G1"}, {"nazwa", "Miecze"}});
    insert("formulybrone", {{"idgrupybroni", "G1"}, {"idformuly", kStrongGrowth}});
    ASSERT_TRUE(rules.db
                    ->exec("UPDATE formuly SET typ1='2', bglznak='+', bglkxx='3' WHERE id=?;",
                           {kStrongGrowth})
                    .ok());
    add(top(kLinkZdolnosci), "Siłacz", 0, 0, kStrong);
    CRdzenUlomnosc abilities = engine(CRdzenUlomnosc::kAbilities);
    abilities.ApplyFormulas();
    CPoz candidates(characters.db.get());
    CPoz& swords = add(candidates, "Miecze", 0, 0, "G1");
    abilities.WeightWeaponGroups(candidates);
    EXPECT_DOUBLE_EQ(swords.modyfikator, 6.0);
    // Disabilities have none.
    engine(CRdzenUlomnosc::kDisabilities).WeightWeaponGroups(candidates);
    EXPECT_DOUBLE_EQ(swords.modyfikator, 6.0);
}

TEST_F(AbilitiesTest, AbilityWithoutFormulasAndFailingQuery) {
    insert("zdolnosci", {{"id", "Z"}, {"typ", "ZDOLNOSC"}, {"nazwa", "Nic"}});
    CPoz& nothing = add(top(kLinkZdolnosci), "Nic", 0, 0, "Z");
    engine(CRdzenUlomnosc::kAbilities).ApplyFormulas();
    EXPECT_TRUE(nothing.empty());
    EXPECT_TRUE(port.errors().empty());

    ASSERT_TRUE(rules.db->exec("DROP TABLE zdolnosci;").ok());
    CRdzenUlomnosc failing = engine(CRdzenUlomnosc::kAbilities);
    failing.ApplyFormulas();
    ASSERT_EQ(port.errors().size(), 1u);
    EXPECT_EQ(port.errors()[0].caption, "Błąd!");
    EXPECT_EQ(failing.status().message(), port.errors()[0].text);
}

// A formula that cannot be read is shown once, and its failure is the ability step's own.
TEST_F(AbilitiesTest, AFormulasFailureIsTheStepsFailure) {
    CPoz& strong = add(top(kLinkZdolnosci), "Siłacz", 0, 0, kStrong);
    add(strong, "", kinds::formula::kOwner, 0, kStrongGrowth, "", 1.0); // read before
    ASSERT_TRUE(rules.db->exec("DROP TABLE formuly;").ok());
    CRdzenUlomnosc abilities = engine(CRdzenUlomnosc::kAbilities);
    abilities.ApplyFormulas();
    ASSERT_EQ(port.errors().size(), 1u);
    EXPECT_FALSE(abilities.status().ok());
    EXPECT_EQ(abilities.status().message(), port.errors()[0].text);
}

// Every ability and disability of the sample rules applies without errors, and the
// changes they make stay within the entries they name.
TEST(AbilitiesOfTheSampleRules, ApplyWithoutErrors) {
    test::EngineFixture f;
    ASSERT_TRUE(loadSampleRules(*f.rules.db).ok());
    for (const auto& [link, type] :
         {std::pair{kLinkUlomnosci, "ULOMNOSC"}, std::pair{kLinkZdolnosci, "ZDOLNOSC"}})
        ASSERT_TRUE(
            f.rules.db
                ->exec("SELECT id,nazwa FROM zdolnosci WHERE typ=? ORDER BY id;", {type},
                       [&](const Row& row) { f.add(f.top(link), row.text(1), 0, 0, row.text(0)); })
                .ok());
    CRdzenUlomnosc disabilities(f.context(), CRdzenUlomnosc::kDisabilities);
    CRdzenUlomnosc abilities(f.context(), CRdzenUlomnosc::kAbilities);
    disabilities.ApplyFormulas();
    abilities.ApplyFormulas();
    disabilities.ApplyToAttributes();
    abilities.ApplyToAttributes();
    CRdzenOdpornosci(f.context()).BaseResistances();
    EXPECT_TRUE(f.port.errors().empty());
    EXPECT_EQ(f.rules.errors.str(), "");
    for (int link : {kLinkUlomnosci, kLinkZdolnosci})
        for (const CPoz* ability : f.top(link).children())
            EXPECT_FALSE(ability->empty()) << ability->info << " has no formula";
    // "Pechowiec" (MIN) writes no share; "Bystre oko" adds to Zauważenie.
    EXPECT_EQ(f.top(kLinkCharyzma).size(), 1u); // Jąkała only
    EXPECT_GE(f.top(kLinkZauwazenie).size(), 2u);
}

} // namespace
} // namespace tallar
