#include "ui/wizard/RequiredField.h"

#include "ui/QtText.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace tallar::ui {

void markRequired(QWidget* field, const std::optional<std::string>& missingReason) {
    const QColor color = missingReason ? QColor(255, 0, 0) : QColor(255, 255, 255);
    QPalette palette = field->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, color);
    field->setPalette(palette);
    field->setAutoFillBackground(true);
    field->setToolTip(missingReason ? qs(*missingReason) : QString());
}

} // namespace tallar::ui
