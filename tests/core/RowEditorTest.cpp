#include "editors/RowEditor.h"
#include "editors/FormulaFields.h"
#include "editors/RowList.h"
#include "support/FaultInjection.h"
#include "support/RulesFixture.h"

#include <gtest/gtest.h>

namespace tallar::editors {
namespace {

using test::RulesFixture;

TEST(RowEditor, TitlesFollowTheMode) {
    RulesFixture f;
    EXPECT_EQ(RowEditor(*f.db, catalogue::equipment(), "x", EditorMode::New).title(),
              "Ekwipunek - nowy");
    EXPECT_EQ(RowEditor(*f.db, catalogue::equipment(), "x", EditorMode::Edit).title(),
              "Ekwipunek - edycja");
    EXPECT_EQ(RowEditor(*f.db, catalogue::equipment(), "x", EditorMode::Delete).title(),
              "Ekwipunek - usunięcie");
    EXPECT_EQ(RowEditor(*f.db, catalogue::birthplace(), "x", EditorMode::Edit).title(),
              "Miejsce pochodzenia - edycja");
}

TEST(RowEditor, EquipmentNeedsNameAndWeightAndSaysNothingWhenOneIsMissing) {
    RulesFixture f;
    RowEditor editor(*f.db, catalogue::equipment(), "e1", EditorMode::New);
    ASSERT_FALSE(editor.setValue("nazwa", "Lina"));
    EXPECT_EQ(editor.save(f.port), RowEditor::SaveResult::Incomplete);
    EXPECT_EQ(f.rows("ekwipunek"), 0);
    EXPECT_TRUE(f.port.errors().empty());
    ASSERT_FALSE(editor.setValue("waga", "2"));
    EXPECT_EQ(editor.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(test::selectValue(*f.db, "SELECT nazwa||'/'||waga FROM ekwipunek WHERE id='e1';"),
              "Lina/2");
}

TEST(RowEditor, ABlockedSaveNamesTheFieldThatBlocksIt) {
    RulesFixture f;
    RowEditor editor(*f.db, catalogue::equipment(), "e1", EditorMode::New);
    // Both required fields are empty: the first in the description's order is named.
    auto blocked = editor.blocker();
    ASSERT_TRUE(blocked);
    EXPECT_EQ(blocked->column, "nazwa");
    EXPECT_EQ(blocked->message, "Nazwa: to pole musi być wypełnione.");
    ASSERT_FALSE(editor.setValue("nazwa", "Lina"));
    blocked = editor.blocker();
    ASSERT_TRUE(blocked);
    EXPECT_EQ(blocked->column, "waga");
    EXPECT_EQ(blocked->message, "Waga: to pole musi być wypełnione.");
    ASSERT_FALSE(editor.setValue("waga", "2"));
    EXPECT_FALSE(editor.blocker());

    // A kept but malformed dice expression blocks the save too, named with its group.
    RowEditor stage(*f.db, catalogue::stage(), "s1", EditorMode::New);
    ASSERT_FALSE(stage.setValue("nazwa", "Młody"));
    EXPECT_TRUE(stage.setValue("zyw_wartosc", "2K"));
    blocked = stage.blocker();
    ASSERT_TRUE(blocked);
    EXPECT_EQ(blocked->column, "zyw_wartosc");
    EXPECT_TRUE(blocked->message.starts_with("Żywotność, wartość: Niepoprawne wyrażenie"))
        << blocked->message;
    EXPECT_EQ(stage.save(f.port), RowEditor::SaveResult::Invalid);
    ASSERT_EQ(f.port.errors().size(), 1u);
    EXPECT_EQ(f.port.errors()[0].text, blocked->message);
}

TEST(RowEditor, FieldsRefuseWhatTheyCannotHold) {
    RulesFixture f;
    RowEditor editor(*f.db, catalogue::socialClass(), "k1", EditorMode::New);
    ASSERT_FALSE(editor.setValue("nazwa", "Mieszczanie"));

    // A character Windows-1250 has no byte for is refused at the field.
    const auto refused = editor.setValue("nazwa", "Mieszczanie ☃");
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find("☃"), std::string::npos);
    EXPECT_EQ(editor.value("nazwa"), "Mieszczanie");

    // Number fields take numbers only.
    EXPECT_TRUE(editor.setValue("rzutod", "dziesięć"));
    EXPECT_EQ(editor.value("rzutod"), "");
    EXPECT_FALSE(editor.setValue("rzutod", "-12"));
    EXPECT_FALSE(editor.setValue("rzutdo", "2.5"));

    // A malformed dice expression is kept, shown as wrong, and stops the save.
    EXPECT_FALSE(editor.setValue("majatek", "2K10*10"));
    EXPECT_TRUE(editor.setValue("charyzma", "2K+"));
    EXPECT_EQ(editor.value("charyzma"), "2K+");
    EXPECT_TRUE(editor.problem("charyzma"));
    EXPECT_EQ(editor.save(f.port), RowEditor::SaveResult::Invalid);
    ASSERT_EQ(f.port.errors().size(), 1u);
    EXPECT_EQ(f.port.errors()[0].caption, "Klasa społeczna - nowa");
    EXPECT_EQ(f.rows("klasyspoleczne"), 0);
    EXPECT_FALSE(editor.setValue("charyzma", "K6"));
    EXPECT_EQ(editor.save(f.port), RowEditor::SaveResult::Saved);
}

TEST(RowEditor, QuotesLineEndsAndLongTextsRoundTrip) {
    RulesFixture f;
    std::string description = "Opis 'z' \"cudzysłowami\"');\r\nDROP TABLE wymagania; --\n\tżółć";
    while (description.size() < 600)
        description += " i dalej";
    {
        RowEditor editor(*f.db, catalogue::requirement(), "w1", EditorMode::New);
        ASSERT_FALSE(editor.setValue("nazwa", "O'Brien"));
        ASSERT_FALSE(editor.setValue("opis", description));
        ASSERT_EQ(editor.save(f.port), RowEditor::SaveResult::Saved);
    }
    RowEditor loaded(*f.db, catalogue::requirement(), "w1", EditorMode::Edit);
    ASSERT_TRUE(loaded.load().ok());
    EXPECT_EQ(loaded.value("nazwa"), "O'Brien");
    EXPECT_EQ(loaded.value("opis"), description);
    EXPECT_EQ(f.rows("wymagania"), 1);
}

TEST(RowEditor, SavingTwiceLeavesOneRowAndNewAndEditedRowsSaveAlike) {
    RulesFixture f;
    f.insert("grupybroni", {"id", "nazwa"}, {"g1", "Miecze"});
    f.insert("grupybroni", {"id", "nazwa"}, {"g2", "Topory"});

    auto fill = [](RowEditor& editor) {
        ASSERT_FALSE(editor.setValue("nazwa", "Wojownik"));
        ASSERT_FALSE(editor.setValue("opis", "x"));
        editor.link(0, {"g1", "Miecze"});
        editor.link(0, {"g2", "Topory"});
        editor.link(0, {"g1", "Miecze"}); // linking twice links once
    };
    RowEditor fresh(*f.db, catalogue::requirement(), "w1", EditorMode::New);
    fill(fresh);
    f.record();
    ASSERT_EQ(fresh.save(f.port), RowEditor::SaveResult::Saved);
    const auto asNew = f.statements;

    RowEditor edited(*f.db, catalogue::requirement(), "w1", EditorMode::Edit);
    ASSERT_TRUE(edited.load().ok());
    EXPECT_EQ(edited.linked(0).size(), 2u);
    f.record();
    ASSERT_EQ(edited.save(f.port), RowEditor::SaveResult::Saved);
    f.stopRecording();
    EXPECT_EQ(f.statements, asNew);
    EXPECT_EQ(f.rows("wymagania"), 1);
    EXPECT_EQ(f.rows("wymaganiagrupybroni"), 2);

    // Unlinking and saving again replaces the links.
    edited.unlink(0, "g1");
    ASSERT_EQ(edited.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(f.rows("wymaganiagrupybroni"), 1);
    EXPECT_EQ(f.rows("wymaganiagrupybroni", "idgrupy='g2' AND idwymagania='w1'"), 1);
}

TEST(RowEditor, AFailingInsertLeavesTheOldRowAndLinks) {
    RulesFixture f;
    f.insert("zbroja", {"id", "nazwa"}, {"z1", "Kolczuga"});
    f.insert("zbrojaelem", {"idzbroi", "idelemzbr"}, {"z1", "el1"});
    ASSERT_TRUE(f.db->exec("CREATE TRIGGER refuse BEFORE INSERT ON zbroja WHEN NEW.nazwa='zła' "
                           "BEGIN SELECT RAISE(ABORT,'odmowa'); END;")
                    .ok());
    RowEditor editor(*f.db, catalogue::armour(), "z1", EditorMode::Edit);
    ASSERT_TRUE(editor.load().ok());
    editor.unlink(0, "el1");
    ASSERT_FALSE(editor.setValue("nazwa", "zła"));
    EXPECT_EQ(editor.save(f.port), RowEditor::SaveResult::Failed);
    EXPECT_EQ(f.port.errors().size(), 1u);
    EXPECT_NE(f.errors.str().find("SQL error: odmowa"), std::string::npos);
    EXPECT_EQ(test::selectValue(*f.db, "SELECT nazwa FROM zbroja WHERE id='z1';"), "Kolczuga");
    EXPECT_EQ(f.rows("zbrojaelem"), 1);
    EXPECT_FALSE(f.db->inTransaction());
}

// A form whose links could not be read holds none: saving it would delete the stored ones.
TEST(RowEditor, AFormWhoseLinksWereNotReadRefusesToSave) {
    RulesFixture f;
    f.insert("wymagania", {"id", "nazwa"}, {"w1", "Wojownik"});
    f.insert("wymaganiagrupybroni", {"idwymagania", "idgrupy"}, {"w1", "g1"});
    f.insert("wymaganiagrupybroni", {"idwymagania", "idgrupy"}, {"w1", "g2"});
    RowEditor editor(*f.db, catalogue::requirement(), "w1", EditorMode::Edit);
    {
        test::StatementFault fault(*f.db, 2); // the row is read, its links are not
        EXPECT_FALSE(editor.load().ok());
        EXPECT_NE(fault.statement().find("FROM wymaganiagrupybroni"), std::string::npos);
    }
    EXPECT_EQ(editor.value("nazwa"), "Wojownik");
    EXPECT_TRUE(editor.linked(0).empty());
    EXPECT_EQ(editor.save(f.port), RowEditor::SaveResult::Failed);
    ASSERT_EQ(f.port.errors().size(), 1u);
    EXPECT_EQ(f.port.errors()[0].text, "Nie zapisano zmian: wiersz nie został wczytany.");
    EXPECT_EQ(f.rows("wymaganiagrupybroni"), 2);

    // Read whole, the same form saves and keeps both links.
    ASSERT_TRUE(editor.load().ok());
    EXPECT_EQ(editor.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(f.rows("wymaganiagrupybroni"), 2);
}

TEST(RowEditor, PickListLeavesOutTheRowsAlreadyLinked) {
    RulesFixture f;
    for (const char* id : {"g1", "g2", "g'3"})
        f.insert("grupybroni", {"id", "nazwa"}, {id, std::string("Grupa ") + id});
    RowEditor editor(*f.db, catalogue::requirement(), "w1", EditorMode::New);
    editor.link(0, {"g'3", "Grupa g'3"});
    editor.link(0, {"g1", "Grupa g1"});
    const Query query = editor.pickQuery(0);
    EXPECT_EQ(query.sql, "SELECT id,nazwa 'Grupa Broni     ' FROM grupybroni WHERE id NOT IN "
                         "(?,?,'') ORDER BY nazwa DESC;");
    RowList pick(*f.db, "Lista grup broni", query.sql, true, query.values);
    ASSERT_TRUE(pick.refresh(f.port).ok());
    ASSERT_EQ(pick.contents().items().size(), 1u);
    EXPECT_EQ(pick.contents().idOf(0), "g2");

    // With nothing linked every row is offered.
    RowEditor empty(*f.db, catalogue::requirement(), "w2", EditorMode::New);
    const Query all = empty.pickQuery(0);
    RowList everything(*f.db, "Lista grup broni", all.sql, true, all.values);
    ASSERT_TRUE(everything.refresh(f.port).ok());
    EXPECT_EQ(everything.contents().items().size(), 3u);
}

TEST(RowEditor, AbilityKeepsItsKindAndRaces) {
    RulesFixture f;
    f.insert("rasy", {"id", "nazwa"}, {"r1", "Elf"});
    RowEditor editor(*f.db, catalogue::ability(), "z1", EditorMode::New);
    EXPECT_EQ(editor.field("typ"), nullptr);
    ASSERT_FALSE(editor.setValue("nazwa", "Widzenie w ciemności"));
    editor.link(0, {"r1", "Elf"});
    ASSERT_EQ(editor.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(test::selectValue(*f.db, "SELECT typ FROM zdolnosci WHERE id='z1';"), "ZDOLNOSC");
    EXPECT_EQ(f.rows("rasyzdolnosci", "idrasa='r1' AND idzdolnosci='z1'"), 1);

    RowEditor loaded(*f.db, catalogue::ability(), "z1", EditorMode::Edit);
    ASSERT_TRUE(loaded.load().ok());
    ASSERT_EQ(loaded.linked(0).size(), 1u);
    EXPECT_EQ(loaded.linked(0)[0].name, "Elf");
}

TEST(RowEditor, FormulaSavesItsOwnerAndWeaponGroups) {
    RulesFixture f;
    f.insert("grupybroni", {"id", "nazwa"}, {"g1", "Łuki"});
    RowEditor formula(*f.db, catalogue::formula(), "f1", EditorMode::New,
                      {{"id_nad", "z1"}, {"typ_nad", "ZDOLNOSC"}});
    EXPECT_EQ(formula.field("id_nad"), nullptr);
    ASSERT_FALSE(formula.setValue("typ1", "1"));
    ASSERT_FALSE(formula.setValue("sfznak", "+"));
    ASSERT_FALSE(formula.setValue("sfkxx", "K6"));
    ASSERT_FALSE(formula.setValue("bglznak", "+"));
    formula.link(0, {"g1", "Łuki"});
    ASSERT_EQ(formula.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(test::selectValue(*f.db, "SELECT id_nad||typ_nad||typ1||sfznak||sfkxx FROM formuly;"),
              "z1ZDOLNOSC1+K6");
    EXPECT_EQ(f.rows("formulybrone", "idformuly='f1' AND idgrupybroni='g1'"), 1);
}

TEST(RowEditor, AnOwnersFormulasGoWithTheirWeaponGroupsAndNothingElse) {
    RulesFixture f;
    f.insert("formuly", {"id", "id_nad", "typ_nad"}, {"f1", "z1", "ULOMNOSC"});
    f.insert("formuly", {"id", "id_nad", "typ_nad"}, {"f2", "z1", "ULOMNOSC"});
    f.insert("formuly", {"id", "id_nad", "typ_nad"}, {"f3", "z1", "ZAWOD1"});
    f.insert("formuly", {"id", "id_nad", "typ_nad"}, {"f4", "z2", "ULOMNOSC"});
    f.insert("formulybrone", {"idgrupybroni", "idformuly"}, {"g1", "f2"});
    f.insert("formulybrone", {"idgrupybroni", "idformuly"}, {"g1", "f4"});
    ASSERT_TRUE(deleteOwnedFormulas(*f.db, "z1", "ULOMNOSC").ok());
    EXPECT_EQ(f.rows("formuly"), 2);
    EXPECT_EQ(f.rows("formuly", "id IN ('f3','f4')"), 2);
    EXPECT_EQ(f.rows("formulybrone"), 1);
    EXPECT_EQ(f.rows("formulybrone", "idformuly='f4'"), 1);
}

TEST(RowEditor, EveryDescriptionNamesRealColumnsAndTables) {
    for (const EditorDef* def : catalogue::all()) {
        const TableDef* table = findTable(def->table);
        ASSERT_NE(table, nullptr) << def->className;
        EXPECT_TRUE(unknownNotes(*table, def->notes).empty()) << def->className;
        for (const std::string& column : def->required)
            EXPECT_GE(table->columnIndex(column), 0) << def->className << " " << column;
        for (const LinkDef& link : def->links) {
            const TableDef* linkTable = findTable(link.table);
            ASSERT_NE(linkTable, nullptr) << link.table;
            EXPECT_GE(linkTable->columnIndex(link.ownerColumn), 0) << link.table;
            EXPECT_GE(linkTable->columnIndex(link.otherColumn), 0) << link.table;
        }
        for (const CascadeStep& step : def->cascade) {
            const TableDef* stepTable = findTable(step.table);
            ASSERT_NE(stepTable, nullptr) << step.table;
            EXPECT_GE(stepTable->columnIndex(step.column), 0) << step.table << "." << step.column;
        }
    }
    RulesFixture f;
    // The weapon editor edits all 44 columns: 43 fields and the identifier.
    RowEditor weapon(*f.db, catalogue::weapon(), "b1", EditorMode::New);
    EXPECT_EQ(weapon.fields().size(), 43u);
    ASSERT_TRUE(weapon.load().ok());
    EXPECT_EQ(weapon.value("szarza"), "N");
    EXPECT_EQ(weapon.value("obrona"), "");
    for (const Field& field : weapon.fields())
        EXPECT_NE(field.label, field.column) << field.column << " has no label";
    // The formula editor: nine type columns, 22 attribute groups of four, four of two.
    RowEditor formula(*f.db, catalogue::formula(), "f1", EditorMode::New,
                      {{"id_nad", "z1"}, {"typ_nad", "ZDOLNOSC"}});
    EXPECT_EQ(formula.fields().size(), 9u + 22 * 4 + 4 * 2);
    for (const Field& field : formula.fields())
        EXPECT_FALSE(field.group.empty()) << field.column;
    EXPECT_EQ(formula.field("prznak")->group, "Prezencja");
    EXPECT_EQ(formula.field("prznak")->kind, ValueKind::Sign);
    EXPECT_EQ(formula.field("odp10wsp")->group, "Odporność nr.10");
    EXPECT_EQ(formula.field("amaglimit")->page, "Odporności");
    EXPECT_EQ(formula.field("sfkxx")->page, "Współczynniki");
    EXPECT_EQ(formula.field("bglkxx")->kind, ValueKind::Dice);
    EXPECT_EQ(formula.field("bglkxx")->page, "Inne");
}

} // namespace
} // namespace tallar::editors
