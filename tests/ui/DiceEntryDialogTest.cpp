#include "ui/DiceEntryDialog.h"
#include "ui/QtUserPort.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
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
