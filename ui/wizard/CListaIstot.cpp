#include "ui/wizard/CListaIstot.h"

#include "editors/DeletePreview.h"
#include "editors/ListDef.h"
#include "output/CharacterFile.h"
#include "output/FileChoice.h"
#include "store/CharacterStore.h"
#include "store/db/Workspace.h"
#include "ui/QtText.h"
#include "ui/QtUserPort.h"
#include "ui/wizard/QtWizardPages.h"

#include <QFileDialog>
#include <QMenu>
#include <QTreeView>

namespace tallar::ui {

namespace {

// The character file filter in the form the file dialogs take: "Plik xml (*.xml)".
QString fileDialogFilter() {
    QStringList entries;
    for (const FileFilter& filter : parseFileFilter(kCharacterFileFilter))
        entries << qs(filter.label) + QStringLiteral(" (") + qs(joinTexts(filter.patterns, ' ')) +
                       QStringLiteral(")");
    return entries.join(QStringLiteral(";;"));
}

} // namespace

CListaIstot::CListaIstot(QWidget* parent, Workspace& workspace)
    : CLista(parent, workspace.characters(), editors::lists::characters()), workspace_(workspace) {}

void CListaIstot::Add(const std::string& id) {
    QtUserPort port(this);
    if (!readyForNewCharacter(workspace_.rules(), port))
        return;
    QtWizardPages pages(this, &port.askedThrows());
    CIstotaWizard wizard(workspace_.characters(), workspace_.rules(), id, WizardMode::New, port,
                         pages);
    wizard.Run();
}

void CListaIstot::Edit(const std::string& id) {
    QtUserPort port(this);
    QtWizardPages pages(this, nullptr, &workspace_.rules());
    CIstotaWizard wizard(workspace_.characters(), workspace_.rules(), id, WizardMode::Edit, port,
                         pages);
    wizard.Run();
}

void CListaIstot::Delete(const std::string& id) {
    QtUserPort port(this);
    QtWizardPages pages(this);
    CIstotaWizard wizard(workspace_.characters(), workspace_.rules(), id, WizardMode::Delete, port,
                         pages);
    (void)wizard.Delete(); // a failure is shown by the wizard
}

Status CListaIstot::removalPreview(const std::string& id, editors::DeletePreview& preview) {
    Database& characters = workspace_.characters();
    return editors::previewDeletion(
        characters, "istoty", id, [&] { return statusOf(DeleteStoredCharacter(characters, id)); },
        preview);
}

void CListaIstot::contextHook(const QPoint& point) {
    QMenu menu(this);
    QAction* import = menu.addAction(QStringLiteral("Import z pliku"));
    connect(import, &QAction::triggered, this, &CListaIstot::importFromFile);
    menu.exec(view()->viewport()->mapToGlobal(point));
}

void CListaIstot::importFromFile() {
    importPath(QFileDialog::getOpenFileName(this, QString(), QString(), fileDialogFilter()));
}

void CListaIstot::importPath(const QString& path) {
    if (!path.isEmpty()) {
        QtUserPort port(this);
        (void)ImportCharacters(workspace_.characters(), utf8(path), port); // refusals shown
    }
    refresh();
}

} // namespace tallar::ui
