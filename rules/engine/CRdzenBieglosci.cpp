#include "rules/engine/CRdzenBieglosci.h"

#include "model/Character.h"
#include "model/Entry.h"
#include "rules/core/GrowthProfile.h"
#include "rules/engine/CRdzenProfesja.h"
#include "rules/engine/CRdzenStadium.h"
#include "rules/engine/CRdzenUlomnosc.h"
#include "rules/engine/CRdzenZawod.h"

namespace tallar {

CRdzenBieglosci::CRdzenBieglosci(const EngineContext& context) : EngineStep(context) {}

void CRdzenBieglosci::Recount() {
    // Refreshing re-opens what was rolled before: nothing is thrown or asked.
    const EngineContext quiet = context().automatic();
    CRdzenStadium(quiet).RacialProficiencies();
    GrowthProfile raceStage;
    CRdzenStadium(quiet).FoldProfile(raceStage);
    for (const auto kind : {CRdzenUlomnosc::kDisabilities, CRdzenUlomnosc::kAbilities})
        CRdzenUlomnosc(quiet, kind).ApplyToAttributes(raceStage);
    CRdzenZawod(quiet).ApplyTradeFormulas();
    refreshProfessionParts(quiet);

    CPoz* proficiencies = character().link(kLinkBieglosci);
    if (!proficiencies)
        return;
    (void)proficiencies->Recalculate();
    const int spent = SpentPoints();
    if (proficiencies->empty())
        return;
    CPoz* pool = proficiencies->FindByKind(kinds::proficiency::kFree);
    if (!pool)
        pool =
            &proficiencies->AddChild({.info = "Wolne biegłości", .typ = kinds::proficiency::kFree});
    (void)pool->SetOrAdd(
        {.info = "Wykorzystane", .typ = kinds::proficiency::kSpent, .wartosc = spent});
    (void)pool->Recalculate();
}

int CRdzenBieglosci::SpentPoints() const {
    int spent = 0;
    const CPoz* proficiencies = character().link(kLinkBieglosci);
    if (!proficiencies)
        return spent;
    for (const CPoz* proficiency : proficiencies->children())
        if (proficiency->typ == kinds::proficiency::kProficiency)
            for (const CPoz* part : proficiency->children())
                spent -= textToInt(part->memo.substr(0, part->memo.find('|')));
    return spent;
}

void CRdzenBieglosci::refreshProfessionParts(const EngineContext& quiet) {
    // The bonuses' parts, then the levels' parts: levels already made keep their throws, so
    // this throws only for a level the character has not had yet, automatically.
    CRdzenProfesja professions(quiet);
    professions.ApplyProfessionBonuses();
    professions.AdvanceLevels();
    keepFailureOf(professions);
}

} // namespace tallar
