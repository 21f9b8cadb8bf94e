#include "wizard/CWizard9.h"

#include "model/Character.h"
#include "rules/engine/CRdzenBron.h"
#include "rules/engine/CRdzenTarcza.h"
#include "rules/engine/CRdzenZbroja.h"
#include "rules/engine/EquipmentEntries.h"
#include "wizard/CWizard1.h"

#include <algorithm>
#include <array>

namespace tallar {

namespace {

using namespace kinds;

constexpr const char* kGroundName = "Oparcie/wbicie w ziemię";
constexpr const char* kArmourMountName = "Umocowanie do zbroi";
constexpr const char* kHandMountSuffix = " (umocowanie)";

// The codes of the places in a placement memo.
struct PlaceCode {
    Place::Kind kind;
    const char* code;
};
constexpr std::array<PlaceCode, 4> kPlaceCodes = {{
    {Place::Kind::Limb, "CC"},
    {Place::Kind::HandMount, "MR"},
    {Place::Kind::ArmourMount, "MZ"},
    {Place::Kind::Ground, "WZ"},
}};

const char* codeOf(Place::Kind kind) {
    for (const PlaceCode& c : kPlaceCodes)
        if (c.kind == kind)
            return c.code;
    return nullptr;
}

bool holds(const CPoz& part) {
    return part.typ == body::kPart && part.wartosc != 0;
}

bool takesHoldingLimb(const CPoz& naturalWeapon) {
    const CPoz* flag = naturalWeapon.FindByKind(natural::kTakesHoldingLimb);
    return flag && flag->wartosc != 0;
}

} // namespace

CWizard9::CWizard9(const EngineContext& context) : context_(context) {}

CWizard9::~CWizard9() = default;

CPoz* CWizard9::combatList(int kind) const {
    CPoz* combat = context_.character.link(kLinkWalka);
    return combat ? combat->FindByKind(kind) : nullptr;
}

void CWizard9::LoadPlacements() {
    buildItems();
    buildPlaces();
    restore();
}

void CWizard9::buildItems() {
    items_.clear();
    if (CPoz* carried = carriedEquipment(context_.character)) {
        // Things carried in a container are found too; nothing is looked for inside them.
        WalkTree(*carried, [this](CPoz& entry, int) {
            const auto add = [&](PlacementItem::Kind kind) {
                items_.push_back({.kind = kind, .name = entry.info, .entry = &entry, .limb = {}});
                return false;
            };
            switch (entry.typ) {
            case weapon::kWeapon:
                return add(PlacementItem::Kind::Weapon);
            case shield::kShield:
                return add(PlacementItem::Kind::Shield);
            case armour::kArmour:
                return add(PlacementItem::Kind::Armour);
            default:
                return entry.typ == equipment::kItem ? false : true;
            }
        });
    }
    const CPoz* body = context_.character.link(kLinkCialo);
    const CPoz* naturalWeapons = context_.character.link(kLinkBronieNaturalne);
    const CPoz* list = naturalWeapons ? naturalWeapons->FindByKind(natural::kList) : nullptr;
    if (!body || !list)
        return;
    for (CPoz* weaponEntry : list->children()) {
        if (weaponEntry->typ != natural::kWeapon || !takesHoldingLimb(*weaponEntry))
            continue;
        for (const CPoz* limb : body->children())
            if (holds(*limb))
                items_.push_back({.kind = PlacementItem::Kind::NaturalWeapon,
                                  .name = weaponEntry->info + " (" + limb->info + ")",
                                  .entry = weaponEntry,
                                  .limb = limb->specjal});
    }
}

void CWizard9::buildPlaces() {
    places_.clear();
    const CPoz* body = context_.character.link(kLinkCialo);
    if (!body)
        return;
    places_.push_back({.kind = Place::Kind::Body, .name = body->info, .limb = {}, .pair = 0});
    int holding = 0;
    for (const CPoz* limb : body->children()) {
        if (!holds(*limb))
            continue;
        if (holding % 2 == 0) {
            const int pair = holding / 2 + 1;
            places_.push_back(
                {.kind = Place::Kind::Ground, .name = kGroundName, .limb = {}, .pair = pair});
            places_.push_back({.kind = Place::Kind::ArmourMount,
                               .name = kArmourMountName,
                               .limb = {},
                               .pair = pair});
        }
        ++holding;
        places_.push_back(
            {.kind = Place::Kind::Limb, .name = limb->info, .limb = limb->specjal, .pair = 0});
        places_.push_back({.kind = Place::Kind::HandMount,
                           .name = limb->info + kHandMountSuffix,
                           .limb = limb->specjal,
                           .pair = 0});
    }
}

void CWizard9::restore() {
    const CPoz* shields = combatList(top::kCombatShields);
    const CPoz* worn = combatList(top::kCombatArmour);
    const CPoz* weapons = combatList(top::kCombatWeapons);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const PlacementItem& item = items_[i];
        const auto usesOf = [&item](const CPoz* list, int kind, auto&& each) {
            if (!list)
                return;
            for (const CPoz* use : list->children())
                if (use->typ == kind && use->target() == item.entry)
                    each(*use);
        };
        switch (item.kind) {
        case PlacementItem::Kind::Shield:
            usesOf(shields, shield::kShield, [&](const CPoz& use) { restoreFrom(i, use.memo); });
            break;
        case PlacementItem::Kind::Armour:
            usesOf(worn, armour::kArmour, [&](const CPoz&) {
                for (Place& place : places_)
                    if (place.kind == Place::Kind::Body && !place.owner)
                        place.owner = i;
            });
            break;
        case PlacementItem::Kind::Weapon:
            usesOf(weapons, weaponStats::kStatistics,
                   [&](const CPoz& use) { restoreFrom(i, use.memo); });
            break;
        case PlacementItem::Kind::NaturalWeapon:
            // One natural weapon makes several items: each takes back only its own limb.
            usesOf(weapons, weaponStats::kStatistics, [&](const CPoz& use) {
                for (const std::string& limb : splitText(use.memo, '|'))
                    if (limb == item.limb || limb == std::string("CC#") + item.limb)
                        restoreFrom(i, limb);
            });
            break;
        }
    }
}

