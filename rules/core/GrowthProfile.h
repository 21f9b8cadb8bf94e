#pragma once

#include <array>
#include <cstddef>

namespace tallar {

// What a race stage, the abilities and disabilities and the trades gather about how a
// character's attributes grow: per member of the attribute set a MAX/MIN balance, a growth
// multiplier and an upper and lower limit (0 = unset); a balance for delay, weight and
// height; and the other coefficient of Żywotność and of Siła fizyczna. The caller keeps it
// and hands it to each engine that folds into it or reads it.
struct GrowthProfile {
    static constexpr std::size_t kMembers = 22; // the size of the attribute set

    struct Member {
        int balance = 0;
        double multiplier = 1.0;
        int upperLimit = 0;
        int lowerLimit = 0;
    };

    std::array<Member, kMembers> members{}; // in the order of attributeSet()
    int delayBalance = 0;
    int weightBalance = 0;
    int heightBalance = 0;
    double vitalityOther = 0.0; // other coefficient of Żywotność
    double strengthOther = 0.0; // other coefficient of Siła fizyczna

    // Back to the start: multipliers 1.0, balances, limits and other coefficients 0.
    void reset() { *this = GrowthProfile(); }

    // Multiplies a member's multiplier by `factor`, each rounded to hundredths and the
    // product rounded to hundredths again.
    void multiply(std::size_t member, double factor);

    // Merges a limit x into a member's limits: x > 0 sets the upper limit when it is unset
    // or greater than x; x < 0 sets the lower limit when it is unset or x is greater than
    // it; 0 changes nothing.
    void mergeLimit(std::size_t member, int x);
};

} // namespace tallar
