#include "rules/DiceSyntax.h"

#include <array>
#include <cctype>

namespace tallar {

namespace {

// The names an expression may use for a character's values.
constexpr std::array<std::string_view, 15> kNames = {"ŻYW", "SF",    "ZR",   "SZ",     "INT",
                                                     "MD",  "UM",    "CH",   "PR",     "WI",
                                                     "ZW",  "A.MAG", "WAGA", "WZROST", "WIEK"};

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::size_t digits(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - at;
}

bool isNumber(std::string_view term) {
    const std::size_t whole = digits(term, 0);
    if (whole == term.size())
        return whole > 0;
    return whole > 0 && term[whole] == '.' && digits(term, whole + 1) > 0 &&
           whole + 1 + digits(term, whole + 1) == term.size();
}

bool isDiceTerm(std::string_view term) {
    const std::size_t count = digits(term, 0);
    if (count == term.size() || (term[count] != 'K' && term[count] != 'k'))
        return false;
    const std::size_t sides = digits(term, count + 1);
    if (sides == 0)
        return false;
    const std::size_t end = count + 1 + sides;
    if (end == term.size())
        return true;
    // An open-ended die: everything after the underscore is a note.
    if (term[end] != '_')
        return false;
    for (char c : term.substr(end + 1))
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return true;
}

bool isMax(std::string_view term) {
    if (term.size() < 5 || term.back() != ')')
        return false;
    for (std::size_t i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(term[i])) != "MAX"[i])
            return false;
    const std::string_view inner = term.substr(4, term.size() - 5);
    return term[3] == '(' && (isDiceTerm(inner) || isNumber(inner));
}

bool isTerm(std::string_view term) {
    for (std::string_view name : kNames)
        if (term == name)
            return true;
    return isNumber(term) || isDiceTerm(term) || isMax(term);
}

} // namespace

bool isWellFormedDice(std::string_view expression) {
    std::size_t start = 0;
    if (!expression.empty() && (expression[0] == '-' || expression[0] == '+'))
        start = 1;
    while (true) {
        const std::size_t end = expression.find_first_of("+-*/", start);
        if (!isTerm(expression.substr(start, end == std::string_view::npos ? end : end - start)))
            return false;
        if (end == std::string_view::npos)
            return true;
        start = end + 1;
    }
}

} // namespace tallar
