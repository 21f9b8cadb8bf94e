#include "rules/engine/CRdzenBron.h"

#include "model/Character.h"
#include "store/db/Schema.h"

#include <algorithm>
#include <memory>
#include <variant>
#include <vector>

namespace tallar {

namespace {

using namespace kinds;

// --- The row of `bronie` ---------------------------------------------------------------

// The weapon query selects the columns of `bronie` as the schema describes them; the record
// reads them by name.
const TableDef& weaponTable() {
    static const TableDef& table = *findTable("bronie");
    return table;
}

std::string weaponQuery() {
    std::string columns;
    for (const ColumnDef& column : weaponTable().columns)
        columns += (columns.empty() ? "" : ",") + std::string(column.name);
    return "SELECT " + columns + " FROM bronie WHERE id=?;";
}

std::string trimmed(std::string_view text, std::string_view blanks = " \t\r\n") {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(blanks);
    return std::string(text.substr(first, last - first + 1));
}

// A flag column: its first letter is "T" or "t".
bool isFlag(std::string_view text) {
    const std::string t = trimmed(text);
    return !t.empty() && (t.front() == 'T' || t.front() == 't');
}

// A limit "1/N": the number after the last "/" (a bare number is N itself). An empty text,
// or an N that is no positive number, is no limit: 99.
int limitOf(std::string_view text) {
    const std::string t = trimmed(text);
    const auto slash = t.rfind('/');
    const int n = textToInt(slash == std::string::npos ? std::string_view(t)
                                                       : std::string_view(t).substr(slash + 1));
    return t.empty() || n <= 0 ? 99 : n;
}

// --- The weapon entry and its properties ------------------------------------------------

// When a property gets its child: always, when not 0, when its flag is set, when the
// factor is not 1, when the limit is below 99, when the users are not everybody.
enum class When { Always, NotZero, Flag, NotOne, Below99, NotEverybody };
using Field = std::variant<int WeaponRecord::*, bool WeaponRecord::*, double WeaponRecord::*,
                           std::string WeaponRecord::*>;
struct Property {
    int kind;
    const char* info;
    Field field; // an int is the value, a flag value 1, a factor the modifier, a text the memo
    When when;
};
const std::array<Property, 37> kProperties = {{
    {weapon::kType, "Typ", &WeaponRecord::handedness, When::Always},
    {weapon::kPiercing, "Skuteczność kłuta", &WeaponRecord::piercing, When::NotZero},
    {weapon::kPiercingRanged, "Skuteczność kłuta daleka", &WeaponRecord::piercingRanged,
     When::NotZero},
    {weapon::kCutting, "Skuteczność tnąca", &WeaponRecord::cutting, When::NotZero},
    {weapon::kCuttingRanged, "Skuteczność tnąca daleka", &WeaponRecord::cuttingRanged,
     When::NotZero},
    {weapon::kBlunt, "Skuteczność obuchowa", &WeaponRecord::blunt, When::NotZero},
    {weapon::kBluntRanged, "Skuteczność obuchowa daleka", &WeaponRecord::bluntRanged,
     When::NotZero},
    {weapon::kDefence, "Obrona", &WeaponRecord::defence, When::Always},
    {weapon::kDoubleDefence, "Obrona x2 jeśli trzymany obórącz", &WeaponRecord::doubleDefence,
     When::Flag},
    {weapon::kShieldDefenceFactor, "Modyfikator obrony tarczy", &WeaponRecord::shieldDefenceFactor,
     When::NotOne},
    {weapon::kArmourDefenceFactor, "Modyfikator obrony zbroi", &WeaponRecord::armourDefenceFactor,
     When::NotOne},
    {weapon::kAttacks, "Ataki", &WeaponRecord::attacks, When::Always},
    {weapon::kHitCancelsAttack, "Trafienie niweluje następny atak", &WeaponRecord::hitCancelsAttack,
     When::Flag},
    {weapon::kDurability, "Wytrzymałość", &WeaponRecord::durability, When::Always},
    {weapon::kDamageFactor, "Współczynnik uszkodzeń", &WeaponRecord::damageFactor, When::NotOne},
    {weapon::kDelay, "Opóźnienie", &WeaponRecord::delay, When::Always},
    {weapon::kPreparedAttack, "Umożliwia atak przygotowany", &WeaponRecord::preparedAttack,
     When::Flag},
    {weapon::kHitBonus, "Bonus do trafienia", &WeaponRecord::hitBonus, When::Always},
    {weapon::kDamageBonus, "Bonus obrażeń", &WeaponRecord::damageBonus, When::Always},
    {weapon::kDoubleCritical, "Trafienie krytyczne x 2", &WeaponRecord::doubleCritical, When::Flag},
    {weapon::kMaxDexterityLimit, "Maksymalne ogr.Zr 1/", &WeaponRecord::maxDexterityLimit,
     When::Below99},
    {weapon::kMaxSpeedLimit, "Maksymalne ogr.Sz 1/", &WeaponRecord::maxSpeedLimit, When::Below99},
    {weapon::kMinimumHeight, "Minimalny wzrost", &WeaponRecord::minimumHeight, When::NotZero},
    {weapon::kMinimumStrength, "Minimalna siła fizyczna", &WeaponRecord::minimumStrength,
     When::NotZero},
    {equipment::kWeight, "Waga", &WeaponRecord::weight, When::Always},
    {weapon::kRange, "Zasięg", &WeaponRecord::range, When::Always},
    {weapon::kIntendedFor, "Przeznacz. dla", &WeaponRecord::intendedFor, When::NotEverybody},
    {weapon::kTenthDisables, "1/10 trafienia obezwładnia", &WeaponRecord::tenthDisables,
     When::Flag},
    {weapon::kTenthMayDisable, "1/10 trafienia ew.obezwładnia", &WeaponRecord::tenthMayDisable,
     When::Flag},
    {weapon::kTenthMayStun, "1/10 trafienia ew.ogłusza", &WeaponRecord::tenthMayStun, When::Flag},
    {weapon::kHitMayDisable, "Trafienie ew.obezwładnia", &WeaponRecord::hitMayDisable, When::Flag},
    {weapon::kHitHalves, "Trafienie redukuje AT,TR,UM,OB do 1/2", &WeaponRecord::hitHalves,
     When::Flag},
    {weapon::kSecondary, "Broń wtórna", &WeaponRecord::secondary, When::Flag},
    {weapon::kPassing, "Broń drożna", &WeaponRecord::passing, When::Flag},
    {weapon::kSplintering, "Broń odpryskowa", &WeaponRecord::splintering, When::Flag},
    {weapon::kCharge, "Umożliwia szarżę", &WeaponRecord::charge, When::Flag},
    {weapon::kHoldBack, "Umożliwia powstrzymanie", &WeaponRecord::holdBack, When::Flag},
}};

// Adds the child of one property when its condition holds.
void writeProperty(CPoz& entry, const WeaponRecord& record, const Property& property) {
    EntryData data{.info = property.info, .typ = property.kind};
    bool made = false;
    std::visit(
        [&](auto member) {
            const auto& value = record.*member;
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, int>) {
                made = property.when == When::Always ||
                       (property.when == When::NotZero && value != 0) ||
                       (property.when == When::Below99 && value < 99);
                data.wartosc = value;
            } else if constexpr (std::is_same_v<Value, bool>) {
                // A set flag reads "TAK": value 1.
                made = value;
                data.wartosc = 1;
            } else if constexpr (std::is_same_v<Value, double>) {
                made = !CRdzen::nearlyEqual(value, 1.0);
                data.modyfikator = value;
            } else {
                made = property.when == When::Always || value != "WSZYSTKICH";
                data.memo = value;
            }
        },
        property.field);
    if (made)
        entry.AddChild(data);
}

// Sets the record's field of one property from its child; an absent child leaves the
// record's default, which is what makes no child.
void readProperty(const CPoz& child, WeaponRecord& record, const Property& property) {
    std::visit(
        [&](auto member) {
            auto& value = record.*member;
            using Value = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, int>)
                value = child.wartosc;
            else if constexpr (std::is_same_v<Value, bool>)
                value = true;
            else if constexpr (std::is_same_v<Value, double>)
                value = child.modyfikator;
            else
                value = child.memo;
        },
        property.field);
}