// Marks the places a memo names as the item's. A piece is a code, "#" and a value; a
// piece without a code names a limb (as a weapon's statistics do).
void CWizard9::restoreFrom(std::size_t item, std::string_view memo) {
    for (const std::string& piece : splitText(memo, '|')) {
        if (piece.empty())
            continue;
        const auto hash = piece.find('#');
        const std::string code = hash == std::string::npos ? "CC" : piece.substr(0, hash);
        const std::string value = hash == std::string::npos ? piece : piece.substr(hash + 1);
        for (Place& place : places_) {
            const char* placeCode = codeOf(place.kind);
            if (!placeCode || code != placeCode || place.owner)
                continue;
            const bool byPair =
                place.kind == Place::Kind::Ground || place.kind == Place::Kind::ArmourMount;
            if (byPair ? textToInt(value) == place.pair : value == place.limb) {
                place.owner = item;
                break;
            }
        }
    }
}

std::vector<std::size_t> CWizard9::placesOffered(std::size_t item) const {
    std::vector<std::size_t> offered;
    if (item >= items_.size())
        return offered;
    const PlacementItem& it = items_[item];
    std::optional<ShieldRecord> shieldRecord;
    bool shieldPlaced = false;
    if (it.kind == PlacementItem::Kind::Shield) {
        shieldRecord = CRdzenTarcza::ReadShieldEntry(*it.entry);
        shieldPlaced = !placesOf(item).empty();
    }
    for (std::size_t p = 0; p < places_.size(); ++p) {
        const Place& place = places_[p];
        if (place.owner && *place.owner != item)
            continue;
        bool open = false;
        switch (it.kind) {
        case PlacementItem::Kind::Weapon:
            open = place.kind == Place::Kind::Limb;
            break;
        case PlacementItem::Kind::NaturalWeapon:
            open = place.kind == Place::Kind::Limb && place.limb == it.limb;
            break;
        case PlacementItem::Kind::Armour:
            open = place.kind == Place::Kind::Body;
            break;
        case PlacementItem::Kind::Shield:
            if (shieldPlaced && place.owner != item)
                break;
            open = place.kind == Place::Kind::Limb ||
                   (place.kind == Place::Kind::Ground && shieldRecord->groundRest) ||
                   (place.kind == Place::Kind::ArmourMount && shieldRecord->armourMount) ||
                   (place.kind == Place::Kind::HandMount && shieldRecord->handMount);
            break;
        }
        if (open)
            offered.push_back(p);
    }
    return offered;
}

bool CWizard9::setPlaced(std::size_t item, std::size_t place, bool placed) {
    if (item >= items_.size() || place >= places_.size())
        return false;
    Place& target = places_[place];
    if (!placed) {
        if (target.owner != item)
            return false;
        target.owner.reset();
        return true;
    }
    if (target.owner == item)
        return false;
    const auto offered = placesOffered(item);
    if (std::find(offered.begin(), offered.end(), place) == offered.end())
        return false;
    target.owner = item;
    return true;
}

