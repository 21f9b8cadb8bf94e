#pragma once

#include "model/GameDate.h"

#include <span>
#include <string>
#include <string_view>

namespace tallar {

// The calendar of the game world: the names of its eras, of its twelve months of thirty
// days and of the eight parts of a day (docs/CALENDAR.md). Every text that shows a game date
// (the entry tree, the text export, the character sheet) takes it from here.
class CRTdata {
public:
    struct Month {
        std::string_view name;     // "Siewnik"
        std::string_view genitive; // in a date: "15 Siewnika"
    };
    struct Era {
        int firstYear;             // the era lasts until the next one begins
        std::string_view name;     // "Era Królestw"
        std::string_view genitive; // in a date: "1247 r. Ery Królestw"
    };
    struct DayPart {
        int firstHour; // three hours each, from midnight
        std::string_view name;
    };

    static constexpr int kHoursPerDayPart = 3;

    // The months in their order (index 0 is month 1).
    static std::span<const Month> months();
    // The eras in the order they follow each other; the first starts at year 0.
    static std::span<const Era> eras();
    // The parts of a day in their order (index 0 is part 1).
    static std::span<const DayPart> dayParts();

    // The era the year lies in (the first era for years before it).
    static const Era& eraOf(int year);

    // The part of the day (1 … 8) an entry's modifier holds: the time of day as a fraction
    // of the day, strictly between 0 and 1. Any other modifier (the 1.0 of a new entry, 0)
    // holds no time of day: 0.
    static int dayPartOf(double modifier);
    // The modifier that keeps the part of the day `part` (1 … 8): the middle of its hours;
    // 1.0 (no time of day) for any other number.
    static double modifierOfDayPart(int part);

    // "15 Siewnika 1247 r. Ery Królestw", followed by ", pora targu" when a part of the day
    // (1 … 8) is given.
    static std::string text(const GameDate& date, int dayPart = 0);
};

// The text a value-kind-8 entry shows for its value and modifier: the date with its names,
// or the bare number when the value is no valid date.
std::string gameDateText(int value, double modifier = 1.0);

} // namespace tallar
