#include "rules/engine/CRdzenStadium.h"

#include "base/NonInteractiveUserPort.h"
#include "model/Character.h"
#include "rules/data/SampleRules.h"
#include "rules/engine/CRdzenUlomnosc.h"
#include "store/db/Schema.h"
#include "support/TestDatabase.h"
#include "support/TreeDump.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace tallar {
namespace {

using namespace kinds;

const std::string kRace = "race-1";

// Rules made for one test: a schema, stages inserted column by column, and a character
// of the race standing in a stage.
struct StageFixture {
    test::TestDatabase rules{"rules.db"};
    NonInteractiveUserPort port{nullptr};
    DiceGenerator generator{7};
    std::unique_ptr<CIstota> hero;

    StageFixture() {
        // Nothing here has to survive a crash; without syncing the schema is made quickly.
        EXPECT_TRUE(rules.db->exec("PRAGMA synchronous=OFF").ok());
        EXPECT_TRUE(ensureRulesSchema(*rules.db, port).ok());
        hero = std::make_unique<CIstota>(*rules.db);
        CPoz* extra = hero->link(kLinkDodatkoweInformacje);
        CPoz* look =
            &extra->AddChild({.info = "Wygląd", .specjal = kRace, .typ = info::kAppearance});
        look->AddChild({.info = "Stadium", .specjal = "s1", .typ = stage::kStage});
    }

    void insert(const std::string& table, const std::map<std::string, std::string>& columns) {
        std::string names, marks;
        std::vector<SqlParam> values;
        for (const auto& [name, value] : columns) {
            names += (names.empty() ? "" : ",") + name;
            marks += marks.empty() ? "?" : ",?";
            values.emplace_back(value);
        }
        ASSERT_TRUE(
            rules.db
                ->exec("INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ")", values)
                .ok());
    }

    void stage(const std::string& id, int from, int step,
               std::map<std::string, std::string> columns = {}) {
        columns["id"] = id;
        columns["idrasa"] = kRace;
        columns["nazwa"] = "Stadium " + id;
        columns["od"] = std::to_string(from);
        columns["skok"] = std::to_string(step);
        insert("stadia", columns);
    }

    CRdzenStadium engine(bool askRolls = false) {
        return CRdzenStadium({.rules = *rules.db,
                              .character = *hero,
                              .port = port,
                              .generator = &generator,
                              .askRolls = askRolls});
    }

    std::vector<CPoz*> passageEntries() const {
        std::vector<CPoz*> found;
        const CPoz* look =
            hero->link(kLinkDodatkoweInformacje)->FindByKind(kinds::info::kAppearance);
        const CPoz* list = look->FindByKind(stage::kStage)->FindByKind(stage::kPassages);
        if (list)
            for (CPoz* child : list->children())
                found.push_back(child);
        return found;
    }

    std::vector<int> passageAges() const {
        std::vector<int> ages;
        for (const CPoz* passage : passageEntries())
            ages.push_back(passage->wartosc);
        return ages;
    }

    CPoz* attribute(std::size_t member) const {
        for (CPoz* top : hero->children())
            if (top->typ == attributeSet()[member].entryKind)
                return top;
        return nullptr;
    }

    int racial(std::size_t member) const {
        const CPoz* part = attribute(member)->FindByKind(kinds::perMember::kRacial[member]);
        EXPECT_NE(part, nullptr) << attributeSet()[member].entryLabel;
        return part ? part->wartosc : -999;
    }

