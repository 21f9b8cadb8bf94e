#include "store/db/References.h"

#include "store/db/Schema.h"

namespace tallar {

const std::vector<ReferenceRule>& referenceRules() {
    static const std::vector<ReferenceRule> rules = {
        // The profession tables name their profession in `id`.
        {"profprof", "id", "profesje"},
        {"profrasa", "id", "profesje"},
        {"profumiej", "id", "profesje"},
        {"tytuly", "id", "profesje"},
        // A requirement with an empty profession applies to every profession.
        {"profwymagania", "id", "profesje", {}, {}, true},
        {"profcharakter", "id", "profesje"},
        {"profklasy", "id", "profesje"},
        // Own identifiers that are not declared as keys.
        {"tytuly", "idtytul", ""},
        {"charaktery", "id", ""},
        {"miejscurodz", "id", ""},
        {"ekwipunek", "id", ""},
        {"stadiumczesci", "id_nad", "czescicialadef"},
        // A formula's owner is an ability or disability of the same kind, or a trade grade.
        {"formuly", "id_nad", "zdolnosci", "s.typ_nad IN ('ULOMNOSC','ZDOLNOSC')",
         "t.typ=s.typ_nad"},
        {"formuly", "id_nad", "zawod",
         "s.typ_nad IN ('ZAWOD1','ZAWODS','ZAWOD2','ZAWOD3',"
         "'ZAWOD4','ZAWOD5','ZAWOD6')"},
        {"", "idpfor", "profesje"},
        {"", "idrasa", "rasy"},
        {"", "idstadium", "stadia"},
        {"", "idumiejetnosc", "umiejetnosci"},
        {"", "idumiej", "umiejetnosci"},
        {"", "idumiejjeden", "umiejetnosci"},
        {"", "idumiejdwa", "umiejetnosci"},
        {"", "idgrupy", "grupybroni"},
        {"", "idgrupybroni", "grupybroni"},
        {"", "idzawod", "zawod"},
        {"", "idelemzbr", "elementzbroi"},
        {"", "idzbroi", "zbroja"},
        {"", "idcharakter", "charaktery"},
        {"", "idklasy", "klasyspoleczne"},
        {"", "idformuly", "formuly"},
        {"", "idzdolnosci", "zdolnosci"},
        {"", "idwymagania", "wymagania"},
        {"", "idcialo", "czescicialadef"},
    };
    return rules;
}

std::vector<ColumnReference> rulesReferenceColumns() {
    std::vector<ColumnReference> result;
    for (const TableDef& table : rulesTables()) {
        for (const ColumnDef& column : table.columns) {
            ColumnReference reference{table.name, column.name, {}};
            for (const ReferenceRule& rule : referenceRules())
                if (rule.table == table.name && rule.column == column.name)
                    reference.rules.push_back(&rule);
            if (reference.rules.empty())
                for (const ReferenceRule& rule : referenceRules())
                    if (rule.table.empty() && rule.column == column.name)
                        reference.rules.push_back(&rule);
            if (!reference.rules.empty() && !reference.rules.front()->target.empty())
                result.push_back(std::move(reference));
        }
    }
    return result;
}

} // namespace tallar
