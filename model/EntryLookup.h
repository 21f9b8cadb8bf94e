#pragma once

#include "model/Entry.h"

#include <array>
#include <string_view>

namespace tallar {

// An element of the look-up lists used while a tree is loaded: a link to a loaded entry.
class CRefX : public CPozycja<CRefX> {
public:
    explicit CRefX(CPoz& entry) : entry_(&entry) {}
    CPoz* entry() const { return entry_; }

private:
    CPoz* entry_;
};

// The entries of a tree being loaded, in 100 lists chosen by the last two digits of their
// identifiers, and the list of entries whose key text marks a reference still to be
// resolved.
class EntryLookup {
public:
    // Enters a loaded entry; one whose specjal begins with "&" is also pending.
    void enter(CPoz& entry);
    // The entered entry with exactly this identifier, or null.
    CPoz* find(std::string_view id) const;
    // Makes every pending entry refer to its target (with the link set) when the target was
    // entered; the others stay plain entries.
    void resolveReferences();

private:
    static std::size_t bucketOf(std::string_view id);

    std::array<CKolejka<CRefX>, 100> buckets_;
    CKolejka<CRefX> pending_;
};

} // namespace tallar
