#include "model/GameDate.h"

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

} // namespace tallar
