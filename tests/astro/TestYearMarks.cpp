// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/YearMarks.h"
#include <QFile>
#include <QTimeZone>
#include <QtTest>
#include <algorithm>
#include <cmath>

// The marks against PyEphem (tools/marksReference.py): every 19th year from 1700 to 3000, each new and full moon,
// equinox and solstice of the year's local days, of the same kind, within the seconds below and on the same local day,
// at Greenwich and at Auckland, 12 or 13 hours east.
namespace {
struct Reference
{
    QString kind;
    double ut = 0;
};
const QStringList KindNames{"new", "full", "march", "june", "september", "december"}; // the reference's words
// Seconds allowed from a year on. To 2299 half a minute, and two more for the seasons: from 2050 to 2150 the two
// programs extrapolate Terrestrial minus Universal Time differently. From 2300 the moons within a quarter of a
// minute. On 1 January 2950 PyEphem changes to another lunar theory, whose moon stands 145" behind that of the day
// before, and its phases come five minutes later than its own of the years before; its seasons do not move.
const struct
{
    int fromYear;
    double moonSeconds, seasonSeconds;
} Tolerances[] = {{1700, 30, 32}, {2300, 15, 32}, {2950, 360, 32}};
double toleranceDays(int year, bool season = false)
{
    double seconds = 0;
    for (const auto& row : Tolerances)
        if (year >= row.fromYear)
            seconds = season ? row.seasonSeconds : row.moonSeconds;
    return seconds / 86400;
}

QMap<int, QList<Reference>> readReference()
{
    QFile file(QStringLiteral(DORVANE_SOURCE_DIR "/tests/astro/data/marksReference.csv"));
    QMap<int, QList<Reference>> years;
    if (file.open(QIODevice::ReadOnly | QIODevice::Text))
        for (file.readLine(); !file.atEnd();) {
            const QStringList f = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
            if (f.size() == 3)
                years[f[0].toInt()].append({f[1], f[2].toDouble()});
        }
    return years;
}

QDateTime utcOf(double jd)
{
    return QDateTime::fromMSecsSinceEpoch(std::llround((jd - 2440587.5) * 86400000.0), Qt::UTC);
}
} // namespace

class TestYearMarks : public QObject
{
    Q_OBJECT
private slots:
    void testAgainstReference_data();
    void testAgainstReference();
    void testMomentsNearMidnight_data();
    void testMomentsNearMidnight();
    void dayAndYearAgree_data();
    void dayAndYearAgree();
};

// A day's own marks (the Day panel's) are the year's marks of that day (the grid's), eclipses and the year's nearest
// and farthest moon included: in 2026 the eclipses fall on other local days than at Greenwich; the lunar eclipse of
// 19 November 2021 at Anchorage and of 19 October 2032 at Karachi falls minutes after a local midnight, its full moon
// minutes before it.
void TestYearMarks::dayAndYearAgree_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("year");
    for (const char* zone : {"Europe/Berlin", "Pacific/Auckland", "America/Los_Angeles"})
        QTest::addRow("%s 2026", zone) << QByteArray(zone) << 2026;
    QTest::newRow("Anchorage 2021") << QByteArray("America/Anchorage") << 2021;
    QTest::newRow("Karachi 2032") << QByteArray("Asia/Karachi") << 2032;
}

void TestYearMarks::dayAndYearAgree()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, year);
    const QTimeZone tz(zone);
    SkyPlace place;
    place.offsetHoursAt = [tz](double jd) { return tz.offsetFromUtc(utcOf(jd)) / 3600.0; };
    YearMarksCache cache;
    cache.setPlace(place);
    cache.marksOfYear(year);
    SkyCalculator calculator;
    int eclipses = 0, extremes = 0;
    for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1)) {
        QList<int> ofDay, ofYear;
        for (const YearMark& mark : marksOfDay(calculator.dayAt(day, place), place))
            ofDay.append(int(mark.kind));
        for (const YearMark& mark : cache.marksOn(day))
            ofYear.append(int(mark.kind));
        QVERIFY2(ofDay == ofYear, qPrintable(day.toString(Qt::ISODate)));
        for (const int kind : ofYear) {
            eclipses += isSolarEclipse(YearMark::Kind(kind)) || isLunarEclipse(YearMark::Kind(kind));
            extremes += kind >= int(YearMark::Kind::NearestMoon);
        }
        const DayMarks marks = cache.dayMarks(day);
        QCOMPARE(marks.solarEclipse || marks.lunarEclipse, std::any_of(ofYear.begin(), ofYear.end(), [](int kind) {
                     return isSolarEclipse(YearMark::Kind(kind)) || isLunarEclipse(YearMark::Kind(kind));
                 }));
    }
    // Each of these years has four eclipses.
    QCOMPARE(eclipses, 4);
    QCOMPARE(extremes, 2);
}

