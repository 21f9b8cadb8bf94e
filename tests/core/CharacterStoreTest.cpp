#include "store/CharacterStore.h"
#include "rules/core/AttributeSet.h"
#include "rules/core/ExpressionNames.h"
#include "store/EntryStore.h"
#include "store/db/Schema.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallar {
namespace {

struct CharacterDb : test::TestDatabase {
    CharacterDb() { EXPECT_TRUE(ensureCharacterSchema(*db).ok()); }

    // Every stored row of both tables, one text per row, in a fixed order.
    std::vector<std::string> dump() {
        std::vector<std::string> rows;
        const auto take = [&](const Row& row) {
            std::string line;
            for (int i = 0; i < row.columnCount(); ++i)
                line += row.text(i) + "|";
            rows.push_back(line);
        };
        EXPECT_TRUE(db->exec("SELECT * FROM istoty ORDER BY id;", take).ok());
        EXPECT_TRUE(db->exec("SELECT * FROM pozycje ORDER BY id;", take).ok());
        return rows;
    }
};

// The labels of the whole tree below the root, indented by depth.
void outline(const CPoz& entry, int depth, std::vector<std::string>& out) {
    for (const CPoz* child : entry.children()) {
        out.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') + BuildLabel(*child));
        outline(*child, depth + 1, out);
    }
}
std::vector<std::string> outline(const CPoz& root) {
    std::vector<std::string> out;
    outline(root, 0, out);
    return out;
}

CPoz* add(CPoz& parent, std::string_view info, int typ, int value = 0, double modifier = 1.0) {
    return &parent.AddChild(
        {.info = std::string(info), .typ = typ, .wartosc = value, .modyfikator = modifier});
}

TEST(CharacterSkeleton, ANewCharacterHasTheFixedEntriesAndItsReferences) {
    CharacterDb t;
    CIstota hero(*t.db);
    EXPECT_EQ(hero.size(), 41u);
    EXPECT_EQ(hero.typ, 0);
    EXPECT_EQ(hero.modyfikator, 1.0);
    EXPECT_EQ(hero.link(1)->info, "Żywotność");
    EXPECT_EQ(hero.link(kLinkObciazenie)->typ, kinds::top::kLoad);
    EXPECT_EQ(hero.link(41)->info, "Dodatkowe informacje");
    EXPECT_EQ(hero.link(0), nullptr);
    EXPECT_EQ(hero.link(42), nullptr);
    int n = 1;
    for (const CPoz* child : hero.children())
        EXPECT_EQ(hero.link(n++), child);

    const CPoz* nested = hero.link(kLinkZrecznoscAktualna)->front();
    EXPECT_EQ(nested->typ, kinds::attribute::kDexterityReference);
    EXPECT_EQ(nested->target(), hero.link(kLinkZrecznosc));
    EXPECT_EQ(nested->specjal, "&" + hero.link(kLinkZrecznosc)->id());
    EXPECT_EQ(hero.link(kLinkSzybkoscAktualna)->front()->target(), hero.link(kLinkSzybkosc));
    EXPECT_EQ(hero.link(kLinkWalka)->size(), 3u);
    EXPECT_EQ(hero.link(kLinkMajatek)->back()->info, "budynki, nieruchomości, ziemia");

    // A fixed entry that is removed loses its link instead of leaving it dangling.
    hero.SetCursor(hero.link(kLinkCzary));
    hero.Usun();
    EXPECT_EQ(hero.link(kLinkCzary), nullptr);
    EXPECT_EQ(hero.link(kLinkCialo)->info, "Ciało");
    hero.RecalculateCharacter();

    // The attribute entries are those the rules read, with the same labels and kinds.
    for (const AttributeDef& member : attributeSet()) {
        const CPoz* found = hero.FindByKind(member.entryKind);
        ASSERT_NE(found, nullptr) << member.entryLabel;
        EXPECT_EQ(found->info, member.entryLabel);
    }
}

TEST(CharacterSkeleton, RecalculationOrderLetsCurrentValuesFollowTheirAttributes) {
    CharacterDb t;
    CIstota hero(*t.db);
    add(*hero.link(kLinkZrecznosc), "rzut", 0x11, 14);
    add(*hero.link(kLinkSzybkosc), "rzut", 0x11, 9);
    add(*hero.link(kLinkZrecznoscAktualna), "pancerz", 0x11, -2);
    hero.RecalculateCharacter();
    EXPECT_EQ(hero.link(kLinkZrecznosc)->total, 14.0);
    EXPECT_EQ(hero.link(kLinkZrecznoscAktualna)->total, 12.0);
    EXPECT_EQ(hero.link(kLinkSzybkoscAktualna)->total, 9.0);
    EXPECT_EQ(lookUpExpressionName("ZR", &hero), 14.0);
    EXPECT_EQ(lookUpExpressionName("SZ", &hero), 9.0);
    EXPECT_EQ(lookUpExpressionName("WIEK", &hero), 0.0);
    CPoz* extra = hero.link(kLinkDodatkoweInformacje);
    add(*extra, "Wiek", kinds::info::kAge, 31);
    CPoz* body = add(*extra, "Ciało", kinds::info::kAppearance);
    add(*body, "Waga [kg]", kinds::stage::kWeight, 80);
    EXPECT_EQ(hero.age(), 31);
    EXPECT_EQ(hero.weight(), 80);
    EXPECT_EQ(hero.height(), std::nullopt);
}

TEST(CharacterStore, ANewCharacterIsStoredAsFiftyFourRows) {
    CharacterDb t;
    CIstota hero(*t.db);
    hero.SetImie("Ragnar");
    hero.SetGracz("Ola");
    ASSERT_TRUE(SaveCharacter(hero).ok());
    EXPECT_EQ(t.count("SELECT count(*) FROM istoty;"), 1);
    EXPECT_EQ(t.count("SELECT count(*) FROM pozycje;"), 54);
    EXPECT_EQ(t.count("SELECT count(*) FROM pozycje WHERE id_ist<>'" + hero.id() + "';"), 0);
    EXPECT_EQ(t.db->queryValue("SELECT id_n || '/' || id_ist || '/' || lp FROM pozycje WHERE id=?;",
                               {hero.id()}),
              hero.id() + "/" + hero.id() + "/1");
    EXPECT_EQ(t.db->queryValue("SELECT imie || gracz || rasa || prof FROM istoty;"), "RagnarOla");
    // Places count from 1 among siblings.
    EXPECT_EQ(t.count("SELECT max(lp) FROM pozycje WHERE id_n='" + hero.id() + "' AND id<>id_n;"),
              41);
    EXPECT_EQ(t.db->queryValue("SELECT info FROM pozycje WHERE id_n=? AND lp=3;",
                               {hero.link(kLinkMajatek)->id()}),
              "w siedzibie");
    EXPECT_TRUE(t.errors.str().empty());
}

TEST(CharacterStore, SavingAgainReplacesTheRowsAndLoadingGivesTheSameTree) {
    CharacterDb t;
    CIstota hero(*t.db);
    hero.SetRasa("Elf");
    add(*add(*hero.link(kLinkEkwipunek)->front(), "Plecak", 0x440), "Lina", kinds::equipment::kItem,
        2, 1.5);
    CPoz* note = add(*hero.link(kLinkDodatkoweInformacje), "Uwagi 'cytat'", 0x17);
    note->SetMemo("żółć; DROP TABLE istoty; --");
    add(*hero.link(kLinkZrecznosc), "rzut", 0x11, 11);
    hero.RecalculateCharacter();
    ASSERT_TRUE(SaveCharacter(hero).ok());
    const auto first = t.dump();
    ASSERT_TRUE(SaveCharacter(hero).ok());
    EXPECT_EQ(t.dump(), first);

    Result<LoadedCharacter> loaded = LoadCharacter(*t.db, hero.id());
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    EXPECT_TRUE(loaded->warnings.empty());
    CIstota& again = *loaded->character;
    EXPECT_EQ(again.id(), hero.id());
    EXPECT_EQ(again.rasa, "Elf");
    const CPoz* nested = again.link(kLinkZrecznoscAktualna)->front();
    EXPECT_EQ(nested->target(), again.link(kLinkZrecznosc));
    again.RecalculateCharacter();
    EXPECT_EQ(outline(again), outline(hero));
    EXPECT_EQ(again.link(kLinkZrecznoscAktualna)->total, 11.0);

    ASSERT_TRUE(SaveCharacter(again).ok());
    EXPECT_EQ(t.dump(), first);
}

TEST(CharacterStore, LoadingRestoresReferencesByIdentifierOnlyInsideTheTree) {
    CharacterDb t;
    CIstota hero(*t.db);
    CPoz* outsider = add(*hero.link(kLinkCzary), "obcy", 0x19, 6);
    outsider->SetSpecjal("&999999999999999999999999999999");
    CPoz* inside = add(*hero.link(kLinkCzary), "swój", 0x19, 0);
    inside->MakeReference(*hero.link(kLinkWiara), true);
    ASSERT_TRUE(SaveCharacter(hero).ok());

    Result<LoadedCharacter> loaded = LoadCharacter(*t.db, hero.id());
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    const CPoz* spells = loaded->character->link(kLinkCzary);
    EXPECT_EQ(spells->front()->target(), nullptr);
    EXPECT_EQ(spells->front()->specjal, "&999999999999999999999999999999");
    EXPECT_EQ(spells->back()->target(), loaded->character->link(kLinkWiara));
    loaded->character->RecalculateCharacter();
    EXPECT_EQ(spells->front()->wartosc, 6);
}

TEST(CharacterStore, ChildrenComeInTheOrderOfTheirPlacesAndSubtreesLoadAlone) {
    CharacterDb t;
    CIstota hero(*t.db);
    ASSERT_TRUE(SaveCharacter(hero).ok());
    ASSERT_TRUE(
        t.db->exec("UPDATE pozycje SET lp=5-lp WHERE id_n=?;", {hero.link(kLinkMajatek)->id()})
            .ok());
    Result<LoadedCharacter> loaded = LoadCharacter(*t.db, hero.id());
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    std::vector<std::string> wealth;
    for (const CPoz* child : loaded->character->link(kLinkMajatek)->children())
        wealth.push_back(child->info);
    EXPECT_EQ(wealth, (std::vector<std::string>{"budynki, nieruchomości, ziemia", "w siedzibie",
                                                "w banku/skarbcu", "przy sobie"}));

    Result<LoadedTree> combat = LoadTree(*t.db, hero.link(kLinkWalka)->id());
    ASSERT_TRUE(combat.ok()) << combat.message();
    EXPECT_EQ(combat->entry->info, "Walka");
    EXPECT_EQ(combat->entry->parent(), nullptr);
    EXPECT_EQ(outline(*combat->entry), (std::vector<std::string>{"Bronie", "Pancerz", "Tarcze"}));
    // A reference out of a loaded subtree stays a plain entry.
    Result<LoadedTree> current = LoadTree(*t.db, hero.link(kLinkZrecznoscAktualna)->id());
    ASSERT_TRUE(current.ok()) << current.message();
    EXPECT_EQ(current->entry->front()->target(), nullptr);
    const Result<LoadedTree> missing = LoadTree(*t.db, "nic");
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(isMissingEntry(missing.error()));
    EXPECT_EQ(missing.message(), "Nie ma pozycji o identyfikatorze nic.");
}

// A query that fails while the tree is read is that failure, not a missing character.
TEST(CharacterStore, AFailingReadIsReportedAsItselfNotAsAMissingCharacter) {
    CharacterDb t;
    CIstota hero(*t.db);
    ASSERT_TRUE(SaveCharacter(hero).ok());
    t.db->setErrorStream(nullptr);
    t.db->setStatementHook([](std::string_view sql) {
        return sql.starts_with("SELECT id_ist") ? Status::error("disk I/O error") : Status();
    });
    const Result<LoadedTree> tree = LoadTree(*t.db, hero.id());
    ASSERT_FALSE(tree.ok());
    EXPECT_FALSE(isMissingEntry(tree.error()));
    const Result<LoadedCharacter> loaded = LoadCharacter(*t.db, hero.id());
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.message(), "disk I/O error");
}

