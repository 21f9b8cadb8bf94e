#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {
struct TableDef;
}

namespace tallar::editors {

// What a column holds, which decides the control that edits it and what it accepts.
enum class ValueKind {
    Text,      // one line of free text
    LongText,  // several lines (descriptions)
    Number,    // a whole or decimal number, or nothing
    Flag,      // set when its first letter is "T"; the editors write "T" or "N"
    Sign,      // an operation: "+", "-", "*", "/", "=" or nothing
    Dice,      // a dice expression, checked as it is typed
    Reference, // the identifier of a row of another table, chosen from its names
};

// Where a reference column points: the table, the SQL expression naming its rows and the
// column whose value the field stores (the identifier, or a name such as a trade class).
// With `freeText` the field also takes a value no row holds yet.
struct Reference {
    std::string table = {};
    std::string display = "nazwa";
    std::string value = "id";
    bool freeText = false;
};

// The description of one editable column, keyed by the column's name in the schema. Only
// what the schema does not say is written here: the label, the kind, and where it goes.
struct ColumnNote {
    std::string column = {};
    std::string label = {};
    ValueKind kind = ValueKind::Text;
    std::string page = {};  // a tab of the form; empty means the first one
    std::string group = {}; // fields of one group share a row, headed by the group
    Reference reference = {};
};

// A field of a form: a column of the table with its description.
struct Field {
    std::string column;
    std::string label;
    ValueKind kind;
    std::string page;
    std::string group;
    Reference reference;
};

// The field a note describes.
Field fieldFrom(const ColumnNote& note);

// The name a message gives a field: its label without a closing colon, after its group's
// name when it is one of a group ("Żywotność, wartość").
std::string fieldName(const Field& field);

// The fields of a table in the schema's column order. Columns without a note get their
// name as label and a kind guessed from it (…znak a sign, …kxx a dice expression);
// `skipped` columns (the identifier, fixed and owner columns) get no field.
std::vector<Field> buildFields(const TableDef& table, const std::vector<ColumnNote>& notes,
                               const std::vector<std::string>& skipped);

// Names of the notes that match no column of the table (mistakes in a description).
std::vector<std::string> unknownNotes(const TableDef& table, const std::vector<ColumnNote>& notes);

// The signs offered by a sign field, the empty one first.
const std::vector<std::string>& signChoices();

// Why `text` cannot be stored in a field of this kind, or nothing when it can.
std::optional<std::string> valueProblem(ValueKind kind, std::string_view text);

// The text a field of this kind stores for what was typed: numbers and dice expressions
// take a decimal comma and store a point ("0,75" is "0.75").
std::string storedText(ValueKind kind, std::string_view typed);

// What a field must hold, for its tooltip: its name, then what it takes ("liczba, np. 12
// albo 0,75"), and that it must be filled when it is required.
std::string fieldHint(const Field& field, bool required);

} // namespace tallar::editors
