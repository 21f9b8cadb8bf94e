#include "rules/engine/CRdzenZbroja.h"

#include "model/Character.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

using namespace kinds;

// An element of the given layer with the given absorption factor, piercing and defence.
ArmourElement element(int layer, int factor, int piercing, int defence = 0) {
    ArmourElement e;
    e.layer = layer;
    e.absorptionFactor = factor;
    e.piercing = piercing;
    e.defence = defence;
    return e;
}

TEST(ArmourLayering, AnElementOneLayerBelowIsDividedByTheOneOverIt) {
    ArmourLayering layering;
    // Outermost first: 4, then round(5 / 2) = round(2.5) = 3 → 7.
    layering.add("p", "Tułów", false, element(2, 2, 4));
    layering.add("p", "Tułów", false, element(1, 1, 5));
    ASSERT_EQ(layering.parts().size(), 1u);
    EXPECT_EQ(layering.parts()[0].piercing, 7);
}

TEST(ArmourLayering, ALayerBetweenMissingLeavesTheInnerUndivided) {
    ArmourLayering layering;
    // Layers 3 and 1: 4 + 5 = 9, the 1/2 of layer 3 acts only on layer 2.
    layering.add("p", "Tułów", false, element(3, 2, 4));
    layering.add("p", "Tułów", false, element(1, 1, 5));
    EXPECT_EQ(layering.parts()[0].piercing, 9);
}

TEST(ArmourLayering, IncreasesRaiseTheLimitsOfTheLayerBelowAndTheLargestCounts) {
    ArmourLayering layering;
    ArmourElement outer = element(2, 1, 0);
    outer.dexterityIncrease = 1;
    outer.speedIncrease = 2;
    ArmourElement inner = element(1, 1, 0);
    inner.dexterityLimit = 2;
    inner.speedLimit = 1;
    layering.add("p", "Tułów", false, outer);
    layering.add("p", "Tułów", false, inner);
    // 2 + 1 = 3 for dexterity, 1 + 2 = 3 for speed; the limits do not add across parts.
    EXPECT_EQ(layering.dexterityLimit(), 3);
    EXPECT_EQ(layering.speedLimit(), 3);
    ArmourElement alone = element(1, 1, 0);
    alone.dexterityLimit = 2;
    layering.add("q", "Głowa", false, alone); // a new part: nothing over it
    EXPECT_EQ(layering.dexterityLimit(), 3);
    EXPECT_EQ(layering.parts().size(), 2u);
}

TEST(ArmourLayering, TheDefaultPartsProtectionIsTheArmours) {
    ArmourLayering layering;
    layering.add("d", "Tułów", true, element(1, 1, 3, 2));
    layering.add("h", "Głowa", false, element(1, 1, 9, 9));
    EXPECT_EQ(layering.armourProtection().piercing, 3);
    EXPECT_EQ(layering.armourProtection().defence, 2);
}

struct ArmourTest : ::testing::Test, test::EngineFixture {
    CPoz* torso = nullptr;
    CPoz* head = nullptr;
    CPoz* arm = nullptr;

    ArmourTest() {
        CPoz& body = top(kLinkCialo);
        // The default location of blows has the modifier 1.0; a holding limb a value.
        torso = &body.AddChild({.info = "Tułów",
                                .specjal = "sT",
                                .typ = body::kPart,
                                .modyfikator = 1.0,
                                .memo = "defT"});
        head =
            &body.AddChild({.info = "Głowa", .specjal = "sG", .typ = body::kPart, .memo = "defG"});
        arm = &body.AddChild(
            {.info = "Ręka", .specjal = "sR", .typ = body::kPart, .wartosc = 1, .memo = "defR"});
    }
    void elementRow(const std::string& id, const std::string& name, Columns columns,
                    const std::vector<std::string>& parts) {
        columns.insert(columns.begin(), {{"id", id}, {"nazwa", name}});
        insert("elementzbroi", columns);
        for (const std::string& part : parts)
            insert("elemzrcialo", {{"idelemzbr", id}, {"idcialo", part}});
    }
    void armourRow(const std::string& id, const std::vector<std::string>& elements) {
        insert("zbroja", {{"id", id}, {"nazwa", "Zbroja " + id}});
        for (const std::string& e : elements)
            insert("zbrojaelem", {{"idzbroi", id}, {"idelemzbr", e}});
    }
    CPoz& worn() { return *top(kLinkWalka).FindByKind(top::kCombatArmour); }
    static int value(const CPoz& parent, int kind) {
        const CPoz* child = parent.FindByKind(kind);
        return child ? child->wartosc : -1;
    }
    // A two-layer armour: a metal outer element (layer 2, 1/2 for the layer below, bonus 1)
    // on the torso, an inner one (layer 1) on the torso and the head.
    CPoz* twoLayers() {
        elementRow("out", "Napierśnik",
                   {{"warstwa", "2"},
                    {"wspwypiob", "2"},
                    {"wypkl", "4"},
                    {"obrona", "2"},
                    {"bonus", "1"},
                    {"metal", "T"},
                    {"ogrzr", "2"},
                    {"waga", "10"}},
                   {"defT"});
        elementRow("in", "Przeszywanica", {{"warstwa", "1"}, {"wypkl", "5"}, {"obrona", "3"}},
                   {"defT", "defG"});
        armourRow("A", {"out", "in"});
        return CRdzenZbroja(context()).AddArmourEntry("A");
    }
};

