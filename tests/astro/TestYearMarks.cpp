#include "astro/YearMarks.h"
#include <QDateTime>
#include <QFile>
#include <QTimeZone>
#include <QtTest>
#include <cmath>

// The year grid's marks against a reference computed once with PyEphem (tools/marksReference.py): every 19th year
// from 1700 to 3000, each new and full moon, equinox and solstice of the year's local days, the same kind, within
// five minutes, on the same local day, seen from Greenwich and from a zone twelve or thirteen hours east of it.
namespace {
struct Reference
{
    int year = 0;
    QString kind;
    double ut = 0;
};

QList<Reference> readReference()
{
    QFile file(QStringLiteral(DORVANE_SOURCE_DIR "/tests/astro/data/marksReference.csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<Reference> rows;
    file.readLine();
    while (!file.atEnd()) {
        const QStringList f = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
        if (f.size() == 3)
            rows.append({f[0].toInt(), f[1], f[2].toDouble()});
    }
    return rows;
}

QString kindName(YearMark::Kind kind)
{
    switch (kind) {
    case YearMark::Kind::NewMoon:
        return QStringLiteral("new");
    case YearMark::Kind::FullMoon:
        return QStringLiteral("full");
    case YearMark::Kind::MarchEquinox:
        return QStringLiteral("march");
    case YearMark::Kind::JuneSolstice:
        return QStringLiteral("june");
    case YearMark::Kind::SeptemberEquinox:
        return QStringLiteral("september");
    case YearMark::Kind::DecemberSolstice:
        return QStringLiteral("december");
    }
    return {};
}

constexpr double UnixEpochJulianDay = 2440587.5;
constexpr double ToleranceMinutes = 5;

SkyPlace placeIn(const QByteArray& zone)
{
    const QTimeZone tz(zone);
    SkyPlace place;
    place.offsetHoursAt = [tz](double jd) {
        const auto ms = static_cast<qint64>(std::llround((jd - UnixEpochJulianDay) * 86400000.0));
        return tz.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC)) / 3600.0;
    };
    return place;
}

QDate localDate(double ut, const SkyPlace& place)
{
    const QDateTime wall = QDateTime::fromMSecsSinceEpoch(
        std::llround((ut - UnixEpochJulianDay + place.offsetHoursAt(ut) / 24) * 86400000.0), Qt::UTC);
    return wall.date();
}
} // namespace

class TestYearMarks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void testAgainstReference_data();
    void testAgainstReference();
    void testDayLookUp_data();
    void testDayLookUp();

private:
    QMap<int, QList<Reference>> m_reference; // by sample year
};

void TestYearMarks::initTestCase()
{
    for (const Reference& row : readReference())
        m_reference[row.year].append(row);
    QVERIFY(m_reference.size() > 60);
}

void TestYearMarks::testAgainstReference_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    for (const char* zone : {"UTC", "Pacific/Auckland"})
        for (int century = 1700; century <= 2900; century += 100)
            QTest::addRow("%s %d-%d", zone, century, century + 99) << QByteArray(zone) << century << century + 99;
}

void TestYearMarks::testAgainstReference()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, from);
    QFETCH(int, to);
    const SkyPlace place = placeIn(zone);
    int years = 0;
    for (int year = from; year <= to; ++year) {
        if (!m_reference.contains(year))
            continue;
        QList<Reference> expected;
        for (const Reference& row : m_reference.value(year))
            if (localDate(row.ut, place).year() == year)
                expected.append(row);
        if (expected.isEmpty())
            continue;
        ++years;
        const std::vector<YearMark> marks = yearMarksOf(year, place);
        QCOMPARE(int(marks.size()), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            const YearMark& mark = marks[std::size_t(i)];
            const QString where = QStringLiteral("%1 #%2 %3").arg(year).arg(i).arg(expected[i].kind);
            QVERIFY2(kindName(mark.kind) == expected[i].kind,
                     qPrintable(where + QStringLiteral(" is ") + kindName(mark.kind)));
            const double minutes = std::abs(mark.ut - expected[i].ut) * 1440;
            QVERIFY2(minutes <= ToleranceMinutes, qPrintable(where + QStringLiteral(" off by %1 min").arg(minutes)));
            // A moment minutes from midnight may fall either side of it.
            QCOMPARE(mark.localDate, localDate(mark.ut, place));
            const QDate day = localDate(expected[i].ut, place);
            QVERIFY2(mark.localDate == day || localDate(expected[i].ut + ToleranceMinutes / 1440, place) != day ||
                         localDate(expected[i].ut - ToleranceMinutes / 1440, place) != day,
                     qPrintable(where + QStringLiteral(" on ") + mark.localDate.toString(Qt::ISODate)));
        }
    }
    QVERIFY(years > 0);
}

void TestYearMarks::testDayLookUp_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<bool>("newMoon");
    QTest::addColumn<bool>("fullMoon");
    QTest::addColumn<bool>("season");
    // June solstice 2026 at 08:24 UT, December solstice at 20:50 UT, full moon 24 December 01:28 UT, new moon
    // 18 January 19:52 UT.
    QTest::newRow("21 Jun 2026, UTC") << QByteArray("UTC") << QDate(2026, 6, 21) << false << false << true;
    QTest::newRow("21 Dec 2026, UTC") << QByteArray("UTC") << QDate(2026, 12, 21) << false << false << true;
    QTest::newRow("22 Dec 2026, Auckland")
        << QByteArray("Pacific/Auckland") << QDate(2026, 12, 22) << false << false << true;
    QTest::newRow("21 Dec 2026, Auckland")
        << QByteArray("Pacific/Auckland") << QDate(2026, 12, 21) << false << false << false;
    QTest::newRow("24 Dec 2026, UTC") << QByteArray("UTC") << QDate(2026, 12, 24) << false << true << false;
    QTest::newRow("18 Jan 2026, UTC") << QByteArray("UTC") << QDate(2026, 1, 18) << true << false << false;
    QTest::newRow("19 Jan 2026, Auckland")
        << QByteArray("Pacific/Auckland") << QDate(2026, 1, 19) << true << false << false;
    QTest::newRow("20 Jan 2026, UTC") << QByteArray("UTC") << QDate(2026, 1, 20) << false << false << false;
}

void TestYearMarks::testDayLookUp()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, day);
    QFETCH(bool, newMoon);
    QFETCH(bool, fullMoon);
    QFETCH(bool, season);
    YearMarksCache cache;
    QVERIFY(!cache.dayMarks(day).any());
    cache.setPlace(placeIn(zone));
    const DayMarks marks = cache.dayMarks(day);
    QCOMPARE(marks.newMoon, newMoon);
    QCOMPARE(marks.fullMoon, fullMoon);
    QCOMPARE(marks.season, season);
    QVERIFY(!marks.event);
    QCOMPARE(int(cache.marksOn(day).size()), int(newMoon) + int(fullMoon) + int(season));
}

QTEST_GUILESS_MAIN(TestYearMarks)
#include "TestYearMarks.moc"
