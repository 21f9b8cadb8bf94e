#include "ui/preview/EntryTreeModel.h"

#include "model/Entry.h"
#include "ui/QtText.h"

namespace tallar::ui {

EntryTreeModel::EntryTreeModel(const CPoz& root, QObject* parent)
    : QAbstractItemModel(parent), root_(root) {}

void EntryTreeModel::beginChange() {
    if (changing_)
        return;
    beginResetModel();
    changing_ = true;
    children_.clear();
    rows_.clear();
}

void EntryTreeModel::endChange() {
    if (!changing_)
        return;
    changing_ = false;
    children_.clear();
    rows_.clear();
    endResetModel();
}

const std::vector<CPoz*>& EntryTreeModel::childrenOf(const CPoz* entry) const {
    auto [it, made] = children_.try_emplace(entry);
    if (made) {
        it->second.reserve(entry->size());
        for (CPoz* child : entry->children()) {
            rows_[child] = static_cast<int>(it->second.size());
            it->second.push_back(child);
        }
    }
    return it->second;
}

int EntryTreeModel::rowOf(const CPoz* entry) const {
    if (const auto found = rows_.find(entry); found != rows_.end())
        return found->second;
    (void)childrenOf(entry->parent());
    return rows_.at(entry);
}

CPoz* EntryTreeModel::entryAt(const QModelIndex& index) const {
    return index.isValid() && !changing_ ? static_cast<CPoz*>(index.internalPointer()) : nullptr;
}

QModelIndex EntryTreeModel::indexOf(const CPoz* entry) const {
    if (changing_ || !entry || entry == &root_ || !entry->parent())
        return {};
    return createIndex(rowOf(entry), 0, const_cast<CPoz*>(entry));
}

QModelIndex EntryTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (changing_ || column != 0 || row < 0)
        return {};
    const CPoz* owner = parent.isValid() ? entryAt(parent) : &root_;
    if (!owner)
        return {};
    const std::vector<CPoz*>& children = childrenOf(owner);
    if (row >= static_cast<int>(children.size()))
        return {};
    return createIndex(row, 0, children[static_cast<std::size_t>(row)]);
}

QModelIndex EntryTreeModel::parent(const QModelIndex& child) const {
    const CPoz* entry = entryAt(child);
    const CPoz* owner = entry ? entry->parent() : nullptr;
    if (!owner || owner == &root_)
        return {};
    return indexOf(owner);
}

int EntryTreeModel::rowCount(const QModelIndex& parent) const {
    if (changing_ || parent.column() > 0)
        return 0;
    const CPoz* owner = parent.isValid() ? entryAt(parent) : &root_;
    return owner ? static_cast<int>(owner->size()) : 0;
}

int EntryTreeModel::columnCount(const QModelIndex& /*parent*/) const {
    return 1;
}

QVariant EntryTreeModel::data(const QModelIndex& index, int role) const {
    const CPoz* entry = entryAt(index);
    if (!entry || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return qs(BuildLabel(*entry));
}

} // namespace tallar::ui
