#pragma once

#include "base/UserPort.h"
#include "rules/engine/EngineStep.h"

#include <string_view>

namespace tallar {

class CPoz;

// The equipment pick list ("Ekwipunek"), opened by the preview: the items picked are
// added to what the character carries ("przy sobie"), one each, and the load is refilled.
class CWizard10 {
public:
    static constexpr const char* kCaption = "Ekwipunek";

    explicit CWizard10(const EngineContext& context);

    // The rows offered: the equipment of the rules by name.
    PickTable equipmentTable();
    // Shows the pick list and adds what was picked. Returns 1.
    int Run();
    // Adds `count` of the item of this id to the carried equipment (more of one already
    // carried) and refills the load. The entry, or null when no item has the id or the
    // character carries nothing.
    CPoz* AddItem(std::string_view id, int count = 1);

private:
    EngineContext context_;
};

} // namespace tallar
