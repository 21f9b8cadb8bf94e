#include "editors/EditorDef.h"
#include "editors/RowEditor.h"
#include "support/RulesFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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

// The statements a cascade should run for `id` on the fixture as it is, with the rows it
// reaches through other editors' cascades, and the tables it deletes from.
void expectedCascade(RulesFixture& f, const EditorDef& def, const std::string& id,
                     std::vector<std::string>& statements, std::set<std::string>& tables) {
    for (const CascadeStep& step : def.cascade) {
        if (!step.through) {
            statements.push_back("DELETE FROM " + step.table + " WHERE " + step.column + "='" + id +
                                 "';");
            tables.insert(step.table);
            continue;
        }
        std::vector<std::string> owned;
        ASSERT_TRUE(f.db->exec("SELECT id FROM " + step.table + " WHERE " + step.column + "=?" +
                                   (step.condition.empty() ? "" : " AND " + step.condition) + ";",
                               {id}, [&](const Row& row) { owned.push_back(row.text(0)); })
                        .ok());
        for (const std::string& ownedId : owned)
            expectedCascade(f, step.through(), ownedId, statements, tables);
    }
}

TEST(Cascade, EachDeletesExactlyItsRowsInOrder) {
    for (const EditorDef* def : catalogue::all()) {
        if (def->cascade.empty())
            continue;
        SCOPED_TRACE(def->className);
        RulesFixture f;
        populate(f);
        std::vector<std::string> expected;
        std::set<std::string> reached;
        expectedCascade(f, *def, "X", expected, reached);
        f.record();
        RowEditor editor(*f.db, *def, "X", EditorMode::Delete);
        ASSERT_TRUE(editor.remove().ok());
        f.stopRecording();

        EXPECT_EQ(f.recorded("DELETE"), expected);
        for (const TableDef& table : rulesTables()) {
            const std::string name(table.name);
            EXPECT_EQ(f.rows(name), reached.count(name) ? 1 : 2) << name;
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
    EXPECT_EQ(order(catalogue::race()),
              "stadia.idrasa profrasa.idrasa rasyzdolnosci.idrasa rasybronie.idrasa "
              "rasycharakter.idrasa zawodrasa.idrasa rasyklasy.idrasa rasy.id ");
    EXPECT_EQ(catalogue::race().cascade.front().through, &catalogue::stage);
    EXPECT_EQ(order(catalogue::stage()),
              "stadiumczesci.idstadium stadiumbronie.idstadium stadiumumiej.idstadium stadia.id "
              "elemzrbrasy.idstadium ");
    EXPECT_EQ(order(catalogue::trade()),
              "formuly.id_nad zawodumiej.idzawod zawodrasa.idzawod zawod.id ");
    EXPECT_EQ(order(catalogue::skill()),
              "modyfikacje.idumiejetnosc rzutyobronne.idumiejetnosc skutkirzutow.idumiejetnosc "
              "szanse.idumiejetnosc umiejumiej.idumiejjeden umiejumiej.idumiejdwa "
              "umiejetnosci.id zawodumiej.idumiej profumiej.idumiej stadiumumiej.idumiej ");
    EXPECT_TRUE(catalogue::profession().cascade.empty());
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
