#include "app/InfoDialog.h"

#include "app/GuideDialog.h"
#include "store/db/Database.h"
#include "store/db/Workspace.h"
#include "ui/AppIcon.h"
#include "ui/QtText.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <sqlite3.h>

namespace tallar::app {

InfoDialog::InfoDialog(Workspace& workspace, QWidget* parent)
    : QDialog(parent), directory_(QFileInfo(ui::qs(workspace.rules().path())).absolutePath()),
      openDirectory_(new QPushButton(QStringLiteral("&Otwórz katalog"), this)),
      guide_(new QPushButton(QStringLiteral("&Podręcznik"), this)) {
    setWindowTitle(QStringLiteral("Informacja"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ui::appIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);

    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("infoText"));
    text->setTextFormat(Qt::RichText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setText(QStringLiteral("<h2>Tallar2</h2>"
                                 "<p>Tworzenie i prowadzenie bohaterów gry Runy Talu.</p>"
                                 "<p>Wersja %1<br>SQLite %2</p>"
                                 "<p>Katalog roboczy (bazy reguł i bohaterów):<br><tt>%3</tt></p>")
                      .arg(QStringLiteral(TALLAR_VERSION), QString::fromUtf8(sqlite3_libversion()),
                           directory_.toHtmlEscaped()));

    openDirectory_->setToolTip(QStringLiteral("Pokazuje katalog roboczy w menedżerze plików."));
    connect(openDirectory_, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(directory_)); });
    guide_->setToolTip(QStringLiteral("Krótki podręcznik użytkownika."));
    connect(guide_, &QPushButton::clicked, this, [this] {
        GuideDialog guide(this);
        guide.exec();
    });
    for (QPushButton* button : {openDirectory_, guide_})
        button->setAutoDefault(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* actions = new QHBoxLayout;
    actions->addWidget(openDirectory_);
    actions->addWidget(guide_);
    actions->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(text);
    layout->addLayout(actions);
    layout->addWidget(buttons);
}

} // namespace tallar::app
