#include "base/NonInteractiveUserPort.h"
#include "model/Character.h"
#include "store/CharacterStore.h"
#include "store/db/Database.h"
#include "store/db/Workspace.h"
#include "support/CliRunner.h"
#include "support/LoadedCharacter.h"
#include "support/SampleDir.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tallar {
namespace {

using namespace kinds;
using test::runCli;

// The sample-rules directory, with look-ups into its databases.
struct KitDir : test::SampleDir {
    // The rows of one query on a database of the directory, each row's columns joined.
    std::vector<std::string> rows(const std::string& file, const std::string& sql,
                                  std::initializer_list<SqlParam> params = {}) {
        std::vector<std::string> found;
        NonInteractiveUserPort quiet(nullptr);
        auto workspace = test::openWorkspace(dir.str(), quiet);
        if (!workspace)
            return found;
        Database& db = file == "tallar.db" ? workspace->rules() : workspace->characters();
        EXPECT_TRUE(db.exec(sql, params, [&](const Row& row) {
                          std::string line;
                          for (int c = 0; c < row.columnCount(); ++c)
                              line += row.text(c) + "\t";
                          found.push_back(line);
                      }).ok());
        return found;
    }
    std::vector<std::string> storedRows(const std::string& id) {
        return rows("rtistoty.db",
                    "SELECT id,id_n,lp,info,specjal,typ,wartosc,modyfikator,memo FROM pozycje "
                    "WHERE id_ist=? ORDER BY id",
                    {id});
    }
    std::unique_ptr<CIstota> load(const std::string& id) {
        NonInteractiveUserPort quiet(nullptr);
        workspace_ = test::openWorkspace(dir.str(), quiet);
        return workspace_ ? test::loadCharacter(workspace_->characters(), id) : nullptr;
    }

private:
    std::unique_ptr<Workspace> workspace_;
};

const CPoz* childNamed(const CPoz& parent, const std::string& info) {
    for (const CPoz* child : parent.children())
        if (child->info == info)
            return child;
    return nullptr;
}

int childValue(const CPoz& parent, int kind) {
    const CPoz* child = parent.FindByKind(kind);
    return child ? child->wartosc : -1;
}

// Every playable stage, many seeds: each character is made with a drawn kit, saved,
// shown, exported and imported back to the very same rows.
TEST(CliNewKit, FiftySeedsOverEveryPlayableStageMakeCompleteCharacters) {
    KitDir d;
    std::vector<std::string> stages;
    for (const std::string& row : d.rows("tallar.db", "SELECT id FROM stadia WHERE gracze='T' "
                                                      "ORDER BY id"))
        stages.push_back(row.substr(0, row.size() - 1));
    ASSERT_GE(stages.size(), 3u);
    int armed = 0;
    int armoured = 0;
    int shielded = 0;
    for (int seed = 1; seed <= 50; ++seed) {
        const std::string stage = stages[static_cast<std::size_t>(seed) % stages.size()];
        const auto made = d.cli({"new", "--seed", std::to_string(seed), "--stage", stage});
        ASSERT_EQ(made.code, 0) << "seed " << seed << ": " << made.err;
        const std::string id = made.out.substr(0, 30);
        const auto shown = d.cli({"show", id});
        ASSERT_EQ(shown.code, 0) << shown.err;
        EXPECT_NE(shown.out.find("Obciążenie"), std::string::npos);

        const auto hero = d.load(id);
        ASSERT_NE(hero, nullptr);
        const CPoz& combat = *hero->link(kLinkWalka);
        armed += combat.FindByKind(top::kCombatWeapons)->size() > 0 ? 1 : 0;
        armoured += combat.FindByKind(top::kCombatArmour)->size() > 0 ? 1 : 0;
        shielded += combat.FindByKind(top::kCombatShields)->size() > 0 ? 1 : 0;

        const std::string file = (d.dir.path() / ("k" + std::to_string(seed) + ".xml")).string();
        const auto before = d.storedRows(id);
        ASSERT_EQ(d.cli({"export", id, file}).code, 0);
        ASSERT_EQ(d.cli({"delete", id}).code, 0);
        EXPECT_TRUE(d.storedRows(id).empty());
        const auto imported = d.cli({"import", file});
        ASSERT_EQ(imported.code, 0) << imported.err;
        EXPECT_EQ(d.storedRows(id), before) << "seed " << seed;
    }
    // The kit is drawn: every race has weapon groups, so a weapon of them is held; humans
    // and dwarves wear armour, two-handed ones hold shields.
    EXPECT_EQ(armed, 50);
    EXPECT_GT(armoured, 10);
    EXPECT_GT(shielded, 10);
}

// A given kit, computed from the sample rules:
// "Zbroja skórzana" is the hood (layer 1: piercing 1, cutting 1, blunt 2) on the head, the
// gloves (layer 1: 1, 1, 1) on both arms, the jerkin (layer 2: defence 1, piercing 2,
// cutting 3, blunt 2) on the torso and the knee pieces (layer 2: 1, 2, 1) on both legs:
// no part has two layers, so each part has its element's values; every limit is 1/1 and
// nothing is metal. "Tarcza okrągła" (defence 10, limits 1/2 and 1/1, weight 5) is held
// in the left hand. "Miecz krótki" (JL: class 10, no minimum strength; 1 attack, delay 3,
// weight 2) is held in the right hand beside the shield, which is no weapon: it may be
// used. The load: armour 1 + 1 + 5 + 2, shield 5, the sword 2, a backpack 2 and three
// torches 3 · 1: 21.
TEST(CliNewKit, AGivenKitIsWornHeldAndCarried) {
    KitDir d;
    const auto made = d.cli({"new",
                             "--seed",
                             "7",
                             "--stage",
                             "Człowiek [Dorosły]",
                             "--weapon",
                             "Miecz krótki",
                             "--armour",
                             "Zbroja skórzana",
                             "--shield",
                             "Tarcza okrągła",
                             "--item",
                             "Plecak",
                             "--item",
                             "Pochodnia:3",
                             "--place",
                             "Zbroja skórzana=Ciało",
                             "--place",
                             "Tarcza okrągła=Lewa ręka",
                             "--place",
                             "Miecz krótki=Prawa ręka"});
    ASSERT_EQ(made.code, 0) << made.err;
    const auto hero = d.load(made.out.substr(0, 30));
    ASSERT_NE(hero, nullptr);
    const CPoz& body = *hero->link(kLinkCialo);
    const CPoz* torso = childNamed(body, "Tułów");
    const CPoz* head = childNamed(body, "Głowa");
    const CPoz* leftHand = childNamed(body, "Lewa ręka");
    ASSERT_TRUE(torso && head && leftHand);
    EXPECT_EQ(childValue(*torso, armour::kPartDefence), 1);
    EXPECT_EQ(childValue(*torso, armour::kPartPiercing), 2);
    EXPECT_EQ(childValue(*torso, armour::kPartCutting), 3);
    EXPECT_EQ(childValue(*torso, armour::kPartBlunt), 2);
    EXPECT_EQ(childValue(*head, armour::kPartBlunt), 2);
    EXPECT_EQ(childValue(*leftHand, armour::kPartPiercing), 1);
    EXPECT_EQ(torso->FindByKind(armour::kPartDefence)->info, "Zbroja skórzana");

    const CPoz& combat = *hero->link(kLinkWalka);
    const CPoz& shields = *combat.FindByKind(top::kCombatShields);
    ASSERT_EQ(shields.size(), 1u);
    EXPECT_EQ(shields.children().front()->memo, "CC#" + leftHand->specjal);
    EXPECT_EQ(combat.FindByKind(top::kCombatArmour)->size(), 1u);
    // The shield's 1/2 limits the current dexterity; the armour's 1/1 nothing.
    const CPoz* limit = hero->link(kLinkZrecznoscAktualna)
                            ->FindByKind(attribute::kDexterityReference)
                            ->FindByKind(attribute::kDexterityLimit);
    ASSERT_NE(limit, nullptr);
    EXPECT_DOUBLE_EQ(limit->modyfikator, 0.5);
    EXPECT_EQ(hero->link(kLinkSzybkoscAktualna)
                  ->FindByKind(attribute::kSpeedReference)
                  ->FindByKind(attribute::kSpeedLimit),
              nullptr);
    // Every body part's ranged defence has the shield's 10.
    const CPoz* ranged = torso->FindByKind(body::kRangedDefence);
    ASSERT_NE(ranged, nullptr);
    ASSERT_NE(ranged->FindByKind(shield::kRangedDefence), nullptr);
    EXPECT_EQ(ranged->FindByKind(shield::kRangedDefence)->wartosc, 10);

    const CPoz& held = *combat.FindByKind(top::kCombatWeapons);
    ASSERT_EQ(held.size(), 1u);
    const CPoz& sword = *held.children().front();
    EXPECT_EQ(sword.info, "Miecz krótki");
    EXPECT_EQ(sword.memo, childNamed(body, "Prawa ręka")->specjal);
    EXPECT_EQ(sword.wartosc, 10);

    hero->RecalculateCharacter();
    EXPECT_EQ(sword.FindByKind(weaponStats::kAttacksPerRound)->total, 1.0);
    EXPECT_EQ(sword.FindByKind(weaponStats::kDelay)->total, 3.0);
    EXPECT_EQ(hero->link(kLinkObciazenie)->total, 21.0);
}

// A young dwarf priest of level 0 with every throw and every choice typed in. What the
// wizard makes of it, computed from the sample rules (the first stage sets each value
// with "="):
// - No disability (100), no ability (100). The priest's bonuses go to Mądrość, Charyzma,
//   Wiara and resistances 1 to 3, none to Zręczność or Szybkość; the trades roll 100
//   leaves no trade. The only weapon group is the racial "Topory", so nothing is trained.
// - Zręczność 2K10+10 with 4 and 6: 20; Szybkość K10+10 with 7: 17. The weight roll 50
//   lies in 21..80: no overweight or underweight part. The skin limits nothing (1/1).
// - "Kolczuga pełna" on the body: the torso and arms have the mail shirt (layer 2:
//   defence 1, piercing 3, cutting 6, blunt 2, 1/1 for the layer below) over the
//   gambeson (layer 1: 1, 2, 2, 3): defence 2, piercing 5, cutting 8, blunt 5; the head
//   the mail coif (layer 2: 0, 3, 5, 1); the legs the quilted trousers (layer 1: 0, 1, 2,
//   2). Its dexterity limit is the shirt's 1/2, its speed limit 1/1; it is metal.
// - "Tarcza rycerska" (defence 15, limits 1/2 and 1/2, bonus 1, metal) fixed to the
//   armour of the first pair of limbs: "MZ#1".
// - Current dexterity 20 · 1/2 = 10 (the largest divisor, 2, not 2 · 2); current speed
//   17 · 1/2 = 8.5, rounded 9.
// - Resistances 7, 8, 10 get the shield's bonus 1; resistance 9 −10 from each metal.
// - Every body part's ranged defence has the shield's 15.
// - "Topór bojowy" (J, no minimum strength: class 20 − 10 = 10, "JL") in the right hand:
//   its group is the dwarves' racial "Topory" (10), so no training is thrown; 1 attack,
//   delay 5, defence 3 · 10 % = 0.3, passed on as 0. The shield on the armour is no
//   weapon beside it.
// - The load: the armour 6 + 3 + 12 + 2, the shield 8, the axe 4, a backpack 2, three
//   torches 3: 40.
TEST(CliNewKit, AFullyTypedInCharacter) {
    KitDir d;
    std::vector<std::string> answers = {
        "5",        // Klasa społeczna K100
        "5",        // Majątek K10
        "50",       // Miejsce urodzenia K100
        "100",      // Czy postać ma ułomność? K100
        "100",      // Czy postać ma zdolność nadnaturalną? K100
        "5",        // Żywotnosc K10
        "5",        // Siła fizyczna K10
        "4",   "6", // Zręczność K10 1 z 2, 2 z 2
        "7",        // Szybkość K10
        "5",   "5", // Inteligencja
        "5",        // Mądrość
        "5",        // Umiejętności Magiczne K5 [wynik K10]
        "5",   "5", // Charyzma
        "5",        // Prezencja
        "5",   "5", // Wiara, its extra throw
        "5",   "5", // Zauważenie
    };
    for (int resistance = 1; resistance <= 10; ++resistance)
        answers.push_back("5");
    answers.insert(answers.end(), {
                                      "5",  // Antymagia K10
                                      "50", // Wzrost K100
                                      "50", // Waga K100
                                      "5",  // Bazowa odporność psychiczna K10
                                      "5",  // Bazowa odporność fizyczna K10
                                  });
    // The priest's Mądrość, Charyzma, Wiara (two), resistances 1 to 3 and experience (two).
    for (int bonus = 1; bonus <= 9; ++bonus)
        answers.push_back("5");
    answers.insert(answers.end(), {
                                      "100", // Zawody: ilość zawodów? K100
                                      "1",   // Zbroja: 1. Kolczuga pełna
                                      "Tarcza rycerska", "Plecak;Pochodnia:3",
                                      "Prawa ręka",          // where the axe goes
                                      "Ciało",               // where the armour goes
                                      "Umocowanie do zbroi", // where the shield goes
                                  });
    std::string input;
    for (const std::string& answer : answers)
        input += answer + "\n";
    const auto made =
        d.cli({"new", "--ask", "--stage", "Krasnolud [Młody krasnolud]", "--profession", "Kapłan:0",
               "--weapon-group", "Topory", "--weapon", "Topór bojowy"},
              input);
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_NE(made.err.find("Rasa: Zręczność K10 2 z 2: Rasa: Szybkość K10: "), std::string::npos)
        << made.err;
    EXPECT_NE(made.err.find("Zbroja (numer, nazwa albo „brak”; pusto: losowo)\n  1. Kolczuga "
                            "pełna\n"),
              std::string::npos);
    const auto hero = d.load(made.out.substr(0, 30));
    ASSERT_NE(hero, nullptr);
    hero->RecalculateCharacter();

    EXPECT_EQ(hero->link(kLinkZrecznosc)->total, 20.0);
    EXPECT_EQ(hero->link(kLinkZrecznoscAktualna)->total, 10.0);
    EXPECT_EQ(hero->link(kLinkSzybkosc)->total, 17.0);
    EXPECT_EQ(hero->link(kLinkSzybkoscAktualna)->total, 9.0);

    const CPoz& body = *hero->link(kLinkCialo);
    struct Protection {
        const char* part;
        int defence, piercing, cutting, blunt;
    };
    for (const Protection& p :
         {Protection{"Tułów", 2, 5, 8, 5}, Protection{"Prawa ręka", 2, 5, 8, 5},
          Protection{"Lewa ręka", 2, 5, 8, 5}, Protection{"Głowa", 0, 3, 5, 1},
          Protection{"Prawa noga", 0, 1, 2, 2}}) {
        const CPoz* part = childNamed(body, p.part);
        ASSERT_NE(part, nullptr) << p.part;
        EXPECT_EQ(childValue(*part, armour::kPartDefence), p.defence) << p.part;
        EXPECT_EQ(childValue(*part, armour::kPartPiercing), p.piercing) << p.part;
        EXPECT_EQ(childValue(*part, armour::kPartCutting), p.cutting) << p.part;
        EXPECT_EQ(childValue(*part, armour::kPartBlunt), p.blunt) << p.part;
        const CPoz* ranged = part->FindByKind(body::kRangedDefence);
        ASSERT_NE(ranged, nullptr);
        EXPECT_EQ(childValue(*ranged, shield::kRangedDefence), 15) << p.part;
    }
    const CPoz& shields = *hero->link(kLinkWalka)->FindByKind(top::kCombatShields);
    ASSERT_EQ(shields.size(), 1u);
    EXPECT_EQ(shields.children().front()->memo, "MZ#1");
    for (int number : {7, 8, 10})
        EXPECT_EQ(childValue(*hero->link(kLinkOdpornosc1 + number - 1), shield::kResistanceBonus),
                  1);
    const CPoz& ninth = *hero->link(kLinkOdpornosc1 + 8);
    EXPECT_EQ(childValue(ninth, shield::kResistanceBonus), -10);
    EXPECT_EQ(childValue(ninth, armour::kResistanceBonus), -10);
    const CPoz& held = *hero->link(kLinkWalka)->FindByKind(top::kCombatWeapons);
    ASSERT_EQ(held.size(), 1u);
    const CPoz& axe = *held.children().front();
    EXPECT_EQ(axe.memo, childNamed(body, "Prawa ręka")->specjal);
    EXPECT_EQ(axe.wartosc, 10);
    EXPECT_EQ(axe.FindByKind(weaponStats::kWeaponType)->memo, "JL");
    EXPECT_EQ(axe.FindByKind(weaponStats::kAttacksPerRound)->total, 1.0);
    EXPECT_EQ(axe.FindByKind(weaponStats::kDelay)->total, 5.0);
    EXPECT_EQ(axe.FindByKind(weaponStats::kDefence)->total, 0.0);
    EXPECT_EQ(hero->link(kLinkObciazenie)->total, 40.0);
}

TEST(CliNewKit, WhatIsNotOfferedIsRefusedWithWhatIs) {
    KitDir d;
    const std::vector<std::string> common = {
        "new",      "--seed",         "7",        "--stage", "Człowiek [Dorosły]",
        "--shield", "Tarcza okrągła", "--armour", "none",    "--item",
        "none"};
    auto args = common;
    args.insert(args.end(), {"--place", "Tarcza okrągła=Oparcie/wbicie w ziemię"});
    const auto ground = d.cli(args);
    EXPECT_EQ(ground.code, 2);
    EXPECT_NE(ground.err.find("Miejsce „Oparcie/wbicie w ziemię” nie jest dostępne dla „Tarcza "
                              "okrągła”; dostępne:\n  Prawa ręka\n  Lewa ręka\n"),
              std::string::npos)
        << ground.err;

    args = common;
    args.insert(args.end(), {"--place", "Miecz=Lewa ręka"});
    EXPECT_EQ(d.cli(args).code, 2);
    args = {"new", "--seed", "7", "--armour", "Zbroja z papieru"};
    const auto armour = d.cli(args);
    EXPECT_EQ(armour.code, 2);
    EXPECT_NE(armour.err.find("Zbroja „Zbroja z papieru” nie jest do wyboru"), std::string::npos);
    args = {"new", "--seed", "7", "--item", "Młot bojowy:2"};
    EXPECT_EQ(d.cli(args).code, 2);
    EXPECT_EQ(d.cli({"new", "--place", "bez-znaku-równości"}).code, 2);
    EXPECT_TRUE(d.rows("rtistoty.db", "SELECT id FROM istoty").empty());
}

} // namespace
} // namespace tallar
