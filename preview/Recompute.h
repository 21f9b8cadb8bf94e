#pragma once

#include "rules/engine/EngineStep.h"

namespace tallar {

class LevelAdvancementChooser;

// "Przelicz": recomputes the whole character from the rules, step by step in this order:
// race stage, body, disabilities and abilities, trades, professions, proficiencies,
// resistances, skills, the placement of carried equipment, and last the load and every
// total. Throws that a step makes anew are asked when the context says so. Writes no rows.
class CharacterRecompute {
public:
    // `chooser` shows a new experience level to the person when throws are asked.
    explicit CharacterRecompute(const EngineContext& context,
                                LevelAdvancementChooser* chooser = nullptr);

    void Run();

    // The steps, in the order Run takes them.
    void raceStage();
    void body();
    void abilitiesAndDisabilities();
    void trades();
    void professions();
    void proficiencies();
    void resistances();
    void skills();
    void placement();
    void loadAndTotals();

private:
    EngineContext context_;
    LevelAdvancementChooser* chooser_;
};

} // namespace tallar
