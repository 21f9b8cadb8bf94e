#include "rules/engine/CRdzenUlomnosc.h"

#include "model/Character.h"
#include "model/Entry.h"
#include "rules/engine/CRdzenFormula.h"

#include <string>

namespace tallar {

namespace {

bool isOwner(const CPoz& entry) {
    return entry.typ == kinds::formula::kOwner;
}

} // namespace

CRdzenUlomnosc::CRdzenUlomnosc(const EngineContext& context, Kind kind)
    : EngineStep(context), kind_(kind) {}

CPoz* CRdzenUlomnosc::list() const {
    return character().link(kind_ == kAbilities ? kLinkZdolnosci : kLinkUlomnosci);
}

std::string_view CRdzenUlomnosc::tag() const {
    return kind_ == kAbilities ? "zdol" : "ulom";
}

void CRdzenUlomnosc::ApplyFormulas() {
    CPoz* abilities = list();
    if (!abilities)
        return;
    for (CPoz* ability : abilities->children()) {
        if (ability->empty())
            (void)queryRules("SELECT B.id FROM zdolnosci A "
                             " INNER JOIN formuly B ON A.id=B.id_nad and A.typ=B.typ_nad"
                             " WHERE A.id=?;",
                             {ability->specjal}, [&](const Row& row) {
                                 ability->AddChild({.specjal = row.text(0),
                                                    .typ = kinds::formula::kOwner,
                                                    .modyfikator = 1.0});
                             });
        for (CPoz* owner : ability->children())
            if (isOwner(*owner))
                keepFailureOf(CRdzenFormula(context(), owner->specjal, *owner, ability->info));
    }
}

template <typename Visit> void CRdzenUlomnosc::forEachOwner(Visit&& visit) const {
    const CPoz* abilities = list();
    if (!abilities)
        return;
    for (CPoz* ability : abilities->children())
        for (CPoz* owner : ability->children())
            if (isOwner(*owner))
                visit(*ability, *owner);
}

void CRdzenUlomnosc::FoldIntoProfile(GrowthProfile& profile) const {
    forEachOwner(
        [&](CPoz&, CPoz& owner) { CRdzenFormula(context(), owner).FoldIntoProfile(profile); });
}

void CRdzenUlomnosc::ApplyToAttributes(const GrowthProfile& raceStage) {
    GrowthProfile profile = raceStage;
    FoldDisabilitiesAndAbilities(context(), profile);
    forEachOwner([&](CPoz& ability, CPoz& owner) {
        CRdzenFormula(context(), owner).ApplyToAttributes(profile, ability.info, tag());
    });
}

void CRdzenUlomnosc::WeightWeaponGroups(CPoz& candidates) const {
    forEachOwner([&](CPoz&, CPoz& owner) {
        CRdzenFormula(context(), owner).WeightWeaponGroups(candidates);
    });
}

void FoldDisabilitiesAndAbilities(const EngineContext& context, GrowthProfile& profile) {
    // Folding re-opens applied formulas and throws no dice.
    for (const auto kind : {CRdzenUlomnosc::kDisabilities, CRdzenUlomnosc::kAbilities})
        CRdzenUlomnosc(context.automatic(), kind).FoldIntoProfile(profile);
}

} // namespace tallar
