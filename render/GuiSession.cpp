#include "render/GuiSession.h"

#include <QGuiApplication>

namespace tallar::render {

namespace {
char programName[] = "tallar2-cli";
char platformOption[] = "-platform";
char platformName[] = "offscreen";

// Keeps the notice that the runtime directory is not set (usual without a desktop session)
// off the program's error output; everything else goes to the handler that was there.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        qt_message_output(type, context, message);
}

} // namespace

GuiSession::GuiSession() : argv_{programName, platformOption, platformName, nullptr} {
    if (QCoreApplication::instance())
        return;
    previousHandler = qInstallMessageHandler(quietHandler);
    own_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
}

GuiSession::~GuiSession() {
    if (!own_)
        return;
    own_.reset();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

} // namespace tallar::render
