#pragma once

#include "rules/engine/EngineStep.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tallar {

class CPoz;

// One row of `bronie` as the weapon step reads it. Missing values give the defaults below:
// numbers 0, flags off, the defence factors and the damage factor 1, the limits 99 (none),
// the users "WSZYSTKICH".
struct WeaponRecord {
    std::string id;
    std::string groupId;
    std::string name;
    std::string handedness; // "JL", "J", "PT" or "DW"
    int piercing = 0;
    int piercingRanged = 0;
    int cutting = 0;
    int cuttingRanged = 0;
    int blunt = 0;
    int bluntRanged = 0;
    int defence = 0;
    bool doubleDefence = false; // doubled when held in two hands
    double shieldDefenceFactor = 1.0;
    double armourDefenceFactor = 1.0;
    int attacks = 0;
    bool hitCancelsAttack = false;
    int durability = 0;
    double damageFactor = 1.0;
    int delay = 0;
    bool preparedAttack = false;
    int hitBonus = 0;
    int damageBonus = 0;
    bool doubleCritical = false;
    int maxDexterityLimit = 99; // N of "1/N"; 99: no limit
    int maxSpeedLimit = 99;
    int minimumHeight = 0;
    int minimumStrength = 0;
    int weight = 0;
    int productionTime = 0;
    std::string range;
    std::string intendedFor = "WSZYSTKICH";
    bool tenthDisables = false;
    bool tenthMayDisable = false;
    bool tenthMayStun = false;
    bool hitMayDisable = false;
    bool hitHalves = false;
    bool secondary = false;
    bool passing = false;
    bool splintering = false;
    bool charge = false;
    bool holdBack = false;
};

// The entries of a weapon that its held statistics refer to (null where the weapon has
// none): attacks, delay, the six effectiveness entries, defence, hit and damage bonus.
struct WeaponSources {
    CPoz* attacks = nullptr;
    CPoz* delay = nullptr;
    std::array<CPoz*, 6> effectiveness{}; // piercing, piercing ranged, cutting, …, blunt ranged
    CPoz* defence = nullptr;
    CPoz* hitBonus = nullptr;
    CPoz* damageBonus = nullptr;
};

// How much of the hands a weapon takes: 1, 5, 10 light ("JL"), 11, 15, 20 one-handed ("J"),
// 30 hand-and-a-half ("PT"), 40 two-handed ("DW"); "N" for anything else.
struct Handedness {
    int handClass = 20;
    std::string code = "N";
};

// Whether a name is a bow's ("łuk" in any case, anywhere in it).
bool isBowName(std::string_view name);
// The code shown for a handedness class.
std::string handednessCode(int handClass);
// Whether a weapon of this class may be used while the other hand holds one of `other`
// (0: nothing), held by `holders` limbs.
bool mayBeUsedTogether(int handClass, int other, int holders);

// The weapon step: a row of `bronie` becomes a weapon entry of the character, and a weapon
// held in limbs gets its statistics entry, whose parts refer to the weapon's properties,
// the proficiency and the attributes, so that they follow them whenever the tree is
// recalculated. Missing entries (no weapon, no owner) leave the character as it was.
class CRdzenBron : public EngineStep {
public:
    explicit CRdzenBron(const EngineContext& context) : EngineStep(context) {}

    // The row of `bronie` with this identifier, or nothing when there is none (or the query
    // failed, which is shown).
    std::optional<WeaponRecord> LoadWeaponRecord(std::string_view id);

    // Adds the weapon entry of the row to the character's carried equipment ("przy sobie"),
    // with one child per property. Returns it; null (nothing added) when the identifier
    // names no weapon or the character carries nothing.
    CPoz* AddWeaponEntry(std::string_view id);

    // The record of a weapon entry (a weapon or a natural weapon), read back from its
    // children; with `sources`, also the entries its statistics refer to.
    WeaponRecord ReadWeaponEntry(const CPoz& weapon, WeaponSources* sources = nullptr) const;

    // The weapon's handedness class for this character: bows aside, a tall or strong
    // character handles it a class lighter, and ambidexterity in its group lighter still.
    Handedness HandednessClass(const WeaponRecord& weapon) const;

    // The weapon's specialisation bonus for the code: the sum of the field of the code in
    // the memos of the parts of the character's proficiency in the weapon's group.
    int WeaponSpecialisation(std::string_view code, const WeaponRecord& weapon) const;

    // Builds under `owner` the statistics entry of the weapon `holder` names (its target,
    // or itself), as held by the limbs of `limbs` that are linked to `holder`. Without
    // `limbs` the weapon counts as usable, unless `limbsRequired` (then nothing is made).
    // Returns the statistics entry, or null when nothing was made.
    CPoz* AddWeaponStatistics(CPoz& owner, CPoz& holder, const CPoz* limbs, bool limbsRequired);

    // The statistics of every natural weapon of the character with a proficiency, under
    // "Bronie" of "Walka": once per piece ("Ilość"). Those that take a holding limb are
    // left to the placement, which counts them once per limb that holds them.
    void AddNaturalWeaponStatistics();

    // The character's proficiency in a weapon group (its entry under "Biegłości w
    // broniach"), or null.
    CPoz* proficiencyIn(std::string_view groupId) const;

private:
    CPoz* minimumProficiency() const;
    int characterHeight() const;
};

} // namespace tallar
