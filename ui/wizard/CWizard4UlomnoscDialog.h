#pragma once

#include "wizard/CWizard4.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tallar::ui {

class StatusLine;

// The dialog of step 4 ("Ułomność" or "Zdolność nadnaturalna"): a K100 roll, typed or
// thrown by its button, and what the roll finds in the race's table.
class CWizard4UlomnoscDialog : public QDialog {
    Q_OBJECT
public:
    CWizard4UlomnoscDialog(CWizard4Ulomnosc& page, QWidget* parent = nullptr);

    QLineEdit* rollField() const { return roll_; }
    QLineEdit* resultField() const { return result_; }
    QPushButton* rollButton() const { return rollButton_; }
    QPushButton* okButton() const { return ok_; }
    StatusLine* statusLine() const { return status_; }

    // How long the thrown roll stays in view before the dialog closes by itself.
    static constexpr int kShowThrowMs = 500;

    void accept() override;

private:
    void showState();

    CWizard4Ulomnosc& page_;
    QPushButton* rollButton_;
    QLineEdit* roll_;
    QLineEdit* result_;
    QPushButton* ok_;
    StatusLine* status_;
};

} // namespace tallar::ui
