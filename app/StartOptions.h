#pragma once

#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

namespace tallar::app {

inline constexpr const char* kDesktopUsage = "Użycie: tallar2 [--trace] [--user-data | KATALOG]\n";

// The command line of the desktop program: tallar2 [--trace] [--user-data | KATALOG].
struct StartOptions {
    std::string directory; // where to work (created when missing); empty: the current one
    bool userData = false; // work in the user's data folder (userDataDirectory())
    bool trace = false;    // the entries' trace lines go to standard output
    bool valid = true;     // false: the usage is shown and the program ends with code 2
};

// Reads the arguments that follow the program's name.
StartOptions parseStartOptions(const QStringList& arguments);

// The text that `tallar2 --help` or `tallar2 --version` prints, for a sole argument that is
// one of them (-h too); nothing for any other argument. Answered before Qt starts, so both
// work without a display; the manual page is made from the help.
std::optional<std::string> informationText(std::string_view soleArgument);

// The folder --user-data works in: Tallar2 in the user's data directory
// ($XDG_DATA_HOME, by default ~/.local/share); empty when there is no such directory. The
// desktop menu starts the program so.
std::string userDataDirectory();

// The directory the program works in: the one given, the user's data folder, or empty
// (the current one).
std::string workingDirectory(const StartOptions& options);

// Sends the entries' trace lines to standard output with --trace, else nowhere.
void applyTraceOption(const StartOptions& options);

} // namespace tallar::app
