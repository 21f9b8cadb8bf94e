#pragma once

#include "model/ArmourLimits.h"
#include "rules/engine/EngineStep.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class CPoz;

// An armour element as one row of `elementzbroi` describes it; what a row leaves empty
// counts as the neutral value (limits and coefficients of 1/1, nothing else).
struct ArmourElement {
    std::string id;
    int dexterityLimit = 1; // the dexterity is cut to 1/N
    int speedLimit = 1;
    int defence = 0;
    int piercing = 0; // absorption (wyparowania)
    int cutting = 0;
    int blunt = 0;
    int layer = 0;             // 1 lies next to the body; a greater layer lies over it
    int dexterityIncrease = 0; // added to the limit of the element one layer below
    int speedIncrease = 0;
    int absorptionFactor = 1; // divides the defence and absorption one layer below
    int durability = 0;
    int resistanceBonus = 0; // to resistances 7, 8 and 10
    bool metal = false;
    int breathFactor = 1; // divides the damage of breath
    int weight = 0;
};

// The layering figures of an element from columns 2 to 13 of a row that selects, in this
// order, ogrzr, ogrsz, obrona, wypkl, wyptn, wypob, warstwa, zwogrzr, zwogrsz, wspwypiob,
// bonus and metal of `elementzbroi` (columns 0 and 1 are the caller's: the body part).
ArmourElement layeringElementFromRow(const Row& row);

// What the layers of an armour give one body part.
struct BodyPartProtection {
    std::string partId{};   // the body part's special text
    std::string partName{}; // its label
    int defence = 0;
    int piercing = 0;
    int cutting = 0;
    int blunt = 0;
    // The element counted last (the outermost not yet passed): its layer, increases and
    // coefficient act on the element one layer below it.
    int layer = 0;
    int dexterityIncrease = 0;
    int speedIncrease = 0;
    int absorptionFactor = 1;
};

// The layering of an armour over body parts. Elements come per body part from the
// outermost layer inwards; an element lying exactly one layer below the previous one has
// its defence and absorption divided by that one's coefficient and its limits raised by
// that one's increases. The armour's limits are the largest any element gives.
class ArmourLayering {
public:
    // Counts element `e` on the body part; `defaultPart` marks the default location of
    // blows, whose protection is the armour's own.
    void add(std::string_view partId, std::string_view partName, bool defaultPart,
             const ArmourElement& e);

    const std::vector<BodyPartProtection>& parts() const { return parts_; }
    int dexterityLimit() const { return dexterityLimit_; }
    int speedLimit() const { return speedLimit_; }
    int resistanceBonus() const { return resistanceBonus_; }
    bool metal() const { return metal_; }
    // The protection of the default body part (zero when the armour does not cover it).
    const BodyPartProtection& armourProtection() const { return default_; }

private:
    std::vector<BodyPartProtection> parts_;
    BodyPartProtection default_;
    int dexterityLimit_ = 1;
    int speedLimit_ = 1;
    int resistanceBonus_ = 0;
    bool metal_ = false;
};

// Armour: an armour (`zbroja`) becomes an armour entry of the carried equipment with its
// elements in layer order; a worn armour gives every body part it covers its defence and
// absorption layer by layer, limits the dexterity and speed, and carries its resistance
// bonus and the effect of metal.
class CRdzenZbroja : public EngineStep {
public:
    explicit CRdzenZbroja(const EngineContext& context) : EngineStep(context) {}

    // Adds the armour of this id with its elements to the carried equipment. The new
    // entry, or null when the character carries nothing or no row has the id.
    CPoz* AddArmourEntry(std::string_view id);

    // The record an element entry holds: the layer from its value, the rest from its
    // children by kind (limits and coefficients below 1 count as 1).
    static ArmourElement ReadArmourElement(const CPoz& element);

    // Wears the armour entry: an armour-use entry under "Pancerz", the protection of the
    // body parts it covers (both go when the use goes), its limits, resistance bonus and
    // metal. With `summary` nothing of the character changes: the protection of each body
    // part, the limits and the armour's own protection are written under `summary`.
    void ApplyArmour(CPoz& armour, CPoz* summary = nullptr);

    // Combines the limits of the skin, the shields in use and the armours worn. With
    // `result` they are only returned there; without, the current dexterity and speed get
    // them as their "Ograniczenia" parts (none for a divisor of 1) and are recalculated.
    void CurrentLimits(LimitDivisors* result = nullptr);

private:
    ArmourLayering layer(const CPoz& armour);
};

} // namespace tallar
