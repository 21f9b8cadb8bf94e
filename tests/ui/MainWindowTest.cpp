#include "app/MainWindow.h"
#include "app/StartOptions.h"
#include "base/NonInteractiveUserPort.h"
#include "model/Trace.h"
#include "store/Character.h"
#include "store/Workspace.h"
#include "support/TempDir.h"
#include "wizard/CWizard1.h"

#include <QFrame>
#include <QLayout>
#include <QPushButton>

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace tallar {
namespace {

std::unique_ptr<Workspace> openWorkspace(const test::TempDir& dir) {
    NonInteractiveUserPort port(nullptr);
    std::string error;
    auto workspace = Workspace::open(dir.str(), port, error);
    EXPECT_TRUE(workspace) << error;
    return workspace;
}

TEST(MainWindow, ShowsTheEighteenButtonsInOrder) {
    test::TempDir dir;
    app::MainWindow window(openWorkspace(dir));
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallar2"));

    const std::vector<std::pair<int, QString>> expected = {
        {1005, "Edycja bohatera"},
        {1006, "Edycja ras"},
        {1021, "Edycja części ciała"},
        {1007, "Edycja profesji"},
        {1019, "Edycja wymagań do awansu na poz."},
        {1023, "Edycja klas społecznych"},
        {1024, "Edycja miejsca urodzenia"},
        {1009, "Edycja ułomności"},
        {1008, "Edycja zdolności nadnaturalnych"},
        {1010, "Edycja zawodów"},
        {1017, "Edycja umiejętności"},
        {1018, "Edycja grup broni"},
        {1011, "Edycja broni"},
        {1020, "Edycja składników zbroi"},
        {1012, "Edycja zbroi"},
        {1022, "Edycja tarcz"},
        {1761, "Edycja ekwipunku"},
        {1025, "Info"},
    };
    // Buttons in the order the layout shows them, top to bottom.
    std::vector<QPushButton*> shown;
    for (int i = 0; i < window.layout()->count(); ++i)
        if (auto* button = qobject_cast<QPushButton*>(window.layout()->itemAt(i)->widget()))
            shown.push_back(button);
    ASSERT_EQ(shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(shown[i]->property("commandId").toInt(), expected[i].first) << i;
        EXPECT_EQ(shown[i]->text(), expected[i].second) << i;
        if (i > 0) {
            EXPECT_GT(shown[i]->geometry().top(), shown[i - 1]->geometry().top());
        }
    }
    EXPECT_TRUE(window.button(1025)->isEnabled());
}

TEST(MainWindow, CloseBoxClosesTheConnections) {
    test::TempDir dir;
    app::MainWindow window(openWorkspace(dir));
    window.show();
    ASSERT_TRUE(window.connected());
    window.close();
    EXPECT_FALSE(window.connected());
}

TEST(MainWindow, LoadsTheSampleRulesIntoEmptyRulesWithoutARestart) {
    test::TempDir dir;
    app::MainWindow window(openWorkspace(dir));
    window.show();
    ASSERT_TRUE(window.sampleRulesNotice()->isVisible());
    ASSERT_TRUE(window.loadSampleRulesButton()->isVisible());
    EXPECT_EQ(window.loadSampleRulesButton()->text(), QStringLiteral("Wczytaj przykładowe reguły"));

    window.loadSampleRulesButton()->click();
    EXPECT_FALSE(window.loadSampleRulesButton()->isVisible());
    std::string error;
    auto rules = Database::open(dir.file(Workspace::kRulesFile), error);
    ASSERT_TRUE(rules) << error;
    EXPECT_TRUE(offersPlayableStage(*rules));

    // With rules in place the next start shows no notice.
    window.close();
    app::MainWindow again(openWorkspace(dir));
    again.show();
    EXPECT_FALSE(again.sampleRulesNotice()->isVisible());
}

// The desktop program writes the entries' trace lines to standard output with --trace only.
TEST(DesktopStart, TraceLinesOnlyWithTheTraceOption) {
    test::TempDir dir;
    std::string error;
    auto db = Database::open(dir.file("rtistoty.db"), error);
    ASSERT_TRUE(db) << error;
    const auto linesOfOneEntry = [&](const QStringList& arguments) {
        const app::StartOptions options = app::parseStartOptions(arguments);
        EXPECT_TRUE(options.valid);
        EXPECT_EQ(options.directory, "katalog");
        std::ostringstream captured;
        std::streambuf* const standardOutput = std::cout.rdbuf(captured.rdbuf());
        app::applyTraceOption(options);
        { CIstota hero(*db); } // its entries trace their end
        setTraceSink(nullptr);
        std::cout.rdbuf(standardOutput);
        return captured.str();
    };
    EXPECT_EQ(linesOfOneEntry({QStringLiteral("katalog")}), "");
    EXPECT_NE(linesOfOneEntry({QStringLiteral("--trace"), QStringLiteral("katalog")}), "");
    EXPECT_NE(linesOfOneEntry({QStringLiteral("katalog"), QStringLiteral("--trace")}), "");

    EXPECT_FALSE(app::parseStartOptions({QStringLiteral("a"), QStringLiteral("b")}).valid);
    EXPECT_FALSE(app::parseStartOptions({QStringLiteral("--nieznana")}).valid);
    EXPECT_EQ(app::parseStartOptions({}).directory, "");
}

} // namespace
} // namespace tallar
