#pragma once

#include <string_view>

namespace tallar {

class CPoz;

// Kinds of the entries the origin pages write (under "Dodatkowe informacje").
inline constexpr int kKindAppearance = 256;        // "Rasa: …", specjal = race id
inline constexpr int kKindStage = 272;             // "Stadium: …" under the appearance
inline constexpr int kKindAge = 337;               // "WIEK", value = age in years
inline constexpr int kKindAlignment = 352;         // "Charakter: …", specjal = alignment id
inline constexpr int kKindBirthplace = 391;        // "Miejsce urodzenia", memo = place name
inline constexpr int kKindRaceWeaponGroups = 1072; // "Bronie rasowe" under the appearance
inline constexpr int kKindRaceWeaponGroup = 1089;  // a group: specjal = group id, value = bonus

inline constexpr std::string_view kAgeLabel = "WIEK";
inline constexpr std::string_view kBirthplaceLabel = "Miejsce urodzenia";

// The child of `parent` of this kind with its label and key text set; made at the end of
// the children when there is none. Value, modifier and memo of a new child are 0, 0.0 and
// empty.
CPoz& setChild(CPoz& parent, int kind, std::string_view info, std::string_view specjal);

} // namespace tallar
