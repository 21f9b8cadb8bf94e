#include "rules/engine/CRdzenTarcza.h"

#include "model/Character.h"
#include "model/Entry.h"
#include "rules/engine/EquipmentEntries.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tallar {

namespace {

using namespace kinds;

// The columns of a shield's row, in the order of the query (kShieldColumns).
enum ShieldColumn {
    kId,
    kDexterityLimit,
    kSpeedLimit,
    kDefence,
    kBonus,
    kMetal,
    kWeight,
    kDurability,
    kUsers,
    kGroundRest,
    kArmourMount,
    kHandMount,
    kSpikes,
    kEdge,
    kBlunt,
    kShieldColumnCount
};
constexpr std::array<const char*, kShieldColumnCount> kShieldColumns = {
    "A.id",
    "CASE WHEN CAST(A.ogrzr AS INT)<1 THEN 1 ELSE CAST(A.ogrzr AS INT) END",
    "CASE WHEN CAST(A.ogrsz AS INT)<1 THEN 1 ELSE CAST(A.ogrsz AS INT) END",
    "CAST (A.obrona AS INT)",
    "CAST(A.bonus AS INT)",
    "A.metal",
    "CAST(A.waga AS INT)",
    "CAST (A.wytrzym AS INT)",
    "CASE WHEN RTRIM(A.mogauzywac)='' THEN 'WSZYSTKICH' ELSE A.mogauzywac END",
    "A.wbicieziemia",
    "A.mocowzbroia",
    "A.mocowreka",
    "CASE WHEN RTRIM(A.szpikulce)='T' THEN CAST(A.skutkl AS INT) ELSE 0 END",
    "CASE WHEN RTRIM(A.ostrekraw)='T' THEN CAST(A.skuttn AS INT) ELSE 0 END",
    "CAST(A.skutob AS INT)",
};

std::string shieldQuery() {
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < kShieldColumns.size(); ++i)
        sql += std::string(i ? "," : "") + kShieldColumns[i];
    return sql + " FROM tarcza A WHERE A.id=?;";
}

ShieldRecord recordFromRow(const Row& row, std::string name) {
    const auto number = [&row](ShieldColumn c) { return static_cast<int>(row.integer(c)); };
    ShieldRecord r;
    r.id = row.text(kId);
    r.name = std::move(name);
    // A NULL column makes the CASE give NULL too: such a limit is 1/1 as well.
    r.dexterityLimit = std::max(number(kDexterityLimit), 1);
    r.speedLimit = std::max(number(kSpeedLimit), 1);
    r.defence = number(kDefence);
    r.resistanceBonus = number(kBonus);
    r.metal = flagSet(row.text(kMetal));
    r.weight = number(kWeight);
    r.durability = number(kDurability);
    r.users = row.isNull(kUsers) ? "WSZYSTKICH" : row.text(kUsers);
    r.groundRest = flagSet(row.text(kGroundRest));
    r.armourMount = flagSet(row.text(kArmourMount));
    r.handMount = flagSet(row.text(kHandMount));
    r.spikes = number(kSpikes);
    r.edge = number(kEdge);
    r.blunt = number(kBlunt);
    return r;
}

// The properties of a shield entry, in the order they are set.
void setProperties(CPoz& shield, const ShieldRecord& r) {
    const auto set = [&shield](const char* info, int kind, int value) {
        (void)shield.SetOrAdd({.info = info, .typ = kind, .wartosc = value}, Neutral::Drop);
    };
    set("Ograniczenia zręczności 1/", shield::kDexterityLimit, r.dexterityLimit);
    set("Ograniczenia szybkości 1/", shield::kSpeedLimit, r.speedLimit);
    set("Obrona", shield::kDefence, r.defence);
    set("Waga", equipment::kWeight, r.weight);
    set("Bonus do odp.7,8,10", shield::kResistanceBonus, r.resistanceBonus);
    set("Wytrzymałość", shield::kDurability, r.durability);
    set("Tarcza metalowa", shield::kMetal, r.metal ? 1 : 0);
    set("Skuteczność kłuta szpikulca", shield::kSpikes, r.spikes);
    set("Skuteczność tnąca krawędzi", shield::kEdge, r.edge);
    set("Skuteczność obuchowa", shield::kBlunt, r.blunt);
    if (r.groundRest)
        set("Można wbić/oprzeć o ziemię", shield::kGroundRest, 1);
    if (r.armourMount)
        set("Można umocować do zbroi", shield::kArmourMount, 1);
    if (r.handMount)
        set("Można umoc.do ręki(obr.przed 1 at.)", shield::kHandMount, 1);
    (void)shield.SetOrAdd(
        {.info = "Przeznaczona dla", .typ = shield::kIntendedFor, .memo = r.users});
}

