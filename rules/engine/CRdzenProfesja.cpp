#include "rules/engine/CRdzenProfesja.h"

#include "model/Character.h"
#include "model/Entry.h"
#include "rules/engine/CRdzenStadium.h"
#include "rules/engine/CRdzenUlomnosc.h"
#include "rules/engine/CRdzenUmiejetnosci.h"
#include "rules/engine/CRdzenZawod.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace tallar {

namespace {

using namespace kinds;

// The members of the attribute set that professions raise: the attributes and the ten
// resistances (antimagic has no professional part).
constexpr std::size_t kRaisedMembers = member::kAntimagic;

// A professional bonus: its column of `profesje`, its entry's label and kind, and the
// member of the attribute set it raises (none for the three proficiency bonuses).
struct BonusDef {
    std::string_view column;
    std::string_view name;
    int kind;
    std::optional<std::size_t> member;
};

constexpr std::size_t kBonusCount = kRaisedMembers + 3;

const std::array<BonusDef, kBonusCount>& bonusDefs() {
    static const std::array<BonusDef, kBonusCount> defs = [] {
        std::array<BonusDef, kBonusCount> made{};
        for (std::size_t m = 0; m < kRaisedMembers; ++m)
            made[m] = {attributeSet()[m].professionColumn, attributeSet()[m].formulaName,
                       perMember::kProfessionBonus[m], m};
        made[kRaisedMembers] = {"bgl_start", "Ilość biegłości początkowa",
                                profession::kInitialProficiencies, std::nullopt};
        made[kRaisedMembers + 1] = {"bgl_modyf", "Dodatek do biegłości",
                                    profession::kProficiencyBonus, std::nullopt};
        made[kRaisedMembers + 2] = {"bgl_min", "Biegłośc minimalna",
                                    profession::kMinimumProficiency, std::nullopt};
        return made;
    }();
    return defs;
}

// The bonus columns, then `zw_podst` (Zauważenie rolled twice, the better roll counting),
// of the professions named by `count` parameters.
std::string bonusQuery(std::size_t count) {
    std::string sql = "SELECT ";
    for (const BonusDef& def : bonusDefs())
        sql += std::string(def.column) + ",";
    sql += "zw_podst FROM profesje WHERE id IN (";
    for (std::size_t i = 0; i < count; ++i)
        sql += i == 0 ? "?" : ",?";
    return sql + ");";
}
constexpr int kTwiceColumn = static_cast<int>(kBonusCount);

// The member of the attribute set a field of a level raises, or none (the proficiencies
// and the base resistances).
std::optional<std::size_t> memberOfField(std::size_t field) {
    if (field < levelField::kAttributes)
        return field;
    if (field >= levelField::kResistance1 && field < levelField::kCount)
        return member::kResistance1 + (field - levelField::kResistance1);
    return std::nullopt;
}

// "Profesja" and "Poziomy doświadczenia" of Żywotność and Siła fizyczna grow along the
// experience scale: their memo holds the fixed step of that growth, the profile's other
// coefficient.
std::string otherCoefficientMemo(std::size_t m, const GrowthProfile& profile) {
    if (m == member::kVitality)
        return std::to_string(truncateToInt(profile.vitalityOther));
    if (m == member::kStrength)
        return std::to_string(truncateToInt(profile.strengthOther));
    return {};
}

constexpr const char* kProficiencyMemo = "0|0|0|0|0";
constexpr const char* kLevelsLabel = "Poziomy doświadczenia";

// The fields of an empty list of 25.
std::array<std::string, levelField::kCount> fieldsOf(std::string_view text) {
    std::array<std::string, levelField::kCount> fields;
    const std::vector<std::string> pieces = splitText(text, '|');
    for (std::size_t i = 0; i < pieces.size() && i < fields.size(); ++i)
        fields[i] = pieces[i];
    return fields;
}

std::string joined(const std::array<std::string, levelField::kCount>& fields) {
    return joinTexts(std::vector<std::string>(fields.begin(), fields.end()), '|');
}

} // namespace

