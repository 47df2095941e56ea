// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "drawing/DayPicture.h"
#include <QWidget>

class SkyCalculator;
class QLocale;

// The picture of a day at a place, its hours written by the clock's rule; now marked when it falls in the day.
DayPictureContent dayPictureOf(SkyCalculator& calculator, const DaySky& sky, const SkyPlace& place, bool twentyFourHour,
                               const QLocale& locale, std::optional<double> now);

// The day's picture at the top of the Day panel, as wide as the panel's lines.
class DayPictureView : public QWidget
{
    Q_OBJECT
public:
    explicit DayPictureView(QWidget* parent);
    void setContent(DayPictureContent content);
    const DayPictureContent& content() const { return m_content; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DayPictureContent m_content;
};
