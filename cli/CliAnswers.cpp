#include "cli/CliAnswers.h"

#include <istream>
#include <ostream>
#include <sstream>

namespace tallar::cli {

namespace {

// The shown text of a row: its columns after the identifier, joined by two blanks.
std::string shownText(const std::vector<std::string>& row) {
    std::string text;
    for (std::size_t c = 1; c < row.size(); ++c)
        text += (c > 1 ? "  " : "") + row[c];
    return text;
}

bool names(const std::vector<std::string>& row, const std::string& wanted) {
    if (row.empty())
        return false;
    const std::string text = shownText(row);
    return row.front() == wanted || text == wanted || text.starts_with(wanted + " (");
}

std::optional<std::string> readLine(std::istream& in) {
    std::string line;
    if (!std::getline(in, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace

CliAnswers::CliAnswers(std::istream& in, std::ostream& err, DiceGenerator& generator, bool asking)
    : in_(in), err_(err), generator_(generator), asking_(asking) {}

void CliAnswers::give(std::string caption, std::vector<std::string> wanted) {
    wanted_[std::move(caption)] = std::move(wanted);
}

void CliAnswers::restart() {
    used_.clear();
    gaveUp_ = false;
    refused_.reset();
}

std::optional<std::vector<std::string>>
CliAnswers::pick(std::string_view caption, const PickTable& table, bool multiSelect, bool mayAsk) {
    if (gaveUp_ || refused_)
        return std::nullopt;
    if (const auto found = wanted_.find(caption); found != wanted_.end()) {
        std::size_t& used = used_[std::string(caption)];
        if (used < found->second.size())
            return given(caption, found->second[used++], table);
    }
    if (asking_ && mayAsk)
        return asked(caption, table, multiSelect);
    if (table.rows.empty())
        return std::vector<std::string>();
    const auto& row = table.rows[static_cast<std::size_t>(generator_.next()) % table.rows.size()];
    return std::vector<std::string>{row.empty() ? std::string() : row.front()};
}

std::optional<std::vector<std::string>>
CliAnswers::given(std::string_view caption, const std::string& wanted, const PickTable& table) {
    if (wanted == "none" || wanted == "brak")
        return std::nullopt;
    for (const auto& row : table.rows)
        if (names(row, wanted))
            return std::vector<std::string>{row.front()};
    std::string offered;
    for (const auto& row : table.rows)
        offered += "\n  " + (row.empty() ? std::string() : row.front()) + "  " + shownText(row);
    refused_ = std::string(caption) + ": „" + wanted + "” nie jest do wyboru; do wyboru:" +
               (offered.empty() ? std::string(" nic") : offered);
    return std::nullopt;
}

std::optional<std::vector<std::string>>
CliAnswers::asked(std::string_view caption, const PickTable& table, bool multiSelect) {
    err_ << caption << ":\n";
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        err_ << "  " << r + 1 << "  " << shownText(table.rows[r]) << '\n';
    const std::size_t count = table.rows.size();
    for (;;) {
        err_ << (multiSelect ? "Wybór (numery rozdzielone spacjami; 0 - anuluj): "
                             : "Wybór (numer; 0 - anuluj): ")
             << std::flush;
        const auto line = readLine(in_);
        if (!line) {
            gaveUp_ = true;
            err_ << '\n';
            return std::nullopt;
        }
        std::istringstream numbers(*line);
        std::vector<std::string> ids;
        bool valid = true;
        bool cancelled = false;
        long long number = 0;
        while (numbers >> number) {
            if (number == 0 && ids.empty())
                cancelled = true;
            else if (number >= 1 && static_cast<std::size_t>(number) <= count)
                ids.push_back(table.rows[static_cast<std::size_t>(number - 1)].front());
            else
                valid = false;
        }
        valid = valid && numbers.eof() && (cancelled ? ids.empty() : !ids.empty()) &&
                (multiSelect || ids.size() <= 1);
        if (valid && cancelled)
            return std::nullopt;
        if (valid)
            return ids;
        err_ << "Niepoprawny wybór: podaj numer od 1 do " << count << " albo 0.\n";
    }
}

std::optional<bool> CliAnswers::ask(std::string_view question, bool mayAsk) {
    if (!asking_ || !mayAsk || gaveUp_)
        return std::nullopt;
    for (;;) {
        err_ << question << " [t/n]: " << std::flush;
        const auto line = readLine(in_);
        if (!line) {
            gaveUp_ = true;
            err_ << '\n';
            return std::nullopt;
        }
        if (*line == "t" || *line == "T" || *line == "tak")
            return true;
        if (*line == "n" || *line == "N" || *line == "nie")
            return false;
        err_ << "Niepoprawna odpowiedź: podaj t (tak) albo n (nie).\n";
    }
}

} // namespace tallar::cli
