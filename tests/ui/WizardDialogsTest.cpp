#include "Answer.h"
#include "app/MainWindow.h"
#include "base/NonInteractiveUserPort.h"
#include "output/CharacterFile.h"
#include "rules/data/SampleRules.h"
#include "store/CharacterStore.h"
#include "support/TestDatabase.h"
#include "support/WizardFixture.h"
#include "ui/wizard/CListaIstot.h"
#include "ui/wizard/CWizard1Dialog.h"
#include "ui/wizard/CWizard2Dialog.h"
#include "wizard/CIstotaWizard.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace tallar {
namespace {

bool isRed(QWidget* field) {
    return field->palette().color(QPalette::Base) == QColor(255, 0, 0);
}

struct OriginDialog : ::testing::Test, test::SampleWorkspace {
    CIstota hero{characters()};
    CWizard1 page{rules(), characters(), hero, DiceRolls{false, &port, nullptr}, port};
    std::unique_ptr<ui::CWizard1Dialog> dialog;

    OriginDialog() {
        page.open();
        dialog = std::make_unique<ui::CWizard1Dialog>(page);
    }
};

TEST_F(OriginDialog, RequiredFieldsAreRedUntilFilledAndDalejWaitsForThem) {
    for (QWidget* field : std::initializer_list<QWidget*>{
             dialog->playerField(), dialog->nameField(), dialog->stageField(),
             dialog->alignmentField(), dialog->rollField()})
        EXPECT_TRUE(isRed(field)) << field->metaObject()->className();

    dialog->playerField()->setEditText("Ala");
    EXPECT_FALSE(isRed(dialog->playerField()));
    dialog->stageField()->setCurrentIndex(
        dialog->stageField()->findData(QString::fromUtf8(test::kYoungDwarf)));
    EXPECT_EQ(page.stageId(), test::kYoungDwarf);
    ASSERT_GT(dialog->alignmentField()->count(), 1);
    dialog->alignmentField()->setCurrentIndex(1);
    EXPECT_FALSE(isRed(dialog->alignmentField()));
    EXPECT_EQ(dialog->stageField()->currentData().toString().toStdString(), test::kYoungDwarf);

    dialog->rollField()->setText("42");
    EXPECT_EQ(dialog->classField()->text(), QString::fromUtf8("Włóczędzy"));
    EXPECT_FALSE(isRed(dialog->rollField()));
    EXPECT_EQ(dialog->professionList()->topLevelItemCount(),
              static_cast<int>(page.professions().size()));

    dialog->show();
    dialog->nextButton()->click(); // the name is still empty
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(isRed(dialog->nameField()));
    EXPECT_TRUE(hero.imie.empty());

    dialog->nameField()->setText("Borin");
    dialog->nextButton()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(hero.imie, "Borin");
    EXPECT_EQ(hero.rasa, "Krasnolud [Młody krasnolud]");
}

TEST_F(OriginDialog, TheRollButtonWritesThreeDigits) {
    dialog->rollButton()->click();
    EXPECT_EQ(dialog->rollField()->text().size(), 3);
    EXPECT_EQ(dialog->rollField()->text().toStdString(), page.rollText());
}

TEST(BirthplaceDialog, TheRollShowsThePlace) {
    test::SampleWorkspace w;
    CIstota hero(w.characters());
    CWizard2 page(w.rules(), hero, w.port);
    ui::CWizard2Dialog dialog(page);
    EXPECT_TRUE(isRed(dialog.rollField()));
    dialog.rollField()->setText("41");
    EXPECT_EQ(dialog.placeField()->text(), QStringLiteral("Klasztor"));
    EXPECT_FALSE(isRed(dialog.rollField()));
    dialog.nextButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(page.placeId(), test::kMonastery);
}

TEST(CharacterList, ListsDeletesAndImportsCharacters) {
    test::SampleWorkspace w;
    CIstota hero(w.characters());
    hero.SetGracz("Ala");
    hero.SetImie("Borin");
    ASSERT_TRUE(SaveCharacter(hero).ok());
    const std::string file = (w.dir.path() / "borin.xml").string();
    ASSERT_TRUE(ExportCharacter(w.characters(), hero.id(), file, w.port).ok());

    ui::CListaIstot list(nullptr, *w.workspace);
    list.show(); // the title and the first rows come with showing
    EXPECT_EQ(list.windowTitle(), QStringLiteral("Lista bohaterów"));
    ASSERT_EQ(list.shownCount(), 1);
    EXPECT_EQ(list.shownText(0, 0), QStringLiteral("Ala"));

    // "Usuń" asks, naming the character and its entries: the root row, 41 top-level and 12
    // nested entries, 54.
    list.selectShown(0);
    QString asked;
    test::answerNextQuestion(true, &asked);
    list.deleteClicked();
    EXPECT_EQ(asked.toStdString(), std::string("Czy usunąć „Borin”?\n\n"
                                               "Razem z nim zostaną usunięte 54 zależne wiersze."));
    EXPECT_EQ(list.shownCount(), 0);
    EXPECT_EQ(w.count(w.characters(), "SELECT count(*) FROM istoty"), 0);

    list.importPath(QString()); // the open dialog cancelled: nothing imported
    EXPECT_EQ(list.shownCount(), 0);
    list.importPath(QString::fromStdString(file));
    ASSERT_EQ(list.shownCount(), 1);
    EXPECT_EQ(list.shownText(0, 3), QStringLiteral("Borin"));
}

TEST(CharacterList, DodajWithoutARaceSaysSoAndOffersTheSampleRules) {
    test::TempDir dir;
    NonInteractiveUserPort quiet(nullptr);
    auto workspace = test::openWorkspace(dir.str(), quiet);
    ASSERT_TRUE(workspace);
    ui::CListaIstot list(nullptr, *workspace);
    list.show();

    QString asked;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = box->text();
            box->button(QMessageBox::No)->click(); // "Nie": nothing is loaded or made
        }
    });
    list.addClicked();
    EXPECT_EQ(asked, QString::fromUtf8(kNoRaceQuestion));
    EXPECT_FALSE(rulesHaveRace(workspace->rules()));
    EXPECT_EQ(list.shownCount(), 0);
}

TEST(CharacterList, TheMainWindowButtonIsActive) {
    test::SampleWorkspace w;
    app::MainWindow window(std::move(w.workspace));
    EXPECT_TRUE(window.button(1005)->isEnabled());
}

} // namespace
} // namespace tallar