TEST_F(ArmourTest, AnArmourEntryHoldsItsElementsFromTheLowestLayerUp) {
    elementRow("e3", "Hełm", {{"warstwa", "3"}, {"ogrzr", "0"}, {"ogrsz", "2"}}, {});
    elementRow("e1b", "Spodnie", {{"warstwa", "1"}, {"ogrzr", ""}, {"metal", "N"}}, {});
    elementRow("e1a", "Koszula", {{"warstwa", "1"}, {"ogrzr", "-1"}, {"wypkl", "3"}}, {});
    armourRow("A", {"e3", "e1b", "e1a"});
    CPoz* armourEntry = CRdzenZbroja(context()).AddArmourEntry("A");
    ASSERT_NE(armourEntry, nullptr);
    EXPECT_EQ(armourEntry->info, "Zbroja A");
    EXPECT_EQ(armourEntry->specjal, "A");
    std::vector<std::string> order;
    for (const CPoz* e : armourEntry->children())
        order.push_back(e->info + "/" + std::to_string(e->wartosc));
    // By layer, then by name within a layer.
    EXPECT_EQ(order, (std::vector<std::string>{"Koszula/1", "Spodnie/1", "Hełm/3"}));
    for (const CPoz* e : armourEntry->children()) {
        // Limits of 0, empty or negative are 1; zeros leave no child; no metal, no child.
        EXPECT_EQ(value(*e, armour::kDexterityLimit), 1) << e->info;
        EXPECT_EQ(value(*e, armour::kMetal), -1) << e->info;
        EXPECT_EQ(value(*e, armour::kDefence), -1) << e->info;
        EXPECT_EQ(value(*e, armour::kAbsorptionFactor), 1) << e->info;
    }
    const ArmourElement helmet = CRdzenZbroja::ReadArmourElement(*armourEntry->children().back());
    EXPECT_EQ(helmet.layer, 3);
    EXPECT_EQ(helmet.speedLimit, 2);
    EXPECT_EQ(CRdzenZbroja::ReadArmourElement(*armourEntry->children().front()).piercing, 3);
    EXPECT_EQ(CRdzenZbroja(context()).AddArmourEntry("nothing"), nullptr);
}

TEST_F(ArmourTest, AWornArmourProtectsEachBodyPartLayerByLayer) {
    CPoz* armourEntry = twoLayers();
    ASSERT_NE(armourEntry, nullptr);
    CRdzenZbroja(context()).ApplyArmour(*armourEntry);

    ASSERT_EQ(worn().size(), 1u);
    CPoz& use = *worn().children().front();
    EXPECT_EQ(use.target(), armourEntry);
    EXPECT_EQ(use.info, "Zbroja A");
    EXPECT_EQ(value(use, armour::kUseDexterityLimit), 2);
    EXPECT_EQ(value(use, armour::kUseSpeedLimit), 1);
    // Torso: the outer 4 piercing and 2 defence, then the inner divided by 2:
    // round(5/2) = 3 and round(3/2) = 2 → piercing 7, defence 4.
    EXPECT_EQ(value(*torso, armour::kPartPiercing), 7);
    EXPECT_EQ(value(*torso, armour::kPartDefence), 4);
    EXPECT_EQ(value(*torso, armour::kPartCutting), 0);
    EXPECT_EQ(torso->FindByKind(armour::kPartPiercing)->info, "Zbroja A");
    // Head: the inner element alone.
    EXPECT_EQ(value(*head, armour::kPartPiercing), 5);
    EXPECT_EQ(value(*head, armour::kPartDefence), 3);
    EXPECT_NE(head->FindByKind(body::kRangedDefence), nullptr);
    // The arm is not covered.
    EXPECT_EQ(arm->FindByKind(armour::kPartPiercing), nullptr);
    // Bonus 1 to resistances 7, 8, 10; metal −10 to 9.
    for (int number : {7, 8, 10})
        EXPECT_EQ(value(top(kLinkOdpornosc1 + number - 1), armour::kResistanceBonus), 1);
    EXPECT_EQ(value(top(kLinkOdpornosc1 + 8), armour::kResistanceBonus), -10);

    // Taken off, nothing of it stays; worn again, it counts once.
    worn().UsunAll();
    EXPECT_EQ(torso->FindByKind(armour::kPartPiercing), nullptr);
    EXPECT_EQ(top(kLinkOdpornosc1 + 8).FindByKind(armour::kResistanceBonus), nullptr);
    CRdzenZbroja(context()).ApplyArmour(*armourEntry);
    CRdzenZbroja(context()).ApplyArmour(*armourEntry);
    const auto pieces = [this] {
        int n = 0;
        for (const CPoz* child : torso->children())
            n += child->typ == armour::kPartPiercing ? 1 : 0;
        return n;
    };
    EXPECT_EQ(pieces(), 2); // one per use
    worn().UsunAll();
    EXPECT_EQ(pieces(), 0);
}

