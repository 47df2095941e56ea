// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TMoon.h"
#include "astro/MoonPhase.h"
#include "controls/MoonDrawing.h"
#include "runtime/ConvertError.h"
#include "runtime/DateText.h"
#include "runtime/Services.h"
#include <QPainter>
#include <cmath>

TMoon::TMoon(const Clock& clock, QWidget* parent) : QWidget(parent), clock(clock)
{
    FCustomTime = rt::dateTimeToStr(rt::fromQDateTime(clock.now()), rt::formatSettings());
    resize(32, 32);
}

TMoon::~TMoon() = default;

void TMoon::setBackgroundColor(const QColor& value)
{
    FBackgroundColor = value;
    update();
}

void TMoon::setBorderSize(int value)
{
    FBorderSize = value;
    update();
}

void TMoon::setCustomTime(const QString& value)
{
    FMoonDisplayType = mdtUseCustomTime;
    FCustomTime = value;
    update();
}

void TMoon::setHemisphere(THemisphere value)
{
    FHemisphere = value;
    update();
}

void TMoon::setMoonColor(const QColor& value)
{
    FMoonColor = value;
    update();
}

void TMoon::setPhase(long double value)
{
    FMoonDisplayType = mdtUsePhaseAngle;
    FPhase = value;
    update();
}

void TMoon::setMoonDisplayType(TMoonDisplayType value)
{
    FMoonDisplayType = value;
    update();
}

long double TMoon::CalculatePhase()
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    if (FMoonDisplayType == mdtUseSystemTime) {
        const QDateTime now = clock.now();
        FCustomTime = rt::dateTimeToStr(rt::fromQDateTime(now), rt::formatSettings());
        const QDate date = now.date();
        const QTime time = now.time();
        year = date.year();
        month = date.month();
        day = date.day();
        hour = time.hour();
        minute = time.minute();
        second = time.second();
        msec = time.msec();
    } else if (FMoonDisplayType == mdtUseCustomTime) {
        const TDateTime moment = rt::strToDateTime(FCustomTime, clock.now().date().year(), rt::formatSettings());
        if (!std::isfinite(moment))
            throw ConvertError(convertText::InvalidDateTime, FCustomTime);
        rt::decodeDate(moment, year, month, day);
        rt::decodeTime(moment, hour, minute, second, msec);
    } else {
        return FPhase;
    }
    FPhase = moonPhase(year, month, day, hour, minute, second, msec);
    return FPhase;
}

void TMoon::paintEvent(QPaintEvent*)
{
    // A paint handler must not throw: a CustomTime that does not convert draws the phase held before.
    long double phase = FPhase;
    try {
        phase = CalculatePhase();
    } catch (const ConvertError&) {
    }
    QPainter painter(this);
    paintMoon(painter, width(), height(), FBorderSize, FBackgroundColor, FMoonColor, phase, FHemisphere == heSouthern);
}
