#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

// Rows offered for a pick: the column headings and, per row, its texts. Column 0 is the
// row identifier, shown to nobody; the rest are shown in order.
struct PickTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

// Everything the core asks of a person goes through this port. The desktop program
// implements it with dialogs, the command line and the tests without any.
class UserPort {
public:
    virtual ~UserPort() = default;

    // Shows an error; an empty caption means a message box without a caption.
    virtual void showError(std::string_view text, std::string_view caption) = 0;

    // Asks a yes/no question; true means Yes.
    virtual bool askYesNo(std::string_view question, std::string_view caption) = 0;

    // Asks for the result of one throw of a die with `sides` sides. Returns the face
    // thrown (1 to sides), or nothing when the person gives up (end of input).
    virtual std::optional<int> askDie(int sides, std::string_view prompt) = 0;

    // Lets the person pick rows of `table`. Returns the identifiers (column 0) of the rows
    // picked, in table order; nothing when cancelled. Without `multiSelect` at most one.
    virtual std::optional<std::vector<std::string>>
    pickRows(std::string_view caption, const PickTable& table, bool multiSelect) = 0;
};

} // namespace tallar
