#include "output/CharacterFileCheck.h"
#include "output/CharacterFile.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallar {
namespace {

// A character database holding one character, "s" with its root and one entry.
struct StoredCharacter : test::TestDatabase {
    StoredCharacter() {
        EXPECT_TRUE(ensureCharacterSchema(*db).ok());
        EXPECT_TRUE(db->exec("INSERT INTO istoty VALUES ('s','Stary','','','');"
                             "INSERT INTO pozycje VALUES ('s','s','s',1,'','',0,0,1.0,'');"
                             "INSERT INTO pozycje VALUES ('s1','s','s',1,'x','',1,2,0.5,'');")
                        .ok());
    }
    std::string rows() {
        return db
            ->queryValue("SELECT group_concat(r, ';') FROM (SELECT quote(id)||quote(imie) AS r "
                         "FROM istoty UNION ALL SELECT quote(id)||quote(id_n)||quote(id_ist)||"
                         "quote(lp)||quote(info)||quote(typ)||quote(wartosc)||quote(modyfikator) "
                         "FROM pozycje ORDER BY 1);")
            .value_or("");
    }
};

// A pozycje record: identifier, parent, character and further columns.
std::string entry(const std::string& id, const std::string& parent, const std::string& owner,
                  const std::string& more = "") {
    return "<rekord><id>" + id + "</id><id_n>" + parent + "</id_n><id_ist>" + owner + "</id_ist>" +
           more + "</rekord>";
}

// A file of CRLF lines: <rtplik>, <istoty>, the characters (line 3 on), </istoty>,
// <pozycje>, the entries, </pozycje>, </rtplik>. With one character the entries start on
// line 6.
std::string file(const std::vector<std::string>& characters,
                 const std::vector<std::string>& entries) {
    std::string text = "<rtplik>\r\n<istoty>\r\n";
    for (const std::string& id : characters)
        text += "<rekord><id>" + id + "</id></rekord>\r\n";
    text += "</istoty>\r\n<pozycje>\r\n";
    for (const std::string& record : entries)
        text += record + "\r\n";
    return text + "</pozycje>\r\n</rtplik>\r\n";
}

struct Refused {
    const char* what;
    std::string bytes;
    std::string placeAndReason;
};

TEST(CharacterFileCheck, ACharacterThatIsNotOneTreeIsRefusedWithLineAndReason) {
    const std::string root = entry("k", "k", "k");
    const std::vector<Refused> files = {
        {"a cycle of parents", file({"k"}, {root, entry("a", "b", "k"), entry("b", "a", "k")}),
         "wiersz 7, znak 1: pozycja „a” nie wisi pod pozycją główną bohatera „k”: jej pozycje "
         "nadrzędne tworzą cykl"},
        {"a cycle beside good entries, with an entry below it",
         file({"k"}, {root, entry("a", "k", "k"), entry("d", "c", "k"), entry("c", "b", "k"),
                      entry("b", "c", "k")}),
         "wiersz 8, znak 1: pozycja „d” nie wisi pod pozycją główną bohatera „k”"},
        {"its own parent", file({"k"}, {root, entry("a", "a", "k")}),
         "wiersz 7, znak 1: pozycja „a” jest swoją własną pozycją nadrzędną"},
        {"a parent that names nothing", file({"k"}, {root, entry("a", "zz", "k")}),
         "wiersz 7, znak 1: pozycji nadrzędnej „zz” pozycji „a” nie ma w pliku"},
        {"no root", file({"k"}, {}),
         "wiersz 3, znak 1: bohater „k” nie ma pozycji głównej (rekordu pozycji o "
         "identyfikatorze bohatera)"},
        {"a root hanging elsewhere", file({"k"}, {entry("k", "a", "k"), entry("a", "k", "k")}),
         "wiersz 6, znak 1: pozycja główna bohatera „k” powinna wskazywać siebie jako pozycję "
         "nadrzędną, a wskazuje „a”"},
        {"entries without their character", file({"k"}, {root, entry("q", "q", "q")}),
         "wiersz 7, znak 1: pozycja „q” należy do bohatera „q”, którego rekordu nie ma w "
         "sekcji <istoty> pliku"},
        {"an entry under another character's entry",
         file({"k", "m"}, {root, entry("m", "m", "m"), entry("a", "k", "k"), entry("b", "a", "m")}),
         "wiersz 10, znak 1: pozycja „b” bohatera „m” wisi pod pozycją „a” bohatera „k”"},
        {"an entry with another character's identifier",
         file({"k", "m"}, {root, entry("m", "k", "k")}),
         "wiersz 8, znak 1: pozycja „m” bohatera „k” ma identyfikator innego bohatera z pliku"},
        {"an entry twice", file({"k"}, {root, entry("a", "k", "k"), entry("a", "k", "k")}),
         "wiersz 8, znak 1: pozycja „a” występuje w pliku więcej niż raz"},
        {"a character twice", file({"k", "k"}, {root}),
         "wiersz 4, znak 1: bohater „k” występuje w pliku więcej niż raz"},
        {"no parent column", file({"k"}, {root, "<rekord><id>a</id><id_ist>k</id_ist></rekord>"}),
         "wiersz 7, znak 1: pozycja „a” nie ma kolumny „id_n”"},
        {"no character column", file({"k"}, {root, "<rekord><id>a</id><id_n>k</id_n></rekord>"}),
         "wiersz 7, znak 1: pozycja „a” nie ma kolumny „id_ist”"},
        {"a place that is no number", file({"k"}, {root, entry("a", "k", "k", "<lp>jeden</lp>")}),
         "wiersz 7, znak 1: kolumna „lp” pozycji „a” nie jest liczbą całkowitą (od -2147483648 "
         "do 2147483647): „jeden”"},
        {"a kind with a blank", file({"k"}, {root, entry("a", "k", "k", "<typ> 5</typ>")}),
         "kolumna „typ” pozycji „a” nie jest liczbą całkowitą"},
        {"an empty value", file({"k"}, {root, entry("a", "k", "k", "<wartosc/>")}),
         "kolumna „wartosc” pozycji „a” nie jest liczbą całkowitą"},
        {"a value beyond 32 bits",
         file({"k"}, {root, entry("a", "k", "k", "<wartosc>2147483648</wartosc>")}),
         "kolumna „wartosc” pozycji „a” nie jest liczbą całkowitą (od -2147483648 do "
         "2147483647): „2147483648”"},
        {"a modifier that is not a number",
         file({"k"}, {root, entry("a", "k", "k", "<modyfikator>nan</modyfikator>")}),
         "wiersz 7, znak 1: kolumna „modyfikator” pozycji „a” nie jest skończoną liczbą: „nan”"},
        {"an infinite modifier",
         file({"k"}, {root, entry("a", "k", "k", "<modyfikator>-inf</modyfikator>")}),
         "kolumna „modyfikator” pozycji „a” nie jest skończoną liczbą: „-inf”"},
        {"a modifier too large for a number",
         file({"k"}, {root, entry("a", "k", "k", "<modyfikator>1e999</modyfikator>")}),
         "kolumna „modyfikator” pozycji „a” nie jest skończoną liczbą: „1e999”"},
        {"a long identifier is cut in the message",
         file({"k"}, {root, entry(std::string(50, 'x'), std::string(50, 'x'), "k")}),
         "pozycja „" + std::string(40, 'x') + "…” jest swoją własną pozycją nadrzędną"},
    };
    for (const Refused& refused : files) {
        SCOPED_TRACE(refused.what);
        StoredCharacter t;
        const std::string before = t.rows();
        const Result<std::vector<std::string>> result =
            importCharacterBytes(*t.db, refused.bytes, "zly.xml");
        const std::string& message = result.message();
        EXPECT_TRUE(message.starts_with("Plik „zly.xml” nie został zaimportowany: wiersz "))
            << message;
        EXPECT_NE(message.find(refused.placeAndReason), std::string::npos) << message;
        EXPECT_EQ(t.rows(), before);
    }
}

TEST(CharacterFileCheck, NumbersAsTheDatabaseWritesThemAreAccepted) {
    StoredCharacter t;
    const Result<std::vector<std::string>> result = importCharacterBytes(
        *t.db,
        file({"k"}, {entry("k", "k", "k", "<lp>1</lp><typ>-2147483648</typ>"),
                     entry("a", "k", "k",
                           "<wartosc>2147483647</wartosc><modyfikator>1.0e+20</modyfikator>"),
                     entry("b", "a", "k", "<modyfikator>-0.25</modyfikator>")}),
        "dobry.xml");
    ASSERT_TRUE(result.ok()) << result.message();
    EXPECT_EQ(t.db->queryValue("SELECT group_concat(quote(modyfikator)) FROM pozycje WHERE "
                               "id_ist='k' AND modyfikator IS NOT NULL;"),
              "1.0e+20,-0.25");
}

TEST(CharacterFileCheck, AFileInUtf8WithPolishLettersIsRefused) {
    // "Żółw" as UTF-8 bytes: C5 BB, C3 B3, C5 82; in Windows-1250 they would read "Ĺ»ĂłĹ‚w".
    const std::string utf8 = "<rtplik>\r\n<istoty>\r\n<rekord><id>k</id><imie>Żółw</imie>"
                             "</rekord>\r\n</istoty>\r\n<pozycje>\r\n" +
                             entry("k", "k", "k") + "\r\n</pozycje>\r\n</rtplik>\r\n";
    StoredCharacter t;
    const std::string before = t.rows();
    const Result<std::vector<std::string>> refused = importCharacterBytes(*t.db, utf8, "utf8.xml");
    // "Ż" follows the 24 bytes of "<rekord><id>k</id><imie>": column 25.
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().place.file, "utf8.xml");
    EXPECT_EQ(refused.error().place.line, 3);
    EXPECT_EQ(refused.error().place.column, 25);
    EXPECT_EQ(refused.message(),
              "Plik „utf8.xml” nie został zaimportowany: wiersz 3, znak 25: plik jest zapisany w "
              "kodzie UTF-8 (litera „Ż”); plik postaci powinien być zapisany w kodzie "
              "Windows-1250");
    EXPECT_EQ(t.rows(), before);

    // Valid UTF-8 without a Polish letter cannot be told from Windows-1250: "é" (C3 A9)
    // reads as "Ă©".
    std::string other = utf8;
    other.replace(other.find("Żółw"), std::string("Żółw").size(), "é");
    ASSERT_TRUE(importCharacterBytes(*t.db, other, "inny.xml").ok());
    EXPECT_EQ(t.db->queryValue("SELECT imie FROM istoty WHERE id='k';"), "Ă©");

    // The same letters in Windows-1250 are what a character file holds.
    std::string cp1250 = utf8;
    cp1250.replace(cp1250.find("Żółw"), std::string("Żółw").size(), "\xAF\xF3\xB3w");
    ASSERT_TRUE(importCharacterBytes(*t.db, cp1250, "dobry.xml").ok());
    EXPECT_EQ(t.db->queryValue("SELECT imie FROM istoty WHERE id='k';"), "Żółw");
}

} // namespace
} // namespace tallar
