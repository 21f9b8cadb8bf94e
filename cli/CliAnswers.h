#pragma once

#include "base/UserPort.h"
#include "rules/core/DiceGenerator.h"

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar::cli {

// How `tallar2-cli new` answers the wizard's pick lists and questions. A pick list takes
// the choices given for its caption by an option, in order (a row's identifier, its shown
// text, or its text before " ("; "none" or "brak" cancels); else, with --ask, a line of
// the input: the number of a row from the list written to the error stream, or 0 to
// cancel; else a row drawn with the generator. A question is answered "t" (tak) or "n"
// (nie) on the input with --ask, else by the default.
class CliAnswers {
public:
    CliAnswers(std::istream& in, std::ostream& err, DiceGenerator& generator, bool asking);

    // Choices for the pick list with this caption, used one per list shown.
    void give(std::string caption, std::vector<std::string> wanted);
    // Forgets the choices used so far (a new character uses them again).
    void restart();

    // `mayAsk` false (the person has left the rest to the program) draws instead of asking.
    std::optional<std::vector<std::string>> pick(std::string_view caption, const PickTable& table,
                                                 bool multiSelect, bool mayAsk = true);
    // A question read from the input (with --ask and `mayAsk`); nothing without them or at
    // the end of the input.
    std::optional<bool> ask(std::string_view question, bool mayAsk = true);

    // Whether the input ended while a choice was asked.
    bool gaveUp() const { return gaveUp_; }
    // The message about a given choice that a list did not offer; the run stops then.
    const std::optional<std::string>& refused() const { return refused_; }

private:
    std::optional<std::vector<std::string>>
    given(std::string_view caption, const std::string& wanted, const PickTable& table);
    std::optional<std::vector<std::string>> asked(std::string_view caption, const PickTable& table,
                                                  bool multiSelect);

    std::istream& in_;
    std::ostream& err_;
    DiceGenerator& generator_;
    bool asking_;
    std::map<std::string, std::vector<std::string>, std::less<>> wanted_;
    std::map<std::string, std::size_t, std::less<>> used_;
    bool gaveUp_ = false;
    std::optional<std::string> refused_;
};

} // namespace tallar::cli
