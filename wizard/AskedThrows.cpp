#include "wizard/AskedThrows.h"

namespace tallar {

void AskedThrows::record(std::string_view prompt, int sides, int result) {
    throws_.push_back({std::string(prompt), sides, result});
}

std::vector<std::string> AskedThrows::lastLines(std::size_t count) const {
    std::vector<std::string> lines;
    const std::size_t first = throws_.size() > count ? throws_.size() - count : 0;
    for (std::size_t i = first; i < throws_.size(); ++i)
        lines.push_back(std::to_string(i + 1) + ". " + throws_[i].prompt + ": " +
                        std::to_string(throws_[i].result));
    return lines;
}

} // namespace tallar
