#include "app/InfoDialog.h"
#include "app/MainWindow.h"
#include "model/Character.h"
#include "preview/CIstotaPodglad.h"
#include "support/WizardFixture.h"
#include "ui/DiceEntryDialog.h"
#include "ui/PickRowsDialog.h"
#include "ui/editors/CListaWybor.h"
#include "ui/editors/RulesEditors.h"
#include "ui/preview/CIstotaPodgladDialog.h"
#include "ui/preview/EntryDialogs.h"
#include "ui/wizard/CListaIstot.h"
#include "ui/wizard/CProfesjaAwans.h"
#include "ui/wizard/CWizard1Dialog.h"
#include "ui/wizard/CWizard2Dialog.h"
#include "ui/wizard/CWizard3Dialog.h"
#include "ui/wizard/CWizard4UlomnoscDialog.h"
#include "ui/wizard/CWizard6BglDialog.h"
#include "ui/wizard/CWizard6Dialog.h"
#include "ui/wizard/CWizard7Dialog.h"
#include "ui/wizard/CWizard8Dialog.h"
#include "ui/wizard/CWizard9Dialog.h"
#include "ui/wizard/CWizardZawodDialog.h"
#include "wizard/CWizardZawod.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tallar {
namespace {

// A 1366×768 screen less a window's title bar (30 px) and a desktop panel (40 px).
constexpr QSize kUsable(1366, 768 - 30 - 40);

// The window can be made as small as the screen, and at that size its own buttons (those
// outside scrolled content) are shown whole inside it.
void expectFitsTheScreen(QWidget& window, const std::string& name) {
    SCOPED_TRACE(name);
    window.show();
    QApplication::processEvents();
    const QSize minimum = window.minimumSizeHint().expandedTo(window.minimumSize());
    EXPECT_LE(minimum.width(), kUsable.width()) << name << " is too wide";
    EXPECT_LE(minimum.height(), kUsable.height()) << name << " is too high";
    EXPECT_LE(window.width(), kUsable.width()) << name << " opens too wide";
    EXPECT_LE(window.height(), kUsable.height()) << name << " opens too high";

    window.resize(window.size().boundedTo(kUsable));
    QApplication::processEvents();
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&window))
            continue;
        bool scrolled = false;
        for (QWidget* up = button->parentWidget(); up && up != &window; up = up->parentWidget())
            scrolled = scrolled || qobject_cast<QAbstractScrollArea*>(up) != nullptr;
        if (scrolled)
            continue;
        const QRect place(button->mapTo(&window, QPoint(0, 0)), button->size());
        EXPECT_TRUE(window.rect().contains(place))
            << name << ": button \"" << button->text().toStdString() << "\" is outside the window";
    }
    window.close();
}

// The first row of a table, so that an editor shows a filled row where there is one.
std::string firstId(Database& db, const std::string& table) {
    return test::selectValue(db, "SELECT id FROM " + table + " ORDER BY rowid LIMIT 1;")
        .value_or("x1");
}

TEST(ScreenFit, EveryEditorFitsA1366x768Screen) {
    test::SampleWorkspace w;
    for (const editors::EditorDef* def : editors::catalogue::all()) {
        ui::EditorDialog editor(w.rules(), *def, firstId(w.rules(), def->table),
                                editors::EditorMode::Edit, nullptr);
        expectFitsTheScreen(editor, def->className);
        ui::EditorDialog fresh(w.rules(), *def, "n1", editors::EditorMode::New, nullptr);
        expectFitsTheScreen(fresh, def->className + " (nowy)");
    }
    ui::CUlomnoscEdycja disability(w.rules(), firstId(w.rules(), "zdolnosci"),
                                   editors::EditorMode::Edit, nullptr);
    expectFitsTheScreen(disability, "CUlomnoscEdycja");
    ui::CZdolnoscNadnaturalnaEdycja ability(w.rules(), "n2", editors::EditorMode::New, nullptr);
    expectFitsTheScreen(ability, "CZdolnoscNadnaturalnaEdycja");
    ui::CFormula formula(w.rules(), firstId(w.rules(), "formuly"), editors::EditorMode::Edit,
                         nullptr);
    expectFitsTheScreen(formula, "CFormula");
    ui::LinkValueDialog values(nullptr, "EDYCJA", "Miecze", {{"bonus", "Bonus"}}, {"2"});
    expectFitsTheScreen(values, "LinkValueDialog");
}

