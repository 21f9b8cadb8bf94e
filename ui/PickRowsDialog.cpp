#include "ui/PickRowsDialog.h"

#include "ui/QtText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tallar::ui {

PickRowsDialog::PickRowsDialog(const QString& caption, const PickTable& table, bool multiSelect,
                               QWidget* parent)
    : QDialog(parent), table_(table), multiSelect_(multiSelect), view_(new QTableWidget(this)) {
    setWindowTitle(caption);
    const int shown = table.columns.empty() ? 0 : static_cast<int>(table.columns.size()) - 1;
    view_->setColumnCount(shown);
    view_->setRowCount(static_cast<int>(table.rows.size()));
    for (int c = 0; c < shown; ++c)
        view_->setHorizontalHeaderItem(c, new QTableWidgetItem(qs(table.columns[c + 1])));
    for (int r = 0; r < view_->rowCount(); ++r) {
        const auto& row = table.rows[r];
        for (int c = 0; c < shown && c + 1 < static_cast<int>(row.size()); ++c) {
            auto* item = new QTableWidgetItem(qs(row[c + 1]));
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (multiSelect && c == 0)
                item->setCheckState(Qt::Unchecked);
            view_->setItem(r, c, item);
        }
    }
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->resizeColumnsToContents();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Wybór"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(view_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (!multiSelect_)
            accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(buttons);
    resize(480, 360);
}

std::vector<std::string> PickRowsDialog::chosenIds() const {
    std::vector<std::string> ids;
    for (int r = 0; r < view_->rowCount(); ++r) {
        const auto& row = table_.rows[r];
        if (row.empty())
            continue;
        const QTableWidgetItem* first = view_->item(r, 0);
        const bool chosen = multiSelect_ ? first && first->checkState() == Qt::Checked
                                         : view_->selectionModel()->isRowSelected(r, {});
        if (chosen)
            ids.push_back(row.front());
    }
    return ids;
}

} // namespace tallar::ui