    CPoz* appearance() const {
        return hero->link(kLinkDodatkoweInformacje)->FindByKind(kinds::info::kAppearance);
    }
};

constexpr std::size_t kZyw = 0, kSf = 1, kZr = 2, kSz = 3, kInt = 4, kZw = 10;

TEST(CRdzenStadium, PassagesFollowStageStepsAndStopAtTheSecondAge) {
    StageFixture f;
    f.stage("a", 0, 10);
    f.stage("b", 30, 0);
    EXPECT_TRUE(f.engine().Passages(0, 45));
    EXPECT_EQ(f.passageAges(), (std::vector<int>{0, 10, 20, 30}));
    const std::vector<CPoz*> made = f.passageEntries();
    EXPECT_EQ(made[2]->specjal, "a");
    EXPECT_EQ(made[2]->info, "Stadium a");
    EXPECT_EQ(made[3]->specjal, "b");
    EXPECT_DOUBLE_EQ(made[3]->modyfikator, 30.0);
    EXPECT_EQ(made[3]->typ, stage::kPassage);

    // Running again over the same ages makes nothing twice.
    EXPECT_TRUE(f.engine().Passages(0, 45));
    EXPECT_EQ(f.passageAges().size(), 4u);

    // From 15 the first candidate is aligned down to 10, which lies before the first age.
    StageFixture g;
    g.stage("a", 0, 10);
    g.stage("b", 30, 0);
    EXPECT_TRUE(g.engine().Passages(15, 45));
    EXPECT_EQ(g.passageAges(), (std::vector<int>{20, 30}));

    // Below the first stage nothing passes; a race without stages gives nothing.
    StageFixture h;
    h.stage("a", 10, 5);
    EXPECT_FALSE(h.engine().Passages(0, 9));
    StageFixture none;
    EXPECT_FALSE(none.engine().Passages(0, 45));
    none.engine().Apply(GrowthProfile());
    EXPECT_EQ(none.attribute(kInt)->size(), 0u);
}

TEST(CRdzenStadium, PercentageAmountChangesTheRunningValue) {
    StageFixture f;
    f.stage("a", 0, 0, {{"int_znak", "="}, {"int_wartosc", "40"}});
    f.stage("b", 30, 0, {{"int_znak", "+"}, {"int_wartosc", "50 "}, {"int_proc", "%"}});
    ASSERT_TRUE(f.engine().Passages(0, 30));
    const CPoz* change = f.passageEntries()[1]->FindByKind(kinds::perMember::kPassageAmount[kInt]);
    ASSERT_NE(change, nullptr);
    EXPECT_DOUBLE_EQ(change->modyfikator, 0.5);
    EXPECT_EQ(change->wartosc, 0);
    EXPECT_EQ(change->specjal, "+");
    EXPECT_EQ(change->memo, "50");
    EXPECT_EQ(change->info, "Inteligencja");

    GrowthProfile profile;
    f.engine().Apply(profile);
    EXPECT_EQ(f.racial(kInt), 60); // 40 + round(40 · 0.5)
    EXPECT_DOUBLE_EQ(f.attribute(kInt)->total, 60.0);

    profile.multiply(kInt, 1.5);
    f.engine().Apply(profile);
    EXPECT_EQ(f.racial(kInt), 70); // 40 + round(20 · 1.5)
    EXPECT_EQ(f.attribute(kInt)->size(), 1u) << "Rasowa is set, not added again";
}

TEST(CRdzenStadium, BalanceAndProfileLimitsShapeTheRacialPart) {
    StageFixture f;
    f.stage("a", 0, 0,
            {{"int_znak", "="},
             {"int_wartosc", "2K10+5"},
             {"zyw_znak", "="},
             {"zyw_wartosc", "K10+20"}});
    ASSERT_TRUE(f.engine().Passages(0, 0));
    GrowthProfile profile;
    profile.members[kInt].balance = 1;
    profile.members[kZyw].balance = 1;
    f.engine().Apply(profile);
    EXPECT_EQ(f.racial(kInt), 25); // the best the amount can give
    EXPECT_EQ(f.racial(kZyw), 30);
    profile.members[kInt].balance = -1;
    profile.members[kZyw].balance = -1;
    f.engine().Apply(profile);
    EXPECT_EQ(f.racial(kInt), 7); // the worst
    EXPECT_EQ(f.racial(kZyw), 21);

    profile.members[kInt].balance = 1;
    profile.mergeLimit(kInt, 20);
    f.engine().Apply(profile);
    EXPECT_EQ(f.racial(kInt), 20); // an upper cap of the profile
    profile.members[kInt].balance = -1;
    profile.mergeLimit(kInt, -9);
    f.engine().Apply(profile);
    EXPECT_EQ(f.racial(kInt), 9); // a lower floor of the profile
}

TEST(CRdzenStadium, BasicProfessionRollsTwiceAndKeepsTheGreater) {
    StageFixture f;
    f.insert("profesje", {{"id", "p1"}, {"nazwa", "Wojownik"}, {"zw_podst", "N"}});
    f.insert("profesje", {{"id", "p2"}, {"nazwa", "Zwiadowca"}, {"zw_podst", "T"}});
    for (const char* id : {"p1", "p2"})
        f.hero->link(kLinkProfesje)
            ->AddChild(
                {.info = id, .specjal = id, .typ = kinds::profession::kProfession, .wartosc = 1});
    f.stage("a", 0, 0,
            {{"zw_znak", "="}, {"zw_wartosc", "K10"}, {"int_znak", "="}, {"int_wartosc", "K10"}});
    f.port.queueDie(6); // Inteligencja
    f.port.queueDie(3); // Zauważenie
    f.port.queueDie(8); // Zauważenie, again
    ASSERT_TRUE(f.engine(true).Passages(0, 0));
    EXPECT_EQ(f.port.diePrompts(),
              (std::vector<std::string>{"Rasa: Inteligencja K10", "Rasa: Zauważenie K10",
                                        "Rasa: Zauważenie(dod.rzut) K10"}));
    const CPoz* passage = f.passageEntries()[0];
    EXPECT_EQ(passage->FindByKind(kinds::perMember::kPassageAmount[kZw])->wartosc, 8);
    EXPECT_EQ(passage->FindByKind(kinds::perMember::kPassageAmount[kInt])->wartosc, 6);

    // The greater roll is kept whichever comes first.
    StageFixture g;
    g.insert("profesje", {{"id", "p2"}, {"nazwa", "Zwiadowca"}, {"zw_podst", "T"}});
    g.hero->link(kLinkProfesje)
        ->AddChild(
            {.info = "p2", .specjal = "p2", .typ = kinds::profession::kProfession, .wartosc = 1});
    g.stage("a", 0, 0, {{"zw_znak", "="}, {"zw_wartosc", "K10"}});
    g.port.queueDie(9);
    g.port.queueDie(2);
    ASSERT_TRUE(g.engine(true).Passages(0, 0));
    EXPECT_EQ(g.passageEntries()[0]->FindByKind(kinds::perMember::kPassageAmount[kZw])->wartosc, 9);
}

TEST(CRdzenStadium, WeightAndHeightFromTheRoll) {
    EXPECT_EQ(weightFromRoll(12, 50, 100), 62);
    EXPECT_EQ(weightFromRoll(35, 50, 100), 75);
    EXPECT_EQ(weightFromRoll(40, 50, 100), 80);
    EXPECT_EQ(weightFromRoll(95, 50, 100), 95);
    EXPECT_EQ(weightFromRoll(130, 50, 100), 130);
    EXPECT_EQ(weightFromRoll(0, 50, 100), 50);
    EXPECT_EQ(weightFromRoll(70, 60, 60), 60);
    // The bands meet at their edges for other spans too (span 100, step 2).
    EXPECT_EQ(weightFromRoll(20, 100, 200), 140);
    EXPECT_EQ(weightFromRoll(21, 100, 200), 142);
    EXPECT_EQ(weightFromRoll(80, 100, 200), 160);
    EXPECT_EQ(weightFromRoll(81, 100, 200), 162);
    EXPECT_EQ(overweightDistance(12), -9);
    EXPECT_EQ(overweightDistance(21), 0);
    EXPECT_EQ(overweightDistance(80), 0);
    EXPECT_EQ(overweightDistance(95), 15);
}

// A character of a stage with weight 50..100 and height 150..200 whose rolls are given.
void applyWithRolls(StageFixture& f, double weightRoll, double heightRoll) {
    f.stage("a", 0, 0,
            {{"waga_od", "50"}, {"waga_do", "100"}, {"wzrost_od", "150"}, {"wzrost_do", "200"}});
    CPoz* look = f.appearance();
    look->AddChild(
        {.info = "Waga [kg]", .typ = stage::kWeight, .modyfikator = weightRoll, .memo = "K100_PR"});
    look->AddChild({.info = "Wzrost [cm]",
                    .typ = stage::kHeight,
                    .modyfikator = heightRoll,
                    .memo = "K100_PR"});
    ASSERT_TRUE(f.engine().Passages(0, 0));
    f.engine().Apply(GrowthProfile());
}

TEST(CRdzenStadium, OverweightAndUnderweightParts) {
    StageFixture heavy;
    applyWithRolls(heavy, 95, 35);
    EXPECT_EQ(heavy.appearance()->FindByKind(kinds::stage::kWeight)->wartosc, 95);
    EXPECT_EQ(heavy.appearance()->FindByKind(kinds::stage::kHeight)->wartosc, 175); // low 170 + 5
    EXPECT_EQ(heavy.hero->weight(), 95);
    const CPoz* vitality = heavy.attribute(kZyw)->FindByKind(attribute::kOverweightVitality);
    ASSERT_NE(vitality, nullptr);
    EXPECT_EQ(vitality->info, "Nadwaga");
    EXPECT_EQ(vitality->wartosc, 15);
    EXPECT_EQ(vitality->memo, "0|15"); // no fixed step: 15 steps along the scale
    EXPECT_DOUBLE_EQ(vitality->total, 15.0);
    EXPECT_EQ(heavy.attribute(kSf)->FindByKind(attribute::kOverweightStrength)->wartosc, 15);
    const CPoz* dexterity = heavy.attribute(kZr)->FindByKind(attribute::kOverweightDexterity);
    EXPECT_EQ(dexterity->info, "Nadwaga");
    EXPECT_EQ(dexterity->wartosc, -8); // −round(7.5)
    EXPECT_EQ(dexterity->memo, "-8");
    EXPECT_EQ(heavy.attribute(kSz)->FindByKind(attribute::kOverweightSpeed)->wartosc, -8);

    StageFixture light;
    applyWithRolls(light, 12, 50);
    EXPECT_EQ(light.appearance()->FindByKind(kinds::stage::kWeight)->wartosc, 62);
    const CPoz* thin = light.attribute(kZyw)->FindByKind(attribute::kOverweightVitality);
    EXPECT_EQ(thin->info, "Niedowaga");
    EXPECT_EQ(thin->wartosc, -9);
    const CPoz* nimble = light.attribute(kSz)->FindByKind(attribute::kOverweightSpeed);
    EXPECT_EQ(nimble->info, "Niedowaga");
    EXPECT_EQ(nimble->wartosc, 5); // −round(−4.5)

    StageFixture middle;
    applyWithRolls(middle, 50, 50);
    EXPECT_EQ(middle.attribute(kZyw)->FindByKind(attribute::kOverweightVitality), nullptr);
    EXPECT_EQ(middle.attribute(kZr)->FindByKind(attribute::kOverweightDexterity), nullptr);
}

TEST(CRdzenStadium, SkinTakesTheLargestLimitOfThePassages) {
    StageFixture f;
    f.stage("a", 0, 10,
            {{"ogr_zr_znak", "="}, {"ogr_zr_wartosc", "2"}, {"kl_znak", "="}, {"kl_wartosc", "3"}});
    f.stage("b", 20, 0,
            {{"ogr_zr_znak", "="}, {"ogr_zr_wartosc", "4"}, {"kl_znak", "+"}, {"kl_wartosc", "2"}});
    ASSERT_TRUE(f.engine().Passages(0, 25));
    EXPECT_EQ(f.passageAges(), (std::vector<int>{0, 10, 20}));
    f.engine().Apply(GrowthProfile());
    const CPoz* skin = f.appearance()->FindByKind(stage::kStage)->FindByKind(stage::kSkin);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->info, "Skóra");
    EXPECT_EQ(skin->FindByKind(kinds::stage::kSkinPiercingAbsorption)->wartosc, 5); // 3, then + 2
    EXPECT_EQ(skin->FindByKind(kinds::stage::kSkinPiercingAbsorption)->info, "Wyparowania kłute");
    const CPoz* dexterity = skin->FindByKind(stage::kSkinDexterityLimit);
    EXPECT_EQ(dexterity->info, "Ograniczenia zręczności 1/");
    EXPECT_EQ(dexterity->size(), 2u); // the "=" of stage a is set at its first passage only
    EXPECT_DOUBLE_EQ(dexterity->total, 4.0);
    EXPECT_EQ(skin->FindByKind(stage::kSkinSpeedLimit)->size(), 0u);

