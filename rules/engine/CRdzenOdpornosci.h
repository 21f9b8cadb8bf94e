#pragma once

#include "rules/core/CRdzen.h"

namespace tallar {

class CIstota;
class Database;

// The base resistances of a character: the psychic one from Żywotność, Inteligencja and
// Mądrość, the physical one from Żywotność and Siła fizyczna, each counting only the parts
// of those attributes that make up their base (racial, overweight, professional, and the
// shares of abilities and disabilities), then passed on to the ten resistances.
class CRdzenOdpornosci : public CRdzen {
public:
    CRdzenOdpornosci(Database& rules, CIstota& character);

    void BaseResistances();

    Database& rules() const { return rules_; }

private:
    Database& rules_;
    CIstota& character_;
};

} // namespace tallar
