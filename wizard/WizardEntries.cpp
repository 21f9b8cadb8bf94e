#include "wizard/WizardEntries.h"

#include "model/Entry.h"

#include <memory>

namespace tallar {

CPoz& setChild(CPoz& parent, int kind, std::string_view info, std::string_view specjal) {
    CPoz* child = parent.FindByKind(kind);
    if (!child)
        child = parent.Append(
            std::make_unique<CPoz>(parent.connection(), "", info, specjal, kind, 0.0, 0, ""));
    child->SetInfo(info);
    child->SetSpecjal(specjal);
    return *child;
}

} // namespace tallar
