#include "wizard/CWizard2.h"

#include "base/UserPort.h"
#include "model/Character.h"
#include "store/db/Database.h"
#include "wizard/CWizard1.h"

namespace tallar {

namespace {

// Ordered widest first, so the last row is the narrowest range that holds the roll.
constexpr const char* kPlaceOfRoll =
    " SELECT id,nazwa FROM miejscurodz WHERE CAST(rzutod AS INT)<=CAST(? AS INT) AND "
    "CAST(rzutdo AS INT)>=CAST(? AS INT) ORDER BY CAST(rzutdo as INT)-CAST(rzutod as INT) DESC;";

} // namespace

CWizard2::CWizard2(Database& rules, CIstota& hero, UserPort& port, DiceGenerator* generator)
    : rules_(rules), hero_(hero), port_(port), generator_(generator) {}

void CWizard2::setRollText(std::string_view text) {
    rollText_ = text;
    lookUp();
}

void CWizard2::roll() {
    setRollText(zeroPadded(RollK100(generator_ ? *generator_ : diceGenerator()), 3));
}

void CWizard2::lookUp() {
    placeId_.clear();
    placeName_.clear();
    if (rollText_.empty())
        return;
    const std::string roll = zeroPadded(textToInt(rollText_), 3);
    Status status = rules_.exec(kPlaceOfRoll, {roll, roll}, [&](const Row& row) {
        placeId_ = row.text(0);
        placeName_ = row.text(1);
    });
    if (!status)
        port_.showError(status.message(), kWizardErrorCaption);
}

std::optional<std::string> CWizard2::missingReason() const {
    if (!rollMissing())
        return std::nullopt;
    if (rollText_.empty())
        return "Miejsce urodzenia: rzuć k100 albo wpisz rzut.";
    return "Miejsce urodzenia: rzutowi " + std::to_string(textToInt(rollText_)) +
           " nie odpowiada żadne miejsce urodzenia.";
}

bool CWizard2::finish() {
    if (rollMissing())
        return false;
    (void)hero_.link(kLinkDodatkoweInformacje)
        ->SetOrAdd({.info = "Miejsce urodzenia",
                    .specjal = placeId_,
                    .typ = kinds::info::kBirthplace,
                    .memo = placeName_});
    return true;
}

bool CWizard2::RollBirthplace() {
    roll();
    return finish();
}

} // namespace tallar
