// Takes the screenshots of the documentation: the main window, the wizard's first page, a
// filtered list, the dice dialog and the character preview with its context menu open, from
// a working directory with the sample rules.
//   doc_screenshots DIR   writes the PNG files into DIR (scripts/screenshots.sh)
#include "app/MainWindow.h"
#include "base/NonInteractiveUserPort.h"
#include "editors/ListDef.h"
#include "model/Character.h"
#include "model/Kinds.h"
#include "rules/core/DiceGenerator.h"
#include "rules/data/SampleRules.h"
#include "store/db/Workspace.h"
#include "ui/DiceEntryDialog.h"
#include "ui/editors/CLista.h"
#include "ui/editors/ListModel.h"
#include "ui/editors/RulesEditors.h"
#include "ui/preview/CIstotaPodgladDialog.h"
#include "ui/preview/EntryDialogs.h"
#include "ui/preview/EntryTreeModel.h"
#include "ui/wizard/CWizard1Dialog.h"
#include "wizard/AskedThrows.h"
#include "wizard/CWizard1.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeView>

#include <iostream>

namespace {

using namespace tallar;

// Shows a window, lets it settle, and writes what it shows.
bool shoot(QWidget& window, const QString& file) {
    window.show();
    window.raise();
    window.activateWindow();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    if (!window.grab().save(file)) {
        std::cerr << "cannot write " << file.toStdString() << '\n';
        return false;
    }
    std::cout << file.toStdString() << '\n';
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: doc_screenshots DIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir work;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.path());
    NonInteractiveUserPort port(nullptr);
    auto workspaceOpened = Workspace::open(work.path().toStdString(), port);
    if (!workspaceOpened || !loadSampleRules((*workspaceOpened)->rules())) {
        std::cerr << "cannot prepare the sample rules: " << workspaceOpened.message() << '\n';
        return 1;
    }
    std::unique_ptr<Workspace> workspace = std::move(*workspaceOpened);
    seedDiceFromClock();
    bool ok = true;

    {
        // The first wizard page, filled in as a player would.
        CIstota hero(workspace->characters());
        CWizard1 page(workspace->rules(), workspace->characters(), hero,
                      DiceRolls{false, &port, nullptr}, port);
        page.open();
        ui::CWizard1Dialog dialog(page);
        dialog.playerField()->setEditText(QStringLiteral("Ala"));
        dialog.nameField()->setText(QStringLiteral("Borin"));
        dialog.stageField()->setCurrentIndex(
            dialog.stageField()->findText(QStringLiteral("Krasnolud [Młody krasnolud]")));
        dialog.alignmentField()->setCurrentIndex(1);
        dialog.rollField()->setText(QStringLiteral("090"));
        ok &= shoot(dialog, out.filePath(QStringLiteral("wizard-page1.png")));
    }
    {
        // The weapons, narrowed to swords and ordered by their group.
        ui::CListaTemplate<ui::CBronEdycja> weapons(nullptr, workspace->rules(),
                                                    editors::lists::weapons());
        weapons.show();
        weapons.filterField()->setText(QStringLiteral("miecz"));
        emit weapons.view()->header()->sectionClicked(0);
        weapons.selectShown(1);
        weapons.resize(weapons.width(), 330);
        ok &= shoot(weapons, out.filePath(QStringLiteral("filtered-list.png")));
    }
    {
        // The dice dialog of the fourth throw of a character, a K5 typed on a K10.
        AskedThrows throws;
        throws.record("Klasa społeczna K100", 100, 42);
        throws.record("Majątek K10 1 z 2", 10, 7);
        throws.record("Majątek K10 2 z 2", 10, 3);
        ui::CKxxAsk dice(5, QStringLiteral("Charyzma K5"), nullptr, &throws);
        dice.entryField()->setText(QStringLiteral("7"));
        ok &= shoot(dice, out.filePath(QStringLiteral("dice-dialog.png")));
    }
    {
        // The preview of a character carrying a rope and a tent, the rope's menu open, after
        // one change that the undo button names.
        CIstota hero(workspace->characters());
        hero.SetImie("Borin");
        hero.SetRasa("Krasnolud [Młody krasnolud]");
        CPoz& equipment = *hero.link(kLinkEkwipunek);
        CPoz& carried = *equipment.FindByKind(kinds::equipment::kCarried);
        CPoz& rope = carried.AddChild(
            {.info = "Lina", .typ = kinds::equipment::kItem, .wartosc = 2, .modyfikator = 1.5});
        CPoz& tent = carried.AddChild(
            {.info = "Namiot", .typ = kinds::equipment::kItem, .wartosc = 1, .modyfikator = 4.0});
        hero.RebuildLoad();
        hero.RecalculateCharacter();
        CIstotaPodglad preview(workspace->rules(), workspace->characters(), hero, port);
        ui::CIstotaPodgladDialog dialog(preview, port);
        dialog.setDialogRunner([](QDialog& opened) {
            dynamic_cast<ui::CPozEkwipunek&>(opened).count()->setText(QStringLiteral("2"));
            opened.accept();
            return true;
        });
        dialog.contextMenu(tent)->actions().front()->trigger(); // "Modyfikacja"
        for (const CPoz* open : {&equipment, &carried, hero.link(kLinkObciazenie)})
            dialog.tree()->setExpanded(dialog.model()->indexOf(open), true);
        const QModelIndex ropeIndex = dialog.model()->indexOf(preview.find(rope.id()));
        dialog.tree()->setCurrentIndex(ropeIndex);
        dialog.resize(760, 620);
        dialog.show();
        dialog.tree()->scrollTo(ropeIndex, QAbstractItemView::PositionAtCenter);
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents();
        // The menu is a window of its own: it is drawn onto the picture where it opens.
        auto menu = dialog.contextMenu(*preview.find(rope.id()));
        const QPoint at = dialog.tree()->viewport()->mapTo(
            &dialog, dialog.tree()->visualRect(ropeIndex).center());
        menu->popup(dialog.mapToGlobal(at));
        QApplication::processEvents();
        QPixmap picture = dialog.grab();
        QPainter painter(&picture);
        painter.drawPixmap(at, menu->grab());
        painter.end();
        const QString file = out.filePath(QStringLiteral("preview-context-menu.png"));
        ok &= picture.save(file);
        std::cout << file.toStdString() << '\n';
        menu->hide();
    }
    {
        app::MainWindow window(std::move(workspace));
        ok &= shoot(window, out.filePath(QStringLiteral("main-window.png")));
        window.close();
    }
    return ok ? 0 : 1;
}
