#include "editors/RowList.h"
#include "editors/DeletePreview.h"
#include "editors/ListDef.h"
#include "editors/RowEditor.h"
#include "support/RulesFixture.h"

#include <gtest/gtest.h>

namespace tallar::editors {
namespace {

using test::RulesFixture;

// Remembers what the buttons asked for.
struct RecordingActions : ListActions {
    std::vector<std::string> added, edited, removed;
    void add(const std::string& id) override { added.push_back(id); }
    void edit(const std::string& id) override { edited.push_back(id); }
    void remove(const std::string& id) override { removed.push_back(id); }
};

const char* kShieldList = "select id,nazwa 'Nazwa          ' from tarcza order by nazwa desc";

TEST(RowList, ColumnsComeFromTheAliasesAndTheIdentifierIsLastAndHidden) {
    RulesFixture f;
    f.insert("klasyspoleczne", {"id", "nazwa", "rzutod", "rzutdo"}, {"k1", "Chłopi", "1", "50"});
    RowList list(*f.db, "Lista klas społecznych",
                 "SELECT id,nazwa'Nazwa   ',rzutod 'od' ,rzutdo 'do' FROM klasyspoleczne ORDER BY "
                 "rzutod DESC,klasa DESC,rzutdo DESC,nazwa DESC;",
                 false);
    ASSERT_TRUE(list.refresh(f.port).ok());
    const auto& columns = list.contents().columns();
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0].heading, "Nazwa   ");
    EXPECT_EQ(columns[0].width, 8 * 15);
    EXPECT_EQ(columns[1].heading, "od");
    EXPECT_EQ(columns[1].width, 30);
    EXPECT_EQ(columns[3].heading, "id");
    EXPECT_EQ(columns[3].width, 0);
    ASSERT_EQ(list.contents().items().size(), 1u);
    EXPECT_EQ(list.contents().items()[0], (std::vector<std::string>{"Chłopi", "1", "50", "k1"}));

    // Polish letters count once per character: "Ułomność" is 8 characters wide.
    f.insert("zdolnosci", {"id", "typ", "nazwa", "od"}, {"u1", "ULOMNOSC", "Ślepota", "1"});
    RowList abilities(
        *f.db, "Ułomności",
        "select id,nazwa 'Ułomność',od,do from zdolnosci where typ='ULOMNOSC' order by od desc;",
        false);
    ASSERT_TRUE(abilities.refresh(f.port).ok());
    EXPECT_EQ(abilities.contents().columns()[0].width, 120);
}

TEST(RowList, DescendingQueryShowsAscendingAndAnEmptyResultKeepsTheColumns) {
    RulesFixture f;
    for (const char* name : {"Puklerz", "Awaryjna", "Mała"})
        f.insert("tarcza", {"id", "nazwa"}, {std::string("id-") + name, name});
    RowList list(*f.db, "Lista tarcz", kShieldList, false);
    ASSERT_TRUE(list.refresh(f.port).ok());
    std::vector<std::string> shown;
    for (const auto& item : list.contents().items())
        shown.push_back(item[0]);
    EXPECT_EQ(shown, (std::vector<std::string>{"Awaryjna", "Mała", "Puklerz"}));
    EXPECT_EQ(list.contents().columns()[0].width, 225);

    ASSERT_TRUE(f.db->exec("DELETE FROM tarcza;").ok());
    ASSERT_TRUE(list.refresh(f.port).ok());
    EXPECT_TRUE(list.contents().items().empty());
    ASSERT_EQ(list.contents().columns().size(), 2u);
    EXPECT_EQ(list.contents().columns()[0].heading, "Nazwa          ");
}

TEST(RowList, AFailingQueryIsShownUnderTheApplicationTitleAndLogged) {
    RulesFixture f;
    RowList list(*f.db, "Zła lista", "select id,nazwa from nie_ma_takiej", false);
    EXPECT_FALSE(list.refresh(f.port).ok());
    ASSERT_EQ(f.port.errors().size(), 1u);
    EXPECT_EQ(f.port.errors()[0].caption, "Tallar2");
    EXPECT_NE(f.port.errors()[0].text.find("nie_ma_takiej"), std::string::npos);
    EXPECT_NE(f.errors.str().find("SQL error: "), std::string::npos);
}

TEST(RowList, SingleSelectionActsOnTheSelectedRowOnly) {
    RulesFixture f;
    for (const char* name : {"A", "B", "C"})
        f.insert("tarcza", {"id", "nazwa"}, {std::string("id") + name, name});
    RowList list(*f.db, "Lista tarcz", kShieldList, false);
    ASSERT_TRUE(list.refresh(f.port).ok());
    RecordingActions actions;

    list.editClicked(actions, f.port, {0, 2}, -1); // ticks mean nothing without check boxes
    EXPECT_TRUE(actions.edited.empty());
    list.editClicked(actions, f.port, {}, 1);
    EXPECT_EQ(actions.edited, (std::vector<std::string>{"idB"}));
    list.openSelected(actions, f.port, 2);
    EXPECT_EQ(actions.edited.back(), "idC");
    list.removeClicked(actions, f.port, {}, 0);
    EXPECT_EQ(actions.removed, (std::vector<std::string>{"idA"}));

    list.addClicked(actions, f.port);
    ASSERT_EQ(actions.added.size(), 1u);
    EXPECT_EQ(actions.added[0].size(), 30u);
}

