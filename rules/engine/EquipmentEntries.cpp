#include "rules/engine/EquipmentEntries.h"

#include "model/Character.h"

namespace tallar {

CPoz* carriedEquipment(const CIstota& hero) {
    const CPoz* equipment = hero.link(kLinkEkwipunek);
    return equipment ? equipment->FindByKind(kinds::equipment::kCarried) : nullptr;
}

std::string trimmedText(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

} // namespace tallar
