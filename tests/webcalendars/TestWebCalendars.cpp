// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/HttpsServer.h"
#include "webcalendars/WebCalendars.h"
#include "webfetch/WebFetch.h"
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

namespace {
QByteArray calendarWith(int events)
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    for (int i = 0; i < events; ++i)
        text += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) + "\r\nDTSTART;VALUE=DATE:2024051" +
                QByteArray::number(i) + "\r\nSUMMARY:Meeting\r\nEND:VEVENT\r\n";
    return text + "END:VCALENDAR\r\n";
}

const QString Secret = QStringLiteral("s3cr3tT0ken");
} // namespace

class TestWebCalendars : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void testFirstFetchPlanned_data();
    void testFirstFetchPlanned();
    void testLines_data();
    void testLines();
    void testCopyKeptAcrossRuns();
    void testABadCopyIsFetchedWhole_data();
    void testABadCopyIsFetchedWhole();
    void testWithoutTheModule();

private:
    // A model in its own folder going by the test's clock, trusting the test's server.
    std::unique_ptr<WebCalendars> model(const QTemporaryDir& folder)
    {
        auto web = std::make_unique<WebCalendars>([this] { return m_now; }, folder.path());
        web->setFetcherMaker([this] {
            auto fetch = std::make_unique<WebFetch>();
            fetch->setCaCertificates(m_server.ca);
            fetch->setMostMs(3000);
            return fetch;
        });
        return web;
    }
    // Waits until the calendar's fetch has ended.
    bool fetched(WebCalendars& web, int index = 0)
    {
        return QTest::qWaitFor([&] { return web.state(index) != WebCalendars::State::Fetching; }, 10000);
    }
    QString address(const QString& path) const { return m_server.url(path) + QStringLiteral("?token=") + Secret; }

    HttpsServer m_server;
    QByteArray m_asked; // what the server answers at /as-asked.ics as if asked for it
    QDateTime m_now{QDate(2024, 5, 15), QTime(10, 30), Qt::UTC};
};

void TestWebCalendars::initTestCase()
{
    const QString why = m_server.start();
    if (!why.isEmpty())
        QSKIP(qPrintable(why));
    m_server.answer = [this](const HttpsServer::Request& request) -> HttpsServer::Answer {
        QByteArray path = request.path.left(request.path.indexOf('?'));
        if (path == "/as-asked.ics")
            path = m_asked;
        if (path == "/two.ics")
            return {200, calendarWith(2)};
        if (path == "/tagged.ics")
            return request.headers.value("if-none-match") == "\"t\""
                       ? HttpsServer::Answer{304}
                       : HttpsServer::Answer{200, calendarWith(2), {{"ETag", "\"t\""}}};
        if (path == "/to-http.ics")
            return {302, {}, {{"Location", "http://127.0.0.1/two.ics"}}};
        return {404};
    };
}

void TestWebCalendars::testFirstFetchPlanned_data()
{
    QTest::addColumn<qint64>("copyAgeMs"); // -1: no copy yet; below: from the future
    QTest::addColumn<bool>("windowUp");
    QTest::addColumn<qint64>("laterMs");
    QTest::addColumn<bool>("fetching");
    const qint64 minute = 60 * 1000;
    const qint64 hour = 60 * minute;
    QTest::newRow("the window not up yet") << qint64(-1) << false << 2 * hour << false;
    QTest::newRow("never fetched, within the first minute") << qint64(-1) << true << minute / 2 << false;
    QTest::newRow("never fetched, after a minute") << qint64(-1) << true << minute + 1000 << true;
    QTest::newRow("a fresh copy, a minute later") << hour << true << minute + 1000 << false;
    QTest::newRow("a fresh copy, once it is old") << hour << true << 2 * hour + 1000 << true;
    QTest::newRow("an old copy, within the first minute") << 4 * hour << true << minute / 2 << false;
    QTest::newRow("an old copy, after a minute") << 4 * hour << true << minute + 1000 << true;
    // The clock was set back since: the copy is not taken as fresh for days.
    QTest::newRow("a copy from the future, after a minute") << -48 * hour << true << minute + 1000 << false;
    QTest::newRow("a copy from the future, once a refresh is up") << -48 * hour << true << 3 * hour + 1000 << true;
    // Set back after the fetch was planned: how long was waited is unknown, so it is fetched, not a day later.
    QTest::newRow("a fresh copy, the clock then set back a day") << hour << true << -24 * hour << true;
}