    f.engine().Apply(GrowthProfile());
    EXPECT_EQ(skin->FindByKind(stage::kSkinDexterityLimit)->size(), 2u);
}

TEST(CRdzenStadium, VitalityGrowsThroughTheProgression) {
    StageFixture f;
    f.stage("a", 0, 0,
            {{"zyw_znak", "="},
             {"zyw_wartosc", "195"},
             {"sf_znak", "="},
             {"sf_wartosc", "195"},
             {"int_znak", "="},
             {"int_wartosc", "195"}});
    f.stage("b", 10, 0,
            {{"zyw_znak", "+"},
             {"zyw_wartosc", "10"},
             {"sf_znak", "+"},
             {"sf_wartosc", "10"},
             {"sf_limit", "203"},
             {"int_znak", "+"},
             {"int_wartosc", "10"}});
    ASSERT_TRUE(f.engine().Passages(0, 10));
    f.engine().Apply(GrowthProfile());
    EXPECT_EQ(f.racial(kZyw), 210); // 5 steps of 1 up to 200, then 5 steps of 2
    EXPECT_EQ(f.racial(kSf), 203);  // capped by the stage's limit
    EXPECT_EQ(f.racial(kInt), 205); // other attributes add plainly
    EXPECT_EQ(f.attribute(kZyw)->FindByKind(kinds::perMember::kRacial[kZyw])->specjal, "1");
    EXPECT_EQ(f.attribute(kZyw)->FindByKind(kinds::perMember::kRacial[kZyw])->info, "Rasowa");

    // A fixed other coefficient replaces the scale's step; the profile multiplies steps.
    StageFixture g;
    g.stage("a", 0, 0, {{"zyw_znak", "="}, {"zyw_wartosc", "100"}, {"zyw_innywsp", "3"}});
    g.stage("b", 10, 0, {{"zyw_znak", "+"}, {"zyw_wartosc", "4"}, {"zyw_innywsp", "3"}});
    ASSERT_TRUE(g.engine().Passages(0, 10));
    GrowthProfile profile;
    g.engine().FoldProfile(profile);
    EXPECT_DOUBLE_EQ(profile.vitalityOther, 3.0);
    profile.multiply(kZyw, 2.0);
    g.engine().Apply(profile);
    EXPECT_EQ(g.racial(kZyw), 124); // 100 + 8 steps of 3
}

