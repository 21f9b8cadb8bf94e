#include "store/db/Database.h"
#include "support/CliRunner.h"
#include "support/SampleDir.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tallar {
namespace {

using test::runCli;
using test::SampleDir;

TEST(CliNew, TheSameSeedGivesTheSameCharacter) {
    SampleDir a, b;
    const auto first = a.cli({"new", "--seed", "42"});
    const auto second = b.cli({"new", "--seed", "42"});
    ASSERT_EQ(first.code, 0) << first.err;
    ASSERT_EQ(second.code, 0) << second.err;
    EXPECT_EQ(first.out.size(), 31u);
    EXPECT_NE(first.out, second.out); // a new identifier each time
    EXPECT_EQ(a.tree(first.out), b.tree(second.out));
    EXPECT_NE(a.tree(first.out).find("Miejsce urodzenia: "), std::string::npos);
    EXPECT_EQ(a.listed().front().substr(30, 4), "\tBN\t"); // the player without --player

    const auto other = b.cli({"new", "--seed", "43"});
    ASSERT_EQ(other.code, 0);
    EXPECT_NE(b.tree(other.out), a.tree(first.out));
}

TEST(CliNew, ChoicesByIdentifierOrShownText) {
    SampleDir d;
    const auto made = d.cli({"new", "--seed", "1", "--player", "Ala", "--name", "Borin", "--stage",
                             "Krasnolud [Młody krasnolud]", "--class-roll", "42", "--birth-roll",
                             "41", "--profession", "Kapłan:0"});
    ASSERT_EQ(made.code, 0) << made.err;
    const std::string tree = d.tree(made.out);
    EXPECT_NE(tree.find("    Stadium: Młody krasnolud\n"), std::string::npos) << tree;
    EXPECT_NE(tree.find("  Miejsce urodzenia: Klasztor\n"), std::string::npos) << tree;
    // The stage's 20 years and 2 for the one profession.
    EXPECT_NE(tree.find("  WIEK: 22\n"), std::string::npos) << tree;
    ASSERT_EQ(d.listed().size(), 1u);
    EXPECT_EQ(d.listed().front().substr(30),
              "\tAla\tKrasnolud [Młody krasnolud]\tKapłan(0)\tBorin");

    const auto byId = d.cli({"new", "--stage", "100000000000000000000102000103"});
    ASSERT_EQ(byId.code, 0) << byId.err;
    EXPECT_NE(d.tree(byId.out).find("Stadium: Dorosły\n"), std::string::npos);
}

TEST(CliNew, AChoiceNotOfferedListsTheOffersAndSavesNothing) {
    SampleDir d;
    const auto stage = d.cli({"new", "--seed", "1", "--stage", "Wilk [Dorosły wilk]"});
    EXPECT_EQ(stage.code, 2);
    EXPECT_EQ(stage.out, "");
    EXPECT_NE(stage.err.find("„Wilk [Dorosły wilk]” nie jest do wyboru"), std::string::npos)
        << stage.err;
    EXPECT_NE(stage.err.find("Człowiek [Dorosły]"), std::string::npos);

    const auto roll = d.cli({"new", "--stage", "Człowiek [Dorosły]", "--class-roll", "0"});
    EXPECT_EQ(roll.code, 2);
    EXPECT_NE(roll.err.find("1-45  Chłopi"), std::string::npos) << roll.err;
    EXPECT_EQ(d.cli({"new", "--class-roll", "7a"}).code, 2);
    EXPECT_TRUE(d.listed().empty());
}

TEST(CliNew, ARollFindingNothingEndsTheRunWithTwo) {
    SampleDir d;
    // A given birth roll: the places of the sample rules are listed by their ranges.
    const auto given = d.cli({"new", "--seed", "5", "--birth-roll", "0"});
    EXPECT_EQ(given.code, 2);
    EXPECT_EQ(given.err, "tallar2-cli new: rzut 0 nie daje miejsca urodzenia; miejsca:\n"
                         "  1-45  Wieś\n  40-42  Klasztor\n  46-55  Osada górnicza\n"
                         "  56-75  Miasteczko\n  76-90  Miasto portowe\n"
                         "  88-89  Obozowisko wędrowców\n  91-100  Stolica\n");

    // Rolls drawn by the program that find nothing: the rules hold no place, then no class.
    ASSERT_EQ(d.cli({"rules", "check"}).code, 0);
    for (const char* table : {"miejscurodz", "klasyspoleczne"}) {
        SCOPED_TRACE(table);
        {
            auto rules = test::openDatabase(d.dir.file("tallar.db"));
            ASSERT_TRUE(rules && rules->exec("DELETE FROM " + std::string(table) + ";").ok());
        }
        const auto drawn = d.cli({"new", "--seed", "5"});
        EXPECT_EQ(drawn.code, 2);
        EXPECT_EQ(drawn.out, "");
        EXPECT_TRUE(drawn.err.ends_with("brak\n")) << drawn.err;
    }
    EXPECT_TRUE(d.listed().empty());
}

TEST(CliNew, AskedThrowsComeFromTheInput) {
    SampleDir d;
    // The class roll, the wealth and the charisma of the class (Włóczędzy: K5-3 and -K5,
    // a K5 entered as a K10), the birthplace, no disability and no ability, then the throws
    // of the rules steps (and resistance 1 for each new level); an invalid answer is asked
    // again.
    std::string answers = "0\n42\n10\n11\n3\n41\n100\n100\n";
    for (int i = 0; i < 500; ++i)
        answers += "1\n"; // a face of every die
    // A priest of level 0 (his alignment one that the priests and vagrants share).
    const auto made =
        d.cli({"new", "--ask", "--seed", "1", "--stage", "Człowiek [Dorosły]", "--alignment",
               "090809003304445109060640912796", "--profession", "Kapłan:0"},
              answers);
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_NE(made.err.find("Klasa społeczna K100: "), std::string::npos) << made.err;
    EXPECT_NE(made.err.find("Niepoprawny wynik: podaj liczbę od 1 do 100."), std::string::npos);
    EXPECT_NE(made.err.find("Majątek K5 [wynik K10]: "), std::string::npos);
    EXPECT_NE(made.err.find("Niepoprawny wynik: podaj liczbę od 1 do 10."), std::string::npos);
    EXPECT_NE(made.err.find("Miejsce urodzenia K100: "), std::string::npos);
    const std::string tree = d.tree(made.out);
    EXPECT_NE(tree.find("Miejsce urodzenia: Klasztor"), std::string::npos);
    // The gold of the class, 5 - 3 = 2, and the wealth of the one trade learned: MD is
    // 11 + 1 + 1 = 13 (the child's K10+10, the adult's K2 and the priest's K10), the
    // trades roll 1 gives (13 - 1) / 20 = 0.6, one trade; its roll 1 - 10 held at 1 is a
    // farmer (Rolnik), whose basics bring K10+5 = 6.
    EXPECT_NE(tree.find("    złoto monety-święte ryje sztuk 8\n"), std::string::npos) << tree;
    EXPECT_NE(tree.find("  Klasa społeczna: -2\n"), std::string::npos) << tree; // -(3/2)
}

// "a" leaves this and every further throw of the character to the program: nothing more is
// asked (the birthplace too is thrown), and the character is the one the same seed makes
// when nothing is asked at all.
TEST(CliNew, AnswerALeavesTheRestToTheProgram) {
    SampleDir d;
    const auto count = [](const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
            ++n;
        return n;
    };
    const std::vector<std::string> human = {"--seed", "7", "--stage", "Człowiek [Dorosły]"};
    std::vector<std::string> asked = {"new", "--ask"};
    asked.insert(asked.end(), human.begin(), human.end());
    const auto typed = d.cli(asked, "42\na\n");
    ASSERT_EQ(typed.code, 0) << typed.err;
    EXPECT_EQ(count(typed.err, "Klasa społeczna K100: "), 1u);
    EXPECT_EQ(count(typed.err, "Majątek K5 [wynik K10]: "), 1u); // answered "a"
    EXPECT_EQ(count(typed.err, ": "), 2u) << typed.err;          // and nothing after it

    std::vector<std::string> thrown = {"new", "--class-roll", "42"};
    thrown.insert(thrown.end(), human.begin(), human.end());
    const auto automatic = d.cli(thrown);
    ASSERT_EQ(automatic.code, 0) << automatic.err;
    EXPECT_EQ(d.tree(typed.out), d.tree(automatic.out));

    // With --count each character asks again.
    asked.insert(asked.end(), {"--count", "2"});
    const auto two = d.cli(asked, "42\na\n42\na\n");
    ASSERT_EQ(two.code, 0) << two.err;
    EXPECT_EQ(count(two.err, "Klasa społeczna K100: "), 2u);
    EXPECT_EQ(count(two.out, "\n"), 2u);
}

// Lines of `text` that begin with `prefix`, the rest of each.
std::vector<std::string> linesAfter(const std::string& text, const std::string& prefix) {
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.starts_with(prefix))
            found.push_back(line.substr(prefix.size()));
    return found;
}

