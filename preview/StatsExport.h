#pragma once

#include "base/Status.h"

#include <string>
#include <vector>

namespace tallar {

class CIstota;

// The statistics block of "Zapisz statystyki" (docs/STATISTICS.md): one line each for the
// name and origin, the first four attributes, the other seven, the resistances, one per
// weapon, the armour, and the game dates when the character has any. Within a line every
// field ends with "; ". Lines are UTF-8 and without their line ends; totals as whole numbers.
// The character's totals are read as they stand (recalculate it first).
std::vector<std::string> statisticsLines(const CIstota& hero);

// Appends the block to the file at `path` (created when missing, never truncated), in
// Windows-1250 with CRLF line ends, so one file collects the statistics of many characters.
// A text Windows-1250 cannot hold, or a file that cannot be written, fails with a message
// naming the file; nothing is written then.
Status appendStatistics(const CIstota& hero, const std::string& path);

} // namespace tallar
