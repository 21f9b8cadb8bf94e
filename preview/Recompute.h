#pragma once

#include "rules/core/Dice.h"

namespace tallar {

class CIstota;
class Database;
class UserPort;

// "Przelicz": recomputes the whole character from the rules, step by step in this order:
// race stage, body, disabilities and abilities, trades, professions, proficiencies,
// resistances, skills, the placement of carried equipment, and last the load and every
// total. Throws that a step makes anew are asked through `rolls` when it asks. Writes no
// rows.
class CharacterRecompute {
public:
    CharacterRecompute(Database& rules, CIstota& hero, UserPort& port, DiceRolls rolls);

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
    Database& rules_;
    CIstota& hero_;
    UserPort& port_;
    DiceRolls rolls_;
};

// The placement of carried equipment (CWizard9 without showing it): what follows a change
// under "przy sobie", before "Obciążenie" is rebuilt.
void PlaceCarriedEquipment(Database& rules, CIstota& hero, UserPort& port);

} // namespace tallar
