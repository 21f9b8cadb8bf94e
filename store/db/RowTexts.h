#pragma once

#include "base/Status.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tallar {

class Row;

// The texts of a query row, kept to be read back by position. A read past the row's end
// gives an empty text instead of failing, and the row remembers it: `status` then tells,
// so a reader that expects more columns than its query gave reports it and the program
// goes on.
class RowTexts {
public:
    RowTexts() = default;
    explicit RowTexts(const Row& row);
    explicit RowTexts(std::vector<std::string> texts) : texts_(std::move(texts)) {}

    bool empty() const { return texts_.empty(); }
    std::size_t size() const { return texts_.size(); }
    const std::string& operator[](std::size_t column) const;

    // Ok, or an error naming the table when a read went past the end of the row.
    [[nodiscard]] Status status(std::string_view table) const;

private:
    std::vector<std::string> texts_;
    mutable std::size_t columnsRead_ = 0; // one past the furthest column read
};

} // namespace tallar
