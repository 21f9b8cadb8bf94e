#include "preview/PreviewCommand.h"

#include "model/Character.h"

namespace tallar {

PreviewCommand::PreviewCommand(CIstota& hero, std::string text, Action action, Restored restored)
    : hero_(hero), text_(std::move(text)), action_(std::move(action)),
      restored_(std::move(restored)) {}

void PreviewCommand::redo() {
    if (done_) {
        after_.restore(hero_);
        if (restored_)
            restored_();
        return;
    }
    done_ = true;
    before_ = CharacterSnapshot::capture(hero_);
    changed_ = action_();
    action_ = {};
    if (!changed_) {
        before_.restore(hero_);
        if (restored_)
            restored_();
        return;
    }
    after_ = CharacterSnapshot::capture(hero_);
}

void PreviewCommand::undo() {
    before_.restore(hero_);
    if (restored_)
        restored_();
}

} // namespace tallar
