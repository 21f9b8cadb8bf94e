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

#include <algorithm>
#include <optional>
#include <set>
#include <string>

namespace tallar {

namespace {

using namespace kinds;

// Where the wizard puts a part of an attribute: the steps that make the parts run in this
// order (race stage, its weight, abilities and disabilities, professions' bonuses, trades,
// experience levels), each appending. Parts of other kinds have no place of their own.
std::optional<int> wizardRank(const CPoz& part, std::size_t m) {
    constexpr std::array<int, 4> kOverweight = {
        attribute::kOverweightVitality, attribute::kOverweightStrength,
        attribute::kOverweightDexterity, attribute::kOverweightSpeed};
    if (part.typ == perMember::kRacial[m])
        return 0;
    if (std::ranges::find(kOverweight, part.typ) != kOverweight.end())
        return 1;
    if (part.typ == perMember::kFormulaShare[m]) {
        const bool trade = part.target() && part.target()->HasKindOrAncestor(trade::kTrade);
        return trade ? 4 : 2;
    }
    if (part.typ == perMember::kProfession[m])
        return 3;
    if (part.typ == perMember::kExperienceLevels[m])
        return 5;
    return std::nullopt;
}

// The identifiers of every part of every attribute.
std::set<std::string> attributeParts(const CIstota& hero) {
    std::set<std::string> ids;
    for (const AttributeDef& def : attributeSet())
        if (const CPoz* entry = hero.FindByKind(def.entryKind))
            for (const CPoz* part : entry->children())
                ids.insert(part->id());
    return ids;
}

// Moves each part not among `earlier` to where the wizard would have made it: after the
// last sibling the wizard makes no later, else first. A step writes a lost part again at
// the end, and the order counts: Żywotność and Siła fizyczna sum their parts along the
// experience scale.
void placeNewParts(CIstota& hero, const std::set<std::string>& earlier) {
    for (std::size_t m = 0; m < kAttributeSetSize; ++m) {
        CPoz* entry = hero.FindByKind(attributeSet()[m].entryKind);
        if (!entry)
            continue;
        std::vector<CPoz*> added;
        for (CPoz* part : entry->children())
            if (!earlier.contains(part->id()) && wizardRank(*part, m))
                added.push_back(part);
        for (CPoz* part : added) {
            const int rank = *wizardRank(*part, m);
            const CPoz* after = nullptr;
            for (const CPoz* sibling : entry->children()) {
                const std::optional<int> other = wizardRank(*sibling, m);
                if (sibling != part && other && *other <= rank)
                    after = sibling;
            }
            // The cursor stays where the steps left it: they add after it.
            const CPoz* cursor = entry->Current();
            std::unique_ptr<CPoz> moved = part->Odlaczenie();
            entry->SetCursor(after);
            if (after)
                entry->InsertAfter(std::move(moved));
            else
                entry->InsertBefore(std::move(moved));
            entry->SetCursor(cursor);
        }
    }
}

} // namespace

CharacterRecompute::CharacterRecompute(const EngineContext& context,
                                       LevelAdvancementChooser* chooser)
    : context_(context), chooser_(chooser) {}

void CharacterRecompute::Run() {
    // A part a step writes anew goes where the wizard made it before the next step reads
    // the totals.
    const std::set<std::string> earlier = attributeParts(context_.character);
    for (void (CharacterRecompute::*step)() :
         {&CharacterRecompute::raceStage, &CharacterRecompute::body,
          &CharacterRecompute::abilitiesAndDisabilities, &CharacterRecompute::trades,
          &CharacterRecompute::professions, &CharacterRecompute::proficiencies,
          &CharacterRecompute::resistances, &CharacterRecompute::skills,
          &CharacterRecompute::placement}) {
        (this->*step)();
        placeNewParts(context_.character, earlier);
    }
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
