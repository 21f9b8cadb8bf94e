#pragma once

#include "wizard/CWizard1.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tallar::ui {

class StatusLine;

// Page 1 of the creation wizard: shows the state of a CWizard1 and forwards what the
// person does; "Dalej" closes it only when the page has written the character.
class CWizard1Dialog : public QDialog {
    Q_OBJECT
public:
    CWizard1Dialog(CWizard1& page, QWidget* parent = nullptr);

    QComboBox* playerField() const { return player_; }
    QComboBox* stageField() const { return stage_; }
    QComboBox* alignmentField() const { return alignment_; }
    QLineEdit* nameField() const { return name_; }
    QLineEdit* rollField() const { return roll_; }
    QLineEdit* classField() const { return class_; }
    QPushButton* rollButton() const { return rollButton_; }
    QPushButton* nextButton() const { return next_; }
    QTreeWidget* professionList() const { return professions_; }
    StatusLine* statusLine() const { return status_; }
    // The control of a field of the page.
    QWidget* widgetOf(CWizard1::Field field) const;

    void accept() override;

private:
    void fillChoices(QComboBox* box, const std::vector<PageChoice>& list,
                     const std::string& chosen);
    void showState();

    CWizard1& page_;
    QComboBox* player_;
    QComboBox* stage_;
    QComboBox* alignment_;
    QLineEdit* name_;
    QLineEdit* roll_;
    QLineEdit* class_;
    QPushButton* rollButton_;
    QPushButton* next_;
    QTreeWidget* professions_;
    StatusLine* status_;
    bool showing_ = false;
};

} // namespace tallar::ui
