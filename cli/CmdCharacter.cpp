#include "cli/CliAnswers.h"
#include "cli/CliWizardPages.h"
#include "cli/Commands.h"
#include "cli/StreamUserPort.h"
#include "cli/TabSeparated.h"
#include "rules/core/DiceGenerator.h"
#include "rules/engine/CRdzenUmiejetnosci.h"
#include "store/CharacterStore.h"
#include "store/db/Workspace.h"
#include "wizard/CWizard3.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <unistd.h>
#include <utility>

namespace tallar::cli {

namespace {

// Reads the single identifier argument of a command; false (usage written) otherwise.
bool oneIdentifier(Context& context, std::string_view command, std::span<const std::string> args) {
    if (args.size() == 1 && !args.front().empty() && args.front().front() != '-')
        return true;
    context.err << "tallar2-cli " << command << ": podaj jeden identyfikator bohatera\n";
    return false;
}

void writeOutline(std::ostream& out, const CPoz& root) {
    WalkTree(root, [&](const CPoz& entry, int depth) {
        out << std::string(static_cast<std::size_t>(depth - 1) * 2, ' ') << BuildLabel(entry)
            << '\n';
    });
}

} // namespace

namespace {

// Writes the identifier of a character just saved. When it cannot be written the
// character is stored all the same, so the message names it (on a line of its own after
// a progress line).
int printStoredId(Context& context, const std::string& id, bool afterProgress = false) {
    if (context.out << id << '\n' << std::flush)
        return kSuccess;
    context.err << (afterProgress ? "\n" : "") << "tallar2-cli new: bohater " << id
                << " został zapisany, ale jego identyfikatora nie udało się wypisać\n";
    return kFailure;
}

// Saves a character with the skeleton of entries only (new --blank).
int newBlankCharacter(Context& context, const NewCharacterOptions& options) {
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    CIstota hero(workspace->characters());
    hero.SetGracz(options.player.value_or(""));
    hero.SetImie(options.name.value_or(""));
    if (Status saved = SaveCharacter(hero); !saved) {
        context.err << "tallar2-cli new: nie zapisano bohatera: " << saved.message() << '\n';
        return kFailure;
    }
    return printStoredId(context, hero.id());
}

// Digits only, nothing before or after (no blank, no sign), within the type's range.
template <typename Number> std::optional<Number> wholeNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.starts_with('-'))
        return std::nullopt;
    return value;
}

