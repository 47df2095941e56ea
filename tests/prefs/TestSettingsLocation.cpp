// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/SettingsLocation.h"
#include <QtTest>
#include <pwd.h>
#include <unistd.h>

using Place = SettingsLocation::Place;

class TestSettingsLocation : public QObject
{
    Q_OBJECT

private slots:
    void testChoice_data();
    void testChoice();
    void testReadOnlyFolderForRealUser();
    void testUserPath_data();
    void testUserPath();
    void testUserPathFromEnvironment_data();
    void testUserPathFromEnvironment();
    void testNoUserPathWritesNothing();
};

void TestSettingsLocation::testChoice_data()
{
    QTest::addColumn<bool>("programFile");
    QTest::addColumn<bool>("programWritable");
    QTest::addColumn<bool>("userFile");
    QTest::addColumn<Place>("place");
    QTest::addColumn<bool>("writeDefault");

    QTest::newRow("own folder with a file") << true << true << false << Place::ProgramFolder << false;
    QTest::newRow("system folder with a file") << true << false << true << Place::ProgramFolder << false;
    QTest::newRow("own folder without a file: first start writes the default there")
        << false << true << false << Place::ProgramFolder << true;
    QTest::newRow("system folder, first start") << false << false << false << Place::UserConfig << true;
    QTest::newRow("system folder, later starts") << false << false << true << Place::UserConfig << false;
}

void TestSettingsLocation::testChoice()
{
    QFETCH(bool, programFile);
    QFETCH(bool, programWritable);
    QFETCH(bool, userFile);
    QFETCH(Place, place);
    QFETCH(bool, writeDefault);
    QTemporaryDir program;
    QTemporaryDir config;
    const QString userPath = config.filePath("dorvane/prefs.cal");
    const auto touch = [](const QString& path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };
    if (programFile)
        QVERIFY(touch(program.filePath("prefs.cal")));
    if (userFile)
        QVERIFY(touch(userPath));
    QStringList asked;
    const SettingsLocation location =
        prefs::chooseSettingsLocation(program.path(), userPath, [&](const QString& folder) {
            asked << folder;
            return programWritable;
        });
    QCOMPARE(location.place, place);
    QCOMPARE(location.path, place == Place::ProgramFolder ? program.filePath("prefs.cal") : userPath);
    QCOMPARE(location.writeDefault, writeDefault);
    QVERIFY(asked.isEmpty() || asked == QStringList{program.path()});
}

