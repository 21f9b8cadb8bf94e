#include "ui/QtUserPort.h"

#include "ui/DiceEntryDialog.h"
#include "ui/PickRowsDialog.h"
#include "ui/QtText.h"

#include <QMessageBox>
#include <QPushButton>

namespace tallar::ui {

void QtUserPort::showError(std::string_view text, std::string_view caption) {
    QMessageBox::critical(parent_, qs(caption), qs(text));
}

bool QtUserPort::askYesNo(std::string_view question, std::string_view caption) {
    QMessageBox box(QMessageBox::Question, qs(caption), qs(question),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    // Polish answers whatever translations the system has.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Tak"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nie"));
    return box.exec() == QMessageBox::Yes;
}

std::optional<int> QtUserPort::askDie(int sides, std::string_view prompt) {
    if (throws_.automatic())
        return std::nullopt; // no answer: the program throws
    const auto result = CKxxAsk::ask(sides, qs(prompt), parent_, &throws_);
    if (result)
        throws_.record(prompt, sides, *result);
    else
        throws_.throwTheRestAutomatically();
    return result;
}

std::optional<std::vector<std::string>>
QtUserPort::pickRows(std::string_view caption, const PickTable& table, bool multiSelect) {
    PickRowsDialog dialog(qs(caption), table, multiSelect, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenIds();
}

} // namespace tallar::ui
