#pragma once

#include "wizard/CIstotaWizard.h"

class QWidget;

namespace tallar::ui {

// The wizard's pages as modal dialogs over `parent`.
class QtWizardPages : public WizardPages {
public:
    explicit QtWizardPages(QWidget* parent) : parent_(parent) {}

    bool showOrigin(CWizard1& page) override;
    bool showBirthplace(CWizard2& page) override;
    bool showArmour(CWizard7& page) override;
    bool showShield(CWizard8& page) override;
    bool showPlacement(CWizard9& page) override;
    void showCharacter(CIstota& hero) override;

private:
    QWidget* parent_;
};

} // namespace tallar::ui