// Żywotność goes through the progression: from the constant part t of a "=" amount w,
// round((w − t)·g) steps, of a "+" amount round(w·g) steps, each worth the stage's other
// coefficient when it has one; g is the passage's own stage's growth multiplier. The
// racial part then counts at its value.
TEST(CliNew, EachStageGrowsByItsOwnMultiplier) {
    SampleDir d;
    // A priest of level 0 has no part in Żywotność. A class roll of 50 is the townsfolk;
    // the trade roll 50 among their trades is a baker (Piekarz), whose trade has no
    // formulas: it only adds its learning time to the age (K5+1, at most 6 years), which
    // reaches no further passage here. Only throws are typed: the kit and its places are
    // given (none), so no page asks for them.
    const std::vector<std::string> rolls = {"--ask", "--class-roll", "50",       "--birth-roll",
                                            "50",    "--profession", "Kapłan:0", "--trade-roll",
                                            "50",    "--trade-roll", "50",       "--armour",
                                            "none",  "--shield",     "none",     "--item",
                                            "none",  "--place",      "none"};
    const auto ask = [&](const std::string& stage, const std::string& answers) {
        std::vector<std::string> args = {"new", "--stage", stage};
        args.insert(args.end(), rolls.begin(), rolls.end());
        const auto made = d.cli(args, answers);
        EXPECT_EQ(made.code, 0) << made.err;
        return d.tree(made.out);
    };
    // The wealth (2K10) and the class charisma (K5), then no disability and no ability.
    std::string ones = "1\n1\n1\n100\n100\n";
    for (int i = 0; i < 300; ++i)
        ones += "1\n";

    // Mature dwarf (age 50), every throw 1. Passage 20 (young, "=" K10+30, g 1, other 3):
    // 31 → 30 + 1·3 = 33. Passage 50 (mature, "+" K5 entered as a K10: 1 gives 1, g 1.5,
    // other 3): round(1·1.5) = 2 steps: 33 + 6 = 39. The weight roll 1 in 70..120 gives
    // Niedowaga round(50/50·(1 − 21)) = −20: 39 − 20 = 19.
    EXPECT_NE(ask("Krasnolud [Dojrzały krasnolud]", ones)
                  .find("Żywotność: 19\n  Rasowa: 39\n  Niedowaga: -20\n"),
              std::string::npos);

    // Young elf (age 30): wealth 2K10 (5, 5), class charisma K5 (5), then Żywotność
    // ("=" K10+15, g 0.8) thrown 10, the rest 5. 25 → 15 + round(10·0.8) = 23. The weight
    // roll 5 in 45..80 gives Niedowaga round(50/35·(5 − 21)) = −23, which would take the
    // value below 1, so it takes nothing.
    std::string elf = "5\n5\n5\n100\n100\n10\n";
    for (int i = 0; i < 300; ++i)
        elf += "5\n";
    const std::string young = ask("Elf [Młody elf]", elf);
    EXPECT_NE(young.find("Żywotność: 23\n  Rasowa: 23\n  Niedowaga: -23\n"), std::string::npos)
        << young;

    // Aged dwarf (age 150, 152 with the priest), seed 17. Its throws for Żywotność, as the
    // passages show them: 40 at 20 (young, other 3, limit 300), then 4 4 2 4 4 4 5 4 4 2 at
    // 50 to 140 (mature, g 1.5, other 3, no limit). 30 + 10·3 = 60; the mature passages take
    // round(w·1.5) steps: 6 6 3 6 6 6 8 6 6 3 = 56, 56·3 = 168: 228. Niedowaga −17 goes down
    // the scale from 228: 15 steps of 2 reach 198, below 200 the last 2 steps are worth 1:
    // 196. (Its disability, Kulawy, changes Szybkość only.)
    const auto seeded = d.cli({"new", "--seed", "17", "--stage", "Krasnolud [Sędziwy krasnolud]",
                               "--profession", "Kapłan:0"});
    ASSERT_EQ(seeded.code, 0) << seeded.err;
    const std::string aged = d.tree(seeded.out);
    EXPECT_EQ(linesAfter(aged, "          Żywotnosc: "),
              (std::vector<std::string>{"40", "4", "4", "2", "4", "4", "4", "5", "4", "4", "2"}));
    EXPECT_NE(aged.find("Żywotność: 196\n  Rasowa: 228\n  Niedowaga: -17 (-32)\n"),
              std::string::npos)
        << aged;
}