// A natural weapon's children that stand for a weapon's properties (only their values; a
// percentage amount stands for nothing).
struct NaturalProperty {
    int kind;
    int WeaponRecord::*field;
};
constexpr std::array<NaturalProperty, 6> kNaturalProperties = {{
    {natural::kAttacks, &WeaponRecord::attacks},
    {natural::kDelay, &WeaponRecord::delay},
    {natural::kPiercing, &WeaponRecord::piercing},
    {natural::kCutting, &WeaponRecord::cutting},
    {natural::kBlunt, &WeaponRecord::blunt},
    {natural::kDefence, &WeaponRecord::defence},
}};

// The place in `sources` of an entry of this kind, or null.
CPoz** sourceSlot(WeaponSources& sources, int kind) {
    switch (kind) {
    case weapon::kAttacks:
    case natural::kAttacks:
        return &sources.attacks;
    case weapon::kDelay:
    case natural::kDelay:
        return &sources.delay;
    case weapon::kPiercing:
    case natural::kPiercing:
        return &sources.effectiveness[0];
    case weapon::kPiercingRanged:
        return &sources.effectiveness[1];
    case weapon::kCutting:
    case natural::kCutting:
        return &sources.effectiveness[2];
    case weapon::kCuttingRanged:
        return &sources.effectiveness[3];
    case weapon::kBlunt:
    case natural::kBlunt:
        return &sources.effectiveness[4];
    case weapon::kBluntRanged:
        return &sources.effectiveness[5];
    case weapon::kDefence:
    case natural::kDefence:
        return &sources.defence;
    case weapon::kHitBonus:
        return &sources.hitBonus;
    case weapon::kDamageBonus:
        return &sources.damageBonus;
    default:
        return nullptr;
    }
}