void TestWebCalendars::testFirstFetchPlanned()
{
    QFETCH(qint64, copyAgeMs);
    QFETCH(bool, windowUp);
    QFETCH(qint64, laterMs);
    QFETCH(bool, fetching);
    QTemporaryDir folder;
    const QString typed = address(QStringLiteral("/two.ics"));
    if (copyAgeMs != -1) {
        const QString key = WebAddress::parse(typed).cacheKey();
        QFile copy(folder.filePath(key + QStringLiteral(".ics")));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        copy.write(calendarWith(2));
        QFile sidecar(folder.filePath(key + QStringLiteral(".json")));
        QVERIFY(sidecar.open(QIODevice::WriteOnly));
        sidecar.write(
            QJsonDocument(QJsonObject{{QStringLiteral("fetched"), m_now.addMSecs(-copyAgeMs).toString(Qt::ISODate)}})
                .toJson());
    }
    const QDateTime start = m_now;
    auto web = model(folder);
    web->setEntries({{typed, QStringLiteral("Work")}});
    QCOMPARE(web->count(), 1);
    if (windowUp)
        web->windowUp();
    web->check();
    // Listed and planned, nothing of the network made yet.
    QVERIFY(!web->networkMade());
    m_now = m_now.addMSecs(laterMs);
    web->check();
    QCOMPARE(web->state(0) == WebCalendars::State::Fetching, fetching);
    QCOMPARE(web->networkMade(), fetching);
    m_now = start;
}

void TestWebCalendars::testLines_data()
{
    QTest::addColumn<QString>("first");  // the address's path at the first fetch
    QTest::addColumn<QString>("second"); // at the second, an hour later; "gone": no server; none: no second fetch
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("calendarName"); // as the copy's read found it
    QTest::addColumn<QString>("line");
    QTest::newRow("updated") << "/two.ics"
                             << ""
                             << "Work"
                             << "Team"
                             << "Work (web): 2 events, updated 10:30";
    QTest::newRow("named by the calendar") << "/two.ics"
                                           << ""
                                           << ""
                                           << "Team"
                                           << "Team (web): 2 events, updated 10:30";
    QTest::newRow("named by the host") << "/two.ics"
                                       << ""
                                       << ""
                                       << ""
                                       << "HOST (web): 2 events, updated 10:30";
    QTest::newRow("unchanged an hour later") << "/two.ics"
                                             << "/two.ics"
                                             << "Work"
                                             << ""
                                             << "Work (web): 2 events, updated 11:30";
    QTest::newRow("server gone: the copy shown") << "/two.ics"
                                                 << "gone"
                                                 << "Work"
                                                 << ""
                                                 << "Work (web): offline, from 10:30";
    QTest::newRow("server gone, never fetched") << "gone"
                                                << ""
                                                << "Work"
                                                << ""
                                                << "Work (web): offline, not fetched yet";
    QTest::newRow("a 404, never fetched") << "/missing.ics"
                                          << ""
                                          << "Work"
                                          << ""
                                          << "Work (web): not found (404)";
    QTest::newRow("a 404 after a copy") << "/two.ics"
                                        << "/missing.ics"
                                        << "Work"
                                        << ""
                                        << "Work (web): not found (404), showing the copy from 10:30";
    QTest::newRow("a redirect to http refused") << "/to-http.ics"
                                                << ""
                                                << "Work"
                                                << ""
                                                << "Work (web): refused: redirected to an address that is not https";
}

void TestWebCalendars::testLines()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, name);
    QFETCH(QString, calendarName);
    QFETCH(QString, line);
    QTemporaryDir folder;
    const QDateTime start = m_now;
    auto web = model(folder);
    web->setEntries({{address(QStringLiteral("/as-asked.ics")), name}});
    // One fetch of the calendar, the server answering as at that path.
    const auto fetchAs = [&](const QString& path) {
        m_asked = path.toUtf8();
        if (path == QLatin1String("gone"))
            m_server.stop();
        web->fetchAgain(web->id(0));
        QCOMPARE(web->state(0), WebCalendars::State::Fetching);
        QVERIFY(fetched(*web));
        if (path == QLatin1String("gone"))
            QVERIFY(m_server.restart());
    };
    fetchAs(first);
    if (!second.isEmpty()) {
        m_now = m_now.addSecs(3600);
        fetchAs(second);
    }
    m_now = start;
    QString expected = line;
    expected.replace(QLatin1String("HOST"), web->shown(0));
    const QString shownLine = web->line(0, 2, calendarName);
    QCOMPARE(shownLine, expected);
    QVERIFY(!shownLine.contains(Secret));
    // A copy is kept whenever the line speaks of one.
    QCOMPARE(QFile::exists(web->cachePath(0)), line.contains(QLatin1String(":30")));
}

