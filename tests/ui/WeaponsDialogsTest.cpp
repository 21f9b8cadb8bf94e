#include "model/Character.h"
#include "support/WizardFixture.h"
#include "ui/StatusLine.h"
#include "ui/wizard/CWizard6BglDialog.h"
#include "ui/wizard/CWizard6Dialog.h"
#include "wizard/CWizard6.h"
#include "wizard/CWizard6Bgl.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace tallar {
namespace {

using namespace kinds;

bool isRed(QWidget* field) {
    return field->palette().color(QPalette::Base) == QColor(255, 0, 0);
}

QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

struct WeaponsDialog : ::testing::Test, test::SampleWorkspace {
    CIstota hero{characters()};
    DiceGenerator generator{5};
    EngineContext engine{
        .rules = rules(), .character = hero, .port = port, .generator = &generator};

    // One free proficiency, no profession: the one requirement is "Broń podręczna".
    WeaponsDialog() {
        CPoz& free = hero.link(kLinkBieglosci)
                         ->AddChild({.info = "Wolne biegłości", .typ = proficiency::kFree});
        free.AddChild({.info = "Profesja", .typ = proficiency::kFreeFromProfession, .wartosc = 1});
    }
};

TEST_F(WeaponsDialog, TickingInTheTreeFollowsThePageAndOkSaysWhatIsMissing) {
    CWizard6 page(engine);
    page.open();
    ui::CWizard6Dialog dialog(page);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Wybór broni - Wolne biegłości: 1"));
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.statusLine()->text().startsWith(
        QString::fromUtf8("Wymaganie „Broń podręczna” nie jest spełnione")));

    QTreeWidgetItem* dagger = findItem(dialog.weaponTree(), QString::fromUtf8("Sztylet"));
    ASSERT_NE(dagger, nullptr);
    dagger->setCheckState(0, Qt::Checked);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Wybór broni - Wolne biegłości: 0"));
    EXPECT_EQ(dagger->parent()->checkState(0), Qt::Checked);
    QTreeWidgetItem* requirement = dialog.requirementTree()->topLevelItem(0);
    EXPECT_EQ(requirement->checkState(0), Qt::Checked);
    EXPECT_EQ(requirement->text(1), QString::fromUtf8("spełnione"));
    // The status line follows: nothing keeps OK now.
    EXPECT_TRUE(dialog.statusLine()->text().isEmpty());

    // No free proficiency left: the tick of another group's weapon is undone.
    QTreeWidgetItem* sword = findItem(dialog.weaponTree(), QString::fromUtf8("Miecz krótki"));
    sword->setCheckState(0, Qt::Checked);
    EXPECT_EQ(sword->checkState(0), Qt::Unchecked);

    // The selected weapon's properties, label and value.
    dialog.weaponTree()->setCurrentItem(dagger);
    ASSERT_GT(dialog.propertyList()->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.propertyList()->topLevelItem(0)->text(0), QString::fromUtf8("Typ"));
    EXPECT_EQ(dialog.propertyList()->topLevelItem(0)->text(1), QString::fromUtf8("JL"));
    dialog.weaponTree()->setCurrentItem(dagger->parent());
    EXPECT_EQ(dialog.propertyList()->topLevelItemCount(), 0);
}

TEST_F(WeaponsDialog, TheTrainingDialogRollsAndWaitsForValidFields) {
    CPoz& group =
        hero.link(kLinkBieglosci)
            ->AddChild({.info = "Miecze", .specjal = "g1", .typ = proficiency::kProficiency});
    CWizard6Bgl training(engine, group, 3,
                         TrainingRights{.extraRolls = 1, .specialisationOpen = true});
    ui::CWizard6BglDialog dialog(training);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Miecze"));
    EXPECT_EQ(dialog.rollButton()->text(), QString::fromUtf8("Max z 2 rzut.K100"));
    EXPECT_TRUE(isRed(dialog.rollField()));
    EXPECT_TRUE(isRed(dialog.spentField()));
    // It has no cancel: closing it leaves it open.
    dialog.show();
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.statusLine()->text().isEmpty());

    dialog.rollButton()->click();
    EXPECT_EQ(dialog.rollField()->text().size(), 3);
    EXPECT_EQ(dialog.spentField()->text(), QStringLiteral("1"));
    EXPECT_FALSE(isRed(dialog.rollField()));
    EXPECT_FALSE(isRed(dialog.spentField()));
    EXPECT_EQ(dialog.leftField()->text(), QStringLiteral("2"));
    // 3 free, 1 spent: up to SPECJALISTA (2).
    EXPECT_EQ(dialog.specialisationField()->count(), 3);
    dialog.specialisationField()->setCurrentIndex(2);
    EXPECT_EQ(dialog.leftField()->text(), QStringLiteral("0"));
    EXPECT_EQ(dialog.ambidexterityField()->count(), 1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(group.FindByKind(proficiency::kSpecialisation)->info, "SPECJALISTA");
    dialog.close();
}

} // namespace
} // namespace tallar
