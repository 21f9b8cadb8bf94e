#include "wizard/CWizard3.h"

#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallar {
namespace {

using namespace kinds;
using Field = CWizard3::Field;

constexpr const char* kRace = "r1";
constexpr const char* kStage = "s1";
constexpr const char* kAlignment = "a1";
constexpr const char* kClass = "k1";
// Alchemik, Bard and Cyrulik go together pairwise; Druid goes with Alchemik alone;
// Egzorcysta with none; Fechmistrz is not open to the alignment.
constexpr const char* kA = "pA";
constexpr const char* kB = "pB";
constexpr const char* kC = "pC";
constexpr const char* kD = "pD";
constexpr const char* kE = "pE";
constexpr const char* kF = "pF";

struct ProfessionPage : ::testing::Test, test::EngineFixture {
    CWizard3 page{*rules.db, *character, port};

    ProfessionPage() {
        insert("rasy", {{"id", kRace}, {"nazwa", "Człowiek"}});
        insert("stadia", {{"id", kStage}, {"idrasa", kRace}, {"nazwa", "Dorosły"}});
        insert("rasycharakter", {{"idrasa", kRace}, {"idcharakter", kAlignment}});
        insert("rasyklasy", {{"idrasa", kRace}, {"idklasy", kClass}});
        profession(kA, "Alchemik", "5", "T");
        profession(kB, "Bard", "", "N");
        profession(kC, "Cyrulik", "0", "N");
        profession(kD, "Druid", "", "N");
        profession(kE, "Egzorcysta", "", "N");
        profession(kF, "Fechmistrz", "", "N", false);
        for (const auto& [a, b] : std::vector<std::pair<const char*, const char*>>{
                 {kA, kB}, {kA, kC}, {kB, kC}, {kA, kD}}) {
            insert("profprof", {{"id", a}, {"idpfor", b}});
            insert("profprof", {{"id", b}, {"idpfor", a}});
        }
        CPoz& extra = top(kLinkDodatkoweInformacje);
        CPoz& look = add(extra, "Rasa: Człowiek", info::kAppearance, 0, kRace);
        add(look, "Stadium: Dorosły", stage::kStage, 0, kStage);
        add(extra, "Charakter: prawo-dobry", info::kAlignment, 0, kAlignment);
        add(extra, "Klasa społeczna", info::kSocialClass, 0, kClass);
        page.open();
    }

    void profession(const char* id, const char* name, const char* limit, const char* extraRoll,
                    bool alignmentAllowed = true) {
        insert("profesje", {{"id", id},
                            {"nazwa", name},
                            {"poz_zyw", "K6"},
                            {"poz_sf", ""},
                            {"poz_zr", "K3"},
                            {"poz_sz", ""},
                            {"poz_inte", ""},
                            {"poz_md", ""},
                            {"poz_um", ""},
                            {"poz_ch", ""},
                            {"poz_pr", ""},
                            {"poz_wi", ""},
                            {"poz_zw", ""},
                            {"bgl_ilosc", "1"},
                            {"bgl_na_poz", "K2"},
                            {"bgl_podst", extraRoll}});
        insert("profrasa", {{"id", id}, {"idrasa", kRace}, {"pozlimit", limit}});
        insert("profklasy", {{"id", id}, {"idklasy", kClass}});
        if (alignmentAllowed)
            insert("profcharakter", {{"id", id}, {"idcharakter", kAlignment}});
    }

