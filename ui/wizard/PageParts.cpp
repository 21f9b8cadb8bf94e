#include "ui/wizard/PageParts.h"

#include "ui/StatusLine.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace tallar::ui {

PageFoot newPageFoot(QDialog* dialog, const QString& acceptCaption, bool cancellable) {
    auto* accept = new QPushButton(acceptCaption, dialog);
    accept->setDefault(true);
    auto* status = new StatusLine(dialog);
    auto* layout = new QHBoxLayout;
    layout->addWidget(status, 1);
    layout->addWidget(accept);
    // accept and reject are virtual: the page's own checks run.
    QObject::connect(accept, &QPushButton::clicked, dialog, &QDialog::accept);
    if (cancellable) {
        auto* cancel = new QPushButton(QStringLiteral("Anuluj"), dialog);
        layout->addWidget(cancel);
        QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    }
    return {layout, status, accept};
}

QLineEdit* newRollField(const QString& text, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), field));
    field->setMaximumWidth(60);
    return field;
}

RollPage newRollPage(QDialog* dialog, const QString& rollCaption, const QString& rollText,
                     const QString& foundLabel, const QString& acceptCaption) {
    // Created in the order Tab walks them.
    auto* rollButton = new QPushButton(rollCaption, dialog);
    QLineEdit* roll = newRollField(rollText, dialog);
    auto* found = new QLineEdit(dialog);
    found->setReadOnly(true);
    auto* label = new QLabel(foundLabel, dialog);
    const PageFoot foot = newPageFoot(dialog, acceptCaption);

    auto* rollRow = new QHBoxLayout;
    rollRow->addWidget(rollButton);
    rollRow->addWidget(roll);
    rollRow->addStretch();
    auto* foundRow = new QHBoxLayout;
    foundRow->addWidget(label);
    foundRow->addWidget(found, 1);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(rollRow);
    layout->addLayout(foundRow);
    layout->addLayout(foot.layout);
    dialog->resize(420, 150);
    return {rollButton, roll, found, foot};
}

} // namespace tallar::ui
