#pragma once

#include "base/Status.h"
#include "editors/EditorDef.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tallar {
class Database;
class Transaction;
class UserPort;
struct TableDef;
} // namespace tallar

namespace tallar::editors {

struct DeletePreview;

// A row linked through a link table, with the name shown for it.
struct LinkedRow {
    std::string id;
    std::string name;
    std::vector<std::string> values = {}; // the link row's own values (LinkDef::values)
};

// A row held in the form: column name to value.
using RowValues = std::map<std::string, std::string>;

// Why a row cannot be saved as it stands: the field at fault and the message naming it.
struct SaveBlocker {
    std::string column;
    std::string message;
};

// A SELECT with its bound values.
struct Query {
    std::string sql;
    std::vector<std::string> values;
};

// What an editor is opened for: a new row, editing a row, or deleting one.
enum class EditorMode { New, Edit, Delete };

// The logic of an editor of one rules row: the contract every editor keeps (database,
// identifier, mode), its fields and their checks, the linked rows, the save
// (delete the row and its links by identifier, insert them again, all in one transaction)
// and the delete cascade. Widgets show its state and forward what the user types.
class RowEditor {
public:
    using Mode = EditorMode;
    enum class SaveResult { Saved, Incomplete, Invalid, Failed };

    // `extraFixed` adds values the opener decides (the owner of a formula).
    RowEditor(Database& db, const EditorDef& def, std::string id, Mode mode,
              std::vector<FixedValue> extraFixed = {});
    ~RowEditor();
    RowEditor(const RowEditor&) = delete;
    RowEditor& operator=(const RowEditor&) = delete;

    const EditorDef& def() const { return def_; }
    const std::string& id() const { return id_; }
    Mode mode() const { return mode_; }
    // The window title of the mode ("Ekwipunek - nowy").
    const std::string& title() const;
    const std::vector<Field>& fields() const { return fields_; }
    const Field* field(const std::string& column) const;

    // Reads the row and its linked rows; a missing row leaves the fields empty.
    Status load();

    const std::string& value(const std::string& column) const;
    // The rows a reference field may name, by name (identifier and name each); empty when
    // they cannot be read (the failure is written to the error stream).
    std::vector<LinkedRow> referenceChoices(const std::string& column) const;
    // Sets a field as typed. A text the field cannot take (a character Windows-1250 cannot
    // store, or anything but a number in a number field) is refused: the old value stays
    // and the message is returned. A malformed dice expression is kept but marked.
    std::optional<std::string> setValue(const std::string& column, const std::string& text);
    // Why the field's current value cannot be saved, or nothing.
    std::optional<std::string> problem(const std::string& column) const;
    // Whether every required field holds something.
    bool complete() const;
    // What keeps "Zapisz" from saving: the first required field that is empty, else the
    // first field whose value cannot be saved; nothing when the row can be saved.
    std::optional<SaveBlocker> blocker() const;

    const std::vector<LinkedRow>& linked(std::size_t link) const { return linked_.at(link); }
    void link(std::size_t link, LinkedRow row);
    void unlink(std::size_t link, const std::string& id);
    void unlinkAt(std::size_t link, std::size_t index);
    // Sets the values of a link row (a percentage, a level); with own identifiers the name
    // shown follows the values.
    void setLinkValues(std::size_t link, std::size_t index, std::vector<std::string> values);

    // Children (rows saved by their own editors): those of the row now, less the removed.
    const std::vector<LinkedRow>& children(std::size_t list) const { return children_.at(list); }
    // Reads the children again after a child editor saved.
    Status reloadChildren(std::size_t list);
    // The values a child editor fixes: the owner column and the list's own.
    std::vector<FixedValue> childFixed(std::size_t list) const;
    // Removes a child: kept for the save to delete (pruned lists) or deleted at once.
    Status removeChild(std::size_t list, const std::string& id);
    // A new row that is cancelled takes the children and formulas saved meanwhile with it.
    Status discardUnsaved();

    // An editor of a row that owns rows saved by their own editors (the stages of a race,
    // the throws of a skill, the formulas of a trade or an ability) is one unit of work
    // while it is open: what its child editors save is kept when it saves and undone when
    // it is cancelled. Other editors, and the delete mode, need none.
    Status beginUnit();
    bool inUnit() const { return unit_ != nullptr; }
    // Cancel: undoes what was saved while the editor was open; without a unit, takes the
    // children of a new row that was never saved (discardUnsaved).
    Status cancel();

    // Rows held in the form and saved with it.
    const std::vector<RowValues>& owned(std::size_t list) const { return owned_.at(list); }
    // Replaces the row at `index`, or adds it when `index` is past the end.
    void setOwned(std::size_t list, std::size_t index, RowValues row);
    void removeOwned(std::size_t list, std::size_t index);
    std::string ownedName(std::size_t list, std::size_t index) const;

    // A form whose row is held by its opener: takes the values instead of reading them.
    void assign(const RowValues& values);
    const RowValues& values() const { return values_; }
    // The checks of a save without writing: Saved when the row could be written.
    SaveResult check(UserPort& port) const;
    // The pick list's SELECT, leaving out the rows linked now.
    Query pickQuery(std::size_t link) const;

    // Saves the row and its links as one unit. Incomplete: a required field is empty (no
    // message, as the dialog simply stays open). Invalid: a field's value is refused,
    // reported through `port`. Failed: a statement failed, everything was rolled back and
    // the failure reported.
    SaveResult save(UserPort& port);

    // Deletes the row and what depends on it, in the cascade's order, as one unit.
    Status remove();
    // What remove() would take with the row and which rows would still name it, found
    // without changing anything.
    Status previewRemoval(DeletePreview& preview);

private:
    const std::string& fixedValue(const std::string& column) const;
    Status saveOwned();
    Status pruneChildren();

    Database& db_;
    const EditorDef& def_;
    const TableDef* table_;
    std::string id_;
    Mode mode_;
    std::vector<FixedValue> fixed_;
    std::vector<Field> fields_;
    std::map<std::string, std::string> values_;
    std::vector<std::vector<LinkedRow>> linked_;
    std::vector<std::vector<LinkedRow>> children_;
    std::vector<std::vector<std::string>> removedChildren_;
    std::vector<std::vector<RowValues>> owned_;
    bool loaded_ = false;     // whether load() read the row and what it holds
    bool loadFailed_ = false; // whether the last load() failed (the form holds a part)
    std::unique_ptr<Transaction> unit_;
};

// Runs the delete cascade of `def` for `id` in one transaction. `fixed` holds the values an
// opener fixed (the owning skill of a chance), compared where a step names them.
Status deleteCascade(Database& db, const EditorDef& def, const std::string& id,
                     const std::vector<FixedValue>& fixed = {});

// The SELECT of a pick list leaving out `excluded` (bound values, closed by the empty text).
Query pickQuery(const PickList& pick, const std::vector<std::string>& excluded);

} // namespace tallar::editors
