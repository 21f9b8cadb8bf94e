#pragma once

#include "editors/RowEditor.h"
#include "ui/QtUserPort.h"

#include <QDialog>

#include <map>
#include <string>

class QListWidget;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class QVBoxLayout;
class QWidget;

namespace tallar {
class Database;
}

namespace tallar::ui {

class StatusLine;

// An editor dialog built from its table's description: one control per field (grouped in
// rows and pages as described), a section per link table with a pick list, and "Zapisz".
// The logic — checks, save, delete — is the RowEditor's; this class shows and forwards.
class EditorDialog : public QDialog {
    Q_OBJECT
public:
    // With `held`, the row is one its opener keeps (a natural weapon of a stage): the form
    // starts from those values and "Zapisz" only checks them; the opener reads them back.
    EditorDialog(Database& db, const editors::EditorDef& def, const std::string& id,
                 editors::EditorMode mode, QWidget* parent,
                 std::vector<editors::FixedValue> extraFixed = {},
                 const editors::RowValues* held = nullptr);

    editors::RowEditor& editor() { return editor_; }
    // The control of a column, or null.
    QWidget* control(const std::string& column) const;
    // The delete routine: the editor's cascade, without showing anything.
    bool remove();
    // "Zapisz": saves and closes when the row was written.
    void saveClicked();
    // Links the rows picked in a pick list (the action of a link section's "Dodaj").
    void linkRows(std::size_t link, const std::vector<editors::LinkedRow>& rows);
    // Edits the values of a link row in the small value dialog; false when cancelled.
    bool editLinkValues(std::size_t link, std::size_t index);
    // The actions of the children and owned-rows sections.
    void addChild(std::size_t list);
    void editChild(std::size_t list, int index);
    void removeChild(std::size_t list, int index);
    void addOwned(std::size_t list);
    void editOwned(std::size_t list, int index);
    void removeOwned(std::size_t list, int index);
    QListWidget* childView(std::size_t list) const { return childViews_.at(list); }
    QListWidget* ownedView(std::size_t list) const { return ownedViews_.at(list); }
    QListWidget* linkView(std::size_t link) const { return linkViews_.at(link); }
    // The line beside the buttons that says why "Zapisz" did nothing or a text was refused.
    StatusLine* statusLine() const { return status_; }
    // Cancelling a new row that was never saved takes the children saved meanwhile with it.
    void reject() override;
    // Shows the form; a row that could not be read is reported instead (Rejected).
    int exec() override;

protected:
    Database& database() { return db_; }
    QtUserPort& port() { return port_; }
    // Adds a section below the fields and links (the formulas of an ability).
    void addSection(QWidget* section);

private:
    QWidget* makeControl(const editors::Field& field);
    QWidget* makeLinkSection(std::size_t link);
    QWidget* makeChildSection(std::size_t list);
    QWidget* makeOwnedSection(std::size_t list);
    void showLinks(std::size_t link);
    void showChildren(std::size_t list);
    void showOwned(std::size_t list);
    void fieldEdited(const std::string& column, const std::string& text);
    void markProblem(const std::string& column);
    // The tooltip of a field: what it must hold.
    QString hint(const editors::Field& field) const;
    // "Label: text" for a message about a field.
    QString aboutField(const std::string& column, const std::string& text) const;
    // Opens at the size the form wants (at least `atLeast`), as far as the screen allows.
    void fitToForm(QSize atLeast);

    Database& db_;
    editors::RowEditor editor_;
    QtUserPort port_;
    Status loaded_; // the load of the row; ok when the form reads nothing
    std::map<std::string, QWidget*> controls_;
    std::map<std::string, std::string> refused_; // shown text the editor did not take
    QVBoxLayout* sections_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    StatusLine* status_ = nullptr;
    std::vector<QListWidget*> linkViews_;
    std::vector<QListWidget*> childViews_;
    std::vector<QListWidget*> ownedViews_;
    bool held_ = false;
};

// The small dialog that edits the values of one link row ("EDYCJA", "Tytuł").
class LinkValueDialog : public QDialog {
    Q_OBJECT
public:
    LinkValueDialog(QWidget* parent, const std::string& title, const std::string& rowName,
                    const std::vector<editors::ColumnNote>& columns,
                    const std::vector<std::string>& values);
    std::vector<std::string> values() const;
    // OK: closes only when every value can be saved; otherwise says why at the field.
    void accept() override;

private:
    std::vector<editors::ColumnNote> columns_;
    std::vector<QWidget*> edits_;
    StatusLine* status_ = nullptr;
};

} // namespace tallar::ui
