#pragma once

#include "rules/core/GrowthProfile.h"
#include "rules/engine/EngineStep.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tallar {

class CPoz;

// What a formula can change, in the order of the `formuly` columns: the ten resistances,
// antimagic, the eleven attributes, then delay, weight, height and proficiency. Each has
// the kinds of its entries under a formula's owner (value, growth multiplier, limit) and of
// its share under the character's entry; 0 where it has none.
struct FormulaMemberDef {
    std::string_view prefix;          // column prefix in `formuly`
    std::string_view name;            // name in the labels of formula entries
    int valueKind;                    // the effect under the owner
    int multiplierKind;               // "Mnożnik przyrostów …" under the owner
    int limitKind;                    // "Limit …" under the owner
    int shareKind;                    // the share under the character's entry
    std::string_view multiplierLabel; // info of the multiplier entry
    std::string_view limitLabel;      // info of the limit entry
    int profileMember;                // index in attributeSet() and GrowthProfile; -1 for none
};

// The 26 members in column order; the first 22 are the attribute set.
std::span<const FormulaMemberDef> formulaMembers();
inline constexpr std::size_t kFormulaAttributeMembers = 22;
inline constexpr std::size_t kFormulaDelay = 22;
inline constexpr std::size_t kFormulaWeight = 23;
inline constexpr std::size_t kFormulaHeight = 24;
inline constexpr std::size_t kFormulaProficiency = 25;

// One formula (`formuly`) applied to a character: its expressions evaluated once, its
// effects hung under an owner entry, from which it can be re-opened later to fold into a
// growth profile, to write shares into the character's attribute entries and to weight
// weapon groups.
class CRdzenFormula : public EngineStep {
public:
    struct Member {
        std::optional<std::string> sign;       // "+", "-", "*", "/" or "=" (first character)
        std::optional<std::string> amount;     // amount expression
        std::optional<std::string> multiplier; // growth-multiplier expression
        std::optional<std::string> limit;      // limit expression
        double amountValue = 1.0;
        double multiplierValue = 1.0;
        int limitValue = 0;
        CPoz* valueEntry = nullptr; // the effect entry under the owner, once made
    };

    // Loads the formula, evaluates it (every die thrown, or asked with `prompt` when the
    // context says so, once, in the order type, amounts, multipliers, limits), hangs its
    // effects under `owner` and links its weapon groups. Applying again to the same owner
    // updates the entries it made before. A failing query is shown through the port.
    CRdzenFormula(const EngineContext& context, std::string_view formulaId, CPoz& owner,
                  std::string_view prompt);
    // Re-opens a formula applied before from the entries under `owner`.
    CRdzenFormula(const EngineContext& context, CPoz& owner);

    // Adds the formula's MAX/MIN balances, growth multipliers and limits to `profile`.
    void FoldIntoProfile(GrowthProfile& profile) const;

    // Writes the formula's shares into the character's attribute entries (and weight,
    // height and the proficiencies of its weapon groups) with the info `label` and the memo
    // "<number>|<memo>", and recomputes the entries changed.
    void ApplyToAttributes(const GrowthProfile& profile, std::string_view label,
                           std::string_view memo);

    // Raises (MAX, or by the proficiency amount times the type) or lowers (MIN) the modifier
    // of each child of `candidates` whose special text names one of the formula's weapon
    // groups.
    void WeightWeaponGroups(CPoz& candidates) const;

    const std::string& formulaId() const { return formulaId_; }
    const std::optional<std::string>& typeExpression() const { return type_; }
    double typeValue() const { return typeValue_; }
    const Member& member(std::size_t index) const { return members_.at(index); }

private:
    void reset();
    void load();
    void evaluate(std::string_view prompt);
    void apply();
    void linkWeaponGroups();
    bool isMaxOrMin() const;
    CPoz* shareParent(std::size_t index) const;
    void applyShare(CPoz& parent, const FormulaMemberDef& def, const Member& m, int shareKind,
                    const GrowthProfile& profile, std::string_view label, std::string_view memo);

    CPoz& owner_;
    std::string formulaId_;
    bool rowRead_ = false;
    std::optional<std::string> type_;
    double typeValue_ = 0.0;
    std::array<Member, 26> members_;
};

} // namespace tallar
