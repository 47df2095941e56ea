// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/WindowState.h"
#include "support/AppFixture.h"
#include "support/HttpsServer.h"
#include "system/Screens.h"
#include "webfetch/WebFetch.h"
#include "window/RememberedWindow.h"
#include "yourcalendars/AddressBox.h"
#include "yourcalendars/CalendarsDialog.h"
#include "yourcalendars/CalendarsTexts.h"
#include "yourcalendars/YourCalendars.h"
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
struct OneScreen : Screens
{
    QList<QRect> geometries() const override { return {QRect(0, 0, 1024, 768)}; }
};

// A calendar with events on the 10th, 11th... of May 2024.
QByteArray calendarWith(int events)
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-WR-CALNAME:Team\r\n";
    for (int i = 0; i < events; ++i)
        text += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) + "\r\nDTSTART;VALUE=DATE:2024051" +
                QByteArray::number(i) + "\r\nSUMMARY:Meeting\r\nEND:VEVENT\r\n";
    return text + "END:VCALENDAR\r\n";
}

QStringList rows(const QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.item(i)->text());
    return texts;
}

const QString Secret = QStringLiteral("private-9f8e7d6c");
} // namespace

class TestWebRows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString why = m_server.start();
        if (!why.isEmpty())
            QSKIP(qPrintable(why));
        m_server.answer = [this](const HttpsServer::Request& request) -> HttpsServer::Answer {
            if (request.path.contains(Secret.toUtf8()))
                return {200, m_calendar};
            return {404};
        };
    }

    // Added in the dialog, fetched, shown and kept; fetched again on request; removed with its copy.
    void testAddedFetchedAgainAndRemoved()
    {
        QTemporaryDir dir;
        const QString statePath = dir.filePath(QStringLiteral("dorvane-state.ini"));
        const QString cache = dir.filePath(QStringLiteral("cache"));
        const QString address = m_server.url(QStringLiteral("/cal/%1/basic.ics").arg(Secret));
        App app;
        OneScreen screens;
        YourCalendars& calendars = *app.calendar->calendars();
        calendars.setWebCacheFolder(cache);
        calendars.setWebSetup([this](WebCalendars& web) { trustServer(web); });
        calendars.setAddressAsker([&](QWidget*, const CalendarsDialog::Problem& problemOf) {
            // A typo first: the box would say why and stay open.
            if (problemOf(QStringLiteral("http://") + address.mid(8)).isEmpty())
                return std::optional<CalendarsDialog::Address>();
            return std::optional<CalendarsDialog::Address>({address, QStringLiteral("Work")});
        });
        app.calendar->keepStateIn(statePath, screens);
        app.calendar->show();
        app.activate();
        // Nothing of the web until an address is listed.
        QVERIFY(!calendars.web());

        app.find<QAction>(calendarsnames::Keys)->trigger();
        auto* dialog = app.calendar->findChild<CalendarsDialog*>(calendarsnames::Dialog);
        QVERIFY(dialog);
        auto* list = dialog->findChild<QListWidget*>(calendarsnames::List);
        auto* fetchAgain = dialog->findChild<QPushButton*>(calendarsnames::FetchAgain);
        auto* remove = dialog->findChild<QPushButton*>(calendarsnames::Remove);
        for (const QString& name : {calendarsnames::AddAddress, calendarsnames::FetchAgain}) {
            auto* control = dialog->findChild<QWidget*>(name);
            QVERIFY2(control && !control->accessibleName().isEmpty(), qPrintable(name));
        }
        const int before = list->count() - (rows(*list).contains(CalendarsTexts::Empty()) ? 1 : 0);
        QTest::mouseClick(dialog->findChild<QPushButton*>(calendarsnames::AddAddress), Qt::LeftButton);
        QVERIFY(calendars.web());
        QTRY_COMPARE(rows(*list).last(), QStringLiteral("Work (web): 1 event, updated 10:30"));
        QCOMPARE(list->count(), before + 1);
        QTRY_VERIFY(calendars.hasEvents(QDate(2024, 5, 10)));
        QVERIFY(!calendars.hasEvents(QDate(2024, 5, 12)));
        // The row shows the host, never the address with its secret.
        QListWidgetItem* row = list->item(list->count() - 1);
        QCOMPARE(row->toolTip(), QStringLiteral("127.0.0.1:%1").arg(m_server.port()));
        QVERIFY(!row->data(Qt::AccessibleDescriptionRole).toString().contains(Secret));
        QVERIFY(calendars.problems().isEmpty());
        app.calendar->findChild<RememberedWindow*>()->flush();
        const WindowState kept = windowstate::read(statePath);
        QCOMPARE(kept.webCalendars.size(), 1);
        QCOMPARE(kept.webCalendars.first().address, address);
        QCOMPARE(kept.webCalendars.first().name, QStringLiteral("Work"));

        // The calendar changed on the server: fetched again, its new events show.
        list->setCurrentRow(list->count() - 1);
        QVERIFY(fetchAgain->isEnabled());
        m_calendar = calendarWith(3);
        QTest::mouseClick(fetchAgain, Qt::LeftButton);
        QTRY_COMPARE(rows(*list).last(), QStringLiteral("Work (web): 3 events, updated 10:30"));
        QTRY_VERIFY(calendars.hasEvents(QDate(2024, 5, 12)));
        m_calendar = calendarWith(1);

        // Removed: its row, its days, its copy and its place in the state file go.
        const QString copy = calendars.web()->cachePath(0);
        QVERIFY(QFile::exists(copy));
        list->setCurrentRow(list->count() - 1);
        QTest::mouseClick(remove, Qt::LeftButton);
        QVERIFY(!rows(*list).join(QLatin1Char('|')).contains(QLatin1String("(web)")));
        QVERIFY(!fetchAgain->isEnabled());
        QVERIFY(!QFile::exists(copy));
        QTRY_VERIFY(!calendars.hasEvents(QDate(2024, 5, 12)));
        app.calendar->findChild<RememberedWindow*>()->flush();
        QVERIFY(windowstate::read(statePath).webCalendars.isEmpty());
    }

    // The box asking the address refuses one that cannot be fetched with one line, and stays open.
    void testTheBoxRefuses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line"); // none: accepted
        QTest::newRow("plain http") << "http://example.org/a.ics"
                                    << "Only addresses starting with https:// or webcal:// are fetched.";
        QTest::newRow("a local file") << "file:///tmp/a.ics"
                                      << "Only addresses starting with https:// or webcal:// are fetched.";
        QTest::newRow("nothing typed") << ""
                                       << "Type the calendar's address.";
        QTest::newRow("listed already, spelled webcal") << "webcal://example.org/listed.ics"
                                                        << "This calendar is already listed.";
        QTest::newRow("a good one") << "webcal://example.org/other.ics"
                                    << "";
    }
    void testTheBoxRefuses()
    {
        QFETCH(QString, typed);
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString statePath = dir.filePath(QStringLiteral("dorvane-state.ini"));
        WindowState state;
        state.webCalendars = {{QStringLiteral("https://example.org/listed.ics"), QString()}};
        QVERIFY(windowstate::write(statePath, state));
        App app;
        OneScreen screens;
        YourCalendars& calendars = *app.calendar->calendars();
        calendars.setWebCacheFolder(dir.filePath(QStringLiteral("cache")));
        int results = -1;
        QString said;
        calendars.setAddressAsker([&](QWidget* parent, const CalendarsDialog::Problem& problemOf) {
            AddressBox box(parent, problemOf);
            box.findChild<QLineEdit*>(calendarsnames::AddressEdit)->setText(typed);
            box.show();
            box.accept();
            results = box.result();
            const auto* problem = box.findChild<QLabel*>(calendarsnames::AddressProblem);
            said = problem->isVisibleTo(&box) ? problem->text() : QString();
            return std::optional<CalendarsDialog::Address>();
        });
        app.calendar->keepStateIn(statePath, screens);
        app.calendar->show();
        app.activate();
        app.find<QAction>(calendarsnames::Keys)->trigger();
        auto* dialog = app.calendar->findChild<CalendarsDialog*>(calendarsnames::Dialog);
        QTest::mouseClick(dialog->findChild<QPushButton*>(calendarsnames::AddAddress), Qt::LeftButton);
        QCOMPARE(said, line);
        QCOMPARE(results, line.isEmpty() ? int(QDialog::Accepted) : int(QDialog::Rejected));
    }

    // Listed at the last run: its copy shows at once, and nothing goes to the network before a minute is up.
    void testStartsFromTheCopy()
    {
        LastRun run;
        QVERIFY(listedAtLastRun(run, calendarWith(2), QString()));
        App app;
        OneScreen screens;
        YourCalendars& calendars = *app.calendar->calendars();
        startFrom(app, run, screens);
        QTRY_VERIFY(calendars.hasEvents(QDate(2024, 5, 11)));
        QVERIFY(calendars.web() && !calendars.web()->networkMade());
        QCOMPARE(calendars.web()->state(0), WebCalendars::State::Updated);
        app.find<QAction>(calendarsnames::Keys)->trigger();
        auto* list = app.calendar->findChild<QListWidget*>(calendarsnames::List);
        QVERIFY(list);
        // Named by the calendar itself; the time is the copy's.
        QVERIFY2(rows(*list).last().startsWith(QLatin1String("Team (web): 2 events, updated ")),
                 qPrintable(rows(*list).join('|')));
        QVERIFY(calendars.problems().isEmpty());
    }

    // A copy that no longer reads as a calendar (a page written over it), kept with the server's tag: the line says
    // so, and the tag is forgotten so that the next fetch brings the whole calendar, not the server's "unchanged".
    void testADamagedCopyIsFetchedWholeNextTime()
    {
        LastRun run;
        QVERIFY(listedAtLastRun(run, "<html>Sign in</html>", QStringLiteral("Work")));
        QFile sidecar(QDir(run.cache).filePath(run.key + QStringLiteral(".json")));
        QVERIFY(sidecar.open(QIODevice::WriteOnly));
        QJsonObject kept;
        kept.insert(QStringLiteral("fetched"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
        kept.insert(QStringLiteral("etag"), QStringLiteral("\"t\""));
        sidecar.write(QJsonDocument(kept).toJson());
        sidecar.close();
        App app;
        OneScreen screens;
        startFrom(app, run, screens);
        const auto tagKept = [&sidecar] {
            if (!sidecar.open(QIODevice::ReadOnly))
                return true;
            const QJsonObject read = QJsonDocument::fromJson(sidecar.readAll()).object();
            sidecar.close();
            return !read.value(QStringLiteral("etag")).toString().isEmpty();
        };
        QTRY_VERIFY(!tagKept());
        app.find<QAction>(calendarsnames::Keys)->trigger();
        auto* list = app.calendar->findChild<QListWidget*>(calendarsnames::List);
        QVERIFY(list);
        QCOMPARE(rows(*list).last(), QStringLiteral("Work (web): not an iCalendar file"));
    }

private:
    // A web calendar listed at the last run, with its copy in the cache.
    struct LastRun
    {
        QTemporaryDir dir;
        QString statePath = dir.filePath(QStringLiteral("dorvane-state.ini"));
        QString cache = dir.filePath(QStringLiteral("cache"));
        QString address;
        QString key;
    };
    bool listedAtLastRun(LastRun& run, const QByteArray& copyBytes, const QString& name)
    {
        run.address = m_server.url(QStringLiteral("/cal/%1/basic.ics").arg(Secret));
        run.key = WebAddress::parse(run.address).cacheKey();
        QFile copy(QDir(run.cache).filePath(run.key + QStringLiteral(".ics")));
        if (!QDir().mkpath(run.cache) || !copy.open(QIODevice::WriteOnly) || copy.write(copyBytes) != copyBytes.size())
            return false;
        copy.close();
        WindowState state;
        state.webCalendars = {{run.address, name}};
        return windowstate::write(run.statePath, state);
    }
    // The window started from it, as the program starts.
    static void startFrom(App& app, const LastRun& run, const OneScreen& screens)
    {
        app.calendar->calendars()->setWebCacheFolder(run.cache);
        app.calendar->keepStateIn(run.statePath, screens);
        app.calendar->show();
        app.activate();
    }

    // The window's web calendars fetch through a fetcher trusting the test's server.
    void trustServer(WebCalendars& web)
    {
        web.setFetcherMaker([this] {
            auto fetch = std::make_unique<WebFetch>();
            fetch->setCaCertificates(m_server.ca);
            return fetch;
        });
    }

    HttpsServer m_server;
    QByteArray m_calendar = calendarWith(1);
};

QTEST_MAIN(TestWebRows)
#include "TestWebRows.moc"
