// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/DaySky.h"
#include "astro/SkyBodies.h"
#include "astro/SunReport.h"
#include <QFile>
#include <QMap>
#include <QtTest>
#include <cmath>

// The day's sky against a reference computed once with PyEphem (tools/skyReference.py): cities from the equator to
// 70 degrees, days from 1700 to 3000, each event within its tolerance or, where the reference has none, absent.
namespace {
struct Sample
{
    QString place;
    double latitude = 0, longitude = 0;
    int offset = 0;
    QDate day;
    QMap<QString, QString> events; // event name -> Julian day text, "-" for none
};

QList<Sample> readReference()
{
    QFile file(QStringLiteral(DORVANE_SOURCE_DIR "/tests/astro/data/skyReference.csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<Sample> samples;
    file.readLine();
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
        if (f.size() != 7)
            continue;
        const QDate day = QDate::fromString(f[4], Qt::ISODate);
        if (samples.isEmpty() || samples.last().place != f[0] || samples.last().day != day)
            samples.append({f[0], f[1].toDouble(), f[2].toDouble(), f[3].toInt(), day, {}});
        samples.last().events.insert(f[5], f[6]);
    }
    return samples;
}

struct Figure
{
    const char* name;
    SkyMoment DaySky::*moment;
    double toleranceMinutes;
};

const Figure Figures[] = {
    {"astronomicalDawn", &DaySky::astronomicalDawn, 1},
    {"nauticalDawn", &DaySky::nauticalDawn, 1},
    {"civilDawn", &DaySky::civilDawn, 1},
    {"sunrise", &DaySky::sunrise, 1},
    {"solarNoon", &DaySky::solarNoon, 1},
    {"sunset", &DaySky::sunset, 1},
    {"civilDusk", &DaySky::civilDusk, 1},
    {"nauticalDusk", &DaySky::nauticalDusk, 1},
    {"astronomicalDusk", &DaySky::astronomicalDusk, 1},
    {"moonrise", &DaySky::moonrise, 2},
    {"moonset", &DaySky::moonset, 2},
    // Near the Arctic the winter sun grazes 6 degrees at noon: a hundredth of a degree is a minute there.
    {"goldenMorningStart", &DaySky::goldenMorningStart, 1.5},
    {"goldenMorningEnd", &DaySky::goldenMorningEnd, 1.5},
    {"goldenEveningStart", &DaySky::goldenEveningStart, 1.5},
    {"goldenEveningEnd", &DaySky::goldenEveningEnd, 1.5},
};

// Directions and heights, each taken at the program's own moment of its event: a minute from the reference's moves
// the sun's direction at the horizon by up to a quarter of a degree near the poles. The panel shows whole degrees.
struct Angle
{
    const char* name;
    std::optional<double> DaySky::*degrees;
    double toleranceDegrees;
};
const Angle Angles[] = {
    {"sunriseAzimuth", &DaySky::sunriseAzimuth, 0.5},   {"sunsetAzimuth", &DaySky::sunsetAzimuth, 0.5},
    {"moonriseAzimuth", &DaySky::moonriseAzimuth, 0.5}, {"moonsetAzimuth", &DaySky::moonsetAzimuth, 0.5},
    {"noonAltitude", &DaySky::noonAltitude, 0.02},
};

struct Phase
{
    const char* name;
    double DaySky::*moment;
};
const Phase Phases[] = {{"newMoon", &DaySky::nextNewMoon},
                        {"firstQuarter", &DaySky::nextFirstQuarter},
                        {"fullMoon", &DaySky::nextFullMoon},
                        {"lastQuarter", &DaySky::nextLastQuarter}};
// Minutes allowed from a year on. Half a minute to 2299: from 2050 to 2150 the two programs extrapolate Terrestrial
// minus Universal Time differently. A quarter of a minute after, to 2949. On 1 January 2950 PyEphem changes to another
// lunar theory, whose moon stands 145" behind that of the day before: five minutes of a phase.
const struct
{
    int fromYear;
    double minutes;
} PhaseTolerances[] = {{1700, 0.5}, {2300, 0.25}, {2950, 6}};
double phaseToleranceMinutes(int year)
{
    double minutes = 0;
    for (const auto& row : PhaseTolerances)
        if (year >= row.fromYear)
            minutes = row.minutes;
    return minutes;
}
constexpr double LitTolerance = 0.005; // the panel shows whole percents

QMap<QString, double> worst; // largest error per figure, in minutes

void note(const QString& figure, double minutes)
{
    worst[figure] = std::max(worst.value(figure), minutes);
}

// Steps apart on the 28-step ring of pictures.
int stepsApart(int a, int b)
{
    const int d = std::abs(a - b) % 28;
    return std::min(d, 28 - d);
}
} // namespace

class TestSkyReference : public QObject
{
    Q_OBJECT

private slots:
    void testAgainstReference_data();
    void testAgainstReference();
    void testPictureFollowsTheTruePhase();
    void testPreparedDaysTellTheSame_data();
    void testPreparedDaysTellTheSame();
    void testPreparationEnds_data();
    void testPreparationEnds();
    void testDaylightChange_data();
    void testDaylightChange();
    void testDeltaT_data();
    void testDeltaT();
    void cleanupTestCase();
};

void TestSkyReference::testAgainstReference_data()
{
    QTest::addColumn<int>("index");
    const QList<Sample> samples = readReference();
    QVERIFY2(samples.size() >= 100, "the reference table is missing");
    for (int i = 0; i < samples.size(); ++i)
        QTest::addRow("%s %s", qPrintable(samples[i].place), qPrintable(samples[i].day.toString(Qt::ISODate))) << i;
}

void TestSkyReference::testAgainstReference()
{
    static const QList<Sample> samples = readReference();
    QFETCH(int, index);
    const Sample& sample = samples[index];
    const double offset = sample.offset;
    const SkyPlace place{sample.latitude, sample.longitude, [offset](double) { return offset; }};
    SkyCalculator calculator;
    const DaySky sky = calculator.dayAt(sample.day, place);
    for (const Figure& figure : Figures) {
        const QString expected = sample.events.value(QLatin1String(figure.name));
        const SkyMoment actual = sky.*figure.moment;
        if (expected == QLatin1String("-")) {
            QVERIFY2(!actual, figure.name);
            continue;
        }
        QVERIFY2(actual, figure.name);
        const double minutes = std::abs(*actual - expected.toDouble()) * 1440;
        note(QLatin1String(figure.name), minutes);
        QVERIFY2(minutes <= figure.toleranceMinutes,
                 qPrintable(QStringLiteral("%1 off by %2 min").arg(QLatin1String(figure.name)).arg(minutes)));
    }
    for (const Angle& angle : Angles) {
        const QString expected = sample.events.value(QLatin1String(angle.name));
        const std::optional<double> actual = sky.*angle.degrees;
        QCOMPARE(bool(actual), expected != QLatin1String("-"));
        if (!actual)
            continue;
        const double off = std::abs(std::remainder(*actual - expected.toDouble(), 360.0));
        note(QLatin1String(angle.name) + QLatin1String(" (degrees)"), off);
        QVERIFY2(off <= angle.toleranceDegrees,
                 qPrintable(QStringLiteral("%1 off by %2 degrees").arg(QLatin1String(angle.name)).arg(off)));
    }
    for (const Phase& phase : Phases) {
        const double minutes =
            std::abs(sky.*phase.moment - sample.events.value(QLatin1String(phase.name)).toDouble()) * 1440;
        note(QLatin1String(phase.name), minutes);
        QVERIFY2(minutes <= phaseToleranceMinutes(sample.day.year()),
                 qPrintable(QStringLiteral("%1 off by %2 min").arg(QLatin1String(phase.name)).arg(minutes)));
    }
    // The picture the toolbar shows, from the phase at 18:00, is the reference's or its neighbour.
    const double truePhase = sample.events.value(QStringLiteral("phase18")).toDouble();
    const int shown = moonPictureFor(calculator.eveningPhase(sample.day, place));
    QVERIFY(shown != 0);
    QVERIFY2(stepsApart(shown, moonPictureFor(truePhase)) <= 1, qPrintable(QString::number(shown)));
    const double lit = sample.events.value(QStringLiteral("lit18")).toDouble();
    note(QStringLiteral("lit18 (share)"), std::abs(sky.litFraction - lit));
    QVERIFY2(std::abs(sky.litFraction - lit) <= LitTolerance, qPrintable(QString::number(sky.litFraction)));
    note(QStringLiteral("phase18 (degrees)"), std::abs(std::remainder(sky.phase - truePhase, 2 * M_PI)) * 180 / M_PI);
}

// The toolbar's picture at 18:00 (Greenwich) on every 97th day of 1700-3000: the reference's picture or its
// neighbour. The mean-lunation model it replaces was ten days off in 1700.
void TestSkyReference::testPictureFollowsTheTruePhase()
{
    QFile file(QStringLiteral(DORVANE_SOURCE_DIR "/tests/astro/data/eveningPhases.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    file.readLine();
    const SkyPlace greenwich{51.48, 0.0, [](double) { return 0.0; }};
    int days = 0, same = 0;
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
        if (f.size() != 2)
            continue;
        const QDate day = QDate::fromString(f[0], Qt::ISODate);
        const int expected = moonPictureFor(f[1].toDouble());
        const int shown = moonPictureFor(eveningMoonPhase(day, greenwich));
        QVERIFY2(stepsApart(shown, expected) <= 1,
                 qPrintable(QStringLiteral("%1: %2 for %3").arg(f[0]).arg(shown).arg(expected)));
        ++days;
        same += shown == expected;
    }
    QVERIFY(days > 4000);
    qInfo("moon picture: %d of %d days the reference's own, the rest a neighbour", same, days);
}

// Days prepared in idle steps tell exactly what a day computed from nothing tells, at the edges of the range too, and
// the preparation ends.
void TestSkyReference::testPreparedDaysTellTheSame_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QDate>("day");
    QTest::newRow("Berlin, first day") << 52.52 << 13.41 << 1.0 << QDate(2026, 1, 1) << QDate(2026, 12, 31)
                                       << QDate(2026, 1, 1);
    QTest::newRow("Berlin, last day") << 52.52 << 13.41 << 1.0 << QDate(2026, 1, 1) << QDate(2026, 12, 31)
                                      << QDate(2026, 12, 31);
    QTest::newRow("Tromso, midnight sun")
        << 69.65 << 18.96 << 2.0 << QDate(1700, 1, 1) << QDate(1700, 12, 31) << QDate(1700, 6, 21);
    QTest::newRow("Auckland, a day ahead")
        << -36.85 << 174.76 << 13.0 << QDate(3000, 1, 1) << QDate(3000, 3, 31) << QDate(3000, 1, 1);
    QTest::newRow("Honolulu, a day behind")
        << 21.31 << -157.86 << -10.0 << QDate(2024, 1, 1) << QDate(2024, 12, 31) << QDate(2024, 12, 31);
}

void TestSkyReference::testPreparedDaysTellTheSame()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, offset);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QDate, day);
    const SkyPlace place{latitude, longitude, [offset](double) { return offset; }};
    SkyCalculator prepared;
    int steps = 0;
    while (prepared.prepareStep(from, to))
        QVERIFY2(++steps < 2000, "the preparation does not end");
    QVERIFY(!prepared.prepareStep(from, to));
    SkyCalculator fresh;
    const DaySky a = prepared.dayAt(day, place), b = fresh.dayAt(day, place);
    // libnova keeps its last nutation for a tenth of a day, so the order of the calls moves a moment by an ulp.
    constexpr double SameMomentDays = 1e-6;
    for (const Figure& figure : Figures) {
        QCOMPARE(bool(a.*figure.moment), bool(b.*figure.moment));
        if (a.*figure.moment)
            QVERIFY2(std::abs(*(a.*figure.moment) - *(b.*figure.moment)) < SameMomentDays, figure.name);
    }
    for (const Phase& phase : Phases)
        QVERIFY2(std::abs(a.*phase.moment - b.*phase.moment) < SameMomentDays, phase.name);
    QVERIFY(std::abs(a.ageDays - b.ageDays) < SameMomentDays);
    QVERIFY(std::abs(a.daylightChangeMinutes - b.daylightChangeMinutes) < SameMomentDays * 1440);
}

