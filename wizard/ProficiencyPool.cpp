#include "wizard/ProficiencyPool.h"

#include "model/Character.h"
#include "rules/core/RulesMath.h"
#include "rules/engine/CRdzenStadium.h"

namespace tallar {

using namespace kinds;

CPoz* freeProficiencyEntry(const CIstota& character) {
    const CPoz* proficiencies = character.link(kLinkBieglosci);
    return proficiencies ? proficiencies->FindByKind(proficiency::kFree) : nullptr;
}

int freeProficiencies(const CIstota& character) {
    CPoz* pool = freeProficiencyEntry(character);
    if (!pool)
        return 0;
    pool->Recalculate();
    return roundToInt(pool->total);
}

int pointsTaken(const CPoz& proficiency) {
    int points = 0;
    for (const CPoz* part : proficiency.children())
        points += textToInt(splitText(part->memo, '|').front());
    return points;
}

// Marked place: the recount of the proficiency pool (CRdzenBieglosci's Recount: the racial
// proficiencies, the disabilities and abilities, the trades, the professions' proficiency
// steps, then the spent points). Until that step is connected here, this does its first
// and last parts: the racial proficiencies and the spent points.
void recountProficiencyPool(const EngineContext& context) {
    CRdzenStadium(context.automatic()).RacialProficiencies();
    CPoz* proficiencies = context.character.link(kLinkBieglosci);
    if (!proficiencies)
        return;
    proficiencies->Recalculate();
    int spent = 0;
    for (const CPoz* child : proficiencies->children())
        if (child->typ == proficiency::kProficiency)
            spent -= pointsTaken(*child);
    if (proficiencies->empty())
        return;
    CPoz* pool = proficiencies->FindByKind(proficiency::kFree);
    if (!pool)
        pool = &proficiencies->AddChild({.info = "Wolne biegłości", .typ = proficiency::kFree});
    (void)pool->SetOrAdd({.info = "Wykorzystane", .typ = proficiency::kSpent, .wartosc = spent});
    pool->Recalculate();
}

} // namespace tallar
