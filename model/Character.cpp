#include "model/Character.h"

#include "rules/core/RulesMath.h"

namespace tallar {

const std::vector<SkeletonEntry>& characterSkeleton() {
    static const std::vector<SkeletonEntry> skeleton = {
        {"Żywotność", 40965, 0, 0, 0},
        {"Siła fizyczna", 40981, 0, 0, 0},
        {"Zręczność", 10501, 0, 0, 0},
        {"Zręczność aktualna", 10517, 0, 0, 0},
        {"Zręczność", 1833, 1.0, kLinkZrecznoscAktualna, kLinkZrecznosc},
        {"Szybkość", 10533, 0, 0, 0},
        {"Szybkość aktualna", 10549, 0, 0, 0},
        {"Szybkość", 1849, 1.0, kLinkSzybkoscAktualna, kLinkSzybkosc},
        {"Inteligencja", 10565, 0, 0, 0},
        {"Mądrość", 10581, 0, 0, 0},
        {"Umiejętności Magiczne", 10597, 0, 0, 0},
        {"Charyzma", 10613, 0, 0, 0},
        {"Prezencja", 10629, 0, 0, 0},
        {"Wiara", 10645, 0, 0, 0},
        {"Zauważenie", 12293, 0, 0, 0},
        {"Bazowa odporność psychiczna", 12581, 0, 0, 0},
        {"Bazowa odporność fizyczna", 12597, 0, 0, 0},
        {"Odporność nr.1", 12309, 0, 0, 0},
        {"Odporność nr.2", 12325, 0, 0, 0},
        {"Odporność nr.3", 12341, 0, 0, 0},
        {"Odporność nr.4", 12357, 0, 0, 0},
        {"Odporność nr.5", 12373, 0, 0, 0},
        {"Odporność nr.6", 12389, 0, 0, 0},
        {"Odporność nr.7", 12405, 0, 0, 0},
        {"Odporność nr.8", 12421, 0, 0, 0},
        {"Odporność nr.9", 12437, 0, 0, 0},
        {"Odporność nr.10", 12549, 0, 0, 0},
        {"Antymagia", 12565, 0, 0, 0},
        {"Biegłości w broniach", 864, 0, 0, 0},
        {"Profesje", 400, 0, 0, 0},
        {"Zawody", 832, 0, 0, 0},
        {"Ułomności", 656, 0, 0, 0},
        {"Zdolności nadnaturalne", 624, 0, 0, 0},
        {"Umiejętności", 848, 0, 0, 0},
        {"Walka", 608, 0, 0, 0},
        {"Bronie", 1296, 0, kLinkWalka, 0},
        {"Pancerz", 1312, 0, kLinkWalka, 0},
        {"Tarcze", 1328, 0, kLinkWalka, 0},
        {"Ekwipunek", 880, 0, 0, 0},
        {"przy sobie", 1104, 0, kLinkEkwipunek, 0},
        {"w sakwach", 1120, 0, kLinkEkwipunek, 0},
        {"w domu", 1136, 0, kLinkEkwipunek, 0},
        {"Obciążenie", 18773, 0, 0, 0},
        {"Majątek", 1024, 0, 0, 0},
        {"przy sobie", 1916, 0, kLinkMajatek, 0},
        {"w banku/skarbcu", 1932, 0, kLinkMajatek, 0},
        {"w siedzibie", 1948, 0, kLinkMajatek, 0},
        {"budynki, nieruchomości, ziemia", 2060, 0, kLinkMajatek, 0},
        {"Poddany czynnikom/umiejętnościom/czarom", 1040, 0, 0, 0},
        {"Czary", 1056, 0, 0, 0},
        {"Ciało", 896, 0, 0, 0},
        {"Bronie naturalne", 912, 0, 0, 0},
        {"Dodatkowe informacje", 144, 0, 0, 0},
    };
    return skeleton;
}

CIstota::CIstota(Database& connection) : CPoz(&connection) {
    std::array<CPoz*, kCharacterLinks + 1> top{}; // numbered from 1
    int topCount = 0;
    for (const SkeletonEntry& entry : characterSkeleton()) {
        CPoz& parent = entry.parentTop ? *top[static_cast<std::size_t>(entry.parentTop)] : *this;
        CPoz* made = parent.Append(std::make_unique<CPoz>(&connection, "", entry.info, "",
                                                          entry.kind, entry.modifier, 0, ""));
        if (entry.refersToTop)
            made->MakeReference(*top[static_cast<std::size_t>(entry.refersToTop)], true);
        if (!entry.parentTop)
            top[static_cast<std::size_t>(++topCount)] = made;
    }
    linkTopEntries();
    RecalculateCharacter();
}

CIstota::CIstota(Database* connection, std::string_view id, Loaded)
    : CPoz(connection, std::string(id), "", "", 0, 1.0, 0, "") {}

std::unique_ptr<CIstota> CIstota::makeEmpty(Database* connection, std::string_view id) {
    return std::unique_ptr<CIstota>(new CIstota(connection, id, Loaded{}));
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
            if (child->typ != kKindProfession)
                continue;
            const CPoz* level = child->FindByKind(kKindProfessionLevel);
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
        load->destroyChildren();
        const CPoz* equipment = link(kLinkEkwipunek);
        entry = equipment ? equipment->FindByKind(kKindCarried) : nullptr;
        if (!entry)
            return;
    }
    // A weight or an item ends the search on its branch; any other entry is searched.
    WalkTree(*entry, [&](CPoz& child, int) {
        if (child.typ == kKindWeight) {
            child.Recalculate(0.0, 0.0, 0);
            const CPoz* owner = child.parent();
            CPoz* weight = load->Append(
                std::make_unique<CPoz>(connection(), "", owner ? owner->info : std::string(), "",
                                       kKindWeight, 0.0, static_cast<int>(child.total), ""));
            weight->MakeReference(child, false);
            return false;
        }
        if (child.typ == kKindItem) {
            std::string label = child.info;
            if (child.wartosc != 1)
                label += " x " + std::to_string(child.wartosc);
            CPoz* weight = load->Append(std::make_unique<CPoz>(
                connection(), "", label, "", kKindWeight, 0.0,
                roundUpWithTolerance(child.wartosc * child.modyfikator), ""));
            weight->MakeReference(child, false);
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
