#include "cli/Commands.h"
#include "store/Workspace.h"

#include <ostream>

namespace tallar::cli {

int runInit(Context& context, std::span<const std::string> args) {
    if (!args.empty()) {
        context.err << "tallar2-cli init: nieoczekiwany argument „" << args.front() << "”\n";
        return kUsage;
    }
    return context.openWorkspace() ? kSuccess : kFailure;
}

} // namespace tallar::cli
