#pragma once

#include "base/UserPort.h"

#include <QDialog>

class QTableWidget;

namespace tallar::ui {

// Shows rows to choose from: with multi-select a check box per row, else one selected row.
class PickRowsDialog : public QDialog {
    Q_OBJECT
public:
    PickRowsDialog(const QString& caption, const PickTable& table, bool multiSelect,
                   QWidget* parent = nullptr);

    // Identifiers of the rows chosen, in table order.
    std::vector<std::string> chosenIds() const;

private:
    const PickTable& table_;
    bool multiSelect_;
    QTableWidget* view_;
};

} // namespace tallar::ui
