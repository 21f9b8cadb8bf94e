#include "ui/wizard/CWizard6Dialog.h"

#include "ui/QtText.h"
#include "ui/StatusLine.h"
#include "ui/wizard/CWizard6BglDialog.h"
#include "ui/wizard/PageParts.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tallar::ui {

namespace {

// An item's place in the weapon tree: its group, and its weapon (-1 for the group itself).
constexpr int kGroupRole = Qt::UserRole;
constexpr int kWeaponRole = Qt::UserRole + 1;

QGroupBox* framed(const QString& title, QWidget* content, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(content);
    return frame;
}

QTreeWidget* tree(QWidget* parent, const QStringList& headers) {
    auto* widget = new QTreeWidget(parent);
    widget->setHeaderLabels(headers);
    widget->setHeaderHidden(headers.size() < 2);
    widget->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    return widget;
}

Qt::CheckState checked(bool ticked) {
    return ticked ? Qt::Checked : Qt::Unchecked;
}

} // namespace

CWizard6Dialog::CWizard6Dialog(CWizard6& page, QWidget* parent) : QDialog(parent), page_(page) {
    weapons_ = tree(this, {QStringLiteral("Broń")});
    requirements_ = tree(this, {QStringLiteral("Wymaganie"), QStringLiteral("Stan")});
    // The state takes what its word needs; the names of the groups get the rest.
    requirements_->header()->setStretchLastSection(false);
    requirements_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    properties_ = tree(this, {QStringLiteral("Cecha"), QStringLiteral("Wartość")});
    properties_->setRootIsDecorated(false);
    properties_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    attributes_ = tree(this, {QStringLiteral("Współczynnik")});
    attributes_->setRootIsDecorated(false);
    // The weapon's 3D view is drawn here once the model preview exists.
    auto* view = new QFrame(this);
    view->setFrameShape(QFrame::StyledPanel);
    view->setMinimumHeight(120);

    auto* right = new QVBoxLayout;
    right->addWidget(framed(QStringLiteral("Wymagane grupy broni"), requirements_, this), 3);
    right->addWidget(framed(QStringLiteral("Właściwości broni"), properties_, this), 4);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(framed(QStringLiteral("Współczynniki istoty"), attributes_, this), 1);
    bottom->addWidget(framed(QStringLiteral("wizualizacja"), view, this), 1);
    right->addLayout(bottom, 3);
    auto* columns = new QHBoxLayout;
    columns->addWidget(framed(QStringLiteral("Grupy broni / bronie"), weapons_, this), 1);
    columns->addLayout(right, 1);

    const PageFoot foot = newPageFoot(this, QStringLiteral("OK"));
    ok_ = foot.accept;
    status_ = foot.status;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(foot.layout);
    resize(1000, 640);

    for (const std::string& line : page_.attributes())
        attributes_->addTopLevelItem(new QTreeWidgetItem({qs(line)}));
    fillWeapons();

    connect(weapons_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        if (showing_)
            return;
        const auto group = item->data(0, kGroupRole).toULongLong();
        const int weapon = item->data(0, kWeaponRole).toInt();
        const bool tick = item->checkState(0) == Qt::Checked;
        if (weapon < 0)
            page_.tickGroup(group, tick);
        else
            page_.tickWeapon(group, static_cast<std::size_t>(weapon), tick);
        showState();
    });
    connect(weapons_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item, QTreeWidgetItem*) { showProperties(item); });
    showState();
}

void CWizard6Dialog::fillWeapons() {
    const QSignalBlocker quiet(weapons_);
    weapons_->clear();
    const auto& groups = page_.groups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        auto* groupItem = new QTreeWidgetItem({qs(groups[g].name)});
        groupItem->setData(0, kGroupRole, static_cast<qulonglong>(g));
        groupItem->setData(0, kWeaponRole, -1);
        groupItem->setFlags(groupItem->flags() | Qt::ItemIsUserCheckable);
        for (std::size_t w = 0; w < groups[g].weapons.size(); ++w) {
            auto* weaponItem = new QTreeWidgetItem({qs(groups[g].weapons[w].label)});
            weaponItem->setData(0, kGroupRole, static_cast<qulonglong>(g));
            weaponItem->setData(0, kWeaponRole, static_cast<int>(w));
            weaponItem->setFlags(weaponItem->flags() | Qt::ItemIsUserCheckable);
            groupItem->addChild(weaponItem);
        }
        weapons_->addTopLevelItem(groupItem);
    }
}

void CWizard6Dialog::showState() {
    showing_ = true;
    setWindowTitle(qs(page_.caption()));
    const auto& groups = page_.groups();
    for (int g = 0; g < weapons_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* groupItem = weapons_->topLevelItem(g);
        const WeaponGroupChoice& group = groups[static_cast<std::size_t>(g)];
        groupItem->setCheckState(0, checked(group.ticked));
        for (int w = 0; w < groupItem->childCount(); ++w)
            groupItem->child(w)->setCheckState(
                0, checked(group.weapons[static_cast<std::size_t>(w)].ticked));
    }
    requirements_->clear();
    for (const WeaponRequirement& requirement : page_.requirements()) {
        auto* item = new QTreeWidgetItem(
            {qs(requirement.name),
             requirement.met ? QStringLiteral("spełnione") : QStringLiteral("niespełnione")});
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        item->setCheckState(0, checked(requirement.met));
        item->setToolTip(0, qs(requirement.description));
        for (const WeaponRequirement::Group& group : requirement.groups) {
            auto* child = new QTreeWidgetItem({qs(group.name)});
            child->setFlags(child->flags() & ~Qt::ItemIsUserCheckable);
            child->setCheckState(0, checked(group.ticked));
            item->addChild(child);
        }
        requirements_->addTopLevelItem(item);
    }
    requirements_->expandAll();
    if (!status_->text().isEmpty())
        status_->setText(qs(page_.blocker().value_or("")));
    showing_ = false;
}

void CWizard6Dialog::showProperties(QTreeWidgetItem* item) {
    properties_->clear();
    const int weapon = item ? item->data(0, kWeaponRole).toInt() : -1;
    if (weapon < 0)
        return;
    const auto group = item->data(0, kGroupRole).toULongLong();
    const WeaponChoice& choice = page_.groups()[group].weapons[static_cast<std::size_t>(weapon)];
    for (const auto& [label, value] : CWizard6::propertyRows(choice.properties))
        properties_->addTopLevelItem(new QTreeWidgetItem({qs(label), qs(value)}));
}

void CWizard6Dialog::accept() {
    if (const auto blocked = page_.blocker()) {
        status_->showReason(qs(*blocked), weapons_);
        return;
    }
    const bool finished = page_.finish([this](CWizard6Bgl& training) {
        CWizard6BglDialog dialog(training, this);
        return dialog.exec() == QDialog::Accepted;
    });
    if (finished)
        QDialog::accept();
}

} // namespace tallar::ui
