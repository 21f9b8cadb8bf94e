#include "rules/engine/CRdzenZawod.h"

#include "rules/engine/CRdzenFormula.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tallar {
namespace {

using namespace kinds;

constexpr const char* kSmith = "100000000000000000000501999001";
constexpr const char* kF1 = "100000000000000000000302999001"; // ZAWOD1: Siła fizyczna + 1
constexpr const char* kFS = "100000000000000000000302999002"; // ZAWODS: Siła fizyczna + 2
constexpr const char* kF2 = "100000000000000000000302999003"; // ZAWOD2: Żywotność + 4
constexpr const char* kF3 = "100000000000000000000302999004"; // ZAWOD3: growth 1.5, limit 90
constexpr const char* kF4 = "100000000000000000000302999005"; // ZAWOD4: Zręczność + 1
constexpr std::size_t kSf = member::kStrength;

using Lines = std::vector<std::string>;

struct TradesTest : ::testing::Test, test::EngineFixture {
    GrowthProfile profile;

    TradesTest() {
        // Learning 3 years, apprenticeship 2; experience 7 for the basics and 5 for the
        // apprenticeship; wealth 12 for the basics, none of its own for the apprenticeship;
        // the specialist has nothing of its own.
        trade(kSmith, "Kowal",
              {{"czas", "3"},
               {"czasstarz", "2"},
               {"podstpd", "7"},
               {"podstmaj", "12"},
               {"starzpd", "5"}});
        formula(kF1, "ZAWOD1", {{"sfznak", "+"}, {"sfkxx", "1"}});
        formula(kFS, "ZAWODS", {{"sfznak", "+"}, {"sfkxx", "2"}});
        formula(kF2, "ZAWOD2", {{"zywznak", "+"}, {"zywkxx", "4"}});
        formula(kF3, "ZAWOD3", {{"sfwsp", "1.5"}, {"sflimit", "90"}});
        formula(kF4, "ZAWOD4", {{"zrznak", "+"}, {"zrkxx", "1"}});
    }

    void trade(const std::string& id, const std::string& name, Columns columns) {
        columns.insert(columns.begin(), {{"id", id}, {"nazwa", name}});
        insert("zawod", columns);
    }
    void formula(const std::string& id, const std::string& grade, Columns columns) {
        columns.insert(columns.begin(),
                       {{"id", id}, {"id_nad", kSmith}, {"typ_nad", grade}, {"typ1", "1"}});
        insert("formuly", columns);
    }

    CPoz* smith() { return top(kLinkZawody).FindBySpecjal("Kowal"); }
    CPoz& place(int kind) { return *top(kLinkMajatek).FindByKind(kind); }
    // The formula ids under a grade entry, sorted (the identifiers follow F1, FS, F2 …).
    static Lines owners(const CPoz& grade) {
        Lines ids;
        for (const CPoz* owner : grade.children())
            if (owner->typ == formula::kOwner)
                ids.push_back(owner->specjal);
        std::ranges::sort(ids);
        return ids;
    }
    // The shares of trade formulas under an attribute entry, as "label value".
    Lines shares(int link, int kind) {
        Lines found;
        for (const CPoz* child : top(link).children())
            if (child->typ == kind)
                found.push_back(child->info + " " + std::to_string(child->wartosc));
        return found;
    }

    CRdzenZawod engine(bool askRolls = false) { return CRdzenZawod(context(askRolls)); }
};

TEST_F(TradesTest, TheFirstLearningWithoutAskingTakesTheApprenticeship) {
    CRdzenZawod trades = engine();
    ASSERT_TRUE(trades.LearnTradeGrade(kSmith, profile));
    const CPoz* entry = smith();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->typ, trade::kTrade);
    EXPECT_EQ(entry->info, "Kowal - po starzu");
    EXPECT_EQ(entry->memo, "ZAWODS");
    EXPECT_EQ(entry->wartosc, 5); // apprenticeship 2 + learning 3
    EXPECT_DOUBLE_EQ(entry->modyfikator, 3.0);

