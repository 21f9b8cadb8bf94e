#include "store/db/Database.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace tallar {
namespace {

using test::runCli;

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A working directory whose character database holds one character "k1" with two entries.
struct Workdir {
    test::TempDir dir;
    Workdir() {
        EXPECT_EQ(runCli({"-C", dir.str(), "init"}).code, 0);
        auto db = test::openDatabase(dir.file("rtistoty.db"));
        EXPECT_TRUE(db && db->exec("INSERT INTO istoty VALUES ('k1','Łucja','Elf','','Ola');"
                                   "INSERT INTO pozycje VALUES ('k1','k1','k1',1,'','',0,0,1.0,'');"
                                   "INSERT INTO pozycje VALUES ('e1','k1','k1',1,'Żywotność','',"
                                   "40965,12,0.0,'a\r\nb');")
                              .ok());
    }
    std::string count(const std::string& table) {
        auto db = test::openDatabase(dir.file("rtistoty.db"));
        return db ? db->queryValue("SELECT count(*) FROM " + table + ";").value_or("?") : "?";
    }
};

TEST(CliCharacterFile, ExportThenImportIntoAnotherDirectoryPrintsTheIdentifier) {
    Workdir source;
    const std::string file = source.dir.file("łucja.xml");
    const auto exported = runCli({"-C", source.dir.str(), "export", "k1", file});
    EXPECT_EQ(exported.code, 0) << exported.err;
    EXPECT_EQ(exported.out, "");
    EXPECT_TRUE(readBytes(file).starts_with("<rtplik>\r\n<istoty>\r\n<rekord><id><![CDATA[k1]]>"
                                            "</id><imie><![CDATA[\xA3ucja]]></imie>"));

    test::TempDir target;
    const auto imported = runCli({"-C", target.str(), "import", file});
    EXPECT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out, "k1\n");
    EXPECT_EQ(imported.err, "");
    // Importing again replaces rather than duplicates.
    EXPECT_EQ(runCli({"-C", source.dir.str(), "import", file}).out, "k1\n");
    EXPECT_EQ(source.count("pozycje"), "2");
}

TEST(CliCharacterFile, RefusalsExitWithOneAndUsageErrorsWithTwo) {
    Workdir w;
    const std::string broken = w.dir.file("zly.xml");
    std::ofstream(broken, std::ios::binary) << "<rtplik>\r\n<istoty>\r\n<rekord><id>k1</id>";
    const auto refused = runCli({"-C", w.dir.str(), "import", broken});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "Plik „" + broken +
                               "” nie został zaimportowany: wiersz 3, znak 20: plik urywa się w "
                               "połowie: brak znacznika </rekord>\n");
    EXPECT_EQ(w.count("pozycje"), "2");

    const auto unknown = runCli({"-C", w.dir.str(), "export", "k2", w.dir.file("k2.xml")});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_NE(unknown.err.find("k2"), std::string::npos);
    EXPECT_FALSE(std::ifstream(w.dir.file("k2.xml")).good());

    EXPECT_EQ(runCli({"-C", w.dir.str(), "export", "k1"}).code, 2);
    EXPECT_EQ(runCli({"-C", w.dir.str(), "import"}).code, 2);
    EXPECT_EQ(runCli({"-C", w.dir.str(), "import", "a.xml", "b.xml"}).code, 2);

    const auto help = runCli({"--help"});
    EXPECT_NE(help.out.find("\n  export ID PLIK\n"), std::string::npos);
    EXPECT_NE(help.out.find("\n  import PLIK\n"), std::string::npos);
}

