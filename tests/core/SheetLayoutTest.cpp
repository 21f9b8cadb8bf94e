#include "output/SheetLayout.h"
#include "output/SheetRecord.h"

#include "support/SheetLabels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tallar {
namespace {

// The figures of a page in drawing order with their absolute boxes.
struct Placed {
    const CFigura* figure;
    int left, top, right, bottom;
};

std::vector<Placed> placed(const CFigura& root) {
    std::vector<Placed> all;
    WalkFigures(root, [&](const CFigura& f, int ox, int oy) {
        all.push_back({&f, ox + f.x1, oy + f.y1, ox + f.x2, oy + f.y2});
    });
    return all;
}

// The texts of the text figures and list figures of a page, in drawing order.
std::vector<std::string> textsOf(const CFigura& root) {
    std::vector<std::string> texts;
    WalkFigures(root, [&](const CFigura& f, int, int) {
        if (isTextKind(f.kind))
            texts.push_back(f.text);
        if (isListKind(f.kind))
            texts.insert(texts.end(), f.texts.begin(), f.texts.end());
    });
    return texts;
}

// The text of the value box that follows the label `label` (a label and its framed value).
std::string valueAfter(const CFigura& root, const std::string& label) {
    const std::vector<Placed> all = placed(root);
    for (std::size_t i = 0; i + 2 < all.size(); ++i)
        if (isTextKind(all[i].figure->kind) && all[i].figure->text == label) {
            EXPECT_EQ(all[i + 1].figure->kind, FigureKind::Rectangle) << label;
            return all[i + 2].figure->text;
        }
    ADD_FAILURE() << "no label " << label;
    return {};
}

TEST(SheetLayout, EveryLabelInItsOrderOnItsPage) {
    const SheetRecord empty;
    for (int page = 1; page <= kSheetPages; ++page) {
        const auto root = buildSheetPage(page, empty);
        ASSERT_NE(root, nullptr);
        const std::vector<std::string> texts = textsOf(*root);
        auto from = texts.begin();
        for (const std::string& label : test::sheetLabels()[static_cast<std::size_t>(page - 1)]) {
            const auto found = std::find(from, texts.end(), label);
            ASSERT_NE(found, texts.end()) << "page " << page << ": " << label;
            from = found;
        }
    }
    EXPECT_EQ(buildSheetPage(3, empty), nullptr);
}

TEST(SheetLayout, ValuesGoIntoTheirBoxesAndAMissingOneStaysEmpty) {
    SheetRecord r;
    r.name = "Źdźbło";
    r.presenceBonus = "5";
    r.resistances[9] = "37";
    const auto one = buildSheetPage(1, r);
    const auto two = buildSheetPage(2, r);
    const std::vector<std::string> texts = textsOf(*one);
    EXPECT_NE(std::ranges::find(texts, "Źdźbło"), texts.end());
    EXPECT_EQ(valueAfter(*two, "BONUS DO PREZENCJI (1/10 SF):"), "5");
    EXPECT_EQ(valueAfter(*two, "PETRYFIKACJA"), "37");
    EXPECT_EQ(valueAfter(*two, "BONUS DO ZADAWANYCH OBRAŻEŃ (1/4 SF):"), "");
    EXPECT_EQ(valueAfter(*two, "ILUZJA"), "");
}

TEST(SheetLayout, EveryFigureLiesOnTheSheet) {
    SheetRecord r;
    r.weapons.resize(30); // more than the tables have rows
    for (int page = 1; page <= kSheetPages; ++page) {
        const auto root = buildSheetPage(page, r);
        for (const Placed& p : placed(*root)) {
            const FigureKind kind = p.figure->kind;
            if (kind == FigureKind::Rectangle || kind == FigureKind::Ellipse || isTextKind(kind)) {
                EXPECT_GE(p.left, 0);
                EXPECT_GE(p.top, 0);
                EXPECT_LE(p.right, kSheetWidth);
                EXPECT_LE(p.bottom, kSheetHeight);
                EXPECT_LE(p.left, p.right);
                EXPECT_LE(p.top, p.bottom);
            } else if (isListKind(kind)) {
                // Lines of x2 wide and y2 high, at most `count` of them.
                EXPECT_GT(p.figure->count, 0);
                EXPECT_LE(p.left + p.figure->x2, kSheetWidth);
                EXPECT_LE(p.top + p.figure->count * p.figure->y2, kSheetHeight);
            }
        }
    }
}

TEST(SheetLayout, ALongListEndsWithHowManyMoreThereAre) {
    SheetRecord r;
    for (int i = 1; i <= 25; ++i)
        r.skills.push_back("Umiejętność " + std::to_string(i));
    const auto page = buildSheetPage(1, r);
    // Two columns of ten lines share one list: the first from text 0, the second from 10.
    std::vector<const CFigura*> columns;
    WalkFigures(*page, [&](const CFigura& f, int, int) {
        if (f.kind == FigureKind::ListLeft && !f.texts.empty() &&
            f.texts.front() == "Umiejętność 1")
            columns.push_back(&f);
    });
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0]->start, 0);
    EXPECT_EQ(columns[1]->start, 10);
    EXPECT_EQ(columns[1]->count, 10);
    // 20 lines: 19 skills, then "6 more" for skills 20 to 25.
    ASSERT_EQ(columns[1]->texts.size(), 20u);
    EXPECT_EQ(columns[1]->texts[18], "Umiejętność 19");
    EXPECT_EQ(columns[1]->texts[19], "… (jeszcze 6)");
}

} // namespace
} // namespace tallar
