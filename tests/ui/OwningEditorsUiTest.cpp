#include "Answer.h"
#include "base/NonInteractiveUserPort.h"
#include "store/db/Schema.h"
#include "support/RulesFixture.h"
#include "ui/editors/RulesEditors.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

namespace tallar {
namespace {

struct Rules : test::RulesFixture {
    void exec(const std::string& sql) { ASSERT_TRUE(db->exec(sql).ok()) << sql; }
};

QStringList tabsOf(const QWidget& dialog) {
    QStringList names;
    if (auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("pages")))
        for (int i = 0; i < tabs->count(); ++i)
            names << tabs->tabText(i);
    return names;
}

// The stage editor opened from the race (a modal window over it) saves the stage at once;
// the race's list of stages shows the new name as soon as it closes.
TEST(OwningEditorWindows, AStageEditedFromTheRaceShowsThereAtOnce) {
    Rules r;
    r.exec("INSERT INTO rasy (id,nazwa) VALUES ('r1','Elf');");
    r.exec("INSERT INTO stadia (id,idrasa,nazwa,od) VALUES ('s1','r1','Młody','10');");
    ui::CRasa race(*r.db, "r1", editors::EditorMode::Edit, nullptr);
    ASSERT_EQ(race.childView(0)->count(), 1);
    EXPECT_EQ(race.childView(0)->item(0)->text(), QStringLiteral("Młody (od 10)"));

    QTimer::singleShot(0, [] {
        auto* stage = qobject_cast<ui::EditorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(stage, nullptr);
        EXPECT_EQ(stage->objectName(), QStringLiteral("CStadium"));
        auto* name = qobject_cast<QLineEdit*>(stage->control("nazwa"));
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("Dorosły"));
        emit name->textEdited(name->text());
        stage->saveClicked();
    });
    race.editChild(0, 0);
    ASSERT_EQ(race.childView(0)->count(), 1);
    EXPECT_EQ(race.childView(0)->item(0)->text(), QStringLiteral("Dorosły (od 10)"));
}

// The stage editor saves at once, but "Anuluj" on the race undoes it: the race editor with
// what its stage editors saved is one unit of work.
TEST(OwningEditorWindows, CancellingTheRaceLeavesAnEditedStageAsItWas) {
    Rules r;
    r.exec("INSERT INTO rasy (id,nazwa) VALUES ('r1','Elf');");
    r.exec("INSERT INTO stadia (id,idrasa,nazwa,od,zyw_wartosc) VALUES "
           "('s1','r1','Młody','10','2K10');");
    {
        ui::CRasa race(*r.db, "r1", editors::EditorMode::Edit, nullptr);
        QTimer::singleShot(0, [] {
            auto* stage = qobject_cast<ui::EditorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(stage, nullptr);
            auto* life = qobject_cast<QLineEdit*>(stage->control("zyw_wartosc"));
            ASSERT_NE(life, nullptr);
            life->setText(QStringLiteral("3K10"));
            emit life->textEdited(life->text());
            stage->saveClicked();
        });
        race.editChild(0, 0);
        EXPECT_EQ(test::selectValue(*r.db, "SELECT zyw_wartosc FROM stadia;"), "3K10"); // saved...
        race.reject();
    }
    EXPECT_EQ(test::selectValue(*r.db, "SELECT zyw_wartosc FROM stadia;"), "2K10"); // ...and undone
    EXPECT_EQ(r.count("SELECT count(*) FROM stadia;"), 1);
}