// A level entry's fields: the chosen expressions (its special text), and the spans and
// dice parts last rolled (its memo, the two groups separated by "#").
struct CRdzenProfesja::LevelFields {
    std::array<std::string, levelField::kCount> choice, span, dice;

    explicit LevelFields(const CPoz& level) : choice(fieldsOf(level.specjal)) {
        const std::size_t hash = level.memo.find('#');
        span = fieldsOf(std::string_view(level.memo).substr(0, hash));
        if (hash != std::string::npos)
            dice = fieldsOf(std::string_view(level.memo).substr(hash + 1));
    }
    void store(CPoz& level) const {
        level.SetSpecjal(joined(choice));
        level.SetMemo(joined(span) + "#" + joined(dice));
    }
};

CRdzenProfesja::CRdzenProfesja(const EngineContext& context, LevelAdvancementChooser* chooser)
    : EngineStep(context), chooser_(chooser) {}

CPoz* CRdzenProfesja::professions() const {
    return character().link(kLinkProfesje);
}

CPoz* CRdzenProfesja::bonuses() const {
    const CPoz* list = professions();
    return list ? list->FindByKind(profession::kBonuses) : nullptr;
}

CPoz* CRdzenProfesja::freeProficiencies(bool make) const {
    CPoz* proficiencies = character().link(kLinkBieglosci);
    if (!proficiencies)
        return nullptr;
    if (CPoz* free = proficiencies->FindByKind(proficiency::kFree))
        return free;
    if (!make)
        return nullptr;
    return &proficiencies->AddChild({.info = "Wolne biegłości", .typ = proficiency::kFree});
}

GrowthProfile CRdzenProfesja::growthProfile() const {
    GrowthProfile profile;
    CRdzenStadium(context().automatic()).FoldProfile(profile);
    FoldDisabilitiesAndAbilities(context(), profile);
    return profile;
}

void CRdzenProfesja::foldTradeFormulas(GrowthProfile& profile) const {
    CRdzenZawod(context()).FoldTradeFormulas(profile);
}

void CRdzenProfesja::trainProfessionSkills() {
    CRdzenUmiejetnosci skills(context());
    skills.SkillsFromSource(CRdzenUmiejetnosci::kProfessions);
    keepFailureOf(skills);
}

// --- Bonuses ------------------------------------------------------------------------------

void CRdzenProfesja::AddProfessionBonuses() {
    CPoz* list = professions();
    if (!list || list->empty() || list->FindByKind(profession::kBonuses))
        return;
    std::vector<SqlParam> ids;
    for (const CPoz* child : list->children())
        ids.emplace_back(child->specjal);
    CPoz& bonusList =
        list->AddChild({.info = "Dodatki profesjonalne", .typ = profession::kBonuses});

    // Per bonus the greatest expression among the professions; Zauważenie rolled twice as
    // the last row says.
    std::array<std::optional<std::string>, kBonusCount> best;
    std::string twice;
    (void)queryRules(bonusQuery(ids.size()), ids, [&](const Row& row) {
        for (std::size_t i = 0; i < kBonusCount; ++i) {
            std::string expression = row.text(static_cast<int>(i));
            if (!best[i] || CompareDice(expression, *best[i]) > 0)
                best[i] = std::move(expression);
        }
        twice = row.text(kTwiceColumn);
    });

    for (std::size_t i = 0; i < kBonusCount; ++i) {
        const BonusDef& def = bonusDefs()[i];
        const std::string expression = best[i].value_or("");
        const double zero = evaluate(expression, DiceMode::Zero);
        const double maximum = evaluate(expression, DiceMode::Maximum);
        const double rolled = roll(expression, "Profesja: " + std::string(def.name));
        CPoz& bonus = bonusList.AddChild({.info = std::string(def.name),
                                          .specjal = std::to_string(truncateToInt(rolled - zero)),
                                          .typ = def.kind,
                                          .wartosc = truncateToInt(rolled),
                                          .modyfikator = maximum - zero,
                                          .memo = expression});
        if (def.member != member::kPerception || !twice.starts_with('T'))
            continue;
        bonus.SetInfo("Zauważenie (wsp.podstawowy)");
        const double again = roll(expression, "Profesja: Zauważenie (dod.rzut)");
        if (bonus.wartosc < again) {
            bonus.wartosc = truncateToInt(again);
            bonus.SetSpecjal(std::to_string(truncateToInt(again - zero)));
        }
    }
}

