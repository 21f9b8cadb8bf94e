#include "rules/engine/CRdzenUmiejetnosci.h"

#include "support/EngineFixture.h"
#include "support/PickingPort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tallar {
namespace {

using namespace kinds;

// Identifiers: skills 601…, professions 401…, trades 501…, races 101…, stages 102….
std::string skillId(int n) {
    return "100000000000000000000601999" + std::string(n < 10 ? "00" : "0") + std::to_string(n);
}
constexpr const char* kProfession = "100000000000000000000401999001";
constexpr const char* kTrade = "100000000000000000000501999001";
constexpr const char* kRace = "100000000000000000000101999001";
constexpr const char* kStage = "100000000000000000000102999001";

struct SkillsTest : ::testing::Test, test::EngineFixture {
    test::PickingPort picking;

    SkillsTest() {
        insert("profesje", {{"id", kProfession}, {"nazwa", "Wojownik"}});
        insert("zawod", {{"id", kTrade}, {"nazwa", "Kowal"}});
        insert("rasy", {{"id", kRace}, {"nazwa", "Krasnolud"}});
        insert("stadia", {{"id", kStage}, {"idrasa", kRace}, {"nazwa", "Młody"}, {"od", "20"}});
    }

    // A skill whose flag columns are "N" except those given as "T".
    void skill(int n, const std::string& name, const std::set<std::string>& set = {},
               const std::string& funkcja = "") {
        Columns columns = {{"id", skillId(n)}, {"nazwa", name}, {"funkcja", funkcja}};
        for (const char* column :
             {"deklaracja", "okres", "zasiegwzrok", "zapozyczenie", "polaczana", "potencjalcelu"})
            columns.emplace_back(column, set.contains(column) ? "T" : "N");
        insert("umiejetnosci", columns);
    }
    void link(int from, int to) {
        insert("umiejumiej", {{"idumiejjeden", skillId(from)}, {"idumiejdwa", skillId(to)}});
    }
    void modification(const std::string& id, int of, const std::string& wsp,
                      const std::string& opponent = "N") {
        insert("modyfikacje", {{"id", id},
                               {"idumiejetnosc", skillId(of)},
                               {"zmianabaza", "2"},
                               {"zmianaextra", "1"},
                               {"zmianaile", "10"},
                               {"zmianawsp", wsp},
                               {"zmianapelne", "T"},
                               {"zmianapowyzej", "30"},
                               {"zmianaprzeciwnik", opponent},
                               {"zmianazmiana", "OB.TAR"},
                               {"zmianaznak", "+"},
                               {"zmianawspprzeciwnik", "N"}});
    }

    CPoz& profession(int level) {
        CPoz& entry = add(top(kLinkProfesje), "Wojownik", profession::kProfession, 0, kProfession);
        add(entry, "Poziom", profession::kLevel, level);
        return entry;
    }
    CPoz& trade(const std::string& code) {
        CPoz& entry = add(top(kLinkZawody), "Kowal", trade::kTrade, 3, "Kowal", code);
        add(entry, "Podstawy", trade::kGrade, 0, kTrade, code);
        return entry;
    }
    CPoz& stage() {
        CPoz& look =
            add(top(kLinkDodatkoweInformacje), "Rasa: Krasnolud", info::kAppearance, 0, kRace);
        return add(look, "Stadium: Młody", stage::kStage, 0, kStage);
    }
    CPoz* group(int kind) { return top(kLinkUmiejetnosci).FindByKind(kind); }
    // The skills of a group as "name value modifier", in order.
    static std::vector<std::string> skills(const CPoz* group) {
        std::vector<std::string> found;
        if (group)
            for (const CPoz* s : group->children())
                found.push_back(s->info + " " + std::to_string(s->wartosc) +
                                (s->modyfikator == 1.0 ? " 1.0" : " 0.0"));
        return found;
    }

