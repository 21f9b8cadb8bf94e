#include "ui/wizard/CWizard4UlomnoscDialog.h"

#include "ui/QtText.h"
#include "ui/StatusLine.h"
#include "ui/wizard/PageParts.h"
#include "ui/wizard/RequiredField.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace tallar::ui {

CWizard4UlomnoscDialog::CWizard4UlomnoscDialog(CWizard4Ulomnosc& page, QWidget* parent)
    : QDialog(parent), page_(page) {
    setWindowTitle(qs(page_.caption()));
    const RollPage parts = newRollPage(this, QStringLiteral("K100"), qs(page_.rollText()),
                                       qs(page_.label()), QStringLiteral("OK"));
    rollButton_ = parts.rollButton;
    roll_ = parts.roll;
    result_ = parts.found;
    ok_ = parts.foot.accept;
    status_ = parts.foot.status;

    connect(roll_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (utf8(text) != page_.rollText())
            page_.setRollText(utf8(text));
        showState();
    });
    // The thrown roll and what it finds stay in view a moment, then the dialog closes.
    connect(rollButton_, &QPushButton::clicked, this, [this] {
        page_.roll();
        showState();
        repaint();
        rollButton_->setEnabled(false);
        QTimer::singleShot(kShowThrowMs, this, &CWizard4UlomnoscDialog::accept);
    });
    showState();
}

void CWizard4UlomnoscDialog::showState() {
    if (roll_->text() != qs(page_.rollText()))
        roll_->setText(qs(page_.rollText()));
    // A roll no range holds finds nothing: OK then adds nothing.
    const bool nothing = !page_.missingReason() && page_.foundId().empty();
    result_->setText(nothing ? QStringLiteral("(nic)") : qs(page_.foundName()));
    markRequired(roll_, page_.rollInvalid() ? page_.missingReason() : std::nullopt);
    if (!status_->text().isEmpty())
        status_->setText(qs(page_.missingReason().value_or("")));
}

void CWizard4UlomnoscDialog::accept() {
    if (const auto missing = page_.missingReason()) {
        status_->showReason(qs(*missing), roll_);
        return;
    }
    if (page_.finish())
        QDialog::accept();
}

} // namespace tallar::ui
