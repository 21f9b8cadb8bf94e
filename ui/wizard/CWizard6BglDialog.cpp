#include "ui/wizard/CWizard6BglDialog.h"

#include "ui/QtText.h"
#include "ui/StatusLine.h"
#include "ui/wizard/PageParts.h"
#include "ui/wizard/RequiredField.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tallar::ui {

namespace {

QLineEdit* numberField(QWidget* parent, int digits) {
    auto* field = new QLineEdit(parent);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), field));
    field->setMaximumWidth(70);
    return field;
}

QLineEdit* shownField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setMaximumWidth(70);
    return field;
}

void fillList(QComboBox* box, const std::vector<std::string>& items, std::size_t chosen) {
    box->clear();
    for (const std::string& item : items)
        box->addItem(qs(item));
    box->setCurrentIndex(static_cast<int>(chosen));
}

} // namespace

CWizard6BglDialog::CWizard6BglDialog(CWizard6Bgl& training, QWidget* parent, bool cancellable)
    : QDialog(parent), training_(training), cancellable_(cancellable) {
    setWindowTitle(qs(training_.caption()));
    rollButton_ = new QPushButton(qs(training_.rollButtonCaption()), this);
    roll_ = numberField(this, 3);
    spent_ = numberField(this, 4);
    specialisation_ = new QComboBox(this);
    specialisation_->setMinimumContentsLength(22);
    specialisationCost_ = shownField(this);
    ambidexterity_ = new QComboBox(this);
    ambidexterity_->setMinimumContentsLength(22);
    ambidexterityCost_ = shownField(this);
    left_ = shownField(this);

    auto* grid = new QGridLayout;
    grid->addWidget(rollButton_, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Biegłość:"), this), 0, 1);
    grid->addWidget(roll_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("ilość.bgł."), this), 0, 3);
    grid->addWidget(spent_, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("Specjalizacja:"), this), 1, 0);
    grid->addWidget(specialisation_, 1, 1, 1, 3);
    grid->addWidget(specialisationCost_, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Oburęczność:"), this), 2, 0);
    grid->addWidget(ambidexterity_, 2, 1, 1, 3);
    grid->addWidget(ambidexterityCost_, 2, 4);
    grid->addWidget(new QLabel(QStringLiteral("Pozostało wolnych biegłości:"), this), 3, 0, 1, 4,
                    Qt::AlignRight);
    grid->addWidget(left_, 3, 4);

    const PageFoot foot = newPageFoot(this, QStringLiteral("OK"), cancellable_);
    status_ = foot.status;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(foot.layout);

    // A group trained before shows its training as it is.
    roll_->setReadOnly(training_.trainedBefore());
    spent_->setReadOnly(training_.trainedBefore());
    rollButton_->setEnabled(!training_.trainedBefore());

    connect(rollButton_, &QPushButton::clicked, this, [this] {
        training_.roll();
        showState();
    });
    connect(roll_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!showing_)
            training_.setRollText(utf8(text));
        showState();
    });
    connect(spent_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!showing_)
            training_.setSpentText(utf8(text));
        showState();
    });
    connect(specialisation_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0)
            training_.chooseSpecialisation(static_cast<std::size_t>(index));
        showState();
    });
    connect(ambidexterity_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0)
            training_.chooseAmbidexterity(static_cast<std::size_t>(index));
        showState();
    });
    showState();
}

void CWizard6BglDialog::showState() {
    if (showing_)
        return;
    showing_ = true;
    if (roll_->text() != qs(training_.rollText()))
        roll_->setText(qs(training_.rollText()));
    if (spent_->text() != qs(training_.spentText()))
        spent_->setText(qs(training_.spentText()));
    fillList(specialisation_, training_.specialisationItems(), training_.specialisation());
    fillList(ambidexterity_, training_.ambidexterityItems(), training_.ambidexterity());
    specialisationCost_->setText(QString::number(training_.specialisationCost()));
    ambidexterityCost_->setText(QString::number(training_.ambidexterityCost()));
    left_->setText(QString::number(training_.left()));
    markRequired(roll_, training_.rollValid()
                            ? std::nullopt
                            : std::optional<std::string>("Wynik rzutu szkolenia: od 1 do 100."));
    markRequired(spent_, training_.spentValid()
                             ? std::nullopt
                             : std::optional<std::string>("Ilość biegłości na szkolenie: od 1 do " +
                                                          std::to_string(training_.free()) + "."));
    if (!status_->text().isEmpty())
        status_->setText(qs(training_.blocker().value_or("")));
    showing_ = false;
}

void CWizard6BglDialog::accept() {
    if (const auto blocked = training_.blocker()) {
        status_->showReason(qs(*blocked), training_.rollValid() ? spent_ : roll_);
        return;
    }
    if (training_.finish())
        QDialog::accept();
}

void CWizard6BglDialog::reject() {
    // In the creation wizard the group is trained before the run goes on.
    if (cancellable_)
        QDialog::reject();
}

} // namespace tallar::ui
