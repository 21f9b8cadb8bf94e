#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallar {

// The columns of a SELECT, each named once: `add` appends a column (any expression) and gives
// the position at which its value stands in every row, and the reader reads it there (with
// RowTexts or Row). The statement and the reading of its rows are made from the same calls,
// so they cannot drift apart.
class ColumnList {
public:
    [[nodiscard]] std::size_t add(std::string_view expression) {
        if (size_ > 0)
            sql_ += ',';
        sql_ += expression;
        return size_++;
    }

    // The columns for the SELECT, separated by commas.
    const std::string& sql() const { return sql_; }
    std::size_t size() const { return size_; }

private:
    std::string sql_;
    std::size_t size_ = 0;
};

} // namespace tallar