TEST(CharacterStore, UnknownIdentifierGivesNoSuchCharacter) {
    CharacterDb t;
    Result<LoadedCharacter> loaded = LoadCharacter(*t.db, "123");
    EXPECT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.message(), noSuchCharacterMessage("123"));
}

TEST(CharacterStore, StoredParentLinksFormingACycleAreReportedAndNotFollowed) {
    CharacterDb t;
    CIstota hero(*t.db);
    CPoz* deep = add(*hero.link(kLinkCzary), "głęboko", 0x11, 1);
    ASSERT_TRUE(SaveCharacter(hero).ok());
    // A damaged database: the root hangs below one of its own descendants.
    ASSERT_TRUE(t.db->exec("UPDATE pozycje SET id_n=? WHERE id=?;", {deep->id(), hero.id()}).ok());
    Result<LoadedCharacter> loaded = LoadCharacter(*t.db, hero.id());
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    ASSERT_EQ(loaded->warnings.size(), 1u);
    EXPECT_NE(loaded->warnings[0].find(hero.id()), std::string::npos);
    EXPECT_EQ(loaded->character->size(), 41u);
    EXPECT_TRUE(loaded->character->link(kLinkCzary)->front()->empty());
}

TEST(CharacterStore, AFailingInsertLeavesTheStoredCharacterAsItWas) {
    CharacterDb t;
    CIstota hero(*t.db);
    hero.SetImie("Pierwszy");
    add(*hero.link(kLinkCzary), "Kula ognia", 0x11, 3);
    ASSERT_TRUE(SaveCharacter(hero).ok());
    const auto before = t.dump();

    ASSERT_TRUE(t.db->exec("CREATE TRIGGER refuse BEFORE INSERT ON pozycje WHEN NEW.info='zły' "
                           "BEGIN SELECT RAISE(ABORT, 'odmowa'); END;")
                    .ok());
    hero.SetImie("Drugi");
    add(*hero.link(kLinkWalka)->front(), "zły", 0x11, 1);
    const Status refused = SaveCharacter(hero);
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.message().find("odmowa"), std::string::npos);
    EXPECT_EQ(t.dump(), before);
    EXPECT_NE(t.errors.str().find("SQL error: odmowa"), std::string::npos);

    // A text the database cannot hold is refused the same way.
    hero.link(kLinkWalka)->front()->UsunAll();
    add(*hero.link(kLinkCzary), "雷", 0x11, 1);
    EXPECT_FALSE(SaveCharacter(hero).ok());
    EXPECT_EQ(t.dump(), before);
    EXPECT_FALSE(t.db->inTransaction());
}

