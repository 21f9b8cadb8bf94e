#pragma once

#include "base/Status.h"

#include <functional>
#include <string>
#include <vector>

namespace tallar {
class Database;
class Row;
class UserPort;
} // namespace tallar

namespace tallar::editors {

struct DeletePreview;
struct ListDef;

// The caption of a list's error messages: the application title.
inline constexpr const char* kApplicationTitle = "Tallar2";

// What a list window shows, filled from the rows of its SELECT. Column 0 of the result is
// the row identifier; it becomes the last column, 0 pixels wide. Every row goes to the
// top, so a query sorted DESC reads ascending.
class ListContents {
public:
    static constexpr int kPixelsPerCharacter = 15;

    struct Column {
        std::string heading;
        int width = 0;
    };

    const std::vector<Column>& columns() const { return columns_; }
    // Items top to bottom; each holds the shown columns and the identifier last.
    const std::vector<std::vector<std::string>>& items() const { return items_; }
    const std::string& idOf(std::size_t item) const { return items_.at(item).back(); }

    // Removes the items but keeps the columns: a refresh that finds no rows keeps them.
    void clearItems() { items_.clear(); }
    // Adds one result row; the first row after clearItems rebuilds the columns.
    void addRow(const Row& row);
    // Headings shown instead of the aliases, column by column (the identifier's excepted).
    void setHeadings(std::vector<std::string> headings) { headings_ = std::move(headings); }

private:
    std::vector<std::string> headings_;
    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> items_;
};

// The actions a list offers for its rows; a list of a table calls its editor.
class ListActions {
public:
    virtual ~ListActions() = default;
    virtual void add(const std::string& /*id*/) {}
    virtual void edit(const std::string& /*id*/) {}
    virtual void remove(const std::string& /*id*/) {}
    // What `remove` would take with the row; nothing by default.
    virtual Status previewRemoval(const std::string& id, DeletePreview& preview);
};

// The logic of a list window: its query, its contents and what its buttons do.
class RowList {
public:
    RowList(Database& db, std::string title, std::string select, bool multiSelect,
            std::vector<std::string> values = {});
    // The list a description defines, without check boxes.
    RowList(Database& db, const ListDef& def);

    const std::string& title() const { return title_; }
    bool multiSelect() const { return multiSelect_; }
    // Whether "Usuń" deletes rows; in a list that keeps its rows it does nothing.
    bool deletes() const { return deletes_; }
    const ListContents& contents() const { return contents_; }
    Database& database() { return db_; }

    // Reads the rows again. A failing query is shown in a message box captioned with the
    // application title (its "SQL error" line is written by the database); the list keeps
    // what it read before the failure.
    Status refresh(UserPort& port);

    // "Dodaj": a new identifier for the new row, then a refresh.
    void addClicked(ListActions& actions, UserPort& port);
    // "Edycja" and "Usuń": with check boxes every ticked item, else the selected one (if
    // any); then one refresh. `checked` holds item indexes, `selected` -1 for none. "Usuń"
    // asks first, naming the row, the rows that go with it and those that still name it;
    // a list that keeps its rows deletes nothing.
    void editClicked(ListActions& actions, UserPort& port, const std::vector<std::size_t>& checked,
                     int selected);
    void removeClicked(ListActions& actions, UserPort& port,
                       const std::vector<std::size_t>& checked, int selected);
    // Enter and a double-click: the selected item, whatever the check boxes say.
    void openSelected(ListActions& actions, UserPort& port, int selected);

    // The identifiers the buttons act on, by the rules above.
    std::vector<std::string> targets(const std::vector<std::size_t>& checked, int selected) const;
    // The question "Usuń" asks about an item.
    std::string removalQuestion(ListActions& actions, std::size_t item) const;
    // The item to select after the last action: the row just added or edited, when it is
    // in the list; -1 otherwise.
    int itemToSelect() const;

private:
    std::vector<std::size_t> targetItems(const std::vector<std::size_t>& checked,
                                         int selected) const;

    Database& db_;
    std::string title_;
    std::string select_;
    bool multiSelect_;
    bool deletes_ = true;
    std::size_t nameColumn_ = 0;
    std::vector<std::string> values_;
    std::string acted_; // the row the last add or edit was about
    ListContents contents_;
};

// The item to scroll to after a refresh so the view keeps its place: the last item that
// was visible, or the old item count when that is smaller.
int itemToKeepVisible(int itemCount, int topIndex, int itemsPerPage);

} // namespace tallar::editors
