#pragma once

#include <string_view>
#include <vector>

namespace tallar {

// A text file built into the program: its name and its UTF-8 content.
struct EmbeddedFile {
    std::string_view name;
    std::string_view text;
};

// The SQL files of the sample rules set, in the order of their names. The source that
// defines this is generated at build time from data/sample-rules.
const std::vector<EmbeddedFile>& sampleRulesFiles();

} // namespace tallar
