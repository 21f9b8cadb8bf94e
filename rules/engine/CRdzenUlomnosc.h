#pragma once

#include "rules/core/GrowthProfile.h"
#include "rules/engine/EngineStep.h"

#include <string_view>

namespace tallar {

class CPoz;

// The formulas of a character's disabilities ("Ułomności", kind 0) or supernatural
// abilities ("Zdolności nadnaturalne", kind 1): each chosen ability gets one owner entry
// per formula, under which the formula's effects hang; the effects then go into the
// character's attribute entries as shares tagged "ulom" or "zdol".
class CRdzenUlomnosc : public EngineStep {
public:
    enum Kind { kDisabilities = 0, kAbilities = 1 };

    CRdzenUlomnosc(const EngineContext& context, Kind kind);

    // Applies the formulas of every chosen ability, their throws asked when the context
    // says so. The owners are read from the rules only for an ability that has none yet;
    // applying again updates the effects in place.
    void ApplyFormulas();

    // Folds the applied formulas into `profile`.
    void FoldIntoProfile(GrowthProfile& profile) const;

    // Writes the shares of this object's abilities into the attribute entries, growing by
    // a profile made of `raceStage` (what the character's race stage folds into a fresh
    // profile; a fresh profile when the character has none), the disabilities and the
    // abilities.
    void ApplyToAttributes(const GrowthProfile& raceStage = {});

    // Weights the weapon-group candidates in `candidates` by every applied formula.
    void WeightWeaponGroups(CPoz& candidates) const;

    // The list entry this object works on, or null.
    CPoz* list() const;
    // Calls visit(ability, owner) for every formula owner under every ability of the list.
    template <typename Visit> void forEachOwner(Visit&& visit) const;
    std::string_view tag() const;

private:
    Kind kind_;
};

// Folds the applied formulas of the character's disabilities, then of its abilities, into
// `profile`.
void FoldDisabilitiesAndAbilities(const EngineContext& context, GrowthProfile& profile);

} // namespace tallar
