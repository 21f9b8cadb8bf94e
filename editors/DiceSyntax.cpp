#include "editors/DiceSyntax.h"

#include <cctype>
#include <string>

namespace tallar::editors {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (!isDigit(c))
            return false;
    return true;
}

bool isNumber(std::string_view text) {
    const auto point = text.find_first_of(".,");
    if (point == std::string_view::npos)
        return allDigits(text);
    return allDigits(text.substr(0, point)) && allDigits(text.substr(point + 1));
}

// nKs or nKs_… (n may be left out; everything after the underscore is ignored).
bool isDiceTerm(std::string_view text) {
    const auto k = text.find_first_of("kK");
    if (k == std::string_view::npos)
        return false;
    const std::string_view count = text.substr(0, k);
    std::string_view sides = text.substr(k + 1);
    if (const auto open = sides.find('_'); open != std::string_view::npos)
        sides = sides.substr(0, open);
    return (count.empty() || allDigits(count)) && allDigits(sides);
}

// An attribute name such as "CH", "A.MAG" or "ŻYW": letters (any non-ASCII byte is part of
// a letter) and dots.
bool isName(std::string_view text) {
    if (text == "k" || text == "K") // a die without sides, not a name
        return false;
    bool letter = false;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 || std::isalpha(byte))
            letter = true;
        else if (c != '.')
            return false;
    }
    return letter;
}

bool isMaxTerm(std::string_view text) {
    if (text.size() < 5 || text.back() != ')')
        return false;
    std::string head(text.substr(0, 4));
    for (char& c : head)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (head != "MAX(")
        return false;
    return isDiceTerm(trimmed(text.substr(4, text.size() - 5)));
}

bool isTerm(std::string_view text) {
    text = trimmed(text);
    return isNumber(text) || isDiceTerm(text) || isMaxTerm(text) || isName(text);
}

} // namespace

bool diceExpressionWellFormed(std::string_view expression) {
    if (trimmed(expression).empty())
        return true;
    std::size_t start = 0;
    bool first = true;
    for (;;) {
        const auto end = expression.find_first_of("+-*/", start);
        const std::string_view term = expression.substr(start, end - start);
        // A leading sign ("-3") leaves an empty first term, which counts as 0.
        const bool leadingSign = first && trimmed(term).empty() && end != std::string_view::npos &&
                                 (expression[end] == '-' || expression[end] == '+');
        if (!leadingSign && !isTerm(term))
            return false;
        if (end == std::string_view::npos)
            return true;
        start = end + 1;
        first = false;
    }
}

} // namespace tallar::editors