// The preparation of the days a grid shows ends in a few hundred steps whatever the year. While the grid moves to
// another year its first month moves first, and the days shown then span both years: more days than the caches keep,
// which made the preparation start over for ever.
void TestSkyReference::testPreparationEnds_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<int>("atMost");
    for (int year : {1700, 2026, 3000})
        QTest::addRow("%d", year) << QDate(year, 1, 1).addDays(-7) << QDate(year, 12, 31).addDays(7) << 500;
    QTest::newRow("two years") << QDate(2025, 1, 1) << QDate(2026, 12, 31) << 1000;
    QTest::newRow("1700 to 2026") << QDate(1700, 1, 1).addDays(-7) << QDate(2026, 12, 31).addDays(7) << 1000;
    QTest::newRow("2026 to 3000") << QDate(2026, 1, 1).addDays(-7) << QDate(3000, 12, 31).addDays(7) << 1000;
    QTest::newRow("reversed") << QDate(2026, 12, 31) << QDate(2026, 1, 1) << 0;
    QTest::newRow("no days") << QDate() << QDate() << 0;
}

void TestSkyReference::testPreparationEnds()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(int, atMost);
    SkyCalculator sky;
    int steps = 0;
    while (steps <= atMost && sky.prepareStep(from, to))
        ++steps;
    QVERIFY2(steps <= atMost, "the preparation does not end");
}

