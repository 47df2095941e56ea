// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/SunRiseSet.h"
#include "runtime/NumberText.h"
#include <cmath>

// Low-precision solar series of Van Flandern and Pulkkinen (1979). The constants are the routine's own, kept
// exactly, including the short value of pi.
namespace {

constexpr double p1 = 3.14159265;
constexpr double p2 = 2 * p1;
constexpr double dr = p1 / 180;
constexpr double k1 = 15 * dr * 1.0027379; // sidereal hour angle gained per solar hour
constexpr double riseSetZenith = 90.833;   // degrees, with refraction and the Sun's radius
constexpr double halfMinute = 1.0 / 120;   // hours; added before truncating gives the nearest minute

// The routine's INT: the whole part, truncated toward zero. Kept in double so that no value, however wild,
// goes through an integer conversion.
inline double INT(double x)
{
    return std::trunc(x);
}

// One of the date text's fixed fields. Plain digits, the usual case, skip the general conversion.
double dateField(const QString& text, int position, int length, const FormatSettings& settings)
{
    const QStringView field = QStringView(text).mid(position, length);
    if (!field.isEmpty() && field.size() <= 4) {
        double value = 0;
        bool digits = true;
        for (const QChar c : field) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                digits = false;
                break;
            }
            value = value * 10 + (c.unicode() - '0');
        }
        if (digits)
            return value;
    }
    return rt::strToFloat(field.toString(), settings);
}

struct SunPlace
{
    double alpha;
    double delta;
};

SunPlace SunPosition(double t, double tt)
{
    double l = 0.779072 + 0.00273790931 * t;
    double g = 0.993126 + 0.0027377785 * t;
    l = l - INT(l);
    g = g - INT(g);
    l = l * p2;
    g = g * p2;
    const double v =
        0.39785 * std::sin(l) - 0.01 * std::sin(l - g) + 0.00333 * std::sin(l + g) - 0.00021 * tt * std::sin(l);
    const double u = 1 - 0.03349 * std::cos(g) - 0.00014 * std::cos(2 * l) + 0.00008 * std::cos(l);
    const double w = -0.0001 - 0.04129 * std::sin(2 * l) + 0.03211 * std::sin(g) + 0.00104 * std::sin(2 * l - g) -
                     0.00035 * std::sin(2 * l + g) - 0.00008 * tt * std::sin(g);
    double s = w / std::sqrt(u - v * v);
    const double alpha = l + std::atan(s / std::sqrt(1 - s * s));
    s = v / std::sqrt(u);
    const double delta = std::atan(s / std::sqrt(1 - s * s));
    return {alpha, delta};
}

// The label text of an event, built in a small buffer: the scan writes both texts on every call.
struct EventText
{
    char chars[48];
    int length = 0;

