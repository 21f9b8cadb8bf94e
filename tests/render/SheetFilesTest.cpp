#include "render/SheetFiles.h"
#include "model/Character.h"
#include "output/CKartaBohatera.h"

#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace tallar {
namespace {

struct SheetFilesTest : ::testing::Test {
    test::TestDatabase characters{"rtistoty.db"};
    test::TempDir out;
    CIstota hero{*characters.db};
    CKartaBohatera sheet{hero};

    SheetFilesTest() {
        hero.SetImie("Źdźbło Łucja");
        hero.SetRasa("Krasnolud");
    }
};

// The share of an image's pixels that are not white.
double inkedShare(const QImage& image) {
    long long n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return static_cast<double>(n) / (static_cast<double>(image.width()) * image.height());
}

TEST_F(SheetFilesTest, PngPagesAreDrawnWithTheAspectOfThePage) {
    for (const auto& [size, width, height] :
         {std::tuple{QPageSize::A4, 210.0, 297.0}, {QPageSize::Letter, 215.9, 279.4}}) {
        std::vector<std::string> written;
        const std::string path = out.file("karta.png");
        const Status status = render::writeSheetPng(sheet, path, 100, QPageSize(size), &written);
        ASSERT_TRUE(status.ok()) << status.message();
        ASSERT_EQ(written,
                  (std::vector<std::string>{out.file("karta-1.png"), out.file("karta-2.png")}));
        for (const std::string& page : written) {
            const QImage image(QString::fromStdString(page));
            ASSERT_FALSE(image.isNull()) << page;
            // 100 pixels per inch: 25.4 mm per 100 pixels, within a pixel of rounding.
            EXPECT_NEAR(image.width(), width / 25.4 * 100, 1.0) << page;
            EXPECT_NEAR(image.height(), height / 25.4 * 100, 1.0) << page;
            EXPECT_NEAR(image.dotsPerMeterX(), 100 / 0.0254, 1.0);
            // The form's frames and labels, on a page that stays mostly white.
            const double share = inkedShare(image);
            EXPECT_GT(share, 0.02) << page;
            EXPECT_LT(share, 0.5) << page;
        }
    }
}

TEST_F(SheetFilesTest, PngResolutionOutsideItsRangeIsRefused) {
    EXPECT_FALSE(render::writeSheetPng(sheet, out.file("a.png"), render::kMaxPngDpi + 1).ok());
    EXPECT_FALSE(render::writeSheetPng(sheet, out.file("a.png"), render::kMinPngDpi - 1).ok());
    EXPECT_FALSE(std::filesystem::exists(out.file("a-1.png")));
}

TEST_F(SheetFilesTest, FileNamesOfPngPages) {
    EXPECT_EQ(render::pngPagePath("karta.png", 1), "karta-1.png");
    EXPECT_EQ(render::pngPagePath("dir/KARTA.PNG", 2), "dir/KARTA-2.png");
    EXPECT_EQ(render::pngPagePath("karta", 1), "karta-1.png");
    EXPECT_EQ(render::pngPagePath(".png", 1), ".png-1.png");
}

TEST_F(SheetFilesTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothing) {
    const std::string missing = out.file("brak/karta.pdf");
    const Status pdf = render::writeSheetPdf(sheet, missing);
    ASSERT_FALSE(pdf.ok());
    EXPECT_NE(pdf.message().find(missing), std::string::npos) << pdf.message();
    EXPECT_FALSE(render::writeSheetPng(sheet, out.file("brak/karta.png"), 100).ok());
    EXPECT_TRUE(std::filesystem::is_empty(out.str()));
}

TEST_F(SheetFilesTest, PdfReplacesAnEarlierFileWhole) {
    const std::string path = out.file("karta.pdf");
    ASSERT_TRUE(render::writeSheetPdf(sheet, path).ok());
    const auto first = std::filesystem::file_size(path);
    EXPECT_GT(first, 1000u);
    ASSERT_TRUE(render::writeSheetPdf(sheet, path, QPageSize(QPageSize::Letter)).ok());
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.str()),
                            std::filesystem::directory_iterator()),
              1); // no temporary file left beside it
}

} // namespace
} // namespace tallar
