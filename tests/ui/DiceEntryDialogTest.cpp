#include "ui/DiceEntryDialog.h"
#include "store/CharacterStore.h"
#include "support/TreeDump.h"
#include "support/WeaponsPageScript.h"
#include "support/WizardFixture.h"
#include "ui/PickRowsDialog.h"
#include "ui/QtUserPort.h"
#include "wizard/AskedThrows.h"
#include "wizard/CIstotaWizard.h"
#include "wizard/CWizard1.h"
#include "wizard/CWizard2.h"
#include "wizard/CWizard3.h"
#include "wizard/CWizard4.h"
#include "wizard/CWizardZawod.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace tallar {
namespace {

using ui::CKxxAsk;
using ui::CWizardKxx;

QColor entryColour(const ui::DiceEntryDialog& dialog) {
    return dialog.entryField()->palette().color(QPalette::Base);
}

TEST(CKxxAsk, K5IsEnteredOnATenAndValidatedInColour) {
    CKxxAsk dialog(5, QStringLiteral("Wiek K5"));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Wiek K5"));
    EXPECT_EQ(dialog.rollButton()->text(), QStringLiteral("K10"));
    EXPECT_EQ(entryColour(dialog), QColor(255, 0, 0)); // empty

    for (const char* refused : {"0", "11"}) {
        dialog.entryField()->setText(QString::fromLatin1(refused));
        EXPECT_EQ(entryColour(dialog), QColor(255, 0, 0)) << refused;
        EXPECT_FALSE(dialog.okButton()->isEnabled()) << refused;
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible()) << refused;
    }

    dialog.entryField()->setText(QStringLiteral("7"));
    EXPECT_EQ(entryColour(dialog), QColor(255, 255, 255));
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    dialog.okButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.QDialog::result(), QDialog::Accepted);
    EXPECT_EQ(dialog.result(), 4);
}

TEST(CKxxAsk, CannotBeCancelled) {
    CKxxAsk dialog(6, QStringLiteral("Rzut K6"));
    dialog.show();
    dialog.reject();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.rollButton()->text(), QStringLiteral("K6"));
}

TEST(CKxxAsk, RollWritesThePaddedThrowAndActsAsOk) {
    CKxxAsk dialog(100, QStringLiteral("Rzut K100"));
    dialog.setRollPause(0);
    dialog.show();
    bool accepted = false;
    QObject::connect(&dialog, &QDialog::accepted, [&accepted] { accepted = true; });
    dialog.rollButton()->click();
    EXPECT_EQ(dialog.entryField()->text().size(), 3);
    EXPECT_TRUE(dialog.entryField()->isReadOnly());
    EXPECT_FALSE(accepted); // not before the pause
    QElapsedTimer waited;
    waited.start();
    while (!accepted && waited.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(dialog.result(), dialog.entryField()->text().toInt());
    EXPECT_GE(dialog.result(), 1);
    EXPECT_LE(dialog.result(), 100);
}

TEST(QtUserPort, AsksADieThroughTheDiceEntry) {
    ui::QtUserPort port;
    QString title;
    QTimer::singleShot(0, [&title] {
        auto* dialog = qobject_cast<CKxxAsk*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->reject(); // refused: the throw must be entered
        dialog->entryField()->setText(QStringLiteral("7"));
        dialog->okButton()->click();
    });
    EXPECT_EQ(port.askDie(5, "Wzrost K5 1 z 2"), 4);
    EXPECT_EQ(title, QStringLiteral("Wzrost K5 1 z 2"));
}

// Within a character's run the dialog says which throw this is, lists the throws so far
// and explains a die entered through a larger one.
TEST(CKxxAsk, SaysWhichThrowThisIsAndWhatCameBefore) {
    AskedThrows throws;
    throws.record("Wzrost K100", 100, 45);
    throws.record("Waga K100", 100, 7);
    CKxxAsk dialog(5, QStringLiteral("Majątek K5"), nullptr, &throws);
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("throwNumber"))->text(),
              QStringLiteral("Rzut nr 3 tego bohatera."));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("explanation"))->text(),
              QStringLiteral("K5: wpisz wynik rzutu K10, zostanie podzielony przez 2"));
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("1. Wzrost K100: 45")));
    EXPECT_TRUE(texts.contains(QStringLiteral("2. Waga K100: 7")));
    // 9 on the K10 gives 5 on the K5 (9 / 2 rounded up).
    dialog.entryField()->setText(QStringLiteral("9"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("gives"))->text(),
              QStringLiteral("→ K5: 5"));
    ASSERT_NE(dialog.throwTheRestButton(), nullptr);
    EXPECT_EQ(dialog.throwTheRestButton()->text(), QStringLiteral("Rzucaj dalej automatycznie"));

    // A die entered as it is needs no explanation; outside a run there is no such button.
    CKxxAsk plain(6, QStringLiteral("K6"));
    EXPECT_EQ(plain.findChild<QLabel*>(QStringLiteral("explanation")), nullptr);
    EXPECT_EQ(plain.throwTheRestButton(), nullptr);
}

