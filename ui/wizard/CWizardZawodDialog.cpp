#include "ui/wizard/CWizardZawodDialog.h"

#include "ui/QtText.h"
#include "wizard/CWizardZawod.h"

namespace tallar::ui {

CWizardZawodDialog::CWizardZawodDialog(CWizardZawod& roll, QWidget* parent)
    : CWizardKxx(CWizardZawod::kSides, qs(roll.caption()), qs(CWizardZawod::kLabel), parent),
      roll_(roll) {}

QString CWizardZawodDialog::lookUp(int entered) const {
    return qs(roll_.lookUp(entered));
}

void CWizardZawodDialog::accept() {
    CWizardKxx::accept();
    // Refused while the entry is not a face of the die.
    if (QDialog::result() == QDialog::Accepted)
        roll_.setRoll(DiceEntryDialog::result());
}

} // namespace tallar::ui
