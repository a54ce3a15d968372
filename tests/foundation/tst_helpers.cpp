#include "KitraTest.h"

#include "CommonFun.h"
#include "ZtPoint.h"

#include <QScreen>

using namespace ZtGUI;

class tst_Helpers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void waitKeepsTheGuiAlive()
    {
        bool fired = false;
        QTimer::singleShot(0, this, [&fired] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        qWait(0);                                   // one round of events, then a 10 ms nap
        QVERIFY(fired);
        QVERIFY(clock.elapsed() >= 10);

        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        timer.start(5);
        clock.restart();
        qWait(60);
        QVERIFY(clock.elapsed() >= 60);
        QVERIFY(ticks >= 2);
    }

    void sleepProcessesNoEvents()
    {
        bool fired = false;
        QTimer::singleShot(0, this, [&fired] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        qSleep(15);
        QVERIFY(clock.elapsed() >= 15);
        QVERIFY(!fired);
        QTRY_VERIFY(fired);
    }

    void desktopPointStaysOnTheAvailableArea_data()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("inside") << area.center() << area.center();
        QTest::newRow("top-left corner") << area.topLeft() << area.topLeft();
        QTest::newRow("left of it") << QPoint(area.left() - 50, area.center().y()) << QPoint(area.left(), area.center().y());
        QTest::newRow("below and right") << area.bottomRight() + QPoint(300, 40) << area.bottomRight();
        QTest::newRow("just past the right edge") << QPoint(area.right() + 1, area.top()) << QPoint(area.right(), area.top());
        QTest::newRow("far above") << QPoint(area.center().x(), -100000) << QPoint(area.center().x(), area.top());
    }
    void desktopPointStaysOnTheAvailableArea()
    {
        QFETCH(QPoint, point);
        QFETCH(QPoint, expected);
        QCOMPARE(ZtPoint::GetDesktopAvailablePoint(point), expected);
    }
};

QTEST_MAIN(tst_Helpers)
#include "tst_helpers.moc"
