#include "base/NonInteractiveUserPort.h"

#include <iostream>

namespace tallar {

NonInteractiveUserPort::NonInteractiveUserPort() : errorStream_(&std::cerr) {}

NonInteractiveUserPort::NonInteractiveUserPort(std::ostream* errors) : errorStream_(errors) {}

void NonInteractiveUserPort::showError(std::string_view text, std::string_view caption) {
    errors_.push_back({std::string(text), std::string(caption)});
    if (!errorStream_)
        return;
    if (!caption.empty())
        *errorStream_ << caption << ": ";
    *errorStream_ << text << '\n';
}

bool NonInteractiveUserPort::askYesNo(std::string_view question, std::string_view) {
    questions_.emplace_back(question);
    if (yesNo_.empty())
        return defaultYesNo_;
    const bool answer = yesNo_.front();
    yesNo_.pop_front();
    return answer;
}

std::optional<int> NonInteractiveUserPort::askDie(int, std::string_view prompt) {
    diePrompts_.emplace_back(prompt);
    if (dice_.empty())
        return std::nullopt;
    const auto face = dice_.front();
    dice_.pop_front();
    return face;
}

std::optional<std::vector<std::string>>
NonInteractiveUserPort::pickRows(std::string_view, const PickTable& table, bool multiSelect) {
    if (!picks_.empty()) {
        auto ids = std::move(picks_.front());
        picks_.pop_front();
        return ids;
    }
    // Without a script the first row is taken, as a person pressing OK at once would.
    std::vector<std::string> ids;
    if (!table.rows.empty() && !table.rows.front().empty())
        ids.push_back(table.rows.front().front());
    (void)multiSelect;
    return ids;
}

} // namespace tallar
