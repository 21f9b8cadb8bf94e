#include "wizard/CWizard4.h"

#include "support/EngineFixture.h"
#include "wizard/CIstotaWizard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallar {
namespace {

using namespace kinds;

constexpr const char* kHuman = "r1";
constexpr const char* kGolem = "r2"; // abilities only

// Pages whose ability dialog types a roll, or is cancelled.
struct DialogPages : WizardPages {
    std::string roll = "42";
    bool ok = true;
    std::vector<CWizard4Ulomnosc::Kind> shown;

    bool showOrigin(CWizard1&) override { return true; }
    bool showBirthplace(CWizard2&) override { return true; }
    bool showProfessions(CWizard3&) override { return true; }
    bool showTradeRoll(CWizardZawod&) override { return false; }
    bool showAbility(CWizard4Ulomnosc& page) override {
        shown.push_back(page.kind());
        page.setRollText(roll);
        return ok && page.finish();
    }
    bool showWeapons(CWizard6&) override { return true; }
    bool showArmour(CWizard7&) override { return true; }
    bool showShield(CWizard8&) override { return true; }
    bool showPlacement(CWizard9&) override { return true; }
    void showCharacter(CIstota&) override {}
};

struct Abilities : ::testing::Test, test::EngineFixture {
    DialogPages pages;

    Abilities() {
        // Human disabilities: Kulawy 1-50, Ślepy 51-100 and the narrower Jąkała 40-45;
        // one ability, Jasnowidz 1-100. The golem has an ability alone.
        entry("d1", "ULOMNOSC", "Kulawy", "1", "50", kHuman);
        entry("d2", "ULOMNOSC", "Ślepy", "51", "100", kHuman);
        entry("d3", "ULOMNOSC", "Jąkała", "40", "45", kHuman);
        entry("z1", "ZDOLNOSC", "Jasnowidz", "1", "100", kHuman);
        entry("z2", "ZDOLNOSC", "Kamienny", "1", "100", kGolem);
        // Another race's disability is no human's.
        entry("d4", "ULOMNOSC", "Łamliwy", "1", "100", "r3");
    }
    void entry(const char* id, const char* kind, const char* name, const char* from, const char* to,
               const char* race) {
        insert("zdolnosci", {{"id", id}, {"typ", kind}, {"nazwa", name}, {"od", from}, {"do", to}});
        insert("rasyzdolnosci", {{"idrasa", race}, {"idzdolnosci", id}});
    }
    void ofRace(const char* race) {
        add(top(kLinkDodatkoweInformacje), "Rasa", info::kAppearance, 0, race);
    }
    int run(bool askRolls, DiceGenerator* generator = nullptr) {
        return CWizard4(*rules.db, *character, {askRolls, &port, generator}, port, pages).Run();
    }
    void queue(std::initializer_list<int> faces) {
        for (int face : faces)
            port.queueDie(face);
    }
    std::vector<std::string> listed(int link) {
        std::vector<std::string> found;
        for (const CPoz* child : top(link).children())
            found.push_back(child->info);
        return found;
    }
};

TEST_F(Abilities, FallingThresholdsCountTheDisabilities) {
    ofRace(kHuman);
    // 20 ≤ 20, 15 ≤ 15, 10 ≤ 10, 5 ≤ 5, then 6 > 5: four disabilities. The ability: 11 > 10.
    queue({20, 15, 10, 5, 6, 11});
    EXPECT_EQ(run(true), 1);
    EXPECT_EQ(port.diePrompts(),
              (std::vector<std::string>{
                  "Czy postać ma ułomność? K100", "Czy postać ma 2 ułomności? K100",
                  "Czy postać ma 3 ułomności? K100", "Czy postać ma 4 ułomności? K100",
                  "Czy postać ma 5 ułomności? K100", "Czy postać ma zdolność nadnaturalną? K100"}));
    // Each found by its dialog: 42 lies in Kulawy and Jąkała; the narrower wins.
    ASSERT_EQ(pages.shown.size(), 4u);
    EXPECT_EQ(pages.shown.front(), CWizard4Ulomnosc::kDisability);
    EXPECT_EQ(listed(kLinkUlomnosci),
              (std::vector<std::string>{"Jąkała", "Jąkała", "Jąkała", "Jąkała"}));
    const CPoz* first = top(kLinkUlomnosci).front();
    EXPECT_EQ(first->typ, ability::kDisability);
    EXPECT_EQ(first->specjal, "d3");
    EXPECT_TRUE(top(kLinkZdolnosci).empty());
}

TEST_F(Abilities, AFirstRollAboveTheThresholdGivesNone) {
    ofRace(kHuman);
    // 21 > 20: no disability. Abilities: 10 ≤ 10, then 6 > 5: one.
    queue({21, 10, 6});
    pages.roll = "77";
    EXPECT_EQ(run(true), 1);
    EXPECT_TRUE(top(kLinkUlomnosci).empty());
    EXPECT_EQ(pages.shown, std::vector<CWizard4Ulomnosc::Kind>{CWizard4Ulomnosc::kAbility});
    ASSERT_EQ(listed(kLinkZdolnosci), std::vector<std::string>{"Jasnowidz"});
    EXPECT_EQ(top(kLinkZdolnosci).front()->typ, ability::kAbility);
    EXPECT_EQ(port.diePrompts().back(), "Czy postać ma 2 zdolności nadnaturalne? K100");
}

TEST_F(Abilities, ARaceWithoutDisabilitiesRollsNoneOfThem) {
    ofRace(kGolem);
    queue({100});
    EXPECT_EQ(run(true), 1);
    EXPECT_EQ(port.diePrompts(),
              std::vector<std::string>{"Czy postać ma zdolność nadnaturalną? K100"});
}

TEST_F(Abilities, ACancelledDialogEndsTheStep) {
    ofRace(kHuman);
    queue({1, 100});
    pages.ok = false;
    EXPECT_EQ(run(true), 0);
    EXPECT_TRUE(top(kLinkUlomnosci).empty());
    // The abilities are not decided.
    EXPECT_EQ(port.diePrompts().size(), 2u);
}

TEST_F(Abilities, AutomaticRollsFindThemWithoutTheDialog) {
    // Over many characters some get disabilities, every one of the human table.
    int found = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        character = std::make_unique<CIstota>(*characters.db);
        ofRace(kHuman);
        DiceGenerator generator(seed);
        ASSERT_EQ(run(false, &generator), 1);
        for (const CPoz* disability : top(kLinkUlomnosci).children()) {
            EXPECT_TRUE(disability->specjal == "d1" || disability->specjal == "d2" ||
                        disability->specjal == "d3")
                << disability->specjal;
            ++found;
        }
    }
    EXPECT_GT(found, 0);
    EXPECT_TRUE(pages.shown.empty());
    EXPECT_TRUE(port.diePrompts().empty());
}

