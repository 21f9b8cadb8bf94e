#pragma once

#include "rules/engine/LevelAdvancement.h"
#include "wizard/AskedThrows.h"

#include <QDialog>

#include <array>
#include <string>

class QPushButton;
class QRadioButton;

namespace tallar::ui {

// A new experience level of a profession: the character's values, and the resistance the
// level's K10 goes to (the lower base resistance proposed). It has no cancel: closing it
// keeps the choice shown.
class CProfesjaAwans : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Poziom doświadczenia";

    explicit CProfesjaAwans(const LevelAdvancement& level, QWidget* parent = nullptr);

    // The choice: 25 fields joined by "|", "K10" in the chosen one.
    std::string choice() const;

    // The button of a field that may take the K10 (null for the others).
    QRadioButton* choiceButton(std::size_t field) const { return buttons_.at(field); }
    QPushButton* okButton() const { return ok_; }

    void reject() override { accept(); }

private:
    std::array<QRadioButton*, levelField::kCount> buttons_{};
    QPushButton* ok_;
};

// Shows CProfesjaAwans for every new level while throws are asked of the person; once the
// person has left the throws to the program (`throws`), the proposal is taken unseen.
class QtLevelAdvancement : public LevelAdvancementChooser {
public:
    explicit QtLevelAdvancement(QWidget* parent, const AskedThrows* throws = nullptr)
        : parent_(parent), throws_(throws) {}
    std::optional<std::string> ChooseAdvancement(const LevelAdvancement& level) override;

private:
    QWidget* parent_;
    const AskedThrows* throws_;
};

} // namespace tallar::ui
