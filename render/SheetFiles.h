#pragma once

#include "base/Status.h"

#include <QPageSize>

#include <string>
#include <vector>

namespace tallar {
class CKartaBohatera;
}

namespace tallar::render {

// The resolutions a PNG of the sheet may have, in pixels per inch.
inline constexpr int kMinPngDpi = 50;
inline constexpr int kMaxPngDpi = 600;
inline constexpr int kDefaultPngDpi = 150;

// Writes the sheet as a PDF of two pages of the given size: vector drawing with the text
// kept as text, its fonts embedded.
Status writeSheetPdf(CKartaBohatera& sheet, const std::string& path,
                     const QPageSize& pageSize = QPageSize(QPageSize::A4));

// The file of page n of a PNG named `path`: "karta.png" gives "karta-1.png" (a name
// without ".png" gets the page number and ".png" added).
std::string pngPagePath(const std::string& path, int page);

// Writes each page of the sheet as a PNG image of a white page of the given size at `dpi`
// pixels per inch (pngPagePath names the files); `written` receives their names.
Status writeSheetPng(CKartaBohatera& sheet, const std::string& path, int dpi,
                     const QPageSize& pageSize = QPageSize(QPageSize::A4),
                     std::vector<std::string>* written = nullptr);

} // namespace tallar::render
