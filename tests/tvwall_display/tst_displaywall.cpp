// The display wall as a host sees it: failure values, relayed signals, the grid, deleting hosts.
#include "DisplayTest.h"
#include "MovableSub.h"

#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

// A press, four moves and a release between two points of `widget`, stopping once it is gone.
void dragUntilGone(QWidget* widget, const QPoint& from, const QPoint& to)
{
    const QPointer<QWidget> target(widget);
    KitraTest::press(widget, from);
    for (int i = 1; i <= 4 && target; ++i)
        KitraTest::move(widget, from + (to - from) * i / 4);
    if (target)
        KitraTest::release(widget, to);
}

enum Gesture { ClickWindow, DragWindow, DragBackground, DragLocked, ClickClose, DragOSD, RightClickLabel };
enum Deletes { Wall, Screens, Window };

} // namespace

class tst_DisplayWall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    // A screen added before the first show is placed when the wall shows; one added to a shown wall
    // waits for the wall's next resize, and keeps its place from then on.
    void screensArePlacedByTheWallsResize()
    {
        DisplayWallHost host;
        QCOMPARE(host.screen(0)->geometry(), QRect(0, 0, 399, 299));      // one-pixel seams inside
        host.wall->AddScreen(StructScaleRect(0.5, 0.0, 1.0, 0.5), QVariant(1));
        ZtTVWallDisplayScreen* added = host.screen(1);
        QCoreApplication::processEvents();
        QVERIFY(added->geometry() != QRect(400, 0, 400, 299));
        host.wall->resize(1000, 600);
        QCOMPARE(added->geometry(), QRect(500, 0, 500, 299));
        added->resize(20, 20);
        QCOMPARE(added->geometry(), QRect(500, 0, 500, 299));
    }

    // No screen without a grid, 0.96 rows span one; bad screen or window numbers answer failure values.
    void gridAndFailureValues()
    {
        ZtTVWallDisplayWnd unshown;
        QTest::ignoreMessage(QtWarningMsg, "---ZtGUI--- ZtTVWallDisplayWnd::AddScreen: iRows = 0, iCols = 0");
        QCOMPARE(unshown.AddScreen(StructScaleRect(0, 0, 1, 1), QVariant()), -1);
        QCOMPARE(unshown.GetScreenCount(), 0);
        unshown.SetTVWallGridCount(4, 4);
        QCOMPARE(unshown.AddScreen(StructScaleRect(0, 0, 0.5, 0.24), QVariant()), 0);
        int rows = 0, cols = 0;
        unshown.GetScreenGrid(0, rows, cols);
        QCOMPARE(QSize(cols, rows), QSize(2, 1));
        // The grid is painted in the skin's fill, a half-transparent white line at each inner boundary.
        for (const QString style : {"", "Dark"}) {
            QTemporaryDir dir;
            ZtGUI::ZtSetting::UnInstance();
            ZtGUI::ZtSetting::setIniPath(dir.filePath("settings.ini"));
            ZtGUI::ZtSetting::GetInstance()->WriteValue("SkinStyle", "SkinFolder", style);
            ZtTVWallDisplayWnd painted;
            ZtGUI::ZtSetting::UnInstance();
            ZtGUI::ZtSetting::setIniPath(QString());
            painted.SetTVWallGridCount(2, 4);
            painted.resize(400, 300);
            const QImage image = painted.grab().toImage();
            const QColor fill = style.isEmpty() ? QColor(120, 133, 150) : QColor(41, 41, 41);
            QCOMPARE(image.pixelColor(10, 10), fill);
            QCOMPARE(image.pixelColor(10, 0), fill);       // no line on the near edge
            for (const QPoint& onLine : {QPoint(10, 150), QPoint(100, 10), QPoint(200, 10), QPoint(300, 10)}) {
                const QColor c = image.pixelColor(onLine);
                QVERIFY2(c.red() > fill.red() && c.blue() > fill.blue(), qPrintable(c.name()));
            }
        }
        DisplayWallHost host;
        ZtTVWallDisplayWnd* wall = host.wall.get();
        host.open(0, QRect(10, 10, 100, 80));
        for (const QPoint& bad : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
            const int s = bad.x(), w = bad.y();
            StructScaleRect scale(0.1, 0.2, 0.3, 0.4);
            wall->SetWindowLockBtn(s, w, true);
            wall->SetWindowVolumeBtn(s, w, true);
            const QVariantList window{wall->DeleteWindow(s, w), wall->SetWindowScale(s, w, scale),
                                      wall->GetWindowScale(s, w, scale), scale.dTop,
                                      wall->SetWindowZValue(s, w, 3, true), wall->GetWindowZValue(s, w),
                                      wall->GetWindowWidget(s, w) == nullptr, wall->GetWindowUserData(s, w),
                                      wall->GetWindowLockBtnStatus(s, w), wall->GetWindowVolumeBtnStatus(s, w),
                                      wall->GetWindowCount(0)};
            QCOMPARE(window, (QVariantList{false, false, false, 0.2, false, -1, true, QVariant(), false, false, 1}));
            if (s == 0)
                continue;
            std::vector<ZtGUI::StructOSDInfo> list(1);
            wall->GetScreenGrid(s, rows, cols);
            wall->SetSelectedScreenIndex(s);
            const QVariantList screen{wall->OpenWindow(s, scale, QVariant()), wall->GetWindowCount(s),
                                      wall->GetMaxWindowZValue(s), wall->GetAllWindowIndexs(s).isEmpty(),
                                      wall->GetScreenUserData(s), wall->GetScreenScale(s, scale),
                                      wall->SetScreenTitle(s, "x"), wall->SetScreenOSDInfo(s, list), rows, cols,
                                      wall->GetSelectedScreenIndex(), wall->GetSelectedWindowIndexs().isEmpty()};
            QCOMPARE(screen, (QVariantList{-1, 0, 1, true, QVariant(), false, false, false, 1, 1, -1, true}));
        }
    }

    // Selection, window controls, drops and menus reach the host with the screen (and window) in front.
    void relayedSignalsCarryTheirIndexes()
    {
        DisplayWallHost host(3);
        host.open(2, QRect(10, 10, 300, 200));
        host.open(2, QRect(350, 10, 400, 250));
        ZtTVWallDisplayWnd* wall = host.wall.get();
        QSignalSpy screens(wall, &ZtTVWallDisplayWnd::SignalScreenSelectedChanged);
        QSignalSpy windows(wall, &ZtTVWallDisplayWnd::SignalWindowSelectedChanged);
        KitraTest::click(host.viewport(0), QPoint(5, 5));
        KitraTest::click(host.window(2, 1), QPoint(200, 120));
        QCOMPARE(calls(screens), (QList<QVariantList>{{0}, {2}}));
        QCOMPARE(wall->GetSelectedScreenIndex(), 2);
        QCOMPARE(calls(windows), QList<QVariantList>{{2}});
        const QList<QPair<const char*, const char*>> controls{
            {"pWindowCloseBtn", SIGNAL(SignalWindowCloseBtnClicked(int, int))},
            {"pWindowVolumeOffBtn", SIGNAL(SignalWindowVolumeBtnClicked(int, int))},
            {"pWindowUnLockBtn", SIGNAL(SignalWindowLockBtnClicked(int, int))},
            {"pWindowDockOffBtn", SIGNAL(SignalWindowDockBtnClicked(int, int))},
            {"pWindowCircleOffBtn", SIGNAL(SignalWindowTourBtnClicked(int, int))},
            {"pWindowPtzOffBtn", SIGNAL(SignalWindowPTZBtnClicked(int, int))}};
        for (const auto& control : controls) {
            QSignalSpy spy(wall, control.second);
            auto* button = host.window(2, 1)->findChild<QToolButton*>(control.first);
            QVERIFY2(button && button->isVisible(), control.first);
            KitraTest::click(button, QPoint(5, 5));
            QCOMPARE(calls(spy), (QList<QVariantList>{{2, 1}}));
        }
        // The PTZ controls report a press and a release: code 2 (left) at speed 1.
        wall->SetWindowPTZBtn(2, 1, true);
        QSignalSpy ptz(wall, &ZtTVWallDisplayWnd::SignalPTZEvent);
        KitraTest::click(host.window(2, 1)->findChild<QPushButton*>("PTZLeftBtn"), QPoint(10, 10));
        QCOMPARE(calls(ptz), (QList<QVariantList>{{2, 1, 2, 1, false}, {2, 1, 2, 1, true}}));
        wall->SetWindowSelectionMode(ZtTVWallDisplayWnd::SingleSelection);
        QCOMPARE(windows.count(), 2);
        QVERIFY(wall->GetSelectedWindowIndexs().isEmpty());
        // Drops and menus report where they land; the host takes a drag where it is offered.
        QList<int> screenEvents, windowEvents;
        connect(wall, &ZtTVWallDisplayWnd::SignalScreenEvent, [&screenEvents](int s, QEvent* e) {
            screenEvents << s << e->type();
            static_cast<QDropEvent*>(e)->acceptProposedAction();
        });
        connect(wall, &ZtTVWallDisplayWnd::SignalWindowEvent, [&windowEvents](int s, int w, QEvent* e) {
            windowEvents << s << w << e->type();
            static_cast<QDropEvent*>(e)->acceptProposedAction();
        });
        QMimeData data;
        data.setText("camera 7");
        const auto dropOn = [&data](QWidget* target) {
            QDragEnterEvent enter(QPoint(50, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QDropEvent drop(QPoint(50, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
        };
        dropOn(host.window(2, 0));
        QCOMPARE(windowEvents, (QList<int>{2, 0, QEvent::DragEnter, 2, 0, QEvent::Drop}));
        dropOn(host.viewport(2));
        QCOMPARE(screenEvents, (QList<int>{2, QEvent::DragEnter, 2, QEvent::Drop}));
        QCOMPARE(windowEvents.size(), 6);
        QSignalSpy menus(wall, &ZtTVWallDisplayWnd::SignalScreenRightClick);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(300, 250), host.viewport(2)->mapToGlobal(QPoint(300, 250)));
        QApplication::sendEvent(host.viewport(2), &menu);
        QCOMPARE(calls(menus), QList<QVariantList>{{2}});
    }

    void hostMayDeleteWhatSignalsIt_data()
    {
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<int>("gesture");
        QTest::addColumn<int>("deletes");
        const auto row = [](const char* name, const char* signal, Gesture gesture, Deletes deletes) {
            QTest::newRow(name) << QByteArray(signal) << int(gesture) << int(deletes);
        };
        const char* screen = SIGNAL(SignalScreenSelectedChanged(int));
        const char* drawArea = SIGNAL(SignalDrawAreaOpenWindow(int, ZtGUI::StructScaleRect));
        const char* windowSelected = SIGNAL(SignalWindowSelectedChanged(int));
        const char* windowEvent = SIGNAL(SignalWindowEvent(int, int, QEvent*));
        const char* geometry = SIGNAL(SignalWindowGeoChanged(int, int, ZtGUI::StructScaleRect));
        const char* close = SIGNAL(SignalWindowCloseBtnClicked(int, int));
        const char* osd = SIGNAL(SignalOSDGeoChanged(int, int, QRect, bool));
        row("screen selected: wall", screen, DragBackground, Wall);
        row("screen selected: screens", screen, ClickWindow, Screens);
        row("draw area: wall", drawArea, DragBackground, Wall);
        row("draw area: screens", drawArea, DragBackground, Screens);
        row("window selected: wall", windowSelected, ClickWindow, Wall);
        row("window selected: window", windowSelected, ClickWindow, Window);
        row("window event: window", windowEvent, ClickWindow, Window);
        row("window event: wall", windowEvent, DragWindow, Wall);
        row("geometry: wall", geometry, DragWindow, Wall);
        row("geometry: window", geometry, DragWindow, Window);
        row("lock: wall", SIGNAL(SignalLockEvent(QString)), DragLocked, Wall);
        row("close button: window", close, ClickClose, Window);
        row("close button: wall", close, ClickClose, Wall);
        row("osd moved: wall", osd, DragOSD, Wall);
        row("osd moved: screens", osd, DragOSD, Screens);
        row("label: wall", SIGNAL(SignalLabelEvent(int, int, QEvent*)), RightClickLabel, Wall);
    }
    void hostMayDeleteWhatSignalsIt()
    {
        QFETCH(QByteArray, signal);
        QFETCH(int, gesture);
        QFETCH(int, deletes);
        DisplayWallHost host;
        host.open(0, QRect(100, 50, 100, 80));
        if (gesture == DragLocked)
            host.wall->SetTVWallLockStatus(true);
        QWidget* label = nullptr;
        if (gesture == DragOSD || gesture == RightClickLabel) {
            std::vector<ZtGUI::StructOSDInfo> osd{osdRecord(0, 4096, 2048, 8192)};
            host.wall->SetScreenOSDInfo(0, osd);
            if (gesture == RightClickLabel)
                host.wall->SetScreenWindowBackgroudColor(0, Qt::black, true);
            label = host.screen(0)->findChild<ZtGUI::MovableSub*>()->widget();
        }
        const QPointer<QWidget> w = host.window(0, 0);
        if (gesture == ClickClose)
            KitraTest::click(w, QPoint(50, 40));
        bool fired = false;
        Slot slot;
        slot.run = [&] {
            fired = true;
            if (deletes == Wall)
                host.wall.reset();
            else if (deletes == Screens)
                host.wall->DeleteAllScreen();
            else
                host.wall->DeleteWindow(0, 0);
        };
        QVERIFY(QObject::connect(host.wall.get(), signal.constData(), &slot, SLOT(call())));
        switch (gesture) {
        case ClickWindow: dragUntilGone(w, QPoint(50, 40), QPoint(50, 40)); break;
        case DragBackground: dragUntilGone(host.viewport(0), QPoint(250, 10), QPoint(350, 60)); break;
        case ClickClose: KitraTest::click(w->findChild<QToolButton*>("pWindowCloseBtn"), QPoint(5, 5)); break;
        case DragOSD: dragUntilGone(label, QPoint(30, 30), QPoint(60, 40)); break;
        case RightClickLabel: KitraTest::press(label, QPoint(30, 30), Qt::RightButton); break;
        default: dragUntilGone(w, QPoint(50, 40), QPoint(90, 70));
        }
        QVERIFY(fired);
        QVERIFY(!w);
        QCOMPARE(host.wall == nullptr, deletes == Wall);
    }
};

QTEST_MAIN(tst_DisplayWall)
#include "tst_displaywall.moc"
