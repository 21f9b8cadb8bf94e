#pragma once

#include <QFont>
#include <QString>

#include <string_view>

namespace tallar::render {

// The family that stands for a face of the sheet: the face itself where it is installed,
// else a free family of close metrics that has every Polish letter ("DejaVu Sans
// Condensed" for "Tahoma", "DejaVu Sans" in bold for "Arial Black"). Other faces are
// left to Qt's matching.
QString sheetFamily(std::string_view face);

// The font of a text figure: the face's family at `pixelSize` (in the painter's units,
// tenths of a millimetre on the sheet), unhinted so that text measures the same at any
// resolution.
QFont sheetFont(std::string_view face, int pixelSize, bool bold);

} // namespace tallar::render