TEST(CRdzenStadium, RacialVitalityAndStrengthCountAtTheirValue) {
    StageFixture f;
    f.stage("a", 0, 0,
            {{"zyw_znak", "="},
             {"zyw_wartosc", "300"},
             {"sf_znak", "="},
             {"sf_wartosc", "250"},
             {"int_znak", "="},
             {"int_wartosc", "300"},
             {"waga_od", "50"},
             {"waga_do", "100"}});
    f.appearance()->AddChild(
        {.info = "Waga [kg]", .typ = stage::kWeight, .modyfikator = 95.0, .memo = "K100_PR"});
    ASSERT_TRUE(f.engine().Passages(0, 0));
    f.engine().Apply(GrowthProfile());
    // "=" 300: the start t is 300 and round((300 − 300)·1) = 0 steps follow.
    const CPoz* vitality = f.attribute(kZyw)->FindByKind(kinds::perMember::kRacial[kZyw]);
    ASSERT_NE(vitality, nullptr);
    EXPECT_EQ(vitality->wartosc, 300);
    EXPECT_EQ(vitality->specjal, "1");
    EXPECT_EQ(vitality->memo, "1"); // a fixed step of 1
    // As 300 steps from 0 it would count 200 + 100·2 = 400.
    EXPECT_DOUBLE_EQ(vitality->total, 300.0);
    // The overweight part (roll 95 in a span of 50: round(50/50·15) = 15 steps) still goes
    // along the scale, from 300 at 2 a step: 300 + 30 = 330.
    EXPECT_DOUBLE_EQ(f.attribute(kZyw)->total, 330.0);

    const CPoz* strength = f.attribute(kSf)->FindByKind(kinds::perMember::kRacial[kSf]);
    EXPECT_EQ(strength->memo, "1");
    EXPECT_DOUBLE_EQ(strength->total, 250.0);         // not 200 + 50·2 = 300
    EXPECT_DOUBLE_EQ(f.attribute(kSf)->total, 280.0); // 250 + 15·2

    const CPoz* intelligence = f.attribute(kInt)->FindByKind(kinds::perMember::kRacial[kInt]);
    EXPECT_EQ(intelligence->memo, ""); // the other attributes add plainly
    EXPECT_DOUBLE_EQ(f.attribute(kInt)->total, 300.0);
}