// Deletes through the shield editor's cascade, as the list's "Usuń" does.
struct DeletingActions : ListActions {
    Database& db;
    int deletes = 0;
    explicit DeletingActions(Database& database) : db(database) {}
    void remove(const std::string& id) override {
        ++deletes;
        EXPECT_TRUE(deleteCascade(db, catalogue::shield(), id).ok());
    }
};

TEST(RowList, MultiSelectionActsOnEveryTickedRowThenRefreshesOnce) {
    RulesFixture f;
    for (const char* name : {"A", "B", "C", "D"})
        f.insert("tarcza", {"id", "nazwa"}, {std::string("id") + name, name});
    RowList list(*f.db, "Lista tarcz", kShieldList, true);
    ASSERT_TRUE(list.refresh(f.port).ok());

    RecordingActions recording;
    list.editClicked(recording, f.port, {1, 3}, 0); // the selection mark does not count
    EXPECT_EQ(recording.edited, (std::vector<std::string>{"idB", "idD"}));
    list.openSelected(recording, f.port, 0); // Enter edits the selected row even so
    EXPECT_EQ(recording.edited.back(), "idA");

    DeletingActions deleting(*f.db);
    f.record();
    list.removeClicked(deleting, f.port, {0, 2}, -1);
    f.stopRecording();
    EXPECT_EQ(deleting.deletes, 2);
    EXPECT_EQ(f.rows("tarcza"), 2);
    ASSERT_EQ(list.contents().items().size(), 2u);
    EXPECT_EQ(list.contents().items()[0][0], "B");
    EXPECT_EQ(f.recorded("select id,nazwa").size(), 1u);
}

// "Usuń" asks first, naming the row and the rows that go with it; "Nie" keeps everything.
struct PreviewingActions : DeletingActions {
    using DeletingActions::DeletingActions;
    Status previewRemoval(const std::string& id, DeletePreview& preview) override {
        return RowEditor(db, catalogue::shield(), id, EditorMode::Delete).previewRemoval(preview);
    }
};

TEST(RowList, UsunAsksFirstAndNieKeepsTheRow) {
    RulesFixture f;
    f.insert("tarcza", {"id", "nazwa"}, {"t1", "Puklerz"});
    f.insert("tarcza", {"id", "nazwa"}, {"t2", "Pawęż"});
    RowList list(*f.db, lists::shields());
    ASSERT_TRUE(list.refresh(f.port).ok());
    PreviewingActions actions(*f.db);

    f.port.queueYesNo(false);
    list.removeClicked(actions, f.port, {}, 1); // Puklerz, shown after Pawęż
    ASSERT_EQ(f.port.questions().size(), 1u);
    EXPECT_EQ(f.port.questions()[0], "Czy usunąć „Puklerz”?");
    EXPECT_EQ(actions.deletes, 0);
    EXPECT_EQ(f.rows("tarcza"), 2);

    list.removeClicked(actions, f.port, {}, 1); // the default answer: Tak
    EXPECT_EQ(actions.deletes, 1);
    EXPECT_EQ(f.rows("tarcza", "id='t1'"), 0);
}

// After an editor closes, the row it added or edited is the one to select; a new row that
// was not saved is not in the list, so nothing is.
TEST(RowList, TheAddedOrEditedRowIsSelectedAfterwards) {
    RulesFixture f;
    for (const char* name : {"A", "B", "C"})
        f.insert("tarcza", {"id", "nazwa"}, {std::string("id") + name, name});
    RowList list(*f.db, lists::shields());
    ASSERT_TRUE(list.refresh(f.port).ok());
    struct SavingActions : ListActions {
        RulesFixture& f;
        bool save = true;
        explicit SavingActions(RulesFixture& fixture) : f(fixture) {}
        void add(const std::string& id) override {
            if (save)
                f.insert("tarcza", {"id", "nazwa"}, {id, "AA"});
        }
    } actions(f);
    list.editClicked(actions, f.port, {}, 2);
    EXPECT_EQ(list.itemToSelect(), 2);
    list.addClicked(actions, f.port);
    EXPECT_EQ(list.itemToSelect(), 1); // "AA" between "A" and "B"
    actions.save = false;
    list.addClicked(actions, f.port);
    EXPECT_EQ(list.itemToSelect(), -1);
}

// The character list heads its columns in words, and names a character by its name.
TEST(RowList, TheCharacterListHeadingsAndName) {
    test::TestDatabase characters;
    ASSERT_TRUE(characters.db->exec("CREATE TABLE istoty (id,imie,rasa,prof,gracz);").ok());
    ASSERT_TRUE(characters.db
                    ->exec("INSERT INTO istoty VALUES ('c1','Borin','Krasnolud','Wojownik','Ala');")
                    .ok());
    NonInteractiveUserPort port(nullptr);
    RowList list(*characters.db, lists::characters());
    ASSERT_TRUE(list.refresh(port).ok());
    std::vector<std::string> headings;
    for (const auto& column : list.contents().columns())
        headings.push_back(column.heading);
    EXPECT_EQ(headings, (std::vector<std::string>{"Gracz", "Rasa", "Profesje", "Imię", "id"}));
    RecordingActions actions;
    EXPECT_EQ(list.removalQuestion(actions, 0), "Czy usunąć „Borin”?");
}

TEST(RowList, ScrollPositionIsTheLastVisibleItemOrTheOldCount) {
    EXPECT_EQ(itemToKeepVisible(100, 40, 20), 59);
    EXPECT_EQ(itemToKeepVisible(50, 40, 20), 50);
    EXPECT_EQ(itemToKeepVisible(0, 0, 20), 0);
}

} // namespace
} // namespace tallar::editors
