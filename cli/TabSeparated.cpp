#include "cli/TabSeparated.h"

#include <cstdio>

namespace tallar::cli {

std::string tabField(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    const auto hex = [&](unsigned code) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "\\x%02X", code);
        out += buffer;
    };
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                hex(c);
            } else if (c == 0xC2 && i + 1 < value.size() &&
                       static_cast<unsigned char>(value[i + 1]) < 0xA0) {
                // U+0080 to U+009F, the C1 controls, are C2 80 to C2 9F in UTF-8.
                hex(static_cast<unsigned char>(value[++i]));
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

} // namespace tallar::cli