TEST(CRdzenStadium, AgeStepGrowsByTheAbilitiesNotByTheStagesFold) {
    StageFixture f;
    f.stage("a", 0, 0,
            {{"int_znak", "="}, {"int_wartosc", "10"}, {"int_przyrost", "2"}, {"int_limit", "12"}});
    f.stage("b", 10, 0, {{"int_znak", "+"}, {"int_wartosc", "4"}, {"int_przyrost", "1.5"}});
    f.hero->link(kLinkDodatkoweInformacje)
        ->AddChild({.info = "WIEK", .typ = kinds::info::kAge, .wartosc = 10});
    f.engine().RollRandomParts();
    f.engine().AgeStep();
    // Passage 0 sets 10, within stage a's limit 12. Passage 10 adds k·4 with stage b's
    // k = H(H(1)·H(1.5)) = 1.5: 10 + 6 = 16; b has no limit. (With the stages folded in,
    // k = H(H(3)·H(1.5)) = 4.5 gave 10 + 18 = 28, cut to a's 12.)
    EXPECT_EQ(f.racial(kInt), 16);

    // An ability whose formula doubles the growth of Inteligencja:
    // k = H(H(2)·H(1.5)) = 3, 10 + 12 = 22.
    f.insert("zdolnosci", {{"id", "z1"}, {"typ", "ZDOLNOSC"}, {"nazwa", "Bystry"}});
    f.insert("formuly", {{"id", "f1"}, {"id_nad", "z1"}, {"typ_nad", "ZDOLNOSC"}, {"intwsp", "2"}});
    f.hero->link(kLinkZdolnosci)
        ->AddChild({.info = "Bystry", .specjal = "z1", .typ = ability::kAbility});
    CRdzenUlomnosc(f.engine().context(), CRdzenUlomnosc::kAbilities).ApplyFormulas();
    f.engine().AgeStep();
    EXPECT_EQ(f.racial(kInt), 22);
}

