#pragma once

#include "base/Status.h"
#include "output/CharacterFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class Database;

// The checks an import makes between reading a character file and storing it: what the
// file holds must be whole characters that change nothing the file does not name.

// Why a file is refused and the byte where the reason is.
struct FileFault {
    std::size_t offset = 0;
    std::string reason;
};

// A file saved as UTF-8 instead of Windows-1250 would import as garbled text. It is
// recognised when all of it is well-formed UTF-8 and it holds the UTF-8 form of a Polish
// letter (ą ć ę ł ń ó ś ź ż and capitals), two bytes that Windows-1250 text practically
// never holds side by side. Gives the fault at the first such letter.
std::optional<FileFault> checkNotUtf8(std::string_view bytes);

// Checks that the records hold one tree of entries for each character of the file:
// - every `pozycje` record has its parent and character (`id_n`, `id_ist`), and the
//   character has its `istoty` record in the file;
// - `lp`, `typ` and `wartosc` are whole numbers of 32 bits, `modyfikator` a finite number;
// - no identifier of an entry or a character repeats;
// - each character has its root entry (the entry of its own identifier, which names
//   itself as parent), and every other entry hangs by its parents from that root: no entry
//   is its own parent, names a parent missing from the file or of another character, or
//   hangs in a cycle.
// Gives the first fault, at the record it is found in.
std::optional<FileFault> checkCharacterTrees(const std::vector<CharacterFileRecord>& records);

// Checks the records against the stored characters: an entry of the file must not take the
// identifier of a stored character or of a stored character's entry, unless that
// character is the same one or is itself replaced by the file. Runs inside the import's
// transaction. Gives the fault that refuses the file, or none; fails when a query does.
Result<std::optional<FileFault>> checkStoredOwners(Database& characters,
                                                   const std::vector<CharacterFileRecord>& records);

} // namespace tallar
