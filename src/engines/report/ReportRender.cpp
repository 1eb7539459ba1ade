#include "engines/report/ReportRender.h"

#include "base/Error.h"
#include "base/SaveFile.h"
#include "engines/report/ReportText.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <map>

namespace kovara::report {

QPageLayout PageLayoutOf(const ReportDocument &doc)
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       doc.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void PaintPage(QPainter &painter, const Page &page, double dotsPerInch)
{
    // Painting units of 1/720 inch, in which the fonts are sized.
    const double k = kUnitsPerMm;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(dotsPerInch / 720.0, dotsPerInch / 720.0);
    for (const PlacedLine &l : page.lines) {
        painter.setPen(QPen(Qt::black, l.width * k, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(l.x1 * k, l.y1 * k), QPointF(l.x2 * k, l.y2 * k));
    }
    painter.setPen(Qt::black);
    std::map<std::pair<double, bool>, QFont> fonts;
    for (const PlacedText &t : page.texts) {
        auto it = fonts.find({t.font.points, t.font.bold});
        if (it == fonts.end())
            it = fonts.emplace(std::make_pair(t.font.points, t.font.bold), ReportFont(t.font)).first;
        painter.setFont(it->second);
        if (t.clipped)
            painter.setClipRect(
                QRectF(t.clip.x() * k, t.clip.y() * k, t.clip.width() * k, t.clip.height() * k));
        painter.drawText(QPointF(t.left * k, (t.top + Ascent(t.font)) * k), t.text);
        if (t.clipped)
            painter.setClipping(false);
    }
    painter.restore();
}

void PaintDocument(const ReportDocument &doc, QPagedPaintDevice *device)
{
    QPainter painter;
    if (!painter.begin(device))
        throw Error(QStringLiteral("Listarea nu poate fi tiparita."));
    const double dpi = device->logicalDpiX();
    for (size_t i = 0; i < doc.pages.size(); ++i) {
        if (i > 0)
            device->newPage();
        PaintPage(painter, doc.pages[i], dpi);
    }
    painter.end();
}

void WritePdf(const ReportDocument &doc, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("Fisierul %1 nu poate fi scris.").arg(QDir::toNativeSeparators(path)));
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setTitle(doc.title);
        writer.setCreator(QStringLiteral("Kovara"));
        writer.setPageLayout(PageLayoutOf(doc));
        PaintDocument(doc, &writer);
    }
    if (!SaveWhole(file))
        throw Error(QStringLiteral("Fisierul %1 nu poate fi scris: %2.")
                        .arg(QDir::toNativeSeparators(path), WriteFailureText(file)));
}

QImage RenderPage(const ReportDocument &doc, int page, double dotsPerInch)
{
    const QSize size(int(doc.pageWidth / 25.4 * dotsPerInch + 0.5),
                     int(doc.pageHeight / 25.4 * dotsPerInch + 0.5));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(dotsPerInch / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(dotsPerInch / 0.0254 + 0.5));
    QPainter painter(&image);
    PaintPage(painter, doc.pages.at(size_t(page)), dotsPerInch);
    return image;
}

} // namespace kovara::report