void CRdzenProfesja::setAttributePart(std::size_t m, std::string_view label, int kind, int value,
                                      const GrowthProfile& profile) {
    CPoz* entry = attributeEntry(m);
    if (!entry)
        return;
    if (CPoz* part = entry->SetOrAdd({.info = std::string(label),
                                      .typ = kind,
                                      .wartosc = value,
                                      .memo = otherCoefficientMemo(m, profile)},
                                     Neutral::Drop))
        (void)part->SetOrAdd({.info = "Mnożnik przyrostów",
                              .typ = perMember::kGrowthMultiplier[m],
                              .modyfikator = profile.members[m].multiplier},
                             Neutral::Drop);
    (void)entry->Recalculate(0.0, 0.0, 0);
}

void CRdzenProfesja::ApplyProfessionBonuses() {
    const CPoz* bonusList = bonuses();
    if (!bonusList || bonusList->empty())
        return;
    const GrowthProfile profile = growthProfile();
    CPoz* proficiencies = character().link(kLinkBieglosci);
    for (const CPoz* bonus : bonusList->children()) {
        const auto def = std::find_if(bonusDefs().begin(), bonusDefs().end(),
                                      [&](const BonusDef& d) { return d.kind == bonus->typ; });
        if (def == bonusDefs().end())
            continue;
        if (def->member) {
            const std::size_t m = *def->member;
            int value = bonus->wartosc;
            // A character whose disabilities or abilities fix Zauważenie at its best or worst
            // gets the bonus's maximum or minimum instead of its roll.
            const int balance = profile.members[m].balance;
            if (m == member::kPerception && balance != 0)
                value = truncateToInt(evaluate(bonus->memo, modeFromSign(balance)));
            setAttributePart(m, "Profesja", perMember::kProfession[m], value, profile);
        } else if (bonus->typ == profession::kInitialProficiencies) {
            if (CPoz* free = freeProficiencies(true))
                (void)free->SetOrAdd({.info = "Profesja",
                                      .typ = proficiency::kFreeFromProfession,
                                      .wartosc = bonus->wartosc},
                                     Neutral::Drop);
        } else if (bonus->typ == profession::kProficiencyBonus) {
            if (proficiencies)
                for (CPoz* weapon : proficiencies->children())
                    if (weapon->typ == proficiency::kProficiency)
                        (void)weapon->SetOrAdd({.info = "Profesja",
                                                .typ = proficiency::kFromProfession,
                                                .wartosc = bonus->wartosc,
                                                .memo = kProficiencyMemo},
                                               Neutral::Drop);
        } else if (bonus->typ == profession::kMinimumProficiency) {
            applyProficiencyMinimum(bonus->wartosc);
        }
    }
    character().RecalculateCharacter();
}

// Raises the basic training of every proficiency to the minimum; a natural weapon's only
// when its proficiency does not depend on the profession.
void CRdzenProfesja::applyProficiencyMinimum(int minimum) {
    CPoz* proficiencies = character().link(kLinkBieglosci);
    if (!proficiencies)
        return;
    for (CPoz* weapon : proficiencies->children()) {
        if (weapon->typ != proficiency::kProficiency)
            continue;
        if (weapon->memo == "NATURALNA") {
            const CPoz* natural = findNaturalWeapon(character(), weapon->specjal);
            if (!natural || !nearlyEqual(natural->modyfikator, 1.0))
                continue;
        }
        if (CPoz* training = weapon->FindByKind(proficiency::kBasicTraining))
            training->wartosc = std::max(truncateToInt(training->modyfikator), minimum);
    }
}

// --- Experience ---------------------------------------------------------------------------

