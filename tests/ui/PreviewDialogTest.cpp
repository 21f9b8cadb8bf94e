#include "base/NonInteractiveUserPort.h"
#include "model/Character.h"
#include "model/Kinds.h"
#include "store/CharacterStore.h"
#include "support/LoadedCharacter.h"
#include "support/WizardFixture.h"
#include "ui/SheetPreview.h"
#include "ui/preview/CIstotaPodgladDialog.h"
#include "ui/preview/EntryDialogs.h"
#include "ui/preview/EntryTreeModel.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeView>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace tallar {
namespace {

QStringList actionTexts(const QMenu* menu) {
    QStringList texts;
    if (menu)
        for (const QAction* action : menu->actions())
            texts << action->text();
    return texts;
}

QAction* action(QMenu& menu, const QString& text) {
    for (QAction* candidate : menu.actions())
        if (candidate->text() == text)
            return candidate;
    return nullptr;
}

// A stored character with a rope and a tent carried, shown in the preview.
struct PreviewWindow : ::testing::Test, test::SampleWorkspace {
    std::unique_ptr<CIstota> hero;
    std::unique_ptr<CIstotaPodglad> preview;
    std::unique_ptr<ui::CIstotaPodgladDialog> dialog;

    PreviewWindow() {
        CIstota made(characters());
        made.SetImie("Borin");
        made.SetRasa("Krasnolud");
        made.SetProf("Wojownik(1)");
        CPoz& carried = *made.link(kLinkEkwipunek)->FindByKind(kinds::equipment::kCarried);
        for (auto [name, count, weight] : {std::tuple{"Lina", 2, 1.5}, {"Namiot", 1, 4.0}})
            carried.AddChild({.info = name,
                              .typ = kinds::equipment::kItem,
                              .wartosc = count,
                              .modyfikator = weight});
        made.RebuildLoad();
        EXPECT_TRUE(SaveCharacter(made).ok());
        hero = test::loadCharacter(characters(), made.id());
        if (!hero)
            std::abort(); // the window's tests need the character
        hero->RecalculateCharacter();
        preview = std::make_unique<CIstotaPodglad>(rules(), characters(), *hero, port);
        dialog = std::make_unique<ui::CIstotaPodgladDialog>(*preview, port);
    }

    CPoz& carried() { return *hero->link(kLinkEkwipunek)->FindByKind(kinds::equipment::kCarried); }
    CPoz* carriedItem(std::string_view name) {
        for (CPoz* entry : carried().children())
            if (entry->info == name)
                return entry;
        return nullptr;
    }
    QString shown(const CPoz* entry) {
        return dialog->model()->data(dialog->model()->indexOf(entry)).toString();
    }
    void expand(const CPoz* entry) {
        dialog->tree()->setExpanded(dialog->model()->indexOf(entry), true);
    }
};

TEST_F(PreviewWindow, CaptionTreeAndButtons) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Podgląd — Borin : Krasnolud - Wojownik(1)"));
    EXPECT_EQ(dialog->model()->rowCount(), 41);
    EXPECT_EQ(shown(hero->link(kLinkObciazenie)), QStringLiteral("Obciążenie: 7")); // 3 + 4
    for (const char* text :
         {"Przelicz", "Karta bohatera", "Zapisz statystyki", "Zapisz do pliku", "OK", "Anuluj"})
        EXPECT_NE(dialog->button(QString::fromUtf8(text)), nullptr) << text;
    EXPECT_TRUE(dialog->descriptionBox()->isReadOnly());
}

TEST_F(PreviewWindow, KartaBohateraOpensTheSheetOfThisCharacter) {
    bool shownOverPreview = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* sheet = qobject_cast<ui::SheetPreviewDialog*>(window);
                sheet && sheet->isVisible()) {
                shownOverPreview = sheet->parentWidget() == dialog.get();
                sheet->accept();
            }
    });
    dialog->button(QStringLiteral("Karta bohatera"))->click();
    EXPECT_TRUE(shownOverPreview);
}

TEST_F(PreviewWindow, TheContextMenuOffersWhatTheRulesAllow) {
    EXPECT_EQ(actionTexts(dialog->contextMenu(*carriedItem("Lina")).get()),
              (QStringList{"Modyfikacja", QStringLiteral("Usuń")}));
    EXPECT_EQ(actionTexts(dialog->contextMenu(*hero->link(kLinkWiara)).get()),
              QStringList{"Dodaj"});
    EXPECT_EQ(dialog->contextMenu(*hero->link(kLinkProfesje)), nullptr);
}

