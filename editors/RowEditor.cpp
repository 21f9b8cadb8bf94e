#include "editors/RowEditor.h"

#include "base/UserPort.h"
#include "editors/DeletePreview.h"
#include "editors/FormulaFields.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"

#include <algorithm>

namespace tallar::editors {

namespace {

const std::string kEmpty;

std::vector<SqlParam> bound(const std::vector<std::string>& values) {
    return std::vector<SqlParam>(values.begin(), values.end());
}

} // namespace

Query pickQuery(const PickList& pick, const std::vector<std::string>& excluded) {
    Query query{pick.selectBeforeExclusion, excluded};
    for (std::size_t i = 0; i < excluded.size(); ++i)
        query.sql += "?,";
    query.sql += pick.selectAfterExclusion;
    return query;
}

Status deleteCascade(Database& db, const EditorDef& def, const std::string& id,
                     const std::vector<FixedValue>& fixed) {
    if (def.cascade.empty())
        return Status::error("Tych wierszy nie usuwa się z programu.");
    return inTransaction(db, [&]() -> Status {
        for (const CascadeStep& step : def.cascade) {
            std::string where = " WHERE " + step.column + "=?";
            std::vector<SqlParam> params{id};
            if (!step.ownerColumn.empty())
                for (const FixedValue& value : fixed)
                    if (value.column == step.ownerColumn) {
                        where += " AND " + step.ownerColumn + "=?";
                        params.emplace_back(value.value);
                    }
            if (!step.condition.empty())
                where += " AND " + step.condition;
            if (step.through) {
                std::vector<std::string> owned;
                if (Status s = db.exec("SELECT id FROM " + step.table + where + ";", params,
                                       [&](const Row& row) { owned.push_back(row.text(0)); });
                    !s)
                    return s;
                for (const std::string& ownedId : owned)
                    if (Status s = deleteCascade(db, step.through(), ownedId); !s)
                        return s;
                continue;
            }
            if (Status s = db.exec("DELETE FROM " + step.table + where + ";", params); !s)
                return s;
        }
        return {};
    });
}

RowEditor::RowEditor(Database& db, const EditorDef& def, std::string id, Mode mode,
                     std::vector<FixedValue> extraFixed)
    : db_(db), def_(def), table_(findTable(def.table)), id_(std::move(id)), mode_(mode),
      fixed_(def.fixed), linked_(def.links.size()), children_(def.children.size()),
      removedChildren_(def.children.size()), owned_(def.owned.size()) {
    fixed_.insert(fixed_.end(), extraFixed.begin(), extraFixed.end());
    std::vector<std::string> skipped = {"id"};
    for (const FixedValue& fixed : fixed_)
        skipped.push_back(fixed.column);
    if (table_)
        fields_ = buildFields(*table_, def_.notes, skipped);
}

RowEditor::~RowEditor() = default;

Status RowEditor::beginUnit() {
    if (unit_ || mode_ == Mode::Delete || (def_.children.empty() && !def_.ownsFormulas))
        return {};
    auto unit = std::make_unique<Transaction>(db_);
    if (!unit->started())
        return unit->started();
    unit_ = std::move(unit);
    return {};
}

Status RowEditor::cancel() {
    if (!unit_)
        return discardUnsaved();
    unit_->rollback();
    unit_.reset();
    return {};
}

const std::string& RowEditor::title() const {
    switch (mode_) {
    case Mode::Edit:
        return def_.titles[1];
    case Mode::Delete:
        return def_.titles[2];
    case Mode::New:
        break;
    }
    return def_.titles[0];
}

const Field* RowEditor::field(const std::string& column) const {
    for (const Field& f : fields_)
        if (f.column == column)
            return &f;
    return nullptr;
}

Status RowEditor::load() {
    loaded_ = false;
    loadFailed_ = true; // until every query below has succeeded
    values_.clear();
    for (auto& rows : linked_)
        rows.clear();
    if (!table_)
        return Status::error("Nieznana tabela " + def_.table + ".");
    if (Status status = db_.exec("SELECT * FROM " + def_.table + " WHERE id=?;", {id_},
                                 [&](const Row& row) {
                                     for (int c = 0; c < row.columnCount(); ++c)
                                         values_[row.name(c)] = row.text(c);
                                 });
        !status)
        return status;
    // A new row's flags start cleared, written as "N" like every flag the form sets.
    if (mode_ == Mode::New)
        for (const Field& f : fields_)
            if (f.kind == ValueKind::Flag && value(f.column).empty())
                values_[f.column] = "N";
    for (std::size_t i = 0; i < def_.links.size(); ++i)
        if (Status status = db_.exec(def_.links[i].namesSql, {id_},
                                     [&](const Row& row) {
                                         LinkedRow linked{row.text(0), row.text(1)};
                                         for (int c = 2; c < row.columnCount(); ++c)
                                             linked.values.push_back(row.text(c));
                                         linked_[i].push_back(std::move(linked));
                                     });
            !status)
            return status;
    for (std::size_t i = 0; i < def_.children.size(); ++i) {
        removedChildren_[i].clear();
        if (Status status = reloadChildren(i); !status)
            return status;
    }
    for (std::size_t i = 0; i < def_.owned.size(); ++i) {
        owned_[i].clear();
        const OwnedRowsDef& owned = def_.owned[i];
        if (Status status = db_.exec("SELECT * FROM " + owned.editor().table + " WHERE " +
                                         owned.ownerColumn + "=? ORDER BY rowid;",
                                     {id_},
                                     [&](const Row& row) {
                                         RowValues values;
                                         for (int c = 0; c < row.columnCount(); ++c)
                                             values[row.name(c)] = row.text(c);
                                         owned_[i].push_back(std::move(values));
                                     });
            !status)
            return status;
    }
    loaded_ = true;
    loadFailed_ = false;
    return {};
}

Status RowEditor::reloadChildren(std::size_t list) {
    auto& rows = children_.at(list);
    rows.clear();
    const auto& removed = removedChildren_.at(list);
    return db_.exec(def_.children[list].namesSql, {id_}, [&](const Row& row) {
        if (std::find(removed.begin(), removed.end(), row.text(0)) == removed.end())
            rows.push_back({row.text(0), row.text(1)});
    });
}

std::vector<FixedValue> RowEditor::childFixed(std::size_t list) const {
    const ChildrenDef& children = def_.children.at(list);
    std::vector<FixedValue> fixed{{children.ownerColumn, id_}};
    fixed.insert(fixed.end(), children.fixed.begin(), children.fixed.end());
    return fixed;
}

Status RowEditor::removeChild(std::size_t list, const std::string& id) {
    const ChildrenDef& children = def_.children.at(list);
    if (children.prune.empty()) {
        if (Status s = deleteCascade(db_, children.editor(), id, childFixed(list)); !s)
            return s;
    } else {
        removedChildren_[list].push_back(id);
    }
    std::erase_if(children_[list], [&](const LinkedRow& r) { return r.id == id; });
    return {};
}

Status RowEditor::discardUnsaved() {
    if (mode_ != Mode::New || (def_.children.empty() && !def_.ownsFormulas))
        return {};
    Result<std::optional<std::string>> saved =
        db_.queryValue("SELECT 1 FROM " + def_.table + " WHERE id=?;", {id_});
    if (!saved)
        return saved.error(); // unknown whether the row was saved: its children stay
    if (*saved)
        return {};
    return inTransaction(db_, [&]() -> Status {
        if (def_.ownsFormulas)
            if (Status s = deleteOwnedFormulas(db_, id_, fixedValue("typ")); !s)
                return s;
        for (std::size_t i = 0; i < def_.children.size(); ++i) {
            std::vector<std::string> ids;
            if (Status s = db_.exec(def_.children[i].namesSql, {id_},
                                    [&](const Row& row) { ids.push_back(row.text(0)); });
                !s)
                return s;
            for (const std::string& id : ids)
                if (Status s = deleteCascade(db_, def_.children[i].editor(), id, childFixed(i)); !s)
                    return s;
        }
        return {};
    });
}

void RowEditor::setOwned(std::size_t list, std::size_t index, RowValues row) {
    auto& rows = owned_.at(list);
    if (index < rows.size())
        rows[index] = std::move(row);
    else
        rows.push_back(std::move(row));
}

void RowEditor::removeOwned(std::size_t list, std::size_t index) {
    auto& rows = owned_.at(list);
    if (index < rows.size())
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string RowEditor::ownedName(std::size_t list, std::size_t index) const {
    const OwnedRowsDef& owned = def_.owned.at(list);
    const RowValues& row = owned_.at(list).at(index);
    const auto it = row.find(owned.nameColumn);
    std::string value = it == row.end() ? std::string() : it->second;
    if (owned.reference.table.empty() || value.empty())
        return value;
    std::string name = value;
    (void)db_.exec("SELECT " + owned.reference.display + " FROM " + owned.reference.table +
                       " WHERE id=?;",
                   {value}, [&](const Row& r) { name = r.text(0); });
    return name;
}

void RowEditor::assign(const RowValues& values) {
    values_ = values;
    loaded_ = def_.owned.empty() && def_.children.empty();
    if (mode_ == Mode::New)
        for (const Field& f : fields_)
            if (f.kind == ValueKind::Flag && value(f.column).empty())
                values_[f.column] = "N";
}

std::vector<LinkedRow> RowEditor::referenceChoices(const std::string& column) const {
    std::vector<LinkedRow> choices;
    const Field* f = field(column);
    if (!f || f->reference.table.empty())
        return choices;
    const Reference& to = f->reference;
    // A name used as a value is offered once, however many rows use it.
    const std::string sql = to.value == "id"
                                ? "SELECT id," + to.display + " FROM " + to.table + " ORDER BY 2;"
                                : "SELECT DISTINCT " + to.value + "," + to.display + " FROM " +
                                      to.table + " WHERE " + to.value + "<>'' ORDER BY 2;";
    const Status status = db_.exec(sql, [&](const Row& row) {
        choices.push_back({row.text(0), row.text(1)});
    });
    if (!status)
        choices.clear();
    return choices;
}

const std::string& RowEditor::fixedValue(const std::string& column) const {
    for (const FixedValue& fixed : fixed_)
        if (fixed.column == column)
            return fixed.value;
    return kEmpty;
}

const std::string& RowEditor::value(const std::string& column) const {
    const auto it = values_.find(column);
    return it == values_.end() ? kEmpty : it->second;
}

std::optional<std::string> RowEditor::setValue(const std::string& column, const std::string& text) {
    const Field* f = field(column);
    if (!f)
        return "Nieznane pole " + column + ".";
    const std::string stored = storedText(f->kind, text);
    if (auto problem = valueProblem(f->kind, stored);
        problem && f->kind != ValueKind::Dice && f->kind != ValueKind::Sign)
        return problem;
    values_[column] = stored;
    return valueProblem(f->kind, stored);
}

std::optional<std::string> RowEditor::problem(const std::string& column) const {
    const Field* f = field(column);
    return f ? valueProblem(f->kind, value(column)) : std::nullopt;
}

bool RowEditor::complete() const {
    return std::all_of(def_.required.begin(), def_.required.end(),
                       [&](const std::string& column) { return !value(column).empty(); });
}

std::optional<SaveBlocker> RowEditor::blocker() const {
    const auto nameOf = [&](const std::string& column) {
        const Field* f = field(column);
        return f ? fieldName(*f) : column;
    };
    for (const std::string& column : def_.required)
        if (value(column).empty())
            return SaveBlocker{column, nameOf(column) + ": to pole musi być wypełnione."};
    for (const Field& f : fields_)
        if (auto problem = valueProblem(f.kind, value(f.column)))
            return SaveBlocker{f.column, fieldName(f) + ": " + *problem};
    return std::nullopt;
}

void RowEditor::link(std::size_t link, LinkedRow row) {
    auto& rows = linked_.at(link);
    const LinkDef& def = def_.links.at(link);
    row.values.resize(def.values.size());
    const auto same = [&](const LinkedRow& r) {
        return r.id == row.id && (!def.repeatable || r.values == row.values);
    };
    if (def.ownIds || std::none_of(rows.begin(), rows.end(), same))
        rows.push_back(std::move(row));
}

void RowEditor::unlinkAt(std::size_t link, std::size_t index) {
    auto& rows = linked_.at(link);
    if (index < rows.size())
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(index));
}

void RowEditor::setLinkValues(std::size_t link, std::size_t index,
                              std::vector<std::string> values) {
    LinkedRow& row = linked_.at(link).at(index);
    const auto& columns = def_.links.at(link).values;
    values.resize(columns.size());
    for (std::size_t v = 0; v < columns.size(); ++v)
        values[v] = storedText(columns[v].kind, values[v]);
    row.values = std::move(values);
    if (def_.links[link].ownIds) {
        row.name.clear();
        for (const std::string& value : row.values)
            row.name += (row.name.empty() ? "" : " ") + value;
    }
}

void RowEditor::unlink(std::size_t link, const std::string& id) {
    std::erase_if(linked_.at(link), [&](const LinkedRow& r) { return r.id == id; });
}

Query RowEditor::pickQuery(std::size_t link) const {
    std::vector<std::string> excluded;
    if (!def_.links.at(link).repeatable)
        for (const LinkedRow& row : linked_.at(link))
            excluded.push_back(row.id);
    return editors::pickQuery(def_.links.at(link).pick, excluded);
}

RowEditor::SaveResult RowEditor::check(UserPort& port) const {
    if (!complete())
        return SaveResult::Incomplete;
    if (const auto blocked = blocker()) {
        port.showError(blocked->message, title());
        return SaveResult::Invalid;
    }
    return SaveResult::Saved;
}

RowEditor::SaveResult RowEditor::save(UserPort& port) {
    if (const SaveResult checked = check(port); checked != SaveResult::Saved)
        return checked;
    if (!table_) {
        port.showError("Nieznana tabela " + def_.table + ".", title());
        return SaveResult::Failed;
    }
    // Rows the form holds or keeps are rewritten by the save: without having read them it
    // would delete them. So are the links, after a load that failed to read them.
    if (loadFailed_ || (!loaded_ && (!def_.owned.empty() || !def_.children.empty()))) {
        port.showError("Nie zapisano zmian: wiersz nie został wczytany.", title());
        return SaveResult::Failed;
    }

    // Every column of the table, by name, so the row is written whole whatever the order.
    std::string columns;
    std::string marks;
    std::vector<std::string> values;
    for (const ColumnDef& column : table_->columns) {
        const std::string name(column.name);
        columns += (columns.empty() ? "" : ",") + name;
        marks += marks.empty() ? "?" : ",?";
        const auto fixed = std::find_if(fixed_.begin(), fixed_.end(),
                                        [&](const FixedValue& f) { return f.column == name; });
        values.push_back(name == "id" ? id_ : fixed != fixed_.end() ? fixed->value : value(name));
    }

    const Status status = inTransaction(db_, [&]() -> Status {
        if (Status s = db_.exec("DELETE FROM " + def_.table + " WHERE id=?;", {id_}); !s)
            return s;
        const auto params = bound(values);
        if (Status s = db_.exec(
                "INSERT INTO " + def_.table + " (" + columns + ") VALUES (" + marks + ");", params);
            !s)
            return s;
        if (Status s = saveOwned(); !s)
            return s;
        if (Status s = pruneChildren(); !s)
            return s;
        for (std::size_t i = 0; i < def_.links.size(); ++i) {
            const LinkDef& link = def_.links[i];
            if (Status s = db_.exec(
                    "DELETE FROM " + link.table + " WHERE " + link.ownerColumn + "=?;", {id_});
                !s)
                return s;
            std::string linkColumns = link.ownerColumn + "," + link.otherColumn;
            std::string linkMarks = "?,?";
            for (const ColumnNote& value : link.values) {
                linkColumns += "," + value.column;
                linkMarks += ",?";
            }
            const std::string insert =
                "INSERT INTO " + link.table + " (" + linkColumns + ") VALUES (" + linkMarks + ");";
            for (const LinkedRow& row : linked_[i]) {
                // Parameters refer to their texts, so the texts live in a vector of their own.
                std::vector<std::string> texts{id_, row.id};
                for (std::size_t v = 0; v < link.values.size(); ++v)
                    texts.push_back(v < row.values.size() ? row.values[v] : std::string());
                if (Status s = db_.exec(insert, bound(texts)); !s)
                    return s;
            }
        }
        return {};
    });
    if (!status) {
        port.showError("Nie zapisano zmian: " + status.message(), title());
        return SaveResult::Failed;
    }
    // The row is written: what the child editors saved meanwhile is kept with it.
    if (unit_) {
        const Status kept = unit_->commit();
        unit_.reset();
        if (!kept) {
            port.showError("Nie zapisano zmian: " + kept.message(), title());
            return SaveResult::Failed;
        }
    }
    return SaveResult::Saved;
}

Status RowEditor::saveOwned() {
    for (std::size_t i = 0; i < def_.owned.size(); ++i) {
        const OwnedRowsDef& owned = def_.owned[i];
        const EditorDef& editor = owned.editor();
        const TableDef* table = findTable(editor.table);
        if (!table)
            return Status::error("Nieznana tabela " + editor.table + ".");
        if (Status s = db_.exec(
                "DELETE FROM " + editor.table + " WHERE " + owned.ownerColumn + "=?;", {id_});
            !s)
            return s;
        std::string columns;
        std::string marks;
        for (const ColumnDef& column : table->columns) {
            columns += (columns.empty() ? "" : ",") + std::string(column.name);
            marks += marks.empty() ? "?" : ",?";
        }
        const std::string insert =
            "INSERT INTO " + editor.table + " (" + columns + ") VALUES (" + marks + ");";
        for (const RowValues& row : owned_[i]) {
            std::vector<std::string> texts;
            for (const ColumnDef& column : table->columns) {
                const std::string name(column.name);
                const auto it = row.find(name);
                texts.push_back(name == owned.ownerColumn ? id_
                                : it == row.end()         ? std::string()
                                                          : it->second);
            }
            if (Status s = db_.exec(insert, bound(texts)); !s)
                return s;
        }
    }
    return {};
}

Status RowEditor::pruneChildren() {
    for (std::size_t i = 0; i < def_.children.size(); ++i) {
        const ChildrenDef& children = def_.children[i];
        if (children.prune.empty())
            continue;
        const std::string table = children.editor().table;
        // The children no longer kept: those of this row whose id is not in the form.
        std::string gone =
            "SELECT id FROM " + table + " WHERE " + children.ownerColumn + "=? AND id NOT IN (";
        std::vector<SqlParam> params{id_};
        for (const LinkedRow& child : children_[i]) {
            gone += "?,";
            params.emplace_back(child.id);
        }
        gone += "'')";
        for (const CascadeStep& step : children.prune)
            if (Status s = db_.exec("DELETE FROM " + step.table + " WHERE " + step.column +
                                        " IN (" + gone + ");",
                                    params);
                !s)
                return s;
        if (Status s = db_.exec("DELETE FROM " + table + " WHERE id IN (" + gone + ");", params);
            !s)
            return s;
    }
    return {};
}

Status RowEditor::remove() {
    return deleteCascade(db_, def_, id_, fixed_);
}

Status RowEditor::previewRemoval(DeletePreview& preview) {
    return previewDeletion(
        db_, def_.table, id_, [this] { return remove(); }, preview);
}

} // namespace tallar::editors
