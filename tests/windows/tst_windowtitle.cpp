// The title bar of a frameless window: moving the window, the size-state properties behind
// maximise, full screen and restore, and the stretch gestures of its border strips.
#include "KitraTest.h"
#include "ZtBaseWindowTitle.h"

using namespace ZtGUI;

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
    uint type() const { return window.property("_ZT_WindowType_").toUInt(); }
    QRect saved() const { return window.property("_ZT_WindowGeometry_").toRect(); }

    QWidget window;
    ZtBaseWindowTitle* title = nullptr;
};

} // namespace

class tst_WindowTitle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    // The window follows the title, but the grabbed point stays on the desktop; a maximised, full
    // screen or locked window stays put (and a maximised one shows no stretch cursor).
    void dragMovesTheWindowAndKeepsTheGripOnTheDesktop_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QPoint>("to");          // where the cursor goes, global
        QTest::addColumn<QPoint>("grip");        // where the grabbed point ends, global; null: unmoved
        QTest::newRow("inside") << "" << QPoint(300, 250) << QPoint(300, 250);
        QTest::newRow("below the screen") << "" << QPoint(300, 750) << QPoint(300, 599);
        QTest::newRow("left of the screen") << "" << QPoint(-80, 250) << QPoint(0, 250);
        QTest::newRow("past the corner") << "" << QPoint(900, -30) << QPoint(799, 0);
        QTest::newRow("maximised") << "max" << QPoint(300, 250) << QPoint();
        QTest::newRow("full screen") << "full" << QPoint(300, 250) << QPoint();
        QTest::newRow("move disabled") << "locked" << QPoint(300, 250) << QPoint();
    }
    void dragMovesTheWindowAndKeepsTheGripOnTheDesktop()
    {
        QFETCH(QString, how);
        QFETCH(QPoint, to);
        QFETCH(QPoint, grip);
        Window w;
        if (how == "max")
            w.title->OnShowMaximized();
        else if (how == "full")
            w.title->ShowFullScreen(&w.window);
        else if (how == "locked")
            w.title->SetOpenWidgetMoveEnable(false);
        if (how == "max") {
            KitraTest::move(w.title, QPoint(0, 0), Qt::NoButton);
            QCOMPARE(w.title->cursor().shape(), Qt::ArrowCursor);
        }
        const QRect before = w.window.geometry();
        const QPoint inTitle(40, 15);
        KitraTest::dragGlobal(w.title, w.title->mapToGlobal(inTitle), to);
        if (grip.isNull())
            QCOMPARE(w.window.geometry(), before);
        else
            QCOMPARE(w.title->mapToGlobal(inTitle), grip);
        QCOMPARE(w.window.size(), before.size());
    }

    // Maximised (by call or by a double click, once enabled) or full screen, the window fills the
    // screen and saves its geometry once; restored, it goes back there.
    void filledWindowsGoBackToTheSavedGeometry_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QSize>("restoreTo");     // valid: a size, that keeps the saved place
        QTest::newRow("maximised") << "max" << 1u << QSize();
        QTest::newRow("full screen") << "full" << 2u << QSize();
        QTest::newRow("double click") << "double" << 1u << QSize();
        QTest::newRow("maximised by the slot, restored to a size") << "slot" << 1u << QSize(250, 150);
    }
    void filledWindowsGoBackToTheSavedGeometry()
    {
        QFETCH(QString, how);
        QFETCH(uint, type);
        QFETCH(QSize, restoreTo);
        Window w;
        QSignalSpy changed(w.title, &ZtBaseWindowTitle::SignalWndSizeStatusChanged);
        if (how == "double") {
            KitraTest::doubleClick(w.title, QPoint(40, 15));
            QCOMPARE(w.window.geometry(), kNormal);
            QVERIFY(!w.window.property("_ZT_WindowType_").isValid());
            w.title->SetOpenDoubleClickEnable(true);
            KitraTest::doubleClick(w.title, QPoint(40, 15));
        }
        for (int i = 0; i < 2 && how != "double"; ++i) {   // twice: the first saved geometry stays
            if (how == "slot")
                w.title->OnShowMaximized();
            else
                how == "full" ? w.title->ShowFullScreen(&w.window) : w.title->ShowMaximized(&w.window);
        }
        QCOMPARE(w.window.geometry(), kDesktop);
        QCOMPARE(w.type(), type);
        QCOMPARE(w.saved(), kNormal);
        QCOMPARE(w.title->GetNormalGeometry(&w.window), kNormal);
        QCOMPARE(w.title->IsMaximized(&w.window), type == 1u);
        QCOMPARE(w.title->IsFullScreen(&w.window), type == 2u);
        QVERIFY(changed.count() >= 1 || how == "max" || how == "full");    // the slots report it

        changed.clear();
        if (restoreTo.isValid())
            w.title->ShowNormal(&w.window, restoreTo);
        else if (how == "double")
            KitraTest::doubleClick(w.title, QPoint(40, 15));
        else
            w.title->OnShowMaxOrNormal();
        QCOMPARE(w.window.geometry(), restoreTo.isValid() ? QRect(kNormal.topLeft(), restoreTo) : kNormal);
        QCOMPARE(w.type(), 0u);
        QVERIFY(w.saved().isEmpty() && w.title->GetNormalGeometry(&w.window).isEmpty());
        QVERIFY(!w.title->IsMaximized(&w.window));
        QVERIFY(changed.count() >= 1 || restoreTo.isValid());
    }

    // The border strips set the cursor and report the stretch; the window performs it, not the
    // title. A click in the middle starts none.
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
        const QPoint to = pos + QPoint(-30, -20);
        KitraTest::move(w.title, to);
        QCOMPARE(stretching.count(), 1);
        QCOMPARE(stretching.at(0).at(0).toPoint(), w.title->mapToGlobal(to));
        QCOMPARE(w.window.geometry(), kNormal);
        KitraTest::release(w.title, to);
        QCOMPARE(end.count(), 1);

        // The gesture is over: the next move hovers again, and a click there stretches nothing.
        KitraTest::move(w.title, QPoint(150, 15), Qt::NoButton);
        QCOMPARE(int(w.title->cursor().shape()), int(Qt::ArrowCursor));
        KitraTest::click(w.title, QPoint(150, 15));
        QVERIFY(start.count() == 1 && stretching.count() == 1 && end.count() == 1);
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

    // Null windows and empty sizes change nothing (and do not crash).
    void nullWindowsAndEmptySizesAreIgnored()
    {
        ZtWindowGeometryFactory factory;
        factory.ShowMaximized(nullptr);
        factory.ShowNormal(nullptr, QSize(10, 10));
        factory.ShowFullScreen(nullptr);
        factory.ShowMinimized(nullptr);
        factory.ResizeWindow(nullptr, QSize(10, 10));
        factory.SetWindowGeometry(nullptr, QRect(0, 0, 10, 10));
        QVERIFY(!factory.IsMinimized(nullptr) && !factory.IsMaximized(nullptr) && !factory.IsFullScreen(nullptr));
        QVERIFY(factory.GetNormalGeometry(nullptr).isEmpty());

        Window w;
        w.title->ResizeWindow(&w.window, QSize(0, 50));
        w.title->SetWindowGeometry(&w.window, QRect(10, 10, 0, 0));
        w.title->ShowNormal(&w.window, QSize());
        QCOMPARE(w.window.geometry(), kNormal);
        w.title->ShowNormal(&w.window, QSize(220, 140));     // a normal window only resizes
        QCOMPARE(w.window.geometry(), QRect(kNormal.topLeft(), QSize(220, 140)));
        QCOMPARE(w.type(), 0u);
    }

    void hostMayDeleteTheWindowFromTheSizeSignal()
    {
        auto* w = new Window;
        QPointer<QWidget> guard(&w->window);
        connect(w->title, &ZtBaseWindowTitle::SignalEndTitleStretch, &w->window, [w] { delete w; });
        KitraTest::move(w->title, QPoint(0, 0), Qt::NoButton);
        KitraTest::press(w->title, QPoint(0, 0));
        KitraTest::release(w->title, QPoint(0, 0));
        QVERIFY(guard.isNull());
    }
};

QTEST_MAIN(tst_WindowTitle)
#include "tst_windowtitle.moc"
