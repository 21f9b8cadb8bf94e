#pragma once

#include "store/db/Database.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace tallar::test {

// A database file in a temporary directory whose "SQL error" lines are kept in `errors`.
struct TestDatabase {
    TempDir dir;
    std::ostringstream errors;
    std::unique_ptr<Database> db;

    explicit TestDatabase(const std::string& name = "test.db") {
        std::string message;
        db = Database::open(dir.file(name), message);
        if (!db)
            ADD_FAILURE() << "cannot open test database: " << message;
        else
            db->setErrorStream(&errors);
    }

    long long count(const std::string& sql) {
        long long n = -1;
        EXPECT_TRUE(db->exec(sql, [&](const Row& row) { n = row.integer(0); }).ok()) << sql;
        return n;
    }
};

} // namespace tallar::test