void CRdzenProfesja::DistributeExperience(int points) {
    std::vector<CPoz*> experience;
    if (const CPoz* list = professions())
        for (const CPoz* child : list->children())
            if (child->typ == profession::kProfession)
                if (CPoz* held = child->FindByKind(profession::kExperience))
                    experience.push_back(held);
    if (experience.empty())
        return;
    const auto add = [](CPoz& entry, long long amount) {
        entry.wartosc =
            static_cast<int>(std::clamp<long long>(entry.wartosc + amount, INT_MIN, INT_MAX));
    };
    const int share =
        roundToInt(static_cast<double>(points) / static_cast<double>(experience.size()));
    long long left = points;
    for (std::size_t i = 0; i + 1 < experience.size(); ++i) {
        add(*experience[i], share);
        left -= share;
    }
    add(*experience.back(), left);
}

int CRdzenProfesja::HighestLevel() const {
    int highest = 0;
    if (const CPoz* list = professions())
        for (const CPoz* child : list->children())
            if (child->typ == profession::kProfession)
                if (const CPoz* level = child->FindByKind(profession::kLevel))
                    highest = std::max(highest, level->wartosc);
    return highest;
}

// --- Levels -------------------------------------------------------------------------------

int CRdzenProfesja::spanOf(std::string_view expression) const {
    return truncateToInt(evaluate(expression, DiceMode::Maximum)) -
           truncateToInt(evaluate(expression, DiceMode::Zero));
}

// The total of an entry without its "Poziomy doświadczenia" part, on a copy.
double CRdzenProfesja::valueWithoutLevels(CPoz& entry, int levelKind) const {
    const auto copy = CPoz::CopyTree(
        entry, false, [levelKind](const CPoz& child) { return child.typ != levelKind; });
    (void)copy->Recalculate(0.0, 0.0, 0);
    return copy->total;
}

CPoz& CRdzenProfesja::levelEntry(CPoz& levels, int n, bool& added) {
    added = false;
    for (CPoz* level : levels.children())
        if (level->typ == profession::kLevelEntry && level->wartosc == n)
            return *level;
    added = true;
    const std::string empty = joined({});
    return levels.AddChild({.info = "Poziom",
                            .specjal = empty,
                            .typ = profession::kLevelEntry,
                            .wartosc = n,
                            .memo = empty + "#" + empty});
}

// A new level's K10 goes to the lower base resistance, counted without its level increases
// plus those of the levels counted so far; a tie goes to the psychic one.
std::string CRdzenProfesja::levelProposal(const Increases& sums) const {
    CPoz* psychic = character().link(kLinkBazowaOdpornoscPsychiczna);
    CPoz* physical = character().link(kLinkBazowaOdpornoscFizyczna);
    const double p = (psychic ? valueWithoutLevels(*psychic, attribute::kPsychicLevels) : 0.0) +
                     sums[levelField::kBasePsychic];
    const double f = (physical ? valueWithoutLevels(*physical, attribute::kPhysicalLevels) : 0.0) +
                     sums[levelField::kBasePhysical];
    return levelChoice(p > f ? levelField::kBasePhysical : levelField::kBasePsychic);
}

std::string CRdzenProfesja::askLevelChoice(const CPoz& job, int n, const Increases& sums,
                                           const GrowthProfile& profile,
                                           const std::string& proposal) const {
    LevelAdvancement level{.profession = job.info, .level = n, .proposal = proposal};
    for (std::size_t field = 0; field < levelField::kCount; ++field) {
        double value = sums[field];
        if (const auto m = memberOfField(field)) {
            if (CPoz* entry = attributeEntry(*m))
                value = valueWithoutLevels(*entry, perMember::kExperienceLevels[*m]) +
                        roundToInt(sums[field] * profile.members[*m].multiplier);
        } else if (field == levelField::kProficiencyCount) {
            if (CPoz* free = freeProficiencies(false))
                value += valueWithoutLevels(*free, proficiency::kFreeFromLevels);
        } else if (field == levelField::kBasePsychic || field == levelField::kBasePhysical) {
            const bool psychic = field == levelField::kBasePsychic;
            if (CPoz* base = character().link(psychic ? kLinkBazowaOdpornoscPsychiczna
                                                      : kLinkBazowaOdpornoscFizyczna))
                value += valueWithoutLevels(*base, psychic ? attribute::kPsychicLevels
                                                           : attribute::kPhysicalLevels);
        }
        level.current[field] = roundToInt(value);
    }
    const std::optional<std::string> chosen = chooser_->ChooseAdvancement(level);
    return chosen ? joined(fieldsOf(*chosen)) : proposal;
}

