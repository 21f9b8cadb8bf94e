#include "ui/wizard/CWizard2Dialog.h"

#include "ui/QtText.h"
#include "ui/StatusLine.h"
#include "ui/WindowMemory.h"
#include "ui/wizard/PageParts.h"
#include "ui/wizard/RequiredField.h"

#include <QLineEdit>
#include <QPushButton>

namespace tallar::ui {

CWizard2Dialog::CWizard2Dialog(CWizard2& page, QWidget* parent) : QDialog(parent), page_(page) {
    setWindowTitle(qs(CWizard2::kCaption));
    const RollPage parts =
        newRollPage(this, QStringLiteral("k100"), qs(page_.rollText()),
                    QStringLiteral("Miejsce urodzenia:"), QStringLiteral("Dalej"));
    rollButton_ = parts.rollButton;
    roll_ = parts.roll;
    place_ = parts.found;
    next_ = parts.foot.accept;
    status_ = parts.foot.status;
    rememberWindow(this, QStringLiteral("kreator/strona2"));

    connect(roll_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (utf8(text) != page_.rollText())
            page_.setRollText(utf8(text));
        showState();
    });
    connect(rollButton_, &QPushButton::clicked, this, [this] {
        page_.roll();
        showState();
    });
    showState();
}

void CWizard2Dialog::showState() {
    if (roll_->text() != qs(page_.rollText()))
        roll_->setText(qs(page_.rollText()));
    place_->setText(qs(page_.placeName()));
    markRequired(roll_, page_.missingReason());
    if (!status_->text().isEmpty())
        status_->setText(qs(page_.missingReason().value_or("")));
}

void CWizard2Dialog::accept() {
    if (const auto missing = page_.missingReason()) {
        status_->showReason(qs(*missing), roll_);
        return;
    }
    if (page_.finish())
        QDialog::accept();
}

} // namespace tallar::ui
