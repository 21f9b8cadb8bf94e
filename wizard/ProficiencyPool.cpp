#include "wizard/ProficiencyPool.h"

#include "model/Character.h"
#include "rules/core/RulesMath.h"
#include "rules/engine/CRdzenBieglosci.h"

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

void recountProficiencyPool(const EngineContext& context) {
    CRdzenBieglosci(context).Recount();
}

} // namespace tallar
