#pragma once

#include "rules/core/GrowthProfile.h"
#include "rules/engine/EngineStep.h"
#include "rules/engine/LevelAdvancement.h"

#include <array>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace tallar {

class CPoz;

// The professions of a character (the entries page 3 makes under "Profesje") turned into
// entries: the professional bonuses rolled from `profesje`, their parts in the attributes,
// resistances and proficiencies, the experience shared among the professions, and the
// experience levels with their increases and the professions' titles. Works on one
// character with one rules connection for one step; writes no rows.
class CRdzenProfesja : public EngineStep {
public:
    // The highest level a profession is advanced to; a higher one counts as this.
    static constexpr int kMaxLevel = 999;

    // `chooser` shows a new level to the person when throws are asked; without one the
    // level's K10 goes to the lower base resistance as with automatic throws.
    explicit CRdzenProfesja(const EngineContext& context,
                            LevelAdvancementChooser* chooser = nullptr);

    // Rolls the professional bonuses once per character ("Dodatki profesjonalne"): per
    // bonus the greatest expression among the professions, Zauważenie rolled twice when a
    // profession says so. Nothing when there is no profession or the bonuses exist.
    void AddProfessionBonuses();

    // Writes the rolled bonuses into the attribute, resistance and proficiency entries
    // ("Profesja" parts growing by the character's growth profile, free proficiencies, the
    // proficiency bonus and minimum) and recalculates the character.
    void ApplyProfessionBonuses();

    // Shares `points` experience points among the professions that have experience: each
    // gets the rounded share, the last one what is left (10 among three: 3, 3, 4).
    void DistributeExperience(int points);

    // The highest level among the character's professions; 0 when it has none.
    int HighestLevel() const;

    // Builds or completes the experience levels of every profession (levels already made
    // keep their rolls; only new levels and greater expressions are rolled), writes their
    // summed increases into the attribute, resistance and proficiency entries, gives the
    // professions their titles and recalculates the character.
    void AdvanceLevels();

private:
    struct LevelFields;
    using Increases = std::array<int, levelField::kCount>;

    CPoz* professions() const;
    CPoz* bonuses() const;
    // "Wolne biegłości" under "Biegłości w broniach"; made when missing with `make`.
    CPoz* freeProficiencies(bool make) const;
    GrowthProfile growthProfile() const;

    // The character's trade formulas folded into the profile (the trades engine).
    void foldTradeFormulas(GrowthProfile& profile) const;
    // The professions' skills up to their levels (the skills engine's professions source).
    void trainProfessionSkills();

    // A "Profesja" or "Poziomy doświadczenia" part of a member of the attribute set, with
    // its growth multiplier; dropped when 0.
    void setAttributePart(std::size_t member, std::string_view label, int kind, int value,
                          const GrowthProfile& profile);
    void applyProficiencyMinimum(int minimum);

    CPoz& levelEntry(CPoz& levels, int n, bool& added);
    std::string levelProposal(const Increases& sums) const;
    std::string askLevelChoice(const CPoz& job, int n, const Increases& sums,
                               const GrowthProfile& profile, const std::string& proposal) const;
    void rollLevel(LevelFields& fields, const std::string& increases);
    int levelIncrease(const LevelFields& fields, std::size_t field) const;
    int spanOf(std::string_view expression) const;
    double valueWithoutLevels(CPoz& entry, int levelKind) const;
    void writeLevelSums(const Increases& sums, const GrowthProfile& profile);
    void giveTitles();

    LevelAdvancementChooser* chooser_;
};

} // namespace tallar