TEST(CliNew, TooFewAnswersSaveNothing) {
    SampleDir d;
    const auto made = d.cli({"new", "--ask", "--stage", "Człowiek [Dorosły]"}, "42\n5\n3\n");
    EXPECT_EQ(made.code, 1);
    EXPECT_EQ(made.out, "");
    EXPECT_NE(made.err.find("Miejsce urodzenia K100: "), std::string::npos) << made.err;
    EXPECT_TRUE(d.listed().empty());
}

TEST(CliNew, MakingStopsAtTheFirstIdentifierThatCannotBeWritten) {
    SampleDir d;
    std::ostringstream out, err;
    std::istringstream in;
    out.setstate(std::ios::badbit); // as a stream whose writing failed
    const std::vector<std::string> args = {"-C", d.dir.str(), "new", "--count", "3", "--seed", "5"};
    const int code = cli::run(args, out, err, in);
    EXPECT_EQ(code, 1);
    const auto stored = d.listed();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_NE(err.str().find("bohater " + stored[0].substr(0, 30) +
                             " został zapisany, ale jego "
                             "identyfikatora nie udało się wypisać\n"),
              std::string::npos)
        << err.str();
}

TEST(CliNew, TwoProcessesMakingCharactersInOneDirectoryAllSucceed) {
    SampleDir d;
    ASSERT_EQ(d.cli({"init"}).code, 0);
    // Two loops of 30 characters side by side, and a third one listing meanwhile; every
    // run that fails says so on standard output.
    const std::string cli = std::string(TALLAR_CLI_PATH) + " -C '" + d.dir.str() + "' ";
    const auto loop = [&](const std::string& command, const std::string& tag) {
        return "(for i in $(seq 30); do " + cli + command + " || echo " + tag +
               " $i failed; done) & ";
    };
    const auto result = test::runProcess("{ " + loop("new --seed $i", "first") +
                                         loop("new --seed $((i + 100))", "second") +
                                         loop("list >/dev/null", "list") + "wait; }");
    ASSERT_EQ(result.code, 0);
    EXPECT_EQ(result.err, "");
    std::set<std::string> ids;
    std::istringstream in(result.out);
    for (std::string line; std::getline(in, line);) {
        EXPECT_EQ(line.size(), 30u) << line;
        ids.insert(line);
    }
    EXPECT_EQ(ids.size(), 60u);
    EXPECT_EQ(d.listed().size(), 60u);
}

