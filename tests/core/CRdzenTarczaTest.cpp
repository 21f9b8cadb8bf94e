#include "rules/engine/CRdzenTarcza.h"

#include "model/Character.h"
#include "rules/core/AttributeSet.h"
#include "rules/engine/CRdzenUmiejetnosci.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

using namespace kinds;

struct ShieldTest : ::testing::Test, test::EngineFixture {
    // A shield row; the columns left out stay NULL.
    void shieldRow(const std::string& id, Columns columns) {
        columns.insert(columns.begin(), {{"id", id}, {"nazwa", "Tarcza " + id}});
        insert("tarcza", columns);
    }
    CPoz* addShield(const std::string& id) { return CRdzenTarcza(context()).AddShieldEntry(id); }
    CPoz& shields() { return *top(kLinkWalka).FindByKind(top::kCombatShields); }
    CPoz& resistance(int number) { return top(kLinkOdpornosc1 + number - 1); }
    static int value(const CPoz& parent, int kind) {
        const CPoz* child = parent.FindByKind(kind);
        return child ? child->wartosc : -1;
    }
    // The skills' gathered modifications, as the skills step writes them.
    void modifications(const std::string& memo) { top(kLinkUmiejetnosci).memo = memo; }
};

TEST_F(ShieldTest, AShieldEntryHasOneChildPerPropertyAndNoneForZeros) {
    shieldRow("1", {{"ogrzr", "3"},
                    {"ogrsz", "2"},
                    {"obrona", "12"},
                    {"waga", "7"},
                    {"bonus", "0"},
                    {"wytrzym", "50"},
                    {"metal", "T"},
                    {"szpikulce", "T"},
                    {"skutkl", "5"},
                    {"ostrekraw", "N"},
                    {"skuttn", "4"},
                    {"skutob", "2"},
                    {"wbicieziemia", "T"},
                    {"mocowzbroia", "N"},
                    {"mocowreka", "Tak"},
                    {"mogauzywac", "LUDZI"}});
    CPoz* shield = addShield("1");
    ASSERT_NE(shield, nullptr);
    EXPECT_EQ(shield->parent(), top(kLinkEkwipunek).FindByKind(equipment::kCarried));
    EXPECT_EQ(shield->info, "Tarcza 1");
    EXPECT_EQ(shield->specjal, "1");
    EXPECT_EQ(value(*shield, shield::kDexterityLimit), 3);
    EXPECT_EQ(value(*shield, shield::kSpeedLimit), 2);
    EXPECT_EQ(value(*shield, shield::kDefence), 12);
    EXPECT_EQ(value(*shield, equipment::kWeight), 7);
    EXPECT_EQ(value(*shield, shield::kResistanceBonus), -1); // 0 leaves no child
    EXPECT_EQ(value(*shield, shield::kMetal), 1);
    EXPECT_EQ(value(*shield, shield::kSpikes), 5);
    EXPECT_EQ(value(*shield, shield::kEdge), -1); // no edge: its effectiveness is not read
    EXPECT_EQ(value(*shield, shield::kBlunt), 2);
    EXPECT_EQ(value(*shield, shield::kGroundRest), 1);
    EXPECT_EQ(value(*shield, shield::kArmourMount), -1);
    EXPECT_EQ(value(*shield, shield::kHandMount), 1); // "T…" is set
    EXPECT_EQ(shield->FindByKind(shield::kIntendedFor)->memo, "LUDZI");

    const ShieldRecord read = CRdzenTarcza::ReadShieldEntry(*shield);
    EXPECT_EQ(read.dexterityLimit, 3);
    EXPECT_TRUE(read.metal && read.groundRest && read.handMount && !read.armourMount);
    EXPECT_EQ(read.users, "LUDZI");
}

TEST_F(ShieldTest, LimitsBelowOneEmptyOrMissingAreOneAndUsersDefaultToEverybody) {
    shieldRow("0", {{"ogrzr", "0"}, {"ogrsz", "-2"}, {"mogauzywac", ""}});
    shieldRow("E", {{"ogrzr", ""}, {"ogrsz", "abc"}, {"mogauzywac", "  "}});
    shieldRow("N", {});
    for (const char* id : {"0", "E", "N"}) {
        CPoz* shield = addShield(id);
        ASSERT_NE(shield, nullptr) << id;
        EXPECT_EQ(value(*shield, shield::kDexterityLimit), 1) << id;
        EXPECT_EQ(value(*shield, shield::kSpeedLimit), 1) << id;
        EXPECT_EQ(shield->FindByKind(shield::kIntendedFor)->memo, "WSZYSTKICH") << id;
        EXPECT_EQ(value(*shield, shield::kMetal), 0) << id; // "Tarcza metalowa" stays, 0
    }
}

TEST_F(ShieldTest, SpikesCountOnlyWithT) {
    shieldRow("a", {{"szpikulce", "N"}, {"skutkl", "5"}});
    shieldRow("b", {{"szpikulce", "T "}, {"skutkl", "5"}});
    EXPECT_EQ(value(*addShield("a"), shield::kSpikes), -1);
    EXPECT_EQ(value(*addShield("b"), shield::kSpikes), 5); // RTRIM: "T " is T
}

