#pragma once

#include "wizard/CIstotaWizard.h"

class QWidget;

namespace tallar::ui {

// The wizard's pages as modal dialogs over `parent`; a stored character is shown in the
// preview, which reads descriptions from `rules`.
class QtWizardPages : public WizardPages {
public:
    explicit QtWizardPages(QWidget* parent, Database* rules = nullptr)
        : parent_(parent), rules_(rules) {}

    bool showOrigin(CWizard1& page) override;
    bool showBirthplace(CWizard2& page) override;
    void showCharacter(CIstota& hero) override;

private:
    QWidget* parent_;
    Database* rules_;
};

} // namespace tallar::ui
