#include "rules/engine/CRdzenFormula.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "model/Entry.h"
#include "store/db/Database.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tallar {

namespace {

// A member of the attribute set, its kinds from the catalogue.
constexpr FormulaMemberDef attributeMember(std::string_view prefix, std::string_view name,
                                           std::string_view multiplierLabel,
                                           std::string_view limitLabel, std::size_t member) {
    using namespace kinds::perMember;
    return {prefix,
            name,
            kFormulaEffect[member],
            kGrowthMultiplier[member],
            kFormulaLimit[member],
            kFormulaShare[member],
            multiplierLabel,
            limitLabel,
            static_cast<int>(member)};
}

// A member outside the attribute set: an effect and perhaps a share.
constexpr FormulaMemberDef otherMember(std::string_view prefix, std::string_view name,
                                       int effectKind, int shareKind) {
    return {prefix, name, effectKind, 0, 0, shareKind, "", "", -1};
}

using namespace kinds;
constexpr std::size_t kOdp1 = member::kResistance1;

// clang-format off
constexpr std::array<FormulaMemberDef, 26> kFormulaMembers = {{
    attributeMember("odp1", "Odporność nr.1", "Mnożnik przyrostów odporności nr.1", "Limit odporności nr.1", kOdp1),
    attributeMember("odp2", "Odporność nr.2", "Mnożnik przyrostów odporności nr.2", "Limit odporności nr.2", kOdp1 + 1),
    attributeMember("odp3", "Odporność nr.3", "Mnożnik przyrostów odporności nr.3", "Limit odporności nr.3", kOdp1 + 2),
    attributeMember("odp4", "Odporność nr.4", "Mnożnik przyrostów odporności nr.4", "Limit odporności nr.4", kOdp1 + 3),
    attributeMember("odp5", "Odporność nr.5", "Mnożnik przyrostów odporności nr.5", "Limit odporności nr.5", kOdp1 + 4),
    attributeMember("odp6", "Odporność nr.6", "Mnożnik przyrostów odporności nr.6", "Limit odporności nr.6", kOdp1 + 5),
    attributeMember("odp7", "Odporność nr.7", "Mnożnik przyrostów odporności nr.7", "Limit odporności nr.7", kOdp1 + 6),
    attributeMember("odp8", "Odporność nr.8", "Mnożnik przyrostów odporności nr.8", "Limit odporności nr.8", kOdp1 + 7),
    attributeMember("odp9", "Odporność nr.9", "Mnożnik przyrostów odporności nr.9", "Limit odporności nr.9", kOdp1 + 8),
    attributeMember("odp10", "Odporność nr.10", "Mnożnik przyrostów odporności nr.10", "Limit odporności nr.10", kOdp1 + 9),
    attributeMember("amag", "Antymagia", "Mnożnik przyrostów antymagi", "Limit antymagi", member::kAntimagic),
    attributeMember("zyw", "Żywotność", "Mnożnik przyrostów żywotności", "Limit żywotności", member::kVitality),
    attributeMember("sf", "Siła fizyczna", "Mnożnik przyrostów siły fizycznej", "Limit siły fizycznej", member::kStrength),
    attributeMember("zr", "Zręczność", "Mnożnik przyrostów zręczności", "Limit zręczności", member::kDexterity),
    attributeMember("sz", "Szybkość", "Mnożnik przyrostów szybkości", "Limit szybkości", member::kSpeed),
    attributeMember("int", "Inteligencja", "Mnożnik przyrostów inteligencji", "Limit inteligencji", member::kIntelligence),
    attributeMember("md", "Mądrość", "Mnożnik przyrostów mądrości", "Limit mądrości", member::kWisdom),
    attributeMember("um", "Umiejętności magiczne", "Mnożnik przyrostów um.magicznych", "Limit um.magicznych", member::kMagic),
    attributeMember("ch", "Charyzma", "Mnożnik przyrostów charyzmy", "Limit charyzmy", member::kCharisma),
    attributeMember("pr", "Prezęcja", "Mnożnik przyrostów prezencji", "Limit prezencji", member::kPresence),
    attributeMember("wi", "Wiara", "Mnożnik przyrostów wiary", "Limit wiary", member::kFaith),
    attributeMember("zw", "Zauważenie", "Mnożnik przyrostów zauważenia", "Limit zauważenia", member::kPerception),
    otherMember("op", "Opóźnienie", formula::kDelayEffect, 0),
    otherMember("wag", "Waga", formula::kWeightEffect, formula::kWeightShare),
    otherMember("wzr", "Wzrost", formula::kHeightEffect, formula::kHeightShare),
    otherMember("bgl", "Biegłość", formula::kProficiencyEffect, formula::kProficiencyShare),
}};
// clang-format on

constexpr int kTypeColumns = 9;  // typ1, znak1, … typ5
constexpr int kFirstMember = 12; // after id, id_nad, typ_nad and the type columns
constexpr int kZywMember = 11;
constexpr int kSfMember = 12;
constexpr std::string_view kShareMultiplierLabel = "Mnożnik przyrostów";

// The statement reading one formula: its head, the type columns, four columns of each
// attribute-set member and two of delay, weight, height and proficiency.
std::string formulaQuery() {
    std::string sql = "SELECT id,id_nad,typ_nad, typ1,znak1,typ2,znak2,typ3,znak3,typ4,znak4,typ5";
    for (std::size_t i = 0; i < kFormulaMembers.size(); ++i) {
        const std::string p(kFormulaMembers[i].prefix);
        sql += ", " + p + "znak," + p + "kxx";
        if (i < kFormulaAttributeMembers)
            sql += "," + p + "wsp," + p + "limit";
    }
    return sql + " FROM formuly WHERE id=?;";
}

int memberColumn(std::size_t index) {
    return index < kFormulaAttributeMembers
               ? kFirstMember + 4 * static_cast<int>(index)
               : kFirstMember + 4 * static_cast<int>(kFormulaAttributeMembers) +
                     2 * static_cast<int>(index - kFormulaAttributeMembers);
}

// A column that is NULL or empty is absent.
std::optional<std::string> present(const Row& row, int column) {
    auto value = row.value(column);
    if (value && value->empty())
        value.reset();
    return value;
}

std::optional<std::string> presentText(const std::string& text) {
    return text.empty() ? std::nullopt : std::optional<std::string>(text);
}

char firstOf(const std::optional<std::string>& text) {
    return text && !text->empty() ? text->front() : '\0';
}

// A factor in hundredths shown as a whole percentage. The factor is already rounded to
// hundredths, so rounding (not truncating) the product by 100 keeps 0.29 at 29 %.
std::string percentText(double factor) {
    return std::to_string(roundToInt(roundToHundredths(factor) * 100.0)) + "%";
}

} // namespace

