#pragma once

#include "base/Result.h"

#include <optional>
#include <string>

namespace tallar {

class Database;
class UserPort;

// A trade roll with the social class's modifier: a special roll (97 or more) stays as it
// is; any other gets the modifier and is held within 1 to 96.
int modifiedTradeRoll(int roll, int modifier);

// The roll entry of a trade (a K100 entered as the dice-entry dialog of a page does): the
// caption names the trade class, and each entry is looked up in the class's table of trades
// for the character's race, so that the dialog shows the trade it would give. The dialog
// sets the entered roll on OK.
class CWizardZawod {
public:
    static constexpr int kSides = 100;
    static constexpr const char* kLabel = "Zawód:";

    CWizardZawod(Database& rules, UserPort& port, std::string tradeClass, std::string raceId,
                 int modifier);

    // "Zawód - klasa: " and the class.
    std::string caption() const { return "Zawód - klasa: " + tradeClass_; }
    const std::string& tradeClass() const { return tradeClass_; }
    int modifier() const { return modifier_; }

    // The name of the trade an entered roll gives (with the modifier), or "" for none.
    std::string lookUp(int entered) const;

    // The roll entered (before the modifier), once the dialog ended with OK.
    void setRoll(int entered) { roll_ = entered; }
    const std::optional<int>& roll() const { return roll_; }

private:
    Database& rules_;
    UserPort& port_;
    std::string tradeClass_;
    std::string raceId_;
    int modifier_;
    std::optional<int> roll_;
};

// The trade that a roll (already modified) gives in a trade class for a race, and the class
// it sends the roll to instead (`innaklasa`, empty for none): of the trades whose range
// holds the roll, the one with the narrowest range. Nothing when none does; fails when the
// query does.
struct TradeOfRoll {
    std::string id;
    std::string otherClass;
};
Result<std::optional<TradeOfRoll>>
tradeOfRoll(Database& rules, int roll, const std::string& tradeClass, const std::string& raceId);

} // namespace tallar
