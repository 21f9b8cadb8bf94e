#pragma once

#include "rules/engine/EngineStep.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class CPoz;

// What can be held or worn: the character's weapons, shields and armours it carries, and
// its natural weapons that take a holding limb, once for each such limb.
struct PlacementItem {
    enum class Kind { Weapon, NaturalWeapon, Shield, Armour };
    Kind kind;
    std::string name{};
    CPoz* entry;        // the character's own weapon, shield, armour or natural weapon
    std::string limb{}; // a natural weapon's limb (its special text)
};

// Where something can be held or worn. Ground and armour-mount places come once for each
// pair of holding limbs; every holding limb is a place and has a hand mount.
struct Place {
    enum class Kind { Body, Ground, ArmourMount, Limb, HandMount };
    Kind kind;
    std::string name;
    std::string limb{};                 // a limb's or hand mount's limb (its special text)
    int pair = 0;                       // a ground or armour-mount place's pair of limbs, from 1
    std::optional<std::size_t> owner{}; // the item placed here
};

// The placement page ("Wybór broni/tarczy z ekwipunku"): which weapons, shields and
// armours are held or worn, and where. The placement is kept in the memo of each item's
// use entry ("CC#limb|MR#limb|MZ#pair|WZ#pair"; a weapon's statistics name the limbs that
// hold it) and restored from there; applying it runs the weapon, shield and armour steps.
// Works on a character being made and on a stored one alike (the preview's "Przelicz").
class CWizard9 {
public:
    static constexpr const char* kCaption = "Wybór broni/tarczy z ekwipunku";

    explicit CWizard9(const EngineContext& context);
    ~CWizard9();

    // The character the page works on.
    CIstota& character() const { return context_.character; }

    // Builds the items and places and restores the placements recorded on the character.
    void LoadPlacements();
    const std::vector<PlacementItem>& items() const { return items_; }
    const std::vector<Place>& places() const { return places_; }

    // The places open to an item: those it may go to that no other item holds (a shield
    // already placed keeps to its place).
    std::vector<std::size_t> placesOffered(std::size_t item) const;
    // Places an item in a place (it must be offered) or takes it out (only from its own);
    // false when nothing changed.
    bool setPlaced(std::size_t item, std::size_t place, bool placed);
    std::vector<std::size_t> placesOf(std::size_t item) const;
    // The placement text of an item's use: its places as "CC#…", "MR#…", "MZ#…", "WZ#…"
    // joined by "|".
    std::string placementMemo(std::size_t item) const;

    // Writes the placements to the character: the lists under "Walka" are made anew from
    // what is held and worn, the current dexterity and speed are limited by it, and the
    // character is recalculated.
    void ApplyPlacements();

    // The item's statistics as placed now, on entries of their own that nothing else
    // refers to (null for an item not in the list).
    std::unique_ptr<CPoz> placedStatistics(std::size_t item);

private:
    void buildItems();
    void buildPlaces();
    void restore();
    void restoreFrom(std::size_t item, std::string_view memo);
    CPoz* combatList(int kind) const;
    // Builds under `owner` the statistics of the weapon item as held by the limbs it is
    // placed in (none: no statistics).
    void weaponStatistics(CPoz& owner, std::size_t item);

    EngineContext context_;
    std::vector<PlacementItem> items_;
    std::vector<Place> places_;
};

// The carried-equipment placement without the page: the placements recorded on the
// character are restored and applied again (the wizard's steps 14 and 17, the preview's
// "Przelicz" and its changes under "przy sobie").
void PlaceCarriedEquipment(const EngineContext& context);

} // namespace tallar