// The rolls of one level for one profession's increases (its 13 expressions): an attribute
// takes the profession's expression when it is greater than the one stored and is rolled
// again only when its span grows; a resistance is rolled for its chosen expression when
// its span grows.
void CRdzenProfesja::rollLevel(LevelFields& fields, const std::string& increases) {
    const std::array<std::string, levelField::kCount> expressions = fieldsOf(increases);
    const auto rollField = [&](std::size_t field) {
        const std::string& expression = fields.choice[field];
        const int span = spanOf(expression);
        if (textToInt(fields.span[field]) >= span)
            return;
        const double zero = evaluate(expression, DiceMode::Zero);
        const double rolled =
            roll(expression, "Poziom doświadczenia: " + std::string(levelFieldNames()[field]));
        fields.span[field] = std::to_string(span);
        fields.dice[field] = std::to_string(truncateToInt(rolled - zero));
    };
    for (std::size_t field = 0; field < levelField::kBasePsychic; ++field) {
        if (CompareDice(expressions[field], fields.choice[field]) <= 0)
            continue;
        fields.choice[field] = expressions[field];
        rollField(field);
    }
    for (std::size_t field = levelField::kBasePsychic; field < levelField::kCount; ++field)
        rollField(field);
}

// What a level adds to a field: the constant part of its expression, plus the dice part
// rolled, rescaled to the expression's present span (a whole span of tens rolled at its
// full span gives the maximum). A field never rolled adds the constant part alone.
int CRdzenProfesja::levelIncrease(const LevelFields& fields, std::size_t field) const {
    const std::string& expression = fields.choice[field];
    const int zero = truncateToInt(evaluate(expression, DiceMode::Zero));
    const int span = truncateToInt(evaluate(expression, DiceMode::Maximum)) - zero;
    const int storedSpan = textToInt(fields.span[field]);
    const int dicePart = textToInt(fields.dice[field]);
    if (span == 0 || storedSpan <= 0)
        return zero;
    if (span % 10 == 0 && dicePart >= storedSpan)
        return span + zero;
    return zero + truncateToInt(static_cast<double>(span) / storedSpan * dicePart);
}

void CRdzenProfesja::AdvanceLevels() {
    character().RecalculateCharacter();
    GrowthProfile profile = growthProfile();
    foldTradeFormulas(profile);

    CPoz* bonusList = bonuses();
    if (!bonusList)
        return;
    CPoz* levels = bonusList->FindByKind(profession::kLevels);
    if (!levels)
        levels = &bonusList->AddChild({.info = "Poziomy", .typ = profession::kLevels});

    // Levels are shared by the professions: a level reached by two professions holds the
    // greater expressions of both and counts once, with what it adds now.
    Increases sums{};
    std::map<int, Increases> counted;
    for (const CPoz* job : professions()->children()) {
        if (job->typ != profession::kProfession)
            continue;
        const CPoz* levelChild = job->FindByKind(profession::kLevel);
        const int highest = levelChild ? std::min(levelChild->wartosc, kMaxLevel) : 0;
        for (int n = 1; n <= highest; ++n) {
            bool added = false;
            CPoz& level = levelEntry(*levels, n, added);
            LevelFields fields(level);
            if (added) {
                const std::string proposal = levelProposal(sums);
                fields.choice = fieldsOf(askRolls() && chooser_
                                             ? askLevelChoice(*job, n, sums, profile, proposal)
                                             : proposal);
            }
            rollLevel(fields, job->memo);
            Increases& before = counted[n];
            for (std::size_t field = 0; field < levelField::kCount; ++field) {
                const int increase = levelIncrease(fields, field);
                sums[field] += increase - before[field];
                before[field] = increase;
            }
            fields.store(level);
        }
    }
    writeLevelSums(sums, profile);
    giveTitles();
    trainProfessionSkills();
    character().RecalculateCharacter();
}

