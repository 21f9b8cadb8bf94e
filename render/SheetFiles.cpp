#include "render/SheetFiles.h"

#include "output/CKartaBohatera.h"
#include "render/FigurePainter.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace tallar::render {

namespace {

constexpr double kMetresPerInch = 0.0254;

QString qText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Status fileFailure(const std::string& path, const QString& reason) {
    return Status::error("Nie można zapisać pliku „" + path + "”: " + reason.toStdString());
}

// Writes a file through `write` into a new file beside `path` that replaces it only when
// complete, so a failure leaves an earlier file as it was.
template <class Write> Status writeReplacing(const std::string& path, Write write) {
    QSaveFile file(qText(path));
    if (!file.open(QIODevice::WriteOnly))
        return fileFailure(path, file.errorString());
    if (!write(file)) {
        file.cancelWriting();
        return fileFailure(path, file.error() != QFileDevice::NoError
                                     ? file.errorString()
                                     : QStringLiteral("rysowanie nie powiodło się"));
    }
    if (!file.commit())
        return fileFailure(path, file.errorString());
    return {};
}

} // namespace

Status writeSheetPdf(CKartaBohatera& sheet, const std::string& path, const QPageSize& pageSize) {
    return writeReplacing(path, [&](QSaveFile& file) {
        QPdfWriter writer(&file);
        writer.setPageSize(pageSize);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(qText(sheet.documentName()));
        writer.setCreator(QStringLiteral("Tallar2"));
        return paintSheet(writer, sheet) && file.error() == QFileDevice::NoError;
    });
}

std::string pngPagePath(const std::string& path, int page) {
    std::string stem = path;
    const std::string extension = ".png";
    if (stem.size() > extension.size()) {
        std::string end = stem.substr(stem.size() - extension.size());
        for (char& c : end)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (end == extension)
            stem.resize(stem.size() - extension.size());
    }
    return stem + "-" + std::to_string(page) + extension;
}

Status writeSheetPng(CKartaBohatera& sheet, const std::string& path, int dpi,
                     const QPageSize& pageSize, std::vector<std::string>* written) {
    if (dpi < kMinPngDpi || dpi > kMaxPngDpi)
        return Status::error("Rozdzielczość " + std::to_string(dpi) + " dpi jest poza zakresem " +
                             std::to_string(kMinPngDpi) + "–" + std::to_string(kMaxPngDpi) +
                             " dpi");
    const QSize pixels = pageSize.sizePixels(dpi);
    for (int n = 1; n <= CKartaBohatera::pageCount(); ++n) {
        QImage image(pixels, QImage::Format_RGB32);
        if (image.isNull())
            return Status::error("Za mało pamięci na obraz strony " + std::to_string(n));
        image.fill(Qt::white);
        const int dotsPerMetre = qRound(dpi / kMetresPerInch);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        {
            QPainter painter(&image);
            paintSheetPage(painter, QRectF(image.rect()), dpi, sheet, n);
        }
        const std::string pagePath = pngPagePath(path, n);
        if (Status saved =
                writeReplacing(pagePath, [&](QSaveFile& file) { return image.save(&file, "PNG"); });
            !saved)
            return saved;
        if (written)
            written->push_back(pagePath);
    }
    return {};
}

} // namespace tallar::render
