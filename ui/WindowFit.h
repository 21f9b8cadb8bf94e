#pragma once

#include <QSize>

class QWidget;

namespace tallar::ui {

// The smallest screen the program is made for.
inline constexpr QSize kSmallestScreen(1366, 768);

// The largest size a window may open with: its screen's free area, less room for the
// window's title bar and frame, and never more than that of the smallest screen.
QSize largestWindowSize(const QWidget* window);

// Resizes a window to `wanted`, bounded by largestWindowSize.
void resizeWithinScreen(QWidget* window, QSize wanted);

} // namespace tallar::ui