TEST(CliNew, ANameTheDatabaseCannotHoldIsRefusedBeforeAnyThrow) {
    SampleDir d;
    const std::string answers = "42\n5\n3\n41\n" + std::string(200, '1');
    const auto named = d.cli({"new", "--ask", "--name", "Ala雷"}, answers);
    EXPECT_EQ(named.code, 2);
    EXPECT_EQ(named.out, "");
    // The only line on stderr is the refusal: no throw was asked.
    EXPECT_EQ(named.err, "tallar2-cli new: --name: Znak „雷” (U+96F7) nie może być zapisany w "
                         "kodowaniu Windows-1250.\n");
    const auto player = d.cli({"new", "--seed", "3", "--player", "€ok—ñ"});
    EXPECT_EQ(player.code, 2);
    EXPECT_NE(player.err.find("--player: Znak „ñ” (U+00F1)"), std::string::npos) << player.err;
    EXPECT_TRUE(d.listed().empty());
    // Polish letters and the euro sign are Windows-1250 characters.
    EXPECT_EQ(d.cli({"new", "--seed", "3", "--player", "€ok—Żółw ß"}).code, 0);
}

TEST(CliNew, AbsurdRulesValuesEndInsteadOfRunningForEver) {
    // A racial Żywotność of 20000 grows along the whole experience scale; a Siła fizyczna
    // of 2147483647 dice is refused with a message and counts 0. Both used to hang.
    SampleDir d;
    auto rules = test::openDatabase(d.dir.file("tallar.db"));
    ASSERT_TRUE(rules && rules
                             ->exec("UPDATE stadia SET zyw_wartosc='20000', "
                                    "sf_wartosc='2147483647K2';")
                             .ok());
    rules.reset();
    const auto made = d.cli({"new", "--seed", "5", "--stage", "Człowiek [Dorosły]"});
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_NE(made.err.find("Błąd!: Wyrażenie „2147483647K2” nie zostało obliczone: za dużo "
                            "kości w „2147483647K2” (najwyżej 1000).\n"),
              std::string::npos)
        << made.err;
    const auto shown = d.cli({"show", made.out.substr(0, 30)});
    EXPECT_EQ(shown.code, 0);
    EXPECT_TRUE(shown.out.starts_with("Żywotność: ")) << shown.out;
}

