#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallar::editors {

// Orders two texts of a list as a Polish reader expects: letters in the Polish alphabet
// (ą after a, ł after l, ś after s, ź and ż after z), other accents and then case breaking
// ties only; a text that is a number ("-3", "0,5", "100") by its value, and numbers inside
// texts by theirs ("K2" before "K10"); the empty text first. Negative when `a` comes first,
// 0 when the texts are the same, positive when `b` does.
int compareListTexts(std::string_view a, std::string_view b);

// Whether a row of a list stays in view under a filter: every word of the filter occurs in
// one of the row's texts, whatever the case. A word typed without accents also finds
// accented letters ("lodz" finds "Łódź"); one typed with them finds only them.
bool rowMatchesFilter(const std::vector<std::string>& texts, std::string_view filter);

} // namespace tallar::editors
