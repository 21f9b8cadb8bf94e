#pragma once

namespace tallar {

class CIstota;
class CPoz;
struct EngineContext;

// The free proficiencies: the total of "Wolne biegłości" under "Biegłości w broniach" (what
// the professions grant, less what is spent); 0 when the character has no such entry.
int freeProficiencies(const CIstota& character);

// The "Wolne biegłości" entry of the character, or null.
CPoz* freeProficiencyEntry(const CIstota& character);

// The proficiency points the parts of one proficiency took: the first field of each part's
// memo ("2|2|1|0|0" took 2).
int pointsTaken(const CPoz& proficiency);

// Refreshes what feeds the proficiencies and recounts the spent points ("Wykorzystane").
// The pages of weapons call it before showing the pool and after changing a proficiency.
void recountProficiencyPool(const EngineContext& context);

} // namespace tallar
