#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tallar {

// The 25 fields of an experience level ("Poziom", kinds::profession::kLevelEntry): what a
// level raises, each with the expression chosen for it, its span and its rolled dice part.
namespace levelField {
inline constexpr std::size_t kCount = 25;
inline constexpr std::size_t kAttributes = 11;       // 0 … 10: the attributes, as attributeSet()
inline constexpr std::size_t kProficiencyCount = 11; // the number of free proficiencies
inline constexpr std::size_t kProficiency = 12;      // every proficiency
inline constexpr std::size_t kBasePsychic = 13;      // "Bazowa odporność psychiczna"
inline constexpr std::size_t kBasePhysical = 14;     // "Bazowa odporność fizyczna"
inline constexpr std::size_t kResistance1 = 15;      // 15 … 24: "Odporność nr.1" … "nr.10"
} // namespace levelField

// The fields' short names ("Żywotność", … "Ilość biegłości", "Biegłość", "Odp.bazowa
// psych.", "Odp.bazowa fiz.", "Odp.nr 1" … "Odp.nr 10"): the rolls of a level are labelled
// "Poziom doświadczenia: " + name, and the level-advancement dialog shows them.
std::span<const std::string_view> levelFieldNames();

// A level's choice giving `expression` to one field: 25 fields joined by "|", the others
// empty ("|||||||||||||K10|||||||||||" gives K10 to the base psychic resistance).
std::string levelChoice(std::size_t field, std::string_view expression = "K10");
// The first field of a choice that holds an expression, or nothing.
std::optional<std::size_t> chosenLevelField(std::string_view choice);
// Whether a new level's K10 may go to the field: the two base resistances and the ten
// resistances.
bool choosableLevelField(std::size_t field);

// What the person decides at a new experience level: where its K10 goes.
struct LevelAdvancement {
    std::string profession{}; // the label of the profession reaching the level
    int level = 0;            // the new level
    // The character's values now: each without its level increases, plus the increases of
    // the levels counted so far times its growth multiplier.
    std::array<int, levelField::kCount> current{};
    std::string proposal{}; // the choice made without asking: K10 to the lower base resistance
};

// Shows a new level to the person (the desktop's dialog CProfesjaAwans, the command line's
// question) when throws are asked.
class LevelAdvancementChooser {
public:
    virtual ~LevelAdvancementChooser() = default;
    // The choice for the level (25 "|"-separated fields), or nothing when the person gave
    // up (the end of the command line's input).
    virtual std::optional<std::string> ChooseAdvancement(const LevelAdvancement& level) = 0;
};

} // namespace tallar
