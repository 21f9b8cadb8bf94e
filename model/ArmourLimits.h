#pragma once

namespace tallar {

class CIstota;

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

} // namespace tallar
