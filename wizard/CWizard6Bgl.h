#pragma once

#include "rules/engine/EngineStep.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class CIstota;
class CPoz;

// A level of the proficiency ladder: its name, its cost text (five numbers joined by "|",
// the first the free proficiencies it takes) and its step.
struct ProficiencyLevel {
    const char* name;
    const char* cost;
    int step;
};
// The specialisation levels, from "BIEGŁY" (position 0, shown as an empty item) up, and
// the two-handedness levels, from "JEDNORĘCZNOŚĆ" (position 0, empty) up.
extern const std::array<ProficiencyLevel, 6> kSpecialisationLevels;
extern const std::array<ProficiencyLevel, 3> kAmbidexterityLevels;

// What the character's professions allow in training: extra training rolls, and whether
// specialisation is open (some profession has a level above 0).
struct TrainingRights {
    int extraRolls = 0;
    bool specialisationOpen = false;
};
TrainingRights trainingRights(const CIstota& character);

// The proficiency dialog of one weapon group: the basic training (points spent and the
// training roll, the better of several throws), the specialisation and two-handedness
// levels, bought with the free proficiencies. OK writes the parts under the group's
// proficiency entry and recounts the pool. The dialog only shows this state.
class CWizard6Bgl {
public:
    // `free` is what the group may spend: the free proficiencies left plus what its own
    // parts (training, specialisation, two-handedness) already took.
    CWizard6Bgl(const EngineContext& context, CPoz& proficiency, int free);
    CWizard6Bgl(const EngineContext& context, CPoz& proficiency, int free, TrainingRights rights);

    // What a group of the character may spend: the free proficiencies left plus what the
    // parts of this dialog took in it.
    static int availableFor(const CIstota& character, const CPoz& proficiency);

    std::string caption() const; // the group's name
    // "K100", or "Max z N rzut.K100" with extra rolls.
    std::string rollButtonCaption() const;
    int free() const { return free_; }
    int extraRolls() const { return rights_.extraRolls; }
    bool specialisationOpen() const { return rights_.specialisationOpen; }
    // Trained in an earlier session: the training fields are shown, read-only.
    bool trainedBefore() const { return trainedBefore_; }

    // The training roll (1 to 100) and the proficiencies spent on training (1 to free), as
    // typed; each change rebuilds the lists.
    void setRollText(std::string_view text);
    void setSpentText(std::string_view text);
    const std::string& rollText() const { return rollText_; }
    const std::string& spentText() const { return spentText_; }
    bool rollValid() const;
    bool spentValid() const;

    // The "K100" button (not for a group trained before): while proficiencies are left and
    // the roll is below 100, throws extra rolls + 1 K100 and keeps the best; the better of
    // that and the current roll stays, and one more proficiency is spent. `asked` throws as
    // the context says (asked of the person with askRolls); otherwise the program throws.
    void roll(bool asked = false);

    // The items of the two lists (the first one empty) and the chosen positions.
    std::vector<std::string> specialisationItems() const;
    std::vector<std::string> ambidexterityItems() const;
    std::size_t specialisation() const { return specialisation_; }
    std::size_t ambidexterity() const { return ambidexterity_; }
    void chooseSpecialisation(std::size_t position);
    void chooseAmbidexterity(std::size_t position);
    int specialisationCost() const;
    int ambidexterityCost() const;
    // Free proficiencies left: free − (spent + both costs).
    int left() const;

    // Why OK is refused (a field out of range, more spent than free), or nothing.
    std::optional<std::string> blocker() const;
    // OK: writes "Szkolenie podstawowe", the specialisation and the two-handedness level
    // (removed when it costs nothing) and recounts the pool. False (nothing written) while
    // blocked.
    bool finish();

private:
    int spent() const;
    int rollValue() const;
    // How many positions each list offers now; a choice beyond them falls to the last.
    std::size_t offered(std::size_t levels, int budget) const;
    void rebuild();

    EngineContext context_;
    CPoz& proficiency_;
    int free_;
    TrainingRights rights_;
    bool trainedBefore_ = false;
    std::string rollText_, spentText_;
    std::size_t specialisation_ = 0;
    std::size_t ambidexterity_ = 0;
};

} // namespace tallar
