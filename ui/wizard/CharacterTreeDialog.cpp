#include "ui/wizard/CharacterTreeDialog.h"

#include "model/Character.h"
#include "ui/QtText.h"
#include "ui/WindowMemory.h"

#include <QDialogButtonBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tallar::ui {

namespace {

constexpr int kEntryRole = Qt::UserRole;

// An item showing an entry. Its children are made when it is first expanded, so a tree
// costs only what is opened, and Qt's items, which destroy their children recursively,
// never nest deeper than what was opened.
QTreeWidgetItem* makeItem(const CPoz& entry) {
    auto* item = new QTreeWidgetItem({qs(BuildLabel(entry))});
    item->setData(0, kEntryRole, QVariant::fromValue(reinterpret_cast<quintptr>(&entry)));
    if (!entry.empty())
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

void addChildItems(QTreeWidgetItem* item) {
    if (item->childCount() > 0)
        return;
    // The item holds its entry's address as a number (makeItem).
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    const auto* entry = reinterpret_cast<const CPoz*>(item->data(0, kEntryRole).value<quintptr>());
    for (const CPoz* child : entry->children())
        item->addChild(makeItem(*child));
}

} // namespace

CharacterTreeDialog::CharacterTreeDialog(const CIstota& hero, QWidget* parent) : QDialog(parent) {
    setWindowTitle(qs(hero.imie + " — " + hero.rasa));
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    for (const CPoz* child : hero.children())
        tree_->addTopLevelItem(makeItem(*child));
    connect(tree_, &QTreeWidget::itemExpanded, this, &addChildItems);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_);
    layout->addWidget(buttons);
    resize(480, 600);
    rememberWindow(this, QStringLiteral("drzewo-bohatera"));
}

} // namespace tallar::ui
