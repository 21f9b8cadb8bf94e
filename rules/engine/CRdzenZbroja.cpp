#include "rules/engine/CRdzenZbroja.h"

#include "model/Character.h"
#include "model/Entry.h"
#include "rules/engine/EquipmentEntries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <optional>

namespace tallar {

namespace {

using namespace kinds;

// The columns of an armour's elements, in the order of the query (kElementColumns).
enum ElementColumn {
    kId,
    kName,
    kDexterityLimit,
    kSpeedLimit,
    kDefence,
    kPiercing,
    kCutting,
    kBlunt,
    kLayer,
    kDexterityIncrease,
    kSpeedIncrease,
    kAbsorptionFactor,
    kDurability,
    kBonus,
    kMetal,
    kBreathFactor,
    kWeight,
    kElementColumnCount
};
constexpr std::array<const char*, kElementColumnCount> kElementColumns = {
    "C.id",
    "C.nazwa",
    "CASE WHEN CAST(C.ogrzr AS INT)<1 THEN 1 ELSE CAST(C.ogrzr AS INT) END ogrzr",
    "CASE WHEN CAST(C.ogrsz AS INT)<1 THEN 1 ELSE CAST(C.ogrsz AS INT) END ogrsz",
    "CAST(C.obrona AS INT) obrona",
    "CAST(C.wypkl AS INT) wypkl",
    "CAST(C.wyptn AS INT) wyptn",
    "CAST(C.wypob AS INT) wypob",
    "CAST(C.warstwa AS INT) warstwa",
    "CAST(C.zwogrzr AS INT) zwogrzr",
    "CAST(C.zwogrsz AS INT) zwogrsz",
    "CASE WHEN CAST(C.wspwypiob AS INT)<1 THEN 1 ELSE CAST(C.wspwypiob AS INT) END wspwypiob",
    "CAST(C.wytrzymalosc AS INT)",
    "CAST(C.bonus AS INT)",
    "C.metal",
    "CASE WHEN CAST(C.wspzioniec AS INT)<1 THEN 1 ELSE CAST(C.wspzioniec AS INT) END wspzioniec",
    "CAST(C.waga AS INT) waga",
};

std::string elementQuery() {
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < kElementColumns.size(); ++i)
        sql += std::string(i ? "," : "") + kElementColumns[i];
    return sql + " FROM zbroja A INNER JOIN zbrojaelem B ON B.idzbroi=A.id"
                 " INNER JOIN elementzbroi C ON C.id=B.idelemzbr"
                 " WHERE A.id=? ORDER BY C.warstwa,C.nazwa;";
}

struct NamedElement {
    std::string name;
    ArmourElement element;
};

NamedElement elementFromRow(const Row& row) {
    const auto number = [&row](ElementColumn c) { return static_cast<int>(row.integer(c)); };
    // A NULL column makes a CASE give NULL: the limits and coefficients stay at 1.
    const auto atLeastOne = [&](ElementColumn c) { return std::max(number(c), 1); };
    NamedElement named;
    named.name = row.text(kName);
    ArmourElement& e = named.element;
    e.id = row.text(kId);
    e.dexterityLimit = atLeastOne(kDexterityLimit);
    e.speedLimit = atLeastOne(kSpeedLimit);
    e.defence = number(kDefence);
    e.piercing = number(kPiercing);
    e.cutting = number(kCutting);
    e.blunt = number(kBlunt);
    e.layer = number(kLayer);
    e.dexterityIncrease = number(kDexterityIncrease);
    e.speedIncrease = number(kSpeedIncrease);
    e.absorptionFactor = atLeastOne(kAbsorptionFactor);
    e.durability = number(kDurability);
    e.resistanceBonus = number(kBonus);
    e.metal = flagSet(row.text(kMetal));
    e.breathFactor = atLeastOne(kBreathFactor);
    e.weight = number(kWeight);
    return named;
}

// The properties of an element entry, in the order they are set; zeros leave no child.
void setProperties(CPoz& entry, const ArmourElement& e) {
    const auto set = [&entry](const char* info, int kind, int value) {
        (void)entry.SetOrAdd({.info = info, .typ = kind, .wartosc = value}, Neutral::Drop);
    };
    set("Ograniczenia zręczności 1/", armour::kDexterityLimit, e.dexterityLimit);
    set("Ograniczenia szybkości 1/", armour::kSpeedLimit, e.speedLimit);
    set("Obrona", armour::kDefence, e.defence);
    set("Wyparowania kłute", armour::kPiercing, e.piercing);
    set("Wyparowania tnące", armour::kCutting, e.cutting);
    set("Wyparowania obuchowe", armour::kBlunt, e.blunt);
    set("Wytrzymalosc", armour::kDurability, e.durability);
    set("Bonus do odporności 7,8,10", armour::kResistanceBonus, e.resistanceBonus);
    set("Wsp.obrażeń od zionięć 1/", armour::kBreathFactor, e.breathFactor);
    if (e.metal)
        set("Element metalowy", armour::kMetal, 1);
    set("Waga", equipment::kWeight, e.weight);
    set("Zwiększa ogr.zręczności +", armour::kDexterityIncrease, e.dexterityIncrease);
    set("Zwiększa ogr.szybkości +", armour::kSpeedIncrease, e.speedIncrease);
    set("Wsp.wyparowań i obrony 1/", armour::kAbsorptionFactor, e.absorptionFactor);
}

// The four parts of a body part's protection, as the worn armour and its summary write them.
void addProtection(CPoz& parent, std::string_view name, const BodyPartProtection& p, CPoz* use) {
    const std::array<std::pair<int, int>, 4> parts = {{
        {armour::kPartDefence, p.defence},
        {armour::kPartPiercing, p.piercing},
        {armour::kPartBlunt, p.blunt},
        {armour::kPartCutting, p.cutting},
    }};
    for (const auto& [kind, value] : parts) {
        CPoz& made = parent.AddChild({.info = std::string(name), .typ = kind, .wartosc = value});
        // The protection goes with the armour's use: wearing it again does not add it twice.
        if (use)
            made.MakeReference(*use, false);
    }
}

const char* const kProtectionLabels[] = {"Obrona", "Wyparowania kłute", "Wyparowania obuchowe",
                                         "Wyparowania tnące"};

int divided(int value, double divisor) {
    return roundToInt(value / divisor);
}

} // namespace

