#include "rules/engine/CRdzenFormula.h"

#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tallar {
namespace {

constexpr const char* kFormula = "100000000000000000000302999001";
constexpr const char* kOther = "100000000000000000000302999002";
constexpr const char* kGroupA = "100000000000000000000701999001";
constexpr const char* kGroupB = "100000000000000000000701999002";

struct FormulaTest : ::testing::Test, test::EngineFixture {
    CPoz& owner = add(top(kLinkZdolnosci), "", 12624, 0, kFormula);

    void formula(const char* id, Columns columns) {
        columns.insert(columns.begin(), {{"id", id}, {"id_nad", "X"}, {"typ_nad", "ZDOLNOSC"}});
        insert("formuly", columns);
    }

    CRdzenFormula apply(const char* id, CPoz& to, bool askRolls = false) {
        return CRdzenFormula(context(askRolls), id, to, "Próba");
    }

    std::vector<CPoz*> childrenOf(const CPoz& entry) {
        return {entry.children().begin(), entry.children().end()};
    }
};

TEST_F(FormulaTest, AddedAmountUnderTheOwner) {
    formula(kFormula, {{"typ1", "1"}, {"sfznak", "+"}, {"sfkxx", "5"}});
    apply(kFormula, owner);
    EXPECT_DOUBLE_EQ(owner.modyfikator, 1.0);
    EXPECT_EQ(owner.info, "1");
    EXPECT_EQ(owner.memo, "1");
    ASSERT_EQ(owner.size(), 1u);
    const CPoz& effect = *owner.front();
    EXPECT_EQ(effect.info, "Siła fizyczna + 5");
    EXPECT_EQ(effect.specjal, "+");
    EXPECT_EQ(effect.typ, kinds::perMember::kFormulaEffect[member::kStrength]);
    EXPECT_DOUBLE_EQ(effect.modyfikator, 5.0);
    EXPECT_EQ(effect.wartosc, 0);
    EXPECT_EQ(effect.memo, "5");
}

TEST_F(FormulaTest, MultipliedAndDividedAmountsShowTheirFactor) {
    // Numbers in expressions are whole; three quarters is written as a quotient.
    formula(kFormula, {{"typ1", "2"}, {"sfznak", "*"}, {"sfkxx", "3/4"}});
    apply(kFormula, owner);
    ASSERT_EQ(owner.size(), 1u);
    EXPECT_EQ(owner.front()->info, "Siła fizyczna * 150%");
    EXPECT_EQ(owner.front()->specjal, "*");
    EXPECT_DOUBLE_EQ(owner.front()->modyfikator, 0.75);

    CPoz& second = add(top(kLinkZdolnosci), "", 12624, 0, kOther);
    formula(kOther, {{"typ1", "2"},
                     {"sfznak", "/"},
                     {"sfkxx", "4"},
                     {"zrznak", "*"},
                     {"zrkxx", "29/100"},
                     {"typ2", ""}});
    apply(kOther, second);
    ASSERT_EQ(second.size(), 2u);
    // 1/4 · 1/2 = 0.125, shown as 13 %.
    EXPECT_EQ(second.front()->info, "Siła fizyczna * 13%");
    EXPECT_EQ(second.front()->specjal, "*");
    EXPECT_DOUBLE_EQ(second.front()->modyfikator, 0.25);
    // 2 · 0.29 = 0.58: the percentage is not cut to 57 by the binary fraction.
    EXPECT_EQ(second.back()->info, "Zręczność * 58%");
}

TEST_F(FormulaTest, DecimalAmountsCountWithTheirFraction) {
    // t = 2, a = 0.75: the label shows H(2 · 0.75) · 100 = 150 %; the modifier is a.
    formula(kFormula, {{"typ1", "2"}, {"sfznak", "*"}, {"sfkxx", "0.75"}});
    apply(kFormula, owner);
    ASSERT_EQ(owner.size(), 1u);
    const CPoz& effect = *owner.front();
    EXPECT_EQ(effect.info, "Siła fizyczna * 150%");
    EXPECT_EQ(effect.specjal, "*");
    EXPECT_EQ(effect.typ, kinds::perMember::kFormulaEffect[member::kStrength]);
    EXPECT_DOUBLE_EQ(effect.modyfikator, 0.75);
    EXPECT_EQ(effect.memo, "0.75");

    // "+" with a = 2.5 and t = 3: the label shows round(3 · 2.5) = round(7.5) = 8 and the
    // modifier keeps 2.5. A limit is a whole number: I(30.9) = 31.
    CPoz& second = add(top(kLinkZdolnosci), "", 12624, 0, kOther);
    formula(kOther, {{"typ1", "3"}, {"zrznak", "+"}, {"zrkxx", "2.5"}, {"zrlimit", "30.9"}});
    const CRdzenFormula applied = apply(kOther, second);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second.front()->info, "Zręczność + 8");
    EXPECT_DOUBLE_EQ(second.front()->modyfikator, 2.5);
    EXPECT_EQ(second.back()->info, "Limit zręczności");
    EXPECT_EQ(second.back()->wartosc, 31);
    EXPECT_EQ(applied.member(13).limitValue, 31); // Zręczność
}

