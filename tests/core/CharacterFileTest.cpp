#include "output/CharacterFile.h"
#include "base/NonInteractiveUserPort.h"
#include "store/db/Database.h"
#include "store/db/Schema.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

namespace tallar {
namespace {

using test::TestDatabase;

constexpr const char* kHeroId = "090809003305595251681512809718";
constexpr const char* kOtherId = "260512101500001000020000300004";

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A character database with rows inserted directly, as the character store would leave
// them.
struct CharacterDb : TestDatabase {
    CharacterDb() { EXPECT_TRUE(ensureCharacterSchema(*db).ok()); }

    void character(const std::string& id, const std::string& name, const std::string& race,
                   const std::string& professions, const std::string& player) {
        ASSERT_TRUE(db->exec("INSERT INTO istoty VALUES (?,?,?,?,?);",
                             {id, name, race, professions, player})
                        .ok());
        entry(id, id, id, 1, "", "", 0, 0, 1.0, "");
    }

    void entry(const std::string& id, const std::string& parent, const std::string& owner, int lp,
               const std::string& info, const std::string& special, int kind, int value,
               double modifier, const std::string& memo) {
        ASSERT_TRUE(db->exec("INSERT INTO pozycje VALUES (?,?,?,?,?,?,?,?,?,?);",
                             {id, parent, owner, lp, info, special, kind, value, modifier, memo})
                        .ok());
    }

    // Every row of both tables, each value with its storage class (quote()), sorted.
    std::vector<std::string> snapshot() {
        std::vector<std::string> rows;
        for (const TableDef& table : characterTables()) {
            std::string sql = "SELECT '" + std::string(table.name) + "'";
            for (const ColumnDef& column : table.columns)
                sql += "||'|'||quote(" + std::string(column.name) + ")";
            sql += " FROM " + std::string(table.name) + " ORDER BY id;";
            EXPECT_TRUE(db->exec(sql, [&](const Row& row) { rows.push_back(row.text(0)); }).ok());
        }
        return rows;
    }

    // The hero of the exact-bytes file, with Polish letters, a reference, a negative
    // value, a modifier with a fraction and a memo of two lines.
    void hero() {
        character(kHeroId, "Żółw Ślązak", "Krasnolud", "Wojownik(3)/Mag(1)", "Jaś");
        entry("090809003306012340000100002000", kHeroId, kHeroId, 1, "Żywotność", "", 40965, -12,
              0.0, "");
        entry("090809003306012340000100002001", kHeroId, kHeroId, 2, "Dodatkowe informacje",
              "&090809003306012340000100002000", 144, 7, 2.25, "Pierwsza linia\r\nDruga — „cytat”");
    }

    // A second character whose values are awkward for a file and for SQL.
    void awkward() {
        character(kOtherId, "O'Brien", "", "x]]>y", "]]>");
        entry("260512101500001000020000300005", kOtherId, kOtherId, 1, "]]]>>]]>", "'", 1, 0, 0.5,
              "\n\r\n  wcięcie\n\n");
        entry("260512101500001000020000300006", "260512101500001000020000300005", kOtherId, 1,
              "<![CDATA[", "&amp;", 2, 3, -1.75, "</memo>");
    }

