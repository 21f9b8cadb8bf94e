#include "model/Character.h"
#include "support/WizardFixture.h"
#include "ui/StatusLine.h"
#include "ui/wizard/CProfesjaAwans.h"
#include "ui/wizard/CWizard3Dialog.h"
#include "ui/wizard/CWizard4UlomnoscDialog.h"
#include "wizard/CWizard1.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace tallar {
namespace {

bool isRed(QWidget* field) {
    return field->palette().color(QPalette::Base) == QColor(255, 0, 0);
}

// A young dwarf peasant of the sample rules, as page 1 leaves it.
struct ProfessionsDialog : ::testing::Test, test::SampleWorkspace {
    CIstota hero{characters()};
    std::unique_ptr<CWizard3> page;
    std::unique_ptr<ui::CWizard3Dialog> dialog;

    ProfessionsDialog() {
        CWizard1 origin(rules(), characters(), hero, DiceRolls{false, &port, nullptr}, port);
        origin.open();
        origin.setPlayer("Ala");
        origin.setName("Borin");
        origin.chooseStage(test::kYoungDwarf);
        origin.chooseAlignment(origin.alignments().front().id);
        origin.setRollText("10"); // Chłopi, whom every profession here may come from
        EXPECT_TRUE(origin.finish());
        page = std::make_unique<CWizard3>(rules(), hero, port);
        page->open();
        dialog = std::make_unique<ui::CWizard3Dialog>(*page);
    }
    int indexOf(std::size_t slot, const char* shown) {
        return dialog->professionField(slot)->findText(QString::fromUtf8(shown));
    }
};

TEST_F(ProfessionsDialog, ListsNarrowAndTheThirdOpensWithSpec) {
    QComboBox* first = dialog->professionField(0);
    // An empty item, then what the page offers.
    EXPECT_EQ(first->count(), static_cast<int>(page->offered(0).size()) + 1);
    EXPECT_EQ(first->itemText(0), QString());
    EXPECT_TRUE(isRed(first));
    EXPECT_FALSE(dialog->professionField(2)->isEnabled());
    EXPECT_FALSE(dialog->levelField(2)->isEnabled());

    first->setCurrentIndex(indexOf(0, "Wojownik"));
    EXPECT_FALSE(isRed(first));
    // The warrior's partners: the priest, the hunter, the thief and the mage (with the
    // dwarf's limit).
    EXPECT_GE(indexOf(1, "Kapłan"), 1);
    EXPECT_GE(indexOf(1, "Mag [limit: 6 poz]"), 1);
    EXPECT_EQ(indexOf(1, "Wojownik"), -1);

    dialog->professionField(1)->setCurrentIndex(indexOf(1, "Kapłan"));
    dialog->levelField(1)->setText(QStringLiteral("2 spec"));
    EXPECT_TRUE(dialog->professionField(2)->isEnabled());
    EXPECT_GE(indexOf(2, "Mag [limit: 6 poz]"), 1);
    dialog->levelField(1)->setText(QStringLiteral("2"));
    EXPECT_FALSE(dialog->professionField(2)->isEnabled());
}

TEST_F(ProfessionsDialog, ABlockedOkSaysWhyAtTheField) {
    dialog->show();
    dialog->activateWindow();
    QApplication::processEvents();
    dialog->okButton()->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->statusLine()->text(), QStringLiteral("Profesja 1: wybierz profesję."));

    // Choosing one clears the reason.
    dialog->professionField(0)->setCurrentIndex(indexOf(0, "Mag [limit: 6 poz]"));
    EXPECT_TRUE(dialog->statusLine()->text().isEmpty());
    dialog->levelField(0)->setText(QStringLiteral("7"));
    EXPECT_TRUE(isRed(dialog->levelField(0)));
    EXPECT_EQ(dialog->levelField(0)->toolTip(),
              QStringLiteral("Poziom 1: profesja Mag ma limit 6 poziomów."));
    dialog->okButton()->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->statusLine()->text(),
              QStringLiteral("Poziom 1: profesja Mag ma limit 6 poziomów."));
    EXPECT_TRUE(dialog->levelField(0)->hasFocus());

    dialog->levelField(0)->setText(QStringLiteral("6"));
    EXPECT_FALSE(isRed(dialog->levelField(0)));
    dialog->okButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const CPoz* mage = hero.link(kLinkProfesje)->FindByKind(kinds::profession::kProfession);
    ASSERT_NE(mage, nullptr);
    EXPECT_EQ(mage->info, "Mag");
    EXPECT_EQ(mage->FindByKind(kinds::profession::kLevel)->wartosc, 6);
}

TEST_F(ProfessionsDialog, TheAbilityDialogShowsWhatTheRollFinds) {
    CWizard4Ulomnosc ability(rules(), hero, CWizard4Ulomnosc::kDisability, port);
    ui::CWizard4UlomnoscDialog found(ability);
    EXPECT_EQ(found.windowTitle(), QStringLiteral("Ułomność"));
    // Empty: white, and OK says why it waits.
    EXPECT_FALSE(isRed(found.rollField()));
    found.show();
    found.okButton()->click();
    EXPECT_TRUE(found.isVisible());
    EXPECT_FALSE(found.statusLine()->text().isEmpty());

    found.rollField()->setText(QStringLiteral("0"));
    EXPECT_TRUE(isRed(found.rollField()));
    found.rollField()->setText(QStringLiteral("50"));
    EXPECT_FALSE(isRed(found.rollField()));
    EXPECT_EQ(found.resultField()->text(), QStringLiteral("Niezdarny")); // 46-60
    found.okButton()->click();
    EXPECT_EQ(found.result(), QDialog::Accepted);
    ASSERT_EQ(hero.link(kLinkUlomnosci)->size(), 1u);

    // The button throws, shows the throw a moment and closes by itself.
    CWizard4Ulomnosc second(rules(), hero, CWizard4Ulomnosc::kAbility, port);
    ui::CWizard4UlomnoscDialog thrown(second);
    EXPECT_EQ(thrown.windowTitle(), QStringLiteral("Zdolność nadnaturalna"));
    thrown.show();
    thrown.rollButton()->click();
    EXPECT_EQ(thrown.rollField()->text().size(), 3);
    EXPECT_FALSE(thrown.resultField()->text().isEmpty());
    QElapsedTimer waited;
    waited.start();
    while (thrown.isVisible() && waited.elapsed() < 3000)
        QApplication::processEvents();
    EXPECT_EQ(thrown.result(), QDialog::Accepted);
    EXPECT_EQ(hero.link(kLinkZdolnosci)->size(), 1u);
}

TEST(LevelAdvancementDialog, ProposesTheLowerBaseResistanceAndReturnsTheChoice) {
    LevelAdvancement level{.profession = "Kapłan (Akolita)", .level = 2};
    level.current[levelField::kBasePsychic] = 5;
    level.current[levelField::kBasePhysical] = 2;
    level.proposal = levelChoice(levelField::kBasePhysical);
    ui::CProfesjaAwans dialog(level);
    EXPECT_TRUE(dialog.choiceButton(levelField::kBasePhysical)->isChecked());
    EXPECT_EQ(dialog.choiceButton(0), nullptr); // Żywotność takes no K10
    EXPECT_EQ(dialog.choice(), "||||||||||||||K10||||||||||");

    dialog.choiceButton(levelField::kResistance1 + 2)->click();
    dialog.show();
    // Closing it keeps the choice: there is no cancel.
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.choice(), levelChoice(levelField::kResistance1 + 2));
}

} // namespace
} // namespace tallar
