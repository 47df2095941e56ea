// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/YearExport.h"
#include "print/DaysSheet.h"
#include "print/FileWrite.h"
#include "print/YearSheet.h"
#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {
constexpr double MillimetresPerInch = 25.4;
constexpr double MetresPerInch = 0.0254;

YearExport::Result saved(const QString& fileName, const QByteArray& bytes)
{
    const filewrite::Outcome outcome = filewrite::replace(fileName, bytes);
    return {outcome.written, outcome.reason, outcome.notAFile};
}

QPageLayout landscapeOn(Paper paper)
{
    return QPageLayout(paper::pageSizeOf(paper), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0));
}
} // namespace

std::optional<YearExport::Format> YearExport::formatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return Format::Pdf;
    if (suffix.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        return Format::Png;
    return std::nullopt;
}

YearExport::Result YearExport::write(const SheetContent& content, const QString& fileName, Paper paper, int pngDpi)
{
    if (formatOf(fileName) == Format::Png)
        return writePng(content, fileName, paper, pngDpi);
    return writePdf(content, fileName, paper);
}

bool YearExport::paintOnto(QPagedPaintDevice& device, const SheetContent& content, const QPageRanges& chosen)
{
    const QRectF target(0, 0, device.width(), device.height());
    const DaysSheet days(content);
    const int count = 1 + days.pageCount(target.size());
    QPainter painter;
    for (int page = 1; page <= count; ++page) {
        if (!chosen.isEmpty() && !chosen.contains(page))
            continue;
        if (!painter.isActive()) {
            if (!painter.begin(&device))
                return false;
        } else if (!device.newPage()) {
            painter.end();
            return false;
        }
        if (page == 1)
            YearSheet(content).paint(painter, target);
        else
            days.paint(painter, target, page - 2);
    }
    // Chosen pages the year does not have print nothing.
    return !painter.isActive() || painter.end();
}

YearExport::Result YearExport::writePdf(const SheetContent& content, const QString& fileName, Paper paper)
{
    // Drawn in memory first: QPdfWriter cannot say why a file failed.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(landscapeOn(paper));
        writer.setTitle(QString::number(content.year));
        writer.setCreator(QStringLiteral("Dorvane"));
        if (!paintOnto(writer, content))
            return {false, QStringLiteral("PDF")};
    }
    return saved(fileName, buffer.data());
}

YearExport::Result YearExport::writePng(const SheetContent& content, const QString& fileName, Paper paper, int dpi)
{
    // From millimetres: the page's size in points is rounded to whole points.
    const QSizeF millimetres = landscapeOn(paper).fullRect(QPageLayout::Millimeter).size();
    const QSize pixels(qRound(millimetres.width() / MillimetresPerInch * dpi),
                       qRound(millimetres.height() / MillimetresPerInch * dpi));
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = qRound(dpi / MetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        YearSheet(content).paint(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {false, QStringLiteral("PNG")};
    return saved(fileName, bytes);
}
