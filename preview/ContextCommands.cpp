#include "preview/ContextCommands.h"

#include "model/Entry.h"
#include "model/Kinds.h"
#include "rules/core/AttributeSet.h"

#include <algorithm>
#include <array>

namespace tallar {

namespace {

using namespace kinds;

// Groups and the other fixed entries: something can be added below them, but they stay as
// they are. (The attributes, resistances and antimagic, whose kinds are the attribute
// set's, belong here too.)
constexpr std::array kAddOnly = {
    top::kAbilities, top::kDisabilities, top::kSkills, top::kProficiencies, top::kEquipment,
    top::kCurrentDexterity, top::kCurrentSpeed, top::kBasePsychicResistance,
    top::kBasePhysicalResistance, preview::kOlderGroup785, preview::kOlderGroup801,
    proficiency::kFree,
    // the places of "Majątek"
    money::kAtHand, money::kInBank, money::kAtSeat, money::kEstate,
    // a body part's values
    body::kRangedDefence, body::kVitality, body::kPiercing, body::kCutting, body::kBlunt,
    body::kDefence,
    // the statistics of held weapons
    weapon::kPiercing, weapon::kPiercingRanged, weapon::kCutting, weapon::kCuttingRanged,
    weapon::kBlunt, weapon::kBluntRanged, weapon::kDefence, weapon::kShieldDefenceFactor,
    weapon::kArmourDefenceFactor, weapon::kAttacks, weapon::kDurability, weapon::kDamageFactor,
    weapon::kDelay, weapon::kHitBonus, weapon::kDoubleCritical, weapon::kMaxDexterityLimit,
    weapon::kMaxSpeedLimit, weapon::kMinimumHeight, weapon::kMinimumStrength, weapon::kDamageBonus,
    // of armour
    armour::kDexterityLimit, armour::kSpeedLimit, armour::kDefence, armour::kPiercing,
    armour::kCutting, armour::kBlunt, armour::kDexterityIncrease, armour::kSpeedIncrease,
    armour::kAbsorptionFactor, armour::kDurability, armour::kResistanceBonus, armour::kBreathFactor,
    armour::kMetal, armour::kPartDefence, armour::kPartPiercing, armour::kPartBlunt,
    armour::kPartCutting, armour::kUseDexterityLimit, armour::kUseSpeedLimit,
    // of shields
    shield::kDefence, shield::kDexterityLimit, shield::kSpeedLimit, shield::kResistanceBonus,
    shield::kDurability, shield::kSpikes, shield::kEdge, shield::kBlunt,
    preview::kOlderShieldProperty22913, preview::kOlderShieldProperty22929};

// Entries whose data may be changed but which are neither added to nor removed.
constexpr std::array kModifyOnly = {stage::kPassage,
                                    info::kAge,
                                    profession::kLevel,
                                    stage::kHeight,
                                    stage::kWeight,
                                    stage::kDeathChance,
                                    top::kCombat,
                                    body::kShareOfVitality,
                                    body::kWoundEffect,
                                    body::kPiercingProperty,
                                    body::kCuttingProperty,
                                    body::kBluntProperty,
                                    body::kDefenceProperty,
                                    body::kSelectiveHit,
                                    profession::kExperience,
                                    weapon::kSecondary,
                                    weapon::kPassing,
                                    weapon::kSplintering};

// What is carried and can lie "przy sobie" or be held under "Walka".
constexpr std::array kCarriedThings = {weapon::kWeapon, armour::kArmour, armour::kElement,
                                       shield::kShield};
// Plain numbers, percentages and money.
constexpr std::array kPlainKinds = {preview::kAddedNumber, preview::kAddedPercent, money::kMoney};
// Edited by their label alone.
constexpr std::array kTextOnly = {armour::kArmour, armour::kElement, shield::kShield};
// "Dodaj" below them adds money.
constexpr std::array kMoneyPlaces = {money::kAtHand, money::kInBank, money::kAtSeat, money::kEstate,
                                     money::kMoney};

template <std::size_t N> bool among(const std::array<int, N>& list, int kind) {
    return std::find(list.begin(), list.end(), kind) != list.end();
}

bool addOnly(int kind) {
    return among(kAddOnly, kind) || findAttributeByKind(kind) != nullptr;
}

constexpr EntryCommands kNone{};
constexpr EntryCommands kAll{.modify = true, .add = true, .remove = true};
constexpr EntryCommands kModifyAndRemove{.modify = true, .remove = true};
constexpr EntryCommands kModifyOnlyCommands{.modify = true};

} // namespace

EntryCommands contextCommands(const CPoz& entry) {
    const int kind = entry.typ;
    const auto under = [&](int k) { return entry.HasKindOrAncestor(k); };
    if (addOnly(kind))
        return {.add = true};
    if (among(kModifyOnly, kind))
        return kModifyOnlyCommands;
    if (kind == proficiency::kProficiency)
        return {.modify = true, .add = true};
    if (kind == equipment::kItem)
        return kModifyAndRemove;
    if (kind == equipment::kWeight)
        return under(top::kLoad) ? kNone : kModifyOnlyCommands;
    if (among(kCarriedThings, kind)) {
        if (under(top::kCombat))
            return kNone;
        return under(equipment::kCarried) ? kModifyAndRemove : kAll;
    }
    if (among(kPlainKinds, kind))
        return under(top::kCombat) ? kNone : kAll;
    // A game date is a plain value like a number: it can be changed and removed.
    const int valueKind = entry.valueKind();
    if (valueKind == kInteger || valueKind == kPercent || valueKind == kMixed ||
        valueKind == kDate) {
        if (under(top::kLoad) || under(top::kCombat) || under(top::kSkills) ||
            under(info::kAppearance))
            return kNone;
        return under(top::kEquipment) ? kModifyOnlyCommands : kAll;
    }
    return kNone;
}

EntryEditor editorFor(const CPoz& entry) {
    const int kind = entry.typ;
    if (kind == weapon::kSecondary)
        return EntryEditor::YesNo;
    if (kind == money::kMoney)
        return EntryEditor::Money;
    if (kind == equipment::kItem)
        return EntryEditor::Item;
    if (among(kTextOnly, kind))
        return EntryEditor::Text;
    if (kind == proficiency::kProficiency)
        return EntryEditor::Proficiency;
    if (kind == top::kCombat)
        return EntryEditor::Placement;
    return EntryEditor::Generic;
}

EntryAdder adderFor(const CPoz& context) {
    switch (context.typ) {
    case top::kSkills:
        return EntryAdder::Skill;
    case top::kProficiencies:
        return EntryAdder::Weapons;
    case top::kEquipment:
        return EntryAdder::Equipment;
    default:
        return among(kMoneyPlaces, context.typ) ? EntryAdder::Money : EntryAdder::Generic;
    }
}

} // namespace tallar
