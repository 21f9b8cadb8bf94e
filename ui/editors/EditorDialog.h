#pragma once

#include "editors/RowEditor.h"
#include "ui/QtUserPort.h"

#include <QDialog>

#include <map>
#include <string>

class QListWidget;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;
class QWidget;

namespace tallar {
class Database;
}

namespace tallar::ui {

// An editor dialog built from its table's description: one control per field (grouped in
// rows and pages as described), a section per link table with a pick list, and "Zapisz".
// The logic — checks, save, delete — is the RowEditor's; this class shows and forwards.
class EditorDialog : public QDialog {
    Q_OBJECT
public:
    EditorDialog(Database& db, const editors::EditorDef& def, const std::string& id, char mode,
                 QWidget* parent, std::vector<editors::FixedValue> extraFixed = {});

    editors::RowEditor& editor() { return editor_; }
    // The control of a column, or null.
    QWidget* control(const std::string& column) const;
    // The delete routine: the editor's cascade, without showing anything.
    bool remove();
    // "Zapisz": saves and closes when the row was written.
    void saveClicked();
    // Links the rows picked in a pick list (the action of a link section's "Dodaj").
    void linkRows(std::size_t link, const std::vector<editors::LinkedRow>& rows);

protected:
    Database& database() { return db_; }
    QtUserPort& port() { return port_; }
    // Adds a section below the fields and links (the formulas of an ability).
    void addSection(QWidget* section);

private:
    QWidget* makeControl(const editors::Field& field);
    QWidget* makeLinkSection(std::size_t link);
    void showLinks(std::size_t link);
    void fieldEdited(const std::string& column, const std::string& text);
    void markProblem(const std::string& column);

    Database& db_;
    editors::RowEditor editor_;
    QtUserPort port_;
    std::map<std::string, QWidget*> controls_;
    std::map<std::string, std::string> refused_; // shown text the editor did not take
    QVBoxLayout* sections_ = nullptr;
    std::vector<QListWidget*> linkViews_;
};

} // namespace tallar::ui
