#pragma once

#include "ui/wizard/CProfesjaAwans.h"
#include "wizard/AskedThrows.h"
#include "wizard/CIstotaWizard.h"

class QWidget;

namespace tallar::ui {

// The wizard's pages as modal dialogs over `parent`. `throws` are those of the run's port,
// whose dice entry may leave the rest of the run to the program. A stored character is
// shown in the preview, which reads descriptions from `rules`.
class QtWizardPages : public WizardPages {
public:
    explicit QtWizardPages(QWidget* parent, const AskedThrows* throws = nullptr,
                           Database* rules = nullptr)
        : parent_(parent), throws_(throws), rules_(rules), levels_(parent, throws) {}

    bool showOrigin(CWizard1& page) override;
    bool showBirthplace(CWizard2& page) override;
    bool showTradeRoll(CWizardZawod& roll) override;
    bool showProfessions(CWizard3& page) override;
    bool showAbility(CWizard4Ulomnosc& page) override;
    LevelAdvancementChooser* levelAdvancement() override { return &levels_; }
    bool showWeapons(CWizard6& page) override;
    bool showProficiency(CWizard6Bgl& training) override;
    bool showArmour(CWizard7& page) override;
    bool showShield(CWizard8& page) override;
    bool showPlacement(CWizard9& page) override;
    void showCharacter(CIstota& hero) override;
    bool throwsLeftToTheProgram() const override { return throws_ && throws_->automatic(); }

private:
    QWidget* parent_;
    const AskedThrows* throws_;
    Database* rules_;
    QtLevelAdvancement levels_;
};

} // namespace tallar::ui
