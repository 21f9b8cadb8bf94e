#pragma once

#include "model/Entry.h"

namespace tallar {

// An element of the look-up lists used while a tree is loaded: a link to a loaded entry
// (one whose reference is still to be resolved).
class CRefX : public CPozycja<CRefX> {
public:
    explicit CRefX(CPoz& entry) : entry_(&entry) {}
    CPoz* entry() const { return entry_; }

private:
    CPoz* entry_;
};

} // namespace tallar
