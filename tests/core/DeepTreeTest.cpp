#include "model/TreeDepth.h"
#include "output/CharacterFile.h"
#include "store/CharacterStore.h"
#include "store/db/Schema.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tallar {
namespace {

constexpr int kChain = 100'000;

// The single-child chain below `entry`: its length, and its last entry.
std::pair<int, const CPoz*> chainBelow(const CPoz& entry) {
    int length = 0;
    const CPoz* last = &entry;
    while (const CPoz* next = last->front()) {
        last = next;
        ++length;
    }
    return {length, last};
}

// A character whose "Umiejętności" holds a chain of 100,000 entries, each the only child of
// the one before: "Poziom 1" … "Poziom 99999" of value 1, and at the end "Poziom 100000", a
// reference to "Zręczność" (12). A tree this deep overflowed the call stack when it was
// built, evaluated, saved, copied or destroyed recursively.
TEST(DeepTree, AChainOfAHundredThousandEntriesWorksThroughout) {
    test::TestDatabase t;
    ASSERT_TRUE(ensureCharacterSchema(*t.db).ok());
    CIstota hero(*t.db);
    hero.link(kLinkZrecznosc)->wartosc = 12;
    CPoz* skills = hero.link(kLinkUmiejetnosci);
    CPoz* at = skills;
    for (int i = 1; i < kChain; ++i)
        at = &at->AddChild(
            {.info = "Poziom " + std::to_string(i), .typ = 0x11, .wartosc = 1, .modyfikator = 1.0});
    CPoz* leaf = &at->AddChild(
        {.info = "Poziom " + std::to_string(kChain), .typ = 0x19, .modyfikator = 1.0});
    leaf->MakeReference(*hero.link(kLinkZrecznosc), true);

    // Each entry adds its value to what its child hands back: the leaf takes 12 from
    // Zręczność, so the entry k of the chain totals 12 + (100,000 − k).
    const auto evaluate = [](CIstota& character) {
        character.RecalculateCharacter(); // Zręczność first
        character.link(kLinkUmiejetnosci)->Recalculate();
    };
    evaluate(hero);
    const CPoz& top = *skills->front();
    EXPECT_EQ(top.total, 12.0 + kChain - 1);
    EXPECT_EQ(BuildLabel(top), "Poziom 1: 1 (100011)");
    EXPECT_EQ(BuildLabel(*leaf), "Poziom 100000: 12");

    {
        const std::unique_ptr<CPoz> copy = CPoz::CopyTree(*skills->front(), false);
        EXPECT_EQ(chainBelow(*copy).first, kChain - 1);
    }

    ASSERT_TRUE(SaveCharacter(hero).ok()) << t.errors.str();
    // The root, 41 top entries, 12 nested ones and the chain.
    EXPECT_EQ(t.count("SELECT count(*) FROM pozycje;"), 54 + kChain);

    Result<LoadedCharacter> loaded = LoadCharacter(*t.db, hero.id());
    ASSERT_TRUE(loaded.ok()) << loaded.message();
    EXPECT_TRUE(loaded->warnings.empty());
    evaluate(*loaded->character);
    const CPoz& loadedSkills = *loaded->character->link(kLinkUmiejetnosci);
    const auto [length, loadedLeaf] = chainBelow(loadedSkills);
    EXPECT_EQ(length, kChain);
    EXPECT_EQ(loadedLeaf->target(), loaded->character->link(kLinkZrecznosc));
    EXPECT_EQ(BuildLabel(*loadedSkills.front()), "Poziom 1: 1 (100011)");
    // The walk of `show`'s outline: 53 fixed entries and the chain, down to depth 100,001.
    int visited = 0;
    int deepest = 0;
    WalkTree(*loaded->character, [&](const CPoz&, int depth) {
        ++visited;
        deepest = std::max(deepest, depth);
    });
    EXPECT_EQ(visited, 53 + kChain);
    EXPECT_EQ(deepest, kChain + 1);

    // The file refuses it: the entry "Poziom 1000" lies at depth 1001 (below "Umiejętności").
    const CPoz* tooDeep = loadedSkills.front();
    for (int i = 1; i < 1000; ++i)
        tooDeep = tooDeep->front();
    ASSERT_EQ(tooDeep->info, "Poziom 1000");
    const Result<std::string> exported = characterFileBytes(*t.db, hero.id());
    EXPECT_EQ(exported.message(), "Bohater " + hero.id() +
                                      " nie może być zapisany do pliku: pozycja " + tooDeep->id() +
                                      " leży głębiej niż 1000 poziomów pod " + "bohaterem.");

    ASSERT_TRUE(DeleteStoredCharacter(*t.db, hero.id()).ok());
    EXPECT_EQ(t.count("SELECT count(*) FROM pozycje;"), 0);
}

TEST(TreeDepth, FindsTheFirstEntryBelowTheLimitWhateverTheOrderOfTheRows) {
    // r is the root (it names itself); a lies at depth 1, b at 2, c at 3.
    const std::vector<EntryLink> chain = {{"c", "b"}, {"r", "r"}, {"b", "a"}, {"a", "r"}};
    EXPECT_EQ(firstEntryTooDeep(chain, 3), std::nullopt);
    EXPECT_EQ(firstEntryTooDeep(chain, 2), 0u);
    EXPECT_EQ(firstEntryTooDeep(chain, 1), 0u); // c comes first, though b is too deep as well
    EXPECT_EQ(firstEntryTooDeep(chain, 0), 0u);
    // A parent that is not among the rows makes a root: x at 0, y at 1.
    EXPECT_EQ(firstEntryTooDeep({{"y", "x"}, {"x", "gone"}}, 0), 0u);
    // Parents that go round end too: p and q name each other, s hangs below them.
    EXPECT_EQ(firstEntryTooDeep({{"p", "q"}, {"q", "p"}, {"s", "p"}}), std::nullopt);
    EXPECT_EQ(firstEntryTooDeep({}), std::nullopt);
}

} // namespace
} // namespace tallar
