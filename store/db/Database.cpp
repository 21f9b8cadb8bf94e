#include "store/db/Database.h"

#include "base/Cp1250.h"

#include <sqlite3.h>

#include <algorithm>
#include <iostream>
#include <utility>
#include <vector>

namespace tallar {

// A prepared statement kept for reuse. `busy` marks one whose rows are being delivered,
// so a statement run again from inside its own row callback gets a fresh copy.
struct Database::CachedStatement {
    sqlite3_stmt* stmt = nullptr;
    bool busy = false;
    ~CachedStatement() { sqlite3_finalize(stmt); }
};

namespace {

constexpr std::size_t kMaxCachedStatements = 256;

bool onlyBlanks(const char* p) {
    for (; *p; ++p)
        if (*p != ' ' && *p != '\t' && *p != '\r' && *p != '\n' && *p != ';')
            return false;
    return true;
}

// Clears the bindings and the cursor of a statement when a run of it ends.
class StatementRun {
public:
    explicit StatementRun(sqlite3_stmt* stmt, bool* busy) : stmt_(stmt), busy_(busy) {
        if (busy_)
            *busy_ = true;
    }
    ~StatementRun() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
        if (busy_)
            *busy_ = false;
    }
    StatementRun(const StatementRun&) = delete;
    StatementRun& operator=(const StatementRun&) = delete;

private:
    sqlite3_stmt* stmt_;
    bool* busy_;
};

// A column past the row's end reads as NULL rather than asking SQLite about it (RowTexts
// tells a reader that went past the end).
bool inRange(const Row& row, int column) {
    return column >= 0 && column < row.columnCount();
}

} // namespace

// --- Row -----------------------------------------------------------------------------

Row::Row(sqlite3_stmt* stmt) : stmt_(stmt), columns_(sqlite3_column_count(stmt)) {}

bool Row::isNull(int column) const {
    return !inRange(*this, column) || sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::string Row::text(int column) const {
    const auto* bytes = inRange(*this, column) ? sqlite3_column_text(stmt_, column) : nullptr;
    if (!bytes)
        return {};
    const int size = sqlite3_column_bytes(stmt_, column);
    return decodeCp1250(std::string_view(reinterpret_cast<const char*>(bytes), size));
}

std::optional<std::string> Row::value(int column) const {
    if (isNull(column))
        return std::nullopt;
    return text(column);
}

long long Row::integer(int column) const {
    return inRange(*this, column) ? sqlite3_column_int64(stmt_, column) : 0;
}

double Row::real(int column) const {
    return inRange(*this, column) ? sqlite3_column_double(stmt_, column) : 0.0;
}

std::string Row::name(int column) const {
    const char* name = inRange(*this, column) ? sqlite3_column_name(stmt_, column) : nullptr;
    return name ? decodeCp1250(name) : std::string();
}

// --- Database ------------------------------------------------------------------------

Database::Database(sqlite3* db, std::string path)
    : db_(db), path_(std::move(path)), errorStream_(&std::cerr) {}

Database::~Database() {
    cache_.clear();
    sqlite3_close_v2(db_);
}

Result<std::unique_ptr<Database>> Database::open(const std::string& path) {
    using Opened = Result<std::unique_ptr<Database>>;
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        std::string error = db ? decodeCp1250(sqlite3_errmsg(db)) : sqlite3_errstr(rc);
        sqlite3_close_v2(db);
        return Opened::error(std::move(error), {.file = path});
    }
    // Before the first statement: another process may hold the file locked for a moment.
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // Opening is lazy: read the schema once so that a directory or a file that is not a
    // database is refused here rather than by every later statement.
    char* message = nullptr;
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, &message) !=
        SQLITE_OK) {
        std::string error = message ? decodeCp1250(message) : decodeCp1250(sqlite3_errmsg(db));
        sqlite3_free(message);
        sqlite3_close_v2(db);
        return Opened::error(std::move(error), {.file = path});
    }
    return std::unique_ptr<Database>(new Database(db, path));
}

void Database::reportError(std::string_view message) const {
    if (errorStream_)
        *errorStream_ << "SQL error: " << message << '\n' << std::flush;
}

Status Database::exec(std::string_view sql, std::span<const SqlParam> params,
                      const RowCallback& onRow) {
    Outcome outcome = run(sql, params, onRow);
    if (!outcome.status && outcome.fromDatabase)
        reportError(outcome.status.message());
    return std::move(outcome.status);
}

Status Database::tryExec(std::string_view sql, std::span<const SqlParam> params,
                         const RowCallback& onRow) {
    return run(sql, params, onRow).status;
}

std::optional<std::string> Database::queryValue(std::string_view sql,
                                                std::initializer_list<SqlParam> params) {
    std::optional<std::string> result;
    const Status status = exec(sql, params, [&](const Row& row) {
        if (!result && row.columnCount() > 0)
            result = row.text(0);
    });
    if (!status)
        return std::nullopt;
    return result;
}

bool Database::inTransaction() const {
    return sqlite3_get_autocommit(db_) == 0;
}

Database::Outcome Database::databaseError() const {
    return {Status::error(decodeCp1250(sqlite3_errmsg(db_))), true};
}

