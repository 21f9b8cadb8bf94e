#include "app/MainWindow.h"
#include "app/StartOptions.h"
#include "rules/DiceGenerator.h"
#include "rules/SampleRules.h"
#include "store/Workspace.h"
#include "ui/AppIcon.h"
#include "ui/QtUserPort.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <filesystem>
#include <iostream>

// tallar2 [--trace] [KATALOG]: the desktop program, working in KATALOG (created when
// missing) or in the current directory; --trace writes the entries' trace lines to
// standard output.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallar2"));
    QApplication::setApplicationVersion(QStringLiteral(TALLAR_VERSION));
    QApplication::setWindowIcon(tallar::ui::appIcon());
    // Qt's own dialogs (file choosers, standard buttons) in Polish, like the rest.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    const tallar::app::StartOptions options =
        tallar::app::parseStartOptions(QApplication::arguments().mid(1));
    if (!options.valid) {
        std::cerr << tallar::app::kDesktopUsage;
        return 2;
    }
    if (!options.directory.empty()) {
        if (tallar::Status made = tallar::Workspace::createDirectory(options.directory); !made) {
            std::cerr << made.message() << '\n';
            return 1;
        }
        std::error_code error;
        std::filesystem::current_path(options.directory, error);
        if (error) {
            std::cerr << "Nie można pracować w katalogu " << options.directory << ": "
                      << error.message() << '\n';
            return 1;
        }
    }

    tallar::app::applyTraceOption(options); // the entries' trace lines, only with --trace
    tallar::seedDiceFromClock();
    tallar::ui::QtUserPort port;
    std::string failure;
    auto workspace = tallar::Workspace::open(".", port, failure);
    if (!workspace) {
        std::cerr << failure << std::flush;
        return 1;
    }
    // Without any race nothing can be made: offer the sample rules.
    tallar::offerSampleRules(workspace->rules(), port);
    tallar::app::MainWindow window(std::move(workspace));
    window.exec();
    return 0;
}
