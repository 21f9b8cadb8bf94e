// tallar2-render-icon SIZE FILE.png: writes the program's icon as a square PNG of SIZE
// pixels. The build makes the hicolor theme's sizes with it, through the same code that
// draws the window icon, so every size comes from the one SVG.
#include "ui/AppIcon.h"

#include <QImage>
#include <QString>

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Użycie: tallar2-render-icon ROZMIAR PLIK.png\n";
        return 2;
    }
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[1]).toInt(&isNumber);
    const QImage image = isNumber ? tallar::ui::appIconImage(size) : QImage();
    if (image.isNull()) {
        std::cerr << "tallar2-render-icon: nie można narysować ikony o rozmiarze " << argv[1]
                  << '\n';
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::cerr << "tallar2-render-icon: nie można zapisać " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
