#include "rules/engine/CRdzenStadium.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "rules/engine/CRdzenUlomnosc.h"
#include "rules/engine/CRdzenUmiejetnosci.h"
#include "store/db/ColumnList.h"
#include "store/db/Database.h"
#include "store/db/RowTexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>

namespace tallar {

namespace {

using namespace kinds;

constexpr std::size_t kVitality = member::kVitality;
constexpr std::size_t kStrength = member::kStrength;
constexpr std::size_t kStageMembers = 21; // the members the stage row gives with growth and limit
constexpr std::size_t kAttributeMembers = member::kAttributes;
constexpr long long kLastStageEnd = 2000000000;

// The skin and the other amounts of a passage that are not attribute-set members.
struct ExtraGroup {
    const char* prefix;
    const char* signColumn; // empty: the amount has no sign column and always sets
    const char* procColumn;
    const char* name;
    int kind;
};
constexpr std::array<ExtraGroup, 6> kSkinGroups = {{
    {"kl", "kl_znak", "kl_proc", "Wyparowania skóry kłute", stage::kSkinPiercing},
    {"tn", "tn_znak", "tn_proc", "Wyparowania skóry tnące", stage::kSkinCutting},
    {"ob", "ob_znak", "ob_proc", "Wyparowania skóry obuchowe", stage::kSkinBlunt},
    {"obr", "obr_znak", "obr_proc", "Obrona skóry", stage::kSkinDefence},
    {"ogr_zr", "ogr_zr_znak", "", "Ograniczenia zręczności", stage::kDexterityLimit},
    {"ogr_sz", "ogr_sz_znak", "", "Ograniczenia szybkości", stage::kSpeedLimit},
}};
// The children of "Skóra" that the four skin amounts fill, in the order of kSkinGroups.
struct SkinChild {
    int kind;
    const char* info;
};
constexpr std::array<SkinChild, 4> kSkinChildren = {{
    {stage::kSkinPiercingAbsorption, "Wyparowania kłute"},
    {stage::kSkinCuttingAbsorption, "Wyparowania tnące"},
    {stage::kSkinBluntAbsorption, "Wyparowania obuchowe"},
    {stage::kSkinDefenceValue, "Obrona"},
}};

// Height and weight in a passage: the range (from, to) and the change.
struct MeasureGroup {
    const char* prefix;
    const char* name;
    int fromKind, toKind, changeKind;
};
constexpr std::array<MeasureGroup, 2> kMeasures = {{
    {"wzrost", "Wzrost", stage::kHeightFrom, stage::kHeightTo, stage::kHeightChange},
    {"waga", "Waga", stage::kWeightFrom, stage::kWeightTo, stage::kWeightChange},
}};

// Natural-weapon column groups with an amount, a sign, a growth and a percentage.
struct WeaponGroup {
    const char* column;
    const char* info;
    int percentKind;
    int valueKind;
};
constexpr std::array<WeaponGroup, 10> kWeaponGroups = {{
    {"bon_do_bgl", "Bonus do biegłości", natural::kProficiencyBonusPercent,
     natural::kProficiencyBonus},
    {"bgl_min", "Biegłość minimalna", natural::kMinimumProficiencyPercent,
     natural::kMinimumProficiency},
    {"obr_kl", "Obrażenia kłute", natural::kPiercingPercent, natural::kPiercing},
    {"obr_tn", "Obrażenia tnące", natural::kCuttingPercent, natural::kCutting},
    {"obr_ob", "Obrażenia obuchowe", natural::kBluntPercent, natural::kBlunt},
    {"obrona", "Obrona", natural::kDefencePercent, natural::kDefence},
    {"opoznienie", "Opóźnienie", natural::kDelayPercent, natural::kDelay},
    {"wsp_uszk", "Współczynnik uszkodzeń", natural::kDamageFactorPercent, natural::kDamageFactor},
    {"ataki", "Ataki", natural::kAttacksPercent, natural::kAttacks},
    {"bieglosc", "Biegłość", natural::kProficiencyPercent, natural::kProficiency},
}};
struct WeaponFlag {
    const char* column;
    const char* info;
    int kind;
};
constexpr std::array<WeaponFlag, 7> kWeaponFlags = {{
    {"sp_pdw_bgl", "Podwójnie biegły", natural::kDoublyProficient},
    {"sp_spec", "Specjalista", natural::kSpecialist},
    {"sp_pdw_spec", "Podwójny specjalista", natural::kDoubleSpecialist},
    {"sp_mistrz", "Mistrz", natural::kMaster},
    {"natur_obur", "Naturalna oburęczność", natural::kNaturalAmbidexterity},
    {"bgl_prof", "Biegłość zależna od profesji", natural::kDependsOnProfession},
    {"reka", "Zajmuje kończynę trzymającą broń/tarczę", natural::kTakesHoldingLimb},
}};

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

// Where the columns of a query's rows stand. Each description below makes its SELECT list
// with ColumnList::add and keeps the positions it gave, and the reader reads only through
// them: the statement and the reading come from the same lines.

// A signed amount of the stage row: its sign, its amount and its percent mark.
struct SignedAmountColumns {
    std::size_t sign = 0, amount = 0, proc = 0;
};

SignedAmountColumns addSignedAmount(ColumnList& list, const std::string& sign,
                                    const std::string& amount, const std::string& proc) {
    SignedAmountColumns columns;
    columns.sign = list.add(sign);
    columns.amount = list.add(amount);
    columns.proc = list.add(proc);
    return columns;
}

// An attribute-set member in the stage row: its amount, growth, limit, other coefficient and
// whether it is rolled twice (the better roll counts).
struct MemberColumns {
    SignedAmountColumns value;
    std::size_t growth = 0, limit = 0, other = 0, twice = 0;
};

// Height or weight in the stage row: the range and the change.
struct MeasureColumns {
    std::size_t from = 0, to = 0;
    SignedAmountColumns change;
};

// The stage row (`stadia` A, with the character's professions B for the doubled rolls).
struct StageColumns {
    ColumnList list;
    std::array<MemberColumns, kStageMembers> members{};
    std::array<MeasureColumns, kMeasures.size()> measures{};
    std::size_t death = 0;
    SignedAmountColumns antimagic;
    std::array<SignedAmountColumns, kSkinGroups.size()> skin{};
};

const StageColumns& stageColumns() {
    static const StageColumns columns = [] {
        StageColumns c;
        for (std::size_t m = 0; m < kStageMembers; ++m) {
            const std::string p(attributeSet()[m].stagePrefix);
            MemberColumns& member = c.members[m];
            member.value = addSignedAmount(c.list, "A." + p + "_znak", "RTRIM(A." + p + "_wartosc)",
                                           "A." + p + "_proc");
            member.growth = c.list.add(growthColumn(p + "_przyrost"));
            member.limit = c.list.add("A." + p + "_limit");
            member.other =
                c.list.add(m == kVitality || m == kStrength ? "A." + p + "_innywsp" : "''");
            member.twice =
                c.list.add(m < kAttributeMembers ? "MAX(IFNULL(B." + p + "_podst,'N'))" : "'N'");
        }
        for (std::size_t i = 0; i < kMeasures.size(); ++i) {
            const std::string p(kMeasures[i].prefix);
            MeasureColumns& measure = c.measures[i];
            measure.from = c.list.add("A." + p + "_od");
            measure.to = c.list.add("A." + p + "_do");
            measure.change = addSignedAmount(c.list, "A." + p + "_znak",
                                             "RTRIM(A." + p + "_wartosc)", "A." + p + "_proc");
        }
        c.death = c.list.add("RTRIM(A.smierc_starosc)");
        c.antimagic = addSignedAmount(c.list, "A.antymagia_znak", "RTRIM(A.antymagia_wartosc)",
                                      "A.antymagia_procent");
        for (std::size_t i = 0; i < kSkinGroups.size(); ++i) {
            const ExtraGroup& group = kSkinGroups[i];
            c.skin[i] = addSignedAmount(c.list, std::string("A.") + group.signColumn,
                                        "RTRIM(A." + std::string(group.prefix) + "_wartosc)",
                                        *group.procColumn ? std::string("A.") + group.procColumn
                                                          : std::string("''"));
        }
        return c;
    }();
    return columns;
}

// A natural weapon of a stage (`stadiumbronie`).
struct WeaponColumns {
    struct Group {
        std::optional<std::size_t> range; // the proficiency's reach
        std::size_t amount = 0, sign = 0, growth = 0, proc = 0;
    };
    ColumnList list;
    std::size_t id = 0, name = 0;
    std::array<Group, kWeaponGroups.size()> groups{};
    std::array<std::size_t, kWeaponFlags.size()> flags{};
    std::size_t count = 0;
};

const WeaponColumns& weaponColumns() {
    static const WeaponColumns columns = [] {
        WeaponColumns c;
        c.id = c.list.add("id");
        c.name = c.list.add("nazwa");
        for (std::size_t i = 0; i < kWeaponGroups.size(); ++i) {
            const std::string column(kWeaponGroups[i].column);
            WeaponColumns::Group& group = c.groups[i];
            if (column == "bieglosc")
                group.range = c.list.add("zasiegi");
            group.amount = c.list.add(column);
            group.sign = c.list.add(column + "_znak");
            group.growth = c.list.add(column + "_przyr");
            group.proc = c.list.add(column + "_proc");
        }
        for (std::size_t i = 0; i < kWeaponFlags.size(); ++i)
            c.flags[i] = c.list.add(kWeaponFlags[i].column);
        c.count = c.list.add("ilosc");
        return c;
    }();
    return columns;
}

// The absorptions and defence of a body part: a property each, from an absolute and a
// percent column.
struct Absorption {
    const char* info;
    int kind;
    const char* absoluteColumn;
    const char* percentColumn;
};
constexpr std::array<Absorption, 4> kAbsorptions = {{
    {"wyparowania kłute", body::kPiercingProperty, "A.wyp_kl", "A.wyp_kl_proc"},
    {"wyparowania tnące", body::kCuttingProperty, "A.wyp_tn", "A.wyp_tn_proc"},
    {"wyparowania obuchowe", body::kBluntProperty, "A.wyp_ob", "A.wyp_ob_proc"},
    {"obrona", body::kDefenceProperty, "A.obr", "A.obr_proc"},
}};

// A body part of a stage (`stadiumczesci` A) with its default part (`czescicialadef` B).
struct PartColumns {
    ColumnList list;
    std::size_t id = 0, name = 0, share = 0, wound = 0, severing = 0;
    std::array<std::pair<std::size_t, std::size_t>, kAbsorptions.size()> absorptions{};
    std::size_t selectiveHit = 0, canHold = 0, defaultLocation = 0, defaultPart = 0;
};

const PartColumns& partColumns() {
    static const PartColumns columns = [] {
        PartColumns c;
        c.id = c.list.add("A.id");
        c.name = c.list.add("B.nazwa");
        c.share = c.list.add("A.proc_cal_zyw");
        c.wound = c.list.add("A.wpl_obr_na_zyw");
        c.severing = c.list.add("A.odc_pow_smi");
        for (std::size_t i = 0; i < kAbsorptions.size(); ++i) {
            c.absorptions[i].first = c.list.add(kAbsorptions[i].absoluteColumn);
            c.absorptions[i].second = c.list.add(kAbsorptions[i].percentColumn);
        }
        c.selectiveHit = c.list.add("A.modtrsel");
        c.canHold = c.list.add("A.bron_tarcza");
        c.defaultLocation = c.list.add("A.domyslna");
        c.defaultPart = c.list.add("B.id");
        return c;
    }();
    return columns;
}

int truncated(double value) {
    return static_cast<int>(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

} // namespace

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
    std::size_t member = 0; // the attribute-set member, for a group with a multiplier
    int valueKind = 0, multiplierKind = 0, limitKind = 0, otherKind = 0;
    bool alwaysSets = false; // an amount without a sign column
};

CRdzenStadium::CRdzenStadium(const EngineContext& context) : EngineStep(context) {}

double CRdzenStadium::rollAmount(const std::string& amount, const std::string& prompt, bool twice) {
    const double first = roll(amount, prompt);
    if (!twice)
        return first;
    return std::max(first, roll(amount, prompt + "(dod.rzut)"));
}

CPoz* CRdzenStadium::appearance() const {
    const CPoz* extra = character().link(kLinkDodatkoweInformacje);
    return extra ? extra->FindByKind(info::kAppearance) : nullptr;
}

CPoz* CRdzenStadium::stageEntry() const {
    const CPoz* look = appearance();
    return look ? look->FindByKind(stage::kStage) : nullptr;
}

CPoz* CRdzenStadium::passageList(bool make) {
    CPoz* entry = stageEntry();
    if (!entry)
        return nullptr;
    CPoz* list = entry->FindByKind(stage::kPassages);
    if (!list && make)
        list = &entry->AddChild({.info = "Kolejne przeistoczenia", .typ = stage::kPassages});
    return list;
}

std::vector<CPoz*> CRdzenStadium::passages() const {
    std::vector<CPoz*> found;
    const CPoz* entry = stageEntry();
    const CPoz* list = entry ? entry->FindByKind(stage::kPassages) : nullptr;
    if (list)
        for (CPoz* child : list->children())
            if (child->typ == stage::kPassage)
                found.push_back(child);
    return found;
}

std::vector<std::string> CRdzenStadium::professionIds() const {
    std::vector<std::string> ids;
    if (const CPoz* professions = character().link(kLinkProfesje))
        for (const CPoz* child : professions->children())
            if (child->typ == profession::kProfession)
                ids.push_back(child->specjal);
    return ids;
}

bool CRdzenStadium::Passages(int fromAge, int toAge) {
    CPoz* look = appearance();
    if (!look)
        return false;
    struct Stage {
        std::string id, name;
        long long from = 0, step = 0;
    };
    std::vector<Stage> stages;
    (void)queryRules("SELECT id,od,skok,nazwa FROM stadia WHERE idrasa=? ORDER BY CAST(od AS int);",
                     {look->specjal}, [&](const Row& row) {
                         stages.push_back({row.text(0), row.text(3), textToInt(row.text(1)),
                                           textToInt(row.text(2))});
                     });
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
                made.push_back(&list.AddChild({.info = stage.name,
                                               .specjal = stage.id,
                                               .typ = kinds::stage::kPassage,
                                               .wartosc = static_cast<int>(age),
                                               .modyfikator = static_cast<double>(stage.from)}));
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
        readStageRow(*passage, firstOfStage);
        readNaturalWeapons(passage->specjal);
        readBodyParts(passage->specjal);
    }
    // The skills of the character's stage, once for all passages made.
    if (!made.empty())
        CRdzenUmiejetnosci(context()).SkillsFromSource(CRdzenUmiejetnosci::kRaceStage);
    return !passages().empty();
}

void CRdzenStadium::readStageRow(CPoz& passage, bool firstOfStage) {
    const StageColumns& columns = stageColumns();
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
    const std::string sql = "SELECT " + columns.list.sql() +
                            " FROM stadia A LEFT JOIN profesje B ON B.id IN (" + placeholders +
                            ") WHERE A.id=? GROUP BY A.id";

    RowTexts row;
    (void)queryRules(sql, params, [&row](const Row& r) { row = RowTexts(r); });
    if (row.empty())
        return;

    const auto readSignedAmount = [&row](AmountGroup& g, const SignedAmountColumns& at) {
        g.sign = trimmed(row[at.sign]);
        g.amount = row[at.amount];
        g.proc = trimmed(row[at.proc]);
    };
    std::array<AmountGroup, kStageMembers> members;
    for (std::size_t m = 0; m < kStageMembers; ++m) {
        const MemberColumns& at = columns.members[m];
        AmountGroup& g = members[m];
        g.name = passageName(m);
        readSignedAmount(g, at.value);
        g.growth = row[at.growth];
        g.limit = trimmed(row[at.limit]);
        g.other = trimmed(row[at.other]);
        g.twice = isSet(row[at.twice]);
        g.member = m;
        g.valueKind = perMember::kPassageAmount[m];
        g.multiplierKind = perMember::kPassageMultiplier[m];
        g.limitKind = perMember::kPassageLimit[m];
        g.otherKind = m == kVitality   ? stage::kVitalityOther
                      : m == kStrength ? stage::kStrengthOther
                                       : 0;
    }
    std::array<AmountGroup, 2> changes;
    for (std::size_t i = 0; i < kMeasures.size(); ++i) {
        const MeasureGroup& measure = kMeasures[i];
        const MeasureColumns& at = columns.measures[i];
        const std::string from = trimmed(row[at.from]);
        const std::string to = trimmed(row[at.to]);
        if (!from.empty() || !to.empty()) {
            passage.AddChild({.info = std::string(measure.name) + " od",
                              .typ = measure.fromKind,
                              .wartosc = textToInt(from)});
            passage.AddChild({.info = std::string(measure.name) + " do",
                              .typ = measure.toKind,
                              .wartosc = textToInt(to)});
        }
        AmountGroup& g = changes[i];
        g.name = std::string(measure.name) + " zmiana";
        readSignedAmount(g, at.change);
        g.valueKind = measure.changeKind;
    }

    // The rolls go in the order of the columns: attributes, height and weight,
    // resistances, death of old age, antimagic, skin, limits.
    for (std::size_t m = 0; m < kAttributeMembers; ++m)
        makeAmountEntries(passage, members[m], firstOfStage);
    for (const AmountGroup& change : changes)
        makeAmountEntries(passage, change, firstOfStage);
    for (std::size_t m = kAttributeMembers; m < kStageMembers; ++m)
        makeAmountEntries(passage, members[m], firstOfStage);

    AmountGroup death;
    death.name = "Śmierć ze starości";
    death.sign = "=";
    death.amount = row[columns.death];
    death.valueKind = stage::kDeath;
    death.alwaysSets = true;
    makeAmountEntries(passage, death, firstOfStage);

    AmountGroup antimagicGroup;
    antimagicGroup.name = std::string(antimagic().entryLabel);
    readSignedAmount(antimagicGroup, columns.antimagic);
    antimagicGroup.valueKind = perMember::kPassageAmount[member::kAntimagic];
    makeAmountEntries(passage, antimagicGroup, firstOfStage);

    for (std::size_t i = 0; i < kSkinGroups.size(); ++i) {
        const ExtraGroup& extra = kSkinGroups[i];
        AmountGroup g;
        g.name = extra.name;
        readSignedAmount(g, columns.skin[i]);
        g.valueKind = extra.kind;
        makeAmountEntries(passage, g, firstOfStage);
    }
    if (Status read = row.status("stadia"); !read)
        report(read);
}

void CRdzenStadium::makeAmountEntries(CPoz& passage, const AmountGroup& group, bool firstOfStage) {
    // "+" and "-" change the value at every passage; any other sign sets it, which only the
    // first passage of a stage does (its later passages would set the same again).
    const bool changes = group.sign == "+" || group.sign == "-";
    const bool sets = !group.sign.empty() && !changes && firstOfStage;
    const bool hasAmount = !trimmed(group.amount).empty();
    if ((changes || sets) && (hasAmount || !group.alwaysSets)) {
        const double thrown = rollAmount(group.amount, "Rasa: " + group.name, group.twice);
        const bool percent = group.proc == "%";
        passage.AddChild({.info = group.name,
                          .specjal = group.sign,
                          .typ = group.valueKind,
                          .wartosc = percent ? 0 : truncated(thrown),
                          .modyfikator = percent ? thrown / 100.0 : 0.0,
                          .memo = group.amount});
    }
    if (!firstOfStage || !group.multiplierKind)
        return;
    if (group.sign.empty() && !hasAmount && group.limit.empty() && textToReal(group.growth) == 1.0)
        return;
    passage.AddChild({.info = multiplierName(group.member),
                      .typ = group.multiplierKind,
                      .modyfikator = textToReal(group.growth)});
    passage.AddChild(
        {.info = group.name + " limit", .typ = group.limitKind, .wartosc = textToInt(group.limit)});
    // The other coefficient is read from the modifier; the value shows it in the tree.
    if (group.otherKind)
        passage.AddChild({.info = group.name + " inny współczynnik zmiany 200/600...",
                          .typ = group.otherKind,
                          .wartosc = truncated(textToReal(group.other)),
                          .modyfikator = textToReal(group.other)});
}

void CRdzenStadium::readNaturalWeapons(const std::string& stageId) {
    CPoz* naturalWeapons = character().link(kLinkBronieNaturalne);
    if (!naturalWeapons)
        return;
    const WeaponColumns& columns = weaponColumns();
    std::vector<RowTexts> weapons;
    (void)queryRules("SELECT " + columns.list.sql() +
                         " FROM stadiumbronie WHERE idstadium=? ORDER BY id",
                     {stageId}, [&weapons](const Row& row) { weapons.emplace_back(row); });
    if (weapons.empty())
        return;

    CPoz* list = naturalWeapons->FindByKind(natural::kList);
    if (!list)
        list = &naturalWeapons->AddChild({.info = "Bronie rasowe", .typ = natural::kList});
    for (const RowTexts& t : weapons) {
        // A later passage of the same stage keeps the weapon rolled at the first one.
        if (list->FindBySpecjal(t[columns.id]))
            continue;
        CPoz& entry = list->AddChild({.info = t[columns.name],
                                      .specjal = t[columns.id],
                                      .typ = natural::kWeapon,
                                      .modyfikator = 1.0});
        const std::string prompt = "Bron rasowa: " + t[columns.name];
        int proficiency = 0;
        for (std::size_t i = 0; i < kWeaponGroups.size(); ++i) {
            const WeaponGroup& group = kWeaponGroups[i];
            const WeaponColumns::Group& at = columns.groups[i];
            if (at.range) {
                const std::string range = trimmed(t[*at.range]);
                if (!range.empty())
                    entry.AddChild({.info = "Zasięg", .typ = natural::kRange, .memo = range});
            }
            const std::string amount = trimmed(t[at.amount]);
            const std::string sign = trimmed(t[at.sign]);
            const std::string growth = trimmed(t[at.growth]);
            const std::string proc = trimmed(t[at.proc]);
            if (amount.empty() && growth.empty())
                continue;
            const double thrown = roll(amount, prompt);
            const bool percent = proc == "%";
            entry.AddChild({.info = group.info,
                            .specjal = sign + "|" + growth + "|" + proc,
                            .typ = percent ? group.percentKind : group.valueKind,
                            .wartosc = truncated(thrown),
                            .modyfikator = percent ? thrown / 100.0 : 0.0,
                            .memo = amount});
            if (std::string_view(group.column) == "bieglosc")
                proficiency = truncated(thrown);
        }
        bool dependsOnProfession = false;
        for (std::size_t i = 0; i < kWeaponFlags.size(); ++i) {
            const WeaponFlag& flag = kWeaponFlags[i];
            const bool set = isSet(trimmed(t[columns.flags[i]]));
            if (flag.kind == natural::kDependsOnProfession)
                dependsOnProfession = set;
            if (set)
                entry.AddChild({.info = flag.info, .typ = flag.kind, .wartosc = 1});
        }
        const std::string count = trimmed(t[columns.count]);
        if (!count.empty())
            entry.AddChild({.info = "Ilość", .typ = natural::kCount, .wartosc = textToInt(count)});
        // The racial proficiency reads these two: the natural proficiency, and whether it
        // holds for every profession (1.0) or depends on the profession (0).
        entry.memo = std::to_string(proficiency);
        entry.modyfikator = dependsOnProfession ? 0.0 : 1.0;
        if (Status read = t.status("stadiumbronie"); !read)
            return report(read);
    }
}

void CRdzenStadium::readBodyParts(const std::string& stageId) {
    CPoz* bodyEntry = character().link(kLinkCialo);
    if (!bodyEntry)
        return;
    // The properties are the stage row's own; the default part gives only its name and
    // identifier, so a blank column of the stage row makes no property.
    const PartColumns& columns = partColumns();
    const std::string sql = "SELECT " + columns.list.sql() +
                            " FROM stadiumczesci A JOIN czescicialadef B ON B.id=A.id_nad"
                            " JOIN stadia C ON C.id=A.idstadium WHERE A.idstadium=? ORDER BY A.id";
    std::vector<RowTexts> parts;
    (void)queryRules(sql, {stageId}, [&parts](const Row& row) {
        std::vector<std::string> texts;
        texts.reserve(static_cast<std::size_t>(row.columnCount()));
        for (int c = 0; c < row.columnCount(); ++c)
            texts.push_back(trimmed(row.text(c)));
        parts.emplace_back(std::move(texts));
    });

    const auto evaluated = [this](const std::string& text) {
        return evaluate(text, DiceMode::Zero);
    };
    for (const RowTexts& t : parts) {
        // A character has each part once: a later stage's part of the same default part
        // takes the place of the earlier one; a later passage of the same stage keeps it.
        CPoz* part = nullptr;
        for (CPoz* existing : bodyEntry->children())
            if (existing->typ == body::kPart && existing->memo == t[columns.defaultPart])
                part = existing;
        if (part && part->specjal == t[columns.id])
            continue;
        if (part) {
            part->UsunAll();
            part->info = t[columns.name];
            part->specjal = t[columns.id];
        } else {
            part = &bodyEntry->AddChild({.info = t[columns.name],
                                         .specjal = t[columns.id],
                                         .typ = body::kPart,
                                         .memo = t[columns.defaultPart]});
        }
        // What the equipment and armour read at once: a part that can hold a weapon or a
        // shield has the value 1, the default location of blows the modifier 1.0.
        part->wartosc = isSet(t[columns.canHold]) ? 1 : 0;
        part->modyfikator = isSet(t[columns.defaultLocation]) ? 1.0 : 0.0;
        const auto child = [part](const char* info, int kind) -> CPoz& {
            return part->AddChild({.info = info, .typ = kind});
        };
        child("Żywotność", body::kVitality);
        child("Wyparowania kłute", body::kPiercing);
        child("Wyparowania tnące", body::kCutting);
        child("Wyparowania obuchowe", body::kBlunt);
        child("Obrona", body::kDefence);
        child("Obrona daleka", body::kRangedDefence);
        CPoz& dexterity = child("Obrona ze zręczności", body::kDexterityDefence);
        dexterity.modyfikator = 1.0;
        if (CPoz* current = character().link(kLinkZrecznoscAktualna))
            dexterity.MakeReference(*current, true);

        CPoz& properties = child("Właściwości", body::kProperties);
        const auto property = [&properties](const char* info, int kind, double modifier,
                                            int value) {
            properties.AddChild(
                {.info = info, .typ = kind, .wartosc = value, .modyfikator = modifier});
        };
        const auto flag = [&property](const std::string& text, const char* info, int kind) {
            if (!text.empty())
                property(info, kind, 0.0, isSet(text) ? 1 : 0);
        };
        if (const std::string& share = t[columns.share]; !share.empty())
            property("procent całej żywotności", body::kShareOfVitality, evaluated(share) / 100.0,
                     0);
        if (const std::string& wound = t[columns.wound]; !wound.empty())
            property("wpływ obrażen na żywotność", body::kWoundEffect, evaluated(wound) / 100.0, 0);
        flag(t[columns.severing], "odcięcie powoduje śmierć", body::kSeveringKills);
        for (std::size_t i = 0; i < kAbsorptions.size(); ++i) {
            const std::string& absolute = t[columns.absorptions[i].first];
            const std::string& percent = t[columns.absorptions[i].second];
            if (!absolute.empty() || !percent.empty())
                property(kAbsorptions[i].info, kAbsorptions[i].kind, textToReal(percent) / 100.0,
                         textToInt(absolute));
        }
        if (const std::string& hit = t[columns.selectiveHit]; !hit.empty())
            property("modyfikator trafienia selektywnego", body::kSelectiveHit, 0.0,
                     truncated(evaluated(hit)));
        flag(t[columns.canHold], "może trzymać broń/tarczę", body::kCanHold);
        flag(t[columns.defaultLocation], "domyślna lokacja ciosów", body::kDefaultLocation);
        if (Status read = t.status("stadiumczesci"); !read)
            return report(read);
    }
}

int CRdzenStadium::racialPart(std::size_t member, const GrowthProfile& profile) const {
    const int amountKind = perMember::kPassageAmount[member];
    const int multiplierKind = perMember::kPassageMultiplier[member];
    const int limitKind = perMember::kPassageLimit[member];
    const GrowthProfile::Member& shape = profile.members[member];
    const bool progressive = member == kVitality || member == kStrength;
    const int otherKind = member == kVitality ? stage::kVitalityOther : stage::kStrengthOther;
    const DiceMode balanceMode = modeFromSign(shape.balance);

    int r = 0;
    double g = 1.0;
    int limit = 0;
    int other = 0;
    for (const CPoz* passage : passages()) {
        // The stage's growth, limit and other coefficient hold from its first passage on.
        for (const CPoz* entry : passage->children()) {
            if (multiplierKind && entry->typ == multiplierKind)
                g = entry->modyfikator == 0.0 ? 1.0 : entry->modyfikator;
            else if (limitKind && entry->typ == limitKind)
                limit = entry->wartosc;
            else if (progressive && entry->typ == otherKind)
                other = truncated(entry->modyfikator);
        }
        for (const CPoz* entry : passage->children()) {
            if (entry->typ != amountKind)
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
                    const int start = truncated(evaluate(e, DiceMode::Zero));
                    const int amount = shape.balance != 0 ? truncated(evaluate(e, balanceMode)) : w;
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
                    r = shape.balance != 0 ? truncated(evaluate(e, balanceMode)) : w;
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
        CPoz* entry = attributeEntry(m);
        if (!entry)
            continue;
        // The racial part of Żywotność and Siła fizyczna already stands on the experience
        // scale. Its parent sums it along the progression, whose fixed step the memo gives:
        // a step of 1 makes it count at its value rather than as steps from 0.
        const std::string stepOfOne = m == kVitality || m == kStrength ? "1" : "";
        (void)entry->SetOrAdd({.info = "Rasowa",
                               .specjal = stepOfOne,
                               .typ = perMember::kRacial[m],
                               .wartosc = racialPart(m, profile),
                               .memo = stepOfOne});
    }
    applySkin();

    // The death chance is the one set last.
    int death = 0;
    for (const CPoz* passage : passages())
        for (const CPoz* entry : passage->children())
            if (entry->typ == stage::kDeath)
                death = entry->wartosc;
    (void)look->SetOrAdd(
        {.info = "Szansa na śmierć ze starości", .typ = stage::kDeathChance, .wartosc = death});
    applyWeightAndHeight(*look);
    character().RecalculateCharacter();
}

void CRdzenStadium::applySkin() {
    CPoz* stageNow = stageEntry();
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
            if (entry->typ == stage::kDexterityLimit)
                limits[0].emplace_back(passage, entry);
            if (entry->typ == stage::kSpeedLimit)
                limits[1].emplace_back(passage, entry);
        }
    }
    bool anything = std::ranges::any_of(skin, [](int v) { return v != 0; }) || !limits[0].empty() ||
                    !limits[1].empty();
    CPoz* skinEntry = stageNow->FindByKind(stage::kSkin);
    if (!skinEntry && !anything)
        return;
    if (!skinEntry)
        skinEntry = &stageNow->AddChild({.info = "Skóra", .typ = stage::kSkin});
    for (std::size_t i = 0; i < kSkinChildren.size(); ++i)
        (void)skinEntry->SetOrAdd(
            {.info = kSkinChildren[i].info, .typ = kSkinChildren[i].kind, .wartosc = skin[i]});
    static constexpr std::array<SkinChild, 2> kLimitChildren = {{
        {stage::kSkinDexterityLimit, "Ograniczenia zręczności 1/"},
        {stage::kSkinSpeedLimit, "Ograniczenia szybkości 1/"},
    }};
    for (std::size_t i = 0; i < kLimitChildren.size(); ++i) {
        CPoz* limit =
            skinEntry->SetOrAdd({.info = kLimitChildren[i].info, .typ = kLimitChildren[i].kind});
        // One child per passage that limits; the limit is the largest of them.
        for (const auto& [passage, entry] : limits[i])
            (void)limit->SetOrAddBySpecjal(
                {.info = entry->info,
                 .specjal = passage->specjal + "|" + std::to_string(passage->wartosc),
                 .typ = entry->typ,
                 .wartosc = entry->wartosc});
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
    const std::array<int, kMeasures.size()> entryKinds = {stage::kHeight, stage::kWeight};
    for (std::size_t i = 0; i < kMeasures.size(); ++i) {
        CPoz* entry = look.FindByKind(entryKinds[i]);
        if (!entry || ranges[i].from == 0 || ranges[i].to == 0)
            continue;
        entry->wartosc =
            weightFromRoll(truncated(entry->modyfikator), ranges[i].from, ranges[i].to);
    }

    // Overweight and underweight from the weight roll.
    const CPoz* weight = look.FindByKind(stage::kWeight);
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
        {member::kDexterity, slow},
        {member::kSpeed, slow},
    }};
    const std::array<int, 4> partKinds = {
        attribute::kOverweightVitality, attribute::kOverweightStrength,
        attribute::kOverweightDexterity, attribute::kOverweightSpeed};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t member = parts[i].first;
        const AttributeDef& def = attributeSet()[member];
        // Under Żywotność and Siła fizyczna the number before a "|" of the memo is the
        // fixed step of the progression; 0 lets the part grow along the scale.
        const std::string number = std::to_string(parts[i].second);
        const std::string memo =
            member == kVitality || member == kStrength ? "0|" + number : number;
        for (CPoz* entry : character().children())
            if (entry->typ == def.entryKind)
                (void)entry->SetOrAdd(
                    {.info = label, .typ = partKinds[i], .wartosc = parts[i].second, .memo = memo},
                    Neutral::Drop);
    }
}

