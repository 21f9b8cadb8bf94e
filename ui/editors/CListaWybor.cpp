#include "ui/editors/CListaWybor.h"

#include "ui/QtText.h"

#include <QPushButton>

namespace tallar::ui {

CListaWybor::CListaWybor(QWidget* parent, Database& db, const editors::PickList& pick,
                         const editors::Query& query)
    : CLista(parent, db, pick.title, query.sql, pick.multiSelect, query.values),
      buttonText_(pick.buttonText) {}

void CListaWybor::setUp() {
    editButton()->hide();
    deleteButton()->hide();
    if (!buttonText_.empty())
        addButton()->setText(qs(buttonText_));
}

editors::LinkedRow CListaWybor::rowAt(int item) const {
    const auto& items = logic().contents().items();
    const auto at = static_cast<std::size_t>(item);
    return {logic().contents().idOf(at), items.at(at).front()};
}

void CListaWybor::Add(const std::string& /*id*/) {
    picked_.clear();
    if (logic().multiSelect()) {
        for (std::size_t item : checkedItems())
            picked_.push_back(rowAt(static_cast<int>(item)));
    } else if (selectedItem() >= 0) {
        picked_.push_back(rowAt(selectedItem()));
    }
    if (!picked_.empty())
        accept();
}

void CListaWybor::Edit(const std::string& /*id*/) {
    picked_.clear();
    if (selectedItem() >= 0) {
        picked_.push_back(rowAt(selectedItem()));
        accept();
    }
}

} // namespace tallar::ui