std::span<const FormulaMemberDef> formulaMembers() {
    return kFormulaMembers;
}

CRdzenFormula::CRdzenFormula(const EngineContext& context, std::string_view formulaId, CPoz& owner,
                             std::string_view prompt)
    : EngineStep(context), owner_(owner), formulaId_(formulaId) {
    reset();
    load();
    evaluate(prompt);
    apply();
    linkWeaponGroups();
}

CRdzenFormula::CRdzenFormula(const EngineContext& context, CPoz& owner)
    : EngineStep(context), owner_(owner), formulaId_(owner.specjal) {
    reset();
    typeValue_ = owner.modyfikator;
    type_ = presentText(owner.memo);
    for (CPoz* child : owner.children()) {
        for (std::size_t i = 0; i < kFormulaMembers.size(); ++i) {
            const FormulaMemberDef& def = kFormulaMembers[i];
            Member& m = members_[i];
            if (child->typ == def.valueKind) {
                m.sign = presentText(child->specjal);
                m.amount = presentText(child->memo);
                m.amountValue = child->modyfikator;
                m.valueEntry = child;
            } else if (def.multiplierKind && child->typ == def.multiplierKind) {
                m.multiplierValue = child->modyfikator;
                m.multiplier = presentText(child->memo);
            } else if (def.limitKind && child->typ == def.limitKind) {
                m.limitValue = child->wartosc;
                m.limit = presentText(child->memo);
            }
        }
    }
}

