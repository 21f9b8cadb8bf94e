#include "rules/engine/CRdzenUmiejetnosci.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "model/Entry.h"
#include "rules/engine/CRdzenProfesja.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"

#include <algorithm>
#include <array>

namespace tallar {

namespace {

using namespace kinds;

// The tables whose rows a skill may have, in the order of the first four flags.
constexpr std::array<const char*, 4> kOwnedTables = {"modyfikacje", "szanse", "skutkirzutow",
                                                     "rzutyobronne"};

// The grade numbers of the trade skills' query. The master grades rank above "ZAWOD3"
// (docs/RULES.md); any other code is 0.
constexpr const char* kGradeNumbers = "WHEN 'ZAWOD1' THEN 10 WHEN 'ZAWODS' THEN 15 "
                                      "WHEN 'ZAWOD2' THEN 20 WHEN 'ZAWOD3' THEN 30 "
                                      "WHEN 'ZAWOD4' THEN 40 WHEN 'ZAWOD5' THEN 50 "
                                      "WHEN 'ZAWOD6' THEN 60 ELSE 0 END";

// "?,?,…,''": a placeholder per value, closed by an empty text, as the lists of
// identifiers in these queries are.
std::string placeholders(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += "?,";
    return text + "''";
}

bool flagSet(std::string_view flags, std::size_t position) {
    return position < flags.size() && flags[position] == 'T';
}

bool isBorrowedChoice(const CPoz& skill) {
    return skill.typ == skill::kSkill && nearlyEqual(skill.modyfikator, 1.0);
}

bool holdsBorrowedChoice(const CPoz& group) {
    return std::ranges::any_of(group.children(),
                               [](const CPoz* child) { return isBorrowedChoice(*child); });
}

} // namespace

const std::string& skillFlagsExpression() {
    static const std::string expression = [] {
        std::string sql;
        for (const char* table : kOwnedTables)
            sql += std::string(" CASE WHEN EXISTS (SELECT 1 FROM ") + table +
                   "  B WHERE B.idumiejetnosc=A.id) THEN 'T' ELSE 'N' END|| ";
        // The skill's own flags, 5 to 35: its flag columns in the table's order.
        for (const ColumnDef& column : findTable("umiejetnosci")->columns)
            if (column.flag)
                sql += " CASE WHEN A." + std::string(column.name) + "='T' THEN 'T' ELSE 'N' END|| ";
        sql += " CASE WHEN A.polaczana<>'T' THEN 'T' ELSE CASE WHEN (SELECT "
               "MIN(CASE WHEN SUBB.idumiejjeden<SUBB.idumiejdwa THEN SUBB.idumiejjeden ELSE "
               "SUBB.idumiejdwa END) FROM umiejumiej SUBB WHERE (SUBB.idumiejdwa=A.id OR "
               "SUBB.idumiejjeden=A.id))=A.id THEN 'T' ELSE 'N' END END wlaczenia ";
        return sql;
    }();
    return expression;
}

bool modificationsCount(std::string_view flags) {
    return flagSet(flags, skillFlag::kModifications) && !flagSet(flags, skillFlag::kChances) &&
           !flagSet(flags, skillFlag::kDeclaration);
}

std::string TrainingOffer::line() const {
    return name + " (" + std::to_string(price) + " Bgł.)";
}

// One row of a skills query, in its column order.
struct CRdzenUmiejetnosci::SkillRow {
    std::string sourceId, sourceName;
    int poz = 0;
    std::string skillId, skillName, flags;