TEST_F(ArmourTest, ASummaryShowsTheArmourAndChangesNothing) {
    CPoz* armourEntry = twoLayers();
    CPoz summary(nullptr);
    CRdzenZbroja(context()).ApplyArmour(*armourEntry, &summary);
    EXPECT_EQ(worn().size(), 0u);
    EXPECT_EQ(torso->FindByKind(armour::kPartPiercing), nullptr);
    EXPECT_EQ(top(kLinkOdpornosc1 + 8).FindByKind(armour::kResistanceBonus), nullptr);
    // Two parts (torso first: the default location), the two limits, then the armour's
    // own protection: the torso's.
    std::vector<std::string> labels;
    for (const CPoz* child : summary.children())
        labels.push_back(child->info);
    EXPECT_EQ(labels,
              (std::vector<std::string>{"Tułów", "Głowa", "Ograniczenia zręczności 1/",
                                        "Ograniczenia szybkości 1/", "Obrona", "Wyparowania kłute",
                                        "Wyparowania obuchowe", "Wyparowania tnące"}));
    EXPECT_EQ(value(*summary.children().front(), armour::kPartPiercing), 7);
    EXPECT_EQ(value(summary, armour::kPartPiercing), 7);
    EXPECT_EQ(value(summary, armour::kUseDexterityLimit), 2);
}

struct LimitsTest : ArmourTest {
    CPoz& current() { return top(kLinkZrecznoscAktualna); }
    const CPoz* dexterityLimit() {
        return current()
            .FindByKind(attribute::kDexterityReference)
            ->FindByKind(attribute::kDexterityLimit);
    }
    const CPoz* speedLimit() {
        return top(kLinkSzybkoscAktualna)
            .FindByKind(attribute::kSpeedReference)
            ->FindByKind(attribute::kSpeedLimit);
    }
    void use(int list, int kind, int dexterityKind, int speedKind, int dexterity, int speed) {
        CPoz& made = top(kLinkWalka).FindByKind(list)->AddChild({.info = "u", .typ = kind});
        made.AddChild({.info = "z", .typ = dexterityKind, .wartosc = dexterity});
        made.AddChild({.info = "s", .typ = speedKind, .wartosc = speed});
    }
};

TEST_F(LimitsTest, TheMostRestrictiveLimitCountsNotTheirProduct) {
    CPoz& dexterity = top(kLinkZrecznosc);
    dexterity.AddChild(
        {.info = "Rasowa", .typ = perMember::kRacial[member::kDexterity], .wartosc = 30});
    character->RecalculateCharacter();
    // A shield of 1/2 and an armour of 1/3: 1/3, not 1/6.
    use(top::kCombatShields, shield::kShield, shield::kUseDexterityLimit, shield::kUseSpeedLimit, 2,
        1);
    use(top::kCombatArmour, armour::kArmour, armour::kUseDexterityLimit, armour::kUseSpeedLimit, 3,
        1);
    LimitDivisors divisors;
    CRdzenZbroja(context()).CurrentLimits(&divisors);
    EXPECT_EQ(divisors.dexterity, 3);
    EXPECT_EQ(divisors.speed, 1);
    EXPECT_EQ(dexterityLimit(), nullptr); // only returned

    CRdzenZbroja(context()).CurrentLimits();
    ASSERT_NE(dexterityLimit(), nullptr);
    EXPECT_DOUBLE_EQ(dexterityLimit()->modyfikator, 0.33);
    EXPECT_EQ(dexterityLimit()->info, "Ograniczenia zręczności");
    EXPECT_EQ(speedLimit(), nullptr); // 1/1 is no limit
    // 30 · 0.33 = 9.9 → 10.
    EXPECT_EQ(current().total, 10.0);
}

TEST_F(LimitsTest, TheSkinLimitsAndNoLimitsRemoveAnEarlierOne) {
    CPoz* look = &add(top(kLinkDodatkoweInformacje), "Rasa", info::kAppearance, 0);
    CPoz* stageEntry = &add(*look, "Stadium", stage::kStage, 0);
    CPoz* skin = &add(*stageEntry, "Skóra", stage::kSkin, 0);
    // The skin's speed limit is the largest of its passages: 4.
    CPoz& speed = add(*skin, "Ograniczenia szybkości 1/", stage::kSkinSpeedLimit, 4);
    add(speed, "p1", stage::kSpeedLimit, 2);
    add(speed, "p2", stage::kSpeedLimit, 4);
    CRdzenZbroja(context()).CurrentLimits();
    ASSERT_NE(speedLimit(), nullptr);
    EXPECT_DOUBLE_EQ(speedLimit()->modyfikator, 0.25);
    EXPECT_EQ(dexterityLimit(), nullptr);

    look->UsunAll();
    CRdzenZbroja(context()).CurrentLimits();
    EXPECT_EQ(speedLimit(), nullptr);
    EXPECT_EQ(dexterityLimit(), nullptr);
}

} // namespace
} // namespace tallar
