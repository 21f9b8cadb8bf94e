#include "store/CharacterStore.h"
#include "support/WizardFixture.h"
#include "wizard/CWizard1.h"
#include "wizard/CWizard2.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tallar {
namespace {

using test::SampleWorkspace;

struct OriginPage : ::testing::Test, SampleWorkspace {
    CIstota hero{characters()};
    DiceGenerator generator{7};
    CWizard1 page{rules(), characters(), hero, DiceRolls{false, &port, &generator}, port};

    OriginPage() { page.open(); }

    std::set<std::string> ids(const std::vector<PageChoice>& list) {
        std::set<std::string> out;
        for (const PageChoice& choice : list)
            out.insert(choice.id);
        return out;
    }
    // Whether a race of this stage allows this alignment, asked of the rules directly.
    bool allowed(const std::string& stageId, const std::string& alignmentId) {
        return count(rules(), "SELECT count(*) FROM stadia S INNER JOIN rasycharakter R ON "
                              "R.idrasa=S.idrasa WHERE S.id='" +
                                  stageId + "' AND R.idcharakter='" + alignmentId + "'") > 0;
    }
    void fillAll(const std::string& name = "Borin") {
        page.setPlayer("Ala");
        page.setName(name);
        page.chooseStage(test::kYoungDwarf);
        page.chooseAlignment(page.alignments().front().id);
        page.setRollText("42");
    }
};

TEST_F(OriginPage, RaceStageAndAlignmentListsNarrowEachOther) {
    const auto allStages = ids(page.stages());
    const auto allAlignments = ids(page.alignments());
    ASSERT_EQ(allStages.size(), 11u); // the stages open to players
    EXPECT_EQ(choiceText(page.stages(), test::kHumanAdult), "Człowiek [Dorosły]");

    page.chooseStage(test::kYoungDwarf);
    const auto dwarfAlignments = ids(page.alignments());
    EXPECT_FALSE(dwarfAlignments.empty());
    EXPECT_LT(dwarfAlignments.size(), allAlignments.size());
    for (const std::string& id : allAlignments)
        EXPECT_EQ(dwarfAlignments.count(id) == 1, allowed(test::kYoungDwarf, id)) << id;

    // An alignment of the dwarves that some other race does not allow.
    std::string alignment;
    for (const std::string& a : dwarfAlignments)
        for (const std::string& stage : allStages)
            if (!allowed(stage, a))
                alignment = a;
    ASSERT_FALSE(alignment.empty());
    page.chooseAlignment(alignment);
    EXPECT_EQ(page.stageId(), test::kYoungDwarf); // still offered, so still chosen
    const auto stagesOfAlignment = ids(page.stages());
    EXPECT_LT(stagesOfAlignment.size(), allStages.size());
    for (const std::string& id : allStages)
        EXPECT_EQ(stagesOfAlignment.count(id) == 1, allowed(id, alignment)) << id;

    // Clearing the stage offers every alignment again.
    page.chooseStage("");
    EXPECT_EQ(ids(page.alignments()), allAlignments);
}

// The ages are texts; as texts "150" would come before "20" and "100" before "30".
TEST_F(OriginPage, StagesAreListedByRaceThenByStartingAgeAsANumber) {
    const auto texts = [](const std::vector<PageChoice>& list) {
        std::vector<std::string> out;
        for (const PageChoice& choice : list)
            out.push_back(choice.text);
        return out;
    };
    // The playable stages of the sample rules with their starting ages.
    const std::vector<std::string> byAge = {
        "Człowiek [Młodzieniec]",         // 12
        "Człowiek [Dorosły]",             // 18
        "Człowiek [Starzec]",             // 60
        "Elf [Młody elf]",                // 30
        "Elf [Dorosły elf]",              // 100
        "Krasnolud [Młody krasnolud]",    // 20
        "Krasnolud [Dojrzały krasnolud]", // 50
        "Krasnolud [Sędziwy krasnolud]",  // 150
        "Niziołek [Młody niziołek]",      // 15
        "Niziołek [Dorosły niziołek]",    // 25
        "Niziołek [Stary niziołek]",      // 70
    };
    EXPECT_EQ(texts(page.stages()), byAge);

    // The stages of the races that allow an alignment of the dwarves keep that order.
    page.chooseStage(test::kYoungDwarf);
    page.chooseAlignment(page.alignments().front().id);
    std::vector<std::string> expected;
    for (const std::string& text : byAge)
        for (const PageChoice& choice : page.stages())
            if (choice.text == text)
                expected.push_back(text);
    EXPECT_EQ(texts(page.stages()), expected);
    EXPECT_EQ(std::count_if(expected.begin(), expected.end(),
                            [](const std::string& text) { return text.starts_with("Krasnolud"); }),
              3);
}

TEST_F(OriginPage, AnAlignmentNoRaceAllowsLeavesNoStage) {
    const std::string unused = page.alignments().back().id;
    ASSERT_TRUE(rules().exec("DELETE FROM rasycharakter WHERE idcharakter=?", {unused}).ok());
    page.chooseStage(test::kHumanAdult);
    page.chooseAlignment(unused); // chosen while every alignment was offered elsewhere
    EXPECT_TRUE(page.stages().empty());
    EXPECT_TRUE(page.stageMissing());
}

TEST_F(OriginPage, TheNarrowestClassHoldingTheRollWins) {
    page.chooseStage(test::kYoungDwarf);
    page.setRollText("42"); // Chłopi 1-45 and Włóczędzy 40-47 both hold it
    EXPECT_EQ(page.classId(), test::kVagrants);
    EXPECT_EQ(page.className(), "Włóczędzy");
    page.setRollText("39");
    EXPECT_EQ(page.classId(), test::kPeasants);
}

TEST_F(OriginPage, ARollIsMatchedAsANumberOfThreeDigits) {
    page.chooseStage(test::kYoungDwarf);
    // As a text "7" sorts after "45"; matched as 007 and compared as numbers it is a peasant.
    page.setRollText("7");
    EXPECT_EQ(page.rollText(), "7");
    EXPECT_EQ(page.classId(), test::kPeasants);
    page.setRollText("007");
    EXPECT_EQ(page.classId(), test::kPeasants);
    page.setRollText("100");
    EXPECT_EQ(page.className(), "Możnowładcy");
}

TEST_F(OriginPage, TheRolledClassIsThreeDigitsAndTheClassFollowsTheStage) {
    page.rollClass();
    ASSERT_EQ(page.rollText().size(), 3u);
    EXPECT_TRUE(page.classId().empty()); // no stage, no class
    page.chooseStage(test::kYoungDwarf);
    EXPECT_FALSE(page.classId().empty());
}

TEST_F(OriginPage, WithoutARangeHoldingTheRollThePageCannotComplete) {
    fillAll();
    ASSERT_TRUE(page.complete());
    ASSERT_TRUE(rules().exec("DELETE FROM rasyklasy WHERE idklasy=?", {test::kVagrants}).ok());
    page.setRollText("46"); // Mieszczanie 46-80
    page.setRollText("42"); // now only Chłopi
    EXPECT_EQ(page.classId(), test::kPeasants);
    ASSERT_TRUE(rules().exec("DELETE FROM rasyklasy WHERE idklasy=?", {test::kPeasants}).ok());
    page.setRollText("42");
    EXPECT_TRUE(page.className().empty());
    EXPECT_TRUE(page.rollMissing());
    EXPECT_FALSE(page.finish());
    EXPECT_TRUE(hero.imie.empty());
}

TEST_F(OriginPage, DalejWithAnEmptyNameDoesNothing) {
    fillAll("");
    EXPECT_TRUE(page.nameMissing());
    EXPECT_FALSE(page.complete());
    EXPECT_FALSE(page.finish());
    EXPECT_TRUE(hero.gracz.empty());
    EXPECT_EQ(hero.link(kLinkDodatkoweInformacje)->size(), 0u);
}

TEST_F(OriginPage, ANameWindows1250CannotHoldIsRefusedAtTheField) {
    fillAll();
    const auto name = page.setName("Borin 雷");
    ASSERT_TRUE(name);
    EXPECT_EQ(*name, "Imię: Znak „雷” (U+96F7) nie może być zapisany w kodowaniu Windows-1250.");
    EXPECT_EQ(page.name(), "Borin"); // the field keeps what it had
    const auto player = page.setPlayer("Ala ñ");
    ASSERT_TRUE(player);
    EXPECT_TRUE(player->starts_with("Gracz: Znak „ñ” (U+00F1)")) << *player;
    EXPECT_EQ(page.player(), "Ala");
    EXPECT_FALSE(page.setName("Żbik Łokietek"));

    // So the page completes and the character is saved with what the fields hold.
    ASSERT_TRUE(page.finish());
    EXPECT_TRUE(SaveCharacter(hero).ok());
    EXPECT_EQ(count(characters(), "SELECT count(*) FROM istoty WHERE imie='Żbik Łokietek' AND "
                                  "gracz='Ala'"),
              1);
}

TEST_F(OriginPage, EachMissingFieldSaysWhyDalejWaits) {
    using Field = CWizard1::Field;
    // An empty page: the player is the first field that keeps it.
    EXPECT_EQ(page.firstMissing(), Field::Player);
    EXPECT_EQ(page.missingReason(Field::Player), "Gracz: wpisz gracza.");
    EXPECT_EQ(page.missingReason(Field::Name), "Imię: wpisz imię bohatera.");
    EXPECT_EQ(page.missingReason(Field::Stage), "Rasa: wybierz rasę.");
    EXPECT_EQ(page.missingReason(Field::Alignment), "Charakter: wybierz charakter.");
    EXPECT_EQ(page.missingReason(Field::Roll), "Klasa społeczna: rzuć k100 albo wpisz rzut.");
    page.setRollText("42");
    EXPECT_EQ(page.missingReason(Field::Roll),
              "Klasa społeczna: klasa zależy od rasy; wybierz najpierw rasę.");

    fillAll("");
    EXPECT_EQ(page.firstMissing(), Field::Name);
    EXPECT_FALSE(page.missingReason(Field::Player));
    EXPECT_FALSE(page.missingReason(Field::Roll));
    page.setName("Borin");
    EXPECT_FALSE(page.firstMissing());
    EXPECT_TRUE(page.complete());

    // A roll no social class of the dwarves holds: 101 lies beyond every range.
    page.setRollText("101");
    EXPECT_EQ(page.firstMissing(), Field::Roll);
    EXPECT_EQ(page.missingReason(Field::Roll),
              "Klasa społeczna: rzutowi 101 nie odpowiada żadna klasa społeczna tej rasy.");
}

TEST_F(OriginPage, OpenProfessionsAreThoseTheClassAllows) {
    page.chooseStage(test::kYoungDwarf);
    page.chooseAlignment(page.alignments().front().id);
    EXPECT_TRUE(page.professions().empty()); // no class yet
    page.setRollText("90");
    ASSERT_FALSE(page.professions().empty());
    for (const OpenProfession& p : page.professions())
        EXPECT_GT(count(rules(), "SELECT count(*) FROM profklasy WHERE id='" + p.id +
                                     "' AND idklasy='" + page.classId() + "'"),
                  0)
            << p.name;
    EXPECT_TRUE(std::is_sorted(page.professions().rbegin(), page.professions().rend(),
                               [](const auto& a, const auto& b) { return a.name < b.name; }));
}

TEST_F(OriginPage, DalejWritesNamesAndOriginEntries) {
    fillAll();
    page.setPlayer(std::string(300, 'x'));
    const std::string alignmentText = page.alignmentText();
    ASSERT_TRUE(page.finish());
    EXPECT_EQ(hero.gracz, std::string(255, 'x'));
    EXPECT_EQ(hero.imie, "Borin");
    EXPECT_EQ(hero.rasa, "Krasnolud [Młody krasnolud]");

    const CPoz& extra = *hero.link(kLinkDodatkoweInformacje);
    const CPoz* appearance = extra.FindByKind(kinds::info::kAppearance);
    ASSERT_NE(appearance, nullptr);
    EXPECT_EQ(appearance->info, "Rasa: Krasnolud");
    EXPECT_EQ(appearance->specjal, test::kDwarfRace);
    const CPoz* stage = appearance->FindByKind(kinds::stage::kStage);
    ASSERT_NE(stage, nullptr);
    EXPECT_EQ(stage->info, "Stadium: Młody krasnolud");
    EXPECT_EQ(stage->specjal, test::kYoungDwarf);
    const CPoz* age = extra.FindByKind(kinds::info::kAge);
    ASSERT_NE(age, nullptr);
    EXPECT_EQ(age->info, "WIEK");
    EXPECT_EQ(age->wartosc, 20);
    EXPECT_EQ(hero.age(), 20);
    const CPoz* alignment = extra.FindByKind(kinds::info::kAlignment);
    ASSERT_NE(alignment, nullptr);
    EXPECT_EQ(alignment->info, "Charakter: " + alignmentText);
    EXPECT_EQ(alignment->specjal, page.alignmentId());

    const CPoz* socialClass =
        extra.FindByKind(kinds::info::kSocialClass); // written by the social-class step
    ASSERT_NE(socialClass, nullptr);
    EXPECT_EQ(socialClass->specjal, test::kVagrants);

    const CPoz* groups = appearance->FindByKind(kinds::stage::kRaceWeaponGroups);
    ASSERT_NE(groups, nullptr);
    EXPECT_EQ(groups->info, "Bronie rasowe");
    ASSERT_EQ(groups->size(), 3u);
    const CPoz* axes = groups->FindBySpecjal("100000000000000000000701000002");
    ASSERT_NE(axes, nullptr);
    EXPECT_EQ(axes->typ, kinds::stage::kRacialProficiency);
    EXPECT_EQ(axes->wartosc, 10);
    EXPECT_FALSE(axes->info.empty());
}

struct BirthplacePage : ::testing::Test, SampleWorkspace {
    CIstota hero{characters()};
    DiceGenerator generator{3};
    CWizard2 page{rules(), hero, port, &generator};

