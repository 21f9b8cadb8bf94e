#include "store/EntryStore.h"

#include "store/EntryLookup.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"

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

Status saveRow(Database& db, const CPoz& entry, std::string_view parentId,
               std::string_view characterId, int place) {
    // Bound in the order of the table's columns.
    const SqlParam values[] = {entry.id(),        parentId,      characterId, place,
                               entry.info,        entry.specjal, entry.typ,   entry.wartosc,
                               entry.modyfikator, entry.memo};
    static_assert(std::size(values) == 10);
    return db.exec(insertSql(), values);
}

// The entry, then its subtree in tree order, each child at its place among its siblings.
Status saveRows(Database& db, const CPoz& entry, std::string_view parentId,
                std::string_view characterId, int place) {
    Status status = saveRow(db, entry, parentId, characterId, place);
    // The place the last child written took at each depth (index 0: the entry itself).
    std::vector<int> places{place};
    WalkTree(entry, [&](const CPoz& child, int depth) {
        if (!status)
            return false;
        places.resize(static_cast<std::size_t>(depth) + 1, 0);
        const CPoz& parent = *child.parent();
        status = saveRow(db, child, parent.id(), characterId, ++places.back());
        return true;
    });
    return status;
}

// A row read for a tree: its entry (made at once, until it is attached to its parent), the
// stored parent identifier and place.
struct StoredRow {
    std::unique_ptr<CPoz> entry;
    CPoz* raw = nullptr;
    std::string parentId;
    long long place = 0;
};

// Builds the tree from the rows of one character: children by their stored parent links in
// the order of their places. A row reached a second time (stored parent links that lead
// back into the tree) is reported and not followed again.
class TreeBuilder {
public:
    TreeBuilder(std::vector<StoredRow>& rows, std::vector<std::string>& warnings)
        : rows_(rows), warnings_(warnings), entries_(rows.size(), nullptr), children_(rows.size()) {
        index_.reserve(rows_.size());
        for (std::size_t i = 0; i < rows_.size(); ++i)
            index_.emplace(rows_[i].raw->id(), i);
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const StoredRow& row = rows_[i];
            if (row.raw->id() == row.parentId)
                continue;
            if (const auto parent = index_.find(row.parentId); parent != index_.end())
                children_[parent->second].push_back(i);
        }
        const auto byPlace = [this](std::size_t a, std::size_t b) {
            return rows_[a].place < rows_[b].place;
        };
        for (auto& list : children_)
            if (!std::is_sorted(list.begin(), list.end(), byPlace))
                std::stable_sort(list.begin(), list.end(), byPlace);
    }

    std::unique_ptr<CPoz> build(std::size_t root) {
        std::unique_ptr<CPoz> entry = std::move(rows_[root].entry);
        enter(root, *entry);
        addChildren(root, *entry);
        resolveReferences();
        return entry;
    }

private:
    void enter(std::size_t index, CPoz& entry) {
        entries_[index] = &entry;
        if (!entry.specjal.empty() && entry.specjal.front() == '&')
            (void)pending_.Append(std::make_unique<CRefX>(entry));
    }

    // Attaches the rows below `index` in tree order. The path of rows being filled is kept
    // in a list rather than on the call stack, so a tree of any depth can be built.
    void addChildren(std::size_t index, CPoz& entry) {
        struct Level {
            std::size_t row;
            std::size_t nextChild;
            CPoz* entry;
        };
        std::vector<Level> path{{index, 0, &entry}};
        while (!path.empty()) {
            Level& level = path.back();
            const std::vector<std::size_t>& children = children_[level.row];
            if (level.nextChild == children.size()) {
                path.pop_back();
                continue;
            }
            const std::size_t childIndex = children[level.nextChild++];
            CPoz& parent = *level.entry;
            if (entries_[childIndex]) {
                warnings_.push_back("Zapisane powiązania pozycji tworzą cykl: pozycja " +
                                    entries_[childIndex]->id() + " wraca pod pozycję " +
                                    parent.id() + "; pominięto ją.");
                continue;
            }
            CPoz* child = parent.Append(std::move(rows_[childIndex].entry));
            enter(childIndex, *child);
            path.push_back({childIndex, 0, child});
        }
    }

    // Makes each pending entry refer to its target when the target is in the loaded tree.
    void resolveReferences() {
        for (const CRefX* element : pending_) {
            CPoz& referrer = *element->entry();
            const auto found = index_.find(std::string_view(referrer.specjal).substr(1));
            if (found != index_.end() && entries_[found->second])
                referrer.MakeReference(*entries_[found->second], true);
        }
    }

    std::vector<StoredRow>& rows_;
    std::vector<std::string>& warnings_;
    std::unordered_map<std::string_view, std::size_t> index_;
    std::vector<CPoz*> entries_;
    std::vector<std::vector<std::size_t>> children_;
    CKolejka<CRefX> pending_;
};

