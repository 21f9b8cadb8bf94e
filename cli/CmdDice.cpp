#include "cli/Commands.h"
#include "rules/core/Dice.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <ostream>

namespace tallar::cli {

namespace {

std::optional<DiceMode> parseMode(std::string_view text) {
    if (text == "roll")
        return DiceMode::Roll;
    if (text == "max")
        return DiceMode::Maximum;
    if (text == "min")
        return DiceMode::Minimum;
    if (text == "zero")
        return DiceMode::Zero;
    return std::nullopt;
}

template <typename Number> std::optional<Number> parseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// A whole value as an integer, any other with at most two decimals ("2.5", "3.33").
std::string formatValue(double value) {
    if (std::trunc(value) == value && std::fabs(value) < 1e18)
        return std::to_string(static_cast<long long>(value));
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (error != std::errc())
        return "0";
    std::string text(buffer, end);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

int usage(Context& context, const std::string& message) {
    context.err << "tallar2-cli dice: " << message << '\n'
                << "Użycie: tallar2-cli dice WYRAŻENIE [--mode roll|max|min|zero] [--seed N] "
                   "[--count N]\n";
    return kUsage;
}

} // namespace

int runDice(Context& context, std::span<const std::string> args) {
    std::optional<std::string> expression;
    DiceMode mode = DiceMode::Roll;
    std::optional<std::uint32_t> seed;
    long long count = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--mode" || arg == "--seed" || arg == "--count") {
            if (i + 1 == args.size())
                return usage(context, "opcja " + arg + " wymaga wartości");
            const std::string& value = args[++i];
            if (arg == "--mode") {
                const auto parsed = parseMode(value);
                if (!parsed)
                    return usage(context, "nieznany tryb „" + value + "”");
                mode = *parsed;
            } else if (arg == "--seed") {
                seed = parseNumber<std::uint32_t>(value);
                if (!seed)
                    return usage(context, "ziarno musi być liczbą od 0 do 4294967295");
            } else {
                const auto parsed = parseNumber<long long>(value);
                if (!parsed || *parsed < 1 || *parsed > 1000000)
                    return usage(context, "liczba wyników musi być od 1 do 1000000");
                count = *parsed;
            }
        } else if (!expression) {
            expression = arg;
        } else {
            return usage(context, "nieoczekiwany argument „" + arg + "”");
        }
    }
    if (!expression)
        return usage(context, "brak wyrażenia");

    DiceGenerator generator;
    if (seed) {
        generator.seed(*seed);
    } else {
        seedDiceFromClock();
        generator = diceGenerator();
    }
    const DiceRolls rolls{.generator = &generator};
    for (long long i = 0; i < count; ++i) {
        const DiceOutcome outcome = evaluateDiceExpression(*expression, rolls, "", mode);
        if (outcome.refusal) {
            context.err << "tallar2-cli dice: " << *outcome.refusal << '\n';
            return kFailure;
        }
        context.out << formatValue(outcome.value) << '\n';
    }
    return kSuccess;
}

} // namespace tallar::cli
