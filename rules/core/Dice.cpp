#include "rules/core/Dice.h"

#include "base/UserPort.h"
#include "rules/core/ExpressionNames.h"
#include "rules/core/RegExp.h"
#include "rules/core/RulesMath.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace tallar {

namespace {

DiceGenerator& generatorOf(const DiceRolls& rolls) {
    return rolls.generator ? *rolls.generator : diceGenerator();
}

int clampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int truncated(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(value), double(INT_MIN), double(INT_MAX)));
}

std::string throwPrompt(std::string_view label, int size, int die, int count) {
    std::string prompt(label);
    prompt += " K" + std::to_string(size);
    if (count > 1)
        prompt += ' ' + std::to_string(die) + " z " + std::to_string(count);
    return prompt;
}

// One throw of a die of `size` sides. An asked throw is asked again until the answer is a
// face of the die; when the person gives up (no answer at all) the program throws.
int throwDie(int size, const DiceRolls& rolls, std::string_view label, int die, int count) {
    if (rolls.askRolls && rolls.port) {
        const std::string prompt = throwPrompt(label, size, die, count);
        while (const auto answer = rolls.port->askDie(size, prompt)) {
            if (*answer >= 1 && *answer <= size)
                return *answer;
        }
    }
    return generatorOf(rolls).next() % size + 1;
}

// Splits `text` at every character of `separators`; each piece is returned with the
// separator that precedes it ('\0' for the first).
struct Piece {
    char separator;
    std::string_view text;
};

std::vector<Piece> splitAt(std::string_view text, std::string_view separators) {
    std::vector<Piece> pieces;
    char separator = '\0';
    while (true) {
        const auto at = text.find_first_of(separators);
        pieces.push_back({separator, text.substr(0, at)});
        if (at == std::string_view::npos)
            return pieces;
        separator = text[at];
        text.remove_prefix(at + 1);
    }
}

// A dice term "nKs" (after MAX and the underscore are taken off).
struct DiceTerm {
    int count = 1;
    int sides = 0;
    bool openEnded = false;
    bool highestOnly = false;
};

// Reads a term without operators as a dice term; nothing when it has no K.
std::optional<DiceTerm> readDiceTerm(std::string term, std::string* asNumber = nullptr) {
    DiceTerm dice;
    if (auto inner = findMaxTerm(term)) {
        term = std::move(*inner);
        dice.highestOnly = true;
    }
    if (asNumber)
        *asNumber = term;
    auto k = term.find('k');
    if (k == std::string::npos)
        k = term.find('K');
    if (k == std::string::npos)
        return std::nullopt;
    if (const auto underscore = term.find('_'); underscore != std::string::npos) {
        term.resize(underscore);
        dice.openEnded = true;
        if (k >= term.size())
            return std::nullopt;
    }
    dice.count = k == 0 ? 1 : textToInt(std::string_view(term).substr(0, k));
    dice.sides = textToInt(std::string_view(term).substr(k + 1));
    return dice;
}

// A number term is read as the C library reads a decimal number ("0.75", "3"); a text that
// reads as no finite number ("nan", "1e999") is 0.
double numberValue(std::string_view text) {
    const double value = textToReal(text);
    return std::isfinite(value) ? value : 0.0;
}

// Why a dice term of `count` dice of `sides` sides is not thrown, or nothing.
std::optional<std::string> diceSizeProblem(int count, int sides, std::string_view term) {
    if (count > kMaxDiceCount)
        return "za dużo kości w „" + std::string(term) + "” (najwyżej " +
               std::to_string(kMaxDiceCount) + ")";
    if (sides > kMaxDiceSides)
        return "za dużo ścian kości w „" + std::string(term) + "” (najwyżej " +
               std::to_string(kMaxDiceSides) + ")";
    return std::nullopt;
}

double evaluateTerm(std::string_view term, const DiceRolls& rolls, std::string_view label,
                    DiceMode mode, const AttributeSource* character) {
    if (const auto value = lookUpExpressionName(term, character))
        return *value;
    std::string number;
    const auto dice = readDiceTerm(std::string(term), &number);
    if (!dice)
        return numberValue(number);
    const long long n = dice->count;
    const long long s = dice->sides;
    switch (mode) {
    case DiceMode::Maximum:
        return static_cast<double>((dice->highestOnly ? s : s * n) +
                                   (dice->openEnded ? (dice->highestOnly ? 1 : n) : 0));
    case DiceMode::Minimum:
        return static_cast<double>(dice->highestOnly ? 1 : n);
    case DiceMode::Zero:
        return 0;
    case DiceMode::Roll:
        break;
    }
    return RollDice(dice->sides, dice->openEnded, dice->count, dice->highestOnly, 1, rolls, label);
}

