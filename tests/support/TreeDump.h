#pragma once

#include "model/Entry.h"

#include <charconv>
#include <string>

namespace tallar::test {

// One line per entry in tree order, indented by depth: label, kind, value, modifier, key
// and memo. A reference shows the info of its target, since identifiers differ per run.
inline void dumpTree(const CPoz& entry, int depth, std::string& out) {
    const std::string key = entry.specjal.starts_with('&')
                                ? "&" + (entry.target() ? entry.target()->info : std::string("?"))
                                : entry.specjal;
    char modifier[32];
    const auto end = std::to_chars(modifier, modifier + sizeof modifier, entry.modyfikator).ptr;
    out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + BuildLabel(entry) + " [" +
           std::to_string(entry.typ) + "|" + std::to_string(entry.wartosc) + "|" +
           std::string(modifier, end) + "|" + key + "|" + entry.memo + "]\n";
    for (const CPoz* child : entry.children())
        dumpTree(*child, depth + 1, out);
}

inline std::string dumpTree(const CPoz& entry) {
    std::string out;
    dumpTree(entry, 0, out);
    return out;
}

} // namespace tallar::test
