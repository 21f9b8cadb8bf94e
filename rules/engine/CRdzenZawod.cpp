#include "rules/engine/CRdzenZawod.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "model/Entry.h"
#include "rules/engine/CRdzenFormula.h"
#include "rules/engine/CRdzenProfesja.h"
#include "rules/engine/CRdzenStadium.h"
#include "rules/engine/CRdzenUlomnosc.h"
#include "rules/engine/CRdzenUmiejetnosci.h"
#include "store/db/Database.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace tallar {

namespace {

using namespace kinds;

// clang-format off
constexpr std::array<TradeGrade, 7> kGrades = {{
    {1, "ZAWOD1", "Podstawy", "", "Pkt.dośw.-", "Majątek -", CRdzenZawod::kBasics},
    {99, "ZAWODS", "Starz", " - po starzu", "Pkt.dośw.- starz -", "Majątek - starz -", CRdzenZawod::kApprenticeship},
    {2, "ZAWOD2", "Specjalista", " - Specjalista", "Pkt.dośw.- specjalista -", "Majątek - specjalista -", CRdzenZawod::kSpecialist},
    {3, "ZAWOD3", "Mistrz", " - Mistrz", "Pkt.dośw.- mistrz -", "Majątek - mistrz -", CRdzenZawod::kMaster},
    {4, "ZAWOD4", "Mistrz Cechu", " - Mistrz Cechu", "Pkt.dośw.- mistrz cechu -", "Majątek - mistrz cechu-", CRdzenZawod::kMaster},
    {5, "ZAWOD5", "Wielki Mistrz Cechu", " - Wielki Mistrz Cechu", "Pkt.dośw.- wielki mistrz cechu -", "Majątek - wielki mistrz cechu-", CRdzenZawod::kMaster},
    {6, "ZAWOD6", "Legendarny Mistrz Cechu", " - Legendarny Mistrz Cechu", "Pkt.dośw.- legend.mistrz cechu -", "Majątek - legend.mistrz cechu-", CRdzenZawod::kMaster},
}};
// clang-format on

constexpr std::string_view kFormulaTag = "zawod";

// The trade row: its head, then per group of expressions (basics, apprenticeship,
// specialist, master) the dice and constant columns of experience and of wealth.
constexpr const char* kTradeQuery = " SELECT id   ,nazwa    ,czas         ,czasstarz,"
                                    " podstpdkxx  ,podstpd  ,podstmajkxx  ,podstmaj,"
                                    " starzpdkxx  ,starzpd  ,starzmajkxx  ,starzmaj,"
                                    " specjpdkxx  ,specjpd  ,specjmajkxx  ,specjmaj,"
                                    " mistrzpdkxx ,mistrzpd ,mistrzmajkxx ,mistrzmaj"
                                    " FROM zawod"
                                    " WHERE id=?;";
constexpr int kNameColumn = 1, kTimeColumn = 2, kApprenticeshipColumn = 3;
constexpr int kFirstGroupColumn = 4, kColumnsPerGroup = 4;

int truncated(double value) {
    return static_cast<int>(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

// A dice column joined with its constant column: "dice+constant", or the one given, or
// nothing when both are empty.
std::optional<std::string> joined(const std::string& dice, const std::string& constant) {
    if (!dice.empty() && !constant.empty())
        return dice + "+" + constant;
    if (!dice.empty())
        return dice;
    if (!constant.empty())
        return constant;
    return std::nullopt;
}

} // namespace

const std::array<TradeGrade, 7>& tradeGrades() {
    return kGrades;
}

const TradeGrade& tradeGrade(int number) {
    for (const TradeGrade& grade : kGrades)
        if (grade.number == number)
            return grade;
    return kGrades.back();
}

int nextTradeGrade(std::string_view memo) {
    if (memo.size() < 6)
        return 1;
    if (memo[5] == 'S')
        return 2;
    return textToInt(memo.substr(5)) + 1;
}

CRdzenZawod::CRdzenZawod(const EngineContext& context) : EngineStep(context) {}

bool CRdzenZawod::readTrade(std::string_view tradeId) {
    bool found = false;
    const SqlParam params[] = {tradeId};
    (void)queryRules(kTradeQuery, params, [&](const Row& row) {
        found = true;
        id_ = row.text(0);
        name_ = row.text(kNameColumn);
        learningTime_ = row.text(kTimeColumn);
        apprenticeshipTime_ = joined(row.text(kApprenticeshipColumn), "");
        // A group without expressions takes those of the group before it.
        for (int g = 0; g < 4; ++g) {
            const int column = kFirstGroupColumn + kColumnsPerGroup * g;
            const auto i = static_cast<std::size_t>(g);
            experienceExpression_[i] = joined(row.text(column), row.text(column + 1));
            wealthExpression_[i] = joined(row.text(column + 2), row.text(column + 3));
            if (g > 0 && !experienceExpression_[i])
                experienceExpression_[i] = experienceExpression_[i - 1];
            if (g > 0 && !wealthExpression_[i])
                wealthExpression_[i] = wealthExpression_[i - 1];
        }
    });
    if (!found && status().ok())
        report("Nie ma zawodu o identyfikatorze " + std::string(tradeId) + ".");
    return found;
}

// The character's entry of the trade being learned (found by the trade's name), or a new
// empty one.
CPoz& CRdzenZawod::tradeEntry() {
    CPoz& trades = *character().link(kLinkZawody);
    for (CPoz* trade : trades.children())
        if (trade->specjal == name_)
            return *trade;
    return trades.AddChild({});
}

bool CRdzenZawod::LearnTradeGrade(std::string_view tradeId, GrowthProfile& profile) {
    if (!character().link(kLinkZawody) || !readTrade(tradeId))
        return false;
    CPoz& trade = tradeEntry();
    int number = nextTradeGrade(trade.memo);
    trade.specjal = name_;
    trade.typ = trade::kTrade;

    int learningTime = 0;
    int apprenticeshipTime = 0;
    if (number == 1) {
        learningTime = truncated(roll(learningTime_, "Zawód: " + name_ + " czas nauki"));
        if (apprenticeshipTime_) {
            const bool taken =
                !askRolls() ||
                port().askYesNo("Zawód: " + name_ + " - czy dobrowolny starz ?", name_);
            if (taken) {
                number = 99;
                apprenticeshipTime =
                    truncated(roll(*apprenticeshipTime_, "Zawód: " + name_ + " - czas starzu?"));
            }
        }
    }

    const TradeGrade& grade = tradeGrade(number);
    trade.info = name_ + std::string(grade.suffix);
    trade.memo = std::string(grade.code);
    switch (grade.number) {
    case 1:
        trade.modyfikator = learningTime;
        trade.wartosc += learningTime;
        break;
    case 99:
        trade.wartosc += apprenticeshipTime + learningTime;
        trade.modyfikator = learningTime;
        break;
    default: // each further grade takes the basics' learning time again
        trade.wartosc = truncated(trade.wartosc + trade.modyfikator);
        break;
    }
    const auto group = static_cast<std::size_t>(grade.group);
    if (const auto& expression = experienceExpression_[group])
        experience_[group] = truncated(
            experience_[group] + roll(*expression, std::string(grade.experienceLabel) + name_));
    if (const auto& expression = wealthExpression_[group])
        wealth_[group] =
            truncated(wealth_[group] + roll(*expression, std::string(grade.wealthLabel) + name_));

    CPoz& gradeEntry = trade.AddChild({.info = std::string(grade.name),
                                       .specjal = id_,
                                       .typ = trade::kGrade,
                                       .memo = std::string(grade.code)});
    LoadGradeFormulas(gradeEntry);
    for (CPoz* owner : gradeEntry.children()) {
        if (owner->typ != formula::kOwner)
            continue;
        CRdzenFormula formula(context(), owner->specjal, *owner, trade.info);
        formula.ApplyToAttributes(profile, trade.info, kFormulaTag);
        formula.FoldIntoProfile(profile);
    }

    int experience = 0;
    int wealth = 0;
    for (std::size_t g = 0; g < experience_.size(); ++g) {
        experience += experience_[g];
        wealth += wealth_[g];
    }
    if (wealth != 0)
        addWealth(trade, wealth);
    if (experience != 0)
        shareExperienceWithProfessions(experience);
    CRdzenUmiejetnosci(context()).SkillsFromSource(CRdzenUmiejetnosci::kTrades);
    return true;
}

void CRdzenZawod::LoadGradeFormulas(CPoz& grade) {
    // The formulas earlier grades of this trade brought already.
    std::set<std::string> brought;
    if (const CPoz* trade = grade.parent())
        for (const CPoz* earlier : trade->children())
            if (earlier != &grade && earlier->typ == trade::kGrade)
                for (const CPoz* owner : earlier->children())
                    if (owner->typ == formula::kOwner)
                        brought.insert(owner->specjal);

    std::string sql = "SELECT B.id FROM zawod A  INNER JOIN formuly B ON A.id=B.id_nad "
                      " WHERE A.id=?";
    std::vector<SqlParam> params = {grade.specjal};
    if (grade.memo == "ZAWOD1") {
        sql += " AND B.typ_nad=?;";
        params.emplace_back(grade.memo);
    } else if (grade.memo == "ZAWODS") {
        sql += " AND B.typ_nad IN ('ZAWOD1','ZAWODS');";
    } else {
        sql += " AND B.typ_nad>='ZAWOD1' AND (B.typ_nad<=? OR B.typ_nad='ZAWODS');";
        params.emplace_back(grade.memo);
    }
    std::vector<std::string> ids;
    (void)queryRules(sql, params, [&](const Row& row) { ids.push_back(row.text(0)); });
    for (const std::string& id : ids)
        if (brought.insert(id).second)
            grade.AddChild({.specjal = id, .typ = formula::kOwner});
}

template <typename Visit> void CRdzenZawod::forEachFormula(Visit&& visit) const {
    const CPoz* trades = character().link(kLinkZawody);
    if (!trades)
        return;
    for (CPoz* trade : trades->children()) {
        if (trade->typ != trade::kTrade)
            continue;
        for (CPoz* grade : trade->children()) {
            if (grade->typ != trade::kGrade)
                continue;
            for (CPoz* owner : grade->children())
                if (owner->typ == formula::kOwner)
                    visit(*trade, *grade, *owner);
        }
    }
}

void CRdzenZawod::FoldTradeFormulas(GrowthProfile& profile) const {
    forEachFormula([&](CPoz&, CPoz&, CPoz& owner) {
        CRdzenFormula(context(), owner).FoldIntoProfile(profile);
    });
}

void CRdzenZawod::ApplyTradeFormulas() {
    GrowthProfile profile;
    CRdzenStadium(context()).FoldProfile(profile);
    FoldDisabilitiesAndAbilities(context(), profile);
    forEachFormula([&](CPoz& trade, CPoz& grade, CPoz& owner) {
        CRdzenFormula formula(context(), owner);
        formula.ApplyToAttributes(profile, shareLabel(trade, grade, owner), kFormulaTag);
        formula.FoldIntoProfile(profile);
    });
}

// The trade's name, then, unless the grade is the basics, " - " and the grade's name. A
// grade brings the formulas of the grades below it too (the apprenticeship those of the
// basics): such a formula's share adds its own grade's name in brackets, so that the
// shares of one grade in one attribute tell apart ("Myśliwy - Starz (Podstawy)" beside
// "Myśliwy - Starz").
std::string CRdzenZawod::shareLabel(const CPoz& trade, const CPoz& grade, const CPoz& owner) {
    std::string label = trade.specjal;
    if (grade.memo != "ZAWOD1")
        label += " - " + grade.info;
    std::string code;
    (void)queryRules("SELECT typ_nad FROM formuly WHERE id=?;", {owner.specjal},
                     [&code](const Row& row) { code = row.text(0); });
    if (code == grade.memo)
        return label;
    for (const TradeGrade& own : kGrades)
        if (own.code == code)
            return label + " (" + std::string(own.name) + ")";
    return label;
}

void CRdzenZawod::ApplyTradeFormulasToProficiencies(CPoz& candidates) const {
    forEachFormula([&](CPoz&, CPoz&, CPoz& owner) {
        CRdzenFormula(context(), owner).WeightWeaponGroups(candidates);
    });
}

void CRdzenZawod::addWealth(const CPoz& trade, int amount) {
    CPoz* wealth = character().link(kLinkMajatek);
    if (!wealth)
        return;
    CPoz* atHand = wealth->FindByKind(money::kAtHand);
    CPoz* bank = wealth->FindByKind(money::kInBank);
    if (CPoz* estate = wealth->FindByKind(money::kEstate))
        estate->AddChild({.info = "materiały i zaplecze do wykonywania zawodu " + trade.info,
                          .typ = money::kMoney,
                          .wartosc = 1,
                          .modyfikator = roundToHundredths(10.0 * amount)});
    // The money goes to the bank's purse, else to the purse at hand; a character without
    // one gets gold at hand rather than losing it.
    CPoz* purse = bank ? bank->FindByKind(money::kMoney) : nullptr;
    if (!purse && atHand)
        purse = atHand->FindByKind(money::kMoney);
    if (!purse && atHand)
        purse = &atHand->AddChild({.info = "złoto",
                                   .typ = money::kMoney,
                                   .modyfikator = 1.0,
                                   .memo = "monety-święte ryje"});
    if (purse)
        purse->wartosc += amount;
}

void CRdzenZawod::shareExperienceWithProfessions(int points) {
    CRdzenProfesja(context()).DistributeExperience(points);
}

} // namespace tallar
