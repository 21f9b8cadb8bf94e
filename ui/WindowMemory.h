#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace tallar::ui {

// Remembers a window's size and place between runs (the program's Qt settings, under
// `key`): restored when the window is first shown, as far as its screen allows, and kept
// whenever it is hidden. A window without a remembered place keeps the size it was given.
void rememberWindow(QWidget* window, const QString& key);

// The column widths a list had when it was last closed after the person resized a column;
// empty when there are none.
QList<int> rememberedColumnWidths(const QString& key);
void rememberColumnWidths(const QString& key, const QList<int>& widths);

} // namespace tallar::ui