TEST(CliNew, CountMakesDistinctCharacters) {
    SampleDir d;
    const auto made = d.cli({"new", "--count", "20", "--seed", "9"});
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_EQ(made.err, ""); // no progress when standard error is no terminal
    std::set<std::string> ids;
    std::istringstream in(made.out);
    for (std::string line; std::getline(in, line);) {
        EXPECT_EQ(line.size(), 30u);
        ids.insert(line);
    }
    EXPECT_EQ(ids.size(), 20u);
    EXPECT_EQ(d.listed().size(), 20u);
    EXPECT_EQ(d.cli({"new", "--count", "0"}).code, 2);
}

// Field n (from 0) of a line of `list`: identifier, player, race, professions, name.
std::string listedField(const std::string& line, std::size_t n) {
    std::istringstream in(line);
    std::string field;
    for (std::size_t i = 0; i <= n; ++i)
        std::getline(in, field, '\t');
    return field;
}

TEST(CliNew, ProfessionsByNameIdentifierOrShownTextWithTheirLevels) {
    SampleDir d;
    // A human may be a warrior, priest and mage at once (each pair goes together); the
    // third opens with the specialisation mark in the second one's level ("5spec").
    const auto made =
        d.cli({"new", "--seed", "4", "--stage", "Człowiek [Dorosły]", "--alignment",
               "090809003304445109060640912796", "--class-roll", "60", "--profession", "Wojownik:3",
               "--profession", "100000000000000000000401000003:1spec", "--profession", "Mag:1"});
    ASSERT_EQ(made.code, 0) << made.err;
    // Titles: Żołnierz from level 3, Akolita and Adept from level 1.
    EXPECT_EQ(listedField(d.listed().front(), 3),
              "Wojownik (Żołnierz)(3)/Kapłan (Akolita)(1)/Mag (Adept)(1)");
    // 18 years and 2, 4 and 6 for the three professions.
    EXPECT_NE(d.tree(made.out).find("  WIEK: 30\n"), std::string::npos);

    // By the text the list shows, without a level: drawn from 1 to 10 within the dwarf
    // mage's limit of 6.
    const auto drawn = d.cli({"new", "--seed", "4", "--stage", "Krasnolud [Młody krasnolud]",
                              "--profession", "Mag [limit: 6 poz]"});
    ASSERT_EQ(drawn.code, 0) << drawn.err;
    const std::string mage = listedField(d.listed().back(), 3);
    ASSERT_TRUE(mage.starts_with("Mag (")) << mage;
    const int level = std::stoi(mage.substr(mage.rfind('(') + 1));
    EXPECT_GE(level, 1);
    EXPECT_LE(level, 6);
}

