#include "cli/NameList.h"

namespace tallar::cli {

const std::vector<std::string>& shippedNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> out;
        std::string_view text = shippedNamesText();
        while (!text.empty()) {
            const auto end = text.find('\n');
            std::string_view line = text.substr(0, end);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (!line.empty())
                out.emplace_back(line);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        }
        return out;
    }();
    return names;
}

} // namespace tallar::cli