void CRdzenFormula::reset() {
    rowRead_ = false;
    type_.reset();
    typeValue_ = 0.0;
    members_.fill(Member{});
}

void CRdzenFormula::load() {
    static const std::string sql = formulaQuery();
    (void)queryRules(sql, {formulaId_}, [&](const Row& row) {
        rowRead_ = true;
        const auto typ1 = present(row, 3);
        if (typ1 && (*typ1 == "MAX" || *typ1 == "MIN")) {
            type_ = typ1;
        } else {
            std::string joined;
            for (int column = 3; column < 3 + kTypeColumns; ++column)
                joined += row.text(column);
            type_ = presentText(joined);
        }
        for (std::size_t i = 0; i < kFormulaMembers.size(); ++i) {
            const int column = memberColumn(i);
            Member& m = members_[i];
            m.sign = present(row, column);
            m.amount = present(row, column + 1);
            if (i < kFormulaAttributeMembers) {
                m.multiplier = present(row, column + 2);
                m.limit = present(row, column + 3);
            }
        }
    });
}

bool CRdzenFormula::isMaxOrMin() const {
    return type_ && (*type_ == "MAX" || *type_ == "MIN");
}

void CRdzenFormula::evaluate(std::string_view prompt) {
    const auto eval = [&](const std::string& expression) { return roll(expression, prompt); };
    if (type_ && !isMaxOrMin()) {
        typeValue_ = roundToHundredths(eval(*type_));
        for (Member& m : members_)
            if (m.sign && m.amount)
                m.amountValue = roundToHundredths(eval(*m.amount));
    }
    for (std::size_t i = 0; i < kFormulaAttributeMembers; ++i)
        if (members_[i].multiplier)
            members_[i].multiplierValue = roundToHundredths(eval(*members_[i].multiplier));
    for (std::size_t i = 0; i < kFormulaAttributeMembers; ++i)
        if (members_[i].limit)
            members_[i].limitValue = roundToInt(eval(*members_[i].limit));
}

void CRdzenFormula::apply() {
    owner_.info = type_.value_or("");
    owner_.memo = type_.value_or("");
    owner_.modyfikator = type_ ? typeValue_ : 0.0;

    // Kinds this application leaves under the owner; an effect made by an earlier
    // application that is not made now (an amount rolled as 0) goes.
    std::vector<int> made;
    const double t = roundToHundredths(typeValue_);
    for (std::size_t i = 0; i < kFormulaMembers.size(); ++i) {
        const FormulaMemberDef& def = kFormulaMembers[i];
        Member& m = members_[i];
        if (!m.sign || !type_)
            continue;
        const char sign = m.sign->front();
        if (isMaxOrMin()) {
            if (sign != '=')
                continue;
            m.valueEntry = owner_.SetOrAdd({.info = std::string(def.name),
                                            .specjal = *m.sign,
                                            .typ = def.valueKind,
                                            .memo = *type_});
            made.push_back(def.valueKind);
            continue;
        }
        if (m.amountValue == 0.0)
            continue;
        const double a = roundToHundredths(m.amountValue);
        std::string label = std::string(def.name) + " ";
        std::string specjal;
        double modifier = 0.0;
        switch (sign) {
        case '+':
        case '-':
        case '=':
            label += std::string(1, sign) + " " + std::to_string(roundToInt(roundToInt(t) * a));
            modifier = a;
            specjal = std::string(1, sign);
            break;
        case '*':
            label += "* " + percentText(t * a);
            modifier = a;
            specjal = "*";
            break;
        case '/':
            label +=
                "* " + (t == 0.0
                            ? std::string("0%")
                            : percentText(roundToHundredths(1.0 / a) * roundToHundredths(1.0 / t)));
            modifier = roundToHundredths(1.0 / a);
            specjal = "*";
            break;
        default:
            break;
        }
        m.valueEntry = owner_.SetOrAdd({.info = label,
                                        .specjal = specjal,
                                        .typ = def.valueKind,
                                        .modyfikator = modifier,
                                        .memo = m.amount.value_or("")});
        made.push_back(def.valueKind);
    }
    for (std::size_t i = 0; i < kFormulaAttributeMembers; ++i) {
        const FormulaMemberDef& def = kFormulaMembers[i];
        const Member& m = members_[i];
        if (!m.multiplier)
            continue;
        (void)owner_.SetOrAdd({.info = std::string(def.multiplierLabel),
                               .specjal = "*",
                               .typ = def.multiplierKind,
                               .modyfikator = m.multiplierValue,
                               .memo = *m.multiplier});
        made.push_back(def.multiplierKind);
    }
    for (std::size_t i = 0; i < kFormulaAttributeMembers; ++i) {
        const FormulaMemberDef& def = kFormulaMembers[i];
        const Member& m = members_[i];
        if (!m.limit)
            continue;
        (void)owner_.SetOrAdd({.info = std::string(def.limitLabel),
                               .specjal = "*",
                               .typ = def.limitKind,
                               .wartosc = m.limitValue,
                               .memo = *m.limit});
        made.push_back(def.limitKind);
    }
    if (!rowRead_)
        return; // nothing was read: keep what an earlier application made
    for (const FormulaMemberDef& def : kFormulaMembers)
        for (const int kind : {def.valueKind, def.multiplierKind, def.limitKind})
            if (kind && std::find(made.begin(), made.end(), kind) == made.end())
                if (CPoz* stale = owner_.FindByKind(kind))
                    (void)stale->Odlaczenie();
}

