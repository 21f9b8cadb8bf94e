#include "model/ArmourLimits.h"

#include "model/Character.h"
#include "model/Kinds.h"

#include <algorithm>

namespace tallar {

namespace {

// The divisor a limit entry holds: its truncated total. The skin's limits keep the largest
// of their passages in their value as well, which a character just loaded still has,
// since their totals are not recalculated with the character.
int divisorOf(const CPoz& limit, bool skin) {
    const int total = static_cast<int>(std::clamp(limit.total, 0.0, 1.0e9));
    return skin ? std::max(total, limit.wartosc) : total;
}

// Raises the divisors to those of the holder's two limit children.
void raise(LimitDivisors& divisors, const CPoz& holder, int dexterityKind, int speedKind,
           bool skin = false) {
    if (const CPoz* limit = holder.FindByKind(dexterityKind))
        divisors.dexterity = std::max(divisors.dexterity, divisorOf(*limit, skin));
    if (const CPoz* limit = holder.FindByKind(speedKind))
        divisors.speed = std::max(divisors.speed, divisorOf(*limit, skin));
}

// Raises the divisors by every child of `kind` of the fight list `listKind`.
void raiseByUses(LimitDivisors& divisors, const CPoz* fight, int listKind, int kind,
                 int dexterityKind, int speedKind) {
    const CPoz* list = fight ? fight->FindByKind(listKind) : nullptr;
    if (!list)
        return;
    for (const CPoz* use : list->children())
        if (use->typ == kind)
            raise(divisors, *use, dexterityKind, speedKind);
}

} // namespace

const CPoz* defaultBodyPart(const CIstota& character) {
    const CPoz* body = character.link(kLinkCialo);
    if (!body)
        return nullptr;
    const CPoz* first = nullptr;
    const CPoz* flagged = nullptr;
    for (const CPoz* part : body->children()) {
        if (part->typ != kinds::body::kPart)
            continue;
        if (part->modyfikator == 1.0)
            return part;
        first = first ? first : part;
        const CPoz* properties = part->FindByKind(kinds::body::kProperties);
        const CPoz* flag =
            properties ? properties->FindByKind(kinds::body::kDefaultLocation) : nullptr;
        if (!flagged && flag && flag->wartosc != 0)
            flagged = part;
    }
    return flagged ? flagged : first;
}

LimitDivisors currentLimitDivisors(const CIstota& character) {
    LimitDivisors divisors;
    const CPoz* info = character.link(kLinkDodatkoweInformacje);
    const CPoz* appearance = info ? info->FindByKind(kinds::info::kAppearance) : nullptr;
    const CPoz* stage = appearance ? appearance->FindByKind(kinds::stage::kStage) : nullptr;
    if (const CPoz* skin = stage ? stage->FindByKind(kinds::stage::kSkin) : nullptr)
        raise(divisors, *skin, kinds::stage::kSkinDexterityLimit, kinds::stage::kSkinSpeedLimit,
              true);
    const CPoz* fight = character.link(kLinkWalka);
    raiseByUses(divisors, fight, kinds::top::kCombatShields, kinds::shield::kShield,
                kinds::shield::kUseDexterityLimit, kinds::shield::kUseSpeedLimit);
    raiseByUses(divisors, fight, kinds::top::kCombatArmour, kinds::armour::kArmour,
                kinds::armour::kUseDexterityLimit, kinds::armour::kUseSpeedLimit);
    return divisors;
}

} // namespace tallar
