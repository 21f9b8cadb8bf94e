#pragma once

#include <iosfwd>
#include <string_view>

namespace tallar {

// The one place the entry tree writes its trace lines (unlinking and destroying entries
// and queues). The desktop program sends them to standard output; by default, and in
// tallar2-cli unless --trace is given, they go nowhere.
std::ostream* traceSink();
void setTraceSink(std::ostream* sink);

// Writes a trace line to the sink, if there is one.
void trace(std::string_view line);

// Sends the trace to `sink` for the lifetime of this object, then restores the previous one.
class TraceScope {
public:
    explicit TraceScope(std::ostream* sink) : previous_(traceSink()) { setTraceSink(sink); }
    ~TraceScope() { setTraceSink(previous_); }
    TraceScope(const TraceScope&) = delete;
    TraceScope& operator=(const TraceScope&) = delete;

private:
    std::ostream* previous_;
};

} // namespace tallar
