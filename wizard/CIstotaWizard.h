#pragma once

#include "base/Status.h"
#include "rules/core/CRdzen.h"
#include "rules/core/Dice.h"
#include "rules/engine/EngineStep.h"

#include <memory>
#include <string>
#include <string_view>

namespace tallar {

class CIstota;
class CWizard1;
class CWizard2;
class CWizardZawod;
class CWizard3;
class CWizard4Ulomnosc;
class LevelAdvancementChooser;
class CWizard6;
class CWizard6Bgl;
class CWizard7;
class CWizard8;
class CWizard9;
class CWizard10;
class Database;
class UserPort;

// What shows the wizard's pages: the desktop's dialogs, or the command line, which fills
// them from its options. Each page method returns true when the page ended with "Dalej"
// (the page has then written the character) and false when it was cancelled.
class WizardPages {
public:
    virtual ~WizardPages() = default;

    // Page 1: player, name, race stage, alignment, social class. `page` is opened.
    virtual bool showOrigin(CWizard1& page) = 0;
    // Page 2: place of birth (shown only when rolls are asked).
    virtual bool showBirthplace(CWizard2& page) = 0;
    // The roll of a trade (CWizardZawod), shown when rolls are asked or when
    // showsTradeRollAlways: true with the roll set when it ended with OK, false when
    // cancelled.
    virtual bool showTradeRoll(CWizardZawod& roll) = 0;
    // Page 3: the professions and their levels. `page` is opened.
    virtual bool showProfessions(CWizard3& page) = 0;
    // Step 4's dialog finding one disability or ability from a K100 roll (shown only when
    // rolls are asked). False ends the run.
    virtual bool showAbility(CWizard4Ulomnosc& page) = 0;
    // What shows a new experience level to the person when rolls are asked; null makes the
    // choice as automatic rolls do.
    virtual LevelAdvancementChooser* levelAdvancement() { return nullptr; }
    // The weapons page: weapon groups, their training, weapons. `page` is opened; true
    // when it finished (CWizard6::finish).
    virtual bool showWeapons(CWizard6& page) = 0;
    // The proficiency dialog of one weapon group of a stored character (the preview's
    // "Modyfikacja" on a proficiency), with "Anuluj"; true when it ended with OK (it has
    // then written the group's parts). The wizard itself opens it from the weapons page.
    virtual bool showProficiency(CWizard6Bgl& training) {
        (void)training;
        return false;
    }
    // The armour page (CWizard7, opened) and the shield page (CWizard8, opened); on "OK"
    // the page's finish has added what was ticked.
    virtual bool showArmour(CWizard7& page) = 0;
    virtual bool showShield(CWizard8& page) = 0;
    // The placement page (CWizard9, loaded; shown only when there is something to place);
    // on "OK" its ApplyPlacements has run.
    virtual bool showPlacement(CWizard9& page) = 0;
    // Before the last placement: equipment to carry besides weapons, shields and armour.
    // The desktop wizard has no such page (the preview's "Ekwipunek" adds it); the command
    // line adds what its options name or a few things drawn. False ends the run.
    virtual bool chooseEquipment(CWizard10& page) {
        (void)page;
        return true;
    }
    // Shows a stored character (WizardMode::Edit).
    virtual void showCharacter(CIstota& hero) = 0;
    // Whether page 2 is shown even with automatic rolls (the command line shows it always,
    // so that a roll finding no place ends the run instead of leaving no birthplace).
    virtual bool showsBirthplaceAlways() const { return false; }
    // Whether the trade rolls go through showTradeRoll even with automatic rolls (the
    // command line takes them from its options).
    virtual bool showsTradeRollAlways() const { return false; }
    // Whether the person has let the program throw the rest of the run's throws ("Rzucaj
    // dalej automatycznie"): every later step then throws without asking.
    virtual bool throwsLeftToTheProgram() const { return false; }
    // Whether the person gave up during the last step (the end of the command line's
    // input while a throw was asked): the run then ends without saving.
    virtual bool abandoned() const { return false; }
};

// What a wizard is made for: a new character, a stored one to show (and edit in the
// preview), or a stored one to delete (Run does nothing then; Delete removes it).
enum class WizardMode { New, Edit, Delete };

// The creation wizard: in WizardMode::New it makes a new character through the pages and
// the rules steps in their fixed order and saves it once at the end; in WizardMode::Edit it
// shows a stored character; Delete removes one. Cancelling a page ends the run with nothing
// saved.
class CIstotaWizard : public CRdzen {
public:
    static constexpr const char* kAskRollsQuestion = "Czy automatycznie wykonać rzuty?";
    static constexpr const char* kAskRollsCaption = "Rzuty automatyczne";

    // `generator` gives the automatic throws; the program's generator when null.
    CIstotaWizard(Database& characters, Database& rules, std::string_view characterId,
                  WizardMode mode, UserPort& port, WizardPages& pages,
                  DiceGenerator* generator = nullptr);
    ~CIstotaWizard() override;

    // Performs the mode. Returns 1 when the run completed (the new character saved, the
    // stored one shown), 0 otherwise.
    int Run();
    // Removes the stored character (its istoty row and its pozycje rows, in one
    // transaction); a failure is shown.
    Status Delete();

    // The character's identifier; after a new character's run, the new one's.
    const std::string& characterId() const { return characterId_; }
    bool askRolls() const { return rolls_.askRolls; }

private:
    int runNew();
    int runShow();
    // What the rules steps of this run work with.
    EngineContext engine() const;
    bool stopped() const;

    // The steps of a new character after the question about rolls, in their order. Each
    // returns false to end the run without saving.
    bool originPage();
    bool birthplacePage();
    bool professionPage();
    bool abilitiesAndDisabilities();
    bool raceStageRolls();
    bool abilityFormulas();
    bool professionBonuses();
    bool baseResistances();
    bool trades();
    bool professionLevels();
    bool joinNamesAndRecalculate();
    bool placeEquipment();
    bool weaponsPage();
    bool skillTraining();
    bool placeEquipmentAgain();
    bool armourPage();
    bool shieldPage();
    bool finalPlacement();
    bool save();

    Database& characters_;
    Database& rules_;
    std::string characterId_;
    WizardMode mode_;
    UserPort& port_;
    WizardPages& pages_;
    DiceRolls rolls_;
    std::unique_ptr<CIstota> hero_;
};

// Disabilities and abilities: a kind-0 and a kind-1 engine object; each applies its formulas
// (kind 0 first), then each applies them to the attributes (kind 0 first), growing by the
// race stage's profile. The wizard's step and the preview's recompute.
void ApplyAbilityFormulas(const EngineContext& context);

// Before a new character is begun: whether the rules offer a race stage open to players,
// without which page 1 has nothing to choose. When they hold no race at all, says so and
// offers the sample rules, loading them on Yes; when they hold races but none open to
// players, says where to open one. True when a character can be made now.
bool readyForNewCharacter(Database& rules, UserPort& port);

inline constexpr const char* kNoRaceCaption = "Brak ras";
inline constexpr const char* kNoRaceQuestion =
    "W bazie reguł nie ma żadnej rasy, więc nie można stworzyć bohatera. Wczytać "
    "przykładowe reguły?";
inline constexpr const char* kNoPlayableStage =
    "W bazie reguł nie ma rasy dostępnej dla graczy, więc nie można stworzyć bohatera. "
    "Zaznacz „Dostępne dla graczy” w którymś stadium rasy (przycisk „Edycja ras”).";

} // namespace tallar
