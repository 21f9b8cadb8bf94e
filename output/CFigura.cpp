#include "output/CFigura.h"

#include <utility>

namespace tallar {

CFigura& CFigura::addText(FigureKind childKind, int cx1, int cy1, int cx2, int cy2,
                          std::string childText, int size, const char* childFace, bool isBold) {
    CFigura& figure = add(childKind, cx1, cy1, cx2, cy2);
    figure.text = std::move(childText);
    figure.fontSize = size;
    figure.face = childFace;
    figure.bold = isBold;
    return figure;
}

} // namespace tallar
