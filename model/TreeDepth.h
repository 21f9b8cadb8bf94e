#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace tallar {

// How deep a character's entries may lie below its root (the root's own entries lie at
// depth 1). The character file refuses deeper trees on import and on export: no character
// needs them, and the outline of such a tree grows with the square of its depth. Loading,
// evaluating, showing and saving work at any depth.
inline constexpr int kMaxEntryDepth = 1000;

// A stored entry as its row names it: its identifier and its parent's.
struct EntryLink {
    std::string_view id;
    std::string_view parentId;
};

// The index of the first entry (in the order given) lying deeper than `maxDepth` below its
// root, or nothing. A root names itself as its parent or names a parent that is not among
// the links; entries whose parents go round in a cycle are counted from the cycle.
std::optional<std::size_t> firstEntryTooDeep(const std::vector<EntryLink>& links,
                                             int maxDepth = kMaxEntryDepth);

} // namespace tallar
