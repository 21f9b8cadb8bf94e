#include "base/Cp1250.h"
#include "model/Character.h"
#include "model/Kinds.h"
#include "preview/Recompute.h"
#include "preview/StatsExport.h"
#include "store/CharacterStore.h"
#include "support/LoadedCharacter.h"
#include "support/TreeDump.h"
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

#include <algorithm>
#include <fstream>
#include <iterator>

namespace tallar {
namespace {

// Page 1 filled as a person would, page 2 never shown (automatic throws).
struct OriginPages : WizardPages {
    bool showOrigin(CWizard1& page) override {
        page.setPlayer("Ala");
        page.setName("Borin");
        page.chooseStage(test::kYoungDwarf);
        page.chooseAlignment(page.alignments().front().id);
        page.setRollText("42");
        return page.finish();
    }
    bool showBirthplace(CWizard2& page) override { return page.finish(); }
    // Asked only when throws are asked.
    bool showTradeRoll(CWizardZawod& roll) override {
        roll.setRoll(50);
        return true;
    }
    // A warrior of level 2: the professions' bonuses and levels are part of the tree.
    bool showProfessions(CWizard3& page) override {
        for (const ProfessionItem& item : page.offered(0))
            if (item.name == "Wojownik")
                page.choose(0, item.id);
        page.setLevelText(0, "2");
        return page.finish();
    }
    bool showAbility(CWizard4Ulomnosc& page) override { return page.finish(); }
    bool showWeapons(CWizard6& page) override { return test::finishWeaponsPage(page); }
    bool showArmour(CWizard7& page) override {
        page.finish();
        return true;
    }
    bool showShield(CWizard8& page) override {
        page.finish();
        return true;
    }
    bool showPlacement(CWizard9& page) override {
        page.ApplyPlacements();
        return true;
    }
    void showCharacter(CIstota&) override {}
};

// A sample character made by the wizard without asking, stored and loaded again.
struct SampleCharacter : ::testing::Test, test::SampleWorkspace {
    std::unique_ptr<CIstota> hero;

    SampleCharacter() {
        OriginPages pages;
        DiceGenerator generator{7};
        port.queueYesNo(true); // "Czy automatycznie wykonać rzuty?": yes
        CIstotaWizard wizard(characters(), rules(), "", WizardMode::New, port, pages, &generator);
        EXPECT_EQ(wizard.Run(), 1);
        hero = test::loadCharacter(characters(), wizard.characterId());
        EXPECT_NE(hero, nullptr);
        if (hero)
            hero->RecalculateCharacter();
    }

