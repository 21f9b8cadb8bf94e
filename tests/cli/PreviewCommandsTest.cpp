#include "support/CliRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <numeric>
#include <vector>

namespace tallar {
namespace {

using test::runCli;

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

std::string sampleCharacter(const test::TempDir& dir) {
    EXPECT_EQ(runCli({"-C", dir.str(), "init", "--sample-rules"}).code, 0);
    const auto made = runCli({"-C", dir.str(), "new", "--seed", "5", "--name", "Żaneta"});
    EXPECT_EQ(made.code, 0) << made.err;
    return made.out.substr(0, 30);
}

TEST(CliPreview, RecalcKeepsAWizardMadeCharacterAndPrintsNothing) {
    test::TempDir dir;
    const std::string id = sampleCharacter(dir);
    const std::string shown = runCli({"-C", dir.str(), "show", id}).out;
    const auto recalc = runCli({"-C", dir.str(), "recalc", id});
    EXPECT_EQ(recalc.code, 0) << recalc.err;
    EXPECT_EQ(recalc.out, "");
    EXPECT_EQ(recalc.err, "");
    EXPECT_EQ(runCli({"-C", dir.str(), "show", id}).out, shown);

    const auto missing = runCli({"-C", dir.str(), "recalc", "123"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("Nie ma bohatera"), std::string::npos) << missing.err;
    EXPECT_EQ(runCli({"-C", dir.str(), "recalc"}).code, 2);
}

// The lines of a top-level entry of `show`: its own and its children's, down to the next
// top-level entry.
std::string entryLines(const std::string& shown, const std::string& label) {
    const std::string text = "\n" + shown;
    std::size_t start = text.find("\n" + label);
    while (start != std::string::npos && text[start + 1 + label.size()] != ':' &&
           text[start + 1 + label.size()] != '\n')
        start = text.find("\n" + label, start + 1);
    if (start == std::string::npos)
        return {};
    std::size_t end = start + 1;
    do
        end = text.find('\n', end) + 1;
    while (end != 0 && end < text.size() && text[end] == ' ');
    return text.substr(start + 1, end == 0 ? std::string::npos : end - start - 1);
}

// The wizard computes the base resistances after the years its trades took, so "Przelicz"
// finds every value as the wizard left it, whatever the dice gave.
TEST(CliPreview, RecalcKeepsSeededCharactersAsTheWizardMadeThem) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"-C", dir.str(), "init", "--sample-rules"}).code, 0);
    std::vector<int> seeds(40);
    std::iota(seeds.begin(), seeds.end(), 1);
    // Young halflings with "Pechowiec" (MIN on Charyzma and Zauważenie) and no trades.
    seeds.insert(seeds.end(), {197, 349});
    for (int seed : seeds) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const auto made = runCli({"-C", dir.str(), "new", "--seed", std::to_string(seed)});
        ASSERT_EQ(made.code, 0) << made.err;
        const std::string id = made.out.substr(0, 30);
        const std::string shown = runCli({"-C", dir.str(), "show", id}).out;
        ASSERT_FALSE(shown.empty());
        ASSERT_EQ(runCli({"-C", dir.str(), "recalc", id}).code, 0);
        EXPECT_EQ(runCli({"-C", dir.str(), "show", id}).out, shown);
    }
}

// The sum of the values of an entry's children in `entryLines`.
int sumOfParts(const std::string& lines) {
    int sum = 0;
    std::size_t at = lines.find("\n  ");
    while (at != std::string::npos) {
        const std::size_t colon = lines.find(": ", at);
        sum += std::stoi(lines.substr(colon + 2));
        at = lines.find("\n  ", colon);
    }
    return sum;
}

