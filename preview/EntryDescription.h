#pragma once

#include <string>

namespace tallar {

class CPoz;
class Database;
class UserPort;

// The description the preview's "Opis" box shows for an entry, read from the rules: a
// trade's or a grade's from `zawod`, an ability's or a disability's from `zdolnosci`, a
// skill's from `umiejetnosci`; empty for every other kind and for a row that is not there.
// A failing query is shown through `port` in a message box without a caption (and written
// as "SQL error: …" by the database); the description is then empty.
std::string entryDescription(Database& rules, const CPoz& entry, UserPort& port);

} // namespace tallar
