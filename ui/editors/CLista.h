#pragma once

#include "editors/RowEditor.h"
#include "editors/RowList.h"
#include "ui/QtUserPort.h"

#include <QDialog>
#include <QPushButton>

#include <string>
#include <vector>

class QLineEdit;
class QTreeView;

namespace tallar {
class Database;
}

namespace tallar::ui {

class ListModel;
class ListSortFilter;

// The list window: the rows of one SELECT with "Dodaj", "Edycja" and "Usuń". The column
// headings come from the query's aliases; with the multi-select flag each row has a check
// box and the buttons act on the ticked rows. A click on a heading sorts by that column
// (Polish order, numbers by value), the field above the list keeps the rows that hold what
// is typed (Ctrl+F goes to it), and after an editor closes the row it edited stays
// selected. Column widths and the window's size are remembered. Subclasses bind the
// buttons to an editor (CListaTemplate) or to picking rows (CListaWybor).
class CLista : public QDialog, private editors::ListActions {
    Q_OBJECT
public:
    CLista(QWidget* parent, Database& db, const std::string& title, const std::string& select,
           bool multiSelect, std::vector<std::string> values = {});
    // The list a description defines; a list that keeps its rows shows no "Usuń".
    CLista(QWidget* parent, Database& db, const editors::ListDef& def);
    ~CLista() override;

    QTreeView* view() const { return view_; }
    QLineEdit* filterField() const { return filter_; }
    ListSortFilter* shownRows() const { return shown_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* deleteButton() const { return delete_; }
    const editors::RowList& logic() const { return list_; }

    // The rows as shown, top to bottom (after sorting and filtering).
    int shownCount() const;
    QString shownText(int row, int column) const;
    void selectShown(int row);
    void setShownChecked(int row, bool checked);
    // The shown row of the selection, or -1.
    int selectedShown() const;

    // Reads the rows again and keeps the scroll position.
    void refresh();
    // The button actions, as the buttons, Enter and a double-click call them.
    void addClicked();
    void editClicked();
    void deleteClicked();
    // Enter: edits the selected row.
    virtual void okAction();

protected:
    // Called once while the window is set up, before the first refresh (pick lists hide
    // their buttons here).
    virtual void setUp() {}
    virtual void Add(const std::string& /*id*/) {}
    virtual void Edit(const std::string& /*id*/) {}
    virtual void Delete(const std::string& /*id*/) {}
    // What Delete would take with the row (the editor's cascade); nothing by default.
    virtual Status removalPreview(const std::string& id, editors::DeletePreview& preview);
    // A right-click in the list, at `point` in the list's coordinates.
    virtual void contextHook(const QPoint& /*point*/) {}

    Database& database() { return list_.database(); }
    // The list's rows (as RowList counts them) ticked, and selected (-1: none).
    std::vector<std::size_t> checkedItems() const;
    int selectedItem() const;

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void build();
    void add(const std::string& id) override { Add(id); }
    void edit(const std::string& id) override { Edit(id); }
    void remove(const std::string& id) override { Delete(id); }
    Status previewRemoval(const std::string& id, editors::DeletePreview& preview) override {
        return removalPreview(id, preview);
    }
    struct ScrollPlace {
        int count = 0;
        int top = 0;
        int perPage = 1;
    };
    ScrollPlace scrollPlace() const;
    // Shows the rows just read, selects `keep` (a row identifier) or the row the last
    // action added or edited, and scrolls back to the remembered place.
    void showAgain(const ScrollPlace& place, const std::string& keep = {});
    // A list shown as a window of its own opens wide enough for its columns, or as it was.
    void sizeWindow();
    // Widths: the remembered ones, else each column as wide as its heading and texts.
    void sizeColumns();
    QString memoryKey() const;

    editors::RowList list_;
    QtUserPort port_;
    ListModel* model_;
    ListSortFilter* shown_;
    QLineEdit* filter_;
    QTreeView* view_;
    QPushButton* add_;
    QPushButton* edit_;
    QPushButton* delete_;
    bool initialised_ = false;
    bool sizing_ = false;        // the columns are being sized by the program
    bool widthsChanged_ = false; // the person resized a column
    int sizedColumns_ = -1;      // the column count the widths were made for
};

// A list bound to the editor class T: "Dodaj" and "Edycja" show T to add or edit a row,
// "Usuń" asks, then runs T's delete routine without showing it.
template <class T> class CListaTemplate : public CLista {
public:
    using CLista::CLista;

protected:
    void Add(const std::string& id) override {
        T editor(database(), id, editors::EditorMode::New, this);
        editor.exec();
    }
    void Edit(const std::string& id) override {
        T editor(database(), id, editors::EditorMode::Edit, this);
        editor.exec();
    }
    void Delete(const std::string& id) override {
        T editor(database(), id, editors::EditorMode::Delete, this);
        editor.remove();
    }
    Status removalPreview(const std::string& id, editors::DeletePreview& preview) override {
        T editor(database(), id, editors::EditorMode::Delete, this);
        return editor.editor().previewRemoval(preview);
    }
};

} // namespace tallar::ui
