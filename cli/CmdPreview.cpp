#include "base/NonInteractiveUserPort.h"
#include "cli/Commands.h"
#include "preview/Recompute.h"
#include "preview/StatsExport.h"
#include "store/CharacterStore.h"
#include "store/db/Workspace.h"

#include <ostream>

namespace tallar::cli {

namespace {

// Loads the character named by the command's first argument; null (message written) when
// it is not stored.
std::unique_ptr<CIstota> loadCharacter(Context& context, std::string_view command,
                                       Workspace& workspace, const std::string& id) {
    Result<LoadedCharacter> loaded = LoadCharacter(workspace.characters(), id);
    if (!loaded) {
        context.err << "tallar2-cli " << command << ": " << loaded.message() << '\n';
        return nullptr;
    }
    for (const std::string& warning : loaded->warnings)
        context.err << "tallar2-cli " << command << ": " << warning << '\n';
    return std::move(loaded->character);
}

} // namespace

int runRecalc(Context& context, std::span<const std::string> args) {
    if (args.size() != 1) {
        context.err << "tallar2-cli recalc: podaj jeden identyfikator bohatera\n";
        return kUsage;
    }
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    auto hero = loadCharacter(context, "recalc", *workspace, args[0]);
    if (!hero)
        return kFailure;
    NonInteractiveUserPort port(&context.err);
    CharacterRecompute({.rules = workspace->rules(), .character = *hero, .port = port}).Run();
    if (Status saved = SaveCharacter(*hero); !saved) {
        context.err << "tallar2-cli recalc: nie zapisano bohatera: " << saved.message() << '\n';
        return kFailure;
    }
    return kSuccess;
}

int runStats(Context& context, std::span<const std::string> args) {
    if (args.size() != 2) {
        context.err << "tallar2-cli stats: podaj identyfikator bohatera i plik\n";
        return kUsage;
    }
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    auto hero = loadCharacter(context, "stats", *workspace, args[0]);
    if (!hero)
        return kFailure;
    hero->RecalculateCharacter();
    if (Status written = appendStatistics(*hero, args[1]); !written) {
        context.err << "tallar2-cli stats: " << written.message() << '\n';
        return kFailure;
    }
    return kSuccess;
}

} // namespace tallar::cli
