#pragma once

#include "model/Character.h"
#include "model/Kinds.h"
#include "store/CharacterStore.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace tallar {

// A stored character of a given number of entries: the 54-entry skeleton filled up with
// bags of carried items with Polish labels and memos, every tenth item a reference to
// "Zręczność".
struct Fixture {
    test::TempDir dir;
    std::unique_ptr<Database> db;
    std::unique_ptr<CIstota> hero;

    explicit Fixture(int entries) {
        Result<std::unique_ptr<Database>> opened = Database::open(dir.file("rtistoty.db"));
        if (!opened)
            std::abort(); // no benchmark without its database
        db = std::move(*opened);
        db->setErrorStream(nullptr);
        (void)ensureCharacterSchema(*db);
        hero = std::make_unique<CIstota>(*db);
        hero->SetImie("Wędrowiec");
        grow(entries);
        hero->RecalculateCharacter();
        (void)SaveCharacter(*hero);
    }

    // Fills the character up to `entries` entries (the skeleton has 54): bags of carried
    // items with Polish labels and memos, every tenth entry a reference to an attribute.
    void grow(int entries) {
        int count = 54;
        CPoz* carried = hero->link(kLinkEkwipunek)->front();
        CPoz* bag = nullptr;
        while (count < entries) {
            if (!bag || bag->size() == 9) {
                bag = &carried->AddChild({.info = "Torba podróżna", .typ = 0x440});
                ++count;
                continue;
            }
            CPoz* item = &bag->AddChild({.info = "Żelazna racja",
                                         .specjal = "ekw0000042",
                                         .typ = kinds::equipment::kItem,
                                         .wartosc = count % 7 + 1,
                                         .modyfikator = 0.25,
                                         .memo = "Zapas na trzy dni drogi; łatwo się psuje."});
            if (count % 10 == 0)
                item->MakeReference(*hero->link(kLinkZrecznosc), true);
            ++count;
        }
    }
};

} // namespace tallar
