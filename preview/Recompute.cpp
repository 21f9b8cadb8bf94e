#include "preview/Recompute.h"

#include "model/Character.h"
#include "model/Kinds.h"
#include "rules/core/GrowthProfile.h"
#include "rules/engine/CRdzenBieglosci.h"
#include "rules/engine/CRdzenOdpornosci.h"
#include "rules/engine/CRdzenProfesja.h"
#include "rules/engine/CRdzenStadium.h"
#include "rules/engine/CRdzenUlomnosc.h"
#include "rules/engine/CRdzenUmiejetnosci.h"
#include "rules/engine/CRdzenZawod.h"
#include "wizard/CWizard9.h"

namespace tallar {

CharacterRecompute::CharacterRecompute(const EngineContext& context,
                                       LevelAdvancementChooser* chooser)
    : context_(context), chooser_(chooser) {}

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
    const CPoz* extra = context_.character.link(kLinkDodatkoweInformacje);
    const CPoz* age = extra ? extra->FindByKind(kinds::info::kAge) : nullptr;
    CRdzenStadium stage(context_);
    if (age)
        (void)stage.Passages(0, age->wartosc);
    GrowthProfile profile;
    FoldDisabilitiesAndAbilities(context_, profile);
    stage.Apply(profile);
}

// The body entries: nothing of its own. The race stage has written the skin; the armour
// worn on the body parts is written by the placement, which comes after the steps that
// change what the armour's wearer can carry.
void CharacterRecompute::body() {}

// Disabilities, then abilities: their formulas, as rolled when they were applied, written
// again into the attributes. Applying them anew would throw their dice again and change a
// stored character's values behind the player's back.
void CharacterRecompute::abilitiesAndDisabilities() {
    GrowthProfile raceStage;
    CRdzenStadium(context_).FoldProfile(raceStage);
    CRdzenUlomnosc(context_, CRdzenUlomnosc::kDisabilities).ApplyToAttributes(raceStage);
    CRdzenUlomnosc(context_, CRdzenUlomnosc::kAbilities).ApplyToAttributes(raceStage);
}

// Trades: the formulas of their grades written into the attributes again.
void CharacterRecompute::trades() {
    CRdzenZawod(context_).ApplyTradeFormulas();
}

// Professions: the rolled bonuses applied again, then the experience levels (those made
// keep their rolls; a level the experience now reaches is rolled, asked when the context
// says so).
void CharacterRecompute::professions() {
    CRdzenProfesja professions(context_, chooser_);
    professions.ApplyProfessionBonuses();
    professions.AdvanceLevels();
}

// Proficiencies: every part that feeds them refreshed, the points spent counted again.
void CharacterRecompute::proficiencies() {
    CRdzenBieglosci(context_).Recount();
}

void CharacterRecompute::resistances() {
    CRdzenOdpornosci(context_).BaseResistances();
}

// Skills: those of the professions, of the trades and of the race stage in turn (each
// source gathers the skills' modifications too).
void CharacterRecompute::skills() {
    CRdzenUmiejetnosci skills(context_);
    skills.SkillsFromSource(CRdzenUmiejetnosci::kProfessions);
    skills.SkillsFromSource(CRdzenUmiejetnosci::kTrades);
    skills.SkillsFromSource(CRdzenUmiejetnosci::kRaceStage);
}

// The placement page without showing it: the placements recorded restored and applied
// (weapons held, shields and armour worn, with their statistics and limits).
void CharacterRecompute::placement() {
    PlaceCarriedEquipment(context_);
}

void CharacterRecompute::loadAndTotals() {
    context_.character.RebuildLoad();
    context_.character.RecalculateCharacter();
}

} // namespace tallar
