#pragma once

#include "base/NonInteractiveUserPort.h"
#include "store/Character.h"
#include "store/Schema.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tallar::test {

// A rules database with its schema, a character database and a fresh character, for the
// tests of rules-engine steps. Rows are written by the tests themselves, so that every
// number a test expects follows from what it wrote.
struct EngineFixture {
    TestDatabase rules{"tallar.db"};
    TestDatabase characters{"rtistoty.db"};
    std::ostringstream portErrors;
    NonInteractiveUserPort port{&portErrors};
    std::unique_ptr<CIstota> character;

    EngineFixture() {
        // The rules are made afresh for every test; waiting for the disk buys nothing.
        EXPECT_TRUE(rules.db->exec("PRAGMA synchronous=OFF;").ok());
        ensureRulesSchema(*rules.db, port);
        character = std::make_unique<CIstota>(*characters.db);
    }

    using Columns = std::vector<std::pair<std::string, std::string>>;

    // Inserts one row into a rules table; the columns left out stay NULL.
    void insert(const std::string& table, const Columns& columns) {
        std::string names;
        std::string marks;
        std::vector<SqlParam> values;
        for (const auto& [name, value] : columns) {
            names += (names.empty() ? "" : ",") + name;
            marks += marks.empty() ? "?" : ",?";
            values.emplace_back(value);
        }
        ASSERT_TRUE(rules.db
                        ->exec("INSERT INTO " + table + " (" + names + ") VALUES (" + marks + ");",
                               std::span<const SqlParam>(values))
                        .ok())
            << rules.errors.str();
    }

    // A new child of `parent`, appended.
    CPoz& add(CPoz& parent, std::string_view info, int kind, int value,
              std::string_view specjal = "", std::string_view memo = "", double modifier = 0.0) {
        return *parent.Append(std::make_unique<CPoz>(characters.db.get(), "", info, specjal, kind,
                                                     modifier, value, memo));
    }

    CPoz& top(int link) { return *character->link(link); }
};

} // namespace tallar::test
