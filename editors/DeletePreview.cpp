#include "editors/DeletePreview.h"

#include "editors/EditorDef.h"
#include "store/db/Database.h"
#include "store/db/References.h"
#include "store/db/Schema.h"

namespace tallar::editors {

namespace {

// The rows of other tables that name the row, each with its rowid so that the ones the
// deletion takes can be told apart afterwards.
struct Found {
    std::string table;
    Referrers group;
    std::vector<long long> rowids;
};

// A table as its editor's titles name its rows ("Broń - nowa" names "Broń"), else the
// table's own name.
std::string tableName(std::string_view table) {
    const EditorDef* editor = catalogue::forTable(table);
    if (!editor)
        return std::string(table);
    const std::string& title = editor->titles[0];
    return title.substr(0, title.find(" - "));
}

Status findReferrers(Database& db, std::string_view table, const std::string& id,
                     std::vector<Found>& found) {
    for (const ColumnReference& reference : rulesReferenceColumns()) {
        for (const ReferenceRule* rule : reference.rules) {
            if (rule->target != table)
                continue;
            const TableDef* def = findTable(reference.table);
            const bool named = def && def->columnIndex("nazwa") >= 0;
            const std::string column(reference.column);
            std::string sql = "SELECT s.rowid," + std::string(named ? "s.nazwa" : "''") + " FROM " +
                              std::string(reference.table) + " s";
            if (!rule->match.empty())
                sql += " JOIN " + std::string(table) + " t ON t.id=s." + column + " AND (" +
                       std::string(rule->match) + ")";
            sql += " WHERE s." + column + "=?";
            if (!rule->when.empty())
                sql += " AND (" + std::string(rule->when) + ")";
            sql += " ORDER BY 2;";
            Found group{std::string(reference.table), {tableName(reference.table), column, {}}, {}};
            if (Status s = db.exec(sql, {id},
                                   [&](const Row& row) {
                                       group.rowids.push_back(row.integer(0));
                                       group.group.names.push_back(row.text(1));
                                   });
                !s)
                return s;
            if (!group.rowids.empty())
                found.push_back(std::move(group));
        }
    }
    return {};
}

Result<long long> totalChanges(Database& db) {
    Result<std::optional<std::string>> changes = db.queryValue("SELECT total_changes();");
    if (!changes)
        return changes.error();
    return std::stoll(changes->value_or("0"));
}

// Whether the row `key` (a column of `table`, id or rowid) is there.
Result<bool> hasRow(Database& db, std::string_view table, std::string_view key,
                    const SqlParam& value) {
    Result<std::optional<std::string>> row = db.queryValue(
        "SELECT 1 FROM " + std::string(table) + " WHERE " + std::string(key) + "=?;", {value});
    if (!row)
        return row.error();
    return row->has_value();
}

// The Polish forms of a count: 1 wiersz, 2-4 wiersze (not 12-14), else wierszy.
enum class Plural { One, Few, Many };

Plural pluralOf(long long n) {
    if (n == 1)
        return Plural::One;
    const long long units = n % 10;
    const long long tens = n % 100;
    return units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? Plural::Few : Plural::Many;
}

std::string counted(long long n, const char* one, const char* few, const char* many) {
    const Plural form = pluralOf(n);
    return std::to_string(n) + " " + (form == Plural::One ? one : form == Plural::Few ? few : many);
}

constexpr std::size_t kNamesShown = 8;

} // namespace

Status previewDeletion(Database& db, std::string_view table, const std::string& id,
                       const std::function<Status()>& deletion, DeletePreview& preview) {
    preview = {};
    Transaction trial(db);
    if (!trial.started())
        return trial.started();
    std::vector<Found> found;
    if (Status s = findReferrers(db, table, id, found); !s)
        return s;
    const Result<bool> exists = hasRow(db, table, "id", id);
    if (!exists)
        return exists.error();
    const Result<long long> before = totalChanges(db);
    if (!before)
        return before.error();
    if (Status s = deletion(); !s)
        return s;
    const Result<long long> after = totalChanges(db);
    if (!after)
        return after.error();
    preview.removedWith = *after - *before - (*exists ? 1 : 0);
    for (Found& group : found) {
        Referrers left{group.group.what, group.group.column, {}};
        for (std::size_t i = 0; i < group.rowids.size(); ++i) {
            const Result<bool> stays = hasRow(db, group.table, "rowid", group.rowids[i]);
            if (!stays)
                return stays.error();
            if (*stays)
                left.names.push_back(group.group.names[i]);
        }
        if (!left.names.empty())
            preview.stillPointing.push_back(std::move(left));
    }
    trial.rollback();
    return {};
}

std::string deleteQuestion(std::string_view name, const DeletePreview& preview) {
    std::string question = "Czy usunąć „" + std::string(name) + "”?";
    if (preview.removedWith > 0) {
        const long long n = preview.removedWith;
        const Plural form = pluralOf(n);
        question += std::string("\n\nRazem z nim ") +
                    (form == Plural::One   ? "zostanie usunięty "
                     : form == Plural::Few ? "zostaną usunięte "
                                           : "zostanie usuniętych ") +
                    counted(n, "zależny wiersz", "zależne wiersze", "zależnych wierszy") + ".";
    }
    if (!preview.stillPointing.empty()) {
        question += "\n\nWciąż wskazują na niego (po usunięciu będą wskazywać wiersz, którego "
                    "nie ma):";
        for (const Referrers& group : preview.stillPointing) {
            question += "\n• " + group.what + " (" + group.column + "): ";
            std::size_t shown = 0;
            std::size_t unnamed = 0;
            for (const std::string& referrer : group.names) {
                if (referrer.empty()) {
                    ++unnamed;
                    continue;
                }
                if (shown < kNamesShown)
                    question += std::string(shown ? ", " : "") + "„" + referrer + "”";
                ++shown;
            }
            const std::size_t rest = unnamed + (shown > kNamesShown ? shown - kNamesShown : 0);
            const auto others = static_cast<long long>(rest);
            if (rest > 0 && shown > 0)
                question +=
                    " i " + counted(others, "inny wiersz", "inne wiersze", "innych wierszy");
            else if (rest > 0)
                question += counted(others, "wiersz", "wiersze", "wierszy");
        }
    }
    return question;
}

} // namespace tallar::editors