void CRdzenProfesja::writeLevelSums(const Increases& sums, const GrowthProfile& profile) {
    for (std::size_t field = 0; field < levelField::kCount; ++field)
        if (const auto m = memberOfField(field); m && *m < member::kResistance1)
            setAttributePart(*m, kLevelsLabel, perMember::kExperienceLevels[*m], sums[field],
                             profile);

    // The base resistances, then the ten resistances, which take their totals.
    const std::array<std::pair<int, int>, 2> bases = {{
        {kLinkBazowaOdpornoscPsychiczna, attribute::kPsychicLevels},
        {kLinkBazowaOdpornoscFizyczna, attribute::kPhysicalLevels},
    }};
    std::array<int, 2> baseTotals{};
    for (std::size_t i = 0; i < bases.size(); ++i) {
        CPoz* base = character().link(bases[i].first);
        if (!base)
            continue;
        (void)base->SetOrAdd({.info = kLevelsLabel,
                              .typ = bases[i].second,
                              .wartosc = sums[levelField::kBasePsychic + i]},
                             Neutral::Drop);
        (void)base->Recalculate(0.0, 0.0, 0);
        baseTotals[i] = truncateToInt(base->total);
    }
    for (std::size_t n = 0; n < 10; ++n) {
        const std::size_t m = member::kResistance1 + n;
        const bool psychic = n < 5;
        if (CPoz* resistance = attributeEntry(m))
            (void)resistance->SetOrAdd(
                {.info = psychic ? "Bazowa odpornośc psychiczna" : "Bazowa odpornośc fizyczna",
                 .typ = psychic ? top::kBasePsychicResistance : top::kBasePhysicalResistance,
                 .wartosc = baseTotals[psychic ? 0 : 1]},
                Neutral::Drop);
        setAttributePart(m, kLevelsLabel, perMember::kExperienceLevels[m],
                         sums[levelField::kResistance1 + n], profile);
    }

    if (CPoz* free = freeProficiencies(true))
        (void)free->SetOrAdd({.info = kLevelsLabel,
                              .typ = proficiency::kFreeFromLevels,
                              .wartosc = sums[levelField::kProficiencyCount]},
                             Neutral::Drop);
    if (CPoz* proficiencies = character().link(kLinkBieglosci))
        for (CPoz* weapon : proficiencies->children())
            if (weapon->typ == proficiency::kProficiency)
                (void)weapon->SetOrAdd({.info = kLevelsLabel,
                                        .typ = proficiency::kFromLevels,
                                        .wartosc = sums[levelField::kProficiency],
                                        .memo = kProficiencyMemo},
                                       Neutral::Drop);
}

// Each profession's label becomes its name with the title of the highest title level not
// above its level: "Wojownik (Żołnierz)". The title levels are compared as numbers.
void CRdzenProfesja::giveTitles() {
    for (CPoz* job : professions()->children()) {
        if (job->typ != profession::kProfession)
            continue;
        const CPoz* levelChild = job->FindByKind(profession::kLevel);
        const int level = levelChild ? levelChild->wartosc : 0;
        std::string titled;
        (void)queryRules(
            "SELECT A.nazwa||CASE WHEN B.tytul IS NULL THEN '' ELSE ' ('||B.tytul||')' END "
            " FROM profesje A "
            " LEFT OUTER JOIN tytuly B ON A.id=B.id AND CAST(B.poz AS INT)<=?"
            " WHERE A.id=? and ((B.poz is null) or (CAST(B.poz AS INT)=(SELECT "
            "max(CAST(C.poz AS INT)) FROM tytuly C WHERE C.id=A.id AND CAST(C.poz AS INT)<=?)));",
            {level, job->specjal, level}, [&](const Row& row) { titled = row.text(0); });
        if (!titled.empty())
            job->SetInfo(titled);
    }
}

} // namespace tallar
