#pragma once

#include <QDialog>

class QTextBrowser;

namespace tallar::app {

// The user guide (docs/PODRECZNIK.md, built into the program with its pictures).
class GuideDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kGuide = "qrc:/podrecznik/PODRECZNIK.md";

    explicit GuideDialog(QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace tallar::app
