#pragma once

#include "ui/DiceEntryDialog.h"

namespace tallar {
class CWizardZawod;
}

namespace tallar::ui {

// The roll entry of a trade: a K100 entry whose result field shows the trade the roll
// would give in the class named in the caption. OK sets the roll on the page's logic.
class CWizardZawodDialog : public CWizardKxx {
    Q_OBJECT
public:
    CWizardZawodDialog(CWizardZawod& roll, QWidget* parent = nullptr);

    void accept() override;

protected:
    QString lookUp(int entered) const override;

private:
    CWizardZawod& roll_;
};

} // namespace tallar::ui