const CPoz* findNaturalWeapon(const CIstota& character, std::string_view id) {
    const CPoz* naturalWeapons = character.link(kLinkBronieNaturalne);
    if (!naturalWeapons)
        return nullptr;
    for (const CPoz* child : naturalWeapons->children()) {
        if (child->typ == natural::kWeapon && child->specjal == id)
            return child;
        if (child->typ == natural::kList)
            if (const CPoz* weapon = child->FindBySpecjal(id))
                return weapon;
    }
    return nullptr;
}

void CRdzenStadium::RollRandomParts() {
    Passages(0, character().age().value_or(0));
    CPoz* look = appearance();
    if (!look)
        return;
    const std::array<std::pair<int, const char*>, 2> measures = {{
        {stage::kHeight, "Wzrost"},
        {stage::kWeight, "Waga"},
    }};
    for (const auto& [kind, name] : measures) {
        if (look->FindByKind(kind))
            continue;
        CPoz& entry = look->AddChild({.info = kind == stage::kHeight ? "Wzrost [cm]" : "Waga [kg]",
                                      .typ = kind,
                                      .memo = "K100_PR"});
        entry.modyfikator = roll("K100_PR", std::string("Rasa: ") + name);
    }
    if (!look->FindByKind(stage::kDeathChance))
        look->AddChild({.info = "Szansa na śmierć ze starości", .typ = stage::kDeathChance});

    const std::array<std::pair<int, int>, 2> randomParts = {{
        {kLinkBazowaOdpornoscPsychiczna, attribute::kPsychicRandom},
        {kLinkBazowaOdpornoscFizyczna, attribute::kPhysicalRandom},
    }};
    for (const auto& [link, kind] : randomParts) {
        CPoz* base = character().link(link);
        if (!base || base->FindByKind(kind))
            continue;
        CPoz& entry =
            base->AddChild({.info = "Odporność (część losowa)", .typ = kind, .memo = "K10_PR"});
        entry.wartosc = truncated(roll("K10_PR", "Rasa: " + base->info));
    }
}

