#pragma once

#include "wizard/CWizard9.h"

#include <QDialog>

class QListWidget;
class QTreeWidget;

namespace tallar::ui {

// The placement page: the items, the places open to the selected one (ticked where it
// is), its statistics as placed and its own properties. OK applies the placements.
class CWizard9Dialog : public QDialog {
    Q_OBJECT
public:
    CWizard9Dialog(CWizard9& page, QWidget* parent = nullptr);

    QListWidget* itemList() const { return items_; }
    QListWidget* placeList() const { return places_; }
    QTreeWidget* placedTree() const { return placed_; }

    void accept() override;

private:
    void showItem();
    std::optional<std::size_t> currentItem() const;

    CWizard9& page_;
    QListWidget* items_;
    QListWidget* places_;
    QTreeWidget* placed_;
    QTreeWidget* own_;
    bool filling_ = false;
};

} // namespace tallar::ui
