#include "ui/QtUserPort.h"

#include "ui/DiceEntryDialog.h"
#include "ui/PickRowsDialog.h"
#include "ui/QtText.h"

#include <QMessageBox>

namespace tallar::ui {

void QtUserPort::showError(std::string_view text, std::string_view caption) {
    QMessageBox::critical(parent_, qs(caption), qs(text));
}

bool QtUserPort::askYesNo(std::string_view question, std::string_view caption) {
    return QMessageBox::question(parent_, qs(caption), qs(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<int> QtUserPort::askDie(int sides, std::string_view prompt) {
    return CKxxAsk::ask(sides, qs(prompt), parent_);
}

std::optional<std::vector<std::string>>
QtUserPort::pickRows(std::string_view caption, const PickTable& table, bool multiSelect) {
    PickRowsDialog dialog(qs(caption), table, multiSelect, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenIds();
}

} // namespace tallar::ui