TEST(ScreenFit, EveryListAndPageFitsA1366x768Screen) {
    test::SampleWorkspace w;
    ui::CRasy races(nullptr, w.rules());
    expectFitsTheScreen(races, "CRasy");
    ui::CProfesjeLista professions(nullptr, w.rules());
    expectFitsTheScreen(professions, "CProfesjeLista");
    ui::CListaTemplate<ui::CEdycjaEkwipunek> equipment(
        nullptr, w.rules(), "Lista ekwipunku",
        "SELECT id,nazwa'Nazwa   ',waga 'waga' FROM ekwipunek ORDER BY nazwa DESC;", false);
    expectFitsTheScreen(equipment, "Lista ekwipunku");
    ui::CListaIstot characters(nullptr, *w.workspace);
    expectFitsTheScreen(characters, "CListaIstot");
    const editors::LinkDef& weaponGroups = editors::catalogue::race().links[1];
    ui::CListaWybor pick(nullptr, w.rules(), weaponGroups.pick,
                         editors::pickQuery(weaponGroups.pick, {}));
    expectFitsTheScreen(pick, "CListaWybor");
    PickTable table{{"id", "Nazwa"}, {{"a", "Miecze"}}};
    ui::PickRowsDialog rows(QStringLiteral("Lista"), table, true);
    expectFitsTheScreen(rows, "PickRowsDialog");

    CIstota hero(w.characters());
    CWizard1 origin(w.rules(), w.characters(), hero, DiceRolls{false, &w.port, nullptr}, w.port);
    origin.open();
    ui::CWizard1Dialog originPage(origin);
    expectFitsTheScreen(originPage, "CWizard1Dialog");
    CWizard2 birthplace(w.rules(), hero, w.port);
    ui::CWizard2Dialog birthplacePage(birthplace);
    expectFitsTheScreen(birthplacePage, "CWizard2Dialog");
    CWizard3 professionPage(w.rules(), hero, w.port);
    professionPage.open();
    ui::CWizard3Dialog professionsPage(professionPage);
    expectFitsTheScreen(professionsPage, "CWizard3Dialog");
    CWizard4Ulomnosc disability(w.rules(), hero, CWizard4Ulomnosc::kDisability, w.port);
    ui::CWizard4UlomnoscDialog disabilityPage(disability);
    expectFitsTheScreen(disabilityPage, "CWizard4UlomnoscDialog");
    ui::CProfesjaAwans advancement(LevelAdvancement{.profession = "Wojownik", .level = 1});
    expectFitsTheScreen(advancement, "CProfesjaAwans");
    const EngineContext engine{.rules = w.rules(), .character = hero, .port = w.port};
    CWizard6 weapons(engine);
    weapons.open();
    ui::CWizard6Dialog weaponsPage(weapons);
    expectFitsTheScreen(weaponsPage, "CWizard6Dialog");
    CPoz& group =
        hero.link(kLinkBieglosci)
            ->AddChild(
                {.info = "Miecze", .specjal = "g1", .typ = kinds::proficiency::kProficiency});
    CWizard6Bgl training(engine, group, 5,
                         TrainingRights{.extraRolls = 1, .specialisationOpen = true});
    ui::CWizard6BglDialog trainingPage(training);
    expectFitsTheScreen(trainingPage, "CWizard6BglDialog");
    const EngineContext context{.rules = w.rules(), .character = hero, .port = w.port};
    CWizard7 armour(context);
    armour.open();
    ui::CWizard7Dialog armourPage(armour);
    expectFitsTheScreen(armourPage, "CWizard7Dialog");
    CWizard8 shield(context);
    shield.open();
    ui::CWizard8Dialog shieldPage(shield);
    expectFitsTheScreen(shieldPage, "CWizard8Dialog");
    CWizard9 placement(context);
    placement.LoadPlacements();
    ui::CWizard9Dialog placementPage(placement);
    expectFitsTheScreen(placementPage, "CWizard9Dialog");
    ui::CKxxAsk ask(100, QStringLiteral("Punkty doświadczenia K10 1 z 2"));
    expectFitsTheScreen(ask, "CKxxAsk");
    ui::CWizardKxx kxx(100, QStringLiteral("Zawód"), QStringLiteral("Zawód:"));
    expectFitsTheScreen(kxx, "CWizardKxx");
    CIstotaPodglad preview(w.rules(), w.characters(), hero, w.port);
    ui::CIstotaPodgladDialog previewDialog(preview, w.port);
    expectFitsTheScreen(previewDialog, "CIstotaPodgladDialog");
    GenericForm generic = GenericForm::forNew();
    ui::CPozEdycja edit(generic);
    expectFitsTheScreen(edit, "CPozEdycja");
    MoneyForm money;
    ui::CPozKasa moneyDialog(money);
    expectFitsTheScreen(moneyDialog, "CPozKasa");
    ui::CalendarDialog calendar(GameDate{.year = 1247, .month = 1, .day = 1}, 0);
    expectFitsTheScreen(calendar, "CalendarDialog");
    CWizardZawod tradeRoll(w.rules(), w.port, "MIEJSKA", "100000000000000000000101000001", 0);
    ui::CWizardZawodDialog trade(tradeRoll);
    expectFitsTheScreen(trade, "CWizardZawodDialog");
    app::InfoDialog info(*w.workspace);
    expectFitsTheScreen(info, "InfoDialog");

    app::MainWindow main(std::move(w.workspace));
    expectFitsTheScreen(main, "MainWindow");
}

} // namespace
} // namespace tallar