    // One grade entry with the formulas of the basics and of the apprenticeship.
    ASSERT_EQ(entry->size(), 1u);
    const CPoz& grade = *entry->front();
    EXPECT_EQ(grade.typ, trade::kGrade);
    EXPECT_EQ(grade.info, "Starz");
    EXPECT_EQ(grade.specjal, kSmith);
    EXPECT_EQ(grade.memo, "ZAWODS");
    EXPECT_EQ(owners(grade), Lines({kF1, kFS}));
    // Both act on Siła fizyczna, labelled with the trade entry's name.
    EXPECT_EQ(shares(kLinkSilaFizyczna, perMember::kFormulaShare[kSf]),
              Lines({"Kowal - po starzu 1", "Kowal - po starzu 2"}));

    // Experience 5 and wealth 12 (the apprenticeship has no wealth of its own: the basics').
    EXPECT_EQ(trades.experience()[CRdzenZawod::kApprenticeship], 5);
    EXPECT_EQ(trades.wealth()[CRdzenZawod::kApprenticeship], 12);
    EXPECT_EQ(trades.experience()[CRdzenZawod::kBasics], 0);
}

TEST_F(TradesTest, AskedTheApprenticeshipMayBeRefused) {
    trade("100000000000000000000501999002", "Cieśla",
          {{"czas", "K3"}, {"czasstarz", "K2"}, {"podstpdkxx", "K10"}, {"podstmaj", "0"}});
    port.queueYesNo(false);
    port.queueDie(2); // learning time
    port.queueDie(9); // experience
    ASSERT_TRUE(engine(true).LearnTradeGrade("100000000000000000000501999002", profile));
    EXPECT_EQ(port.questions(), Lines({"Zawód: Cieśla - czy dobrowolny starz ?"}));
    EXPECT_EQ(port.diePrompts(), Lines({"Zawód: Cieśla czas nauki K3", "Pkt.dośw.-Cieśla K10"}));
    const CPoz* entry = top(kLinkZawody).FindBySpecjal("Cieśla");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->info, "Cieśla");
    EXPECT_EQ(entry->memo, "ZAWOD1");
    EXPECT_EQ(entry->wartosc, 2);
    EXPECT_EQ(entry->front()->info, "Podstawy");

    // Yes: the apprenticeship's time is asked as well.
    port.queueYesNo(true);
    top(kLinkZawody).UsunAll();
    ASSERT_TRUE(engine(true).LearnTradeGrade("100000000000000000000501999002", profile));
    EXPECT_EQ(port.diePrompts().at(3), "Zawód: Cieśla - czas starzu? K2");
}

TEST_F(TradesTest, EachGradeFollowsTheLastAndAddsTheBasicsTimeAgain) {
    EXPECT_EQ(nextTradeGrade(""), 1);
    EXPECT_EQ(nextTradeGrade("ZAWOD1"), 2);
    EXPECT_EQ(nextTradeGrade("ZAWODS"), 2);
    EXPECT_EQ(nextTradeGrade("ZAWOD3"), 4);
    EXPECT_EQ(tradeGrade(nextTradeGrade("ZAWOD6")).code, "ZAWOD6");

    ASSERT_TRUE(engine().LearnTradeGrade(kSmith, profile)); // the apprenticeship: 5 years
    CRdzenZawod specialist = engine();
    ASSERT_TRUE(specialist.LearnTradeGrade(kSmith, profile));
    CPoz* entry = smith();
    EXPECT_EQ(entry->info, "Kowal - Specjalista");
    EXPECT_EQ(entry->memo, "ZAWOD2");
    EXPECT_EQ(entry->wartosc, 8); // 5 + the basics' 3
    // Its grade brings only what the apprenticeship had not: Żywotność + 4.
    ASSERT_EQ(entry->size(), 2u);
    EXPECT_EQ(entry->back()->info, "Specjalista");
    EXPECT_EQ(owners(*entry->back()), Lines({kF2}));
    EXPECT_EQ(shares(kLinkSilaFizyczna, perMember::kFormulaShare[kSf]).size(), 2u);
    EXPECT_EQ(shares(kLinkZywotnosc, perMember::kFormulaShare[member::kVitality]),
              Lines({"Kowal - Specjalista 4"}));
    // The specialist has no expressions: the apprenticeship's experience, whose wealth is
    // the basics'.
    EXPECT_EQ(specialist.experience()[CRdzenZawod::kSpecialist], 5);
    EXPECT_EQ(specialist.wealth()[CRdzenZawod::kSpecialist], 12);

    // After the legendary master comes the legendary master again.
    entry->memo = "ZAWOD6";
    ASSERT_TRUE(engine().LearnTradeGrade(kSmith, profile));
    EXPECT_EQ(entry->info, "Kowal - Legendarny Mistrz Cechu");
    EXPECT_EQ(entry->memo, "ZAWOD6");
    EXPECT_EQ(entry->wartosc, 11);
    EXPECT_EQ(entry->back()->info, "Legendarny Mistrz Cechu");
    // It brings the formulas up to "ZAWOD6" not brought before.
    EXPECT_EQ(owners(*entry->back()), Lines({kF3, kF4}));
}

