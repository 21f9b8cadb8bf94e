#pragma once

#include "rules/core/GrowthProfile.h"
#include "rules/engine/EngineStep.h"

#include <string>

namespace tallar {

class WizardPages;

// The number of ordinary trades due: X / 20 rounded up (a fraction below 0.001 dropped; a
// negative quotient cut toward zero), where X is MD's growth since the trades began, minus
// the trades roll, plus MD from the race stage, the abilities and disabilities.
int tradesDue(int x);

// The trades step of the creation wizard (not a dialog itself): how many trades the
// character learns (a K100 against its Mądrość), each found by a K100 in the trades of its
// social class (with the class's modifier; a trade that names another class sends the roll
// there, without it), extra trades picked from a list for professions that grant one, each
// learned through the trades engine; then the age step again and the base resistances
// computed anew from the parts it changed. A trade's roll is entered in
// the dialog CWizardZawod when rolls are asked.
class CWizard5 : public EngineStep {
public:
    static constexpr const char* kCountLabel = "Zawody: ilość zawodów?";
    static constexpr const char* kExtraCaption = "Wybór dodatkowego zawodu";
    // Rolls a trade may send to another class before the step gives up on it (a table
    // whose classes send rolls to each other would never end).
    static constexpr int kMaxRedirects = 100;

    CWizard5(const EngineContext& context, WizardPages& pages);

    // 1 to go on with the wizard; any other value (a cancelled dialog) ends it.
    int Run();

    // One trade, ordinary (by a roll) or extra (from the list): 1 when learned or when none
    // could be found, otherwise the cancelled dialog's result.
    int ChooseTrade(bool extra);

    // Whether trades are open to the character: a social class and a race with trades for
    // them, and a race stage at or after a stage of its race that allows trades.
    bool TradesOpen();

    // MD counting only what the race stage, the abilities and disabilities give it
    // (racial and professional parts, and the shares of abilities and disabilities).
    int BaseWisdom() const;
    // The extra trades the character's professions grant.
    int ExtraTrades();

    // The growth profile every trade is learned with.
    const GrowthProfile& profile() const { return profile_; }

private:
    int tradeLoop();
    int currentWisdom() const;
    // A trade roll: entered in the dialog, or (rolls not asked) thrown. False when the
    // dialog was cancelled.
    bool tradeRoll(const std::string& tradeClass, int modifier, int& roll);
    void learn(const std::string& tradeId);
    // Whether throws are asked: as the context says, until the person leaves them to the
    // program.
    bool asking() const;

    WizardPages& pages_;
    std::string classId_, raceId_, stageId_;
    GrowthProfile profile_;
};

} // namespace tallar
