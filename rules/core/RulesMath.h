#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Numeric and text helpers shared by the rules engine, the wizard, the entry tree and the
// output: rounding, the experience scale, experience levels and small conversions. All are
// pure functions of their arguments.
namespace tallar {

// Rounds halves away from zero: 2.5 → 3, −2.5 → −3, 2.49 → 2. Values outside the range of
// int are clamped to it; NaN gives 0.
int roundToInt(double value);

// Drops the fraction: 2.9 → 2, −2.9 → −2. Values outside the range of int are clamped to
// it; NaN gives 0.
int truncateToInt(double value);

// Rounds away from zero as soon as the fraction reaches 0.001: 3.002 → 4, 3.0005 → 3,
// −3.002 → −4.
int roundUpWithTolerance(double value);

// Rounds to two decimals, halves away from zero: 0.125 → 0.13, −0.125 → −0.13.
double roundToHundredths(double value);

// The ceiling of a / b, where a fraction of at most 1e-8 counts as none (6.00000001 / 2 → 3).
// The divisor must not be 0.
int ceilQuotient(double a, double b);

// True when a and b differ by less than 1e-6.
bool nearlyEqual(double a, double b);

// The experience scale: level 1 below 200, 2 from 200, 3 from 600, 4 from 1200, …; level n
// ends below 100·n·(n+1). Values below 0 have level 0.
int experienceScaleLevel(int value);
// 100·n·(n+1), the first value above level n (0 for n < 0).
long long experienceScaleThreshold(int level);
// 100·(n−1)·n, the first value of level n (0 for n < 1).
long long experienceScaleStart(int level);

// The change of `value` after `steps` steps along the experience scale, each step worth the
// level of the current value (or `fixedStep` each when that is not 0). Negative steps go
// down the same way; a descent stops at −1. A positive `limit` caps a growth, a negative
// one (as −limit) floors a descent. The new value saturates at the bounds of int, and the
// work grows with the number of levels passed, not with the number of steps.
int progression(int value, int steps, int fixedStep, int limit);

// A character's level from experience points, and the points at which a level begins.
// 2000 to 2499 points are level 8, so that both directions agree (docs/RULES.md).
int levelFromExperience(int points);
int experienceOfLevel(int level);
// The highest spell circle open at a level: 1 + level / 2.
int spellCircle(int level);

// A 1-based index that wraps at b: 10 of 10 → 10, 11 of 10 → 1; 0 when a or b is below 1.
int cyclicIndex(int a, int b);

// How far `value` lies above `high` (positive) or below `low` (negative); 0 inside.
int excessOutsideRange(int value, int low, int high);

// `number` right-aligned in `width` zeros: (7, 3) → "007". A number with more digits than
// `width` gives all zeros.
std::string zeroPadded(int number, int width);

// The leading decimal number of a text, as the C library reads it (leading blanks, a sign,
// digits; anything else stops it); 0 when there is none. Independent of the locale;
// integers beyond the range of int are clamped to it.
int textToInt(std::string_view text);
double textToReal(std::string_view text);

// The pieces of `text` between the separators, in order; an empty text is one empty piece.
std::vector<std::string> splitText(std::string_view text, char separator);
// The texts with the separator between them; no texts give an empty text.
std::string joinTexts(const std::vector<std::string>& texts, char separator);
// The present texts with the separator between them; nothing when all four are absent.
std::optional<std::string> joinFour(std::optional<std::string_view> a,
                                    std::optional<std::string_view> b,
                                    std::optional<std::string_view> c,
                                    std::optional<std::string_view> d, char separator);

} // namespace tallar
