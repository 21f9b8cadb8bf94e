#pragma once

#include "rules/core/AttributeSet.h"
#include "rules/core/Dice.h"
#include "rules/core/ExpressionNames.h"
#include "rules/core/RulesMath.h"

// The base of every rules-engine class. It holds nothing; it gathers the helpers every
// rules step uses (the free functions of rules/RulesMath.h, rules/Dice.h and
// rules/ExpressionNames.h) so that a step can call them as its own.
namespace tallar {

class CRdzen {
public:
    virtual ~CRdzen() = default;

protected:
    CRdzen() = default;
    CRdzen(const CRdzen&) = default;
    CRdzen& operator=(const CRdzen&) = default;

public:
    static std::optional<double> lookUpName(std::string_view name,
                                            const AttributeSource* character) {
        return lookUpExpressionName(name, character);
    }

    static int roundToInt(double value) { return tallar::roundToInt(value); }
    static int truncateToInt(double value) { return tallar::truncateToInt(value); }
    static int roundUpWithTolerance(double value) { return tallar::roundUpWithTolerance(value); }
    static double roundToHundredths(double value) { return tallar::roundToHundredths(value); }
    static int ceilQuotient(double a, double b) { return tallar::ceilQuotient(a, b); }
    static bool nearlyEqual(double a, double b) { return tallar::nearlyEqual(a, b); }
    static DiceMode modeFromSign(int sign) { return diceModeFromSign(sign); }

    static int progression(int value, int steps, int fixedStep, int limit) {
        return tallar::progression(value, steps, fixedStep, limit);
    }
    static int experienceScaleLevel(int value) { return tallar::experienceScaleLevel(value); }
    static long long experienceScaleThreshold(int level) {
        return tallar::experienceScaleThreshold(level);
    }
    static long long experienceScaleStart(int level) { return tallar::experienceScaleStart(level); }
    static int levelFromExperience(int points) { return tallar::levelFromExperience(points); }
    static int experienceOfLevel(int level) { return tallar::experienceOfLevel(level); }
    static int spellCircle(int level) { return tallar::spellCircle(level); }

    static int cyclicIndex(int a, int b) { return tallar::cyclicIndex(a, b); }
    static int excessOutsideRange(int value, int low, int high) {
        return tallar::excessOutsideRange(value, low, high);
    }
    static std::string zeroPadded(int number, int width) {
        return tallar::zeroPadded(number, width);
    }
    static int textToInt(std::string_view text) { return tallar::textToInt(text); }
    static double textToReal(std::string_view text) { return tallar::textToReal(text); }
    static std::vector<std::string> splitText(std::string_view text, char separator) {
        return tallar::splitText(text, separator);
    }
    static std::string joinTexts(const std::vector<std::string>& texts, char separator) {
        return tallar::joinTexts(texts, separator);
    }
    static std::optional<std::string> joinFour(std::optional<std::string_view> a,
                                               std::optional<std::string_view> b,
                                               std::optional<std::string_view> c,
                                               std::optional<std::string_view> d, char separator) {
        return tallar::joinFour(a, b, c, d, separator);
    }

    static double EvaluateDice(std::string_view expression, const DiceRolls& rolls,
                               std::string_view label, DiceMode mode,
                               const AttributeSource* character = nullptr) {
        return tallar::EvaluateDice(expression, rolls, label, mode, character);
    }
    static int RollDice(int sides, bool openEnded, int count, bool highestOnly, int multiplier,
                        const DiceRolls& rolls, std::string_view label) {
        return tallar::RollDice(sides, openEnded, count, highestOnly, multiplier, rolls, label);
    }
    static int RollK100(DiceGenerator& generator = diceGenerator()) {
        return tallar::RollK100(generator);
    }
    static int CompareDice(std::string_view first, std::string_view second) {
        return tallar::CompareDice(first, second);
    }
};

} // namespace tallar
