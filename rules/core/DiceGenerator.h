#pragma once

#include <cstdint>

namespace tallar {

// The pseudo-random generator behind every throw of the dice: the classic C-library linear
// congruence (state = state * 214013 + 2531011 mod 2^32, value = bits 16 to 30), so that a
// seed gives the same throws on every platform.
class DiceGenerator {
public:
    static constexpr int kMax = 32767;

    explicit DiceGenerator(std::uint32_t seed = 1) : state_(seed) {}

    void seed(std::uint32_t seed) { state_ = seed; }
    // The next value, 0 to kMax.
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_;
};

// The generator of the running program, seeded from the clock at start-up or from a seed
// the user gives.
DiceGenerator& diceGenerator();

// Seeds the program's generator with the current time in seconds.
void seedDiceFromClock();

} // namespace tallar
