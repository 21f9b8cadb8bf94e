#pragma once

#include "cli/Cli.h"

// The commands of tallar2-cli, one file each.
namespace tallar::cli {

int runInit(Context& context, std::span<const std::string> args);
int runRulesList(Context& context, std::span<const std::string> args);
int runRulesDelete(Context& context, std::span<const std::string> args);
int runDice(Context& context, std::span<const std::string> args);

} // namespace tallar::cli
