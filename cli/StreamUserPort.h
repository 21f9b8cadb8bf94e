#pragma once

#include "base/NonInteractiveUserPort.h"
#include "rules/engine/LevelAdvancement.h"
#include "wizard/AskedThrows.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace tallar::cli {

class CliAnswers;

// The port of a command that asks throws of a person at the terminal: each throw's prompt
// goes to the error stream and one line of the input answers it, checked as the dice-entry
// dialog checks its entry (asked again while invalid). The answer "a" leaves this and
// every further throw of the character to the program, as "Rzucaj dalej automatycznie"
// does; a new experience level then takes the program's proposal and the pick lists are
// drawn as without --ask. The end of the input gives up. A new experience level is asked
// the same way: which resistance its K10 goes to.
class StreamUserPort : public NonInteractiveUserPort, public LevelAdvancementChooser {
public:
    static constexpr const char* kThrowTheRest = "a";

    StreamUserPort(std::istream& in, std::ostream& err);

    std::optional<int> askDie(int sides, std::string_view prompt) override;
    // Asks one line of the input (a page's choice), the prompt on the error stream; nothing
    // when the input has ended (which gives up).
    std::optional<std::string> askLine(std::string_view prompt);
    // Pick lists and questions go to `answers` when it is set; the question whether throws
    // are asked is answered by the command itself.
    std::optional<std::vector<std::string>>
    pickRows(std::string_view caption, const PickTable& table, bool multiSelect) override;
    bool askYesNo(std::string_view question, std::string_view caption) override;
    void setAnswers(CliAnswers* answers) { answers_ = answers; }

    // Asks "P" (the base psychic resistance), "F" (the base physical one) or 1 to 10 (a
    // resistance); an empty line takes the proposal.
    std::optional<std::string> ChooseAdvancement(const LevelAdvancement& level) override;

    // A new character: its throws are asked again.
    void beginCharacter() { throws_ = {}; }
    const AskedThrows& askedThrows() const { return throws_; }
    // Whether the input ended while a throw was asked.
    bool gaveUp() const { return gaveUp_; }

private:
    // The next line of the input, or nothing (the run is given up) at its end.
    std::optional<std::string> readLine();

    std::istream& in_;
    std::ostream& err_;
    AskedThrows throws_;
    CliAnswers* answers_ = nullptr;
    bool gaveUp_ = false;
};

} // namespace tallar::cli