TEST_F(PreviewWindow, DeleteThenUndoKeepsExpandedEntriesAndTheSelection) {
    expand(hero->link(kLinkEkwipunek));
    expand(&carried());
    dialog->tree()->setCurrentIndex(dialog->model()->indexOf(carriedItem("Namiot")));
    auto menu = dialog->contextMenu(*carriedItem("Lina"));
    action(*menu, QStringLiteral("Usuń"))->trigger();
    EXPECT_EQ(carriedItem("Lina"), nullptr);
    EXPECT_EQ(shown(hero->link(kLinkObciazenie)), QStringLiteral("Obciążenie: 4"));
    EXPECT_EQ(dialog->undoStack()->undoText(), QStringLiteral("Usunięcie „Lina”"));
    const std::set<std::string> expanded = {hero->link(kLinkEkwipunek)->id(), carried().id()};
    EXPECT_EQ(dialog->expandedIds(), expanded);

    dialog->undoStack()->undo();
    ASSERT_NE(carriedItem("Lina"), nullptr);
    EXPECT_EQ(shown(hero->link(kLinkObciazenie)), QStringLiteral("Obciążenie: 7"));
    EXPECT_EQ(dialog->expandedIds(), expanded);
    EXPECT_EQ(dialog->model()->entryAt(dialog->tree()->currentIndex()), carriedItem("Namiot"));
    EXPECT_EQ(dialog->undoStack()->redoText(), QStringLiteral("Usunięcie „Lina”"));
    dialog->undoStack()->redo();
    EXPECT_EQ(carriedItem("Lina"), nullptr);
}

TEST_F(PreviewWindow, UndoAndRedoHaveTheirKeys) {
    QStringList shortcuts;
    for (const QAction* a : dialog->actions())
        for (const QKeySequence& key : a->shortcuts())
            shortcuts << key.toString();
    EXPECT_TRUE(shortcuts.contains(QStringLiteral("Ctrl+Z")));
    EXPECT_TRUE(shortcuts.contains(QStringLiteral("Ctrl+Shift+Z")));
}

TEST_F(PreviewWindow, ModificationThroughTheItemDialog) {
    dialog->setDialogRunner([](QDialog& opened) {
        auto& items = dynamic_cast<ui::CPozEkwipunek&>(opened);
        EXPECT_EQ(items.unitWeight()->text(), QStringLiteral("4.00"));
        items.count()->setText(QStringLiteral("2"));
        items.accept();
        return opened.result() == QDialog::Accepted;
    });
    auto menu = dialog->contextMenu(*carriedItem("Namiot"));
    action(*menu, QStringLiteral("Modyfikacja"))->trigger();
    EXPECT_EQ(carriedItem("Namiot")->wartosc, 2);
    EXPECT_EQ(shown(hero->link(kLinkObciazenie)), QStringLiteral("Obciążenie: 11")); // 3 + 2 × 4
}

TEST_F(PreviewWindow, ABlockedOkSaysWhy) {
    MoneyForm money;
    ui::CPozKasa kasa(money);
    kasa.count()->setText(QStringLiteral("trzy"));
    kasa.accept();
    EXPECT_NE(kasa.result(), QDialog::Accepted);
    bool said = false;
    for (const QLabel* label : kasa.findChildren<QLabel*>())
        said = said || label->text() == QStringLiteral("Ilość sztuk: wpisz liczbę całkowitą.");
    EXPECT_TRUE(said);
}