double evaluateProduct(std::string_view expression, const DiceRolls& rolls, std::string_view label,
                       DiceMode mode, const AttributeSource* character) {
    const auto factors = splitAt(expression, "*/");
    double value = 0;
    for (const Piece& factor : factors) {
        const double operand = evaluateTerm(factor.text, rolls, label, mode, character);
        if (factor.separator == '\0')
            value = operand;
        else if (factor.separator == '*')
            value *= operand;
        else
            value = operand == 0 ? 0 : value / operand;
    }
    return value;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits with at most one decimal point among them: "7", "0.75".
bool isDecimalNumber(std::string_view text) {
    const auto point = text.find('.');
    if (point == std::string_view::npos)
        return !text.empty() && allDigits(text);
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = text.substr(point + 1);
    return !(whole.empty() && fraction.empty()) && allDigits(whole) && allDigits(fraction);
}

// True for "nKs" or "nKs_" with n optional and s present.
bool isDiceTermText(std::string_view text) {
    if (text.ends_with('_'))
        text.remove_suffix(1);
    const auto k = text.find_first_of("kK");
    if (k == std::string_view::npos)
        return false;
    const auto sides = text.substr(k + 1);
    return allDigits(text.substr(0, k)) && !sides.empty() && allDigits(sides);
}

std::optional<std::string> termProblem(std::string_view term) {
    if (isExpressionName(term))
        return std::nullopt;
    const std::string_view bare = trimmed(term);
    if (bare.empty())
        return std::string("brak składnika przed działaniem lub po nim");
    if (isDecimalNumber(bare))
        return std::nullopt;
    std::string dice(bare);
    if (auto inner = findMaxTerm(bare)) {
        // The match is "MAX(" + content + ")"; it has to be the whole term.
        if (inner->size() + 5 != bare.size())
            return "MAX(...) nie jest całym składnikiem w „" + std::string(term) + "”";
        dice = std::move(*inner);
    }
    if (!isDiceTermText(dice))
        return "nieznany składnik „" + std::string(term) + "”";
    const auto k = dice.find_first_of("kK");
    const int count = k == 0 ? 1 : textToInt(std::string_view(dice).substr(0, k));
    const int sides = textToInt(std::string_view(dice).substr(k + 1));
    if (sides < 1)
        return "kość bez ścian w „" + std::string(term) + "”";
    return diceSizeProblem(count, sides, term);
}

// The first dice term of the expression that is too large to throw, as a message.
std::optional<std::string> oversizedDice(std::string_view expression) {
    for (const Piece& sum : splitAt(expression, "+-"))
        for (const Piece& factor : splitAt(sum.text, "*/")) {
            if (isExpressionName(factor.text))
                continue;
            if (const auto dice = readDiceTerm(std::string(factor.text)))
                if (auto problem = diceSizeProblem(dice->count, dice->sides, factor.text))
                    return problem;
        }
    return std::nullopt;
}

} // namespace

DiceMode diceModeFromSign(int sign) {
    if (sign > 0)
        return DiceMode::Maximum;
    if (sign < 0)
        return DiceMode::Minimum;
    return DiceMode::Roll;
}

DiceOutcome evaluateDiceExpression(std::string_view expression, const DiceRolls& rolls,
                                   std::string_view label, DiceMode mode,
                                   const AttributeSource* character) {
    DiceOutcome outcome;
    // Checked before the first throw, so that no die of a refused expression is asked.
    if (auto problem = oversizedDice(expression)) {
        outcome.refusal =
            "Wyrażenie „" + std::string(expression) + "” nie zostało obliczone: " + *problem + ".";
        return outcome;
    }
    for (const Piece& term : splitAt(expression, "+-")) {
        const double operand = evaluateProduct(term.text, rolls, label, mode, character);
        outcome.value = term.separator == '-' ? outcome.value - operand : outcome.value + operand;
    }
    return outcome;
}

double EvaluateDice(std::string_view expression, const DiceRolls& rolls, std::string_view label,
                    DiceMode mode, const AttributeSource* character) {
    const DiceOutcome outcome = evaluateDiceExpression(expression, rolls, label, mode, character);
    if (outcome.refusal && rolls.port)
        rolls.port->showError(*outcome.refusal, kRulesErrorCaption);
    return outcome.value;
}

int RollDice(int sides, bool openEnded, int count, bool highestOnly, int multiplier,
             const DiceRolls& rolls, std::string_view label) {
    // A die needs a side to show; an open-ended die of one side would never stop. Dice
    // beyond the limits are not thrown at all (the evaluator refuses them with a message).
    if (count < 1 || sides < 1 || count > kMaxDiceCount || sides > kMaxDiceSides)
        return 0;
    const bool rerolls = openEnded && sides > 1;
    long long total = 0;
    for (int die = 1; die <= count; ++die) {
        int size = sides;
        long long dieTotal = 0;
        int previous = 0;
        while (true) {
            if (sides > 10 && previous == sides)
                size = 10;
            const int value = throwDie(size, rolls, label, die, count);
            dieTotal += value;
            previous = value;
            if (!rerolls || value != size)
                break;
        }
        // The throws of one open-ended die add up; the highest die counts as one value.
        if (!highestOnly)
            total += dieTotal;
        else if (dieTotal > total)
            total = dieTotal;
    }
    return clampToInt(static_cast<long long>(clampToInt(total)) * multiplier);
}

int RollK100(DiceGenerator& generator) {
    return RollDice(100, false, 1, false, 1, DiceRolls{.generator = &generator}, "");
}

int CompareDice(std::string_view first, std::string_view second) {
    for (const DiceMode mode : {DiceMode::Maximum, DiceMode::Minimum, DiceMode::Zero}) {
        const int difference =
            truncated(EvaluateDice(first, {}, "", mode) - EvaluateDice(second, {}, "", mode));
        if (difference != 0 || mode == DiceMode::Zero)
            return difference;
    }
    return 0;
}

std::optional<std::string> diceExpressionProblem(std::string_view expression) {
    if (trimmed(expression).empty())
        return std::nullopt;
    const auto terms = splitAt(expression, "+-");
    for (std::size_t i = 0; i < terms.size(); ++i) {
        // A sign before the first term reads as 0 ± term.
        if (i == 0 && terms.size() > 1 && trimmed(terms[i].text).empty())
            continue;
        for (const Piece& factor : splitAt(terms[i].text, "*/"))
            if (auto problem = termProblem(factor.text))
                return problem;
    }
    return std::nullopt;
}

bool isWellFormedDiceExpression(std::string_view expression) {
    return !diceExpressionProblem(expression).has_value();
}

} // namespace tallar
