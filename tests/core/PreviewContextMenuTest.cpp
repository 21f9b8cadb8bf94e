#include "model/Character.h"
#include "model/Kinds.h"
#include "preview/ContextCommands.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace tallar {

// How a failed expectation shows the commands.
void PrintTo(const EntryCommands& c, std::ostream* out) {
    *out << "{Modyfikacja " << c.modify << ", Dodaj " << c.add << ", Usuń " << c.remove << "}";
}

namespace {

using namespace kinds;

constexpr int racialVitality = perMember::kRacial[member::kVitality];
constexpr int racialResistance1 = perMember::kRacial[member::kResistance1];
constexpr int passageVitality = perMember::kPassageAmount[member::kVitality];

constexpr EntryCommands kNone{};
constexpr EntryCommands kAdd{.add = true};
constexpr EntryCommands kModify{.modify = true};
constexpr EntryCommands kModifyAdd{.modify = true, .add = true};
constexpr EntryCommands kModifyRemove{.modify = true, .remove = true};
constexpr EntryCommands kAll{.modify = true, .add = true, .remove = true};

// A character with the skeleton, to hang one entry per rule in the places the rules look at.
struct ContextMenu : ::testing::Test {
    test::TestDatabase db;
    CIstota hero{*db.db};

    CPoz& top(int link) { return *hero.link(link); }
    CPoz& child(CPoz& parent, int kind) { return *parent.FindByKind(kind); }
    CPoz& add(CPoz& parent, int kind, std::string_view info = "wpis") {
        return parent.AddChild({.info = std::string(info), .typ = kind, .wartosc = 1});
    }
    CPoz& carried() { return child(top(kLinkEkwipunek), equipment::kCarried); }
    CPoz& combatWeapons() { return child(top(kLinkWalka), top::kCombatWeapons); }
};

TEST_F(ContextMenu, Rule1FixedEntriesOnlyTakeAdditions) {
    EXPECT_EQ(contextCommands(top(kLinkZywotnosc)), kAdd);      // 40965, an attribute
    EXPECT_EQ(contextCommands(top(kLinkOdpornosc1 + 9)), kAdd); // 12549, "Odporność nr.10"
    EXPECT_EQ(contextCommands(top(kLinkEkwipunek)), kAdd);      // 880
    // A place of "Majątek".
    EXPECT_EQ(contextCommands(child(top(kLinkMajatek), money::kEstate)), kAdd);
    // The kind decides, wherever the entry lies: even under "Walka".
    EXPECT_EQ(contextCommands(add(top(kLinkWalka), preview::kOlderShieldProperty22929)), kAdd);
}

TEST_F(ContextMenu, Rule2FixedValuesCanOnlyBeChanged) {
    EXPECT_EQ(contextCommands(top(kLinkWalka)), kModify); // 608, "Walka" itself
    EXPECT_EQ(contextCommands(add(top(kLinkDodatkoweInformacje), info::kAge, "WIEK")), kModify);
    // A flag, even under "przy sobie".
    EXPECT_EQ(contextCommands(add(carried(), weapon::kSecondary)), kModify);
}

TEST_F(ContextMenu, Rules3To5ProficienciesItemsAndWeights) {
    // Rule 3: a proficiency can be changed and takes additions.
    EXPECT_EQ(contextCommands(add(top(kLinkBieglosci), proficiency::kProficiency)), kModifyAdd);
    // Rule 4: an item anywhere can be changed and removed.
    CPoz& item = add(carried(), equipment::kItem);
    EXPECT_EQ(contextCommands(item), kModifyRemove);
    // Rule 5: a weight below "Obciążenie" has no menu; elsewhere it can only be changed.
    EXPECT_EQ(contextCommands(add(top(kLinkObciazenie), equipment::kWeight)), kNone);
    EXPECT_EQ(contextCommands(add(item, equipment::kWeight)), kModify);
}

TEST_F(ContextMenu, Rule6CarriedThingsDependOnWhereTheyLie) {
    EXPECT_EQ(contextCommands(add(combatWeapons(), weapon::kWeapon)), kNone);   // under "Walka"
    EXPECT_EQ(contextCommands(add(carried(), shield::kShield)), kModifyRemove); // "przy sobie"
    CPoz& home = child(top(kLinkEkwipunek), equipment::kAtHome);                // "w domu"
    EXPECT_EQ(contextCommands(add(home, armour::kArmour)), kAll);
    // "przy sobie" of "Majątek" (1916) is not the carried equipment (1104).
    EXPECT_EQ(contextCommands(add(child(top(kLinkMajatek), money::kAtHand), armour::kElement)),
              kAll);
}

TEST_F(ContextMenu, Rule7PlainValuesAndMoneyAreClosedOnlyUnderCombat) {
    EXPECT_EQ(contextCommands(add(combatWeapons(), kInteger)), kNone);
    EXPECT_EQ(contextCommands(add(top(kLinkWalka), money::kMoney)), kNone);
    EXPECT_EQ(contextCommands(add(child(top(kLinkMajatek), money::kInBank), money::kMoney)), kAll);
    // Under "Obciążenie" rule 7 still gives everything: only rule 8 closes it there.
    EXPECT_EQ(contextCommands(add(top(kLinkObciazenie), kPercent)), kAll);
}

TEST_F(ContextMenu, Rule8OtherValuesByTheirPlace) {
    // "Rasowa" of Żywotność (14593) has value kind 1, a passage's amount of Żywotność (4867)
    // value kind 3, "Rasowa" of "Odporność nr.1" (17297) value kind 1.
    EXPECT_EQ(contextCommands(add(top(kLinkZywotnosc), racialVitality)), kAll);
    EXPECT_EQ(contextCommands(add(top(kLinkObciazenie), racialVitality)), kNone);
    EXPECT_EQ(contextCommands(add(combatWeapons(), passageVitality)), kNone);
    EXPECT_EQ(contextCommands(add(add(top(kLinkUmiejetnosci), skill::kSkill), passageVitality)),
              kNone);
    CPoz& appearance = add(top(kLinkDodatkoweInformacje), 256);
    // Rule 2 comes first.
    EXPECT_EQ(contextCommands(add(appearance, stage::kWeight, "Waga [kg]")), kModify);
    EXPECT_EQ(contextCommands(add(appearance, racialResistance1)), kNone);
    EXPECT_EQ(
        contextCommands(add(child(top(kLinkEkwipunek), equipment::kSaddlebags), racialResistance1)),
        kModify);
    // A game date (value kind 8) counts as a plain value.
    EXPECT_EQ(contextCommands(add(top(kLinkUlomnosci), kDate)), kAll);
    EXPECT_EQ(contextCommands(add(top(kLinkWalka), kDate)), kNone);
}

TEST_F(ContextMenu, Rule9EverythingElseHasNoMenu) {
    EXPECT_EQ(contextCommands(top(kLinkProfesje)), kNone);                // 400, value kind 0
    EXPECT_EQ(contextCommands(add(top(kLinkCialo), body::kPart)), kNone); // a body part
    EXPECT_EQ(contextCommands(add(top(kLinkCzary), kText)), kNone);       // a text
    // The reference under "Zręczność aktualna" (1833, value kind 9).
    EXPECT_EQ(contextCommands(*top(kLinkZrecznoscAktualna).front()), kNone);
}

TEST_F(ContextMenu, EditorsAndAddersByKind) {
    EXPECT_EQ(editorFor(add(carried(), weapon::kSecondary)), EntryEditor::YesNo);
    EXPECT_EQ(editorFor(add(top(kLinkMajatek), money::kMoney)), EntryEditor::Money);
    EXPECT_EQ(editorFor(add(carried(), equipment::kItem)), EntryEditor::Item);
    EXPECT_EQ(editorFor(add(carried(), armour::kElement)), EntryEditor::Text);
    EXPECT_EQ(editorFor(add(top(kLinkBieglosci), proficiency::kProficiency)),
              EntryEditor::Proficiency);
    EXPECT_EQ(editorFor(top(kLinkWalka)), EntryEditor::Placement);
    EXPECT_EQ(editorFor(add(carried(), weapon::kWeapon)), EntryEditor::Generic);

    EXPECT_EQ(adderFor(top(kLinkUmiejetnosci)), EntryAdder::Skill);
    EXPECT_EQ(adderFor(top(kLinkBieglosci)), EntryAdder::Weapons);
    EXPECT_EQ(adderFor(top(kLinkEkwipunek)), EntryAdder::Equipment);
    EXPECT_EQ(adderFor(child(top(kLinkMajatek), money::kAtSeat)), EntryAdder::Money);
    EXPECT_EQ(adderFor(add(top(kLinkMajatek), money::kMoney)), EntryAdder::Money);
    EXPECT_EQ(adderFor(top(kLinkWiara)), EntryAdder::Generic);
}

} // namespace
} // namespace tallar
