#include "ui/SheetPreview.h"
#include "model/Character.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>

namespace tallar {
namespace {

struct SheetPreviewTest : ::testing::Test {
    test::TestDatabase characters{"rtistoty.db"};
    test::TempDir out;
    CIstota hero{*characters.db};
    SheetPreviewTest() { hero.SetImie("Źdźbło"); }
};

TEST_F(SheetPreviewTest, ShowsBothPagesWithPrintAndSaveActions) {
    ui::SheetPreviewDialog dialog(hero);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Podglad wydruku"));
    dialog.preview()->updatePreview();
    EXPECT_EQ(dialog.preview()->pageCount(), 2);
    EXPECT_EQ(dialog.printer().docName(), QStringLiteral("Źdźbło "));

    QStringList actions;
    for (const QAction* action : dialog.findChild<QToolBar*>()->actions())
        actions << action->text();
    for (const char* wanted : {"Drukuj…", "Zapisz PDF…", "Zapisz PNG…", "Zamknij"})
        EXPECT_TRUE(actions.contains(QString::fromUtf8(wanted))) << wanted;

    ASSERT_TRUE(dialog.savePdf(QString::fromStdString(out.file("karta.pdf"))));
    ASSERT_TRUE(dialog.savePng(QString::fromStdString(out.file("karta.png")), 72));
    EXPECT_TRUE(std::filesystem::exists(out.file("karta.pdf")));
    EXPECT_TRUE(std::filesystem::exists(out.file("karta-1.png")));
    EXPECT_TRUE(std::filesystem::exists(out.file("karta-2.png")));
    const QLabel* status = nullptr;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text().startsWith(QStringLiteral("Zapisano: ")))
            status = label;
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->text().contains(QStringLiteral("karta-2.png")));
}

TEST_F(SheetPreviewTest, OpensMaximisedAndReturnsWhenClosed) {
    bool maximised = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* preview = qobject_cast<ui::SheetPreviewDialog*>(window);
                preview && preview->isVisible()) {
                maximised = preview->isMaximized();
                preview->accept();
            }
    });
    ui::showSheetPreview(hero, nullptr);
    EXPECT_TRUE(maximised);
}

} // namespace
} // namespace tallar
