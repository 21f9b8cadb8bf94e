#include "rules/engine/CRdzenProfesja.h"

#include "rules/engine/CRdzenUlomnosc.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallar {
namespace {

using namespace kinds;

constexpr const char* kFighter = "100000000000000000000401999001";
constexpr const char* kHunter = "100000000000000000000401999002";
constexpr const char* kPriest = "100000000000000000000401999003";

using Fields = std::initializer_list<std::pair<std::size_t, const char*>>;

// `count` fields joined by "|", those given set, the rest empty.
std::string fieldsText(Fields set, std::size_t count = levelField::kCount) {
    std::vector<std::string> fields(count);
    for (const auto& [i, text] : set)
        fields[i] = text;
    return joinTexts(fields, '|');
}

// A profession's 13 level increases: those given, the others empty.
std::string increases(Fields set = {}) {
    return fieldsText(set, 13);
}
std::string vitalityIncrease(const char* expression) {
    return increases({{0, expression}});
}

struct Professions : ::testing::Test, test::EngineFixture {
    // A profession row: the columns given, the rest NULL (an empty expression is 0).
    void profession(const char* id, const char* name, const Columns& columns) {
        Columns all = {{"id", id}, {"nazwa", name}};
        all.insert(all.end(), columns.begin(), columns.end());
        insert("profesje", all);
    }
    // The character's profession entry with its level and experience.
    CPoz& chosen(const char* id, const char* name, int level, const std::string& memo = "",
                 int experience = 0) {
        CPoz& entry = add(top(kLinkProfesje), name, profession::kProfession, 999, id, memo);
        add(entry, "Poziom", profession::kLevel, level);
        add(entry, "Punkty doświadczenia", profession::kExperience, experience);
        return entry;
    }
    CRdzenProfesja engine(bool askRolls = false, LevelAdvancementChooser* chooser = nullptr) {
        return CRdzenProfesja(context(askRolls), chooser);
    }
    CPoz* bonusList() { return top(kLinkProfesje).FindByKind(profession::kBonuses); }
    CPoz* bonus(int kind) { return bonusList()->FindByKind(kind); }
    CPoz* levels() { return bonusList()->FindByKind(profession::kLevels); }
    void queue(std::initializer_list<int> faces) {
        for (int face : faces)
            port.queueDie(face);
    }
};

TEST_F(Professions, EachBonusIsTheGreaterExpressionOfTheTwoProfessions) {
    // Żywotność: K10 (maximum 10) beats 2K4 (8). Siła fizyczna: 2K6 and K12 share the
    // maximum 12; 2K6 wins by its minimum (2 against 1). Szybkość: MAX(2K10) and K10 tie
    // everywhere (10, 1, 0): the first row keeps it. Zauważenie: K6 and 0; a profession
    // that leaves a bonus empty counts 0. zw_podst comes from the last row (the hunter).
    profession(
        kFighter, "Wojownik",
        {{"zyw", "K10"}, {"sf", "K12"}, {"sz", "MAX(2K10)"}, {"zw", "K6"}, {"zw_podst", "N"}});
    profession(kHunter, "Łowca",
               {{"zyw", "2K4"}, {"sf", "2K6"}, {"sz", "K10"}, {"zw", "0"}, {"zw_podst", "T"}});
    chosen(kFighter, "Wojownik", 1);
    chosen(kHunter, "Łowca", 1);
    engine().AddProfessionBonuses();

    ASSERT_NE(bonusList(), nullptr);
    EXPECT_EQ(bonusList()->info, "Dodatki profesjonalne");
    // 21 attributes and resistances and the three proficiency bonuses, in column order.
    ASSERT_EQ(bonusList()->size(), 24u);
    EXPECT_EQ(bonusList()->front()->info, "Żywotność");
    EXPECT_EQ(bonusList()->back()->info, "Biegłośc minimalna");
    EXPECT_EQ(bonus(perMember::kProfessionBonus[member::kVitality])->memo, "K10");
    EXPECT_EQ(bonus(perMember::kProfessionBonus[member::kStrength])->memo, "2K6");
    EXPECT_EQ(bonus(perMember::kProfessionBonus[member::kSpeed])->memo, "MAX(2K10)");
    const CPoz* perception = bonus(perMember::kProfessionBonus[member::kPerception]);
    EXPECT_EQ(perception->memo, "K6");
    EXPECT_EQ(perception->info, "Zauważenie (wsp.podstawowy)");
    EXPECT_EQ(bonus(perMember::kProfessionBonus[member::kPresence])->info, "Prezęcja");
    EXPECT_EQ(bonus(perMember::kProfessionBonus[member::kResistance1 + 9])->info,
              "Odporność nr.10");
}

TEST_F(Professions, ALoneProfessionsNegativeBonusCounts) {
    profession(kFighter, "Wojownik", {{"ch", "-5"}});
    chosen(kFighter, "Wojownik", 1);
    engine().AddProfessionBonuses();
    EXPECT_EQ(bonus(perMember::kProfessionBonus[member::kCharisma])->wartosc, -5);
    engine().ApplyProfessionBonuses();
    EXPECT_DOUBLE_EQ(top(kLinkCharyzma).total, -5.0);
}

TEST_F(Professions, ZwPodstComesFromTheLastRow) {
    profession(kFighter, "Wojownik", {{"zw", "K6"}, {"zw_podst", "T"}});
    profession(kHunter, "Łowca", {{"zw", "K6"}, {"zw_podst", "N"}});
    chosen(kFighter, "Wojownik", 1);
    chosen(kHunter, "Łowca", 1);
    engine().AddProfessionBonuses();
    EXPECT_EQ(bonus(perMember::kProfessionBonus[member::kPerception])->info, "Zauważenie");
}

TEST_F(Professions, BonusEntriesHoldTheRollItsDiceAndTheirSpan) {
    profession(
        kFighter, "Wojownik",
        {{"zyw", "K10"}, {"sf", "2K10+3"}, {"zw", "K10"}, {"zw_podst", "T"}, {"bgl_start", "2"}});
    chosen(kFighter, "Wojownik", 1);
    // Żywotność 7; Siła fizyczna 4 and 5; Zauważenie 4, then its second roll 9. The other
    // bonuses are constants and throw nothing.
    queue({7, 4, 5, 4, 9});
    engine(true).AddProfessionBonuses();

    // K10 thrown 7: value 7, span 10 − 0, dice part 7 − 0.
    const CPoz* vitality = bonus(perMember::kProfessionBonus[member::kVitality]);
    EXPECT_EQ(vitality->wartosc, 7);
    EXPECT_DOUBLE_EQ(vitality->modyfikator, 10.0);
    EXPECT_EQ(vitality->specjal, "7");
    // 2K10+3 thrown 4 and 5: value 12, span 23 − 3 = 20, dice part 12 − 3 = 9.
    const CPoz* strength = bonus(perMember::kProfessionBonus[member::kStrength]);
    EXPECT_EQ(strength->wartosc, 12);
    EXPECT_DOUBLE_EQ(strength->modyfikator, 20.0);
    EXPECT_EQ(strength->specjal, "9");
    EXPECT_EQ(strength->memo, "2K10+3");
    // The better of 4 and 9.
    const CPoz* perception = bonus(perMember::kProfessionBonus[member::kPerception]);
    EXPECT_EQ(perception->wartosc, 9);
    EXPECT_EQ(perception->specjal, "9");
    EXPECT_EQ(bonus(profession::kInitialProficiencies)->wartosc, 2);
    EXPECT_EQ(
        port.diePrompts(),
        (std::vector<std::string>{"Profesja: Żywotność K10", "Profesja: Siła fizyczna K10 1 z 2",
                                  "Profesja: Siła fizyczna K10 2 z 2", "Profesja: Zauważenie K10",
                                  "Profesja: Zauważenie (dod.rzut) K10"}));

    // Made once per character: a second run throws and adds nothing.
    engine(true).AddProfessionBonuses();
    EXPECT_EQ(port.diePrompts().size(), 5u);
    EXPECT_EQ(bonusList()->size(), 24u);
    int lists = 0;
    for (const CPoz* child : top(kLinkProfesje).children())
        lists += child->typ == profession::kBonuses;
    EXPECT_EQ(lists, 1);
}

TEST_F(Professions, ASecondRollOfZauwazenieLowerThanTheFirstChangesNothing) {
    profession(kFighter, "Wojownik", {{"zw", "K10+2"}, {"zw_podst", "T"}});
    chosen(kFighter, "Wojownik", 1);
    queue({8, 3});
    engine(true).AddProfessionBonuses();
    // 8 + 2 = 10 against 3 + 2 = 5: the first stays, its dice part 10 − 2.
    const CPoz* perception = bonus(perMember::kProfessionBonus[member::kPerception]);
    EXPECT_EQ(perception->wartosc, 10);
    EXPECT_EQ(perception->specjal, "8");
}

TEST_F(Professions, WithoutProfessionsNoBonusesAreMade) {
    engine().AddProfessionBonuses();
    EXPECT_EQ(bonusList(), nullptr);
    engine().ApplyProfessionBonuses(); // nothing to apply
    EXPECT_EQ(top(kLinkZywotnosc).FindByKind(perMember::kProfession[member::kVitality]), nullptr);
}

TEST_F(Professions, BonusesBecomeProfesjaPartsGrowingByTheProfile) {
    profession(kFighter, "Wojownik", {{"zyw", "0"}, {"sf", "K10"}, {"zr", "K10"}, {"odp06", "K5"}});
    chosen(kFighter, "Wojownik", 1);
    // A race stage whose passage multiplies the growth of Zręczność by 1.5 and gives Siła
    // fizyczna the other coefficient 3.
    CPoz& look = add(top(kLinkDodatkoweInformacje), "Rasa: Krasnolud", info::kAppearance, 0);
    CPoz& stageNow = add(look, "Stadium: Młody", stage::kStage, 0);
    CPoz& passage = add(add(stageNow, "Kolejne przeistoczenia", stage::kPassages, 0), "Młody",
                        stage::kPassage, 20);
    add(passage, "Zręczność mnożnik przyrosty", perMember::kPassageMultiplier[member::kDexterity],
        0, "", "", 1.5);
    add(passage, "Siła fizyczna inny współczynnik", stage::kStrengthOther, 0, "", "", 3.0);
    queue({6, 6, 4});
    engine(true).AddProfessionBonuses();
    engine().ApplyProfessionBonuses();

    // A bonus of 0 leaves no part.
    EXPECT_EQ(top(kLinkZywotnosc).FindByKind(perMember::kProfession[member::kVitality]), nullptr);
    // Siła fizyczna: 6, memo the other coefficient 3; its multiplier 1.0 makes no child.
    const CPoz* strength =
        top(kLinkSilaFizyczna).FindByKind(perMember::kProfession[member::kStrength]);
    ASSERT_NE(strength, nullptr);
    EXPECT_EQ(strength->info, "Profesja");
    EXPECT_EQ(strength->wartosc, 6);
    EXPECT_EQ(strength->memo, "3");
    EXPECT_TRUE(strength->empty());
    // Zręczność: 6 growing by 1.5 counts 9.
    const CPoz* dexterity =
        top(kLinkZrecznosc).FindByKind(perMember::kProfession[member::kDexterity]);
    ASSERT_NE(dexterity, nullptr);
    ASSERT_EQ(dexterity->size(), 1u);
    EXPECT_EQ(dexterity->front()->info, "Mnożnik przyrostów");
    EXPECT_EQ(dexterity->front()->typ, perMember::kGrowthMultiplier[member::kDexterity]);
    EXPECT_DOUBLE_EQ(dexterity->front()->modyfikator, 1.5);
    EXPECT_DOUBLE_EQ(top(kLinkZrecznosc).total, 9.0);
    // "Odporność nr.6" takes 4.
    EXPECT_DOUBLE_EQ(top(kLinkOdpornosc1 + 5).total, 4.0);
}

TEST_F(Professions, ZauwazenieFixedAtItsBestTakesTheBonusMaximum) {
    // An ability whose formula fixes Zauważenie at its best (MAX).
    const char* lucky = "100000000000000000000301999001";
    insert("zdolnosci", {{"id", lucky}, {"typ", "ZDOLNOSC"}, {"nazwa", "Szczęściarz"}});
    insert("formuly", {{"id", "100000000000000000000302999001"},
                       {"id_nad", lucky},
                       {"typ_nad", "ZDOLNOSC"},
                       {"typ1", "MAX"},
                       {"zwznak", "="}});
    add(top(kLinkZdolnosci), "Szczęściarz", ability::kAbility, 0, lucky);
    CRdzenUlomnosc(context(), CRdzenUlomnosc::kAbilities).ApplyFormulas();

    profession(kFighter, "Wojownik", {{"zw", "2K10+1"}});
    chosen(kFighter, "Wojownik", 1);
    queue({1, 2});
    engine(true).AddProfessionBonuses();
    EXPECT_EQ(bonus(perMember::kProfessionBonus[member::kPerception])->wartosc, 4); // 1 + 2 + 1
    engine().ApplyProfessionBonuses();
    // The maximum of 2K10+1, not the roll.
    EXPECT_EQ(top(kLinkZauwazenie).FindByKind(perMember::kProfession[member::kPerception])->wartosc,
              21);
}

TEST_F(Professions, ProficiencyBonusesGoToTheProficiencies) {
    profession(kFighter, "Wojownik", {{"bgl_start", "2"}, {"bgl_modyf", "5"}, {"bgl_min", "10"}});
    chosen(kFighter, "Wojownik", 1);
    CPoz& proficiencies = top(kLinkBieglosci);
    CPoz& swords = add(proficiencies, "Miecze", proficiency::kProficiency, 0, "miecze");
    CPoz& swordsTraining =
        add(swords, "Szkolenie podstawowe", proficiency::kBasicTraining, 0, "", "", 4.0);
    CPoz& axes = add(proficiencies, "Topory", proficiency::kProficiency, 0, "topory");
    CPoz& axesTraining =
        add(axes, "Szkolenie podstawowe", proficiency::kBasicTraining, 0, "", "", 12.7);
    // A natural weapon whose proficiency depends on the profession (modifier 0) keeps its own.
    CPoz& bite = add(proficiencies, "Kły", proficiency::kProficiency, 0, "kly", "NATURALNA");
    CPoz& biteTraining =
        add(bite, "Szkolenie podstawowe", proficiency::kBasicTraining, 3, "", "", 3.0);
    add(top(kLinkBronieNaturalne), "Kły", natural::kWeapon, 0, "kly", "", 0.0);
    engine().AddProfessionBonuses();
    engine().ApplyProfessionBonuses();

    const CPoz* free = proficiencies.FindByKind(proficiency::kFree);
    ASSERT_NE(free, nullptr);
    EXPECT_EQ(free->info, "Wolne biegłości");
    ASSERT_NE(free->FindByKind(proficiency::kFreeFromProfession), nullptr);
    EXPECT_EQ(free->FindByKind(proficiency::kFreeFromProfession)->wartosc, 2);
    for (const CPoz* weapon : {&swords, &axes, &bite}) {
        const CPoz* part = weapon->FindByKind(proficiency::kFromProfession);
        ASSERT_NE(part, nullptr) << weapon->info;
        EXPECT_EQ(part->wartosc, 5);
        EXPECT_EQ(part->memo, "0|0|0|0|0");
    }
    EXPECT_EQ(swordsTraining.wartosc, 10); // 4 raised to the minimum
    EXPECT_EQ(axesTraining.wartosc, 12);   // 12.7 truncated, above the minimum
    EXPECT_EQ(biteTraining.wartosc, 3);
}

TEST_F(Professions, ExperienceIsSharedTheLastProfessionTakingTheRest) {
    chosen(kFighter, "Wojownik", 1, "", 100);
    chosen(kHunter, "Łowca", 2, "", 150);
    // A profession entry without experience takes no share.
    add(top(kLinkProfesje), "Bez doświadczenia", profession::kProfession, 0, kPriest);
    chosen(kPriest, "Kapłan", 3, "", 200);
    // 10 / 3 = 3.33 rounds to 3: 3, 3 and the rest, 4.
    engine().DistributeExperience(10);
    std::vector<int> shared;
    for (const CPoz* child : top(kLinkProfesje).children())
        if (const CPoz* held = child->FindByKind(profession::kExperience))
            shared.push_back(held->wartosc);
    EXPECT_EQ(shared, (std::vector<int>{103, 153, 204}));
}

TEST_F(Professions, OnePointAmongTwoGoesToTheFirst) {
    CPoz& first = chosen(kFighter, "Wojownik", 1, "", 0);
    CPoz& second = chosen(kHunter, "Łowca", 1, "", 0);
    // 1 / 2 = 0.5 rounds away from zero to 1; the last takes 1 − 1 = 0.
    engine().DistributeExperience(1);
    EXPECT_EQ(first.FindByKind(profession::kExperience)->wartosc, 1);
    EXPECT_EQ(second.FindByKind(profession::kExperience)->wartosc, 0);
}

TEST_F(Professions, HighestLevelAmongTheProfessions) {
    EXPECT_EQ(engine().HighestLevel(), 0);
    chosen(kFighter, "Wojownik", 3);
    chosen(kHunter, "Łowca", 7);
    chosen(kPriest, "Kapłan", 0);
    EXPECT_EQ(engine().HighestLevel(), 7);
}

// The K10 a new level gives to a base resistance, and where it went.
struct Levels : Professions {
    Levels() { profession(kFighter, "Wojownik", {}); }
    void baseResistances(int psychic, int physical) {
        add(top(kLinkBazowaOdpornoscPsychiczna), "Odporność (część losowa)",
            attribute::kPsychicRandom, psychic);
        add(top(kLinkBazowaOdpornoscFizyczna), "Odporność (część losowa)",
            attribute::kPhysicalRandom, physical);
    }
    const CPoz* level(int n) { return levels()->FindByValue(n); }
    int part(int link, int kind) {
        const CPoz* found = top(link).FindByKind(kind);
        return found ? found->wartosc : 0;
    }
    int psychicLevels() { return part(kLinkBazowaOdpornoscPsychiczna, attribute::kPsychicLevels); }
    int physicalLevels() { return part(kLinkBazowaOdpornoscFizyczna, attribute::kPhysicalLevels); }
    int vitalityLevels() {
        return part(kLinkZywotnosc, perMember::kExperienceLevels[member::kVitality]);
    }
};

TEST_F(Levels, ANewLevelGivesItsK10ToTheLowerBaseResistanceTiesToThePsychic) {
    baseResistances(8, 5);
    chosen(kFighter, "Wojownik", 1, increases());
    engine().AddProfessionBonuses();
    engine().AdvanceLevels();
    // P = 8 > F = 5: to the physical one (field 14).
    ASSERT_NE(level(1), nullptr);
    EXPECT_EQ(level(1)->info, "Poziom");
    EXPECT_EQ(level(1)->specjal, "||||||||||||||K10||||||||||");
    EXPECT_EQ(psychicLevels(), 0);
    EXPECT_GE(physicalLevels(), 1);
    EXPECT_LE(physicalLevels(), 10);
}

TEST_F(Levels, ATieGoesToThePsychicResistance) {
    baseResistances(6, 6);
    chosen(kFighter, "Wojownik", 1, increases());
    engine().AddProfessionBonuses();
    engine().AdvanceLevels();
    EXPECT_EQ(level(1)->specjal, "|||||||||||||K10|||||||||||");
    EXPECT_EQ(physicalLevels(), 0);
    EXPECT_GE(psychicLevels(), 1);
}

TEST_F(Levels, TheIncreasesSoFarDecideTheNextLevelsResistance) {
    // Asked throws without a dialog: the choice is made as without asking.
    baseResistances(8, 5);
    chosen(kFighter, "Wojownik", 3, increases());
    engine().AddProfessionBonuses();
    // Level 1: P 8 > F 5, physical thrown 7 (F 12). Level 2: P 8 < F 12, psychic thrown 2
    // (P 10). Level 3: P 10 < F 12, psychic thrown 4 (P 14).
    queue({7, 2, 4});
    engine(true).AdvanceLevels();
    EXPECT_EQ(level(1)->specjal, levelChoice(levelField::kBasePhysical));
    EXPECT_EQ(level(2)->specjal, levelChoice(levelField::kBasePsychic));
    EXPECT_EQ(level(3)->specjal, levelChoice(levelField::kBasePsychic));
    EXPECT_EQ(physicalLevels(), 7);
    EXPECT_EQ(psychicLevels(), 6);
    EXPECT_EQ(port.diePrompts(),
              (std::vector<std::string>{"Poziom doświadczenia: Odp.bazowa fiz. K10",
                                        "Poziom doświadczenia: Odp.bazowa psych. K10",
                                        "Poziom doświadczenia: Odp.bazowa psych. K10"}));
    // The base totals reach the resistances: psychic 8 + 6 to nr.1 … nr.5, physical 5 + 7 to
    // nr.6 … nr.10.
    EXPECT_EQ(top(kLinkOdpornosc1).FindByKind(top::kBasePsychicResistance)->wartosc, 14);
    EXPECT_EQ(top(kLinkOdpornosc1 + 9).FindByKind(top::kBasePhysicalResistance)->wartosc, 12);
    EXPECT_DOUBLE_EQ(top(kLinkOdpornosc1 + 4).total, 14.0);
}

TEST_F(Levels, AdvancingAgainRollsOnlyTheNewLevel) {
    CPoz& fighter = chosen(kFighter, "Wojownik", 2, vitalityIncrease("K10"));
    engine().AddProfessionBonuses();
    // Per level Żywotność, then the base resistance: 6, 3; 8, 2.
    queue({6, 3, 8, 2});
    engine(true).AdvanceLevels();
    EXPECT_EQ(vitalityLevels(), 14); // 6 + 8
    // Żywotność and the psychic resistance (a tie of 0 and 0): spans 10, dice parts 6 and 3.
    EXPECT_EQ(level(1)->memo,
              fieldsText({{0, "10"}, {13, "10"}}) + "#" + fieldsText({{0, "6"}, {13, "3"}}));
    EXPECT_EQ(port.diePrompts().size(), 4u);

    fighter.FindByKind(profession::kLevel)->wartosc = 3;
    queue({5, 4});
    engine(true).AdvanceLevels();
    EXPECT_EQ(port.diePrompts().size(), 6u); // level 3 only
    EXPECT_EQ(port.diePrompts()[4], "Poziom doświadczenia: Żywotność K10");
    EXPECT_EQ(vitalityLevels(), 19); // 6 + 8 + 5
    EXPECT_EQ(levels()->size(), 3u);
}

TEST_F(Levels, ALevelSharedByTwoProfessionsTakesTheGreaterExpressionAndCountsOnce) {
    profession(kHunter, "Łowca", {});
    chosen(kFighter, "Wojownik", 2, vitalityIncrease("K6"));
    chosen(kHunter, "Łowca", 1, vitalityIncrease("K10"));
    engine().AddProfessionBonuses();
    // The fighter's level 1 (K6 4, resistance 1) and 2 (K6 5, resistance 1); the hunter's
    // K10 beats K6 at level 1 and, its span 10 above 6, is thrown: 9.
    queue({4, 1, 5, 1, 9});
    engine(true).AdvanceLevels();
    EXPECT_EQ(level(1)->specjal.substr(0, 4), "K10|");
    // Level 1 counts 9 (not 4 as well), level 2 counts 5.
    EXPECT_EQ(vitalityLevels(), 14);
    EXPECT_EQ(levels()->size(), 2u);
}

TEST_F(Levels, AGreaterExpressionOfTheSameSpanKeepsTheRollRescaled) {
    chosen(kFighter, "Wojownik", 1, vitalityIncrease("K6+5"));
    engine().AddProfessionBonuses();
    CPoz& list = bonusList()->AddChild({.info = "Poziomy", .typ = profession::kLevels});
    // Level 1 rolled before with K10: span 10, dice part 7, and the psychic K10 rolled 3.
    list.AddChild(
        {.info = "Poziom",
         .specjal = fieldsText({{0, "K10"}, {13, "K10"}}),
         .typ = profession::kLevelEntry,
         .wartosc = 1,
         .memo = fieldsText({{0, "10"}, {13, "10"}}) + "#" + fieldsText({{0, "7"}, {13, "3"}})});
    engine(true).AdvanceLevels();
    EXPECT_TRUE(port.diePrompts().empty());
    // K6+5 (maximum 11) beats K10 (10) but its span 6 is below the 10 rolled: no new throw.
    // 5 + trunc(6 / 10 · 7) = 5 + 4 = 9.
    EXPECT_EQ(vitalityLevels(), 9);
    EXPECT_EQ(level(1)->specjal.substr(0, 5), "K6+5|");
}

TEST_F(Levels, ScaledIncreaseOfAWholeSpanOfTensAndOfAnUnrolledField) {
    chosen(kFighter, "Wojownik", 2, increases());
    engine().AddProfessionBonuses();
    CPoz& list = bonusList()->AddChild({.info = "Poziomy", .typ = profession::kLevels});
    // Level 1: Żywotność 2K10+1 thrown at its full span 20: the maximum, 21.
    // Level 2: Żywotność K6 never thrown (span 0): its constant part, 0, and no division.
    list.AddChild(
        {.info = "Poziom",
         .specjal = fieldsText({{0, "2K10+1"}, {13, "K10"}}),
         .typ = profession::kLevelEntry,
         .wartosc = 1,
         .memo = fieldsText({{0, "20"}, {13, "10"}}) + "#" + fieldsText({{0, "20"}, {13, "3"}})});
    list.AddChild(
        {.info = "Poziom",
         .specjal = fieldsText({{0, "K6"}, {13, "K10"}}),
         .typ = profession::kLevelEntry,
         .wartosc = 2,
         .memo = fieldsText({{0, "0"}, {13, "10"}}) + "#" + fieldsText({{0, "0"}, {13, "4"}})});
    engine().AdvanceLevels();
    EXPECT_EQ(vitalityLevels(), 21);
    EXPECT_EQ(psychicLevels(), 7); // 3 + 4, both already thrown
}

TEST_F(Levels, TheSumsReachTheProficiencies) {
    chosen(kFighter, "Wojownik", 2, increases({{11, "K3"}, {12, "2"}}));
    CPoz& swords = add(top(kLinkBieglosci), "Miecze", proficiency::kProficiency, 0, "miecze");
    engine().AddProfessionBonuses();
    // Per level the number of proficiencies K3, then the proficiency 2 (constant, no
    // throw), then the base resistance.
    queue({2, 5, 3, 6});
    engine(true).AdvanceLevels();
    const CPoz* free = top(kLinkBieglosci).FindByKind(proficiency::kFree);
    ASSERT_NE(free, nullptr);
    EXPECT_EQ(free->FindByKind(proficiency::kFreeFromLevels)->wartosc, 5); // 2 + 3
    const CPoz* part = swords.FindByKind(proficiency::kFromLevels);
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->wartosc, 4); // 2 + 2
    EXPECT_EQ(part->memo, "0|0|0|0|0");
    EXPECT_EQ(psychicLevels() + physicalLevels(), 11);
}

