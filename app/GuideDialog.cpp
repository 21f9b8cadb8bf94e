#include "app/GuideDialog.h"

#include "ui/WindowFit.h"
#include "ui/WindowMemory.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

// The guide's resources live in this static library: they are registered by name, which
// also keeps the linker from leaving them out.
static void registerGuide() {
    Q_INIT_RESOURCE(guide);
}

namespace tallar::app {

GuideDialog::GuideDialog(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    registerGuide();
    setWindowTitle(QStringLiteral("Podręcznik"));
    browser_->setObjectName(QStringLiteral("guide"));
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(QString::fromLatin1(kGuide)), QTextDocument::MarkdownResource);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    ui::resizeWithinScreen(this, QSize(820, 900));
    ui::rememberWindow(this, QStringLiteral("podrecznik"));
}

} // namespace tallar::app
