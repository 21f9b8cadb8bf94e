#include "editors/ListDef.h"
#include "editors/RowList.h"
#include "support/RulesFixture.h"

#include <gtest/gtest.h>

namespace tallar::editors {
namespace {

using test::RulesFixture;

// The first column of a list, top to bottom.
std::vector<std::string> shown(RulesFixture& f, const ListDef& def) {
    RowList list(*f.db, def);
    EXPECT_TRUE(list.refresh(f.port).ok()) << def.title;
    std::vector<std::string> texts;
    for (const auto& item : list.contents().items())
        texts.push_back(item.front());
    return texts;
}

// A row named `name` in the table of a list's editor, with the values the editor fixes
// (the kind of an ability) and a body part's kind of creature.
void insertNamed(RulesFixture& f, const ListDef& def, const std::string& name) {
    const EditorDef& editor = def.editor();
    std::vector<std::string> columns{"id", "nazwa"};
    std::vector<std::string> values{def.name + "-1", name};
    for (const FixedValue& fixed : editor.fixed) {
        columns.push_back(fixed.column);
        values.push_back(fixed.value);
    }
    if (editor.table == "czescicialadef") {
        columns.push_back("typistoty");
        values.push_back("H");
    }
    f.insert(editor.table, columns, values);
}

// Every list of the main window reads the table its editor writes: a row the editor could
// have saved shows in its list, and only there among the lists sharing a table.
TEST(RulesLists, EachShowsTheRowsOfItsEditorsTable) {
    RulesFixture f;
    for (const ListDef* def : lists::rules())
        insertNamed(f, *def, "Próbny " + def->name);
    for (const ListDef* def : lists::rules()) {
        const std::string expected =
            def->name == "czescicialadef" ? "Próbny czescicialadef [H]" : "Próbny " + def->name;
        EXPECT_EQ(shown(f, *def), std::vector<std::string>{expected}) << def->title;
        EXPECT_EQ(lists::named(def->name), def);
    }
    EXPECT_EQ(lists::named("istoty"), nullptr); // characters are not rules
}

// Roll ranges are texts; as texts "7" sorts after "45" and "100" before both. Each list
// shows its rows by the start of the range as a number (its query orders them descending
// and the window shows the last row first).
TEST(RulesLists, RollRangesAreOrderedAsNumbers) {
    RulesFixture f;
    const auto exec = [&f](const std::string& sql) { ASSERT_TRUE(f.db->exec(sql).ok()) << sql; };
    exec("INSERT INTO klasyspoleczne (id,nazwa,rzutod,rzutdo,klasa) VALUES "
         "('k1','Stu','100','100',''),('k2','Siedem','7','9',''),('k3','Czterdzieści','45','60','')"
         ";");
    exec("INSERT INTO miejscurodz (id,nazwa,rzutod,rzutdo) VALUES "
         "('m1','Stu','100','100'),('m2','Siedem','7','9'),('m3','Czterdzieści','45','60');");
    exec("INSERT INTO zdolnosci (id,typ,nazwa,od,do) VALUES "
         "('u1','ULOMNOSC','Stu','100','100'),('u2','ULOMNOSC','Siedem','7','9'),"
         "('u3','ULOMNOSC','Czterdzieści','45','60'),('z1','ZDOLNOSC','Stu','100','100'),"
         "('z2','ZDOLNOSC','Siedem','7','9'),('z3','ZDOLNOSC','Czterdzieści','45','60');");
    exec("INSERT INTO zawod (id,nazwa,od,do,klasa) VALUES ('t1','Stu','100','100','MIEJSKA'),"
         "('t2','Siedem','7','9','MIEJSKA'),('t3','Czterdzieści','45','60','MIEJSKA');");

    const std::vector<std::string> ordered{"Siedem", "Czterdzieści", "Stu"};
    for (ListRef def : {&lists::socialClasses, &lists::birthplaces, &lists::disabilities,
                        &lists::abilities, &lists::trades})
        EXPECT_EQ(shown(f, def()), ordered) << def().title;
}

struct RecordingActions : ListActions {
    std::vector<std::string> removed;
    void remove(const std::string& id) override { removed.push_back(id); }
};

// The lists of disabilities, abilities and professions keep their rows: "Usuń" does not
// reach the editor; other lists delete the selected row.
TEST(RulesLists, ListsThatKeepTheirRowsDeleteNothing) {
    RulesFixture f;
    const std::vector<std::pair<ListRef, std::size_t>> removedByUsun = {{&lists::disabilities, 0},
                                                                        {&lists::abilities, 0},
                                                                        {&lists::professions, 0},
                                                                        {&lists::shields, 1}};
    for (const auto& [def, removed] : removedByUsun) {
        insertNamed(f, def(), "Próbny");
        RowList list(*f.db, def());
        ASSERT_TRUE(list.refresh(f.port).ok());
        RecordingActions actions;
        list.removeClicked(actions, f.port, {}, 0);
        EXPECT_EQ(actions.removed.size(), removed) << def().title;
    }
}

} // namespace
} // namespace tallar::editors