// One modification of a skill that changes a shield: "NN" codes only.
struct Modification {
    char op = 0;
    std::string target;
    std::string name;
    std::array<std::string, 6> amount; // a, b, c, d, whole-steps flag, f
};

std::vector<Modification> shieldModifications(const CIstota& hero) {
    std::vector<Modification> found;
    const CPoz* skills = hero.link(kLinkUmiejetnosci);
    if (!skills)
        return found;
    for (const std::string& item : splitText(skills->memo, '#')) {
        const std::vector<std::string> halves = splitText(item, '$');
        if (halves.size() != 2)
            continue;
        const std::vector<std::string> head = splitText(halves[0], '|');
        const std::vector<std::string> amount = splitText(halves[1], '|');
        if (head.size() < 2 || head[0].size() < 3 || !head[0].starts_with("NN") ||
            amount.size() < 6)
            continue;
        Modification m;
        m.op = head[0][2];
        m.target = trimmedText(head[1]);
        m.name = head.size() > 3 ? head[3] : std::string();
        std::copy_n(amount.begin(), 6, m.amount.begin());
        found.push_back(std::move(m));
    }
    return found;
}

} // namespace

CPoz* CRdzenTarcza::AddShieldEntry(std::string_view id) {
    std::optional<std::string> name;
    (void)queryRules("SELECT nazwa FROM tarcza WHERE id=?;", {std::string(id)},
                     [&name](const Row& row) { name = row.text(0); });
    CPoz* carried = carriedEquipment(character());
    if (!name || !carried)
        return nullptr;
    std::optional<ShieldRecord> record;
    (void)queryRules(shieldQuery(), {std::string(id)},
                     [&](const Row& row) { record = recordFromRow(row, *name); });
    if (!record)
        return nullptr;
    CPoz& shield =
        carried->AddChild({.info = *name, .specjal = std::string(id), .typ = shield::kShield});
    setProperties(shield, *record);
    return &shield;
}

ShieldRecord CRdzenTarcza::ReadShieldEntry(const CPoz& shield, ShieldReferences* references) {
    ShieldRecord r;
    r.id = shield.specjal;
    r.name = shield.info;
    r.users = "WSZYSTKICH";
    for (CPoz* child : shield.children()) {
        const int v = child->wartosc;
        switch (child->typ) {
        case shield::kDexterityLimit:
            r.dexterityLimit = std::max(v, 1);
            if (references)
                references->dexterityLimit = child;
            break;
        case shield::kSpeedLimit:
            r.speedLimit = std::max(v, 1);
            if (references)
                references->speedLimit = child;
            break;
        case shield::kDefence:
            r.defence = v;
            if (references)
                references->defence = child;
            break;
        case equipment::kWeight:
            r.weight = v;
            break;
        case shield::kResistanceBonus:
            r.resistanceBonus = v;
            break;
        case shield::kDurability:
            r.durability = v;
            break;
        case shield::kMetal:
            r.metal = v != 0;
            break;
        case shield::kSpikes:
            r.spikes = v;
            break;
        case shield::kEdge:
            r.edge = v;
            break;
        case shield::kBlunt:
            r.blunt = v;
            break;
        case shield::kGroundRest:
            r.groundRest = v != 0;
            break;
        case shield::kArmourMount:
            r.armourMount = v != 0;
            break;
        case shield::kHandMount:
            r.handMount = v != 0;
            break;
        case shield::kIntendedFor:
            r.users = child->memo;
            break;
        default:
            break;
        }
    }
    return r;
}

int CRdzenTarcza::ModifierValue(std::string_view a, std::string_view b, std::string_view c,
                                std::string_view d, std::string_view flag,
                                std::string_view f) const {
    const double step = evaluate(c, DiceMode::Roll);
    double q = 0.0;
    if (step > 0.0) {
        const double t =
            std::max(evaluate(d, DiceMode::Roll) - evaluate(f, DiceMode::Roll), 0.0) / step;
        q = trimmedText(flag) == "T" ? std::trunc(t) : roundToInt(t);
    }
    const int result =
        roundToInt(roundToInt(q * evaluate(b, DiceMode::Roll)) + evaluate(a, DiceMode::Roll));
    return std::max(result, 0);
}

