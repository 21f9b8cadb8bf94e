#include "wizard/CWizardZawod.h"

#include "base/UserPort.h"
#include "rules/core/RulesMath.h"
#include "store/db/Database.h"
#include "wizard/CWizard1.h"

#include <algorithm>
#include <utility>

namespace tallar {

namespace {

constexpr int kFirstSpecialRoll = 97;

// The trades of a class for a race whose range holds the roll, the narrowest last.
constexpr const char* kTradesOfRoll =
    " FROM zawod A INNER JOIN zawodrasa B ON A.id=B.idzawod WHERE CAST(A.[od] AS INT)<=CAST(? "
    "AS INT) AND CAST(A.[do] AS INT)>=CAST(? AS INT) AND A.klasa=? AND B.idrasa=? ORDER BY "
    "CAST(A.[do] as INT)-CAST(A.[od] as INT) DESC;";

void showFailure(UserPort& port, const Status& status) {
    if (!status)
        port.showError(status.message(), kWizardErrorCaption);
}

} // namespace

int modifiedTradeRoll(int roll, int modifier) {
    if (roll >= kFirstSpecialRoll)
        return roll;
    return std::clamp(roll + modifier, 1, kFirstSpecialRoll - 1);
}

CWizardZawod::CWizardZawod(Database& rules, UserPort& port, std::string tradeClass,
                           std::string raceId, int modifier)
    : rules_(rules), port_(port), tradeClass_(std::move(tradeClass)), raceId_(std::move(raceId)),
      modifier_(modifier) {}

std::string CWizardZawod::lookUp(int entered) const {
    if (entered < 1 || entered > kSides)
        return {};
    const std::string roll = zeroPadded(modifiedTradeRoll(entered, modifier_), 3);
    std::string name;
    showFailure(port_, rules_.exec(std::string("SELECT A.nazwa") + kTradesOfRoll,
                                   {roll, roll, tradeClass_, raceId_},
                                   [&](const Row& row) { name = row.text(0); }));
    return name;
}

Result<std::optional<TradeOfRoll>>
tradeOfRoll(Database& rules, int roll, const std::string& tradeClass, const std::string& raceId) {
    const std::string padded = zeroPadded(roll, 3);
    std::optional<TradeOfRoll> found;
    const Status read = rules.exec(std::string("SELECT A.id,A.innaklasa") + kTradesOfRoll,
                                   {padded, padded, tradeClass, raceId}, [&](const Row& row) {
                                       found = TradeOfRoll{row.text(0), row.text(1)};
                                   });
    if (!read)
        return read.error();
    return found;
}

} // namespace tallar