TEST(CliNew, AProfessionThePageWouldNotOfferListsWhatItOffers) {
    SampleDir d;
    const std::vector<std::string> human = {"new",
                                            "--seed",
                                            "4",
                                            "--stage",
                                            "Człowiek [Dorosły]",
                                            "--alignment",
                                            "090809003304445109060640912796",
                                            "--class-roll",
                                            "60"};
    const auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = human;
        args.insert(args.end(), more.begin(), more.end());
        return d.cli(args);
    };
    // The bard does not go with the priest: the second list offers the priest's partners.
    const auto notCombinable = with({"--profession", "Kapłan:1", "--profession", "Bard:1"});
    EXPECT_EQ(notCombinable.code, 2);
    EXPECT_NE(notCombinable.err.find("Profesja 2 „Bard” nie jest do wyboru; do wyboru:\n"),
              std::string::npos)
        << notCombinable.err;
    EXPECT_NE(notCombinable.err.find("  100000000000000000000401000001  Wojownik\n"),
              std::string::npos)
        << notCombinable.err;
    // A level above the limit (a dwarf mage: 6).
    const auto aboveLimit = d.cli(
        {"new", "--seed", "1", "--stage", "Krasnolud [Młody krasnolud]", "--profession", "Mag:7"});
    EXPECT_EQ(aboveLimit.code, 2);
    EXPECT_NE(aboveLimit.err.find("Poziom 1: profesja Mag ma limit 6 poziomów."), std::string::npos)
        << aboveLimit.err;
    // A third profession without the specialisation mark.
    const auto third =
        with({"--profession", "Wojownik:1", "--profession", "Kapłan:1", "--profession", "Mag:1"});
    EXPECT_EQ(third.code, 2);
    EXPECT_NE(third.err.find("znacznikiem specjalizacji po liczbie (np. --profession NAZWA:5spec)"),
              std::string::npos)
        << third.err;
    // A level that is no number makes a name no list offers; usage: no name, a fourth
    // profession.
    const auto noLevel = with({"--profession", "Mag:x"});
    EXPECT_EQ(noLevel.code, 2);
    EXPECT_NE(noLevel.err.find("Profesja 1 „Mag:x” nie jest do wyboru"), std::string::npos);
    EXPECT_EQ(with({"--profession", ":3"}).code, 2);
    EXPECT_EQ(
        with({"--profession", "A", "--profession", "B", "--profession", "C", "--profession", "D"})
            .code,
        2);
    EXPECT_TRUE(d.listed().empty());
}