// --- The statistics of a held weapon ---------------------------------------------------

// The six wounds, in the order of the effectiveness entries.
struct Wound {
    int kind;
    const char* info;
    int effectKind;
    const char* effectInfo;
    int WeaponRecord::*effectiveness;
};
constexpr std::array<Wound, 6> kWounds = {{
    {weaponStats::kPiercingWounds, "Rany kłute", weaponStats::kPiercingEffect,
     "Skuteczność kłuta broni", &WeaponRecord::piercing},
    {weaponStats::kPiercingRangedWounds, "Rany kłute z daleka", weaponStats::kPiercingRangedEffect,
     "Skuteczność kłuta daleka broni", &WeaponRecord::piercingRanged},
    {weaponStats::kCuttingWounds, "Rany tnące", weaponStats::kCuttingEffect,
     "Skuteczność tnąca broni", &WeaponRecord::cutting},
    {weaponStats::kCuttingRangedWounds, "Rany tnące z daleka", weaponStats::kCuttingRangedEffect,
     "Skuteczność tnąca daleka broni", &WeaponRecord::cuttingRanged},
    {weaponStats::kBluntWounds, "Rany obuchowe", weaponStats::kBluntEffect,
     "Skuteczność obuchowa broni", &WeaponRecord::blunt},
    {weaponStats::kBluntRangedWounds, "Rany obuchowe z daleka", weaponStats::kBluntRangedEffect,
     "Skuteczność obuchowa daleka broni", &WeaponRecord::bluntRanged},
}};

// A part that takes its value from `target` (times `factor`); without a target it stays 0.
void addReference(CPoz& parent, const char* info, int kind, CPoz* target, double factor) {
    CPoz& part = parent.AddChild({.info = info, .typ = kind, .modyfikator = factor});
    if (target)
        part.MakeReference(*target, true);
}

bool isWeaponKind(int kind) {
    return kind == weapon::kWeapon || kind == natural::kWeapon;
}

// The weapon an entry that holds it stands for: its target, or itself.
CPoz* weaponOf(CPoz& held) {
    if (CPoz* target = held.target(); target && isWeaponKind(target->typ))
        return target;
    return isWeaponKind(held.typ) ? &held : nullptr;
}

