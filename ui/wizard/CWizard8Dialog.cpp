#include "ui/wizard/CWizard8Dialog.h"

#include "ui/QtText.h"
#include "ui/wizard/EquipmentWidgets.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace tallar::ui {

CWizard8Dialog::CWizard8Dialog(CWizard8& page, QWidget* parent) : QDialog(parent), page_(page) {
    setWindowTitle(qs(CWizard8::kCaption));
    shields_ = new QTreeWidget(this);
    shields_->setHeaderHidden(true);
    shields_->setRootIsDecorated(false);
    for (const ShieldChoice& shield : page_.shields()) {
        auto* item = new QTreeWidgetItem({qs(shield.name)});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        shields_->addTopLevelItem(item);
    }
    properties_ = makeList({QStringLiteral("Cecha"), QStringLiteral("Wartość")}, this);
    // The 3D view of the shield is not drawn here; the frame keeps its place.
    auto* view = new QLabel(QStringLiteral("wizualizacja"), this);
    view->setAlignment(Qt::AlignCenter);
    view->setMinimumHeight(120);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(framed(QStringLiteral("Tarcze"), shields_, this), 0, 0, 2, 1);
    layout->addWidget(framed(QStringLiteral("Właściwości"), properties_, this), 0, 1);
    layout->addWidget(framed(QStringLiteral("Współczynniki istoty"),
                             makeAttributeTree(page_.character(), this), this),
                      0, 2, 2, 1);
    layout->addWidget(view, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 3);
    resize(1000, 560);

    connect(shields_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        if (filling_)
            return;
        const auto index = static_cast<std::size_t>(shields_->indexOfTopLevelItem(item));
        (void)page_.setTicked(index, item->checkState(0) == Qt::Checked);
        showTicks();
    });
    connect(shields_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const int index = item ? shields_->indexOfTopLevelItem(item) : -1;
        showProperties(properties_, index < 0 ? std::vector<PropertyRow>()
                                              : page_.properties(static_cast<std::size_t>(index)));
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CWizard8Dialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CWizard8Dialog::reject);
    showTicks();
}

void CWizard8Dialog::showTicks() {
    filling_ = true;
    for (int i = 0; i < shields_->topLevelItemCount(); ++i)
        shields_->topLevelItem(i)->setCheckState(
            0, page_.shields()[static_cast<std::size_t>(i)].ticked ? Qt::Checked : Qt::Unchecked);
    filling_ = false;
}

void CWizard8Dialog::accept() {
    page_.finish();
    QDialog::accept();
}

} // namespace tallar::ui
