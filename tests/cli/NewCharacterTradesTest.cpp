#include "model/Character.h"
#include "store/CharacterStore.h"
#include "store/db/Database.h"
#include "support/SampleDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tallar {
namespace {

using namespace kinds;
using test::SampleDir;
using Lines = std::vector<std::string>;

// The stored character a `new` run printed the identifier of.
std::unique_ptr<CIstota> stored(SampleDir& dir, const std::string& output) {
    auto characters = test::openDatabase(dir.dir.file("rtistoty.db"));
    if (!characters)
        return nullptr;
    Result<LoadedCharacter> loaded = LoadCharacter(*characters, output.substr(0, 30));
    if (!loaded)
        return nullptr;
    loaded->character->RecalculateCharacter();
    return std::move(loaded->character);
}

std::string lines(const Lines& answers) {
    std::string text;
    for (const std::string& answer : answers)
        text += answer + "\n";
    return text;
}

// The 36 flags with "T" at the given places (from 1).
std::string flags(const std::vector<int>& set) {
    std::string text(36, 'N');
    for (const int place : set)
        text[static_cast<std::size_t>(place - 1)] = 'T';
    return text;
}

// A young elf priest of level 1 among the peasants, with every throw typed in, computed from
// the sample rules.
TEST(CliNewTrades, AnElfPriestLearnsTheSmithsTradeAfterTheApprenticeship) {
    SampleDir d;
    const Lines answers = {
        // The peasants' wealth K10: 3 pieces of gold (their charisma is 0, no throw). No
        // disability (100 > 20), no ability (100 > 10).
        "3", "100", "100",
        // The young elf's stage, in column order: Żywotność K10, Siła fizyczna K10,
        // Zręczność, Szybkość, Inteligencja 2K10 each, Mądrość 2K10+10 (3 and 4: 17),
        // Umiejętności magiczne, Charyzma, Prezencja 2K10 each, Wiara K10 and its extra
        // throw, Zauważenie 2K10, resistances 1 to 10 K10 each.
        "5", "5", "5", "5", "5", "5", "5", "5", "3", "4", "5", "5", "5", "5", "5", "5", "5", "5",
        "5", "5", "5", "5", "5", "5", "5", "5", "5", "5", "5", "5",
        // Height and weight K100_PR, the random parts of the base resistances K10_PR.
        "50", "50", "5", "5",
        // The priest's bonuses: Mądrość K10 1, Charyzma K5, Wiara 2K10, resistances 1 to 3;
        // then the experience 2K10: 5 + 5 = 10.
        "1", "5", "5", "5", "5", "5", "5", "5", "5",
        // The trades roll r = 2. Mądrość from the race and the profession 17 + 1 = 18:
        // X = 0 − 2 + 18 = 16, 16 / 20 = 0.8 rounds up to one trade.
        "2",
        // 98 among the peasants' trades is a special roll (no −5): the journeyman, who
        // sends the roll to the towns; 10 there (no modifier) is the smith (1-20).
        "98", "10",
        // The smith's learning time K5+1: 6 on the K10 is 3, 4 years. The voluntary
        // apprenticeship, yes: K2 entered as a K10, 3 is 1 year. Its experience 2K10+10:
        // 4 and 5, 19; its wealth K5: 7 is 4.
        "6", "t", "3", "4", "5", "7",
        // Level 1 of the priest: its K10 where the program proposes, then Żywotność K5,
        // Mądrość K3, Wiara K5, the proficiency K2 and the base resistance's K10.
        "", "5", "1", "5", "5", "5",
        // The weapons page: the elf's racial Łuki and Miecze do not meet "Broń podręczna",
        // so the daggers take the priest's free proficiency, trained with one throw.
        "64"};
    // The kit is given (none): nothing more is asked.
    const auto made = d.cli({"new",
                             "--ask",
                             "--seed",
                             "1",
                             "--stage",
                             "Elf [Młody elf]",
                             "--class-roll",
                             "10",
                             "--birth-roll",
                             "10",
                             "--name",
                             "Aerin",
                             "--profession",
                             "Kapłan:1",
                             "--weapon-group",
                             "Sztylety i noże",
                             "--armour",
                             "none",
                             "--shield",
                             "none",
                             "--item",
                             "none",
                             "--place",
                             "none"},
                            lines(answers));
    ASSERT_EQ(made.code, 0) << made.err;
    for (const char* prompt :
         {"Zawody: ilość zawodów? K100: ", "Zawód - klasa: CHŁOPSKA K100: ",
          "Zawód - klasa: MIEJSKA K100: ", "Zawód: Kowal czas nauki K5 [wynik K10]: ",
          "Zawód: Kowal - czy dobrowolny starz ? [t/n]: ",
          "Zawód: Kowal - czas starzu? K2 [wynik K10]: ", "Pkt.dośw.- starz -Kowal K10 2 z 2: ",
          "Majątek - starz -Kowal K5 [wynik K10]: "})
        EXPECT_NE(made.err.find(prompt), std::string::npos) << prompt << "\n" << made.err;
    // No training is offered: nothing but the answers above was read.
    EXPECT_EQ(made.err.find("Wybór szkolenia"), std::string::npos) << made.err;

    const auto hero = stored(d, made.out);
    ASSERT_NE(hero, nullptr);
    // The trade: "po starzu", 1 year of apprenticeship and 4 of learning, the learning
    // time kept in the modifier; one grade, the apprenticeship, with the formulas of the
    // basics (Siła fizyczna + 1) and of the apprenticeship (+ 2).
    const CPoz* trades = hero->link(kLinkZawody);
    ASSERT_EQ(trades->size(), 1u);
    const CPoz& smith = *trades->front();
    EXPECT_EQ(smith.info, "Kowal - po starzu");
    EXPECT_EQ(smith.specjal, "Kowal");
    EXPECT_EQ(smith.memo, "ZAWODS");
    EXPECT_EQ(smith.wartosc, 5);
    EXPECT_DOUBLE_EQ(smith.modyfikator, 4.0);
    ASSERT_EQ(smith.size(), 1u);
    const CPoz& grade = *smith.front();
    EXPECT_EQ(grade.info, "Starz");
    EXPECT_EQ(grade.memo, "ZAWODS");
    ASSERT_EQ(grade.size(), 2u);
    Lines effects;
    for (const CPoz* owner : grade.children())
        effects.push_back(owner->front()->info);
    EXPECT_EQ(effects, Lines({"Siła fizyczna + 1", "Siła fizyczna + 2"}));
    // Their shares in Siła fizyczna, growing by the elf's 0.8. The weapons page's recount
    // applied the trade's formulas again, labelled by the trade's name and its grade's,
    // the basics' formula with its own grade's name as well.
    Lines shares;
    for (const CPoz* part : hero->link(kLinkSilaFizyczna)->children())
        if (part->typ == perMember::kFormulaShare[member::kStrength]) {
            shares.push_back(part->info + " " + std::to_string(part->wartosc) + " " + part->memo);
            EXPECT_DOUBLE_EQ(part->front()->modyfikator, 0.8);
        }
    EXPECT_EQ(shares, Lines({"Kowal - Starz (Podstawy) 1 0|zawod", "Kowal - Starz 2 0|zawod"}));

    // The age step again: 30, the profession's 2 and the trade's 5 years.
    EXPECT_EQ(hero->age(), 37);

    // The trade's experience goes to the one profession: level 1 begins at (1 + 1) · 50 =
    // 100 points, its own 2K10 added 10, and the apprenticeship's 19: 129.
    const CPoz* priest = hero->link(kLinkProfesje)->FindByKind(profession::kProfession);
    ASSERT_NE(priest, nullptr);
    EXPECT_EQ(priest->FindByKind(profession::kExperience)->wartosc, 129);

    // The wealth 4: the materials worth 10 · 4, the gold at hand 3 + 4.
    const CPoz* wealth = hero->link(kLinkMajatek);
    const CPoz* estate = wealth->FindByKind(money::kEstate);
    ASSERT_NE(estate, nullptr);
    ASSERT_EQ(estate->size(), 2u); // the family estate and the materials
    EXPECT_EQ(estate->back()->info, "materiały i zaplecze do wykonywania zawodu Kowal - po starzu");
    EXPECT_EQ(estate->back()->wartosc, 1);
    EXPECT_DOUBLE_EQ(estate->back()->modyfikator, 40.0);
    EXPECT_EQ(wealth->FindByKind(money::kAtHand)->front()->wartosc, 7);

    // Skills: the young elf's stage (its od, 30), the smith's up to the apprenticeship:
    // Kowalstwo of the basics (10) and Handel of the apprenticeship (15), not the
    // specialist's Ogłuszenie ciosem; the priest's of level 1, in identifier order:
    // Czytanie i pisanie and Modlitwa. Their flags: Kowalstwo has chances (2) and `czas`
    // (9); Handel chances, `deklaracja` (5) and `celprzedmioty` (18); Czytanie i pisanie
    // nothing; Modlitwa chances, saving throws (4), `deklaracja`, `trwa` (22), `potencjal`
    // (23) and `inneprzerwanie` (24); none is joined (36).
    const CPoz* skills = hero->link(kLinkUmiejetnosci);
    ASSERT_EQ(skills->size(), 3u);
    const CPoz& race = *skills->front();
    EXPECT_EQ(race.typ, skill::kRaceGroup);
    EXPECT_EQ(race.info, "Elf");
    ASSERT_EQ(race.size(), 1u);
    EXPECT_EQ(race.front()->info, "Widzenie w mroku");
    EXPECT_EQ(race.front()->wartosc, 30);
    ASSERT_NE(skills->FindByKind(skill::kTradeGroup), nullptr);
    const CPoz& craft = *skills->FindByKind(skill::kTradeGroup);
    EXPECT_EQ(craft.info, "Kowal");
    ASSERT_EQ(craft.size(), 2u);
    EXPECT_EQ(craft.front()->info, "Kowalstwo");
    EXPECT_EQ(craft.front()->wartosc, 10);
    EXPECT_EQ(craft.front()->memo, flags({2, 9, 36}));
    EXPECT_EQ(craft.back()->info, "Handel");
    EXPECT_EQ(craft.back()->wartosc, 15);
    EXPECT_EQ(craft.back()->memo, flags({2, 5, 18, 36}));
    const CPoz& calling = *skills->back();
    EXPECT_EQ(calling.typ, skill::kProfessionGroup);
    EXPECT_EQ(calling.info, "Kapłan");
    EXPECT_EQ(calling.target(), priest);
    ASSERT_EQ(calling.size(), 2u);
    EXPECT_EQ(calling.front()->info, "Czytanie i pisanie");
    EXPECT_EQ(calling.front()->wartosc, 1);
    EXPECT_EQ(calling.front()->memo, flags({36}));
    EXPECT_EQ(calling.back()->info, "Modlitwa");
    EXPECT_EQ(calling.back()->wartosc, 1);
    EXPECT_EQ(calling.back()->memo, flags({2, 4, 5, 22, 23, 24, 36}));
    // No skill of these has modifications.
    EXPECT_EQ(skills->wartosc, 0);

    // The only training of level 1, Strzelectwo wyborowe, costs 4 (the character has no
    // Tropienie linked to it) and the priest's free proficiency went to the daggers (1 − 1 =
    // 0): nothing bought.
    const CPoz* pool = hero->link(kLinkBieglosci)->FindByKind(proficiency::kFree);
    ASSERT_NE(pool, nullptr);
    EXPECT_EQ(pool->FindByKind(proficiency::kTrainingCost), nullptr);
    EXPECT_DOUBLE_EQ(pool->total, 0.0);
}

TEST(CliNewTrades, TradeRollsComeFromTheOptionsInOrder) {
    SampleDir d;
    // The wealth 1, no disability and no ability, then every throw 1: the young dwarf's MD
    // K10+15 is 16, the priest's K10 1, and the trades roll 1: X = 0 − 1 + 17 = 16, one
    // trade. Its roll 97 is a special roll of the peasants (no −5): the journeyman, who
    // sends the roll to the towns, where the second roll given, 50, is a baker.
    std::string ones = "1\n100\n100\n";
    for (int i = 0; i < 100; ++i)
        ones += "1\n";
    const auto made = d.cli({"new", "--ask", "--stage", "Krasnolud [Młody krasnolud]",
                             "--class-roll", "10", "--birth-roll", "10", "--profession", "Kapłan:0",
                             "--trade-roll", "97", "--trade-roll", "50"},
                            ones);
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_EQ(made.err.find("Zawód - klasa"), std::string::npos) << made.err;
    const auto hero = stored(d, made.out);
    ASSERT_NE(hero, nullptr);
    const CPoz* trades = hero->link(kLinkZawody);
    ASSERT_EQ(trades->size(), 1u);
    EXPECT_EQ(trades->front()->info, "Piekarz");
    // 20, the priest's 2 and K5+1 with the K10's 1 (1 year) + 1.
    EXPECT_EQ(hero->age(), 24);
}

TEST(CliNewTrades, AWrongTradeRollOrAChoiceNotOfferedIsAUsageError) {
    SampleDir d;
    for (const char* roll : {"0", "101", "x"}) {
        const auto made = d.cli({"new", "--trade-roll", roll});
        EXPECT_EQ(made.code, 2) << roll;
        EXPECT_NE(made.err.find("--trade-roll to rzut k100"), std::string::npos) << made.err;
    }
    EXPECT_EQ(d.cli({"new", "--blank", "--training", "none"}).code, 2);
    EXPECT_TRUE(d.listed().empty());
}

// Every race stage open to players, with many characters drawn from the seeds: each run
// finishes and saves (trades, skills, redirects and apprenticeships included).
TEST(CliNewTrades, EveryPlayableStageFinishesForManySeeds) {
    SampleDir d;
    std::vector<std::string> stages;
    {
        auto rules = test::openDatabase(d.dir.file("tallar.db"));
        ASSERT_NE(rules, nullptr);
        ASSERT_TRUE(rules
                        ->exec("SELECT id FROM stadia WHERE gracze='T' ORDER BY id;",
                               [&](const Row& row) { stages.push_back(row.text(0)); })
                        .ok());
    }
    ASSERT_FALSE(stages.empty());
    std::size_t made = 0;
    for (const std::string& stage : stages)
        for (const char* seed : {"1", "2", "3"}) {
            const auto run = d.cli({"new", "--seed", seed, "--count", "10", "--stage", stage});
            ASSERT_EQ(run.code, 0) << stage << " " << seed << "\n" << run.err;
            made += 10;
        }
    EXPECT_EQ(d.listed().size(), made);
}

} // namespace
} // namespace tallar