TEST(CRdzenStadium, FoldingAddsMultipliersAndLimitsOfTheStages) {
    StageFixture f;
    f.stage("a", 0, 0,
            {{"zw_znak", "="}, {"zw_wartosc", "10"}, {"zw_przyrost", "1.5"}, {"zw_limit", "50"}});
    f.stage("b", 10, 0, {{"zw_znak", "+"}, {"zw_wartosc", "1"}, {"zw_limit", "30"}});
    ASSERT_TRUE(f.engine().Passages(0, 10));
    GrowthProfile profile;
    f.engine().FoldProfile(profile);
    EXPECT_DOUBLE_EQ(profile.members[kZw].multiplier, 1.5);
    EXPECT_EQ(profile.members[kZw].upperLimit, 30);
    const CPoz* first = f.passageEntries()[0];
    EXPECT_EQ(first->FindByKind(kinds::perMember::kPassageMultiplier[kZw])->info,
              "Zauważenie mnożnik przyrosty");
    EXPECT_EQ(first->FindByKind(kinds::perMember::kPassageLimit[kZw])->info, "Zauważenie limit");
}

TEST(CRdzenStadium, FailingQueryIsShownAndTheRestGoesOn) {
    StageFixture f;
    f.stage("a", 0, 0, {{"int_znak", "="}, {"int_wartosc", "12"}});
    ASSERT_TRUE(f.rules.db->exec("DROP TABLE stadiumbronie").ok());
    EXPECT_TRUE(f.engine().Passages(0, 0));
    ASSERT_EQ(f.port.errors().size(), 1u);
    EXPECT_EQ(f.port.errors()[0].caption, "Błąd!");
    EXPECT_NE(f.rules.errors.str().find("SQL error: "), std::string::npos);
    f.engine().Apply(GrowthProfile());
    EXPECT_EQ(f.racial(kInt), 12);
}

// The tree as labels, kinds and texts; a reference shows its target's label, since
// identifiers differ from run to run.
TEST(CRdzenStadium, NaturalWeaponsAndRacialProficiencies) {
    StageFixture f;
    f.stage("a", 0, 10);
    f.insert("stadiumbronie", {{"id", "w1"},
                               {"idstadium", "a"},
                               {"nazwa", "Kły"},
                               {"obr_kl", "K6"},
                               {"obr_kl_znak", "="},
                               {"obr_kl_przyr", "1"},
                               {"obrona", "10"},
                               {"obrona_znak", "+"},
                               {"obrona_proc", "%"},
                               {"bieglosc", "4"},
                               {"zasiegi", "1"},
                               {"sp_spec", "T"},
                               {"bgl_prof", "N"},
                               {"ilosc", "1"}});
    f.port.queueDie(5);
    ASSERT_TRUE(f.engine(true).Passages(0, 15)); // two passages, one weapon
    EXPECT_EQ(f.port.diePrompts(), (std::vector<std::string>{"Bron rasowa: Kły K6"}));
    const CPoz* list = f.hero->link(kLinkBronieNaturalne)->FindByKind(natural::kList);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->size(), 1u);
    const CPoz* fangs = list->FindBySpecjal("w1");
    ASSERT_NE(fangs, nullptr);
    EXPECT_EQ(fangs->typ, natural::kWeapon);
    EXPECT_EQ(fangs->info, "Kły");
    const CPoz* stabbing = fangs->FindByKind(kinds::natural::kPiercing);
    ASSERT_NE(stabbing, nullptr);
    EXPECT_EQ(stabbing->wartosc, 5);
    EXPECT_EQ(stabbing->specjal, "=|1|");
    EXPECT_EQ(stabbing->memo, "K6");
    const CPoz* defence = fangs->FindByKind(kinds::natural::kDefencePercent);
    ASSERT_NE(defence, nullptr);
    EXPECT_DOUBLE_EQ(defence->modyfikator, 0.1);
    EXPECT_EQ(defence->specjal, "+||%");
    EXPECT_EQ(fangs->FindByKind(kinds::natural::kRange)->memo, "1");
    EXPECT_EQ(fangs->FindByKind(kinds::natural::kSpecialist)->wartosc, 1);
    EXPECT_EQ(fangs->FindByKind(kinds::natural::kDoublyProficient), nullptr);
    EXPECT_EQ(fangs->FindByKind(kinds::natural::kCount)->wartosc, 1);

    CPoz* proficiencies = f.hero->link(kLinkBieglosci);
    CPoz* natural = &proficiencies->AddChild(
        {.info = "Kły", .specjal = "w1", .typ = proficiency::kProficiency, .memo = "NATURALNA"});
    CPoz* swords = &proficiencies->AddChild(
        {.info = "Miecze", .specjal = "g1", .typ = proficiency::kProficiency});
    CPoz* axes = &proficiencies->AddChild(
        {.info = "Topory", .specjal = "g2", .typ = proficiency::kProficiency});
    CPoz* bonuses =
        &f.appearance()->AddChild({.info = "Premie rasy", .typ = stage::kRaceWeaponGroups});
    bonuses->AddChild(
        {.info = "Miecze", .specjal = "g1", .typ = stage::kRacialProficiency, .wartosc = 3});
    f.engine().RacialProficiencies();
    ASSERT_NE(natural->FindByKind(stage::kRacialProficiency), nullptr);
    EXPECT_EQ(natural->FindByKind(stage::kRacialProficiency)->wartosc, 4);
    EXPECT_EQ(natural->FindByKind(stage::kRacialProficiency)->memo, "0|0|0|0|0");
    EXPECT_EQ(natural->FindByKind(stage::kRacialProficiency)->info, "Rasowa");
    EXPECT_EQ(swords->FindByKind(stage::kRacialProficiency)->wartosc, 3);
    EXPECT_EQ(axes->FindByKind(stage::kRacialProficiency), nullptr);
}