// The place of the error for an identifier without a row: the identifier column of pozycje.
constexpr std::string_view kEntryTable = "pozycje", kIdColumn = "id";

Error missingEntry(std::string_view id) {
    return {.message = "Nie ma pozycji o identyfikatorze " + std::string(id) + ".",
            .place = {.file = std::string(kEntryTable), .field = std::string(kIdColumn)}};
}

} // namespace

Status SaveTree(const CPoz& entry, std::string_view parentId, std::string_view characterId,
                int place) {
    if (!entry.connection())
        return Status::error("Pozycja „" + entry.info + "” nie ma połączenia z bazą danych.");
    return saveRows(*entry.connection(), entry, parentId, characterId, place);
}

Status DeleteTree(const CPoz& entry) {
    if (!entry.connection())
        return Status::error("Pozycja „" + entry.info + "” nie ma połączenia z bazą danych.");
    return DeleteStoredTree(*entry.connection(), entry.id());
}

Status DeleteStoredTree(Database& db, std::string_view id) {
    // The union stops at rows already collected, so stored links that form a cycle end.
    return db.exec("WITH RECURSIVE poddrzewo(id) AS ("
                   "SELECT id FROM pozycje WHERE id=? "
                   "UNION SELECT p.id FROM pozycje p JOIN poddrzewo d ON p.id_n=d.id) "
                   "DELETE FROM pozycje WHERE id IN poddrzewo;",
                   {id});
}

bool isMissingEntry(const Error& error) {
    return error.place.file == kEntryTable && error.place.field == kIdColumn;
}

Result<LoadedTree> LoadTree(Database& db, std::string_view id, const RootMaker& makeRoot) {
    // A tree is stored with the identifier of its character in every row, so one query
    // reads all candidate rows; the tree is then built from the parent links.
    std::optional<std::string> character;
    bool rootFound = false;
    const Status found =
        db.exec("SELECT id_ist FROM pozycje WHERE id=?;", {id}, [&](const Row& row) {
            rootFound = true;
            character = row.value(0);
        });
    if (!found)
        return found.error();
    if (!rootFound)
        return missingEntry(id);

    static const std::string select = "SELECT " + columnList() + " FROM pozycje WHERE ";
    const TableDef& table = entryTable();
    const int cId = table.columnIndex("id"), cParent = table.columnIndex("id_n"),
              cPlace = table.columnIndex("lp"), cInfo = table.columnIndex("info"),
              cSpecjal = table.columnIndex("specjal"), cTyp = table.columnIndex("typ"),
              cValue = table.columnIndex("wartosc"), cModifier = table.columnIndex("modyfikator"),
              cMemo = table.columnIndex("memo");
    std::vector<StoredRow> rows;
    std::size_t root = 0;
    bool rootRead = false;
    const auto takeRow = [&](const Row& row) {
        const EntryData data{.id = row.text(cId),
                             .info = row.text(cInfo),
                             .specjal = row.text(cSpecjal),
                             .typ = static_cast<int>(row.integer(cTyp)),
                             .wartosc = static_cast<int>(row.integer(cValue)),
                             .modyfikator = row.real(cModifier),
                             .memo = row.text(cMemo)};
        const bool isRoot = data.id == id;
        std::unique_ptr<CPoz> entry =
            isRoot && makeRoot ? makeRoot(&db, data) : std::make_unique<CPoz>(&db, data);
        StoredRow& stored = rows.emplace_back();
        stored.raw = entry.get();
        stored.entry = std::move(entry);
        stored.parentId = row.text(cParent);
        stored.place = row.integer(cPlace);
        if (isRoot) {
            root = rows.size() - 1;
            rootRead = true;
        }
    };
    const Status read = character ? db.exec(select + "id_ist=?;", {*character}, takeRow)
                                  : db.exec(select + "id=?;", {id}, takeRow);
    if (!read)
        return read.error();
    if (!rootRead)
        return missingEntry(id);
    LoadedTree loaded;
    TreeBuilder builder(rows, loaded.warnings);
    loaded.entry = builder.build(root);
    return loaded;
}

} // namespace tallar
