#include "model/Character.h"

#include "rules/core/RulesMath.h"

namespace tallar {

const std::vector<SkeletonEntry>& characterSkeleton() {
    using namespace kinds;
    const auto kindOf = [](std::size_t m) { return attributeSet()[m].entryKind; };
    const auto resistance = [&](int n) -> SkeletonEntry {
        const AttributeDef& def =
            attributeSet()[member::kResistance1 + static_cast<std::size_t>(n) - 1];
        return {def.entryLabel, def.entryKind, 0, 0, 0};
    };
    static const std::vector<SkeletonEntry> skeleton = {
        {"Żywotność", kindOf(member::kVitality), 0, 0, 0},
        {"Siła fizyczna", kindOf(member::kStrength), 0, 0, 0},
        {"Zręczność", kindOf(member::kDexterity), 0, 0, 0},
        {"Zręczność aktualna", top::kCurrentDexterity, 0, 0, 0},
        {"Zręczność", attribute::kDexterityReference, 1.0, kLinkZrecznoscAktualna, kLinkZrecznosc},
        {"Szybkość", kindOf(member::kSpeed), 0, 0, 0},
        {"Szybkość aktualna", top::kCurrentSpeed, 0, 0, 0},
        {"Szybkość", attribute::kSpeedReference, 1.0, kLinkSzybkoscAktualna, kLinkSzybkosc},
        {"Inteligencja", kindOf(member::kIntelligence), 0, 0, 0},
        {"Mądrość", kindOf(member::kWisdom), 0, 0, 0},
        {"Umiejętności Magiczne", kindOf(member::kMagic), 0, 0, 0},
        {"Charyzma", kindOf(member::kCharisma), 0, 0, 0},
        {"Prezencja", kindOf(member::kPresence), 0, 0, 0},
        {"Wiara", kindOf(member::kFaith), 0, 0, 0},
        {"Zauważenie", kindOf(member::kPerception), 0, 0, 0},
        {"Bazowa odporność psychiczna", top::kBasePsychicResistance, 0, 0, 0},
        {"Bazowa odporność fizyczna", top::kBasePhysicalResistance, 0, 0, 0},
        resistance(1),
        resistance(2),
        resistance(3),
        resistance(4),
        resistance(5),
        resistance(6),
        resistance(7),
        resistance(8),
        resistance(9),
        resistance(10),
        {"Antymagia", kindOf(member::kAntimagic), 0, 0, 0},
        {"Biegłości w broniach", top::kProficiencies, 0, 0, 0},
        {"Profesje", top::kProfessions, 0, 0, 0},
        {"Zawody", top::kTrades, 0, 0, 0},
        {"Ułomności", top::kDisabilities, 0, 0, 0},
        {"Zdolności nadnaturalne", top::kAbilities, 0, 0, 0},
        {"Umiejętności", top::kSkills, 0, 0, 0},
        {"Walka", top::kCombat, 0, 0, 0},
        {"Bronie", top::kCombatWeapons, 0, kLinkWalka, 0},
        {"Pancerz", top::kCombatArmour, 0, kLinkWalka, 0},
        {"Tarcze", top::kCombatShields, 0, kLinkWalka, 0},
        {"Ekwipunek", top::kEquipment, 0, 0, 0},
        {"przy sobie", equipment::kCarried, 0, kLinkEkwipunek, 0},
        {"w sakwach", equipment::kSaddlebags, 0, kLinkEkwipunek, 0},
        {"w domu", equipment::kAtHome, 0, kLinkEkwipunek, 0},
        {"Obciążenie", top::kLoad, 0, 0, 0},
        {"Majątek", top::kWealth, 0, 0, 0},
        {"przy sobie", money::kAtHand, 0, kLinkMajatek, 0},
        {"w banku/skarbcu", money::kInBank, 0, kLinkMajatek, 0},
        {"w siedzibie", money::kAtSeat, 0, kLinkMajatek, 0},
        {"budynki, nieruchomości, ziemia", money::kEstate, 0, kLinkMajatek, 0},
        {"Poddany czynnikom/umiejętnościom/czarom", top::kSubjectTo, 0, 0, 0},
        {"Czary", top::kSpells, 0, 0, 0},
        {"Ciało", top::kBody, 0, 0, 0},
        {"Bronie naturalne", top::kNaturalWeapons, 0, 0, 0},
        {"Dodatkowe informacje", top::kAdditionalInformation, 0, 0, 0},
    };
    return skeleton;
}

CIstota::CIstota(Database& connection) : CPoz(&connection) {
    std::array<CPoz*, kCharacterLinks + 1> top{}; // numbered from 1
    int topCount = 0;
    for (const SkeletonEntry& entry : characterSkeleton()) {
        CPoz& parent = entry.parentTop ? *top[static_cast<std::size_t>(entry.parentTop)] : *this;
        CPoz& made = parent.AddChild(
            {.info = std::string(entry.info), .typ = entry.kind, .modyfikator = entry.modifier});
        if (entry.refersToTop)
            made.MakeReference(*top[static_cast<std::size_t>(entry.refersToTop)], true);
        if (!entry.parentTop)
            top[static_cast<std::size_t>(++topCount)] = &made;
    }
    linkTopEntries();
    RecalculateCharacter();
}

CIstota::CIstota(Database* connection, const EntryData& root, Loaded) : CPoz(connection, root) {}

std::unique_ptr<CIstota> CIstota::makeEmpty(Database* connection, const EntryData& root) {
    return std::unique_ptr<CIstota>(new CIstota(connection, root, Loaded{}));
}

CIstota::~CIstota() = default;

void CIstota::linkTopEntries() {
    links_.fill(nullptr);
    std::size_t n = 0;
    for (CPoz* child : children()) {
        if (n == links_.size())
            break;
        links_[n++] = child;
    }
}

void CIstota::elementLeaving(CPoz& element) {
    for (CPoz*& linked : links_)
        if (linked == &element)
            linked = nullptr;
}

CPoz* CIstota::link(int n) const {
    return n >= 1 && n <= kCharacterLinks ? links_[static_cast<std::size_t>(n - 1)] : nullptr;
}

void CIstota::RecalculateCharacter() {
    static constexpr int kOrder[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                     12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
                                     23, 24, 25, 26, 40, 27, 34, 33, 39, 35, 36};
    for (int n : kOrder)
        if (CPoz* entry = link(n))
            entry->Recalculate(0.0, 0.0, 0);
}

void CIstota::JoinProfessionNames() {
    std::string joined;
    if (const CPoz* professions = link(kLinkProfesje)) {
        for (const CPoz* child : professions->children()) {
            if (child->typ != kinds::profession::kProfession)
                continue;
            const CPoz* level = child->FindByKind(kinds::profession::kLevel);
            if (!joined.empty())
                joined += '/';
            joined += child->info + "(" + std::to_string(level ? level->wartosc : 0) + ")";
        }
    }
    prof = joined;
}

void CIstota::RebuildLoad(CPoz* entry) {
    CPoz* load = link(kLinkObciazenie);
    if (!load)
        return;
    const bool top = entry == nullptr;
    if (top) {
        load->UsunAll();
        const CPoz* equipment = link(kLinkEkwipunek);
        entry = equipment ? equipment->FindByKind(kinds::equipment::kCarried) : nullptr;
        if (!entry)
            return;
    }
    // A weight or an item ends the search on its branch; any other entry is searched.
    WalkTree(*entry, [&](CPoz& child, int) {
        if (child.typ == kinds::equipment::kWeight) {
            child.Recalculate(0.0, 0.0, 0);
            const CPoz* owner = child.parent();
            load->AddChild({.info = owner ? owner->info : std::string(),
                            .typ = kinds::equipment::kWeight,
                            .wartosc = static_cast<int>(child.total)})
                .MakeReference(child, false);
            return false;
        }
        if (child.typ == kinds::equipment::kItem) {
            std::string label = child.info;
            if (child.wartosc != 1)
                label += " x " + std::to_string(child.wartosc);
            load->AddChild({.info = label,
                            .typ = kinds::equipment::kWeight,
                            .wartosc = roundUpWithTolerance(child.wartosc * child.modyfikator)})
                .MakeReference(child, false);
            return false;
        }
        return true;
    });
    if (top)
        load->Recalculate(0.0, 0.0, 0);
}

double CIstota::attributeTotal(const AttributeDef& member) const {
    for (const CPoz* entry : links_)
        if (entry && entry->typ == member.entryKind)
            return entry->total;
    return 0.0;
}

namespace {

std::optional<int> valueOf(const CPoz* entry) {
    return entry ? std::optional<int>(entry->wartosc) : std::nullopt;
}

} // namespace

std::optional<int> CIstota::weight() const {
    const CPoz* extra = link(kLinkDodatkoweInformacje);
    const CPoz* measures = extra ? extra->FindByKind(kinds::info::kAppearance) : nullptr;
    return valueOf(measures ? measures->FindByKind(kinds::stage::kWeight) : nullptr);
}

std::optional<int> CIstota::height() const {
    const CPoz* extra = link(kLinkDodatkoweInformacje);
    const CPoz* measures = extra ? extra->FindByKind(kinds::info::kAppearance) : nullptr;
    return valueOf(measures ? measures->FindByKind(kinds::stage::kHeight) : nullptr);
}

std::optional<int> CIstota::age() const {
    const CPoz* extra = link(kLinkDodatkoweInformacje);
    return valueOf(extra ? extra->FindByKind(kinds::info::kAge) : nullptr);
}

} // namespace tallar