void CRdzenFormula::linkWeaponGroups() {
    CPoz* proficiency = members_[kFormulaProficiency].valueEntry;
    if (!members_[kFormulaProficiency].sign || !proficiency)
        return;
    (void)queryRules("SELECT C.id,C.nazwa FROM formuly A"
                     " INNER JOIN formulybrone B ON A.id=B.idformuly"
                     " INNER JOIN grupybroni C ON C.id=B.idgrupybroni WHERE A.id=?;",
                     {formulaId_}, [&](const Row& row) {
                         (void)proficiency->SetOrAddBySpecjal({.info = row.text(1),
                                                               .specjal = row.text(0),
                                                               .typ = formula::kWeaponGroup});
                     });
}

void CRdzenFormula::FoldIntoProfile(GrowthProfile& profile) const {
    const auto balance = [](const Member& m) {
        if (m.amount && *m.amount == "MAX")
            return 1;
        if (m.amount && *m.amount == "MIN")
            return -1;
        return 0;
    };
    for (std::size_t i = 0; i < kFormulaAttributeMembers; ++i) {
        const auto member = static_cast<std::size_t>(kFormulaMembers[i].profileMember);
        profile.members.at(member).balance += balance(members_[i]);
        profile.multiply(member, members_[i].multiplierValue);
        profile.mergeLimit(member, members_[i].limitValue);
    }
    profile.delayBalance += balance(members_[kFormulaDelay]);
    profile.weightBalance += balance(members_[kFormulaWeight]);
    profile.heightBalance += balance(members_[kFormulaHeight]);
}

CPoz* CRdzenFormula::shareParent(std::size_t index) const {
    const FormulaMemberDef& def = kFormulaMembers[index];
    if (def.profileMember >= 0)
        return attributeEntry(static_cast<std::size_t>(def.profileMember));
    const CPoz* extra = character().link(kLinkDodatkoweInformacje);
    const CPoz* measures = extra ? extra->FindByKind(info::kAppearance) : nullptr;
    if (!measures)
        return nullptr;
    if (index == kFormulaWeight)
        return measures->FindByKind(stage::kWeight);
    if (index == kFormulaHeight)
        return measures->FindByKind(stage::kHeight);
    return nullptr;
}

