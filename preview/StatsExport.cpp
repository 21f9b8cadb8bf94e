#include "preview/StatsExport.h"

#include "base/Cp1250.h"
#include "model/Character.h"
#include "model/GameCalendar.h"
#include "model/Kinds.h"
#include "rules/core/AttributeSet.h"
#include "rules/core/RulesMath.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

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

// The fields of a weapon's combat statistics after its name. Joins here with the weapons
// engine, which computes them for the weapon as held; until then a weapon line holds its
// name alone.
std::vector<std::string> weaponStatistics(const CIstota& /*hero*/, const CPoz& /*weapon*/) {
    return {};
}

std::vector<std::string> weaponLines(const CIstota& hero) {
    std::vector<std::string> lines;
    std::vector<const CPoz*> weapons =
        entriesOfKind(combatList(hero, top::kCombatWeapons), weapon::kWeapon);
    for (const CPoz* weapon : entriesOfKind(carried(hero), weapon::kWeapon))
        weapons.push_back(weapon);
    for (const CPoz* weapon : weapons) {
        Line line("BR. ");
        line.field(weapon->info);
        for (const std::string& field : weaponStatistics(hero, *weapon))
            line.field(field);
        lines.push_back(line.text());
    }
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

// The armour and shields worn and what the character's protection comes to. Joins here with
// the armour and shield engines; until then the figures are the skin's, whose one defence
// counts near and far.
ArmourFigures armourFigures(const CIstota& hero) {
    ArmourFigures figures;
    for (const CPoz* armour : entriesOfKind(combatList(hero, top::kCombatArmour), armour::kArmour))
        figures.armour.push_back(armour->info);
    for (const CPoz* shield : entriesOfKind(combatList(hero, top::kCombatShields), shield::kShield))
        figures.shields.push_back(shield->info);
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
