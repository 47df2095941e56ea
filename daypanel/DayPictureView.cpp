// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPictureView.h"
#include "shared/MarkWords.h"
#include <QPainter>

namespace {
// Rows of text the picture is high.
constexpr int PictureRows = 8;
// A step of the curves: 5 minutes, a pixel or two of a panel's width.
constexpr int Steps = 288;
} // namespace

DayPictureContent dayPictureOf(SkyCalculator& calculator, const DaySky& sky, const SkyPlace& place, bool twentyFourHour,
                               const QLocale& locale, std::optional<double> now)
{
    DayPictureContent content;
    content.heights = calculator.heightsOver(sky.day, place, Steps);
    content.sunrise = sky.sunrise;
    content.sunset = sky.sunset;
    content.moonrise = sky.moonrise;
    content.moonset = sky.moonset;
    content.now = now;
    const double startOffset = place.offsetHoursAt(sky.start);
    for (const int hour : {6, 12, 18}) {
        // The wall clock's hour, a clock change before it included.
        const double guess = sky.start + hour / 24.0;
        const double at = guess - (place.offsetHoursAt(guess) - startOffset) / 24;
        content.hours.append(
            {at, markwords::timeText(QDateTime(sky.day, QTime(hour, 0), Qt::UTC), twentyFourHour, locale)});
    }
    return content;
}

DayPictureView::DayPictureView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DayPanelPicture"));
    setAccessibleName(tr("The sun's and the moon's height over the day"));
    setFixedHeight(fontMetrics().height() * PictureRows);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DayPictureView::setContent(DayPictureContent content)
{
    m_content = std::move(content);
    update();
}

void DayPictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintDayPicture(painter, QRectF(rect()), m_content);
}
