#include "app/MainWindow.h"
#include "model/Trace.h"
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

// tallar2 [KATALOG]: the desktop program, working in KATALOG (created when missing) or in
// the current directory.
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

    const QStringList args = QApplication::arguments();
    if (args.size() > 2) {
        std::cerr << "Użycie: tallar2 [KATALOG]\n";
        return 2;
    }
    if (args.size() == 2) {
        std::error_code error;
        const std::filesystem::path dir = args[1].toStdString();
        std::filesystem::create_directories(dir, error);
        std::filesystem::current_path(dir, error);
        if (error) {
            std::cerr << "Nie można pracować w katalogu " << dir << ": " << error.message() << '\n';
            return 1;
        }
    }

    tallar::setTraceSink(&std::cout); // the entries' trace lines
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
