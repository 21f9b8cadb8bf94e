#pragma once

#include "rules/core/DiceGenerator.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallar {

// How a throw of a die is entered by hand: a die whose size divides its decade is entered
// as a throw of the decade's die and divided (a K5 as a K10 halved, a K20 as a K100 divided
// by 5); any other die (K4, K6, K10, K100) as it is.
struct DiceEntryScale {
    int shownSize = 1;
    int divisor = 1;
};

DiceEntryScale diceEntryScale(int sides);

// The number of digits a throw of the shown size is written with: 1 below 10, 2 from 10,
// 3 from 100, 4 from 1000, 5 from 10000.
int diceEntryDigits(int shownSize);

// The number an entry text holds (its first eight characters, read as the C library reads
// an integer).
int diceEntryNumber(std::string_view text);

// The die's result for an entered throw of the shown die: the throw divided by the divisor
// and rounded up.
int diceEntryResult(int entered, const DiceEntryScale& scale);

// The state of a dice-entry dialog: the entry text, whether it may be accepted, and what
// it gives. The dialogs show it; tests drive it directly.
class DiceEntry {
public:
    explicit DiceEntry(int sides);

    const DiceEntryScale& scale() const { return scale_; }
    int digits() const { return diceEntryDigits(scale_.shownSize); }
    // What the person is told when the shown die is not the die thrown: "K5: wpisz wynik
    // rzutu K10, zostanie podzielony przez 2"; nothing when they are the same.
    std::optional<std::string> explanation() const;
    // The roll button's caption: "K" and the shown size.
    std::string rollCaption() const { return "K" + std::to_string(scale_.shownSize); }

    void setText(std::string_view text) { text_ = text; }
    const std::string& text() const { return text_; }
    int entered() const { return diceEntryNumber(text_); }

    // Valid when the entered number is a face of the shown die (1 to the shown size).
    bool valid() const;
    // Why OK is refused while the entry is invalid ("Wpisz wynik rzutu K10: liczbę od 1
    // do 10."); nothing while it is valid.
    std::optional<std::string> problem() const;
    // The die's result while the entry is valid.
    std::optional<int> result() const;

    // Throws the shown die and writes the throw into the entry, zero-padded to the digits
    // (7 on a K100 is "007").
    void roll(DiceGenerator& generator);

private:
    int sides_;
    DiceEntryScale scale_;
    std::string text_;
};

} // namespace tallar
