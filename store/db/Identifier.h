#pragma once

#include <array>
#include <ctime>
#include <string>

namespace tallar {

// A new row identifier: 30 decimal digits made of the local date and time (year - 2000,
// month counted from 0, day, minute, second; the hour is not used) and four random draws
// of 0 to 32767, each written as five digits. The draws come from a source of their own,
// seeded from the clock and the system's entropy, so that neither the dice seed nor a
// second process started in the same second repeats an identifier.
std::string NewId();

// The identifier for a given local time and four draws; NewId without the clock.
std::string FormatId(const std::tm& localTime, const std::array<int, 4>& draws);

} // namespace tallar
