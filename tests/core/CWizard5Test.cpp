#include "wizard/CWizard5.h"

#include "support/EngineFixture.h"
#include "support/PickingPort.h"
#include "wizard/CIstotaWizard.h"
#include "wizard/CWizardZawod.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace tallar {
namespace {

using namespace kinds;

constexpr const char* kRace = "100000000000000000000101999001";
constexpr const char* kChild = "100000000000000000000102999001";   // od 0, no trades
constexpr const char* kAdult = "100000000000000000000102999002";   // od 18, trades
constexpr const char* kElder = "100000000000000000000102999003";   // od 60, no trades of its own
constexpr const char* kTowns = "100000000000000000000201999001";   // MIEJSKA, +10
constexpr const char* kFarms = "100000000000000000000201999002";   // CHŁOPSKA, -10
constexpr const char* kLoops = "100000000000000000000201999003";   // PĘTLA, 0
constexpr const char* kWarrior = "100000000000000000000401999001"; // grants an extra trade

// Pages that answer the trade rolls from a script (50 when it has run out) and keep what
// each roll dialog showed.
struct TradePages : WizardPages {
    std::deque<int> rolls;
    std::vector<std::pair<std::string, int>> shown; // class, modifier
    std::vector<std::string> looked;                // the trade each roll gave
    bool cancel = false;

    bool showOrigin(CWizard1&) override { return true; }
    bool showBirthplace(CWizard2&) override { return true; }
    bool showProfessions(CWizard3&) override { return true; }
    bool showAbility(CWizard4Ulomnosc&) override { return false; }
    bool showWeapons(CWizard6&) override { return true; }
    bool showArmour(CWizard7&) override { return true; }
    bool showShield(CWizard8&) override { return true; }
    bool showPlacement(CWizard9&) override { return true; }
    void showCharacter(CIstota&) override {}
    bool showTradeRoll(CWizardZawod& roll) override {
        shown.emplace_back(roll.tradeClass(), roll.modifier());
        if (cancel)
            return false;
        const int value = rolls.empty() ? 50 : rolls.front();
        if (!rolls.empty())
            rolls.pop_front();
        looked.push_back(roll.lookUp(value));
        roll.setRoll(value);
        return true;
    }
};

struct TradesPage : ::testing::Test, test::EngineFixture {
    test::PickingPort picking;
    TradePages pages;

    TradesPage() {
        insert("rasy", {{"id", kRace}, {"nazwa", "Człowiek"}});
        insert("stadia", {{"id", kChild}, {"idrasa", kRace}, {"od", "0"}, {"zawody", "N"}});
        insert("stadia", {{"id", kAdult}, {"idrasa", kRace}, {"od", "18"}, {"zawody", "T"}});
        insert("stadia", {{"id", kElder}, {"idrasa", kRace}, {"od", "60"}, {"zawody", "N"}});
        insert("klasyspoleczne", {{"id", kTowns}, {"klasa", "MIEJSKA"}, {"zawod", "+10"}});
        insert("klasyspoleczne", {{"id", kFarms}, {"klasa", "CHŁOPSKA"}, {"zawod", "-10"}});
        insert("klasyspoleczne", {{"id", kLoops}, {"klasa", "PĘTLA"}, {"zawod", "0"}});
        trade(1, "Kowal", "MIEJSKA", 1, 20);
        trade(2, "Płatnerz", "MIEJSKA", 15, 20); // narrower: wins over Kowal
        trade(3, "Szewc", "MIEJSKA", 21, 96);
        trade(4, "Alchemik", "MIEJSKA", 97, 100);
        trade(5, "Rolnik", "CHŁOPSKA", 1, 96);
        trade(6, "Czeladnik", "CHŁOPSKA", 97, 100, "MIEJSKA");
        trade(7, "Wędrowiec", "PĘTLA", 1, 100, "PĘTLA");
        insert("profesje", {{"id", kWarrior}, {"nazwa", "Wojownik"}, {"ext_zawod", "T"}});

        CPoz& extra = top(kLinkDodatkoweInformacje);
        CPoz& look = add(extra, "Rasa: Człowiek", info::kAppearance, 0, kRace);
        add(look, "Stadium", stage::kStage, 0, kAdult);
        add(extra, "WIEK", info::kAge, 18);
        add(top(kLinkMadrosc), "Rasowa", perMember::kRacial[member::kWisdom], 60);
    }

