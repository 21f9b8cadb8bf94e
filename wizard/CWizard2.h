#pragma once

#include "rules/core/CRdzen.h"
#include "rules/core/DiceGenerator.h"

#include <optional>
#include <string>
#include <string_view>

namespace tallar {

class CIstota;
class Database;
class UserPort;

// Page 2 of the creation wizard: the place of birth, found from a K100 roll. With
// automatic rolls it is not shown: RollBirthplace does its work at once.
class CWizard2 : public CRdzen {
public:
    static constexpr const char* kCaption = "Pochodzenie";

    CWizard2(Database& rules, CIstota& hero, UserPort& port, DiceGenerator* generator = nullptr);

    // The roll field: its text, as typed or rolled. Every change looks the place up.
    void setRollText(std::string_view text);
    const std::string& rollText() const { return rollText_; }
    // The "k100" button: an automatic K100 throw written as three digits.
    void roll();
    // The place found for the roll: among the places whose range holds it, the one with
    // the narrowest range; empty when none does.
    const std::string& placeId() const { return placeId_; }
    const std::string& placeName() const { return placeName_; }

    // The roll field is red until a place is found.
    bool rollMissing() const { return placeId_.empty(); }
    // Why the roll keeps "Dalej" from going on, naming the field; nothing once a place is
    // found.
    std::optional<std::string> missingReason() const;

    // "Dalej": when a place is found, writes the "Miejsce urodzenia" entry and returns
    // true; otherwise changes nothing and returns false.
    bool finish();

    // The page's work without the page: an automatic roll, the lookup and the entry.
    // False when no place holds the roll (nothing is written then).
    bool RollBirthplace();

private:
    void lookUp();

    Database& rules_;
    CIstota& hero_;
    UserPort& port_;
    DiceGenerator* generator_;
    std::string rollText_, placeId_, placeName_;
};

} // namespace tallar
