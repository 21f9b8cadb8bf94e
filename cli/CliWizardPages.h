#pragma once

#include "rules/core/DiceGenerator.h"
#include "wizard/CIstotaWizard.h"
#include "wizard/CWizard1.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tallar::cli {

class CliAnswers;
class StreamUserPort;

// A profession of `tallar2-cli new`: its identifier, name or shown text, and the text of
// its level field (drawn when not given).
struct ProfessionOption {
    std::string profession;
    std::optional<std::string> level;
};

// The choices of `tallar2-cli new`; a choice not given is drawn among those a page offers.
struct NewCharacterOptions {
    std::optional<std::string> player;
    std::optional<std::string> name;
    std::optional<std::string> stage;          // identifier or shown text
    std::optional<std::string> alignment;      // identifier or shown text
    std::optional<std::string> classRoll;      // digits
    std::optional<std::string> birthRoll;      // digits
    std::vector<ProfessionOption> professions; // up to three, in the page's order
    std::vector<std::string> tradeRolls;       // 1 to 100, one per trade roll in order
    std::optional<std::string> training;       // name, identifier, or "none"
    std::vector<std::string> borrowed;         // one per borrowed skill in order
    std::vector<std::string> weaponGroups;     // identifiers or names, each ticked
    std::vector<std::string> weapons;          // identifiers or names, each ticked
    std::optional<std::string> armour;         // name or identifier, or "none"
    std::optional<std::string> shield;         // name or identifier, or "none"
    std::vector<std::string> items;            // NAME[:COUNT] of the equipment, each --item
    std::vector<std::string> places;           // ITEM=PLACE, each --place
};

// Levels drawn for a profession given without one, or drawn with it: 1 to this, and not
// above the profession's limit.
inline constexpr int kDrawnLevels = 10;

// The wizard's pages without windows: each page is filled from the options, the rest
// drawn with the given generator (or, for the page rolls with --ask, asked on the input).
// A choice a page does not offer is reported with what it offers.
class CliWizardPages : public WizardPages {
public:
    // `asking` is the port that asks throws on the input (null: every throw drawn);
    // `answers` answers the pick lists and questions.
    CliWizardPages(Database& rules, const NewCharacterOptions& options, DiceGenerator& generator,
                   StreamUserPort* asking, CliAnswers& answers, std::ostream& err);

    // A new character: the options' choices are used again from the first.
    void beginCharacter();

    bool showOrigin(CWizard1& page) override;
    bool showBirthplace(CWizard2& page) override;
    bool showTradeRoll(CWizardZawod& roll) override;
    // The trade rolls come from --trade-roll, else from the input or the generator.
    bool showsTradeRollAlways() const override { return true; }
    bool showProfessions(CWizard3& page) override;
    bool showAbility(CWizard4Ulomnosc& page) override;
    LevelAdvancementChooser* levelAdvancement() override;
    // Ticks the groups and weapons of the options; without --weapon-group draws the groups
    // the requirements need, then others while free proficiencies are left; without
    // --weapon draws a weapon of each ticked group. Each new group is trained with one
    // throw (asked with --ask).
    bool showWeapons(CWizard6& page) override;
    bool showArmour(CWizard7& page) override;
    bool showShield(CWizard8& page) override;
    bool showPlacement(CWizard9& page) override;
    bool chooseEquipment(CWizard10& page) override;
    void showCharacter(CIstota&) override {}
    bool abandoned() const override;
    bool throwsLeftToTheProgram() const override;
    // A roll finding no place is a choice not offered, as for the social class.
    bool showsBirthplaceAlways() const override { return true; }

    // The exit code of a run that stopped: 2 for a choice not offered (a roll finding
    // nothing included), 1 otherwise.
    int failureCode() const;

private:
    // The identifier of the offered item named by `wanted`, or of one drawn when nothing
    // is wanted; nothing (with the message written) when it is not offered.
    std::optional<std::string> pick(const std::vector<PageChoice>& offered,
                                    const std::optional<std::string>& wanted,
                                    std::string_view what);
    // The roll of a page: the option, else asked (with --ask), else nothing (the page's
    // own button throws).
    std::optional<std::string> pageRoll(const std::optional<std::string>& option,
                                        std::string_view prompt);
    bool fail(int code, const std::string& message);
    // Chooses the profession of a slot (as given, or drawn) and its level.
    bool chooseProfession(CWizard3& page, std::size_t slot, const ProfessionOption* option);
    // The choice of a page: the option, else (with --ask) a line of the input, where an
    // empty line leaves it to the draw. Nothing to draw; the end of the input gives up.
    std::optional<std::string> pageChoice(const std::optional<std::string>& option,
                                          std::string_view prompt);
    // The default kit when no --place is given: armour on the body, the first weapon in
    // a holding limb (two for a two-handed one), each shield in a limb left or else
    // fixed or rested, further weapons in the limbs still free.
    void placeKit(CWizard9& page);
    // Places the item named in the places named (";" between them; with `byNumber` a
    // number is the place's in the list offered, from 1).
    bool place(CWizard9& page, const std::string& itemName, const std::string& placeNames,
               bool byNumber);

    // The social classes of a stage's race, or the places of birth, with their ranges,
    // for a roll none holds.
    std::string classRanges(const std::string& stageId);
    std::string placeRanges();

    // Draws one of the indices for which `allowed` holds; nothing when none does.
    std::optional<std::size_t> draw(std::size_t count,
                                    const std::function<bool(std::size_t)>& allowed);
    void drawWeaponGroups(CWizard6& page);
    void drawWeapons(CWizard6& page);
    // The input the page choices are read from: none without --ask, and none once the
    // person has left the rest of the character to the program ("a").
    StreamUserPort* choicesAsked() const;

    Database& rules_;
    const NewCharacterOptions& options_;
    DiceGenerator& generator_;
    StreamUserPort* asking_;
    CliAnswers& answers_;
    std::ostream& err_;
    std::size_t tradeRollsUsed_ = 0;
    int failureCode_ = 1;
};

} // namespace tallar::cli
