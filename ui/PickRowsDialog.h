#pragma once

#include "base/UserPort.h"

#include <QDialog>

class QLineEdit;
class QStandardItemModel;
class QTreeView;

namespace tallar::ui {

class ListSortFilter;

// Shows rows to choose from: with multi-select a check box per row, else one selected row.
// Like the list windows it sorts by a clicked heading and narrows the rows to those
// holding what is typed in its filter field.
class PickRowsDialog : public QDialog {
    Q_OBJECT
public:
    PickRowsDialog(const QString& caption, const PickTable& table, bool multiSelect,
                   QWidget* parent = nullptr);

    // Identifiers of the rows chosen, in table order.
    std::vector<std::string> chosenIds() const;

    QTreeView* view() const { return view_; }
    QLineEdit* filterField() const { return filter_; }
    // The rows as shown, top to bottom.
    ListSortFilter* shownRows() const { return shown_; }

private:
    const PickTable& table_;
    bool multiSelect_;
    QStandardItemModel* rows_;
    ListSortFilter* shown_;
    QTreeView* view_;
    QLineEdit* filter_;
};

} // namespace tallar::ui