// "NAME_OR_ID" or "NAME_OR_ID:LEVEL": a level follows the last colon and begins with a
// digit (a shown text such as "Mag [limit: 6 poz]" holds a colon of its own).
std::optional<ProfessionOption> professionOption(const std::string& text) {
    const std::size_t colon = text.rfind(':');
    const bool level = colon != std::string::npos && colon + 1 < text.size() &&
                       text[colon + 1] >= '0' && text[colon + 1] <= '9';
    ProfessionOption option{level ? text.substr(0, colon) : text, std::nullopt};
    if (level)
        option.level = text.substr(colon + 1);
    if (option.profession.empty())
        return std::nullopt;
    return option;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.size() <= 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

int runNewCharacter(Context& context, std::span<const std::string> args) {
    bool blank = false;
    bool ask = false;
    std::optional<std::uint32_t> seed;
    long count = 1;
    NewCharacterOptions options;
    // Options that only the wizard uses, which a skeleton would silently ignore.
    std::string wizardOnly;
    const auto usage = [&](const std::string& message) {
        context.err << "tallar2-cli new: " << message << '\n';
        return kUsage;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string>* choice = arg == "--player"       ? &options.player
                                             : arg == "--name"       ? &options.name
                                             : arg == "--stage"      ? &options.stage
                                             : arg == "--alignment"  ? &options.alignment
                                             : arg == "--class-roll" ? &options.classRoll
                                             : arg == "--birth-roll" ? &options.birthRoll
                                             : arg == "--armour"     ? &options.armour
                                             : arg == "--shield"     ? &options.shield
                                                                     : nullptr;
        std::vector<std::string>* repeated = arg == "--trade-roll"     ? &options.tradeRolls
                                             : arg == "--borrowed"     ? &options.borrowed
                                             : arg == "--weapon-group" ? &options.weaponGroups
                                             : arg == "--weapon"       ? &options.weapons
                                             : arg == "--item"         ? &options.items
                                             : arg == "--place"        ? &options.places
                                                                       : nullptr;
        if (arg == "--training")
            choice = &options.training;
        const bool takesValue =
            choice || repeated || arg == "--seed" || arg == "--count" || arg == "--profession";
        if (takesValue && i + 1 == args.size())
            return usage("opcja " + arg + " wymaga wartości");
        if (arg != "--blank" && arg != "--player" && arg != "--name" && wizardOnly.empty())
            wizardOnly = arg;
        if (arg == "--blank") {
            blank = true;
        } else if (arg == "--ask") {
            ask = true;
        } else if (choice) {
            *choice = args[++i];
        } else if (repeated) {
            repeated->push_back(args[++i]);
        } else if (arg == "--profession") {
            if (options.professions.size() == CWizard3::kSlots)
                return usage("--profession najwyżej trzy razy (trzy profesje)");
            const auto profession = professionOption(args[++i]);
            if (!profession)
                return usage("--profession wymaga PROFESJA albo PROFESJA:POZIOM (np. Wojownik:3, "
                             "Mag:2spec), a nie „" +
                             args[i] + "”");
            options.professions.push_back(*profession);
        } else if (arg == "--seed") {
            seed = wholeNumber<std::uint32_t>(args[++i]);
            if (!seed)
                return usage("--seed wymaga liczby od 0 do 4294967295");
        } else if (arg == "--count") {
            const auto parsed = wholeNumber<long>(args[++i]);
            if (!parsed || *parsed < 1 || *parsed > 100000)
                return usage("--count wymaga liczby od 1 do 100000");
            count = *parsed;
        } else {
            return usage("nieoczekiwany argument „" + arg + "”");
        }
    }
    // A name the character database cannot hold is refused before any throw is made.
    for (const auto& [option, text] :
         {std::pair{"--player", &options.player}, std::pair{"--name", &options.name}})
        if (*text)
            if (auto problem = textStorageProblem(option, **text))
                return usage(*problem);
    for (const std::string& place : options.places)
        if (place != "none" && place != "brak" &&
            (place.find('=') == std::string::npos || place.front() == '='))
            return usage("--place wymaga postaci RZECZ=MIEJSCE, a nie „" + place + "”");
    for (const auto* roll : {&options.classRoll, &options.birthRoll})
        if (*roll && !allDigits(**roll))
            return usage("rzut k100 to liczba od 1 do 100, a nie „" + **roll + "”");
    for (const std::string& roll : options.tradeRolls)
        if (const auto number = wholeNumber<int>(roll); !number || *number < 1 || *number > 100)
            return usage("--trade-roll to rzut k100: liczba od 1 do 100, a nie „" + roll + "”");
    if (blank && !wizardOnly.empty())
        return usage("--blank tworzy sam szkielet: nie łączy się z " + wizardOnly +
                     " (dozwolone tylko --player i --name)");
    if (blank)
        return newBlankCharacter(context, options);

    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    DiceGenerator seeded(seed.value_or(1));
    if (!seed)
        seedDiceFromClock();
    DiceGenerator& generator = seed ? seeded : diceGenerator();
    StreamUserPort port(context.in, context.err);
    // Yes to "Czy automatycznie wykonać rzuty?" unless the throws are asked.
    port.setDefaultYesNo(!ask);
    CliAnswers answers(context.in, context.err, generator, ask);
    if (options.training)
        answers.give(CRdzenUmiejetnosci::kTrainingCaption, {*options.training});
    answers.give(CRdzenUmiejetnosci::kBorrowedCaption, options.borrowed);
    port.setAnswers(&answers);
    CliWizardPages pages(workspace->rules(), options, generator, ask ? &port : nullptr, answers,
                         context.err);
    const bool progress = count > 1 && &context.err == &std::cerr && isatty(STDERR_FILENO);
    for (long made = 0; made < count; ++made) {
        if (progress)
            context.err << "\r" << made << '/' << count << std::flush;
        pages.beginCharacter();
        port.beginCharacter();
        CIstotaWizard wizard(workspace->characters(), workspace->rules(), "", WizardMode::New, port,
                             pages, &generator);
        if (wizard.Run() != 1) {
            if (progress)
                context.err << '\n';
            if (answers.refused()) {
                context.err << "tallar2-cli new: " << *answers.refused() << '\n';
                return kUsage;
            }
            if (pages.abandoned())
                context.err << "tallar2-cli new: koniec wejścia; bohatera nie zapisano\n";
            return pages.abandoned() ? kFailure : pages.failureCode();
        }
        if (const int code = printStoredId(context, wizard.characterId(), progress);
            code != kSuccess)
            return code;
    }
    if (progress)
        context.err << "\r" << count << '/' << count << '\n';
    return kSuccess;
}

int runShowCharacter(Context& context, std::span<const std::string> args) {
    if (!oneIdentifier(context, "show", args))
        return kUsage;
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    Result<LoadedCharacter> loaded = LoadCharacter(workspace->characters(), args.front());
    if (!loaded) {
        context.err << "tallar2-cli show: " << loaded.message() << '\n';
        return kFailure;
    }
    for (const std::string& warning : loaded->warnings)
        context.err << "tallar2-cli show: " << warning << '\n';
    loaded->character->RecalculateCharacter();
    writeOutline(context.out, *loaded->character);
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
    const Result<std::vector<CharacterSummary>> characters =
        ListCharacters(workspace->characters());
    if (!characters)
        return kFailure; // the database error is already written
    for (const CharacterSummary& c : *characters)
        context.out << tabField(c.id) << '\t' << tabField(c.gracz) << '\t' << tabField(c.rasa)
                    << '\t' << tabField(c.prof) << '\t' << tabField(c.imie) << '\n';
    return kSuccess;
}

int runDeleteCharacter(Context& context, std::span<const std::string> args) {
    if (!oneIdentifier(context, "delete", args))
        return kUsage;
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    const Result<bool> existed = DeleteStoredCharacter(workspace->characters(), args.front());
    if (!existed) {
        context.err << "tallar2-cli delete: nie usunięto bohatera: " << existed.message() << '\n';
        return kFailure;
    }
    if (!*existed) {
        context.err << "tallar2-cli delete: " << noSuchCharacterMessage(args.front()) << '\n';
        return kFailure;
    }
    return kSuccess;
}

} // namespace tallar::cli
