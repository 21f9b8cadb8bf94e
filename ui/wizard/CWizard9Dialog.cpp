#include "ui/wizard/CWizard9Dialog.h"

#include "model/Entry.h"
#include "ui/QtText.h"
#include "ui/wizard/EquipmentWidgets.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace tallar::ui {

namespace {
constexpr int kPlaceRole = Qt::UserRole;
} // namespace

CWizard9Dialog::CWizard9Dialog(CWizard9& page, QWidget* parent) : QDialog(parent), page_(page) {
    setWindowTitle(qs(CWizard9::kCaption));
    items_ = new QListWidget(this);
    for (const PlacementItem& item : page_.items())
        items_->addItem(qs(item.name));
    places_ = new QListWidget(this);
    placed_ = new QTreeWidget(this);
    placed_->setHeaderHidden(true);
    own_ = new QTreeWidget(this);
    own_->setHeaderHidden(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(framed(QStringLiteral("Ekwipunek/Broń naturalna"), items_, this), 0, 0);
    layout->addWidget(framed(QStringLiteral("Założony na / trzymany w"), places_, this), 1, 0);
    layout->addWidget(framed(QStringLiteral("Rzeczywiste właściwości w walce"), placed_, this), 0,
                      1, 2, 1);
    layout->addWidget(framed(QStringLiteral("Właściwości bazowe"), own_, this), 0, 2);
    layout->addWidget(framed(QStringLiteral("Współczynniki istoty"),
                             makeAttributeTree(page_.character(), this), this),
                      1, 2);
    layout->addWidget(buttons, 2, 0, 1, 3);
    resize(1100, 640);

    connect(items_, &QListWidget::currentRowChanged, this, [this] { showItem(); });
    connect(places_, &QListWidget::itemChanged, this, [this](QListWidgetItem* place) {
        const auto item = currentItem();
        if (filling_ || !item)
            return;
        (void)page_.setPlaced(*item, place->data(kPlaceRole).toULongLong(),
                              place->checkState() == Qt::Checked);
        showItem();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CWizard9Dialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CWizard9Dialog::reject);
    if (items_->count() > 0)
        items_->setCurrentRow(0);
}

std::optional<std::size_t> CWizard9Dialog::currentItem() const {
    const int row = items_->currentRow();
    if (row < 0)
        return std::nullopt;
    return static_cast<std::size_t>(row);
}

void CWizard9Dialog::showItem() {
    filling_ = true;
    places_->clear();
    placed_->clear();
    own_->clear();
    if (const auto item = currentItem()) {
        for (const std::size_t p : page_.placesOffered(*item)) {
            auto* place = new QListWidgetItem(qs(page_.places()[p].name), places_);
            place->setData(kPlaceRole, static_cast<qulonglong>(p));
            place->setFlags(place->flags() | Qt::ItemIsUserCheckable);
            place->setCheckState(page_.places()[p].owner == item ? Qt::Checked : Qt::Unchecked);
        }
        const std::unique_ptr<CPoz> statistics = page_.placedStatistics(*item);
        showEntries(placed_, statistics.get());
        showEntries(own_, page_.items()[*item].entry);
    }
    filling_ = false;
}

void CWizard9Dialog::accept() {
    page_.ApplyPlacements();
    QDialog::accept();
}

} // namespace tallar::ui
