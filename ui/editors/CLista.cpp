#include "ui/editors/CLista.h"

#include "editors/ListDef.h"
#include "ui/QtText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tallar::ui {

namespace {

// Draws each cell as the platform does, then its right and bottom edges as grid lines.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        const QRect& r = option.rect;
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->restore();
    }
};

} // namespace

CLista::CLista(QWidget* parent, Database& db, const std::string& title, const std::string& select,
               bool multiSelect, std::vector<std::string> values)
    : QDialog(parent), list_(db, title, select, multiSelect, std::move(values)), port_(this),
      view_(new QTreeWidget(this)), add_(new QPushButton(QStringLiteral("Dodaj"), this)),
      edit_(new QPushButton(QStringLiteral("Edycja"), this)),
      delete_(new QPushButton(QStringLiteral("Usuń"), this)) {
    build();
}

CLista::CLista(QWidget* parent, Database& db, const editors::ListDef& def)
    : QDialog(parent), list_(db, def), port_(this), view_(new QTreeWidget(this)),
      add_(new QPushButton(QStringLiteral("Dodaj"), this)),
      edit_(new QPushButton(QStringLiteral("Edycja"), this)),
      delete_(new QPushButton(QStringLiteral("Usuń"), this)) {
    build();
    delete_->setVisible(list_.deletes());
}

void CLista::build() {
    setWindowTitle(QStringLiteral("Lista"));
    view_->setObjectName(QStringLiteral("rows"));
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setAllColumnsShowFocus(true); // full-row selection
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Grid lines drawn by a delegate: a style sheet on the items would replace the
    // platform's drawing of the selection and leave a selected row without its text.
    view_->setItemDelegate(new GridDelegate(view_));
    view_->header()->setMinimumSectionSize(0);
    view_->header()->setStretchLastSection(false);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);

    for (QPushButton* button : {add_, edit_, delete_})
        button->setAutoDefault(false);
    connect(add_, &QPushButton::clicked, this, &CLista::addClicked);
    connect(edit_, &QPushButton::clicked, this, &CLista::editClicked);
    connect(delete_, &QPushButton::clicked, this, &CLista::deleteClicked);
    connect(view_, &QTreeWidget::itemDoubleClicked, this, [this] { okAction(); });
    connect(view_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& point) { contextHook(point); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(edit_);
    buttons->addWidget(delete_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    resize(520, 420);
}

void CLista::showEvent(QShowEvent* event) {
    if (!initialised_) {
        initialised_ = true;
        setWindowTitle(qs(list_.title()));
        setUp();
        refresh();
    }
    QDialog::showEvent(event);
}

void CLista::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        okAction();
        return;
    }
    QDialog::keyPressEvent(event);
}

CLista::ScrollPlace CLista::scrollPlace() const {
    ScrollPlace place;
    place.count = view_->topLevelItemCount();
    if (QTreeWidgetItem* first = view_->itemAt(QPoint(1, 1)))
        place.top = view_->indexOfTopLevelItem(first);
    const int rowHeight = std::max(1, view_->sizeHintForRow(0));
    place.perPage = std::max(1, view_->viewport()->height() / rowHeight);
    return place;
}

void CLista::showAgain(const ScrollPlace& place) {
    view_->clear();
    fillView();
    const int keep = editors::itemToKeepVisible(place.count, place.top, place.perPage);
    const int items = view_->topLevelItemCount();
    if (items > 0)
        view_->scrollToItem(view_->topLevelItem(std::clamp(keep, 0, items - 1)));
}

void CLista::refresh() {
    const ScrollPlace place = scrollPlace();
    (void)list_.refresh(port_);
    showAgain(place);
}

void CLista::fillView() {
    const editors::ListContents& contents = list_.contents();
    const auto& columns = contents.columns();
    QStringList headings;
    for (const auto& column : columns)
        headings << qs(column.heading);
    view_->setColumnCount(static_cast<int>(columns.size()));
    view_->setHeaderLabels(headings);
    for (std::size_t c = 0; c < columns.size(); ++c)
        view_->setColumnWidth(static_cast<int>(c), columns[c].width);
    for (const auto& item : contents.items()) {
        auto* row = new QTreeWidgetItem(view_);
        for (std::size_t c = 0; c < item.size(); ++c)
            row->setText(static_cast<int>(c), qs(item[c]));
        if (list_.multiSelect())
            row->setCheckState(0, Qt::Unchecked);
    }
}

std::vector<std::size_t> CLista::checkedItems() const {
    std::vector<std::size_t> checked;
    for (int i = 0; i < view_->topLevelItemCount(); ++i)
        if (view_->topLevelItem(i)->checkState(0) == Qt::Checked)
            checked.push_back(static_cast<std::size_t>(i));
    return checked;
}

int CLista::selectedItem() const {
    const auto selected = view_->selectedItems();
    return selected.isEmpty() ? -1 : view_->indexOfTopLevelItem(selected.front());
}

void CLista::addClicked() {
    const ScrollPlace place = scrollPlace();
    list_.addClicked(*this, port_);
    showAgain(place);
}

void CLista::editClicked() {
    const ScrollPlace place = scrollPlace();
    list_.editClicked(*this, port_, checkedItems(), selectedItem());
    showAgain(place);
}

void CLista::deleteClicked() {
    const ScrollPlace place = scrollPlace();
    list_.removeClicked(*this, port_, checkedItems(), selectedItem());
    showAgain(place);
}

void CLista::okAction() {
    const ScrollPlace place = scrollPlace();
    list_.openSelected(*this, port_, selectedItem());
    showAgain(place);
}

} // namespace tallar::ui
