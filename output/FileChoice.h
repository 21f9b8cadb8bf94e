#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallar {

// What the open and save dialogs of the character file offer.
inline constexpr std::string_view kCharacterFileFilter = "Plik xml|*.xml||";
inline constexpr std::string_view kCharacterFileExtension = ".xml";

// One entry of a dialog's filter: its label and its name patterns ("*.xml").
struct FileFilter {
    std::string label;
    std::vector<std::string> patterns;
};

// Reads a filter written as "label|pattern;pattern|label|pattern||" into its entries.
std::vector<FileFilter> parseFileFilter(std::string_view filter);

// The chosen path, with `extension` (".xml") appended when its file name has none; a path
// with any extension stays as chosen.
std::string withDefaultExtension(std::string_view path, std::string_view extension);

} // namespace tallar
