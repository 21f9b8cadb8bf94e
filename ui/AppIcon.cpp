#include "ui/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tallar::ui {

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 64.0, size / 64.0);
        QPainterPath shield;
        shield.moveTo(8, 6);
        shield.lineTo(56, 6);
        shield.lineTo(56, 30);
        shield.cubicTo(56, 46, 44, 56, 32, 61);
        shield.cubicTo(20, 56, 8, 46, 8, 30);
        shield.closeSubpath();
        painter.setPen(QPen(QColor(60, 40, 20), 3));
        painter.setBrush(QColor(150, 30, 30));
        painter.drawPath(shield);
        painter.setPen(QPen(QColor(235, 205, 120), 7, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(19, 18, 45, 18);
        painter.drawLine(32, 18, 32, 48);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace tallar::ui
