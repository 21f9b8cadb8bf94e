#include "editors/Fields.h"

#include <gtest/gtest.h>

namespace tallar::editors {
namespace {

TEST(FieldValues, DiceFieldsTakeWellFormedExpressionsOnly) {
    for (const char* text : {"", "K10", "2K10", "K100_", "MAX(2K10)", "2K10+3*2", "6/0", "-3", "CH",
                             "A.MAG", "ŻYW*2", "MAX", "MIN", "WIEK/10+K4"})
        EXPECT_FALSE(valueProblem(ValueKind::Dice, text)) << text;
    for (const char* text : {"2K", "K10+", "2K10++3", "MAX(2K10", "3x", "K6*"})
        EXPECT_TRUE(valueProblem(ValueKind::Dice, text)) << text;
    // Decimal amounts are numbers; dice beyond the limits are refused at the field.
    EXPECT_FALSE(valueProblem(ValueKind::Dice, "0.75"));
    EXPECT_FALSE(valueProblem(ValueKind::Dice, "1000K10000"));
    EXPECT_EQ(valueProblem(ValueKind::Dice, "2K6+1001K6"),
              "Niepoprawne wyrażenie: za dużo kości w „1001K6” (najwyżej 1000)");
    EXPECT_EQ(valueProblem(ValueKind::Dice, "K20000"),
              "Niepoprawne wyrażenie: za dużo ścian kości w „K20000” (najwyżej 10000)");
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
    EXPECT_FALSE(valueProblem(ValueKind::Text, "100 €")) << "the euro sign is in Windows-1250";
    const auto emoji = valueProblem(ValueKind::Text, "100 zł 😀");
    ASSERT_TRUE(emoji);
    EXPECT_NE(emoji->find("😀"), std::string::npos);
}

} // namespace
} // namespace tallar::editors
