#include "render/FigurePainter.h"

#include "output/CFigura.h"
#include "output/CKartaBohatera.h"
#include "output/SheetLayout.h"
#include "render/SheetFonts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace tallar::render {

namespace {

constexpr double kFrameWidth = 3.0; // 0.3 mm
constexpr double kRuleWidth = 1.5;  // ruled lines of lists and tables
constexpr double kUnitsPerInch = 254.0;

QString qText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment alignmentOf(FigureKind kind) {
    switch (kind) {
    case FigureKind::TextCentre:
    case FigureKind::ListCentre:
        return Qt::AlignHCenter;
    case FigureKind::TextRight:
    case FigureKind::ListRight:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

// Draws a text in a box, smaller or cut when it is too wide.
void drawText(QPainter& painter, const QRectF& box, const std::string& text,
              const CFigura& figure) {
    if (figure.fontSize <= 0 || text.empty())
        return;
    const QString shown = qText(text);
    const int smallest = std::max(1, figure.fontSize * 2 / 3);
    int size = figure.fontSize;
    QFont font = sheetFont(figure.face, size, figure.bold);
    while (size > smallest && QFontMetricsF(font).horizontalAdvance(shown) > box.width())
        font = sheetFont(figure.face, --size, figure.bold);
    const QString fitted =
        QFontMetricsF(font).elidedText(shown, Qt::ElideRight, std::max(0.0, box.width()));
    painter.setFont(font);
    painter.drawText(
        box, static_cast<int>(alignmentOf(figure.kind) | Qt::AlignVCenter | Qt::TextSingleLine),
        fitted);
}

QPen pen(double width) {
    QPen p(Qt::black, width);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

void drawFigure(QPainter& painter, const CFigura& f, double ox, double oy, QPointF& penAt) {
    const QPointF a(ox + f.x1, oy + f.y1);
    const QPointF b(ox + f.x2, oy + f.y2);
    switch (f.kind) {
    case FigureKind::MoveTo:
        penAt = a;
        break;
    case FigureKind::LineTo:
        painter.setPen(pen(kFrameWidth));
        painter.drawLine(penAt, a);
        penAt = a;
        break;
    case FigureKind::Rectangle:
        painter.setPen(pen(kFrameWidth));
        painter.drawRect(QRectF(a, b));
        break;
    case FigureKind::Ellipse:
        painter.setPen(pen(kFrameWidth));
        painter.drawEllipse(QRectF(a, b));
        break;
    case FigureKind::TextLeft:
    case FigureKind::TextCentre:
    case FigureKind::TextRight:
        painter.setPen(pen(kFrameWidth));
        drawText(painter, QRectF(a, b), f.text, f);
        break;
    case FigureKind::HorizontalLines:
        painter.setPen(pen(kRuleWidth));
        for (int y = f.y1; f.y1 > 0 && y < f.y2; y += f.y1)
            painter.drawLine(QPointF(ox, oy + y), QPointF(ox + f.x2, oy + y));
        break;
    case FigureKind::VerticalLines:
        painter.setPen(pen(kRuleWidth));
        for (int x = f.x1; f.x1 > 0 && x < f.x2; x += f.x1)
            painter.drawLine(QPointF(ox + x, oy), QPointF(ox + x, oy + f.y2));
        break;
    case FigureKind::Rows:
        painter.setPen(pen(kRuleWidth));
        for (int i = 0; i < f.count; ++i) {
            const double y = a.y() + static_cast<double>(i) * f.y2;
            painter.drawLine(QPointF(a.x(), y), QPointF(a.x() + f.x2, y));
        }
        break;
    case FigureKind::Columns:
        painter.setPen(pen(kRuleWidth));
        for (int i = 0; i < f.count; ++i) {
            const double x = a.x() + static_cast<double>(i) * f.x2;
            painter.drawLine(QPointF(x, a.y()), QPointF(x, a.y() + f.y2));
        }
        break;
    case FigureKind::ListLeft:
    case FigureKind::ListCentre:
    case FigureKind::ListRight: {
        painter.setPen(pen(kFrameWidth));
        const std::size_t first = static_cast<std::size_t>(std::max(0, f.start));
        const std::size_t end =
            f.count > 0 ? std::min(f.texts.size(), first + static_cast<std::size_t>(f.count))
                        : f.texts.size();
        for (std::size_t i = first; i < end; ++i) {
            const double y = a.y() + static_cast<double>(i - first) * f.y2;
            drawText(painter, QRectF(a.x(), y, f.x2, f.y2), f.texts[i], f);
        }
        break;
    }
    }
}

} // namespace

void drawFigures(QPainter& painter, const CFigura& root) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    QPointF penAt;
    WalkFigures(root, [&](const CFigura& figure, int originX, int originY) {
        drawFigure(painter, figure, originX, originY, penAt);
    });
    painter.restore();
}

void paintSheetPage(QPainter& painter, const QRectF& page, double dpi, CKartaBohatera& sheet,
                    int pageNumber) {
    const std::unique_ptr<CFigura> figures = sheet.BuildPage(pageNumber);
    if (!figures || dpi <= 0.0)
        return;
    const double pixelsPerUnit = dpi / kUnitsPerInch;
    const double fit = std::min({1.0, page.width() / pixelsPerUnit / kSheetWidth,
                                 page.height() / pixelsPerUnit / kSheetHeight});
    const double scale = pixelsPerUnit * fit;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(page.center().x() - kSheetWidth * scale / 2.0,
                      page.center().y() - kSheetHeight * scale / 2.0);
    painter.scale(scale, scale);
    drawFigures(painter, *figures);
    painter.restore();
}

bool paintSheet(QPagedPaintDevice& device, CKartaBohatera& sheet) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dpi = device.logicalDpiX();
    const QPageLayout layout = device.pageLayout();
    const int resolution = static_cast<int>(dpi);
    // The painter's origin is the top left of the paintable area; the sheet is placed on
    // the whole sheet of paper.
    const QRect paper = layout.fullRectPixels(resolution);
    const QRect paintable = layout.paintRectPixels(resolution);
    const QRectF page = QRectF(paper).translated(-paintable.topLeft());
    for (int n = 1; n <= CKartaBohatera::pageCount(); ++n) {
        if (n > 1)
            device.newPage();
        paintSheetPage(painter, page, dpi, sheet, n);
    }
    return painter.end();
}

} // namespace tallar::render
