// The display wall as a host sees it: failure values, the screen index in front of every relayed
// signal, the painted grid in both skins, and hosts that delete what signals them.
#include "DisplayWallHost.h"
#include "MovableSub.h"
#include "ZtSetting.h"

#include <QMimeData>
#include <QPushButton>

#include <QTemporaryDir>
#include <QToolButton>

namespace {

// A press, four moves and a release between global points, stopping once the widget is gone.
void dragUntilGone(QWidget* widget, const QPoint& from, const QPoint& to)
{
    const QPointer<QWidget> target(widget);
    const auto send = [&target](QEvent::Type type, const QPoint& global, Qt::MouseButton button, Qt::MouseButtons held) {
        if (!target)
            return;
        QMouseEvent event(type, target->mapFromGlobal(global), global, button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 4; ++i)
        send(QEvent::MouseMove, from + (to - from) * i / 4, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

} // namespace

enum Gesture { ClickWindow, DragWindow, DragBackground, DragLocked, ClickClose, DragOSD, RightClickLabel };

// A host that deletes, from a slot, the wall, all its screens or the window that signalled.
class WallKiller : public QObject
{
    Q_OBJECT

public:
    enum Action { Wall, Screens, Window };
    WallKiller(DisplayWallHost& host, Action action) : m_host(host), m_action(action) {}
    bool fired = false;

public slots:
    void kill()
    {
        fired = true;
        if (m_action == Wall)
            m_host.wall.reset();
        else if (m_action == Screens)
            m_host.wall->DeleteAllScreen();
        else
            m_host.wall->DeleteWindow(1, 0);
    }

private:
    DisplayWallHost& m_host;
    Action m_action;
};

class tst_DisplayWall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void addScreenNeedsAGridAndSpansItsCells()
    {
        ZtTVWallDisplayWnd wall;
        QTest::ignoreMessage(QtWarningMsg, "---ZtGUI--- ZtTVWallDisplayWnd::AddScreen: iRows = 0, iCols = 0");
        QCOMPARE(wall.AddScreen(StructScaleRect(0, 0, 1, 1), QVariant()), -1);
        QCOMPARE(wall.GetScreenCount(), 0);
        wall.SetTVWallGridCount(4, 4);
        QCOMPARE(wall.AddScreen(StructScaleRect(0, 0, 0.5, 0.24), QVariant()), 0);     // 0.96 rows
        int rows = 0;
        int cols = 0;
        wall.GetScreenGrid(0, rows, cols);
        QCOMPARE(rows, 1);
        QCOMPARE(cols, 2);
    }

    void badIndexesAnswerTheirFailureValues_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("window");
        QTest::newRow("screen -1") << -1 << 0;
        QTest::newRow("screen = count") << 1 << 0;
        QTest::newRow("window -1") << 0 << -1;
        QTest::newRow("window = count") << 0 << 1;
    }
    void badIndexesAnswerTheirFailureValues()
    {
        QFETCH(int, screen);
        QFETCH(int, window);
        DisplayWallHost host;
        host.open(0, QRect(10, 10, 100, 80));
        const bool badScreen = screen != 0;
        StructScaleRect scale(0.1, 0.2, 0.3, 0.4);
        QCOMPARE(host.wall->DeleteWindow(screen, window), false);
        QCOMPARE(host.wall->SetWindowScale(screen, window, scale), false);
        QCOMPARE(host.wall->GetWindowScale(screen, window, scale), false);
        QCOMPARE(scale.dTop, 0.2);
        QCOMPARE(host.wall->SetWindowZValue(screen, window, 3, true), false);
        QCOMPARE(host.wall->GetWindowZValue(screen, window), -1);
        QCOMPARE(host.wall->GetWindowWidget(screen, window), nullptr);
        QCOMPARE(host.wall->GetWindowUserData(screen, window), QVariant());
        host.wall->SetWindowLockBtn(screen, window, true);
        host.wall->SetWindowVolumeBtn(screen, window, true);
        QCOMPARE(host.wall->GetWindowLockBtnStatus(screen, window), false);
        QCOMPARE(host.wall->GetWindowVolumeBtnStatus(screen, window), false);
        QCOMPARE(host.wall->GetWindowCount(0), 1);
        if (!badScreen)
            return;
        QCOMPARE(host.wall->OpenWindow(screen, scale, QVariant()), -1);
        QCOMPARE(host.wall->GetWindowCount(screen), 0);
        QCOMPARE(host.wall->GetMaxWindowZValue(screen), 1);
        QCOMPARE(host.wall->GetAllWindowIndexs(screen), QList<int>());
        QCOMPARE(host.wall->GetScreenUserData(screen), QVariant());
        QCOMPARE(host.wall->GetScreenScale(screen, scale), false);
        QCOMPARE(host.wall->SetScreenTitle(screen, "x"), false);
        std::vector<ZtGUI::StructOSDInfo> list(1);
        QCOMPARE(host.wall->SetScreenOSDInfo(screen, list), false);
        int rows = 0;
        int cols = 0;
        host.wall->GetScreenGrid(screen, rows, cols);
        QCOMPARE(rows, 1);
        QCOMPARE(cols, 1);
        host.wall->SetSelectedScreenIndex(screen);
        QCOMPARE(host.wall->GetSelectedScreenIndex(), -1);
        QCOMPARE(host.wall->GetSelectedWindowIndexs(), QList<int>());
    }

    void relayedSignalsCarryTheScreenIndex()
    {
        DisplayWallHost host(3);
        host.open(2, QRect(10, 10, 300, 200));
        QSignalSpy screens(host.wall.get(), &ZtTVWallDisplayWnd::SignalScreenSelectedChanged);
        QSignalSpy windows(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowSelectedChanged);
        QSignalSpy closes(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowCloseBtnClicked);
        KitraTest::click(host.viewport(0), QPoint(5, 5));
        KitraTest::click(host.window(2, 0), QPoint(150, 100));
        QCOMPARE(screens.count(), 2);
        QCOMPARE(screens.at(1).at(0).toInt(), 2);
        QCOMPARE(host.wall->GetSelectedScreenIndex(), 2);
        QCOMPARE(windows.count(), 1);
        QCOMPARE(windows.at(0).at(0).toInt(), 2);
        auto* close = host.window(2, 0)->findChild<QToolButton*>("pWindowCloseBtn");
        QVERIFY(close && close->isVisible());
        KitraTest::click(close, QPoint(5, 5));
        QCOMPARE(closes.count(), 1);
        QCOMPARE(closes.at(0), (QList<QVariant>{2, 0}));
        host.wall->SetWindowSelectionMode(ZtTVWallDisplayWnd::SingleSelection);
        QCOMPARE(windows.count(), 2);
        QVERIFY(host.wall->GetSelectedWindowIndexs().isEmpty());
    }

    void windowControlsReachTheHostWithBothIndexes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("close") << "pWindowCloseBtn" << QByteArray(SIGNAL(SignalWindowCloseBtnClicked(int, int)));
        QTest::newRow("volume") << "pWindowVolumeOffBtn" << QByteArray(SIGNAL(SignalWindowVolumeBtnClicked(int, int)));
        QTest::newRow("lock") << "pWindowUnLockBtn" << QByteArray(SIGNAL(SignalWindowLockBtnClicked(int, int)));
        QTest::newRow("dock") << "pWindowDockOffBtn" << QByteArray(SIGNAL(SignalWindowDockBtnClicked(int, int)));
        QTest::newRow("tour") << "pWindowCircleOffBtn" << QByteArray(SIGNAL(SignalWindowTourBtnClicked(int, int)));
        QTest::newRow("ptz") << "pWindowPtzOffBtn" << QByteArray(SIGNAL(SignalWindowPTZBtnClicked(int, int)));
    }
    void windowControlsReachTheHostWithBothIndexes()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, signal);
        DisplayWallHost host(3);
        host.open(2, QRect(10, 10, 300, 200));
        host.open(2, QRect(350, 10, 400, 250));
        KitraTest::click(host.window(2, 1), QPoint(200, 120));
        QSignalSpy spy(host.wall.get(), signal.constData());
        auto* control = host.window(2, 1)->findChild<QToolButton*>(button);
        QVERIFY(control && control->isVisible());
        KitraTest::click(control, QPoint(5, 5));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant>{2, 1}));
    }

    void ptzControlsReportPressAndRelease()
    {
        DisplayWallHost host(3);
        host.open(2, QRect(350, 10, 400, 250));
        host.wall->SetWindowPTZBtn(2, 0, true);
        QSignalSpy ptz(host.wall.get(), &ZtTVWallDisplayWnd::SignalPTZEvent);
        auto* left = host.window(2, 0)->findChild<QPushButton*>("PTZLeftBtn");
        QVERIFY(left && left->isVisible());
        KitraTest::click(left, QPoint(10, 10));
        QCOMPARE(ptz.count(), 2);
        QCOMPARE(ptz.at(0), (QList<QVariant>{2, 0, 2, 1, false}));
        QCOMPARE(ptz.at(1), (QList<QVariant>{2, 0, 2, 1, true}));
    }

    void gridIsPaintedInTheSkinsColours_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("light") << QString() << QColor(120, 133, 150);
        QTest::newRow("dark") << QStringLiteral("Dark") << QColor(41, 41, 41);
    }
    void gridIsPaintedInTheSkinsColours()
    {
        QFETCH(QString, style);
        QFETCH(QColor, fill);
        QTemporaryDir dir;
        ZtGUI::ZtSetting::UnInstance();
        ZtGUI::ZtSetting::setIniPath(dir.filePath("settings.ini"));
        ZtGUI::ZtSetting::GetInstance()->WriteValue("SkinStyle", "SkinFolder", style);
        ZtTVWallDisplayWnd wall;
        ZtGUI::ZtSetting::UnInstance();
        ZtGUI::ZtSetting::setIniPath(QString());
        wall.SetTVWallGridCount(2, 4);
        wall.resize(400, 300);
        const QImage image = wall.grab().toImage();
        QCOMPARE(image.pixelColor(10, 10), fill);
        // A half-transparent white line at every inner row and column boundary.
        for (const QPoint& onLine : {QPoint(10, 150), QPoint(100, 10), QPoint(200, 10), QPoint(300, 10)}) {
            const QColor c = image.pixelColor(onLine);
            QVERIFY2(c.red() > fill.red() && c.blue() > fill.blue(), qPrintable(c.name()));
        }
        QCOMPARE(image.pixelColor(10, 0), fill);       // no line on the near edge
    }

    void dropsAndMenusReportTheirTarget_data()
    {
        QTest::addColumn<bool>("onWindow");
        QTest::newRow("background") << false;
        QTest::newRow("window") << true;
    }
    void dropsAndMenusReportTheirTarget()
    {
        QFETCH(bool, onWindow);
        DisplayWallHost host(2);
        host.open(1, QRect(10, 10, 100, 80));
        QList<int> screenEvents;
        QList<int> windowEvents;
        // The host takes the drag where it is offered.
        connect(host.wall.get(), &ZtTVWallDisplayWnd::SignalScreenEvent, [&screenEvents](int s, QEvent* e) {
            screenEvents << s << e->type();
            static_cast<QDropEvent*>(e)->acceptProposedAction();
        });
        connect(host.wall.get(), &ZtTVWallDisplayWnd::SignalWindowEvent, [&windowEvents](int s, int w, QEvent* e) {
            windowEvents << s << w << e->type();
            static_cast<QDropEvent*>(e)->acceptProposedAction();
        });
        QMimeData data;
        data.setText("camera 7");
        QWidget* target = onWindow ? static_cast<QWidget*>(host.window(1, 0)) : host.viewport(1);
        QDragEnterEvent enter(QPoint(50, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPoint(50, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        const QList<int> window{1, 0, QEvent::DragEnter, 1, 0, QEvent::Drop};
        const QList<int> screen{1, QEvent::DragEnter, 1, QEvent::Drop};
        QCOMPARE(windowEvents, onWindow ? window : QList<int>());
        QCOMPARE(screenEvents, onWindow ? QList<int>() : screen);

        QSignalSpy menus(host.wall.get(), &ZtTVWallDisplayWnd::SignalScreenRightClick);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(300, 250));
        QApplication::sendEvent(host.viewport(1), &menu);
        QCOMPARE(menus.count(), 1);
        QCOMPARE(menus.at(0).at(0).toInt(), 1);
    }

    void hostMayDeleteWhatSignalsIt_data()
    {
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<int>("gesture");
        QTest::addColumn<int>("action");
        const int wall = WallKiller::Wall;
        const int screens = WallKiller::Screens;
        const int window = WallKiller::Window;
        QTest::newRow("screen selected: wall") << QByteArray(SIGNAL(SignalScreenSelectedChanged(int))) << int(DragBackground) << wall;
        QTest::newRow("screen selected: screens") << QByteArray(SIGNAL(SignalScreenSelectedChanged(int))) << int(ClickWindow) << screens;
        QTest::newRow("draw area: wall") << QByteArray(SIGNAL(SignalDrawAreaOpenWindow(int, ZtGUI::StructScaleRect))) << int(DragBackground) << wall;
        QTest::newRow("draw area: screens") << QByteArray(SIGNAL(SignalDrawAreaOpenWindow(int, ZtGUI::StructScaleRect))) << int(DragBackground) << screens;
        QTest::newRow("window selected: wall") << QByteArray(SIGNAL(SignalWindowSelectedChanged(int))) << int(ClickWindow) << wall;
        QTest::newRow("window selected: window") << QByteArray(SIGNAL(SignalWindowSelectedChanged(int))) << int(ClickWindow) << window;
        QTest::newRow("window event: window") << QByteArray(SIGNAL(SignalWindowEvent(int, int, QEvent*))) << int(ClickWindow) << window;
        QTest::newRow("window event: wall") << QByteArray(SIGNAL(SignalWindowEvent(int, int, QEvent*))) << int(DragWindow) << wall;
        QTest::newRow("geometry: wall") << QByteArray(SIGNAL(SignalWindowGeoChanged(int, int, ZtGUI::StructScaleRect))) << int(DragWindow) << wall;
        QTest::newRow("geometry: window") << QByteArray(SIGNAL(SignalWindowGeoChanged(int, int, ZtGUI::StructScaleRect))) << int(DragWindow) << window;
        QTest::newRow("lock: wall") << QByteArray(SIGNAL(SignalLockEvent(QString))) << int(DragLocked) << wall;
        QTest::newRow("close button: window") << QByteArray(SIGNAL(SignalWindowCloseBtnClicked(int, int))) << int(ClickClose) << window;
        QTest::newRow("close button: wall") << QByteArray(SIGNAL(SignalWindowCloseBtnClicked(int, int))) << int(ClickClose) << wall;
        QTest::newRow("osd moved: wall") << QByteArray(SIGNAL(SignalOSDGeoChanged(int, int, QRect, bool))) << int(DragOSD) << wall;
        QTest::newRow("osd moved: screens") << QByteArray(SIGNAL(SignalOSDGeoChanged(int, int, QRect, bool))) << int(DragOSD) << screens;
        QTest::newRow("label: wall") << QByteArray(SIGNAL(SignalLabelEvent(int, int, QEvent*))) << int(RightClickLabel) << wall;
    }
    void hostMayDeleteWhatSignalsIt()
    {
        QFETCH(QByteArray, signal);
        QFETCH(int, gesture);
        QFETCH(int, action);
        DisplayWallHost host(2);
        host.open(1, QRect(100, 50, 100, 80));
        if (gesture == DragLocked)
            host.wall->SetTVWallLockStatus(true);
        std::vector<ZtGUI::StructOSDInfo> osd(1);
        osd[0].bShow = true;
        osd[0].struRect = {0, 4096, 2048, 8192};
        host.wall->SetScreenOSDInfo(1, osd);
        QWidget* label = host.screen(1)->findChild<ZtGUI::MovableSub*>()->widget();
        if (gesture == RightClickLabel)
            host.wall->SetScreenWindowBackgroudColor(1, Qt::black, true);
        ZtTVWallDisplayWindow* w = host.window(1, 0);
        if (gesture == ClickClose)
            KitraTest::click(w, QPoint(50, 40));
        WallKiller killer(host, WallKiller::Action(action));
        QVERIFY(QObject::connect(host.wall.get(), signal.constData(), &killer, SLOT(kill())));
        const QPointer<QWidget> window(w);
        QWidget* viewport = host.viewport(1);
        switch (gesture) {
        case ClickWindow:
            dragUntilGone(w, w->mapToGlobal(QPoint(50, 40)), w->mapToGlobal(QPoint(50, 40)));
            break;
        case DragBackground:
            dragUntilGone(viewport, viewport->mapToGlobal(QPoint(250, 10)), viewport->mapToGlobal(QPoint(350, 60)));
            break;
        case ClickClose:
            KitraTest::click(w->findChild<QToolButton*>("pWindowCloseBtn"), QPoint(5, 5));
            break;
        case DragOSD:
            dragUntilGone(label, label->mapToGlobal(QPoint(30, 30)), label->mapToGlobal(QPoint(60, 40)));
            break;
        case RightClickLabel:
            KitraTest::press(label, QPoint(30, 30), Qt::RightButton);
            break;
        default:
            dragUntilGone(w, w->mapToGlobal(QPoint(50, 40)), w->mapToGlobal(QPoint(90, 70)));
        }
        QVERIFY(killer.fired);
        QVERIFY(!window);
        QCOMPARE(host.wall == nullptr, action == WallKiller::Wall);
    }
};

QTEST_MAIN(tst_DisplayWall)
#include "tst_displaywall.moc"
