#include "ui/SheetPreview.h"

#include "model/Character.h"
#include "output/FileChoice.h"
#include "render/FigurePainter.h"
#include "render/SheetFiles.h"
#include "ui/QtText.h"
#include "ui/QtUserPort.h"

#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

namespace tallar::ui {

SheetPreviewDialog::SheetPreviewDialog(const CIstota& character, QWidget* parent)
    : QDialog(parent), sheet_(character),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setWindowTitle(QStringLiteral("Podglad wydruku"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    printer_->setDocName(qs(sheet_.documentName()));
    printer_->setFullPage(true);
    printer_->setPageSize(QPageSize(QPageSize::A4));

    preview_ = new QPrintPreviewWidget(printer_.get(), this);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* printer) { render::paintSheet(*printer, sheet_); });

    auto* tools = new QToolBar(this);
    tools->addAction(QStringLiteral("Drukuj…"), this, &SheetPreviewDialog::print);
    tools->addAction(QStringLiteral("Zapisz PDF…"), this, &SheetPreviewDialog::askAndSavePdf);
    tools->addAction(QStringLiteral("Zapisz PNG…"), this, &SheetPreviewDialog::askAndSavePng);
    tools->addSeparator();
    tools->addAction(QStringLiteral("Powiększ"), preview_, [this] { preview_->zoomIn(); });
    tools->addAction(QStringLiteral("Pomniejsz"), preview_, [this] { preview_->zoomOut(); });
    tools->addAction(QStringLiteral("Cała strona"), preview_, &QPrintPreviewWidget::fitInView);
    tools->addAction(QStringLiteral("Szerokość strony"), preview_,
                     &QPrintPreviewWidget::fitToWidth);
    tools->addAction(QStringLiteral("Jedna strona"), preview_,
                     &QPrintPreviewWidget::setSinglePageViewMode);
    tools->addAction(QStringLiteral("Obie strony"), preview_,
                     &QPrintPreviewWidget::setAllPagesViewMode);
    tools->addSeparator();
    tools->addAction(QStringLiteral("Zamknij"), this, &QDialog::accept);

    status_ = new QLabel(this);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addWidget(preview_, 1);
    layout->addWidget(status_);
    preview_->setAllPagesViewMode();
}

SheetPreviewDialog::~SheetPreviewDialog() = default;

bool SheetPreviewDialog::print() {
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    preview_->print();
    return true;
}

QString SheetPreviewDialog::suggestedName(const QString& extension) const {
    QString name = qs(sheet_.documentName()).trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return (name.isEmpty() ? QStringLiteral("karta") : name) + extension;
}

bool SheetPreviewDialog::savePdf(const QString& path) {
    const Status saved =
        render::writeSheetPdf(sheet_, utf8(path), printer_->pageLayout().pageSize());
    if (!saved) {
        QtUserPort(this).showError(saved.message(), "Błąd!");
        return false;
    }
    status_->setText(QStringLiteral("Zapisano: ") + path);
    return true;
}

bool SheetPreviewDialog::savePng(const QString& path, int dpi) {
    std::vector<std::string> written;
    const Status saved =
        render::writeSheetPng(sheet_, utf8(path), dpi, printer_->pageLayout().pageSize(), &written);
    if (!saved) {
        QtUserPort(this).showError(saved.message(), "Błąd!");
        return false;
    }
    QStringList names;
    for (const std::string& file : written)
        names << qs(file);
    status_->setText(QStringLiteral("Zapisano: ") + names.join(QStringLiteral(", ")));
    return true;
}

void SheetPreviewDialog::askAndSavePdf() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Zapisz kartę jako PDF"),
                                                      suggestedName(QStringLiteral(".pdf")),
                                                      QStringLiteral("Plik pdf (*.pdf)"));
    if (!path.isEmpty())
        savePdf(qs(withDefaultExtension(utf8(path), ".pdf")));
}

void SheetPreviewDialog::askAndSavePng() {
    bool chosen = false;
    const int dpi = QInputDialog::getInt(
        this, QStringLiteral("Zapisz PNG"), QStringLiteral("Rozdzielczość (punkty na cal):"),
        render::kDefaultPngDpi, render::kMinPngDpi, render::kMaxPngDpi, 10, &chosen);
    if (!chosen)
        return;
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Zapisz kartę jako PNG (po pliku na stronę)"),
        suggestedName(QStringLiteral(".png")), QStringLiteral("Obraz png (*.png)"));
    if (!path.isEmpty())
        savePng(qs(withDefaultExtension(utf8(path), ".png")), dpi);
}

void showSheetPreview(CIstota& character, QWidget* parent) {
    character.RecalculateCharacter();
    SheetPreviewDialog dialog(character, parent);
    dialog.showMaximized();
    dialog.exec();
}

} // namespace tallar::ui
