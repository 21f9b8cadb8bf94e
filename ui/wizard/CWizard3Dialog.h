#pragma once

#include "wizard/CWizard3.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tallar::ui {

class StatusLine;

// Page 3 of the creation wizard: up to three professions with their levels. Each list
// offers an empty item first, for no profession.
class CWizard3Dialog : public QDialog {
    Q_OBJECT
public:
    CWizard3Dialog(CWizard3& page, QWidget* parent = nullptr);

    QComboBox* professionField(std::size_t slot) const { return professions_.at(slot); }
    QLineEdit* levelField(std::size_t slot) const { return levels_.at(slot); }
    QPushButton* okButton() const { return ok_; }
    StatusLine* statusLine() const { return status_; }

    void accept() override;

private:
    void showState();
    QWidget* fieldOf(CWizard3::Field field) const;

    CWizard3& page_;
    std::array<QComboBox*, CWizard3::kSlots> professions_{};
    std::array<QLineEdit*, CWizard3::kSlots> levels_{};
    QPushButton* ok_;
    StatusLine* status_;
};

} // namespace tallar::ui
