#include "editors/EditorDef.h"
#include "editors/RowEditor.h"
#include "rules/data/SampleRules.h"
#include "support/RulesFixture.h"

#include <gtest/gtest.h>

#include <map>

namespace tallar::editors {
namespace {

using test::RulesFixture;

// The number of rows of every rules table, to compare states.
std::map<std::string, long long> rowCounts(RulesFixture& f) {
    std::map<std::string, long long> counts;
    for (const TableDef& table : rulesTables())
        counts[std::string(table.name)] = f.rows(std::string(table.name));
    return counts;
}

// A stage of race `race` with one natural weapon, one body part, one skill and one armour
// element allowed for it, saved through the stage editor.
void addStage(RulesFixture& f, const std::string& race, const std::string& stage) {
    RowEditor editor(*f.db, catalogue::stage(), stage, EditorMode::New, {{"idrasa", race}});
    ASSERT_TRUE(editor.load().ok());
    ASSERT_FALSE(editor.setValue("nazwa", "Stadium " + stage));
    ASSERT_FALSE(editor.setValue("zyw_wartosc", "2K10+5"));
    editor.setOwned(0, 0, {{"id", stage + "-b"}, {"nazwa", "Pięść"}, {"obr_ob", "K3"}});
    editor.setOwned(1, 0, {{"id", stage + "-c"}, {"id_nad", "cz1"}, {"obr", "2"}});
    editor.link(0, {"u1", "Pływanie"});
    ASSERT_EQ(editor.save(f.port), RowEditor::SaveResult::Saved) << f.port.errors().back().text;
    f.insert("elemzrbrasy", {"idelemzbr", "idstadium"}, {"e1", stage});
}

// A race with two stages and a row in every link table; another race with one stage.
void populateRaces(RulesFixture& f) {
    f.insert("czescicialadef", {"id", "typistoty", "nazwa"}, {"cz1", "H", "Głowa"});
    f.insert("umiejetnosci", {"id", "nazwa"}, {"u1", "Pływanie"});
    for (const std::string race : {"r1", "r2"}) {
        f.insert("rasy", {"id", "nazwa"}, {race, "Rasa " + race});
        for (const auto& [table, column] :
             std::vector<std::pair<std::string, std::string>>{{"profrasa", "id"},
                                                              {"rasyzdolnosci", "idzdolnosci"},
                                                              {"rasybronie", "idgrupybroni"},
                                                              {"rasycharakter", "idcharakter"},
                                                              {"zawodrasa", "idzawod"},
                                                              {"rasyklasy", "idklasy"}})
            f.insert(table, {"idrasa", column}, {race, "x"});
    }
    addStage(f, "r1", "s1");
    addStage(f, "r1", "s2");
    addStage(f, "r2", "s3");
}

TEST(RaceEditor, SavesItsRowAndLinksWithTheirValuesAndReloadsThem) {
    RulesFixture f;
    f.insert("profesje", {"id", "nazwa"}, {"p1", "Wojownik"});
    f.insert("grupybroni", {"id", "nazwa"}, {"g1", "Miecze"});
    RowEditor editor(*f.db, catalogue::race(), "r1", EditorMode::New);
    ASSERT_TRUE(editor.load().ok());
    ASSERT_FALSE(editor.setValue("nazwa", "Krasnolud"));
    ASSERT_FALSE(editor.setValue("typ", "H"));
    editor.link(0, {"p1", "Wojownik"});
    editor.setLinkValues(0, 0, {"12"});
    editor.link(1, {"g1", "Miecze"});
    editor.setLinkValues(1, 0, {"3"});
    editor.link(2, {"090809003300186145251489319234", "chaotyczny / dobry"});
    editor.setLinkValues(2, 0, {"40"});
    editor.link(3, {"k1", "Chłopi"});
    editor.link(4, {"z1", "Infrawizja"});
    addStage(f, "r1", "s1");
    ASSERT_TRUE(editor.reloadChildren(0).ok());
    ASSERT_EQ(editor.save(f.port), RowEditor::SaveResult::Saved);
    const auto once = rowCounts(f);
    ASSERT_EQ(editor.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(rowCounts(f), once);

    RowEditor again(*f.db, catalogue::race(), "r1", EditorMode::Edit);
    ASSERT_TRUE(again.load().ok());
    EXPECT_EQ(again.value("nazwa"), "Krasnolud");
    EXPECT_EQ(again.value("typ"), "H");
    ASSERT_EQ(again.linked(0).size(), 1u);
    EXPECT_EQ(again.linked(0)[0].name, "Wojownik");
    EXPECT_EQ(again.linked(0)[0].values, std::vector<std::string>{"12"});
    EXPECT_EQ(again.linked(1)[0].values, std::vector<std::string>{"3"});
    EXPECT_EQ(again.linked(2)[0].name, "chaotyczny / dobry");
    EXPECT_EQ(again.linked(2)[0].values, std::vector<std::string>{"40"});
    EXPECT_EQ(again.linked(3)[0].id, "k1");
    EXPECT_EQ(again.linked(4)[0].id, "z1");
    ASSERT_EQ(again.children(0).size(), 1u);
    EXPECT_EQ(again.children(0)[0].id, "s1");
    EXPECT_EQ(test::selectValue(*f.db, "SELECT procent FROM rasycharakter WHERE idrasa='r1';"),
              "40");
    EXPECT_EQ(
        test::selectValue(*f.db, "SELECT pozlimit FROM profrasa WHERE idrasa='r1' AND id='p1';"),
        "12");
}

TEST(StageEditor, SavesItsRowWeaponsPartsAndSkillsAndReloadsThem) {
    RulesFixture f;
    populateRaces(f);
    RowEditor stage(*f.db, catalogue::stage(), "s1", EditorMode::Edit, {{"idrasa", "r1"}});
    EXPECT_EQ(stage.title(), "Stadium - edycja");
    ASSERT_TRUE(stage.load().ok());
    EXPECT_EQ(stage.value("zyw_wartosc"), "2K10+5");
    ASSERT_EQ(stage.owned(0).size(), 1u);
    EXPECT_EQ(stage.ownedName(0, 0), "Pięść");
    EXPECT_EQ(stage.owned(0)[0].at("obr_ob"), "K3");
    ASSERT_EQ(stage.owned(1).size(), 1u);
    EXPECT_EQ(stage.ownedName(1, 0), "Głowa [H]");
    ASSERT_EQ(stage.linked(0).size(), 1u);
    EXPECT_EQ(stage.linked(0)[0].name, "Pływanie");

    // Every one of the 148 columns but the identifier and the race is a field.
    EXPECT_EQ(stage.fields().size(), 146u);
    // A malformed dice expression stops the save and says which field.
    EXPECT_TRUE(stage.setValue("sf_wartosc", "2K"));
    EXPECT_EQ(stage.save(f.port), RowEditor::SaveResult::Invalid);
    ASSERT_FALSE(stage.setValue("sf_wartosc", "2K10"));

    const auto before = rowCounts(f);
    stage.removeOwned(0, 0);
    stage.setOwned(0, 0, {{"id", "s1-b2"}, {"nazwa", "Kły"}});
    ASSERT_EQ(stage.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(rowCounts(f), before);
    EXPECT_EQ(test::selectValue(*f.db, "SELECT nazwa||'/'||idstadium FROM stadiumbronie WHERE "
                                       "idstadium='s1';"),
              "Kły/s1");
    EXPECT_EQ(test::selectValue(*f.db, "SELECT idrasa||'/'||sf_wartosc FROM stadia WHERE id='s1';"),
              "r1/2K10");
}

TEST(RaceEditor, SavingWithoutAStageDeletesItAndWhatItHeld) {
    RulesFixture f;
    populateRaces(f);
    RowEditor race(*f.db, catalogue::race(), "r1", EditorMode::Edit);
    ASSERT_TRUE(race.load().ok());
    ASSERT_EQ(race.children(0).size(), 2u);
    ASSERT_TRUE(race.removeChild(0, "s2").ok());
    EXPECT_EQ(f.rows("stadia", "id='s2'"), 1); // nothing goes before the save
    ASSERT_EQ(race.save(f.port), RowEditor::SaveResult::Saved);
    for (const std::string table :
         {"stadiumbronie", "stadiumczesci", "stadiumumiej", "elemzrbrasy"}) {
        EXPECT_EQ(f.rows(table, "idstadium='s2'"), 0) << table;
        EXPECT_EQ(f.rows(table, "idstadium='s1'"), 1) << table;
        EXPECT_EQ(f.rows(table, "idstadium='s3'"), 1) << table;
    }
    EXPECT_EQ(f.rows("stadia"), 2);
}

TEST(RaceEditor, DeleteRemovesEachStageThroughTheStageDeleteThenTheRaceInOrder) {
    RulesFixture f;
    populateRaces(f);
    f.record();
    ASSERT_TRUE(RowEditor(*f.db, catalogue::race(), "r1", EditorMode::Delete).remove().ok());
    f.stopRecording();
    std::vector<std::string> expected;
    for (const std::string stage : {"s1", "s2"})
        for (const std::string step :
             {"stadiumczesci WHERE idstadium", "stadiumbronie WHERE idstadium",
              "stadiumumiej WHERE idstadium", "stadia WHERE id", "elemzrbrasy WHERE idstadium"})
            expected.push_back("DELETE FROM " + step + "='" + stage + "';");
    for (const std::string table :
         {"profrasa", "rasyzdolnosci", "rasybronie", "rasycharakter", "zawodrasa", "rasyklasy"})
        expected.push_back("DELETE FROM " + table + " WHERE idrasa='r1';");
    expected.push_back("DELETE FROM rasy WHERE id='r1';");
    EXPECT_EQ(f.recorded("DELETE"), expected);

    // The other race and its stage keep everything.
    EXPECT_EQ(f.rows("rasy"), 1);
    EXPECT_EQ(f.rows("stadia"), 1);
    for (const std::string table :
         {"stadiumbronie", "stadiumczesci", "stadiumumiej", "elemzrbrasy"})
        EXPECT_EQ(f.rows(table), 1) << table;
    for (const std::string table :
         {"profrasa", "rasyzdolnosci", "rasybronie", "rasycharakter", "zawodrasa", "rasyklasy"})
        EXPECT_EQ(f.rows(table), 1) << table;
    EXPECT_EQ(f.rows("czescicialadef"), 1);
    EXPECT_EQ(f.rows("umiejetnosci"), 1);
}

TEST(RaceEditor, AFailureInTheMiddleOfTheCascadeLeavesEverything) {
    RulesFixture f;
    populateRaces(f);
    const auto before = rowCounts(f);
    ASSERT_TRUE(f.db->exec("CREATE TRIGGER keep BEFORE DELETE ON rasycharakter "
                           "BEGIN SELECT RAISE(ABORT,'zablokowane'); END;")
                    .ok());
    EXPECT_FALSE(RowEditor(*f.db, catalogue::race(), "r1", EditorMode::Delete).remove().ok());
    EXPECT_EQ(rowCounts(f), before);
    EXPECT_FALSE(f.db->inTransaction());
}

TEST(RaceEditor, ARaceWhoseStagesWereNotReadIsNotSaved) {
    RulesFixture f;
    populateRaces(f);
    const auto before = rowCounts(f);
    RowEditor race(*f.db, catalogue::race(), "r1", EditorMode::Edit);
    ASSERT_FALSE(race.setValue("nazwa", "Elfy"));
    EXPECT_EQ(race.save(f.port), RowEditor::SaveResult::Failed);
    EXPECT_EQ(rowCounts(f), before);
}

TEST(RaceEditor, CancellingANewRaceTakesItsSavedStagesWithIt) {
    RulesFixture f;
    populateRaces(f);
    RowEditor race(*f.db, catalogue::race(), "r9", EditorMode::New);
    ASSERT_TRUE(race.load().ok());
    addStage(f, "r9", "s9");
    ASSERT_TRUE(race.discardUnsaved().ok());
    EXPECT_EQ(f.rows("stadia", "id='s9'"), 0);
    EXPECT_EQ(f.rows("stadiumbronie", "idstadium='s9'"), 0);
    EXPECT_EQ(f.rows("elemzrbrasy", "idstadium='s9'"), 0);
    EXPECT_EQ(f.rows("stadia"), 3);
}

TEST(RaceEditor, CancellingANewRaceThatCannotBeLookedUpKeepsItsStages) {
    RulesFixture f;
    populateRaces(f);
    RowEditor race(*f.db, catalogue::race(), "r9", EditorMode::New);
    ASSERT_TRUE(race.load().ok());
    addStage(f, "r9", "s9");
    // Whether the race was saved cannot be read: its stages are not taken as unsaved.
    f.db->setStatementHook([](std::string_view sql) {
        return sql.starts_with("SELECT 1 FROM rasy") ? Status::error("odczyt nie powiódł się")
                                                     : Status();
    });
    const Status discarded = race.discardUnsaved();
    f.db->setStatementHook({});
    ASSERT_FALSE(discarded.ok());
    EXPECT_EQ(discarded.message(), "odczyt nie powiódł się");
    EXPECT_EQ(f.rows("stadia", "id='s9'"), 1);
    EXPECT_EQ(f.rows("stadia"), 4); // the three of populateRaces and s9
}

TEST(SkillEditor, OwnsItsThrowsWhichGoAtOnceOrWithTheSkill) {
    RulesFixture f;
    RowEditor skill(*f.db, catalogue::skill(), "u1", EditorMode::New);
    ASSERT_TRUE(skill.load().ok());
    ASSERT_FALSE(skill.setValue("nazwa", "Pływanie"));
    ASSERT_FALSE(skill.setValue("okresbaza", "10"));
    skill.link(0, {"u2", "Nurkowanie"});
    ASSERT_EQ(skill.save(f.port), RowEditor::SaveResult::Saved);
    const EditorDef* throws[] = {&catalogue::chance(), &catalogue::savingThrow(),
                                 &catalogue::throwEffect(), &catalogue::modification()};
    for (std::size_t i = 0; i < 4; ++i)
        for (const std::string n : {"a", "b"}) {
            RowEditor child(*f.db, *throws[i], throws[i]->table + n, EditorMode::New,
                            skill.childFixed(i));
            ASSERT_TRUE(child.load().ok());
            ASSERT_EQ(child.save(f.port), RowEditor::SaveResult::Saved);
            EXPECT_EQ(test::selectValue(
                          *f.db, "SELECT idumiejetnosc FROM " + throws[i]->table + " WHERE id=?;",
                          {throws[i]->table + n}),
                      "u1");
        }
    ASSERT_EQ(skill.save(f.port), RowEditor::SaveResult::Saved);
    RowEditor again(*f.db, catalogue::skill(), "u1", EditorMode::Edit);
    ASSERT_TRUE(again.load().ok());
    EXPECT_EQ(again.value("okresbaza"), "10");
    EXPECT_EQ(again.linked(0)[0].id, "u2");
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(again.children(i).size(), 2u);

    // A removed chance goes at once, and only from this skill.
    f.insert("szanse", {"id", "idumiejetnosc"}, {"szansec", "u7"});
    ASSERT_TRUE(again.removeChild(0, "szansea").ok());
    ASSERT_TRUE(again.removeChild(0, "szansec").ok());
    EXPECT_EQ(f.rows("szanse"), 2);
    EXPECT_EQ(f.rows("szanse", "idumiejetnosc='u7'"), 1);
    EXPECT_EQ(again.children(0).size(), 1u);

    f.insert("zawodumiej", {"idzawod", "idumiej"}, {"t1", "u1"});
    f.insert("profumiej", {"id", "idumiej"}, {"p1", "u1"});
    f.insert("stadiumumiej", {"idstadium", "idumiej"}, {"s1", "u1"});
    f.insert("umiejumiej", {"idumiejjeden", "idumiejdwa"}, {"u3", "u1"});
    ASSERT_TRUE(RowEditor(*f.db, catalogue::skill(), "u1", EditorMode::Delete).remove().ok());
    for (const std::string table : {"szanse", "rzutyobronne", "skutkirzutow", "modyfikacje"})
        EXPECT_EQ(f.rows(table, "idumiejetnosc='u1'"), 0) << table;
    EXPECT_EQ(f.rows("szanse"), 1); // the other skill's
    for (const std::string table :
         {"zawodumiej", "profumiej", "stadiumumiej", "umiejumiej", "umiejetnosci"})
        EXPECT_EQ(f.rows(table), 0) << table;
}

TEST(TradeEditor, SavesSkillsPerGradeAndDeletesItsFormulasThroughTheFormulaDelete) {
    RulesFixture f;
    RowEditor trade(*f.db, catalogue::trade(), "t1", EditorMode::New);
    ASSERT_TRUE(trade.load().ok());
    ASSERT_FALSE(trade.setValue("nazwa", "Kowal"));
    ASSERT_FALSE(trade.setValue("podstpdkxx", "K10+2"));
    trade.link(0, {"r1", "Ludzie"});
    // The same skill at two grades is two rows.
    trade.link(1, {"u1", "Kowalstwo", {"ZAWOD1"}});
    trade.link(1, {"u1", "Kowalstwo", {"ZAWOD2"}});
    trade.link(1, {"u1", "Kowalstwo", {"ZAWOD2"}});
    ASSERT_EQ(trade.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(f.rows("zawodumiej", "idzawod='t1'"), 2);
    ASSERT_EQ(trade.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(f.rows("zawodumiej", "idzawod='t1'"), 2);

    // A formula of each of two grades, saved by the formula editor with the grade's kind.
    for (std::size_t grade : {0u, 2u}) {
        const std::string id = "f" + std::to_string(grade);
        RowEditor formula(*f.db, catalogue::formula(), id, EditorMode::New,
                          trade.childFixed(grade));
        ASSERT_TRUE(formula.load().ok());
        formula.link(0, {"g1", "Miecze"});
        ASSERT_EQ(formula.save(f.port), RowEditor::SaveResult::Saved);
    }
    EXPECT_EQ(test::selectValue(*f.db, "SELECT typ_nad FROM formuly WHERE id='f2';"), "ZAWOD2");
    RowEditor again(*f.db, catalogue::trade(), "t1", EditorMode::Edit);
    ASSERT_TRUE(again.load().ok());
    EXPECT_EQ(again.children(0).size(), 1u);
    EXPECT_EQ(again.children(1).size(), 0u);
    EXPECT_EQ(again.children(2).size(), 1u);
    EXPECT_EQ(again.value("podstpdkxx"), "K10+2");
    ASSERT_EQ(again.linked(1).size(), 2u);

    // An ability's formula with the same owner id is not the trade's.
    f.insert("formuly", {"id", "id_nad", "typ_nad"}, {"f9", "t1", "ZDOLNOSC"});
    ASSERT_TRUE(RowEditor(*f.db, catalogue::trade(), "t1", EditorMode::Delete).remove().ok());
    EXPECT_EQ(f.rows("formuly"), 1);
    EXPECT_EQ(f.rows("formulybrone"), 0);
    EXPECT_EQ(f.rows("zawodumiej") + f.rows("zawodrasa") + f.rows("zawod"), 0);
}

TEST(TradeEditor, AFailingFormulaDeleteLeavesTheTradeWhole) {
    RulesFixture f;
    f.insert("zawod", {"id", "nazwa"}, {"t1", "Kowal"});
    f.insert("zawodumiej", {"idzawod", "idumiej", "typ"}, {"t1", "u1", "ZAWOD1"});
    f.insert("formuly", {"id", "id_nad", "typ_nad"}, {"f1", "t1", "ZAWOD1"});
    f.insert("formuly", {"id", "id_nad", "typ_nad"}, {"f2", "t1", "ZAWOD3"});
    f.insert("formulybrone", {"idgrupybroni", "idformuly"}, {"g1", "f2"});
    ASSERT_TRUE(f.db->exec("CREATE TRIGGER keep BEFORE DELETE ON formulybrone "
                           "BEGIN SELECT RAISE(ABORT,'zablokowane'); END;")
                    .ok());
    const auto before = rowCounts(f);
    EXPECT_FALSE(RowEditor(*f.db, catalogue::trade(), "t1", EditorMode::Delete).remove().ok());
    EXPECT_EQ(rowCounts(f), before);
}

TEST(ProfessionEditor, SavesEveryLinkInOrderAndReloadsIt) {
    RulesFixture f;
    f.insert("profesje", {"id", "nazwa"}, {"p2", "Kapłan"});
    RowEditor prof(*f.db, catalogue::profession(), "p1", EditorMode::New);
    ASSERT_TRUE(prof.load().ok());
    ASSERT_FALSE(prof.setValue("nazwa", "Wojownik"));
    ASSERT_FALSE(prof.setValue("zyw", "K10"));
    ASSERT_FALSE(prof.setValue("zw_podst", "T"));
    prof.link(0, {"p2", "Kapłan"});         // profprof: id=p1, idpfor=p2
    prof.link(1, {"p3", "Mag"});            // profprof: id=p3, idpfor=p1
    prof.link(2, {"r1", "Ludzie", {"10"}}); // profrasa
    prof.link(3, {"t-1", "", {"1", "Giermek"}});
    prof.link(3, {"t-2", "", {"5", "Rycerz"}});
    prof.link(4, {"u1", "Szermierka", {"1"}});
    prof.link(4, {"u1", "Szermierka", {"3"}});
    prof.link(5, {"w1", "Próba", {"2"}});
    prof.link(6, {"090809003300186145251489319234", "chaotyczny / dobry"});
    prof.link(7, {"k1", "Szlachta"});
    f.record();
    ASSERT_EQ(prof.save(f.port), RowEditor::SaveResult::Saved);
    f.stopRecording();
    std::vector<std::string> tables;
    for (const std::string& s : f.recorded("DELETE"))
        tables.push_back(s.substr(12, s.find(" WHERE") - 12) +
                         s.substr(s.find(" WHERE") + 7, s.find('=') - s.find(" WHERE") - 7));
    EXPECT_EQ(tables, (std::vector<std::string>{
                          "profesjeid", "profprofid", "profprofidpfor", "profrasaid", "tytulyid",
                          "profumiejid", "profwymaganiaid", "profcharakterid", "profklasyid"}));
    const auto once = rowCounts(f);
    ASSERT_EQ(prof.save(f.port), RowEditor::SaveResult::Saved);
    EXPECT_EQ(rowCounts(f), once);
    EXPECT_EQ(f.rows("profprof", "id='p1' AND idpfor='p2'"), 1);
    EXPECT_EQ(f.rows("profprof", "id='p3' AND idpfor='p1'"), 1);
    EXPECT_EQ(f.rows("profumiej", "id='p1'"), 2);

    RowEditor again(*f.db, catalogue::profession(), "p1", EditorMode::Edit);
    ASSERT_TRUE(again.load().ok());
    EXPECT_EQ(again.value("zw_podst"), "T");
    EXPECT_EQ(again.linked(0)[0].name, "Kapłan");
    EXPECT_EQ(again.linked(1)[0].id, "p3");
    EXPECT_EQ(again.linked(2)[0].values, std::vector<std::string>{"10"});
    ASSERT_EQ(again.linked(3).size(), 2u);
    EXPECT_EQ(again.linked(3)[1].values, (std::vector<std::string>{"5", "Rycerz"}));
    EXPECT_EQ(again.linked(3)[1].name, "5 Rycerz");
    EXPECT_EQ(again.linked(4).size(), 2u);
    EXPECT_EQ(again.fields().size(), 52u);
    // Professions are not deleted from the program.
    EXPECT_FALSE(again.remove().ok());
    EXPECT_EQ(f.rows("profesje", "id='p1'"), 1);
}

TEST(OwningEditors, EverySampleRowOpensWithoutAComplaint) {
    RulesFixture f;
    ASSERT_TRUE(loadSampleRules(*f.db).ok());
    for (const EditorDef* def :
         {&catalogue::race(), &catalogue::stage(), &catalogue::skill(), &catalogue::trade(),
          &catalogue::profession(), &catalogue::naturalWeapon(), &catalogue::stageBodyPart()}) {
        std::vector<std::string> ids;
        ASSERT_TRUE(f.db->exec("SELECT id FROM " + def->table + ";",
                               [&](const Row& row) { ids.push_back(row.text(0)); })
                        .ok());
        EXPECT_FALSE(ids.empty()) << def->table;
        for (const std::string& id : ids) {
            RowEditor editor(*f.db, *def, id, EditorMode::Edit);
            ASSERT_TRUE(editor.load().ok());
            for (const Field& field : editor.fields())
                EXPECT_FALSE(editor.problem(field.column))
                    << def->table << " " << id << " " << field.column << "="
                    << editor.value(field.column);
        }
    }
}

} // namespace
} // namespace tallar::editors