// What the statistics entry names a limb by: its key, or its name when the key is a
// reference (a limb linked to what it holds).
std::string limbName(const CPoz& limb) {
    return limb.specjal.starts_with('&') ? limb.info : limb.specjal;
}

} // namespace

bool isBowName(std::string_view name) {
    // "[Łł][Uu][Kk]" on UTF-8 text: Ł and ł are two bytes each.
    for (const std::string_view l : {std::string_view("Ł"), std::string_view("ł")}) {
        for (auto at = name.find(l); at != std::string_view::npos; at = name.find(l, at + 1)) {
            const std::string_view rest = name.substr(at + l.size());
            if (rest.size() >= 2 && (rest[0] == 'u' || rest[0] == 'U') &&
                (rest[1] == 'k' || rest[1] == 'K'))
                return true;
        }
    }
    return false;
}

std::string handednessCode(int handClass) {
    switch (handClass) {
    case 1:
    case 5:
    case 10:
        return "JL";
    case 11:
    case 15:
    case 20:
        return "J";
    case 30:
        return "PT";
    case 40:
        return "DW";
    default:
        return "N";
    }
}

bool mayBeUsedTogether(int handClass, int other, int holders) {
    const auto among = [other](std::initializer_list<int> allowed) {
        return std::find(allowed.begin(), allowed.end(), other) != allowed.end();
    };
    switch (handClass) {
    case 1:
    case 5:
    case 10:
        return among({0, 1, 5, 11, 15});
    case 11:
        return among({0, 1, 5, 10, 11, 15, 20});
    case 15:
        return among({0, 1, 5, 10, 11});
    case 20:
        return among({0, 1, 5, 10, 11, 15});
    case 30:
    case 40:
        return holders >= 2;
    default:
        return false;
    }
}

std::optional<WeaponRecord> CRdzenBron::LoadWeaponRecord(std::string_view id) {
    std::optional<WeaponRecord> found;
    (void)queryRules(weaponQuery(), {std::string(id)}, [&](const Row& row) {
        const TableDef& table = weaponTable();
        if (row.columnCount() < static_cast<int>(table.columns.size()))
            return;
        const auto text = [&](std::string_view column) {
            return row.text(table.columnIndex(column));
        };
        const auto number = [&](std::string_view column) { return textToInt(text(column)); };
        const auto flag = [&](std::string_view column) { return isFlag(text(column)); };
        // A factor is a dice expression thrown without asking; an empty one is 1.
        const auto factor = [&](std::string_view column) {
            const std::string expression = trimmed(text(column));
            return expression.empty() ? 1.0 : evaluate(expression, DiceMode::Roll);
        };
        WeaponRecord r;
        r.id = text("id");
        r.groupId = text("idgrupy");
        r.name = text("nazwa");
        r.handedness = trimmed(text("typl"));
        r.piercing = number("skt_kluta_bliska");
        r.piercingRanged = number("skt_kluta_daleka");
        r.cutting = number("skut_tnaca_bliska");
        r.cuttingRanged = number("skut_tnaca_daleka");
        r.blunt = number("skut_obuch_bliska");
        r.bluntRanged = number("skut_obuch_daleka");
        r.defence = number("obrona");
        r.doubleDefence = flag("obrona_x_2");
        r.shieldDefenceFactor = factor("obrona_tarczy");
        r.armourDefenceFactor = factor("obrona_zbroi");
        r.attacks = number("ataki_na_r");
        r.hitCancelsAttack = flag("traf_niweluje_atak");
        r.durability = number("wytrzymalosc");
        r.damageFactor = factor("wsp_uszkodzen");
        r.delay = number("opoznienie");
        r.preparedAttack = flag("atak_przygotowany");
        r.hitBonus = number("traf_bonus");
        r.doubleCritical = flag("traf_kryt_x_2");
        r.maxDexterityLimit = limitOf(text("max_ogr_zr"));
        r.maxSpeedLimit = limitOf(text("max_ogr_sz"));
        r.minimumHeight = number("min_wzrost");
        r.minimumStrength = number("min_sf");
        r.weight = number("waga");
        r.productionTime = number("czas_prod");
        r.range = trimmed(text("zasieg"), " "); // spaces only, as the query always trimmed it
        const std::string users = trimmed(text("przeznaczenie"));
        r.intendedFor = users.empty() ? "WSZYSTKICH" : users;
        r.tenthDisables = flag("tr110_obezwl");
        r.tenthMayDisable = flag("tr110_ew_obezwl");
        r.tenthMayStun = flag("tr110_ew_oglusza");
        r.hitMayDisable = flag("tr_ew_obezwlad");
        r.hitHalves = flag("tr_12atobtrum");
        r.secondary = flag("wtorna");
        r.passing = flag("drozna");
        r.splintering = flag("odpryskowa");
        r.charge = flag("szarza");
        r.holdBack = flag("powstrzymanie");
        found = std::move(r);
    });
    return found;
}

