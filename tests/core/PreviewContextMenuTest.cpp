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
    CPoz& carried() { return child(top(kLinkEkwipunek), 1104); }
    CPoz& combatWeapons() { return child(top(kLinkWalka), 1296); }
};

TEST_F(ContextMenu, Rule1FixedEntriesOnlyTakeAdditions) {
    EXPECT_EQ(contextCommands(top(kLinkZywotnosc)), kAdd);            // 40965, an attribute
    EXPECT_EQ(contextCommands(top(kLinkOdpornosc1 + 9)), kAdd);       // 12549, "Odporność nr.10"
    EXPECT_EQ(contextCommands(top(kLinkEkwipunek)), kAdd);            // 880
    EXPECT_EQ(contextCommands(child(top(kLinkMajatek), 2060)), kAdd); // a place of "Majątek"
    // The kind decides, wherever the entry lies: even under "Walka".
    EXPECT_EQ(contextCommands(add(top(kLinkWalka), 22929)), kAdd);
}

TEST_F(ContextMenu, Rule2FixedValuesCanOnlyBeChanged) {
    EXPECT_EQ(contextCommands(top(kLinkWalka)), kModify); // 608, "Walka" itself
    EXPECT_EQ(contextCommands(add(top(kLinkDodatkoweInformacje), 337, "WIEK")), kModify);
    EXPECT_EQ(contextCommands(add(carried(), 21812)), kModify); // a flag, even under "przy sobie"
}

TEST_F(ContextMenu, Rules3To5ProficienciesItemsAndWeights) {
    // Rule 3: a proficiency can be changed and takes additions.
    EXPECT_EQ(contextCommands(add(top(kLinkBieglosci), 1573)), kModifyAdd);
    // Rule 4: an item anywhere can be changed and removed.
    CPoz& item = add(carried(), 2417);
    EXPECT_EQ(contextCommands(item), kModifyRemove);
    // Rule 5: a weight below "Obciążenie" has no menu; elsewhere it can only be changed.
    EXPECT_EQ(contextCommands(add(top(kLinkObciazenie), 1169)), kNone);
    EXPECT_EQ(contextCommands(add(item, 1169)), kModify);
}

TEST_F(ContextMenu, Rule6CarriedThingsDependOnWhereTheyLie) {
    EXPECT_EQ(contextCommands(add(combatWeapons(), 21024)), kNone);   // under "Walka"
    EXPECT_EQ(contextCommands(add(carried(), 22592)), kModifyRemove); // under "przy sobie"
    CPoz& home = child(top(kLinkEkwipunek), 1136);                    // "w domu"
    EXPECT_EQ(contextCommands(add(home, 22016)), kAll);
    // "przy sobie" of "Majątek" (1916) is not the carried equipment (1104).
    EXPECT_EQ(contextCommands(add(child(top(kLinkMajatek), 1916), 22032)), kAll);
}

TEST_F(ContextMenu, Rule7PlainValuesAndMoneyAreClosedOnlyUnderCombat) {
    EXPECT_EQ(contextCommands(add(combatWeapons(), 1)), kNone);
    EXPECT_EQ(contextCommands(add(top(kLinkWalka), 12)), kNone);
    EXPECT_EQ(contextCommands(add(child(top(kLinkMajatek), 1932), 12)), kAll);
    // Under "Obciążenie" rule 7 still gives everything: only rule 8 closes it there.
    EXPECT_EQ(contextCommands(add(top(kLinkObciazenie), 2)), kAll);
}

TEST_F(ContextMenu, Rule8OtherValuesByTheirPlace) {
    // 14593 ("Rasowa" of Żywotność) has value kind 1; 4867 value kind 3; 17297 value kind 1.
    EXPECT_EQ(contextCommands(add(top(kLinkZywotnosc), 14593)), kAll);
    EXPECT_EQ(contextCommands(add(top(kLinkObciazenie), 14593)), kNone);
    EXPECT_EQ(contextCommands(add(combatWeapons(), 4867)), kNone);
    EXPECT_EQ(contextCommands(add(add(top(kLinkUmiejetnosci), 25488), 4867)), kNone);
    CPoz& appearance = add(top(kLinkDodatkoweInformacje), 256);
    EXPECT_EQ(contextCommands(add(appearance, 577, "Waga [kg]")), kModify); // rule 2 first
    EXPECT_EQ(contextCommands(add(appearance, 17297)), kNone);
    EXPECT_EQ(contextCommands(add(child(top(kLinkEkwipunek), 1120), 17297)), kModify);
    // A game date (value kind 8) counts as a plain value.
    EXPECT_EQ(contextCommands(add(top(kLinkUlomnosci), 8)), kAll);
    EXPECT_EQ(contextCommands(add(top(kLinkWalka), 8)), kNone);
}

TEST_F(ContextMenu, Rule9EverythingElseHasNoMenu) {
    EXPECT_EQ(contextCommands(top(kLinkProfesje)), kNone);         // 400, value kind 0
    EXPECT_EQ(contextCommands(add(top(kLinkCialo), 4096)), kNone); // a body part
    EXPECT_EQ(contextCommands(add(top(kLinkCzary), 7)), kNone);    // a text
    // The reference under "Zręczność aktualna" (1833, value kind 9).
    EXPECT_EQ(contextCommands(*top(kLinkZrecznoscAktualna).front()), kNone);
}

TEST_F(ContextMenu, EditorsAndAddersByKind) {
    EXPECT_EQ(editorFor(add(carried(), 21812)), EntryEditor::YesNo);
    EXPECT_EQ(editorFor(add(top(kLinkMajatek), 12)), EntryEditor::Money);
    EXPECT_EQ(editorFor(add(carried(), 2417)), EntryEditor::Item);
    EXPECT_EQ(editorFor(add(carried(), 22032)), EntryEditor::Text);
    EXPECT_EQ(editorFor(add(top(kLinkBieglosci), 1573)), EntryEditor::Proficiency);
    EXPECT_EQ(editorFor(top(kLinkWalka)), EntryEditor::Placement);
    EXPECT_EQ(editorFor(add(carried(), 21024)), EntryEditor::Generic);

    EXPECT_EQ(adderFor(top(kLinkUmiejetnosci)), EntryAdder::Skill);
    EXPECT_EQ(adderFor(top(kLinkBieglosci)), EntryAdder::Weapons);
    EXPECT_EQ(adderFor(top(kLinkEkwipunek)), EntryAdder::Equipment);
    EXPECT_EQ(adderFor(child(top(kLinkMajatek), 1948)), EntryAdder::Money);
    EXPECT_EQ(adderFor(add(top(kLinkMajatek), 12)), EntryAdder::Money);
    EXPECT_EQ(adderFor(top(kLinkWiara)), EntryAdder::Generic);
}

} // namespace
} // namespace tallar