TEST(CharacterStore, DeleteRemovesTheWholeTreeAndNothingElse) {
    CharacterDb t;
    CIstota other(*t.db);
    ASSERT_TRUE(SaveCharacter(other).ok());
    const auto untouched = t.dump();
    CIstota hero(*t.db);
    CPoz* pack = add(*hero.link(kLinkEkwipunek)->front(), "Plecak", 0x440);
    add(*add(*pack, "Sakiewka", 0x440), "Moneta", kinds::equipment::kItem, 3, 0.01);
    ASSERT_TRUE(SaveCharacter(hero).ok());
    EXPECT_EQ(t.count("SELECT count(*) FROM pozycje;"), 54 * 2 + 3);

    ASSERT_TRUE(DeleteCharacter(hero).ok());
    EXPECT_EQ(t.dump(), untouched);
    EXPECT_EQ(hero.size(), 41u); // the entries in memory stay
}

TEST(CharacterStore, AnEntrysIdentifierNamesNoCharacter) {
    CharacterDb t;
    CIstota hero(*t.db);
    ASSERT_TRUE(SaveCharacter(hero).ok());
    // A damaged database: another character's row hangs below one of the hero's entries.
    ASSERT_TRUE(t.db->exec("INSERT INTO pozycje VALUES ('obcy','" + hero.link(kLinkCzary)->id() +
                           "','inny',1,'cudzy','',0,0,1.0,'');")
                    .ok());
    const auto before = t.dump();
    const std::string entry = hero.link(kLinkWalka)->id();
    Result<LoadedCharacter> loaded = LoadCharacter(*t.db, entry);
    EXPECT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.message(), noSuchCharacterMessage(entry));

    const Result<bool> entryDeleted = DeleteStoredCharacter(*t.db, entry);
    ASSERT_TRUE(entryDeleted.ok()) << entryDeleted.message();
    EXPECT_FALSE(*entryDeleted); // no character of that identifier
    EXPECT_EQ(t.dump(), before);

    // Deleting the hero takes its 54 rows and leaves the other character's one.
    const Result<bool> heroDeleted = DeleteStoredCharacter(*t.db, hero.id());
    ASSERT_TRUE(heroDeleted.ok()) << heroDeleted.message();
    EXPECT_TRUE(*heroDeleted);
    EXPECT_EQ(t.dump(), (std::vector<std::string>{"obcy|" + hero.link(kLinkCzary)->id() +
                                                  "|inny|1|cudzy||0|0|1.0||"}));
}

