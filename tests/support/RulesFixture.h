#pragma once

#include "base/NonInteractiveUserPort.h"
#include "store/db/Schema.h"
#include "support/TestDatabase.h"

#include <sqlite3.h>

#include <string>
#include <vector>

namespace tallar::test {

// A rules database with every table, and a record of the statements run on it.
struct RulesFixture : TestDatabase {
    NonInteractiveUserPort port{nullptr};
    std::vector<std::string> statements;

    RulesFixture() {
        if (!db)
            return;
        // Test files need no durability; without it the many small writes are quick.
        (void)db->exec("PRAGMA synchronous=OFF;");
        EXPECT_TRUE(ensureRulesSchema(*db, port).ok());
    }

    // Starts recording the expanded text of every statement run from now on.
    void record() {
        statements.clear();
        sqlite3_trace_v2(
            db->handle(), SQLITE_TRACE_STMT,
            [](unsigned, void* context, void* stmt, void*) -> int {
                char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(stmt));
                if (sql)
                    static_cast<RulesFixture*>(context)->statements.emplace_back(sql);
                sqlite3_free(sql);
                return 0;
            },
            this);
    }
    void stopRecording() { sqlite3_trace_v2(db->handle(), 0, nullptr, nullptr); }

    // Only the statements that begin with `prefix` ("DELETE", "INSERT").
    std::vector<std::string> recorded(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& s : statements)
            if (s.rfind(prefix, 0) == 0)
                out.push_back(s);
        return out;
    }

    // Inserts a row into any table: the named columns get the values, the rest stay NULL.
    void insert(const std::string& table, const std::vector<std::string>& columns,
                const std::vector<std::string>& values) {
        std::string names;
        std::string marks;
        for (const std::string& c : columns) {
            names += (names.empty() ? "" : ",") + c;
            marks += marks.empty() ? "?" : ",?";
        }
        const std::vector<SqlParam> params(values.begin(), values.end());
        ASSERT_TRUE(
            db->exec("INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ");", params)
                .ok())
            << table;
    }

    long long rows(const std::string& table, const std::string& where = "1") {
        return count("SELECT count(*) FROM " + table + " WHERE " + where + ";");
    }
};

} // namespace tallar::test
