#include "store/db/Database.h"
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

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
        std::string error;
        auto db = Database::open(dir.file("rtistoty.db"), error);
        EXPECT_TRUE(db && db->exec("INSERT INTO istoty VALUES ('k1','Łucja','Elf','','Ola');"
                                   "INSERT INTO pozycje VALUES ('k1','k1','k1',1,'','',0,0,1.0,'');"
                                   "INSERT INTO pozycje VALUES ('e1','k1','k1',1,'Żywotność','',"
                                   "40965,12,0.0,'a\r\nb');")
                              .ok());
    }
    std::string count(const std::string& table) {
        std::string error;
        auto db = Database::open(dir.file("rtistoty.db"), error);
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

} // namespace
} // namespace tallar
