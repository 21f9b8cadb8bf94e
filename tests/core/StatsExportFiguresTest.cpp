#include "preview/StatsExport.h"

#include "model/Character.h"
#include "rules/engine/CRdzenBron.h"
#include "rules/engine/CRdzenTarcza.h"
#include "rules/engine/CRdzenZbroja.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallar {
namespace {

using namespace kinds;
using Lines = std::vector<std::string>;

// A character armed and protected by the weapons, armour and shield engines from rows
// written here: the weapon and armour lines of the statistics block show what the engines
// stored.
struct StatsFigures : ::testing::Test, test::EngineFixture {
    CPoz* torso = nullptr;

    StatsFigures() {
        // The default location of blows (modifier 1.0), with the defences a shield reaches.
        torso = &character->link(kLinkCialo)
                     ->AddChild({.info = "Tułów",
                                 .specjal = "sT",
                                 .typ = body::kPart,
                                 .modyfikator = 1.0,
                                 .memo = "defT"});
        add(*torso, "Obrona", body::kDefence, 0);
        add(*torso, "Obrona daleka", body::kRangedDefence, 0);
        add(top(kLinkCialo), "Głowa", body::kPart, 0, "sG", "defG");

        // Proficiency in group g1: training 40 + specialist 15 = 55; the specialist's memo
        // gives 2 attacks to a light ("JL") weapon.
        CPoz& skill = add(top(kLinkBieglosci), "Miecze", proficiency::kProficiency, 0, "g1");
        skill.AddChild({.info = "Szkolenie podstawowe",
                        .typ = proficiency::kBasicTraining,
                        .wartosc = 40,
                        .memo = "1|0|0|0|0"});
        skill.AddChild({.info = "SPECJALISTA",
                        .typ = proficiency::kSpecialisation,
                        .wartosc = 15,
                        .memo = "2|2|1|0|0"});
        character->FindByKind(attributeSet()[member::kStrength].entryKind)->wartosc = 40;
        character->FindByKind(attributeSet()[member::kDexterity].entryKind)->wartosc = 30;
        character->RecalculateCharacter();

        weapon("w1", "Miecz",
               {{"skt_kluta_bliska", "4"},
                {"skut_tnaca_bliska", "5"},
                {"obrona", "4"},
                {"ataki_na_r", "1"},
                {"opoznienie", "3"},
                {"traf_bonus", "1"}});
        weapon("w2", "Proca", {{"skut_obuch_daleka", "6"}, {"ataki_na_r", "1"}});
        weapon("w3", "Nóż", {{"skt_kluta_bliska", "2"}});
        CRdzenBron weapons(context());
        for (const char* id : {"w1", "w2"})
            (void)weapons.AddWeaponStatistics(combatList(top::kCombatWeapons),
                                              *weapons.AddWeaponEntry(id), nullptr, false);
        (void)weapons.AddWeaponEntry("w3"); // carried only

        // Two layers on the torso: the outer one divides the inner one's defence and
        // absorption by 2 and limits Zręczność to 1/2.
        element("out", {{"warstwa", "2"},
                        {"wspwypiob", "2"},
                        {"obrona", "2"},
                        {"wypkl", "4"},
                        {"wyptn", "6"},
                        {"wypob", "2"},
                        {"ogrzr", "2"}});
        element(
            "in",
            {{"warstwa", "1"}, {"obrona", "3"}, {"wypkl", "5"}, {"wyptn", "3"}, {"wypob", "4"}});
        insert("zbroja", {{"id", "A"}, {"nazwa", "Zbroja A"}});
        for (const char* e : {"out", "in"})
            insert("zbrojaelem", {{"idzbroi", "A"}, {"idelemzbr", e}});
        CRdzenZbroja armour(context());
        armour.ApplyArmour(*armour.AddArmourEntry("A"));

        // A shield: defence 6, limits 1/3 and 1/2.
        insert(
            "tarcza",
            {{"id", "s1"}, {"nazwa", "Puklerz"}, {"obrona", "6"}, {"ogrzr", "3"}, {"ogrsz", "2"}});
        CRdzenTarcza shields(context());
        (void)shields.ApplyShield(combatList(top::kCombatShields), *shields.AddShieldEntry("s1"),
                                  true, "");
        // A part of the far defence the person added in the preview.
        add(*torso->FindByKind(body::kRangedDefence), "Osłona", 1, 3);
        character->RecalculateCharacter();
    }

