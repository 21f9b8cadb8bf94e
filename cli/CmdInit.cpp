#include "cli/Commands.h"
#include "rules/data/SampleRules.h"
#include "store/db/Workspace.h"

#include <ostream>

namespace tallar::cli {

int runInit(Context& context, std::span<const std::string> args) {
    bool sampleRules = false;
    for (const std::string& arg : args) {
        if (arg == "--sample-rules" && !sampleRules) {
            sampleRules = true;
        } else {
            context.err << "tallar2-cli init: nieoczekiwany argument „" << arg << "”\n";
            return kUsage;
        }
    }
    // init may start a new working directory.
    if (Status made = Workspace::createDirectory(context.directory); !made) {
        context.err << "tallar2-cli init: " << made.message() << '\n';
        return kFailure;
    }
    auto workspace = context.openWorkspace();
    if (!workspace)
        return kFailure;
    if (sampleRules) {
        if (Status status = loadSampleRules(workspace->rules()); !status) {
            context.err << "tallar2-cli init: " << status.message() << '\n';
            return kFailure;
        }
    }
    return kSuccess;
}

} // namespace tallar::cli
