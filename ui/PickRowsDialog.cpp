#include "ui/PickRowsDialog.h"

#include "ui/QtText.h"
#include "ui/WindowFit.h"
#include "ui/editors/ListModel.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace tallar::ui {

PickRowsDialog::PickRowsDialog(const QString& caption, const PickTable& table, bool multiSelect,
                               QWidget* parent)
    : QDialog(parent), table_(table), multiSelect_(multiSelect),
      rows_(new QStandardItemModel(this)), shown_(new ListSortFilter(this)),
      view_(new QTreeView(this)) {
    setWindowTitle(caption);
    // The shown columns, then the identifier (column 0 of the table) last, as in a list.
    const int shown = table.columns.empty() ? 0 : static_cast<int>(table.columns.size()) - 1;
    rows_->setColumnCount(shown + 1);
    QStringList headings;
    for (int c = 0; c < shown; ++c)
        headings << qs(table.columns[static_cast<std::size_t>(c) + 1]);
    headings << QStringLiteral("id");
    rows_->setHorizontalHeaderLabels(headings);
    for (const auto& row : table.rows) {
        QList<QStandardItem*> items;
        for (int c = 0; c <= shown; ++c) {
            const auto column = c < shown ? static_cast<std::size_t>(c) + 1 : 0;
            auto* item = new QStandardItem(column < row.size() ? qs(row[column]) : QString());
            item->setEditable(false);
            if (multiSelect && c == 0)
                item->setCheckable(true);
            items << item;
        }
        rows_->appendRow(items);
    }
    shown_->setSourceModel(rows_);
    view_->setObjectName(QStringLiteral("rows"));
    showSortable(view_, shown_);
    view_->setColumnHidden(shown, true);
    for (int c = 0; c < shown; ++c)
        view_->resizeColumnToContents(c);
    filter_ = makeFilterField(this, view_, shown_);
    auto* filterLabel = new QLabel(QStringLiteral("&Szukaj:"), this);
    filterLabel->setBuddy(filter_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Wybór"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(view_, &QTreeView::doubleClicked, this, [this] {
        if (!multiSelect_)
            accept();
    });

    auto* search = new QHBoxLayout;
    search->addWidget(filterLabel);
    search->addWidget(filter_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(view_);
    layout->addWidget(buttons);
    resizeWithinScreen(this, QSize(480, 400));
}

std::vector<std::string> PickRowsDialog::chosenIds() const {
    std::vector<std::string> ids;
    const QModelIndexList selected = view_->selectionModel()->selectedRows();
    const int picked = selected.isEmpty() ? -1 : shown_->mapToSource(selected.front()).row();
    for (int r = 0; r < rows_->rowCount(); ++r) {
        const auto& row = table_.rows[static_cast<std::size_t>(r)];
        if (row.empty())
            continue;
        const QStandardItem* first = rows_->item(r, 0);
        const bool chosen =
            multiSelect_ ? first && first->checkState() == Qt::Checked : r == picked;
        if (chosen)
            ids.push_back(row.front());
    }
    return ids;
}

} // namespace tallar::ui
