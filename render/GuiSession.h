#pragma once

#include <array>
#include <memory>

class QGuiApplication;

namespace tallar::render {

// Qt Gui needs an application object for fonts. While a GuiSession lives one exists: the
// running program's, or one it starts on the offscreen platform, so that a program without
// windows (tallar2-cli) draws the sheet with no display.
class GuiSession {
public:
    GuiSession();
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

private:
    // The arguments live as long as the application, which may reorder them.
    int argc_ = 3;
    std::array<char*, 4> argv_{};
    std::unique_ptr<QGuiApplication> own_;
};

} // namespace tallar::render