    explicit SkillRow(const Row& row)
        : sourceId(row.text(0)), sourceName(row.text(1)), poz(textToInt(row.text(2))),
          skillId(row.text(3)), skillName(row.text(4)), flags(row.text(5)) {}
};

CRdzenUmiejetnosci::CRdzenUmiejetnosci(const EngineContext& context) : EngineStep(context) {}

CPoz* CRdzenUmiejetnosci::skillsEntry() const {
    return character().link(kLinkUmiejetnosci);
}

void CRdzenUmiejetnosci::SkillsFromSource(SkillSource source) {
    switch (source) {
    case kProfessions:
        skillsFromProfessions();
        break;
    case kTrades:
        skillsFromTrades();
        break;
    case kRaceStage:
        skillsFromRaceStage();
        break;
    case kOnlyModifications:
        break;
    }
    GatherModifications();
}

// The group of a source among the children of "Umiejętności", found by the reference to
// the source entry, or made and linked to it.
CPoz& CRdzenUmiejetnosci::groupFor(CPoz& source, int groupKind, std::string_view memo) {
    CPoz& skills = *skillsEntry();
    if (CPoz* group = skills.FindBySpecjal("&" + source.id()))
        return *group;
    CPoz& group = skills.AddChild({.typ = groupKind, .memo = std::string(memo)});
    group.MakeReference(source, true);
    return group;
}

void CRdzenUmiejetnosci::addSkillRows(CPoz& group, std::string_view sql,
                                      std::span<const SqlParam> params) {
    // The rows are read first: adding a skill may not run inside the query.
    std::vector<SkillRow> rows;
    (void)queryRules(sql, params, [&](const Row& row) { rows.emplace_back(row); });
    for (const SkillRow& row : rows)
        addSkill(group, row);
}

void CRdzenUmiejetnosci::addSkill(CPoz& group, const SkillRow& row) {
    if (group.info.empty())
        group.info = row.sourceName;
    if (flagSet(row.flags, skillFlag::kBorrowed) && holdsBorrowedChoice(group))
        return;
    if (modificationsCount(row.flags)) {
        group.wartosc = 1;
        if (CPoz* skills = group.parent())
            skills->wartosc = 1;
    }
    if (group.FindBySpecjal(row.skillId))
        return;
    // A negative poz marks a borrowed choice.
    group.AddChild({.info = row.skillName,
                    .specjal = row.skillId,
                    .typ = skill::kSkill,
                    .wartosc = row.poz >= 0 ? row.poz : 1,
                    .modyfikator = row.poz < 0 ? 1.0 : 0.0,
                    .memo = row.flags});
}

void CRdzenUmiejetnosci::skillsFromProfessions() {
    CPoz* professions = character().link(kLinkProfesje);
    if (!professions || !skillsEntry())
        return;
    for (CPoz* profession : professions->children()) {
        if (profession->typ != profession::kProfession)
            continue;
        int level = 0;
        if (CPoz* levelEntry = profession->FindByKind(profession::kLevel)) {
            (void)levelEntry->Recalculate();
            level = static_cast<int>(levelEntry->total);
        }
        CPoz& group = groupFor(*profession, skill::kProfessionGroup, profession->specjal);

        // Skills above the level go; the others stay and are not read again.
        std::vector<std::string> kept;
        std::vector<CPoz*> above;
        for (CPoz* skill : group.children()) {
            if (skill->wartosc > level)
                above.push_back(skill);
            else
                kept.push_back(skill->specjal);
        }
        for (CPoz* skill : above)
            (void)skill->Odlaczenie();

        std::vector<SqlParam> params = {level, profession->specjal};
        std::string exclusion;
        if (!kept.empty()) {
            exclusion = " AND A.id NOT IN (" + placeholders(kept.size()) + ") ";
            params.insert(params.end(), kept.begin(), kept.end());
        }
        addSkillRows(group,
                     " SELECT C.id,C.nazwa,B.poz,A.id,A.nazwa, " + skillFlagsExpression() +
                         " FROM umiejetnosci A "
                         " INNER JOIN profumiej B ON B.idumiej=A.id "
                         " INNER JOIN profesje C on B.id=C.id "
                         " WHERE CAST(B.poz AS INT)<=CAST(? AS INT) "
                         " AND C.id=? " +
                         exclusion + " ORDER BY C.id,C.nazwa,B.poz,A.id,A.nazwa;",
                     params);
        if (!holdsBorrowedChoice(group))
            resolveBorrowedSkills(group);
    }
}

// Each borrowed skill of the group is replaced by the skill chosen for it.
void CRdzenUmiejetnosci::resolveBorrowedSkills(CPoz& group) {
    std::vector<CPoz*> borrowed;
    for (CPoz* skill : group.children())
        if (skill->typ == skill::kSkill && flagSet(skill->memo, skillFlag::kBorrowed))
            borrowed.push_back(skill);
    for (CPoz* skill : borrowed) {
        (void)ChooseBorrowedSkill(*skill, group);
        (void)skill->Odlaczenie();
    }
}

bool CRdzenUmiejetnosci::ChooseBorrowedSkill(const CPoz& borrowed, CPoz& group) {
    const SqlParam offerParams[] = {borrowed.specjal};
    const auto chosen = pickFromRules(
        kBorrowedCaption,
        " SELECT C.id,C.nazwa 'nazwa           '"
        " FROM umiejetnosci A "
        " INNER JOIN umiejumiej B ON B.idumiejjeden=A.id "
        " INNER JOIN umiejetnosci C ON B.idumiejdwa=C.id "
        " WHERE A.zapozyczenie='T' "
        " AND (C.polaczana='N' OR (C.polaczana='T' AND NOT EXISTS (SELECT 1 FROM umiejumiej D "
        "WHERE D.idumiejjeden=C.id AND D.idumiejdwa < D.idumiejjeden)))"
        " AND A.id=?",
        offerParams);
    if (!chosen || chosen->empty())
        return false;
    const std::string& choice = chosen->front();
    // The profession's id is the group's memo.
    const SqlParam params[] = {group.memo, choice, choice};
    addSkillRows(group,
                 " SELECT C.id,C.nazwa,-1 poz,A.id,A.nazwa, " + skillFlagsExpression() +
                     " FROM umiejetnosci A "
                     " INNER JOIN profesje C on 1=1 "
                     " WHERE C.id=? AND ((A.id=?) OR (A.polaczana='T' AND A.id IN (SELECT "
                     "D.idumiejdwa FROM umiejumiej D WHERE D.idumiejjeden=?)))"
                     " ORDER BY C.id,C.nazwa,poz,A.id,A.nazwa;",
                 params);
    return true;
}

void CRdzenUmiejetnosci::skillsFromTrades() {
    CPoz* trades = character().link(kLinkZawody);
    if (!trades || !skillsEntry())
        return;
    for (CPoz* trade : trades->children()) {
        if (trade->typ != trade::kTrade)
            continue;
        const CPoz* grade = trade->FindByKind(trade::kGrade);
        if (!grade)
            continue;
        CPoz& group = groupFor(*trade, skill::kTradeGroup, grade->specjal);
        group.UsunAll();
        const SqlParam params[] = {trade->memo, grade->specjal};
        addSkillRows(group,
                     std::string(" SELECT C.id,C.nazwa,CASE B.typ ") + kGradeNumbers +
                         " poz,A.id,A.nazwa, " + skillFlagsExpression() +
                         " FROM umiejetnosci A "
                         " INNER JOIN zawodumiej B ON B.idumiej=A.id "
                         " AND CASE B.typ  " +
                         kGradeNumbers + "     <=CASE ? " + kGradeNumbers +
                         " INNER JOIN zawod C on B.idzawod=C.id "
                         " AND C.id=? "
                         " ORDER BY C.id,C.nazwa,poz,A.id,A.nazwa;",
                     params);
    }
}

void CRdzenUmiejetnosci::skillsFromRaceStage() {
    CPoz* extra = character().link(kLinkDodatkoweInformacje);
    CPoz* look = extra ? extra->FindByKind(info::kAppearance) : nullptr;
    CPoz* stage = look ? look->FindByKind(stage::kStage) : nullptr;
    if (!stage || !skillsEntry())
        return;
    CPoz& group = groupFor(*stage, skill::kRaceGroup, stage->specjal);
    group.UsunAll();
    const SqlParam params[] = {stage->specjal};
    addSkillRows(group,
                 " SELECT C.id,C.nazwa,D.[od] poz,A.id,A.nazwa, " + skillFlagsExpression() +
                     " FROM umiejetnosci A "
                     " INNER JOIN stadiumumiej B ON B.idumiej=A.id "
                     " INNER JOIN stadia D ON D.id=B.idstadium "
                     " INNER JOIN rasy C on D.idrasa=C.id "
                     " AND D.id=? "
                     " ORDER BY C.id,C.nazwa,poz,A.id,A.nazwa;",
                 params);
    if (group.empty())
        (void)group.Odlaczenie();
}

std::vector<std::string> CRdzenUmiejetnosci::skillIds() const {
    std::vector<std::string> ids;
    if (const CPoz* skills = skillsEntry())
        for (const CPoz* group : skills->children())
            for (const CPoz* skill : group->children())
                if (skill->typ == skill::kSkill)
                    ids.push_back(skill->specjal);
    return ids;
}

std::vector<TrainingOffer> CRdzenUmiejetnosci::TrainingOffers() {
    int free = 0;
    if (CPoz* proficiencies = character().link(kLinkBieglosci)) {
        (void)proficiencies->Recalculate();
        if (const CPoz* pool = proficiencies->FindByKind(proficiency::kFree))
            free = static_cast<int>(pool->total);
    }
    const int level = CRdzenProfesja(context()).HighestLevel();

    const std::vector<std::string> ids = skillIds();
    std::vector<SqlParam> params(ids.begin(), ids.end());
    params.insert(params.end(), ids.begin(), ids.end());
    const std::string idList = placeholders(ids.size());
    std::vector<TrainingOffer> offers;
    (void)queryRules(" SELECT A.id ,A.nazwa ,A.funkcja,(SELECT COUNT(1) FROM umiejumiej B WHERE "
                     "B.idumiejjeden=A.id AND B.idumiejdwa IN (" +
                         idList +
                         ")) FROM umiejetnosci A "
                         " WHERE funkcja LIKE '$SZKOLENIE|%' "
                         " AND A.id NOT IN (" +
                         idList + ")",
                     params, [&](const Row& row) {
                         // "$SZKOLENIE|minimum level|price|price when a linked skill is
                         // known"; a training without a price is free.
                         const auto fields = splitText(row.text(2), '|');
                         const int minimum = fields.size() > 1 ? textToInt(fields[1]) : 0;
                         if (level < minimum)
                             return;
                         int price = 0;
                         if (fields.size() >= 4 && row.integer(3) != 0)
                             price = textToInt(fields[3]);
                         else if (fields.size() >= 3)
                             price = textToInt(fields[2]);
                         if (price > free)
                             return;
                         offers.push_back({row.text(0), row.text(1), price});
                     });
    return offers;
}

void CRdzenUmiejetnosci::Training() {
    CPoz* skills = skillsEntry();
    if (!skills)
        return;
    const std::vector<TrainingOffer> offers = TrainingOffers();
    // Nothing to buy: no list with nothing to choose from.
    if (offers.empty())
        return GatherModifications();
    PickTable table{{"id", "nazwa"}, {}};
    for (const TrainingOffer& offer : offers)
        table.rows.push_back({offer.id, offer.line()});
    const auto chosen = port().pickRows(kTrainingCaption, table, false);
    const auto offer = chosen && !chosen->empty()
                           ? std::ranges::find(offers, chosen->front(), &TrainingOffer::id)
                           : offers.end();
    if (offer != offers.end()) {
        CPoz* general = skills->FindByKind(skill::kGeneralGroup);
        if (!general)
            general = &skills->AddChild({.info = "Ogólne", .typ = skill::kGeneralGroup});
        const SqlParam params[] = {offer->id, offer->id};
        addSkillRows(*general,
                     " SELECT '' id,'Ogólne' nazwa, 0 poz, A.id, A.nazwa, " +
                         skillFlagsExpression() +
                         " FROM umiejetnosci A "
                         " WHERE ((A.id=?) OR (A.polaczana='T' AND A.id IN (SELECT D.idumiejdwa "
                         "FROM umiejumiej D WHERE D.idumiejjeden=?)))"
                         " ORDER BY id,nazwa,poz,A.id,A.nazwa;",
                     params);
        CPoz* bought = general->FindBySpecjal(offer->id);
        CPoz* proficiencies = character().link(kLinkBieglosci);
        CPoz* pool = proficiencies ? proficiencies->FindByKind(proficiency::kFree) : nullptr;
        // Each training has its cost entry, which goes with the skill it bought.
        if (bought && pool) {
            CPoz& cost = pool->AddChild({.info = "Szkolenie: " + offer->name,
                                         .typ = proficiency::kTrainingCost,
                                         .wartosc = -offer->price});
            cost.MakeReference(*bought, true);
        }
        character().RecalculateCharacter();
    }
    GatherModifications();
}

void CRdzenUmiejetnosci::GatherModifications() {
    CPoz* skills = skillsEntry();
    if (!skills)
        return;
    skills->memo.clear();
    if (skills->wartosc > 0) {
        std::vector<std::string> ids;
        for (const CPoz* group : skills->children())
            for (const CPoz* skill : group->children())
                if (skill->typ == skill::kSkill && modificationsCount(skill->memo))
                    ids.push_back(skill->specjal);
        if (!ids.empty()) {
            const std::vector<SqlParam> params(ids.begin(), ids.end());
            std::string idList;
            for (std::size_t i = 0; i < ids.size(); ++i)
                idList += i == 0 ? "?" : ",?";
            (void)queryRules(
                " SELECT IFNULL(B.zmianawspprzeciwnik,'')||IFNULL(B.zmianaprzeciwnik,'')||"
                "IFNULL(B.zmianaznak,'')||'|'||IFNULL(B.zmianazmiana,'')||'|'||"
                "IFNULL(B.zmianawsp,'')||'|'||IFNULL(A.nazwa,'')||'$'||IFNULL(B.zmianabaza,'')"
                "||'|'||IFNULL(B.zmianaextra,'')||'|'||IFNULL(B.zmianaile,'')||'|'||"
                "IFNULL(B.zmianawsp,'')||'|'||IFNULL(B.zmianapelne,'')||'|'||"
                "IFNULL(B.zmianapowyzej,'')"
                " FROM umiejetnosci A "
                " INNER JOIN modyfikacje B on A.id=B.idumiejetnosc "
                " AND B.zmianawspprzeciwnik='N' "
                " AND B.zmianaprzeciwnik='N' "
                " AND A.id IN (" +
                    idList + ") ORDER BY B.zmianawsp;",
                params, [&](const Row& row) {
                    if (!skills->memo.empty())
                        skills->memo += '#';
                    skills->memo += row.text(0);
                });
        }
    }
    if (skills->memo.empty())
        skills->wartosc = 0;
}

} // namespace tallar
