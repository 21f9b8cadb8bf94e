#include "rules/core/GrowthProfile.h"

#include "rules/core/RulesMath.h"

namespace tallar {

void GrowthProfile::multiply(std::size_t member, double factor) {
    Member& m = members.at(member);
    m.multiplier = roundToHundredths(roundToHundredths(m.multiplier) * roundToHundredths(factor));
}

void GrowthProfile::mergeLimit(std::size_t member, int x) {
    Member& m = members.at(member);
    if (x > 0 && (m.upperLimit == 0 || m.upperLimit > x))
        m.upperLimit = x;
    else if (x < 0 && (m.lowerLimit == 0 || x > m.lowerLimit))
        m.lowerLimit = x;
}

} // namespace tallar
