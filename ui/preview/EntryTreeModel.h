#pragma once

#include <QAbstractItemModel>

#include <unordered_map>
#include <vector>

namespace tallar {
class CPoz;
}

namespace tallar::ui {

// The entries below a root (a character) as a tree of one column, each labelled as the
// entry labels itself; an index points at its entry. Qt asks only for what a view shows, so
// a tree of any size or depth costs what is opened. Changes of the tree (entries made or
// destroyed) go between beginChange() and endChange(): in between the model shows nothing,
// so a view never reaches an entry that is gone.
class EntryTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit EntryTreeModel(const CPoz& root, QObject* parent = nullptr);

    // Around a change of the tree; views lose their expanded items and selection.
    void beginChange();
    void endChange();

    CPoz* entryAt(const QModelIndex& index) const;
    QModelIndex indexOf(const CPoz* entry) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    // The children of an entry in order, listed when first asked for; the row of each child
    // is noted at the same time.
    const std::vector<CPoz*>& childrenOf(const CPoz* entry) const;
    int rowOf(const CPoz* entry) const;

    const CPoz& root_;
    bool changing_ = false;
    mutable std::unordered_map<const CPoz*, std::vector<CPoz*>> children_;
    mutable std::unordered_map<const CPoz*, int> rows_;
};

} // namespace tallar::ui
