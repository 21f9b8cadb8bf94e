#include "preview/EntryDescription.h"

#include "base/UserPort.h"
#include "model/Entry.h"
#include "model/Kinds.h"
#include "store/db/Database.h"

namespace tallar {

namespace {

std::string firstColumn(Database& rules, std::string_view sql, const std::string& id,
                        UserPort& port) {
    std::string text;
    bool found = false;
    if (Status status = rules.exec(sql, {id},
                                   [&](const Row& row) {
                                       if (!found)
                                           text = row.text(0);
                                       found = true;
                                   });
        !status) {
        port.showError(status.message(), "");
        return {};
    }
    return text;
}

} // namespace

std::string entryDescription(Database& rules, const CPoz& entry, UserPort& port) {
    switch (entry.typ) {
    case kinds::trade::kTrade:
        if (const CPoz* grade = entry.FindByKind(kinds::trade::kGrade))
            return firstColumn(rules, "SELECT opis FROM zawod WHERE id=?;", grade->specjal, port);
        return {};
    case kinds::trade::kGrade:
        return firstColumn(rules, "SELECT opis FROM zawod WHERE id=?;", entry.specjal, port);
    case kinds::ability::kAbility:
    case kinds::ability::kDisability:
        return firstColumn(rules, "SELECT opis FROM zdolnosci WHERE id=?;", entry.specjal, port);
    case kinds::skill::kSkill:
        return firstColumn(rules, "SELECT opis FROM umiejetnosci WHERE id=?;", entry.specjal, port);
    default:
        return {};
    }
}

} // namespace tallar