TEST_F(PreviewWindow, ADateIsChosenInTheCalendar) {
    GenericForm form = GenericForm::forNew();
    form.info = "Urodziny";
    ui::CPozEdycja edit(form);
    edit.kind()->setCurrentIndex(edit.kind()->findData(8));
    EXPECT_FALSE(edit.value()->isVisibleTo(&edit));
    EXPECT_TRUE(edit.calendarButton()->isVisibleTo(&edit));
    edit.chooseDate([](ui::CalendarDialog& calendar) {
        calendar.year()->setValue(1250);
        calendar.month()->setCurrentIndex(11); // Śnieżnik
        calendar.days()->button(30)->click();
        calendar.part()->setCurrentIndex(1); // pora sów
        EXPECT_EQ(calendar.dateText(),
                  QStringLiteral("30 Śnieżnika 1250 r. Ery Królestw, pora sów"));
        return true;
    });
    edit.accept();
    EXPECT_EQ(edit.result(), QDialog::Accepted);
    EXPECT_EQ(form.kind, 8);
    EXPECT_EQ(form.date.toValue(), 12501230); // 1250 × 10000 + 12 × 100 + 30
    EXPECT_EQ(form.dayPart, 1);
}

TEST_F(PreviewWindow, TheDescriptionBoxFollowsTheSelection) {
    ASSERT_TRUE(rules()
                    .exec("INSERT INTO zdolnosci (id, typ, nazwa, opis) VALUES "
                          "('900000000000000000000000000002', '0', 'Kulawy', 'Utyka.');")
                    .ok());
    CPoz& lame = hero->link(kLinkUlomnosci)
                     ->AddChild({.info = "Kulawy",
                                 .specjal = "900000000000000000000000000002",
                                 .typ = kinds::ability::kDisability});
    dialog->selectEntry(&lame);
    EXPECT_EQ(dialog->descriptionBox()->toPlainText(), QStringLiteral("Utyka."));
    dialog->tree()->setCurrentIndex(dialog->model()->indexOf(hero->link(kLinkWiara)));
    EXPECT_EQ(dialog->descriptionBox()->toPlainText(), QString());
}

TEST_F(PreviewWindow, CancelWithChangesAsksAndOkSaves) {
    auto menu = dialog->contextMenu(*carriedItem("Lina"));
    action(*menu, QStringLiteral("Usuń"))->trigger();
    dialog->show();
    port.queueYesNo(false); // "Zamknąć podgląd bez zapisania zmian?": no
    dialog->reject();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(port.questions().back(), "Zamknąć podgląd bez zapisania zmian?");
    dialog->accept();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(count(characters(), "SELECT count(*) FROM pozycje WHERE info='Lina'"), 0);
    EXPECT_TRUE(dialog->undoStack()->isClean());
}

TEST_F(PreviewWindow, ExportsSaveFirstAndAddTheirExtensions) {
    auto menu = dialog->contextMenu(*carriedItem("Lina"));
    action(*menu, QStringLiteral("Usuń"))->trigger();
    dialog->exportTo(QString::fromStdString(dir.file("borin")));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "borin.xml"));
    // The export writes what is stored, so the change was saved first.
    EXPECT_EQ(count(characters(), "SELECT count(*) FROM pozycje WHERE info='Lina'"), 0);
    EXPECT_TRUE(dialog->undoStack()->isClean());
    dialog->writeStatisticsTo(QString::fromStdString(dir.file("staty")));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "staty.txt"));
}

// A deep chain shows at once: the model lists an entry's children only when asked.
TEST(EntryTreeModel, ADeepTreeIsShownAsItIsOpened) {
    test::SampleWorkspace w;
    CIstota hero(w.characters());
    CPoz* at = hero.link(kLinkUmiejetnosci);
    for (int i = 1; i <= 100'000; ++i)
        at = &at->AddChild(
            {.info = "Poziom " + std::to_string(i), .typ = 0x11, .wartosc = 1, .modyfikator = 1.0});
    hero.link(kLinkUmiejetnosci)->Recalculate();
    ui::EntryTreeModel model(hero);
    QModelIndex index = model.index(kLinkUmiejetnosci - 1, 0);
    EXPECT_EQ(model.data(index).toString(), QStringLiteral("Umiejętności"));
    for (int level = 1; level <= 3; ++level) {
        ASSERT_EQ(model.rowCount(index), 1);
        index = model.index(0, 0, index);
        // Entry k totals 100,001 − k: itself and the ones below it.
        EXPECT_EQ(model.data(index).toString(),
                  QStringLiteral("Poziom %1: 1 (%2)").arg(level).arg(100'001 - level));
    }
    EXPECT_EQ(model.parent(model.parent(index)),
              model.index(0, 0, model.index(kLinkUmiejetnosci - 1, 0)));
}

} // namespace
} // namespace tallar
