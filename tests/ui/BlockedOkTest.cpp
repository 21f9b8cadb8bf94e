#include "model/Character.h"
#include "support/RulesFixture.h"
#include "support/WizardFixture.h"
#include "ui/DiceEntryDialog.h"
#include "ui/StatusLine.h"
#include "ui/editors/RulesEditors.h"
#include "ui/wizard/CWizard1Dialog.h"
#include "ui/wizard/CWizard2Dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace tallar {
namespace {

// Shows a window and makes it the active one, so that the focus can be checked.
void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::processEvents();
}

void pressEnter(QWidget& window) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &window,
                            &press);
    QApplication::processEvents();
}

void typeInto(QLineEdit* line, const QString& text) {
    line->setFocus();
    line->setText(text);
    emit line->textEdited(text);
}

TEST(BlockedEditor, EnterWithAnEmptyRequiredFieldNamesItAndGoesThere) {
    test::RulesFixture r;
    ui::CEdycjaEkwipunek editor(*r.db, "e1", editors::EditorMode::New, nullptr);
    showActive(editor);
    auto* weight = qobject_cast<QLineEdit*>(editor.control("waga"));
    ASSERT_NE(weight, nullptr);
    typeInto(qobject_cast<QLineEdit*>(editor.control("nazwa")), QStringLiteral("Lina"));

    pressEnter(editor);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.statusLine()->text(), QStringLiteral("Waga: to pole musi być wypełnione."));
    EXPECT_TRUE(weight->hasFocus());
    EXPECT_EQ(r.rows("ekwipunek"), 0);

    typeInto(weight, QStringLiteral("2"));
    EXPECT_TRUE(editor.statusLine()->text().isEmpty());
    pressEnter(editor);
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(r.rows("ekwipunek"), 1);
}

TEST(BlockedEditor, AFieldOnAnotherPageIsBroughtIntoView) {
    test::RulesFixture r;
    ui::CStadium stage(*r.db, "s1", editors::EditorMode::New, nullptr, {{"idrasa", "r1"}});
    showActive(stage);
    auto* tabs = stage.findChild<QTabWidget*>(QStringLiteral("pages"));
    ASSERT_NE(tabs, nullptr);
    auto* name = qobject_cast<QLineEdit*>(stage.control("nazwa"));
    typeInto(name, QStringLiteral("Młody"));
    // A malformed expression on the second page, then the first page shown.
    auto* resistance = qobject_cast<QLineEdit*>(stage.control("odp8_wartosc"));
    ASSERT_NE(resistance, nullptr);
    typeInto(resistance, QStringLiteral("K"));
    tabs->setCurrentIndex(0);

    stage.saveClicked();
    EXPECT_TRUE(stage.isVisible());
    EXPECT_TRUE(stage.statusLine()->text().contains(QStringLiteral("Niepoprawne wyrażenie")))
        << stage.statusLine()->text().toStdString();
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(resistance->hasFocus());
    EXPECT_EQ(r.rows("stadia"), 0);
}

TEST(BlockedEditor, ACharacterWindows1250CannotHoldIsRefusedAtTheField) {
    test::RulesFixture r;
    ui::CEdycjaEkwipunek editor(*r.db, "e1", editors::EditorMode::New, nullptr);
    showActive(editor);
    auto* name = qobject_cast<QLineEdit*>(editor.control("nazwa"));
    typeInto(name, QStringLiteral("Lina"));
    name->setCursorPosition(4);
    editor.control("waga")->setFocus(); // the refusal brings the focus back
    name->insert(QStringLiteral("☃"));  // typed as a person types: textEdited follows
    EXPECT_EQ(name->text(), QStringLiteral("Lina"));
    // Typing goes on where it was, nothing selected to be overwritten.
    EXPECT_EQ(name->cursorPosition(), 4);
    EXPECT_FALSE(name->hasSelectedText());
    EXPECT_EQ(editor.editor().value("nazwa"), "Lina");
    EXPECT_TRUE(editor.statusLine()->text().startsWith(QStringLiteral("Nazwa: Znaku „☃”")))
        << editor.statusLine()->text().toStdString();
    EXPECT_TRUE(name->hasFocus());
    EXPECT_TRUE(r.port.errors().empty());
}

