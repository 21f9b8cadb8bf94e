#include "ui/wizard/CWizard2Dialog.h"

#include "ui/QtText.h"
#include "ui/StatusLine.h"
#include "ui/WindowMemory.h"
#include "ui/wizard/RequiredField.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tallar::ui {

CWizard2Dialog::CWizard2Dialog(CWizard2& page, QWidget* parent) : QDialog(parent), page_(page) {
    setWindowTitle(qs(CWizard2::kCaption));
    rollButton_ = new QPushButton(QStringLiteral("k100"), this);
    roll_ = new QLineEdit(qs(page_.rollText()), this);
    roll_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), roll_));
    roll_->setMaximumWidth(60);
    place_ = new QLineEdit(this);
    place_->setReadOnly(true);
    next_ = new QPushButton(QStringLiteral("Dalej"), this);
    next_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);

    auto* rollRow = new QHBoxLayout;
    rollRow->addWidget(rollButton_);
    rollRow->addWidget(roll_);
    rollRow->addStretch();
    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(new QLabel(QStringLiteral("Miejsce urodzenia:"), this));
    placeRow->addWidget(place_, 1);
    status_ = new StatusLine(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(next_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rollRow);
    layout->addLayout(placeRow);
    layout->addLayout(buttons);
    resize(420, 150);
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
    connect(next_, &QPushButton::clicked, this, &CWizard2Dialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CWizard2Dialog::reject);
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
