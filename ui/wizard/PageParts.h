#pragma once

class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace tallar::ui {

class StatusLine;

// The parts the wizard's page dialogs share.

// The foot of a page: the status line that says why the accepting button did nothing, the
// accepting button (the default) and, when the page may be cancelled, "Anuluj". The
// buttons call the dialog's accept and reject.
struct PageFoot {
    QHBoxLayout* layout;
    StatusLine* status;
    QPushButton* accept;
};
PageFoot newPageFoot(QDialog* dialog, const QString& acceptCaption, bool cancellable = true);

// The field of a k100 roll typed by hand: up to three digits, narrow.
QLineEdit* newRollField(const QString& text, QWidget* parent);

// A page that finds one thing by a k100 roll: the throw button and the roll field on the
// first row, what the roll found (read only) after its label on the second, the foot
// below. Lays out the dialog and gives it its first size.
struct RollPage {
    QPushButton* rollButton;
    QLineEdit* roll;
    QLineEdit* found;
    PageFoot foot;
};
RollPage newRollPage(QDialog* dialog, const QString& rollCaption, const QString& rollText,
                     const QString& foundLabel, const QString& acceptCaption);

} // namespace tallar::ui