void TestYearMarks::testAgainstReference_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("century");
    for (const char* zone : {"UTC", "Pacific/Auckland"})
        for (int century = 1700; century <= 2900; century += 100)
            QTest::addRow("%s %ds", zone, century) << QByteArray(zone) << century;
}

void TestYearMarks::testAgainstReference()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, century);
    static const QMap<int, QList<Reference>> reference = readReference();
    const QTimeZone tz(zone);
    SkyPlace place;
    place.offsetHoursAt = [tz](double jd) { return tz.offsetFromUtc(utcOf(jd)) / 3600.0; };
    QVERIFY(reference.lowerBound(century).key() < century + 100);
    for (auto year = reference.lowerBound(century); year != reference.end() && year.key() < century + 100; ++year) {
        QList<Reference> expected;
        for (const Reference& row : year.value())
            if (utcOf(row.ut).toTimeZone(tz).date().year() == year.key())
                expected.append(row);
        std::vector<YearMark> marks = yearMarksOf(year.key(), place);
        // The reference holds the phases and the seasons; the eclipses are checked against the canons.
        marks.erase(std::remove_if(marks.begin(), marks.end(),
                                   [](const YearMark& m) { return m.kind > YearMark::Kind::DecemberSolstice; }),
                    marks.end());
        QCOMPARE(int(marks.size()), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            const YearMark& mark = marks[std::size_t(i)];
            const Reference& row = expected[i];
            const double tolerance = toleranceDays(year.key(), int(mark.kind) >= int(YearMark::Kind::MarchEquinox));
            const QString where = QStringLiteral("%1 #%2 %3").arg(year.key()).arg(i).arg(row.kind);
            QVERIFY2(KindNames.value(int(mark.kind)) == row.kind, qPrintable(where));
            QVERIFY2(std::abs(mark.ut - row.ut) <= tolerance, qPrintable(where));
            // A moment minutes from midnight may fall either side of it.
            QCOMPARE(mark.localDate, utcOf(mark.ut).toTimeZone(tz).date());
            QVERIFY2(mark.localDate == utcOf(row.ut).toTimeZone(tz).date() ||
                         utcOf(row.ut - tolerance).toTimeZone(tz).date() !=
                             utcOf(row.ut + tolerance).toTimeZone(tz).date(),
                     qPrintable(where));
        }
    }
}

// New and full moons less than a minute from a local midnight (PyEphem's moments) are marked on their own day: a
// phase half a minute late went to the next one.
void TestYearMarks::testMomentsNearMidnight_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("reference");
    QTest::addColumn<QDate>("day");
    const int newMoon = int(YearMark::Kind::NewMoon), fullMoon = int(YearMark::Kind::FullMoon);
    QTest::newRow("Berlin 23:59:08") << QByteArray("Europe/Berlin") << newMoon << 2460350.457727 << QDate(2024, 2, 9);
    QTest::newRow("Berlin 23:59:08 full")
        << QByteArray("Europe/Berlin") << fullMoon << 2487769.457733 << QDate(2099, 3, 6);
    QTest::newRow("Greenwich 00:00:23") << QByteArray("UTC") << newMoon << 2444019.500263 << QDate(1979, 5, 26);
    QTest::newRow("New York 23:59:46") << QByteArray("America/New_York") << newMoon << 2438172.666508
                                       << QDate(1963, 5, 22);
    QTest::newRow("New York 00:00:10") << QByteArray("America/New_York") << newMoon << 2459227.708451
                                       << QDate(2021, 1, 13);
    QTest::newRow("Tokyo 23:59:29") << QByteArray("Asia/Tokyo") << newMoon << 2486987.124640 << QDate(2097, 1, 13);
    QTest::newRow("Tokyo 23:59:16 full") << QByteArray("Asia/Tokyo") << fullMoon << 2445570.124495
                                         << QDate(1983, 8, 23);
}

void TestYearMarks::testMomentsNearMidnight()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, kind);
    QFETCH(double, reference);
    QFETCH(QDate, day);
    const QTimeZone tz(zone);
    SkyPlace place;
    place.offsetHoursAt = [tz](double jd) { return tz.offsetFromUtc(utcOf(jd)) / 3600.0; };
    const std::vector<YearMark> marks = yearMarksOf(day.year(), place);
    const auto mark = std::find_if(marks.begin(), marks.end(), [&](const YearMark& m) {
        return int(m.kind) == kind && std::abs(m.ut - reference) < 0.5;
    });
    QVERIFY(mark != marks.end());
    QCOMPARE(mark->localDate, day);
    QVERIFY2(std::abs(mark->ut - reference) <= toleranceDays(day.year()),
             qPrintable(QString::number((mark->ut - reference) * 86400)));
}

QTEST_GUILESS_MAIN(TestYearMarks)
#include "TestYearMarks.moc"
