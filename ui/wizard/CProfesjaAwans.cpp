#include "ui/wizard/CProfesjaAwans.h"

#include "ui/QtText.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallar::ui {

CProfesjaAwans::CProfesjaAwans(const LevelAdvancement& level, QWidget* parent) : QDialog(parent) {
    setWindowTitle(qs(kCaption));
    auto* heading = new QLabel(
        QStringLiteral("<b>%1</b>: poziom %2").arg(qs(level.profession)).arg(level.level), this);
    auto* hint = new QLabel(QStringLiteral("Nowy poziom daje K10 jednej odporności. Wybierz, "
                                           "której (zaznaczona jest niższa odporność bazowa)."),
                            this);
    hint->setWordWrap(true);

    // The attributes and proficiencies as they are now; the resistances to choose from.
    auto* values = new QGroupBox(QStringLiteral("Cechy"), this);
    auto* valuesGrid = new QGridLayout(values);
    auto* choices = new QGroupBox(QStringLiteral("K10 poziomu do odporności"), this);
    auto* choicesGrid = new QGridLayout(choices);
    auto* group = new QButtonGroup(this);
    const std::size_t proposed =
        chosenLevelField(level.proposal).value_or(levelField::kBasePsychic);
    for (std::size_t field = 0; field < levelField::kCount; ++field) {
        const QString name = qs(levelFieldNames()[field]);
        auto* value = new QLabel(QString::number(level.current[field]), this);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (choosableLevelField(field)) {
            const int row = static_cast<int>(field - levelField::kBasePsychic);
            auto* button = new QRadioButton(name, this);
            button->setChecked(field == proposed);
            group->addButton(button);
            choicesGrid->addWidget(button, row, 0);
            choicesGrid->addWidget(value, row, 1);
            buttons_[field] = button;
        } else {
            const int row = static_cast<int>(field);
            valuesGrid->addWidget(new QLabel(name, this), row, 0);
            valuesGrid->addWidget(value, row, 1);
        }
    }
    valuesGrid->setRowStretch(static_cast<int>(levelField::kBasePsychic), 1);
    choicesGrid->setRowStretch(static_cast<int>(levelField::kCount - levelField::kBasePsychic), 1);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    auto* columns = new QHBoxLayout;
    columns->addWidget(values);
    columns->addWidget(choices);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(hint);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &CProfesjaAwans::accept);
}

std::string CProfesjaAwans::choice() const {
    for (std::size_t field = 0; field < levelField::kCount; ++field)
        if (buttons_[field] && buttons_[field]->isChecked())
            return levelChoice(field);
    return levelChoice(levelField::kBasePsychic);
}

std::optional<std::string> QtLevelAdvancement::ChooseAdvancement(const LevelAdvancement& level) {
    if (throws_ && throws_->automatic())
        return level.proposal;
    CProfesjaAwans dialog(level, parent_);
    dialog.exec();
    return dialog.choice();
}

} // namespace tallar::ui