void TestWebCalendars::testCopyKeptAcrossRuns()
{
    QTemporaryDir folder;
    const QString typed = address(QStringLiteral("/two.ics"));
    {
        auto web = model(folder);
        QVERIFY(web->add({typed, QString()}));
        QVERIFY(fetched(*web));
        QCOMPARE(web->state(0), WebCalendars::State::Updated);
    }
    // The next run shows the copy at once, fetching nothing.
    m_now = m_now.addSecs(600);
    WebCalendars web([this] { return m_now; }, folder.path());
    web.setEntries({{typed, QStringLiteral("Work")}});
    QCOMPARE(web.cachePaths(), QStringList{folder.filePath(WebAddress::parse(typed).cacheKey() + ".ics")});
    QCOMPARE(web.line(0, 2, QString()), QStringLiteral("Work (web): 2 events, updated 10:30"));
    QVERIFY(!web.networkMade());
    m_now = m_now.addSecs(-600);
    // A second listing of the same address, spelled otherwise, is the same calendar.
    QVERIFY(!web.add({QString(typed).replace(QLatin1String("https"), QLatin1String("webcal")), QString()}));
    QCOMPARE(web.count(), 1);
}

// The copy went (a cache cleaned) while the server still knows its tag: the next fetch brings a whole copy, never an
// "unchanged" with nothing to show.
void TestWebCalendars::testABadCopyIsFetchedWhole_data()
{
    QTest::addColumn<bool>("damaged"); // else deleted
    QTest::newRow("deleted (a cache cleaned)") << false;
    QTest::newRow("damaged, read as no calendar") << true;
}

// A copy the server's "unchanged" would leave as it is, though it is gone or holds no calendar: fetched whole.
void TestWebCalendars::testABadCopyIsFetchedWhole()
{
    QFETCH(bool, damaged);
    QTemporaryDir folder;
    auto web = model(folder);
    QVERIFY(web->add({address(QStringLiteral("/tagged.ics")), QString()}));
    QVERIFY(fetched(*web));
    web->fetchAgain(web->id(0));
    QVERIFY(fetched(*web));
    QCOMPARE(m_server.requests.last().headers.value("if-none-match"), QByteArray("\"t\""));
    if (damaged) {
        QFile copy(web->cachePath(0));
        QVERIFY(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
        copy.write("\0\0\0");
        copy.close();
        web->copyUnreadable(0);
        // Forgotten for good: a model made again from the folder does not send them either.
        const QList<WebCalendars::Entry> entries = web->entries();
        web = model(folder);
        web->setEntries(entries);
    } else {
        QVERIFY(QFile::remove(web->cachePath(0)));
    }
    web->fetchAgain(web->id(0));
    QVERIFY(fetched(*web));
    QCOMPARE(m_server.requests.last().headers.value("if-none-match"), QByteArray());
    QCOMPARE(web->state(0), WebCalendars::State::Updated);
    QFile copy(web->cachePath(0));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QVERIFY(copy.readAll().startsWith("BEGIN:VCALENDAR"));
}

QTEST_GUILESS_MAIN(TestWebCalendars)
// A program whose web module is missing says so in the calendar's line, and keeps what it has.
void TestWebCalendars::testWithoutTheModule()
{
    QTemporaryDir folder;
    WebCalendars web([this] { return m_now; }, folder.path());
    web.setFetcherMaker([] { return std::unique_ptr<WebFetcher>(); });
    QVERIFY(web.add({address(QStringLiteral("/two.ics")), QStringLiteral("Work")}));
    QCOMPARE(web.state(0), WebCalendars::State::Failed);
    QCOMPARE(web.line(0, -1, QString()),
             QStringLiteral("Work (web): the program's part that fetches is not installed"));
}

#include "TestWebCalendars.moc"