    // A trade of one year's learning, open to the race.
    void trade(int n, const std::string& name, const std::string& tradeClass, int from, int to,
               const std::string& otherClass = "") {
        const std::string id =
            "100000000000000000000501999" + std::string(n < 10 ? "00" : "0") + std::to_string(n);
        insert("zawod", {{"id", id},
                         {"nazwa", name},
                         {"klasa", tradeClass},
                         {"od", std::to_string(from)},
                         {"do", std::to_string(to)},
                         {"innaklasa", otherClass},
                         {"czas", "1"}});
        insert("zawodrasa", {{"idzawod", id}, {"idrasa", kRace}});
    }
    void socialClass(const char* id) {
        add(top(kLinkDodatkoweInformacje), "Klasa społeczna", info::kSocialClass, 0, id);
    }
    std::vector<std::string> learned() {
        std::vector<std::string> names;
        for (const CPoz* trade : top(kLinkZawody).children())
            names.push_back(trade->info);
        return names;
    }
    CWizard5 page(bool askRolls = true) {
        return CWizard5(
            EngineContext{
                .rules = *rules.db, .character = *character, .port = picking, .askRolls = askRolls},
            pages);
    }
};

using Names = std::vector<std::string>;

TEST(TradeRoll, TheModifierChangesOrdinaryRollsOnlyAndStaysWithinThem) {
    EXPECT_EQ(modifiedTradeRoll(90, 10), 96);
    EXPECT_EQ(modifiedTradeRoll(96, 10), 96);
    EXPECT_EQ(modifiedTradeRoll(97, 10), 97);
    EXPECT_EQ(modifiedTradeRoll(100, -10), 100);
    EXPECT_EQ(modifiedTradeRoll(5, -10), 1);
}

TEST(TradeRoll, TheTradesDueAreRoundedUpAndNeverBelowZero) {
    EXPECT_EQ(tradesDue(30), 2); // 1.5
    EXPECT_EQ(tradesDue(20), 1);
    EXPECT_EQ(tradesDue(21), 2); // 1.05
    EXPECT_EQ(tradesDue(0), 0);
    EXPECT_EQ(tradesDue(-1), 0);   // −0.05 cut toward zero
    EXPECT_EQ(tradesDue(-30), -1); // −1.5 cut toward zero: none due either
}

TEST_F(TradesPage, TheRollDialogShowsTheTradeOfTheModifiedRoll) {
    CWizardZawod towns(*rules.db, picking, "MIEJSKA", kRace, 10);
    EXPECT_EQ(towns.caption(), "Zawód - klasa: MIEJSKA");
    EXPECT_EQ(towns.lookUp(5), "Płatnerz");  // 15: the narrower range wins
    EXPECT_EQ(towns.lookUp(90), "Szewc");    // 96
    EXPECT_EQ(towns.lookUp(97), "Alchemik"); // a special roll takes no modifier
    EXPECT_EQ(towns.lookUp(0), "");
    CWizardZawod farms(*rules.db, picking, "CHŁOPSKA", kRace, -10);
    EXPECT_EQ(farms.lookUp(5), "Rolnik"); // 1
}

TEST_F(TradesPage, MdAndTheTradesRollDecideHowManyTrades) {
    // MD 60 from the race, r = 30: X = 0 − 30 + 60 = 30, 1.5 rounds up to 2 trades. The
    // rolls 5 (+10: 15, Płatnerz) and 50 (+10: 60, Szewc).
    socialClass(kTowns);
    picking.queueDie(30);
    pages.rolls = {5, 50};
    EXPECT_EQ(page().Run(), 1);
    EXPECT_EQ(picking.diePrompts(), Names({"Zawody: ilość zawodów? K100"}));
    EXPECT_EQ(pages.looked, Names({"Płatnerz", "Szewc"}));
    EXPECT_EQ(learned(), Names({"Płatnerz", "Szewc"}));
    // The age step again: 18 and a year for each trade.
    EXPECT_EQ(character->age(), 20);
}

TEST_F(TradesPage, ATradesRollOfSixtyGivesNone) {
    // X = 0 − 60 + 60 = 0; and 61 gives −1, cut to 0 as well.
    socialClass(kTowns);
    for (const int r : {60, 61}) {
        picking.queueDie(r);
        EXPECT_EQ(page().Run(), 1);
    }
    EXPECT_TRUE(pages.shown.empty());
    EXPECT_TRUE(learned().empty());
}

TEST_F(TradesPage, ARedirectRollsAgainInTheOtherClassWithoutTheModifier) {
    socialClass(kFarms);
    CWizard5 farms = page();
    ASSERT_TRUE(farms.TradesOpen());
    pages.rolls = {97, 90};
    EXPECT_EQ(farms.ChooseTrade(false), 1);
    // 97 is Czeladnik, which sends the roll to MIEJSKA: 90 there, without the −10.
    EXPECT_EQ(pages.shown,
              (std::vector<std::pair<std::string, int>>{{"CHŁOPSKA", -10}, {"MIEJSKA", 0}}));
    EXPECT_EQ(learned(), Names({"Szewc"}));
}

TEST_F(TradesPage, ClassesThatSendRollsToEachOtherForEverLearnNothing) {
    socialClass(kLoops);
    CWizard5 loops = page();
    ASSERT_TRUE(loops.TradesOpen());
    EXPECT_EQ(loops.ChooseTrade(false), 1);
    EXPECT_EQ(pages.shown.size(), static_cast<std::size_t>(CWizard5::kMaxRedirects) + 1);
    EXPECT_TRUE(learned().empty());
    ASSERT_EQ(picking.errors().size(), 1u);
}

TEST_F(TradesPage, TradesAreOpenFromTheFirstStageThatAllowsThem) {
    socialClass(kTowns);
    CPoz& stage = *top(kLinkDodatkoweInformacje).FindByKind(info::kAppearance)->front();
    stage.specjal = kChild;
    EXPECT_FALSE(page().TradesOpen());
    EXPECT_EQ(page().Run(), 1);
    EXPECT_TRUE(picking.diePrompts().empty()); // nothing rolled
    // A later stage without trades of its own still has the adult's.
    stage.specjal = kElder;
    EXPECT_TRUE(page().TradesOpen());
}

TEST_F(TradesPage, AProfessionGrantingATradeAddsAPickFromTheClassesOrdinaryTrades) {
    socialClass(kTowns);
    CPoz& professions = top(kLinkProfesje);
    add(professions, "Wojownik", profession::kProfession, 0, kWarrior);
    EXPECT_EQ(page().ExtraTrades(), 1);
    // The Płatnerz the character has is marked with its grade.
    picking.queueDie(100); // no ordinary trade: X = 0 − 100 + 60
    pages.rolls = {5};
    CWizard5 first = page();
    ASSERT_TRUE(first.TradesOpen());
    ASSERT_EQ(first.ChooseTrade(false), 1);
    picking.queuePick(std::vector<std::string>{"100000000000000000000501999003"});
    EXPECT_EQ(page().Run(), 1);
    ASSERT_EQ(picking.offers.size(), 1u);
    EXPECT_EQ(picking.offers[0].caption, "Wybór dodatkowego zawodu");
    std::vector<std::string> offered;
    for (const auto& row : picking.offers[0].table.rows)
        offered.push_back(row.at(1));
    EXPECT_EQ(offered, Names({"Kowal", "Płatnerz - obecnie: Podstawy", "Szewc"}));
    EXPECT_EQ(learned(), Names({"Płatnerz", "Szewc"}));
}

TEST_F(TradesPage, ACancelledRollEndsTheWizard) {
    socialClass(kTowns);
    picking.queueDie(1);
    pages.cancel = true;
    EXPECT_EQ(page().Run(), 0);
    EXPECT_TRUE(learned().empty());
}

TEST_F(TradesPage, AutomaticRollsNeedNoDialog) {
    socialClass(kTowns);
    DiceGenerator generator(7);
    CWizard5 automatic(
        EngineContext{
            .rules = *rules.db, .character = *character, .port = picking, .generator = &generator},
        pages);
    EXPECT_EQ(automatic.Run(), 1);
    EXPECT_TRUE(pages.shown.empty());
    EXPECT_TRUE(picking.diePrompts().empty());
}

} // namespace
} // namespace tallar