    const CPoz* entry() {
        return hero.link(kLinkDodatkoweInformacje)->FindByKind(kinds::info::kBirthplace);
    }
};

TEST_F(BirthplacePage, TheNarrowestPlaceHoldingTheRollIsWritten) {
    page.setRollText("41"); // Wieś 1-45 and Klasztor 40-42
    EXPECT_EQ(page.placeName(), "Klasztor");
    page.setRollText("7");
    EXPECT_EQ(page.placeName(), "Wieś");
    page.setRollText("41");
    ASSERT_TRUE(page.finish());
    ASSERT_NE(entry(), nullptr);
    EXPECT_EQ(entry()->info, "Miejsce urodzenia");
    EXPECT_EQ(entry()->memo, "Klasztor");
    EXPECT_EQ(entry()->specjal, test::kMonastery);
}

TEST_F(BirthplacePage, NoPlaceNoEntry) {
    EXPECT_EQ(page.missingReason(), "Miejsce urodzenia: rzuć k100 albo wpisz rzut.");
    page.setRollText("0");
    EXPECT_TRUE(page.placeName().empty());
    EXPECT_EQ(page.missingReason(),
              "Miejsce urodzenia: rzutowi 0 nie odpowiada żadne miejsce urodzenia.");
    EXPECT_FALSE(page.finish());
    EXPECT_EQ(entry(), nullptr);
    page.setRollText("41");
    EXPECT_FALSE(page.missingReason());
}

TEST_F(BirthplacePage, RollBirthplaceRollsLooksUpAndWrites) {
    ASSERT_TRUE(page.RollBirthplace());
    EXPECT_EQ(page.rollText().size(), 3u);
    ASSERT_NE(entry(), nullptr);
    EXPECT_EQ(entry()->memo, page.placeName());
    EXPECT_FALSE(page.placeName().empty());
}

} // namespace
} // namespace tallar
