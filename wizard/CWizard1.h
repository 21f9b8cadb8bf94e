#pragma once

#include "rules/core/CRdzen.h"
#include "rules/core/Dice.h"
#include "store/db/Database.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class CIstota;
class Database;
class UserPort;

// An item of a page's drop-down list: the row identifier and the text shown.
struct PageChoice {
    std::string id;
    std::string text;
};

// A line of the list of professions open to the choices so far.
struct OpenProfession {
    std::string id;
    std::string name;
    std::string levelLimit; // pozlimit
};

// The message-box caption of the wizard's failures.
inline constexpr const char* kWizardErrorCaption = "Błąd!";

// Page 1 of the creation wizard: player, name, race stage, alignment and social class
// (found from a K100 roll). The race-stage and alignment lists narrow each other; the
// professions open to the choices so far are listed. The dialog only shows this state and
// forwards what the person does; the command line drives it the same way.
class CWizard1 : public CRdzen {
public:
    static constexpr const char* kCaption = "Imię , rasa , charakter , klasa społeczna";
    static constexpr std::size_t kMaxNameLength = 255; // characters kept of player and name

    CWizard1(Database& rules, Database& characters, CIstota& hero, DiceRolls rolls, UserPort& port);

    // Fills the player, race-stage and alignment lists.
    void open();

    const std::vector<std::string>& players() const { return players_; }
    const std::vector<PageChoice>& stages() const { return stages_; }
    const std::vector<PageChoice>& alignments() const { return alignments_; }
    const std::vector<OpenProfession>& professions() const { return professions_; }

    // The fields of the page, in the order the page shows them.
    enum class Field { Player, Name, Stage, Alignment, Roll };
    static constexpr std::array<Field, 5> kFields = {Field::Player, Field::Name, Field::Stage,
                                                     Field::Alignment, Field::Roll};

    // Set the player and the name as typed. A text with a character Windows-1250 cannot
    // hold is refused at once: the field keeps its text and the message naming the field
    // and the character is returned (the character could not be saved at the end).
    std::optional<std::string> setPlayer(std::string_view player);
    std::optional<std::string> setName(std::string_view name);
    const std::string& player() const { return player_; }
    const std::string& name() const { return name_; }

    // Chooses a race stage (empty: none). The alignment list becomes the alignments the
    // stage's race allows; an alignment chosen before stays chosen while it is offered.
    void chooseStage(std::string_view stageId);
    // Chooses an alignment (empty: none). The race-stage list becomes the stages of the
    // races that allow it; a stage chosen before stays chosen while it is offered.
    void chooseAlignment(std::string_view alignmentId);
    const std::string& stageId() const { return stageId_; }
    const std::string& alignmentId() const { return alignmentId_; }
    // The shown text of the chosen stage or alignment (empty when none).
    std::string stageText() const;
    std::string alignmentText() const;

    // The roll field: its text, as typed or rolled. Every change looks the social class up.
    void setRollText(std::string_view text);
    const std::string& rollText() const { return rollText_; }
    // The "k100" button: an automatic K100 throw written as three digits ("007"). It rolls
    // automatically whatever askRolls says.
    void rollClass();
    // The social class found for the roll (empty when no range of the stage's race holds
    // it): among the classes holding it, the one with the narrowest range.
    const std::string& classId() const { return classId_; }
    const std::string& className() const { return className_; }

    // Required fields, shown red while missing.
    bool playerMissing() const { return player_.empty(); }
    bool nameMissing() const { return name_.empty(); }
    bool stageMissing() const { return stageId_.empty(); }
    bool alignmentMissing() const { return alignmentId_.empty(); }
    bool rollMissing() const { return rollText_.empty() || classId_.empty(); }
    bool complete() const;
    // Why a required field keeps "Dalej" from going on, naming the field; nothing when
    // the field is filled. The page shows it at the red field.
    std::optional<std::string> missingReason(Field field) const;
    // The first field, in the page's order, that keeps "Dalej" from going on.
    std::optional<Field> firstMissing() const;

    // "Dalej": when the page is complete, writes the names, the appearance, stage, age and
    // alignment entries, the race's weapon-group bonuses and the social class into the
    // character and returns true; otherwise changes nothing and returns false.
    bool finish();

private:
    void fillStages();
    void fillAlignments();
    void fillProfessions();
    void lookUpClass();
    void applySocialClass();
    void addEntries();
    // Runs a query; a failure is shown as well as written.
    void query(Database& db, std::string_view sql, std::initializer_list<SqlParam> params,
               const RowCallback& onRow);

    Database& rules_;
    Database& characters_;
    CIstota& hero_;
    DiceRolls rolls_;
    UserPort& port_;

    std::vector<std::string> players_;
    std::vector<PageChoice> stages_;
    std::vector<PageChoice> alignments_;
    std::vector<OpenProfession> professions_;
    std::string player_, name_, stageId_, alignmentId_;
    std::string rollText_, classId_, className_;
};

// Whether the rules offer at least one race stage open to players (page 1's race list is
// not empty without an alignment chosen); false also when they cannot be read.
bool offersPlayableStage(Database& rules);

// The shown text of the item with this identifier, or empty.
std::string choiceText(const std::vector<PageChoice>& list, std::string_view id);

// Why a text typed into a field cannot be saved with the character (it holds a character
// Windows-1250 cannot), starting with the field's name; nothing when it can be saved.
std::optional<std::string> textStorageProblem(std::string_view fieldName, std::string_view text);

// The first `maxCharacters` characters of a UTF-8 text.
std::string firstCharacters(std::string_view text, std::size_t maxCharacters);

} // namespace tallar
