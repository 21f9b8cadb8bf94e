#include "support/SampleDir.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tallar {
namespace {

using test::SampleDir;

// The lines of `tree` from the line `first` up to (not including) the next line indented
// as little as it.
std::string branch(const std::string& tree, const std::string& first) {
    const auto start = tree.find("\n" + first + "\n");
    if (start == std::string::npos)
        return "(no " + first + ")";
    const std::size_t indent = first.find_first_not_of(' ');
    std::istringstream in(tree.substr(start + 1));
    std::string out;
    std::string line;
    std::getline(in, line);
    out += line + "\n";
    while (std::getline(in, line) && line.find_first_not_of(' ') > indent)
        out += line + "\n";
    return out;
}

// The items right under "przy sobie" of "Ekwipunek".
std::vector<std::string> carried(const std::string& tree) {
    std::vector<std::string> names;
    std::istringstream in(branch(tree, "  przy sobie"));
    for (std::string line; std::getline(in, line);)
        if (line.starts_with("    ") && line[4] != ' ')
            names.push_back(line.substr(4));
    return names;
}

// A human priest of level 0: one free proficiency (the priest's "bgl_start" 1), the
// human's racial groups Miecze and Włócznie i drzewcowe, and the requirement every
// profession has, "Broń podręczna": Broń obuchowa or Sztylety i noże.
// Nothing carried but the weapons.
const std::vector<std::string> kHumanPriest = {
    "new",          "--seed",   "5",        "--stage", "Człowiek [Dorosły]",
    "--profession", "Kapłan:0", "--armour", "none",    "--shield",
    "none",         "--item",   "none"};

TEST(CliNewWeapons, AGroupOrWeaponThePageWouldNotAllowEndsWithTwoAndTheList) {
    SampleDir d;
    const auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = kHumanPriest;
        args.insert(args.end(), more.begin(), more.end());
        return d.cli(args);
    };
    // The bows take the one free proficiency: the requirement cannot be met any more.
    const auto bows = with({"--weapon-group", "Łuki"});
    EXPECT_EQ(bows.code, 2);
    EXPECT_EQ(bows.out, "");
    EXPECT_EQ(bows.err, "tallar2-cli new: Wymaganie „Broń podręczna” nie jest spełnione: zaznacz "
                        "jedną z grup: Broń obuchowa, Sztylety i noże.\n");
    // A second new group finds no free proficiency; the groups it may still tick are the
    // racial ones and the bows, in the tree's order (by name, "Ł" after "W").
    const auto twoNew = with({"--weapon-group", "Łuki", "--weapon-group", "Kusze"});
    EXPECT_EQ(twoNew.code, 2);
    EXPECT_EQ(twoNew.err, "tallar2-cli new: Grupa broni „Kusze” nie jest do wyboru: nie ma wolnej "
                          "biegłości (wolne biegłości: 0); do wyboru:\n"
                          "  100000000000000000000701000001  Miecze\n"
                          "  100000000000000000000701000003  Włócznie i drzewcowe\n"
                          "  100000000000000000000701000004  Łuki\n");
    const auto unknown = with({"--weapon-group", "Procarze"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.starts_with("tallar2-cli new: Grupa broni „Procarze” nie jest do "
                                        "wyboru (wolne biegłości: 1); do wyboru:\n"))
        << unknown.err;
    const auto bow = with({"--weapon-group", "Sztylety i noże", "--weapon", "Długi łuk"});
    EXPECT_EQ(bow.code, 2);
    EXPECT_NE(bow.err.find("Broń „Długi łuk” nie jest do wyboru: jej grupa „Łuki” wymaga wolnej "
                           "biegłości (wolne biegłości: 0); do wyboru:\n"),
              std::string::npos)
        << bow.err;
    // Only the weapons of the groups it may tick are offered.
    EXPECT_NE(bow.err.find("  100000000000000000000702000001  Miecze: Miecz krótki\n"),
              std::string::npos);
    EXPECT_NE(bow.err.find("  100000000000000000000702000020  Sztylety i noże: Nóż\n"),
              std::string::npos);
    EXPECT_EQ(bow.err.find("Łuki: "), std::string::npos);
    EXPECT_TRUE(d.listed().empty());

    // Weapons of its racial groups it may take, by name or identifier; the daggers meet the
    // requirement with the free proficiency.
    const auto armed = with({"--weapon", "Halabarda", "--weapon", "100000000000000000000702000001",
                             "--weapon-group", "Sztylety i noże"});
    ASSERT_EQ(armed.code, 0) << armed.err;
    // In the order of the weapon tree: groups by name, then weapons by name.
    EXPECT_EQ(carried(d.tree(armed.out)), (std::vector<std::string>{"Miecz krótki", "Halabarda"}));
}

TEST(CliNewWeapons, WithoutChoicesTheRequirementIsMetAndEachTickedGroupGetsOneWeapon) {
    // The weapons of the groups in play, from the sample rules.
    const std::map<std::string, std::string> groupOf = {{"Miecz krótki", "Miecze"},
                                                        {"Miecz długi", "Miecze"},
                                                        {"Miecz półtoraręczny", "Miecze"},
                                                        {"Miecz dwuręczny", "Miecze"},
                                                        {"Włócznia", "Włócznie"},
                                                        {"Halabarda", "Włócznie"},
                                                        {"Oszczep", "Włócznie"},
                                                        {"Buława", "Obuchowa"},
                                                        {"Młot bojowy", "Obuchowa"},
                                                        {"Kiścień", "Obuchowa"},
                                                        {"Pałka", "Obuchowa"},
                                                        {"Sztylet", "Sztylety"},
                                                        {"Nóż", "Sztylety"}};
    for (const char* seed : {"8", "9"}) {
        SampleDir d;
        std::vector<std::string> args = kHumanPriest;
        args[2] = seed;
        const auto made = d.cli(args);
        ASSERT_EQ(made.code, 0) << made.err;
        // The free proficiency goes to the requirement (a group of it drawn first), so the
        // priest holds the two racial groups and one of the requirement: a weapon of each,
        // in the tree's order (Broń obuchowa < Miecze < Sztylety i noże < Włócznie).
        std::vector<std::string> groups;
        for (const std::string& weapon : carried(d.tree(made.out)))
            groups.push_back(groupOf.count(weapon) ? groupOf.at(weapon) : weapon);
        ASSERT_EQ(groups.size(), 3u) << seed;
        const bool blunt = groups[0] == "Obuchowa";
        EXPECT_EQ(groups, blunt ? (std::vector<std::string>{"Obuchowa", "Miecze", "Włócznie"})
                                : (std::vector<std::string>{"Miecze", "Sztylety", "Włócznie"}))
            << seed;
    }
}

// Every throw typed: a young dwarf priest of level 0 (class roll 42, birthplace 41) who
// takes a light crossbow of its racial group and a knife of a new group, whose training
// throw is typed.
//
// Throws before the weapons page, in their order: the class's wealth and charisma (1, 1),
// no disability and no ability (100, 100), then 45 throws of the race stage, the priest's
// bonuses, the experience and the trades (all 1). Then the training "Biegłość: Sztylety i
// noże K100": 64 (the priest grants no extra roll: `bgl_podst` N).
//
// Proficiencies. The priest's "Ilość biegłości początkowa" 1 makes "Wolne biegłości" with
// "Profesja: 1" (at the professions' step, so first in the list); its "Dodatek do
// biegłości" is 0 (no part) and its minimum 5 is below 64. The dwarf's racial groups get
// their entries when the page opens, each with its race's bonus (rasybronie): Topory 10,
// Broń obuchowa 5 (which meets "Broń podręczna"), Kusze 5. The knife's group is new: one
// proficiency spent on its basic training ("1|0|0|0|0"), the typed 64 as its level, and
// "BIEGŁY" (step 0) as its specialisation. Spent: −1, so 1 − 1 = 0 free.
TEST(CliNewWeapons, AskedRunTrainsANewGroupWithTheTypedThrow) {
    SampleDir d;
    std::string answers = "1\n1\n100\n100\n";
    for (int i = 0; i < 45; ++i)
        answers += "1\n";
    answers += "64\n";
    const auto made =
        d.cli({"new", "--ask", "--stage", "Krasnolud [Młody krasnolud]", "--class-roll", "42",
               "--birth-roll", "41", "--profession", "Kapłan:0", "--training", "none", "--weapon",
               "Kusza lekka", "--weapon", "Nóż",
               // The kit is not asked: the last question is the training's.
               "--armour", "none", "--shield", "none", "--item", "none", "--place", "none"},
              answers);
    ASSERT_EQ(made.code, 0) << made.err;
    // One training throw, the last one asked.
    EXPECT_TRUE(made.err.ends_with("Majątek -Rolnik K10: Biegłość: Sztylety i noże K100: "))
        << made.err;
    const std::string tree = d.tree(made.out);
    EXPECT_EQ(branch(tree, "Biegłości w broniach"), "Biegłości w broniach\n"
                                                    "  Wolne biegłości: 0\n"
                                                    "    Profesja: 1\n"
                                                    "    Wykorzystane: -1\n"
                                                    "  Topory: 10\n"
                                                    "    Rasowa: 10\n"
                                                    "  Broń obuchowa: 5\n"
                                                    "    Rasowa: 5\n"
                                                    "  Kusze: 5\n"
                                                    "    Rasowa: 5\n"
                                                    "  Sztylety i noże: 64\n"
                                                    "    Szkolenie podstawowe: 64\n"
                                                    "    BIEGŁY: 0\n");
    // In the tree's order: Kusze before Sztylety i noże.
    EXPECT_EQ(carried(tree), (std::vector<std::string>{"Kusza lekka", "Nóż"}));
    // The crossbow's row: DW, ranged piercing 8, defence 0, armour factor "2" (200 %; the
    // shield factor is empty: 1, no child), 1 attack, durability 30, damage factor 1 (no
    // child), delay 10, hit bonus 2, damage bonus 0 (always), weight 3, range, users
    // "WSZYSTKICH" (no child), the one flag set: drożna.
    // (The crossbow carried, not its statistics as held.)
    EXPECT_EQ(branch(branch(tree, "  przy sobie"), "    Kusza lekka"),
              "    Kusza lekka\n"
              "      Typ: DW\n"
              "      Skuteczność kłuta daleka: 8\n"
              "      Obrona: 0\n"
              "      Modyfikator obrony zbroi: 200 %\n"
              "      Ataki: 1\n"
              "      Wytrzymałość: 30\n"
              "      Opóźnienie: 10\n"
              "      Bonus do trafienia: 2\n"
              "      Bonus obrażeń: 0\n"
              "      Waga: 3\n"
              "      Zasięg: 50/100/150\n"
              "      Broń drożna: TAK\n");
    // The knife's row: JL, piercing 3, cutting 3 (no ranged or blunt), defence 1, 2
    // attacks, durability 20, delay 2, hit bonus 0, limits "1/4" and "1/4", weight 0, range
    // 1; no flag set.
    EXPECT_EQ(branch(tree, "    Nóż"), "    Nóż\n"
                                       "      Typ: JL\n"
                                       "      Skuteczność kłuta: 3\n"
                                       "      Skuteczność tnąca: 3\n"
                                       "      Obrona: 1\n"
                                       "      Ataki: 2\n"
                                       "      Wytrzymałość: 20\n"
                                       "      Opóźnienie: 2\n"
                                       "      Bonus do trafienia: 0\n"
                                       "      Bonus obrażeń: 0\n"
                                       "      Maksymalne ogr.Zr 1/: 4\n"
                                       "      Maksymalne ogr.Sz 1/: 4\n"
                                       "      Waga: 0\n"
                                       "      Zasięg: 1\n");
}

// The stages page 1 offers: those `new` lists for a stage it does not offer.
std::vector<std::string> playableStages(SampleDir& d) {
    std::vector<std::string> ids;
    std::istringstream in(d.cli({"new", "--stage", "-"}).err);
    for (std::string line; std::getline(in, line);)
        if (line.starts_with("  "))
            ids.push_back(line.substr(2, 30));
    return ids;
}

TEST(CliNewWeapons, ManySeedsOnEveryPlayableStageFinishAndSave) {
    SampleDir d;
    const std::vector<std::string> stages = playableStages(d);
    ASSERT_EQ(stages.size(), 11u);
    std::size_t made = 0;
    for (const std::string& stage : stages)
        for (int seed = 1; seed <= 4; ++seed) {
            const auto run = d.cli({"new", "--seed", std::to_string(seed), "--stage", stage});
            EXPECT_EQ(run.code, 0) << stage << " seed " << seed << ": " << run.err;
            made += run.code == 0;
        }
    EXPECT_EQ(d.listed().size(), made);
}

} // namespace
} // namespace tallar