std::vector<std::size_t> CWizard9::placesOf(std::size_t item) const {
    std::vector<std::size_t> owned;
    for (std::size_t p = 0; p < places_.size(); ++p)
        if (places_[p].owner == item)
            owned.push_back(p);
    return owned;
}

std::string CWizard9::placementMemo(std::size_t item) const {
    std::vector<std::string> pieces;
    for (const std::size_t p : placesOf(item)) {
        const Place& place = places_[p];
        const char* code = codeOf(place.kind);
        if (!code)
            continue;
        const bool byPair =
            place.kind == Place::Kind::Ground || place.kind == Place::Kind::ArmourMount;
        pieces.push_back(std::string(code) + "#" +
                         (byPair ? std::to_string(place.pair) : place.limb));
    }
    return joinTexts(pieces, '|');
}

void CWizard9::ApplyPlacements() {
    CPoz* weapons = combatList(top::kCombatWeapons);
    CPoz* worn = combatList(top::kCombatArmour);
    CPoz* shields = combatList(top::kCombatShields);
    for (CPoz* list : {weapons, worn, shields})
        if (list)
            list->UsunAll();

    CRdzenTarcza shieldStep(context_);
    CRdzenZbroja armourStep(context_);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const PlacementItem& item = items_[i];
        if (placesOf(i).empty())
            continue;
        switch (item.kind) {
        case PlacementItem::Kind::Shield:
            if (shields)
                (void)shieldStep.ApplyShield(*shields, *item.entry, true, placementMemo(i));
            break;
        case PlacementItem::Kind::Armour:
            armourStep.ApplyArmour(*item.entry);
            break;
        case PlacementItem::Kind::Weapon:
        case PlacementItem::Kind::NaturalWeapon:
            if (weapons)
                weaponStatistics(*weapons, i);
            break;
        }
    }
    CRdzenBron(context_).AddNaturalWeaponStatistics();
    armourStep.CurrentLimits();
    context_.character.RecalculateCharacter();
}

std::unique_ptr<CPoz> CWizard9::placedStatistics(std::size_t item) {
    if (item >= items_.size())
        return nullptr;
    const PlacementItem& it = items_[item];
    auto shown = std::make_unique<CPoz>(nullptr, EntryData{.info = it.name});
    switch (it.kind) {
    case PlacementItem::Kind::Shield:
        // Without the link nothing of the character changes.
        (void)CRdzenTarcza(context_).ApplyShield(*shown, *it.entry, false, placementMemo(item));
        break;
    case PlacementItem::Kind::Armour:
        CRdzenZbroja(context_).ApplyArmour(*it.entry, shown.get());
        break;
    case PlacementItem::Kind::Weapon:
    case PlacementItem::Kind::NaturalWeapon:
        // A weapon held nowhere has no statistics.
        if (!placesOf(item).empty())
            weaponStatistics(*shown, item);
        break;
    }
    (void)shown->Recalculate(0.0, 0.0, 0);
    return shown;
}

void CWizard9::weaponStatistics(CPoz& owner, std::size_t item) {
    Database* connection = items_[item].entry->connection();
    // Every item in a limb stands in a holder of its own, linked to its entry (one natural
    // weapon makes several items); the limbs, linked to their holders, tell the weapon step
    // which limbs hold this weapon and what the others hold. The limbs go first, so that
    // they unregister from holders that still exist.
    std::vector<std::unique_ptr<CPoz>> holders(items_.size());
    const auto holderOf = [&](std::size_t i) -> CPoz& {
        if (!holders[i]) {
            holders[i] = std::make_unique<CPoz>(
                connection, EntryData{.info = items_[i].name, .typ = items_[i].entry->typ});
            holders[i]->MakeReference(*items_[i].entry, true);
        }
        return *holders[i];
    };
    CPoz& holder = holderOf(item);
    auto limbs = std::make_unique<CPoz>(connection, EntryData{});
    for (const Place& place : places_) {
        if (place.kind != Place::Kind::Limb || !place.owner)
            continue;
        CPoz& limb = limbs->AddChild({.info = place.name, .typ = body::kPart});
        limb.MakeReference(holderOf(*place.owner), true);
        limb.specjal = place.limb; // the statistics name the limbs by their keys
    }
    (void)CRdzenBron(context_).AddWeaponStatistics(owner, holder, limbs.get(), true);
    limbs.reset();
}

void PlaceCarriedEquipment(const EngineContext& context) {
    CWizard9 page(context);
    page.LoadPlacements();
    page.ApplyPlacements();
}

} // namespace tallar
