#include "editors/EditorDef.h"
#include "editors/RowEditor.h"
#include "rules/data/SampleRules.h"
#include "store/db/References.h"
#include "support/RulesFixture.h"

#include <gtest/gtest.h>

#include <set>

namespace tallar::editors {
namespace {

using test::RulesFixture;

// A decimal comma is taken and the point stored, in a number field, a dice expression
// and a link row's value.
TEST(EditorForms, ADecimalCommaStoresAPoint) {
    RulesFixture f;
    RowEditor bag(*f.db, catalogue::equipment(), "e1", EditorMode::New);
    ASSERT_FALSE(bag.setValue("nazwa", "Worek"));
    ASSERT_FALSE(bag.setValue("waga", "0,5"));
    ASSERT_EQ(bag.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(test::selectValue(*f.db, "SELECT waga FROM ekwipunek WHERE id='e1';"), "0.5");

    RowEditor formula(*f.db, catalogue::formula(), "f1", EditorMode::New);
    ASSERT_FALSE(formula.setValue("sfkxx", "0,75"));
    EXPECT_EQ(formula.value("sfkxx"), "0.75");

    f.insert("grupybroni", {"id", "nazwa"}, {"g1", "Łuki"});
    RowEditor race(*f.db, catalogue::race(), "r1", EditorMode::New);
    ASSERT_TRUE(race.load().ok());
    ASSERT_FALSE(race.setValue("nazwa", "Elf"));
    race.link(1, {"g1", "Łuki"});
    race.setLinkValues(1, 0, {"1,5"});
    ASSERT_EQ(race.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(test::selectValue(*f.db, "SELECT bonus FROM rasybronie WHERE idrasa='r1';"), "1.5");
    // Text fields keep their commas.
    ASSERT_FALSE(bag.setValue("nazwa", "Worek, duży"));
    EXPECT_EQ(bag.value("nazwa"), "Worek, duży");
}

// A stage edited from an open race editor is saved at once, but the race's unit keeps it:
// "Anuluj" on the race undoes the stage, "Zapisz" keeps it.
TEST(EditorForms, AnOwnerIsOneUnitWithTheRowsItsChildEditorsSave) {
    RulesFixture f;
    f.insert("rasy", {"id", "nazwa"}, {"r1", "Elf"});
    f.insert("stadia", {"id", "idrasa", "nazwa", "od"}, {"s1", "r1", "Młody", "10"});
    const auto editStage = [&f](const std::string& name) {
        RowEditor stage(*f.db, catalogue::stage(), "s1", EditorMode::Edit, {{"idrasa", "r1"}});
        ASSERT_TRUE(stage.load().ok());
        ASSERT_FALSE(stage.setValue("nazwa", name));
        ASSERT_EQ(stage.save(f.port), RowEditor::SaveResult::Saved);
    };
    {
        RowEditor race(*f.db, catalogue::race(), "r1", EditorMode::Edit);
        ASSERT_TRUE(race.load().ok());
        ASSERT_TRUE(race.beginUnit().ok());
        EXPECT_TRUE(race.inUnit());
        editStage("Dorosły");
        ASSERT_TRUE(race.reloadChildren(0).ok());
        EXPECT_EQ(race.children(0)[0].name, "Dorosły (od 10)");
        ASSERT_TRUE(race.cancel().ok());
    }
    EXPECT_EQ(test::selectValue(*f.db, "SELECT nazwa FROM stadia WHERE id='s1';"), "Młody");
    {
        RowEditor race(*f.db, catalogue::race(), "r1", EditorMode::Edit);
        ASSERT_TRUE(race.load().ok());
        ASSERT_TRUE(race.beginUnit().ok());
        editStage("Stary");
        ASSERT_EQ(race.save(f.port), RowEditor::SaveResult::Saved);
        EXPECT_FALSE(race.inUnit());
    }
    EXPECT_EQ(test::selectValue(*f.db, "SELECT nazwa FROM stadia WHERE id='s1';"), "Stary");
    // Rows that own nothing need no unit; neither does a delete.
    RowEditor shield(*f.db, catalogue::shield(), "t1", EditorMode::New);
    ASSERT_TRUE(shield.beginUnit().ok());
    EXPECT_FALSE(shield.inUnit());
    RowEditor gone(*f.db, catalogue::race(), "r1", EditorMode::Delete);
    ASSERT_TRUE(gone.beginUnit().ok());
    EXPECT_FALSE(gone.inUnit());
}

// Every column the sample rules hold only "T" and "N" in is a flag of its editor, shown as
// a check box; every column that names a row of another table (store/References) is a
// choice of that table's rows.
TEST(EditorForms, FlagsAreCheckBoxesAndReferencesAreChoices) {
    RulesFixture f;
    ASSERT_TRUE(loadSampleRules(*f.db).ok());
    std::map<std::pair<std::string, std::string>, std::string> targets;
    for (const ColumnReference& reference : rulesReferenceColumns())
        targets[{std::string(reference.table), std::string(reference.column)}] =
            reference.rules.front()->target;
    // The column naming the owner is filled by the editor that opens the child.
    std::set<std::pair<std::string, std::string>> owners;
    for (const EditorDef* def : catalogue::all()) {
        for (const ChildrenDef& children : def->children)
            owners.insert({children.editor().table, children.ownerColumn});
        for (const OwnedRowsDef& owned : def->owned)
            owners.insert({owned.editor().table, owned.ownerColumn});
    }
    int flags = 0;
    for (const EditorDef* def : catalogue::all()) {
        RowEditor editor(*f.db, *def, "x", EditorMode::New);
        for (const Field& field : editor.fields()) {
            const std::string sql = "SELECT count(*) FROM " + def->table + " WHERE " +
                                    field.column + "<>'' AND " + field.column +
                                    " NOT IN ('T','N');";
            const long long others = f.count(sql);
            const long long any =
                f.count("SELECT count(*) FROM " + def->table + " WHERE " + field.column + "<>'';");
            if (any > 0 && others == 0) {
                EXPECT_EQ(field.kind, ValueKind::Flag) << def->table << "." << field.column;
                ++flags;
            }
            const auto target = targets.find({def->table, field.column});
            if (target != targets.end() && !owners.contains({def->table, field.column})) {
                EXPECT_EQ(field.kind, ValueKind::Reference) << def->table << "." << field.column;
                EXPECT_EQ(field.reference.table, target->second) << field.column;
            }
        }
    }
    EXPECT_GT(flags, 80); // the sample rules hold T/N in the flags of most tables
}

// A trade's class is chosen among the classes the social classes roll in, or typed anew.
TEST(EditorForms, ATextThatNamesOthersOffersTheirNames) {
    RulesFixture f;
    f.insert("klasyspoleczne", {"id", "nazwa", "klasa"}, {"k1", "Chłopi", "WIEJSKA"});
    f.insert("klasyspoleczne", {"id", "nazwa", "klasa"}, {"k2", "Mieszczanie", "MIEJSKA"});
    f.insert("klasyspoleczne", {"id", "nazwa", "klasa"}, {"k3", "Biedota", "MIEJSKA"});
    f.insert("klasyspoleczne", {"id", "nazwa", "klasa"}, {"k4", "Włóczędzy", ""});
    RowEditor trade(*f.db, catalogue::trade(), "z1", EditorMode::New);
    std::vector<std::string> offered;
    for (const LinkedRow& choice : trade.referenceChoices("klasa"))
        offered.push_back(choice.id);
    EXPECT_EQ(offered, (std::vector<std::string>{"MIEJSKA", "WIEJSKA"}));
    ASSERT_FALSE(trade.setValue("klasa", "NADMORSKA"));
    EXPECT_EQ(trade.value("klasa"), "NADMORSKA");
}

} // namespace
} // namespace tallar::editors
