#include "output/CharacterFile.h"

#include "base/Cp1250.h"
#include "base/UserPort.h"
#include "model/TreeDepth.h"
#include "output/CharacterFileCheck.h"
#include "output/XmlPullReader.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <set>

namespace tallar {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRoot = "rtplik";
constexpr std::string_view kRecord = "rekord";
constexpr std::string_view kIdColumn = "id";
constexpr std::string_view kCharacterTable = "istoty";
constexpr std::string_view kEntryTable = "pozycje";
// The column of `pozycje` that names the character an entry belongs to.
constexpr std::string_view kOwnerColumn = "id_ist";
// The column of `pozycje` that names an entry's parent.
constexpr std::string_view kParentColumn = "id_n";

std::string tooDeepReason(std::string_view entryId) {
    return "pozycja " + std::string(entryId) + " leży głębiej niż " +
           std::to_string(kMaxEntryDepth) + " poziomów pod bohaterem";
}

void appendCData(std::string& out, std::string_view value) {
    // "]]>" would end the section: close it between "]]" and ">" and open another.
    out += "<![CDATA[";
    for (std::size_t end; (end = value.find("]]>")) != std::string_view::npos;) {
        out += value.substr(0, end + 2);
        out += "]]><![CDATA[";
        value.remove_prefix(end + 2);
    }
    out += value;
    out += "]]>";
}

// "SELECT a,b,… FROM table WHERE column=?;" with the table's columns in schema order.
std::string selectAllColumns(const TableDef& table, std::string_view whereColumn) {
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        if (i > 0)
            sql += ',';
        sql += table.columns[i].name;
    }
    sql += " FROM ";
    sql += table.name;
    sql += " WHERE ";
    sql += whereColumn;
    sql += "=?;";
    return sql;
}

std::string openTag(std::string_view name) {
    return "<" + std::string(name) + ">" + std::string(kLineEnd);
}

std::string closeTag(std::string_view name) {
    return "</" + std::string(name) + ">" + std::string(kLineEnd);
}

// The longest file name the usual file systems take, in bytes (NAME_MAX on Linux).
constexpr std::size_t kLongestFileName = 255;

// ".NAME.tmpNUMBER" beside the target, NAME cut so that the whole stays a valid file name.
std::string temporaryName(const std::string& targetName, unsigned number) {
    const std::string suffix = ".tmp" + std::to_string(number);
    return "." + std::string(utf8Prefix(targetName, kLongestFileName - 1 - suffix.size())) + suffix;
}

// Writes a new file beside `target` through `write` and renames it over the target; on any
// failure removes it. A failure of `write` is returned as it came; a failure of the file
// itself sets `fileFailed` and gives the reason. (`write` sets `fileFailed` too when what
// failed was writing to the file.)
Status writeFileReplacing(const std::string& target, const std::function<Status(std::FILE*)>& write,
                          bool& fileFailed) {
    namespace fs = std::filesystem;
    const fs::path targetPath(target);
    std::random_device random;
    std::FILE* file = nullptr;
    fs::path temporary;
    for (int attempt = 0; attempt < 8 && !file; ++attempt) {
        temporary = targetPath;
        temporary.replace_filename(temporaryName(targetPath.filename().string(), random()));
        file = std::fopen(temporary.string().c_str(), "wbx"); // fails if it exists
    }
    fileFailed = false;
    const auto fileFailure = [&](const char* reason) {
        fileFailed = true;
        return Status::error(reason);
    };
    if (!file)
        return fileFailure("nie można utworzyć pliku w katalogu docelowym");
    Status status = write(file);
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (!status || !flushed || !closed) {
        fs::remove(temporary, error);
        if (!status)
            return status;
        return fileFailure("zapis pliku nie powiódł się");
    }
    fs::rename(temporary, targetPath, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return fileFailure("nie można zastąpić pliku docelowego");
    }
    return {};
}

// Encodes the file's text piece by piece and hands the bytes on, as long as the file stays
// within what an import reads.
class FileWriter {
public:
    FileWriter(std::string_view characterId, const CharacterFileSink& sink)
        : characterId_(characterId), sink_(sink) {}

    void add(std::string_view text) {
        if (!status_)
            return;
        Result<std::string> encoded = encodeCp1250(text);
        if (!encoded) {
            status_ = encoded.error();
            return;
        }
        bytes_ = std::move(*encoded);
        size_ += bytes_.size();
        if (size_ > kMaxCharacterFileBytes) {
            status_ = Status::error("Bohater o identyfikatorze „" + std::string(characterId_) +
                                    "” nie może być zapisany do pliku: plik byłby większy niż " +
                                    std::to_string(kMaxCharacterFileMegabytes) +
                                    " MB, a tak dużego pliku import nie wczyta.");
            return;
        }
        status_ = sink_(bytes_);
    }
    const Status& status() const { return status_; }

private:
    std::string_view characterId_;
    const CharacterFileSink& sink_;
    std::string bytes_;
    std::size_t size_ = 0;
    Status status_;
};