TEST_F(TradesTest, EmptyColumnsFallBackThroughTheApprenticeshipToTheBasics) {
    trade("100000000000000000000501999002", "Piekarz",
          {{"czas", "2"}, {"podstpdkxx", "K10"}, {"podstpd", "4"}, {"podstmajkxx", "K6"}});
    port.queueDie(3); // basics: experience K10+4
    port.queueDie(5); //         wealth K6
    port.queueDie(8); // specialist: experience K10+4
    port.queueDie(1); //             wealth K6
    CRdzenZawod trades = engine(true);
    ASSERT_TRUE(trades.LearnTradeGrade("100000000000000000000501999002", profile));
    ASSERT_TRUE(trades.LearnTradeGrade("100000000000000000000501999002", profile));
    EXPECT_EQ(port.diePrompts(),
              Lines({"Pkt.dośw.-Piekarz K10", "Majątek -Piekarz K6",
                     "Pkt.dośw.- specjalista -Piekarz K10", "Majątek - specjalista -Piekarz K6"}));
    EXPECT_EQ(trades.experience(), (std::array<int, 4>{7, 0, 12, 0}));
    EXPECT_EQ(trades.wealth(), (std::array<int, 4>{5, 0, 1, 0}));
}

TEST_F(TradesTest, WealthGoesToTheMaterialsAndToTheBankBeforeTheHand) {
    ASSERT_TRUE(engine().LearnTradeGrade(kSmith, profile));
    // No purse anywhere: gold at hand rather than wealth lost.
    const CPoz* materials = place(money::kEstate).front();
    ASSERT_NE(materials, nullptr);
    EXPECT_EQ(materials->info, "materiały i zaplecze do wykonywania zawodu Kowal - po starzu");
    EXPECT_EQ(materials->typ, money::kMoney);
    EXPECT_EQ(materials->wartosc, 1);
    EXPECT_DOUBLE_EQ(materials->modyfikator, 120.0); // 10 · 12
    const CPoz* gold = place(money::kAtHand).FindByKind(money::kMoney);
    ASSERT_NE(gold, nullptr);
    EXPECT_EQ(gold->wartosc, 12);

    // With a purse in the bank the wealth goes there.
    CPoz& bank = add(place(money::kInBank), "złoto", money::kMoney, 100, "", "", 1.0);
    ASSERT_TRUE(engine().LearnTradeGrade(kSmith, profile));
    EXPECT_EQ(bank.wartosc, 112);
    EXPECT_EQ(gold->wartosc, 12);
    EXPECT_EQ(place(money::kEstate).size(), 2u);
}

TEST_F(TradesTest, NoWealthMakesNoMaterialsAndChangesNoMoney) {
    trade("100000000000000000000501999002", "Rybak", {{"czas", "2"}, {"podstmaj", "0"}});
    ASSERT_TRUE(engine().LearnTradeGrade("100000000000000000000501999002", profile));
    EXPECT_TRUE(place(money::kEstate).empty());
    EXPECT_TRUE(place(money::kAtHand).empty());
    EXPECT_TRUE(place(money::kInBank).empty());
}

TEST_F(TradesTest, AGradeBringsTheFormulasOfTheGradesUpToIt) {
    const auto loaded = [&](const std::string& code) {
        CPoz& trade = add(top(kLinkZawody), "Kowal", trade::kTrade, 0, "Kowal", code);
        CPoz& grade = add(trade, "", trade::kGrade, 0, kSmith, code);
        engine().LoadGradeFormulas(grade);
        Lines ids = owners(grade);
        (void)trade.Odlaczenie();
        return ids;
    };
    EXPECT_EQ(loaded("ZAWOD1"), Lines({kF1}));
    EXPECT_EQ(loaded("ZAWODS"), Lines({kF1, kFS}));
    // Up to "ZAWOD2" by text order, and the apprenticeship's.
    EXPECT_EQ(loaded("ZAWOD2"), Lines({kF1, kFS, kF2}));
    EXPECT_EQ(loaded("ZAWOD3"), Lines({kF1, kFS, kF2, kF3}));
    EXPECT_EQ(loaded("ZAWOD6"), Lines({kF1, kFS, kF2, kF3, kF4}));
}

