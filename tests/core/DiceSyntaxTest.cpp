#include "editors/DiceSyntax.h"
#include "editors/Fields.h"

#include <gtest/gtest.h>

namespace tallar::editors {
namespace {

TEST(DiceSyntax, AcceptsTheNotation) {
    for (const char* text :
         {"", "K10", "2K10", "2k10", "K100_", "K100_x", "MAX(2K10)", "max(K6)", "2K10+3*2", "6/0",
          "-3", "CH", "A.MAG", "ŻYW*2", "0.75", "MAX", "WIEK/10+K4", " K6 + 2 "})
        EXPECT_TRUE(diceExpressionWellFormed(text)) << text;
}

TEST(DiceSyntax, RefusesWhatDoesNotParse) {
    for (const char* text :
         {"2K", "K", "K10+", "2K10++3", "MAX(2K10", "MAX()", "(K6)", "3x", "K6*", "1..2", "2K1a"})
        EXPECT_FALSE(diceExpressionWellFormed(text)) << text;
}

TEST(FieldValues, KindsDecideWhatIsAccepted) {
    EXPECT_FALSE(valueProblem(ValueKind::Number, ""));
    EXPECT_FALSE(valueProblem(ValueKind::Number, "+7"));
    EXPECT_FALSE(valueProblem(ValueKind::Number, "3,5"));
    EXPECT_TRUE(valueProblem(ValueKind::Number, "7a"));
    EXPECT_TRUE(valueProblem(ValueKind::Number, "-"));
    EXPECT_FALSE(valueProblem(ValueKind::Flag, "TAK"));
    EXPECT_TRUE(valueProblem(ValueKind::Sign, "%"));
    EXPECT_FALSE(valueProblem(ValueKind::Sign, "="));
    EXPECT_FALSE(valueProblem(ValueKind::Sign, "+ "));
    EXPECT_FALSE(valueProblem(ValueKind::Text, "ąęłńóśźż ĄĘŁŃÓŚŹŻ 'x' \"y\""));
    const auto euro = valueProblem(ValueKind::Text, "100 €");
    EXPECT_FALSE(euro.has_value()) << "the euro sign is in Windows-1250";
    const auto emoji = valueProblem(ValueKind::Text, "100 zł 😀");
    ASSERT_TRUE(emoji);
    EXPECT_NE(emoji->find("😀"), std::string::npos);
}

} // namespace
} // namespace tallar::editors