ArmourElement layeringElementFromRow(const Row& row) {
    ArmourElement e;
    e.dexterityLimit = std::max(textToInt(row.text(2)), 1);
    e.speedLimit = std::max(textToInt(row.text(3)), 1);
    e.defence = textToInt(row.text(4));
    e.piercing = textToInt(row.text(5));
    e.cutting = textToInt(row.text(6));
    e.blunt = textToInt(row.text(7));
    e.layer = textToInt(row.text(8));
    e.dexterityIncrease = textToInt(row.text(9));
    e.speedIncrease = textToInt(row.text(10));
    e.absorptionFactor = std::max(textToInt(row.text(11)), 1);
    e.resistanceBonus = textToInt(row.text(12));
    e.metal = flagSet(row.text(13));
    return e;
}

void ArmourLayering::add(std::string_view partId, std::string_view partName, bool defaultPart,
                         const ArmourElement& e) {
    if (parts_.empty() || parts_.back().partId != partId)
        parts_.push_back({.partId = std::string(partId), .partName = std::string(partName)});
    BodyPartProtection& p = parts_.back();
    double divisor = 1.0;
    int dexterity = e.dexterityLimit;
    int speed = e.speedLimit;
    if (p.layer == e.layer + 1) {
        divisor = p.absorptionFactor;
        dexterity += p.dexterityIncrease;
        speed += p.speedIncrease;
    }
    p.defence += divided(e.defence, divisor);
    p.piercing += divided(e.piercing, divisor);
    p.cutting += divided(e.cutting, divisor);
    p.blunt += divided(e.blunt, divisor);
    p.layer = e.layer;
    p.dexterityIncrease = e.dexterityIncrease;
    p.speedIncrease = e.speedIncrease;
    p.absorptionFactor = std::max(e.absorptionFactor, 1);

    dexterityLimit_ = std::max(dexterityLimit_, dexterity);
    speedLimit_ = std::max(speedLimit_, speed);
    resistanceBonus_ = std::max(resistanceBonus_, e.resistanceBonus);
    metal_ = metal_ || e.metal;
    if (defaultPart)
        default_ = p;
}

CPoz* CRdzenZbroja::AddArmourEntry(std::string_view id) {
    std::optional<std::string> name;
    (void)queryRules("SELECT nazwa FROM zbroja WHERE id=?;", {std::string(id)},
                     [&name](const Row& row) { name = row.text(0); });
    CPoz* carried = carriedEquipment(character());
    if (!name || !carried)
        return nullptr;
    CPoz& armourEntry =
        carried->AddChild({.info = *name, .specjal = std::string(id), .typ = armour::kArmour});
    (void)queryRules(elementQuery(), {std::string(id)}, [&armourEntry](const Row& row) {
        const NamedElement named = elementFromRow(row);
        CPoz& element = armourEntry.AddChild({.info = named.name,
                                              .specjal = named.element.id,
                                              .typ = armour::kElement,
                                              .wartosc = named.element.layer});
        setProperties(element, named.element);
    });
    return &armourEntry;
}

