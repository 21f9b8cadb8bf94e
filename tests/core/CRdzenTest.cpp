#include "rules/core/CRdzen.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

// A rules step sees the helpers as its own.
class SampleStep : public CRdzen {
public:
    int experienceLevelText(int points) const { return levelFromExperience(points); }
    double bonus() const {
        return roundToHundredths(EvaluateDice("K6+1", {}, "", DiceMode::Maximum) / 3.0);
    }
};

TEST(CRdzen, StepsReachTheHelpers) {
    const SampleStep step;
    EXPECT_EQ(step.experienceLevelText(2500), 9);
    EXPECT_DOUBLE_EQ(step.bonus(), 2.33);
    EXPECT_EQ(CRdzen::modeFromSign(-4), DiceMode::Minimum);
    EXPECT_EQ(CRdzen::lookUpName("CH", nullptr), std::nullopt);
}

} // namespace
} // namespace tallar
