#include "model/TreeDepth.h"

#include <unordered_map>

namespace tallar {

std::optional<std::size_t> firstEntryTooDeep(const std::vector<EntryLink>& links, int maxDepth) {
    std::unordered_map<std::string_view, std::size_t> index;
    index.reserve(links.size());
    for (std::size_t i = 0; i < links.size(); ++i)
        index.emplace(links[i].id, i);

    constexpr long long kUnknown = -1;
    constexpr long long kOnPath = -2;
    std::vector<long long> depth(links.size(), kUnknown);
    std::vector<std::size_t> path;
    for (std::size_t start = 0; start < links.size(); ++start) {
        // Climb to an entry of known depth, a root or a cycle, then number the way back down:
        // every entry is climbed over once.
        path.clear();
        std::size_t at = start;
        while (depth[at] == kUnknown) {
            const EntryLink& link = links[at];
            const auto parent = link.id == link.parentId ? index.end() : index.find(link.parentId);
            if (parent == index.end()) {
                depth[at] = 0;
                break;
            }
            depth[at] = kOnPath;
            path.push_back(at);
            at = parent->second;
        }
        long long below = depth[at] == kOnPath ? 0 : depth[at];
        for (auto entry = path.rbegin(); entry != path.rend(); ++entry)
            depth[*entry] = ++below;
    }
    for (std::size_t i = 0; i < links.size(); ++i)
        if (depth[i] > maxDepth)
            return i;
    return std::nullopt;
}

} // namespace tallar
