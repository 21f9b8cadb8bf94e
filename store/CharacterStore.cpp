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
    return DeleteStoredCharacter(*db, character.id());
}

namespace {

// Whether `id` names a stored character: a row of istoty, not just some entry.
Status characterStored(Database& db, std::string_view id, bool& stored) {
    stored = false;
    return db.exec("SELECT 1 FROM istoty WHERE id=?;", {id}, [&](const Row&) { stored = true; });
}

} // namespace

Status DeleteStoredCharacter(Database& db, std::string_view id, bool* existed) {
    return inTransaction(db, [&]() -> Status {
        bool stored = false;
        if (Status s = characterStored(db, id, stored); !s)
            return s;
        if (existed)
            *existed = stored;
        if (!stored)
            return {};
        if (Status s = db.exec("DELETE FROM istoty WHERE id=?;", {id}); !s)
            return s;
        // Every row of the character carries its identifier; rows of other characters stay
        // even where a damaged database hangs them below this one's entries.
        return db.exec("DELETE FROM pozycje WHERE id_ist=?;", {id});
    });
}

CharacterLoad LoadCharacter(Database& db, std::string_view id) {
    CharacterLoad result;
    bool stored = false;
    if (Status s = characterStored(db, id, stored); !s || !stored) {
        result.status = s ? Status::error(noSuchCharacterMessage(id)) : s;
        return result;
    }
    TreeLoad tree = LoadTree(db, id, [](Database* connection, const EntryData& root) {
        return std::unique_ptr<CPoz>(CIstota::makeEmpty(connection, root));
    });
    result.warnings = std::move(tree.warnings);
    if (!tree.entry) {
        result.status = tree.found ? tree.status : Status::error(noSuchCharacterMessage(id));
        return result;
    }
    result.character.reset(static_cast<CIstota*>(tree.entry.release()));
    CIstota& character = *result.character;
    character.linkTopEntries();
    const Status names =
        db.exec("SELECT imie,rasa,prof,gracz FROM istoty WHERE id=?;", {id}, [&](const Row& row) {
            character.imie = row.text(0);
            character.rasa = row.text(1);
            character.prof = row.text(2);
            character.gracz = row.text(3);
        });
    if (!names) {
        result.character.reset();
        result.status = names;
    }
    return result;
}

Status ListCharacters(Database& db, std::vector<CharacterSummary>& out) {
    out.clear();
    return db.exec(
        "SELECT id,gracz,rasa,prof,imie FROM istoty ORDER BY gracz,rasa,prof,imie,id;",
        [&](const Row& row) {
            out.push_back({row.text(0), row.text(1), row.text(2), row.text(3), row.text(4)});
        });
}

} // namespace tallar