// A character file of one character `id` whose entries form a chain `depth` deep: entry 1
// under the root, entry 2 under entry 1, and so on, each "p<i>" of kind 0x11 and value 1,
// written as export writes them.
std::string chainFile(const std::string& id, int depth) {
    const auto entry = [&](const std::string& entryId, const std::string& parent,
                           const std::string& info, int typ, int value) {
        return "<rekord><id><![CDATA[" + entryId + "]]></id><id_n><![CDATA[" + parent +
               "]]></id_n><id_ist><![CDATA[" + id +
               "]]></id_ist><lp><![CDATA[1]]></lp><info><![CDATA[" + info +
               "]]></info><specjal><![CDATA[]]></specjal><typ><![CDATA[" + std::to_string(typ) +
               "]]></typ><wartosc><![CDATA[" + std::to_string(value) +
               "]]></wartosc><modyfikator><![CDATA[1.0]]></modyfikator><memo><![CDATA[]]>"
               "</memo></rekord>\r\n";
    };
    std::string text = "<rtplik>\r\n<istoty>\r\n<rekord><id><![CDATA[" + id +
                       "]]></id><imie><![CDATA[Gleboki]]></imie><rasa><![CDATA[]]></rasa>"
                       "<prof><![CDATA[]]></prof><gracz><![CDATA[]]></gracz></rekord>\r\n"
                       "</istoty>\r\n<pozycje>\r\n" +
                       entry(id, id, "", 0, 0);
    for (int i = 1; i <= depth; ++i)
        text += entry(id + "e" + std::to_string(i), i == 1 ? id : id + "e" + std::to_string(i - 1),
                      "p" + std::to_string(i), 0x11, 1);
    return text + "</pozycje>\r\n</rtplik>\r\n";
}

TEST(CliCharacterFile, TreesDeeperThanAThousandLevelsAreRefused) {
    Workdir w;
    const std::string atLimit = w.dir.file("gleboki.xml");
    std::ofstream(atLimit, std::ios::binary) << chainFile("g1", 1000);
    const auto imported = runCli({"-C", w.dir.str(), "import", atLimit});
    EXPECT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out, "g1\n");

    // Every entry adds its value to what the entries below hand back: p1 totals 1000; the
    // line of p<i> is indented by 2·(i − 1) spaces.
    const auto shown = runCli({"-C", w.dir.str(), "show", "g1"});
    EXPECT_EQ(shown.code, 0) << shown.err;
    std::vector<std::string> lines;
    std::istringstream text(shown.out);
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines.front(), "p1: 1 (1000)");
    EXPECT_EQ(lines[1], "  p2: 1 (999)");
    EXPECT_EQ(lines.back(), std::string(1998, ' ') + "p1000: 1");

    // What export writes, import reads: the same bytes.
    const std::string again = w.dir.file("znowu.xml");
    EXPECT_EQ(runCli({"-C", w.dir.str(), "export", "g1", again}).code, 0);
    EXPECT_EQ(readBytes(again), readBytes(atLimit));

    // One level more is refused at its record: the root is on line 6, entry i on line 6 + i.
    const std::string tooDeep = w.dir.file("za-gleboki.xml");
    std::ofstream(tooDeep, std::ios::binary) << chainFile("g2", 1001);
    const auto refused = runCli({"-C", w.dir.str(), "import", tooDeep});
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "Plik „" + tooDeep +
                               "” nie został zaimportowany: wiersz 1007, znak 1: pozycja g2e1001 "
                               "leży głębiej niż 1000 poziomów pod bohaterem\n");
    EXPECT_EQ(w.count("istoty"), "2");
    EXPECT_EQ(w.count("pozycje"), "1003"); // k1: 2 rows, g1: the root and 1000 entries

    // A deeper tree that reached the database otherwise is shown, but not exported.
    auto db = test::openDatabase(w.dir.file("rtistoty.db"));
    ASSERT_TRUE(db && db->exec("INSERT INTO pozycje VALUES ('g1e1001','g1e1000','g1',1,'p1001',"
                               "'',17,1,1.0,'');")
                          .ok());
    EXPECT_EQ(runCli({"-C", w.dir.str(), "show", "g1"}).code, 0);
    const auto notExported = runCli({"-C", w.dir.str(), "export", "g1", again});
    EXPECT_EQ(notExported.code, 1);
    EXPECT_EQ(notExported.err, "Błąd!: Bohater g1 nie może być zapisany do pliku: pozycja g1e1001 "
                               "leży głębiej niż 1000 poziomów pod bohaterem.\n");
    EXPECT_EQ(readBytes(again), readBytes(atLimit)); // the file stays as it was
}

} // namespace
} // namespace tallar
