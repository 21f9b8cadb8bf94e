#include "ui/editors/ListModel.h"

#include "editors/ListOrder.h"
#include "editors/RowList.h"
#include "ui/QtText.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QShortcut>
#include <QTreeView>

namespace tallar::ui {

ListModel::ListModel(const editors::RowList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {}

void ListModel::reload() {
    beginResetModel();
    checked_.assign(list_.contents().items().size(), false);
    endResetModel();
}

std::vector<std::size_t> ListModel::checkedRows() const {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < checked_.size(); ++i)
        if (checked_[i])
            rows.push_back(i);
    return rows;
}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(checked_.size());
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.contents().columns().size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    const auto& items = list_.contents().items();
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (!index.isValid() || row >= items.size() || column >= items[row].size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return qs(items[row][column]);
    if (role == Qt::CheckStateRole && list_.multiSelect() && column == 0)
        return checked_[row] ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !list_.multiSelect() || index.column() != 0 ||
        index.row() < 0 || static_cast<std::size_t>(index.row()) >= checked_.size())
        return false;
    checked_[static_cast<std::size_t>(index.row())] = value.value<Qt::CheckState>() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (list_.multiSelect() && index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const auto& columns = list_.contents().columns();
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<std::size_t>(section) >= columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return qs(columns[static_cast<std::size_t>(section)].heading);
    if (role == Qt::ToolTipRole)
        return QStringLiteral("Kliknij, by uporządkować według tej kolumny; kliknij znowu, "
                              "by odwrócić, i jeszcze raz, by wrócić do kolejności listy.");
    return {};
}

void ListSortFilter::setFilterText(const QString& text) {
    filter_ = utf8(text);
    invalidateRowsFilter();
}

void ListSortFilter::cycleSort(int column) {
    if (sortColumn() != column)
        sort(column, Qt::AscendingOrder);
    else if (sortOrder() == Qt::AscendingOrder)
        sort(column, Qt::DescendingOrder);
    else
        sort(-1, Qt::AscendingOrder);
}

bool ListSortFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int order =
        editors::compareListTexts(utf8(left.data().toString()), utf8(right.data().toString()));
    // Rows that are alike keep the list's own order.
    return order != 0 ? order < 0 : left.row() < right.row();
}

bool ListSortFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (filter_.empty())
        return true;
    const QAbstractItemModel* model = sourceModel();
    std::vector<std::string> texts;
    // The identifier, the last column, is not shown and not searched.
    for (int column = 0; column + 1 < model->columnCount(sourceParent); ++column)
        texts.push_back(utf8(model->index(sourceRow, column, sourceParent).data().toString()));
    return editors::rowMatchesFilter(texts, filter_);
}

void showSortable(QTreeView* view, ListSortFilter* rows) {
    view->setModel(rows);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true); // full-row selection
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    QHeaderView* header = view->header();
    header->setMinimumSectionSize(0);
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    QObject::connect(header, &QHeaderView::sectionClicked, view, [view, header, rows](int column) {
        rows->cycleSort(column);
        header->setSortIndicatorShown(rows->sortColumn() >= 0);
        if (rows->sortColumn() >= 0)
            header->setSortIndicator(rows->sortColumn(), rows->sortOrder());
        view->scrollTo(view->currentIndex());
    });
}

QLineEdit* makeFilterField(QWidget* window, QTreeView* view, ListSortFilter* rows) {
    auto* filter = new QLineEdit(window);
    filter->setObjectName(QStringLiteral("filter"));
    filter->setClearButtonEnabled(true);
    filter->setPlaceholderText(QStringLiteral("wpisz, by zawęzić listę (Ctrl+F)"));
    filter->setToolTip(QStringLiteral(
        "Zostają wiersze, w których jest każde z wpisanych słów, bez względu na wielkość "
        "liter. Słowo bez polskich znaków znajduje też słowa z nimi („lodz” znajduje "
        "„Łódź”). Esc czyści pole."));
    QObject::connect(filter, &QLineEdit::textChanged, view, [view, rows](const QString& text) {
        rows->setFilterText(text);
        if (view->selectionModel()->selectedRows().isEmpty() && rows->rowCount() > 0)
            view->setCurrentIndex(rows->index(0, 0));
    });
    auto* find = new QShortcut(QKeySequence::Find, window);
    QObject::connect(find, &QShortcut::activated, filter, [filter] {
        filter->setFocus(Qt::ShortcutFocusReason);
        filter->selectAll();
    });
    return filter;
}

} // namespace tallar::ui
