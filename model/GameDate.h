#pragma once

namespace tallar {

// A date of the game calendar as an entry of value kind 8 keeps it: the integer value
// holds year × 10000 + month × 100 + day (year 1247, month 3, day 15 is 12470315). The
// game year has twelve months of thirty days. Its text, with the calendar's names, is
// CRTdata's (model/GameCalendar.h).
struct GameDate {
    int year = 0;
    int month = 0;
    int day = 0;

    static constexpr int kMonths = 12;
    static constexpr int kDaysPerMonth = 30;

    // The date an entry's value holds, or nothing when the value is no valid date.
    static bool fromValue(int value, GameDate& date);
    int toValue() const { return year * 10000 + month * 100 + day; }
};

} // namespace tallar
