#include "render/FigurePainter.h"
#include "output/CFigura.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace tallar {
namespace {

// Draws a figure tree on a white image, one pixel per tenth of a millimetre.
QImage drawn(const CFigura& root, QSize size = {400, 300}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    render::drawFigures(painter, root);
    return image;
}

// The pixels of a part of the image that are not white.
int inked(const QImage& image, QRect part) {
    int n = 0;
    part &= image.rect();
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return n;
}

TEST(FigurePainter, ATextWithoutAFontSizeDrawsNothing) {
    CFigura root(FigureKind::MoveTo, 0, 0);
    CFigura& text = root.addText(FigureKind::TextCentre, 10, 10, 390, 290, "Żółw", 0);
    EXPECT_EQ(inked(drawn(root), {0, 0, 400, 300}), 0);

    text.fontSize = 80;
    EXPECT_GT(inked(drawn(root), {10, 10, 380, 280}), 100);

    // A list without a font size draws nothing either.
    CFigura lists(FigureKind::MoveTo, 0, 0);
    CFigura& list = lists.add(FigureKind::ListLeft, 0, 0, 400, 60);
    list.texts = {"Miecz", "Topór"};
    EXPECT_EQ(inked(drawn(lists), {0, 0, 400, 300}), 0);
    list.fontSize = 40;
    EXPECT_GT(inked(drawn(lists), {0, 0, 400, 120}), 50);
}

TEST(FigurePainter, ChildrenArePlacedRelativeToTheirParent) {
    CFigura root(FigureKind::MoveTo, 0, 0);
    CFigura& group = root.add(FigureKind::MoveTo, 100, 50);
    group.add(FigureKind::Rectangle, 10, 10, 60, 60); // at 110, 60 – 160, 110 on the page
    const QImage image = drawn(root);
    EXPECT_GT(inked(image, {109, 70, 3, 30}), 0);  // its left side
    EXPECT_GT(inked(image, {158, 70, 3, 30}), 0);  // its right side
    EXPECT_EQ(inked(image, {0, 0, 100, 300}), 0);  // nothing where it would be unplaced
    EXPECT_EQ(inked(image, {120, 70, 30, 30}), 0); // a frame: not filled
}

TEST(FigurePainter, AListDrawsItsLinesFromItsStart) {
    CFigura root(FigureKind::MoveTo, 0, 0);
    CFigura& list = root.add(FigureKind::ListLeft, 0, 0, 400, 60);
    list.texts = {"Jeden", "Dwa", "Trzy", "Cztery"};
    list.fontSize = 40;
    list.face = kFormFace;
    list.start = 1;
    list.count = 2;
    const QImage image = drawn(root);
    EXPECT_GT(inked(image, {0, 0, 400, 60}), 0);    // "Dwa"
    EXPECT_GT(inked(image, {0, 60, 400, 60}), 0);   // "Trzy"
    EXPECT_EQ(inked(image, {0, 120, 400, 180}), 0); // nothing more
}

TEST(FigurePainter, RowsAndColumnsOfLines) {
    CFigura root(FigureKind::MoveTo, 0, 0);
    CFigura& rows = root.add(FigureKind::Rows, 20, 50, 300, 100); // y 50, 150, 250
    rows.count = 3;
    const QImage image = drawn(root);
    for (int y : {50, 150, 250}) {
        EXPECT_GT(inked(image, {20, y - 1, 300, 3}), 290) << y;
        EXPECT_EQ(inked(image, {330, y - 1, 60, 3}), 0) << y; // lines are 300 long
    }
    EXPECT_EQ(inked(image, {0, 60, 400, 80}), 0);

    CFigura columns(FigureKind::MoveTo, 0, 0);
    CFigura& lines = columns.add(FigureKind::Columns, 50, 20, 120, 200); // x 50, 170
    lines.count = 2;
    const QImage drawnColumns = drawn(columns);
    EXPECT_GT(inked(drawnColumns, {49, 20, 3, 200}), 190);
    EXPECT_GT(inked(drawnColumns, {169, 20, 3, 200}), 190);
    EXPECT_EQ(inked(drawnColumns, {290, 0, 3, 300}), 0);
}

} // namespace
} // namespace tallar
