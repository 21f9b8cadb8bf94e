#include "preview/ContextCommands.h"

#include "model/Entry.h"

#include <algorithm>
#include <array>

namespace tallar {

namespace {

// Groups, attributes, resistances and the other fixed entries: something can be added below
// them, but they stay as they are.
constexpr std::array kAddOnly = {
    // skeleton groups: abilities, disabilities, skills, proficiencies, equipment
    624, 656, 848, 864, 880,
    // groups written by the rules engine
    785, 801, 1589,
    // the places of "Majątek"
    1916, 1932, 1948, 2060,
    // a body part's values: defence at range, life, absorptions, defence
    1397, 4117, 4133, 4149, 4165, 4181,
    // attributes
    40965, 40981, 10501, 10517, 10533, 10549, 10565, 10581, 10597, 10613, 10629, 10645,
    // "Zauważenie", the resistances, antimagic and the base resistances
    12293, 12309, 12325, 12341, 12357, 12373, 12389, 12405, 12421, 12437, 12549, 12565, 12581,
    12597,
    // the combat statistics of held weapons, shields and armour
    21057, 21073, 21089, 21105, 21121, 21137, 21249, 21282, 21298, 21313, 21345, 21362, 21377,
    21505, 21521, 21537, 21553, 21569, 21585, 21889, 22049, 22065, 22081, 22097, 22113, 22129,
    22145, 22161, 22273, 22289, 22305, 22321, 22340, 22353, 22369, 22385, 22401, 22417, 22529,
    22609, 22625, 22641, 22657, 22785, 22865, 22881, 22897, 22913, 22929};

// Entries whose data may be changed but which are neither added to nor removed: the passage
// of a stage, the age, the appearance values, a profession's level, "Walka", a body part's
// properties, a skill's chance and the flags of held weapons.
constexpr std::array kModifyOnly = {305,  337,  542,  561,  577,  593,  608,   4210,  4226,
                                    4355, 4371, 4387, 4403, 4417, 8749, 21812, 21828, 21844};

constexpr int kProficiency = 1573;
constexpr int kItem = 2417;
constexpr int kWeight = 1169;
constexpr std::array kCarriedThings = {21024, 22016, 22032, 22592}; // weapon, armour, …, shield
constexpr std::array kPlainKinds = {1, 2, 12};

// The places below which parts of the menu are closed.
constexpr int kLoad = 18773;     // "Obciążenie"
constexpr int kCombat = 608;     // "Walka"
constexpr int kCarried = 1104;   // "przy sobie" under "Ekwipunek"
constexpr int kSkills = 848;     // "Umiejętności"
constexpr int kAppearance = 256; // under "Dodatkowe informacje"
constexpr int kEquipment = 880;  // "Ekwipunek"
constexpr int kSkillsGroup = 848;
constexpr int kWeaponsGroup = 864;

// Editors by kind.
constexpr int kYesNoFlag = 21812;
constexpr int kMoneyKind = 12;
constexpr std::array kTextOnly = {22016, 22032, 22592};

// The places of "Majątek" and a plain amount of money: "Dodaj" adds money.
constexpr std::array kMoneyPlaces = {1916, 1932, 1948, 2060, 12};

template <std::size_t N> bool among(const std::array<int, N>& kinds, int kind) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

constexpr EntryCommands kNone{};
constexpr EntryCommands kAll{.modify = true, .add = true, .remove = true};
constexpr EntryCommands kModifyAndRemove{.modify = true, .remove = true};
constexpr EntryCommands kModifyOnlyCommands{.modify = true};

} // namespace

EntryCommands contextCommands(const CPoz& entry) {
    const int kind = entry.typ;
    const auto under = [&](int k) { return entry.HasKindOrAncestor(k); };
    if (among(kAddOnly, kind))
        return {.add = true};
    if (among(kModifyOnly, kind))
        return kModifyOnlyCommands;
    if (kind == kProficiency)
        return {.modify = true, .add = true};
    if (kind == kItem)
        return kModifyAndRemove;
    if (kind == kWeight)
        return under(kLoad) ? kNone : kModifyOnlyCommands;
    if (among(kCarriedThings, kind)) {
        if (under(kCombat))
            return kNone;
        return under(kCarried) ? kModifyAndRemove : kAll;
    }
    if (among(kPlainKinds, kind))
        return under(kCombat) ? kNone : kAll;
    // A game date is a plain value like a number: it can be changed and removed.
    const int valueKind = entry.valueKind();
    if (valueKind == kInteger || valueKind == kPercent || valueKind == kMixed ||
        valueKind == kDate) {
        if (under(kLoad) || under(kCombat) || under(kSkills) || under(kAppearance))
            return kNone;
        return under(kEquipment) ? kModifyOnlyCommands : kAll;
    }
    return kNone;
}

EntryEditor editorFor(const CPoz& entry) {
    const int kind = entry.typ;
    if (kind == kYesNoFlag)
        return EntryEditor::YesNo;
    if (kind == kMoneyKind)
        return EntryEditor::Money;
    if (kind == kItem)
        return EntryEditor::Item;
    if (among(kTextOnly, kind))
        return EntryEditor::Text;
    if (kind == kProficiency)
        return EntryEditor::Proficiency;
    if (kind == kCombat)
        return EntryEditor::Placement;
    return EntryEditor::Generic;
}

EntryAdder adderFor(const CPoz& context) {
    switch (context.typ) {
    case kSkillsGroup:
        return EntryAdder::Skill;
    case kWeaponsGroup:
        return EntryAdder::Weapons;
    case kEquipment:
        return EntryAdder::Equipment;
    default:
        return among(kMoneyPlaces, context.typ) ? EntryAdder::Money : EntryAdder::Generic;
    }
}

} // namespace tallar
