#pragma once

#include "base/Status.h"
#include "model/Character.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class Database;

// Writes the character (its istoty row and all its pozycje rows) on its connection,
// replacing what was stored. All or nothing: on any failure the stored character stays as
// it was.
Status SaveCharacter(const CIstota& character);
// Removes the character's rows from the database; the entries in memory stay.
Status DeleteCharacter(const CIstota& character);

// A loaded character and damage found in its stored rows and bypassed.
struct LoadedCharacter {
    std::unique_ptr<CIstota> character;
    std::vector<std::string> warnings;
};

// Reads a stored character. An identifier that is no row of istoty (nothing, or only an
// entry of some character) fails with "no such character".
Result<LoadedCharacter> LoadCharacter(Database& db, std::string_view id);

// Removes a stored character (its istoty row and every pozycje row that names it as its
// character) in one transaction. An identifier that is no row of istoty removes nothing.
// Gives whether the identifier was a stored character.
Result<bool> DeleteStoredCharacter(Database& db, std::string_view id);

// One stored character as the character list shows it.
struct CharacterSummary {
    std::string id, gracz, rasa, prof, imie;
};
// The stored characters, ascending by player, race, professions and name.
Result<std::vector<CharacterSummary>> ListCharacters(Database& db);

// The message for an identifier that names no stored character.
std::string noSuchCharacterMessage(std::string_view id);

} // namespace tallar