    void add(char c) { chars[length++] = c; }
    // At least two digits, "-" before negatives ("-01").
    void addTwoDigits(qint64 value)
    {
        if (value < 0)
            add('-');
        if (magnitude(value) < 10)
            add('0');
        addNumber(magnitude(value));
    }
    void addGeneral(qint64 value)
    {
        if (value < 0)
            add('-');
        addNumber(magnitude(value));
    }
    static quint64 magnitude(qint64 value) { return value < 0 ? 0 - quint64(value) : quint64(value); }
    void addNumber(quint64 value)
    {
        char digits[24];
        int n = 0;
        do {
            digits[n++] = char('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (n > 0)
            add(digits[--n]);
    }
    QLatin1String view() const { return QLatin1String(chars, length); }
};

// Kinds 1 and 2 only; the caller checks.
EventText formEventText(int eventKind, int MilitaryTime, int hh, int mm)
{
    EventText text;
    if (MilitaryTime == 1)
        text.addTwoDigits(eventKind == 1 ? qint64(hh) - 12 : qint64(hh) + 12);
    else
        text.addGeneral(eventKind == 1 ? qint64(hh) - 12 : qint64(hh));
    text.add(':');
    text.addTwoDigits(mm);
    if (MilitaryTime != 1)
        text.add(eventKind == 1 ? 'A' : 'P');
    return text;
}

// Rewrites a label text; an unchanged text keeps its storage.
void store(QString& target, const EventText& text)
{
    if (target != text.view())
        target = text.view();
}

// Working values of one scan.
struct Scan
{
    SunState& state;
    int MilitaryTime;
    double theta0, sinPhi, cosPhi, cz;
    double alpha0, delta0, alphaE, deltaE;
    double y0 = 0, y2 = 0;
    bool riseFound = false, setFound = false;

    double altitude(double delta, double h) const
    {
        return sinPhi * std::sin(delta) + cosPhi * std::cos(delta) * std::cos(h) - cz;
    }

    void TestHour(int c)
    {
        const double l0 = theta0 + c * k1;
        const double l2 = l0 + k1;
        const double h0 = l0 - alpha0;
        const double h2 = l2 - alphaE;
        const double h1 = (h2 + h0) / 2;
        const double deltaM = (deltaE + delta0) / 2;
        if (c == 0)
            y0 = altitude(delta0, h0);
        y2 = altitude(deltaE, h2);
        if ((y0 < 0 && y2 < 0) || (y0 > 0 && y2 > 0) || (y0 == 0 && y2 == 0))
            return;
        const double y1 = altitude(deltaM, h1);
        const double a = 2 * y2 - 4 * y1 + 2 * y0;
        const double b = 4 * y1 - 3 * y0 - y2;
        double d = b * b - 4 * a * y0;
        if (d < 0)
            return;
        d = std::sqrt(d);
        double e = (-b + d) / (2 * a);
        if (e > 1 || e < 0)
            e = (-b - d) / (2 * a);
        const double t3 = c + e + halfMinute;
        // A degenerate parabola (or non-finite input) gives no usable time: the hour counts as having no event.
        if (!std::isfinite(t3) || std::fabs(t3) > 1e6)
            return;
        if (y0 < 0 && y2 > 0) {
            state.SunEventKind = 1;
            riseFound = true;
        }
        if (y0 > 0 && y2 < 0) {
            state.SunEventKind = 2;
            setFound = true;
        }
        // The text follows SunEventKind, so an hour starting exactly on the horizon (y0 == 0) rewrites the text of
        // the kind found last, or of the kind the caller preset.
        const double hh = INT(t3);
        const double mm = INT((t3 - hh) * 60);
        if (state.SunEventKind == 1)
            store(state.SunriseText, formEventText(1, MilitaryTime, int(hh), int(mm)));
        else if (state.SunEventKind == 2)
            store(state.SunsetText, formEventText(2, MilitaryTime, int(hh), int(mm)));
    }
};

} // namespace

QString sunEventText(int eventKind, int MilitaryTime, int hh, int mm)
{
    if (eventKind != 1 && eventKind != 2)
        return QString();
    return formEventText(eventKind, MilitaryTime, hh, mm).view();
}

QList<Wording> SunRiseSet(SunState& state, const QString& dateText, int MilitaryTime, const FormatSettings& settings)
{
    QList<Wording> messages;
    if (state.SunLongitude == 0 || state.SunLatitude == 0)
        return messages;

    const double year = dateField(dateText, 6, 4, settings);
    const double month = dateField(dateText, 0, 2, settings);
    const double day = dateField(dateText, 3, 2, settings);

    // Scan start: local noon of the date for offsets >= 0, of the day before for negative offsets.
    const double z = state.SunZoneOffset < 0 ? -12 - state.SunZoneOffset : 12 - state.SunZoneOffset;
    state.SunZoneOffset = z;
    state.SunLongitude = state.SunLongitude / 360;
    const double z0 = z / 24;

    // Days from 2000 January 1.5 to 0h Universal Time of the date; the Gregorian term only from 1583 on.
    const double g = year >= 1583 ? 1 : 0;
    const double d1 = INT(day);
    double f = day - d1 - 0.5;
    double j = -INT(7 * (INT((month + 9) / 12) + year) / 4);
    double j3 = 0;
    if (g != 0) {
        const double s = month > 9 ? 1 : (month < 9 ? -1 : 0);
        const double a = std::fabs(month - 9);
        j3 = INT(year + s * INT(a / 7));
        j3 = -INT((INT(j3 / 100) + 1) * 3 / 4);
    }
    j = j + INT(275 * month / 9) + d1 + g * j3;
    j = j + 1721027 + 2 * g + 367 * year;
    if (f < 0) {
        f = f + 1;
        j = j - 1;
    }
    double t = (j - 2451545) + f;
    const double tt = t / 36525 + 1;

    const double t0 = t / 36525;
    double s = 24110.5 + 8640184.813 * t0 + 86636.6 * z0 + 86400 * state.SunLongitude;
    s = s / 86400;
    s = s - INT(s);

    t = t + z0;
    const SunPlace start = SunPosition(t, tt);
    SunPlace end = SunPosition(t + 1, tt);
    if (end.alpha < start.alpha)
        end.alpha = end.alpha + p2;

    Scan scan{state,
              MilitaryTime,
              s * 360 * dr,
              std::sin(state.SunLatitude * dr),
              std::cos(state.SunLatitude * dr),
              std::cos(riseSetZenith * dr),
              start.alpha,
              start.delta,
              0,
              0};
    const double dAlpha = end.alpha - start.alpha;
    const double dDelta = end.delta - start.delta;
    for (int c = 0; c <= 23; ++c) {
        const double p = (c + 1) / 24.0;
        scan.alphaE = start.alpha + p * dAlpha;
        scan.deltaE = start.delta + p * dDelta;
        scan.TestHour(c);
        scan.alpha0 = scan.alphaE;
        scan.delta0 = scan.deltaE;
        scan.y0 = scan.y2;
    }
    state.riseFound = scan.riseFound;
    state.setFound = scan.setFound;

    if (!scan.riseFound && !scan.setFound) {
        if (scan.y2 < 0 || scan.y2 > 0)
            messages.append(sunText::UpOrDownAllDay);
    } else {
        if (!scan.riseFound)
            messages.append(sunText::NoSunrise);
        if (!scan.setFound)
            messages.append(sunText::NoSunset);
    }
    return messages;
}
