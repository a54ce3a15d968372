// The wait indicator: modal, centred over its parent, ended by the host, a time-out or Escape.
#include "KitraTest.h"
#include "WaitWidget.h"
#include "WaitWidget_p.h"

using namespace ZtGUI;

namespace {

const int kSecond = 50;   // ms: one second of a time-out in these tests

struct Host
{
    Host()
    {
        // Frameless like the wait widget, so that centring is exact.
        parent.setWindowFlags(Qt::FramelessWindowHint);
        parent.setGeometry(100, 100, 400, 300);
        parent.show();
    }
    QWidget parent;
};

} // namespace

class tst_WaitWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        SetWaitTimeOutSecondForTests(kSecond);
    }

    void showsThePictureOverItsParentEveryTime()
    {
        Host host;
        WaitWidget wait(&host.parent);
        QList<QRect> shown;
        bool modal = false;
        const auto look = [&] {
            shown << wait.geometry();
            modal = QApplication::activeModalWidget() == &wait;
            wait.StopWaiting(true);
        };
        QTimer::singleShot(0, &wait, look);
        wait.StartWaiting();
        QVERIFY(modal);
        QVERIFY(!wait.isVisible());
        // Moved away in between, it comes back to the same place over its parent.
        wait.move(0, 0);
        QTimer::singleShot(0, &wait, look);
        wait.StartWaiting();
        QCOMPARE(shown.count(), 2);
        QCOMPARE(shown.at(0).size(), QSize(32, 32));
        QVERIFY(host.parent.geometry().contains(shown.at(0)));
        QCOMPARE(shown.at(1), shown.at(0));
    }

    // The time-out ends the waiting unnormally after its seconds; a waiting stopped normally leaves
    // no time-out behind to end a later one.
    void timeOutEndsTheWaitingUnlessStoppedFirst()
    {
        Host host;
        WaitWidget wait(&host.parent);
        wait.SetTimeOut(2);
        QSignalSpy unnormal(&wait, &WaitWidget::sgnUnNormalExit);
        QElapsedTimer clock;
        clock.start();
        wait.StartWaiting();
        QVERIFY2(clock.elapsed() > kSecond, qPrintable(QString::number(clock.elapsed())));   // timers may run 5 % early
        QCOMPARE(unnormal.count(), 1);
        QVERIFY(wait.GetIfCanceled());
        QVERIFY(!wait.isVisible());

        QTimer::singleShot(0, &wait, [&] { wait.StopWaiting(true); });
        wait.StartWaiting();
        QVERIFY(!wait.GetIfCanceled());
        wait.SetTimeOut(-1);
        bool stillWaiting = false;
        QTimer::singleShot(4 * kSecond, &wait, [&] {
            stillWaiting = wait.isVisible();
            wait.StopWaiting(true);
        });
        wait.StartWaiting();
        QVERIFY(stillWaiting);
        QCOMPARE(unnormal.count(), 1);
    }

    void escapeCancelsOnlyWhenAllowed_data()
    {
        QTest::addColumn<bool>("allowed");
        QTest::newRow("allowed") << true;
        QTest::newRow("not allowed") << false;
    }
    void escapeCancelsOnlyWhenAllowed()
    {
        QFETCH(bool, allowed);
        Host host;
        WaitWidget wait(&host.parent);
        wait.SetPressESCToCancel(allowed);
        QSignalSpy unnormal(&wait, &WaitWidget::sgnUnNormalExit);
        bool openAfterEscape = false;
        QTimer::singleShot(0, &wait, [&] {
            QTest::keyClick(&wait, Qt::Key_Escape);
            openAfterEscape = wait.isVisible();
            if (openAfterEscape)
                wait.StopWaiting(true);
        });
        wait.StartWaiting();
        QCOMPARE(openAfterEscape, !allowed);
        QCOMPARE(unnormal.count(), allowed ? 1 : 0);
        QCOMPARE(wait.GetIfCanceled(), allowed);
        QCOMPARE(wait.result(), int(QDialog::Rejected));
    }

    void hostMayDeleteTheWidgetWhileItWaits()
    {
        Host host;
        QPointer<WaitWidget> wait = new WaitWidget(&host.parent);
        QTimer::singleShot(0, &host.parent, [&] { delete wait; });
        wait->StartWaiting();
        QVERIFY(wait.isNull());
    }

    void hostMayDeleteTheWidgetFromItsTimeOutSignal()
    {
        Host host;
        QPointer<WaitWidget> wait = new WaitWidget(&host.parent);
        wait->SetTimeOut(1);
        connect(wait, &WaitWidget::sgnUnNormalExit, &host.parent, [&] { delete wait; });
        wait->StartWaiting();
        QVERIFY(wait.isNull());
    }
};

QTEST_MAIN(tst_WaitWidget)
#include "tst_waitwidget.moc"
