#include "wizard/CWizard6.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "rules/core/AttributeSet.h"
#include "rules/engine/CRdzenBron.h"
#include "wizard/CWizard1.h"
#include "wizard/CWizard6Bgl.h"
#include "wizard/ProficiencyPool.h"

#include <algorithm>
#include <array>
#include <set>

namespace tallar {

using namespace kinds;

namespace {

// A property of the weapon tree's property text: its label and its column of `bronie`; a
// flag adds its label (which ends in ":TAK") when set.
struct ShownProperty {
    const char* label;
    const char* column;
    bool flag = false;
};
constexpr std::array<ShownProperty, 37> kShownProperties = {{
    {"Typ:", "typl"},
    {"Skuteczność kłuta:", "skt_kluta_bliska"},
    {"Skuteczność kłuta daleka:", "skt_kluta_daleka"},
    {"Skuteczność tnąca:", "skut_tnaca_bliska"},
    {"Skuteczność tnąca daleka:", "skut_tnaca_daleka"},
    {"Skuteczność obuchowa:", "skut_obuch_bliska"},
    {"Skuteczność obuchowa daleka:", "skut_obuch_daleka"},
    {"Obrona:", "obrona"},
    {"Trzymana oburącz podwaja obronę:TAK", "obrona_x_2", true},
    {"Obrona tarczy przeciwnika razy:", "obrona_tarczy"},
    {"Obrona zbroi przeciwnika razy:", "obrona_zbroi"},
    {"Ilość ataków na rundę:", "ataki_na_r"},
    {"Trafienie blokuje następny atak:TAK", "traf_niweluje_atak", true},
    {"Wytrzymałość:", "wytrzymalosc"},
    {"Współczynnik uszkodzeń:", "wsp_uszkodzen"},
    {"Opóźnienie:", "opoznienie"},
    {"Możliwy atak przygotowany (1 seg.op):TAK", "atak_przygotowany", true},
    {"Bonus do trafienia:", "traf_bonus"},
    {"Szansa trafienia krytycznego x 2:TAK", "traf_kryt_x_2", true},
    {"Maksymalne ogranieczenia zręczności:", "max_ogr_zr"},
    {"Maksymalne ogranieczenia szybkości:", "max_ogr_sz"},
    {"Minimalny wzrost:", "min_wzrost"},
    {"Minimalna siła fizyczna:", "min_sf"},
    {"Waga:", "waga"},
    {"Czas produkcji [dni]:", "czas_prod"},
    {"Zasięg:", "zasieg"},
    {"Broń przeznaczona dla:", "przeznaczenie"},
    {"1/10 trafienia obezwładnia:TAK", "tr110_obezwl", true},
    {"1/10 trafienia może obezwładnić:TAK", "tr110_ew_obezwl", true},
    {"1/10 trafienia może ogłuszyć:TAK", "tr110_ew_oglusza", true},
    {"Trafienie może obezwładnić:TAK", "tr_ew_obezwlad", true},
    {"Trafienie redujuje Tr,At,Ob,Um do 1/2:TAK", "tr_12atobtrum", true},
    {"Broń może być wtórna:TAK", "wtorna", true},
    {"Broń może być drożna:TAK", "drozna", true},
    {"Broń może być odpryskowa:TAK", "odpryskowa", true},
    {"Bronią można wykonać szarżę:TAK", "szarza", true},
    {"Bronią można wykonać powstrzymanie:TAK", "powstrzymanie", true},
}};

// The columns of the requirement query.
enum RequirementColumn : int { rId, rName, rDescription, rGroupId, rGroupName };

// The columns of the weapon-tree query.
enum WeaponColumn : int { wGroupId, wGroupName, wId, wName, wProperties, wMinHeight, wMinStrength };

std::string weaponTreeQuery() {
    std::string properties;
    for (const ShownProperty& p : kShownProperties) {
        const std::string column = "A." + std::string(p.column);
        properties += properties.empty() ? "" : "||";
        properties += p.flag ? "CASE WHEN UPPER(SUBSTR(TRIM(" + column + "),1,1))='T' THEN '" +
                                   p.label + "|' ELSE '' END"
                             : "CASE WHEN TRIM(IFNULL(" + column + ",''))<>'' THEN '" + p.label +
                                   "'||TRIM(" + column + ")||'|' ELSE '' END";
    }
    return " SELECT B.id,B.nazwa,A.id,A.nazwa," + properties +
           " , min_wzrost , min_sf  FROM bronie A  INNER JOIN grupybroni B on A.idgrupy=B.id "
           " order by B.nazwa,A.nazwa; ";
}

} // namespace

CWizard6::CWizard6(const EngineContext& context) : context_(context) {}

namespace {

void query(const EngineContext& context, std::string_view sql, std::span<const SqlParam> params,
           const RowCallback& onRow) {
    if (Status status = context.rules.exec(sql, params, onRow); !status)
        context.port.showError(status.message(), kWizardErrorCaption);
}

// The groups the character is proficient in (has a proficiency entry for).
std::set<std::string> proficientGroups(const CIstota& character) {
    std::set<std::string> ids;
    if (const CPoz* list = character.link(kLinkBieglosci))
        for (const CPoz* child : list->children())
            if (child->typ == proficiency::kProficiency && !child->specjal.empty())
                ids.insert(child->specjal);
    return ids;
}

} // namespace

void CWizard6::open() {
    recountProficiencyPool(context_);
    context_.character.RecalculateCharacter();
    pool_ = freeProficiencies(context_.character);
    fillAttributes();
    fillRequirements();
    fillWeapons();
    refresh();
    requirementsBind_ = canMeetRequirements(pool_);
}

void CWizard6::fillAttributes() {
    attributes_.clear();
    for (std::size_t m = 0; m < member::kAttributes; ++m)
        if (const CPoz* entry = context_.character.FindByKind(attributeSet()[m].entryKind))
            attributes_.push_back(BuildLabel(*entry));
    const CPoz* information = context_.character.link(kLinkDodatkoweInformacje);
    if (const CPoz* look = information ? information->FindByKind(info::kAppearance) : nullptr)
        for (const int kind : {stage::kHeight, stage::kWeight})
            if (const CPoz* measure = look->FindByKind(kind))
                attributes_.push_back(BuildLabel(*measure));
}

void CWizard6::fillRequirements() {
    requirements_.clear();
    // A requirement of no profession holds for all; one of a profession from its level on.
    std::string sql = " SELECT A.id, A.nazwa, A.opis, C.id, C.nazwa "
                      " FROM wymagania A "
                      " INNER JOIN wymaganiagrupybroni B ON B.idwymagania=A.id "
                      " INNER JOIN grupybroni C ON C.id=B.idgrupy "
                      " WHERE A.id IN "
                      "  (SELECT idwymagania "
                      "   FROM profwymagania "
                      "   WHERE id=? ";
    std::vector<SqlParam> params{std::string()};
    if (const CPoz* professions = context_.character.link(kLinkProfesje))
        for (const CPoz* entry : professions->children()) {
            if (entry->typ != profession::kProfession)
                continue;
            const CPoz* level = entry->FindByKind(profession::kLevel);
            sql += " OR (id=? AND CAST(poz AS INT)<=?) ";
            params.emplace_back(entry->specjal);
            params.emplace_back(static_cast<long long>(level ? level->wartosc : 0));
        }
    sql += "   );";
    query(context_, sql, params, [this](const Row& row) {
        const std::string id = row.text(rId);
        auto found = std::find_if(requirements_.begin(), requirements_.end(),
                                  [&id](const WeaponRequirement& r) { return r.id == id; });
        if (found == requirements_.end()) {
            requirements_.push_back({.id = id,
                                     .name = row.text(rName),
                                     .description = row.text(rDescription),
                                     .groups = {}});
            found = std::prev(requirements_.end());
        }
        found->groups.push_back({.id = row.text(rGroupId), .name = row.text(rGroupName)});
    });
}

std::string CWizard6::weaponLabel(const std::string& name, int minimumHeight,
                                  int minimumStrength) const {
    const CPoz* information = context_.character.link(kLinkDodatkoweInformacje);
    const CPoz* look = information ? information->FindByKind(info::kAppearance) : nullptr;
    const CPoz* height = look ? look->FindByKind(stage::kHeight) : nullptr;
    const CPoz* strength =
        context_.character.FindByKind(attributeSet()[member::kStrength].entryKind);
    std::vector<std::string> reasons;
    if ((height ? height->wartosc : 0) < minimumHeight)
        reasons.emplace_back("zbyt mały wzrost");
    if ((strength ? strength->total : 0.0) < minimumStrength)
        reasons.emplace_back("zbyt mała siła fizyczna");
    if (reasons.empty())
        return name;
    return name + " (" + (reasons.size() == 2 ? reasons[0] + " i " + reasons[1] : reasons[0]) + ")";
}

void CWizard6::fillWeapons() {
    groups_.clear();
    const std::set<std::string> proficient = proficientGroups(context_.character);
    query(context_, weaponTreeQuery(), {}, [&](const Row& row) {
        const std::string groupId = row.text(wGroupId);
        if (groups_.empty() || groups_.back().id != groupId) {
            const bool known = proficient.count(groupId) > 0;
            groups_.push_back({.id = groupId,
                               .name = row.text(wGroupName),
                               .proficient = known,
                               .ticked = known,
                               .weapons = {}});
        }
        std::string properties = row.text(wProperties);
        if (!properties.empty() && properties.back() == '|')
            properties.pop_back();
        const std::string name = row.text(wName);
        groups_.back().weapons.push_back(
            {.id = row.text(wId),
             .name = name,
             .label = weaponLabel(name, textToInt(row.text(wMinHeight)),
                                  textToInt(row.text(wMinStrength))),
             .properties = std::move(properties)});
    });
}

int CWizard6::freeCount() const {
    int free = pool_;
    for (const WeaponGroupChoice& group : groups_)
        if (group.ticked && !group.proficient)
            --free;
    return free;
}

std::string CWizard6::caption() const {
    return std::string(kCaption) + " - Wolne biegłości: " + std::to_string(freeCount());
}

bool CWizard6::mayTickGroup(std::size_t g) const {
    if (g >= groups_.size())
        return false;
    const WeaponGroupChoice& group = groups_[g];
    return group.ticked || group.proficient || freeCount() > 0;
}

bool CWizard6::tickGroup(std::size_t g, bool tick) {
    if (g >= groups_.size())
        return false;
    WeaponGroupChoice& group = groups_[g];
    group.ticked = tick && mayTickGroup(g);
    const bool anyWeapon = std::any_of(group.weapons.begin(), group.weapons.end(),
                                       [](const WeaponChoice& w) { return w.ticked; });
    if (anyWeapon || group.proficient)
        group.ticked = true;
    refresh();
    return group.ticked;
}

bool CWizard6::tickWeapon(std::size_t g, std::size_t w, bool tick) {
    if (g >= groups_.size() || w >= groups_[g].weapons.size())
        return false;
    WeaponGroupChoice& group = groups_[g];
    WeaponChoice& weapon = group.weapons[w];
    // The first weapon of a group the character is new to takes a free proficiency.
    weapon.ticked = tick && mayTickGroup(g);
    if (weapon.ticked || group.proficient)
        group.ticked = true;
    refresh();
    return weapon.ticked;
}

void CWizard6::refresh() {
    const std::set<std::string> proficient = proficientGroups(context_.character);
    for (WeaponRequirement& requirement : requirements_) {
        requirement.met = false;
        for (WeaponRequirement::Group& item : requirement.groups) {
            const auto group =
                std::find_if(groups_.begin(), groups_.end(),
                             [&item](const WeaponGroupChoice& g) { return g.id == item.id; });
            item.ticked =
                proficient.count(item.id) > 0 || (group != groups_.end() && group->ticked);
            requirement.met = requirement.met || item.ticked;
        }
    }
}

bool CWizard6::canMeetRequirements(int pool) const {
    // A group may be taken when the tree offers it; the search tries, requirement by
    // requirement, each group of the first one not yet met, within the pool.
    std::set<std::string> offered;
    for (const WeaponGroupChoice& group : groups_)
        offered.insert(group.id);
    std::set<std::string> taken = proficientGroups(context_.character);
    const std::function<bool(int)> cover = [&](int budget) {
        for (const WeaponRequirement& requirement : requirements_) {
            const bool met = std::any_of(
                requirement.groups.begin(), requirement.groups.end(),
                [&taken](const WeaponRequirement::Group& g) { return taken.count(g.id) > 0; });
            if (met)
                continue;
            if (budget <= 0)
                return false;
            for (const WeaponRequirement::Group& g : requirement.groups) {
                if (!offered.count(g.id))
                    continue;
                taken.insert(g.id);
                const bool covered = cover(budget - 1);
                taken.erase(g.id);
                if (covered)
                    return true;
            }
            return false;
        }
        return true;
    };
    return cover(pool);
}

std::vector<std::pair<std::string, std::string>> CWizard6::propertyRows(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const std::string& piece : splitText(text, '|')) {
        if (piece.empty())
            continue;
        const auto colon = piece.find(':');
        if (colon == std::string::npos)
            rows.emplace_back(piece, "");
        else
            rows.emplace_back(piece.substr(0, colon), piece.substr(colon + 1));
    }
    return rows;
}