void CRdzenStadium::AgeStep() {
    CPoz* extra = character().link(kLinkDodatkoweInformacje);
    CPoz* age = nullptr;
    if (extra)
        for (CPoz* child : extra->children())
            if (child->typ == info::kAge && child->info == "WIEK") {
                age = child;
                break;
            }
    if (!age)
        return;
    if (age->modyfikator == 0.0)
        age->modyfikator = age->wartosc;
    const int start = truncated(age->modyfikator);
    int current = start;
    if (const CPoz* trades = character().link(kLinkZawody))
        for (const CPoz* entry : trades->children())
            if (entry->typ == trade::kTrade)
                current += entry->wartosc;
    if (const CPoz* professions = character().link(kLinkProfesje)) {
        int n = 0;
        for (const CPoz* entry : professions->children())
            if (entry->typ == profession::kProfession)
                current += 2 * ++n;
    }
    age->wartosc = current;
    if (!Passages(start, current))
        return;
    GrowthProfile profile;
    FoldDisabilitiesAndAbilities(context(), profile);
    Apply(profile);
}

void CRdzenStadium::FoldProfile(GrowthProfile& profile) const {
    for (const CPoz* passage : passages())
        for (const CPoz* entry : passage->children()) {
            if (entry->typ == stage::kVitalityOther)
                profile.vitalityOther = entry->modyfikator;
            else if (entry->typ == stage::kStrengthOther)
                profile.strengthOther = entry->modyfikator;
            for (std::size_t m = 0; m < GrowthProfile::kMembers; ++m) {
                const int multiplierKind = perMember::kPassageMultiplier[m];
                const int limitKind = perMember::kPassageLimit[m];
                if (multiplierKind && entry->typ == multiplierKind)
                    profile.multiply(m, entry->modyfikator);
                else if (limitKind && entry->typ == limitKind)
                    profile.mergeLimit(m, entry->wartosc);
            }
        }
}

