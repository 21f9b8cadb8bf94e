#include "preview/PreviewCommand.h"

#include "model/Character.h"

namespace tallar {

PreviewCommand::PreviewCommand(CIstota& hero, std::string text, Action action, Hooks hooks)
    : hero_(hero), text_(std::move(text)), action_(std::move(action)), hooks_(std::move(hooks)) {}

void PreviewCommand::restore(const Snapshot& snapshot) {
    if (hooks_.aboutToRestore)
        hooks_.aboutToRestore();
    snapshot->restore(hero_);
    if (hooks_.restored)
        hooks_.restored();
}

void PreviewCommand::redo() {
    if (done_) {
        restore(after_);
        return;
    }
    done_ = true;
    before_ = hooks_.current ? hooks_.current() : nullptr;
    if (!before_)
        before_ = std::make_shared<const CharacterSnapshot>(CharacterSnapshot::capture(hero_));
    changed_ = action_();
    action_ = {};
    if (!changed_) {
        restore(before_);
        return;
    }
    after_ = std::make_shared<const CharacterSnapshot>(CharacterSnapshot::capture(hero_));
    if (hooks_.changedTo)
        hooks_.changedTo(after_);
}

void PreviewCommand::undo() {
    restore(before_);
}

} // namespace tallar
