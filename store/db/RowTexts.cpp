#include "store/db/RowTexts.h"

#include "store/db/Database.h"

#include <algorithm>

namespace tallar {

RowTexts::RowTexts(const Row& row) {
    texts_.reserve(static_cast<std::size_t>(std::max(row.columnCount(), 0)));
    for (int c = 0; c < row.columnCount(); ++c)
        texts_.push_back(row.text(c));
}

const std::string& RowTexts::operator[](std::size_t column) const {
    static const std::string kMissing;
    columnsRead_ = std::max(columnsRead_, column + 1);
    return column < texts_.size() ? texts_[column] : kMissing;
}

Status RowTexts::status(std::string_view table) const {
    if (columnsRead_ <= texts_.size())
        return {};
    return Status::error("Wiersz tabeli „" + std::string(table) + "” ma " +
                         std::to_string(texts_.size()) + " kolumn, a odczytano " +
                         std::to_string(columnsRead_) + ".");
}

} // namespace tallar