void CRdzenFormula::ApplyToAttributes(const GrowthProfile& profile, std::string_view label,
                                      std::string_view memo) {
    if (isMaxOrMin())
        return;
    for (std::size_t i = 0; i < kFormulaMembers.size(); ++i) {
        const FormulaMemberDef& def = kFormulaMembers[i];
        const Member& m = members_[i];
        if (!m.sign || !m.valueEntry || !def.shareKind)
            continue;
        if (i == kFormulaProficiency) {
            // Every proficiency of one of the formula's weapon groups gets a share.
            CPoz* list = character().link(kLinkBieglosci);
            if (!list)
                continue;
            for (CPoz* proficiency : list->children())
                if (proficiency->typ == kinds::proficiency::kProficiency &&
                    m.valueEntry->FindBySpecjal(proficiency->specjal))
                    applyShare(*proficiency, def, m, def.shareKind, profile, label, memo);
            continue;
        }
        if (CPoz* parent = shareParent(i))
            applyShare(*parent, def, m, def.shareKind, profile, label, memo);
    }
}

void CRdzenFormula::applyShare(CPoz& parent, const FormulaMemberDef& def, const Member& m,
                               int shareKind, const GrowthProfile& profile, std::string_view label,
                               std::string_view memo) {
    const double t = roundToHundredths(typeValue_);
    const double a = roundToHundredths(m.amountValue);
    double modifier = 0.0;
    int value = 0;
    const char sign = firstOf(m.sign);
    switch (sign) {
    case '*':
        modifier = roundToHundredths(t * a);
        break;
    case '+':
        value = roundToInt(t * a);
        break;
    case '-':
        value = -roundToInt(t * a);
        break;
    case '/':
        modifier = t == 0.0 || a == 0.0
                       ? 0.0
                       : roundToHundredths(roundToHundredths(1.0 / t) * roundToHundredths(1.0 / a));
        break;
    default:
        return;
    }
    // The number before "|" is the fixed step of growth that the profile keeps for
    // Żywotność and Siła fizyczna.
    double fixedStep = 0.0;
    if (def.profileMember == kFormulaMembers[kZywMember].profileMember)
        fixedStep = profile.vitalityOther;
    else if (def.profileMember == kFormulaMembers[kSfMember].profileMember)
        fixedStep = profile.strengthOther;
    const std::string shareMemo =
        std::to_string(static_cast<int>(fixedStep)) + "|" + std::string(memo);
    // Keyed by the effect it comes from, so that shares of several formulas stand side by
    // side and applying again updates each in place.
    const std::string specjal = "&" + m.valueEntry->id();
    bool added = false;
    CPoz* share = parent.SetOrAddBySpecjal({.info = std::string(label),
                                            .specjal = specjal,
                                            .typ = shareKind,
                                            .wartosc = value,
                                            .modyfikator = modifier,
                                            .memo = shareMemo},
                                           Neutral::Keep, &added);
    if (added)
        share->MakeReference(*m.valueEntry, true);
    if ((sign == '+' || sign == '-') && def.multiplierKind) {
        const double multiplier =
            profile.members.at(static_cast<std::size_t>(def.profileMember)).multiplier;
        (void)share->SetOrAdd({.info = std::string(kShareMultiplierLabel),
                               .typ = def.multiplierKind,
                               .modyfikator = multiplier});
    }
    (void)parent.Recalculate(0.0, 0.0, 0);
}

void CRdzenFormula::WeightWeaponGroups(CPoz& candidates) const {
    const Member& m = members_[kFormulaProficiency];
    if (!m.sign || !m.valueEntry)
        return;
    for (const CPoz* group : m.valueEntry->children()) {
        CPoz* candidate = candidates.FindBySpecjal(group->specjal);
        if (!candidate)
            continue;
        if (type_ && *type_ == "MAX")
            candidate->modyfikator += 10000;
        else if (type_ && *type_ == "MIN")
            candidate->modyfikator -= 10000;
        else
            candidate->modyfikator +=
                roundToInt(roundToHundredths(m.amountValue) * roundToHundredths(typeValue_));
    }
}

} // namespace tallar
