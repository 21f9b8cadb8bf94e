#include "preview/EntryDescription.h"

#include "base/UserPort.h"
#include "model/Entry.h"
#include "store/db/Database.h"

namespace tallar {

namespace {

constexpr int kTrade = 816;      // a trade under "Zawody"
constexpr int kGrade = 2448;     // the grade of a trade: specjal = zawod.id
constexpr int kAbility = 640;    // under "Zdolności nadnaturalne"
constexpr int kDisability = 768; // under "Ułomności"
constexpr int kSkill = 25488;    // under "Umiejętności"

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
    case kTrade:
        if (const CPoz* grade = entry.FindByKind(kGrade))
            return firstColumn(rules, "SELECT opis FROM zawod WHERE id=?;", grade->specjal, port);
        return {};
    case kGrade:
        return firstColumn(rules, "SELECT opis FROM zawod WHERE id=?;", entry.specjal, port);
    case kAbility:
    case kDisability:
        return firstColumn(rules, "SELECT opis FROM zdolnosci WHERE id=?;", entry.specjal, port);
    case kSkill:
        return firstColumn(rules, "SELECT opis FROM umiejetnosci WHERE id=?;", entry.specjal, port);
    default:
        return {};
    }
}

} // namespace tallar
