#include "cli/StreamUserPort.h"

#include "cli/CliAnswers.h"
#include "wizard/CIstotaWizard.h"
#include "wizard/DiceEntry.h"

#include <algorithm>
#include <cctype>
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
        const std::optional<std::string> line = readLine();
        if (!line)
            return std::nullopt;
        if (*line == kThrowTheRest || *line == "A") {
            throws_.throwTheRestAutomatically();
            return std::nullopt;
        }
        entry.setText(*line);
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
    return readLine();
}

std::optional<std::vector<std::string>>
StreamUserPort::pickRows(std::string_view caption, const PickTable& table, bool multiSelect) {
    if (answers_)
        return answers_->pick(caption, table, multiSelect, !throws_.automatic());
    return NonInteractiveUserPort::pickRows(caption, table, multiSelect);
}

bool StreamUserPort::askYesNo(std::string_view question, std::string_view caption) {
    if (answers_ && question != CIstotaWizard::kAskRollsQuestion)
        if (const auto answer = answers_->ask(question, !throws_.automatic()))
            return *answer;
    return NonInteractiveUserPort::askYesNo(question, caption);
}

std::optional<std::string> StreamUserPort::readLine() {
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

namespace {

// The answer naming a field that may take the level's K10: "P", "F" or 1 to 10.
std::optional<std::size_t> levelAnswer(std::string line) {
    for (char& c : line)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (line == "P")
        return levelField::kBasePsychic;
    if (line == "F")
        return levelField::kBasePhysical;
    if (!line.empty() && line.size() <= 2 &&
        std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const int n = std::stoi(line);
        if (n >= 1 && n <= 10)
            return levelField::kResistance1 + static_cast<std::size_t>(n - 1);
    }
    return std::nullopt;
}

std::string answerOf(std::size_t field) {
    if (field == levelField::kBasePsychic)
        return "P";
    if (field == levelField::kBasePhysical)
        return "F";
    return std::to_string(field - levelField::kResistance1 + 1);
}

} // namespace

std::optional<std::string> StreamUserPort::ChooseAdvancement(const LevelAdvancement& level) {
    if (throws_.automatic())
        return level.proposal; // the program decides as it does without asking
    const std::string proposal =
        answerOf(chosenLevelField(level.proposal).value_or(levelField::kBasePsychic));
    for (;;) {
        // The values the choice is made by: the base resistances and the ten resistances.
        err_ << "Awans: " << level.profession << ", poziom " << level.level
             << ". Odporność bazowa P " << level.current[levelField::kBasePsychic] << ", F "
             << level.current[levelField::kBasePhysical] << "; odporności 1-10:";
        for (std::size_t n = 0; n < 10; ++n)
            err_ << ' ' << level.current[levelField::kResistance1 + n];
        err_ << ". K10 poziomu do (P, F, 1-10) [" << proposal << "]: " << std::flush;
        const std::optional<std::string> line = readLine();
        if (!line)
            return std::nullopt;
        if (line->empty())
            return level.proposal;
        if (const auto field = levelAnswer(*line))
            return levelChoice(*field);
        err_ << "Niepoprawny wybór: podaj P, F albo liczbę od 1 do 10 (pusty wiersz: " << proposal
             << ").\n";
    }
}

} // namespace tallar::cli
