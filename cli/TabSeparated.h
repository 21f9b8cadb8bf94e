#pragma once

#include <string>
#include <string_view>

namespace tallar::cli {

// A value as one field of a line of tab-separated output: tab, line end, carriage return
// and backslash become \t, \n, \r and \\; every other control character (code points 0 to
// 31 and 127 to 159) becomes \x and its two hexadecimal digits, so that no value can break
// a line or reach the terminal as a control sequence.
std::string tabField(std::string_view value);

} // namespace tallar::cli
