#pragma once

#include "rules/engine/EngineStep.h"

#include <string_view>

namespace tallar {

// A character's social class (`klasyspoleczne`): the class entry under "Dodatkowe
// informacje", the wealth rolled from the class (gold at hand, the part over 100 in the
// bank, and the family estate), and the class's part of Charyzma.
class CRdzenKlasaSpoleczna : public EngineStep {
public:
    explicit CRdzenKlasaSpoleczna(const EngineContext& context);

    // The class entry and the wealth, then the charisma. An empty id does nothing.
    void Apply(std::string_view classId);

    // The class's part of Charyzma, once per class: a class whose part the character
    // already has changes nothing (and throws no die).
    void ApplyCharisma();
};

} // namespace tallar