TEST_F(TradesTest, TheFormulasFoldAndActAgainWithTheGradeInTheirLabel) {
    CPoz& trade = add(top(kLinkZawody), "Kowal - Mistrz", trade::kTrade, 8, "Kowal", "ZAWOD3");
    engine().LoadGradeFormulas(add(trade, "Podstawy", trade::kGrade, 0, kSmith, "ZAWOD1"));
    engine().LoadGradeFormulas(add(trade, "Mistrz", trade::kGrade, 0, kSmith, "ZAWOD3"));
    for (CPoz* grade : trade.children())
        for (CPoz* owner : grade->children())
            (void)CRdzenFormula(context(), owner->specjal, *owner, "");

    GrowthProfile folded;
    engine().FoldTradeFormulas(folded);
    EXPECT_DOUBLE_EQ(folded.members[kSf].multiplier, 1.5);
    EXPECT_EQ(folded.members[kSf].upperLimit, 90);

    engine().ApplyTradeFormulas();
    // The basics' formula (+1) bears the trade's name alone; the master grade, learned
    // after the basics, brought the apprenticeship's (+2), whose grade it names too.
    EXPECT_EQ(shares(kLinkSilaFizyczna, perMember::kFormulaShare[kSf]),
              Lines({"Kowal 1", "Kowal - Mistrz (Starz) 2"}));
    EXPECT_EQ(shares(kLinkZywotnosc, perMember::kFormulaShare[member::kVitality]),
              Lines({"Kowal - Mistrz (Specjalista) 4"}));
    // Applied again: the same shares, updated in place.
    engine().ApplyTradeFormulas();
    EXPECT_EQ(shares(kLinkSilaFizyczna, perMember::kFormulaShare[kSf]).size(), 2u);
}

// The apprenticeship brings the basics' formulas with its own: two shares of one grade in
// Siła fizyczna, which their labels tell apart by the grade each formula belongs to.
TEST_F(TradesTest, TheApprenticeshipsSharesNameTheGradeOfTheirFormula) {
    CPoz& trade = add(top(kLinkZawody), "Kowal - po starzu", trade::kTrade, 5, "Kowal", "ZAWODS");
    engine().LoadGradeFormulas(add(trade, "Starz", trade::kGrade, 0, kSmith, "ZAWODS"));
    for (CPoz* grade : trade.children())
        for (CPoz* owner : grade->children())
            (void)CRdzenFormula(context(), owner->specjal, *owner, "");
    engine().ApplyTradeFormulas();
    // F1 ("ZAWOD1", +1) and FS ("ZAWODS", +2), both under the grade "Starz".
    EXPECT_EQ(shares(kLinkSilaFizyczna, perMember::kFormulaShare[kSf]),
              Lines({"Kowal - Starz (Podstawy) 1", "Kowal - Starz 2"}));
}

TEST_F(TradesTest, ATradeWithoutARowIsReportedAndLearnsNothing) {
    EXPECT_FALSE(engine().LearnTradeGrade("100000000000000000000501999999", profile));
    EXPECT_TRUE(top(kLinkZawody).empty());
    ASSERT_EQ(port.errors().size(), 1u);
    EXPECT_EQ(port.errors()[0].text,
              "Nie ma zawodu o identyfikatorze 100000000000000000000501999999.");
}

TEST_F(TradesTest, ALearnedGradeBringsTheTradesSkills) {
    insert("umiejetnosci", {{"id", "100000000000000000000601999001"}, {"nazwa", "Kowalstwo"}});
    insert("zawodumiej",
           {{"idzawod", kSmith}, {"idumiej", "100000000000000000000601999001"}, {"typ", "ZAWOD1"}});
    ASSERT_TRUE(engine().LearnTradeGrade(kSmith, profile));
    const CPoz* group = top(kLinkUmiejetnosci).FindByKind(skill::kTradeGroup);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->target(), smith());
    ASSERT_EQ(group->size(), 1u);
    EXPECT_EQ(group->front()->info, "Kowalstwo");
    EXPECT_EQ(group->front()->wartosc, 10);
}

} // namespace
} // namespace tallar
