#include "ui/wizard/CWizard7Dialog.h"

#include "ui/QtText.h"
#include "ui/wizard/EquipmentWidgets.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QTreeWidget>

namespace tallar::ui {

namespace {
constexpr int kArmourRole = Qt::UserRole;
constexpr int kElementRole = Qt::UserRole + 1;
} // namespace

CWizard7Dialog::CWizard7Dialog(CWizard7& page, QWidget* parent) : QDialog(parent), page_(page) {
    setWindowTitle(qs(CWizard7::kCaption));
    armours_ = new QTreeWidget(this);
    armours_->setHeaderHidden(true);
    for (std::size_t a = 0; a < page_.armours().size(); ++a) {
        const ArmourChoice& armour = page_.armours()[a];
        auto* item = new QTreeWidgetItem({qs(armour.name)});
        item->setData(0, kArmourRole, static_cast<qulonglong>(a));
        item->setData(0, kElementRole, -1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        for (std::size_t e = 0; e < armour.elements.size(); ++e) {
            auto* child = new QTreeWidgetItem({qs(armour.elements[e].name)});
            child->setData(0, kArmourRole, static_cast<qulonglong>(a));
            child->setData(0, kElementRole, static_cast<int>(e));
            child->setFlags(child->flags() | Qt::ItemIsUserCheckable);
            item->addChild(child);
        }
        armours_->addTopLevelItem(item);
    }
    properties_ = makeList({QStringLiteral("Cecha"), QStringLiteral("Wartość")}, this);
    protection_ = makeList({QStringLiteral("Część ciała"), QStringLiteral("Wyp.kłute"),
                            QStringLiteral("Wyp.tnące"), QStringLiteral("Wyp.obuchowe"),
                            QStringLiteral("Obrona")},
                           this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(framed(QStringLiteral("Zbroje"), armours_, this), 0, 0, 2, 1);
    layout->addWidget(framed(QStringLiteral("Właściwości zbroi"), properties_, this), 0, 1);
    layout->addWidget(framed(QStringLiteral("Współczynniki istoty"),
                             makeAttributeTree(page_.character(), this), this),
                      0, 2);
    layout->addWidget(
        framed(QStringLiteral("Chronione części ciała / wyparowania / obrona"), protection_, this),
        1, 1, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 3);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);
    layout->setColumnStretch(2, 2);
    resize(1100, 640);

    connect(armours_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        if (filling_)
            return;
        (void)page_.setTicked(itemOf(item), item->checkState(0) == Qt::Checked);
        showTicks();
    });
    connect(armours_, &QTreeWidget::currentItemChanged, this, [this] { showSelected(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CWizard7Dialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CWizard7Dialog::reject);
    showTicks();
}

CWizard7::Item CWizard7Dialog::itemOf(const QTreeWidgetItem* item) {
    CWizard7::Item chosen{.armour = item->data(0, kArmourRole).toULongLong(), .element = {}};
    if (const int element = item->data(0, kElementRole).toInt(); element >= 0)
        chosen.element = static_cast<std::size_t>(element);
    return chosen;
}

// The check boxes follow the page: a refused tick goes back.
void CWizard7Dialog::showTicks() {
    filling_ = true;
    for (int a = 0; a < armours_->topLevelItemCount(); ++a) {
        QTreeWidgetItem* item = armours_->topLevelItem(a);
        const ArmourChoice* armour = page_.entry(itemOf(item));
        item->setCheckState(0, armour && armour->ticked ? Qt::Checked : Qt::Unchecked);
        for (int e = 0; e < item->childCount(); ++e) {
            const ArmourChoice* element = page_.entry(itemOf(item->child(e)));
            item->child(e)->setCheckState(0,
                                          element && element->ticked ? Qt::Checked : Qt::Unchecked);
        }
    }
    filling_ = false;
}

void CWizard7Dialog::showSelected() {
    QTreeWidgetItem* current = armours_->currentItem();
    properties_->clear();
    protection_->clear();
    if (!current)
        return;
    const CWizard7::Item item = itemOf(current);
    page_.select(item);
    showProperties(properties_, page_.properties(item));
    const ArmourChoice* entry = page_.entry(item);
    if (!entry || !entry->protection)
        return;
    for (const ProtectionRow& row : *entry->protection)
        protection_->addTopLevelItem(new QTreeWidgetItem(
            {qs(row.part), QString::number(row.piercing), QString::number(row.cutting),
             QString::number(row.blunt), QString::number(row.defence)}));
}

void CWizard7Dialog::accept() {
    page_.finish();
    QDialog::accept();
}

} // namespace tallar::ui
