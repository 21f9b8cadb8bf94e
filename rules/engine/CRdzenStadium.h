#pragma once

#include "base/Status.h"
#include "rules/core/CRdzen.h"
#include "rules/core/GrowthProfile.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class CIstota;
class CPoz;
class Database;
class UserPort;

// Entry kinds of a character's race stage and its passages.
namespace stagekinds {
inline constexpr int kStage = 272;                  // the race stage; specjal = stadia.id
inline constexpr int kPassages = 321;               // "Kolejne przeistoczenia"
inline constexpr int kPassage = 305;                // one passage of a stage
inline constexpr int kDeathChance = 593;            // "Szansa na śmierć ze starości"
inline constexpr int kSkin = 9552;                  // "Skóra"
inline constexpr int kRaceWeaponGroups = 1072;      // the race's weapon-group bonuses
inline constexpr int kProficiency = 1573;           // a weapon proficiency
inline constexpr int kRacialProficiency = 1089;     // "Rasowa" under a proficiency
inline constexpr int kNaturalWeaponList = 24576;    // natural weapons of the stages
inline constexpr int kNaturalWeapon = 24592;        // one natural weapon
inline constexpr int kBodyPart = 4096;              // a body part under "Ciało"
inline constexpr int kTrade = 816;                  // a trade under "Zawody"
inline constexpr int kRandomPsychic = 18545;        // random part of the base psychic resistance
inline constexpr int kRandomPhysical = 18705;       // random part of the base physical resistance
inline constexpr int kVitalityOther = 4913;         // other coefficient of Żywotność
inline constexpr int kStrengthOther = 4993;         // other coefficient of Siła fizyczna
inline constexpr int kOverweightVitality = 14609;   // "Nadwaga"/"Niedowaga" under Żywotność
inline constexpr int kOverweightStrength = 14689;   // … under Siła fizyczna
inline constexpr int kOverweightDexterity = 16401;  // … under Zręczność
inline constexpr int kOverweightSpeed = 16481;      // … under Szybkość
inline constexpr int kSkinDexterityLimit = 1537;    // "Ograniczenia zręczności 1/" under "Skóra"
inline constexpr int kSkinSpeedLimit = 1553;        // "Ograniczenia szybkości 1/" under "Skóra"
inline constexpr int kPassageDexterityLimit = 9489; // "Ograniczenia zręczności" in a passage
inline constexpr int kPassageSpeedLimit = 9505;     // "Ograniczenia szybkości" in a passage
} // namespace stagekinds

// The kinds a member of the attribute set uses in a passage and for its racial part.
struct StageMemberKinds {
    int value;      // the amount of a passage
    int multiplier; // growth multiplier of the stage (0: none)
    int limit;      // limit of the stage (0: none)
    int racial;     // "Rasowa" under the character's entry
};
// In the order of attributeSet().
const StageMemberKinds& stageMemberKinds(std::size_t member);

// Where a weight or height roll lands in a stage's range `from`..`to` (see docs/RULES.md):
// a roll up to 20 climbs from `from`, 21 to 80 cycles through the middle band, above 80
// climbs from its top. The step is a fiftieth of the span.
int weightFromRoll(int roll, int from, int to);
// The overweight (positive) or underweight (negative) distance of a weight roll: 0 for 21
// to 80, roll − 21 below, roll − 80 above.
int overweightDistance(int roll);

// The race-stage step: reads the stages a character passes through, writes each passage as
// entries of the character and computes from them the racial parts of the attributes,
// weight and height, natural armour and the random parts. Works on one character with
// one rules connection for one step; writes no rows.
class CRdzenStadium : public CRdzen {
public:
    // `generator` null means the program's generator.
    CRdzenStadium(Database& rules, CIstota& character, UserPort& port,
                  DiceGenerator* generator = nullptr);

    // Makes the passages of the character's race stages between the two ages, with their
    // attribute, natural-weapon and body-part entries. True when the stage entry and at
    // least one passage exist afterwards. A passage already made (same stage, same age) is
    // not made again.
    bool Passages(int fromAge, int toAge, bool askRolls);

    // Computes the racial parts of every attribute from all passages and writes the
    // "Rasowa", overweight/underweight, skin, death-chance and limit entries, weight and
    // height.
    void Apply(const GrowthProfile& profile);

    // Passages up to the character's age, then height, weight, death chance and the random
    // parts of the base resistances (each rolled once).
    void RollRandomParts(bool askRolls);

    // Computes the current age from the starting age, the trades and the professions, runs
    // the passages up to it and applies them with the profile of the character's
    // disabilities and abilities (the initial profile while they have no formulas). The
    // stages' own multipliers and limits are not in it: Apply reads them from the passages.
    void AgeStep(bool askRolls);

    // Adds the passages' multipliers, limits and other coefficients into the profile, for
    // the formulas of abilities, disabilities, professions and trades.
    void FoldProfile(GrowthProfile& profile) const;

    // Writes the racial part of every weapon proficiency of the character.
    void RacialProficiencies();

private:
    struct AmountGroup;

    CPoz* appearance() const;
    CPoz* stageEntry() const;
    CPoz* passageList(bool make);
    std::vector<CPoz*> passages() const;
    std::vector<std::string> professionIds() const;

    void report(const Status& status);
    DiceRolls rolls(bool askRolls);
    double rollAmount(const std::string& amount, const std::string& prompt, bool twice,
                      bool askRolls);

    void readStageRow(CPoz& passage, bool firstOfStage, bool askRolls);
    void makeAmountEntries(CPoz& passage, const AmountGroup& group, bool firstOfStage,
                           bool askRolls);
    void readNaturalWeapons(const std::string& stageId, bool askRolls);
    void readBodyParts(const std::string& stageId);
    // Stage skills: the skills engine joins here.
    void joinStageSkills(const std::string& stageId, bool askRolls);

    int racialPart(std::size_t member, const GrowthProfile& profile) const;
    void applySkin();
    void applyWeightAndHeight(CPoz& appearanceEntry);

    Database& rules_;
    CIstota& character_;
    UserPort& port_;
    DiceGenerator* generator_;
};

} // namespace tallar
