#include "ui/StatusLine.h"

#include <QLineEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>

namespace tallar::ui {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("status"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    // Room for two lines from the start, so that a reason shown later does not squeeze
    // the form above it.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setMinimumSize(160, 2 * fontMetrics().lineSpacing());
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(170, 0, 0));
    setPalette(colours);
}

void StatusLine::showReason(const QString& why, QWidget* field) {
    setText(why);
    if (field)
        focusField(field);
}

void putBackText(QLineEdit* line, const QString& kept) {
    const qsizetype cursor = line->cursorPosition() - (line->text().size() - kept.size());
    line->setText(kept);
    line->setCursorPosition(static_cast<int>(std::clamp<qsizetype>(cursor, 0, kept.size())));
}

void focusField(QWidget* field) {
    // Outermost first: a tab is shown before the form inside it is scrolled.
    QList<QWidget*> chain;
    for (QWidget* w = field; w && !w->isWindow(); w = w->parentWidget())
        chain.prepend(w);
    for (QWidget* w : chain) {
        QWidget* parent = w->parentWidget();
        if (auto* stack = qobject_cast<QStackedWidget*>(parent))
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                tabs->setCurrentWidget(w);
    }
    for (QWidget* w = field->parentWidget(); w; w = w->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(w))
            scroll->ensureWidgetVisible(field);
    field->setFocus(Qt::OtherFocusReason);
}

} // namespace tallar::ui
