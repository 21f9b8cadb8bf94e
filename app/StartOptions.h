#pragma once

#include <QStringList>

#include <string>

namespace tallar::app {

inline constexpr const char* kDesktopUsage = "Użycie: tallar2 [--trace] [KATALOG]\n";

// The command line of the desktop program: tallar2 [--trace] [KATALOG].
struct StartOptions {
    std::string directory; // where to work (created when missing); empty: the current one
    bool trace = false;    // the entries' trace lines go to standard output
    bool valid = true;     // false: the usage is shown and the program ends with code 2
};

// Reads the arguments that follow the program's name.
StartOptions parseStartOptions(const QStringList& arguments);

// Sends the entries' trace lines to standard output with --trace, else nowhere.
void applyTraceOption(const StartOptions& options);

} // namespace tallar::app