TEST_F(ShieldTest, AMissingRowOrCarriedEntryAddsNothing) {
    EXPECT_EQ(addShield("none"), nullptr);
    shieldRow("1", {});
    top(kLinkEkwipunek).UsunAll();
    EXPECT_EQ(addShield("1"), nullptr);
    EXPECT_TRUE(portErrors.str().empty());
}

TEST_F(ShieldTest, ModifierValueAddsBForEveryStepOfCAboveF) {
    CRdzenTarcza step(context());
    // t = (35 − 10) / 10 = 2.5: rounded 3 → 1 + 3·1 = 4; whole steps 2 → 1 + 2 = 3.
    EXPECT_EQ(step.ModifierValue("1", "1", "10", "35", "N", "10"), 4);
    EXPECT_EQ(step.ModifierValue("1", "1", "10", "35", "T", "10"), 3);
    // Below the threshold no step counts: 2 + 0.
    EXPECT_EQ(step.ModifierValue("2", "3", "5", "4", "", "10"), 2);
    // No step size: a alone; a negative result is 0.
    EXPECT_EQ(step.ModifierValue("-4", "9", "0", "100", "", "0"), 0);
    // b is a factor of the steps: round(round(3·0.5) + 0) = round(2) = 2 (1.5 rounds away
    // from zero).
    EXPECT_EQ(step.ModifierValue("0", "0.5", "1", "3", "T", "0"), 2);
}

TEST_F(ShieldTest, AnAppliedShieldRefersToItsLimitsAndDefenceWithTheSkillsModifications) {
    shieldRow("1", {{"ogrzr", "3"}, {"ogrsz", "3"}, {"obrona", "10"}});
    // "-" 5 on the dexterity limit of 3 takes only 2 (a limit stays at least 1); "*" 2 on
    // the defence doubles it; "/" 2 on the speed limit halves it: 3 · 0.5 = 1.5 → 2;
    // "+" 3 then adds to the defence: 10 · 2 + 3 = 23. An item of another code, another
    // target or another form is skipped.
    modifications("NN-|OG.TAR.ZR|1|Zwinność$5|0|0|0|N|0#"
                  "NN*|OB.TAR|1|Mur$2|0|0|0|N|0#"
                  "NN/|OG.TAR.SZ|1|Lekkość$2|0|0|0|N|0#"
                  "NN+|OB.TAR|1|Osłona$3|0|0|0|N|0#"
                  "TN+|OB.TAR|1|Cudza$9|0|0|0|N|0#"
                  "NN+|OB.ZBR|1|Inna$9|0|0|0|N|0#"
                  "NN+|OB.TAR|1|Zła");
    CPoz* shield = addShield("1");
    CPoz& use = CRdzenTarcza(context()).ApplyShield(shields(), *shield, true, "CC#p");
    EXPECT_EQ(use.memo, "CC#p");
    EXPECT_EQ(use.target(), shield);
    ASSERT_EQ(use.size(), 3u);
    CPoz* dexterity = use.FindByKind(shield::kUseDexterityLimit);
    CPoz* speed = use.FindByKind(shield::kUseSpeedLimit);
    CPoz* defence = nullptr;
    for (CPoz* child : use.children())
        if (child->info == "Obrona")
            defence = child;
    ASSERT_TRUE(dexterity && speed && defence);
    EXPECT_EQ(dexterity->info, "Ograniczenia zręczności 1/");
    EXPECT_EQ(dexterity->total, 1.0); // 3 − 2
    EXPECT_EQ(dexterity->FindByKind(shield::kAbilityAmount)->wartosc, -2);
    EXPECT_EQ(dexterity->FindByKind(shield::kAbilityAmount)->info, "Zwinność");
    EXPECT_EQ(speed->total, 2.0);
    EXPECT_DOUBLE_EQ(speed->FindByKind(shield::kAbilityFactor)->modyfikator, 0.5);
    EXPECT_EQ(defence->total, 23.0);

    // The shield's own values drive the use: a better shield, recalculated, gives more.
    shield->FindByKind(shield::kDefence)->wartosc = 11;
    (void)shield->Recalculate();
    (void)defence->Recalculate();
    EXPECT_EQ(defence->total, 25.0); // 11 · 2 + 3
}

