#include "store/CharacterStore.h"
#include "support/RulesFixture.h"
#include "support/WeaponsPageScript.h"
#include "support/WizardFixture.h"
#include "wizard/CIstotaWizard.h"
#include "wizard/CWizard1.h"
#include "wizard/CWizard2.h"
#include "wizard/CWizard3.h"
#include "wizard/CWizard4.h"
#include "wizard/CWizard7.h"
#include "wizard/CWizard8.h"
#include "wizard/CWizard9.h"
#include "wizard/CWizardZawod.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

namespace tallar {
namespace {

// Pages that fill page 1 as a person would and answer as told.
struct ScriptedPages : WizardPages {
    bool originOk = true;
    bool birthplaceOk = true;
    bool professionsOk = true;
    bool abilityOk = true;
    int professionsShown = 0;
    int abilitiesShown = 0;
    bool armourOk = true;
    std::optional<std::string> wantedArmour, wantedShield;
    std::function<void(CWizard9&)> placement;
    int armourShown = 0;
    int placementShown = 0;
    bool gaveUp = false;
    int originShown = 0;
    int birthplaceShown = 0;
    CIstota* shown = nullptr;
    std::string shownName;

    bool showOrigin(CWizard1& page) override {
        ++originShown;
        page.setPlayer("Ala");
        page.setName("Borin");
        page.chooseStage(test::kYoungDwarf);
        page.chooseAlignment(page.alignments().front().id);
        page.setRollText("42");
        return originOk && page.finish();
    }
    bool showBirthplace(CWizard2& page) override {
        ++birthplaceShown;
        page.setRollText("41");
        return birthplaceOk && page.finish();
    }
    // A roll of 50: in the towns' trades a baker, whose trade has no formulas.
    bool showTradeRoll(CWizardZawod& roll) override {
        roll.setRoll(50);
        return true;
    }
    // A warrior of level 2.
    bool showProfessions(CWizard3& page) override {
        ++professionsShown;
        for (const ProfessionItem& item : page.offered(0))
            if (item.name == "Wojownik")
                page.choose(0, item.id);
        page.setLevelText(0, "2");
        return professionsOk && page.finish();
    }
    bool showAbility(CWizard4Ulomnosc& page) override {
        ++abilitiesShown;
        page.setRollText("50");
        return abilityOk && page.finish();
    }
    bool showArmour(CWizard7& page) override {
        ++armourShown;
        if (!armourOk)
            return false;
        if (wantedArmour)
            for (std::size_t i = 0; i < page.armours().size(); ++i) {
                if (page.armours()[i].name == *wantedArmour) {
                    EXPECT_TRUE(page.setTicked({.armour = i, .element = {}}, true));
                }
            }
        page.finish();
        return true;
    }
    bool showShield(CWizard8& page) override {
        if (wantedShield)
            for (std::size_t i = 0; i < page.shields().size(); ++i) {
                if (page.shields()[i].name == *wantedShield) {
                    EXPECT_TRUE(page.setTicked(i, true));
                }
            }
        page.finish();
        return true;
    }
    bool showPlacement(CWizard9& page) override {
        ++placementShown;
        if (placement)
            placement(page);
        page.ApplyPlacements();
        return true;
    }
    bool showWeapons(CWizard6& page) override { return test::finishWeaponsPage(page); }
    void showCharacter(CIstota& hero) override { shownName = hero.imie; }
    bool abandoned() const override { return gaveUp; }
};

// Answers the throws whose prompts it knows; the others are thrown by the program.
struct PromptPort : NonInteractiveUserPort {
    std::map<std::string, int> answers;
    std::optional<int> askDie(int sides, std::string_view prompt) override {
        (void)NonInteractiveUserPort::askDie(sides, prompt);
        const auto found = answers.find(std::string(prompt));
        return found == answers.end() ? std::nullopt : std::optional(found->second);
    }
};

struct Driver : ::testing::Test, test::SampleWorkspace {
    ScriptedPages pages;
    DiceGenerator generator{11};
    PromptPort asked;