// A chooser that answers with a field and records what it was shown.
struct Chooser : LevelAdvancementChooser {
    std::vector<LevelAdvancement> shown;
    std::size_t field = levelField::kResistance1 + 2;
    std::optional<std::string> ChooseAdvancement(const LevelAdvancement& level) override {
        shown.push_back(level);
        return levelChoice(field);
    }
};

TEST_F(Levels, WithAskedThrowsTheChooserDecides) {
    baseResistances(8, 5);
    add(top(kLinkOdpornosc1 + 2), "Rasowa", perMember::kRacial[member::kResistance1 + 2], 30);
    chosen(kFighter, "Wojownik", 2, vitalityIncrease("K10"));
    engine().AddProfessionBonuses();
    Chooser chooser;
    // Level 1: Żywotność 4, "Odporność nr.3" 6; level 2: Żywotność 10, "Odporność nr.3" 3.
    queue({4, 6, 10, 3});
    engine(true, &chooser).AdvanceLevels();
    ASSERT_EQ(chooser.shown.size(), 2u);
    EXPECT_EQ(chooser.shown[0].profession, "Wojownik");
    EXPECT_EQ(chooser.shown[0].level, 1);
    EXPECT_EQ(chooser.shown[0].proposal, levelChoice(levelField::kBasePhysical));
    EXPECT_EQ(chooser.shown[0].current[levelField::kBasePsychic], 8);
    EXPECT_EQ(chooser.shown[0].current[levelField::kBasePhysical], 5);
    EXPECT_EQ(chooser.shown[0].current[levelField::kResistance1 + 2], 30);
    // At level 2 the values hold level 1's increases.
    EXPECT_EQ(chooser.shown[1].current[0], 4);
    EXPECT_EQ(chooser.shown[1].current[levelField::kResistance1 + 2], 36);
    EXPECT_EQ(part(kLinkOdpornosc1 + 2, perMember::kExperienceLevels[member::kResistance1 + 2]), 9);
    EXPECT_EQ(psychicLevels() + physicalLevels(), 0);

    // Without asking the chooser is not shown.
    Chooser unused;
    chosen(kHunter, "Łowca", 3, increases());
    profession(kHunter, "Łowca", {});
    engine(false, &unused).AdvanceLevels();
    EXPECT_TRUE(unused.shown.empty());
}

