#pragma once

#include "rules/core/GrowthProfile.h"
#include "rules/engine/EngineStep.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class CIstota;
class CPoz;

// Where a weight or height roll lands in a stage's range `from`..`to` (see docs/RULES.md):
// a roll up to 20 climbs from `from`, 21 to 80 cycles through the middle band, above 80
// climbs from its top. The step is a fiftieth of the span.
int weightFromRoll(int roll, int from, int to);
// The overweight (positive) or underweight (negative) distance of a weight roll: 0 for 21
// to 80, roll − 21 below, roll − 80 above.
int overweightDistance(int roll);

// The natural weapon with the special text `id` among the children of the character's
// "Bronie naturalne" and of the natural-weapon lists there, or null.
const CPoz* findNaturalWeapon(const CIstota& character, std::string_view id);

// The race-stage step: reads the stages a character passes through, writes each passage as
// entries of the character and computes from them the racial parts of the attributes,
// weight and height, natural armour and the random parts. Works on one character with
// one rules connection for one step; writes no rows. Its throws are asked when the context
// says so.
class CRdzenStadium : public EngineStep {
public:
    explicit CRdzenStadium(const EngineContext& context);

    // Makes the passages of the character's race stages between the two ages, with their
    // attribute, natural-weapon and body-part entries, and then the skills of the
    // character's stage. True when the stage entry and at
    // least one passage exist afterwards. A passage already made (same stage, same age) is
    // not made again.
    bool Passages(int fromAge, int toAge);

    // Computes the racial parts of every attribute from all passages and writes the
    // "Rasowa", overweight/underweight, skin, death-chance and limit entries, weight and
    // height.
    void Apply(const GrowthProfile& profile);

    // Passages up to the character's age, then height, weight, death chance and the random
    // parts of the base resistances (each rolled once).
    void RollRandomParts();

    // Computes the current age from the starting age, the trades and the professions, runs
    // the passages up to it and applies them with the profile of the character's
    // disabilities and abilities (the initial profile while they have no formulas). The
    // stages' own multipliers and limits are not in it: Apply reads them from the passages.
    void AgeStep();

    // Adds the passages' multipliers, limits and other coefficients into the profile, for
    // the formulas of abilities, disabilities, professions and trades.
    void FoldProfile(GrowthProfile& profile) const;

    // Writes the racial part of every weapon proficiency of the character. The race's
    // weapon groups and the natural weapons (memo "NATURALNA") that have no proficiency
    // entry get one first.
    void RacialProficiencies();

private:
    struct AmountGroup;

    CPoz* appearance() const;
    CPoz* stageEntry() const;
    CPoz* passageList(bool make);
    std::vector<CPoz*> passages() const;
    std::vector<std::string> professionIds() const;

    double rollAmount(const std::string& amount, const std::string& prompt, bool twice);

    void readStageRow(CPoz& passage, bool firstOfStage);
    void makeAmountEntries(CPoz& passage, const AmountGroup& group, bool firstOfStage);
    void readNaturalWeapons(const std::string& stageId);
    void readBodyParts(const std::string& stageId);

    int racialPart(std::size_t member, const GrowthProfile& profile) const;
    void applySkin();
    void applyWeightAndHeight(CPoz& appearanceEntry);
};

} // namespace tallar
