#include "app/MainWindow.h"

#include "app/MainButtons.h"
#include "rules/data/SampleRules.h"
#include "store/db/Workspace.h"
#include "ui/AppIcon.h"
#include "ui/QtUserPort.h"
#include "ui/WindowMemory.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <vector>

namespace tallar::app {
namespace {

// The program's icon and name above the buttons.
QHBoxLayout* makeHeader(QWidget* parent) {
    auto* icon = new QLabel(parent);
    icon->setPixmap(ui::appIcon().pixmap(40, 40));
    auto* title =
        new QLabel(QStringLiteral("<b style='font-size:15pt'>Tallar2</b><br>"
                                  "<span style='color:#666'>Bohaterowie Runy Talu</span>"),
                   parent);
    auto* header = new QHBoxLayout;
    header->addWidget(icon);
    header->addWidget(title, 1);
    return header;
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<Workspace> workspace, QWidget* parent)
    : QDialog(parent), workspace_(std::move(workspace)) {
    setWindowTitle(QStringLiteral("Tallar2"));
    setWindowIcon(ui::appIcon());
    setObjectName(QStringLiteral("mainWindow"));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    layout->addLayout(makeHeader(this));
    layout->addWidget(makeSampleRulesNotice());
    layout->addSpacing(6);
    std::vector<std::string> texts;
    texts.reserve(kMainButtons.size());
    for (const MainButton& entry : kMainButtons)
        texts.emplace_back(entry.text);
    const std::vector<std::string> marked = withMnemonics(texts);
    for (std::size_t i = 0; i < kMainButtons.size(); ++i) {
        const MainButton& entry = kMainButtons[i];
        auto* button = new QPushButton(QString::fromStdString(marked[i]), this);
        button->setToolTip(QString::fromUtf8(entry.tooltip));
        button->setObjectName(QStringLiteral("button%1").arg(entry.id));
        button->setProperty("commandId", entry.id);
        button->setAutoDefault(false);
        const WindowOpener opener = openerFor(entry.id);
        button->setEnabled(static_cast<bool>(opener));
        if (opener)
            connect(button, &QPushButton::clicked, this, [this, opener] {
                if (!workspace_)
                    return;
                opener(this, *workspace_);
                showSampleRulesNotice(); // the window may have added or removed races
            });
        layout->addWidget(button);
    }
    layout->addStretch();
    setMinimumWidth(260);
    ui::rememberWindow(this, QStringLiteral("okno-glowne"));
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::makeSampleRulesNotice() {
    notice_ = new QFrame(this);
    notice_->setObjectName(QStringLiteral("sampleRulesNotice"));
    notice_->setFrameShape(QFrame::StyledPanel);
    noticeText_ = new QLabel(notice_);
    loadSampleRules_ = new QPushButton(QStringLiteral("Wczytaj przykładowe reguły"), notice_);
    loadSampleRules_->setObjectName(QStringLiteral("loadSampleRules"));
    loadSampleRules_->setAutoDefault(false);
    connect(loadSampleRules_, &QPushButton::clicked, this, &MainWindow::loadSampleRules);
    auto* layout = new QVBoxLayout(notice_);
    layout->addWidget(noticeText_);
    layout->addWidget(loadSampleRules_);
    showSampleRulesNotice();
    return notice_;
}

void MainWindow::showSampleRulesNotice() {
    // Rules that cannot be read are not offered the sample set: loading would fail the same way.
    const Result<bool> hasRace =
        workspace_ ? rulesHaveRace(workspace_->rules()) : Result<bool>(true);
    const bool empty = hasRace.ok() && !*hasRace;
    noticeText_->setText(QString::fromUtf8(kEmptyRulesNotice));
    loadSampleRules_->setVisible(empty);
    notice_->setVisible(empty);
}

void MainWindow::loadSampleRules() {
    if (!workspace_)
        return;
    if (Status status = tallar::loadSampleRules(workspace_->rules()); !status) {
        ui::QtUserPort(this).showError(status.message(), "Błąd!");
        return;
    }
    // Says that it worked until another window has been opened.
    noticeText_->setText(QString::fromUtf8(kSampleRulesLoaded));
    loadSampleRules_->hide();
}

QPushButton* MainWindow::button(int id) const {
    return findChild<QPushButton*>(QStringLiteral("button%1").arg(id));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    workspace_.reset(); // rules connection first, then the character connection
    closing_ = true;    // the dialog's own close handling rejects it: no question then
    QDialog::closeEvent(event);
}

void MainWindow::reject() {
    if (closing_) {
        QDialog::reject();
        return;
    }
    // Escape: asked first, then closed as with the close box.
    if (ui::QtUserPort(this).askYesNo(kQuitQuestion, "Tallar2"))
        close();
}

} // namespace tallar::app
