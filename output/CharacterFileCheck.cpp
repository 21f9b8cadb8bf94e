#include "output/CharacterFileCheck.h"

#include "base/Cp1250.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"

#include <charconv>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace tallar {
namespace {

constexpr std::string_view kCharacterTable = "istoty";
constexpr std::string_view kEntryTable = "pozycje";
constexpr std::string_view kIdColumn = "id";
constexpr std::string_view kParentColumn = "id_n";
constexpr std::string_view kOwnerColumn = "id_ist";

// A value from the file in a message: quoted, and cut short, since a hostile file may hold
// an identifier of megabytes.
std::string shown(std::string_view value) {
    constexpr std::size_t kLongest = 40;
    const std::string_view kept = utf8Prefix(value, kLongest);
    return "„" + std::string(kept) + (kept.size() < value.size() ? "…”" : "”");
}

bool wholeNumber32(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool finiteNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

FileFault at(const CharacterFileRecord& record, std::string reason) {
    return {record.offset, std::move(reason)};
}

// An entry of the file with the values that place it in a tree.
struct FileEntry {
    const CharacterFileRecord* record;
    std::string_view id, parent, owner;
};

// Whole numbers and finite reals where the schema declares the column so.
std::optional<FileFault> checkNumbers(const CharacterFileRecord& record, const TableDef& table) {
    for (const auto& [column, value] : record.values) {
        const std::string_view type = table.columns[table.columnIndex(column)].type;
        if (type == "INTEGER" && !wholeNumber32(value))
            return at(
                record,
                "kolumna „" + column + "” pozycji " + shown(*record.value(kIdColumn)) +
                    " nie jest liczbą całkowitą (od -2147483648 do 2147483647): " + shown(value));
        if (type == "REAL" && !finiteNumber(value))
            return at(record, "kolumna „" + column + "” pozycji " +
                                  shown(*record.value(kIdColumn)) +
                                  " nie jest skończoną liczbą: " + shown(value));
    }
    return std::nullopt;
}

} // namespace

std::optional<FileFault> checkNotUtf8(std::string_view bytes) {
    static constexpr std::string_view kPolishLetters = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ";
    if (!isValidUtf8(bytes))
        return std::nullopt;
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) < 0xC3)
            continue;
        for (std::size_t letter = 0; letter < kPolishLetters.size(); letter += 2) {
            const std::string_view utf8 = kPolishLetters.substr(letter, 2);
            if (bytes.substr(i, 2) == utf8)
                return FileFault{i, "plik jest zapisany w kodzie UTF-8 (litera „" +
                                        std::string(utf8) +
                                        "”); plik postaci powinien być zapisany w kodzie "
                                        "Windows-1250"};
        }
    }
    return std::nullopt;
}