Error importFailure(std::string_view fileName, std::string_view reason) {
    return {.message = "Plik „" + std::string(fileName) +
                       "” nie został zaimportowany: " + std::string(reason),
            .place = {.file = std::string(fileName)}};
}

// The line and character of byte `offset` of a file.
ErrorPlace errorPlaceOf(std::string_view bytes, std::size_t offset) {
    const FilePlace place = placeOf(bytes, offset);
    return {.line = static_cast<int>(place.line), .column = static_cast<int>(place.column)};
}

// A fault at a place of the file: the message names the line and character.
Error importFailureAt(std::string_view fileName, const ErrorPlace& place, std::string_view reason) {
    Error failure =
        importFailure(fileName, "wiersz " + std::to_string(place.line) + ", znak " +
                                    std::to_string(place.column) + ": " + std::string(reason));
    failure.place.line = place.line;
    failure.place.column = place.column;
    return failure;
}

Error importFailureAt(std::string_view fileName, std::string_view bytes, std::size_t offset,
                      std::string_view reason) {
    return importFailureAt(fileName, errorPlaceOf(bytes, offset), reason);
}

// Walks the reader over the file's fixed structure: <rtplik>, its sections, their records,
// their columns. Anything else is a fault.
class CharacterFileParser {
public:
    explicit CharacterFileParser(std::string_view bytes) : bytes_(bytes), reader_(bytes) {}

    Result<std::vector<CharacterFileRecord>> parse() {
        for (;;) {
            bool ok = true;
            switch (reader_.next()) {
            case XmlPullReader::Node::End:
                return std::move(records_);
            case XmlPullReader::Node::Error:
                return refuse(reader_.offset(), reader_.error());
            case XmlPullReader::Node::ElementStart:
                ok = onStart();
                break;
            case XmlPullReader::Node::ElementEnd:
                ok = onEnd();
                break;
            case XmlPullReader::Node::Text:
                // Blanks and line ends between elements (and around CDATA) are layout.
                if (reader_.blank())
                    break;
                [[fallthrough]];
            case XmlPullReader::Node::CData:
                ok = onCharacters();
                break;
            }
            if (!ok)
                return refuse(faultOffset_, fault_);
        }
    }

private:
    // Levels of the structure, by the number of open elements.
    enum Level : std::size_t { kFile = 1, kSection = 2, kRecordLevel = 3, kColumn = 4 };

    Error refuse(std::size_t offset, const std::string& message) const {
        return {.message = message, .place = errorPlaceOf(bytes_, offset)};
    }

    bool fault(std::string message) {
        faultOffset_ = reader_.offset();
        fault_ = std::move(message);
        return false;
    }

    bool onStart() {
        const std::string& name = reader_.name();
        switch (reader_.depth()) {
        case kFile:
            if (name != kRoot)
                return fault("element główny to <" + name + ">, a powinien być <rtplik>");
            return true;
        case kSection:
            table_ = (name == kCharacterTable || name == kEntryTable) ? findTable(name) : nullptr;
            if (!table_)
                return fault("nieznana sekcja <" + name + "> (dozwolone: <istoty>, <pozycje>)");
            return true;
        case kRecordLevel:
            if (name != kRecord)
                return fault("element <" + name + "> zamiast <rekord>");
            records_.push_back({table_->name, {}, reader_.offset()});
            return true;
        case kColumn: {
            if (table_->columnIndex(name) < 0)
                return fault("nieznana kolumna „" + name + "” tabeli " + std::string(table_->name));
            CharacterFileRecord& record = records_.back();
            if (record.value(name))
                return fault("kolumna „" + name + "” powtarza się w rekordzie");
            record.values.emplace_back(name, std::string());
            return true;
        }
        default:
            return fault("element <" + name + "> wewnątrz wartości kolumny");
        }
    }

    bool onEnd() {
        if (reader_.depth() + 1 == kRecordLevel) {
            const CharacterFileRecord& record = records_.back();
            if (!record.value(kIdColumn)) {
                faultOffset_ = record.offset;
                fault_ = "rekord bez kolumny „id”";
                return false;
            }
        }
        return true;
    }

    bool onCharacters() {
        if (reader_.depth() != kColumn) {
            const bool cdata = reader_.node() == XmlPullReader::Node::CData;
            fault(cdata ? "wartość poza elementem kolumny" : "tekst poza elementem kolumny");
            // Point at the text itself, not at the line end before it.
            if (!cdata)
                faultOffset_ += reader_.text().find_first_not_of(" \t\r\n");
            return false;
        }
        records_.back().values.back().second += reader_.text();
        return true;
    }

