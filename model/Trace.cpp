#include "model/Trace.h"

#include <ostream>

namespace tallar {

namespace {
std::ostream* sink = nullptr;
}

std::ostream* traceSink() {
    return sink;
}

void setTraceSink(std::ostream* newSink) {
    sink = newSink;
}

void trace(std::string_view line) {
    if (sink)
        *sink << line;
}

} // namespace tallar
