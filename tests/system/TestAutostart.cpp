// SPDX-License-Identifier: GPL-3.0-or-later
// Starting with the desktop: where the entry lives, how its Exec line quotes the program, and the choice read back
// from what lies at the entry's name.
#include "system/Autostart.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

class TestAutostart : public QObject
{
    Q_OBJECT
private slots:
    void testEntryPath_data();
    void testEntryPath();
    void testExecQuotesTheProgram_data();
    void testExecQuotesTheProgram();
    void testTheChoiceReadBack_data();
    void testTheChoiceReadBack();
};

void TestAutostart::testEntryPath_data()
{
    QTest::addColumn<QString>("configHome"); // "-" leaves the variable unset
    QTest::addColumn<QString>("expected");
    QTest::newRow("the variable") << "/cfg"
                                  << "/cfg/autostart/org.dorvane.Dorvane.desktop";
    QTest::newRow("unset: ~/.config") << "-"
                                      << "/home/u/.config/autostart/org.dorvane.Dorvane.desktop";
    QTest::newRow("empty: ~/.config") << ""
                                      << "/home/u/.config/autostart/org.dorvane.Dorvane.desktop";
    QTest::newRow("relative, which the rules ignore") << "cfg"
                                                      << "/home/u/.config/autostart/org.dorvane.Dorvane.desktop";
}

void TestAutostart::testEntryPath()
{
    QFETCH(QString, configHome);
    QFETCH(QString, expected);
    QProcessEnvironment environment;
    if (configHome != QLatin1String("-"))
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    QCOMPARE(autostart::entryPath(environment, QStringLiteral("/home/u")), expected);
}

void TestAutostart::testExecQuotesTheProgram_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QByteArray>("exec");
    QTest::newRow("plain") << "/usr/bin/dorvane" << QByteArray(R"(Exec="/usr/bin/dorvane" --hidden)");
    QTest::newRow("a space") << "/opt/my apps/dorvane" << QByteArray(R"(Exec="/opt/my apps/dorvane" --hidden)");
    QTest::newRow("quote, dollar, backquote")
        << R"(/o/a"b$c`d/dorvane)" << QByteArray(R"(Exec="/o/a\\"b\\$c\\`d/dorvane" --hidden)");
    QTest::newRow("a backslash: four") << R"(/o/a\b/dorvane)" << QByteArray(R"(Exec="/o/a\\\\b/dorvane" --hidden)");
    QTest::newRow("a percent sign: doubled") << "/o/100%/dorvane" << QByteArray(R"(Exec="/o/100%%/dorvane" --hidden)");
}

void TestAutostart::testExecQuotesTheProgram()
{
    QFETCH(QString, program);
    QFETCH(QByteArray, exec);
    const QList<QByteArray> lines = autostart::entry(program).split('\n');
    QVERIFY2(lines.contains(exec), autostart::entry(program).constData());
    QCOMPARE(lines.first(), QByteArray("[Desktop Entry]"));
}

void TestAutostart::testTheChoiceReadBack_data()
{
    QTest::addColumn<QString>("there"); // at the entry's name before
    QTest::addColumn<bool>("on");
    QTest::newRow("nothing") << "nothing" << false;
    QTest::newRow("the entry as written") << "written" << true;
    QTest::newRow("disabled in the desktop's settings") << "hidden" << false;
    QTest::newRow("disabled the GNOME way") << "gnome off" << false;
    QTest::newRow("another program's entry at the name") << "foreign" << false;
    QTest::newRow("the user's link to the entry") << "link" << true;
}

void TestAutostart::testTheChoiceReadBack()
{
    QFETCH(QString, there);
    QFETCH(bool, on);
    QTemporaryDir home;
    const QString path = home.filePath("config/autostart/org.dorvane.Dorvane.desktop");
    const QString elsewhere = home.filePath("elsewhere.desktop");
    QFile::remove(elsewhere);
    if (there != QLatin1String("nothing")) {
        // Written where no folder was yet: the folder is made.
        QVERIFY(autostart::turnOn(there == QLatin1String("link") ? elsewhere : path, "/usr/bin/dorvane").done);
        QFile file(path);
        if (there == QLatin1String("hidden") || there == QLatin1String("gnome off")) {
            QVERIFY(file.open(QIODevice::Append));
            file.write(there == QLatin1String("hidden") ? "Hidden=true\n" : "X-GNOME-Autostart-enabled=false\n");
        } else if (there == QLatin1String("foreign")) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Desktop Entry]\nType=Application\nExec=other\n");
        } else if (there == QLatin1String("link")) {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QVERIFY(QFile::link(elsewhere, path));
        }
    }
    QCOMPARE(autostart::isOn(path), on);
    // Turned off, whatever was there goes and nothing it pointed to.
    QVERIFY(autostart::turnOff(path).done);
    QVERIFY(!QFileInfo(path).exists() && !QFileInfo(path).isSymLink());
    QCOMPARE(QFileInfo::exists(elsewhere), there == QLatin1String("link"));
    QVERIFY(!autostart::isOn(path));
    // Twice is no failure.
    QVERIFY(autostart::turnOff(path).done);
    // On again over a link: the link is the user's and stays; the failure has a reason to tell.
    if (there == QLatin1String("link")) {
        QVERIFY(QFile::link(elsewhere, path));
        const autostart::Outcome refused = autostart::turnOn(path, "/usr/bin/dorvane");
        QVERIFY(!refused.done && !refused.reason.isEmpty());
        QVERIFY(QFileInfo(path).isSymLink());
    }
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "TestAutostart.moc"
