// The wait indicator: modal, centred over its parent, ended by the host, a time-out or Escape.
#include "WaitWidget.h"
#include "WaitWidget_p.h"
#include "WindowsTest.h"

using namespace ZtGUI;

namespace {

const int kSecond = 50;   // ms: one second of a time-out in these tests

// A wait widget over a shown parent, frameless like the wait widget so that centring is exact.
struct Host
{
    Host()
    {
        parent.setWindowFlags(Qt::FramelessWindowHint);
        WindowsTest::showAt(parent, QRect(100, 100, 400, 300));
    }
    // Runs `action` from the waiting's own loop and returns once the waiting ends.
    void waitWith(const std::function<void()>& action, int after = 0)
    {
        QTimer::singleShot(after, &parent, action);
        wait->StartWaiting();
    }
    QWidget parent;
    QPointer<WaitWidget> wait = new WaitWidget(&parent);
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

    // Modal, over its parent (again after a move); the time-out ends the waiting unnormally after its
    // seconds, and a waiting stopped normally leaves no time-out behind to end a later one.
    void showsOverItsParentUntilStoppedOrTimedOut()
    {
        Host host;
        WaitWidget& wait = *host.wait;
        wait.SetTimeOut(2);
        QSignalSpy unnormal(&wait, &WaitWidget::sgnUnNormalExit);
        QElapsedTimer clock;
        clock.start();
        wait.StartWaiting();
        QVERIFY2(clock.elapsed() > kSecond, qPrintable(QString::number(clock.elapsed())));   // timers may run 5 % early
        QVERIFY(unnormal.count() == 1 && wait.GetIfCanceled() && !wait.isVisible());
        QList<QRect> shown;
        const auto look = [&] {
            shown << (QApplication::activeModalWidget() == &wait ? wait.geometry() : QRect());
            wait.StopWaiting(true);
        };
        host.waitWith(look);
        QVERIFY(!wait.GetIfCanceled() && !wait.isVisible());
        wait.SetTimeOut(-1);
        wait.move(0, 0);
        host.waitWith(look, 4 * kSecond);
        QCOMPARE(unnormal.count(), 1);
        QCOMPARE(shown.count(), 2);
        QCOMPARE(shown.at(0).size(), QSize(32, 32));
        QVERIFY(host.parent.geometry().contains(shown.at(0)));
        QCOMPARE(shown.at(1), shown.at(0));
    }

    // Escape cancels only where allowed; the host may delete the widget while it waits or from its time-out.
    void escapeOrDeletionEndsTheWaiting_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("escape, allowed") << "escape";
        QTest::newRow("escape, not allowed") << "refused";
        QTest::newRow("deleted while it waits") << "delete";
        QTest::newRow("deleted from its time-out signal") << "time-out";
    }
    void escapeOrDeletionEndsTheWaiting()
    {
        QFETCH(QString, how);
        Host host;
        WaitWidget& wait = *host.wait;
        wait.SetTimeOut(1);
        wait.SetPressESCToCancel(how == "escape");
        QSignalSpy unnormal(&wait, &WaitWidget::sgnUnNormalExit);
        const auto deleteIt = [&host] { delete host.wait; };
        if (how == "time-out")
            connect(host.wait, &WaitWidget::sgnUnNormalExit, &host.parent, deleteIt);
        bool openAfterEscape = false;
        host.waitWith([&] {
            if (how == "delete")
                return deleteIt();
            QTest::keyClick(&wait, Qt::Key_Escape);
            openAfterEscape = wait.isVisible();
            if (how == "refused")
                wait.StopWaiting(true);
        });
        QCOMPARE(host.wait.isNull(), how == "delete" || how == "time-out");
        if (how == "escape" || how == "refused")
            QCOMPARE(QVariantList({openAfterEscape, unnormal.count(), wait.GetIfCanceled(), wait.result()}),
                     QVariantList({how == "refused", int(how == "escape"), how == "escape", int(QDialog::Rejected)}));
    }
};

QTEST_MAIN(tst_WaitWidget)
#include "tst_waitwidget.moc"