    std::string_view bytes_;
    XmlPullReader reader_;
    const TableDef* table_ = nullptr;
    std::vector<CharacterFileRecord> records_;
    std::size_t faultOffset_ = 0;
    std::string fault_;
};

// The first entry record lying deeper than kMaxEntryDepth below its character, or null.
const CharacterFileRecord* tooDeepRecord(const std::vector<CharacterFileRecord>& records) {
    std::vector<const CharacterFileRecord*> entries;
    std::vector<EntryLink> links;
    for (const CharacterFileRecord& record : records) {
        if (record.table != kEntryTable)
            continue;
        const std::string* parent = record.value(kParentColumn);
        entries.push_back(&record);
        links.push_back({*record.value(kIdColumn), parent ? *parent : std::string_view()});
    }
    const auto index = firstEntryTooDeep(links);
    return index ? entries[*index] : nullptr;
}

// Runs the statements of an import; the caller's transaction makes them one unit.
Status storeRecords(Database& db, const std::vector<CharacterFileRecord>& records,
                    std::string_view fileName, std::string_view bytes,
                    std::vector<std::string>& characterIds) {
    const auto failed = [&](const CharacterFileRecord& record, const Status& status) {
        return Status(importFailureAt(fileName, bytes, record.offset,
                                      "rekord tabeli " + std::string(record.table) +
                                          " nie został zapisany: " + status.message()));
    };
    // A character in the file replaces the stored one as a whole: its entries go first, so
    // entries of the file are kept wherever its sections stand.
    std::set<std::string> seen;
    for (const CharacterFileRecord& record : records) {
        if (record.table != kCharacterTable)
            continue;
        const std::string& id = *record.value(kIdColumn);
        if (!seen.insert(id).second)
            continue;
        characterIds.push_back(id);
        const std::string sql = "DELETE FROM " + std::string(kEntryTable) + " WHERE " +
                                std::string(kOwnerColumn) + "=?;";
        if (Status status = db.exec(sql, {id}); !status)
            return failed(record, status);
    }
    std::vector<SqlParam> params;
    for (const CharacterFileRecord& record : records) {
        const std::string table(record.table);
        if (Status status =
                db.exec("DELETE FROM " + table + " WHERE id=?;", {*record.value(kIdColumn)});
            !status)
            return failed(record, status);
        // The column names were checked against the schema; the values are bound.
        std::string columns;
        std::string placeholders;
        params.clear();
        for (const auto& [column, value] : record.values) {
            columns += (columns.empty() ? "" : ",") + column;
            placeholders += placeholders.empty() ? "?" : ",?";
            params.emplace_back(value);
        }
        const std::string sql =
            "INSERT INTO " + table + " (" + columns + ") VALUES (" + placeholders + ");";
        if (Status status = db.exec(sql, params); !status)
            return failed(record, status);
    }
    return {};
}

} // namespace

// --- Export --------------------------------------------------------------------------

void WriteRecord(const Row& row, std::string& out) {
    out += "<rekord>";
    for (int i = 0; i < row.columnCount(); ++i) {
        const auto value = row.value(i);
        if (!value)
            continue; // NULL: the column is left out, and an import leaves it NULL
        const std::string name = row.name(i);
        out += '<' + name + '>';
        appendCData(out, *value);
        out += "</" + name + '>';
    }
    out += "</rekord>";
    out += kLineEnd;
}

Status writeCharacterFile(Database& characters, std::string_view characterId,
                          const CharacterFileSink& sink) {
    const TableDef* characterTable = findTable(kCharacterTable);
    const TableDef* entryTable = findTable(kEntryTable);
    FileWriter writer(characterId, sink);
    writer.add(openTag(kRoot) + openTag(kCharacterTable));
    std::string record;
    const auto writeRow = [&](const Row& row) {
        if (!writer.status())
            return; // the file is given up; the query only runs to its end
        record.clear();
        WriteRecord(row, record);
        writer.add(record);
    };
    int rows = 0;
    if (Status status = characters.exec(selectAllColumns(*characterTable, kIdColumn), {characterId},
                                        [&](const Row& row) {
                                            writeRow(row);
                                            ++rows;
                                        });
        !status)
        return status;
    if (rows == 0)
        return Status::error("Nie ma bohatera o identyfikatorze „" + std::string(characterId) +
                             "”.");
    writer.add(closeTag(kCharacterTable) + openTag(kEntryTable));
    // Identifiers and parents of the entries, so that a tree too deep to import is not written
    // (the reason given before the size of the file, which a deep tree may also pass).
    std::vector<std::pair<std::string, std::string>> tree;
    const int idColumn = entryTable->columnIndex(kIdColumn);
    const int parentColumn = entryTable->columnIndex(kParentColumn);
    if (Status status = characters.exec(selectAllColumns(*entryTable, kOwnerColumn), {characterId},
                                        [&](const Row& row) {
                                            writeRow(row);
                                            tree.emplace_back(row.text(idColumn),
                                                              row.text(parentColumn));
                                        });
        !status)
        return status;
    std::vector<EntryLink> links;
    links.reserve(tree.size());
    for (const auto& [id, parent] : tree)
        links.push_back({id, parent});
    if (const auto tooDeep = firstEntryTooDeep(links))
        return Status::error("Bohater " + std::string(characterId) + " nie może być zapisany do " +
                             "pliku: " + tooDeepReason(tree[*tooDeep].first) + ".");
    writer.add(closeTag(kEntryTable) + closeTag(kRoot));
    return writer.status();
}

