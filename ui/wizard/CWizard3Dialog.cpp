#include "ui/wizard/CWizard3Dialog.h"

#include "ui/QtText.h"
#include "ui/StatusLine.h"
#include "ui/wizard/PageParts.h"
#include "ui/wizard/RequiredField.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tallar::ui {

CWizard3Dialog::CWizard3Dialog(CWizard3& page, QWidget* parent) : QDialog(parent), page_(page) {
    setWindowTitle(qs(CWizard3::kCaption));
    auto* grid = new QGridLayout;
    for (std::size_t slot = 0; slot < CWizard3::kSlots; ++slot) {
        auto* profession = new QComboBox(this);
        profession->setMinimumContentsLength(28);
        profession->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        auto* level = new QLineEdit(qs(page_.levelText(slot)), this);
        level->setMaximumWidth(90);
        level->setToolTip(QStringLiteral("Poziom profesji; znacznik specjalizacji po liczbie (np. "
                                         "5spec) w poziomie drugiej profesji otwiera "
                                         "trzecią i znosi limity poziomów."));
        const int row = static_cast<int>(slot);
        auto* label = new QLabel(QStringLiteral("Profesja %1:").arg(slot + 1), this);
        label->setBuddy(profession);
        grid->addWidget(label, row, 0);
        grid->addWidget(profession, row, 1);
        auto* levelLabel = new QLabel(QStringLiteral("Poziom:"), this);
        levelLabel->setBuddy(level);
        grid->addWidget(levelLabel, row, 2);
        grid->addWidget(level, row, 3);
        grid->setColumnStretch(1, 1);
        professions_[slot] = profession;
        levels_[slot] = level;

        connect(profession, &QComboBox::currentIndexChanged, this, [this, slot](int index) {
            page_.choose(slot, utf8(professions_[slot]->itemData(index).toString()));
            showState();
        });
        connect(level, &QLineEdit::textChanged, this, [this, slot](const QString& text) {
            if (utf8(text) != page_.levelText(slot))
                page_.setLevelText(slot, utf8(text));
            showState();
        });
    }

    const PageFoot foot = newPageFoot(this, QStringLiteral("OK"));
    ok_ = foot.accept;
    status_ = foot.status;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(foot.layout);
    resize(620, 200);

    showState();
}

QWidget* CWizard3Dialog::fieldOf(CWizard3::Field field) const {
    const auto index = static_cast<std::size_t>(field);
    const std::size_t slot = index / 2;
    return index % 2 == 0 ? static_cast<QWidget*>(professions_[slot]) : levels_[slot];
}

// Mirrors the page: the lists as offered now with their choices, the third profession
// open or closed, and every field red with its reason while it keeps OK from closing.
void CWizard3Dialog::showState() {
    for (std::size_t slot = 0; slot < CWizard3::kSlots; ++slot) {
        QComboBox* list = professions_[slot];
        {
            const QSignalBlocker quiet(list);
            list->clear();
            list->addItem(QString(), QString());
            for (const ProfessionItem& item : page_.offered(slot))
                list->addItem(qs(item.shown), qs(item.id));
            list->setCurrentIndex(std::max(0, list->findData(qs(page_.chosenId(slot)))));
            list->setEnabled(page_.enabled(slot));
        }
        QLineEdit* level = levels_[slot];
        if (level->text() != qs(page_.levelText(slot))) {
            const QSignalBlocker quiet(level);
            level->setText(qs(page_.levelText(slot)));
        }
        level->setEnabled(page_.enabled(slot));
    }
    for (CWizard3::Field field : CWizard3::kFields)
        markRequired(fieldOf(field), page_.problem(field));
    if (!status_->text().isEmpty()) {
        const auto first = page_.firstProblem();
        status_->setText(first ? qs(*page_.problem(*first)) : QString());
    }
}

void CWizard3Dialog::accept() {
    if (const auto first = page_.firstProblem()) {
        status_->showReason(qs(*page_.problem(*first)), fieldOf(*first));
        return;
    }
    if (page_.finish())
        QDialog::accept();
}

} // namespace tallar::ui