// "Pechowiec" takes the least a race stage's amount can give. A young halfling learns no
// trades, so no later age step applies the stage again: the wizard applies it once the
// disability has its formula.
TEST(CliPreview, AMinDisabilityGivesTheLeastRacialPartWithoutTrades) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"-C", dir.str(), "init", "--sample-rules"}).code, 0);
    const auto made = runCli({"-C", dir.str(), "new", "--seed", "197"});
    ASSERT_EQ(made.code, 0) << made.err;
    const std::string shown = runCli({"-C", dir.str(), "show", made.out.substr(0, 30)}).out;
    ASSERT_NE(entryLines(shown, "Ułomności").find("  Pechowiec\n"), std::string::npos) << shown;
    ASSERT_EQ(entryLines(shown, "Zawody"), "Zawody\n");
    ASSERT_NE(shown.find("    Stadium: Młody niziołek\n"), std::string::npos);
    // The stage gives Charyzma "2K10+20"; under MIN every die shows 1: 2·1 + 20 = 22,
    // whatever the dice threw.
    const std::string charisma = entryLines(shown, "Charyzma");
    EXPECT_NE(charisma.find("\n  Rasowa: 22\n"), std::string::npos) << charisma;
    EXPECT_EQ(charisma.substr(0, charisma.find('\n')),
              "Charyzma: " + std::to_string(sumOfParts(charisma)));
}

// A character whose trade made it older: its racial Siła fizyczna grew with the passages
// of those years, and the base physical resistance counts the grown value.
TEST(CliPreview, BasePhysicalResistanceCountsTheRacialPartsAfterTheTrades) {
    test::TempDir dir;
    ASSERT_EQ(runCli({"-C", dir.str(), "init", "--sample-rules"}).code, 0);
    const auto made = runCli({"-C", dir.str(), "new", "--seed", "21"});
    ASSERT_EQ(made.code, 0) << made.err;
    const std::string shown = runCli({"-C", dir.str(), "show", made.out.substr(0, 30)}).out;
    ASSERT_NE(entryLines(shown, "Zawody").find("Myśliwy"), std::string::npos) << shown;
    // The parts the dice gave: under Żywotność and Siła fizyczna the racial part counts at
    // its value and the others go one step per point below 200.
    ASSERT_EQ(entryLines(shown, "Żywotność"), "Żywotność: 48\n"
                                              "  Rasowa: 34\n"
                                              "  Niedowaga: -10\n"
                                              "  Profesja: 6\n"
                                              "  Poziomy doświadczenia: 18\n");
    ASSERT_EQ(entryLines(shown, "Siła fizyczna"), "Siła fizyczna: 25\n"
                                                  "  Rasowa: 35\n"
                                                  "  Niedowaga: -10\n");
    // Base Żywotność (racial, overweight, professional parts): 34 - 10 + 6 = 30, a tenth
    // 3. Base Siła fizyczna: 35 - 10 = 25, a tenth 2.5, rounded away from zero 3. The
    // total: random part 2 + 3 + 3 + experience levels 17 = 25.
    EXPECT_EQ(entryLines(shown, "Bazowa odporność fizyczna"), "Bazowa odporność fizyczna: 25\n"
                                                              "  Odporność (część losowa): 2\n"
                                                              "  1/10 Żywotności: 3\n"
                                                              "  1/10 Siły fizycznej: 3\n"
                                                              "  Poziomy doświadczenia: 17\n");
    // Odporność nr.6: racial 20 + profession 1 + the base 25 = 46.
    EXPECT_EQ(entryLines(shown, "Odporność nr.6"), "Odporność nr.6: 46\n"
                                                   "  Rasowa: 20\n"
                                                   "  Profesja: 1\n"
                                                   "  Bazowa odpornośc fizyczna: 25\n");
}

TEST(CliPreview, StatsAppendsOneBlockPerCall) {
    test::TempDir dir;
    const std::string id = sampleCharacter(dir);
    const std::string file = dir.file("staty"); // taken as given: no extension is added
    ASSERT_EQ(runCli({"-C", dir.str(), "stats", id, file}).code, 0);
    const std::string once = readFile(file);
    // "NAZ. Żaneta; " in Windows-1250 ("Ż" is 0xAF), lines ended by CR LF.
    EXPECT_TRUE(once.starts_with("NAZ. \xAF"
                                 "aneta; "))
        << once;
    EXPECT_TRUE(once.ends_with("; \r\n"));
    EXPECT_NE(once.find("\r\n\xAFYW "), std::string::npos);
    const auto again = runCli({"-C", dir.str(), "stats", id, file});
    EXPECT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(again.out, "");
    EXPECT_EQ(readFile(file), once + once);

    const auto unwritable = runCli({"-C", dir.str(), "stats", id, dir.file("brak/staty.txt")});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_NE(unwritable.err.find("Nie zapisano statystyk"), std::string::npos);
    EXPECT_EQ(runCli({"-C", dir.str(), "stats", id}).code, 2);
}

} // namespace
} // namespace tallar
