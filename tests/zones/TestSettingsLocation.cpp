#include "zones/SettingsLocation.h"
#include <QtTest>
#include <unistd.h>

using Place = SettingsLocation::Place;

class TestSettingsLocation : public QObject
{
    Q_OBJECT

private slots:
    void testChoice_data();
    void testChoice();
    void testReadOnlyFolderForRealUser();
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
        zones::chooseSettingsLocation(program.path(), userPath, [&](const QString& folder) {
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
    QVERIFY(!zones::isFolderWritable(program.path()));
    const SettingsLocation location =
        zones::chooseSettingsLocation(program.path(), "/home/u/.config/dorvane/prefs.cal");
    QCOMPARE(location.place, Place::UserConfig);
    QVERIFY(QFile::setPermissions(program.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QVERIFY(zones::isFolderWritable(program.path()));
}

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "TestSettingsLocation.moc"
