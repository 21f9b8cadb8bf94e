#include "rules/engine/LevelAdvancement.h"

#include "rules/core/RulesMath.h"

#include <vector>

namespace tallar {

namespace {

constexpr std::array<std::string_view, levelField::kCount> kNames = {
    "Żywotność",  "Siła fizyczna",   "Zręczność", "Szybkość",          "Inteligencja",
    "Mądrość",    "Umiej.magiczne",  "Charyzma",  "Prezencja",         "Wiara",
    "Zauważenie", "Ilość biegłości", "Biegłość",  "Odp.bazowa psych.", "Odp.bazowa fiz.",
    "Odp.nr 1",   "Odp.nr 2",        "Odp.nr 3",  "Odp.nr 4",          "Odp.nr 5",
    "Odp.nr 6",   "Odp.nr 7",        "Odp.nr 8",  "Odp.nr 9",          "Odp.nr 10"};

} // namespace

std::span<const std::string_view> levelFieldNames() {
    return kNames;
}

std::string levelChoice(std::size_t field, std::string_view expression) {
    std::vector<std::string> fields(levelField::kCount);
    if (field < levelField::kCount)
        fields[field] = expression;
    return joinTexts(fields, '|');
}

std::optional<std::size_t> chosenLevelField(std::string_view choice) {
    const std::vector<std::string> fields = splitText(choice, '|');
    for (std::size_t i = 0; i < fields.size() && i < levelField::kCount; ++i)
        if (!fields[i].empty())
            return i;
    return std::nullopt;
}

bool choosableLevelField(std::size_t field) {
    return field >= levelField::kBasePsychic && field < levelField::kCount;
}

} // namespace tallar
