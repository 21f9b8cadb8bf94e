#include "base/NonInteractiveUserPort.h"
#include "cli/Commands.h"
#include "output/CharacterFile.h"
#include "store/db/Workspace.h"

#include <ostream>

namespace tallar::cli {

int runExport(Context& context, std::span<const std::string> args) {
    if (args.size() != 2) {
        context.err << "tallar2-cli export: podaj identyfikator bohatera i plik\n";
        return kUsage;
    }
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    NonInteractiveUserPort port(&context.err);
    return ExportCharacter(workspace->characters(), args[0], args[1], port).ok() ? kSuccess
                                                                                 : kFailure;
}

int runImport(Context& context, std::span<const std::string> args) {
    if (args.size() != 1) {
        context.err << "tallar2-cli import: podaj plik\n";
        return kUsage;
    }
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    const Result<std::vector<std::string>> imported =
        importCharacterFile(workspace->characters(), args[0]);
    if (!imported) {
        context.err << imported.message() << '\n';
        return kFailure;
    }
    for (const std::string& id : *imported)
        context.out << id << '\n';
    return kSuccess;
}

} // namespace tallar::cli
