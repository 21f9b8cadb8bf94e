#include "model/ArmourLimits.h"

#include "model/Character.h"

#include <algorithm>

namespace tallar {

namespace {

constexpr int kAppearance = 256;     // under "Dodatkowe informacje"
constexpr int kStage = 272;          // under the appearance
constexpr int kSkin = 9552;          // "Skóra", under the stage
constexpr int kSkinDexterity = 1537; // "Ograniczenia zręczności 1/" of the skin
constexpr int kSkinSpeed = 1553;     // "Ograniczenia szybkości 1/" of the skin
constexpr int kShieldUse = 22592;    // under "Tarcze"
constexpr int kShieldDexterity = 22569;
constexpr int kShieldSpeed = 22585;
constexpr int kArmourUse = 22016; // under "Pancerz"
constexpr int kArmourDexterity = 22417;
constexpr int kArmourSpeed = 22529;
constexpr int kFightShields = 1328; // "Tarcze" under "Walka"
constexpr int kFightArmours = 1312; // "Pancerz" under "Walka"

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

LimitDivisors currentLimitDivisors(const CIstota& character) {
    LimitDivisors divisors;
    const CPoz* info = character.link(kLinkDodatkoweInformacje);
    const CPoz* appearance = info ? info->FindByKind(kAppearance) : nullptr;
    const CPoz* stage = appearance ? appearance->FindByKind(kStage) : nullptr;
    if (const CPoz* skin = stage ? stage->FindByKind(kSkin) : nullptr)
        raise(divisors, *skin, kSkinDexterity, kSkinSpeed, true);
    const CPoz* fight = character.link(kLinkWalka);
    raiseByUses(divisors, fight, kFightShields, kShieldUse, kShieldDexterity, kShieldSpeed);
    raiseByUses(divisors, fight, kFightArmours, kArmourUse, kArmourDexterity, kArmourSpeed);
    return divisors;
}

} // namespace tallar
