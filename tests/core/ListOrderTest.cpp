#include "editors/ListOrder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tallar::editors {
namespace {

std::vector<std::string> sorted(std::vector<std::string> texts) {
    std::stable_sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return compareListTexts(a, b) < 0;
    });
    return texts;
}

// The Polish alphabet: a ą b c ć d e ę f g h i j k l ł m n ń o ó p q r s ś t u v w x y z
// ź ż. A Polish letter is a letter of its own after its plain one (Łucja after every L,
// Śliwa after Sowa); a foreign accent only breaks ties (Émile sorts as Emile, before Ewa);
// a small letter comes before its capital when nothing else differs.
TEST(ListOrder, PolishLettersFollowTheirPlainOnes) {
    const std::vector<std::string> expected = {
        "ala",  "Ala",    "Cyryl", "ćma",   "Émile",   "Ewa",   "Lis",    "Lucjan", "Łucja",
        "Olga", "Ósemka", "Sowa",  "Śliwa", "Tadeusz", "Zenon", "Źrebię", "Żaba",
    };
    std::vector<std::string> shuffled = expected;
    std::reverse(shuffled.begin(), shuffled.end());
    std::rotate(shuffled.begin(), shuffled.begin() + 5, shuffled.end());
    EXPECT_EQ(sorted(shuffled), expected);
    EXPECT_EQ(compareListTexts("Łuk", "Łuk"), 0);
    EXPECT_GT(compareListTexts("ŁUK", "łuk"), 0);
}

// Numbers by value: -3 < 0,5 < 2.25 < 7 < 45 < 100 (as texts "100" would come before "45");
// inside texts too: K2 < K10 < K100_, "Miecz" < "Miecz 2" < "Miecz 10"; digits before
// letters; the empty text first; "7" and "007" are worth the same, the shorter first.
TEST(ListOrder, NumbersByTheirValue) {
    EXPECT_EQ(sorted({"100", "7", "", "45", "-3", "0,5", "2.25"}),
              (std::vector<std::string>{"", "-3", "0,5", "2.25", "7", "45", "100"}));
    EXPECT_EQ(
        sorted({"Miecz 10", "K100_", "Miecz", "K10", "Miecz 2", "K2", "7"}),
        (std::vector<std::string>{"7", "K2", "K10", "K100_", "Miecz", "Miecz 2", "Miecz 10"}));
    EXPECT_LT(compareListTexts("7", "007"), 0);
    EXPECT_LT(compareListTexts("Miecz długi", "Miecze"), 0); // a word ends before a longer one
}

TEST(ListOrder, TheFilterFindsEveryWordWhateverTheCase) {
    const std::vector<std::string> row = {"Krasnolud", "Młody krasnolud", "Łódź"};
    EXPECT_TRUE(rowMatchesFilter(row, ""));
    EXPECT_TRUE(rowMatchesFilter(row, "  "));
    EXPECT_TRUE(rowMatchesFilter(row, "KRAS"));
    EXPECT_TRUE(rowMatchesFilter(row, "młody kras")); // both words, in different texts
    EXPECT_FALSE(rowMatchesFilter(row, "młody elf"));
    // Without accents typed, accented letters are found; with them, only they are.
    EXPECT_TRUE(rowMatchesFilter(row, "lodz"));
    EXPECT_TRUE(rowMatchesFilter(row, "mlody"));
    EXPECT_TRUE(rowMatchesFilter(row, "ŁÓDŹ"));
    EXPECT_FALSE(rowMatchesFilter(row, "łodz"));
    EXPECT_FALSE(rowMatchesFilter({"Lodz"}, "łódź"));
}

} // namespace
} // namespace tallar::editors
