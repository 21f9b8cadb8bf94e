#include "Answer.h"
#include "editors/ListDef.h"
#include "support/RulesFixture.h"
#include "ui/editors/CLista.h"
#include "ui/editors/ListModel.h"
#include "ui/editors/RulesEditors.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>

#include <gtest/gtest.h>

namespace tallar {
namespace {

struct Rules : test::RulesFixture {
    void exec(const std::string& sql) { ASSERT_TRUE(db->exec(sql).ok()) << sql; }
};

QStringList firstColumn(const ui::CLista& list) {
    QStringList texts;
    for (int i = 0; i < list.shownCount(); ++i)
        texts << list.shownText(i, 0);
    return texts;
}

void clickHeading(ui::CLista& list, int column) {
    emit list.view()->header()->sectionClicked(column);
}

// The database orders the Windows-1250 bytes of the names, so its descending order puts
// "Łoś" and "Żmij" after "Zenek"; a click on the heading orders them as Polish does.
TEST(ListWindow, AHeadingSortsInPolishThenBackwardsThenAsTheListHasThem) {
    Rules r;
    r.exec("INSERT INTO rasy (id,nazwa,rodzaj) VALUES ('r1','Żmij','7'),('r2','Zenek','10'),"
           "('r3','Łoś','100'),('r4','Lis','45'),('r5','Elf','8');");
    ui::CRasy races(nullptr, *r.db);
    races.show();
    QApplication::processEvents();
    const QStringList own = {"Elf", "Lis", "Zenek", "Łoś", "Żmij"};
    EXPECT_EQ(firstColumn(races), own);

    clickHeading(races, 0);
    EXPECT_EQ(firstColumn(races), (QStringList{"Elf", "Lis", "Łoś", "Zenek", "Żmij"}));
    clickHeading(races, 0);
    EXPECT_EQ(firstColumn(races), (QStringList{"Żmij", "Zenek", "Łoś", "Lis", "Elf"}));
    clickHeading(races, 0);
    EXPECT_EQ(firstColumn(races), own);
    // Numbers by value: 7, 8, 10, 45, 100 (as texts 10 and 100 would come first).
    clickHeading(races, 1);
    EXPECT_EQ(firstColumn(races), (QStringList{"Żmij", "Elf", "Zenek", "Lis", "Łoś"}));
}

// The filter keeps the rows holding every word typed; Ctrl+F reaches it, Esc empties it
// before it closes the window, and Enter opens the row the filter left.
TEST(ListWindow, TheFilterNarrowsTheRowsAsOneTypes) {
    Rules r;
    r.exec("INSERT INTO bronie (id,nazwa,idgrupy) VALUES ('b1','Miecz długi','g1'),"
           "('b2','Łuk krótki','g2'),('b3','Miecz krótki','g1'),('b4','Topór','g3');");
    r.exec("INSERT INTO grupybroni (id,nazwa) VALUES ('g1','Miecze'),('g2','Łuki'),"
           "('g3','Topory');");
    ui::CListaTemplate<ui::CBronEdycja> weapons(nullptr, *r.db, editors::lists::weapons());
    weapons.show();
    QApplication::processEvents();
    ASSERT_EQ(weapons.shownCount(), 4);

    QKeyEvent find(QEvent::KeyPress, Qt::Key_F, Qt::ControlModifier);
    QApplication::sendEvent(weapons.view(), &find);
    weapons.filterField()->setText(QStringLiteral("krótki"));
    EXPECT_EQ(firstColumn(weapons), (QStringList{"Miecz krótki", "Łuk krótki"}));
    weapons.filterField()->setText(QStringLiteral("luk krot")); // no accents typed
    EXPECT_EQ(firstColumn(weapons), (QStringList{"Łuk krótki"}));
    EXPECT_EQ(weapons.findChild<QLabel*>(QStringLiteral("shownCount"))->text(),
              QStringLiteral("1 z 4"));
    EXPECT_EQ(weapons.selectedShown(), 0);                    // Enter would open it
    weapons.filterField()->setText(QStringLiteral("miecze")); // the group's column too
    EXPECT_EQ(weapons.shownCount(), 2);

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&weapons, &escape);
    EXPECT_TRUE(weapons.filterField()->text().isEmpty());
    EXPECT_EQ(weapons.shownCount(), 4);
    EXPECT_TRUE(weapons.isVisible());
}

// A list whose editor renames, adds and deletes rows straight in the table.
class RenamingList : public ui::CLista {
public:
    RenamingList(Database& db, const editors::ListDef& def) : CLista(nullptr, db, def), db_(db) {}

protected:
    void Edit(const std::string& id) override {
        ASSERT_TRUE(db_.exec("UPDATE tarcza SET nazwa='Zz' WHERE id=?;", {id}).ok());
    }
    void Delete(const std::string& id) override {
        ASSERT_TRUE(db_.exec("DELETE FROM tarcza WHERE id=?;", {id}).ok());
    }
    void Add(const std::string& id) override {
        ASSERT_TRUE(db_.exec("INSERT INTO tarcza (id,nazwa) VALUES (?,'Bb');", {id}).ok());
    }

private:
    Database& db_;
};

// After the editor closes, the edited or added row is selected wherever it now stands.
TEST(ListWindow, TheEditedOrNewRowStaysSelected) {
    Rules r;
    r.exec("INSERT INTO tarcza (id,nazwa) VALUES ('t1','Aa'),('t2','Cc'),('t3','Dd');");
    RenamingList shields(*r.db, editors::lists::shields());
    shields.show();
    QApplication::processEvents();
    shields.selectShown(0); // "Aa", renamed "Zz": last now
    shields.editClicked();
    EXPECT_EQ(shields.selectedShown(), 2);
    EXPECT_EQ(shields.shownText(2, 0), QStringLiteral("Zz"));
    shields.addClicked(); // "Bb" comes first
    EXPECT_EQ(shields.shownText(shields.selectedShown(), 0), QStringLiteral("Bb"));

    // "Nie" keeps the row selected; "Tak" selects the one below the row that went.
    shields.selectShown(1); // "Cc"
    test::answerNextQuestion(false);
    shields.deleteClicked();
    EXPECT_EQ(shields.shownText(shields.selectedShown(), 0), QStringLiteral("Cc"));
    test::answerNextQuestion(true);
    shields.deleteClicked();
    EXPECT_EQ(shields.shownText(shields.selectedShown(), 0), QStringLiteral("Dd"));
}

// Widths the person set are the widths the list opens with next time.
TEST(ListWindow, ColumnWidthsAreRemembered) {
    Rules r;
    r.exec("INSERT INTO ekwipunek (id,nazwa,waga) VALUES ('e1','Lina','2');");
    {
        ui::CLista first(nullptr, *r.db, editors::lists::equipment());
        first.show();
        QApplication::processEvents();
        // Wide enough for its alias (8 characters, 120 pixels) and its texts.
        EXPECT_GE(first.view()->columnWidth(0), 120);
        first.view()->header()->resizeSection(0, 333);
        first.reject();
    }
    ui::CLista second(nullptr, *r.db, editors::lists::equipment());
    second.show();
    QApplication::processEvents();
    EXPECT_EQ(second.view()->columnWidth(0), 333);
}

} // namespace
} // namespace tallar