TEST(CRdzenStadium, BodyPartsOfALaterStageTakeThePlaceOfEarlierOnes) {
    StageFixture f;
    f.stage("a", 0, 0);
    f.stage("b", 10, 0);
    f.insert("czescicialadef", {{"id", "d1"},
                                {"typistoty", "humanoid"},
                                {"nazwa", "Głowa"},
                                {"proc_cal_zyw", "20"},
                                {"odc_pow_smi", "T"},
                                {"modtrsel", "-30"},
                                {"domyslna", "N"}});
    f.insert("stadiumczesci", {{"id", "c1"}, {"idstadium", "a"}, {"id_nad", "d1"}});
    f.insert("stadiumczesci", {{"id", "c2"},
                               {"idstadium", "b"},
                               {"id_nad", "d1"},
                               {"proc_cal_zyw", "25"},
                               {"wyp_kl", "2"},
                               {"wyp_kl_proc", "50"},
                               {"bron_tarcza", "N"}});
    ASSERT_TRUE(f.engine().Passages(0, 0));
    const CPoz* body = f.hero->link(kLinkCialo);
    ASSERT_EQ(body->size(), 1u);
    const CPoz* head = body->FindByKind(body::kPart);
    EXPECT_EQ(head->info, "Głowa"); // the default part's name
    EXPECT_EQ(head->specjal, "c1");
    // The properties are the stage row's own: a row with every column blank has none,
    // whatever the default part holds.
    ASSERT_NE(head->FindByKind(kinds::body::kProperties), nullptr);
    EXPECT_EQ(head->FindByKind(kinds::body::kProperties)->size(), 0u);

    ASSERT_TRUE(f.engine().Passages(0, 10));
    ASSERT_EQ(body->size(), 1u);
    head = body->FindByKind(body::kPart);
    EXPECT_EQ(head->specjal, "c2");
    EXPECT_EQ(head->memo, "d1");
    EXPECT_EQ(head->FindByKind(kinds::body::kDexterityDefence)->target(),
              f.hero->link(kLinkZrecznoscAktualna));
    const CPoz* properties = head->FindByKind(kinds::body::kProperties);
    ASSERT_NE(properties, nullptr);
    ASSERT_EQ(properties->size(), 3u); // the three the row has, none of the default's
    EXPECT_DOUBLE_EQ(properties->FindByKind(kinds::body::kShareOfVitality)->modyfikator,
                     0.25); // 25 / 100
    EXPECT_EQ(properties->FindByKind(kinds::body::kPiercingProperty)->wartosc, 2);
    EXPECT_DOUBLE_EQ(properties->FindByKind(kinds::body::kPiercingProperty)->modyfikator, 0.5);
    EXPECT_EQ(properties->FindByKind(kinds::body::kCanHold)->wartosc, 0); // "N"
    EXPECT_EQ(properties->FindByKind(kinds::body::kSeveringKills), nullptr);
    EXPECT_EQ(properties->FindByKind(kinds::body::kSelectiveHit), nullptr);
    EXPECT_EQ(properties->FindByKind(kinds::body::kDefaultLocation), nullptr);
}

