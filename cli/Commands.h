#pragma once

#include "cli/Cli.h"

// The commands of tallar2-cli, one file each.
namespace tallar::cli {

int runInit(Context& context, std::span<const std::string> args);
int runExport(Context& context, std::span<const std::string> args);
int runImport(Context& context, std::span<const std::string> args);
int runRulesList(Context& context, std::span<const std::string> args);
int runRulesDelete(Context& context, std::span<const std::string> args);
int runDice(Context& context, std::span<const std::string> args);
int runRulesCheck(Context& context, std::span<const std::string> args);

// Characters: cli/CmdCharacter.cpp.
int runNewCharacter(Context& context, std::span<const std::string> args);
int runShowCharacter(Context& context, std::span<const std::string> args);
int runListCharacters(Context& context, std::span<const std::string> args);
int runDeleteCharacter(Context& context, std::span<const std::string> args);

// The character sheet as PDF or PNG: cli/CmdSheet.cpp.
int runSheet(Context& context, std::span<const std::string> args);

} // namespace tallar::cli
