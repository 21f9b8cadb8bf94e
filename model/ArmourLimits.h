#pragma once

namespace tallar {

class CIstota;
class CPoz;

// The divisors by which the natural skin, the applied shields and the worn armours limit
// Zręczność and Szybkość (the current value is the value / divisor); 1 is no limit.
struct LimitDivisors {
    int dexterity = 1;
    int speed = 1;
};

// The most restrictive limit of each kind: the largest divisor among the skin of the race
// stage, the shield uses under "Tarcze" and the armour uses under "Pancerz". Limits do not
// multiply. Read from the entries' totals, so the character must have been recalculated.
LimitDivisors currentLimitDivisors(const CIstota& character);

// The body part blows land on by default, whose protection is the character's own: the one
// marked so by its modifier (1.0) or by its property "domyślna lokacja ciosów", else the
// first body part; null without any.
const CPoz* defaultBodyPart(const CIstota& character);

} // namespace tallar
