#include "ui/WindowFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tallar::ui {

namespace {

// Room for a title bar and a frame, and on the smallest screen for a desktop panel.
constexpr QSize kFrame(16, 40);
constexpr QSize kPanel(0, 30);

} // namespace

QSize largestWindowSize(const QWidget* window) {
    QSize largest = kSmallestScreen - kFrame - kPanel;
    const QScreen* screen =
        window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen)
        largest = largest.boundedTo(screen->availableGeometry().size() - kFrame);
    return largest;
}

void resizeWithinScreen(QWidget* window, QSize wanted) {
    window->resize(wanted.boundedTo(largestWindowSize(window)));
}

} // namespace tallar::ui
