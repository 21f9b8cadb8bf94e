#pragma once

#include "output/CFigura.h"

#include <memory>

namespace tallar {

struct SheetRecord;

// The sheet's area in tenths of a millimetre. It fits A4 (2100 × 2970) and Letter
// (2159 × 2794) alike, so a page looks the same on both.
inline constexpr int kSheetWidth = 1900;
inline constexpr int kSheetHeight = 2650;
inline constexpr int kSheetPages = 2;

// The figures of page 1 or 2 filled with the record's values; null for another page. The
// root is a frameless group at (0, 0) of the sheet's area.
std::unique_ptr<CFigura> buildSheetPage(int page, const SheetRecord& record);

} // namespace tallar
