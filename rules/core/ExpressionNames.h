#pragma once

#include "rules/core/AttributeSet.h"

#include <optional>
#include <string_view>

namespace tallar {

// What rules expressions read from a character. The character implements it; the rules
// core knows nothing else of it.
class AttributeSource {
public:
    virtual ~AttributeSource() = default;

    // The current total of the character's entry of an attribute-set member.
    virtual double attributeTotal(const AttributeDef& member) const = 0;

    // The integer value of the weight entry (kind 577 under kind 256 under "Dodatkowe
    // informacje"), of the height entry (kind 561, the same way) and of the age entry
    // (kind 337 directly under "Dodatkowe informacje"); nothing when an entry on the way is
    // missing.
    virtual std::optional<int> weight() const = 0;
    virtual std::optional<int> height() const = 0;
    virtual std::optional<int> age() const = 0;
};

// True when `name` is one of the names an expression may use for a character's value:
// the eleven attribute codes, "A.MAG", "WAGA", "WZROST" and "WIEK". Matched exactly: upper
// case as shown, no spaces trimmed.
bool isExpressionName(std::string_view name);

// The value `name` reads from `character`: an attribute's or antimagic's total, or the
// weight, height or age (0 when their entry is missing). Nothing when there is no
// character or the name is not an expression name; the caller then reads the name as a
// dice term or a number.
std::optional<double> lookUpExpressionName(std::string_view name, const AttributeSource* character);

} // namespace tallar
