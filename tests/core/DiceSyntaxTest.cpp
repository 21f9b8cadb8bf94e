#include "rules/DiceSyntax.h"

#include <gtest/gtest.h>

namespace tallar {
namespace {

TEST(DiceSyntax, AcceptsNumbersDiceMaxNamesAndTheFourOperators) {
    for (const char* text :
         {"7", "0.75", "-3", "+2", "K10", "2k6", "2K10+3*2", "K100_", "K10_PR", "MAX(2K10)",
          "max(3K6)", "MAX(5)", "ŻYW/10", "A.MAG-1", "WZROST*WAGA/WIEK", "K2-1"})
        EXPECT_TRUE(isWellFormedDice(text)) << text;
}

TEST(DiceSyntax, RefusesWhatIsNotMadeOfThem) {
    for (const char* text :
         {"", "2K10+", "K", "2K", "K10K", "3..5", ".5", "MAX(2K10+1)", "MAX(2K10", "Ch", " CH",
          "K10 PR", "(K10)", "2K10++3", "1,5", "K6%", "SILA"})
        EXPECT_FALSE(isWellFormedDice(text)) << text;
}

} // namespace
} // namespace tallar
