#pragma once

#include "base/NonInteractiveUserPort.h"
#include "model/Character.h"
#include "rules/engine/EngineStep.h"
#include "support/RulesFixture.h"
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
    RulesFixture rules;
    TestDatabase characters{"rtistoty.db"};
    std::ostringstream portErrors;
    NonInteractiveUserPort port{&portErrors};
    std::unique_ptr<CIstota> character;

    EngineFixture() { character = std::make_unique<CIstota>(*characters.db); }

    using Columns = std::vector<std::pair<std::string, std::string>>;

    // Inserts one row into a rules table; the columns left out stay NULL.
    void insert(const std::string& table, const Columns& columns) {
        std::vector<std::string> names;
        std::vector<std::string> values;
        for (const auto& [name, value] : columns) {
            names.push_back(name);
            values.push_back(value);
        }
        rules.insert(table, names, values);
    }

    // A new child of `parent`, appended.
    CPoz& add(CPoz& parent, std::string_view info, int kind, int value,
              std::string_view specjal = "", std::string_view memo = "", double modifier = 0.0) {
        return parent.AddChild({.info = std::string(info),
                                .specjal = std::string(specjal),
                                .typ = kind,
                                .wartosc = value,
                                .modyfikator = modifier,
                                .memo = std::string(memo)});
    }

    CPoz& top(int link) { return *character->link(link); }

    // What a rules step of these tests works with.
    EngineContext context(bool askRolls = false, DiceGenerator* generator = nullptr) {
        return {.rules = *rules.db,
                .character = *character,
                .port = port,
                .generator = generator,
                .askRolls = askRolls};
    }
};

} // namespace tallar::test