// Pages filled as a person would fill them, the throws asked in dice dialogs.
struct ChosenPages : WizardPages {
    const AskedThrows* throws = nullptr;
    bool showOrigin(CWizard1& page) override {
        page.setPlayer("Ala");
        page.setName("Borin");
        page.chooseStage(test::kHumanAdult);
        page.chooseAlignment(page.alignments().front().id);
        page.setRollText("42");
        return page.finish();
    }
    bool showBirthplace(CWizard2& page) override {
        page.setRollText("41");
        return page.finish();
    }
    // Every throw after the first dialog is the program's, the trade rolls too.
    bool showTradeRoll(CWizardZawod&) override {
        ADD_FAILURE() << "a trade roll asked after the throws were left to the program";
        return false;
    }
    bool showProfessions(CWizard3& page) override {
        if (page.offered(0).empty())
            return false;
        page.choose(0, page.offered(0).front().id);
        page.setLevelText(0, "2");
        return page.finish();
    }
    // Once the throws are left to the program no ability is looked up through a dialog.
    bool showAbility(CWizard4Ulomnosc&) override {
        ADD_FAILURE() << "an ability dialog after the throws were left to the program";
        return false;
    }
    // Nothing worn, held or carried.
    bool showArmour(CWizard7&) override { return true; }
    bool showShield(CWizard8&) override { return true; }
    bool showPlacement(CWizard9&) override { return true; }
    bool showWeapons(CWizard6& page) override { return test::finishWeaponsPage(page, true); }
    void showCharacter(CIstota&) override {}
    bool throwsLeftToTheProgram() const override { return throws && throws->automatic(); }
};

// The first dice dialog's "Rzucaj dalej automatycznie" leaves that and every later throw
// to the program: no dialog follows, and the character is saved whole, the very character
// the same generator makes when nothing is asked.
TEST(CKxxAsk, ThrowingTheRestAutomaticallyCompletesTheCharacter) {
    test::SampleWorkspace w;
    const auto make = [&w](bool asked, int* dialogs) {
        ui::QtUserPort port;
        ChosenPages pages;
        pages.throws = &port.askedThrows();
        DiceGenerator generator(11);
        CIstotaWizard wizard(w.characters(), w.rules(), "", WizardMode::New, port, pages,
                             &generator);
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [asked, dialogs] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) // "Czy automatycznie…?"
                box->button(asked ? QMessageBox::No : QMessageBox::Yes)->click();
            else if (auto* dice = qobject_cast<CKxxAsk*>(modal); dice && dice->isVisible()) {
                ++*dialogs;
                dice->throwTheRestButton()->click();
            } else if (auto* pick = qobject_cast<ui::PickRowsDialog*>(modal);
                       pick && pick->isVisible()) {
                // An extra trade, a training or a borrowed skill is the person's choice,
                // not a throw: OK with no row chosen takes none in either run.
                pick->accept();
            }
        });
        watcher.start(5);
        EXPECT_EQ(wizard.Run(), 1);
        Result<LoadedCharacter> loaded = LoadCharacter(w.characters(), wizard.characterId());
        EXPECT_TRUE(loaded.ok()) << loaded.message();
        return loaded ? test::dumpTree(*loaded->character) : std::string();
    };
    int dialogs = 0;
    const std::string asked = make(true, &dialogs);
    EXPECT_EQ(dialogs, 1);
    int none = 0;
    EXPECT_EQ(asked, make(false, &none));
    EXPECT_EQ(none, 0);
    EXPECT_NE(asked.find("Wzrost"), std::string::npos);
}

class TradeLookUp : public CWizardKxx {
public:
    using CWizardKxx::CWizardKxx;
    mutable std::vector<int> asked;

protected:
    QString lookUp(int entered) const override {
        asked.push_back(entered);
        return entered > 50 ? QStringLiteral("Kowal") : QStringLiteral("Rybak");
    }
};

TEST(CWizardKxx, LooksUpEveryEntryAndCanBeCancelled) {
    TradeLookUp dialog(20, QStringLiteral("Zawód - klasa: Chłopi"), QStringLiteral("Zawód:"));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Zawód - klasa: Chłopi"));
    EXPECT_EQ(dialog.rollButton()->text(), QStringLiteral("K100"));
    EXPECT_TRUE(dialog.resultField()->isReadOnly());

    dialog.entryField()->setText(QStringLiteral("73"));
    EXPECT_EQ(dialog.resultField()->text(), QStringLiteral("Kowal"));
    EXPECT_EQ(dialog.asked.back(), 73);
    dialog.entryField()->setText(QStringLiteral("12"));
    EXPECT_EQ(dialog.resultField()->text(), QStringLiteral("Rybak"));

    dialog.okButton()->click();
    EXPECT_EQ(dialog.QDialog::result(), QDialog::Accepted);
    EXPECT_EQ(dialog.result(), 3); // 12 on a K100 is 3 on a K20

    TradeLookUp cancelled(100, QStringLiteral("Zawód"), QStringLiteral("Zawód:"));
    cancelled.show();
    cancelled.reject();
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(cancelled.QDialog::result(), QDialog::Rejected);
}

} // namespace
} // namespace tallar
