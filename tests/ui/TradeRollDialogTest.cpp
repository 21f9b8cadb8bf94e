#include "support/WizardFixture.h"
#include "ui/wizard/CWizardZawodDialog.h"
#include "wizard/CWizardZawod.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tallar {
namespace {

constexpr const char* kHuman = "100000000000000000000101000001";

// The towns' trades of the sample rules with a modifier of +10: the result field shows the
// trade of the roll as modified.
TEST(TradeRollDialog, ShowsTheTradeTheEntryGivesAndSetsTheRollOnOk) {
    test::SampleWorkspace w;
    CWizardZawod roll(w.rules(), w.port, "MIEJSKA", kHuman, 10);
    ui::CWizardZawodDialog dialog(roll);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zawód - klasa: MIEJSKA"));
    EXPECT_EQ(dialog.rollButton()->text(), QStringLiteral("K100"));

    const auto shownFor = [&](const char* entered) {
        dialog.entryField()->setText(QString::fromLatin1(entered));
        return dialog.resultField()->text();
    };
    EXPECT_EQ(shownFor("5"), QStringLiteral("Płatnerz"));  // 15: narrower than Kowal
    EXPECT_EQ(shownFor("90"), QStringLiteral("Kupiec"));   // 100, held at 96
    EXPECT_EQ(shownFor("98"), QStringLiteral("Alchemik")); // special, no modifier
    EXPECT_EQ(shownFor("0"), QString());
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_FALSE(roll.roll());

    dialog.entryField()->setText(QStringLiteral("98"));
    dialog.okButton()->click();
    EXPECT_EQ(dialog.QDialog::result(), QDialog::Accepted);
    EXPECT_EQ(roll.roll(), 98);
}

TEST(TradeRollDialog, CancelSetsNoRoll) {
    test::SampleWorkspace w;
    CWizardZawod roll(w.rules(), w.port, "CHŁOPSKA", kHuman, -5);
    ui::CWizardZawodDialog dialog(roll);
    dialog.show();
    dialog.entryField()->setText(QStringLiteral("50"));
    dialog.reject();
    EXPECT_EQ(dialog.QDialog::result(), QDialog::Rejected);
    EXPECT_FALSE(roll.roll());
}

} // namespace
} // namespace tallar
