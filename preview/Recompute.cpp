#include "preview/Recompute.h"

#include "model/Character.h"
#include "rules/core/GrowthProfile.h"
#include "rules/engine/CRdzenOdpornosci.h"
#include "rules/engine/CRdzenStadium.h"
#include "rules/engine/CRdzenUlomnosc.h"
#include "wizard/CIstotaWizard.h"

namespace tallar {

CharacterRecompute::CharacterRecompute(Database& rules, CIstota& hero, UserPort& port,
                                       DiceRolls rolls)
    : rules_(rules), hero_(hero), port_(port), rolls_(rolls) {
    rolls_.port = &port;
}

void CharacterRecompute::Run() {
    raceStage();
    body();
    abilitiesAndDisabilities();
    trades();
    professions();
    proficiencies();
    resistances();
    skills();
    placement();
    loadAndTotals();
}

// The passages up to the character's age (those already made stay as they are), then the
// racial parts from all of them.
void CharacterRecompute::raceStage() {
    const CPoz* extra = hero_.link(kLinkDodatkoweInformacje);
    const CPoz* age = extra ? extra->FindByKind(kinds::kAge) : nullptr;
    CRdzenStadium stage(rules_, hero_, port_, rolls_.generator);
    if (age)
        (void)stage.Passages(0, age->wartosc, rolls_.askRolls);
    GrowthProfile profile;
    FoldDisabilitiesAndAbilities(rules_, hero_, port_, profile);
    stage.Apply(profile);
}

// The body entries (the character's recomputation of "Ciało" with the skin and the armour
// worn). Joins here with the armour engine; the race stage has written the skin already.
void CharacterRecompute::body() {}

void CharacterRecompute::abilitiesAndDisabilities() {
    ApplyAbilityFormulas(rules_, hero_, port_, rolls_);
}

// Trades (CRdzenZawod): their recomputation. Joins here with the trades engine.
void CharacterRecompute::trades() {}

// Professions (CRdzenProfesja): the professional bonuses, then their application with the
// argument 1. Joins here with the professions engine.
void CharacterRecompute::professions() {}

// Proficiencies (CRdzenBieglosci): the proficiency pool. Joins here with its engine.
void CharacterRecompute::proficiencies() {}

void CharacterRecompute::resistances() {
    CRdzenOdpornosci(rules_, hero_).BaseResistances();
}

// Skills (CRdzenUmiejetnosci): the evaluation with the arguments 1, 2 and 3 in turn. Joins
// here with the skills engine.
void CharacterRecompute::skills() {}

void CharacterRecompute::placement() {
    PlaceCarriedEquipment(rules_, hero_, port_);
}

void CharacterRecompute::loadAndTotals() {
    hero_.RebuildLoad();
    hero_.RecalculateCharacter();
}

// CWizard9 without showing it: loads the items and places, restores the placements recorded
// and applies them. Joins here with the placement page.
void PlaceCarriedEquipment(Database& /*rules*/, CIstota& /*hero*/, UserPort& /*port*/) {}

} // namespace tallar