TEST_F(Abilities, TheDialogLooksUpItsRoll) {
    ofRace(kHuman);
    CWizard4Ulomnosc dialog(*rules.db, *character, CWizard4Ulomnosc::kDisability, port);
    EXPECT_STREQ(dialog.caption(), "Ułomność");
    EXPECT_STREQ(dialog.label(), "Ułomność:");
    // Empty: white, but OK waits for a roll.
    EXPECT_FALSE(dialog.rollInvalid());
    EXPECT_TRUE(dialog.missingReason().has_value());
    EXPECT_FALSE(dialog.finish());
    dialog.setRollText("0");
    EXPECT_TRUE(dialog.rollInvalid());
    dialog.setRollText("101");
    EXPECT_TRUE(dialog.rollInvalid());
    EXPECT_EQ(dialog.foundName(), "");
    dialog.setRollText("7");
    EXPECT_FALSE(dialog.rollInvalid());
    EXPECT_EQ(dialog.foundName(), "Kulawy");
    dialog.setRollText("45"); // the narrower range's last roll
    EXPECT_EQ(dialog.foundName(), "Jąkała");
    dialog.setRollText("51");
    EXPECT_EQ(dialog.foundName(), "Ślepy");
    ASSERT_TRUE(dialog.finish());
    EXPECT_EQ(listed(kLinkUlomnosci), std::vector<std::string>{"Ślepy"});

    CWizard4Ulomnosc ability(*rules.db, *character, CWizard4Ulomnosc::kAbility, port);
    EXPECT_STREQ(ability.caption(), "Zdolność nadnaturalna");
    EXPECT_STREQ(ability.label(), "Nazwa:");
    ability.roll();
    EXPECT_EQ(ability.rollText().size(), 3u);
    EXPECT_EQ(ability.foundName(), "Jasnowidz");
}

TEST_F(Abilities, ARollNoRangeHoldsAddsNothing) {
    ofRace(kHuman);
    ASSERT_TRUE(rules.db->exec("UPDATE zdolnosci SET do='60' WHERE id='d2';").ok());
    CWizard4Ulomnosc dialog(*rules.db, *character, CWizard4Ulomnosc::kDisability, port);
    dialog.setRollText("90");
    EXPECT_EQ(dialog.foundId(), "");
    EXPECT_TRUE(dialog.finish()); // OK closes the dialog
    EXPECT_TRUE(top(kLinkUlomnosci).empty());
}

} // namespace
} // namespace tallar
