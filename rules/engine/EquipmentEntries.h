#pragma once

#include <string>
#include <string_view>

// What the shield, armour and equipment steps share about the carried equipment.
namespace tallar {

class CIstota;
class CPoz;

// What metal does to resistance 9 ("Odporność nr.9") of a character wearing or holding it.
inline constexpr int kMetalResistancePenalty = -10;

// "przy sobie" under "Ekwipunek": what the character carries; null when it has none.
CPoz* carriedEquipment(const CIstota& hero);

// A rules flag: set when its text begins with "T".
inline bool flagSet(std::string_view text) {
    return !text.empty() && text.front() == 'T';
}

// The text without blanks and tabs at either end.
std::string trimmedText(std::string_view text);

} // namespace tallar
