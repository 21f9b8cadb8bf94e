#include "ui/editors/RulesEditors.h"
#include "Answer.h"
#include "base/NonInteractiveUserPort.h"
#include "store/db/Schema.h"
#include "support/RulesFixture.h"
#include "ui/editors/CListaWybor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
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

// A list whose buttons only record what they were asked to do.
class RecordingList : public ui::CLista {
public:
    using CLista::CLista;
    std::vector<std::string> edited, deleted;

protected:
    void Edit(const std::string& id) override { edited.push_back(id); }
    void Delete(const std::string& id) override {
        deleted.push_back(id);
        ui::CEdycjaTarczy editor(database(), id, editors::EditorMode::Delete, this);
        editor.remove();
    }
};

QStringList shownColumn(const ui::CLista& list, int column) {
    QStringList texts;
    for (int i = 0; i < list.shownCount(); ++i)
        texts << list.shownText(i, column);
    return texts;
}

TEST(RulesListWindow, ShowsTheRowsAndActsOnTheSelectionOrTheTicks) {
    Rules r;
    r.exec("INSERT INTO tarcza (id,nazwa) VALUES ('t1','Puklerz'),('t2','Duża'),('t3','Mała');");
    const char* query = "select id,nazwa 'Nazwa          ' from tarcza order by nazwa desc";

    RecordingList single(nullptr, *r.db, "Lista tarcz", query, false);
    single.show();
    QApplication::processEvents();
    EXPECT_EQ(single.windowTitle(), QStringLiteral("Lista tarcz"));
    QTreeView* view = single.view();
    ASSERT_EQ(view->model()->columnCount(), 2);
    EXPECT_TRUE(view->isColumnHidden(1)); // the identifier
    EXPECT_GE(view->columnWidth(0), 225); // at least 15 pixels a character of the alias
    EXPECT_EQ(shownColumn(single, 0), (QStringList{"Duża", "Mała", "Puklerz"}));
    EXPECT_FALSE(view->model()->index(0, 0).data(Qt::CheckStateRole).isValid()); // no box

    single.editButton()->click(); // nothing selected: nothing happens
    EXPECT_TRUE(single.edited.empty());
    single.selectShown(1);
    single.editButton()->click();
    EXPECT_EQ(single.edited, (std::vector<std::string>{"t3"}));

    RecordingList multi(nullptr, *r.db, "Lista tarcz", query, true);
    multi.show();
    QApplication::processEvents();
    ASSERT_EQ(multi.shownCount(), 3);
    multi.setShownChecked(0, true);
    multi.setShownChecked(2, true);
    // Each ticked row is asked about before it goes.
    test::QuestionAnswerer yes(true);
    multi.deleteButton()->click();
    EXPECT_EQ(yes.asked, (QStringList{"Czy usunąć „Duża”?", "Czy usunąć „Puklerz”?"}));
    EXPECT_EQ(multi.deleted, (std::vector<std::string>{"t2", "t1"}));
    EXPECT_EQ(shownColumn(multi, 0), (QStringList{"Mała"}));
}

TEST(RulesPickList, WeaponGroupsOfferOnlyTheUnlinkedAndPickWithWybor) {
    Rules r;
    r.exec("INSERT INTO grupybroni VALUES ('g1','Miecze'),('g2','Topory'),('g3','Łuki');");
    ui::CEdycjaWymagan editor(*r.db, "w1", editors::EditorMode::New, nullptr);
    editor.editor().link(0, {"g2", "Topory"});

    ui::CListaWybor pick(&editor, *r.db, editor.editor().def().links[0].pick,
                         editor.editor().pickQuery(0));
    pick.show();
    QApplication::processEvents();
    EXPECT_EQ(pick.windowTitle(), QStringLiteral("Lista grup broni"));
    EXPECT_EQ(pick.addButton()->text(), QStringLiteral("Wybór"));
    EXPECT_FALSE(pick.editButton()->isVisible());
    EXPECT_FALSE(pick.deleteButton()->isVisible());
    EXPECT_EQ(shownColumn(pick, 0), (QStringList{"Miecze", "Łuki"}));
    pick.setShownChecked(1, true);
    pick.addButton()->click();
    EXPECT_EQ(pick.result(), QDialog::Accepted);
    ASSERT_EQ(pick.picked().size(), 1u);
    EXPECT_EQ(pick.picked()[0].id, "g3");
    EXPECT_EQ(pick.picked()[0].name, "Łuki");

    editor.linkRows(0, pick.picked());
    EXPECT_EQ(editor.editor().linked(0).size(), 2u);
}