TEST(CliNew, EveryPlayableStageMakesCharactersFromManySeeds) {
    SampleDir d;
    std::vector<std::string> stages;
    std::istringstream rows(d.cli({"rules", "list", "stadia"}).out);
    std::string header;
    std::getline(rows, header);
    // The stage identifiers open to players: `gracze` is "T".
    std::vector<std::string> names;
    {
        std::istringstream columns(header);
        for (std::string name; std::getline(columns, name, '\t');)
            names.push_back(name);
    }
    const auto column = [&](const std::string& name) {
        return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) -
                                        names.begin());
    };
    for (std::string line; std::getline(rows, line);) {
        std::vector<std::string> fields;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, '\t');)
            fields.push_back(field);
        if (fields.size() > column("gracze") && fields[column("gracze")] == "T")
            stages.push_back(fields[column("id")]);
    }
    ASSERT_GE(stages.size(), 10u);
    for (std::size_t i = 0; i < stages.size(); ++i) {
        SCOPED_TRACE(stages[i]);
        const auto made = d.cli(
            {"new", "--seed", std::to_string(100 + i), "--count", "12", "--stage", stages[i]});
        ASSERT_EQ(made.code, 0) << made.err;
        EXPECT_EQ(made.err, "");
    }
    EXPECT_EQ(d.listed().size(), stages.size() * 12);
}