TEST(BlockedEditor, ALinkValueThatCannotBeSavedKeepsItsDialogOpen) {
    ui::LinkValueDialog dialog(nullptr, "EDYCJA", "Miecze",
                               {{"bonus", "Bonus", editors::ValueKind::Number}}, {"abc"});
    showActive(dialog);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.findChild<ui::StatusLine*>()->text(),
              QStringLiteral("Bonus: W tym polu można wpisać tylko liczbę."));
    auto* bonus = dialog.findChild<QLineEdit*>(QStringLiteral("bonus"));
    EXPECT_TRUE(bonus->hasFocus());
    bonus->setText(QStringLiteral("2"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

struct BlockedOrigin : ::testing::Test, test::SampleWorkspace {
    CIstota hero{characters()};
    CWizard1 page{rules(), characters(), hero, DiceRolls{false, &port, nullptr}, port};
    std::unique_ptr<ui::CWizard1Dialog> dialog;

    BlockedOrigin() {
        page.open();
        dialog = std::make_unique<ui::CWizard1Dialog>(page);
    }
};

TEST_F(BlockedOrigin, DalejWithRedFieldsNamesTheFirstAndGoesThere) {
    showActive(*dialog);
    dialog->playerField()->setEditText(QStringLiteral("Ala"));
    dialog->nextButton()->click();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->statusLine()->text(), QStringLiteral("Imię: wpisz imię bohatera."));
    EXPECT_TRUE(dialog->nameField()->hasFocus());

    // Filling the name moves the reason on to the next missing field.
    dialog->nameField()->setText(QStringLiteral("Borin"));
    EXPECT_EQ(dialog->statusLine()->text(), QStringLiteral("Rasa: wybierz rasę."));
    // Every red field says why in its tooltip; a white one has none.
    EXPECT_EQ(dialog->rollField()->toolTip(),
              QStringLiteral("Klasa społeczna: rzuć k100 albo wpisz rzut."));
    EXPECT_TRUE(dialog->nameField()->toolTip().isEmpty());
    dialog->stageField()->setCurrentIndex(
        dialog->stageField()->findData(QString::fromUtf8(test::kYoungDwarf)));
    dialog->alignmentField()->setCurrentIndex(1);
    dialog->rollField()->setText(QStringLiteral("101"));
    EXPECT_EQ(dialog->rollField()->toolTip(),
              QStringLiteral(
                  "Klasa społeczna: rzutowi 101 nie odpowiada żadna klasa społeczna tej rasy."));
    dialog->nextButton()->click();
    EXPECT_TRUE(dialog->rollField()->hasFocus());
    dialog->rollField()->setText(QStringLiteral("42"));
    EXPECT_TRUE(dialog->statusLine()->text().isEmpty());
    dialog->nextButton()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(BlockedOrigin, ANameWindows1250CannotHoldIsRefusedAtTheField) {
    showActive(*dialog);
    dialog->nameField()->setText(QStringLiteral("Borin"));
    dialog->nameField()->setFocus();
    dialog->nameField()->insert(QStringLiteral("雷"));
    EXPECT_EQ(dialog->nameField()->text(), QStringLiteral("Borin"));
    EXPECT_EQ(page.name(), "Borin");
    EXPECT_EQ(dialog->statusLine()->text(),
              QStringLiteral("Imię: Znak „雷” (U+96F7) nie może być zapisany w kodowaniu "
                             "Windows-1250."));
    dialog->playerField()->setEditText(QStringLiteral("Ala ñ"));
    EXPECT_TRUE(page.player().empty());
    EXPECT_TRUE(dialog->statusLine()->text().startsWith(QStringLiteral("Gracz: Znak „ñ”")));
}

TEST(BlockedBirthplace, DalejWithoutAPlaceSaysWhy) {
    test::SampleWorkspace w;
    CIstota hero(w.characters());
    CWizard2 page(w.rules(), hero, w.port);
    ui::CWizard2Dialog dialog(page);
    showActive(dialog);
    dialog.rollField()->setText(QStringLiteral("0"));
    dialog.nextButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(
        dialog.statusLine()->text(),
        QStringLiteral("Miejsce urodzenia: rzutowi 0 nie odpowiada żadne miejsce urodzenia."));
    EXPECT_EQ(dialog.rollField()->toolTip(), dialog.statusLine()->text());
    EXPECT_TRUE(dialog.rollField()->hasFocus());
}

TEST(BlockedDiceEntry, ARefusedEntrySaysWhichFacesTheDieHas) {
    ui::CKxxAsk dialog(5, QStringLiteral("Wiek K5"));
    showActive(dialog);
    dialog.entryField()->setText(QStringLiteral("11"));
    const QString why = QStringLiteral("Wpisz wynik rzutu K10: liczbę od 1 do 10.");
    EXPECT_EQ(dialog.statusLine()->text(), why);
    EXPECT_EQ(dialog.entryField()->toolTip(), why);
    EXPECT_EQ(dialog.okButton()->toolTip(), why);
    dialog.entryField()->setText(QStringLiteral("7"));
    EXPECT_TRUE(dialog.statusLine()->text().isEmpty());
    EXPECT_TRUE(dialog.entryField()->toolTip().isEmpty());
}

} // namespace
} // namespace tallar
