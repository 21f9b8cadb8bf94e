#pragma once

#include "editors/RowList.h"
#include "ui/QtUserPort.h"

#include <QDialog>
#include <QPushButton>

#include <string>
#include <vector>

class QTreeWidget;

namespace tallar {
class Database;
}

namespace tallar::ui {

// The list window: the rows of one SELECT with "Dodaj", "Edycja" and "Usuń". The column
// headings come from the query's aliases; with the multi-select flag each row has a check
// box and the buttons act on the ticked rows. Subclasses bind the buttons to an editor
// (CListaTemplate) or to picking rows (CListaWybor).
class CLista : public QDialog, private editors::ListActions {
    Q_OBJECT
public:
    CLista(QWidget* parent, Database& db, const std::string& title, const std::string& select,
           bool multiSelect, std::vector<std::string> values = {});
    // The list a description defines; a list that keeps its rows shows no "Usuń".
    CLista(QWidget* parent, Database& db, const editors::ListDef& def);

    QTreeWidget* view() const { return view_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* deleteButton() const { return delete_; }
    const editors::RowList& logic() const { return list_; }

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
    // A right-click in the list, at `point` in the list's coordinates.
    virtual void contextHook(const QPoint& /*point*/) {}

    Database& database() { return list_.database(); }
    std::vector<std::size_t> checkedItems() const;
    int selectedItem() const;

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    void add(const std::string& id) override { Add(id); }
    void edit(const std::string& id) override { Edit(id); }
    void remove(const std::string& id) override { Delete(id); }
    struct ScrollPlace {
        int count = 0;
        int top = 0;
        int perPage = 1;
    };
    ScrollPlace scrollPlace() const;
    // Shows the rows just read and scrolls back to the remembered place.
    void showAgain(const ScrollPlace& place);
    void fillView();

    editors::RowList list_;
    QtUserPort port_;
    QTreeWidget* view_;
    QPushButton* add_;
    QPushButton* edit_;
    QPushButton* delete_;
    bool initialised_ = false;
};

// A list bound to the editor class T: "Dodaj" and "Edycja" show T in mode N or E,
// "Usuń" runs T's delete routine without showing it.
template <class T> class CListaTemplate : public CLista {
public:
    using CLista::CLista;

protected:
    void Add(const std::string& id) override {
        T editor(database(), id, 'N', this);
        editor.exec();
    }
    void Edit(const std::string& id) override {
        T editor(database(), id, 'E', this);
        editor.exec();
    }
    void Delete(const std::string& id) override {
        T editor(database(), id, 'D', this);
        editor.remove();
    }
};

} // namespace tallar::ui