std::optional<std::string> CWizard6::blocker() const {
    if (!requirementsBind_)
        return std::nullopt;
    for (const WeaponRequirement& requirement : requirements_) {
        if (requirement.met)
            continue;
        std::string names;
        for (const WeaponRequirement::Group& g : requirement.groups)
            names += (names.empty() ? "" : ", ") + g.name;
        return "Wymaganie „" + requirement.name +
               "” nie jest spełnione: zaznacz jedną z grup: " + names + ".";
    }
    return std::nullopt;
}

bool CWizard6::finish(const Training& train) {
    if (blocker())
        return false;
    CIstota& character = context_.character;
    CRdzenBron weapons(context_);
    // Every new group first gets its entry, so that the pool each training sees already
    // holds the proficiency every other new group takes.
    std::vector<CPoz*> fresh;
    if (freeProficiencyEntry(character)) {
        CPoz* list = character.link(kLinkBieglosci);
        for (const WeaponGroupChoice& group : groups_) {
            if (!group.ticked || weapons.proficiencyIn(group.id))
                continue;
            CPoz& entry = list->AddChild(
                {.info = group.name, .specjal = group.id, .typ = proficiency::kProficiency});
            entry.AddChild({.info = "Szkolenie podstawowe",
                            .typ = proficiency::kBasicTraining,
                            .memo = "1|0|0|0|0"});
            fresh.push_back(&entry);
        }
        recountProficiencyPool(context_);
        for (CPoz* entry : fresh) {
            CWizard6Bgl training(context_, *entry, CWizard6Bgl::availableFor(character, *entry));
            if (!train(training))
                return false;
        }
    }
    for (const WeaponGroupChoice& group : groups_)
        for (const WeaponChoice& weapon : group.weapons)
            if (weapon.ticked)
                (void)weapons.AddWeaponEntry(weapon.id);
    character.RecalculateCharacter();
    return true;
}

} // namespace tallar
