#include "rules/engine/CRdzenBieglosci.h"

#include "support/EngineFixture.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

using namespace kinds;

struct PoolTest : ::testing::Test, test::EngineFixture {
    CPoz& proficiencies() { return top(kLinkBieglosci); }
    CPoz& proficiency(const std::string& group) {
        return add(proficiencies(), group, proficiency::kProficiency, 0, group);
    }
    const CPoz* spent() {
        const CPoz* pool = proficiencies().FindByKind(proficiency::kFree);
        return pool ? pool->FindByKind(proficiency::kSpent) : nullptr;
    }
    void recount() { CRdzenBieglosci(context()).Recount(); }
};

TEST_F(PoolTest, SpentPointsAreTheFirstFieldsOfEveryPartReplacedOnEachRecount) {
    // Parts that took 2 and 1 points and a racial part that took none: -3.
    CPoz& swords = proficiency("Miecze");
    add(swords, "Szkolenie podstawowe", proficiency::kBasicTraining, 0, "", "2|0|0|0|0");
    add(swords, "Rasowa", stage::kRacialProficiency, 5, "", "0|0|0|0|0");
    CPoz& axes = proficiency("Topory");
    add(axes, "Szkolenie podstawowe", proficiency::kBasicTraining, 0, "", "1|0|0|0|0");
    add(axes, "Bez opisu", proficiency::kFromProfession, 2); // an empty memo takes nothing
    CPoz& pool = add(proficiencies(), "Wolne biegłości", proficiency::kFree, 0);
    add(pool, "Profesja", proficiency::kFreeFromProfession, 5);

    recount();
    ASSERT_NE(spent(), nullptr);
    EXPECT_EQ(spent()->info, "Wykorzystane");
    EXPECT_EQ(spent()->wartosc, -3);
    EXPECT_DOUBLE_EQ(pool.total, 2.0); // 5 - 3

    recount();
    EXPECT_EQ(spent()->wartosc, -3);
    EXPECT_EQ(pool.size(), 2u);
    EXPECT_DOUBLE_EQ(pool.total, 2.0);
}

TEST_F(PoolTest, ThePoolIsMadeOnlyForACharacterWithProficiencies) {
    recount();
    EXPECT_TRUE(proficiencies().empty());

    add(proficiency("Łuki"), "Szkolenie podstawowe", proficiency::kBasicTraining, 0, "",
        "1|0|0|0|0");
    recount();
    ASSERT_NE(spent(), nullptr);
    EXPECT_EQ(spent()->wartosc, -1);
    EXPECT_EQ(proficiencies().back()->info, "Wolne biegłości");
}

} // namespace
} // namespace tallar
