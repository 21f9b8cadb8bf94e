#include "rules/engine/CRdzenStadium.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "rules/engine/CRdzenUlomnosc.h"
#include "store/db/Database.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace tallar {

namespace {

using namespace stagekinds;

constexpr std::array<StageMemberKinds, GrowthProfile::kMembers> kMemberKinds = {{
    {4867, 4882, 4897, 14593}, // Żywotność
    {4947, 4962, 4977, 14673}, // Siła fizyczna
    {5123, 5138, 5153, 16385}, // Zręczność
    {5203, 5218, 5233, 16465}, // Szybkość
    {5379, 5394, 5409, 16641}, // Inteligencja
    {5459, 5474, 5489, 16705}, // Mądrość
    {5635, 5650, 5665, 16769}, // Umiejętności magiczne
    {5715, 5730, 5745, 16929}, // Charyzma
    {5891, 5906, 5921, 17009}, // Prezencja
    {5971, 5986, 6001, 17169}, // Wiara
    {6147, 6162, 6177, 17233}, // Zauważenie
    {6483, 6498, 6513, 17297}, // resistances 1 … 10
    {8195, 8210, 8225, 17473}, {8275, 8290, 8305, 17553}, {8451, 8466, 8481, 17729},
    {8531, 8546, 8561, 17793}, {8707, 8722, 8737, 17953}, {8787, 8802, 8817, 18017},
    {8963, 8978, 8993, 18177}, {9043, 9058, 9073, 18241}, {9219, 9234, 9249, 18305},
    {9315, 0, 0, 18465}, // antimagic: an amount only
}};

constexpr std::size_t kVitality = 0;
constexpr std::size_t kStrength = 1;
constexpr std::size_t kStageMembers = 21; // the members the stage row gives with growth and limit
constexpr std::size_t kAttributeMembers = 11;
constexpr long long kLastStageEnd = 2000000000;

// The skin and the other amounts of a passage that are not attribute-set members.
struct ExtraGroup {
    const char* prefix;
    const char* signColumn; // empty: the amount has no sign column and always sets
    const char* procColumn;
    const char* name;
    int kind;
};
constexpr int kDeathKind = 9297;
constexpr std::array<ExtraGroup, 6> kSkinGroups = {{
    {"kl", "kl_znak", "kl_proc", "Wyparowania skóry kłute", 9331},
    {"tn", "tn_znak", "tn_proc", "Wyparowania skóry tnące", 9347},
    {"ob", "ob_znak", "ob_proc", "Wyparowania skóry obuchowe", 9363},
    {"obr", "obr_znak", "obr_proc", "Obrona skóry", 9475},
    {"ogr_zr", "ogr_zr_znak", "", "Ograniczenia zręczności", kPassageDexterityLimit},
    {"ogr_sz", "ogr_sz_znak", "", "Ograniczenia szybkości", kPassageSpeedLimit},
}};
// The children of "Skóra" that the four skin amounts fill, in the order of kSkinGroups.
struct SkinChild {
    int kind;
    const char* info;
};
constexpr std::array<SkinChild, 4> kSkinChildren = {{
    {1345, "Wyparowania kłute"},
    {1361, "Wyparowania tnące"},
    {1377, "Wyparowania obuchowe"},
    {1409, "Obrona"},
}};

// Height and weight in a passage: the range (from, to) and the change.
struct MeasureGroup {
    const char* prefix;
    const char* name;
    int fromKind, toKind, changeKind;
};
constexpr std::array<MeasureGroup, 2> kMeasures = {{
    {"wzrost", "Wzrost", 6227, 6241, 6257},
    {"waga", "Waga", 6403, 6417, 6433},
}};

// Natural-weapon column groups with an amount, a sign, a growth and a percentage.
struct WeaponGroup {
    const char* column;
    const char* info;
    int percentKind;
    int valueKind;
};
constexpr std::array<WeaponGroup, 10> kWeaponGroups = {{
    {"bon_do_bgl", "Bonus do biegłości", 24627, 24609},
    {"bgl_min", "Biegłość minimalna", 24659, 24641},
    {"obr_kl", "Obrażenia kłute", 24691, 24673},
    {"obr_tn", "Obrażenia tnące", 24723, 24705},
    {"obr_ob", "Obrażenia obuchowe", 24851, 24833},
    {"obrona", "Obrona", 24883, 24865},
    {"opoznienie", "Opóźnienie", 24915, 24897},
    {"wsp_uszk", "Współczynnik uszkodzeń", 24947, 24929},
    {"ataki", "Ataki", 24979, 24961},
    {"bieglosc", "Biegłość", 25123, 25105},
}};
struct WeaponFlag {
    const char* column;
    const char* info;
    int kind;
};
constexpr std::array<WeaponFlag, 7> kWeaponFlags = {{
    {"sp_pdw_bgl", "Podwójnie biegły", 25137},
    {"sp_spec", "Specjalista", 25153},
    {"sp_pdw_spec", "Podwójny specjalista", 25169},
    {"sp_mistrz", "Mistrz", 25185},
    {"natur_obur", "Naturalna oburęczność", 25204},
    {"bgl_prof", "Biegłość zależna od profesji", 25220},
    {"reka", "Zajmuje kończynę trzymającą broń/tarczę", 25236},
}};
constexpr int kWeaponRangeKind = 25095;
constexpr int kWeaponCountKind = 25345;

bool isSet(std::string_view flag) {
    return !flag.empty() && flag.front() == 'T';
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// "A.col" made blank-safe: the growth column counts as 1 when blank.
std::string growthColumn(const std::string& column) {
    return "CASE WHEN TRIM(IFNULL(A." + column + ",''))='' THEN '1' ELSE A." + column + " END";
}

// The name a member carries in a passage and in its prompts.
std::string passageName(std::size_t member) {
    if (member == kVitality)
        return "Żywotnosc";
    return std::string(attributeSet()[member].entryLabel);
}

std::string multiplierName(std::size_t member) {
    if (member == kVitality || member == kStrength)
        return passageName(member) + " przyrosty mnożnik";
    return passageName(member) + " mnożnik przyrosty";
}

std::unique_ptr<CPoz> makeEntry(const CPoz& near, std::string_view info, std::string_view specjal,
                                int kind, double modifier, int value, std::string_view memo) {
    return std::make_unique<CPoz>(near.connection(), "", info, specjal, kind, modifier, value,
                                  memo);
}

int truncated(double value) {
    return static_cast<int>(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

} // namespace

const StageMemberKinds& stageMemberKinds(std::size_t member) {
    return kMemberKinds.at(member);
}

int weightFromRoll(int roll, int from, int to) {
    if (from == to || roll == 0)
        return from;
    const double span = to - from;
    const double edge = 2.0 * span / 5.0;
    const int low = roundToInt(from + edge);
    const int high = roundToInt(to - edge);
    // A fiftieth of the span: the three bands (20, 10 and 20 steps) then meet at low and
    // high for every span.
    const double step = span / 50.0;
    double value = 0.0;
    if (roll <= 20)
        value = from + roll * step;
    else if (roll <= 80)
        value = low + cyclicIndex(roll, 10) * step;
    else
        value = high + (roll - 80) * step;
    return roundToInt(value);
}

int overweightDistance(int roll) {
    if (roll < 21)
        return roll - 21;
    if (roll > 80)
        return roll - 80;
    return 0;
}

// An amount of a passage: the columns of one group of the stage row.
struct CRdzenStadium::AmountGroup {
    std::string name;
    std::string sign, amount, proc;
    std::string growth = "1";
    std::string limit, other;
    bool twice = false;
    int valueKind = 0, multiplierKind = 0, limitKind = 0, otherKind = 0;
    bool alwaysSets = false; // an amount without a sign column
};

CRdzenStadium::CRdzenStadium(Database& rules, CIstota& character, UserPort& port,
                             DiceGenerator* generator)
    : rules_(rules), character_(character), port_(port), generator_(generator) {}

void CRdzenStadium::report(const Status& status) {
    if (!status.ok())
        port_.showError(status.message(), "Błąd!");
}

DiceRolls CRdzenStadium::rolls(bool askRolls) {
    return DiceRolls{askRolls, &port_, generator_};
}

double CRdzenStadium::rollAmount(const std::string& amount, const std::string& prompt, bool twice,
                                 bool askRolls) {
    const double first = EvaluateDice(amount, rolls(askRolls), prompt, DiceMode::Roll, &character_);
    if (!twice)
        return first;
    const double second =
        EvaluateDice(amount, rolls(askRolls), prompt + "(dod.rzut)", DiceMode::Roll, &character_);
    return std::max(first, second);
}

CPoz* CRdzenStadium::appearance() const {
    const CPoz* extra = character_.link(kLinkDodatkoweInformacje);
    return extra ? extra->FindByKind(kinds::info::kAppearance) : nullptr;
}

CPoz* CRdzenStadium::stageEntry() const {
    const CPoz* look = appearance();
    return look ? look->FindByKind(kStage) : nullptr;
}

CPoz* CRdzenStadium::passageList(bool make) {
    CPoz* stage = stageEntry();
    if (!stage)
        return nullptr;
    CPoz* list = stage->FindByKind(kPassages);
    if (!list && make)
        list =
            stage->Append(makeEntry(*stage, "Kolejne przeistoczenia", "", kPassages, 0.0, 0, ""));
    return list;
}

std::vector<CPoz*> CRdzenStadium::passages() const {
    std::vector<CPoz*> found;
    const CPoz* stage = stageEntry();
    const CPoz* list = stage ? stage->FindByKind(kPassages) : nullptr;
    if (list)
        for (CPoz* child : list->children())
            if (child->typ == kPassage)
                found.push_back(child);
    return found;
}

std::vector<std::string> CRdzenStadium::professionIds() const {
    std::vector<std::string> ids;
    if (const CPoz* professions = character_.link(kLinkProfesje))
        for (const CPoz* child : professions->children())
            if (child->typ == kinds::profession::kProfession)
                ids.push_back(child->specjal);
    return ids;
}

bool CRdzenStadium::Passages(int fromAge, int toAge, bool askRolls) {
    CPoz* look = appearance();
    if (!look)
        return false;
    struct Stage {
        std::string id, name;
        long long from = 0, step = 0;
    };
    std::vector<Stage> stages;
    report(
        rules_.exec("SELECT id,od,skok,nazwa FROM stadia WHERE idrasa=? ORDER BY CAST(od AS int);",
                    {look->specjal}, [&](const Row& row) {
                        stages.push_back({row.text(0), row.text(3), textToInt(row.text(1)),
                                          textToInt(row.text(2))});
                    }));
    if (!stageEntry() || stages.empty())
        return stageEntry() && !passages().empty();

    CPoz& list = *passageList(true);
    const long long to = toAge;
    long long from = std::max<long long>(fromAge, stages.front().from);
    std::vector<CPoz*> made;
    bool firstStage = true;
    bool stop = false;
    for (std::size_t i = 0; i < stages.size() && !stop; ++i) {
        const Stage& stage = stages[i];
        if (stage.from > to)
            break;
        const long long end = i + 1 < stages.size() ? stages[i + 1].from : kLastStageEnd;
        long long step = stage.step != 0 ? stage.step : end - stage.from;
        if (step < 1)
            step = end - stage.from;
        if (step < 1) { // two stages at one age: the later one takes over
            firstStage = false;
            continue;
        }
        long long age = stage.from;
        if (firstStage)
            age += (from - stage.from) / step * step;
        firstStage = false;
        for (; age < end; age += step) {
            if (age > to) {
                stop = true;
                break;
            }
            if (age < from)
                continue;
            const bool exists = std::ranges::any_of(passages(), [&](const CPoz* passage) {
                return passage->specjal == stage.id && passage->wartosc == age;
            });
            if (!exists)
                made.push_back(list.Append(makeEntry(list, stage.name, stage.id, kPassage,
                                                     static_cast<double>(stage.from),
                                                     static_cast<int>(age), "")));
        }
    }

    for (CPoz* passage : made) {
        bool firstOfStage = true;
        for (const CPoz* earlier : passages()) {
            if (earlier == passage)
                break;
            if (earlier->specjal == passage->specjal)
                firstOfStage = false;
        }
        readStageRow(*passage, firstOfStage, askRolls);
        readNaturalWeapons(passage->specjal, askRolls);
        readBodyParts(passage->specjal);
        joinStageSkills(passage->specjal, askRolls);
    }
    return !passages().empty();
}

void CRdzenStadium::readStageRow(CPoz& passage, bool firstOfStage, bool askRolls) {
    // The columns, group by group, in the order in which they are read back below.
    std::string columns = "A.id,A.nazwa,A.od,A.skok";
    const auto add = [&columns](const std::string& column) { columns += "," + column; };
    for (std::size_t m = 0; m < kStageMembers; ++m) {
        const std::string p(attributeSet()[m].stagePrefix);
        add("A." + p + "_znak");
        add("RTRIM(A." + p + "_wartosc)");
        add("A." + p + "_proc");
        add(growthColumn(p + "_przyrost"));
        add("A." + p + "_limit");
        add(m == kVitality || m == kStrength ? "A." + p + "_innywsp" : "''");
        add(m < kAttributeMembers ? "MAX(IFNULL(B." + p + "_podst,'N'))" : "'N'");
    }
    for (const MeasureGroup& measure : kMeasures) {
        const std::string p(measure.prefix);
        add("A." + p + "_od");
        add("A." + p + "_do");
        add("A." + p + "_znak");
        add("RTRIM(A." + p + "_wartosc)");
        add("A." + p + "_proc");
    }
    add("RTRIM(A.smierc_starosc)");
    add("A.antymagia_znak");
    add("RTRIM(A.antymagia_wartosc)");
    add("A.antymagia_procent");
    for (const ExtraGroup& group : kSkinGroups) {
        add(std::string("A.") + group.signColumn);
        add("RTRIM(A." + std::string(group.prefix) + "_wartosc)");
        add(*group.procColumn ? std::string("A.") + group.procColumn : std::string("''"));
    }

    const std::vector<std::string> professions = professionIds();
    std::string placeholders;
    std::vector<SqlParam> params;
    for (const std::string& id : professions) {
        placeholders += placeholders.empty() ? "?" : ",?";
        params.emplace_back(id);
    }
    if (placeholders.empty()) {
        placeholders = "''";
    }
    params.emplace_back(passage.specjal);
    const std::string sql = "SELECT " + columns +
                            " FROM stadia A LEFT JOIN profesje B ON B.id IN (" + placeholders +
                            ") WHERE A.id=? GROUP BY A.id";

    std::vector<std::string> row;
    report(rules_.exec(sql, params, [&row](const Row& r) {
        row.clear();
        for (int c = 0; c < r.columnCount(); ++c)
            row.push_back(r.text(c));
    }));
    if (row.empty())
        return;

    std::size_t at = 4;
    const auto next = [&row, &at]() -> const std::string& { return row.at(at++); };
    std::array<AmountGroup, kStageMembers> members;
    for (std::size_t m = 0; m < kStageMembers; ++m) {
        AmountGroup& g = members[m];
        g.name = passageName(m);
        g.sign = trimmed(next());
        g.amount = next();
        g.proc = trimmed(next());
        g.growth = next();
        g.limit = trimmed(next());
        g.other = trimmed(next());
        g.twice = isSet(next());
        g.valueKind = kMemberKinds[m].value;
        g.multiplierKind = kMemberKinds[m].multiplier;
        g.limitKind = kMemberKinds[m].limit;
        g.otherKind = m == kVitality ? kVitalityOther : m == kStrength ? kStrengthOther : 0;
    }
    std::array<AmountGroup, 2> changes;
    for (std::size_t i = 0; i < kMeasures.size(); ++i) {
        const MeasureGroup& measure = kMeasures[i];
        const std::string from = trimmed(next());
        const std::string to = trimmed(next());
        if (!from.empty() || !to.empty()) {
            passage.Append(makeEntry(passage, std::string(measure.name) + " od", "",
                                     measure.fromKind, 0.0, textToInt(from), ""));
            passage.Append(makeEntry(passage, std::string(measure.name) + " do", "", measure.toKind,
                                     0.0, textToInt(to), ""));
        }
        AmountGroup& g = changes[i];
        g.name = std::string(measure.name) + " zmiana";
        g.sign = trimmed(next());
        g.amount = next();
        g.proc = trimmed(next());
        g.valueKind = measure.changeKind;
    }

    // The rolls go in the order of the columns: attributes, height and weight,
    // resistances, death of old age, antimagic, skin, limits.
    for (std::size_t m = 0; m < kAttributeMembers; ++m)
        makeAmountEntries(passage, members[m], firstOfStage, askRolls);
    for (const AmountGroup& change : changes)
        makeAmountEntries(passage, change, firstOfStage, askRolls);
    for (std::size_t m = kAttributeMembers; m < kStageMembers; ++m)
        makeAmountEntries(passage, members[m], firstOfStage, askRolls);

    AmountGroup death;
    death.name = "Śmierć ze starości";
    death.sign = "=";
    death.amount = next();
    death.valueKind = kDeathKind;
    death.alwaysSets = true;
    makeAmountEntries(passage, death, firstOfStage, askRolls);

    AmountGroup antimagicGroup;
    antimagicGroup.name = std::string(antimagic().entryLabel);
    antimagicGroup.sign = trimmed(next());
    antimagicGroup.amount = next();
    antimagicGroup.proc = trimmed(next());
    antimagicGroup.valueKind = kMemberKinds[GrowthProfile::kMembers - 1].value;
    makeAmountEntries(passage, antimagicGroup, firstOfStage, askRolls);

    for (const ExtraGroup& extra : kSkinGroups) {
        AmountGroup g;
        g.name = extra.name;
        g.sign = trimmed(next());
        g.amount = next();
        g.proc = trimmed(next());
        g.valueKind = extra.kind;
        makeAmountEntries(passage, g, firstOfStage, askRolls);
    }
}

void CRdzenStadium::makeAmountEntries(CPoz& passage, const AmountGroup& group, bool firstOfStage,
                                      bool askRolls) {
    // "+" and "-" change the value at every passage; any other sign sets it, which only the
    // first passage of a stage does (its later passages would set the same again).
    const bool changes = group.sign == "+" || group.sign == "-";
    const bool sets = !group.sign.empty() && !changes && firstOfStage;
    const bool hasAmount = !trimmed(group.amount).empty();
    if ((changes || sets) && (hasAmount || !group.alwaysSets)) {
        const double roll = rollAmount(group.amount, "Rasa: " + group.name, group.twice, askRolls);
        const bool percent = group.proc == "%";
        passage.Append(makeEntry(passage, group.name, group.sign, group.valueKind,
                                 percent ? roll / 100.0 : 0.0, percent ? 0 : truncated(roll),
                                 group.amount));
    }
    if (!firstOfStage || !group.multiplierKind)
        return;
    if (group.sign.empty() && !hasAmount && group.limit.empty() && textToReal(group.growth) == 1.0)
        return;
    const std::size_t member = static_cast<std::size_t>(
        std::find_if(kMemberKinds.begin(), kMemberKinds.end(),
                     [&group](const StageMemberKinds& k) { return k.value == group.valueKind; }) -
        kMemberKinds.begin());
    passage.Append(makeEntry(passage, multiplierName(member), "", group.multiplierKind,
                             textToReal(group.growth), 0, ""));
    passage.Append(makeEntry(passage, group.name + " limit", "", group.limitKind, 0.0,
                             textToInt(group.limit), ""));
    // The other coefficient is read from the modifier; the value shows it in the tree.
    if (group.otherKind)
        passage.Append(makeEntry(passage, group.name + " inny współczynnik zmiany 200/600...", "",
                                 group.otherKind, textToReal(group.other),
                                 truncated(textToReal(group.other)), ""));
}

void CRdzenStadium::readNaturalWeapons(const std::string& stageId, bool askRolls) {
    CPoz* natural = character_.link(kLinkBronieNaturalne);
    if (!natural)
        return;
    std::string columns = "id,idstadium,nazwa";
    for (const WeaponGroup& group : kWeaponGroups) {
        const std::string c(group.column);
        if (c == "bieglosc")
            columns += ",zasiegi";
        columns += "," + c + "," + c + "_znak," + c + "_przyr," + c + "_proc";
    }
    for (const WeaponFlag& flag : kWeaponFlags)
        columns += std::string(",") + flag.column;
    columns += ",ilosc";

    struct Weapon {
        std::vector<std::string> texts;
    };
    std::vector<Weapon> weapons;
    report(rules_.exec("SELECT " + columns + " FROM stadiumbronie WHERE idstadium=? ORDER BY id",
                       {stageId}, [&weapons](const Row& row) {
                           Weapon weapon;
                           for (int c = 0; c < row.columnCount(); ++c)
                               weapon.texts.push_back(row.text(c));
                           weapons.push_back(std::move(weapon));
                       }));
    if (weapons.empty())
        return;

    CPoz* list = natural->FindByKind(kNaturalWeaponList);
    if (!list)
        list = natural->Append(
            makeEntry(*natural, "Bronie rasowe", "", kNaturalWeaponList, 0.0, 0, ""));
    for (const Weapon& weapon : weapons) {
        const std::vector<std::string>& t = weapon.texts;
        // A later passage of the same stage keeps the weapon rolled at the first one.
        if (list->FindBySpecjal(t[0]))
            continue;
        CPoz* entry = list->Append(makeEntry(*list, t[2], t[0], kNaturalWeapon, 1.0, 0, ""));
        const std::string prompt = "Bron rasowa: " + t[2];
        std::size_t at = 3;
        int proficiency = 0;
        for (const WeaponGroup& group : kWeaponGroups) {
            if (std::string_view(group.column) == "bieglosc") {
                const std::string range = trimmed(t[at++]);
                if (!range.empty())
                    entry->Append(makeEntry(*entry, "Zasięg", "", kWeaponRangeKind, 0.0, 0, range));
            }
            const std::string amount = trimmed(t[at]);
            const std::string sign = trimmed(t[at + 1]);
            const std::string growth = trimmed(t[at + 2]);
            const std::string proc = trimmed(t[at + 3]);
            at += 4;
            if (amount.empty() && growth.empty())
                continue;
            const double roll =
                EvaluateDice(amount, rolls(askRolls), prompt, DiceMode::Roll, &character_);
            const bool percent = proc == "%";
            entry->Append(makeEntry(*entry, group.info, sign + "|" + growth + "|" + proc,
                                    percent ? group.percentKind : group.valueKind,
                                    percent ? roll / 100.0 : 0.0, truncated(roll), amount));
            if (std::string_view(group.column) == "bieglosc")
                proficiency = truncated(roll);
        }
        bool dependsOnProfession = false;
        for (const WeaponFlag& flag : kWeaponFlags) {
            const bool set = isSet(trimmed(t[at++]));
            if (flag.kind == 25220)
                dependsOnProfession = set;
            if (set)
                entry->Append(makeEntry(*entry, flag.info, "", flag.kind, 0.0, 1, ""));
        }
        const std::string count = trimmed(t[at]);
        if (!count.empty())
            entry->Append(
                makeEntry(*entry, "Ilość", "", kWeaponCountKind, 0.0, textToInt(count), ""));
        // The racial proficiency reads these two: the natural proficiency, and whether it
        // holds for every profession (1.0) or depends on the profession (0).
        entry->memo = std::to_string(proficiency);
        entry->modyfikator = dependsOnProfession ? 0.0 : 1.0;
    }
}

void CRdzenStadium::readBodyParts(const std::string& stageId) {
    CPoz* body = character_.link(kLinkCialo);
    if (!body)
        return;
    // The properties are the stage row's own; the default part gives only its name and
    // identifier, so a blank column of the stage row makes no property.
    const std::string sql =
        "SELECT A.id,B.nazwa,A.proc_cal_zyw,A.wpl_obr_na_zyw,A.odc_pow_smi,A.wyp_kl,"
        "A.wyp_kl_proc,A.wyp_tn,A.wyp_tn_proc,A.wyp_ob,A.wyp_ob_proc,A.obr,A.obr_proc,"
        "A.modtrsel,A.bron_tarcza,A.domyslna,B.id"
        " FROM stadiumczesci A JOIN czescicialadef B ON B.id=A.id_nad"
        " JOIN stadia C ON C.id=A.idstadium WHERE A.idstadium=? ORDER BY A.id";
    std::vector<std::vector<std::string>> parts;
    report(rules_.exec(sql, {stageId}, [&parts](const Row& row) {
        std::vector<std::string> texts;
        texts.reserve(static_cast<std::size_t>(row.columnCount()));
        for (int c = 0; c < row.columnCount(); ++c)
            texts.push_back(trimmed(row.text(c)));
        parts.push_back(std::move(texts));
    }));

    const DiceRolls none{};
    const auto evaluated = [&none, this](const std::string& text) {
        return EvaluateDice(text, none, "", DiceMode::Zero, &character_);
    };
    for (const std::vector<std::string>& t : parts) {
        // A character has each part once: a later stage's part of the same default part
        // takes the place of the earlier one; a later passage of the same stage keeps it.
        CPoz* part = nullptr;
        for (CPoz* existing : body->children())
            if (existing->typ == kBodyPart && existing->memo == t[16])
                part = existing;
        if (part && part->specjal == t[0])
            continue;
        if (part) {
            part->destroyChildren();
            part->info = t[1];
            part->specjal = t[0];
        } else {
            part = body->Append(makeEntry(*body, t[1], t[0], kBodyPart, 0.0, 0, t[16]));
        }
        const auto child = [part](std::string_view info, int kind, double modifier, int value) {
            return part->Append(makeEntry(*part, info, "", kind, modifier, value, ""));
        };
        child("Żywotność", 4117, 0.0, 0);
        child("Wyparowania kłute", 4133, 0.0, 0);
        child("Wyparowania tnące", 4149, 0.0, 0);
        child("Wyparowania obuchowe", 4165, 0.0, 0);
        child("Obrona", 4181, 0.0, 0);
        child("Obrona daleka", 1397, 0.0, 0);
        CPoz* dexterity = child("Obrona ze zręczności", 1435, 1.0, 0);
        if (CPoz* current = character_.link(kLinkZrecznoscAktualna))
            dexterity->MakeReference(*current, true);

        CPoz* properties = child("Właściwości", 4192, 0.0, 0);
        const auto property = [properties](std::string_view info, int kind, double modifier,
                                           int value) {
            properties->Append(makeEntry(*properties, info, "", kind, modifier, value, ""));
        };
        const auto flag = [&property](const std::string& text, std::string_view info, int kind) {
            if (!text.empty())
                property(info, kind, 0.0, isSet(text) ? 1 : 0);
        };
        if (!t[2].empty())
            property("procent całej żywotności", 4210, evaluated(t[2]) / 100.0, 0);
        if (!t[3].empty())
            property("wpływ obrażen na żywotność", 4226, evaluated(t[3]) / 100.0, 0);
        flag(t[4], "odcięcie powoduje śmierć", 4244);
        static constexpr std::array<std::pair<const char*, int>, 4> kAbsorptions = {{
            {"wyparowania kłute", 4355},
            {"wyparowania tnące", 4371},
            {"wyparowania obuchowe", 4387},
            {"obrona", 4403},
        }};
        for (std::size_t i = 0; i < kAbsorptions.size(); ++i) {
            const std::string& absolute = t[5 + 2 * i];
            const std::string& percent = t[6 + 2 * i];
            if (!absolute.empty() || !percent.empty())
                property(kAbsorptions[i].first, kAbsorptions[i].second, textToReal(percent) / 100.0,
                         textToInt(absolute));
        }
        if (!t[13].empty())
            property("modyfikator trafienia selektywnego", 4417, 0.0, truncated(evaluated(t[13])));
        flag(t[14], "może trzymać broń/tarczę", 4436);
        flag(t[15], "domyślna lokacja ciosów", 4452);
    }
}

void CRdzenStadium::joinStageSkills(const std::string& stageId, bool askRolls) {
    // STAGE SKILLS: the skills of the stage (`stadiumumiej`) are joined here by the skills
    // engine once it exists; until then a stage gives no skills.
    (void)stageId;
    (void)askRolls;
}

int CRdzenStadium::racialPart(std::size_t member, const GrowthProfile& profile) const {
    const StageMemberKinds& kinds = kMemberKinds[member];
    const GrowthProfile::Member& shape = profile.members[member];
    const bool progressive = member == kVitality || member == kStrength;
    const int otherKind = member == kVitality ? kVitalityOther : kStrengthOther;
    const DiceRolls automatic{};
    const DiceMode balanceMode = modeFromSign(shape.balance);

    int r = 0;
    double g = 1.0;
    int limit = 0;
    int other = 0;
    for (const CPoz* passage : passages()) {
        // The stage's growth, limit and other coefficient hold from its first passage on.
        for (const CPoz* entry : passage->children()) {
            if (kinds.multiplier && entry->typ == kinds.multiplier)
                g = entry->modyfikator == 0.0 ? 1.0 : entry->modyfikator;
            else if (kinds.limit && entry->typ == kinds.limit)
                limit = entry->wartosc;
            else if (progressive && entry->typ == otherKind)
                other = truncated(entry->modyfikator);
        }
        for (const CPoz* entry : passage->children()) {
            if (entry->typ != kinds.value)
                continue;
            const int w = entry->wartosc;
            const double p = entry->modyfikator;
            const std::string& sign = entry->specjal;
            const std::string& e = entry->memo;
            const bool plus = sign == "+";
            const bool minus = sign == "-";
            if (progressive) {
                const double gm = g * shape.multiplier;
                if (plus || minus) {
                    const int amount = p == 0.0 ? w : roundToInt(r * p);
                    const int steps = roundToInt(amount * gm) * (minus ? -1 : 1);
                    r += progression(r, steps, other, limit);
                } else if (p != 0.0) {
                    r = roundToInt(p * r);
                } else {
                    const int start =
                        truncated(EvaluateDice(e, automatic, "", DiceMode::Zero, &character_));
                    const int amount =
                        shape.balance != 0
                            ? truncated(EvaluateDice(e, automatic, "", balanceMode, &character_))
                            : w;
                    const int steps = roundToInt((amount - start) * gm);
                    r = start + progression(start, steps, other, limit);
                }
            } else {
                const double k =
                    roundToHundredths(roundToHundredths(shape.multiplier) * roundToHundredths(g));
                if (plus || minus) {
                    const double d = p == 0.0 ? k * w : roundToInt(r * p) * k;
                    r += plus ? roundToInt(d) : -roundToInt(d);
                } else if (p != 0.0) {
                    r = roundToInt(p * r);
                } else {
                    r = shape.balance != 0
                            ? truncated(EvaluateDice(e, automatic, "", balanceMode, &character_))
                            : w;
                }
                if (w < 0 && limit < 0 && r < -limit)
                    r = -limit;
                if (w > 0 && limit > 0 && r > limit)
                    r = limit;
            }
            if (shape.lowerLimit < 0 && r < -shape.lowerLimit)
                r = -shape.lowerLimit;
            if (shape.upperLimit >= 1 && r > shape.upperLimit)
                r = shape.upperLimit;
        }
    }
    return r;
}

void CRdzenStadium::Apply(const GrowthProfile& profile) {
    CPoz* look = appearance();
    if (!look || !stageEntry() || passages().empty())
        return;
    for (std::size_t m = 0; m < GrowthProfile::kMembers; ++m) {
        const AttributeDef& def = attributeSet()[m];
        CPoz* attribute = nullptr;
        for (CPoz* top : character_.children())
            if (top->typ == def.entryKind) {
                attribute = top;
                break;
            }
        if (!attribute)
            continue;
        // The racial part of Żywotność and Siła fizyczna already stands on the experience
        // scale. Its parent sums it along the progression, whose fixed step the memo gives:
        // a step of 1 makes it count at its value rather than as steps from 0.
        const std::string_view stepOfOne = m == kVitality || m == kStrength ? "1" : "";
        attribute->SetOrAdd(attribute->connection(), "", "Rasowa", stepOfOne,
                            kMemberKinds[m].racial, 0.0, racialPart(m, profile), stepOfOne, false);
    }
    applySkin();

    // The death chance is the one set last.
    int death = 0;
    for (const CPoz* passage : passages())
        for (const CPoz* entry : passage->children())
            if (entry->typ == kDeathKind)
                death = entry->wartosc;
    look->SetOrAdd(look->connection(), "", "Szansa na śmierć ze starości", "", kDeathChance, 0.0,
                   death, "", false);
    applyWeightAndHeight(*look);
    character_.RecalculateCharacter();
}

void CRdzenStadium::applySkin() {
    CPoz* stage = stageEntry();
    std::array<int, kSkinChildren.size()> skin{};
    std::vector<std::pair<const CPoz*, const CPoz*>> limits[2]; // (passage, entry)
    for (const CPoz* passage : passages()) {
        for (const CPoz* entry : passage->children()) {
            for (std::size_t i = 0; i < kSkinChildren.size(); ++i) {
                if (entry->typ != kSkinGroups[i].kind)
                    continue;
                int& r = skin[i];
                const int w = entry->wartosc;
                const double p = entry->modyfikator;
                if (entry->specjal == "+" || entry->specjal == "-") {
                    const int d = p == 0.0 ? w : roundToInt(r * p);
                    r += entry->specjal == "+" ? d : -d;
                } else {
                    r = p == 0.0 ? w : roundToInt(p * r);
                }
            }
            if (entry->typ == kPassageDexterityLimit)
                limits[0].emplace_back(passage, entry);
            if (entry->typ == kPassageSpeedLimit)
                limits[1].emplace_back(passage, entry);
        }
    }
    bool anything = std::ranges::any_of(skin, [](int v) { return v != 0; }) || !limits[0].empty() ||
                    !limits[1].empty();
    CPoz* skinEntry = stage->FindByKind(kSkin);
    if (!skinEntry && !anything)
        return;
    if (!skinEntry)
        skinEntry = stage->Append(makeEntry(*stage, "Skóra", "", kSkin, 0.0, 0, ""));
    for (std::size_t i = 0; i < kSkinChildren.size(); ++i)
        skinEntry->SetOrAdd(skinEntry->connection(), "", kSkinChildren[i].info, "",
                            kSkinChildren[i].kind, 0.0, skin[i], "", false);
    static constexpr std::array<SkinChild, 2> kLimitChildren = {{
        {kSkinDexterityLimit, "Ograniczenia zręczności 1/"},
        {kSkinSpeedLimit, "Ograniczenia szybkości 1/"},
    }};
    for (std::size_t i = 0; i < kLimitChildren.size(); ++i) {
        CPoz* limit = skinEntry->SetOrAdd(skinEntry->connection(), "", kLimitChildren[i].info, "",
                                          kLimitChildren[i].kind, 0.0, 0, "", false);
        // One child per passage that limits; the limit is the largest of them.
        for (const auto& [passage, entry] : limits[i])
            limit->SetOrAddBySpecjal(limit->connection(), "", entry->info,
                                     passage->specjal + "|" + std::to_string(passage->wartosc),
                                     entry->typ, 0.0, entry->wartosc, "", false);
        limit->MaxOfChildren();
        limit->wartosc = truncated(limit->total);
    }
}

void CRdzenStadium::applyWeightAndHeight(CPoz& look) {
    struct Range {
        int from = 0, to = 0;
    };
    std::array<Range, kMeasures.size()> ranges{};
    for (const CPoz* passage : passages())
        for (std::size_t i = 0; i < kMeasures.size(); ++i) {
            const CPoz* from = passage->FindByKind(kMeasures[i].fromKind);
            const CPoz* to = passage->FindByKind(kMeasures[i].toKind);
            if (from && to)
                ranges[i] = {from->wartosc, to->wartosc};
        }
    const std::array<int, kMeasures.size()> entryKinds = {kinds::stage::kHeight,
                                                          kinds::stage::kWeight};
    for (std::size_t i = 0; i < kMeasures.size(); ++i) {
        CPoz* entry = look.FindByKind(entryKinds[i]);
        if (!entry || ranges[i].from == 0 || ranges[i].to == 0)
            continue;
        entry->wartosc =
            weightFromRoll(truncated(entry->modyfikator), ranges[i].from, ranges[i].to);
    }

    // Overweight and underweight from the weight roll.
    const CPoz* weight = look.FindByKind(kinds::stage::kWeight);
    const Range& range = ranges[1];
    const int span = range.to - range.from;
    if (!weight || range.from == 0 || range.to == 0 || span == 0)
        return;
    const int distance = overweightDistance(truncated(weight->modyfikator));
    const std::string label = distance > 0 ? "Nadwaga" : "Niedowaga";
    const int heavy = roundToInt(50.0 / span * distance);
    const int slow = -roundToInt(25.0 / span * distance);
    const std::array<std::pair<std::size_t, int>, 4> parts = {{
        {kVitality, heavy},
        {kStrength, heavy},
        {2, slow},
        {3, slow},
    }};
    const std::array<int, 4> partKinds = {kOverweightVitality, kOverweightStrength,
                                          kOverweightDexterity, kOverweightSpeed};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t member = parts[i].first;
        const AttributeDef& def = attributeSet()[member];
        // Under Żywotność and Siła fizyczna the number before a "|" of the memo is the
        // fixed step of the progression; 0 lets the part grow along the scale.
        const std::string number = std::to_string(parts[i].second);
        const std::string memo =
            member == kVitality || member == kStrength ? "0|" + number : number;
        for (CPoz* top : character_.children())
            if (top->typ == def.entryKind)
                top->SetOrAdd(top->connection(), "", label, "", partKinds[i], 0.0, parts[i].second,
                              memo, true);
    }
}

void CRdzenStadium::RollRandomParts(bool askRolls) {
    Passages(0, character_.age().value_or(0), askRolls);
    CPoz* look = appearance();
    if (!look)
        return;
    const std::array<std::pair<int, const char*>, 2> measures = {{
        {kinds::stage::kHeight, "Wzrost"},
        {kinds::stage::kWeight, "Waga"},
    }};
    for (const auto& [kind, name] : measures) {
        if (look->FindByKind(kind))
            continue;
        const std::string info = kind == kinds::stage::kHeight ? "Wzrost [cm]" : "Waga [kg]";
        CPoz* entry = look->Append(makeEntry(*look, info, "", kind, 0.0, 0, "K100_PR"));
        entry->modyfikator = EvaluateDice("K100_PR", rolls(askRolls), std::string("Rasa: ") + name,
                                          DiceMode::Roll, &character_);
    }
    if (!look->FindByKind(kDeathChance))
        look->Append(
            makeEntry(*look, "Szansa na śmierć ze starości", "", kDeathChance, 0.0, 0, ""));

    const std::array<std::pair<int, int>, 2> randomParts = {{
        {kLinkBazowaOdpornoscPsychiczna, kRandomPsychic},
        {kLinkBazowaOdpornoscFizyczna, kRandomPhysical},
    }};
    for (const auto& [link, kind] : randomParts) {
        CPoz* base = character_.link(link);
        if (!base || base->FindByKind(kind))
            continue;
        CPoz* entry =
            base->Append(makeEntry(*base, "Odporność (część losowa)", "", kind, 0.0, 0, "K10_PR"));
        entry->wartosc = truncated(EvaluateDice("K10_PR", rolls(askRolls), "Rasa: " + base->info,
                                                DiceMode::Roll, &character_));
    }
}

void CRdzenStadium::AgeStep(bool askRolls) {
    CPoz* extra = character_.link(kLinkDodatkoweInformacje);
    CPoz* age = nullptr;
    if (extra)
        for (CPoz* child : extra->children())
            if (child->typ == kinds::info::kAge && child->info == "WIEK") {
                age = child;
                break;
            }
    if (!age)
        return;
    if (age->modyfikator == 0.0)
        age->modyfikator = age->wartosc;
    const int start = truncated(age->modyfikator);
    int current = start;
    if (const CPoz* trades = character_.link(kLinkZawody))
        for (const CPoz* trade : trades->children())
            if (trade->typ == kTrade)
                current += trade->wartosc;
    if (const CPoz* professions = character_.link(kLinkProfesje)) {
        int n = 0;
        for (const CPoz* profession : professions->children())
            if (profession->typ == kinds::profession::kProfession)
                current += 2 * ++n;
    }
    age->wartosc = current;
    if (!Passages(start, current, askRolls))
        return;
    GrowthProfile profile;
    FoldDisabilitiesAndAbilities(rules_, character_, port_, profile);
    Apply(profile);
}

void CRdzenStadium::FoldProfile(GrowthProfile& profile) const {
    for (const CPoz* passage : passages())
        for (const CPoz* entry : passage->children()) {
            if (entry->typ == kVitalityOther)
                profile.vitalityOther = entry->modyfikator;
            else if (entry->typ == kStrengthOther)
                profile.strengthOther = entry->modyfikator;
            for (std::size_t m = 0; m < GrowthProfile::kMembers; ++m) {
                if (kMemberKinds[m].multiplier && entry->typ == kMemberKinds[m].multiplier)
                    profile.multiply(m, entry->modyfikator);
                else if (kMemberKinds[m].limit && entry->typ == kMemberKinds[m].limit)
                    profile.mergeLimit(m, entry->wartosc);
            }
        }
}

void CRdzenStadium::RacialProficiencies() {
    CPoz* proficiencies = character_.link(kLinkBieglosci);
    if (!proficiencies)
        return;
    const CPoz* natural = character_.link(kLinkBronieNaturalne);
    const CPoz* look = appearance();
    const CPoz* groups = look ? look->FindByKind(kRaceWeaponGroups) : nullptr;
    const auto naturalWeapon = [natural](const std::string& id) -> const CPoz* {
        if (!natural)
            return nullptr;
        for (const CPoz* child : natural->children()) {
            if (child->typ == kNaturalWeapon && child->specjal == id)
                return child;
            if (child->typ == kNaturalWeaponList)
                if (const CPoz* weapon = child->FindBySpecjal(id))
                    return weapon;
        }
        return nullptr;
    };
    for (CPoz* proficiency : proficiencies->children()) {
        if (proficiency->typ != kProficiency)
            continue;
        if (proficiency->memo == "NATURALNA") {
            const CPoz* weapon = naturalWeapon(proficiency->specjal);
            if (weapon && nearlyEqual(weapon->modyfikator, 1.0))
                proficiency->SetOrAdd(proficiency->connection(), "", "Rasowa", "",
                                      kRacialProficiency, 0.0, textToInt(weapon->memo), "0|0|0|0|0",
                                      false);
        } else if (const CPoz* bonus =
                       groups ? groups->FindBySpecjal(proficiency->specjal) : nullptr) {
            proficiency->SetOrAdd(proficiency->connection(), "", "Rasowa", "", kRacialProficiency,
                                  0.0, bonus->wartosc, "0|0|0|0|0", false);
        }
    }
}

} // namespace tallar