void CRdzenStadium::RacialProficiencies() {
    CPoz* proficiencies = character().link(kLinkBieglosci);
    if (!proficiencies)
        return;
    const CPoz* look = appearance();
    const CPoz* groups = look ? look->FindByKind(stage::kRaceWeaponGroups) : nullptr;
    std::vector<const CPoz*> naturalWeapons;
    if (const CPoz* list = character().link(kLinkBronieNaturalne))
        WalkTree(*list, [&naturalWeapons](const CPoz& entry, int) {
            if (entry.typ != natural::kWeapon)
                return true;
            naturalWeapons.push_back(&entry);
            return false;
        });
    const auto hasProficiency = [proficiencies](const std::string& id) {
        for (const CPoz* child : proficiencies->children())
            if (child->typ == kinds::proficiency::kProficiency && child->specjal == id)
                return true;
        return false;
    };

    // The character is proficient in its race's weapon groups and its natural weapons
    // from the start: they get their proficiency entries, which cost no free proficiency.
    if (groups)
        for (const CPoz* group : groups->children())
            if (!group->specjal.empty() && !hasProficiency(group->specjal))
                proficiencies->AddChild({.info = group->info,
                                         .specjal = group->specjal,
                                         .typ = kinds::proficiency::kProficiency});
    for (const CPoz* weapon : naturalWeapons)
        if (!weapon->specjal.empty() && !hasProficiency(weapon->specjal))
            proficiencies->AddChild({.info = weapon->info,
                                     .specjal = weapon->specjal,
                                     .typ = kinds::proficiency::kProficiency,
                                     .memo = "NATURALNA"});

    for (CPoz* proficiency : proficiencies->children()) {
        if (proficiency->typ != kinds::proficiency::kProficiency)
            continue;
        if (proficiency->memo == "NATURALNA") {
            const CPoz* weapon = findNaturalWeapon(character(), proficiency->specjal);
            if (weapon && nearlyEqual(weapon->modyfikator, 1.0))
                (void)proficiency->SetOrAdd({.info = "Rasowa",
                                             .typ = stage::kRacialProficiency,
                                             .wartosc = textToInt(weapon->memo),
                                             .memo = "0|0|0|0|0"});
        } else if (const CPoz* bonus =
                       groups ? groups->FindBySpecjal(proficiency->specjal) : nullptr) {
            (void)proficiency->SetOrAdd({.info = "Rasowa",
                                         .typ = stage::kRacialProficiency,
                                         .wartosc = bonus->wartosc,
                                         .memo = "0|0|0|0|0"});
        }
    }
}

} // namespace tallar
