#pragma once

#include "base/Status.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {

class Database;
class Row;
class UserPort;

// The XML character file: a character's `istoty` row and all its `pozycje` rows, one
// record per line, each value one CDATA section, Windows-1250 bytes, CRLF line ends:
//
//   <rtplik>
//   <istoty>
//   <rekord><id><![CDATA[…]]></id><imie><![CDATA[…]]></imie>…</rekord>
//   </istoty>
//   <pozycje>
//   <rekord>…</rekord>   (one per row)
//   </pozycje>
//   </rtplik>
//
// A value holding "]]>" is split into two adjacent CDATA sections; a NULL value is left
// out of its record. The columns and their order come from the schema.

// Caption of the message boxes of the character file.
inline constexpr std::string_view kCharacterFileErrorCaption = "Błąd!";
// Text shown, with the path as caption, when the file cannot be written.
inline constexpr std::string_view kFileOpenError = "Błąd otwarcia pliku";
// Files larger than this are refused on import, so a hostile file cannot exhaust memory.
inline constexpr std::size_t kMaxCharacterFileMegabytes = 32;
inline constexpr std::size_t kMaxCharacterFileBytes = kMaxCharacterFileMegabytes * 1024 * 1024;

// Appends one record line (with its CRLF) for a result row, in UTF-8; the columns are the
// row's, in order.
void WriteRecord(const Row& row, std::string& out);

// Receives a character file's Windows-1250 bytes piece by piece; a failure stops the
// writing.
using CharacterFileSink = std::function<Status(std::string_view bytes)>;

// Writes the file of the character `characterId`, read from the character database, to
// `sink` one record at a time, so memory holds no more than a record. Fails when the
// character is not stored, a query fails, or the file would grow beyond
// kMaxCharacterFileBytes (an import would refuse it); a failure of the sink is returned as
// it came.
Status writeCharacterFile(Database& characters, std::string_view characterId,
                          const CharacterFileSink& sink);

// The whole file of the character `characterId` as Windows-1250 bytes (writeCharacterFile
// into a text).
Result<std::string> characterFileBytes(Database& characters, std::string_view characterId);

// Writes the stored character `characterId` to `path`. It writes what the database holds:
// a caller showing a changed character saves it first, then exports. The file is written
// beside the target under a temporary name (cut to fit the longest file name) and renamed
// over it only when complete, so a failed export leaves a file that stood there
// unchanged. Failures are shown through `port` and returned.
Status ExportCharacter(Database& characters, std::string_view characterId, const std::string& path,
                       UserPort& port);

// One record of a character file.
struct CharacterFileRecord {
    std::string_view table;                                  // "istoty" or "pozycje"
    std::vector<std::pair<std::string, std::string>> values; // column, value; file order
    std::size_t offset = 0;                                  // where the record starts
    const std::string* value(std::string_view column) const;
};

// Parses a character file's bytes. A fault's place is its line and character.
Result<std::vector<CharacterFileRecord>> parseCharacterFile(std::string_view bytes);

// Imports a character file's bytes; `fileName` names the file in messages. The file must
// pass the checks of output/CharacterFileCheck.h (whole characters, each one tree, taking
// no identifier of another stored character). Each record replaces the rows of the same
// identifiers: an `istoty` record the character of its identifier as a whole (its row and
// all its entries), a `pozycje` record the entry of its identifier. All or nothing, in one
// transaction. Gives the identifiers of the characters the file held (its `istoty` records,
// in file order, each once), or a message naming the file and the place of the fault (also
// in the error's place: the file, line and character). A refused file changes nothing.
Result<std::vector<std::string>> importCharacterBytes(Database& characters, std::string_view bytes,
                                                      std::string_view fileName);

// Reads the file at `path` (at most kMaxCharacterFileBytes) and imports it; a refusal is
// shown through `port` with the caption "Błąd!" and returned.
Result<std::vector<std::string>> ImportCharacters(Database& characters, const std::string& path,
                                                  UserPort& port);

// As above without showing anything: the result carries the message.
Result<std::vector<std::string>> importCharacterFile(Database& characters, const std::string& path);

} // namespace tallar
