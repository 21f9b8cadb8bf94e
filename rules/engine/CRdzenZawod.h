#pragma once

#include "rules/core/GrowthProfile.h"
#include "rules/engine/EngineStep.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tallar {

class CPoz;

// A grade of a trade: its number, its code (the trade entry's memo and the owner kind of
// the grade's formulas), its name, the text appended to the trade's name, the labels of its
// experience and wealth rolls (followed by the trade's name) and the group of expressions
// it rolls (0 basics, 1 apprenticeship, 2 specialist, 3 master and above).
struct TradeGrade {
    int number;
    std::string_view code;
    std::string_view name;
    std::string_view suffix;
    std::string_view experienceLabel;
    std::string_view wealthLabel;
    int group;
};

// The grades in the order of their numbers; the apprenticeship (99) after the basics.
const std::array<TradeGrade, 7>& tradeGrades();
// The grade of a number; 6 and every number not in the table are the legendary master.
const TradeGrade& tradeGrade(int number);
// The grade that follows the grade code kept in a trade entry's memo: 1 for a memo shorter
// than six characters, 2 after the apprenticeship ("ZAWODS"), else the number after
// "ZAWOD" plus one ("ZAWOD1" gives 2, "ZAWOD6" gives 7, the legendary master again).
int nextTradeGrade(std::string_view memo);

// A character's trades (`zawod`), learned grade by grade: the learning time, the voluntary
// apprenticeship, the experience points and wealth each grade brings, the grade's entry
// with its formulas, which act on the attributes and fold into a growth profile; the
// experience goes to the professions and the wealth to the money and the trade's materials.
class CRdzenZawod : public EngineStep {
public:
    static constexpr int kBasics = 0, kApprenticeship = 1, kSpecialist = 2, kMaster = 3;

    explicit CRdzenZawod(const EngineContext& context);

    // Learns the next grade of the trade `tradeId`: its formulas act on the attributes
    // with `profile` and fold into it. The throws (and the apprenticeship question) are
    // asked when the context says so. False (with a message) when the trade has no row.
    bool LearnTradeGrade(std::string_view tradeId, GrowthProfile& profile);

    // Adds under a grade entry the owner entries of the formulas the grade brings: those of
    // every grade up to it and of the apprenticeship, except the formulas an earlier grade
    // of the same trade brought already (each formula of a trade counts once).
    void LoadGradeFormulas(CPoz& grade);

    // Folds every trade formula of the character into `profile`.
    void FoldTradeFormulas(GrowthProfile& profile) const;
    // Writes the shares of every trade formula into the attribute entries, growing by a
    // profile of the race stage, the disabilities and abilities and the trades before it.
    void ApplyTradeFormulas();
    // Weights the weapon-group candidates of `candidates` by every trade formula.
    void ApplyTradeFormulasToProficiencies(CPoz& candidates) const;

    // The experience points and wealth gained by the grades learned with this object, per
    // group of expressions.
    const std::array<int, 4>& experience() const { return experience_; }
    const std::array<int, 4>& wealth() const { return wealth_; }

private:
    // The label of the shares of a trade formula (the owner entry) of a grade.
    std::string shareLabel(const CPoz& trade, const CPoz& grade, const CPoz& owner);
    // Calls visit(trade, grade, owner) for every formula owner of every grade of every
    // trade, in order.
    template <typename Visit> void forEachFormula(Visit&& visit) const;
    bool readTrade(std::string_view tradeId);
    CPoz& tradeEntry();
    void addWealth(const CPoz& trade, int amount);
    // The professions engine shares the points among the professions.
    void shareExperienceWithProfessions(int points);

    // The trade row: the expressions of each group (absent: none).
    std::string id_, name_;
    std::string learningTime_;
    std::optional<std::string> apprenticeshipTime_;
    std::array<std::optional<std::string>, 4> experienceExpression_;
    std::array<std::optional<std::string>, 4> wealthExpression_;
    std::array<int, 4> experience_{};
    std::array<int, 4> wealth_{};
};

} // namespace tallar
