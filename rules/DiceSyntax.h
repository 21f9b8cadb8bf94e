#pragma once

#include <string_view>

namespace tallar {

// Whether a dice expression is made only of numbers, dice terms ("K10", "2k6", "K100_"),
// MAX(...) of one such term, attribute names and the operators + - * /, with a term
// between every two operators (a sign may lead).
bool isWellFormedDice(std::string_view expression);

} // namespace tallar
