#include "cli/StreamUserPort.h"

#include "wizard/DiceEntry.h"

#include <istream>
#include <ostream>
#include <string>

namespace tallar::cli {

StreamUserPort::StreamUserPort(std::istream& in, std::ostream& err)
    : NonInteractiveUserPort(&err), in_(in), err_(err) {}

std::optional<int> StreamUserPort::askDie(int sides, std::string_view prompt) {
    if (throws_.automatic())
        return std::nullopt; // no answer: the program throws
    DiceEntry entry(sides);
    const int shown = entry.scale().shownSize;
    for (;;) {
        // A die entered through a larger one (a K5 as a K10) says which throw to type.
        err_ << prompt;
        if (shown != sides)
            err_ << " [wynik K" << shown << ']';
        err_ << ": " << std::flush;
        std::string line;
        if (gaveUp_ || !std::getline(in_, line)) {
            gaveUp_ = true;
            err_ << '\n';
            return std::nullopt;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == kThrowTheRest || line == "A") {
            throws_.throwTheRestAutomatically();
            return std::nullopt;
        }
        entry.setText(line);
        if (const auto result = entry.result()) {
            throws_.record(prompt, sides, *result);
            return result;
        }
        err_ << "Niepoprawny wynik: podaj liczbę od 1 do " << shown << ". („" << kThrowTheRest
             << "”: dalej rzuca program.)\n";
    }
}

std::optional<std::string> StreamUserPort::askLine(std::string_view prompt) {
    err_ << prompt << ": " << std::flush;
    std::string line;
    if (gaveUp_ || !std::getline(in_, line)) {
        gaveUp_ = true;
        err_ << '\n';
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace tallar::cli
