#pragma once

#include "base/Status.h"

namespace tallar {

class Database;
class UserPort;

// The question the desktop program asks when it starts on rules without any race.
inline constexpr const char* kSampleRulesQuestion =
    "Baza reguł jest pusta. Wczytać przykładowe reguły?";
// The refusal when the rules database already holds rules.
inline constexpr const char* kSampleRulesRefusal =
    "Baza reguł zawiera już rasy; przykładowe reguły wczytuje się tylko do bazy bez reguł.";

// Whether the rules database holds at least one race; a failing query is an error.
Result<bool> rulesHaveRace(Database& rules);

// Loads the sample rules set into a rules database whose schema exists and which holds no
// race; refuses otherwise. All or nothing: on any failure nothing of the set is kept.
Status loadSampleRules(Database& rules);

// At start-up: when the rules hold no race, asks whether to load the sample set and loads
// it on Yes; a failure (also of the check for a race) is shown as an error. Returns true
// when the set was loaded.
bool offerSampleRules(Database& rules, UserPort& port);

} // namespace tallar
