#include "app/MainWindow.h"
#include "Answer.h"
#include "app/GuideDialog.h"
#include "app/InfoDialog.h"
#include "app/MainButtons.h"
#include "app/StartOptions.h"
#include "base/NonInteractiveUserPort.h"
#include "editors/ListDef.h"
#include "model/Character.h"
#include "model/Trace.h"
#include "store/CharacterStore.h"
#include "store/db/Workspace.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"
#include "ui/editors/CLista.h"
#include "ui/editors/EditorDialog.h"
#include "wizard/CWizard1.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace tallar {
namespace {

std::unique_ptr<Workspace> openWorkspace(const test::TempDir& dir) {
    NonInteractiveUserPort port(nullptr);
    return test::openWorkspace(dir.str(), port);
}

// What a main-window button showed: the window's first column (for a list) and, for a
// rules list, the name field of the editor that Enter opened on its first row.
struct Shown {
    QString window;
    QStringList rows;
    QString editedName;
};

Shown clickAndLook(app::MainWindow& window, int id) {
    Shown shown;
    QTimer::singleShot(0, [&shown] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        shown.window = modal->windowTitle();
        if (auto* list = qobject_cast<ui::CLista*>(modal)) {
            for (int i = 0; i < list->shownCount(); ++i)
                shown.rows << list->shownText(i, 0);
            if (list->windowTitle() != QStringLiteral("Lista bohaterów") &&
                list->shownCount() > 0) {
                QTimer::singleShot(0, [&shown] {
                    auto* editor =
                        qobject_cast<ui::EditorDialog*>(QApplication::activeModalWidget());
                    ASSERT_NE(editor, nullptr);
                    if (auto* name = qobject_cast<QLineEdit*>(editor->control("nazwa")))
                        shown.editedName = name->text();
                    editor->reject();
                });
                list->selectShown(0);
                list->okAction();
            }
        }
        modal->close();
    });
    window.button(id)->click();
    return shown;
}

// Every button opens its window: each rules list shows the rows of the table its editor
// writes, and Enter opens the row in that editor; the character list shows the characters.
TEST(MainWindow, EachButtonOpensItsWindowOnItsTable) {
    test::TempDir dir;
    auto workspace = openWorkspace(dir);
    Database& rules = workspace->rules();
    for (const editors::ListDef* def : editors::lists::rules()) {
        std::string columns = "id,nazwa";
        std::string values = "'" + def->name + "-1','Próbny " + def->name + "'";
        for (const editors::FixedValue& fixed : def->editor().fixed) {
            columns += "," + fixed.column;
            values += ",'" + fixed.value + "'";
        }
        if (def->editor().table == "czescicialadef") {
            columns += ",typistoty";
            values += ",'H'";
        }
        ASSERT_TRUE(rules
                        .exec("INSERT INTO " + def->editor().table + " (" + columns + ") VALUES (" +
                              values + ");")
                        .ok());
    }
    {
        CIstota hero(workspace->characters());
        hero.SetGracz("Gracz próbny");
        ASSERT_TRUE(SaveCharacter(hero).ok());
    }
    app::MainWindow window(std::move(workspace));
    window.show();

    int lists = 0;
    for (const app::MainButton& button : app::kMainButtons) {
        const Shown shown = clickAndLook(window, button.id);
        EXPECT_FALSE(shown.window.isEmpty()) << button.id;
        if (button.id == 1005) {
            EXPECT_EQ(shown.rows, QStringList{QStringLiteral("Gracz próbny")});
        }
        if (shown.editedName.isEmpty())
            continue;
        ++lists;
        // The list shows the row (a body part with its kind of creature after the name) and
        // the editor opened on it shows its name.
        ASSERT_EQ(shown.rows.size(), 1) << button.id;
        EXPECT_TRUE(shown.rows[0].startsWith(shown.editedName)) << button.id;
        EXPECT_TRUE(shown.editedName.startsWith(QStringLiteral("Próbny "))) << button.id;
    }
    EXPECT_EQ(lists, static_cast<int>(editors::lists::rules().size()));
}

// Every button has its own Alt+letter and a tooltip; the letters are ones a keyboard
// types with Alt alone.
TEST(MainWindow, EachButtonHasItsOwnMnemonicAndATooltip) {
    test::TempDir dir;
    app::MainWindow window(openWorkspace(dir));
    QSet<QChar> letters;
    for (const app::MainButton& entry : app::kMainButtons) {
        QPushButton* button = window.button(entry.id);
        const QString text = button->text();
        const qsizetype mark = text.indexOf(QLatin1Char('&'));
        ASSERT_GE(mark, 0) << entry.id;
        const QChar letter = text.at(mark + 1).toLower();
        EXPECT_TRUE(letter >= QLatin1Char('a') && letter <= QLatin1Char('z')) << entry.id;
        EXPECT_FALSE(letters.contains(letter)) << entry.id;
        letters.insert(letter);
        EXPECT_EQ(QString(text).remove(mark, 1), QString::fromUtf8(entry.text)); // same words
        EXPECT_FALSE(button->toolTip().isEmpty()) << entry.id;
    }
}

// Escape asks before quitting: "Nie" keeps the window and its connections, "Tak" closes
// both as the close box does.
TEST(MainWindow, EscapeAsksBeforeQuitting) {
    test::TempDir dir;
    app::MainWindow window(openWorkspace(dir));
    window.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QString asked;
    test::answerNextQuestion(false, &asked);
    QApplication::sendEvent(&window, &escape);
    EXPECT_EQ(asked, QString::fromUtf8(app::MainWindow::kQuitQuestion));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.connected());

    test::answerNextQuestion(true);
    QApplication::sendEvent(&window, &escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.connected());
}

// "Info" names the working directory (the one holding the databases), offers to open it,
// and shows the user guide.
TEST(MainWindow, InfoShowsTheWorkingDirectoryAndTheGuide) {
    test::TempDir dir;
    auto workspace = openWorkspace(dir);
    app::InfoDialog info(*workspace);
    EXPECT_EQ(QFileInfo(info.directory()).canonicalFilePath(),
              QFileInfo(QString::fromStdString(dir.str())).canonicalFilePath());
    EXPECT_TRUE(info.findChild<QLabel*>(QStringLiteral("infoText"))
                    ->text()
                    .contains(info.directory().toHtmlEscaped()));
    EXPECT_TRUE(info.openDirectoryButton()->isEnabled());
    app::GuideDialog guide;
    EXPECT_TRUE(guide.browser()->toPlainText().contains(QStringLiteral("Tallar2")));
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
    auto rules = test::openDatabase(dir.file(Workspace::kRulesFile));
    ASSERT_TRUE(rules);
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
    auto db = test::openDatabase(dir.file("rtistoty.db"));
    ASSERT_TRUE(db);
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
