#include "ui/wizard/CWizard1Dialog.h"

#include "ui/QtText.h"
#include "ui/StatusLine.h"
#include "ui/WindowMemory.h"
#include "ui/wizard/PageParts.h"
#include "ui/wizard/RequiredField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tallar::ui {

CWizard1Dialog::CWizard1Dialog(CWizard1& page, QWidget* parent) : QDialog(parent), page_(page) {
    setWindowTitle(qs(CWizard1::kCaption));
    player_ = new QComboBox(this);
    player_->setEditable(true);
    for (const std::string& player : page_.players())
        player_->addItem(qs(player));
    player_->setCurrentIndex(-1);
    player_->setEditText(qs(page_.player()));
    stage_ = new QComboBox(this);
    alignment_ = new QComboBox(this);
    name_ = new QLineEdit(qs(page_.name()), this);
    rollButton_ = new QPushButton(QStringLiteral("k100"), this);
    roll_ = newRollField(qs(page_.rollText()), this);
    class_ = new QLineEdit(this);
    class_->setReadOnly(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Gracz:"), player_);
    form->addRow(QStringLiteral("Imię:"), name_);
    form->addRow(QStringLiteral("Rasa:"), stage_);
    form->addRow(QStringLiteral("Charakter:"), alignment_);
    auto* classRow = new QHBoxLayout;
    classRow->addWidget(rollButton_);
    classRow->addWidget(roll_);
    classRow->addWidget(class_, 1);
    form->addRow(QStringLiteral("Klasa społeczna:"), classRow);

    auto* frame = new QGroupBox(QStringLiteral("Dostępne profesje"), this);
    professions_ = new QTreeWidget(frame);
    professions_->setRootIsDecorated(false);
    professions_->setHeaderLabels({QStringLiteral("Profesja"), QStringLiteral("Limit Poz")});
    professions_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(professions_);

    const PageFoot foot = newPageFoot(this, QStringLiteral("Dalej"));
    next_ = foot.accept;
    status_ = foot.status;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(frame, 1);
    layout->addLayout(foot.layout);
    resize(520, 440);
    rememberWindow(this, QStringLiteral("kreator/strona1"));

    connect(player_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        const auto refused = page_.setPlayer(utf8(text));
        if (refused) {
            const QSignalBlocker quiet(player_);
            player_->setEditText(qs(page_.player()));
        }
        showState();
        if (refused)
            status_->showReason(qs(*refused), player_);
    });
    connect(name_, &QLineEdit::textChanged, this, [this](const QString& text) {
        const auto refused = page_.setName(utf8(text));
        if (refused) {
            const QSignalBlocker quiet(name_);
            putBackText(name_, qs(page_.name()));
        }
        showState();
        if (refused)
            status_->showReason(qs(*refused), name_);
    });
    connect(stage_, &QComboBox::currentIndexChanged, this, [this](int) {
        if (!showing_)
            page_.chooseStage(utf8(stage_->currentData().toString()));
        showState();
    });
    connect(alignment_, &QComboBox::currentIndexChanged, this, [this](int) {
        if (!showing_)
            page_.chooseAlignment(utf8(alignment_->currentData().toString()));
        showState();
    });
    connect(roll_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!showing_)
            page_.setRollText(utf8(text));
        showState();
    });
    connect(rollButton_, &QPushButton::clicked, this, [this] {
        page_.rollClass();
        showState();
    });
    showState();
}

void CWizard1Dialog::fillChoices(QComboBox* box, const std::vector<PageChoice>& list,
                                 const std::string& chosen) {
    box->clear();
    // The empty first item clears the choice, so the other list offers everything again.
    box->addItem(QString(), QString());
    for (const PageChoice& choice : list)
        box->addItem(qs(choice.text), qs(choice.id));
    box->setCurrentIndex(std::max(0, box->findData(qs(chosen))));
}

void CWizard1Dialog::showState() {
    if (showing_)
        return;
    showing_ = true;
    fillChoices(stage_, page_.stages(), page_.stageId());
    fillChoices(alignment_, page_.alignments(), page_.alignmentId());
    if (roll_->text() != qs(page_.rollText()))
        roll_->setText(qs(page_.rollText()));
    class_->setText(qs(page_.className()));
    professions_->clear();
    for (const OpenProfession& profession : page_.professions())
        professions_->addTopLevelItem(
            new QTreeWidgetItem({qs(profession.name), qs(profession.levelLimit)}));
    for (CWizard1::Field field : CWizard1::kFields)
        markRequired(widgetOf(field), page_.missingReason(field));
    // A reason shown for "Dalej" follows the page: the next missing field, or none.
    if (!status_->text().isEmpty()) {
        const auto missing = page_.firstMissing();
        status_->setText(missing ? qs(*page_.missingReason(*missing)) : QString());
    }
    showing_ = false;
}

QWidget* CWizard1Dialog::widgetOf(CWizard1::Field field) const {
    switch (field) {
    case CWizard1::Field::Player:
        return player_;
    case CWizard1::Field::Name:
        return name_;
    case CWizard1::Field::Stage:
        return stage_;
    case CWizard1::Field::Alignment:
        return alignment_;
    case CWizard1::Field::Roll:
        break;
    }
    return roll_;
}

void CWizard1Dialog::accept() {
    // An incomplete page stays open and says which field keeps it.
    if (const auto missing = page_.firstMissing()) {
        status_->showReason(qs(*page_.missingReason(*missing)), widgetOf(*missing));
        return;
    }
    if (page_.finish())
        QDialog::accept();
}

} // namespace tallar::ui