    int run(bool automaticRolls, std::string* id = nullptr) {
        asked.queueYesNo(automaticRolls);
        CIstotaWizard wizard(characters(), rules(), "", WizardMode::New, asked, pages, &generator);
        const int result = wizard.Run();
        if (id)
            *id = wizard.characterId();
        return result;
    }
    long long storedRows() {
        return count(characters(), "SELECT count(*) FROM istoty") +
               count(characters(), "SELECT count(*) FROM pozycje");
    }
};

long long entriesBelow(const CPoz& entry) {
    long long n = 0;
    for (const CPoz* child : entry.children())
        n += 1 + entriesBelow(*child);
    return n;
}

TEST_F(Driver, ACompletedRunSavesOneCharacterAndItsTree) {
    std::string id;
    ASSERT_EQ(run(true, &id), 1);
    EXPECT_EQ(asked.questions(), std::vector<std::string>{"Czy automatycznie wykonać rzuty?"});
    EXPECT_EQ(count(characters(), "SELECT count(*) FROM istoty"), 1);
    Result<LoadedCharacter> loaded = LoadCharacter(characters(), id);
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    EXPECT_EQ(loaded->character->imie, "Borin");
    EXPECT_EQ(loaded->character->gracz, "Ala");
    EXPECT_EQ(loaded->character->rasa, "Krasnolud [Młody krasnolud]");
    // The root and every entry below it, each one row.
    EXPECT_EQ(count(characters(), "SELECT count(*) FROM pozycje"),
              1 + entriesBelow(*loaded->character));
    EXPECT_NE(
        loaded->character->link(kLinkDodatkoweInformacje)->FindByKind(kinds::info::kAppearance),
        nullptr);
}

TEST_F(Driver, AutomaticRollsSkipTheBirthplacePageAndStillWriteTheBirthplace) {
    std::string id;
    ASSERT_EQ(run(true, &id), 1);
    EXPECT_EQ(pages.birthplaceShown, 0);
    Result<LoadedCharacter> loaded = LoadCharacter(characters(), id);
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    const CPoz* place =
        loaded->character->link(kLinkDodatkoweInformacje)->FindByKind(kinds::info::kBirthplace);
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->info, "Miejsce urodzenia");
    EXPECT_FALSE(place->memo.empty());
}

TEST_F(Driver, AskedRollsShowTheBirthplacePage) {
    std::string id;
    ASSERT_EQ(run(false, &id), 1);
    EXPECT_EQ(pages.birthplaceShown, 1);
    Result<LoadedCharacter> loaded = LoadCharacter(characters(), id);
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    EXPECT_EQ(loaded->character->link(kLinkDodatkoweInformacje)
                  ->FindByKind(kinds::info::kBirthplace)
                  ->memo,
              "Klasztor");
}

TEST_F(Driver, ACancelledPageSavesNothing) {
    pages.originOk = false;
    EXPECT_EQ(run(true), 0);
    EXPECT_EQ(storedRows(), 0);

    pages.originOk = true;
    pages.birthplaceOk = false;
    EXPECT_EQ(run(false), 0);
    EXPECT_EQ(pages.birthplaceShown, 1);
    EXPECT_EQ(storedRows(), 0);
}

TEST_F(Driver, CancellingTheArmourPageLeavesNoTrace) {
    pages.armourOk = false;
    EXPECT_EQ(run(true), 0);
    EXPECT_EQ(pages.armourShown, 1);
    EXPECT_EQ(storedRows(), 0);
}

TEST_F(Driver, WithNothingToPlaceTheCharacterIsSavedWithoutThePlacementPage) {
    std::string id;
    ASSERT_EQ(run(true, &id), 1);
    EXPECT_EQ(pages.armourShown, 1);
    EXPECT_EQ(pages.placementShown, 0);
    EXPECT_EQ(count(characters(), "SELECT count(*) FROM istoty"), 1);
}

// The young dwarf wears "Zbroja skórzana" and fixes "Puklerz" (metal, defence 5, 1/1) to
// its right hand: the placement page is shown, and what it placed is worn and held in the
// saved character, the metal shield taking 10 from resistance 9.
TEST_F(Driver, ChosenArmourAndShieldArePlacedOnTheLastPage) {
    pages.wantedArmour = "Zbroja skórzana";
    pages.wantedShield = "Puklerz";
    pages.placement = [](CWizard9& page) {
        for (std::size_t i = 0; i < page.items().size(); ++i)
            for (const std::size_t p : page.placesOffered(i)) {
                const std::string& place = page.places()[p].name;
                if (place == "Ciało" || place == "Prawa ręka (umocowanie)") {
                    EXPECT_TRUE(page.setPlaced(i, p, true)) << place;
                }
            }
    };
    std::string id;
    ASSERT_EQ(run(true, &id), 1);
    EXPECT_EQ(pages.placementShown, 1);
    Result<LoadedCharacter> loaded = LoadCharacter(characters(), id);
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    const CIstota& hero = *loaded->character;
    const CPoz& combat = *hero.link(kLinkWalka);
    ASSERT_EQ(combat.FindByKind(kinds::top::kCombatArmour)->size(), 1u);
    const CPoz& shields = *combat.FindByKind(kinds::top::kCombatShields);
    ASSERT_EQ(shields.size(), 1u);
    const CPoz& use = *shields.children().front();
    EXPECT_EQ(use.info, "Puklerz");
    ASSERT_TRUE(use.memo.starts_with("MR#")) << use.memo;
    const CPoz* hand = hero.link(kLinkCialo)->FindBySpecjal(use.memo.substr(3));
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(hand->info, "Prawa ręka");
    const CPoz* metal = hero.link(kLinkOdpornosc1 + 8)->FindByKind(kinds::shield::kResistanceBonus);
    ASSERT_NE(metal, nullptr);
    EXPECT_EQ(metal->wartosc, -10);
    // The leather jerkin (layer 2: defence 1, piercing 2) covers the torso.
    const CPoz* torso = nullptr;
    for (const CPoz* part : hero.link(kLinkCialo)->children())
        if (part->info == "Tułów")
            torso = part;
    ASSERT_NE(torso, nullptr);
    const CPoz* piercing = torso->FindByKind(kinds::armour::kPartPiercing);
    ASSERT_NE(piercing, nullptr);
    EXPECT_EQ(piercing->wartosc, 2);
}

TEST_F(Driver, TheProfessionGetsItsLevelsBonusesExperienceAndTitle) {
    std::string id;
    ASSERT_EQ(run(true, &id), 1);
    EXPECT_EQ(pages.professionsShown, 1);
    Result<LoadedCharacter> loaded = LoadCharacter(characters(), id);
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    const CIstota& hero = *loaded->character;
    // A warrior of level 2 bears the title of level 1.
    EXPECT_EQ(hero.prof, "Wojownik (Rekrut)(2)");
    const CPoz* professions = hero.link(kLinkProfesje);
    const CPoz* warrior = professions->FindByKind(kinds::profession::kProfession);
    ASSERT_NE(warrior, nullptr);
    // The 150 points of level 2 and the 2K10 thrown (2 to 20).
    const int points = warrior->FindByKind(kinds::profession::kExperience)->wartosc;
    EXPECT_GE(points, 152);
    EXPECT_LE(points, 170);
    const CPoz* bonuses = professions->FindByKind(kinds::profession::kBonuses);
    ASSERT_NE(bonuses, nullptr);
    EXPECT_EQ(bonuses->size(), 25u); // 24 bonuses and the levels
    EXPECT_EQ(bonuses->FindByKind(kinds::profession::kLevels)->size(), 2u);
    // The warrior's 2K10 bonus to Żywotność.
    EXPECT_NE(hero.link(kLinkZywotnosc)->FindByKind(kinds::perMember::kProfession[0]), nullptr);
    // The young dwarf's 20 years and 2 for the one profession.
    EXPECT_EQ(hero.age(), std::optional<int>(22));
}

TEST_F(Driver, ACancelledProfessionPageSavesNothing) {
    pages.professionsOk = false;
    EXPECT_EQ(run(true), 0);
    EXPECT_EQ(pages.professionsShown, 1);
    EXPECT_EQ(storedRows(), 0);
}

TEST_F(Driver, AskedRollsFindADisabilityThroughTheDialog) {
    asked.answers = {{"Czy postać ma ułomność? K100", 5},
                     {"Czy postać ma 2 ułomności? K100", 100},
                     {"Czy postać ma zdolność nadnaturalną? K100", 100}};
    std::string id;
    ASSERT_EQ(run(false, &id), 1);
    EXPECT_EQ(pages.abilitiesShown, 1);
    Result<LoadedCharacter> loaded = LoadCharacter(characters(), id);
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    // The dialog's roll 50 in the dwarves' table: Niezdarny (46-60).
    const CPoz* disabilities = loaded->character->link(kLinkUlomnosci);
    ASSERT_EQ(disabilities->size(), 1u);
    EXPECT_EQ(disabilities->front()->info, "Niezdarny");
}

TEST_F(Driver, ACancelledAbilityDialogSavesNothing) {
    asked.answers = {{"Czy postać ma ułomność? K100", 5}, {"Czy postać ma 2 ułomności? K100", 100}};
    pages.abilityOk = false;
    EXPECT_EQ(run(false), 0);
    EXPECT_EQ(pages.abilitiesShown, 1);
    EXPECT_EQ(storedRows(), 0);
}

TEST_F(Driver, ARunGivenUpSavesNothing) {
    pages.gaveUp = true;
    EXPECT_EQ(run(false), 0);
    EXPECT_EQ(pages.originShown, 1);
    EXPECT_EQ(storedRows(), 0);
}

TEST_F(Driver, ShowAndDeleteAStoredCharacter) {
    std::string id;
    ASSERT_EQ(run(true, &id), 1);
    const long long firstCharacter = storedRows();
    ASSERT_EQ(run(true), 1);
    const long long twoCharacters = storedRows();

    CIstotaWizard show(characters(), rules(), id, WizardMode::Edit, port, pages);
    EXPECT_EQ(show.Run(), 1);
    EXPECT_EQ(pages.shownName, "Borin");

    CIstotaWizard remove(characters(), rules(), id, WizardMode::Delete, port, pages);
    EXPECT_TRUE(remove.Delete().ok());
    EXPECT_EQ(count(characters(), "SELECT count(*) FROM istoty"), 1);
    EXPECT_EQ(storedRows(), twoCharacters - firstCharacter);

    CIstotaWizard missing(characters(), rules(), id, WizardMode::Edit, port, pages);
    EXPECT_EQ(missing.Run(), 0);
    EXPECT_FALSE(port.errors().empty());
}

TEST(NewCharacterRules, EmptyRulesOfferTheSampleRules) {
    test::RulesFixture empty;
    ASSERT_FALSE(offersPlayableStage(*empty.db));
    empty.port.queueYesNo(false);
    EXPECT_FALSE(readyForNewCharacter(*empty.db, empty.port));
    ASSERT_EQ(empty.port.questions(), (std::vector<std::string>{kNoRaceQuestion}));
    EXPECT_EQ(empty.rows("rasy"), 0);

    empty.port.queueYesNo(true);
    EXPECT_TRUE(readyForNewCharacter(*empty.db, empty.port));
    EXPECT_GT(empty.rows("rasy"), 0);
    EXPECT_TRUE(offersPlayableStage(*empty.db));
    EXPECT_TRUE(empty.port.errors().empty());

    // Ready now: nothing more is asked.
    EXPECT_TRUE(readyForNewCharacter(*empty.db, empty.port));
    EXPECT_EQ(empty.port.questions().size(), 2u);
}

TEST(NewCharacterRules, RacesWithoutAStageOpenToPlayersSaySoWithoutOffering) {
    test::RulesFixture rules;
    ASSERT_TRUE(rules.db->exec("INSERT INTO rasy (id,nazwa) VALUES ('r1','Smok');").ok());
    ASSERT_TRUE(
        rules.db
            ->exec("INSERT INTO stadia (id,idrasa,nazwa,gracze) VALUES ('s1','r1','Pisklę','N');")
            .ok());
    EXPECT_FALSE(readyForNewCharacter(*rules.db, rules.port));
    EXPECT_TRUE(rules.port.questions().empty());
    ASSERT_EQ(rules.port.errors().size(), 1u);
    EXPECT_EQ(rules.port.errors()[0].text, kNoPlayableStage);

    ASSERT_TRUE(rules.db->exec("UPDATE stadia SET gracze='T';").ok());
    EXPECT_TRUE(readyForNewCharacter(*rules.db, rules.port));
}

TEST(NewCharacterRules, RacesThatCannotBeReadAreShownNotTakenForNone) {
    test::RulesFixture rules;
    ASSERT_TRUE(rules.db->exec("DROP TABLE rasy;").ok());
    EXPECT_FALSE(readyForNewCharacter(*rules.db, rules.port));
    EXPECT_TRUE(rules.port.questions().empty()); // no offer of the sample rules
    ASSERT_FALSE(rules.port.errors().empty());
    EXPECT_EQ(rules.port.errors().back().text, "no such table: rasy");
    EXPECT_EQ(rules.port.errors().back().caption, kWizardErrorCaption);
}

} // namespace
} // namespace tallar
