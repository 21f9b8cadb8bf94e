#include "ui/wizard/CharacterTreeDialog.h"

#include "model/Character.h"
#include "ui/QtText.h"

#include <QDialogButtonBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tallar::ui {

namespace {

void addChildren(const CPoz& entry, QTreeWidgetItem* item) {
    for (const CPoz* child : entry.children()) {
        auto* childItem = new QTreeWidgetItem(item, {qs(BuildLabel(*child))});
        addChildren(*child, childItem);
    }
}

} // namespace

CharacterTreeDialog::CharacterTreeDialog(const CIstota& hero, QWidget* parent) : QDialog(parent) {
    setWindowTitle(qs(hero.imie + " — " + hero.rasa));
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    for (const CPoz* child : hero.children()) {
        auto* item = new QTreeWidgetItem(tree_, {qs(BuildLabel(*child))});
        addChildren(*child, item);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_);
    layout->addWidget(buttons);
    resize(480, 600);
}

} // namespace tallar::ui