Result<std::string> characterFileBytes(Database& characters, std::string_view characterId) {
    std::string bytes;
    const Status status = writeCharacterFile(characters, characterId, [&](std::string_view piece) {
        bytes += piece;
        return Status();
    });
    if (!status)
        return status.error();
    return bytes;
}

Status ExportCharacter(Database& characters, std::string_view characterId, const std::string& path,
                       UserPort& port) {
    bool fileFailed = false;
    Status status = writeFileReplacing(
        path,
        [&](std::FILE* file) {
            return writeCharacterFile(characters, characterId, [&](std::string_view bytes) {
                if (std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size())
                    return Status();
                fileFailed = true;
                return Status::error("zapis pliku nie powiódł się");
            });
        },
        fileFailed);
    if (!status && fileFailed)
        port.showError(std::string(kFileOpenError) + " (" + status.message() + ")", path);
    else if (!status)
        port.showError(status.message(), kCharacterFileErrorCaption);
    return status;
}

// --- Import --------------------------------------------------------------------------

const std::string* CharacterFileRecord::value(std::string_view column) const {
    for (const auto& [name, text] : values)
        if (name == column)
            return &text;
    return nullptr;
}

Result<std::vector<CharacterFileRecord>> parseCharacterFile(std::string_view bytes) {
    return CharacterFileParser(bytes).parse();
}

Result<std::vector<std::string>> importCharacterBytes(Database& characters, std::string_view bytes,
                                                      std::string_view fileName) {
    if (bytes.size() > kMaxCharacterFileBytes)
        return importFailure(fileName, "plik jest większy niż " +
                                           std::to_string(kMaxCharacterFileMegabytes) + " MB");
    const auto refuse = [&](const FileFault& fault) {
        return importFailureAt(fileName, bytes, fault.offset, fault.reason);
    };
    if (const auto fault = checkNotUtf8(bytes))
        return refuse(*fault);
    const Result<std::vector<CharacterFileRecord>> records = parseCharacterFile(bytes);
    if (!records)
        return importFailureAt(fileName, records.error().place, records.message());
    if (const auto fault = checkCharacterTrees(*records))
        return refuse(*fault);
    if (const CharacterFileRecord* tooDeep = tooDeepRecord(*records))
        return refuse({tooDeep->offset, tooDeepReason(*tooDeep->value(kIdColumn))});
    std::vector<std::string> ids;
    const Status stored = inTransaction(characters, [&]() -> Status {
        const Result<std::optional<FileFault>> owners = checkStoredOwners(characters, *records);
        if (!owners)
            return owners.error();
        if (*owners)
            return refuse(**owners);
        return storeRecords(characters, *records, fileName, bytes, ids);
    });
    if (stored)
        return ids;
    // A failure of a query or of the unit itself (its start or commit) has no place in the
    // file yet; its message does not name the file.
    if (stored.error().place.file.empty())
        return importFailure(fileName, stored.message());
    return stored.error();
}

Result<std::vector<std::string>> importCharacterFile(Database& characters,
                                                     const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::error_code error;
    if (!file || std::filesystem::is_directory(path, error)) {
        if (file)
            std::fclose(file);
        return importFailure(path, "nie można otworzyć pliku");
    }
    // Read one byte more than allowed, so a larger file is recognised without reading it all.
    std::string bytes;
    char buffer[65536];
    std::size_t n = 0;
    while (bytes.size() <= kMaxCharacterFileBytes &&
           (n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    const bool readError = std::ferror(file) != 0;
    std::fclose(file);
    if (readError)
        return importFailure(path, "odczyt pliku nie powiódł się");
    return importCharacterBytes(characters, bytes, path);
}

Result<std::vector<std::string>> ImportCharacters(Database& characters, const std::string& path,
                                                  UserPort& port) {
    Result<std::vector<std::string>> imported = importCharacterFile(characters, path);
    if (!imported)
        port.showError(imported.message(), kCharacterFileErrorCaption);
    return imported;
}

} // namespace tallar
