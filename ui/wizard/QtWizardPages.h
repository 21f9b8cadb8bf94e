#pragma once

#include "ui/wizard/CProfesjaAwans.h"
#include "wizard/CIstotaWizard.h"

class QWidget;

namespace tallar::ui {

// The wizard's pages as modal dialogs over `parent`.
class QtWizardPages : public WizardPages {
public:
    explicit QtWizardPages(QWidget* parent) : parent_(parent), levels_(parent) {}

    bool showOrigin(CWizard1& page) override;
    bool showBirthplace(CWizard2& page) override;
    bool showProfessions(CWizard3& page) override;
    bool showAbility(CWizard4Ulomnosc& page) override;
    LevelAdvancementChooser* levelAdvancement() override { return &levels_; }
    void showCharacter(CIstota& hero) override;

private:
    QWidget* parent_;
    QtLevelAdvancement levels_;
};

} // namespace tallar::ui
