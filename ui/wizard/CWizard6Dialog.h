#pragma once

#include "wizard/CWizard6.h"

#include <QDialog>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tallar::ui {

class StatusLine;

// The weapons page of the creation wizard: the weapon groups and their weapons to tick, the
// requirements of the professions, the selected weapon's properties, the character's
// attributes and the frame of the weapon's view. OK trains each new group in a
// CWizard6BglDialog.
class CWizard6Dialog : public QDialog {
    Q_OBJECT
public:
    CWizard6Dialog(CWizard6& page, QWidget* parent = nullptr);

    QTreeWidget* weaponTree() const { return weapons_; }
    QTreeWidget* requirementTree() const { return requirements_; }
    QTreeWidget* propertyList() const { return properties_; }
    QTreeWidget* attributeTree() const { return attributes_; }
    QPushButton* okButton() const { return ok_; }
    StatusLine* statusLine() const { return status_; }

    void accept() override;

private:
    void fillWeapons();
    void showState();
    void showProperties(QTreeWidgetItem* item);

    CWizard6& page_;
    bool showing_ = false;
    QTreeWidget* weapons_;
    QTreeWidget* requirements_;
    QTreeWidget* properties_;
    QTreeWidget* attributes_;
    QPushButton* ok_;
    StatusLine* status_;
};

} // namespace tallar::ui