// The day length's change against the day before has the sign of the season: longer days toward each hemisphere's
// summer solstice, shorter after it; and it is the difference of the two days' lengths as each day alone tells them.
void TestSkyReference::testDaylightChange_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("sign");
    QTest::newRow("Berlin, March") << 52.52 << 13.41 << 1.0 << QDate(2026, 3, 20) << 1;
    QTest::newRow("Berlin, September") << 52.52 << 13.41 << 2.0 << QDate(2026, 9, 23) << -1;
    QTest::newRow("Berlin, 1700, April") << 52.52 << 13.41 << 1.0 << QDate(1700, 4, 10) << 1;
    QTest::newRow("Berlin, 3000, October") << 52.52 << 13.41 << 1.0 << QDate(3000, 10, 10) << -1;
    QTest::newRow("Sydney, March") << -33.87 << 151.21 << 11.0 << QDate(2026, 3, 20) << -1;
    QTest::newRow("Sydney, October") << -33.87 << 151.21 << 11.0 << QDate(2026, 10, 10) << 1;
    QTest::newRow("Quito, equator") << -0.18 << -78.47 << -5.0 << QDate(2026, 2, 1) << 0;
}

void TestSkyReference::testDaylightChange()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, offset);
    QFETCH(QDate, day);
    QFETCH(int, sign);
    const SkyPlace place{latitude, longitude, [offset](double) { return offset; }};
    SkyCalculator sky;
    const DaySky today = sky.dayAt(day, place);
    // The day before on its own, and a click on it first so its length is taken from what was kept.
    const double before = SkyCalculator().dayAt(day.addDays(-1), place).daylightHours;
    const double expected = (today.daylightHours - before) * 60;
    QVERIFY2(std::abs(today.daylightChangeMinutes - expected) < 0.02, qPrintable(QString::number(expected)));
    SkyCalculator walked;
    walked.dayAt(day.addDays(-1), place);
    QVERIFY(std::abs(walked.dayAt(day, place).daylightChangeMinutes - expected) < 0.02);
    if (sign == 0)
        QVERIFY(std::abs(expected) < 0.2);
    else
        QVERIFY2(expected * sign > 1, qPrintable(QString::number(expected)));
}

