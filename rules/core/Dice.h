#pragma once

#include "rules/core/DiceGenerator.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallar {

class AttributeSource;
class UserPort;

// What a dice term yields: a roll, its highest or lowest possible result, or nothing.
enum class DiceMode : int { Minimum = -1, Zero = 0, Roll = 1, Maximum = 2 };

// The mode a stored sign asks for: positive → Maximum, 0 → Roll, negative → Minimum.
DiceMode diceModeFromSign(int sign);

// How throws are made: drawn from a generator, or, with `askRolls`, asked of the person
// through `port` (each throw with a prompt naming the die).
struct DiceRolls {
    bool askRolls = false;
    UserPort* port = nullptr;           // asked when askRolls is set; automatic without it
    DiceGenerator* generator = nullptr; // the program's generator when null
};

// The caption of the message box in which rules data is refused: a failing query of a rules
// step, a dice expression beyond the limits below.
inline constexpr std::string_view kRulesErrorCaption = "Błąd!";

// The largest dice term the program throws: more dice in one term, or dice of more sides,
// are refused, so that no expression keeps the program throwing for ever.
inline constexpr int kMaxDiceCount = 1000;
inline constexpr int kMaxDiceSides = 10000;

// The value of a dice expression, or why it was refused (a dice term beyond the limits
// above). A refused expression throws nothing and is worth 0.
struct DiceOutcome {
    double value = 0;
    std::optional<std::string> refusal;
};

// Evaluates a dice expression: numbers (decimal, "0.75"), dice terms ("K10", "2K10", "K100_"
// open-ended, "MAX(2K10)" highest die), the character's attribute names and + - * / (no
// parentheses; * and / bind tighter; a quotient by zero gives 0). Without a character
// attribute names are not looked up. A malformed expression is not an error: each term
// yields what it reads as (a term without digits is 0). Too large dice are refused.
DiceOutcome evaluateDiceExpression(std::string_view expression, const DiceRolls& rolls,
                                   std::string_view label, DiceMode mode,
                                   const AttributeSource* character = nullptr);

// As above, giving the value; a refusal is shown through the rolls' port (caption "Błąd!").
double EvaluateDice(std::string_view expression, const DiceRolls& rolls, std::string_view label,
                    DiceMode mode, const AttributeSource* character = nullptr);

// Throws `count` dice of `sides` sides and returns their sum (or, with `highestOnly`, the
// best die) times `multiplier`. An open-ended die that shows its maximum is thrown again
// and its throws add up; after a maximum on a die of more than ten sides the further
// throws of that die are a K10. Asked throws carry the prompt
// "<label> K<size>[ <i> z <count>]".
int RollDice(int sides, bool openEnded, int count, bool highestOnly, int multiplier,
             const DiceRolls& rolls, std::string_view label);

// One automatic K100 throw of the given generator (the program's by default).
int RollK100(DiceGenerator& generator = diceGenerator());

// Orders two dice expressions: the difference of their maxima, else of their minima, else
// of their zero values (first minus second, truncated). Evaluated without a character and
// without rolling.
int CompareDice(std::string_view first, std::string_view second);

// What is wrong with an expression for the rules (an unknown name, an empty term, a die
// without sides, too many dice or sides), or nothing when every term is a number (whole or
// decimal), a dice term, MAX(dice term) or an expression name joined by + - * /. An empty
// expression is well formed (it is 0).
std::optional<std::string> diceExpressionProblem(std::string_view expression);
bool isWellFormedDiceExpression(std::string_view expression);

} // namespace tallar
