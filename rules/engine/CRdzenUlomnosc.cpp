#include "rules/engine/CRdzenUlomnosc.h"

#include "model/Character.h"
#include "model/Entry.h"
#include "rules/engine/CRdzenFormula.h"
#include "rules/engine/EngineSupport.h"

#include <string>

namespace tallar {

namespace {

constexpr int kFormulaOwner = 12624;

bool isOwner(const CPoz& entry) {
    return entry.typ == kFormulaOwner;
}

} // namespace

CRdzenUlomnosc::CRdzenUlomnosc(Database& rules, CIstota& character, UserPort& port, bool askRolls,
                               int kind, DiceGenerator* generator)
    : rules_(rules), character_(character), port_(port), askRolls_(askRolls),
      kind_(kind == kAbilities ? kAbilities : kDisabilities), generator_(generator) {}

CPoz* CRdzenUlomnosc::list() const {
    return character_.link(kind_ == kAbilities ? kLinkZdolnosci : kLinkUlomnosci);
}

std::string_view CRdzenUlomnosc::tag() const {
    return kind_ == kAbilities ? "zdol" : "ulom";
}

void CRdzenUlomnosc::ApplyFormulas(bool askRolls) {
    askRolls_ = askRolls;
    CPoz* abilities = list();
    if (!abilities)
        return;
    for (CPoz* ability : abilities->children()) {
        if (ability->empty())
            (void)queryRules(
                rules_, &port_,
                "SELECT B.id FROM zdolnosci A "
                " INNER JOIN formuly B ON A.id=B.id_nad and A.typ=B.typ_nad"
                " WHERE A.id=?;",
                {ability->specjal}, [&](const Row& row) {
                    (void)ability->Append(std::make_unique<CPoz>(
                        ability->connection(), "", "", row.text(0), kFormulaOwner, 1.0, 0, ""));
                });
        for (CPoz* owner : ability->children())
            if (isOwner(*owner))
                (void)CRdzenFormula(rules_, character_, port_, owner->specjal, *owner, askRolls_,
                                    ability->info, generator_);
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
    forEachOwner([&](CPoz&, CPoz& owner) {
        CRdzenFormula(rules_, character_, owner).FoldIntoProfile(profile);
    });
}

void CRdzenUlomnosc::ApplyToAttributes(const GrowthProfile& raceStage) {
    GrowthProfile profile = raceStage;
    FoldDisabilitiesAndAbilities(rules_, character_, port_, profile);
    forEachOwner([&](CPoz& ability, CPoz& owner) {
        CRdzenFormula(rules_, character_, owner).ApplyToAttributes(profile, ability.info, tag());
    });
}

void CRdzenUlomnosc::WeightWeaponGroups(CPoz& candidates) const {
    forEachOwner([&](CPoz&, CPoz& owner) {
        CRdzenFormula(rules_, character_, owner).WeightWeaponGroups(candidates);
    });
}

void FoldDisabilitiesAndAbilities(Database& rules, CIstota& character, UserPort& port,
                                  GrowthProfile& profile) {
    // Folding re-opens applied formulas and throws no dice.
    for (const int kind : {CRdzenUlomnosc::kDisabilities, CRdzenUlomnosc::kAbilities})
        CRdzenUlomnosc(rules, character, port, false, kind).FoldIntoProfile(profile);
}

} // namespace tallar