TEST(RulesEditorWindow, BuildsItsFormFromTheDescriptionAndSaves) {
    Rules r;
    ui::CEdycjaKlasaSpoleczna editor(*r.db, "k1", editors::EditorMode::New, nullptr);
    editor.show();
    QApplication::processEvents();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Klasa społeczna - nowa"));

    auto* name = qobject_cast<QLineEdit*>(editor.control("nazwa"));
    auto* from = qobject_cast<QLineEdit*>(editor.control("rzutod"));
    auto* wealth = qobject_cast<QLineEdit*>(editor.control("majatek"));
    ASSERT_TRUE(name && from && wealth);
    ASSERT_NE(from->validator(), nullptr);
    int position = 0;
    QString letters = QStringLiteral("abc");
    EXPECT_EQ(from->validator()->validate(letters, position), QValidator::Invalid);

    name->setText(QStringLiteral("Szlachta"));
    emit name->textEdited(name->text());
    from->setText(QStringLiteral("90"));
    emit from->textEdited(from->text());
    wealth->setText(QStringLiteral("2K"));
    emit wealth->textEdited(wealth->text());
    EXPECT_TRUE(wealth->styleSheet().contains(QStringLiteral("255, 0, 0")));
    wealth->setText(QStringLiteral("2K100*10"));
    emit wealth->textEdited(wealth->text());
    EXPECT_TRUE(wealth->styleSheet().isEmpty());

    editor.saveClicked();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(
        test::selectValue(*r.db, "SELECT nazwa||'/'||rzutod||'/'||majatek FROM klasyspoleczne;"),
        "Szlachta/90/2K100*10");

    // Opened to edit, it shows what was saved.
    ui::CEdycjaKlasaSpoleczna again(*r.db, "k1", editors::EditorMode::Edit, nullptr);
    EXPECT_EQ(again.windowTitle(), QStringLiteral("Klasa społeczna - edycja"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(again.control("nazwa"))->text(), QStringLiteral("Szlachta"));
}

TEST(RulesEditorWindow, WeaponPagesFlagsAndDeleteWithoutShowing) {
    Rules r;
    r.exec("INSERT INTO grupybroni VALUES ('g1','Miecze');");
    r.exec("INSERT INTO bronie (id,nazwa,idgrupy,szarza) VALUES ('b1','Kopia','g1','T');");
    {
        ui::CBronEdycja editor(*r.db, "b1", editors::EditorMode::Edit, nullptr);
        auto* tabs = editor.findChild<QTabWidget*>();
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(tabs->count(), 4);
        EXPECT_TRUE(qobject_cast<QCheckBox*>(editor.control("szarza"))->isChecked());
        auto* group = qobject_cast<QComboBox*>(editor.control("idgrupy"));
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->currentText(), QStringLiteral("Miecze"));
    }
    ui::CBronEdycja remover(*r.db, "b1", editors::EditorMode::Delete, nullptr);
    EXPECT_EQ(remover.windowTitle(), QStringLiteral("Broń - usunięcie"));
    EXPECT_TRUE(remover.remove());
    EXPECT_FALSE(remover.isVisible());
    EXPECT_EQ(r.count("SELECT count(*) FROM bronie;"), 0);
}

