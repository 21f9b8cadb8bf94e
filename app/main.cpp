#include "app/MainWindow.h"
#include "app/StartOptions.h"
#include "model/Trace.h"
#include "rules/core/DiceGenerator.h"
#include "rules/data/SampleRules.h"
#include "store/db/Workspace.h"
#include "ui/AppIcon.h"
#include "ui/QtUserPort.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <filesystem>
#include <iostream>

// tallar2 [--trace] [--user-data | KATALOG]: the desktop program, working in KATALOG
// (created when missing), in the user's data folder or in the current directory; --trace
// writes the entries' trace lines to standard output. `tallar2 --help` says more.
int main(int argc, char** argv) {
    if (argc == 2) {
        if (const auto text = tallar::app::informationText(argv[1])) {
            std::cout << *text;
            return 0;
        }
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallar2"));
    QApplication::setApplicationVersion(QStringLiteral(TALLAR_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TALLAR_APP_ID));
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
    const std::string directory = tallar::app::workingDirectory(options);
    if (options.userData && directory.empty()) {
        std::cerr << "Nie można ustalić katalogu danych użytkownika\n";
        return 1;
    }
    if (!directory.empty()) {
        if (tallar::Status made = tallar::Workspace::createDirectory(directory); !made) {
            std::cerr << made.message() << '\n';
            return 1;
        }
        std::error_code error;
        std::filesystem::current_path(directory, error);
        if (error) {
            std::cerr << "Nie można pracować w katalogu " << directory << ": " << error.message()
                      << '\n';
            return 1;
        }
    }

    tallar::app::applyTraceOption(options); // the entries' trace lines, only with --trace
    tallar::seedDiceFromClock();
    tallar::ui::QtUserPort port;
    auto opened = tallar::Workspace::open(".", port);
    if (!opened) {
        std::cerr << opened.message() << '\n' << std::flush;
        return 1;
    }
    std::unique_ptr<tallar::Workspace> workspace = std::move(*opened);
    // Without any race nothing can be made: offer the sample rules.
    tallar::offerSampleRules(workspace->rules(), port);
    tallar::app::MainWindow window(std::move(workspace));
    window.exec();
    return 0;
}
