#include "ui/wizard/CWizard4UlomnoscDialog.h"

#include "ui/QtText.h"
#include "ui/StatusLine.h"
#include "ui/wizard/RequiredField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

namespace tallar::ui {

CWizard4UlomnoscDialog::CWizard4UlomnoscDialog(CWizard4Ulomnosc& page, QWidget* parent)
    : QDialog(parent), page_(page) {
    setWindowTitle(qs(page_.caption()));
    rollButton_ = new QPushButton(QStringLiteral("K100"), this);
    roll_ = new QLineEdit(qs(page_.rollText()), this);
    roll_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), roll_));
    roll_->setMaximumWidth(60);
    result_ = new QLineEdit(this);
    result_->setReadOnly(true);
    auto* label = new QLabel(qs(page_.label()), this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);

    auto* rollRow = new QHBoxLayout;
    rollRow->addWidget(rollButton_);
    rollRow->addWidget(roll_);
    rollRow->addStretch();
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(label);
    resultRow->addWidget(result_, 1);
    status_ = new StatusLine(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rollRow);
    layout->addLayout(resultRow);
    layout->addLayout(buttons);
    resize(420, 150);

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
    connect(ok_, &QPushButton::clicked, this, &CWizard4UlomnoscDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CWizard4UlomnoscDialog::reject);
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