void TestSettingsLocation::testReadOnlyFolderForRealUser()
{
    if (::geteuid() == 0)
        QSKIP("root may write into any folder");
    QTemporaryDir program;
    QVERIFY(QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    QVERIFY(!prefs::isFolderWritable(program.path()));
    const SettingsLocation location =
        prefs::chooseSettingsLocation(program.path(), "/home/u/.config/dorvane/prefs.cal");
    QCOMPARE(location.place, Place::UserConfig);
    QVERIFY(QFile::setPermissions(program.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QVERIFY(prefs::isFolderWritable(program.path()));
}

void TestSettingsLocation::testUserPath_data()
{
    QTest::addColumn<QByteArray>("xdgConfigHome");
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QByteArray>("account"); // the password database's home
    QTest::addColumn<QString>("path");

    QTest::newRow("absolute XDG_CONFIG_HOME")
        << QByteArray("/srv/cfg") << QByteArray("/home/u") << QByteArray("/a") << "/srv/cfg/dorvane/prefs.cal";
    QTest::newRow("absolute, trailing slash")
        << QByteArray("/srv/cfg/") << QByteArray("/home/u") << QByteArray("/a") << "/srv/cfg/dorvane/prefs.cal";
    QTest::newRow("relative cfg") << QByteArray("cfg") << QByteArray("/home/u") << QByteArray("/a")
                                  << "/home/u/.config/dorvane/prefs.cal";
    QTest::newRow("relative ./cfg") << QByteArray("./cfg") << QByteArray("/home/u") << QByteArray("/a")
                                    << "/home/u/.config/dorvane/prefs.cal";
    QTest::newRow("relative ../x") << QByteArray("../x") << QByteArray("/home/u") << QByteArray("/a")
                                   << "/home/u/.config/dorvane/prefs.cal";
    QTest::newRow("empty XDG_CONFIG_HOME")
        << QByteArray("") << QByteArray("/home/u") << QByteArray("/a") << "/home/u/.config/dorvane/prefs.cal";
    QTest::newRow("HOME unset: the account's home")
        << QByteArray() << QByteArray() << QByteArray("/var/lib/u") << "/var/lib/u/.config/dorvane/prefs.cal";
    QTest::newRow("HOME empty: the account's home")
        << QByteArray() << QByteArray("") << QByteArray("/var/lib/u") << "/var/lib/u/.config/dorvane/prefs.cal";
    QTest::newRow("HOME relative: the account's home")
        << QByteArray() << QByteArray("u") << QByteArray("/var/lib/u") << "/var/lib/u/.config/dorvane/prefs.cal";
    QTest::newRow("HOME is the root folder")
        << QByteArray() << QByteArray("/") << QByteArray("/a") << "/.config/dorvane/prefs.cal";
    QTest::newRow("no HOME, no account home: no user file")
        << QByteArray() << QByteArray() << QByteArray() << QString();
    QTest::newRow("relative XDG, no home at all")
        << QByteArray("cfg") << QByteArray("") << QByteArray("rel") << QString();
}

void TestSettingsLocation::testUserPath()
{
    QFETCH(QByteArray, xdgConfigHome);
    QFETCH(QByteArray, home);
    QFETCH(QByteArray, account);
    QFETCH(QString, path);
    int accountAsked = 0;
    const QString chosen = prefs::userSettingsPath(xdgConfigHome, home, [&] {
        ++accountAsked;
        return account;
    });
    QCOMPARE(chosen, path);
    QVERIFY(!chosen.contains("//"));
    QCOMPARE(accountAsked > 0, home.isEmpty() || !home.startsWith('/'));
}

void TestSettingsLocation::testUserPathFromEnvironment_data()
{
    QTest::addColumn<bool>("homeSet");
    QTest::addColumn<QByteArray>("xdgConfigHome");

    QTest::newRow("HOME unset, no XDG_CONFIG_HOME") << false << QByteArray();
    QTest::newRow("HOME unset, relative XDG_CONFIG_HOME") << false << QByteArray("cfg");
    QTest::newRow("HOME empty, empty XDG_CONFIG_HOME") << true << QByteArray("");
}

// The real environment and password database: a run without HOME still finds the account's own folder.
void TestSettingsLocation::testUserPathFromEnvironment()
{
    QFETCH(bool, homeSet);
    QFETCH(QByteArray, xdgConfigHome);
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const bool hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    homeSet ? qputenv("HOME", "") : qunsetenv("HOME");
    xdgConfigHome.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", xdgConfigHome);
    const QString chosen = prefs::userSettingsPath();
    qputenv("HOME", oldHome);
    hadConfig ? qputenv("XDG_CONFIG_HOME", oldConfig) : qunsetenv("XDG_CONFIG_HOME");

    const passwd* account = ::getpwuid(::geteuid());
    QVERIFY(account && account->pw_dir && account->pw_dir[0] == '/');
    QString home = QFile::decodeName(account->pw_dir);
    while (home.endsWith('/'))
        home.chop(1);
    QCOMPARE(chosen, home + "/.config/dorvane/prefs.cal");
}

void TestSettingsLocation::testNoUserPathWritesNothing()
{
    QTemporaryDir program;
    const SettingsLocation location =
        prefs::chooseSettingsLocation(program.path(), QString(), [](const QString&) { return false; });
    QCOMPARE(location.place, Place::UserConfig);
    QVERIFY(location.path.isEmpty());
    QVERIFY(!location.writeDefault);
}

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "TestSettingsLocation.moc"
