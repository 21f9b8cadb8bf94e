#include "wizard/CWizard10.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "model/Kinds.h"
#include "rules/core/Dice.h"
#include "rules/core/RulesMath.h"
#include "store/db/Database.h"

#include <algorithm>

namespace tallar {

CWizard10::CWizard10(Database& rules, CIstota& hero, UserPort& port)
    : rules_(rules), hero_(hero), port_(port) {}

bool CWizard10::Run() {
    PickTable table;
    if (Status status =
            rules_.exec(kQuery,
                        [&](const Row& row) {
                            if (table.columns.empty())
                                for (int c = 0; c < row.columnCount(); ++c)
                                    table.columns.push_back(row.name(c));
                            table.rows.push_back({row.text(0), row.text(1), row.text(2)});
                        });
        !status) {
        port_.showError(status.message(), kRulesErrorCaption);
        return false;
    }
    // The list shows a descending query ascending, as every list window does.
    std::reverse(table.rows.begin(), table.rows.end());
    const auto picked = port_.pickRows(kCaption, table, true);
    CPoz* equipment = hero_.link(kLinkEkwipunek);
    CPoz* carried = equipment ? equipment->FindByKind(kinds::equipment::kCarried) : nullptr;
    if (!picked || picked->empty() || !carried)
        return false;
    for (const std::string& id : *picked) {
        const auto row = std::find_if(table.rows.begin(), table.rows.end(),
                                      [&](const auto& r) { return r[0] == id; });
        if (row == table.rows.end())
            continue;
        carried->AddChild({.info = (*row)[1],
                           .specjal = id,
                           .typ = kinds::equipment::kItem,
                           .wartosc = 1,
                           .modyfikator = textToReal((*row)[2])});
    }
    return true;
}

} // namespace tallar
