#include "ui/wizard/RequiredField.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace tallar::ui {

void markRequired(QWidget* field, bool missing) {
    const QColor color = missing ? QColor(255, 0, 0) : QColor(255, 255, 255);
    QPalette palette = field->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, color);
    field->setPalette(palette);
    field->setAutoFillBackground(true);
}

} // namespace tallar::ui
