#pragma once

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

// Entry kinds of the character beside the attribute set that rules read.
namespace kinds {
inline constexpr int kCurrentDexterity = 10517;       // "Zręczność aktualna"
inline constexpr int kCurrentSpeed = 10549;           // "Szybkość aktualna"
inline constexpr int kBasePsychicResistance = 12581;  // "Bazowa odporność psychiczna"
inline constexpr int kBasePhysicalResistance = 12597; // "Bazowa odporność fizyczna"
inline constexpr int kAdditionalInformation = 144;    // "Dodatkowe informacje"
inline constexpr int kBodyMeasures = 256;             // holds weight and height
inline constexpr int kWeight = 577;                   // "Waga [kg]"
inline constexpr int kHeight = 561;                   // "Wzrost [cm]"
inline constexpr int kAge = 337;                      // age, under "Dodatkowe informacje"
} // namespace kinds

} // namespace tallar
