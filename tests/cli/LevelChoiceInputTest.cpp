#include "cli/StreamUserPort.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tallar {
namespace {

LevelAdvancement secondLevel() {
    LevelAdvancement level{.profession = "Mag (Adept)", .level = 2};
    level.current[levelField::kBasePsychic] = 7;
    level.current[levelField::kBasePhysical] = 4;
    level.proposal = levelChoice(levelField::kBasePhysical);
    return level;
}

TEST(LevelChoiceInput, AnswersNameAResistanceOrTakeTheProposal) {
    std::istringstream in("x\n11\n\nf\np\n10\n");
    std::ostringstream err;
    cli::StreamUserPort port(in, err);
    const LevelAdvancement level = secondLevel();
    // Two refused answers, then an empty line: the proposal.
    EXPECT_EQ(port.ChooseAdvancement(level), level.proposal);
    EXPECT_NE(err.str().find("Awans: Mag (Adept), poziom 2. Odporność bazowa P 7, F 4; "
                             "odporności 1-10: 0 0 0 0 0 0 0 0 0 0. K10 poziomu do (P, F, "
                             "1-10) [F]: "),
              std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("Niepoprawny wybór: podaj P, F albo liczbę od 1 do 10"),
              std::string::npos);
    EXPECT_EQ(port.ChooseAdvancement(level), levelChoice(levelField::kBasePhysical));
    EXPECT_EQ(port.ChooseAdvancement(level), levelChoice(levelField::kBasePsychic));
    EXPECT_EQ(port.ChooseAdvancement(level), levelChoice(levelField::kResistance1 + 9));
    // The end of the input gives up.
    EXPECT_EQ(port.ChooseAdvancement(level), std::nullopt);
    EXPECT_TRUE(port.gaveUp());
}

TEST(LevelChoiceInput, ThrowsLeftToTheProgramTakeTheProposalUnasked) {
    // "a" at a throw leaves the rest to the program: the level after it is not asked, and
    // its "P" stays unread.
    std::istringstream in("a\nP\n");
    std::ostringstream err;
    cli::StreamUserPort port(in, err);
    EXPECT_EQ(port.askDie(10, "Wzrost"), std::nullopt);
    const LevelAdvancement level = secondLevel();
    EXPECT_EQ(port.ChooseAdvancement(level), levelChoice(levelField::kBasePhysical));
    EXPECT_EQ(err.str().find("Awans:"), std::string::npos) << err.str();
    EXPECT_FALSE(port.gaveUp());
}

} // namespace
} // namespace tallar
