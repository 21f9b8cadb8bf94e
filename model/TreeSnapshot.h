#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace tallar {

class CIstota;
class CPoz;

// A copy of a character's whole state that can be put back: its four names and every entry
// of its tree with its identifier, data, total, target link and the references it makes.
// Putting it back rebuilds the tree with the same identifiers, so entries can be found again
// by identifier afterwards; references to entries outside the tree are not kept (they stay
// plain entries with their "&" text, as after loading). A private target an entry owns is
// copied with it.
class CharacterSnapshot {
public:
    CharacterSnapshot();
    ~CharacterSnapshot();
    CharacterSnapshot(CharacterSnapshot&&) noexcept;
    CharacterSnapshot& operator=(CharacterSnapshot&&) noexcept;

    static CharacterSnapshot capture(const CIstota& character);
    // Replaces the character's names and tree with the captured ones and links its fixed
    // top-level entries again. Every entry of the old tree is destroyed.
    void restore(CIstota& character) const;

    // The number of entries below the character.
    std::size_t entryCount() const;

    struct Tree;

private:
    std::string imie_, rasa_, prof_, gracz_;
    std::unique_ptr<Tree> tree_;
};

} // namespace tallar
