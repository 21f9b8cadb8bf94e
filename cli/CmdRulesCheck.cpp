#include "cli/Commands.h"
#include "rules/data/RulesChecker.h"
#include "store/db/Workspace.h"

#include <ostream>

namespace tallar::cli {

int runRulesCheck(Context& context, std::span<const std::string> args) {
    if (!args.empty()) {
        context.err << "tallar2-cli rules check: nieoczekiwany argument „" << args.front() << "”\n";
        return kUsage;
    }
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    const std::vector<std::string> problems = checkRules(workspace->rules());
    for (const std::string& problem : problems)
        context.out << problem << '\n';
    return problems.empty() ? kSuccess : kFailure;
}

} // namespace tallar::cli
