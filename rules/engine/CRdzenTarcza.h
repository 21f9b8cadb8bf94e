#pragma once

#include "rules/engine/EngineStep.h"

#include <string>
#include <string_view>

namespace tallar {

class CPoz;

// A shield as one row of `tarcza` describes it; what a row leaves empty counts as the
// neutral value (a limit of 1/1, no defence, no flag).
struct ShieldRecord {
    std::string id;
    std::string name;
    int dexterityLimit = 1; // the dexterity is cut to 1/N
    int speedLimit = 1;
    int defence = 0;
    int weight = 0;
    int resistanceBonus = 0; // to resistances 7, 8 and 10
    int durability = 0;
    bool metal = false;
    int spikes = 0; // piercing effectiveness, only with spikes
    int edge = 0;   // cutting effectiveness, only with an edge
    int blunt = 0;
    bool groundRest = false;  // can be driven into or rested on the ground
    bool armourMount = false; // can be fixed to the armour
    bool handMount = false;   // can be fixed to the arm
    std::string users = "WSZYSTKICH";
};

// The children of a shield entry a use of the shield refers to.
struct ShieldReferences {
    CPoz* dexterityLimit = nullptr;
    CPoz* speedLimit = nullptr;
    CPoz* defence = nullptr;
};

// Shields: a `tarcza` row becomes a shield entry of the carried equipment, one child per
// property; a shield held somewhere is applied as a shield-use entry whose limits and
// defence refer to the shield's, changed by the skills' modifications, with its bonus to
// resistances 7, 8 and 10, the effect of metal on resistance 9 and its part of the
// ranged defence of every body part.
class CRdzenTarcza : public EngineStep {
public:
    explicit CRdzenTarcza(const EngineContext& context) : EngineStep(context) {}

    // Adds the shield of this id to the carried equipment ("przy sobie"). The new entry, or
    // null when the character carries nothing or no row has the id (a failed query is
    // shown).
    CPoz* AddShieldEntry(std::string_view id);

    // The record a shield entry holds (from its children by kind); with `references` also
    // the children its use refers to (null where the shield has none).
    static ShieldRecord ReadShieldEntry(const CPoz& shield, ShieldReferences* references = nullptr);

    // Builds the use of `shield` under `parent`: a shield-use entry with the memo (where
    // the shield is held), its limits and defence as references to the shield's with the
    // modifications of the character's skills. With `link` the use refers to the shield
    // and carries the shield's effects on the character (resistances, ranged defence);
    // without, it only shows the shield as held. The new entry.
    CPoz& ApplyShield(CPoz& parent, CPoz& shield, bool link, std::string_view memo);

    // The amount of a skill's modification: a, plus b for every c points by which d
    // exceeds f (whole steps only with the flag "T", else rounded), never below 0. Each
    // expression is evaluated with the character's values, never asking.
    int ModifierValue(std::string_view a, std::string_view b, std::string_view c,
                      std::string_view d, std::string_view flag, std::string_view f) const;

private:
    void applyModifications(const ShieldReferences& targets);
    void applyToCharacter(CPoz& use, const ShieldRecord& shield);
};

} // namespace tallar
