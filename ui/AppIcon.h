#pragma once

#include <QIcon>
#include <QImage>

namespace tallar::ui {

// The program's icon, rendered from data/tallar2.svg (built into the program), so the
// window, the desktop menu and the package show the same picture.
QIcon appIcon();

// The icon as a square image of `size` pixels; null when the built-in SVG cannot be read.
QImage appIconImage(int size);

} // namespace tallar::ui
