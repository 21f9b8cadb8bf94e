#pragma once

#include "rules/engine/EngineStep.h"

namespace tallar {

// The base resistances of a character: the psychic one from Żywotność, Inteligencja and
// Mądrość, the physical one from Żywotność and Siła fizyczna, each counting only the parts
// of those attributes that make up their base (racial, overweight, professional, and the
// shares of abilities and disabilities), then passed on to the ten resistances.
class CRdzenOdpornosci : public EngineStep {
public:
    explicit CRdzenOdpornosci(const EngineContext& context);

    void BaseResistances();

private:
    double baseTotal(std::size_t member) const;
};

} // namespace tallar
