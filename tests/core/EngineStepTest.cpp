#include "rules/engine/EngineStep.h"

#include "model/Character.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallar {
namespace {

// A step that uses the helpers as a rules step does.
struct ProbeStep : EngineStep {
    using EngineStep::attributeEntry;
    using EngineStep::evaluate;
    using EngineStep::queryRules;
    using EngineStep::report;
    using EngineStep::roll;
    explicit ProbeStep(const EngineContext& context) : EngineStep(context) {}
};

struct EngineStepTest : ::testing::Test, test::EngineFixture {
    EngineContext context(bool askRolls) {
        return {.rules = *rules.db, .character = *character, .port = port, .askRolls = askRolls};
    }
};

TEST_F(EngineStepTest, AFailedQueryIsShownAndTheFirstFailureIsKept) {
    insert("klasyspoleczne", {{"id", "k1"}, {"nazwa", "Szlachta"}});
    ProbeStep step(context(false));
    std::vector<std::string> names;
    EXPECT_TRUE(step.queryRules("SELECT nazwa FROM klasyspoleczne WHERE id=?;", {"k1"},
                                [&](const Row& row) { names.push_back(row.text(0)); }));
    EXPECT_EQ(names, std::vector<std::string>{"Szlachta"});
    EXPECT_TRUE(step.status().ok());
    EXPECT_TRUE(port.errors().empty());

    const Status first = step.queryRules("SELECT nic FROM klasyspoleczne;", {}, {});
    ASSERT_FALSE(first.ok());
    step.report("druga");
    ASSERT_EQ(port.errors().size(), 2u);
    EXPECT_EQ(port.errors()[0].text, first.message());
    EXPECT_EQ(port.errors()[0].caption, "Błąd!");
    EXPECT_EQ(port.errors()[1].text, "druga");
    EXPECT_EQ(step.status().message(), first.message()); // the first failure stays
}

TEST_F(EngineStepTest, RollsAreAskedOnlyWhenTheContextSaysSo) {
    port.queueDie(7);
    port.queueDie(3);
    const ProbeStep asking(context(true));
    // 7 and 3 asked for the two dice of "2K10", plus 1.
    EXPECT_EQ(asking.roll("2K10+1", "Majątek"), 11.0);
    EXPECT_EQ(port.diePrompts(),
              (std::vector<std::string>{"Majątek K10 1 z 2", "Majątek K10 2 z 2"}));
    // Evaluating never asks: the maximum of 2K10+1 is 21.
    EXPECT_EQ(asking.evaluate("2K10+1", DiceMode::Maximum), 21.0);
    EXPECT_EQ(port.diePrompts().size(), 2u);

    DiceGenerator generator(5);
    EngineContext automatic = context(true).automatic();
    automatic.generator = &generator;
    const double thrown = ProbeStep(automatic).roll("K10", "Majątek");
    EXPECT_GE(thrown, 1.0);
    EXPECT_LE(thrown, 10.0);
    EXPECT_EQ(port.diePrompts().size(), 2u);
}

TEST_F(EngineStepTest, ExpressionsReadTheCharactersValues) {
    CPoz& wisdom = *character->link(kLinkMadrosc);
    add(wisdom, "Rasowa", kinds::perMember::kRacial[member::kWisdom], 40);
    character->RecalculateCharacter();
    const ProbeStep step(context(false));
    EXPECT_EQ(step.attributeEntry(member::kWisdom), &wisdom);
    // MD is 40: half of it plus 2.
    EXPECT_EQ(step.evaluate("MD/2+2", DiceMode::Roll), 22.0);
}

} // namespace
} // namespace tallar
