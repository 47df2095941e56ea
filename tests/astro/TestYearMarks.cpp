#include "astro/YearMarks.h"
#include <QFile>
#include <QTimeZone>
#include <QtTest>
#include <cmath>

// The marks against PyEphem (tools/marksReference.py): every 19th year from 1700 to 3000, each new and full moon,
// equinox and solstice of the year's local days, of the same kind, within five minutes and on the same local day,
// at Greenwich and at Auckland, 12 or 13 hours east.
namespace {
struct Reference
{
    QString kind;
    double ut = 0;
};
const QStringList KindNames{"new", "full", "march", "june", "september", "december"}; // the reference's words
constexpr double ToleranceDays = 5.0 / 1440;

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
};

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
        const std::vector<YearMark> marks = yearMarksOf(year.key(), place);
        QCOMPARE(int(marks.size()), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            const YearMark& mark = marks[std::size_t(i)];
            const Reference& row = expected[i];
            const QString where = QStringLiteral("%1 #%2 %3").arg(year.key()).arg(i).arg(row.kind);
            QVERIFY2(KindNames.value(int(mark.kind)) == row.kind, qPrintable(where));
            QVERIFY2(std::abs(mark.ut - row.ut) <= ToleranceDays, qPrintable(where));
            // A moment minutes from midnight may fall either side of it.
            QCOMPARE(mark.localDate, utcOf(mark.ut).toTimeZone(tz).date());
            QVERIFY2(mark.localDate == utcOf(row.ut).toTimeZone(tz).date() ||
                         utcOf(row.ut - ToleranceDays).toTimeZone(tz).date() !=
                             utcOf(row.ut + ToleranceDays).toTimeZone(tz).date(),
                     qPrintable(where));
        }
    }
}

QTEST_GUILESS_MAIN(TestYearMarks)
#include "TestYearMarks.moc"
