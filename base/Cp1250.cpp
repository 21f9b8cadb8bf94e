#include "base/Cp1250.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace tallar {
namespace {

// Code points of the bytes 0x80 to 0xFF.
constexpr std::array<char32_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

constexpr char32_t kLargestMapped = 0x2122; // TRADE MARK SIGN, byte 0x99

// Byte for every code point up to kLargestMapped; 0 marks "not representable" (only
// U+0000 maps to byte 0, which is handled before the look-up).
const std::array<std::uint8_t, kLargestMapped + 1>& reverseTable() {
    static const auto table = [] {
        std::array<std::uint8_t, kLargestMapped + 1> t{};
        for (char32_t c = 0; c < 0x80; ++c)
            t[c] = static_cast<std::uint8_t>(c);
        for (std::size_t i = 0; i < kHighHalf.size(); ++i)
            t[kHighHalf[i]] = static_cast<std::uint8_t>(0x80 + i);
        return t;
    }();
    return table;
}

// Reads one code point starting at `pos`; returns false on malformed UTF-8.
bool readUtf8(std::string_view s, std::size_t& pos, char32_t& c) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        c = lead;
        ++pos;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        c = lead & 0x1F, extra = 1, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        c = lead & 0x0F, extra = 2, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        c = lead & 0x07, extra = 3, min = 0x10000;
    } else {
        return false;
    }
    if (pos + extra >= s.size())
        return false;
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    pos += extra + 1;
    return true;
}

int byteFor(char32_t c) {
    if (c == 0)
        return 0;
    if (c > kLargestMapped)
        return -1;
    const auto b = reverseTable()[c];
    return b == 0 ? -1 : b;
}

std::string describe(char32_t c) {
    std::string glyph;
    appendUtf8(glyph, c);
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return "\u201E" + glyph + "\u201D (" + code + ")";
}

} // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string_view utf8Prefix(std::string_view utf8, std::size_t maxBytes) {
    if (utf8.size() <= maxBytes)
        return utf8;
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
        --cut; // utf8[cut] would be a continuation byte of the last character kept
    return utf8.substr(0, cut);
}

bool isValidUtf8(std::string_view bytes) {
    char32_t c = 0;
    for (std::size_t pos = 0; pos < bytes.size();)
        if (!readUtf8(bytes, pos, c))
            return false;
    return true;
}

std::string decodeCp1250(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    // Runs of ASCII bytes are copied as they are; loading a character decodes every text.
    std::size_t run = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80)
            continue;
        out.append(bytes.data() + run, i - run);
        appendUtf8(out, kHighHalf[b - 0x80]);
        run = i + 1;
    }
    out.append(bytes.data() + run, bytes.size() - run);
    return out;
}

Result<std::string> encodeCp1250(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        // Runs of ASCII are the same bytes in both; a large file is mostly such runs.
        const std::size_t start = pos;
        while (pos < utf8.size() && static_cast<unsigned char>(utf8[pos]) < 0x80)
            ++pos;
        bytes.append(utf8.data() + start, pos - start);
        if (pos == utf8.size())
            break;
        const std::size_t charStart = pos;
        char32_t c = 0;
        if (!readUtf8(utf8, pos, c)) {
            char msg[96];
            std::snprintf(
                msg, sizeof msg, "Tekst nie jest poprawnym UTF-8 (bajt 0x%02X na pozycji %zu).",
                static_cast<unsigned>(static_cast<unsigned char>(utf8[charStart])), charStart);
            return Result<std::string>::error(msg);
        }
        const int b = byteFor(c);
        if (b < 0)
            return Result<std::string>::error("Znak " + describe(c) +
                                              " nie może być zapisany w kodowaniu Windows-1250.");
        bytes += static_cast<char>(b);
    }
    return bytes;
}

bool representableInCp1250(std::string_view utf8) {
    return encodeCp1250(utf8).ok();
}

} // namespace tallar
