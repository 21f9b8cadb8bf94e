#pragma once

#include "base/UserPort.h"

#include <deque>
#include <iosfwd>
#include <string>
#include <vector>

namespace tallar {

// A port without a person: errors go to a stream (standard error by default) and are kept,
// answers come from queues filled beforehand, or from the defaults when a queue is empty.
// Serves the command line (automatic answers) and the tests (scripted answers).
class NonInteractiveUserPort : public UserPort {
public:
    struct ShownError {
        std::string text;
        std::string caption;
    };

    NonInteractiveUserPort();
    explicit NonInteractiveUserPort(std::ostream* errors);

    void showError(std::string_view text, std::string_view caption) override;
    bool askYesNo(std::string_view question, std::string_view caption) override;
    std::optional<int> askDie(int sides, std::string_view prompt) override;
    std::optional<std::vector<std::string>>
    pickRows(std::string_view caption, const PickTable& table, bool multiSelect) override;

    // Scripted answers, used in order before the defaults.
    void queueYesNo(bool answer) { yesNo_.push_back(answer); }
    void queueDie(std::optional<int> face) { dice_.push_back(face); }
    void queuePick(std::optional<std::vector<std::string>> ids) {
        picks_.push_back(std::move(ids));
    }

    // Answer given to a question when no scripted answer is left.
    void setDefaultYesNo(bool answer) { defaultYesNo_ = answer; }

    const std::vector<ShownError>& errors() const { return errors_; }
    const std::vector<std::string>& questions() const { return questions_; }
    const std::vector<std::string>& diePrompts() const { return diePrompts_; }

private:
    std::ostream* errorStream_;
    bool defaultYesNo_ = true;
    std::deque<bool> yesNo_;
    std::deque<std::optional<int>> dice_;
    std::deque<std::optional<std::vector<std::string>>> picks_;
    std::vector<ShownError> errors_;
    std::vector<std::string> questions_;
    std::vector<std::string> diePrompts_;
};

} // namespace tallar
