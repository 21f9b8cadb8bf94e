#include "editors/ListOrder.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace tallar::editors {

namespace {

// UTF-8 to code points; a byte that starts no character stands for itself.
std::u32string decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (lead < 0xC0 || i + length > text.size()) {
            out.push_back(lead);
            ++i;
            continue;
        }
        char32_t c = lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(c);
        i += length;
    }
    return out;
}

// The small letter of a Latin letter (ASCII, Latin-1 and Latin Extended-A, which hold every
// letter of Windows-1250); any other character as it is.
char32_t lower(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    const bool evenUpper = (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if ((evenUpper && c % 2 == 0) || (oddUpper && c % 2 == 1))
        return c + 1;
    if (c == 0x178)
        return 0xFF;
    return c;
}

// The letter without its accent (small), for U+00C0 to U+017F; '.' where there is none.
constexpr std::string_view kBaseLetters =
    "aaaaaa.ceeeeiiii.nooooo.ouuuuy.saaaaaa.ceeeeiiii.nooooo.ouuuuy.y"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghh..iiiiiiiiii..jjkk.llllll."
    ".llnnnnnn...oooooo..rrrrrrsssssssstttt..uuuuuuuuuuuuwwyyyzzzzzz.";

// The small letter without accent, or 0 for what is no Latin letter.
char32_t baseLetter(char32_t c) {
    c = lower(c);
    if (c >= U'a' && c <= U'z')
        return c;
    if (c >= 0xC0 && c < 0xC0 + kBaseLetters.size() && kBaseLetters[c - 0xC0] != '.')
        return static_cast<char32_t>(kBaseLetters[c - 0xC0]);
    return 0;
}

constexpr std::u32string_view kPolishAlphabet = U"aąbcćdeęfghijklłmnńoópqrsśtuvwxyzźż";

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// A unit of comparison: a run of digits, a letter, or any other character.
struct Token {
    enum Kind { Other, Number, Letter, Foreign } kind = Other;
    std::u32string digits; // a number's digits without leading zeros
    char32_t key = 0;      // the place in the order of its kind
    char32_t accent = 0;   // a letter's own accent beside the Polish alphabet; leading zeros
    bool upper = false;    // a capital letter
};

std::vector<Token> tokens(const std::u32string& text) {
    std::vector<Token> out;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = text[i];
        Token token;
        if (isDigit(c)) {
            std::size_t end = i;
            while (end < text.size() && isDigit(text[end]))
                ++end;
            std::size_t first = i;
            while (first + 1 < end && text[first] == U'0')
                ++first;
            token.kind = Token::Number;
            token.digits = text.substr(first, end - first);
            token.accent = static_cast<char32_t>(first - i);
            out.push_back(std::move(token));
            i = end;
            continue;
        }
        const char32_t small = lower(c);
        token.upper = small != c;
        if (const auto at = kPolishAlphabet.find(small); at != std::u32string_view::npos) {
            token.kind = Token::Letter;
            token.key = static_cast<char32_t>(at);
        } else if (const char32_t base = baseLetter(small)) {
            token.kind = Token::Letter;
            token.key = static_cast<char32_t>(kPolishAlphabet.find(base));
            token.accent = small;
        } else {
            token.kind = small < 0x80 ? Token::Other : Token::Foreign;
            token.key = small;
        }
        out.push_back(std::move(token));
        ++i;
    }
    return out;
}

template <class T> int sign(const T& a, const T& b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

// Compares two token lists on one level: 1 the letters, numbers and characters themselves,
// 2 the accents (and leading zeros), 3 the case.
int compareLevel(const std::vector<Token>& a, const std::vector<Token>& b, int level) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const Token& x = a[i];
        const Token& y = b[i];
        int order = 0;
        if (level == 1) {
            order = sign(x.kind, y.kind);
            if (!order && x.kind == Token::Number)
                order = x.digits.size() != y.digits.size() ? sign(x.digits.size(), y.digits.size())
                                                           : sign(x.digits, y.digits);
            else if (!order)
                order = sign(x.key, y.key);
        } else if (level == 2) {
            order = sign(x.accent, y.accent);
        } else {
            order = sign(x.upper, y.upper);
        }
        if (order)
            return order;
    }
    return level == 1 ? sign(a.size(), b.size()) : 0;
}

// The value of a text that is a number as a whole: a sign, digits, a decimal point or
// comma and more digits, blanks around them.
std::optional<double> wholeNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string plain(text);
    std::size_t i = 0;
    if (i < plain.size() && (plain[i] == '-' || plain[i] == '+'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < plain.size(); ++i) {
        if (plain[i] >= '0' && plain[i] <= '9') {
            digits = true;
        } else if ((plain[i] == '.' || plain[i] == ',') && !point) {
            point = true;
            plain[i] = '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return std::strtod(plain.c_str(), nullptr);
}

// A text folded for the filter: small letters, and without accents when `plain`.
std::u32string folded(std::string_view text, bool plain) {
    std::u32string out = decode(text);
    for (char32_t& c : out) {
        c = lower(c);
        if (plain && c >= 0x80)
            if (const char32_t base = baseLetter(c))
                c = base;
    }
    return out;
}

} // namespace

int compareListTexts(std::string_view a, std::string_view b) {
    if (a.empty() || b.empty())
        return sign(!a.empty(), !b.empty());
    const auto x = wholeNumber(a);
    const auto y = wholeNumber(b);
    if (x && y && *x != *y)
        return sign(*x, *y);
    const std::vector<Token> ta = tokens(decode(a));
    const std::vector<Token> tb = tokens(decode(b));
    for (int level = 1; level <= 3; ++level)
        if (const int order = compareLevel(ta, tb, level))
            return order;
    return sign(a, b);
}

bool rowMatchesFilter(const std::vector<std::string>& texts, std::string_view filter) {
    std::size_t start = 0;
    while (start < filter.size()) {
        const std::size_t end = std::min(filter.find(' ', start), filter.size());
        const std::string_view word = filter.substr(start, end - start);
        start = end + 1;
        if (word.empty())
            continue;
        const std::u32string typed = decode(word);
        const bool plain =
            std::none_of(typed.begin(), typed.end(), [](char32_t c) { return c >= 0x80; });
        const std::u32string wanted = folded(word, plain);
        const bool found = std::any_of(texts.begin(), texts.end(), [&](const std::string& text) {
            return folded(text, plain).find(wanted) != std::u32string::npos;
        });
        if (!found)
            return false;
    }
    return true;
}

} // namespace tallar::editors