TEST(CharacterNames, JoinProfessionNamesForNoneOneAndTwo) {
    CharacterDb t;
    CIstota hero(*t.db);
    hero.SetProf("stare");
    hero.JoinProfessionNames();
    EXPECT_EQ(hero.prof, "");
    CPoz* professions = hero.link(kLinkProfesje);
    CPoz* warrior = add(*professions, "Wojownik", kinds::profession::kProfession);
    add(*warrior, "Poziom", kinds::profession::kLevel, 3);
    add(*professions, "coś innego", 0x11, 5); // not a profession
    hero.JoinProfessionNames();
    EXPECT_EQ(hero.prof, "Wojownik(3)");
    add(*professions, "Mag", kinds::profession::kProfession); // without a level entry
    hero.JoinProfessionNames();
    EXPECT_EQ(hero.prof, "Wojownik(3)/Mag(0)");
}

TEST(CharacterLoad, RebuildLoadSumsWeightsItemsAndNestedContainers) {
    CharacterDb t;
    CIstota hero(*t.db);
    CPoz* carried = hero.link(kLinkEkwipunek)->front();
    CPoz* sword = add(*carried, "Miecz", 0x440);
    add(*sword, "Waga", kinds::equipment::kWeight, 3);
    add(*carried, "Strzała", kinds::equipment::kItem, 20, 0.05); // 20 × 0.05 = 1
    add(*carried, "Kamień", kinds::equipment::kItem, 1, 2.3);    // rounded up: 3
    CPoz* pack = add(*carried, "Plecak", 0x440);
    CPoz* pouch = add(*pack, "Sakiewka", 0x440);
    add(*pouch, "Moneta", kinds::equipment::kItem, 7, 0.1001); // 0.7007 → 1
    add(*hero.link(kLinkEkwipunek)->back(), "Skrzynia", kinds::equipment::kItem, 1,
        50); // "w domu": not carried

    hero.RebuildLoad();
    std::vector<std::string> lines;
    for (const CPoz* line : hero.link(kLinkObciazenie)->children())
        lines.push_back(line->info + "=" + std::to_string(line->wartosc));
    EXPECT_EQ(lines,
              (std::vector<std::string>{"Miecz=3", "Strzała x 20=1", "Kamień=3", "Moneta x 7=1"}));
    EXPECT_EQ(hero.link(kLinkObciazenie)->total, 8.0);
    EXPECT_EQ(BuildLabel(*hero.link(kLinkObciazenie)), "Obciążenie: 8");

    // Rebuilding replaces the lines; removing an item removes its line with it.
    hero.RebuildLoad();
    EXPECT_EQ(hero.link(kLinkObciazenie)->size(), 4u);
    pack->UsunAll();
    EXPECT_EQ(hero.link(kLinkObciazenie)->size(), 3u);
}

TEST(CharacterList, CharactersAreListedByPlayerRaceProfessionsAndName) {
    CharacterDb t;
    const auto make = [&](const char* gracz, const char* rasa, const char* imie) {
        CIstota hero(*t.db);
        hero.SetGracz(gracz);
        hero.SetRasa(rasa);
        hero.SetImie(imie);
        EXPECT_TRUE(SaveCharacter(hero).ok());
        return hero.id();
    };
    const std::string b = make("Ola", "Krasnolud", "Borin");
    const std::string a = make("Ola", "Elf", "Zefir");
    const std::string c = make("Adam", "Człowiek", "Jan");
    const Result<std::vector<CharacterSummary>> listed = ListCharacters(*t.db);
    ASSERT_TRUE(listed.ok()) << listed.message();
    const std::vector<CharacterSummary>& list = *listed;
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].id, c);
    EXPECT_EQ(list[1].id, a);
    EXPECT_EQ(list[2].id, b);
    EXPECT_EQ(list[2].imie, "Borin");
}

} // namespace
} // namespace tallar
