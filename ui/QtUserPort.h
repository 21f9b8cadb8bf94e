#pragma once

#include "base/UserPort.h"
#include "wizard/AskedThrows.h"

class QWidget;

namespace tallar::ui {

// The user port of the desktop program: message boxes, questions, dice entry and pick
// lists as modal dialogs over `parent`. It keeps the throws asked through it: a port made
// for one character's run shows them in each dice entry, and once the person chooses
// "Rzucaj dalej automatycznie" it asks no more (the program throws).
class QtUserPort : public UserPort {
public:
    explicit QtUserPort(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showError(std::string_view text, std::string_view caption) override;
    bool askYesNo(std::string_view question, std::string_view caption) override;
    std::optional<int> askDie(int sides, std::string_view prompt) override;
    std::optional<std::vector<std::string>>
    pickRows(std::string_view caption, const PickTable& table, bool multiSelect) override;

    const AskedThrows& askedThrows() const { return throws_; }

private:
    QWidget* parent_;
    AskedThrows throws_;
};

} // namespace tallar::ui
