// The title bar of a frameless window: moving the window, the size-state properties behind
// maximise, full screen and restore, and the stretch gestures of its border strips.
#include "KitraTest.h"
#include "ZtBaseWindowTitle.h"

using namespace ZtGUI;
using State = ZtBaseWindowTitle::WindowStretchRectState;

namespace {

const QRect kNormal(100, 120, 300, 200);
const QRect kDesktop(0, 0, 800, 600);   // the offscreen screen; its available area is the whole of it

// A frameless window whose first 30 pixels are its title bar.
struct Window
{
    Window()
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setGeometry(kNormal);
        title = new ZtBaseWindowTitle(&window);
        title->setGeometry(0, 0, kNormal.width(), 30);
        title->setMouseTracking(true);      // as the frameless dialog sets it, so hovering sets the cursor
        window.show();
    }
    QWidget window;
    ZtBaseWindowTitle* title = nullptr;
};

// Mouse events at a global position: the window moves under the mouse during a drag, so the
// local position must follow it.
void sendAt(QWidget* w, QEvent::Type type, const QPoint& global, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, w->mapFromGlobal(global), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void dragGlobal(QWidget* w, const QPoint& from, const QPoint& to)
{
    sendAt(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 4; ++i)
        sendAt(w, QEvent::MouseMove, from + (to - from) * i / 4, Qt::NoButton, Qt::LeftButton);
    sendAt(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

uint typeOf(const QWidget& w)
{
    return w.property("_ZT_WindowType_").toUInt();
}

QRect savedOf(const QWidget& w)
{
    return w.property("_ZT_WindowGeometry_").toRect();
}

} // namespace

class tst_WindowTitle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void dragMovesTheWindowAndKeepsTheGripOnTheDesktop_data()
    {
        QTest::addColumn<QPoint>("to");          // where the cursor goes, global
        QTest::addColumn<QPoint>("grip");        // where the grabbed point ends, global
        QTest::newRow("inside") << QPoint(300, 250) << QPoint(300, 250);
        QTest::newRow("below the screen") << QPoint(300, 750) << QPoint(300, 599);
        QTest::newRow("left of the screen") << QPoint(-80, 250) << QPoint(0, 250);
        QTest::newRow("past the corner") << QPoint(900, -30) << QPoint(799, 0);
    }
    void dragMovesTheWindowAndKeepsTheGripOnTheDesktop()
    {
        QFETCH(QPoint, to);
        QFETCH(QPoint, grip);
        Window w;
        const QPoint inTitle(40, 15);
        dragGlobal(w.title, w.title->mapToGlobal(inTitle), to);
        QCOMPARE(w.title->mapToGlobal(inTitle), grip);
        QCOMPARE(w.window.size(), kNormal.size());
    }

    void dragDoesNotMoveAFilledOrLockedWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("maximised") << "max";
        QTest::newRow("full screen") << "full";
        QTest::newRow("move disabled") << "locked";
    }
    void dragDoesNotMoveAFilledOrLockedWindow()
    {
        QFETCH(QString, how);
        Window w;
        if (how == "max")
            w.title->OnShowMaximized();
        else if (how == "full")
            w.title->ShowFullScreen(&w.window);
        else
            w.title->SetOpenWidgetMoveEnable(false);
        const QRect before = w.window.geometry();
        const QPoint from = w.title->mapToGlobal(QPoint(40, 15));
        dragGlobal(w.title, from, from + QPoint(60, 70));
        QCOMPARE(w.window.geometry(), before);
    }

    void doubleClickTogglesMaximisedOnlyWhenEnabled()
    {
        Window w;
        QSignalSpy changed(w.title, &ZtBaseWindowTitle::SignalWndSizeStatusChanged);
        KitraTest::doubleClick(w.title, QPoint(40, 15));
        QCOMPARE(w.window.geometry(), kNormal);
        QVERIFY(!w.window.property("_ZT_WindowType_").isValid());

        w.title->SetOpenDoubleClickEnable(true);
        KitraTest::doubleClick(w.title, QPoint(40, 15));
        QCOMPARE(w.window.geometry(), kDesktop);
        QCOMPARE(typeOf(w.window), 1u);
        QCOMPARE(savedOf(w.window), kNormal);
        QVERIFY(w.title->IsMaximized(&w.window));
        QVERIFY(changed.count() >= 1);

        KitraTest::doubleClick(w.title, QPoint(40, 15));
        QCOMPARE(w.window.geometry(), kNormal);
        QCOMPARE(typeOf(w.window), 0u);
        QVERIFY(savedOf(w.window).isEmpty());
        QVERIFY(!w.title->IsMaximized(&w.window));
    }

    void filledWindowsGoBackToTheSavedGeometry_data()
    {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QRect>("filled");
        QTest::addColumn<uint>("type");
        QTest::newRow("maximised") << false << kDesktop << 1u;
        QTest::newRow("full screen") << true << kDesktop << 2u;
    }
    void filledWindowsGoBackToTheSavedGeometry()
    {
        QFETCH(bool, fullScreen);
        QFETCH(QRect, filled);
        QFETCH(uint, type);
        Window w;
        if (fullScreen)
            w.title->ShowFullScreen(&w.window);
        else
            w.title->ShowMaximized(&w.window);
        QCOMPARE(w.window.geometry(), filled);
        QCOMPARE(typeOf(w.window), type);
        QCOMPARE(w.title->GetNormalGeometry(&w.window), kNormal);
        QCOMPARE(w.title->IsFullScreen(&w.window), fullScreen);

        QSignalSpy changed(w.title, &ZtBaseWindowTitle::SignalWndSizeStatusChanged);
        w.title->OnShowMaxOrNormal();
        QCOMPARE(w.window.geometry(), kNormal);
        QCOMPARE(typeOf(w.window), 0u);
        QVERIFY(w.title->GetNormalGeometry(&w.window).isEmpty());
        QVERIFY(changed.count() >= 1);
    }

    void restoringToAGivenSizeKeepsTheSavedPlace()
    {
        Window w;
        w.title->OnShowMaximized();
        w.title->ShowNormal(&w.window, QSize(250, 150));
        QCOMPARE(w.window.geometry(), QRect(kNormal.topLeft(), QSize(250, 150)));
    }

    void restoringANormalWindowOnlyResizes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("invalid size") << QSize() << kNormal;
        QTest::newRow("valid size") << QSize(220, 140) << QRect(kNormal.topLeft(), QSize(220, 140));
    }
    void restoringANormalWindowOnlyResizes()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, expected);
        Window w;
        w.title->ShowNormal(&w.window, size);
        QCOMPARE(w.window.geometry(), expected);
        QCOMPARE(typeOf(w.window), 0u);
    }

    void maximisingTwiceKeepsTheFirstSavedGeometry()
    {
        Window w;
        w.title->OnShowMaximized();
        w.title->OnShowMaximized();
        QCOMPARE(savedOf(w.window), kNormal);
        w.title->OnShowNormal();
        QCOMPARE(w.window.geometry(), kNormal);
    }

    void stretchStripsSetTheCursorAndReportTheGesture_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("cursor");
        QTest::newRow("top-left corner") << QPoint(0, 0) << int(ZtBaseWindowTitle::STRETCH_TOP_LEFT) << int(Qt::SizeFDiagCursor);
        QTest::newRow("corner edge included") << QPoint(3, 3) << int(ZtBaseWindowTitle::STRETCH_TOP_LEFT) << int(Qt::SizeFDiagCursor);
        QTest::newRow("top-right corner") << QPoint(298, 2) << int(ZtBaseWindowTitle::STRETCH_TOP_RIGHT) << int(Qt::SizeBDiagCursor);
        QTest::newRow("top edge") << QPoint(150, 1) << int(ZtBaseWindowTitle::STRETCH_TOP) << int(Qt::SizeVerCursor);
        QTest::newRow("right edge") << QPoint(299, 15) << int(ZtBaseWindowTitle::STRETCH_RIGHT) << int(Qt::SizeHorCursor);
        QTest::newRow("left edge") << QPoint(2, 20) << int(ZtBaseWindowTitle::STRETCH_LEFT) << int(Qt::SizeHorCursor);
    }
    void stretchStripsSetTheCursorAndReportTheGesture()
    {
        QFETCH(QPoint, pos);
        QFETCH(int, state);
        QFETCH(int, cursor);
        Window w;
        KitraTest::move(w.title, pos, Qt::NoButton);
        QCOMPARE(int(w.title->cursor().shape()), cursor);

        QSignalSpy start(w.title, &ZtBaseWindowTitle::SignalStartTitleStretch);
        QSignalSpy stretching(w.title, &ZtBaseWindowTitle::SignalTitleStretching);
        QSignalSpy end(w.title, &ZtBaseWindowTitle::SignalEndTitleStretch);
        KitraTest::press(w.title, pos);
        QCOMPARE(start.count(), 1);
        QCOMPARE(start.at(0).at(0).toInt(), state);
        QCOMPARE(start.at(0).at(1).toPoint(), w.title->mapToGlobal(pos));
        KitraTest::move(w.title, pos + QPoint(-30, -20));
        QCOMPARE(stretching.count(), 1);
        QCOMPARE(stretching.at(0).at(0).toPoint(), w.title->mapToGlobal(pos + QPoint(-30, -20)));
        QCOMPARE(w.window.geometry(), kNormal);      // the window performs the stretch, not the title
        KitraTest::release(w.title, pos + QPoint(-30, -20));
        QCOMPARE(end.count(), 1);

        // The gesture is over: the next move hovers again.
        KitraTest::move(w.title, QPoint(150, 15), Qt::NoButton);
        QCOMPARE(stretching.count(), 1);
        QCOMPARE(int(w.title->cursor().shape()), int(Qt::ArrowCursor));
    }

    void pressInTheMiddleStartsNoStretch()
    {
        Window w;
        QSignalSpy start(w.title, &ZtBaseWindowTitle::SignalStartTitleStretch);
        QSignalSpy end(w.title, &ZtBaseWindowTitle::SignalEndTitleStretch);
        KitraTest::move(w.title, QPoint(150, 15), Qt::NoButton);
        KitraTest::click(w.title, QPoint(150, 15));
        QCOMPARE(start.count(), 0);
        QCOMPARE(end.count(), 0);
    }

    void stretchStripsKeepTheSizeOfTheLastShow()
    {
        Window w;
        w.title->resize(200, 30);
        KitraTest::move(w.title, QPoint(197, 1), Qt::NoButton);
        QCOMPARE(w.title->cursor().shape(), Qt::SizeVerCursor);     // still the old top edge
        KitraTest::move(w.title, QPoint(298, 1), Qt::NoButton);
        QCOMPARE(w.title->cursor().shape(), Qt::SizeBDiagCursor);   // the old top-right corner
    }

    void cursorIsNotUpdatedOnAMaximisedWindow()
    {
        Window w;
        w.title->OnShowMaximized();
        KitraTest::move(w.title, QPoint(0, 0), Qt::NoButton);
        QCOMPARE(w.title->cursor().shape(), Qt::ArrowCursor);
    }

    void topWindowSkipsTheNamedClass()
    {
        QWidget outer;
        QDialog dialog(&outer);
        QWidget inner(&dialog);
        QCOMPARE(GetTopWindow(&inner, nullptr), &dialog);
        QCOMPARE(GetTopWindow(&inner, "QDialog"), &outer);
        QCOMPARE(GetTopWindow(&inner, "QWidget"), static_cast<QWidget*>(nullptr));
        QCOMPARE(GetTopWindow(nullptr, nullptr), static_cast<QWidget*>(nullptr));
    }

    void nullWindowsAreIgnored()
    {
        ZtWindowGeometryFactory factory;
        factory.ShowMaximized(nullptr);
        factory.ShowNormal(nullptr, QSize(10, 10));
        factory.ShowFullScreen(nullptr);
        factory.ShowMinimized(nullptr);
        factory.ResizeWindow(nullptr, QSize(10, 10));
        factory.SetWindowGeometry(nullptr, QRect(0, 0, 10, 10));
        QVERIFY(!factory.IsMinimized(nullptr));
        QVERIFY(!factory.IsMaximized(nullptr));
        QVERIFY(!factory.IsFullScreen(nullptr));
        QVERIFY(factory.GetNormalGeometry(nullptr).isEmpty());
    }

    void emptySizesChangeNothing()
    {
        Window w;
        w.title->ResizeWindow(&w.window, QSize(0, 50));
        w.title->SetWindowGeometry(&w.window, QRect(10, 10, 0, 0));
        QCOMPARE(w.window.geometry(), kNormal);
    }

    void hostMayDeleteTheWindowFromTheSizeSignal()
    {
        auto* window = new QWidget;
        window->setWindowFlags(Qt::FramelessWindowHint);
        auto* title = new ZtBaseWindowTitle(window);
        title->resize(300, 30);
        title->setMouseTracking(true);
        window->show();
        QPointer<QWidget> guard(window);
        connect(title, &ZtBaseWindowTitle::SignalEndTitleStretch, window, [window] { delete window; });
        KitraTest::move(title, QPoint(0, 0), Qt::NoButton);
        KitraTest::press(title, QPoint(0, 0));
        KitraTest::release(title, QPoint(0, 0));
        QVERIFY(guard.isNull());
    }
};

QTEST_MAIN(tst_WindowTitle)
#include "tst_windowtitle.moc"
