#include "cli/Commands.h"
#include "store/Character.h"
#include "store/Workspace.h"

#include <ostream>

namespace tallar::cli {

namespace {

// Reads the single identifier argument of a command; false (usage written) otherwise.
bool oneIdentifier(Context& context, std::string_view command, std::span<const std::string> args) {
    if (args.size() == 1 && !args.front().empty() && args.front().front() != '-')
        return true;
    context.err << "tallar2-cli " << command << ": podaj jeden identyfikator bohatera\n";
    return false;
}

void writeOutline(std::ostream& out, const CPoz& entry, int depth) {
    for (const CPoz* child : entry.children()) {
        out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << BuildLabel(*child) << '\n';
        writeOutline(out, *child, depth + 1);
    }
}

} // namespace

int runNewCharacter(Context& context, std::span<const std::string> args) {
    bool blank = false;
    std::string player;
    std::string name;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--blank") {
            blank = true;
        } else if ((arg == "--player" || arg == "--name") && i + 1 < args.size()) {
            (arg == "--player" ? player : name) = args[++i];
        } else {
            context.err << "tallar2-cli new: nieoczekiwany argument „" << arg << "”\n";
            return kUsage;
        }
    }
    if (!blank) {
        context.err << "tallar2-cli new: podaj --blank (bohater z samym szkieletem pozycji)\n";
        return kUsage;
    }
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    CIstota hero(workspace->characters());
    hero.SetGracz(player);
    hero.SetImie(name);
    if (Status saved = hero.SaveCharacter(); !saved) {
        context.err << "tallar2-cli new: nie zapisano bohatera: " << saved.message() << '\n';
        return kFailure;
    }
    context.out << hero.id() << '\n';
    return kSuccess;
}

int runShowCharacter(Context& context, std::span<const std::string> args) {
    if (!oneIdentifier(context, "show", args))
        return kUsage;
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    CharacterLoad loaded = LoadCharacter(workspace->characters(), args.front());
    for (const std::string& warning : loaded.warnings)
        context.err << "tallar2-cli show: " << warning << '\n';
    if (!loaded.character) {
        context.err << "tallar2-cli show: " << loaded.status.message() << '\n';
        return kFailure;
    }
    loaded.character->RecalculateCharacter();
    writeOutline(context.out, *loaded.character, 0);
    return kSuccess;
}

int runListCharacters(Context& context, std::span<const std::string> args) {
    if (!args.empty()) {
        context.err << "tallar2-cli list: nieoczekiwany argument „" << args.front() << "”\n";
        return kUsage;
    }
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    std::vector<CharacterSummary> characters;
    if (Status listed = ListCharacters(workspace->characters(), characters); !listed)
        return kFailure; // the database error is already written
    for (const CharacterSummary& c : characters)
        context.out << c.id << '\t' << c.gracz << '\t' << c.rasa << '\t' << c.prof << '\t' << c.imie
                    << '\n';
    return kSuccess;
}

int runDeleteCharacter(Context& context, std::span<const std::string> args) {
    if (!oneIdentifier(context, "delete", args))
        return kUsage;
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    bool existed = false;
    if (Status deleted = DeleteStoredCharacter(workspace->characters(), args.front(), &existed);
        !deleted) {
        context.err << "tallar2-cli delete: nie usunięto bohatera: " << deleted.message() << '\n';
        return kFailure;
    }
    if (!existed) {
        context.err << "tallar2-cli delete: " << noSuchCharacterMessage(args.front()) << '\n';
        return kFailure;
    }
    return kSuccess;
}

} // namespace tallar::cli