TEST_F(FormulaTest, MaxMakesOnlyEqualsEntriesAndThrowsNoAmount) {
    formula(kFormula, {{"typ1", "MAX"},
                       {"zrznak", "="},
                       {"zrkxx", "K10"},
                       {"sfznak", "+"},
                       {"sfkxx", "K10"},
                       {"zwlimit", "K4"}});
    port.queueDie(3);
    const CRdzenFormula f = apply(kFormula, owner, true);
    EXPECT_DOUBLE_EQ(owner.modyfikator, 0.0);
    EXPECT_EQ(owner.memo, "MAX");
    // Only the limit is thrown.
    ASSERT_EQ(port.diePrompts().size(), 1u);
    EXPECT_EQ(f.member(21).limitValue, 3);
    ASSERT_EQ(owner.size(), 2u);
    const CPoz& effect = *owner.front();
    EXPECT_EQ(effect.info, "Zręczność");
    EXPECT_EQ(effect.specjal, "=");
    EXPECT_EQ(effect.memo, "MAX");
    EXPECT_EQ(effect.typ, 12832);
    EXPECT_DOUBLE_EQ(effect.modyfikator, 0.0);
    EXPECT_EQ(owner.back()->typ, 13441);
}

TEST_F(FormulaTest, MissingAmountCountsOne) {
    formula(kFormula, {{"typ1", "3"}, {"sfznak", "+"}});
    apply(kFormula, owner);
    ASSERT_EQ(owner.size(), 1u);
    EXPECT_EQ(owner.front()->info, "Siła fizyczna + 3");
    EXPECT_DOUBLE_EQ(owner.front()->modyfikator, 1.0);
    EXPECT_EQ(owner.front()->memo, "");
}

TEST_F(FormulaTest, TypeColumnsJoinIntoOneExpression) {
    formula(kFormula, {{"typ1", "2"},
                       {"znak1", "*"},
                       {"typ2", "3"},
                       {"znak2", "-"},
                       {"typ3", "1"},
                       {"wiznak", "-"},
                       {"wikxx", "2"}});
    apply(kFormula, owner);
    EXPECT_EQ(owner.memo, "2*3-1");
    EXPECT_DOUBLE_EQ(owner.modyfikator, 5.0);
    EXPECT_EQ(owner.front()->info, "Wiara - 10");
}

TEST_F(FormulaTest, MultipliersAndLimitsFollowTheEffects) {
    formula(kFormula, {{"typ1", "1"},
                       {"odp3znak", "+"},
                       {"odp3kxx", "2"},
                       {"odp3wsp", "3/2"},
                       {"odp3limit", "40"},
                       {"zywlimit", "-10"}});
    apply(kFormula, owner);
    const auto children = childrenOf(owner);
    ASSERT_EQ(children.size(), 4u);
    EXPECT_EQ(children[0]->typ, 13680);
    EXPECT_EQ(children[1]->info, "Mnożnik przyrostów odporności nr.3");
    EXPECT_EQ(children[1]->typ, kinds::perMember::kGrowthMultiplier[member::kResistance1 + 2]);
    EXPECT_EQ(children[1]->specjal, "*");
    EXPECT_DOUBLE_EQ(children[1]->modyfikator, 1.5);
    EXPECT_EQ(children[1]->memo, "3/2");
    EXPECT_EQ(children[2]->info, "Limit odporności nr.3");
    EXPECT_EQ(children[2]->typ, kinds::perMember::kFormulaLimit[member::kResistance1 + 2]);
    EXPECT_EQ(children[2]->wartosc, 40);
    EXPECT_EQ(children[2]->memo, "40");
    EXPECT_EQ(children[3]->info, "Limit żywotności");
    EXPECT_EQ(children[3]->wartosc, -10);
}

