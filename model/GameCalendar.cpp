#include "model/GameCalendar.h"

#include <array>
#include <cmath>

namespace tallar {

namespace {

// Named after the work and weather of their season.
constexpr std::array<CRTdata::Month, GameDate::kMonths> kMonths = {{
    {"Mroźnik", "Mroźnika"},
    {"Zawiejec", "Zawiejca"},
    {"Roztopnik", "Roztopnika"},
    {"Siewnik", "Siewnika"},
    {"Kwietnik", "Kwietnika"},
    {"Słonecznik", "Słonecznika"},
    {"Żarnik", "Żarnika"},
    {"Żniwnik", "Żniwnika"},
    {"Owocnik", "Owocnika"},
    {"Liściopad", "Liściopada"},
    {"Mglnik", "Mglnika"},
    {"Śnieżnik", "Śnieżnika"},
}};

constexpr std::array<CRTdata::Era, 4> kEras = {{
    {0, "Era Pradawna", "Ery Pradawnej"},
    {600, "Era Wędrówek", "Ery Wędrówek"},
    {1100, "Era Królestw", "Ery Królestw"},
    {1500, "Era Runów", "Ery Runów"},
}};

constexpr std::array<CRTdata::DayPart, 8> kDayParts = {{
    {0, "pora sów"},
    {3, "pora świtu"},
    {6, "pora pługa"},
    {9, "pora targu"},
    {12, "pora żaru"},
    {15, "pora cieni"},
    {18, "pora zmierzchu"},
    {21, "pora czuwania"},
}};

constexpr int kHoursPerDay = 24;
static_assert(kDayParts.size() * CRTdata::kHoursPerDayPart == kHoursPerDay);

} // namespace

std::span<const CRTdata::Month> CRTdata::months() {
    return kMonths;
}

std::span<const CRTdata::Era> CRTdata::eras() {
    return kEras;
}

std::span<const CRTdata::DayPart> CRTdata::dayParts() {
    return kDayParts;
}

const CRTdata::Era& CRTdata::eraOf(int year) {
    const Era* found = &kEras.front();
    for (const Era& era : kEras)
        if (year >= era.firstYear)
            found = &era;
    return *found;
}

int CRTdata::dayPartOf(double modifier) {
    if (!(modifier > 0.0 && modifier < 1.0))
        return 0;
    const int hour = static_cast<int>(std::floor(modifier * kHoursPerDay));
    return hour / kHoursPerDayPart + 1;
}

double CRTdata::modifierOfDayPart(int part) {
    if (part < 1 || part > static_cast<int>(kDayParts.size()))
        return 1.0;
    const double middle =
        kDayParts[static_cast<std::size_t>(part - 1)].firstHour + kHoursPerDayPart / 2.0;
    return middle / kHoursPerDay;
}

std::string CRTdata::text(const GameDate& date, int dayPart) {
    std::string text = std::to_string(date.day) + " " +
                       std::string(kMonths[static_cast<std::size_t>(date.month - 1)].genitive) +
                       " " + std::to_string(date.year) + " r. " +
                       std::string(eraOf(date.year).genitive);
    if (dayPart >= 1 && dayPart <= static_cast<int>(kDayParts.size()))
        text += ", " + std::string(kDayParts[static_cast<std::size_t>(dayPart - 1)].name);
    return text;
}

std::string gameDateText(int value, double modifier) {
    GameDate date;
    if (!GameDate::fromValue(value, date))
        return std::to_string(value);
    return CRTdata::text(date, CRTdata::dayPartOf(modifier));
}

} // namespace tallar
