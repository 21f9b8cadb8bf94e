#pragma once

#include "rules/core/CRdzen.h"
#include "rules/core/Dice.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tallar {

class CIstota;
class Database;
class UserPort;
class WizardPages;

// The dialog of step 4 that finds one disability (kind 0) or supernatural ability (kind 1)
// of the character's race from a K100 roll: typed, or thrown by its "K100" button. Among
// the race's entries of that kind whose range holds the roll, the narrowest wins.
class CWizard4Ulomnosc : public CRdzen {
public:
    enum Kind { kDisability = 0, kAbility = 1 };

    CWizard4Ulomnosc(Database& rules, CIstota& hero, Kind kind, UserPort& port,
                     DiceGenerator* generator = nullptr);

    Kind kind() const { return kind_; }
    // "Ułomność" and "Ułomność:", or "Zdolność nadnaturalna" and "Nazwa:".
    const char* caption() const;
    const char* label() const;

    // The roll field as typed; every change looks the roll up.
    void setRollText(std::string_view text);
    const std::string& rollText() const { return rollText_; }
    // The "K100" button: an automatic K100 throw written as three digits ("007").
    void roll();
    // What the roll found (empty when nothing).
    const std::string& foundId() const { return foundId_; }
    const std::string& foundName() const { return foundName_; }

    // The roll field is red while it holds something other than 1 to 100.
    bool rollInvalid() const;
    // Why OK is refused: the roll is not 1 to 100; nothing otherwise.
    std::optional<std::string> missingReason() const;

    // OK: with a valid roll, adds what it found (nothing when it found nothing) under
    // "Ułomności" or "Zdolności nadnaturalne" and returns true; false otherwise.
    bool finish();

private:
    void lookUp();

    Database& rules_;
    CIstota& hero_;
    Kind kind_;
    UserPort& port_;
    DiceGenerator* generator_;
    std::string raceId_;
    std::string rollText_, foundId_, foundName_;
};

// Step 4 of the creation wizard (no dialog of its own): K100 rolls decide how many
// disabilities and supernatural abilities the character has (each further one less
// likely: 20, 15, 10, then 5 in a hundred for disabilities, 10, then 5 for abilities), and
// each is found by a further K100 roll: through the dialog when throws are asked,
// automatically otherwise. A race without disabilities (abilities) rolls none.
class CWizard4 : public CRdzen {
public:
    CWizard4(Database& rules, CIstota& hero, DiceRolls rolls, UserPort& port, WizardPages& pages);

    // 1 to go on with the wizard; 0 when a dialog was cancelled.
    int Run();

private:
    int decide(CWizard4Ulomnosc::Kind kind);
    std::array<long long, 2> offeredCounts();

    Database& rules_;
    CIstota& hero_;
    DiceRolls rolls_;
    UserPort& port_;
    WizardPages& pages_;
};

} // namespace tallar
