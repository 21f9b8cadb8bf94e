#pragma once

#include "model/TreeSnapshot.h"

#include <functional>
#include <memory>
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
    using Snapshot = std::shared_ptr<const CharacterSnapshot>;
    struct Hooks {
        // Called before and after the character's tree is replaced by a snapshot.
        std::function<void()> aboutToRestore, restored;
        // The character as it stands, when a snapshot of it is at hand (the state after the
        // previous change, which this one then shares instead of copying); null otherwise.
        std::function<Snapshot()> current;
        // Called with the state the first redo left, when it changed something.
        std::function<void(const Snapshot&)> changedTo;
    };

    PreviewCommand(CIstota& hero, std::string text, Action action, Hooks hooks = {});

    void redo();
    void undo();

    // Whether the first redo changed the character; a command that did not is dropped.
    bool changed() const { return changed_; }
    // What the command does, for "Cofnij …" and "Ponów …": "Usunięcie „Miecz”".
    const std::string& text() const { return text_; }

private:
    void restore(const Snapshot& snapshot);

    CIstota& hero_;
    std::string text_;
    Action action_;
    Hooks hooks_;
    Snapshot before_, after_;
    bool done_ = false;
    bool changed_ = false;
};

} // namespace tallar