    void weapon(const std::string& id, const std::string& name, Columns more) {
        more.insert(more.begin(), {{"id", id}, {"nazwa", name}, {"idgrupy", "g1"}, {"typl", "JL"}});
        insert("bronie", more);
    }
    void element(const std::string& id, Columns columns) {
        columns.insert(columns.begin(), {{"id", id}, {"nazwa", "Element " + id}});
        insert("elementzbroi", columns);
        insert("elemzrcialo", {{"idelemzbr", id}, {"idcialo", "defT"}});
    }
    CPoz& combatList(int kind) { return *top(kLinkWalka).FindByKind(kind); }

    // The lines after the four of name and attributes.
    Lines figures() {
        const Lines lines = statisticsLines(*character);
        return lines.size() > 4 ? Lines(lines.begin() + 4, lines.end()) : Lines{};
    }
};

TEST_F(StatsFigures, WeaponAndArmourLinesShowWhatTheEnginesStored) {
    EXPECT_EQ(figures(),
              Lines({
                  // Miecz: attacks 1 + 2 of the specialist = 3; delay 3; hit 55 + 40/10 +
                  // 30/10 + 1 = 63; defence 4 × 55 % = 2.2 → 2; wounds: piercing
                  // 4 × 55 % = 2.2 → 2, + 40/4 = 12; cutting 5 × 55 % = 2.75 → 3, + 10 = 13;
                  // no blunt: 0; nothing far.
                  "BR. Miecz; AT 3; OPÓŹ. 3; TR 63; OB 2; RANY 12/13/0; ",
                  // Proca: attacks 3, no delay, hit 55 + 4 + 3 = 62, no defence; only far
                  // blunt wounds: 6 × 55 % = 3.3 → 3, + 10 = 13.
                  "BR. Proca; AT 3; OPÓŹ. 0; TR 62; OB 0; RANY DAL. 0/0/13; ",
                  // Carried and held by nothing: its name alone.
                  "BR. Nóż; ",
                  // The torso under the armour: the outer layer, then the inner one divided
                  // by 2 (halves away from zero): defence 2 + round(1.5) = 4, piercing
                  // 4 + round(2.5) = 7, cutting 6 + round(1.5) = 8, blunt 2 + 2 = 4.
                  // Limits: the largest of the armour's 2/1 and the shield's 3/2: 3/2.
                  // Near: the armour's 4 + the shield's 6 = 10; far: 4 + the torso's
                  // "Obrona daleka", the shield's 6 + the added 3 = 13.
                  "ZBR.: Zbroja A; Puklerz; OGR. 3/2; OB.BL/DAL 10/13 %; WYP. 7/8/4; ",
              }));
}

TEST_F(StatsFigures, WithoutArmourTheSkinProtectsAndShieldsStillCount) {
    combatList(top::kCombatArmour).UsunAll();
    character->RecalculateCharacter();
    const Lines lines = figures();
    ASSERT_FALSE(lines.empty());
    // No skin (no race stage): absorption 0, defence 0 near + the shield's 6, far 0 + 6 + 3;
    // the limits are the shield's alone.
    EXPECT_EQ(lines.back(), "ZBR.: skóra; Puklerz; OGR. 3/2; OB.BL/DAL 6/9 %; WYP. 0/0/0; ");
    // Without the shield nothing limits: the skin has no limits (0), and the far defence
    // keeps the added 3 alone.
    combatList(top::kCombatShields).UsunAll();
    character->RecalculateCharacter();
    EXPECT_EQ(figures().back(), "ZBR.: skóra; OGR. 0/0; OB.BL/DAL 0/3 %; WYP. 0/0/0; ");
}

} // namespace
} // namespace tallar
