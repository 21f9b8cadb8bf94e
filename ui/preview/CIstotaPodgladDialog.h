#pragma once

#include "preview/CIstotaPodglad.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <set>
#include <string>

class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QTreeView;
class QUndoStack;

namespace tallar {
class UserPort;
}

namespace tallar::ui {

class EntryTreeModel;

// The character preview "Podgląd": the character's entries as a tree, the selected entry's
// description, the context menu with "Modyfikacja", "Dodaj" and "Usuń", "Przelicz", the
// character sheet, both exports, undo and redo of every change (Ctrl+Z, Ctrl+Shift+Z), OK
// (save and close) and "Anuluj" (close without saving; asked first when something changed).
// It shows the state of a CIstotaPodglad and forwards what the person does to it.
class CIstotaPodgladDialog : public QDialog {
    Q_OBJECT
public:
    CIstotaPodgladDialog(CIstotaPodglad& preview, UserPort& port, QWidget* parent = nullptr);
    ~CIstotaPodgladDialog() override;

    QTreeView* tree() const { return tree_; }
    QPlainTextEdit* descriptionBox() const { return description_; }
    QUndoStack* undoStack() const { return undo_; }
    EntryTreeModel* model() const { return model_; }
    QPushButton* button(const QString& text) const;

    // The context menu of an entry with the commands that apply to it (null: none apply).
    // Its actions run the commands.
    std::unique_ptr<QMenu> contextMenu(CPoz& entry);
    // Selects an entry as a click does.
    void selectEntry(const CPoz* entry);
    // The identifiers of the expanded entries.
    std::set<std::string> expandedIds() const;

    // What the buttons do, with the file already chosen (the buttons ask for it).
    void exportTo(const QString& path);
    void writeStatisticsTo(const QString& path);
    void recompute();

    // The edit dialogs open modally; a test sets this to fill and answer them instead.
    using DialogRunner = std::function<bool(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

    void accept() override;
    void reject() override;

private:
    void addBelow(CPoz& context);
    void modifyEntry(CPoz& entry);
    void removeEntry(CPoz& entry);
    // Runs a change and keeps it for undo when it changed anything.
    void perform(std::unique_ptr<PreviewCommand> command);
    // Around a change of the tree: the view lets go of the entries, then shows the tree
    // again with the same entries expanded and selected.
    void letGoOfTree();
    void showTree();
    bool run(QDialog& dialog);
    void showSelection();

    CIstotaPodglad& preview_;
    UserPort& port_;
    EntryTreeModel* model_;
    QTreeView* tree_;
    QPlainTextEdit* description_;
    QUndoStack* undo_;
    DialogRunner runDialog_;
    std::set<std::string> expandedBeforeChange_;
};

} // namespace tallar::ui
