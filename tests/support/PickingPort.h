#pragma once

#include "base/NonInteractiveUserPort.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallar::test {

// A port that keeps what each pick list offered and answers from its script (the first
// row when the script has run out).
struct PickingPort : NonInteractiveUserPort {
    struct Offer {
        std::string caption;
        PickTable table;
    };
    std::vector<Offer> offers;

    PickingPort() : NonInteractiveUserPort(nullptr) {}
    std::optional<std::vector<std::string>>
    pickRows(std::string_view caption, const PickTable& table, bool multiSelect) override {
        offers.push_back({std::string(caption), table});
        return NonInteractiveUserPort::pickRows(caption, table, multiSelect);
    }
};

} // namespace tallar::test
