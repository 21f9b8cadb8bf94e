#pragma once

#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallar {
class Workspace;
}

namespace tallar::cli {

// Exit codes of tallar2-cli.
enum ExitCode : int { kSuccess = 0, kFailure = 1, kUsage = 2 };

// What every command works with: the working directory and the three streams.
struct Context {
    std::string directory = ".";
    bool trace = false;
    std::ostream& out;
    std::ostream& err;
    std::istream& in;

    // Opens the working directory's databases as the desktop program does; on failure
    // writes "Brak połączenia z bazą danych: …" (or why the schema does not match) to
    // `err` and returns null.
    std::unique_ptr<Workspace> openWorkspace();
};

struct Command {
    std::string_view name;
    std::string_view synopsis;    // the arguments, as shown in the usage
    std::string_view description; // what it does and what it prints
    int (*run)(Context& context, std::span<const std::string> args);
};

// Every command, in the order --help lists them.
const std::vector<Command>& commands();

// Writes the usage text (--help) to `out`.
void printUsage(std::ostream& out);

// Runs tallar2-cli with its arguments (without the program name); returns the exit code.
int run(std::span<const std::string> args, std::ostream& out, std::ostream& err, std::istream& in);

} // namespace tallar::cli
