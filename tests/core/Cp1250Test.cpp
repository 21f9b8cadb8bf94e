#include "base/Cp1250.h"

#include <gtest/gtest.h>

#include <set>

namespace tallar {
namespace {

TEST(Cp1250, EveryByteRoundTripsThroughUtf8) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = decodeCp1250(byte);
        const Result<std::string> back = encodeCp1250(utf8);
        ASSERT_TRUE(back.ok()) << "byte " << b;
        EXPECT_EQ(*back, byte) << "byte " << b;
    }
}

TEST(Cp1250, DistinctBytesDecodeToDistinctCharacters) {
    std::set<std::string> seen;
    for (int b = 0; b < 256; ++b)
        seen.insert(decodeCp1250(std::string(1, static_cast<char>(b))));
    EXPECT_EQ(seen.size(), 256u);
}

TEST(Cp1250, PolishLettersUseTheirWindows1250Bytes) {
    const Result<std::string> bytes = encodeCp1250("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(*bytes, "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF");
    EXPECT_EQ(decodeCp1250("praworz\xB9"
                           "dny"),
              "praworządny");
    EXPECT_EQ(decodeCp1250("\x80\x84\x96"), "€„–");
}

TEST(Cp1250, UnassignedBytesMapToC1ControlCodePoints) {
    for (const unsigned char b : {0x81, 0x83, 0x88, 0x90, 0x98}) {
        const std::string utf8 = decodeCp1250(std::string(1, static_cast<char>(b)));
        ASSERT_EQ(utf8.size(), 2u);
        const unsigned codePoint = ((static_cast<unsigned char>(utf8[0]) & 0x1F) << 6) |
                                   (static_cast<unsigned char>(utf8[1]) & 0x3F);
        EXPECT_EQ(codePoint, b);
    }
}

TEST(Cp1250, CharacterOutsideTheCodePageIsRefusedByName) {
    const Result<std::string> status = encodeCp1250("Smok ☃ w górach");
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find("☃"), std::string::npos);
    EXPECT_NE(status.message().find("U+2603"), std::string::npos);

    const Result<std::string> emoji = encodeCp1250("🐉");
    ASSERT_FALSE(emoji.ok());
    EXPECT_NE(emoji.message().find("U+1F409"), std::string::npos);
    EXPECT_FALSE(representableInCp1250("ß ok, ñ not"));
    EXPECT_TRUE(representableInCp1250("Zażółć gęślą jaźń"));
}

TEST(Cp1250, MalformedUtf8IsRefused) {
    EXPECT_FALSE(encodeCp1250("\xC5").ok());     // cut short
    EXPECT_FALSE(encodeCp1250("\xC0\x80").ok()); // overlong
    EXPECT_FALSE(encodeCp1250("a\xFF"
                              "b")
                     .ok());                         // not a lead byte
    EXPECT_FALSE(encodeCp1250("\xED\xA0\x80").ok()); // surrogate
}

} // namespace
} // namespace tallar
