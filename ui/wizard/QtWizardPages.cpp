#include "ui/wizard/QtWizardPages.h"

#include "model/Character.h"
#include "ui/QtUserPort.h"
#include "ui/preview/CIstotaPodgladDialog.h"

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

namespace tallar::ui {

bool QtWizardPages::showOrigin(CWizard1& page) {
    CWizard1Dialog dialog(page, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtWizardPages::showBirthplace(CWizard2& page) {
    CWizard2Dialog dialog(page, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtWizardPages::showProfessions(CWizard3& page) {
    CWizard3Dialog dialog(page, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtWizardPages::showAbility(CWizard4Ulomnosc& page) {
    CWizard4UlomnoscDialog dialog(page, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtWizardPages::showWeapons(CWizard6& page) {
    CWizard6Dialog dialog(page, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtWizardPages::showArmour(CWizard7& page) {
    CWizard7Dialog dialog(page, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtWizardPages::showShield(CWizard8& page) {
    CWizard8Dialog dialog(page, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtWizardPages::showPlacement(CWizard9& page) {
    CWizard9Dialog dialog(page, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtWizardPages::showProficiency(CWizard6Bgl& training) {
    CWizard6BglDialog dialog(training, parent_, true);
    return dialog.exec() == QDialog::Accepted;
}

bool QtWizardPages::showTradeRoll(CWizardZawod& roll) {
    CWizardZawodDialog dialog(roll, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void QtWizardPages::showCharacter(CIstota& hero) {
    if (!rules_ || !hero.connection())
        return;
    QtUserPort port(parent_);
    CIstotaPodglad preview(*rules_, *hero.connection(), hero, port);
    preview.setPages(this);
    CIstotaPodgladDialog dialog(preview, port, parent_);
    port.setParent(&dialog);
    dialog.exec();
}

} // namespace tallar::ui
