#pragma once

#include "base/Status.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace tallar {

// A value bound to a statement parameter. Texts are UTF-8 here and reach the database as
// Windows-1250; the caller keeps a text alive until the statement has run.
class SqlParam {
public:
    enum class Kind { Null, Integer, Real, Text };

    SqlParam(std::nullptr_t) : kind_(Kind::Null) {}
    SqlParam(int v) : kind_(Kind::Integer), integer_(v) {}
    SqlParam(long v) : kind_(Kind::Integer), integer_(v) {}
    SqlParam(long long v) : kind_(Kind::Integer), integer_(v) {}
    SqlParam(double v) : kind_(Kind::Real), real_(v) {}
    SqlParam(std::string_view v) : kind_(Kind::Text), text_(v) {}
    SqlParam(const std::string& v) : kind_(Kind::Text), text_(v) {}
    SqlParam(const char* v) : kind_(Kind::Text), text_(v) {}

    Kind kind() const { return kind_; }
    long long integer() const { return integer_; }
    double real() const { return real_; }
    std::string_view text() const { return text_; }

private:
    Kind kind_;
    long long integer_ = 0;
    double real_ = 0.0;
    std::string_view text_;
};

// One result row, valid only inside the row callback. Texts are decoded to UTF-8.
class Row {
public:
    explicit Row(sqlite3_stmt* stmt);

    int columnCount() const { return columns_; }
    bool isNull(int column) const;
    // The column as text; NULL reads as the empty text.
    std::string text(int column) const;
    // The column as text, or nothing for NULL.
    std::optional<std::string> value(int column) const;
    long long integer(int column) const;
    double real(int column) const;
    // The column's name: its alias where the statement gives one.
    std::string name(int column) const;

private:
    sqlite3_stmt* stmt_;
    int columns_;
};

using RowCallback = std::function<void(const Row&)>;

// Called before a statement runs, with its text. An error it returns makes the statement
// fail as a failing SQLite statement does, without running it. Tests use it to make each
// statement of an operation fail in turn.
using StatementHook = std::function<Status(std::string_view sql)>;

// An open SQLite connection. Every statement of the program runs through `exec`: the
// statement text with `?` placeholders, the values bound to them, and a callback per row.
class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // How long a statement waits for another connection (another process) that holds the
    // database locked before it fails with "database is locked".
    static constexpr int kBusyTimeoutMs = 5000;

    // Opens (creating when missing) the database file; a failure carries the database's
    // message. A file that exists but is not a database fails here.
    static Result<std::unique_ptr<Database>> open(const std::string& path);

    // Runs every statement of `sql` in turn; `params` bind to the placeholders of the
    // first one. Calls `onRow` for each result row. A failing statement writes the line
    // "SQL error: <message>" to the error stream and stops the run. A value or statement
    // text refused before it reaches the database (a character Windows-1250 cannot hold,
    // a wrong number of values) is only returned: the caller reports it.
    Status exec(std::string_view sql, std::span<const SqlParam> params,
                const RowCallback& onRow = {});
    Status exec(std::string_view sql, std::initializer_list<SqlParam> params,
                const RowCallback& onRow = {}) {
        return exec(sql, std::span<const SqlParam>(params.begin(), params.size()), onRow);
    }
    Status exec(std::string_view sql, const RowCallback& onRow = {}) {
        return exec(sql, std::span<const SqlParam>(), onRow);
    }

    // As exec, but a failure is only returned, not written to the error stream.
    Status tryExec(std::string_view sql, std::span<const SqlParam> params = {},
                   const RowCallback& onRow = {});

    // The text of column 0 of the first row, or nothing when there is no row or it fails.
    std::optional<std::string> queryValue(std::string_view sql,
                                          std::initializer_list<SqlParam> params = {});

    // Where "SQL error: …" lines go; standard error by default, null for nowhere.
    void setErrorStream(std::ostream* stream) { errorStream_ = stream; }
    // Writes one "SQL error: <message>" line to the error stream.
    void reportError(std::string_view message) const;

    // Installs (or, with an empty one, removes) the hook run before every statement.
    void setStatementHook(StatementHook hook) { hook_ = std::move(hook); }

    bool inTransaction() const;
    const std::string& path() const { return path_; }
    sqlite3* handle() const { return db_; }

private:
    Database(sqlite3* db, std::string path);
    // The status of `run` and, for a failure, whether it came from the database (a failing
    // statement) or was refused before the statement ran (a value that cannot be bound).
    struct Outcome {
        Status status;
        bool fromDatabase = false;
    };
    Outcome run(std::string_view sql, std::span<const SqlParam> params, const RowCallback& onRow);
    Outcome step(sqlite3_stmt* stmt, std::span<const SqlParam> params, const RowCallback& onRow);
    Outcome databaseError() const;

    struct CachedStatement;
    sqlite3* db_;
    std::string path_;
    std::ostream* errorStream_;
    StatementHook hook_;
    std::unordered_map<std::string, std::unique_ptr<CachedStatement>> cache_;
};

// A unit of work that is all-or-nothing: committed by `commit`, rolled back when it ends
// uncommitted. Outside a transaction it runs "BEGIN IMMEDIATE TRANSACTION;" …
// "COMMIT TRANSACTION;": the write lock is taken (waiting for another process's unit to
// end) before the first statement, so a unit that reads before it writes never meets
// a lock it cannot wait for. Inside a transaction it becomes a savepoint, so nested
// units (a race deleting its stages) roll back as one.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Whether the transaction could be started; a unit that did not start must not go on.
    const Status& started() const { return started_; }
    Status commit();
    void rollback();

private:
    Database& db_;
    Status started_;
    std::string savepoint_;
    bool open_ = false;
};

// Runs `work` inside a Transaction; commits when it succeeds, rolls back otherwise.
Status inTransaction(Database& db, const std::function<Status()>& work);

} // namespace tallar
