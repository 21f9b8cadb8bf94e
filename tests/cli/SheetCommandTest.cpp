#include "base/NonInteractiveUserPort.h"
#include "model/Character.h"
#include "model/Kinds.h"
#include "store/CharacterStore.h"
#include "store/db/Workspace.h"
#include "support/CliRunner.h"
#include "support/SheetLabels.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tallar {
namespace {

using test::runCli;
using test::runProcess;

// tallar2-cli run as a process with no display and no platform chosen for it.
test::CliResult cliWithoutDisplay(const test::TempDir& dir, const std::string& arguments) {
    return runProcess("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                      std::string(TALLAR_CLI_PATH) + " -C '" + dir.str() + "' " + arguments);
}

std::string withoutSpaces(const std::string& text) {
    std::string kept;
    for (const char c : text)
        if (c != ' ' && c != '\n' && c != '\t' && c != '\f' && c != '\r')
            kept += c;
    return kept;
}

// A stored character with values chosen for the test: the attributes, the ten resistances
// and the two base resistances each get one part of the given value.
std::string storeHero(const test::TempDir& dir) {
    NonInteractiveUserPort port(nullptr);
    auto workspace = test::openWorkspace(dir.str(), port);
    CIstota hero(workspace->characters());
    hero.SetImie("Źdźbło Łucja");
    hero.SetRasa("Krasnolud");
    const std::array<int, 11> attributes = {57, 46, 35, 33, 29, 19, 2, 18, 14, 25, 21};
    const std::array<int, 11> links = {kLinkZywotnosc,
                                       kLinkSilaFizyczna,
                                       kLinkZrecznosc,
                                       kLinkSzybkosc,
                                       kLinkInteligencja,
                                       kLinkMadrosc,
                                       kLinkUmiejetnosciMagiczne,
                                       kLinkCharyzma,
                                       kLinkPrezencja,
                                       kLinkWiara,
                                       kLinkZauwazenie};
    // A racial part under each entry (one kind serves all: the sheet reads the totals).
    const auto part = [&](int link, int value) {
        hero.link(link)->AddChild({.info = "Rasowa",
                                   .typ = kinds::perMember::kRacial[member::kVitality],
                                   .wartosc = value,
                                   .memo = "1"});
    };
    for (std::size_t i = 0; i < links.size(); ++i)
        part(links[i], attributes[i]);
    const std::array<int, 10> resistances = {25, 29, 30, 24, 26, 35, 28, 33, 27, 37};
    for (int i = 0; i < 10; ++i)
        part(kLinkOdpornosc1 + i, resistances[static_cast<std::size_t>(i)]);
    part(kLinkBazowaOdpornoscPsychiczna, 11);
    part(kLinkBazowaOdpornoscFizyczna, 12);
    EXPECT_TRUE(SaveCharacter(hero).ok());
    return hero.id();
}

TEST(CliSheet, PdfOfTwoPagesWithEveryLabelAndTheCharactersValues) {
    test::TempDir dir;
    const std::string id = storeHero(dir);
    const std::string pdf = dir.file("karta.pdf");
    const auto made = cliWithoutDisplay(dir, "sheet " + id + " '" + pdf + "'");
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_EQ(made.out, pdf + "\n");
    EXPECT_EQ(made.err, "");

    const auto info = runProcess("pdfinfo '" + pdf + "'");
    ASSERT_EQ(info.code, 0) << info.err;
    EXPECT_NE(info.out.find("Pages:           2\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Title:           Źdźbło Łucja Krasnolud\n"), std::string::npos);

    // Every font is embedded (the column "emb", fifth from the end of a font's line).
    const auto fonts = runProcess("pdffonts '" + pdf + "'");
    ASSERT_EQ(fonts.code, 0) << fonts.err;
    std::istringstream fontLines(fonts.out);
    int listed = 0;
    for (std::string line; std::getline(fontLines, line);) {
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;)
            w.push_back(word);
        if (w.size() < 6 || w[0] == "name" || w[0].starts_with("---"))
            continue;
        ++listed;
        EXPECT_EQ(w[w.size() - 5], "yes") << line;
    }
    EXPECT_GE(listed, 2);

    // The text, page by page, in drawing order; compared without spaces, since a reader
    // of the text joins or splits the words of neighbouring boxes.
    for (int page = 1; page <= 2; ++page) {
        const std::string number = std::to_string(page);
        const auto text =
            runProcess("pdftotext -raw -f " + number + " -l " + number + " '" + pdf + "' -");
        ASSERT_EQ(text.code, 0) << text.err;
        const std::string all = withoutSpaces(text.out);
        for (const std::string& label : test::sheetLabels()[static_cast<std::size_t>(page - 1)])
            EXPECT_NE(all.find(withoutSpaces(label)), std::string::npos)
                << "page " << page << ": " << label;
        if (page == 1) {
            EXPECT_NE(all.find("IMIĘ:ŹdźbłoŁucja"), std::string::npos);
            continue;
        }
        // Each label followed by its value: the attributes, the current ones beside them,
        // the base resistances and the ten resistances under their names.
        for (const char* shown :
             {"ŻYWOTNOŚĆ57", "SIŁAFIZYCZNA46", "ZRĘCZNOŚĆ35akt.35", "SZYBKOŚĆ33akt.33",
              "INTELIGENCJA29", "MĄDROŚĆ19", "UMIEJĘTNOŚCIMAGICZNE2", "PREZENCJA14", "CHARYZMA18",
              "WIARA25", "ZAUWAŻENIE21", "BAZOWAPSYCH.-FIZ.:11", "BAZOWAFIZYCZNA:12", "ILUZJA25",
              "SUGESTIA29", "ZAKLECIA30", "SZOK,PARALIŻUMYSŁOWY24", "ENERGIA,SPECJALNE26",
              "TRUCIZNA35", "ZIONIĘCIA28", "OGIEŃ33", "ELEKTRYCZNOŚĆ27", "PETRYFIKACJA37",
              // round(46 · 0.25) = 12 (11.5 rounds up); round(4.6) + round(3.5) = 9
              "BONUSDOZADAWANYCHOBRAŻEŃ(1/4SF):12", "BONUSDOTRAFIENIA(1/10SF+1/10ZR):9"})
            EXPECT_NE(all.find(shown), std::string::npos) << shown;
    }
}

TEST(CliSheet, PngPagesWithoutADisplay) {
    test::TempDir dir;
    const std::string id = storeHero(dir);
    const auto made = cliWithoutDisplay(dir, "sheet " + id + " '" + dir.file("Karta.PNG") +
                                                 "' --dpi 60 --page Letter");
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_EQ(made.out, dir.file("Karta-1.png") + "\n" + dir.file("Karta-2.png") + "\n");
    EXPECT_EQ(made.err, "");
    // Letter at 60 pixels per inch: 8.5 × 60 = 510 by 11 × 60 = 660, the width and height
    // in the PNG header after the signature and the chunk's length and name.
    for (const char* page : {"Karta-1.png", "Karta-2.png"}) {
        std::ifstream png(dir.file(page), std::ios::binary);
        std::array<unsigned char, 24> head{};
        png.read(reinterpret_cast<char*>(head.data()), head.size());
        ASSERT_TRUE(png) << page;
        const auto at = [&](std::size_t i) {
            std::uint32_t n = 0;
            for (std::size_t j = i; j < i + 4; ++j)
                n = n << 8 | head[j];
            return n;
        };
        EXPECT_EQ(std::string(head.begin() + 12, head.begin() + 16), "IHDR");
        EXPECT_EQ(at(16), 510u) << page;
        EXPECT_EQ(at(20), 660u) << page;
    }
}

TEST(CliSheet, WrongUseAndAMissingCharacter) {
    test::TempDir dir;
    const std::string id = storeHero(dir);
    const auto usage = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"-C", dir.str(), "sheet"});
        const auto result = runCli(args);
        EXPECT_EQ(result.code, 2) << args.back();
        EXPECT_EQ(result.out, "");
        return result.err;
    };
    EXPECT_NE(usage({id, dir.file("karta.txt")}).find(".pdf albo .png"), std::string::npos);
    EXPECT_NE(usage({id, dir.file("karta.pdf"), "--dpi", "100"}).find("tylko"), std::string::npos);
    usage({id, dir.file("karta.png"), "--dpi", "20"});
    usage({id, dir.file("karta.png"), "--dpi", "1e2"});
    usage({id, dir.file("karta.png"), "--page", "A5"});
    usage({id});
    usage({id, dir.file("karta.png"), "--dpi"});
    EXPECT_FALSE(std::filesystem::exists(dir.file("karta-1.png")));

    const auto missing = runCli({"-C", dir.str(), "sheet", "123", dir.file("karta.pdf")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("Nie ma bohatera"), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("karta.pdf")));
}

} // namespace
} // namespace tallar