ArmourElement CRdzenZbroja::ReadArmourElement(const CPoz& element) {
    ArmourElement e;
    e.id = element.specjal;
    e.layer = element.wartosc;
    for (const CPoz* child : element.children()) {
        const int v = child->wartosc;
        switch (child->typ) {
        case armour::kDexterityLimit:
            e.dexterityLimit = std::max(v, 1);
            break;
        case armour::kSpeedLimit:
            e.speedLimit = std::max(v, 1);
            break;
        case armour::kDefence:
            e.defence = v;
            break;
        case armour::kPiercing:
            e.piercing = v;
            break;
        case armour::kCutting:
            e.cutting = v;
            break;
        case armour::kBlunt:
            e.blunt = v;
            break;
        case armour::kDurability:
            e.durability = v;
            break;
        case armour::kResistanceBonus:
            e.resistanceBonus = v;
            break;
        case armour::kBreathFactor:
            e.breathFactor = std::max(v, 1);
            break;
        case armour::kMetal:
            e.metal = v != 0;
            break;
        case equipment::kWeight:
            e.weight = v;
            break;
        case armour::kDexterityIncrease:
            e.dexterityIncrease = v;
            break;
        case armour::kSpeedIncrease:
            e.speedIncrease = v;
            break;
        case armour::kAbsorptionFactor:
            e.absorptionFactor = std::max(v, 1);
            break;
        default:
            break;
        }
    }
    return e;
}

// Joins the armour's elements to the character's body parts through the rules' list of
// the parts each element covers, and layers them part by part.
ArmourLayering CRdzenZbroja::layer(const CPoz& armourEntry) {
    // The bound values, each kept here until the statement has run.
    std::deque<std::string> values;
    std::string sql =
        "SELECT F.id, F.id_nad,"
        "       C.ogrzr,C.ogrsz,C.obrona,C.wypkl,C.wyptn,C.wypob,C.warstwa,C.zwogrzr,C.zwogrsz,"
        "C.wspwypiob,C.bonus,C.metal,"
        "       F.domyslna domyslna "
        " FROM ( "
        " SELECT '10101010101010101010101010101010' id, '1' ogrzr  ,'1' ogrsz, '0'  obrona  , "
        "'0' wypkl, '0'  wyptn, '0'  wypob, '0' warstwa, '0' zwogrzr, '0' zwogrsz,  '0' "
        "wspwypiob, '0' bonus, 'N' metal ";
    for (const CPoz* child : armourEntry.children()) {
        if (child->typ != armour::kElement)
            continue;
        const ArmourElement e = ReadArmourElement(*child);
        sql += " UNION ALL SELECT ?,?,?,?,?,?,?,?,?,?,?,?,? ";
        values.push_back(e.id);
        // The numbers go as decimal texts, as the rules tables hold them: the layers sort
        // as texts.
        for (const int n :
             {e.dexterityLimit, e.speedLimit, e.defence, e.piercing, e.cutting, e.blunt, e.layer,
              e.dexterityIncrease, e.speedIncrease, e.absorptionFactor, e.resistanceBonus})
            values.push_back(std::to_string(n));
        values.emplace_back(e.metal ? "T" : "N");
    }
    sql += " ) C"
           " INNER JOIN elemzrcialo D ON D.idelemzbr=C.id "
           " INNER JOIN ( "
           " SELECT           '01010101010101010101010101010101' id "
           ",'01010101010101010101010101010101' id_nad,'NIE' domyslna ";
    std::vector<const CPoz*> bodyParts;
    if (const CPoz* body = character().link(kLinkCialo)) {
        for (const CPoz* part : body->children()) {
            if (part->typ != kinds::body::kPart)
                continue;
            bodyParts.push_back(part);
            sql += " UNION ALL SELECT ?,?,? ";
            values.push_back(part->specjal);
            values.push_back(part->memo);
            values.emplace_back(nearlyEqual(part->modyfikator, 1.0) ? "TAK" : "NIE");
        }
    }
    sql += " ) F ON F.id_nad=D.idcialo "
           " ORDER by F.domyslna DESC, F.id DESC, C.warstwa DESC;";
    const std::vector<SqlParam> params(values.begin(), values.end());

    ArmourLayering layering;
    (void)queryRules(sql, params, [&](const Row& row) {
        const ArmourElement e = layeringElementFromRow(row);
        const std::string partId = row.text(0);
        std::string partName;
        for (const CPoz* part : bodyParts)
            if (part->specjal == partId)
                partName = part->info;
        layering.add(partId, partName, row.text(14) == "TAK", e);
    });
    return layering;
}