std::optional<FileFault> checkCharacterTrees(const std::vector<CharacterFileRecord>& records) {
    const TableDef& entryTable = *findTable(kEntryTable);
    std::unordered_map<std::string_view, const CharacterFileRecord*> characters;
    std::unordered_map<std::string_view, std::size_t> entryIndex;
    std::vector<FileEntry> entries;
    for (const CharacterFileRecord& record : records) {
        const std::string& id = *record.value(kIdColumn);
        if (record.table == kCharacterTable) {
            if (!characters.emplace(id, &record).second)
                return at(record, "bohater " + shown(id) + " występuje w pliku więcej niż raz");
            continue;
        }
        for (std::string_view column : {kParentColumn, kOwnerColumn})
            if (!record.value(column))
                return at(record,
                          "pozycja " + shown(id) + " nie ma kolumny „" + std::string(column) + "”");
        if (auto fault = checkNumbers(record, entryTable))
            return fault;
        if (!entryIndex.emplace(id, entries.size()).second)
            return at(record, "pozycja " + shown(id) + " występuje w pliku więcej niż raz");
        entries.push_back({&record, id, *record.value(kParentColumn), *record.value(kOwnerColumn)});
    }

    std::vector<std::vector<std::size_t>> children(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const FileEntry& entry = entries[i];
        const CharacterFileRecord& record = *entry.record;
        if (!characters.count(entry.owner))
            return at(record, "pozycja " + shown(entry.id) + " należy do bohatera " +
                                  shown(entry.owner) +
                                  ", którego rekordu nie ma w sekcji <istoty> pliku");
        if (entry.id == entry.owner) {
            if (entry.parent != entry.id)
                return at(record, "pozycja główna bohatera " + shown(entry.id) +
                                      " powinna wskazywać siebie jako pozycję nadrzędną, a "
                                      "wskazuje " +
                                      shown(entry.parent));
            continue;
        }
        if (characters.count(entry.id))
            return at(record, "pozycja " + shown(entry.id) + " bohatera " + shown(entry.owner) +
                                  " ma identyfikator innego bohatera z pliku");
        if (entry.parent == entry.id)
            return at(record,
                      "pozycja " + shown(entry.id) + " jest swoją własną pozycją nadrzędną");
        const auto parent = entryIndex.find(entry.parent);
        if (parent == entryIndex.end())
            return at(record, "pozycji nadrzędnej " + shown(entry.parent) + " pozycji " +
                                  shown(entry.id) + " nie ma w pliku");
        if (entries[parent->second].owner != entry.owner)
            return at(record, "pozycja " + shown(entry.id) + " bohatera " + shown(entry.owner) +
                                  " wisi pod pozycją " + shown(entry.parent) + " bohatera " +
                                  shown(entries[parent->second].owner));
        children[parent->second].push_back(i);
    }

    // Every entry must be reached from its character's root; what is not hangs in a cycle.
    std::vector<bool> reached(entries.size(), false);
    std::vector<std::size_t> pending;
    for (const CharacterFileRecord& record : records) {
        if (record.table != kCharacterTable)
            continue;
        const std::string& id = *record.value(kIdColumn);
        const auto root = entryIndex.find(id);
        if (root == entryIndex.end())
            return at(record, "bohater " + shown(id) +
                                  " nie ma pozycji głównej (rekordu pozycji o identyfikatorze "
                                  "bohatera)");
        reached[root->second] = true;
        pending.push_back(root->second);
        while (!pending.empty()) {
            const std::size_t next = pending.back();
            pending.pop_back();
            for (std::size_t child : children[next])
                if (!reached[child]) {
                    reached[child] = true;
                    pending.push_back(child);
                }
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (!reached[i])
            return at(*entries[i].record,
                      "pozycja " + shown(entries[i].id) + " nie wisi pod pozycją główną bohatera " +
                          shown(entries[i].owner) + ": jej pozycje nadrzędne tworzą cykl");
    return std::nullopt;
}

Result<std::optional<FileFault>>
checkStoredOwners(Database& characters, const std::vector<CharacterFileRecord>& records) {
    std::unordered_set<std::string_view> replaced;
    for (const CharacterFileRecord& record : records)
        if (record.table == kCharacterTable)
            replaced.insert(*record.value(kIdColumn));
    for (const CharacterFileRecord& record : records) {
        if (record.table != kEntryTable)
            continue;
        const std::string& id = *record.value(kIdColumn);
        const std::string& owner = *record.value(kOwnerColumn);
        bool entryStored = false;
        bool characterStored = false;
        std::string storedOwner;
        if (Status s = characters.exec("SELECT EXISTS(SELECT 1 FROM pozycje WHERE id=?1),"
                                       "(SELECT id_ist FROM pozycje WHERE id=?1),"
                                       "EXISTS(SELECT 1 FROM istoty WHERE id=?1);",
                                       {id},
                                       [&](const Row& row) {
                                           entryStored = row.integer(0) != 0;
                                           storedOwner = row.text(1);
                                           characterStored = row.integer(2) != 0;
                                       });
            !s)
            return s.error();
        if (entryStored && storedOwner != owner && !replaced.count(storedOwner))
            return at(record, "identyfikator " + shown(id) + " pozycji bohatera " + shown(owner) +
                                  " z pliku należy już do pozycji zapisanego bohatera " +
                                  shown(storedOwner));
        if (characterStored && id != owner && !replaced.count(id))
            return at(record, "identyfikator " + shown(id) + " pozycji bohatera " + shown(owner) +
                                  " z pliku należy już do zapisanego bohatera " + shown(id));
    }
    return std::optional<FileFault>();
}

} // namespace tallar
