#pragma once

#include <optional>
#include <string>

class QWidget;

namespace tallar::ui {

// Paints a required field of a wizard page: red (RGB 255, 0, 0) while it is missing or
// out of range, with the reason as its tooltip; white, without a tooltip, otherwise.
void markRequired(QWidget* field, const std::optional<std::string>& missingReason);

} // namespace tallar::ui
