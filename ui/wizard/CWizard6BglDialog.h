#pragma once

#include "wizard/CWizard6Bgl.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tallar::ui {

class StatusLine;

// The proficiency dialog of one weapon group: the training roll and the proficiencies spent
// on it, specialisation and two-handedness with their costs, the free proficiencies left.
// In the creation wizard it has only OK; `cancellable` adds "Anuluj" for a stored character.
class CWizard6BglDialog : public QDialog {
    Q_OBJECT
public:
    CWizard6BglDialog(CWizard6Bgl& training, QWidget* parent = nullptr, bool cancellable = false);

    QPushButton* rollButton() const { return rollButton_; }
    QLineEdit* rollField() const { return roll_; }
    QLineEdit* spentField() const { return spent_; }
    QComboBox* specialisationField() const { return specialisation_; }
    QComboBox* ambidexterityField() const { return ambidexterity_; }
    QLineEdit* leftField() const { return left_; }
    StatusLine* statusLine() const { return status_; }

    void accept() override;
    void reject() override;

private:
    void showState();

    CWizard6Bgl& training_;
    bool cancellable_;
    bool showing_ = false;
    QPushButton* rollButton_;
    QLineEdit* roll_;
    QLineEdit* spent_;
    QComboBox* specialisation_;
    QLineEdit* specialisationCost_;
    QComboBox* ambidexterity_;
    QLineEdit* ambidexterityCost_;
    QLineEdit* left_;
    StatusLine* status_;
};

} // namespace tallar::ui
