#include "model/Entry.h"

#include "model/EntryLookup.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <algorithm>
#include <unordered_map>

namespace tallar {

namespace {

const TableDef& entryTable() {
    static const TableDef& table = *findTable("pozycje");
    return table;
}

std::string columnList() {
    std::string list;
    for (const ColumnDef& column : entryTable().columns) {
        if (!list.empty())
            list += ',';
        list += column.name;
    }
    return list;
}

// Writing a row replaces a row with the same identifier, which may belong to another tree.
const std::string& insertSql() {
    static const std::string sql = [] {
        std::string marks;
        for (std::size_t i = 0; i < entryTable().columns.size(); ++i)
            marks += i ? ",?" : "?";
        return "INSERT OR REPLACE INTO pozycje (" + columnList() + ") VALUES (" + marks + ");";
    }();
    return sql;
}

Status saveRows(Database& db, const CPoz& entry, std::string_view parentId,
                std::string_view characterId, int place) {
    // Bound in the order of the table's columns.
    const SqlParam values[] = {entry.id(),        parentId,      characterId, place,
                               entry.info,        entry.specjal, entry.typ,   entry.wartosc,
                               entry.modyfikator, entry.memo};
    static_assert(std::size(values) == 10);
    if (Status status = db.exec(insertSql(), values); !status)
        return status;
    int childPlace = 1;
    for (const CPoz* child : entry.children())
        if (Status status = saveRows(db, *child, entry.id(), characterId, childPlace++); !status)
            return status;
    return {};
}

struct StoredRow {
    std::string id, parentId, info, specjal, memo;
    long long place = 0;
    int typ = 0;
    int wartosc = 0;
    double modyfikator = 1.0;
};

// Builds the tree from the rows of one character: children by their stored parent links in
// the order of their places. A row reached a second time (stored parent links that lead
// back into the tree) is reported and not followed again.
class TreeBuilder {
public:
    TreeBuilder(Database& db, std::vector<StoredRow>& rows, std::vector<std::string>& warnings)
        : db_(db), rows_(rows), warnings_(warnings), visited_(rows.size(), false) {
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const StoredRow& row = rows_[i];
            if (row.id != row.parentId)
                children_[row.parentId].push_back(i);
        }
        for (auto& [parent, list] : children_)
            std::stable_sort(list.begin(), list.end(), [this](std::size_t a, std::size_t b) {
                return rows_[a].place < rows_[b].place;
            });
    }

    std::unique_ptr<CPoz> build(std::size_t root, const RootMaker& makeRoot) {
        std::unique_ptr<CPoz> entry = make(rows_[root], makeRoot);
        visited_[root] = true;
        lookup_.enter(*entry);
        addChildren(*entry);
        lookup_.resolveReferences();
        return entry;
    }

private:
    std::unique_ptr<CPoz> make(StoredRow& row, const RootMaker& makeRoot) {
        if (makeRoot)
            return makeRoot(&db_, row.id, row.info, row.specjal, row.typ, row.modyfikator,
                            row.wartosc, row.memo);
        return std::make_unique<CPoz>(&db_, row.id, row.info, row.specjal, row.typ, row.modyfikator,
                                      row.wartosc, row.memo);
    }

    void addChildren(CPoz& entry) {
        const auto found = children_.find(entry.id());
        if (found == children_.end())
            return;
        for (std::size_t index : found->second) {
            if (visited_[index]) {
                warnings_.push_back("Zapisane powiązania pozycji tworzą cykl: pozycja " +
                                    rows_[index].id + " wraca pod pozycję " + entry.id() +
                                    "; pominięto ją.");
                continue;
            }
            visited_[index] = true;
            CPoz* child = entry.Append(make(rows_[index], {}));
            lookup_.enter(*child);
            addChildren(*child);
        }
    }

    Database& db_;
    std::vector<StoredRow>& rows_;
    std::vector<std::string>& warnings_;
    std::vector<bool> visited_;
    std::unordered_map<std::string, std::vector<std::size_t>> children_;
    EntryLookup lookup_;
};

} // namespace

Status CPoz::SaveTree(std::string_view parentId, std::string_view characterId, int place) const {
    if (!connection_)
        return Status::error("Pozycja „" + info + "” nie ma połączenia z bazą danych.");
    return saveRows(*connection_, *this, parentId, characterId, place);
}

Status CPoz::DeleteTree() const {
    if (!connection_)
        return Status::error("Pozycja „" + info + "” nie ma połączenia z bazą danych.");
    return DeleteStoredTree(*connection_, id_);
}

Status DeleteStoredTree(Database& db, std::string_view id) {
    // The union stops at rows already collected, so stored links that form a cycle end.
    return db.exec("WITH RECURSIVE poddrzewo(id) AS ("
                   "SELECT id FROM pozycje WHERE id=? "
                   "UNION SELECT p.id FROM pozycje p JOIN poddrzewo d ON p.id_n=d.id) "
                   "DELETE FROM pozycje WHERE id IN poddrzewo;",
                   {id});
}

TreeLoad LoadTree(Database& db, std::string_view id, const RootMaker& makeRoot) {
    TreeLoad result;
    // A tree is stored with the identifier of its character in every row, so one query
    // reads all candidate rows; the tree is then built from the parent links.
    std::optional<std::string> character;
    bool rootFound = false;
    result.status = db.exec("SELECT id_ist FROM pozycje WHERE id=?;", {id}, [&](const Row& row) {
        rootFound = true;
        character = row.value(0);
    });
    if (!result.status)
        return result;
    if (!rootFound) {
        result.status = Status::error("Nie ma pozycji o identyfikatorze " + std::string(id) + ".");
        return result;
    }
    result.found = true;

    static const std::string select = "SELECT " + columnList() + " FROM pozycje WHERE ";
    const TableDef& table = entryTable();
    const int cId = table.columnIndex("id"), cParent = table.columnIndex("id_n"),
              cPlace = table.columnIndex("lp"), cInfo = table.columnIndex("info"),
              cSpecjal = table.columnIndex("specjal"), cTyp = table.columnIndex("typ"),
              cValue = table.columnIndex("wartosc"), cModifier = table.columnIndex("modyfikator"),
              cMemo = table.columnIndex("memo");
    std::vector<StoredRow> rows;
    std::size_t root = 0;
    const auto takeRow = [&](const Row& row) {
        StoredRow& stored = rows.emplace_back();
        stored.id = row.text(cId);
        stored.parentId = row.text(cParent);
        stored.place = row.integer(cPlace);
        stored.info = row.text(cInfo);
        stored.specjal = row.text(cSpecjal);
        stored.typ = static_cast<int>(row.integer(cTyp));
        stored.wartosc = static_cast<int>(row.integer(cValue));
        stored.modyfikator = row.real(cModifier);
        stored.memo = row.text(cMemo);
        if (stored.id == id)
            root = rows.size() - 1;
    };
    result.status = character ? db.exec(select + "id_ist=?;", {*character}, takeRow)
                              : db.exec(select + "id=?;", {id}, takeRow);
    if (!result.status)
        return result;
    if (rows.empty() || rows[root].id != id) {
        result.status = Status::error("Nie ma pozycji o identyfikatorze " + std::string(id) + ".");
        return result;
    }
    TreeBuilder builder(db, rows, result.warnings);
    result.entry = builder.build(root, makeRoot);
    return result;
}

} // namespace tallar
