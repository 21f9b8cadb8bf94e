#pragma once

class QPainter;
class QPagedPaintDevice;
class QRectF;

namespace tallar {
class CFigura;
class CKartaBohatera;
} // namespace tallar

namespace tallar::render {

// Draws a figure tree with the painter, whose units are tenths of a millimetre: each figure
// by its kind, then its children with its (x1, y1) added, in order. A text or list figure
// without a font size draws nothing; a text too wide for its box is drawn smaller, down to
// two thirds of its size, and then cut with an ellipsis.
void drawFigures(QPainter& painter, const CFigura& root);

// Draws page n of the sheet on a page whose rectangle, in the painter's device
// coordinates, is `page`, at `dpi` device pixels per inch. The sheet keeps its size and
// sits in the page's middle, on A4 as on Letter; a page too small for it gets it reduced.
void paintSheetPage(QPainter& painter, const QRectF& page, double dpi, CKartaBohatera& sheet,
                    int pageNumber);

// Draws every page of the sheet on a printer or PDF writer, a new page for each.
// False when the device cannot be painted on.
bool paintSheet(QPagedPaintDevice& device, CKartaBohatera& sheet);

} // namespace tallar::render
