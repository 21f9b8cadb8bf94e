#pragma once

#include "wizard/DiceEntry.h"

#include <QDialog>

#include <optional>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace tallar {
class AskedThrows;
}

namespace tallar::ui {

class StatusLine;

// What the two dice-entry dialogs share: an entry for the throw of the shown die (red
// while it is not a face of that die, white when it is), a roll button that throws for the
// person, and an OK that is refused while the entry is invalid. A die entered through a
// larger one says so ("K5: wpisz wynik rzutu K10, zostanie podzielony przez 2") and shows
// what the entry gives.
class DiceEntryDialog : public QDialog {
    Q_OBJECT
public:
    // The die's result accepted with OK (the entered throw divided and rounded up).
    int result() const { return result_; }
    const DiceEntry& entry() const { return entry_; }

    QLineEdit* entryField() const { return edit_; }
    QPushButton* rollButton() const { return roll_; }
    QPushButton* okButton() const { return ok_; }
    StatusLine* statusLine() const { return status_; }

    // The pause between a throw of the roll button and its OK (500 ms), so the throw can be
    // seen; tests shorten it.
    void setRollPause(int milliseconds) { rollPause_ = milliseconds; }

    void accept() override;

protected:
    DiceEntryDialog(int sides, const QString& caption, QWidget* parent);

    // Called after every change of the entry.
    virtual void entryChanged() {}

    QVBoxLayout* body() const { return body_; }
    QHBoxLayout* buttonRow() const { return buttons_; }
    void addCancelButton();

private:
    void updateEntry(const QString& text);
    void roll();

    DiceEntry entry_;
    QVBoxLayout* body_;
    QHBoxLayout* buttons_;
    QLineEdit* edit_;
    QPushButton* roll_;
    QPushButton* ok_;
    QPushButton* cancel_ = nullptr;
    QLabel* gives_ = nullptr; // what the entry gives, when it is divided
    StatusLine* status_ = nullptr;
    int result_ = 0;
    int rollPause_ = 500;
};

// The dice entry of an asked throw: the prompt as caption, no way to cancel. Asked within
// a character's run (`throws` given) it says which throw of the character this is and
// shows the throws so far, and offers "Rzucaj dalej automatycznie": the program throws
// this and every further throw of the run.
class CKxxAsk : public DiceEntryDialog {
    Q_OBJECT
public:
    static constexpr const char* kThrowTheRest = "Rzucaj dalej automatycznie";

    CKxxAsk(int sides, const QString& prompt, QWidget* parent = nullptr,
            const AskedThrows* throws = nullptr);

    // A dice entry cannot be cancelled: Escape and the close box do nothing.
    void reject() override {}

    QPushButton* throwTheRestButton() const { return throwTheRest_; }
    // Whether the person left this and the further throws to the program.
    bool throwsLeftToTheProgram() const { return leftToTheProgram_; }

    // Shows the dialog until it ends with OK, giving the die's result, or with "Rzucaj
    // dalej automatycznie", giving nothing.
    static std::optional<int> ask(int sides, const QString& prompt, QWidget* parent = nullptr,
                                  const AskedThrows* throws = nullptr);

private:
    QPushButton* throwTheRest_ = nullptr;
    bool leftToTheProgram_ = false;
};

// The dice entry of a wizard page: a caption, a label and a read-only field that shows what
// the current entry would give (the page's lookUp), with OK and Cancel.
class CWizardKxx : public DiceEntryDialog {
    Q_OBJECT
public:
    CWizardKxx(int sides, const QString& caption, const QString& label, QWidget* parent = nullptr);

    QLineEdit* resultField() const { return resultField_; }

protected:
    // The text shown for the number entered (as typed, before any division); none by
    // default. Pages override it.
    virtual QString lookUp(int entered) const;
    void showEvent(QShowEvent* event) override;
    void entryChanged() override;

private:
    QLabel* label_;
    QLineEdit* resultField_;
};

} // namespace tallar::ui
