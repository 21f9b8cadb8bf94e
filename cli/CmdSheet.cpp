#include "cli/Commands.h"
#include "output/CKartaBohatera.h"
#include "render/GuiSession.h"
#include "render/SheetFiles.h"
#include "store/CharacterStore.h"
#include "store/db/Workspace.h"

#include <charconv>
#include <iostream>
#include <optional>

namespace tallar::cli {

namespace {

enum class SheetFormat { Pdf, Png };

// The format a file name asks for by its extension (in any case), or nothing.
std::optional<SheetFormat> formatOf(std::string_view path) {
    const auto endsWith = [path](std::string_view extension) {
        if (path.size() <= extension.size())
            return false;
        const std::string_view end = path.substr(path.size() - extension.size());
        for (std::size_t i = 0; i < end.size(); ++i) {
            char c = end[i];
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            if (c != extension[i])
                return false;
        }
        return true;
    };
    if (endsWith(".pdf"))
        return SheetFormat::Pdf;
    if (endsWith(".png"))
        return SheetFormat::Png;
    return std::nullopt;
}

} // namespace

int runSheet(Context& context, std::span<const std::string> args) {
    const auto usage = [&](const std::string& message) {
        context.err << "tallar2-cli sheet: " << message << '\n';
        return kUsage;
    };
    std::vector<std::string> positional;
    std::optional<int> dpi;
    QPageSize pageSize(QPageSize::A4);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--dpi" || arg == "--page") {
            if (i + 1 == args.size())
                return usage("opcja " + arg + " wymaga wartości");
            const std::string& value = args[++i];
            if (arg == "--page") {
                if (value != "A4" && value != "Letter")
                    return usage("--page przyjmuje A4 albo Letter, a nie „" + value + "”");
                pageSize = QPageSize(value == "A4" ? QPageSize::A4 : QPageSize::Letter);
                continue;
            }
            int n = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), n);
            if (error != std::errc() || end != value.data() + value.size() ||
                n < render::kMinPngDpi || n > render::kMaxPngDpi)
                return usage("--dpi wymaga liczby od " + std::to_string(render::kMinPngDpi) +
                             " do " + std::to_string(render::kMaxPngDpi));
            dpi = n;
        } else if (arg.starts_with("-")) {
            return usage("nieznana opcja „" + arg + "”");
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2)
        return usage("podaj identyfikator bohatera i plik (.pdf albo .png)");
    const std::string& id = positional[0];
    const std::string& path = positional[1];
    const std::optional<SheetFormat> format = formatOf(path);
    if (!format)
        return usage("plik „" + path + "” musi mieć rozszerzenie .pdf albo .png");
    if (dpi && *format == SheetFormat::Pdf)
        return usage("--dpi dotyczy tylko plików .png");

    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    Result<LoadedCharacter> loaded = LoadCharacter(workspace->characters(), id);
    if (!loaded) {
        context.err << "tallar2-cli sheet: " << loaded.message() << '\n';
        return kFailure;
    }
    for (const std::string& warning : loaded->warnings)
        context.err << "tallar2-cli sheet: " << warning << '\n';
    const std::unique_ptr<CIstota> hero = std::move(loaded->character);
    hero->RecalculateCharacter();

    const render::GuiSession gui;
    CKartaBohatera sheet(*hero);
    std::vector<std::string> written;
    Status status;
    if (*format == SheetFormat::Pdf) {
        status = render::writeSheetPdf(sheet, path, pageSize);
        if (status)
            written.push_back(path);
    } else {
        status = render::writeSheetPng(sheet, path, dpi.value_or(render::kDefaultPngDpi), pageSize,
                                       &written);
    }
    if (!status) {
        context.err << "tallar2-cli sheet: " << status.message() << '\n';
        return kFailure;
    }
    for (const std::string& file : written)
        context.out << file << '\n';
    return context.out.flush() ? kSuccess : kFailure;
}

} // namespace tallar::cli
