#pragma once

#include "wizard/CWizard2.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tallar::ui {

class StatusLine;

// Page 2 of the creation wizard: the place of birth from a K100 roll.
class CWizard2Dialog : public QDialog {
    Q_OBJECT
public:
    CWizard2Dialog(CWizard2& page, QWidget* parent = nullptr);

    QLineEdit* rollField() const { return roll_; }
    QLineEdit* placeField() const { return place_; }
    QPushButton* rollButton() const { return rollButton_; }
    QPushButton* nextButton() const { return next_; }
    StatusLine* statusLine() const { return status_; }

    void accept() override;

private:
    void showState();

    CWizard2& page_;
    QLineEdit* roll_;
    QLineEdit* place_;
    QPushButton* rollButton_;
    QPushButton* next_;
    StatusLine* status_;
};

} // namespace tallar::ui
