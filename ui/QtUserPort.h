#pragma once

#include "base/UserPort.h"

class QWidget;

namespace tallar::ui {

// The user port of the desktop program: message boxes, questions, dice entry and pick
// lists as modal dialogs over `parent`.
class QtUserPort : public UserPort {
public:
    explicit QtUserPort(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showError(std::string_view text, std::string_view caption) override;
    bool askYesNo(std::string_view question, std::string_view caption) override;
    std::optional<int> askDie(int sides, std::string_view prompt) override;
    std::optional<std::vector<std::string>>
    pickRows(std::string_view caption, const PickTable& table, bool multiSelect) override;

private:
    QWidget* parent_;
};

} // namespace tallar::ui
