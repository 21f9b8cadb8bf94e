#include "wizard/CWizard10.h"

#include "model/Character.h"
#include "rules/engine/EquipmentEntries.h"
#include "wizard/CWizard1.h"

#include <optional>
#include <utility>

namespace tallar {

using namespace kinds;

CWizard10::CWizard10(const EngineContext& context) : context_(context) {}

PickTable CWizard10::equipmentTable() {
    PickTable table;
    Status status = context_.rules.exec(
        "SELECT id,nazwa'Nazwa   ',waga 'waga' FROM ekwipunek ORDER BY nazwa DESC;", {},
        [&table](const Row& row) { table.rows.push_back(pickRowTexts(table, row)); });
    if (!status)
        context_.port.showError(status.message(), kWizardErrorCaption);
    if (table.columns.empty())
        table.columns = {"id", "Nazwa   ", "waga"};
    return table;
}

int CWizard10::Run() {
    const PickTable table = equipmentTable();
    if (const auto picked = context_.port.pickRows(kCaption, table, true))
        for (const std::string& id : *picked)
            (void)AddItem(id);
    return 1;
}

CPoz* CWizard10::AddItem(std::string_view id, int count) {
    CPoz* carried = carriedEquipment(context_.character);
    if (!carried || count < 1)
        return nullptr;
    std::optional<std::pair<std::string, double>> found;
    Status status = context_.rules.exec(
        "SELECT nazwa,waga FROM ekwipunek WHERE id=?;", {std::string(id)},
        [&found](const Row& row) { found.emplace(row.text(0), textToReal(row.text(1))); });
    if (!status)
        context_.port.showError(status.message(), kWizardErrorCaption);
    if (!found)
        return nullptr;
    CPoz* item = nullptr;
    for (CPoz* child : carried->children())
        if (child->typ == equipment::kItem && child->specjal == id)
            item = child;
    if (item)
        item->wartosc += count;
    else
        item = &carried->AddChild({.info = found->first,
                                   .specjal = std::string(id),
                                   .typ = equipment::kItem,
                                   .wartosc = count,
                                   .modyfikator = found->second});
    context_.character.RebuildLoad();
    return item;
}

} // namespace tallar
