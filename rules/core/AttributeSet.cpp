#include "rules/core/AttributeSet.h"

#include <array>

namespace tallar {

namespace {

using enum AttributeGroup;

constexpr std::array<AttributeDef, kAttributeSetSize> kAttributeSet = {{
    {Attribute, "ŻYW", "zyw", "zyw", "zyw", "Żywotność", "Żywotność", 40965, ""},
    {Attribute, "SF", "sf", "sf", "sf", "Siła fizyczna", "Siła fizyczna", 40981, ""},
    {Attribute, "ZR", "zr", "zr", "zr", "Zręczność", "Zręczność", 10501, ""},
    {Attribute, "SZ", "sz", "sz", "sz", "Szybkość", "Szybkość", 10533, ""},
    {Attribute, "INT", "int", "int", "inte", "Inteligencja", "Inteligencja", 10565, ""},
    {Attribute, "MD", "md", "md", "md", "Mądrość", "Mądrość", 10581, ""},
    {Attribute, "UM", "um", "um", "um", "Umiejętności magiczne", "Umiejętności Magiczne", 10597,
     ""},
    {Attribute, "CH", "ch", "ch", "ch", "Charyzma", "Charyzma", 10613, ""},
    {Attribute, "PR", "pr", "pr", "pr", "Prezęcja", "Prezencja", 10629, ""},
    {Attribute, "WI", "wi", "wi", "wi", "Wiara", "Wiara", 10645, ""},
    {Attribute, "ZW", "zw", "zw", "zw", "Zauważenie", "Zauważenie", 12293, ""},
    {Resistance, "", "odp1", "odp1", "odp01", "Odporność nr.1", "Odporność nr.1", 12309, "ILUZJA"},
    {Resistance, "", "odp2", "odp2", "odp02", "Odporność nr.2", "Odporność nr.2", 12325,
     "SUGESTIA"},
    {Resistance, "", "odp3", "odp3", "odp03", "Odporność nr.3", "Odporność nr.3", 12341,
     "ZAKLECIA"},
    {Resistance, "", "odp4", "odp4", "odp04", "Odporność nr.4", "Odporność nr.4", 12357,
     "SZOK, PARALIŻ UMYSŁOWY"},
    {Resistance, "", "odp5", "odp5", "odp05", "Odporność nr.5", "Odporność nr.5", 12373,
     "ENERGIA, SPECJALNE"},
    {Resistance, "", "odp6", "odp6", "odp06", "Odporność nr.6", "Odporność nr.6", 12389,
     "TRUCIZNA"},
    {Resistance, "", "odp7", "odp7", "odp07", "Odporność nr.7", "Odporność nr.7", 12405,
     "ZIONIĘCIA"},
    {Resistance, "", "odp8", "odp8", "odp08", "Odporność nr.8", "Odporność nr.8", 12421, "OGIEŃ"},
    {Resistance, "", "odp9", "odp9", "odp09", "Odporność nr.9", "Odporność nr.9", 12437,
     "ELEKTRYCZNOŚĆ"},
    {Resistance, "", "odp10", "odp10", "odp10", "Odporność nr.10", "Odporność nr.10", 12549,
     "PETRYFIKACJA"},
    {Antimagic, "A.MAG", "amag", "", "", "Antymagia", "Antymagia", 12565, ""},
}};

constexpr std::size_t kAttributeCount = 11;
constexpr std::size_t kResistanceCount = 10;

} // namespace

std::span<const AttributeDef> attributeSet() {
    return kAttributeSet;
}

std::span<const AttributeDef> attributes() {
    return attributeSet().first(kAttributeCount);
}

std::span<const AttributeDef> resistances() {
    return attributeSet().subspan(kAttributeCount, kResistanceCount);
}

const AttributeDef& antimagic() {
    return kAttributeSet.back();
}

const AttributeDef* findAttributeByCode(std::string_view code) {
    if (code.empty())
        return nullptr;
    for (const AttributeDef& member : kAttributeSet)
        if (member.code == code)
            return &member;
    return nullptr;
}

const AttributeDef* findAttributeByFormulaPrefix(std::string_view prefix) {
    if (prefix.empty())
        return nullptr;
    for (const AttributeDef& member : kAttributeSet)
        if (member.formulaPrefix == prefix)
            return &member;
    return nullptr;
}

const AttributeDef* findAttributeByKind(int kind) {
    for (const AttributeDef& member : kAttributeSet)
        if (member.entryKind == kind)
            return &member;
    return nullptr;
}

} // namespace tallar