Database::Outcome Database::run(std::string_view sql, std::span<const SqlParam> params,
                                const RowCallback& onRow) {
    const std::string key(sql);
    if (auto it = cache_.find(key); it != cache_.end() && !it->second->busy) {
        CachedStatement& cached = *it->second;
        StatementRun guard(cached.stmt, &cached.busy);
        return step(cached.stmt, params, onRow);
    }

    Result<std::string> encodedSql = encodeCp1250(sql);
    if (!encodedSql)
        return {encodedSql.error()};
    const std::string& bytes = *encodedSql;

    const char* next = bytes.c_str();
    bool first = true;
    while (*next) {
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        const bool single = first && !cache_.count(key);
        if (sqlite3_prepare_v3(db_, next, -1, single ? SQLITE_PREPARE_PERSISTENT : 0, &stmt,
                               &tail) != SQLITE_OK)
            return databaseError();
        next = tail;
        if (!stmt) // only blanks or a comment were left
            break;
        const auto stmtParams = first ? params : std::span<const SqlParam>();
        first = false;

        if (single && onlyBlanks(tail)) {
            if (cache_.size() >= kMaxCachedStatements)
                std::erase_if(cache_, [](const auto& entry) { return !entry.second->busy; });
            auto cached = std::make_unique<CachedStatement>();
            cached->stmt = stmt;
            CachedStatement& ref = *cached;
            cache_.emplace(key, std::move(cached));
            StatementRun guard(ref.stmt, &ref.busy);
            return step(ref.stmt, stmtParams, onRow);
        }

        Outcome outcome;
        {
            StatementRun guard(stmt, nullptr);
            outcome = step(stmt, stmtParams, onRow);
        }
        sqlite3_finalize(stmt);
        if (!outcome.status)
            return outcome;
    }
    return {};
}

Database::Outcome Database::step(sqlite3_stmt* stmt, std::span<const SqlParam> params,
                                 const RowCallback& onRow) {
    if (static_cast<int>(params.size()) != sqlite3_bind_parameter_count(stmt))
        return {Status::error("Liczba wartości (" + std::to_string(params.size()) +
                              ") nie zgadza się z liczbą parametrów polecenia (" +
                              std::to_string(sqlite3_bind_parameter_count(stmt)) + ").")};
    std::string bytes;
    for (std::size_t i = 0; i < params.size(); ++i) {
        const SqlParam& p = params[i];
        const int index = static_cast<int>(i) + 1;
        int rc = SQLITE_OK;
        switch (p.kind()) {
        case SqlParam::Kind::Null:
            rc = sqlite3_bind_null(stmt, index);
            break;
        case SqlParam::Kind::Integer:
            rc = sqlite3_bind_int64(stmt, index, p.integer());
            break;
        case SqlParam::Kind::Real:
            rc = sqlite3_bind_double(stmt, index, p.real());
            break;
        case SqlParam::Kind::Text:
            Result<std::string> encoded = encodeCp1250(p.text());
            if (!encoded)
                return {encoded.error()};
            rc = sqlite3_bind_text64(stmt, index, encoded->data(), encoded->size(),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
            break;
        }
        if (rc != SQLITE_OK)
            return databaseError();
    }
    if (hook_) {
        std::string_view text = sqlite3_sql(stmt);
        text.remove_prefix(std::min(text.find_first_not_of(" \t\r\n"), text.size()));
        if (Status injected = hook_(decodeCp1250(text)); !injected)
            return {std::move(injected), true};
    }
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW) {
            if (onRow)
                onRow(Row(stmt));
        } else if (rc == SQLITE_DONE) {
            return {};
        } else {
            return databaseError();
        }
    }
}

// --- Transaction ---------------------------------------------------------------------

Transaction::Transaction(Database& db) : db_(db) {
    if (db_.inTransaction()) {
        static unsigned counter = 0;
        savepoint_ = "tallar_unit_" + std::to_string(++counter);
        started_ = db_.exec("SAVEPOINT " + savepoint_ + ";");
    } else {
        started_ = db_.exec("BEGIN IMMEDIATE TRANSACTION;");
    }
    open_ = started_.ok();
}

Transaction::~Transaction() {
    if (open_)
        rollback();
}

Status Transaction::commit() {
    if (!open_)
        return started_.ok() ? Status::error("Transakcja została już zakończona.") : started_;
    Status status =
        db_.exec(savepoint_.empty() ? "COMMIT TRANSACTION;" : "RELEASE " + savepoint_ + ";");
    if (!status) {
        rollback();
        return status;
    }
    open_ = false;
    return status;
}

void Transaction::rollback() {
    if (!open_)
        return;
    open_ = false;
    if (savepoint_.empty()) {
        (void)db_.exec("ROLLBACK TRANSACTION;");
    } else {
        (void)db_.exec("ROLLBACK TO " + savepoint_ + ";");
        (void)db_.exec("RELEASE " + savepoint_ + ";");
    }
}

Status inTransaction(Database& db, const std::function<Status()>& work) {
    Transaction transaction(db);
    if (!transaction.started())
        return transaction.started();
    Status status = work();
    if (!status)
        return status; // the transaction rolls back as it ends
    return transaction.commit();
}

} // namespace tallar