CPoz& CRdzenTarcza::ApplyShield(CPoz& parent, CPoz& shield, bool link, std::string_view memo) {
    CPoz& use =
        parent.AddChild({.info = shield.info, .typ = shield::kShield, .memo = std::string(memo)});
    if (link)
        use.MakeReference(shield, true);
    (void)shield.Recalculate(0.0, 0.0, 0);
    ShieldReferences sources;
    const ShieldRecord record = ReadShieldEntry(shield, &sources);

    // Each part refers to the shield's own; a shield without defence has a part of 0.
    const auto part = [&use](const char* info, int kind, CPoz* source) -> CPoz& {
        CPoz& made = use.AddChild({.info = info, .typ = kind, .modyfikator = 1.0});
        if (source)
            made.MakeReference(*source, true);
        (void)made.Recalculate(0.0, 0.0, 0);
        return made;
    };
    ShieldReferences targets;
    targets.dexterityLimit =
        &part("Ograniczenia zręczności 1/", shield::kUseDexterityLimit, sources.dexterityLimit);
    targets.speedLimit =
        &part("Ograniczenia szybkości 1/", shield::kUseSpeedLimit, sources.speedLimit);
    targets.defence = &part("Obrona", shield::kUseDefence, sources.defence);
    applyModifications(targets);
    if (link)
        applyToCharacter(use, record);
    return use;
}

void CRdzenTarcza::applyModifications(const ShieldReferences& targets) {
    for (const Modification& m : shieldModifications(character())) {
        CPoz* target = m.target == "OG.TAR.ZR"   ? targets.dexterityLimit
                       : m.target == "OG.TAR.SZ" ? targets.speedLimit
                       : m.target == "OB.TAR"    ? targets.defence
                                                 : nullptr;
        if (!target)
            continue;
        int v = ModifierValue(m.amount[0], m.amount[1], m.amount[2], m.amount[3], m.amount[4],
                              m.amount[5]);
        const std::string info = m.name.empty() ? target->info : m.name;
        switch (m.op) {
        case '*':
            if (v != 1)
                target->AddChild({.info = info,
                                  .typ = shield::kAbilityFactor,
                                  .modyfikator = roundToHundredths(v)});
            break;
        case '/':
            if (v != 0 && v != 1)
                target->AddChild({.info = info,
                                  .typ = shield::kAbilityFactor,
                                  .modyfikator = roundToHundredths(1.0 / v)});
            break;
        case '+':
            if (v != 0)
                target->AddChild({.info = info, .typ = shield::kAbilityAmount, .wartosc = v});
            break;
        case '-':
            // A limit never falls below 1/1; the defence has no such bound.
            if (target != targets.defence)
                v = std::min(v, static_cast<int>(std::trunc(target->total - 1.0)));
            if (v != 0)
                target->AddChild({.info = info, .typ = shield::kAbilityAmount, .wartosc = -v});
            break;
        default:
            continue;
        }
        (void)target->Recalculate(0.0, 0.0, 0);
    }
}

void CRdzenTarcza::applyToCharacter(CPoz& use, const ShieldRecord& shield) {
    CIstota& hero = character();
    const auto resistancePart = [&](int number, int value) {
        if (CPoz* resistance = hero.link(kLinkOdpornosc1 + number - 1))
            resistance
                ->AddChild({.info = shield.name, .typ = shield::kResistanceBonus, .wartosc = value})
                .MakeReference(use, false);
    };
    if (shield.resistanceBonus != 0)
        for (int number : {7, 8, 10})
            resistancePart(number, shield.resistanceBonus);
    if (shield.metal)
        resistancePart(9, kMetalResistancePenalty);

    CPoz* defence = use.FindByKind(shield::kUseDefence);
    // The defence and the dexterity limit share a kind: the defence is the last of them.
    for (CPoz* child : use.children())
        if (child->typ == shield::kUseDefence)
            defence = child;
    if (CPoz* body = hero.link(kLinkCialo)) {
        for (CPoz* part : body->children()) {
            if (!part->FindByKind(kinds::body::kDefence))
                continue;
            CPoz* ranged = part->SetOrAdd(
                {.info = "Obrona daleka", .typ = kinds::body::kRangedDefence}, Neutral::Keep);
            CPoz& share = ranged->AddChild(
                {.info = shield.name, .typ = shield::kRangedDefence, .modyfikator = 1.0});
            share.MakeReference(*defence, true);
            (void)part->Recalculate(0.0, 0.0, 0);
        }
    }
    for (int number = 7; number <= 10; ++number)
        if (CPoz* resistance = hero.link(kLinkOdpornosc1 + number - 1))
            (void)resistance->Recalculate(0.0, 0.0, 0);
}

} // namespace tallar
