#include "rules/engine/CRdzenStadium.h"
#include "store/CharacterStore.h"
#include "support/WeaponsPageScript.h"
#include "support/WizardFixture.h"
#include "wizard/CIstotaWizard.h"
#include "wizard/CWizard1.h"
#include "wizard/CWizard2.h"
#include "wizard/CWizard3.h"
#include "wizard/CWizard4.h"
#include "wizard/CWizardZawod.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tallar {
namespace {

constexpr const char* kMatureDwarf = "100000000000000000000102000202"; // od 50, skok 10
constexpr const char* kAgedDwarf = "100000000000000000000102000203";   // od 150
constexpr const char* kYoungElf = "100000000000000000000102000301";    // od 30

// Every throw is asked and answered with one face; the throws of the racial Żywotność
// with another. A die smaller than the face shows its largest.
struct FacePort : NonInteractiveUserPort {
    int face = 1;
    int vitalityFace = 1;
    int vitalityThrows = 0;

    std::optional<int> askDie(int sides, std::string_view prompt) override {
        (void)NonInteractiveUserPort::askDie(sides, prompt); // keeps the prompt
        // No disabilities or abilities: they would change the attributes.
        if (prompt.starts_with("Czy postać ma "))
            return sides;
        const bool vitality = prompt.starts_with("Rasa: Żywotnosc ");
        vitalityThrows += vitality;
        return std::min(vitality ? vitalityFace : face, sides);
    }
};

// Page 1 with the given stage, the first alignment offered and a class roll of 50; the
// birthplace roll 50.
struct StagePages : WizardPages {
    std::string stage;

    bool showOrigin(CWizard1& page) override {
        page.setPlayer("Ala");
        page.setName("Borin");
        page.chooseStage(stage);
        page.chooseAlignment(page.alignments().front().id);
        page.setRollText("50");
        return page.finish();
    }
    bool showBirthplace(CWizard2& page) override {
        page.setRollText("50");
        return page.finish();
    }
    // A roll of 50: in the towns' trades a baker, whose trade has no formulas.
    bool showTradeRoll(CWizardZawod& roll) override {
        roll.setRoll(50);
        return true;
    }
    // A priest of level 0: no bonus to Żywotność and no experience levels.
    bool showProfessions(CWizard3& page) override {
        for (const ProfessionItem& item : page.offered(0))
            if (item.name == "Kapłan")
                page.choose(0, item.id);
        return page.finish();
    }
    bool showAbility(CWizard4Ulomnosc&) override { return false; }
    // Nothing worn, held or carried.
    bool showArmour(CWizard7&) override { return true; }
    bool showShield(CWizard8&) override { return true; }
    bool showPlacement(CWizard9&) override { return true; }
    bool showWeapons(CWizard6& page) override { return test::finishWeaponsPage(page); }
    void showCharacter(CIstota&) override {}
    bool abandoned() const override { return false; }
};

struct RaceStageStep : ::testing::Test, test::SampleWorkspace {
    FacePort asked;
    StagePages pages;
    std::unique_ptr<CIstota> hero;

    // Makes a character of the stage with every throw asked, and loads it back.
    void make(const char* stage) {
        pages.stage = stage;
        asked.queueYesNo(false); // "Czy automatycznie wykonać rzuty?" No: every throw is asked
        CIstotaWizard wizard(characters(), rules(), "", WizardMode::New, asked, pages);
        ASSERT_EQ(wizard.Run(), 1);
        ASSERT_TRUE(asked.errors().empty()) << asked.errors().front().text;
        Result<LoadedCharacter> loaded = LoadCharacter(characters(), wizard.characterId());
        ASSERT_TRUE(loaded.ok()) << loaded.message();
        hero = std::move(loaded->character);
        hero->RecalculateCharacter();
    }
    const CPoz* racial(int link, std::size_t member) const {
        return hero->link(link)->FindByKind(kinds::perMember::kRacial[member]);
    }
};

constexpr std::size_t kZyw = 0, kSf = 1;

// Żywotność and Siła fizyczna go through the progression: from the constant part t of the
// amount, round((w − t)·g·m) steps ("=") or round(w·g·m) steps ("+"), each worth the
// stage's other coefficient when it has one; g is the stage's own growth multiplier, m the
// profile's (1 here: the character has no abilities).
TEST_F(RaceStageStep, EachStageGrowsByItsOwnMultiplierOnly) {
    // Dwarf, mature, age 50, every throw 1. Passage 20 (young, "=" K10+30, g 1, other 3):
    // 31 → 30 + 1 step of 3 = 33. Passage 50 (mature, "+" K5, g 1.5, other 3): 1 →
    // round(1·1.5) = 2 steps of 3: 33 + 6 = 39. (With the stages folded into m = 1.5,
    // passage 20 took round(1·1.5) = 2 steps as well and the result was 42.)
    make(kMatureDwarf);
    EXPECT_EQ(asked.vitalityThrows, 2);
    ASSERT_NE(racial(kLinkZywotnosc, kZyw), nullptr);
    EXPECT_EQ(racial(kLinkZywotnosc, kZyw)->wartosc, 39);
}

TEST_F(RaceStageStep, AStageMultiplierBelowOneCountsOnce) {
    // Young elf, age 30, Żywotność thrown 10, everything else 5. Passage 30 ("=" K10+15,
    // g 0.8, no other coefficient): 25 → 15 + round(10·0.8) = 8 steps of 1 = 23 (the stage
    // folded in as well gave round(10·0.64) = 6, 21). Siła fizyczna ("=" K10+5, g 0.8):
    // 10 → 5 + round(5·0.8) = 4 steps = 9.
    asked.face = 5;
    asked.vitalityFace = 10;
    make(kYoungElf);
    EXPECT_EQ(asked.vitalityThrows, 1);
    ASSERT_NE(racial(kLinkZywotnosc, kZyw), nullptr);
    EXPECT_EQ(racial(kLinkZywotnosc, kZyw)->wartosc, 23);
    ASSERT_NE(racial(kLinkSilaFizyczna, kSf), nullptr);
    EXPECT_EQ(racial(kLinkSilaFizyczna, kSf)->wartosc, 9);
}

TEST_F(RaceStageStep, AStageLimitHoldsForItsOwnPassagesOnly) {
    // Aged dwarf, age 150; every Żywotność die shows 4, everything else 1. Passage 20
    // (young, K10+30, g 1, other 3, limit 300): 34 → 30 + 4·3 = 42. Passages 50 to 140
    // (mature, ten of them, K5, g 1.5, no limit): round(4·1.5) = 6 steps of 3 each:
    // 42 + 10·18 = 222. The young stage's limit of 300 is no cap over the mature passages
    // (with the stages folded in they reached 48 + 10·27 = 318 and were cut to 300).
    asked.vitalityFace = 4;
    make(kAgedDwarf);
    EXPECT_EQ(asked.vitalityThrows, 11);
    const CPoz* part = racial(kLinkZywotnosc, kZyw);
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->wartosc, 222);
    // The racial part counts at its value (as steps from 0 it would be 200 + 22·2 = 244).
    // The weight roll 1 in the aged range 60..110 gives the underweight part
    // round(50/50·(1 − 21)) = −20 steps down the scale from 222: 12 steps of 2 reach 198,
    // one below the bottom 199 of the level (rescaled by 1/2, still one below), then 8
    // steps of 1 reach 190.
    EXPECT_DOUBLE_EQ(part->total, 222.0);
    EXPECT_DOUBLE_EQ(hero->link(kLinkZywotnosc)->total, 190.0);
}

} // namespace
} // namespace tallar
