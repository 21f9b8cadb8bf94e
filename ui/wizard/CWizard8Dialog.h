#pragma once

#include "wizard/CWizard8.h"

#include <QDialog>

class QTreeWidget;

namespace tallar::ui {

// The shield page: the shields (tick at most one) and the properties of the selected one.
class CWizard8Dialog : public QDialog {
    Q_OBJECT
public:
    CWizard8Dialog(CWizard8& page, QWidget* parent = nullptr);

    QTreeWidget* shieldTree() const { return shields_; }
    QTreeWidget* propertyList() const { return properties_; }

    void accept() override;

private:
    void showTicks();

    CWizard8& page_;
    QTreeWidget* shields_;
    QTreeWidget* properties_;
    bool filling_ = false;
};

} // namespace tallar::ui
