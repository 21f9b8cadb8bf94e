#include "rules/core/ExpressionNames.h"

namespace tallar {

namespace {

enum class Measure { Weight, Height, Age };

std::optional<Measure> findMeasure(std::string_view name) {
    if (name == "WAGA")
        return Measure::Weight;
    if (name == "WZROST")
        return Measure::Height;
    if (name == "WIEK")
        return Measure::Age;
    return std::nullopt;
}

} // namespace

bool isExpressionName(std::string_view name) {
    return findAttributeByCode(name) != nullptr || findMeasure(name).has_value();
}

std::optional<double> lookUpExpressionName(std::string_view name,
                                           const AttributeSource* character) {
    if (!character)
        return std::nullopt;
    if (const AttributeDef* member = findAttributeByCode(name))
        return character->attributeTotal(*member);
    const auto measure = findMeasure(name);
    if (!measure)
        return std::nullopt;
    std::optional<int> value;
    switch (*measure) {
    case Measure::Weight:
        value = character->weight();
        break;
    case Measure::Height:
        value = character->height();
        break;
    case Measure::Age:
        value = character->age();
        break;
    }
    return static_cast<double>(value.value_or(0));
}

} // namespace tallar
