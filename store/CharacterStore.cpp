#include "store/CharacterStore.h"

#include "store/EntryStore.h"
#include "store/db/Database.h"

namespace tallar {

std::string noSuchCharacterMessage(std::string_view id) {
    return "Nie ma bohatera o identyfikatorze " + std::string(id) + ".";
}

Status SaveCharacter(const CIstota& character) {
    Database* db = character.connection();
    if (!db)
        return Status::error("Bohater nie ma połączenia z bazą danych.");
    const std::string& me = character.id();
    return inTransaction(*db, [&]() -> Status {
        if (Status s = db->exec("DELETE FROM istoty WHERE id=?;", {me}); !s)
            return s;
        if (Status s =
                db->exec("INSERT INTO istoty VALUES (?,?,?,?,?);",
                         {me, character.imie, character.rasa, character.prof, character.gracz});
            !s)
            return s;
        if (Status s = db->exec("DELETE FROM pozycje WHERE id_ist=?;", {me}); !s)
            return s;
        return SaveTree(character, me, me, 1);
    });
}

Status DeleteCharacter(const CIstota& character) {
    Database* db = character.connection();
    if (!db)
        return Status::error("Bohater nie ma połączenia z bazą danych.");
    return statusOf(DeleteStoredCharacter(*db, character.id()));
}

namespace {

// Whether `id` names a stored character: a row of istoty, not just some entry.
Status characterStored(Database& db, std::string_view id, bool& stored) {
    stored = false;
    return db.exec("SELECT 1 FROM istoty WHERE id=?;", {id}, [&](const Row&) { stored = true; });
}

} // namespace

Result<bool> DeleteStoredCharacter(Database& db, std::string_view id) {
    bool stored = false;
    const Status deleted = inTransaction(db, [&]() -> Status {
        if (Status s = characterStored(db, id, stored); !s)
            return s;
        if (!stored)
            return {};
        if (Status s = db.exec("DELETE FROM istoty WHERE id=?;", {id}); !s)
            return s;
        // Every row of the character carries its identifier; rows of other characters stay
        // even where a damaged database hangs them below this one's entries.
        return db.exec("DELETE FROM pozycje WHERE id_ist=?;", {id});
    });
    if (!deleted)
        return deleted.error();
    return stored;
}

Result<LoadedCharacter> LoadCharacter(Database& db, std::string_view id) {
    using Loaded = Result<LoadedCharacter>;
    bool stored = false;
    if (Status s = characterStored(db, id, stored); !s)
        return s.error();
    if (!stored)
        return Loaded::error(noSuchCharacterMessage(id));
    Result<LoadedTree> tree = LoadTree(db, id, [](Database* connection, const EntryData& root) {
        return std::unique_ptr<CPoz>(CIstota::makeEmpty(connection, root));
    });
    if (!tree)
        return isMissingEntry(tree.error()) ? Loaded::error(noSuchCharacterMessage(id))
                                            : Loaded(tree.error());
    LoadedCharacter result{
        .character = std::unique_ptr<CIstota>(static_cast<CIstota*>(tree->entry.release())),
        .warnings = std::move(tree->warnings)};
    CIstota& character = *result.character;
    character.linkTopEntries();
    const Status names =
        db.exec("SELECT imie,rasa,prof,gracz FROM istoty WHERE id=?;", {id}, [&](const Row& row) {
            character.imie = row.text(0);
            character.rasa = row.text(1);
            character.prof = row.text(2);
            character.gracz = row.text(3);
        });
    if (!names)
        return names.error();
    return result;
}

Result<std::vector<CharacterSummary>> ListCharacters(Database& db) {
    std::vector<CharacterSummary> characters;
    const Status listed = db.exec(
        "SELECT id,gracz,rasa,prof,imie FROM istoty ORDER BY gracz,rasa,prof,imie,id;",
        [&](const Row& row) {
            characters.push_back({row.text(0), row.text(1), row.text(2), row.text(3), row.text(4)});
        });
    if (!listed)
        return listed.error();
    return characters;
}

} // namespace tallar
