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
    return ExportCharacter(workspace->characters(), args[0], args[1], port) ? kSuccess : kFailure;
}

int runImport(Context& context, std::span<const std::string> args) {
    if (args.size() != 1) {
        context.err << "tallar2-cli import: podaj plik\n";
        return kUsage;
    }
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    const CharacterImport result = importCharacterFile(workspace->characters(), args[0]);
    if (!result.status) {
        context.err << result.status.message() << '\n';
        return kFailure;
    }
    for (const std::string& id : result.characterIds)
        context.out << id << '\n';
    return kSuccess;
}

} // namespace tallar::cli