// A flag is a check box that writes "T" or "N"; a number field takes a decimal comma and
// stores a point.
TEST(RulesEditorWindow, CheckBoxesWriteTOrNAndNumbersTakeACommaAndStoreAPoint) {
    Rules r;
    ui::CEdycjaTarczy shield(*r.db, "t1", editors::EditorMode::New, nullptr);
    auto* metal = qobject_cast<QCheckBox*>(shield.control("metal"));
    auto* spikes = qobject_cast<QCheckBox*>(shield.control("szpikulce"));
    auto* weight = qobject_cast<QLineEdit*>(shield.control("waga"));
    auto* name = qobject_cast<QLineEdit*>(shield.control("nazwa"));
    ASSERT_TRUE(metal && spikes && weight && name);
    metal->setChecked(true);
    spikes->setChecked(true);
    spikes->setChecked(false);
    name->setText(QStringLiteral("Puklerz"));
    emit name->textEdited(name->text());
    weight->setText(QStringLiteral("2,5"));
    emit weight->textEdited(weight->text());
    EXPECT_TRUE(weight->styleSheet().isEmpty()); // a comma is no mistake
    shield.saveClicked();
    ASSERT_EQ(shield.result(), QDialog::Accepted);
    EXPECT_EQ(test::selectValue(*r.db, "SELECT metal||szpikulce||'|'||waga FROM tarcza;"),
              "TN|2.5");

    // A skill's flags are check boxes too, and a trade's class offers the classes in use.
    r.exec("INSERT INTO klasyspoleczne (id,nazwa,klasa) VALUES ('k1','Chłopi','WIEJSKA');");
    ui::CZdolnosc skill(*r.db, "u1", editors::EditorMode::New, nullptr);
    EXPECT_NE(qobject_cast<QCheckBox*>(skill.control("zapozyczenie")), nullptr);
    ui::CEdycjaZawod trade(*r.db, "z1", editors::EditorMode::New, nullptr);
    auto* tradeClass = qobject_cast<QComboBox*>(trade.control("klasa"));
    ASSERT_NE(tradeClass, nullptr);
    EXPECT_TRUE(tradeClass->isEditable());
    EXPECT_GE(tradeClass->findText(QStringLiteral("WIEJSKA")), 0);
}

TEST(RulesEditorWindow, AbilityListsItsFormulas) {
    Rules r;
    r.exec("INSERT INTO zdolnosci (id,typ,nazwa) VALUES ('z1','ULOMNOSC','Kulawość');");
    r.exec("INSERT INTO formuly (id,id_nad,typ_nad,typ1,znak1,typ2) VALUES "
           "('f1','z1','ULOMNOSC','2','*','ZR'),('f2','z9','ULOMNOSC','1',NULL,NULL);");
    ui::CUlomnoscEdycja editor(*r.db, "z1", editors::EditorMode::Edit, nullptr);
    editor.show();
    QApplication::processEvents();
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Ulomnosc - Edycja"));
    ASSERT_NE(editor.formulas(), nullptr);
    EXPECT_EQ(shownColumn(*editor.formulas(), 0), (QStringList{"2*ZR"}));
}

TEST(RulesEditorWindow, CancellingANewAbilityTakesItsFormulas) {
    Rules r;
    {
        ui::CZdolnoscNadnaturalnaEdycja fresh(*r.db, "z1", editors::EditorMode::New, nullptr);
        EXPECT_EQ(fresh.windowTitle(), QStringLiteral("Zdolność nadnaturalna - Nowa"));
        // As if its formula editor had saved a formula for it.
        r.exec("INSERT INTO formuly (id,id_nad,typ_nad) VALUES ('f1','z1','ZDOLNOSC');");
        fresh.reject();
    }
    EXPECT_EQ(r.count("SELECT count(*) FROM formuly;"), 0);

    r.exec("INSERT INTO zdolnosci (id,typ,nazwa) VALUES ('z2','ZDOLNOSC','Lot');");
    r.exec("INSERT INTO formuly (id,id_nad,typ_nad) VALUES ('f2','z2','ZDOLNOSC');");
    ui::CZdolnoscNadnaturalnaEdycja existing(*r.db, "z2", editors::EditorMode::Edit, nullptr);
    existing.reject();
    EXPECT_EQ(r.count("SELECT count(*) FROM formuly;"), 1);
}

} // namespace
} // namespace tallar
