// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearchart/YearChartWindow.h"
#include "astro/YearMarks.h"
#include "paper/ExportTexts.h"
#include "print/FileWrite.h"
#include "runtime/BoxGate.h"
#include "shared/MarkWords.h"
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <cmath>

namespace {
// The chart on paper or as a picture: twice the window's own size, for a sharp print.
const QSize PictureSize(1520, 760);
constexpr int PictureFontPixels = 18;
} // namespace

YearChartContent yearChartOf(SkyCalculator& calculator, int year, const SkyPlace& place, bool twentyFourHour,
                             const QLocale& locale)
{
    YearChartContent content;
    content.days = calculator.yearLight(year, place);
    const std::pair<int, YearMark::Kind> solstices[] = {{1, YearMark::Kind::JuneSolstice},
                                                        {3, YearMark::Kind::DecemberSolstice}};
    for (const auto& [season, kind] : solstices) {
        const QString name = markwords::markName(kind);
        content.labels.append({localDateOf(seasonMoment(year, season), place), name.left(1).toUpper() + name.mid(1)});
    }
    for (int month = 1; month <= 12; ++month)
        content.monthNames.append(locale.standaloneMonthName(month, QLocale::ShortFormat));
    for (int hour = 0; hour <= 24; hour += 6)
        content.hours.append(
            {double(hour),
             markwords::timeText(QDateTime(QDate(year, 1, 1), QTime(hour % 24, 0), Qt::UTC), twentyFourHour, locale)});
    return content;
}

YearChartView::YearChartView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("YearChart"));
    setAccessibleName(tr("Daylight over the year"));
    setMinimumSize(480, 260);
    setCursor(Qt::PointingHandCursor);
}

void YearChartView::setContent(YearChartContent content)
{
    m_content = std::move(content);
    update();
}

void YearChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    paintYearChart(painter, QRectF(rect()), m_content);
}

void YearChartView::mousePressEvent(QMouseEvent* event)
{
    const YearChartGeometry geometry(QRectF(rect()), int(m_content.days.size()),
                                     yearChartMargins(QFontMetricsF(font()), m_content));
    const int index = geometry.dayIndexAt(event->position());
    if (index >= 0 && event->button() == Qt::LeftButton)
        emit dayChosen(m_content.days[std::size_t(index)].day);
}

YearChartWindow::YearChartWindow(BoxGate& gate, QWidget* mainWindow) : QWidget(mainWindow, Qt::Window), m_gate(gate)
{
    setObjectName(QStringLiteral("YearChartWindow"));
    auto* layout = new QVBoxLayout(this);
    m_view = new YearChartView(this);
    layout->addWidget(m_view, 1);
    auto* buttons = new QHBoxLayout;
    auto* exportButton = new QPushButton(tr("&Export…"), this);
    exportButton->setObjectName(QStringLiteral("YearChartExport"));
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("YearChartClose"));
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(exportButton, &QPushButton::clicked, this, &YearChartWindow::exportChart);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_view, &YearChartView::dayChosen, this, &YearChartWindow::dayChosen);
}

void YearChartWindow::showChart(YearChartContent content)
{
    const int year = content.days.empty() ? 0 : content.days.front().day.year();
    setWindowTitle(tr("Daylight of %1").arg(year));
    m_view->setContent(std::move(content));
    show();
    raise();
    activateWindow();
}

void YearChartWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

QString YearChartWindow::write(const YearChartContent& content, const QString& file)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                         QPageLayout::Millimeter));
        writer.setCreator(QStringLiteral("Dorvane"));
        QPainter painter(&writer);
        // Drawn at the picture's size and scaled to the page, its text as the picture's.
        const double scale =
            std::min(writer.width() / double(PictureSize.width()), writer.height() / double(PictureSize.height()));
        painter.scale(scale, scale);
        QFont font = painter.font();
        font.setPixelSize(PictureFontPixels);
        painter.setFont(font);
        paintYearChart(painter, QRectF(QPointF(0, 0), QSizeF(PictureSize)), content);
    } else {
        QImage image(PictureSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            QFont font = painter.font();
            font.setPixelSize(PictureFontPixels);
            painter.setFont(font);
            paintYearChart(painter, QRectF(image.rect()), content);
        }
        if (!image.save(&buffer, "PNG"))
            return QStringLiteral("PNG");
    }
    const filewrite::Outcome outcome = filewrite::replace(file, bytes);
    return outcome.written ? QString() : ExportTexts::ReasonOf(outcome.notAFile, outcome.reason);
}

void YearChartWindow::exportChart()
{
    const YearChartContent& content = m_view->content();
    if (content.days.empty())
        return;
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const int year = content.days.front().day.year();
    QFileDialog dialog(this, tr("Export the daylight chart"),
                       QDir(m_folder).filePath(QStringLiteral("dorvane-daylight-%1.png").arg(year)));
    dialog.setObjectName(QStringLiteral("YearChartExportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({tr("PNG picture (*.png)"), tr("PDF (*.pdf)")});
    if (m_gate.execDialog(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString file = dialog.selectedFiles().first();
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("pdf"))
        file += dialog.selectedNameFilter().contains(QLatin1String("pdf")) ? QStringLiteral(".pdf")
                                                                           : QStringLiteral(".png");
    m_folder = QFileInfo(file).absolutePath();
    const QString reason = write(content, file);
    if (!reason.isEmpty())
        m_gate.show(BoxGate::Box::Error, ExportTexts::CannotWrite(file, reason));
}
