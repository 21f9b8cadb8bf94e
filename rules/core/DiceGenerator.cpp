#include "rules/core/DiceGenerator.h"

#include <ctime>

namespace tallar {

DiceGenerator& diceGenerator() {
    static DiceGenerator generator;
    return generator;
}

void seedDiceFromClock() {
    diceGenerator().seed(static_cast<std::uint32_t>(std::time(nullptr)));
}

} // namespace tallar
