#pragma once

#include "store/db/Database.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tallar::test {

// Makes the n-th statement run on a database (counting from 1) fail as a failing SQLite
// statement does, without running it. Rolling back is never made to fail: it is how a
// failure is undone, not a step of the work.
class StatementFault {
public:
    StatementFault(Database& db, int failing) : db_(db) {
        db_.setStatementHook([this, failing](std::string_view sql) {
            if (sql.starts_with("ROLLBACK"))
                return Status();
            if (++count_ != failing)
                return Status();
            statement_ = sql;
            return Status::error(message());
        });
        message_ = "wstrzyknięty błąd polecenia nr " + std::to_string(failing);
    }
    ~StatementFault() { db_.setStatementHook({}); }
    StatementFault(const StatementFault&) = delete;
    StatementFault& operator=(const StatementFault&) = delete;

    // Whether the failing statement was reached, and which one it was.
    bool fired() const { return !statement_.empty(); }
    const std::string& statement() const { return statement_; }
    // The database's message of the failure, which a report must carry.
    const std::string& message() const { return message_; }

private:
    Database& db_;
    int count_ = 0;
    std::string statement_;
    std::string message_;
};

// What a database holds: every object of its schema and every row of every table, each
// value with its storage class, followed by the bytes of the file.
inline std::string databaseDump(Database& db) {
    std::string dump;
    std::vector<std::string> tables;
    const Status schema = db.exec(
        "SELECT type,name,tbl_name,sql FROM sqlite_master ORDER BY type,name;",
        [&](const Row& row) {
            dump += row.text(0) + " " + row.text(1) + " " + row.text(2) + " " + row.text(3) + "\n";
            if (row.text(0) == "table")
                tables.push_back(row.text(1));
        });
    if (!schema)
        return "schema unreadable: " + schema.message();
    for (const std::string& table : tables) {
        std::string columns;
        (void)db.exec("SELECT name FROM pragma_table_info(?);", {table}, [&](const Row& row) {
            columns += (columns.empty() ? "quote(" : "||','||quote(") + row.text(0) + ")";
        });
        dump += "== " + table + "\n";
        const Status rows = db.exec("SELECT " + columns + " FROM " + table + " ORDER BY rowid;",
                                    [&](const Row& row) { dump += row.text(0) + "\n"; });
        if (!rows)
            dump += "rows unreadable: " + rows.message() + "\n";
    }
    std::ifstream file(db.path(), std::ios::binary);
    dump += "== file\n";
    dump.append(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return dump;
}

} // namespace tallar::test
