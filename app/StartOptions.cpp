#include "app/StartOptions.h"

#include "model/Trace.h"

#include <iostream>

namespace tallar::app {

StartOptions parseStartOptions(const QStringList& arguments) {
    StartOptions options;
    bool haveDirectory = false;
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--trace") && !options.trace) {
            options.trace = true;
        } else if (!haveDirectory && !argument.startsWith(QLatin1Char('-'))) {
            options.directory = argument.toStdString();
            haveDirectory = true;
        } else {
            options.valid = false;
        }
    }
    return options;
}

void applyTraceOption(const StartOptions& options) {
    setTraceSink(options.trace ? &std::cout : nullptr);
}

} // namespace tallar::app
