#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <string>

#include <vector>

namespace tallar::editors {
class RowList;
}

class QLineEdit;
class QTreeView;
class QWidget;

namespace tallar::ui {

// The rows of a list window as a table: its shown columns, then the identifier. In a list
// with check boxes each row's first column can be ticked.
class ListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ListModel(const editors::RowList& list, QObject* parent);

    // Shows the rows the list holds now; the ticks are cleared.
    void reload();
    std::vector<std::size_t> checkedRows() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const editors::RowList& list_;
    std::vector<bool> checked_;
};

// The order and the filter of a list window or pick list. A click on a heading sorts by
// that column (editors::compareListTexts), the next one reverses it and a third restores
// the list's own order; the filter keeps the rows in which every word of it occurs
// (editors::rowMatchesFilter), looking at the shown columns only: every column but the
// last, which holds the row's identifier.
class ListSortFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setFilterText(const QString& text);
    // The next order for a click on `column`: ascending, descending, the list's own.
    void cycleSort(int column);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::string filter_;
};

// Shows `rows` in `view`: the identifier column hidden, clicks on the headings sorting.
void showSortable(QTreeView* view, ListSortFilter* rows);

// The field that narrows `rows` as one types, with Ctrl+F on `window` going to it; when
// the selection is filtered away, the first row left is selected so that Enter opens one.
QLineEdit* makeFilterField(QWidget* window, QTreeView* view, ListSortFilter* rows);

} // namespace tallar::ui
