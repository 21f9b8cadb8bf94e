#include "model/Character.h"
#include "rules/engine/CRdzenBron.h"
#include "rules/engine/CRdzenStadium.h"
#include "support/WizardFixture.h"
#include "ui/wizard/CWizard7Dialog.h"
#include "ui/wizard/CWizard8Dialog.h"
#include "ui/wizard/CWizard9Dialog.h"
#include "wizard/CWizard1.h"

#include <QApplication>
#include <QListWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace tallar {
namespace {

// A grown human, made by page 1 and the race-stage step, so that it has body parts.
struct EquipmentDialogs : ::testing::Test, test::SampleWorkspace {
    CIstota hero{characters()};
    DiceGenerator generator{3};

    EquipmentDialogs() {
        CWizard1 origin(rules(), characters(), hero, DiceRolls{false, &port, &generator}, port);
        origin.open();
        origin.setPlayer("Ala");
        origin.setName("Borin");
        origin.chooseStage(test::kHumanAdult);
        origin.chooseAlignment(origin.alignments().front().id);
        origin.setRollText("42");
        EXPECT_TRUE(origin.finish());
        CRdzenStadium stage(context());
        stage.RollRandomParts();
        stage.AgeStep();
        hero.RecalculateCharacter();
    }
    EngineContext context() {
        return {.rules = rules(), .character = hero, .port = port, .generator = &generator};
    }
    // With TALLAR_SCREENSHOTS set, the dialog as a person sees it is written there.
    static void picture(QWidget& dialog, const char* name) {
        dialog.show();
        QApplication::processEvents();
        if (const char* dir = std::getenv("TALLAR_SCREENSHOTS"))
            dialog.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
    }
};

TEST_F(EquipmentDialogs, TheArmourTreeTicksOneArmourAndShowsItsProtection) {
    CWizard7 page(context());
    page.open();
    ui::CWizard7Dialog dialog(page);
    QTreeWidget* tree = dialog.armourTree();
    ASSERT_EQ(tree->topLevelItemCount(), 4); // a grown human may wear every sample armour
    QTreeWidgetItem* first = tree->topLevelItem(0);
    QTreeWidgetItem* second = tree->topLevelItem(1);
    first->child(0)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(first->checkState(0), Qt::Checked);
    EXPECT_EQ(first->child(first->childCount() - 1)->checkState(0), Qt::Checked);
    // Another armour is refused: its box goes back.
    second->setCheckState(0, Qt::Checked);
    EXPECT_EQ(second->checkState(0), Qt::Unchecked);
    EXPECT_EQ(page.tickedArmour(), std::optional<std::size_t>(0));

    tree->setCurrentItem(first);
    EXPECT_GT(dialog.propertyList()->topLevelItemCount(), 5);
    EXPECT_GT(dialog.protectionList()->topLevelItemCount(), 0);
    tree->expandAll();
    picture(dialog, "wizard-armour");
}

TEST_F(EquipmentDialogs, TheShieldListTicksOneShield) {
    CWizard8 page(context());
    page.open();
    ui::CWizard8Dialog dialog(page);
    QTreeWidget* list = dialog.shieldTree();
    ASSERT_EQ(list->topLevelItemCount(), 5);
    list->topLevelItem(3)->setCheckState(0, Qt::Checked);
    list->topLevelItem(1)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(list->topLevelItem(1)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(page.tickedShield(), std::optional<std::size_t>(3));
    list->setCurrentItem(list->topLevelItem(3));
    EXPECT_GT(dialog.propertyList()->topLevelItemCount(), 5);
    picture(dialog, "wizard-shield");
    dialog.accept();
    EXPECT_EQ(hero.link(kLinkEkwipunek)->FindByKind(kinds::equipment::kCarried)->size(), 1u);
}

TEST_F(EquipmentDialogs, ThePlacementPagePlacesTheSelectedItem) {
    CWizard7 armour(context());
    armour.open();
    ASSERT_TRUE(armour.setTicked({.armour = 0, .element = {}}, true));
    armour.finish();
    CWizard8 shield(context());
    shield.open();
    ASSERT_TRUE(shield.setTicked(2, true)); // Tarcza okrągła
    shield.finish();

    CWizard9 page(context());
    page.LoadPlacements();
    ui::CWizard9Dialog dialog(page);
    // The armour, the shield, and the human's fist once for each hand.
    ASSERT_EQ(dialog.itemList()->count(), 4);
    EXPECT_EQ(dialog.itemList()->item(1)->text(), QString::fromUtf8("Tarcza okrągła"));
    dialog.itemList()->setCurrentRow(1);
    QListWidget* places = dialog.placeList();
    ASSERT_GE(places->count(), 2);
    EXPECT_EQ(places->item(0)->text(), QString::fromUtf8("Prawa ręka"));
    places->item(1)->setCheckState(Qt::Checked);
    // Placed, the shield is offered its place alone, ticked, and shown as held.
    ASSERT_EQ(places->count(), 1);
    EXPECT_EQ(places->item(0)->checkState(), Qt::Checked);
    EXPECT_GT(dialog.placedTree()->topLevelItemCount(), 0);
    picture(dialog, "wizard-placement");
    dialog.accept();
    EXPECT_EQ(hero.link(kLinkWalka)->FindByKind(kinds::top::kCombatShields)->size(), 1u);
}

TEST_F(EquipmentDialogs, AWeaponPlacedInAHandShowsItsStatistics) {
    CRdzenStadium(context()).RacialProficiencies(); // swords: 5
    ASSERT_NE(CRdzenBron(context()).AddWeaponEntry("100000000000000000000702000001"), nullptr);
    CWizard9 page(context());
    page.LoadPlacements();
    ui::CWizard9Dialog dialog(page);
    // The short sword, and the fist once for each hand.
    ASSERT_EQ(dialog.itemList()->count(), 3);
    EXPECT_EQ(dialog.itemList()->item(0)->text(), QString::fromUtf8("Miecz krótki"));
    dialog.itemList()->setCurrentRow(0);
    QListWidget* places = dialog.placeList();
    ASSERT_EQ(places->count(), 2);
    EXPECT_EQ(dialog.placedTree()->topLevelItemCount(), 0); // held nowhere yet
    places->item(0)->setCheckState(Qt::Checked);
    ASSERT_EQ(dialog.placedTree()->topLevelItemCount(), 1);
    EXPECT_GT(dialog.placedTree()->topLevelItem(0)->childCount(), 0);
    picture(dialog, "wizard-placement-weapon");
    dialog.accept();
    const CPoz& held = *hero.link(kLinkWalka)->FindByKind(kinds::top::kCombatWeapons);
    ASSERT_EQ(held.size(), 1u);
    EXPECT_EQ(held.children().front()->info, "Miecz krótki");
}

} // namespace
} // namespace tallar
