#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace tallar {

// What a member of the attribute set is.
enum class AttributeGroup { Attribute, Resistance, Antimagic };

// One attribute, resistance or antimagic of a character, with every name the rules
// database and the program give it. An empty text means the member has no such name.
struct AttributeDef {
    AttributeGroup group;
    std::string_view code;             // in dice expressions ("ŻYW", "A.MAG")
    std::string_view formulaPrefix;    // column prefix in `formuly` ("zyw", "odp1", "amag")
    std::string_view stagePrefix;      // column prefix in `stadia`
    std::string_view professionColumn; // column in `profesje` ("inte", "odp01")
    std::string_view formulaName;      // name in formula entries ("Prezęcja")
    std::string_view entryLabel;       // label of the character's entry ("Prezencja")
    int entryKind;                     // kind of the character's entry
    std::string_view sheetName;        // name on the printed sheet (resistances only)
};

// The attribute set in the order of the character's entries and of the profession and
// stage tables: eleven attributes, ten resistances, antimagic.
std::span<const AttributeDef> attributeSet();
inline constexpr std::size_t kAttributeSetSize = 22;

// Places of members in attributeSet(), and so in every table kept in its order.
namespace member {
inline constexpr std::size_t kVitality = 0;     // Żywotność
inline constexpr std::size_t kStrength = 1;     // Siła fizyczna
inline constexpr std::size_t kDexterity = 2;    // Zręczność
inline constexpr std::size_t kSpeed = 3;        // Szybkość
inline constexpr std::size_t kIntelligence = 4; // Inteligencja
inline constexpr std::size_t kWisdom = 5;       // Mądrość
inline constexpr std::size_t kMagic = 6;        // Umiejętności magiczne
inline constexpr std::size_t kCharisma = 7;     // Charyzma
inline constexpr std::size_t kPresence = 8;     // Prezencja
inline constexpr std::size_t kFaith = 9;        // Wiara
inline constexpr std::size_t kPerception = 10;  // Zauważenie
inline constexpr std::size_t kResistance1 = 11; // "Odporność nr.1"; nr.n is kResistance1 + n − 1
inline constexpr std::size_t kAntimagic = 21;   // Antymagia
inline constexpr std::size_t kAttributes = 11;  // the attributes come first
} // namespace member

// The eleven attributes, the ten resistances, and antimagic alone.
std::span<const AttributeDef> attributes();
std::span<const AttributeDef> resistances();
const AttributeDef& antimagic();

// The member whose expression code is exactly `code` (no case folding, no trimming), or
// null. Resistances have no code.
const AttributeDef* findAttributeByCode(std::string_view code);
// The member with the given formula prefix, or null.
const AttributeDef* findAttributeByFormulaPrefix(std::string_view prefix);
// The member whose character entry has the given kind, or null.
const AttributeDef* findAttributeByKind(int kind);

} // namespace tallar