TEST_F(Levels, ALevelBeyondTheHighestIsAdvancedTo999) {
    chosen(kFighter, "Wojownik", 2000000000, increases());
    engine().AddProfessionBonuses();
    engine().AdvanceLevels();
    EXPECT_EQ(levels()->size(), static_cast<std::size_t>(CRdzenProfesja::kMaxLevel));
    EXPECT_EQ(levels()->back()->wartosc, 999);
}

TEST_F(Levels, TitlesOfTheHighestTitleLevelNotAboveTheLevel) {
    profession(kHunter, "Łowca", {});
    profession(kPriest, "Kapłan", {});
    for (const auto& [level, title] : std::vector<std::pair<const char*, const char*>>{
             {"1", "Rekrut"}, {"3", "Żołnierz"}, {"6", "Weteran"}, {"10", "Mistrz oręża"}})
        insert("tytuly", {{"id", kFighter},
                          {"idtytul", std::string("t") + level},
                          {"poz", level},
                          {"tytul", title}});
    insert("tytuly", {{"id", kHunter}, {"idtytul", "h"}, {"poz", "2"}, {"tytul", "Tropiciel"}});
    // Level 10: the title of level 10, though "6" comes after "10" as a text.
    CPoz& fighter = chosen(kFighter, "Wojownik", 10, increases());
    CPoz& hunter = chosen(kHunter, "Łowca", 1, increases());  // below its only title
    CPoz& priest = chosen(kPriest, "Kapłan", 0, increases()); // no titles at all
    engine().AddProfessionBonuses();
    engine().AdvanceLevels();
    EXPECT_EQ(fighter.info, "Wojownik (Mistrz oręża)");
    EXPECT_EQ(hunter.info, "Łowca");
    EXPECT_EQ(priest.info, "Kapłan");

    fighter.FindByKind(profession::kLevel)->wartosc = 5;
    engine().AdvanceLevels();
    EXPECT_EQ(fighter.info, "Wojownik (Żołnierz)");
    character->JoinProfessionNames();
    EXPECT_EQ(character->prof, "Wojownik (Żołnierz)(5)/Łowca(1)/Kapłan(0)");
}

} // namespace
} // namespace tallar
