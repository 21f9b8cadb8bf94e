#include "ui/wizard/CWizard2Dialog.h"

#include "ui/QtText.h"
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
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rollRow);
    layout->addLayout(placeRow);
    layout->addLayout(buttons);
    resize(380, 140);

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
    markRequired(roll_, page_.rollMissing());
}

void CWizard2Dialog::accept() {
    if (page_.finish())
        QDialog::accept();
}

} // namespace tallar::ui
