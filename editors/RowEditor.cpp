#include "editors/RowEditor.h"

#include "base/UserPort.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <algorithm>

namespace tallar::editors {

namespace {

const std::string kEmpty;

RowEditor::Mode modeFromLetter(char letter) {
    switch (letter) {
    case 'E':
        return RowEditor::Mode::Edit;
    case 'D':
        return RowEditor::Mode::Delete;
    default:
        return RowEditor::Mode::New;
    }
}

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

Status deleteCascade(Database& db, const EditorDef& def, const std::string& id) {
    if (def.cascade.empty())
        return Status::error("Tych wierszy nie usuwa się z programu.");
    return inTransaction(db, [&]() -> Status {
        for (const CascadeStep& step : def.cascade)
            if (Status status =
                    db.exec("DELETE FROM " + step.table + " WHERE " + step.column + "=?;", {id});
                !status)
                return status;
        return {};
    });
}

RowEditor::RowEditor(Database& db, const EditorDef& def, std::string id, char mode,
                     std::vector<FixedValue> extraFixed)
    : db_(db), def_(def), table_(findTable(def.table)), id_(std::move(id)),
      mode_(modeFromLetter(mode)), fixed_(def.fixed), linked_(def.links.size()) {
    fixed_.insert(fixed_.end(), extraFixed.begin(), extraFixed.end());
    std::vector<std::string> skipped = {"id"};
    for (const FixedValue& fixed : fixed_)
        skipped.push_back(fixed.column);
    if (table_)
        fields_ = buildFields(*table_, def_.notes, skipped);
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
                                         linked_[i].push_back({row.text(0), row.text(1)});
                                     });
            !status)
            return status;
    return {};
}

const std::string& RowEditor::value(const std::string& column) const {
    const auto it = values_.find(column);
    return it == values_.end() ? kEmpty : it->second;
}

std::optional<std::string> RowEditor::setValue(const std::string& column, const std::string& text) {
    const Field* f = field(column);
    if (!f)
        return "Nieznane pole " + column + ".";
    if (auto problem = valueProblem(f->kind, text);
        problem && f->kind != ValueKind::Dice && f->kind != ValueKind::Sign)
        return problem;
    values_[column] = text;
    return valueProblem(f->kind, text);
}

std::optional<std::string> RowEditor::problem(const std::string& column) const {
    const Field* f = field(column);
    return f ? valueProblem(f->kind, value(column)) : std::nullopt;
}

bool RowEditor::complete() const {
    return std::all_of(def_.required.begin(), def_.required.end(),
                       [&](const std::string& column) { return !value(column).empty(); });
}

void RowEditor::link(std::size_t link, LinkedRow row) {
    auto& rows = linked_.at(link);
    if (std::none_of(rows.begin(), rows.end(), [&](const LinkedRow& r) { return r.id == row.id; }))
        rows.push_back(std::move(row));
}

void RowEditor::unlink(std::size_t link, const std::string& id) {
    std::erase_if(linked_.at(link), [&](const LinkedRow& r) { return r.id == id; });
}

Query RowEditor::pickQuery(std::size_t link) const {
    std::vector<std::string> excluded;
    for (const LinkedRow& row : linked_.at(link))
        excluded.push_back(row.id);
    return editors::pickQuery(def_.links.at(link).pick, excluded);
}

RowEditor::SaveResult RowEditor::save(UserPort& port) {
    if (!complete())
        return SaveResult::Incomplete;
    for (const Field& f : fields_)
        if (auto problem = valueProblem(f.kind, value(f.column))) {
            port.showError(f.label + ": " + *problem, title());
            return SaveResult::Invalid;
        }
    if (!table_) {
        port.showError("Nieznana tabela " + def_.table + ".", title());
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
        for (std::size_t i = 0; i < def_.links.size(); ++i) {
            const LinkDef& link = def_.links[i];
            if (Status s = db_.exec(
                    "DELETE FROM " + link.table + " WHERE " + link.ownerColumn + "=?;", {id_});
                !s)
                return s;
            const std::string insert = "INSERT INTO " + link.table + " (" + link.ownerColumn + "," +
                                       link.otherColumn + ") VALUES (?,?);";
            for (const LinkedRow& row : linked_[i])
                if (Status s = db_.exec(insert, {id_, row.id}); !s)
                    return s;
        }
        return {};
    });
    if (!status) {
        port.showError("Nie zapisano zmian: " + status.message(), title());
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

Status RowEditor::remove() {
    return deleteCascade(db_, def_, id_);
}

} // namespace tallar::editors
