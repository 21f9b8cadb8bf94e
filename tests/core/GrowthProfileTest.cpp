#include "rules/core/GrowthProfile.h"
#include "rules/core/AttributeSet.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

TEST(GrowthProfile, CoversTheAttributeSetAndResetsToItsStart) {
    EXPECT_EQ(GrowthProfile::kMembers, attributeSet().size());
    GrowthProfile profile;
    profile.members[3] = {2, 1.5, 30, -10};
    profile.delayBalance = 1;
    profile.vitalityOther = 0.4;
    profile.reset();
    EXPECT_EQ(profile.members[3].balance, 0);
    EXPECT_DOUBLE_EQ(profile.members[3].multiplier, 1.0);
    EXPECT_EQ(profile.members[3].upperLimit, 0);
    EXPECT_EQ(profile.delayBalance, 0);
    EXPECT_DOUBLE_EQ(profile.vitalityOther, 0.0);
}

TEST(GrowthProfile, MultipliersRoundToHundredthsAtEachStep) {
    GrowthProfile profile;
    profile.multiply(0, 1.5);
    EXPECT_DOUBLE_EQ(profile.members[0].multiplier, 1.5);
    profile.multiply(0, 0.333); // 1.5 * 0.33 = 0.495 -> 0.5
    EXPECT_DOUBLE_EQ(profile.members[0].multiplier, 0.5);
    profile.multiply(0, 0.004); // the factor rounds to 0
    EXPECT_DOUBLE_EQ(profile.members[0].multiplier, 0.0);
}

TEST(GrowthProfile, LimitsKeepTheTightestValue) {
    GrowthProfile profile;
    const std::size_t member = 12;
    profile.mergeLimit(member, 50);
    profile.mergeLimit(member, 30);
    profile.mergeLimit(member, 40); // looser: ignored
    EXPECT_EQ(profile.members[member].upperLimit, 30);
    profile.mergeLimit(member, -20);
    profile.mergeLimit(member, -10);
    profile.mergeLimit(member, -15); // looser: ignored
    EXPECT_EQ(profile.members[member].lowerLimit, -10);
    profile.mergeLimit(member, 0);
    EXPECT_EQ(profile.members[member].upperLimit, 30);
    EXPECT_EQ(profile.members[member].lowerLimit, -10);
}

} // namespace
} // namespace tallar
