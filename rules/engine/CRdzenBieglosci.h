#pragma once

#include "rules/engine/EngineStep.h"

namespace tallar {

// The pool of free weapon proficiency points ("Wolne biegłości" under "Biegłości w
// broniach"): refreshes every part that feeds the proficiencies, then counts the points the
// proficiencies took (the first "|" field of each part's memo) into "Wykorzystane".
class CRdzenBieglosci : public EngineStep {
public:
    explicit CRdzenBieglosci(const EngineContext& context);

    // Racial parts, the formulas of disabilities, abilities and trades, the professions'
    // parts, then "Wykorzystane" = minus the points spent, replacing its value. A character
    // without proficiency entries gets no pool from this step. Throws nothing.
    void Recount();

    // The points the proficiencies took, as a negative number (0 for none).
    int SpentPoints() const;

private:
    // The professions engine's professional-bonus step and its experience levels, which
    // hand out the professions' proficiency parts.
    void refreshProfessionParts(const EngineContext& quiet);
};

} // namespace tallar