void CRdzenZbroja::ApplyArmour(CPoz& armourEntry, CPoz* summary) {
    CPoz* combat = character().link(kLinkWalka);
    CPoz* worn = combat ? combat->FindByKind(top::kCombatArmour) : nullptr;
    if (!worn && !summary)
        return;
    const ArmourLayering layering = layer(armourEntry);

    if (summary) {
        for (const BodyPartProtection& p : layering.parts()) {
            CPoz& part = summary->AddChild({.info = p.partName, .typ = kinds::body::kPart});
            addProtection(part, armourEntry.info, p, nullptr);
        }
        summary->AddChild({.info = "Ograniczenia zręczności 1/",
                           .typ = armour::kUseDexterityLimit,
                           .wartosc = layering.dexterityLimit()});
        summary->AddChild({.info = "Ograniczenia szybkości 1/",
                           .typ = armour::kUseSpeedLimit,
                           .wartosc = layering.speedLimit()});
        const BodyPartProtection& own = layering.armourProtection();
        const std::array<int, 4> values = {own.defence, own.piercing, own.blunt, own.cutting};
        const std::array<int, 4> kinds = {armour::kPartDefence, armour::kPartPiercing,
                                          armour::kPartBlunt, armour::kPartCutting};
        for (std::size_t i = 0; i < values.size(); ++i)
            summary->AddChild(
                {.info = kProtectionLabels[i], .typ = kinds[i], .wartosc = values[i]});
        (void)summary->Recalculate(0.0, 0.0, 0);
        return;
    }

    CPoz& use = worn->AddChild({.info = armourEntry.info, .typ = armour::kArmour});
    use.MakeReference(armourEntry, true);
    if (CPoz* body = character().link(kLinkCialo)) {
        for (const BodyPartProtection& p : layering.parts()) {
            CPoz* part = body->FindBySpecjal(p.partId);
            if (!part)
                continue;
            addProtection(*part, armourEntry.info, p, &use);
            (void)part->SetOrAdd({.info = "Obrona daleka", .typ = kinds::body::kRangedDefence},
                                 Neutral::Keep);
            (void)part->Recalculate(0.0, 0.0, 0);
        }
    }
    use.AddChild({.info = "Ograniczenia zręczności 1/",
                  .typ = armour::kUseDexterityLimit,
                  .wartosc = layering.dexterityLimit()});
    use.AddChild({.info = "Ograniczenia szybkości 1/",
                  .typ = armour::kUseSpeedLimit,
                  .wartosc = layering.speedLimit()});
    (void)use.Recalculate(0.0, 0.0, 0);

    const auto resistancePart = [&](int number, int value) {
        if (CPoz* resistance = character().link(kLinkOdpornosc1 + number - 1)) {
            resistance
                ->AddChild(
                    {.info = armourEntry.info, .typ = armour::kResistanceBonus, .wartosc = value})
                .MakeReference(use, false);
            (void)resistance->Recalculate(0.0, 0.0, 0);
        }
    };
    if (layering.resistanceBonus() != 0)
        for (int number : {7, 8, 10})
            resistancePart(number, layering.resistanceBonus());
    if (layering.metal())
        resistancePart(9, kMetalResistancePenalty);
}

void CRdzenZbroja::CurrentLimits(LimitDivisors* result) {
    CIstota& hero = character();
    // The limits are read from their totals: the skin's (the largest of its passages')
    // and those of every shield and armour in use are brought up to date first.
    if (const CPoz* information = hero.link(kLinkDodatkoweInformacje))
        if (const CPoz* look = information->FindByKind(info::kAppearance))
            if (const CPoz* stageEntry = look->FindByKind(stage::kStage))
                if (const CPoz* skin = stageEntry->FindByKind(stage::kSkin))
                    for (const int kind : {stage::kSkinDexterityLimit, stage::kSkinSpeedLimit})
                        if (CPoz* entry = skin->FindByKind(kind); entry && !entry->empty())
                            entry->MaxOfChildren();
    if (const CPoz* combat = hero.link(kLinkWalka))
        for (const int listKind : {top::kCombatShields, top::kCombatArmour})
            if (const CPoz* list = combat->FindByKind(listKind))
                for (CPoz* use : list->children())
                    (void)use->Recalculate(0.0, 0.0, 0);
    const LimitDivisors d = currentLimitDivisors(hero);

    if (result) {
        *result = d;
        return;
    }
    const auto write = [&hero](int link, int referenceKind, int limitKind, const char* info,
                               int divisor) {
        CPoz* current = hero.link(link);
        CPoz* reference = current ? current->FindByKind(referenceKind) : nullptr;
        if (!reference)
            return;
        (void)reference->SetOrAdd(
            {.info = info, .typ = limitKind, .modyfikator = roundToHundredths(1.0 / divisor)},
            Neutral::Drop);
        (void)current->Recalculate(0.0, 0.0, 0);
    };
    write(kLinkZrecznoscAktualna, attribute::kDexterityReference, attribute::kDexterityLimit,
          "Ograniczenia zręczności", d.dexterity);
    write(kLinkSzybkoscAktualna, attribute::kSpeedReference, attribute::kSpeedLimit,
          "Ograniczenia szybkości", d.speed);
}

} // namespace tallar
