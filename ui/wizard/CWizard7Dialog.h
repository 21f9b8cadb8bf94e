#pragma once

#include "wizard/CWizard7.h"

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

namespace tallar::ui {

// The armour page: armours with their elements (tick at most one armour), the properties
// of the selected entry and the protection it gives each body part.
class CWizard7Dialog : public QDialog {
    Q_OBJECT
public:
    CWizard7Dialog(CWizard7& page, QWidget* parent = nullptr);

    QTreeWidget* armourTree() const { return armours_; }
    QTreeWidget* propertyList() const { return properties_; }
    QTreeWidget* protectionList() const { return protection_; }

    void accept() override;

private:
    void showTicks();
    void showSelected();
    static CWizard7::Item itemOf(const QTreeWidgetItem* item);

    CWizard7& page_;
    QTreeWidget* armours_;
    QTreeWidget* properties_;
    QTreeWidget* protection_;
    bool filling_ = false;
};

} // namespace tallar::ui