CPoz* CRdzenBron::AddWeaponEntry(std::string_view id) {
    const CPoz* equipment = character().link(kLinkEkwipunek);
    CPoz* carried = equipment ? equipment->FindByKind(equipment::kCarried) : nullptr;
    if (!carried)
        return nullptr;
    const std::optional<WeaponRecord> record = LoadWeaponRecord(id);
    if (!record)
        return nullptr;
    CPoz& entry = carried->AddChild({.info = record->name,
                                     .specjal = record->id,
                                     .typ = weapon::kWeapon,
                                     .memo = record->groupId});
    for (const Property& property : kProperties)
        writeProperty(entry, *record, property);
    return &entry;
}

WeaponRecord CRdzenBron::ReadWeaponEntry(const CPoz& weapon, WeaponSources* sources) const {
    WeaponRecord record;
    record.name = weapon.info;
    record.id = weapon.specjal;
    const bool natural = weapon.typ == natural::kWeapon;
    record.groupId = natural ? weapon.specjal : weapon.memo;
    for (CPoz* child : weapon.children()) {
        if (natural) {
            for (const NaturalProperty& property : kNaturalProperties)
                if (child->typ == property.kind)
                    record.*property.field = child->wartosc;
        } else {
            for (const Property& property : kProperties)
                if (child->typ == property.kind)
                    readProperty(*child, record, property);
        }
        if (sources)
            if (CPoz** slot = sourceSlot(*sources, child->typ); slot && !*slot)
                *slot = child;
    }
    return record;
}

int CRdzenBron::characterHeight() const {
    const CPoz* information = character().link(kLinkDodatkoweInformacje);
    const CPoz* appearance = information ? information->FindByKind(info::kAppearance) : nullptr;
    const CPoz* height = appearance ? appearance->FindByKind(stage::kHeight) : nullptr;
    return height ? height->wartosc : 0;
}

CPoz* CRdzenBron::proficiencyIn(std::string_view groupId) const {
    const CPoz* proficiencies = character().link(kLinkBieglosci);
    if (!proficiencies || groupId.empty())
        return nullptr;
    for (CPoz* child : proficiencies->children())
        if (child->typ == proficiency::kProficiency && child->specjal == groupId)
            return child;
    return nullptr;
}

CPoz* CRdzenBron::minimumProficiency() const {
    const CPoz* professions = character().link(kLinkProfesje);
    const CPoz* bonuses = professions ? professions->FindByKind(profession::kBonuses) : nullptr;
    return bonuses ? bonuses->FindByKind(profession::kMinimumProficiency) : nullptr;
}

Handedness CRdzenBron::HandednessClass(const WeaponRecord& weapon) const {
    int handClass = 20;
    bool matched = true;
    if (weapon.handedness == "JL")
        handClass = 10;
    else if (weapon.handedness == "J")
        handClass = 20;
    else if (weapon.handedness == "PT")
        handClass = 30;
    else if (weapon.handedness == "DW")
        handClass = 40;
    else
        matched = false;

    if (matched && !isBowName(weapon.name)) {
        if (characterHeight() >= 225)
            handClass = std::max(10, handClass - 10);
        const CPoz* strength = attributeEntry(member::kStrength);
        if (strength && strength->total >= 10.0 * weapon.minimumStrength)
            handClass = std::max(10, handClass - 10);
    }

    const CPoz* proficiency = proficiencyIn(weapon.groupId);
    const CPoz* ambidexterity =
        proficiency ? proficiency->FindByKind(proficiency::kAmbidexterity) : nullptr;
    if (ambidexterity && !ambidexterity->info.empty()) {
        const char level = ambidexterity->info.front();
        const auto lighter = [&handClass](int c10, int c20, int c30, int c40) {
            handClass = handClass == 10   ? c10
                        : handClass == 20 ? c20
                        : handClass == 30 ? c30
                        : handClass == 40 ? c40
                                          : handClass;
        };
        if (level == 'O')
            lighter(5, 15, 20, 30);
        else if (level == 'P' || level == 'N')
            lighter(1, 11, 15, 20);
    }
    return {handClass, matched ? handednessCode(handClass) : "N"};
}