// The skills step gathers the modifications of a skill into the memo this step reads.
// "Walka tarczą" at Zręczność 45: "+" 2 and 1 for every whole 10 above 30 on the defence:
// 2 + trunc((45 − 30) / 10) = 3, so 10 + 3 = 13; "-" 5 on the dexterity limit of 3, held
// to 3 − 1 = 2, so 1. A modification against an opponent is not gathered (it would add
// 100 to the defence).
TEST_F(ShieldTest, TheModificationsTheSkillsStepGathersChangeTheShield) {
    insert("umiejetnosci", {{"id", "u1"}, {"nazwa", "Walka tarczą"}});
    const auto modification = [this](const char* id, const char* base, const char* extra,
                                     const char* step, const char* above, const char* opponent,
                                     const char* target, const char* sign) {
        insert("modyfikacje", {{"id", id},
                               {"idumiejetnosc", "u1"},
                               {"zmianabaza", base},
                               {"zmianaextra", extra},
                               {"zmianaile", step},
                               {"zmianawsp", "ZR"},
                               {"zmianapelne", "T"},
                               {"zmianapowyzej", above},
                               {"zmianaprzeciwnik", opponent},
                               {"zmianazmiana", target},
                               {"zmianaznak", sign},
                               {"zmianawspprzeciwnik", "N"}});
    };
    modification("m1", "2", "1", "10", "30", "N", "OB.TAR", "+");
    modification("m2", "5", "0", "0", "0", "N", "OG.TAR.ZR", "-");
    modification("m3", "100", "0", "0", "0", "T", "OB.TAR", "+");
    CPoz& skills = top(kLinkUmiejetnosci);
    skills.wartosc = 1;
    // The flags: modifications, no chances, no declaration.
    skills.AddChild({.typ = skill::kRaceGroup})
        .AddChild({.info = "Walka tarczą",
                   .specjal = "u1",
                   .typ = skill::kSkill,
                   .wartosc = 1,
                   .memo = "T" + std::string(skillFlag::kCount - 1, 'N')});
    character->FindByKind(attributeSet()[member::kDexterity].entryKind)->wartosc = 45;
    character->RecalculateCharacter();
    CRdzenUmiejetnosci(context()).GatherModifications();
    ASSERT_EQ(skills.wartosc, 1);

    shieldRow("1", {{"ogrzr", "3"}, {"obrona", "10"}});
    CPoz* shield = addShield("1");
    CPoz& use = CRdzenTarcza(context()).ApplyShield(shields(), *shield, true, "CC#p");
    const CPoz* defence = nullptr;
    for (const CPoz* child : use.children())
        if (child->info == "Obrona")
            defence = child;
    ASSERT_NE(defence, nullptr);
    EXPECT_EQ(defence->total, 13.0);
    EXPECT_EQ(defence->FindByKind(shield::kAbilityAmount)->info, "Walka tarczą");
    EXPECT_EQ(use.FindByKind(shield::kUseDexterityLimit)->total, 1.0);
}

TEST_F(ShieldTest, ALinkedShieldGivesBonusMetalAndRangedDefenceThatGoWithItsUse) {
    shieldRow("1", {{"obrona", "6"}, {"bonus", "2"}, {"metal", "T"}});
    CPoz& body = top(kLinkCialo);
    CPoz& head = add(body, "Głowa", body::kPart, 0, "p1");
    add(head, "Obrona", body::kDefence, 0);
    add(head, "Obrona daleka", body::kRangedDefence, 0);
    CPoz& tail = add(body, "Ogon", body::kPart, 0, "p2"); // no "Obrona": no ranged part
    CPoz* shield = addShield("1");
    (void)CRdzenTarcza(context()).ApplyShield(shields(), *shield, true, "");

    for (int number : {7, 8, 10}) {
        const CPoz* part = resistance(number).FindByKind(shield::kResistanceBonus);
        ASSERT_NE(part, nullptr) << number;
        EXPECT_EQ(part->wartosc, 2);
        EXPECT_EQ(part->info, "Tarcza 1");
    }
    EXPECT_EQ(value(resistance(9), shield::kResistanceBonus), -10);
    const CPoz* ranged = head.FindByKind(body::kRangedDefence);
    ASSERT_NE(ranged, nullptr);
    ASSERT_NE(ranged->FindByKind(shield::kRangedDefence), nullptr);
    EXPECT_EQ(ranged->FindByKind(shield::kRangedDefence)->wartosc, 6);
    EXPECT_EQ(ranged->total, 6.0);
    EXPECT_EQ(tail.FindByKind(body::kRangedDefence), nullptr);

    // Taking the use away takes all of it away.
    shields().UsunAll();
    for (int number = 7; number <= 10; ++number)
        EXPECT_EQ(resistance(number).FindByKind(shield::kResistanceBonus), nullptr) << number;
    EXPECT_EQ(head.FindByKind(body::kRangedDefence)->FindByKind(shield::kRangedDefence), nullptr);
}

TEST_F(ShieldTest, AnUnlinkedUseChangesNothingOfTheCharacter) {
    shieldRow("1", {{"obrona", "6"}, {"bonus", "2"}, {"metal", "T"}});
    CPoz& body = top(kLinkCialo);
    CPoz& head = add(body, "Głowa", body::kPart, 0, "p1");
    add(head, "Obrona", body::kDefence, 0);
    CPoz* shield = addShield("1");
    CPoz shown(nullptr);
    CPoz& use = CRdzenTarcza(context()).ApplyShield(shown, *shield, false, "MR#p1");
    EXPECT_EQ(use.target(), nullptr);
    EXPECT_EQ(use.memo, "MR#p1");
    for (int number = 7; number <= 10; ++number)
        EXPECT_EQ(resistance(number).FindByKind(shield::kResistanceBonus), nullptr);
    EXPECT_EQ(head.FindByKind(body::kRangedDefence), nullptr);
    EXPECT_EQ(shields().size(), 0u);
}

} // namespace
} // namespace tallar