    std::string attribute(int link) { return std::to_string(std::lround(hero->link(link)->total)); }
};

TEST_F(SampleCharacter, RecomputeGivesTheTreeTheWizardMade) {
    ASSERT_NE(hero, nullptr);
    const std::string made = test::dumpTree(*hero);
    // The steps whose engines exist: race stage, abilities, professions, resistances, load
    // and totals.
    CharacterRecompute({.rules = rules(), .character = *hero, .port = port}).Run();
    EXPECT_EQ(test::dumpTree(*hero), made);
    EXPECT_TRUE(port.diePrompts().empty()); // nothing was thrown anew
    // What a step writes comes back when it was lost: the racial part of Mądrość (its only
    // part), written by the race stage.
    CPoz& wisdom = *hero->link(kLinkMadrosc);
    const int racialKind = kinds::perMember::kRacial[member::kWisdom];
    ASSERT_NE(wisdom.FindByKind(racialKind), nullptr);
    (void)wisdom.FindByKind(racialKind)->Odlaczenie();
    hero->RecalculateCharacter();
    ASSERT_NE(test::dumpTree(*hero), made);
    CharacterRecompute({.rules = rules(), .character = *hero, .port = port}).Run();
    EXPECT_EQ(test::dumpTree(*hero), made);
}

// Żywotność sums its parts along the experience scale, so its total depends on their
// order: a part the recompute writes again goes back where the wizard made it, the racial
// part first and the profession's before the experience levels, not after the last part.
TEST_F(SampleCharacter, RecomputePutsADeletedPartBackInItsPlace) {
    ASSERT_NE(hero, nullptr);
    const std::string made = test::dumpTree(*hero);
    CPoz& vitality = *hero->link(kLinkZywotnosc);
    const double madeTotal = vitality.total;
    const auto kindsInOrder = [&vitality] {
        std::vector<int> kinds;
        for (const CPoz* part : vitality.children())
            kinds.push_back(part->typ);
        return kinds;
    };
    const std::vector<int> madeOrder = kindsInOrder();
    // The wizard's order: racial part first, the experience levels after the profession.
    const int racial = kinds::perMember::kRacial[member::kVitality];
    const int profession = kinds::perMember::kProfession[member::kVitality];
    const int levels = kinds::perMember::kExperienceLevels[member::kVitality];
    ASSERT_GE(madeOrder.size(), 3U);
    ASSERT_EQ(madeOrder.front(), racial);
    ASSERT_LT(std::ranges::find(madeOrder, profession), std::ranges::find(madeOrder, levels));
    for (const int kind : {racial, profession}) {
        SCOPED_TRACE(kind);
        ASSERT_NE(vitality.FindByKind(kind), nullptr);
        (void)vitality.FindByKind(kind)->Odlaczenie();
        hero->RecalculateCharacter();
        ASSERT_NE(vitality.total, madeTotal); // the part counted
        CharacterRecompute({.rules = rules(), .character = *hero, .port = port}).Run();
        EXPECT_EQ(kindsInOrder(), madeOrder);
        EXPECT_EQ(vitality.total, madeTotal);
        EXPECT_EQ(test::dumpTree(*hero), made);
    }
}

TEST_F(SampleCharacter, StatisticsBlockLines) {
    ASSERT_NE(hero, nullptr);
    const std::vector<std::string> lines = statisticsLines(*hero);
    ASSERT_GE(lines.size(), 5U);
    const CPoz& extra = *hero->link(kLinkDodatkoweInformacje);
    // Name, the appearance entry's label, the age with a dot, the warrior's label with
    // "Poz" and the level chosen on page 3 (2), the alignment.
    const CPoz* warrior = hero->link(kLinkProfesje)->FindByKind(kinds::profession::kProfession);
    ASSERT_NE(warrior, nullptr);
    EXPECT_EQ(lines[0], "NAZ. Borin; " + extra.FindByKind(kinds::info::kAppearance)->info + "; " +
                            std::to_string(extra.FindByKind(kinds::info::kAge)->wartosc) + ".; " +
                            warrior->info + "; Poz2.; " +
                            extra.FindByKind(kinds::info::kAlignment)->info + "; ");
    EXPECT_EQ(lines[1], "ŻYW " + attribute(kLinkZywotnosc) + "; SF " +
                            attribute(kLinkSilaFizyczna) + "; ZR " + attribute(kLinkZrecznosc) +
                            "(" + attribute(kLinkZrecznoscAktualna) + "); SZ " +
                            attribute(kLinkSzybkosc) + "(" + attribute(kLinkSzybkoscAktualna) +
                            "); ");
    EXPECT_EQ(lines[2], "INT " + attribute(kLinkInteligencja) + "; MD " + attribute(kLinkMadrosc) +
                            "; UM " + attribute(kLinkUmiejetnosciMagiczne) + "; CH " +
                            attribute(kLinkCharyzma) + "; PR " + attribute(kLinkPrezencja) +
                            "; WI " + attribute(kLinkWiara) + "; ZW " + attribute(kLinkZauwazenie) +
                            "; ");
    EXPECT_TRUE(lines[3].starts_with("Odp.w%: ILUZJA " + attribute(kLinkOdpornosc1) + "; "));
    EXPECT_TRUE(lines[3].ends_with("; AM " + attribute(kLinkAntymagia) + "%; ")) << lines[3];
    // No armour and no weapons yet: the skin protects.
    EXPECT_TRUE(lines.back().starts_with("ZBR.: skóra; OGR. ")) << lines.back();
    EXPECT_NE(lines.back().find("; OB.BL/DAL "), std::string::npos);
    EXPECT_NE(lines.back().find(" %; WYP. "), std::string::npos);
}

TEST_F(SampleCharacter, StatisticsAppendedTwiceGiveTwoBlocksInWindows1250) {
    ASSERT_NE(hero, nullptr);
    const std::string path = (dir.path() / "staty.txt").string();
    ASSERT_TRUE(appendStatistics(*hero, path).ok());
    ASSERT_TRUE(appendStatistics(*hero, path).ok());
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), {});
    std::string block;
    for (const std::string& line : statisticsLines(*hero))
        block += line + "\r\n";
    const Result<std::string> encoded = encodeCp1250(block);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(bytes, *encoded + *encoded);
    // The second line starts with "ŻYW ", whose "Ż" is the byte 0xAF in Windows-1250.
    EXPECT_EQ(bytes.substr(bytes.find("\r\n") + 2, 4), "\xAFYW ");
}

} // namespace
} // namespace tallar