int CRdzenBron::WeaponSpecialisation(std::string_view code, const WeaponRecord& weapon) const {
    const std::size_t field = code == "JL"                 ? 1
                              : code == "J" || code == "N" ? 2
                              : code == "PT"               ? 3
                              : code == "DW"               ? 4
                                                           : 0;
    const CPoz* proficiency = field ? proficiencyIn(weapon.groupId) : nullptr;
    if (!proficiency)
        return 0;
    int sum = 0;
    for (const CPoz* part : proficiency->children()) {
        const std::vector<std::string> fields = splitText(part->memo, '|');
        if (fields.size() > field)
            sum += textToInt(fields[field]);
    }
    return sum;
}

CPoz* CRdzenBron::AddWeaponStatistics(CPoz& owner, CPoz& holder, const CPoz* limbs,
                                      bool limbsRequired) {
    CPoz* weapon = weaponOf(holder);
    if (!weapon || (!limbs && limbsRequired))
        return nullptr;
    // The parts read the current totals of what they refer to.
    weapon->Recalculate();
    WeaponSources sources;
    const WeaponRecord record = ReadWeaponEntry(*weapon, &sources);
    const Handedness own = HandednessClass(record);

    // The limbs that hold this weapon, and the heaviest weapon the others hold.
    bool usable = true;
    int holders = 0;
    std::vector<std::string> holding;
    if (limbs) {
        int other = 0;
        for (CPoz* limb : limbs->children()) {
            CPoz* held = limb->typ == body::kPart ? limb->target() : nullptr;
            if (!held)
                continue;
            if (held == &holder) {
                ++holders;
                holding.push_back(limbName(*limb));
            } else if (isWeaponKind(held->typ)) {
                if (CPoz* otherWeapon = weaponOf(*held))
                    other =
                        std::max(other, HandednessClass(ReadWeaponEntry(*otherWeapon)).handClass);
            }
        }
        usable = holders >= 1 && mayBeUsedTogether(own.handClass, other, holders);
    }
    CPoz* proficiency = proficiencyIn(record.groupId);
    if (!proficiency)
        proficiency = minimumProficiency();
    if (proficiency)
        proficiency->Recalculate();
    else
        usable = false;

    CPoz& statistics = owner.AddChild({.info = record.name,
                                       .typ = weaponStats::kStatistics,
                                       .wartosc = own.handClass,
                                       .memo = joinTexts(holding, '|')});
    statistics.MakeReference(*weapon, true);
    statistics.AddChild({.info = "Typ broni",
                         .typ = weaponStats::kWeaponType,
                         .wartosc = own.handClass,
                         .memo = own.code});

    CPoz* strength = attributeEntry(member::kStrength);
    CPoz* dexterity = attributeEntry(member::kDexterity);

    CPoz& attacks = statistics.AddChild(
        {.info = "Ilość ataków na rundę", .typ = weaponStats::kAttacksPerRound});
    if (usable) {
        addReference(attacks, "Bazowa ilość ataków broni", weaponStats::kBaseAttacks,
                     sources.attacks, 1.0);
        if (const int bonus = WeaponSpecialisation(own.code, record))
            attacks.AddChild({.info = "Specjalizacja w broni",
                              .typ = weaponStats::kSpecialisation,
                              .wartosc = bonus});
        if (own.handClass == 1)
            attacks.AddChild({.info = "Podwójna oburęczność",
                              .typ = weaponStats::kDoubleAmbidexterity,
                              .modyfikator = 2.0});
    }
    attacks.Recalculate();

    CPoz& delay =
        statistics.AddChild({.info = "Opóźnienie", .typ = weaponStats::kDelay, .modyfikator = 1.0});
    if (usable && sources.delay)
        delay.MakeReference(*sources.delay, true);
    delay.Recalculate();

    for (std::size_t w = 0; w < kWounds.size(); ++w) {
        const Wound& wound = kWounds[w];
        if (record.*wound.effectiveness == 0)
            continue;
        CPoz& wounds = statistics.AddChild({.info = wound.info, .typ = wound.kind});
        if (usable) {
            addReference(wounds, wound.effectInfo, wound.effectKind, sources.effectiveness[w], 1.0);
            addReference(wounds, "Biegłość", weaponStats::kProficiency, proficiency, 1.0);
            addReference(wounds, "1/4 Siły fizycznej", attribute::kStrengthReference, strength,
                         0.25);
            addReference(wounds, "Bonus broni", weaponStats::kDamageBonus, sources.damageBonus,
                         1.0);
        }
        wounds.Recalculate();
    }

    CPoz& defence = statistics.AddChild({.info = "Obrona", .typ = weaponStats::kDefence});
    if (usable) {
        addReference(defence, "Obrona broni", weaponStats::kWeaponDefence, sources.defence, 1.0);
        addReference(defence, "Biegłość", weaponStats::kProficiency, proficiency, 1.0);
        if (record.doubleDefence && holders >= 2)
            defence.AddChild({.info = "Broń trzymana oburącz",
                              .typ = weaponStats::kTwoHanded,
                              .modyfikator = 2.0});
    }
    defence.Recalculate();

    CPoz& hit = statistics.AddChild({.info = "Trafienie", .typ = weaponStats::kHit});
    if (usable) {
        addReference(hit, "Biegłość", weaponStats::kHitProficiency, proficiency, 1.0);
        addReference(hit, "1/10 Siły fizycznej", attribute::kStrengthReference, strength, 0.1);
        addReference(hit, "1/10 Zręczności", attribute::kDexterityReference, dexterity, 0.1);
        addReference(hit, "Bonus broni", weaponStats::kHitBonus, sources.hitBonus, 1.0);
    }
    hit.Recalculate();
    return &statistics;
}

