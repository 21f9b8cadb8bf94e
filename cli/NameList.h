#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallar::cli {

// The text of data/imiona.txt, built into the program.
std::string_view shippedNamesText();

// The names tallar2-cli gives characters made without --name: the non-empty lines of the
// shipped list.
const std::vector<std::string>& shippedNames();

} // namespace tallar::cli
