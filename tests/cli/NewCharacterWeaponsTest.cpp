#include "support/SampleDir.h"

#include <gtest/gtest.h>

#include <set>
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

TEST(CliNewWeapons, AGroupOrWeaponThePageWouldNotAllowEndsWithTwoAndTheList) {
    SampleDir d;
    // Nothing carried but the weapons.
    const std::vector<std::string> human = {
        "new",      "--seed", "5",      "--stage", "Człowiek [Dorosły]", "--armour", "none",
        "--shield", "none",   "--item", "none"};
    const auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = human;
        args.insert(args.end(), more.begin(), more.end());
        return d.cli(args);
    };
    // Without professions a human has no free proficiency, only its racial groups.
    const auto bows = with({"--weapon-group", "Łuki"});
    EXPECT_EQ(bows.code, 2);
    EXPECT_EQ(bows.out, "");
    EXPECT_EQ(bows.err, "tallar2-cli new: Grupa broni „Łuki” nie jest do wyboru: nie ma wolnej "
                        "biegłości (wolne biegłości: 0); do wyboru:\n"
                        "  100000000000000000000701000001  Miecze\n"
                        "  100000000000000000000701000003  Włócznie i drzewcowe\n");
    const auto unknown = with({"--weapon-group", "Procarze"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.starts_with("tallar2-cli new: Grupa broni „Procarze” nie jest do "
                                        "wyboru (wolne biegłości: 0); do wyboru:\n"))
        << unknown.err;
    const auto bow = with({"--weapon", "Długi łuk"});
    EXPECT_EQ(bow.code, 2);
    EXPECT_NE(bow.err.find("Broń „Długi łuk” nie jest do wyboru: jej grupa „Łuki” wymaga wolnej "
                           "biegłości (wolne biegłości: 0); do wyboru:\n"),
              std::string::npos)
        << bow.err;
    // Only the weapons of the groups it may tick are offered.
    EXPECT_NE(bow.err.find("  100000000000000000000702000001  Miecze: Miecz krótki\n"),
              std::string::npos);
    EXPECT_EQ(bow.err.find("Łuki: "), std::string::npos);
    EXPECT_TRUE(d.listed().empty());

    // Weapons of its racial groups it may take, by name or identifier.
    const auto armed = with({"--weapon", "Halabarda", "--weapon", "100000000000000000000702000001",
                             "--weapon-group", "Miecze"});
    ASSERT_EQ(armed.code, 0) << armed.err;
    // In the order of the weapon tree: groups by name, then weapons by name.
    EXPECT_EQ(carried(d.tree(armed.out)), (std::vector<std::string>{"Miecz krótki", "Halabarda"}));
}

TEST(CliNewWeapons, WithoutChoicesEachTickedGroupGetsOneWeapon) {
    SampleDir d;
    const auto made = d.cli({"new", "--seed", "8", "--stage", "Człowiek [Dorosły]", "--armour",
                             "none", "--shield", "none", "--item", "none"});
    ASSERT_EQ(made.code, 0) << made.err;
    const auto weapons = carried(d.tree(made.out));
    // The human's racial groups, swords and polearms: one weapon of each.
    const std::set<std::string> swords = {"Miecz krótki", "Miecz długi", "Miecz półtoraręczny",
                                          "Miecz dwuręczny"};
    const std::set<std::string> polearms = {"Włócznia", "Halabarda", "Oszczep"};
    ASSERT_EQ(weapons.size(), 2u);
    EXPECT_TRUE(swords.count(weapons[0])) << weapons[0];
    EXPECT_TRUE(polearms.count(weapons[1])) << weapons[1];
}

// Every throw typed: a young dwarf (its race's groups: axes 10, blunt weapons 5, crossbows
// 5) with a light crossbow.
TEST(CliNewWeapons, AskedRunWithAWeaponOfARacialGroup) {
    SampleDir d;
    std::string ones;
    for (int i = 0; i < 500; ++i)
        ones += "1\n";
    const auto made = d.cli({"new", "--ask", "--stage", "Krasnolud [Młody krasnolud]",
                             "--class-roll", "50", "--birth-roll", "50", "--weapon", "Kusza lekka"},
                            ones);
    ASSERT_EQ(made.code, 0) << made.err;
    // No new group, so no training roll is asked.
    EXPECT_EQ(made.err.find("Biegłość: "), std::string::npos);
    const std::string tree = d.tree(made.out);
    // The racial proficiencies, each its race's bonus (rasybronie).
    EXPECT_EQ(branch(tree, "Biegłości w broniach"), "Biegłości w broniach\n"
                                                    "  Topory: 10\n"
                                                    "    Rasowa: 10\n"
                                                    "  Broń obuchowa: 5\n"
                                                    "    Rasowa: 5\n"
                                                    "  Kusze: 5\n"
                                                    "    Rasowa: 5\n"
                                                    "  Wolne biegłości: 0\n"
                                                    "    Wykorzystane: 0\n");
    // The crossbow's row: DW, ranged piercing 8, defence 0, armour factor "2" (200 %; the
    // shield factor is empty: 1, no child), 1 attack, durability 30, damage factor 1 (no
    // child), delay 10, hit bonus 2, damage bonus 0 (always), weight 3, range, users
    // "WSZYSTKICH" (no child), the one flag set: drożna.
    // (The crossbow carried, not its statistics as held.)
    EXPECT_EQ(branch(branch(tree, "  przy sobie"), "    Kusza lekka"), "    Kusza lekka\n"
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
