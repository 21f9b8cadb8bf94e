#include "wizard/CWizard5.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "model/Entry.h"
#include "rules/engine/CRdzenOdpornosci.h"
#include "rules/engine/CRdzenStadium.h"
#include "rules/engine/CRdzenUlomnosc.h"
#include "rules/engine/CRdzenZawod.h"
#include "store/db/Database.h"
#include "wizard/CIstotaWizard.h"
#include "wizard/CWizardZawod.h"

#include <algorithm>
#include <cmath>

namespace tallar {

namespace {

using namespace kinds;

// A character needs no more trades than this; rules whose trades keep raising Mądrość
// fast enough would otherwise never stop giving more.
constexpr int kMaxOrdinaryTrades = 100;

int truncated(double value) {
    return static_cast<int>(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

// The parts of Mądrość that come from the race stage, the professions, the abilities and
// the disabilities.
bool countsForBaseWisdom(const CPoz& part) {
    const std::size_t md = member::kWisdom;
    if (part.typ == perMember::kRacial[md] || part.typ == perMember::kProfession[md])
        return true;
    if (part.typ != perMember::kFormulaShare[md] && part.typ != perMember::kFormulaEffect[md])
        return false;
    const auto fields = splitText(part.memo, '|');
    return fields.size() > 1 && (fields[1] == "ulom" || fields[1] == "zdol");
}

} // namespace

int tradesDue(int x) {
    // Rounded up with the tolerance; toward zero below zero.
    return x > 0 ? roundUpWithTolerance(x / 20.0) : truncated(x / 20.0);
}

CWizard5::CWizard5(const EngineContext& context, WizardPages& pages)
    : EngineStep(context), pages_(pages) {}

int CWizard5::Run() {
    if (!TradesOpen())
        return 1;
    return tradeLoop();
}

bool CWizard5::TradesOpen() {
    const CPoz* extra = character().link(kLinkDodatkoweInformacje);
    const CPoz* socialClass = extra ? extra->FindByKind(info::kSocialClass) : nullptr;
    const CPoz* race = extra ? extra->FindByKind(info::kAppearance) : nullptr;
    if (!socialClass || !race)
        return false;
    classId_ = socialClass->specjal;
    raceId_ = race->specjal;

    long long count = 0;
    (void)queryRules(" SELECT COUNT(1) FROM zawod A  INNER JOIN klasyspoleczne B on "
                     "A.klasa=B.klasa  INNER JOIN zawodrasa C on C.idzawod=A.id  WHERE B.id=? "
                     "AND C.idrasa=?;",
                     {classId_, raceId_}, [&](const Row& row) { count = row.integer(0); });
    if (count < 1)
        return false;

    const CPoz* stage = race->FindByKind(stage::kStage);
    if (!stage)
        return false;
    stageId_ = stage->specjal;
    std::string allowed;
    (void)queryRules(" SELECT MAX(A.zawody) FROM stadia A  WHERE A.idrasa=? AND CAST(A.od AS "
                     "INT) <= (SELECT CAST(B.od AS INT) FROM stadia B WHERE B.id=?);",
                     {raceId_, stageId_}, [&](const Row& row) { allowed = row.text(0); });
    return allowed.starts_with('T');
}

int CWizard5::currentWisdom() const {
    CPoz* wisdom = attributeEntry(member::kWisdom);
    if (!wisdom)
        return 0;
    (void)wisdom->Recalculate();
    return truncated(wisdom->total);
}

int CWizard5::BaseWisdom() const {
    CPoz* wisdom = attributeEntry(member::kWisdom);
    if (!wisdom)
        return 0;
    const auto copy = CPoz::CopyTree(*wisdom, false, countsForBaseWisdom);
    (void)copy->Recalculate();
    return truncated(copy->total);
}

int CWizard5::ExtraTrades() {
    std::vector<SqlParam> ids;
    if (const CPoz* professions = character().link(kLinkProfesje))
        for (const CPoz* profession : professions->children())
            if (profession->typ == profession::kProfession)
                ids.emplace_back(profession->specjal);
    if (ids.empty())
        return 0;
    std::string list;
    for (std::size_t i = 0; i < ids.size(); ++i)
        list += "?,";
    long long extra = 0;
    (void)queryRules(" SELECT SUM(1) FROM profesje  WHERE id IN (" + list +
                         "'') AND ext_zawod='T';",
                     ids, [&](const Row& row) { extra = row.integer(0); });
    return static_cast<int>(extra);
}

int CWizard5::tradeLoop() {
    const int start = currentWisdom();
    profile_.reset();
    CRdzenStadium(context()).FoldProfile(profile_);
    FoldDisabilitiesAndAbilities(context(), profile_);
    const int r = RollDice(100, false, 1, false, 1, rolls(), kCountLabel);
    const int base = BaseWisdom();
    int extra = ExtraTrades();

    int ordinary = 0;
    for (;;) {
        // A trade that raises Mądrość may make one more due.
        while (ordinary < kMaxOrdinaryTrades &&
               tradesDue(currentWisdom() - start - r + base) - ordinary > 0) {
            if (pages_.abandoned())
                return 0;
            if (const int result = ChooseTrade(false); result != 1)
                return result;
            ++ordinary;
        }
        if (extra < 1 || pages_.abandoned())
            break;
        if (const int result = ChooseTrade(true); result != 1)
            return result;
        --extra;
    }
    CRdzenStadium(context()).AgeStep();
    // The years the trades took may have made passages that change the racial and
    // overweight parts; the base resistances are made of those parts, so they follow.
    CRdzenOdpornosci(context()).BaseResistances();
    return 1;
}

bool CWizard5::tradeRoll(const std::string& tradeClass, int modifier, int& roll) {
    if (!asking() && !pages_.showsTradeRollAlways()) {
        roll = RollK100(context().generator ? *context().generator : diceGenerator());
        return true;
    }
    CWizardZawod dialog(rules(), port(), tradeClass, raceId_, modifier);
    if (!pages_.showTradeRoll(dialog) || !dialog.roll())
        return false;
    roll = *dialog.roll();
    return true;
}

bool CWizard5::asking() const {
    return askRolls() && !pages_.throwsLeftToTheProgram();
}

void CWizard5::learn(const std::string& tradeId) {
    // Once the person has left the throws to the program, the trades are learned as
    // without asking (the apprenticeship taken).
    const EngineContext learning = asking() ? context() : context().automatic();
    (void)CRdzenZawod(learning).LearnTradeGrade(tradeId, profile_);
}

int CWizard5::ChooseTrade(bool extra) {
    std::string tradeClass;
    int modifier = 0;
    (void)queryRules(" SELECT zawod,klasa FROM klasyspoleczne  WHERE id=?", {classId_},
                     [&](const Row& row) {
                         modifier = textToInt(row.text(0));
                         tradeClass = row.text(1);
                     });

    if (extra) {
        // The class's ordinary trades; those the character has say how far it got.
        std::string cases;
        std::vector<SqlParam> params;
        if (const CPoz* trades = character().link(kLinkZawody))
            for (const CPoz* trade : trades->children()) {
                if (trade->typ != trade::kTrade || trade->empty())
                    continue;
                cases += " WHEN ? THEN A.nazwa||' - obecnie: '||?";
                params.emplace_back(trade->specjal);
                params.emplace_back(trade->children().back()->info);
            }
        params.emplace_back(tradeClass);
        params.emplace_back(raceId_);
        const auto chosen =
            pickFromRules(kExtraCaption,
                          " SELECT A.id,  CASE A.nazwa  WHEN '' THEN A.nazwa " + cases +
                              " ELSE A.nazwa END 'nazwa          '"
                              " FROM zawod A"
                              " INNER JOIN zawodrasa B ON A.id=B.idzawod"
                              " WHERE CAST(A.[od] AS INT)<CAST('097' AS INT)"
                              " AND A.klasa=? AND B.idrasa=? ORDER BY A.nazwa "
                              "DESC;",
                          params);
        if (!chosen)
            return 0;
        if (!chosen->empty())
            learn(chosen->front());
        return 1;
    }

    int roll = 0;
    if (!tradeRoll(tradeClass, modifier, roll))
        return 0;
    roll = modifiedTradeRoll(roll, modifier);
    for (int redirects = 0;; ++redirects) {
        const Result<std::optional<TradeOfRoll>> found =
            tradeOfRoll(rules(), roll, tradeClass, raceId_);
        if (!found)
            port().showError(found.message(), kRulesErrorCaption);
        if (!found || !*found)
            return 1;
        const TradeOfRoll& trade = **found;
        if (trade.otherClass.empty()) {
            learn(trade.id);
            return 1;
        }
        if (redirects == kMaxRedirects) {
            report("Zawód: rzut " + std::to_string(roll) + " w klasie " + tradeClass +
                   " znowu odsyła do innej klasy (" + trade.otherClass + "); po " +
                   std::to_string(kMaxRedirects) + " rzutach nie wybrano zawodu.");
            return 1;
        }
        // Another class: rolled again there, without the modifier.
        tradeClass = trade.otherClass;
        if (!tradeRoll(tradeClass, 0, roll))
            return 0;
        roll = modifiedTradeRoll(roll, 0);
    }
}

} // namespace tallar
