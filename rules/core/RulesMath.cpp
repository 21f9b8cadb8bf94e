#include "rules/core/RulesMath.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace tallar {

namespace {

int clampToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int clampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Rounds away from zero once the fraction reaches `threshold`.
int roundAwayFromZero(double value, double threshold) {
    const double whole = std::trunc(value);
    const double fraction = value - whole;
    double result = whole;
    if (value > 0 && fraction >= threshold)
        result = whole + 1;
    else if (value < 0 && fraction <= -threshold)
        result = whole - 1;
    return clampToInt(result);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view skipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return text.substr(i);
}

} // namespace

int truncateToInt(double value) {
    return clampToInt(value);
}

int roundToInt(double value) {
    return roundAwayFromZero(value, 0.5);
}

int roundUpWithTolerance(double value) {
    return roundAwayFromZero(value, 0.001);
}

double roundToHundredths(double value) {
    return roundToInt(value * 100) * 0.01;
}

int ceilQuotient(double a, double b) {
    const double quotient = a / b;
    const double whole = std::trunc(quotient);
    return clampToInt(quotient - whole > 1e-8 ? whole + 1 : whole);
}

bool nearlyEqual(double a, double b) {
    return std::fabs(a - b) < 1e-6;
}

namespace {

long long scaleThreshold(long long level) {
    return level < 0 ? 0 : 100 * level * (level + 1);
}

// The level of a 64-bit value: the root of 100·n·(n+1) = value gives it at once, and the
// two loops only mend the rounding of the root.
long long scaleLevel(long long value) {
    if (value < 0)
        return 0;
    long long level = std::max(
        1LL,
        static_cast<long long>((std::sqrt(1.0 + static_cast<double>(value) / 25.0) - 1.0) / 2.0) +
            1);
    while (level > 1 && value < scaleThreshold(level - 1))
        --level;
    while (value >= scaleThreshold(level))
        ++level;
    return level;
}

long long ceilDivide(long long a, long long b) {
    return (a + b - 1) / b; // a ≥ 0, b > 0
}

// Adds `steps` (> 0) steps to `value` and stops early at `stop`, past which the result no
// longer matters. Every pass climbs one level, so a value within the range of int is
// reached in a few thousand passes whatever the number of steps.
long long grow(long long value, long long steps, long long stop) {
    while (steps > 0 && value < stop) {
        const long long level = scaleLevel(value);
        // Level 0 (below zero) has no step size: the remaining steps change nothing.
        if (level == 0)
            break;
        const long long top = scaleThreshold(level);
        const long long n = std::min(std::max(ceilDivide(top - value, level), 1LL), steps);
        value += n * level;
        // What went past the threshold is re-scaled to the next level's step.
        if (value > top)
            value = top + ceilDivide((value - top) * (level + 1), level);
        steps -= n;
    }
    return value;
}

// Takes `steps` (< 0) steps off `value`, one level per pass, down to −1 at most.
long long shrink(long long value, long long steps) {
    while (steps < 0) {
        const long long level = scaleLevel(value);
        if (level == 0)
            break;
        const long long lower = level - 1;
        const long long bottom = scaleThreshold(lower) - 1;
        const long long n = std::max(-ceilDivide(value - bottom, level), steps);
        value += n * level;
        if (value < bottom)
            value = bottom - ceilDivide((bottom - value) * lower, level);
        steps -= n;
    }
    return value;
}

} // namespace

int experienceScaleLevel(int value) {
    return static_cast<int>(scaleLevel(value));
}

long long experienceScaleThreshold(int level) {
    return scaleThreshold(level);
}

long long experienceScaleStart(int level) {
    return level < 1 ? 0 : 100LL * (level - 1) * level;
}

