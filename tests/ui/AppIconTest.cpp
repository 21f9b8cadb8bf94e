#include "ui/AppIcon.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace tallar {
namespace {

// Colours of data/tallar2.svg: the shield's fill #961e1e, the letter's stroke #ebcd78.
const QColor kShield(0x96, 0x1e, 0x1e);
const QColor kLetter(0xeb, 0xcd, 0x78);

bool near(const QColor& seen, const QColor& wanted) {
    return seen.alpha() == 255 && std::abs(seen.red() - wanted.red()) <= 2 &&
           std::abs(seen.green() - wanted.green()) <= 2 &&
           std::abs(seen.blue() - wanted.blue()) <= 2;
}

// The icon is drawn from the built-in SVG (a 64-unit square) at every size. A point in the
// SVG's units is checked in the pixel whose area starts there (size / 64 pixels a unit):
//   (1, 1)   outside the shield, whose outline starts at x 8 - 1.5 (half the stroke);
//   (16, 40) inside the shield, off the letter (its stem spans x 28.5 to 35.5);
//   (32, 40) on the stem, which runs from y 14.5 to 51.5 (square caps of half of 7).
// At 16 pixels a pixel spans 4 units, so no pixel lies wholly on the 7-unit stem: the
// letter is checked from 48 pixels on (a pixel of 4/3 units from x 32).
TEST(AppIcon, RendersTheSvgAtEverySize) {
    for (const int size : {16, 48, 256}) {
        const QImage image = ui::appIconImage(size);
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        const auto at = [&](int x, int y) {
            return image.pixelColor(x * size / 64, y * size / 64);
        };
        EXPECT_EQ(at(1, 1).alpha(), 0) << size;
        EXPECT_TRUE(near(at(16, 40), kShield)) << size << ' ' << at(16, 40).name().toStdString();
        if (size >= 48) {
            EXPECT_TRUE(near(at(32, 40), kLetter))
                << size << ' ' << at(32, 40).name().toStdString();
        }
    }
    EXPECT_TRUE(ui::appIconImage(0).isNull());
}

TEST(AppIcon, WindowIconComesFromTheSameDrawing) {
    const QImage image = ui::appIcon().pixmap(64, 64).toImage();
    ASSERT_EQ(image.size(), QSize(64, 64));
    EXPECT_TRUE(near(image.pixelColor(32, 40), kLetter));
    EXPECT_TRUE(near(image.pixelColor(16, 40), kShield));
}

} // namespace
} // namespace tallar