    std::vector<std::string> names(std::size_t slot) const {
        std::vector<std::string> found;
        for (const ProfessionItem& item : page.offered(slot))
            found.push_back(item.name);
        return found;
    }
    std::vector<std::string> professionEntries() {
        std::vector<std::string> found;
        for (const CPoz* child : top(kLinkProfesje).children())
            found.push_back(child->info);
        return found;
    }
};

using Names = std::vector<std::string>;

TEST_F(ProfessionPage, TheFirstListHoldsTheProfessionsOpenToRaceAlignmentAndClass) {
    EXPECT_EQ(names(0), (Names{"Alchemik", "Bard", "Cyrulik", "Druid", "Egzorcysta"}));
    EXPECT_TRUE(page.offered(1).empty());
    EXPECT_TRUE(page.offered(2).empty());
    const ProfessionItem& alchemist = page.offered(0)[0];
    EXPECT_EQ(alchemist.shown, "Alchemik [limit: 5 poz]");
    EXPECT_EQ(alchemist.requirements, "K6||K3|||||||||1|K2");
    EXPECT_TRUE(alchemist.extraRoll);
    // An empty limit shows the bare name; "0" is shown but no limit either.
    EXPECT_EQ(page.offered(0)[1].shown, "Bard");
    EXPECT_EQ(page.offered(0)[2].shown, "Cyrulik [limit: 0 poz]");
    EXPECT_FALSE(page.offered(0)[1].extraRoll);
    EXPECT_EQ(page.levelLimit(0), CWizard3::kNoLimit);
    page.choose(0, kA);
    EXPECT_EQ(page.levelLimit(0), 5);
    page.choose(0, kC);
    EXPECT_EQ(page.levelLimit(0), CWizard3::kNoLimit);
}

TEST_F(ProfessionPage, AChoiceNarrowsTheOtherListsToCombinableProfessions) {
    page.choose(0, kA);
    // The second: every profession that goes with the alchemist.
    EXPECT_EQ(names(1), (Names{"Bard", "Cyrulik", "Druid"}));
    // The third: those that also share a partner with the alchemist other than each other
    // (the druid goes with the alchemist alone).
    EXPECT_EQ(names(2), (Names{"Bard", "Cyrulik"}));
    EXPECT_EQ(names(0).size(), 5u); // its own list stays

    page.choose(1, kB);
    // The first: what goes with the bard; the third: what goes with both, the two going
    // together.
    EXPECT_EQ(names(0), (Names{"Alchemik", "Cyrulik"}));
    EXPECT_EQ(names(2), (Names{"Cyrulik"}));
    EXPECT_EQ(page.chosenId(0), kA);

    page.choose(1, kD);
    EXPECT_EQ(names(0), (Names{"Alchemik"}));
    EXPECT_TRUE(page.offered(2).empty());

    // A profession without partners leaves the other lists empty.
    page.choose(1, "");
    page.choose(0, kE);
    EXPECT_TRUE(page.offered(1).empty());
    EXPECT_TRUE(page.offered(2).empty());
}

TEST_F(ProfessionPage, AChoiceTheRebuiltListNoLongerOffersIsCleared) {
    page.choose(0, kA);
    page.choose(1, kB);
    EXPECT_EQ(page.chosenId(1), kB);
    page.choose(0, kD); // the bard does not go with the druid
    EXPECT_EQ(names(1), (Names{"Alchemik"}));
    EXPECT_EQ(page.chosenId(1), "");
    EXPECT_EQ(page.chosen(1), nullptr);
    EXPECT_EQ(page.levelLimit(1), CWizard3::kNoLimit);
}

TEST_F(ProfessionPage, TheThirdProfessionOpensWhenTheSecondLevelSaysSpec) {
    page.choose(0, kA);
    page.choose(1, kB);
    EXPECT_FALSE(page.enabled(2));
    page.choose(2, kC); // closed: refused
    EXPECT_EQ(page.chosenId(2), "");

    page.setLevelText(1, "3 SpEc");
    EXPECT_TRUE(page.thirdOpen());
    EXPECT_EQ(page.level(1), 3);
    page.choose(2, kC);
    page.setLevelText(2, "1");
    EXPECT_EQ(page.chosenId(2), kC);
    // The limits are lifted: the alchemist (limit 5) at level 7.
    page.setLevelText(0, "7");
    EXPECT_EQ(page.firstProblem(), std::nullopt);

    // Without the specialisation mark the third closes and is emptied; the limit holds again.
    page.setLevelText(1, "3");
    EXPECT_FALSE(page.thirdOpen());
    EXPECT_EQ(page.chosenId(2), "");
    EXPECT_EQ(page.levelText(2), "");
    EXPECT_EQ(page.firstProblem(), Field::Level1);
}

TEST_F(ProfessionPage, OkWaitsForAValidPage) {
    EXPECT_EQ(page.firstProblem(), Field::Profession1);
    EXPECT_EQ(*page.problem(Field::Profession1), "Profesja 1: wybierz profesję.");
    EXPECT_FALSE(page.finish());

    page.choose(0, kA);
    EXPECT_EQ(page.firstProblem(), std::nullopt);
    // A level above the limit.
    page.setLevelText(0, "6");
    EXPECT_EQ(*page.problem(Field::Level1), "Poziom 1: profesja Alchemik ma limit 5 poziomów.");
    page.setLevelText(0, "5");
    EXPECT_EQ(page.problem(Field::Level1), std::nullopt);
    // A level beside no profession.
    page.setLevelText(1, "2");
    EXPECT_EQ(page.firstProblem(), Field::Level2);
    EXPECT_FALSE(page.finish());
    page.setLevelText(1, "");
    // A third profession without the second.
    page.choose(1, kB);
    page.setLevelText(1, "spec");
    page.choose(2, kC);
    page.choose(1, "");
    EXPECT_EQ(*page.problem(Field::Profession3), "Profesja 3: trzecia profesja wymaga drugiej.");
    EXPECT_FALSE(page.finish());
    // A level out of any range.
    page.choose(1, kB);
    page.choose(2, kC);
    page.setLevelText(0, "-1");
    EXPECT_EQ(page.firstProblem(), Field::Level1);
    page.setLevelText(0, "1000");
    EXPECT_EQ(page.firstProblem(), Field::Level1);
    EXPECT_TRUE(professionEntries().empty());
}

TEST_F(ProfessionPage, OkWritesTheProfessionsWithLevelAndExperience) {
    page.choose(0, kA);
    page.setLevelText(0, "3");
    page.choose(1, kB);
    page.setLevelText(1, "4 spec");
    page.choose(2, kC);
    page.setLevelText(2, "19");
    ASSERT_TRUE(page.finish());

    const CPoz& list = top(kLinkProfesje);
    ASSERT_EQ(list.size(), 3u);
    const CPoz& alchemist = *list.front();
    EXPECT_EQ(alchemist.info, "Alchemik");
    EXPECT_EQ(alchemist.specjal, kA);
    EXPECT_EQ(alchemist.typ, profession::kProfession);
    EXPECT_EQ(alchemist.memo, "K6||K3|||||||||1|K2");
    EXPECT_EQ(alchemist.wartosc, 5);              // its level limit
    EXPECT_DOUBLE_EQ(alchemist.modyfikator, 1.0); // an extra proficiency roll
    // Level L from 1 to 3 needs (L + 1)·50, from 4 to 6 (L − 3)·250, from 19 on
    // (L − 15)·10000 points: 200, 250, 40000.
    const std::vector<std::pair<int, int>> expected = {{3, 200}, {4, 250}, {19, 40000}};
    std::size_t i = 0;
    for (const CPoz* entry : list.children()) {
        ASSERT_EQ(entry->size(), 2u);
        EXPECT_EQ(entry->front()->info, "Poziom");
        EXPECT_EQ(entry->front()->typ, profession::kLevel);
        EXPECT_EQ(entry->front()->wartosc, expected[i].first);
        EXPECT_EQ(entry->back()->info, "Punkty doświadczenia");
        EXPECT_EQ(entry->back()->typ, profession::kExperience);
        EXPECT_EQ(entry->back()->wartosc, expected[i].second);
        ++i;
    }
    EXPECT_EQ(list.back()->wartosc, CWizard3::kNoLimit); // Cyrulik's "0"
    EXPECT_DOUBLE_EQ(list.back()->modyfikator, 0.0);
}

TEST_F(ProfessionPage, LevelZeroStoresOnePoint) {
    page.choose(0, kB);
    ASSERT_TRUE(page.finish());
    const CPoz& bard = *top(kLinkProfesje).front();
    EXPECT_EQ(bard.FindByKind(profession::kLevel)->wartosc, 0);
    EXPECT_EQ(bard.FindByKind(profession::kExperience)->wartosc, 1);
}

TEST_F(ProfessionPage, AFailingRebuildKeepsTheListAsItWas) {
    page.choose(0, kA);
    rules.db->setStatementHook([](std::string_view sql) {
        return sql.find("profprof") != std::string_view::npos ? Status::error("dysk pełny")
                                                              : Status();
    });
    page.choose(0, kD);
    rules.db->setStatementHook({});
    EXPECT_EQ(names(1), (Names{"Bard", "Cyrulik", "Druid"}));
    ASSERT_FALSE(port.errors().empty());
    EXPECT_EQ(port.errors().front().caption, "Błąd!");
}

TEST_F(ProfessionPage, NoProfessionOpenSaysWhy) {
    CIstota stranger(*characters.db);
    CWizard3 empty(*rules.db, stranger, port);
    empty.open();
    EXPECT_TRUE(empty.offered(0).empty());
    EXPECT_EQ(*empty.problem(Field::Profession1),
              "Profesja 1: rasa, charakter i klasa społeczna nie dopuszczają żadnej profesji.");
}

} // namespace
} // namespace tallar