void CRdzenBron::AddNaturalWeaponStatistics() {
    const CPoz* combat = character().link(kLinkWalka);
    CPoz* weapons = combat ? combat->FindByKind(top::kCombatWeapons) : nullptr;
    const CPoz* naturalWeapons = character().link(kLinkBronieNaturalne);
    if (!weapons || !naturalWeapons)
        return;
    std::vector<CPoz*> found;
    WalkTree(*naturalWeapons, [&found](CPoz& entry, int) {
        if (entry.typ != natural::kWeapon)
            return true;
        found.push_back(&entry);
        return false;
    });
    for (CPoz* naturalWeapon : found) {
        // One that takes a holding limb is held: the placement makes its statistics.
        const CPoz* takesLimb = naturalWeapon->FindByKind(natural::kTakesHoldingLimb);
        if (naturalWeapon->wartosc != 0 || (takesLimb && takesLimb->wartosc != 0) ||
            !proficiencyIn(naturalWeapon->specjal))
            continue;
        // A holder linked to the natural weapon, in the one limb of a container of its own;
        // both go when this weapon is done (the limb first, unregistering from the holder).
        auto holder =
            std::make_unique<CPoz>(naturalWeapon->connection(),
                                   EntryData{.info = naturalWeapon->info, .typ = natural::kWeapon});
        holder->MakeReference(*naturalWeapon, true);
        auto container = std::make_unique<CPoz>(naturalWeapon->connection(), EntryData{});
        container->AddChild({.typ = body::kPart}).MakeReference(*holder, true);
        const CPoz* count = naturalWeapon->FindByKind(natural::kCount);
        const int pieces = std::max(1, count ? count->wartosc : 1);
        for (int piece = 0; piece < pieces; ++piece)
            (void)AddWeaponStatistics(*weapons, *holder, container.get(), true);
    }
}

} // namespace tallar
