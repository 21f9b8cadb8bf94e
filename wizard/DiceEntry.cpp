#include "wizard/DiceEntry.h"

#include "rules/core/RulesMath.h"

#include <algorithm>

namespace tallar {

DiceEntryScale diceEntryScale(int sides) {
    if (sides == 0 || sides == 10 || sides == 100 || sides == 1000)
        return {sides, 1};
    int decade = 0;
    if (sides >= 1 && sides <= 9)
        decade = 10;
    else if (sides >= 11 && sides <= 99)
        decade = 100;
    else if (sides >= 101 && sides <= 999)
        decade = 1000;
    else if (sides >= 1001 && sides <= 9999)
        decade = 10000;
    if (decade != 0 && decade % sides == 0)
        return {decade, decade / sides};
    return {sides, 1};
}

int diceEntryDigits(int shownSize) {
    if (shownSize >= 10000)
        return 5;
    if (shownSize >= 1000)
        return 4;
    if (shownSize >= 100)
        return 3;
    if (shownSize >= 10)
        return 2;
    return 1;
}

int diceEntryNumber(std::string_view text) {
    return textToInt(text.substr(0, 8));
}

int diceEntryResult(int entered, const DiceEntryScale& scale) {
    return ceilQuotient(entered, scale.divisor);
}

// A die has at least one side; a size below that would leave no valid entry at all and
// the dialog, which cannot be cancelled, could never be closed.
DiceEntry::DiceEntry(int sides) : sides_(std::max(sides, 1)), scale_(diceEntryScale(sides_)) {}

std::optional<std::string> DiceEntry::explanation() const {
    if (scale_.divisor == 1)
        return std::nullopt;
    return "K" + std::to_string(sides_) + ": wpisz wynik rzutu K" +
           std::to_string(scale_.shownSize) + ", zostanie podzielony przez " +
           std::to_string(scale_.divisor);
}

bool DiceEntry::valid() const {
    const int value = entered();
    return value >= 1 && value <= scale_.shownSize;
}

std::optional<std::string> DiceEntry::problem() const {
    if (valid())
        return std::nullopt;
    const std::string size = std::to_string(scale_.shownSize);
    return "Wpisz wynik rzutu K" + size + ": liczbę od 1 do " + size + ".";
}

std::optional<int> DiceEntry::result() const {
    if (!valid())
        return std::nullopt;
    return diceEntryResult(entered(), scale_);
}

void DiceEntry::roll(DiceGenerator& generator) {
    text_ = zeroPadded(generator.next() % scale_.shownSize + 1, digits());
}

} // namespace tallar
