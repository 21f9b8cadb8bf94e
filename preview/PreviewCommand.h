#pragma once

#include "model/TreeSnapshot.h"

#include <functional>
#include <string>

namespace tallar {

class CIstota;

// One change made in the preview, which can be undone and done again until the window
// closes. The first redo() runs the change between two snapshots of the character; undo()
// puts the first back, a later redo() the second. Engine steps change many entries at once,
// so whole snapshots are kept rather than the inverse of each change.
class PreviewCommand {
public:
    // The change; returns whether it changed anything (false: a cancelled dialog). A change
    // that returns false is undone at once, so a page cancelled halfway leaves no trace.
    using Action = std::function<bool()>;
    // Called before and after the character's tree is replaced by a snapshot.
    struct Hooks {
        std::function<void()> aboutToRestore, restored;
    };

    PreviewCommand(CIstota& hero, std::string text, Action action, Hooks hooks = {});

    void redo();
    void undo();

    // Whether the first redo changed the character; a command that did not is dropped.
    bool changed() const { return changed_; }
    // What the command does, for "Cofnij …" and "Ponów …": "Usunięcie „Miecz”".
    const std::string& text() const { return text_; }

private:
    void restore(const CharacterSnapshot& snapshot);

    CIstota& hero_;
    std::string text_;
    Action action_;
    Hooks hooks_;
    CharacterSnapshot before_, after_;
    bool done_ = false;
    bool changed_ = false;
};

} // namespace tallar
