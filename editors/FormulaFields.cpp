#include "editors/FormulaFields.h"

#include "editors/EditorDef.h"
#include "rules/core/AttributeSet.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"

#include <array>
#include <optional>
#include <utility>

namespace tallar::editors {

namespace {

struct GroupName {
    std::string name;
    const char* page;
};

// The effects of a formula beside the attribute set: delay, weight, height, proficiency.
constexpr std::array<std::pair<const char*, const char*>, 4> kOtherEffects = {{
    {"op", "Opóźnienie"},
    {"wag", "Waga"},
    {"wzr", "Wzrost"},
    {"bgl", "Biegłość"},
}};

// The name and page of a group of formula columns by their prefix; the attribute set
// names its own members.
std::optional<GroupName> groupOf(const std::string& prefix) {
    if (const AttributeDef* attribute = findAttributeByFormulaPrefix(prefix))
        return GroupName{std::string(attribute->entryLabel),
                         attribute->group == AttributeGroup::Attribute ? "Współczynniki"
                                                                       : "Odporności"};
    for (const auto& [otherPrefix, name] : kOtherEffects)
        if (prefix == otherPrefix)
            return GroupName{name, "Inne"};
    return std::nullopt;
}

// The parts of an attribute group's column names, with the caption of each.
constexpr std::array<std::pair<const char*, const char*>, 4> kParts = {{
    {"znak", "znak"},
    {"kxx", "wartość"},
    {"wsp", "mnożnik przyrostów"},
    {"limit", "limit"},
}};

constexpr const char* kTypePage = "Typ";

} // namespace

std::string formulaGroupName(const std::string& prefix) {
    const auto group = groupOf(prefix);
    return group ? group->name : prefix;
}

std::vector<ColumnNote> formulaNotes() {
    const TableDef* table = findTable("formuly");
    std::vector<ColumnNote> notes;
    if (!table)
        return notes;
    for (const ColumnDef& column : table->columns) {
        const std::string name(column.name);
        if (name.starts_with("typ") && name != "typ_nad") {
            notes.push_back(
                {name, "Człon " + name.substr(3), ValueKind::Text, kTypePage, "Typ formuły"});
            continue;
        }
        if (name.starts_with("znak")) {
            notes.push_back({name, "działanie", ValueKind::Sign, kTypePage, "Typ formuły"});
            continue;
        }
        for (const auto& [suffix, caption] : kParts) {
            const std::string tail(suffix);
            if (name.size() <= tail.size() || !name.ends_with(tail))
                continue;
            const auto group = groupOf(name.substr(0, name.size() - tail.size()));
            if (!group)
                continue;
            const ValueKind kind = tail == "znak" ? ValueKind::Sign : ValueKind::Dice;
            notes.push_back({name, caption, kind, group->page, group->name});
            break;
        }
    }
    return notes;
}

Query ownedFormulasQuery(const std::string& ownerId, const std::string& ownerKind) {
    // The type expression's columns, in order, as the formula form shows them.
    std::string expression;
    for (const ColumnNote& note : formulaNotes())
        if (note.page == kTypePage)
            expression += (expression.empty() ? "COALESCE(" : "||COALESCE(") + note.column + ",'')";
    return {"SELECT id," + expression +
                " 'Typ formuły          ' FROM formuly WHERE id_nad=? AND typ_nad=? ORDER BY id "
                "DESC;",
            {ownerId, ownerKind}};
}

Status deleteOwnedFormulas(Database& db, const std::string& ownerId, const std::string& ownerKind) {
    return inTransaction(db, [&]() -> Status {
        std::vector<std::string> ids;
        if (Status s =
                db.exec("SELECT id FROM formuly WHERE id_nad=? AND typ_nad=?;",
                        {ownerId, ownerKind}, [&](const Row& row) { ids.push_back(row.text(0)); });
            !s)
            return s;
        for (const std::string& id : ids)
            if (Status s = deleteCascade(db, catalogue::formula(), id); !s)
                return s;
        return {};
    });
}

} // namespace tallar::editors
