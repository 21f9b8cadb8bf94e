#pragma once

class QWidget;

namespace tallar::ui {

// Paints a required field of a wizard page: red (RGB 255, 0, 0) while it is missing or
// out of range, white otherwise.
void markRequired(QWidget* field, bool missing);

} // namespace tallar::ui
