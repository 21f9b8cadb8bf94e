#pragma once

#include <QIcon>

namespace tallar::ui {

// The program's icon, drawn rather than shipped: a shield with the rune-like letter T.
QIcon appIcon();

} // namespace tallar::ui
