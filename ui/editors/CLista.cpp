#include "ui/editors/CLista.h"

#include "editors/ListDef.h"
#include "ui/QtText.h"
#include "ui/WindowFit.h"
#include "ui/WindowMemory.h"
#include "ui/editors/ListModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTreeView>
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
    : QDialog(parent), list_(db, title, select, multiSelect, std::move(values)), port_(this) {
    build();
}

CLista::CLista(QWidget* parent, Database& db, const editors::ListDef& def)
    : QDialog(parent), list_(db, def), port_(this) {
    build();
    delete_->setVisible(list_.deletes());
}

CLista::~CLista() {
    // The model reads the list's rows: it goes, with the view, before the rows do.
    delete view_;
    delete shown_;
    delete model_;
}

void CLista::build() {
    setWindowTitle(QStringLiteral("Lista"));
    model_ = new ListModel(list_, this);
    shown_ = new ListSortFilter(this);
    shown_->setSourceModel(model_);

    view_ = new QTreeView(this);
    view_->setObjectName(QStringLiteral("rows"));
    showSortable(view_, shown_);
    // Grid lines drawn by a delegate: a style sheet on the items would replace the
    // platform's drawing of the selection and leave a selected row without its text.
    view_->setItemDelegate(new GridDelegate(view_));
    QHeaderView* header = view_->header();
    connect(header, &QHeaderView::sectionResized, this, [this] {
        if (!sizing_)
            widthsChanged_ = true;
    });
    view_->setContextMenuPolicy(Qt::CustomContextMenu);

    filter_ = makeFilterField(this, view_, shown_);
    auto* filterLabel = new QLabel(QStringLiteral("&Szukaj:"), this);
    filterLabel->setBuddy(filter_);
    auto* count = new QLabel(this);
    count->setObjectName(QStringLiteral("shownCount"));
    connect(filter_, &QLineEdit::textChanged, count, [this, count](const QString& text) {
        count->setText(text.trimmed().isEmpty()
                           ? QString()
                           : QStringLiteral("%1 z %2").arg(shownCount()).arg(model_->rowCount()));
    });

    add_ = new QPushButton(QStringLiteral("&Dodaj"), this);
    edit_ = new QPushButton(QStringLiteral("&Edycja"), this);
    delete_ = new QPushButton(QStringLiteral("&Usuń"), this);
    add_->setToolTip(QStringLiteral("Nowy wiersz w edytorze tej listy."));
    edit_->setToolTip(QStringLiteral("Zaznaczony wiersz w edytorze (także Enter albo dwuklik)."));
    delete_->setToolTip(
        QStringLiteral("Usuwa zaznaczony wiersz razem z zależnymi; najpierw pyta."));
    for (QPushButton* button : {add_, edit_, delete_})
        button->setAutoDefault(false);
    connect(add_, &QPushButton::clicked, this, &CLista::addClicked);
    connect(edit_, &QPushButton::clicked, this, &CLista::editClicked);
    connect(delete_, &QPushButton::clicked, this, &CLista::deleteClicked);
    connect(view_, &QTreeView::doubleClicked, this, [this] { okAction(); });
    connect(view_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& point) { contextHook(point); });

    auto* search = new QHBoxLayout;
    search->addWidget(filterLabel);
    search->addWidget(filter_, 1);
    search->addWidget(count);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(edit_);
    buttons->addWidget(delete_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    resize(520, 460);
}

QString CLista::memoryKey() const {
    return QStringLiteral("lista/") + qs(list_.title());
}

void CLista::showEvent(QShowEvent* event) {
    if (!initialised_) {
        initialised_ = true;
        setWindowTitle(qs(list_.title()));
        setUp();
        refresh();
        if (isWindow())
            sizeWindow();
    }
    QDialog::showEvent(event);
}

void CLista::sizeWindow() {
    rememberWindow(this, memoryKey());
    // Wide enough for the columns, as far as the screen allows; a remembered size, restored
    // as the window shows, takes the place of this one.
    int width = 2 * view_->frameWidth() + view_->verticalScrollBar()->sizeHint().width() +
                layout()->contentsMargins().left() + layout()->contentsMargins().right();
    for (int c = 0; c < view_->header()->count(); ++c)
        if (!view_->isColumnHidden(c))
            width += view_->columnWidth(c);
    resizeWithinScreen(this, QSize(std::max(width, 480), height()));
}

