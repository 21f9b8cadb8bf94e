#include "store/db/Identifier.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <unistd.h>

namespace tallar {
namespace {

std::mt19937_64& idSource() {
    static std::mt19937_64 source = [] {
        std::random_device device;
        const auto clock = static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
        std::seed_seq seq{device(),
                          device(),
                          device(),
                          device(),
                          static_cast<unsigned>(clock),
                          static_cast<unsigned>(clock >> 32),
                          static_cast<unsigned>(getpid())};
        return std::mt19937_64(seq);
    }();
    return source;
}

} // namespace

std::string FormatId(const std::tm& t, const std::array<int, 4>& draws) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%02d%02d%02d%02d%02d%05d%05d%05d%05d",
                  (t.tm_year + 1900 - 2000) % 100, t.tm_mon, t.tm_mday, t.tm_min, t.tm_sec,
                  draws[0], draws[1], draws[2], draws[3]);
    return buffer;
}

std::string NewId() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::uniform_int_distribution<int> draw(0, 32767);
    auto& source = idSource();
    return FormatId(local, {draw(source), draw(source), draw(source), draw(source)});
}

} // namespace tallar
