#include "app/StartOptions.h"

#include "model/Trace.h"

#include <QStandardPaths>

#include <iostream>

namespace tallar::app {

StartOptions parseStartOptions(const QStringList& arguments) {
    StartOptions options;
    bool haveDirectory = false;
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--trace") && !options.trace) {
            options.trace = true;
        } else if (argument == QStringLiteral("--user-data") && !options.userData) {
            options.userData = true;
        } else if (!haveDirectory && !argument.startsWith(QLatin1Char('-'))) {
            options.directory = argument.toStdString();
            haveDirectory = true;
        } else {
            options.valid = false;
        }
    }
    if (options.userData && haveDirectory)
        options.valid = false; // two places to work in
    return options;
}

std::optional<std::string> informationText(std::string_view soleArgument) {
    if (soleArgument == "--version")
        return std::string("tallar2 ") + TALLAR_VERSION + '\n';
    if (soleArgument != "--help" && soleArgument != "-h")
        return std::nullopt;
    return std::string(kDesktopUsage) +
           "\n"
           "Tallar2: tworzenie i prowadzenie bohaterów gry fabularnej Runy Talu.\n"
           "\n"
           "Program pracuje w katalogu KATALOG (brakujący zakłada), a bez niego w katalogu\n"
           "bieżącym; tam leżą baza bohaterów rtistoty.db i baza reguł tallar.db. Gdy baza\n"
           "reguł nie zawiera żadnej rasy, program proponuje wczytanie przykładowych reguł.\n"
           "\n"
           "Opcje:\n"
           "  --user-data  pracuj w katalogu Tallar2 w katalogu danych użytkownika\n"
           "               ($XDG_DATA_HOME, domyślnie ~/.local/share), zakładając go, gdy\n"
           "               go brak; tak uruchamia program menu pulpitu\n"
           "  --trace      wypisuj na standardowe wyjście linie śladu pozycji bohatera\n"
           "  -h, --help   pokaż ten opis\n"
           "  --version    pokaż wersję\n"
           "\n"
           "Kody wyjścia: 0 po zamknięciu okna programu, 1 gdy bazy danych nie można\n"
           "otworzyć albo katalogu założyć, 2 błędne wywołanie.\n";
}

std::string userDataDirectory() {
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return {};
    return (dataHome + QStringLiteral("/Tallar2")).toStdString();
}

std::string workingDirectory(const StartOptions& options) {
    return options.userData ? userDataDirectory() : options.directory;
}

void applyTraceOption(const StartOptions& options) {
    setTraceSink(options.trace ? &std::cout : nullptr);
}

} // namespace tallar::app
