#include "editors/FormulaFields.h"

#include "store/Schema.h"

#include <array>
#include <utility>

namespace tallar::editors {

namespace {

struct GroupName {
    const char* prefix;
    const char* name;
    const char* page;
};

// The attribute groups of a formula row in column order. Their columns are found in the
// schema; this table only names them and places them on a page.
constexpr std::array<GroupName, 26> kGroups = {{
    {"odp1", "Odporność nr.1", "Odporności"},
    {"odp2", "Odporność nr.2", "Odporności"},
    {"odp3", "Odporność nr.3", "Odporności"},
    {"odp4", "Odporność nr.4", "Odporności"},
    {"odp5", "Odporność nr.5", "Odporności"},
    {"odp6", "Odporność nr.6", "Odporności"},
    {"odp7", "Odporność nr.7", "Odporności"},
    {"odp8", "Odporność nr.8", "Odporności"},
    {"odp9", "Odporność nr.9", "Odporności"},
    {"odp10", "Odporność nr.10", "Odporności"},
    {"amag", "Antymagia", "Odporności"},
    {"zyw", "Żywotność", "Współczynniki"},
    {"sf", "Siła fizyczna", "Współczynniki"},
    {"zr", "Zręczność", "Współczynniki"},
    {"sz", "Szybkość", "Współczynniki"},
    {"int", "Inteligencja", "Współczynniki"},
    {"md", "Mądrość", "Współczynniki"},
    {"um", "Umiejętności magiczne", "Współczynniki"},
    {"ch", "Charyzma", "Współczynniki"},
    {"pr", "Prezencja", "Współczynniki"},
    {"wi", "Wiara", "Współczynniki"},
    {"zw", "Zauważenie", "Współczynniki"},
    {"op", "Opóźnienie", "Inne"},
    {"wag", "Waga", "Inne"},
    {"wzr", "Wzrost", "Inne"},
    {"bgl", "Biegłość", "Inne"},
}};

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
    for (const GroupName& group : kGroups)
        if (prefix == group.prefix)
            return group.name;
    return prefix;
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
            const std::string prefix = name.substr(0, name.size() - tail.size());
            for (const GroupName& group : kGroups) {
                if (prefix != group.prefix)
                    continue;
                const ValueKind kind = tail == "znak" ? ValueKind::Sign : ValueKind::Dice;
                notes.push_back({name, caption, kind, group.page, group.name});
            }
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

} // namespace tallar::editors