    CRdzenUmiejetnosci engine() {
        return CRdzenUmiejetnosci(
            EngineContext{.rules = *rules.db, .character = *character, .port = picking});
    }
};

using Lines = std::vector<std::string>;

TEST_F(SkillsTest, TheFlagsOfASkillPositionByPosition) {
    // Flags 1-4: rows in modyfikacje (T), szanse (N), skutkirzutow (N), rzutyobronne (T);
    // 5-35 the columns, here okres (7), zasiegwzrok (14), zapozyczenie (30), polaczana
    // (33) and potencjalcelu (35); 36: joined, and the lower identifier of the pair.
    skill(1, "Łączona", {"okres", "zasiegwzrok", "zapozyczenie", "polaczana", "potencjalcelu"});
    skill(2, "Druga z pary", {"polaczana"});
    skill(3, "Zwykła");
    link(2, 1);
    modification("100000000000000000000605999001", 1, "ZR");
    insert("rzutyobronne",
           {{"id", "100000000000000000000603999001"}, {"idumiejetnosc", skillId(1)}});
    for (int n : {1, 2, 3})
        insert("stadiumumiej", {{"idstadium", kStage}, {"idumiej", skillId(n)}});
    stage();
    engine().SkillsFromSource(CRdzenUmiejetnosci::kRaceStage);

    const CPoz* race = group(skill::kRaceGroup);
    ASSERT_NE(race, nullptr);
    ASSERT_EQ(race->size(), 3u);
    EXPECT_EQ(race->FindBySpecjal(skillId(1))->memo, "TNNTNNTNNNNNNTNNNNNNNNNNNNNNNTNNTNTT");
    // The higher identifier of a joined pair is not the one that brings the pair.
    EXPECT_EQ(race->FindBySpecjal(skillId(2))->memo, "NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNTNNN");
    EXPECT_EQ(race->FindBySpecjal(skillId(3))->memo, "NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNT");
    // The race's group: its name, the stage in the memo, a reference to the stage entry;
    // each skill's value is the stage's od.
    EXPECT_EQ(race->info, "Krasnolud");
    EXPECT_EQ(race->memo, kStage);
    EXPECT_EQ(race->target()->typ, stage::kStage);
    EXPECT_EQ(race->front()->wartosc, 20);
}

TEST_F(SkillsTest, TheRaceStageGroupIsFilledAgainAndGoesWhenEmpty) {
    skill(1, "Widzenie w mroku");
    insert("stadiumumiej", {{"idstadium", kStage}, {"idumiej", skillId(1)}});
    stage();
    engine().SkillsFromSource(CRdzenUmiejetnosci::kRaceStage);
    engine().SkillsFromSource(CRdzenUmiejetnosci::kRaceStage);
    EXPECT_EQ(skills(group(skill::kRaceGroup)), Lines({"Widzenie w mroku 20 0.0"}));

    ASSERT_TRUE(rules.db->exec("DELETE FROM stadiumumiej;").ok());
    engine().SkillsFromSource(CRdzenUmiejetnosci::kRaceStage);
    EXPECT_EQ(group(skill::kRaceGroup), nullptr);
}

TEST_F(SkillsTest, AProfessionGetsTheSkillsUpToItsLevelOnce) {
    skill(1, "Pierwsza");
    skill(3, "Trzecia");
    skill(5, "Piąta");
    for (int n : {1, 3, 5})
        insert("profumiej",
               {{"id", kProfession}, {"idumiej", skillId(n)}, {"poz", std::to_string(n)}});
    CPoz& warrior = profession(3);
    engine().SkillsFromSource(CRdzenUmiejetnosci::kProfessions);
    CPoz* own = group(skill::kProfessionGroup);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(skills(own), Lines({"Pierwsza 1 0.0", "Trzecia 3 0.0"}));
    EXPECT_EQ(own->info, "Wojownik");
    EXPECT_EQ(own->memo, kProfession);
    EXPECT_EQ(own->target(), &warrior);
    const std::string firstId = own->front()->id();

    // Again: nothing new, the entries kept as they were.
    engine().SkillsFromSource(CRdzenUmiejetnosci::kProfessions);
    EXPECT_EQ(skills(own), Lines({"Pierwsza 1 0.0", "Trzecia 3 0.0"}));
    EXPECT_EQ(own->front()->id(), firstId);
    EXPECT_EQ(top(kLinkUmiejetnosci).size(), 1u);

    // A level that fell takes the skills above it away.
    warrior.FindByKind(profession::kLevel)->wartosc = 2;
    engine().SkillsFromSource(CRdzenUmiejetnosci::kProfessions);
    EXPECT_EQ(skills(own), Lines({"Pierwsza 1 0.0"}));

    // The group goes with its profession.
    (void)warrior.Odlaczenie();
    EXPECT_EQ(group(skill::kProfessionGroup), nullptr);
}

TEST_F(SkillsTest, ATradeGetsTheSkillsOfItsGradeAndThoseBelow) {
    skill(1, "Kowalstwo");
    skill(2, "Handel");
    skill(3, "Płatnerstwo");
    skill(4, "Mistrzostwo");
    skill(5, "Cech");
    const std::map<int, std::string> grades = {
        {1, "ZAWOD1"}, {2, "ZAWODS"}, {3, "ZAWOD2"}, {4, "ZAWOD3"}, {5, "ZAWOD4"}};
    for (const auto& [n, code] : grades)
        insert("zawodumiej", {{"idzawod", kTrade}, {"idumiej", skillId(n)}, {"typ", code}});

    // The apprenticeship (15) brings the basics (10) and its own, not the specialist's (20).
    CPoz& smith = trade("ZAWODS");
    engine().SkillsFromSource(CRdzenUmiejetnosci::kTrades);
    CPoz* own = group(skill::kTradeGroup);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(skills(own), Lines({"Kowalstwo 10 0.0", "Handel 15 0.0"}));
    EXPECT_EQ(own->info, "Kowal");
    EXPECT_EQ(own->memo, kTrade);
    EXPECT_EQ(own->target(), &smith);

    // A guild master (40) ranks above the master (30): every grade's skills.
    smith.memo = "ZAWOD4";
    engine().SkillsFromSource(CRdzenUmiejetnosci::kTrades);
    EXPECT_EQ(skills(own), Lines({"Kowalstwo 10 0.0", "Handel 15 0.0", "Płatnerstwo 20 0.0",
                                  "Mistrzostwo 30 0.0", "Cech 40 0.0"}));
}

TEST_F(SkillsTest, ABorrowedSkillOffersTheUnjoinedAndTheFirstOfEachJoinedGroup) {
    skill(1, "Rzemiosło", {"zapozyczenie"});
    skill(2, "Kowalstwo");
    skill(3, "Kamieniarstwo", {"polaczana"});
    skill(4, "Rzeźba", {"polaczana"});
    for (int n : {2, 3, 4})
        link(1, n);
    link(3, 4);
    link(4, 3);
    insert("profumiej", {{"id", kProfession}, {"idumiej", skillId(1)}, {"poz", "1"}});
    profession(1);
    picking.queuePick(std::vector<std::string>{skillId(3)});
    engine().SkillsFromSource(CRdzenUmiejetnosci::kProfessions);

    ASSERT_EQ(picking.offers.size(), 1u);
    EXPECT_EQ(picking.offers[0].caption, "Wybór zapożyczonej umiejętności");
    std::set<std::string> offered;
    for (const auto& row : picking.offers[0].table.rows)
        offered.insert(row.at(1));
    // Rzeźba is joined and not the lower identifier of its pair.
    EXPECT_EQ(offered, (std::set<std::string>{"Kowalstwo", "Kamieniarstwo"}));
    EXPECT_EQ(picking.offers[0].table.columns, Lines({"id", "nazwa           "}));

    // The choice brings its joined skill; both are borrowed (value 1, modifier 1.0) and the
    // borrowed skill itself is gone.
    const CPoz* own = group(skill::kProfessionGroup);
    EXPECT_EQ(skills(own), Lines({"Kamieniarstwo 1 1.0", "Rzeźba 1 1.0"}));

    // Again: the choice stays and nothing is asked.
    engine().SkillsFromSource(CRdzenUmiejetnosci::kProfessions);
    EXPECT_EQ(picking.offers.size(), 1u);
    EXPECT_EQ(skills(own), Lines({"Kamieniarstwo 1 1.0", "Rzeźba 1 1.0"}));
}

TEST_F(SkillsTest, ACancelledBorrowedChoiceLeavesNothingAndIsAskedAgain) {
    skill(1, "Rzemiosło", {"zapozyczenie"});
    skill(2, "Kowalstwo");
    link(1, 2);
    insert("profumiej", {{"id", kProfession}, {"idumiej", skillId(1)}, {"poz", "1"}});
    profession(1);
    picking.queuePick(std::nullopt);
    engine().SkillsFromSource(CRdzenUmiejetnosci::kProfessions);
    EXPECT_TRUE(group(skill::kProfessionGroup)->empty());
    engine().SkillsFromSource(CRdzenUmiejetnosci::kProfessions);
    EXPECT_EQ(picking.offers.size(), 2u);
    EXPECT_EQ(skills(group(skill::kProfessionGroup)), Lines({"Kowalstwo 1 1.0"}));
}

struct TrainingTest : SkillsTest {
    CPoz* pool = nullptr;
    TrainingTest() {
        skill(1, "Walka dwiema brońmi", {}, "$SZKOLENIE|2|3");
        // Cheaper for who knows Tropienie (a linked skill the character has).
        skill(2, "Strzelectwo wyborowe", {"polaczana"}, "$SZKOLENIE|1|4|2");
        skill(3, "Tropienie");
        skill(4, "Celowanie", {"polaczana"});
        link(2, 3);
        link(2, 4);
        pool = &add(top(kLinkBieglosci), "Wolne biegłości", proficiency::kFree, 0);
        add(*pool, "Profesja", proficiency::kFreeFromProfession, 3);
    }
    std::vector<std::string> offered() {
        std::vector<std::string> lines;
        for (const TrainingOffer& offer : engine().TrainingOffers())
            lines.push_back(offer.line());
        return lines;
    }
};

TEST_F(TrainingTest, ATrainingIsOfferedFromItsLevelWithinTheFreePoints) {
    // Level 1: the first needs level 2; the second costs 4 of the 3 free points.
    CPoz& warrior = profession(1);
    EXPECT_EQ(offered(), Lines());
    // Level 2: "$SZKOLENIE|2|3" for 3 points.
    warrior.FindByKind(profession::kLevel)->wartosc = 2;
    EXPECT_EQ(offered(), Lines({"Walka dwiema brońmi (3 Bgł.)"}));
    // Knowing Tropienie makes the second cost its fourth field, 2.
    add(top(kLinkUmiejetnosci), "Ogólne", skill::kGeneralGroup, 0)
        .AddChild({.info = "Tropienie", .specjal = skillId(3), .typ = skill::kSkill});
    EXPECT_EQ(offered(), Lines({"Walka dwiema brońmi (3 Bgł.)", "Strzelectwo wyborowe (2 Bgł.)"}));
    // Without free points nothing is offered.
    pool->front()->wartosc = 1;
    EXPECT_EQ(offered(), Lines());
}

TEST_F(TrainingTest, ABoughtTrainingComesWithItsJoinedSkills) {
    profession(2);
    // Tropienie from the race stage makes the second training cost 2.
    add(top(kLinkUmiejetnosci), "Krasnolud", skill::kRaceGroup, 0)
        .AddChild({.info = "Tropienie", .specjal = skillId(3), .typ = skill::kSkill});
    picking.queuePick(std::vector<std::string>{skillId(2)});
    engine().Training();
    ASSERT_EQ(picking.offers.size(), 1u);
    EXPECT_EQ(picking.offers[0].caption, "Wybór szkolenia");
    EXPECT_EQ(picking.offers[0].table.rows,
              (std::vector<Lines>{{skillId(1), "Walka dwiema brońmi (3 Bgł.)"},
                                  {skillId(2), "Strzelectwo wyborowe (2 Bgł.)"}}));

    const CPoz* general = group(skill::kGeneralGroup);
    ASSERT_NE(general, nullptr);
    EXPECT_EQ(general->info, "Ogólne");
    // The training and the joined skill linked to it (Tropienie is linked, not joined).
    EXPECT_EQ(skills(general), Lines({"Strzelectwo wyborowe 0 0.0", "Celowanie 0 0.0"}));
    EXPECT_EQ(pool->FindByKind(proficiency::kTrainingCost)->wartosc, -2);
    EXPECT_DOUBLE_EQ(pool->total, 1.0); // 3 - 2
}

TEST_F(TrainingTest, TheCostGoesWithTheSkillItBought) {
    profession(2);
    picking.queuePick(std::vector<std::string>{skillId(1)});
    engine().Training();
    CPoz* general = group(skill::kGeneralGroup);
    ASSERT_NE(general, nullptr);
    EXPECT_EQ(skills(general), Lines({"Walka dwiema brońmi 0 0.0"}));
    const CPoz* cost = pool->FindByKind(proficiency::kTrainingCost);
    ASSERT_NE(cost, nullptr);
    EXPECT_EQ(cost->wartosc, -3);
    EXPECT_EQ(cost->target(), general->front());
    EXPECT_DOUBLE_EQ(pool->total, 0.0); // 3 - 3

    (void)general->front()->Odlaczenie();
    EXPECT_EQ(pool->FindByKind(proficiency::kTrainingCost), nullptr);
}

TEST_F(TrainingTest, CancellingBuysAndPaysNothing) {
    profession(2);
    picking.queuePick(std::nullopt);
    engine().Training();
    EXPECT_EQ(picking.offers.size(), 1u);
    EXPECT_EQ(group(skill::kGeneralGroup), nullptr);
    EXPECT_EQ(pool->FindByKind(proficiency::kTrainingCost), nullptr);
}

TEST_F(SkillsTest, TheModificationsOfTheSkillsAreGatheredIntoTheSkillsEntry) {
    // Counted: modifications, no chances, no declaration. Ordered by zmianawsp; a
    // modification against an opponent is left out.
    skill(1, "Walka tarczą");
    skill(2, "Zastraszenie", {"deklaracja"});
    modification("100000000000000000000605999001", 1, "ZR");
    modification("100000000000000000000605999002", 1, "CH");
    modification("100000000000000000000605999003", 1, "SF", "T");
    modification("100000000000000000000605999004", 2, "CH");
    for (int n : {1, 2})
        insert("stadiumumiej", {{"idstadium", kStage}, {"idumiej", skillId(n)}});
    stage();
    engine().SkillsFromSource(CRdzenUmiejetnosci::kRaceStage);

    const CPoz& all = top(kLinkUmiejetnosci);
    // wspprzeciwnik, przeciwnik, znak | zmiana | wsp | name $ baza | extra | ile | wsp |
    // pełne | powyżej
    EXPECT_EQ(all.memo, "NN+|OB.TAR|CH|Walka tarczą$2|1|10|CH|T|30#"
                        "NN+|OB.TAR|ZR|Walka tarczą$2|1|10|ZR|T|30");
    EXPECT_EQ(all.wartosc, 1);
    EXPECT_EQ(group(skill::kRaceGroup)->wartosc, 1);

    // Without such a skill the memo empties and the value drops to 0.
    ASSERT_TRUE(rules.db->exec("DELETE FROM modyfikacje;").ok());
    engine().SkillsFromSource(CRdzenUmiejetnosci::kOnlyModifications);
    EXPECT_EQ(all.memo, "");
    EXPECT_EQ(all.wartosc, 0);
}

} // namespace
} // namespace tallar
