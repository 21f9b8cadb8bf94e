#include "wizard/CIstotaWizard.h"

#include "base/UserPort.h"
#include "rules/core/GrowthProfile.h"
#include "rules/data/SampleRules.h"
#include "rules/engine/CRdzenOdpornosci.h"
#include "rules/engine/CRdzenProfesja.h"
#include "rules/engine/CRdzenStadium.h"
#include "rules/engine/CRdzenUlomnosc.h"
#include "rules/engine/CRdzenUmiejetnosci.h"
#include "store/CharacterStore.h"
#include "wizard/CWizard1.h"
#include "wizard/CWizard10.h"
#include "wizard/CWizard2.h"
#include "wizard/CWizard3.h"
#include "wizard/CWizard4.h"
#include "wizard/CWizard5.h"
#include "wizard/CWizard6.h"
#include "wizard/CWizard7.h"
#include "wizard/CWizard8.h"
#include "wizard/CWizard9.h"

#include <array>

namespace tallar {

CIstotaWizard::CIstotaWizard(Database& characters, Database& rules, std::string_view characterId,
                             WizardMode mode, UserPort& port, WizardPages& pages,
                             DiceGenerator* generator)
    : characters_(characters), rules_(rules), characterId_(characterId), mode_(mode), port_(port),
      pages_(pages), rolls_{false, &port, generator} {}

CIstotaWizard::~CIstotaWizard() = default;

int CIstotaWizard::Run() {
    switch (mode_) {
    case WizardMode::New:
        return runNew();
    case WizardMode::Edit:
        return runShow();
    case WizardMode::Delete:
        break;
    }
    return 0;
}

Status CIstotaWizard::Delete() {
    Status deleted = statusOf(DeleteStoredCharacter(characters_, characterId_));
    if (!deleted)
        port_.showError(deleted.message(), kWizardErrorCaption);
    return deleted;
}

int CIstotaWizard::runShow() {
    Result<LoadedCharacter> loaded = LoadCharacter(characters_, characterId_);
    if (!loaded) {
        port_.showError(loaded.message(), kWizardErrorCaption);
        return 0;
    }
    hero_ = std::move(loaded->character);
    hero_->RecalculateCharacter();
    pages_.showCharacter(*hero_);
    hero_.reset();
    return 1;
}

EngineContext CIstotaWizard::engine() const {
    return {.rules = rules_,
            .character = *hero_,
            .port = port_,
            .generator = rolls_.generator,
            .askRolls = rolls_.askRolls};
}

bool CIstotaWizard::stopped() const {
    return pages_.abandoned();
}

int CIstotaWizard::runNew() {
    hero_ = std::make_unique<CIstota>(characters_);
    characterId_ = hero_->id();
    // Yes: the program rolls; No (or closing the box): every throw is asked.
    rolls_.askRolls = !port_.askYesNo(kAskRollsQuestion, kAskRollsCaption);

    using Step = bool (CIstotaWizard::*)();
    static constexpr std::array<Step, 19> kSteps = {
        &CIstotaWizard::originPage,
        &CIstotaWizard::birthplacePage,
        &CIstotaWizard::professionPage,
        &CIstotaWizard::abilitiesAndDisabilities,
        &CIstotaWizard::raceStageRolls,
        &CIstotaWizard::abilityFormulas,
        &CIstotaWizard::professionBonuses,
        &CIstotaWizard::baseResistances,
        &CIstotaWizard::trades,
        &CIstotaWizard::professionLevels,
        &CIstotaWizard::joinNamesAndRecalculate,
        &CIstotaWizard::placeEquipment,
        &CIstotaWizard::weaponsPage,
        &CIstotaWizard::skillTraining,
        &CIstotaWizard::placeEquipmentAgain,
        &CIstotaWizard::armourPage,
        &CIstotaWizard::shieldPage,
        &CIstotaWizard::finalPlacement,
        &CIstotaWizard::save,
    };
    int result = 1;
    for (Step step : kSteps) {
        if (!(this->*step)() || stopped()) {
            result = 0;
            break;
        }
        // The rest of the run is thrown by the program once the person has asked for it.
        if (pages_.throwsLeftToTheProgram())
            rolls_.askRolls = false;
    }
    hero_.reset();
    return result;
}

// Page 1: player, name, race stage, alignment and social class.
bool CIstotaWizard::originPage() {
    CWizard1 page(rules_, characters_, *hero_, rolls_, port_);
    page.open();
    return pages_.showOrigin(page);
}

// Page 2: the place of birth; with automatic rolls it is not shown.
bool CIstotaWizard::birthplacePage() {
    CWizard2 page(rules_, *hero_, port_, rolls_.generator);
    if (!rolls_.askRolls && !pages_.showsBirthplaceAlways()) {
        page.RollBirthplace();
        return true;
    }
    return pages_.showBirthplace(page);
}

// Page 3: the professions and their levels; the run goes on only when it ends with OK.
bool CIstotaWizard::professionPage() {
    CWizard3 page(rules_, *hero_, port_);
    page.open();
    return pages_.showProfessions(page);
}

// Abilities and disabilities (CWizard4, not a dialog itself); the run goes on only when it
// returns 1.
bool CIstotaWizard::abilitiesAndDisabilities() {
    return CWizard4(rules_, *hero_, rolls_, port_, pages_).Run() == 1 && !stopped();
}

// Race stage: the roll of the random parts (height, weight, the chance of death of old age,
// the random parts of the base resistances), then the age step.
bool CIstotaWizard::raceStageRolls() {
    CRdzenStadium stage(engine());
    stage.RollRandomParts();
    stage.AgeStep();
    return !stopped();
}

// Disabilities and abilities: a kind-0 and a kind-1 object; each applies its formulas
// (kind 0 first), then each applies them to the attributes (kind 0 first). The race stage
// was applied before they had formulas, so its racial parts are applied again with their
// profile (a MIN or MAX, a multiplier, a limit), as every later age step and "Przelicz" do:
// a character without trades has no later age step.
bool CIstotaWizard::abilityFormulas() {
    ApplyAbilityFormulas(engine());
    GrowthProfile profile;
    FoldDisabilitiesAndAbilities(engine(), profile);
    CRdzenStadium(engine()).Apply(profile);
    return !stopped();
}

// Professions: the bonuses rolled and applied, then the truncated "2K10" thrown as
// "Punkty doświadczenia" shared among them.
bool CIstotaWizard::professionBonuses() {
    CRdzenProfesja professions(engine());
    professions.AddProfessionBonuses();
    professions.ApplyProfessionBonuses();
    professions.DistributeExperience(
        truncateToInt(EvaluateDice("2K10", rolls_, "Punkty doświadczenia", DiceMode::Roll)));
    return !stopped();
}

bool CIstotaWizard::baseResistances() {
    CRdzenOdpornosci(engine()).BaseResistances();
    return true;
}

// Trades (CWizard5, not a dialog itself): the run goes on only when it returns 1.
bool CIstotaWizard::trades() {
    return CWizard5(engine(), pages_).Run() == 1 && !stopped();
}

// Professions again: the experience levels, each new one shown to the person when rolls
// are asked.
bool CIstotaWizard::professionLevels() {
    CRdzenProfesja(engine(), pages_.levelAdvancement()).AdvanceLevels();
    return !stopped();
}

bool CIstotaWizard::joinNamesAndRecalculate() {
    hero_->JoinProfessionNames();
    hero_->RecalculateCharacter();
    return true;
}

// Equipment placement (CWizard9, not shown): loads the items and places, restores the
// placements already recorded and applies them.
bool CIstotaWizard::placeEquipment() {
    PlaceCarriedEquipment(engine());
    return !stopped();
}

// Page CWizard6: weapon groups and their training, weapons. The run goes on only on OK.
bool CIstotaWizard::weaponsPage() {
    CWizard6 page(engine());
    page.open();
    return pages_.showWeapons(page) && !stopped();
}

// Skills (CRdzenUmiejetnosci): the training step, then RecalculateCharacter.
bool CIstotaWizard::skillTraining() {
    CRdzenUmiejetnosci(engine()).Training();
    hero_->RecalculateCharacter();
    return !stopped();
}

// CWizard9 again without showing it, as placeEquipment.
bool CIstotaWizard::placeEquipmentAgain() {
    return placeEquipment();
}

// Page CWizard7: armour; the run goes on only on OK.
bool CIstotaWizard::armourPage() {
    CWizard7 page(engine());
    page.open();
    return pages_.showArmour(page);
}

// Page CWizard8: shield; the run goes on only on OK.
bool CIstotaWizard::shieldPage() {
    CWizard8 page(engine());
    page.open();
    return pages_.showShield(page);
}

// CWizard9 once more: it loads; only when the character has items to place it is shown
// and the run goes on only on OK.
bool CIstotaWizard::finalPlacement() {
    CWizard10 equipment(engine());
    if (!pages_.chooseEquipment(equipment) || stopped())
        return false;
    CWizard9 page(engine());
    page.LoadPlacements();
    if (page.items().empty())
        return true;
    return pages_.showPlacement(page);
}

// The character's istoty row and all its pozycje rows, in one transaction.
bool CIstotaWizard::save() {
    if (stopped())
        return false;
    if (Status saved = SaveCharacter(*hero_); !saved) {
        port_.showError(saved.message(), kWizardErrorCaption);
        return false;
    }
    return true;
}

void ApplyAbilityFormulas(const EngineContext& context) {
    CRdzenUlomnosc disabilities(context, CRdzenUlomnosc::kDisabilities);
    CRdzenUlomnosc abilities(context, CRdzenUlomnosc::kAbilities);
    disabilities.ApplyFormulas();
    abilities.ApplyFormulas();
    // The shares grow by the race stage's profile (with the disabilities and abilities
    // folded in by the engine).
    GrowthProfile raceStage;
    CRdzenStadium(context).FoldProfile(raceStage);
    disabilities.ApplyToAttributes(raceStage);
    abilities.ApplyToAttributes(raceStage);
}

bool readyForNewCharacter(Database& rules, UserPort& port) {
    if (offersPlayableStage(rules))
        return true;
    const Result<bool> hasRace = rulesHaveRace(rules);
    if (!hasRace) {
        port.showError(hasRace.message(), kWizardErrorCaption);
        return false;
    }
    if (*hasRace) {
        port.showError(kNoPlayableStage, kNoRaceCaption);
        return false;
    }
    if (!port.askYesNo(kNoRaceQuestion, kNoRaceCaption))
        return false;
    if (Status status = loadSampleRules(rules); !status) {
        port.showError(status.message(), kWizardErrorCaption);
        return false;
    }
    return offersPlayableStage(rules);
}

} // namespace tallar
