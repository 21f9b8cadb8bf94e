#include "ui/WindowMemory.h"

#include "ui/WindowFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QVariant>
#include <QWidget>

namespace tallar::ui {

namespace {

QSettings settings() {
    return QSettings(QStringLiteral("Tallar2"), QStringLiteral("tallar2"));
}

QString windowKey(const QString& key) {
    return QStringLiteral("okna/") + key;
}

QString widthsKey(const QString& key) {
    return QStringLiteral("kolumny/") + key;
}

// Puts a restored window back within a screen: no larger than the screen allows, and
// moved onto the screen when it would open (mostly) off it.
void keepOnScreen(QWidget* window) {
    window->resize(window->size().boundedTo(largestWindowSize(window)));
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (!area.contains(frame.topLeft()) || !area.contains(frame.center()))
        window->move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
}

class WindowMemory : public QObject {
public:
    WindowMemory(QWidget* window, QString key) : QObject(window), key_(std::move(key)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && !restored_) {
            restored_ = true;
            const QByteArray geometry = settings().value(windowKey(key_)).toByteArray();
            if (!geometry.isEmpty() && window->restoreGeometry(geometry))
                keepOnScreen(window);
        } else if (event->type() == QEvent::Hide && restored_) {
            settings().setValue(windowKey(key_), window->saveGeometry());
        }
        return false;
    }

private:
    QString key_;
    bool restored_ = false;
};

} // namespace

void rememberWindow(QWidget* window, const QString& key) {
    new WindowMemory(window, key);
}

QList<int> rememberedColumnWidths(const QString& key) {
    QList<int> widths;
    for (const QVariant& width : settings().value(widthsKey(key)).toList())
        widths << width.toInt();
    return widths;
}

void rememberColumnWidths(const QString& key, const QList<int>& widths) {
    QVariantList values;
    for (int width : widths)
        values << width;
    settings().setValue(widthsKey(key), values);
}

} // namespace tallar::ui