// Every throw typed in: a young dwarf priest of level 2, every die showing 1.
//
// The class roll 42 (Włóczędzy): wealth K5-3 = −2 (no gold), charisma −K5 = −1; the
// birthplace 41. No disability (100 > 20), no ability (100 > 10). Age 20 + 2 = 22: one
// passage, at 20 (the trade's 2 years below add none).
//
// Racial parts, every die 1: Żywotność "=" K10+30: 31, 1 step of 3 from 30: 33; Siła
// fizyczna K10+20: 21, 1 step of 2: 22; Inteligencja 2K10+10: 12; Mądrość K10+15: 16; Wiara
// K10+15: 16; Odporność nr.1 K10+10: 11. The weight roll 1 (range 60..110, span 50):
// Niedowaga round(50/50·(1 − 21)) = −20 under Żywotność (33 → 13) and Siła fizyczna (22 → 2).
//
// Bonuses (the priest's row): Mądrość K10 = 1 (span 10), Charyzma K5 = 1, Wiara 2K10+5 =
// 1 + 1 + 5 = 7, Odporność nr.1 K5 = 1, nr.2 K5 = 1, nr.3 K10 = 1, "Ilość biegłości
// początkowa" 1, "Biegłośc minimalna" 5; the rest 0. Experience: level 2 needs 150, and the
// 2K10 thrown 1 + 1: 152.
//
// Base resistances: psychic = 1 (its K10) + round(13/20) 1 + round(12/10) 1 + round(17/10)
// 2 = 5; physical = 1 + round(13/10) 1 + round(2/10) 0 = 2. So each new level proposes the
// physical one (P 5 > F 2); the answer "1" gives its K10 to "Odporność nr.1" instead.
//
// Levels 1 and 2, each: Żywotność K5 (1), Mądrość K3 (1), Wiara K5 (1),
// the proficiency K2-1 (the K2 thrown 1, so 0: zero part −1, span 1 − (−1) = 2,
// dice part 0 − (−1) = 1; increase −1 + 2/2·1 = 0), Odporność nr.1 K10 (1).
// Each adds: Żywotność 0 + 5/5·1 = 1, Mądrość 1, Wiara 1, Odporność nr.1
// 0 + 10/10·1 = 1; two levels: 2 each. Żywotność's 2 go along the scale by its
// stage's other coefficient 3: 13 + 6 = 19.
//
// Totals: Mądrość 16 + 1 + 2 = 19; Wiara 16 + 7 + 2 = 25; Odporność nr.1 = 11 + 1 + 5
// (psychic base) + 1 (1/10 Inteligencji) + 2 = 20. The title of level 1: Akolita.
//
// The trade, before the levels: the trades roll 1, Mądrość from race and profession 16 + 1
// = 17, X = 0 − 1 + 17 = 16: one trade. 97 is a special roll among the peasants, the
// journeyman, who sends the roll to the towns; 50 there is the baker (41-55, no formulas).
// Its learning time K5+1 = 2 (age 24), its experience K10+10 = 11, all of it the one
// profession's: 152 + 11 = 163; its wealth K10+5 = 6, materials worth 10 · 6 = 60.
//
// The weapons page gets only the racial Broń obuchowa, which meets the requirement every
// profession has and costs nothing: the free proficiency stays.
TEST(CliNew, AskedProfessionThrowsAndLevelChoicesComeFromTheInput) {
    SampleDir d;
    std::string answers = "1\n1\n100\n100\n";
    for (int i = 0; i < 400; ++i)
        answers += "1\n";
    const auto made =
        d.cli({"new", "--seed", "1", "--ask", "--stage", "Krasnolud [Młody krasnolud]",
               "--class-roll", "42", "--birth-roll", "41", "--profession", "Kapłan:2",
               "--trade-roll", "97", "--trade-roll", "50", "--weapon-group", "Broń obuchowa"},
              answers);
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_NE(made.err.find("Czy postać ma ułomność? K100: Czy postać ma zdolność nadnaturalną? "
                            "K100: "),
              std::string::npos);
    EXPECT_NE(made.err.find("Profesja: Wiara K10 1 z 2: Profesja: Wiara K10 2 z 2: "),
              std::string::npos);
    EXPECT_NE(made.err.find("Punkty doświadczenia K10 1 z 2: "), std::string::npos);
    for (const char* level : {"1", "2"})
        EXPECT_NE(made.err.find(std::string("Awans: Kapłan, poziom ") + level +
                                ". Odporność bazowa P 5, F 2; odporności 1-10: "),
                  std::string::npos)
            << made.err;
    EXPECT_NE(made.err.find(". K10 poziomu do (P, F, 1-10) [F]: Poziom doświadczenia: Żywotność "
                            "K5 [wynik K10]: Poziom doświadczenia: Mądrość K3: Poziom "
                            "doświadczenia: Wiara K5 [wynik K10]: Poziom doświadczenia: Biegłość "
                            "K2 [wynik K10]: Poziom doświadczenia: Odp.nr 1 K10: "),
              std::string::npos)
        << made.err;

    const std::string tree = d.tree(made.out);
    const auto has = [&](const std::string& lines) {
        EXPECT_NE(tree.find(lines), std::string::npos) << lines << "\n" << tree;
    };
    has("Żywotność: 19\n  Rasowa: 33\n  Niedowaga: -20\n  Poziomy doświadczenia: 2 (6)\n");
    has("Mądrość: 19\n  Rasowa: 16\n  Profesja: 1\n  Poziomy doświadczenia: 2\n");
    has("Wiara: 25\n  Rasowa: 16\n  Profesja: 7\n  Poziomy doświadczenia: 2\n");
    has("Bazowa odporność psychiczna: 5\n");
    has("Bazowa odporność fizyczna: 2\n");
    has("Odporność nr.1: 20\n  Rasowa: 11\n  Profesja: 1\n  Bazowa odpornośc psychiczna: 5\n"
        "  1/10 Inteligencji: 1\n  Poziomy doświadczenia: 2\n");
    has("  Wolne biegłości: 1\n    Profesja: 1\n");
    has("Profesje\n  Kapłan (Akolita)\n    Poziom\n    Punkty doświadczenia: 163 ");
    has("Zawody\n  Piekarz\n");
    has("    materiały i zaplecze do wykonywania zawodu Piekarz ( wartość: 60 złota )\n");
    has("  Dodatki profesjonalne\n    Żywotność: 0\n");
    has("    Mądrość: 1\n    Umiejętności magiczne: 0\n    Charyzma: 1\n");
    has("    Wiara: 7\n    Zauważenie: 0\n    Odporność nr.1: 1\n    Odporność nr.2: 1\n"
        "    Odporność nr.3: 1\n");
    has("    Ilość biegłości początkowa: 1\n    Dodatek do biegłości: 0\n"
        "    Biegłośc minimalna: 5\n    Poziomy\n      Poziom: 1\n      Poziom: 2\n");
    has("  WIEK: 24\n");
    EXPECT_EQ(listedField(d.listed().front(), 3), "Kapłan (Akolita)(2)");
}

} // namespace
} // namespace tallar