TEST_F(FormulaTest, DiceAreThrownTypeAmountsMultipliersLimits) {
    formula(kFormula, {{"typ1", "K10"},
                       {"sfznak", "+"},
                       {"sfkxx", "K6"},
                       {"sfwsp", "K4"},
                       {"sflimit", "K20"},
                       {"zwznak", "+"},
                       {"zwkxx", "K8"}});
    for (int face : {2, 5, 3, 4, 17})
        port.queueDie(face);
    const CRdzenFormula f = apply(kFormula, owner, true);
    const std::vector<std::string> expected = {"Próba K10", "Próba K6", "Próba K8", "Próba K4",
                                               "Próba K20"};
    EXPECT_EQ(port.diePrompts(), expected);
    EXPECT_DOUBLE_EQ(f.typeValue(), 2.0);
    EXPECT_DOUBLE_EQ(f.member(12).amountValue, 5.0);
    EXPECT_DOUBLE_EQ(f.member(21).amountValue, 3.0);
    EXPECT_DOUBLE_EQ(f.member(12).multiplierValue, 4.0);
    EXPECT_EQ(f.member(12).limitValue, 17);
    EXPECT_EQ(owner.front()->info, "Siła fizyczna + 10");
}

TEST_F(FormulaTest, ProficiencyLinksAndWeightsItsWeaponGroups) {
    insert("grupybroni", {{"id", kGroupA}, {"nazwa", "Miecze"}});
    insert("grupybroni", {{"id", kGroupB}, {"nazwa", "Topory"}});
    insert("formulybrone", {{"idgrupybroni", kGroupA}, {"idformuly", kFormula}});
    insert("formulybrone", {{"idgrupybroni", kGroupB}, {"idformuly", kFormula}});
    formula(kFormula, {{"typ1", "2"}, {"bglznak", "+"}, {"bglkxx", "3"}});
    const CRdzenFormula f = apply(kFormula, owner);
    const CPoz* proficiency = owner.FindByKind(kinds::formula::kProficiencyEffect);
    ASSERT_NE(proficiency, nullptr);
    EXPECT_EQ(proficiency->info, "Biegłość + 6");
    ASSERT_EQ(proficiency->size(), 2u);
    std::vector<std::string> groups;
    for (const CPoz* group : proficiency->children()) {
        EXPECT_EQ(group->typ, kinds::formula::kWeaponGroup);
        groups.push_back(group->info + "=" + group->specjal);
    }
    std::sort(groups.begin(), groups.end());
    EXPECT_EQ(groups, (std::vector<std::string>{std::string("Miecze=") + kGroupA,
                                                std::string("Topory=") + kGroupB}));

    // Applying again neither doubles the groups nor the effect.
    apply(kFormula, owner);
    EXPECT_EQ(owner.size(), 1u);
    EXPECT_EQ(proficiency->size(), 2u);

    CPoz candidates(characters.db.get());
    CPoz& swords = add(candidates, "Miecze", 0, 0, kGroupA, "", 1.0);
    CPoz& bows = add(candidates, "Łuki", 0, 0, "100000000000000000000701999003", "", 1.0);
    f.WeightWeaponGroups(candidates);
    EXPECT_DOUBLE_EQ(swords.modyfikator, 7.0); // raised by 3 · 2
    EXPECT_DOUBLE_EQ(bows.modyfikator, 1.0);

    CPoz& second = add(top(kLinkZdolnosci), "", 12624, 0, kOther);
    insert("formulybrone", {{"idgrupybroni", kGroupA}, {"idformuly", kOther}});
    formula(kOther, {{"typ1", "MIN"}, {"bglznak", "="}});
    CRdzenFormula(context(), second).WeightWeaponGroups(candidates);
    EXPECT_DOUBLE_EQ(swords.modyfikator, 7.0); // not applied: no groups under the owner
    apply(kOther, second);
    CRdzenFormula(context(), second).WeightWeaponGroups(candidates);
    EXPECT_DOUBLE_EQ(swords.modyfikator, 7.0 - 10000);
}

