#include "app/CalendarNames.h"
#include "app/Toolbar.h"
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include "support/Fakes.h"
#include "support/TempPrefsDir.h"
#include <QAction>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <vector>

// The toolbar alone: each command tells its own signal, and nothing else.
class TestToolbar : public QObject
{
    Q_OBJECT
private slots:
    void testEachCommandTellsItsSignal_data();
    void testEachCommandTellsItsSignal();
};

void TestToolbar::testEachCommandTellsItsSignal_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("SpeedButton11") << names::SpeedButton11 << QByteArray("previousClicked");
    QTest::newRow("SpeedButton10") << names::SpeedButton10 << QByteArray("yearClicked");
    QTest::newRow("SpeedButton9") << names::SpeedButton9 << QByteArray("nextClicked");
    QTest::newRow("SpeedButton8") << names::SpeedButton8 << QByteArray("viewClicked");
    QTest::newRow("SpeedButton7") << names::SpeedButton7 << QByteArray("compactSizeClicked");
    QTest::newRow("SpeedButton6") << names::SpeedButton6 << QByteArray("yearEntryClicked");
    QTest::newRow("SpeedButton3") << names::SpeedButton3 << QByteArray("closeClicked");
    QTest::newRow("SpeedButton4") << names::SpeedButton4 << QByteArray("parametersClicked");
    QTest::newRow("SpeedButton5") << names::SpeedButton5 << QByteArray("weekNumbersClicked");
    QTest::newRow("SpeedButton1") << names::SpeedButton1 << QByteArray("onTopClicked");
    QTest::newRow("SpeedButton2") << names::SpeedButton2 << QByteArray("trayClicked");
    QTest::newRow("Tray1 of the compact size's menu") << names::Tray1 << QByteArray("tray1Triggered");
}

void TestToolbar::testEachCommandTellsItsSignal()
{
    QFETCH(QString, control);
    QFETCH(QByteArray, signal);
    FakeWorld world;
    TempPrefsDir folder;
    BoxGate gate(world.services);
    PrefsStore preferences(folder.path(), rt::formatSettings());
    QWidget window;
    Toolbar toolbar(world.services, gate, preferences, &window, &window);
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    const QMetaObject* meta = toolbar.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        if (meta->method(i).methodType() == QMetaMethod::Signal)
            spies.push_back(std::make_unique<QSignalSpy>(&toolbar, meta->method(i)));
    QCOMPARE(int(spies.size()), 12);
    if (auto* button = toolbar.findChild<QToolButton*>(control))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        toolbar.findChild<QAction*>(control)->trigger();
    for (const auto& spy : spies)
        QCOMPARE(spy->count(), spy->signal() == signal + "()" ? 1 : 0);
}

QTEST_MAIN(TestToolbar)
#include "TestToolbar.moc"