// Terrestrial minus Universal Time in each span of its polynomials, on 2 July: PyEphem's values (its table of
// observations to 2000, its extrapolation after 2150), and the observed value for 2026.
void TestSkyReference::testDeltaT_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<double>("tolerance");
    const struct
    {
        int year;
        double seconds, tolerance;
    } rows[] = {{1750, 13.50, 0.5}, {1830, 7.25, 0.5},   {1880, -5.45, 0.5},  {1910, 10.95, 0.5},
                {1930, 24.02, 0.5}, {1955, 31.21, 0.5},  {1980, 50.97, 0.5},  {1995, 61.21, 0.5},
                {2026, 69.2, 10},   {2300, 718.81, 0.5}, {2900, 3715.93, 0.5}};
    for (const auto& row : rows)
        QTest::addRow("%d", row.year) << row.year << row.seconds << row.tolerance;
}

void TestSkyReference::testDeltaT()
{
    QFETCH(int, year);
    QFETCH(double, seconds);
    QFETCH(double, tolerance);
    const double shown = sky::deltaTSeconds(sky::julianDayOf(year, 7, 2));
    QVERIFY2(std::abs(shown - seconds) <= tolerance, qPrintable(QString::number(shown)));
}

void TestSkyReference::cleanupTestCase()
{
    for (auto it = worst.cbegin(); it != worst.cend(); ++it)
        qInfo("largest error %s: %.3f", qPrintable(it.key()), it.value());
}

QTEST_GUILESS_MAIN(TestSkyReference)
#include "TestSkyReference.moc"
