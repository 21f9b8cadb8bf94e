#include "model/GameDate.h"

#include "rules/core/RulesMath.h"

namespace tallar {

bool GameDate::fromValue(int value, GameDate& date) {
    if (value <= 0)
        return false;
    const GameDate candidate{value / 10000, value / 100 % 100, value % 100};
    if (candidate.month < 1 || candidate.month > kMonths || candidate.day < 1 ||
        candidate.day > kDaysPerMonth)
        return false;
    date = candidate;
    return true;
}

std::string GameDate::text() const {
    return zeroPadded(day, 2) + "." + zeroPadded(month, 2) + "." + std::to_string(year) + " r.";
}

std::string gameDateText(int value) {
    GameDate date;
    return GameDate::fromValue(value, date) ? date.text() : std::to_string(value);
}

} // namespace tallar
