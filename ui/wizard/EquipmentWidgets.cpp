#include "ui/wizard/EquipmentWidgets.h"

#include "model/Character.h"
#include "ui/QtText.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tallar::ui {

namespace {

void addEntry(QTreeWidgetItem* parent, QTreeWidget* tree, const CPoz& entry) {
    auto* item = new QTreeWidgetItem({qs(BuildLabel(entry))});
    if (parent)
        parent->addChild(item);
    else
        tree->addTopLevelItem(item);
    // The trees shown here are a few levels deep: a weapon, shield or armour and its parts.
    for (const CPoz* child : entry.children())
        addEntry(item, tree, *child);
}

} // namespace

QGroupBox* framed(const QString& caption, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(content);
    return box;
}

QTreeWidget* makeList(const QStringList& columns, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(columns);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

void showProperties(QTreeWidget* list, const std::vector<PropertyRow>& rows) {
    list->clear();
    for (const auto& [label, value] : rows)
        list->addTopLevelItem(new QTreeWidgetItem({qs(label), qs(value)}));
}

QTreeWidget* makeAttributeTree(const CIstota& hero, QWidget* parent) {
    auto* tree = new QTreeWidget(parent);
    tree->setHeaderHidden(true);
    for (int link = kLinkZywotnosc; link <= kLinkAntymagia; ++link)
        if (const CPoz* entry = hero.link(link))
            tree->addTopLevelItem(new QTreeWidgetItem({qs(BuildLabel(*entry))}));
    return tree;
}

void showEntries(QTreeWidget* tree, const CPoz* entry) {
    tree->clear();
    if (!entry)
        return;
    for (const CPoz* child : entry->children())
        addEntry(nullptr, tree, *child);
    tree->expandAll();
}

} // namespace tallar::ui