TEST_F(FormulaTest, ReopensFromItsEntries) {
    formula(kFormula, {{"typ1", "2"},
                       {"sfznak", "-"},
                       {"sfkxx", "4"},
                       {"zrznak", "/"},
                       {"zrkxx", "4"},
                       {"mdwsp", "3/2"},
                       {"mdlimit", "60"}});
    apply(kFormula, owner);
    const CRdzenFormula f(context(), owner);
    EXPECT_EQ(f.formulaId(), kFormula);
    EXPECT_EQ(f.typeExpression(), "2");
    EXPECT_DOUBLE_EQ(f.typeValue(), 2.0);
    EXPECT_EQ(f.member(12).sign, "-");
    EXPECT_EQ(f.member(12).amount, "4");
    EXPECT_DOUBLE_EQ(f.member(12).amountValue, 4.0);
    EXPECT_EQ(f.member(12).valueEntry,
              owner.FindByKind(kinds::perMember::kFormulaEffect[member::kStrength]));
    // A quotient comes back as the product it was written as.
    EXPECT_EQ(f.member(13).sign, "*");
    EXPECT_DOUBLE_EQ(f.member(13).amountValue, 0.25);
    EXPECT_DOUBLE_EQ(f.member(16).multiplierValue, 1.5);
    EXPECT_EQ(f.member(16).limitValue, 60);
    EXPECT_FALSE(f.member(14).sign.has_value());
}

TEST_F(FormulaTest, FoldsIntoAGrowthProfile) {
    formula(kFormula, {{"typ1", "1"}, {"zwlimit", "30"}, {"sfwsp", "2"}, {"zywlimit", "-10"}});
    apply(kFormula, owner);
    GrowthProfile profile;
    const std::size_t zw = 10, sf = 1, zyw = 0;
    profile.members[zw].upperLimit = 50;
    profile.members[zyw].lowerLimit = -20;
    profile.members[sf].multiplier = 1.5;
    CRdzenFormula(context(), owner).FoldIntoProfile(profile);
    EXPECT_EQ(profile.members[zw].upperLimit, 30);
    EXPECT_EQ(profile.members[zyw].lowerLimit, -10);
    EXPECT_DOUBLE_EQ(profile.members[sf].multiplier, 3.0);
    EXPECT_DOUBLE_EQ(profile.members[zw].multiplier, 1.0);

    CPoz& second = add(top(kLinkZdolnosci), "", 12624, 0, kOther);
    formula(kOther, {{"typ1", "MIN"}, {"chznak", "="}, {"zwlimit", "40"}});
    apply(kOther, second);
    CRdzenFormula(context(), second).FoldIntoProfile(profile);
    EXPECT_EQ(profile.members[7].balance, -1);
    EXPECT_EQ(profile.members[zw].upperLimit, 30); // 40 does not loosen 30
}

TEST_F(FormulaTest, SharesGoIntoTheAttributeEntries) {
    formula(kFormula, {{"typ1", "1"},
                       {"sfznak", "+"},
                       {"sfkxx", "5"},
                       {"zrznak", "*"},
                       {"zrkxx", "3/4"},
                       {"wagznak", "+"},
                       {"wagkxx", "7"},
                       {"opznak", "+"},
                       {"opkxx", "1"}});
    CPoz& measures = add(top(kLinkDodatkoweInformacje), "Rasa: Człowiek", 256, 0);
    CPoz& weight = add(measures, "Waga [kg]", 577, 70);
    CPoz& dexterity = top(kLinkZrecznosc);
    add(dexterity, "Rasowa", 16385, 40);
    apply(kFormula, owner);

    GrowthProfile profile;
    profile.members[1].multiplier = 2.0;
    CRdzenFormula(context(), owner).ApplyToAttributes(profile, "Siłacz", "zdol");

    CPoz& strength = top(kLinkSilaFizyczna);
    ASSERT_EQ(strength.size(), 1u);
    const CPoz& share = *strength.front();
    EXPECT_EQ(share.typ, kinds::perMember::kFormulaShare[member::kStrength]);
    EXPECT_EQ(share.info, "Siłacz");
    EXPECT_EQ(share.wartosc, 5);
    EXPECT_EQ(share.memo, "0|zdol");
    EXPECT_EQ(share.target(),
              owner.FindByKind(kinds::perMember::kFormulaEffect[member::kStrength]));
    EXPECT_EQ(share.specjal,
              "&" + owner.FindByKind(kinds::perMember::kFormulaEffect[member::kStrength])->id());
    ASSERT_EQ(share.size(), 1u);
    EXPECT_EQ(share.front()->info, "Mnożnik przyrostów");
    EXPECT_EQ(share.front()->typ, 12802);
    EXPECT_DOUBLE_EQ(share.front()->modyfikator, 2.0);
    EXPECT_DOUBLE_EQ(strength.total, 10.0); // five steps, doubled

    ASSERT_EQ(dexterity.size(), 2u);
    EXPECT_EQ(dexterity.back()->typ, kinds::perMember::kFormulaShare[member::kDexterity]);
    EXPECT_DOUBLE_EQ(dexterity.back()->modyfikator, 0.75);
    EXPECT_TRUE(dexterity.back()->empty());
    EXPECT_DOUBLE_EQ(dexterity.total, 30.0);

    ASSERT_EQ(weight.size(), 1u);
    EXPECT_EQ(weight.front()->typ, kinds::formula::kWeightShare);
    EXPECT_EQ(weight.front()->wartosc, 7);
}

