#include "app/InfoDialog.h"

#include "store/db/Workspace.h"
#include "ui/AppIcon.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

#include <sqlite3.h>

namespace tallar::app {

InfoDialog::InfoDialog(Workspace&, QWidget* parent) : QDialog(parent) {
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
                                 "<p>Katalog roboczy:<br><tt>%3</tt></p>")
                      .arg(QStringLiteral(TALLAR_VERSION), QString::fromUtf8(sqlite3_libversion()),
                           QDir::currentPath().toHtmlEscaped()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

} // namespace tallar::app