int progression(int value, int steps, int fixedStep, int limit) {
    if (steps < 1 && static_cast<long long>(value) + steps < 1)
        return 0;
    long long current = value;
    if (fixedStep != 0)
        current += static_cast<long long>(steps) * fixedStep;
    else if (steps > 0)
        current = grow(current, steps, limit > 0 ? std::min(limit, INT_MAX) : INT_MAX);
    else
        current = shrink(current, steps);
    if (steps < 0 && limit < 0 && current < -static_cast<long long>(limit))
        current = -static_cast<long long>(limit);
    if (steps > 0 && limit > 0 && current > limit)
        current = limit;
    // The new value stays within int, so that the caller can add the change to the value.
    return clampToInt(static_cast<long long>(clampToInt(current)) - value);
}

int levelFromExperience(int points) {
    if (points < 100)
        return 0;
    if (points < 250)
        return points / 50 - 1;
    if (points < 1000)
        return 3 + points / 250;
    if (points < 2000)
        return 5 + points / 500;
    // Level 9 begins at 2500 points, as experienceOfLevel says; 2000 to 2499 stay level 8.
    if (points < 2500)
        return 8;
    if (points < 15000)
        return 8 + points / 2500;
    if (points < 40000)
        return 11 + points / 5000;
    return 15 + points / 10000;
}

int experienceOfLevel(int level) {
    long long points = 1;
    if (level < 1)
        points = 1;
    else if (level <= 3)
        points = (level + 1) * 50LL;
    else if (level <= 6)
        points = (level - 3) * 250LL;
    else if (level <= 8)
        points = (level - 5) * 500LL;
    else if (level <= 13)
        points = (level - 8) * 2500LL;
    else if (level <= 18)
        points = (level - 11) * 5000LL;
    else
        points = (level - 15) * 10000LL;
    return clampToInt(points);
}

int spellCircle(int level) {
    return 1 + level / 2;
}

int cyclicIndex(int a, int b) {
    if (a < 1 || b < 1)
        return 0;
    const int index = a % b;
    return index == 0 ? b : index;
}

int excessOutsideRange(int value, int low, int high) {
    if (value > high)
        return clampToInt(static_cast<long long>(value) - high);
    if (value < low)
        return clampToInt(static_cast<long long>(value) - low);
    return 0;
}

std::string zeroPadded(int number, int width) {
    std::string padded(static_cast<std::size_t>(std::max(width, 0)), '0');
    const std::string digits = std::to_string(number);
    if (!digits.empty() && digits.size() <= padded.size())
        padded.replace(padded.size() - digits.size(), digits.size(), digits);
    return padded;
}

int textToInt(std::string_view text) {
    text = skipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            break;
        value = std::min<long long>(value * 10 + (c - '0'), 1LL << 40);
    }
    return clampToInt(negative ? -value : value);
}

double textToReal(std::string_view text) {
    text = skipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large gives infinity, too small gives 0, as the C library does.
        const std::string_view number(text.data(), static_cast<std::size_t>(end - text.data()));
        const bool tiny = number.find("e-") != std::string_view::npos ||
                          number.find("E-") != std::string_view::npos;
        value = tiny ? 0.0 : HUGE_VAL;
    } else if (error != std::errc()) {
        value = 0;
    }
    return negative ? -value : value;
}

std::vector<std::string> splitText(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    while (true) {
        const auto at = text.find(separator);
        pieces.emplace_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return pieces;
        text.remove_prefix(at + 1);
    }
}

std::string joinTexts(const std::vector<std::string>& texts, char separator) {
    std::string joined;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            joined += separator;
        joined += texts[i];
    }
    return joined;
}

std::optional<std::string> joinFour(std::optional<std::string_view> a,
                                    std::optional<std::string_view> b,
                                    std::optional<std::string_view> c,
                                    std::optional<std::string_view> d, char separator) {
    std::optional<std::string> joined;
    for (const auto& text : {a, b, c, d}) {
        if (!text)
            continue;
        if (joined)
            *joined += separator;
        else
            joined.emplace();
        *joined += *text;
    }
    return joined;
}

} // namespace tallar
