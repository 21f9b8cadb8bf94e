#pragma once

#include <string>
#include <vector>

namespace tallar {

class Database;

// Checks a rules database for what breaks the making of characters and returns one line per
// problem found, in a fixed order (empty when the rules are sound):
// - identifier columns that name no row of the table they point to, and required ones left
//   empty, and trade classes redirected to a class that no trade has;
// - roll tables that leave numbers from 1 to 100 uncovered: social classes (all of them and
//   each playable race's), places of birth, each race's abilities and disabilities, and the
//   trades of each trade class;
// - dice expressions that are not well formed;
// - stages of one race that start at the same age.
std::vector<std::string> checkRules(Database& rules);

} // namespace tallar
