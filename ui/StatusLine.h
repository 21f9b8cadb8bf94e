#pragma once

#include <QLabel>

class QLineEdit;

namespace tallar::ui {

// The line at the foot of a dialog that says why its OK did nothing, or why a typed text
// was refused. The pages and editors compute the text; this only shows it.
class StatusLine : public QLabel {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent);

    // Shows `why` and puts the focus on `field` (null: none), bringing its tab and its
    // place in a scrolled form into view.
    void showReason(const QString& why, QWidget* field);
};

// Puts back a line's text after an edit was refused, the cursor where the refused
// characters began.
void putBackText(QLineEdit* line, const QString& kept);

// Brings a field into view (its tab, its place in a scrolled form) and gives it the focus.
void focusField(QWidget* field);

} // namespace tallar::ui