void CLista::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        okAction();
        return;
    case Qt::Key_Escape:
        if (!filter_->text().isEmpty()) { // Esc first clears the filter, then closes
            filter_->clear();
            return;
        }
        break;
    case Qt::Key_Down:
        if (filter_->hasFocus()) { // from the filter down into the rows
            view_->setFocus();
            if (selectedShown() < 0)
                selectShown(0);
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void CLista::done(int result) {
    if (widthsChanged_) {
        QList<int> widths;
        for (int c = 0; c + 1 < view_->header()->count(); ++c)
            widths << view_->columnWidth(c);
        rememberColumnWidths(memoryKey(), widths);
        widthsChanged_ = false;
    }
    QDialog::done(result);
}

int CLista::shownCount() const {
    return shown_->rowCount();
}

QString CLista::shownText(int row, int column) const {
    return shown_->index(row, column).data().toString();
}

void CLista::selectShown(int row) {
    const QModelIndex index = shown_->index(row, 0);
    if (!index.isValid())
        return;
    view_->setCurrentIndex(index);
    view_->scrollTo(index);
}

void CLista::setShownChecked(int row, bool checked) {
    shown_->setData(shown_->index(row, 0), checked ? Qt::Checked : Qt::Unchecked,
                    Qt::CheckStateRole);
}

int CLista::selectedShown() const {
    const QModelIndexList selected = view_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.front().row();
}

std::vector<std::size_t> CLista::checkedItems() const {
    return model_->checkedRows();
}

int CLista::selectedItem() const {
    const int row = selectedShown();
    return row < 0 ? -1 : shown_->mapToSource(shown_->index(row, 0)).row();
}

Status CLista::removalPreview(const std::string& /*id*/, editors::DeletePreview& preview) {
    return editors::ListActions::previewRemoval({}, preview);
}

CLista::ScrollPlace CLista::scrollPlace() const {
    ScrollPlace place;
    place.count = shownCount();
    if (const QModelIndex first = view_->indexAt(QPoint(1, 1)); first.isValid())
        place.top = first.row();
    const int rowHeight = std::max(1, view_->sizeHintForRow(0));
    place.perPage = std::max(1, view_->viewport()->height() / rowHeight);
    return place;
}

void CLista::showAgain(const ScrollPlace& place, const std::string& keep) {
    const auto& items = list_.contents().items();
    std::string select = keep;
    if (const int acted = list_.itemToSelect(); select.empty() && acted >= 0)
        select = list_.contents().idOf(static_cast<std::size_t>(acted));
    model_->reload();
    if (sizedColumns_ != model_->columnCount())
        sizeColumns();
    const int rows = shownCount();
    if (rows > 0) {
        const int keepVisible = editors::itemToKeepVisible(place.count, place.top, place.perPage);
        view_->scrollTo(shown_->index(std::clamp(keepVisible, 0, rows - 1), 0));
    }
    for (std::size_t i = 0; i < items.size() && !select.empty(); ++i)
        if (items[i].back() == select) {
            const QModelIndex index = shown_->mapFromSource(model_->index(static_cast<int>(i), 0));
            if (index.isValid()) {
                view_->setCurrentIndex(index);
                view_->scrollTo(index);
            }
            break;
        }
}

void CLista::sizeColumns() {
    sizing_ = true;
    const auto& columns = list_.contents().columns();
    const int count = static_cast<int>(columns.size());
    for (int c = 0; c < count; ++c)
        view_->setColumnHidden(c, c == count - 1); // the identifier is never shown
    const QList<int> remembered = rememberedColumnWidths(memoryKey());
    if (remembered.size() == count - 1) {
        for (int c = 0; c + 1 < count; ++c)
            view_->setColumnWidth(c, remembered[c]);
    } else {
        // As wide as the alias asks (15 pixels a character), the heading and the longest
        // text, but no column wider than half the largest window unless its alias is.
        const QFontMetrics text = view_->fontMetrics();
        const QFontMetrics heading = view_->header()->fontMetrics();
        const int padding = 2 * view_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
        const int widest = largestWindowSize(this).width() / 2;
        const auto& items = list_.contents().items();
        for (int c = 0; c + 1 < count; ++c) {
            const auto column = static_cast<std::size_t>(c);
            int width = heading.horizontalAdvance(qs(columns[column].heading)) + padding + 16;
            for (const auto& item : items)
                width = std::max(width, text.horizontalAdvance(qs(item[column])) + padding);
            if (c == 0 && list_.multiSelect())
                width += view_->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 8;
            width = std::min(width, widest);
            view_->setColumnWidth(c, std::max(width, columns[column].width));
        }
    }
    sizedColumns_ = count;
    sizing_ = false;
}

void CLista::refresh() {
    const ScrollPlace place = scrollPlace();
    const int selected = selectedItem();
    const std::string keep =
        selected >= 0 ? list_.contents().idOf(static_cast<std::size_t>(selected)) : std::string();
    (void)list_.refresh(port_);
    showAgain(place, keep);
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
    // The row stays selected when it was kept; when it went, the one below it (or above).
    const int row = selectedShown();
    std::string kept;
    std::string neighbour;
    const auto idAt = [this](int shownRow) {
        const QModelIndex source = shown_->mapToSource(shown_->index(shownRow, 0));
        return list_.contents().idOf(static_cast<std::size_t>(source.row()));
    };
    if (row >= 0) {
        kept = idAt(row);
        if (row + 1 < shownCount())
            neighbour = idAt(row + 1);
        else if (row > 0)
            neighbour = idAt(row - 1);
    }
    list_.removeClicked(*this, port_, checkedItems(), selectedItem());
    const auto& items = list_.contents().items();
    const bool stayed = std::any_of(items.begin(), items.end(),
                                    [&](const auto& item) { return item.back() == kept; });
    showAgain(place, stayed ? kept : neighbour);
}

void CLista::okAction() {
    const ScrollPlace place = scrollPlace();
    list_.openSelected(*this, port_, selectedItem());
    showAgain(place);
}

} // namespace tallar::ui
