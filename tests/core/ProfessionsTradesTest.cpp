// The professions engine and the trades, skills and proficiency pool engines calling each
// other: a trade's experience reaches the professions, the experience levels grow by the
// trades' formulas and give the professions their skills, the pool recount refreshes the
// professions' parts.
#include "rules/engine/CRdzenBieglosci.h"
#include "rules/engine/CRdzenFormula.h"
#include "rules/engine/CRdzenProfesja.h"
#include "rules/engine/CRdzenUmiejetnosci.h"
#include "rules/engine/CRdzenZawod.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallar {
namespace {

using namespace kinds;
using Lines = std::vector<std::string>;

constexpr const char* kWarrior = "100000000000000000000401999001";
constexpr const char* kPriest = "100000000000000000000401999002";
constexpr const char* kSmith = "100000000000000000000501999001";
constexpr const char* kStrong = "100000000000000000000302999001"; // the smith's basics formula

struct Joined : ::testing::Test, test::EngineFixture {
    Joined() {
        // Bonuses of nothing, but three free proficiencies from the warrior.
        insert("profesje", {{"id", kWarrior}, {"nazwa", "Wojownik"}, {"bgl_start", "3"}});
        insert("profesje", {{"id", kPriest}, {"nazwa", "Kapłan"}});
        // The smith: 3 years, no apprenticeship, 11 experience points for the basics.
        insert("zawod", {{"id", kSmith}, {"nazwa", "Kowal"}, {"czas", "3"}, {"podstpd", "11"}});
    }

    // The character's profession entry: its level, experience and 13 increase expressions
    // (`strength` the one of Siła fizyczna, the others empty).
    CPoz& chosen(const char* id, const char* name, int level, int experience = 0,
                 const std::string& strength = "") {
        const std::string memo = "|" + strength + std::string(11, '|');
        CPoz& entry = add(top(kLinkProfesje), name, profession::kProfession, 999, id, memo);
        add(entry, "Poziom", profession::kLevel, level);
        add(entry, "Punkty doświadczenia", profession::kExperience, experience);
        return entry;
    }
    void skill(const char* id, const char* name, const char* profession, const char* level) {
        insert("umiejetnosci", {{"id", id}, {"nazwa", name}});
        insert("profumiej", {{"id", profession}, {"idumiej", id}, {"poz", level}});
    }
    int experienceOf(const CPoz& profession) {
        return profession.FindByKind(profession::kExperience)->wartosc;
    }
};

TEST_F(Joined, ATradesExperienceIsSharedAmongTheProfessions) {
    CPoz& warrior = chosen(kWarrior, "Wojownik", 1, 100);
    CPoz& priest = chosen(kPriest, "Kapłan", 1, 50);
    GrowthProfile profile;
    ASSERT_TRUE(CRdzenZawod(context()).LearnTradeGrade(kSmith, profile));
    // 11 among two: round(5.5) = 6 to the first, the 5 left to the last.
    EXPECT_EQ(experienceOf(warrior), 106);
    EXPECT_EQ(experienceOf(priest), 55);
}

TEST_F(Joined, TheLevelsGiveTheProfessionsTheirSkillsUpToTheirLevel) {
    skill("100000000000000000000601999001", "Szermierka", kWarrior, "1");
    skill("100000000000000000000601999002", "Jazda konna", kWarrior, "2");
    skill("100000000000000000000601999003", "Taktyka", kWarrior, "3");
    CPoz& warrior = chosen(kWarrior, "Wojownik", 2);
    CRdzenProfesja professions(context());
    professions.AddProfessionBonuses();
    professions.AdvanceLevels();

    // Levels 1 and 2 of the warrior, not 3; the group linked to the profession entry.
    const CPoz* group = top(kLinkUmiejetnosci).FindByKind(skill::kProfessionGroup);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->target(), &warrior);
    Lines skills;
    for (const CPoz* child : group->children())
        skills.push_back(child->info + " " + std::to_string(child->wartosc));
    EXPECT_EQ(skills, Lines({"Szermierka 1", "Jazda konna 2"}));
}

TEST_F(Joined, TheLevelsGrowByTheTradesFormulas) {
    // The smith's basics make Siła fizyczna grow by 1.5.
    insert("formuly", {{"id", kStrong},
                       {"id_nad", kSmith},
                       {"typ_nad", "ZAWOD1"},
                       {"typ1", "1"},
                       {"sfwsp", "1.5"}});
    CPoz& smith = add(top(kLinkZawody), "Kowal", trade::kTrade, 3, "Kowal", "ZAWOD1");
    CPoz& grade = add(smith, "Podstawy", trade::kGrade, 0, kSmith, "ZAWOD1");
    CRdzenZawod(context()).LoadGradeFormulas(grade);
    ASSERT_EQ(grade.size(), 1u);
    (void)CRdzenFormula(context(), kStrong, *grade.front(), "");

    // One level adding 2 to Siła fizyczna (a constant: no throw).
    chosen(kWarrior, "Wojownik", 1, 0, "2");
    CRdzenProfesja professions(context());
    professions.AddProfessionBonuses();
    professions.AdvanceLevels();

    const CPoz* levels =
        top(kLinkSilaFizyczna).FindByKind(perMember::kExperienceLevels[member::kStrength]);
    ASSERT_NE(levels, nullptr);
    EXPECT_EQ(levels->wartosc, 2);
    const CPoz* growth = levels->FindByKind(perMember::kGrowthMultiplier[member::kStrength]);
    ASSERT_NE(growth, nullptr);
    EXPECT_DOUBLE_EQ(growth->modyfikator, 1.5);
}

TEST_F(Joined, TheRecountRefreshesTheProfessionsFreeProficiencies) {
    chosen(kWarrior, "Wojownik", 0);
    CPoz& swords = add(top(kLinkBieglosci), "Miecze", proficiency::kProficiency, 0, "miecze");
    add(swords, "Szkolenie podstawowe", proficiency::kBasicTraining, 0, "", "2|0|0|0|0");
    // The bonuses are rolled but not yet written into the entries: the recount writes them.
    CRdzenProfesja(context()).AddProfessionBonuses();
    CRdzenBieglosci(context()).Recount();

    const CPoz* pool = top(kLinkBieglosci).FindByKind(proficiency::kFree);
    ASSERT_NE(pool, nullptr);
    const CPoz* granted = pool->FindByKind(proficiency::kFreeFromProfession);
    ASSERT_NE(granted, nullptr);
    EXPECT_EQ(granted->wartosc, 3);
    // The warrior's 3 less the 2 the sword training took.
    EXPECT_DOUBLE_EQ(pool->total, 1.0);
}

} // namespace
} // namespace tallar