TEST_F(FormulaTest, SharesOfSeveralFormulasAddUpAndReapplyingKeepsThem) {
    formula(kFormula, {{"typ1", "1"}, {"sfznak", "+"}, {"sfkxx", "5"}});
    formula(kOther, {{"typ1", "1"}, {"sfznak", "-"}, {"sfkxx", "2"}});
    CPoz& second = add(top(kLinkZdolnosci), "", 12624, 0, kOther);
    GrowthProfile profile;
    profile.strengthOther = 3.7;
    for (int round = 0; round < 2; ++round) {
        apply(kFormula, owner);
        apply(kOther, second);
        CRdzenFormula(context(), owner).ApplyToAttributes(profile, "A", "zdol");
        CRdzenFormula(context(), second).ApplyToAttributes(profile, "B", "ulom");
    }
    CPoz& strength = top(kLinkSilaFizyczna);
    ASSERT_EQ(strength.size(), 2u);
    EXPECT_EQ(strength.front()->memo, "3|zdol");
    EXPECT_EQ(strength.back()->wartosc, -2);
    // Growth by a fixed step of 3: five steps up, two down.
    EXPECT_DOUBLE_EQ(strength.total, 9.0);

    // An effect that goes takes its share with it.
    (void)second.Odlaczenie();
    EXPECT_EQ(strength.size(), 1u);
}

TEST_F(FormulaTest, ProficienciesOfTheGroupsGetShares) {
    insert("grupybroni", {{"id", kGroupA}, {"nazwa", "Miecze"}});
    insert("formulybrone", {{"idgrupybroni", kGroupA}, {"idformuly", kFormula}});
    formula(kFormula, {{"typ1", "1"}, {"bglznak", "+"}, {"bglkxx", "2"}});
    CPoz& swords = add(top(kLinkBieglosci), "Miecze", 1573, 0, kGroupA);
    CPoz& axes = add(top(kLinkBieglosci), "Topory", 1573, 0, kGroupB);
    apply(kFormula, owner);
    CRdzenFormula(context(), owner).ApplyToAttributes({}, "Szermierz", "zdol");
    ASSERT_EQ(swords.size(), 1u);
    EXPECT_EQ(swords.front()->typ, kinds::formula::kProficiencyShare);
    EXPECT_EQ(swords.front()->wartosc, 2);
    EXPECT_EQ(swords.front()->memo, "0|zdol");
    EXPECT_TRUE(axes.empty());
}

TEST_F(FormulaTest, MissingRowOrFailingQueryLeavesTheOwnerReset) {
    owner.info = "stare";
    apply(kFormula, owner);
    EXPECT_TRUE(owner.empty());
    EXPECT_EQ(owner.info, "");
    EXPECT_DOUBLE_EQ(owner.modyfikator, 0.0);
    EXPECT_TRUE(port.errors().empty());

    ASSERT_TRUE(rules.db->exec("DROP TABLE formuly;").ok());
    apply(kFormula, owner);
    ASSERT_EQ(port.errors().size(), 1u);
    EXPECT_EQ(port.errors()[0].caption, "Błąd!");
    EXPECT_NE(rules.errors.str().find("SQL error: "), std::string::npos);
}

} // namespace
} // namespace tallar
