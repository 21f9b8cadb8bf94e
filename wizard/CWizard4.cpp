#include "wizard/CWizard4.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "store/db/Database.h"
#include "wizard/CIstotaWizard.h"
#include "wizard/CWizard1.h"

#include <algorithm>
#include <array>

namespace tallar {

namespace {

// What differs between disabilities (kind 0) and abilities (kind 1).
struct KindDef {
    const char* type;   // `zdolnosci.typ`
    int firstThreshold; // the chance of the first one, in a hundred
    const char* firstQuestion;
    const char* laterQuestion; // after "Czy postać ma N"
    const char* caption;
    const char* label;
    int list;  // the character's list of them
    int entry; // the kind of an entry in it
};

constexpr std::array<KindDef, 2> kKinds = {{
    {"ULOMNOSC", 20, "Czy postać ma ułomność?", " ułomności?", "Ułomność",
     "Ułomność:", kLinkUlomnosci, kinds::ability::kDisability},
    {"ZDOLNOSC", 10, "Czy postać ma zdolność nadnaturalną?", " zdolności nadnaturalne?",
     "Zdolność nadnaturalna", "Nazwa:", kLinkZdolnosci, kinds::ability::kAbility},
}};

// Each further one is 5 in a hundred less likely, down to 5.
constexpr int kThresholdStep = 5;
constexpr int kLowestThreshold = 5;

// Ordered widest first, so the last row is the narrowest range that holds the roll.
constexpr const char* kFind =
    " SELECT id,nazwa FROM zdolnosci A  INNER JOIN rasyzdolnosci B ON A.id=B.idzdolnosci WHERE "
    "CAST(A.[od] AS INT)<=CAST(? AS INT) AND CAST(A.[do] AS INT)>=CAST(? AS INT) AND A.typ=? "
    "AND B.idrasa=? ORDER BY CAST([do] as INT)-CAST([od] as INT) DESC;";

constexpr const char* kCount =
    " SELECT SUM(CASE WHEN A.TYP=? THEN 1 ELSE 0 END),SUM(CASE WHEN A.TYP=? THEN 1 ELSE 0 END) "
    " FROM zdolnosci A INNER JOIN rasyzdolnosci B on A.id=B.idzdolnosci  WHERE A.typ in (?,?) "
    "AND B.idrasa=?";

std::string raceOf(const CIstota& hero) {
    const CPoz* extra = hero.link(kLinkDodatkoweInformacje);
    const CPoz* look = extra ? extra->FindByKind(kinds::info::kAppearance) : nullptr;
    return look ? look->specjal : std::string();
}

} // namespace

CWizard4Ulomnosc::CWizard4Ulomnosc(Database& rules, CIstota& hero, Kind kind, UserPort& port,
                                   DiceGenerator* generator)
    : rules_(rules), hero_(hero), kind_(kind), port_(port), generator_(generator),
      raceId_(raceOf(hero)) {}

const char* CWizard4Ulomnosc::caption() const {
    return kKinds[kind_].caption;
}

const char* CWizard4Ulomnosc::label() const {
    return kKinds[kind_].label;
}

void CWizard4Ulomnosc::setRollText(std::string_view text) {
    rollText_ = text;
    lookUp();
}

void CWizard4Ulomnosc::roll() {
    setRollText(zeroPadded(RollK100(generator_ ? *generator_ : diceGenerator()), 3));
}

bool CWizard4Ulomnosc::rollInvalid() const {
    return !rollText_.empty() && missingReason().has_value();
}

std::optional<std::string> CWizard4Ulomnosc::missingReason() const {
    const bool digits = !rollText_.empty() && rollText_.size() <= 3 &&
                        std::all_of(rollText_.begin(), rollText_.end(),
                                    [](char c) { return c >= '0' && c <= '9'; });
    const int roll = textToInt(rollText_);
    if (digits && roll >= 1 && roll <= 100)
        return std::nullopt;
    return std::string("Rzut: rzuć K100 albo wpisz liczbę od 1 do 100.");
}

void CWizard4Ulomnosc::lookUp() {
    foundId_.clear();
    foundName_.clear();
    if (missingReason())
        return;
    // The roll is matched as three digits ("7" as "007") and compared as a number.
    const std::string roll = zeroPadded(textToInt(rollText_), 3);
    Status status =
        rules_.exec(kFind, {roll, roll, kKinds[kind_].type, raceId_}, [&](const Row& row) {
            foundId_ = row.text(0);
            foundName_ = row.text(1);
        });
    if (!status) {
        port_.showError(status.message(), kWizardErrorCaption);
        foundId_.clear();
        foundName_.clear();
    }
}

bool CWizard4Ulomnosc::finish() {
    if (missingReason())
        return false;
    if (foundId_.empty())
        return true;
    if (CPoz* list = hero_.link(kKinds[kind_].list))
        list->AddChild({.info = foundName_, .specjal = foundId_, .typ = kKinds[kind_].entry});
    return true;
}

CWizard4::CWizard4(Database& rules, CIstota& hero, DiceRolls rolls, UserPort& port,
                   WizardPages& pages)
    : rules_(rules), hero_(hero), rolls_(rolls), port_(port), pages_(pages) {}

int CWizard4::Run() {
    const std::array<long long, 2> offered = offeredCounts();
    if (offered[CWizard4Ulomnosc::kDisability] > 0)
        if (const int result = decide(CWizard4Ulomnosc::kDisability); result != 1)
            return result;
    if (offered[CWizard4Ulomnosc::kAbility] > 0)
        return decide(CWizard4Ulomnosc::kAbility);
    return 1;
}

// How many disabilities and abilities the character's race offers.
std::array<long long, 2> CWizard4::offeredCounts() {
    std::array<long long, 2> counts{};
    const std::string race = raceOf(hero_);
    Status status =
        rules_.exec(kCount, {kKinds[0].type, kKinds[1].type, kKinds[0].type, kKinds[1].type, race},
                    [&](const Row& row) {
                        counts = {row.integer(0), row.integer(1)};
                    });
    if (!status)
        port_.showError(status.message(), kWizardErrorCaption);
    return counts;
}

int CWizard4::decide(CWizard4Ulomnosc::Kind kind) {
    const KindDef& def = kKinds[kind];
    int threshold = def.firstThreshold;
    int found = 0;
    for (;;) {
        const std::string question =
            found == 0 ? def.firstQuestion
                       : "Czy postać ma " + std::to_string(found + 1) + def.laterQuestion;
        const int roll = RollDice(100, false, 1, false, 1, rolls_, question);
        const bool more = roll <= threshold;
        threshold = std::max(threshold - kThresholdStep, kLowestThreshold);
        if (!more)
            break;
        ++found;
    }
    for (int i = 0; i < found; ++i) {
        CWizard4Ulomnosc page(rules_, hero_, kind, port_, rolls_.generator);
        // Shown while throws are asked, unless the person has left the rest to the program.
        if (rolls_.askRolls && !pages_.throwsLeftToTheProgram()) {
            if (!pages_.showAbility(page))
                return 0;
        } else {
            page.roll();
            (void)page.finish();
        }
    }
    return 1;
}

} // namespace tallar