TEST(CRdzenStadium, AgeStepAddsTradesAndProfessionsThenPasses) {
    StageFixture f;
    f.stage("a", 0, 0, {{"int_znak", "="}, {"int_wartosc", "10"}});
    f.stage("b", 20, 0, {{"int_znak", "+"}, {"int_wartosc", "5"}});
    CPoz& age = f.hero->link(kLinkDodatkoweInformacje)
                    ->AddChild({.info = "WIEK", .typ = kinds::info::kAge, .wartosc = 16});
    f.engine().RollRandomParts();
    EXPECT_EQ(f.passageAges(), (std::vector<int>{0}));
    for (const char* id : {"p1", "p2"})
        f.hero->link(kLinkProfesje)
            ->AddChild(
                {.info = id, .specjal = id, .typ = kinds::profession::kProfession, .wartosc = 1});
    f.hero->link(kLinkZawody)
        ->AddChild({.info = "Kowal", .specjal = "t1", .typ = trade::kTrade, .wartosc = 3});
    f.engine().AgeStep();
    EXPECT_EQ(age.wartosc, 25); // 16 + 3 + 2 + 4
    EXPECT_DOUBLE_EQ(age.modyfikator, 16.0);
    EXPECT_EQ(f.passageAges(), (std::vector<int>{0, 20}));
    EXPECT_EQ(f.racial(kInt), 15);

    // The random parts are rolled once.
    const CPoz* psychic =
        f.hero->link(kLinkBazowaOdpornoscPsychiczna)->FindByKind(attribute::kPsychicRandom);
    ASSERT_NE(psychic, nullptr);
    EXPECT_EQ(psychic->memo, "K10_PR");
    const int rolled = psychic->wartosc;
    EXPECT_GE(rolled, 1);
    f.engine().RollRandomParts();
    EXPECT_EQ(f.hero->link(kLinkBazowaOdpornoscPsychiczna)->size(), 1u);
    EXPECT_NE(f.appearance()->FindByKind(stage::kDeathChance), nullptr);
}

constexpr const char* kHuman = "100000000000000000000101000001";
constexpr const char* kAdultHuman = "100000000000000000000102000103";
constexpr const char* kWolf = "100000000000000000000101000005";
constexpr const char* kAdultWolf = "100000000000000000000102000502";
constexpr const char* kDwarf = "100000000000000000000101000002";
constexpr const char* kYoungDwarf = "100000000000000000000102000201";

// A character of the sample rules in a stage at an age, made with a seed.
std::string sampleCharacter(std::uint32_t seed, const char* race = kHuman,
                            const char* stage = kAdultHuman, int age = 18) {
    test::TestDatabase rules("sample.db");
    NonInteractiveUserPort port(nullptr);
    EXPECT_TRUE(rules.db->exec("PRAGMA synchronous=OFF").ok());
    EXPECT_TRUE(ensureRulesSchema(*rules.db, port).ok());
    EXPECT_TRUE(loadSampleRules(*rules.db).ok());
    CIstota hero(*rules.db);
    CPoz* extra = hero.link(kLinkDodatkoweInformacje);
    CPoz* look = &extra->AddChild({.info = "Wygląd", .specjal = race, .typ = info::kAppearance});
    look->AddChild({.info = "Stadium", .specjal = stage, .typ = stage::kStage});
    extra->AddChild({.info = "WIEK", .typ = kinds::info::kAge, .wartosc = age});
    DiceGenerator generator(seed);
    CRdzenStadium engine(
        {.rules = *rules.db, .character = hero, .port = port, .generator = &generator});
    engine.RollRandomParts();
    engine.AgeStep();
    engine.RacialProficiencies();
    EXPECT_TRUE(port.errors().empty());
    EXPECT_EQ(rules.errors.str(), "");
    return test::dumpTree(hero);
}

TEST(CRdzenStadium, SampleCharactersAreTheSameForTheSameSeed) {
    const std::string first = sampleCharacter(2026);
    EXPECT_EQ(first, sampleCharacter(2026));
    EXPECT_NE(first, sampleCharacter(77));
    EXPECT_NE(first.find("Rasowa"), std::string::npos);
    EXPECT_NE(first.find("Pięść"), std::string::npos);
    EXPECT_NE(first.find("Kolejne przeistoczenia"), std::string::npos);
    EXPECT_NE(first.find("Odporność (część losowa)"), std::string::npos);
}

TEST(CRdzenStadium, SampleWolfAndDwarfAreTheSameForTheSameSeed) {
    const std::string wolf = sampleCharacter(5, kWolf, kAdultWolf, 4);
    EXPECT_EQ(wolf, sampleCharacter(5, kWolf, kAdultWolf, 4));
    EXPECT_NE(wolf.find("Kły"), std::string::npos);
    EXPECT_NE(wolf.find("Skóra"), std::string::npos);
    const std::string dwarf = sampleCharacter(5, kDwarf, kYoungDwarf, 30);
    EXPECT_EQ(dwarf, sampleCharacter(5, kDwarf, kYoungDwarf, 30));
    EXPECT_NE(dwarf.find("Żywotnosc inny współczynnik zmiany 200/600...: 3"), std::string::npos);
}

} // namespace
} // namespace tallar
