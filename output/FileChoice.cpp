#include "output/FileChoice.h"

namespace tallar {

std::vector<FileFilter> parseFileFilter(std::string_view filter) {
    std::vector<std::string_view> parts;
    while (!filter.empty()) {
        const auto bar = filter.find('|');
        parts.push_back(filter.substr(0, bar));
        filter = bar == std::string_view::npos ? std::string_view() : filter.substr(bar + 1);
    }
    std::vector<FileFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2) {
        FileFilter entry{std::string(parts[i]), {}};
        std::string_view patterns = parts[i + 1];
        while (!patterns.empty()) {
            const auto semicolon = patterns.find(';');
            if (const auto pattern = patterns.substr(0, semicolon); !pattern.empty())
                entry.patterns.emplace_back(pattern);
            patterns = semicolon == std::string_view::npos ? std::string_view()
                                                           : patterns.substr(semicolon + 1);
        }
        filters.push_back(std::move(entry));
    }
    return filters;
}

std::string withDefaultExtension(std::string_view path, std::string_view extension) {
    // The file name is what follows the last separator; a leading dot starts a name
    // (".postac"), not an extension.
    const auto separator = path.find_last_of("/\\");
    const std::string_view name =
        separator == std::string_view::npos ? path : path.substr(separator + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0)
        return std::string(path);
    return std::string(path) + std::string(extension);
}

} // namespace tallar