TEST(OwningEditorWindows, PagesAndSectionsAreWhereTheyBelong) {
    Rules r;
    r.exec("INSERT INTO rasy (id,nazwa) VALUES ('r1','Elf');");
    r.exec("INSERT INTO stadia (id,idrasa,nazwa,zyw_wartosc) VALUES ('s1','r1','Młody','2K');");
    r.exec("INSERT INTO stadiumbronie (id,idstadium,nazwa) VALUES ('b1','s1','Pięść');");
    ui::CStadium stage(*r.db, "s1", editors::EditorMode::Edit, nullptr, {{"idrasa", "r1"}});
    EXPECT_EQ(tabsOf(stage), (QStringList{"Współczynniki", "Odporności", "Inne"}));
    for (const char* page : {"CStadiumWsp", "CStadiumOdp", "CStadiumInne"})
        EXPECT_NE(stage.findChild<QWidget*>(QString::fromLatin1(page)), nullptr) << page;
    // A malformed dice expression is shown red as it stands.
    auto* life = stage.findChild<QLineEdit*>(QStringLiteral("zyw_wartosc"));
    ASSERT_NE(life, nullptr);
    EXPECT_TRUE(life->styleSheet().contains(QStringLiteral("255, 0, 0")));
    ASSERT_NE(stage.ownedView(0), nullptr);
    EXPECT_EQ(stage.ownedView(0)->count(), 1);
    EXPECT_EQ(stage.ownedView(0)->item(0)->text(), QStringLiteral("Pięść"));

    ui::CRasa race(*r.db, "r1", editors::EditorMode::Edit, nullptr);
    ASSERT_NE(race.childView(0), nullptr);
    EXPECT_EQ(race.childView(0)->item(0)->text(), QStringLiteral("Młody"));

    ui::CEdycjaZawod trade(*r.db, "t1", editors::EditorMode::New, nullptr);
    EXPECT_EQ(tabsOf(trade),
              (QStringList{"Ogólne", "Stopnie", "Opis", "Rasy i umiejętności", "Formuły"}));
    ui::CZdolnosc skill(*r.db, "u1", editors::EditorMode::New, nullptr);
    EXPECT_EQ(tabsOf(skill), (QStringList{"Ogólne", "Zasady"}));
    EXPECT_NE(skill.findChild<QWidget*>(QStringLiteral("CZdolnoscZ2")), nullptr);
    EXPECT_NE(trade.findChild<QWidget*>(QStringLiteral("CEdycjaZawodZ5")), nullptr);
}

TEST(OwningEditorWindows, AHeldRowIsCheckedAndHandedBackNotWritten) {
    Rules r;
    const editors::RowValues held{{"id", "b1"}, {"nazwa", "Pięść"}, {"ataki", "1"}};
    ui::EditorDialog form(*r.db, editors::catalogue::naturalWeapon(), "b1",
                          editors::EditorMode::Edit, nullptr, {{"idstadium", "s1"}}, &held);
    auto* attacks = form.findChild<QLineEdit*>(QStringLiteral("ataki"));
    ASSERT_NE(attacks, nullptr);
    EXPECT_EQ(attacks->text(), QStringLiteral("1"));
    // A natural weapon needs a name; without one the form stays open and says nothing.
    auto* name = form.findChild<QLineEdit*>(QStringLiteral("nazwa"));
    ASSERT_NE(name, nullptr);
    name->clear();
    emit name->textEdited(QString());
    form.saveClicked();
    EXPECT_NE(form.result(), QDialog::Accepted);
    name->setText(QStringLiteral("Pięść"));
    emit name->textEdited(name->text());
    attacks->setText(QStringLiteral("2"));
    emit attacks->textEdited(attacks->text());
    form.saveClicked();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.editor().values().at("ataki"), "2");
    EXPECT_EQ(r.count("SELECT count(*) FROM stadiumbronie;"), 0);
}

TEST(OwningEditorWindows, TheListsOfRacesAndProfessions) {
    Rules r;
    r.exec("INSERT INTO rasy (id,nazwa,rodzaj,kryterium) VALUES ('r1','Elf','E','a'),"
           "('r2','Człowiek','C','b');");
    ui::CRasy races(nullptr, *r.db);
    races.show();
    QApplication::processEvents();
    EXPECT_EQ(races.windowTitle(), QStringLiteral("Rasy"));
    ASSERT_EQ(races.shownCount(), 2);
    EXPECT_EQ(races.view()->model()->headerData(0, Qt::Horizontal).toString().trimmed(),
              QStringLiteral("Rasa"));
    EXPECT_EQ(races.shownText(0, 0), QStringLiteral("Człowiek"));
    races.selectShown(1);
    test::answerNextQuestion(true);
    races.deleteClicked();
    EXPECT_EQ(r.count("SELECT count(*) FROM rasy;"), 1);

    r.exec("INSERT INTO profesje (id,nazwa,kasta) VALUES ('p1','Wojownik','W');");
    ui::CProfesjeLista professions(nullptr, *r.db);
    professions.show();
    QApplication::processEvents();
    EXPECT_EQ(professions.windowTitle(), QStringLiteral("Profesje"));
    EXPECT_EQ(professions.addButton()->text(), QStringLiteral("Nowa profesja"));
    EXPECT_EQ(professions.editButton()->text(), QStringLiteral("Edycja profesji"));
    EXPECT_EQ(professions.deleteButton()->text(), QStringLiteral("Wyjscie"));
    professions.selectShown(0);
    professions.deleteButton()->click();
    EXPECT_FALSE(professions.isVisible());
    EXPECT_EQ(r.count("SELECT count(*) FROM profesje;"), 1);
}

} // namespace
} // namespace tallar
