#pragma once

#include <string_view>
#include <vector>

namespace tallar {

// How the rows of the rules database point to each other: which identifier column names a
// row of which table. No constraint in the database says so; this table is the one place.
struct ReferenceRule {
    std::string_view table;  // the table holding the column; empty: every table with it
    std::string_view column; // the identifier column
    std::string_view target; // the table whose `id` it names; empty: not a reference
    // Optional SQL conditions: on the referring row (alias `s`) for the rule to apply, and
    // between it and the named row (alias `t`) for the row to count as found.
    std::string_view when = {};
    std::string_view match = {};
    bool emptyAllowed = false; // an empty value has a meaning of its own and names nothing
};

// Every rule, table-specific ones first.
const std::vector<ReferenceRule>& referenceRules();

// A reference column of a table of the schema, with the rules that apply to it.
struct ColumnReference {
    std::string_view table;
    std::string_view column;
    std::vector<const ReferenceRule*> rules; // one target, or several told apart by `when`
};

// The reference columns of the rules tables, in schema order: every column that a rule
// names, the table-specific rules of a column replacing the general one.
std::vector<ColumnReference> rulesReferenceColumns();

} // namespace tallar
