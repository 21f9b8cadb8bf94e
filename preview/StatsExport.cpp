#include "preview/StatsExport.h"

#include "base/Cp1250.h"
#include "model/ArmourLimits.h"
#include "model/Character.h"
#include "model/GameCalendar.h"
#include "model/Kinds.h"
#include "rules/core/AttributeSet.h"
#include "rules/core/RulesMath.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <set>

namespace tallar {

namespace {

using namespace kinds;

std::string whole(double total) {
    return std::to_string(roundToInt(total));
}

// A line of fields, each ended by "; ".
class Line {
public:
    explicit Line(std::string start = {}) : text_(std::move(start)) {}
    Line& field(const std::string& text) {
        text_ += text + "; ";
        return *this;
    }
    std::string text() const { return text_; }

private:
    std::string text_;
};

double totalOf(const CIstota& hero, const AttributeDef& member) {
    return hero.attributeTotal(member);
}

const AttributeDef& attributeByCode(std::string_view code) {
    return *findAttributeByCode(code);
}

std::string originLine(const CIstota& hero) {
    Line line("NAZ. " + hero.imie + "; ");
    const CPoz* extra = hero.link(kLinkDodatkoweInformacje);
    if (const CPoz* appearance = extra ? extra->FindByKind(info::kAppearance) : nullptr)
        line.field(appearance->info);
    if (const CPoz* age = extra ? extra->FindByKind(info::kAge) : nullptr)
        line.field(std::to_string(age->wartosc) + ".");
    if (const CPoz* professions = hero.link(kLinkProfesje))
        for (const CPoz* profession : professions->children()) {
            if (profession->typ != profession::kProfession)
                continue;
            const CPoz* level = profession->FindByKind(profession::kLevel);
            line.field(profession->info)
                .field("Poz" + std::to_string(level ? level->wartosc : 0) + ".");
        }
    if (const CPoz* alignment = extra ? extra->FindByKind(info::kAlignment) : nullptr)
        line.field(alignment->info);
    return line.text();
}

std::string physicalLine(const CIstota& hero) {
    const auto withCurrent = [&](std::string_view code, int currentLink) {
        const CPoz* current = hero.link(currentLink);
        return std::string(code) + " " + whole(totalOf(hero, attributeByCode(code))) + "(" +
               whole(current ? current->total : 0.0) + ")";
    };
    return Line()
        .field("ŻYW " + whole(totalOf(hero, attributeByCode("ŻYW"))))
        .field("SF " + whole(totalOf(hero, attributeByCode("SF"))))
        .field(withCurrent("ZR", kLinkZrecznoscAktualna))
        .field(withCurrent("SZ", kLinkSzybkoscAktualna))
        .text();
}

std::string mentalLine(const CIstota& hero) {
    Line line;
    for (std::string_view code : {"INT", "MD", "UM", "CH", "PR", "WI", "ZW"})
        line.field(std::string(code) + " " + whole(totalOf(hero, attributeByCode(code))));
    return line.text();
}

std::string resistanceLine(const CIstota& hero) {
    Line line("Odp.w%: ");
    for (const AttributeDef& resistance : resistances())
        line.field(std::string(resistance.sheetName) + " " + whole(totalOf(hero, resistance)));
    return line.field("AM " + whole(totalOf(hero, antimagic())) + "%").text();
}

// The entries of a kind anywhere below `root`, in tree order.
std::vector<const CPoz*> entriesOfKind(const CPoz* root, int kind) {
    std::vector<const CPoz*> found;
    if (root)
        WalkTree(*root, [&](const CPoz& entry, int) {
            if (entry.typ == kind)
                found.push_back(&entry);
        });
    return found;
}

const CPoz* combatList(const CIstota& hero, int kind) {
    const CPoz* combat = hero.link(kLinkWalka);
    return combat ? combat->FindByKind(kind) : nullptr;
}

const CPoz* carried(const CIstota& hero) {
    const CPoz* equipment = hero.link(kLinkEkwipunek);
    return equipment ? equipment->FindByKind(equipment::kCarried) : nullptr;
}

// A rounded total of an entry, or 0 without one.
int rounded(const CPoz* entry) {
    return entry ? roundToInt(entry->total) : 0;
}

// "LABEL k/t/o" of three entries of `parent` (piercing, cutting, blunt), or nothing when
// the parent has none of them.
std::optional<std::string> threeWays(const CPoz& parent, std::string_view label,
                                     const std::array<int, 3>& kinds) {
    std::array<const CPoz*, 3> entries{};
    for (std::size_t i = 0; i < kinds.size(); ++i)
        entries[i] = parent.FindByKind(kinds[i]);
    if (!entries[0] && !entries[1] && !entries[2])
        return std::nullopt;
    return std::string(label) + " " + std::to_string(rounded(entries[0])) + "/" +
           std::to_string(rounded(entries[1])) + "/" + std::to_string(rounded(entries[2]));
}

// The fields of a held weapon's statistics (docs/STATISTICS.md): attacks per round, delay,
// hit, defence, then the wounds near and far, each group only when the weapon deals them.
std::vector<std::string> weaponStatistics(const CPoz& statistics) {
    const auto field = [&](std::string_view label, int kind) {
        return std::string(label) + " " + std::to_string(rounded(statistics.FindByKind(kind)));
    };
    std::vector<std::string> fields = {
        field("AT", weaponStats::kAttacksPerRound), field("OPÓŹ.", weaponStats::kDelay),
        field("TR", weaponStats::kHit), field("OB", weaponStats::kDefence)};
    if (auto near = threeWays(
            statistics, "RANY",
            {weaponStats::kPiercingWounds, weaponStats::kCuttingWounds, weaponStats::kBluntWounds}))
        fields.push_back(std::move(*near));
    if (auto far = threeWays(statistics, "RANY DAL.",
                             {weaponStats::kPiercingRangedWounds, weaponStats::kCuttingRangedWounds,
                              weaponStats::kBluntRangedWounds}))
        fields.push_back(std::move(*far));
    return fields;
}

// The held weapons (their statistics under "Bronie" of "Walka") with their figures, then
// the weapons carried and held by nothing, by name alone.
std::vector<std::string> weaponLines(const CIstota& hero) {
    std::vector<std::string> lines;
    std::set<const CPoz*> held;
    for (const CPoz* statistics :
         entriesOfKind(combatList(hero, top::kCombatWeapons), weaponStats::kStatistics)) {
        held.insert(statistics->target());
        Line line("BR. ");
        line.field(statistics->info);
        for (const std::string& field : weaponStatistics(*statistics))
            line.field(field);
        lines.push_back(line.text());
    }
    for (const CPoz* weapon : entriesOfKind(carried(hero), weapon::kWeapon))
        if (!held.contains(weapon))
            lines.push_back(Line("BR. ").field(weapon->info).text());
    return lines;
}

// What protects the character, for the armour line.
struct ArmourFigures {
    std::vector<std::string> armour, shields;
    int dexterityLimit = 0, speedLimit = 0;
    int defenceNear = 0, defenceFar = 0;
    int stabbing = 0, cutting = 0, blunt = 0;
};

int valueOf(const CPoz* parent, int kind) {
    const CPoz* entry = parent ? parent->FindByKind(kind) : nullptr;
    return entry ? entry->wartosc : 0;
}

// A limit of the skin: the largest of its passages' limits (the limit itself without them).
int limitOf(const CPoz* skin, int kind) {
    const CPoz* limit = skin ? skin->FindByKind(kind) : nullptr;
    if (!limit)
        return 0;
    if (limit->empty())
        return limit->wartosc;
    int largest = 0;
    for (const CPoz* child : limit->children())
        if (child->valueKind() == kInteger)
            largest = std::max(largest, child->wartosc);
    return largest;
}

// The sum of the rounded totals of the children of `kind` of `parent` (the parts every
// armour worn gives a body part).
int sumOfChildren(const CPoz* parent, int kind) {
    int sum = 0;
    if (parent)
        for (const CPoz* child : parent->children())
            if (child->typ == kind)
                sum += rounded(child);
    return sum;
}

// The defence of a shield in use: its part "Obrona" (whose kind the limit of Zręczność
// shares).
int shieldDefence(const CPoz& use) {
    for (const CPoz* child : use.children())
        if (child->typ == shield::kUseDefence && child->info == "Obrona")
            return rounded(child);
    return 0;
}

// The armour and shields in use and what the character's protection comes to. Worn armour
// gives the defence and absorption of the body part blows land on by default (every
// armour's parts there); without armour the skin's, whose one defence counts near and far.
// Shields add their defence near and their part of that body part's "Obrona daleka" far.
// The limits are the most restrictive of the skin, shields and armour; with neither
// shields nor armour the skin's.
ArmourFigures armourFigures(const CIstota& hero) {
    ArmourFigures figures;
    for (const CPoz* armour : entriesOfKind(combatList(hero, top::kCombatArmour), armour::kArmour))
        figures.armour.push_back(armour->info);
    const std::vector<const CPoz*> shields =
        entriesOfKind(combatList(hero, top::kCombatShields), shield::kShield);
    for (const CPoz* shield : shields)
        figures.shields.push_back(shield->info);
    const CPoz* part = defaultBodyPart(hero);
    if (!figures.armour.empty()) {
        figures.stabbing = sumOfChildren(part, armour::kPartPiercing);
        figures.cutting = sumOfChildren(part, armour::kPartCutting);
        figures.blunt = sumOfChildren(part, armour::kPartBlunt);
        figures.defenceNear = figures.defenceFar = sumOfChildren(part, armour::kPartDefence);
    } else {
        const CPoz* extra = hero.link(kLinkDodatkoweInformacje);
        const CPoz* appearance = extra ? extra->FindByKind(info::kAppearance) : nullptr;
        const CPoz* stage = appearance ? appearance->FindByKind(stage::kStage) : nullptr;
        const CPoz* skin = stage ? stage->FindByKind(stage::kSkin) : nullptr;
        figures.stabbing = valueOf(skin, stage::kSkinPiercingAbsorption);
        figures.cutting = valueOf(skin, stage::kSkinCuttingAbsorption);
        figures.blunt = valueOf(skin, stage::kSkinBluntAbsorption);
        figures.defenceNear = figures.defenceFar = valueOf(skin, stage::kSkinDefenceValue);
        figures.dexterityLimit = limitOf(skin, stage::kSkinDexterityLimit);
        figures.speedLimit = limitOf(skin, stage::kSkinSpeedLimit);
    }
    if (!figures.armour.empty() || !shields.empty()) {
        const LimitDivisors limits = currentLimitDivisors(hero);
        figures.dexterityLimit = limits.dexterity;
        figures.speedLimit = limits.speed;
    }
    for (const CPoz* shield : shields)
        figures.defenceNear += shieldDefence(*shield);
    figures.defenceFar += rounded(part ? part->FindByKind(body::kRangedDefence) : nullptr);
    return figures;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

std::string armourLine(const CIstota& hero) {
    const ArmourFigures f = armourFigures(hero);
    Line line("ZBR.: ");
    line.field(f.armour.empty() ? std::string("skóra") : joined(f.armour));
    if (!f.shields.empty())
        line.field(joined(f.shields));
    return line
        .field("OGR. " + std::to_string(f.dexterityLimit) + "/" + std::to_string(f.speedLimit))
        .field("OB.BL/DAL " + std::to_string(f.defenceNear) + "/" + std::to_string(f.defenceFar) +
               " %")
        .field("WYP. " + std::to_string(f.stabbing) + "/" + std::to_string(f.cutting) + "/" +
               std::to_string(f.blunt))
        .text();
}

// The character's game dates, named as the calendar names them; none: no line.
std::vector<std::string> dateLines(const CIstota& hero) {
    Line line("DATY: ");
    bool any = false;
    WalkTree(hero, [&](const CPoz& entry, int) {
        if (entry.valueKind() != kDate)
            return;
        line.field(entry.info + " " + gameDateText(entry.wartosc, entry.modyfikator));
        any = true;
    });
    return any ? std::vector<std::string>{line.text()} : std::vector<std::string>{};
}

} // namespace

std::vector<std::string> statisticsLines(const CIstota& hero) {
    std::vector<std::string> lines = {originLine(hero), physicalLine(hero), mentalLine(hero),
                                      resistanceLine(hero)};
    for (std::string& line : weaponLines(hero))
        lines.push_back(std::move(line));
    lines.push_back(armourLine(hero));
    for (std::string& line : dateLines(hero))
        lines.push_back(std::move(line));
    return lines;
}

Status appendStatistics(const CIstota& hero, const std::string& path) {
    std::string text;
    for (const std::string& line : statisticsLines(hero))
        text += line + "\r\n";
    const Result<std::string> encoded = encodeCp1250(text);
    if (!encoded)
        return Status::error("Nie zapisano statystyk do pliku " + path + ": " + encoded.message());
    const std::string& bytes = *encoded;
    std::ofstream file(path, std::ios::binary | std::ios::app);
    if (file)
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file || !file.flush())
        return Status::error("Nie zapisano statystyk do pliku " + path + ": " +
                             std::strerror(errno));
    return {};
}

} // namespace tallar
