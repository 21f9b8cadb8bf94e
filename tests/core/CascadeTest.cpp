#include "editors/EditorDef.h"
#include "editors/RowEditor.h"
#include "support/RulesFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tallar::editors {
namespace {

using test::RulesFixture;

// Every rules table gets two rows: one whose every column holds "X" (the row deleted and
// everything pointing at it) and one whose every column holds "Y" (unrelated).
void populate(RulesFixture& f) {
    Transaction batch(*f.db); // one commit for all the rows keeps the test fast
    for (const TableDef& table : rulesTables()) {
        std::vector<std::string> columns;
        for (const ColumnDef& column : table.columns)
            columns.emplace_back(column.name);
        if (table.name == "charaktery") {
            ASSERT_TRUE(f.db->exec("DELETE FROM charaktery;").ok());
        }
        f.insert(std::string(table.name), columns, std::vector<std::string>(columns.size(), "X"));
        f.insert(std::string(table.name), columns, std::vector<std::string>(columns.size(), "Y"));
    }
    ASSERT_TRUE(batch.commit().ok());
}

bool inCascade(const EditorDef& def, std::string_view table) {
    return std::any_of(def.cascade.begin(), def.cascade.end(),
                       [&](const CascadeStep& step) { return step.table == table; });
}

TEST(Cascade, EachDeletesExactlyItsRowsInOrder) {
    for (const EditorDef* def : catalogue::all()) {
        if (def->cascade.empty())
            continue;
        SCOPED_TRACE(def->className);
        RulesFixture f;
        populate(f);
        f.record();
        RowEditor editor(*f.db, *def, "X", 'D');
        ASSERT_TRUE(editor.remove().ok());
        f.stopRecording();

        std::vector<std::string> expected;
        for (const CascadeStep& step : def->cascade)
            expected.push_back("DELETE FROM " + step.table + " WHERE " + step.column + "='X';");
        EXPECT_EQ(f.recorded("DELETE"), expected);
        for (const TableDef& table : rulesTables()) {
            const std::string name(table.name);
            EXPECT_EQ(f.rows(name), inCascade(*def, name) ? 1 : 2) << name;
            EXPECT_EQ(f.rows(name, std::string(table.columns[0].name) + "='Y'"), 1) << name;
        }
    }
}

TEST(Cascade, TheCataloguedOrders) {
    auto order = [](const EditorDef& def) {
        std::string text;
        for (const CascadeStep& step : def.cascade)
            text += step.table + "." + step.column + " ";
        return text;
    };
    EXPECT_EQ(order(catalogue::socialClass()),
              "rasyklasy.idklasy profklasy.idklasy klasyspoleczne.id ");
    EXPECT_EQ(order(catalogue::weaponGroup()),
              "formulybrone.idgrupybroni wymaganiagrupybroni.idgrupy rasybronie.idgrupybroni "
              "grupybroni.id ");
    EXPECT_EQ(order(catalogue::armourElement()),
              "elementzbroi.id elemzrbrasy.idelemzbr elemzrcialo.idelemzbr ");
    EXPECT_EQ(order(catalogue::bodyPart()),
              "czescicialadef.id elemzrcialo.idcialo stadiumczesci.id_nad ");
    EXPECT_EQ(order(catalogue::formula()), "formuly.id formulybrone.idformuly ");
    EXPECT_TRUE(catalogue::disability().cascade.empty());
    EXPECT_TRUE(catalogue::ability().cascade.empty());
}

TEST(Cascade, AFailureHalfwayLeavesEverything) {
    RulesFixture f;
    populate(f);
    ASSERT_TRUE(f.db->exec("CREATE TRIGGER keep BEFORE DELETE ON klasyspoleczne "
                           "BEGIN SELECT RAISE(ABORT,'zablokowane'); END;")
                    .ok());
    EXPECT_FALSE(deleteCascade(*f.db, catalogue::socialClass(), "X").ok());
    EXPECT_EQ(f.rows("rasyklasy"), 2);
    EXPECT_EQ(f.rows("profklasy"), 2);
    EXPECT_EQ(f.rows("klasyspoleczne"), 2);
    EXPECT_FALSE(f.db->inTransaction());
}

TEST(Cascade, InsideAnotherUnitItRollsBackWithIt) {
    RulesFixture f;
    populate(f);
    const Status outer = inTransaction(*f.db, [&]() -> Status {
        if (Status s = deleteCascade(*f.db, catalogue::formula(), "X"); !s)
            return s;
        EXPECT_EQ(f.rows("formuly"), 1);
        return Status::error("dalej się nie udało");
    });
    EXPECT_FALSE(outer.ok());
    EXPECT_EQ(f.rows("formuly"), 2);
    EXPECT_EQ(f.rows("formulybrone"), 2);
}

} // namespace
} // namespace tallar::editors
