#pragma once

#include "store/db/Database.h"
#include "store/db/Workspace.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace tallar::test {

// Opens (creating) a database file; a failure is a test failure and gives null.
inline std::unique_ptr<Database> openDatabase(const std::string& path) {
    Result<std::unique_ptr<Database>> opened = Database::open(path);
    if (!opened) {
        ADD_FAILURE() << "cannot open " << path << ": " << opened.message();
        return nullptr;
    }
    return std::move(*opened);
}

// Opens the databases of a working directory; a failure is a test failure and gives null.
inline std::unique_ptr<Workspace> openWorkspace(const std::string& directory, UserPort& port,
                                                std::ostream* sqlErrors = nullptr) {
    Result<std::unique_ptr<Workspace>> opened = Workspace::open(directory, port, sqlErrors);
    if (!opened) {
        ADD_FAILURE() << "cannot open workspace " << directory << ": " << opened.message();
        return nullptr;
    }
    return std::move(*opened);
}

// A database file in a temporary directory whose "SQL error" lines are kept in `errors`.
struct TestDatabase {
    TempDir dir;
    std::ostringstream errors;
    std::unique_ptr<Database> db;

    explicit TestDatabase(const std::string& name = "test.db") {
        db = openDatabase(dir.file(name));
        if (db)
            db->setErrorStream(&errors);
    }

    long long count(const std::string& sql) {
        long long n = -1;
        EXPECT_TRUE(db->exec(sql, [&](const Row& row) { n = row.integer(0); }).ok()) << sql;
        return n;
    }
};

} // namespace tallar::test
