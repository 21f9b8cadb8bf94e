#pragma once

#include "base/Status.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class Database;
class UserPort;

// One column of a table: its name and declared type.
struct ColumnDef {
    ColumnDef(const char* columnName, const char* columnType = "TEXT")
        : name(columnName), type(columnType) {}
    std::string_view name;
    std::string_view type;
    // Holds a flag, "T" or "N". Marked in `umiejetnosci`, whose flag columns the skills'
    // editor and rules step take from here.
    bool flag = false;
};

// A table of one of the two databases: the single place that names its columns in order.
// Editors, the rules checker and the file formats read the columns from here.
struct TableDef {
    std::string_view name;
    std::vector<ColumnDef> columns;
    std::string_view primaryKey;           // declared NOT NULL PRIMARY KEY UNIQUE, or empty
    std::vector<std::string_view> notNull; // declared NOT NULL
    bool creationFailureShown = false;     // a failed CREATE is shown to the user, not logged

    int columnIndex(std::string_view column) const; // -1 when absent
};

struct IndexDef {
    std::string_view name;
    std::string_view table;
    std::vector<std::string_view> columns;
};

// One seeded alignment of `charaktery`.
struct AlignmentSeed {
    std::string_view id, prawo, prawoEw, moralnosc, moralnoscEw;
};

// The 44 tables of the rules database, in creation order.
const std::vector<TableDef>& rulesTables();
// The 47 indexes of the rules database; each is created right after its table.
const std::vector<IndexDef>& rulesIndexes();
// The 36 alignments seeded into an empty `charaktery`, in insertion order.
const std::vector<AlignmentSeed>& alignmentSeeds();

// The two tables and three indexes of the character database.
const std::vector<TableDef>& characterTables();
const std::vector<IndexDef>& characterIndexes();

// A table of either database by name, or null.
const TableDef* findTable(std::string_view name);

std::string createTableSql(const TableDef& table);
std::string createIndexSql(const IndexDef& index);

// Creates every missing table and index of the rules database and seeds the alignments
// when `charaktery` is empty. Each statement runs on its own; a failure is reported (in a
// message box for the tables marked so, else as "SQL error: …") and the next one runs.
// Then the schema is checked: every table must be a table holding all its columns and
// every index must exist, or the result is a message naming the database and what does
// not match, and the program must not go on with it.
Status ensureRulesSchema(Database& rules, UserPort& port);

// Creates the missing tables and indexes of the character database and checks them as
// ensureRulesSchema does.
Status ensureCharacterSchema(Database& characters);

} // namespace tallar