    Result<std::vector<std::string>> import(std::string_view bytes) {
        return importCharacterBytes(*db, bytes, "bohater.xml");
    }
};

std::string exportBytes(CharacterDb& t, const std::string& id) {
    const Result<std::string> bytes = characterFileBytes(*t.db, id);
    EXPECT_TRUE(bytes.ok()) << bytes.message();
    return bytes ? *bytes : std::string();
}

// One file holding two stored characters: the second one's records are added to the
// sections of the first one's file.
std::string oneFile(CharacterDb& source, const std::string& first, const std::string& second) {
    std::string file = exportBytes(source, first);
    const std::string other = exportBytes(source, second);
    const auto section = [](const std::string& bytes, const std::string& name) {
        const auto start = bytes.find("<" + name + ">\r\n") + name.size() + 4;
        return bytes.substr(start, bytes.find("</" + name + ">") - start);
    };
    file.insert(file.find("</pozycje>"), section(other, "pozycje"));
    file.insert(file.find("</istoty>"), section(other, "istoty"));
    return file;
}

TEST(CharacterFileExport, WritesTheExactLayoutInWindows1250) {
    CharacterDb t;
    t.hero();
    t.awkward(); // another character's rows stay out of the file
    test::TempDir dir;
    NonInteractiveUserPort port(nullptr);
    ASSERT_TRUE(ExportCharacter(*t.db, kHeroId, dir.file("bohater.xml"), port).ok());
    EXPECT_EQ(readBytes(dir.file("bohater.xml")),
              readBytes(TALLAR_TEST_DATA_DIR "/character-file/expected.xml"));
    EXPECT_TRUE(port.errors().empty());
}

TEST(CharacterFileExport, SplitsTheEndOfCDataAndLeavesNullColumnsOut) {
    CharacterDb t;
    t.awkward();
    ASSERT_TRUE(t.db->exec("UPDATE pozycje SET info=NULL WHERE lp=1 AND id<>id_ist;").ok());
    const std::string bytes = exportBytes(t, kOtherId);
    EXPECT_NE(bytes.find("<prof><![CDATA[x]]]]><![CDATA[>y]]></prof>"), std::string::npos);
    EXPECT_NE(bytes.find("<gracz><![CDATA[]]]]><![CDATA[>]]></gracz>"), std::string::npos);
    EXPECT_NE(bytes.find("<lp><![CDATA[1]]></lp><specjal>"), std::string::npos);

    // Reading it back gives the same rows, the NULL included.
    const auto before = t.snapshot();
    ASSERT_TRUE(t.import(bytes).ok());
    EXPECT_EQ(t.snapshot(), before);
}

TEST(CharacterFileExport, RefusesAnUnknownCharacterAndKeepsTheOldFile) {
    CharacterDb t;
    t.hero();
    test::TempDir dir;
    const std::string path = dir.file("stary.xml");
    writeBytes(path, "poprzednia zawartość");
    NonInteractiveUserPort port(nullptr);
    EXPECT_FALSE(ExportCharacter(*t.db, "123", path, port).ok());
    ASSERT_EQ(port.errors().size(), 1u);
    EXPECT_EQ(port.errors()[0].caption, "Błąd!");
    EXPECT_NE(port.errors()[0].text.find("123"), std::string::npos);
    EXPECT_EQ(readBytes(path), "poprzednia zawartość");

    // A good export replaces the file and leaves no temporary file beside it.
    EXPECT_TRUE(ExportCharacter(*t.db, kHeroId, path, port).ok());
    EXPECT_EQ(readBytes(path), exportBytes(t, kHeroId));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(CharacterFileExport, AnUnwritableTargetShowsTheOpenErrorWithThePathAsCaption) {
    CharacterDb t;
    t.hero();
    test::TempDir dir;
    NonInteractiveUserPort port(nullptr);
    const std::string missingDir = dir.file("brak") + "/bohater.xml";
    EXPECT_FALSE(ExportCharacter(*t.db, kHeroId, missingDir, port).ok());
    // A directory standing where the file should go is not replaced.
    std::filesystem::create_directory(dir.file("katalog.xml"));
    EXPECT_FALSE(ExportCharacter(*t.db, kHeroId, dir.file("katalog.xml"), port).ok());
    ASSERT_EQ(port.errors().size(), 2u);
    EXPECT_EQ(port.errors()[0].caption, missingDir);
    EXPECT_TRUE(port.errors()[0].text.starts_with("Błąd otwarcia pliku"));
    EXPECT_EQ(port.errors()[1].caption, dir.file("katalog.xml"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("katalog.xml")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(CharacterFileExport, ANameOfTheLongestLengthIsWrittenTo) {
    CharacterDb t;
    t.hero();
    test::TempDir dir;
    NonInteractiveUserPort port(nullptr);
    // 251 bytes and ".xml": a name of 255 bytes, the most a file system takes; the
    // temporary name beside it must fit too. Polish letters take two bytes each.
    const std::string name = std::string(244, 'a') + "żółw" + ".xml";
    ASSERT_EQ(name.size(), 255u);
    ASSERT_TRUE(ExportCharacter(*t.db, kHeroId, dir.file(name), port).ok())
        << (port.errors().empty() ? "" : port.errors()[0].text);
    EXPECT_EQ(readBytes(dir.file(name)), exportBytes(t, kHeroId));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(CharacterFileExport, WritesNoFileThatTheImportWouldRefuse) {
    CharacterDb t;
    t.character(kOtherId, "Duży", "", "", "");
    t.entry("260512101500001000020000300005", kOtherId, kOtherId, 1, "", "", 1, 0, 0.5, "");
    const std::string small = exportBytes(t, kOtherId);
    // Lengthen the memo until the file is exactly as large as an import takes.
    const auto setMemo = [&](std::size_t size) {
        ASSERT_TRUE(t.db->exec("UPDATE pozycje SET memo=? WHERE lp=1 AND id<>id_ist;",
                               {std::string(size, 'm')})
                        .ok());
    };
    setMemo(kMaxCharacterFileBytes - small.size());
    test::TempDir dir;
    NonInteractiveUserPort port(nullptr);
    ASSERT_TRUE(ExportCharacter(*t.db, kOtherId, dir.file("najwiekszy.xml"), port).ok());
    EXPECT_EQ(std::filesystem::file_size(dir.file("najwiekszy.xml")), kMaxCharacterFileBytes);
    CharacterDb other;
    const Result<std::vector<std::string>> back =
        importCharacterFile(*other.db, dir.file("najwiekszy.xml"));
    EXPECT_TRUE(back.ok()) << back.message();

    // One byte more and the export is refused; what stood at the target stays.
    setMemo(kMaxCharacterFileBytes - small.size() + 1);
    writeBytes(dir.file("za-duzy.xml"), "stary");
    EXPECT_FALSE(ExportCharacter(*t.db, kOtherId, dir.file("za-duzy.xml"), port).ok());
    ASSERT_EQ(port.errors().size(), 1u);
    EXPECT_EQ(port.errors()[0].caption, "Błąd!");
    EXPECT_EQ(port.errors()[0].text,
              "Bohater o identyfikatorze „" + std::string(kOtherId) +
                  "” nie może być zapisany do pliku: plik byłby większy niż 32 MB, a tak dużego "
                  "pliku import nie wczyta.");
    EXPECT_EQ(readBytes(dir.file("za-duzy.xml")), "stary");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(CharacterFileImport, ExportThenImportLeavesTheSameRows) {
    CharacterDb t;
    t.hero();
    t.awkward();
    const auto before = t.snapshot();
    for (const char* id : {kHeroId, kOtherId}) {
        const Result<std::vector<std::string>> result = t.import(exportBytes(t, id));
        ASSERT_TRUE(result.ok()) << result.message();
        EXPECT_EQ(*result, std::vector<std::string>{id});
    }
    EXPECT_EQ(t.snapshot(), before);
    EXPECT_TRUE(t.errors.str().empty());

    // Into another database the same rows arrive, storage classes included.
    CharacterDb other;
    ASSERT_TRUE(other.import(exportBytes(t, kHeroId)).ok());
    ASSERT_TRUE(other.import(exportBytes(t, kOtherId)).ok());
    EXPECT_EQ(other.snapshot(), before);
}

TEST(CharacterFileImport, ACharacterInTheFileReplacesTheStoredOneAsAWhole) {
    CharacterDb t;
    t.hero();
    const std::string file = exportBytes(t, kHeroId);
    const auto exported = t.snapshot();
    // Since the export the hero got an entry and a new name; another character is stored.
    t.entry("090809003399999999999999999999", kHeroId, kHeroId, 3, "nowa", "", 1, 1, 0, "");
    ASSERT_TRUE(t.db->exec("UPDATE istoty SET imie='Inny';").ok());
    t.character(kOtherId, "Drugi", "", "", "");

    ASSERT_TRUE(t.import(file).ok());
    std::vector<std::string> expected = exported;
    expected.insert(expected.begin() + 1,
                    "istoty|'" + std::string(kOtherId) + "'|'Drugi'|''|''|''");
    expected.push_back("pozycje|'" + std::string(kOtherId) + "'|'" + kOtherId + "'|'" + kOtherId +
                       "'|1|''|''|0|0|1.0|''");
    EXPECT_EQ(t.snapshot(), expected);
}

TEST(CharacterFileImport, AnEntryOfTheFileMayNotTakeAnotherCharactersIdentifier) {
    CharacterDb source;
    source.hero();
    const std::string file = exportBytes(source, kHeroId);
    const std::string entry = "090809003306012340000100002001"; // the hero's second entry
    // The file's line of that entry: <rtplik>, <istoty>, the character, </istoty>,
    // <pozycje>, the root, the first entry, then this one: line 8.
    struct Case {
        const char* what;
        std::function<void(CharacterDb&)> store;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"another character's entry",
         [&](CharacterDb& t) {
             t.character(kOtherId, "Drugi", "", "", "");
             t.entry(entry, kOtherId, kOtherId, 1, "cudza", "", 1, 1, 0, "");
         },
         "wiersz 8, znak 1: identyfikator „" + entry + "” pozycji bohatera „" + kHeroId +
             "” z pliku należy już do pozycji zapisanego bohatera „" + kOtherId + "”"},
        {"another character's root",
         [&](CharacterDb& t) { t.character(entry, "Drugi", "", "", ""); },
         "wiersz 8, znak 1: identyfikator „" + entry + "” pozycji bohatera „" + kHeroId +
             "” z pliku należy już do pozycji zapisanego bohatera „" + entry + "”"},
        {"another character without its entries",
         [&](CharacterDb& t) {
             ASSERT_TRUE(
                 t.db->exec("INSERT INTO istoty VALUES (?,'Drugi','','','');", {entry}).ok());
         },
         "wiersz 8, znak 1: identyfikator „" + entry + "” pozycji bohatera „" + kHeroId +
             "” z pliku należy już do zapisanego bohatera „" + entry + "”"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CharacterDb t;
        c.store(t);
        const auto before = t.snapshot();
        const Result<std::vector<std::string>> result = t.import(file);
        EXPECT_EQ(result.message(), "Plik „bohater.xml” nie został zaimportowany: " + c.reason);
        EXPECT_EQ(t.snapshot(), before);
    }

    // A character the file replaces as a whole may give its entry up.
    CharacterDb both;
    both.hero();
    both.character(kOtherId, "Drugi", "", "", "");
    CharacterDb t;
    t.character(kOtherId, "Drugi", "", "", "");
    t.entry(entry, kOtherId, kOtherId, 1, "jeszcze cudza", "", 1, 1, 0, "");
    const Result<std::vector<std::string>> result = t.import(oneFile(both, kHeroId, kOtherId));
    ASSERT_TRUE(result.ok()) << result.message();
    EXPECT_EQ(t.snapshot(), both.snapshot());
}

TEST(CharacterFileImport, AFileWithTwoCharactersImportsBothInAnyLayout) {
    // Written by hand: LF line ends, indentation, blank lines, a comment, values as plain
    // text with references, an empty-element tag, and entries listed before the characters'
    // own section.
    const std::string file = "  <rtplik>\n"
                             "  <!-- dw\xF3"
                             "ch bohater\xF3w -->\n" // Windows-1250
                             "  <pozycje>\n"
                             "    <rekord>\n"
                             "      <id>p1</id> <id_n>a</id_n> <id_ist>a</id_ist> <lp>1</lp>\n"
                             "      <info>O&apos;Brien &amp; syn &#379;&#x105;</info>\n"
                             "      <memo>\n<![CDATA[linia 1\nlinia 2]]>\n</memo>\n"
                             "      <specjal/>\n"
                             "    </rekord>\n"
                             "    <rekord><id>a</id><id_n>a</id_n><id_ist>a</id_ist></rekord>\n"
                             "    <rekord><id><![CDATA[b]]></id><id_n>b</id_n><id_ist>b</id_ist>"
                             "</rekord>\n"
                             "  </pozycje>\n\n"
                             "  <istoty>\n"
                             "    <rekord><id>a</id><imie><![CDATA[]]></imie></rekord>\n"
                             "    <rekord><id>b</id><imie>Bea</imie></rekord>\n"
                             "  </istoty>\n"
                             "</rtplik>\n";
    CharacterDb t;
    t.entry("p-old", "a", "a", 1, "stara pozycja bohatera a", "", 1, 1, 0, "");
    const Result<std::vector<std::string>> result = t.import(file);
    ASSERT_TRUE(result.ok()) << result.message();
    EXPECT_EQ(*result, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(t.snapshot(), (std::vector<std::string>{
                                "istoty|'a'|''|NULL|NULL|NULL",
                                "istoty|'b'|'Bea'|NULL|NULL|NULL",
                                "pozycje|'a'|'a'|'a'|NULL|NULL|NULL|NULL|NULL|NULL|NULL",
                                "pozycje|'b'|'b'|'b'|NULL|NULL|NULL|NULL|NULL|NULL|NULL",
                                "pozycje|'p1'|'a'|'a'|1|'O''Brien & syn Żą'|''|NULL|NULL|NULL|"
                                "'linia 1\nlinia 2'",
                            }));
}

TEST(CharacterFileImport, AnEmptyFileStructureImportsNothing) {
    CharacterDb t;
    const Result<std::vector<std::string>> result =
        t.import("<rtplik>\r\n<istoty>\r\n</istoty>\r\n</rtplik>\r\n");
    EXPECT_TRUE(result.ok()) << result.message();
    EXPECT_TRUE(result->empty());
}

// A broken file, the place its message must name, and a part of the message.
struct BrokenFile {
    const char* what;
    std::string bytes;
    const char* place;
    const char* reason;
};

TEST(CharacterFileImport, ABrokenFileChangesNothingAndNamesThePlace) {
    const std::string head = "<rtplik>\r\n<istoty>\r\n<rekord><id><![CDATA[N]]></id></rekord>\r\n";
    const std::string good = head + "</istoty>\r\n</rtplik>\r\n";
    const std::vector<BrokenFile> files = {
        {"broken tag", head + "<rekord><id>M</id><imie>X</imie</rekord></istoty></rtplik>",
         "wiersz 4, znak 32", "niepoprawny znacznik </imie>"},
        {"cut in a tag", head + "<rekord><id>M</id></rekord", "wiersz 4, znak 27", "urywa się"},
        {"mismatched end", head + "<rekord><id>M</imie></rekord>", "wiersz 4, znak 14",
         "zamyka element <id>"},
        {"unknown column", head + "<rekord><id>M</id><wiek>3</wiek></rekord>", "wiersz 4, znak 19",
         "nieznana kolumna „wiek” tabeli istoty"},
        {"column of the other table", head + "<rekord><id>M</id><memo>x</memo></rekord>",
         "wiersz 4, znak 19", "nieznana kolumna „memo”"},
        {"repeated column", head + "<rekord><id>M</id><id>K</id></rekord>", "wiersz 4, znak 19",
         "powtarza się"},
        {"record without id", head + "<rekord><imie>M</imie></rekord>", "wiersz 4, znak 1",
         "bez kolumny „id”"},
        {"unknown section", "<rtplik>\n<bronie></bronie></rtplik>", "wiersz 2, znak 1",
         "nieznana sekcja <bronie>"},
        {"other root", "<plik><istoty/></plik>", "wiersz 1, znak 1", "powinien być <rtplik>"},
        {"text between records", head + "x</istoty></rtplik>", "wiersz 4, znak 1",
         "tekst poza elementem kolumny"},
        {"element in a value", head + "<rekord><id>M<b/></id></rekord>", "wiersz 4, znak 14",
         "wewnątrz wartości"},
        {"attribute", "<rtplik wersja=\"2\">", "wiersz 1, znak 9", "atrybuty"},
        {"document type",
         "<!DOCTYPE rtplik [<!ENTITY x \"y\">]>\n<rtplik><istoty><rekord><id>&x;</id>"
         "</rekord></istoty></rtplik>",
         "wiersz 1, znak 1", "DOCTYPE"},
        {"declaration", "<?xml version=\"1.0\"?>\n<rtplik/>", "wiersz 1, znak 1", "deklaracja"},
        {"unknown entity", head + "<rekord><id>&nbsp;</id></rekord>", "wiersz 4, znak 13",
         "&nbsp;"},
        {"unrepresentable character", head + "<rekord><id>&#x4E2D;</id></rekord>",
         "wiersz 4, znak 13", "U+4E2D"},
        {"byte 0", head + std::string("<rekord><id><![CDATA[a\0b]]></id></rekord>", 41),
         "wiersz 4, znak 23", "bajt 0"},
        {"second root", good + "<rtplik/>", "wiersz 6, znak 1", "drugi element główny"},
        {"empty file", "", "wiersz 1, znak 1", "nie zawiera"},
        {"byte order mark", "\xEF\xBB\xBF<rtplik/>", "wiersz 1, znak 1", "UTF-8"},
    };
    for (const BrokenFile& file : files) {
        SCOPED_TRACE(file.what);
        CharacterDb t;
        t.hero();
        const auto before = t.snapshot();
        const Result<std::vector<std::string>> result = t.import(file.bytes);
        EXPECT_FALSE(result.ok());
        const std::string& message = result.message();
        EXPECT_TRUE(message.starts_with("Plik „bohater.xml” nie został zaimportowany: "))
            << message;
        EXPECT_NE(message.find(file.place), std::string::npos) << message;
        EXPECT_NE(message.find(file.reason), std::string::npos) << message;
        EXPECT_EQ(t.snapshot(), before);
    }
}

TEST(CharacterFileImport, EveryTruncationOfAFileIsRefusedWithoutChange) {
    CharacterDb source;
    source.hero();
    const std::string file = exportBytes(source, kHeroId);
    const std::size_t lastTag = file.rfind("</rtplik>");
    CharacterDb t;
    t.hero();
    ASSERT_TRUE(t.db->exec("UPDATE istoty SET imie='zmieniony';").ok());
    const auto before = t.snapshot();
    for (std::size_t size = 0; size <= lastTag + 8; ++size) {
        const Result<std::vector<std::string>> result =
            t.import(std::string_view(file).substr(0, size));
        ASSERT_FALSE(result.ok()) << "cut after " << size << " bytes";
    }
    EXPECT_NE(t.import(std::string_view(file).substr(0, 20)).message().find("urywa się"),
              std::string::npos);
    EXPECT_EQ(t.snapshot(), before);
    // The whole file, even without its last line end, is fine.
    EXPECT_TRUE(t.import(std::string_view(file).substr(0, lastTag + 9)).ok());
}

TEST(CharacterFileImport, AFailingStatementRollsBackTheWholeFile) {
    CharacterDb source;
    source.hero();
    source.awkward();
    // Two characters in one file: the second one's last entry will be refused.
    const std::string file = oneFile(source, kHeroId, kOtherId);

    CharacterDb t;
    t.hero();
    ASSERT_TRUE(t.db->exec("UPDATE pozycje SET info='przed importem';").ok());
    ASSERT_TRUE(t.db->exec("CREATE TRIGGER odmowa BEFORE INSERT ON pozycje "
                           "WHEN NEW.memo='</memo>' BEGIN SELECT RAISE(ABORT,'odmowa'); END;")
                    .ok());
    const auto before = t.snapshot();
    const Result<std::vector<std::string>> result = t.import(file);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.message().find("wiersz 17, znak 1: rekord tabeli pozycje nie został "
                                    "zapisany: odmowa"),
              std::string::npos)
        << result.message();
    EXPECT_EQ(t.snapshot(), before);
    EXPECT_NE(t.errors.str().find("SQL error: odmowa"), std::string::npos);

    ASSERT_TRUE(t.db->exec("DROP TRIGGER odmowa;").ok());
    const Result<std::vector<std::string>> retry = t.import(file);
    ASSERT_TRUE(retry.ok()) << retry.message();
    EXPECT_EQ(*retry, (std::vector<std::string>{kHeroId, kOtherId}));
    EXPECT_EQ(t.snapshot(), source.snapshot());
}

TEST(CharacterFileImport, ReadsFilesFromDiskWithinTheSizeBound) {
    CharacterDb t;
    t.hero();
    test::TempDir dir;
    writeBytes(dir.file("bohater.xml"), exportBytes(t, kHeroId));
    ASSERT_TRUE(t.db->exec("DELETE FROM pozycje; DELETE FROM istoty;").ok());

    NonInteractiveUserPort port(nullptr);
    const auto ids = ImportCharacters(*t.db, dir.file("bohater.xml"), port);
    ASSERT_TRUE(ids.ok()) << ids.message();
    EXPECT_EQ(*ids, std::vector<std::string>{kHeroId});
    EXPECT_EQ(t.count("SELECT count(*) FROM pozycje;"), 3);

    EXPECT_FALSE(ImportCharacters(*t.db, dir.file("brak.xml"), port));
    EXPECT_FALSE(ImportCharacters(*t.db, dir.str(), port));
    ASSERT_EQ(port.errors().size(), 2u);
    EXPECT_EQ(port.errors()[0].caption, "Błąd!");
    EXPECT_EQ(port.errors()[0].text, "Plik „" + dir.file("brak.xml") +
                                         "” nie został zaimportowany: nie można otworzyć "
                                         "pliku");

    // A file above the bound is refused before it is parsed.
    std::string huge = "<rtplik><istoty><rekord><id>x</id><memo><![CDATA[";
    huge.resize(kMaxCharacterFileBytes + 1, 'a');
    writeBytes(dir.file("duzy.xml"), huge);
    const Result<std::vector<std::string>> big = importCharacterFile(*t.db, dir.file("duzy.xml"));
    EXPECT_NE(big.message().find("większy niż 32 MB"), std::string::npos);
}

TEST(CharacterFileImport, SeedCorpusImports) {
    int files = 0;
    for (const auto& file :
         std::filesystem::directory_iterator(TALLAR_TEST_DATA_DIR "/../fuzz/corpus")) {
        SCOPED_TRACE(file.path().string());
        CharacterDb t;
        const Result<std::vector<std::string>> result = t.import(readBytes(file.path().string()));
        EXPECT_TRUE(result.ok()) << result.message();
        ++files;
    }
    EXPECT_GE(files, 3);
}

} // namespace
} // namespace tallar
