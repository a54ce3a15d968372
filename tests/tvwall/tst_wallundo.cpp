// Undo and redo of the operator's gestures on the scene wall, and its keyboard: what a host sees
// through the undo stack, the geometry signals and the window rectangles.
#include "SceneWall.h"

#include "ZtTVWallDisplayWnd.h"
#include "ZtTVWallOperateWnd.h"

#include <QRandomGenerator>
#include <QUndoStack>

using namespace ZtGUI;
using namespace SceneWallTest;

namespace {

using Scales = QList<QList<double>>;

// Every window's four corners, to compare exactly.
Scales scalesOf(ZtTVWallNormalWnd* wall)
{
    Scales all;
    for (int s = 0; s < wall->GetScreenCount(); ++s) {
        for (int w = 0; w < wall->GetWindowCount(s); ++w) {
            StructScaleRect r;
            wall->GetWindowScale(s, w, r);
            all.append({double(s), double(w), r.dLeft, r.dTop, r.dRight, r.dBottom});
        }
    }
    return all;
}

StructScaleRect scaleOf(ZtTVWallNormalWnd* wall, int s, int w)
{
    StructScaleRect r;
    wall->GetWindowScale(s, w, r);
    return r;
}

bool same(const StructScaleRect& a, const StructScaleRect& b)
{
    return a.dLeft == b.dLeft && a.dTop == b.dTop && a.dRight == b.dRight && a.dBottom == b.dBottom;
}

// A focused wall with one screen of 400 x 400 pixels (2 columns and 4 rows of the grid) on the left.
struct FocusedWall : Wall
{
    FocusedWall()
    {
        addScreen(rect(0, 0, 0.5, 1));
        get()->activateWindow();
        get()->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(get()));
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(get(), Qt::Key(key), modifiers);
    }
};

enum Gesture { Drag, GroupMove, Resize, MaximiseButton, FitByDoubleClick };

// Performs `gesture` on windows 0 and 1 of screen 0; the text the stack names it by.
QString perform(const Wall& wall, Gesture gesture)
{
    switch (gesture) {
    case Drag:
        KitraTest::drag(wall.viewport(), wall.bodyOf(0, 0), wall.bodyOf(0, 0) + QPoint(40, 30));
        return QStringLiteral("Move window(s)");
    case GroupMove:
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 0));
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 1));
        KitraTest::drag(wall.viewport(), wall.bodyOf(0, 1), wall.bodyOf(0, 1) + QPoint(-30, 20));
        return QStringLiteral("Move window(s)");
    case Resize: {
        const QRectF r = wall.window(0, 0)->boundingRect();
        const QPoint corner = wall.onWindow(0, 0, r.bottomRight() - QPointF(2, 2));
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 0));
        KitraTest::drag(wall.viewport(), corner, corner + QPoint(50, 40));
        return QStringLiteral("Resize window");
    }
    case MaximiseButton:
        KitraTest::click(wall.viewport(), wall.buttonAt(0, 0, ZtTVWallNormalWindow::MaxButton));
        return QStringLiteral("Maximise window");
    case FitByDoubleClick:
        KitraTest::doubleClick(wall.viewport(), wall.bodyOf(0, 0));
        return QStringLiteral("Fit window to cells");
    }
    return QString();
}

} // namespace

class tst_WallUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        useSkin();
    }

    void keysMoveAndResizeWithinTheRules_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("free");
        QTest::addColumn<QRectF>("start");     // left, top, right - left, bottom - top
        QTest::addColumn<QRectF>("expected");  // null: nothing happens
        const QRectF r(0.1, 0.1, 0.2, 0.2);
        const double px = 1.0 / 400;
        QTest::newRow("right, a pixel") << int(Qt::Key_Right) << 0 << true << r << r.translated(px, 0);
        QTest::newRow("up, a pixel") << int(Qt::Key_Up) << 0 << true << r << r.translated(0, -px);
        QTest::newRow("left, at the edge") << int(Qt::Key_Left) << 0 << true << QRectF(0, 0.1, 0.2, 0.2) << QRectF();
        QTest::newRow("left, stops at the edge") << int(Qt::Key_Left) << 0 << true << QRectF(0.001, 0.1, 0.2, 0.2)
                                                 << QRectF(0, 0.1, 0.2, 0.2);
        QTest::newRow("shift down, a cell") << int(Qt::Key_Down) << int(Qt::ShiftModifier) << true << r
                                            << r.translated(0, 0.25);
        QTest::newRow("shift right, stops at the edge") << int(Qt::Key_Right) << int(Qt::ShiftModifier) << true
                                                        << QRectF(0.1, 0.1, 0.7, 0.2) << QRectF(0.3, 0.1, 0.7, 0.2);
        QTest::newRow("ctrl right grows") << int(Qt::Key_Right) << int(Qt::ControlModifier) << true << r
                                          << r.adjusted(0, 0, px, 0);
        QTest::newRow("ctrl up shrinks") << int(Qt::Key_Up) << int(Qt::ControlModifier) << true << r
                                         << r.adjusted(0, 0, 0, -px);
        QTest::newRow("ctrl left, at the least width") << int(Qt::Key_Left) << int(Qt::ControlModifier) << true
                                                       << QRectF(0.1, 0.1, 0.125, 0.2) << QRectF();
        QTest::newRow("ctrl down, at the bottom") << int(Qt::Key_Down) << int(Qt::ControlModifier) << true
                                                  << QRectF(0.1, 0.5, 0.2, 0.5) << QRectF();
        QTest::newRow("locked") << int(Qt::Key_Right) << 0 << false << r << QRectF();
    }
    void keysMoveAndResizeWithinTheRules()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, free);
        QFETCH(QRectF, start);
        QFETCH(QRectF, expected);
        FocusedWall wall;
        wall->OpenWindow(0, rect(start.left(), start.top(), start.right(), start.bottom()), {});
        wall->SetSelectedWindowIndexs(0, 0);
        wall->SetScreenFreeMode(0, free);
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        wall.key(key, Qt::KeyboardModifiers(modifiers));
        const QRectF now = expected.isNull() ? start : expected;
        QCOMPARE(sides(scaleOf(wall.get(), 0, 0)), sides(rect(now.left(), now.top(), now.right(), now.bottom())));
        QCOMPARE(geo.count(), expected.isNull() ? 0 : 1);
        QCOMPARE(wall->GetUndoStack()->count(), expected.isNull() ? 0 : 1);
        if (geo.isEmpty())
            return;
        QCOMPARE(geo.at(0).at(0).toInt(), 0);
        QCOMPARE(geo.at(0).at(1).toInt(), 0);
        QCOMPARE(sides(geo.at(0).at(2).value<StructScaleRect>()), sides(rect(now.left(), now.top(), now.right(), now.bottom())));
    }

    void tabReturnAndEscapeWorkTheSelection()
    {
        FocusedWall wall;
        for (int i = 0; i < 3; ++i)
            wall->OpenWindow(0, rect(0.1 * i, 0.1, 0.1 * i + 0.3, 0.5), {});
        wall->SetSelectedScreenIndex(0);
        QSignalSpy selection(wall.get(), &ZtTVWallNormalWnd::SignalWindowSelectedChanged);
        const QList<int> tabs = {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Backtab};
        const QList<int> selected = {0, 1, 0, 2, 1};
        for (int i = 0; i < tabs.size(); ++i) {
            wall.key(tabs.at(i), tabs.at(i) == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(wall->GetSelectedWindowIndexs(), QList<int>{selected.at(i)});
        }
        QCOMPARE(selection.count(), tabs.size());
        QCOMPARE(QApplication::focusWidget(), wall.get());     // Tab stays on the wall

        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        wall.key(Qt::Key_Return);
        QCOMPARE(sides(scaleOf(wall.get(), 0, 1)), (Sides{0, 0, 1, 1}));
        QCOMPARE(wall->GetUndoStack()->undoText(), QStringLiteral("Maximise window"));
        wall.key(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(sides(scaleOf(wall.get(), 0, 1)), (Sides{0.1, 0.1, 0.4, 0.5}));
        QCOMPARE(wall->GetUndoStack()->undoText(), QStringLiteral("Restore window"));
        QCOMPARE(geo.count(), 2);

        selection.clear();
        wall.key(Qt::Key_Escape);
        QCOMPARE(wall->GetSelectedWindowIndexs(), QList<int>());
        QCOMPARE(selection.count(), 1);
        QCOMPARE(selection.at(0).at(0).toInt(), 0);
    }

    void deleteAsksTheHostAsTheCloseButtonDoes()
    {
        FocusedWall wall;
        for (int i = 0; i < 3; ++i)
            wall->OpenWindow(0, rect(0.3 * i, 0.5, 0.3 * i + 0.25, 0.9), {});
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 0));
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 2));
        wall.key(Qt::Key_Right);
        QCOMPARE(wall->GetUndoStack()->count(), 1);
        // The host agrees at once: the second window asked about has moved down a number.
        QList<QPair<int, int>> asked;
        connect(wall.get(), &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked, wall.get(), [&](int s, int w) {
            asked.append({s, w});
            wall->DeleteWindow(s, w);
        });
        wall.key(Qt::Key_Delete);
        QCOMPARE(asked, (QList<QPair<int, int>>{{0, 0}, {0, 1}}));
        QCOMPARE(wall->GetWindowCount(0), 1);
        QCOMPARE(wall->GetUndoStack()->count(), 0);
    }

    // The frame shows once the operator uses the keys, until the wall loses focus; a click gives
    // focus without drawing over the picture.
    void focusFrameShowsAfterAKeyWhileFocused()
    {
        FocusedWall wall;
        const QColor accent(24, 144, 255);
        const auto edge = [&wall] { return wall.viewport()->grab().toImage().pixelColor(0, 200); };
        QVERIFY(edge() != accent);
        wall.key(Qt::Key_Escape);
        QCOMPARE(edge(), accent);
        wall->clearFocus();
        QVERIFY(edge() != accent);
        QTest::mouseClick(wall.viewport(), Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(wall->hasFocus());
        QVERIFY(edge() != accent);
    }

    void undoAndRedoGestures_data()
    {
        QTest::addColumn<int>("gesture");
        QTest::addColumn<int>("changed");     // windows the gesture changes
        QTest::newRow("drag") << int(Drag) << 1;
        QTest::newRow("group move") << int(GroupMove) << 2;
        QTest::newRow("resize") << int(Resize) << 1;
        QTest::newRow("maximise button") << int(MaximiseButton) << 1;
        QTest::newRow("fit by double click") << int(FitByDoubleClick) << 1;
    }
    void undoAndRedoGestures()
    {
        QFETCH(int, gesture);
        QFETCH(int, changed);
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 1));
        wall->OpenWindow(0, rect(0.1, 0.1, 0.45, 0.4), {});
        wall->OpenWindow(0, rect(0.5, 0.5, 0.8, 0.8), {});
        const Scales start = scalesOf(wall.get());
        const QString text = perform(wall, Gesture(gesture));
        const Scales done = scalesOf(wall.get());
        QUndoStack* stack = wall->GetUndoStack();
        QCOMPARE(stack->count(), 1);
        QCOMPARE(stack->undoText(), text);

        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        stack->undo();
        QCOMPARE(scalesOf(wall.get()), start);
        QCOMPARE(geo.count(), changed);
        for (const QList<QVariant>& signal : qAsConst(geo)) {
            const int w = signal.at(1).toInt();
            QCOMPARE(signal.at(0).toInt(), 0);
            QVERIFY(same(signal.at(2).value<StructScaleRect>(), scaleOf(wall.get(), 0, w)));
        }
        geo.clear();
        stack->redo();
        QCOMPARE(scalesOf(wall.get()), done);
        QCOMPARE(geo.count(), changed);
    }

    void keyMovesMergeUntilAnotherGesture()
    {
        FocusedWall wall;
        wall->OpenWindow(0, rect(0.1, 0.1, 0.3, 0.3), {});
        wall->SetSelectedWindowIndexs(0, 0);
        const StructScaleRect start = scaleOf(wall.get(), 0, 0);
        for (int i = 0; i < 3; ++i)
            wall.key(Qt::Key_Right);
        wall.key(Qt::Key_Down, Qt::ShiftModifier);
        QUndoStack* stack = wall->GetUndoStack();
        QCOMPARE(stack->count(), 1);
        wall.key(Qt::Key_Right, Qt::ControlModifier);
        wall.key(Qt::Key_Right);
        QCOMPARE(stack->count(), 3);
        stack->undo();
        stack->undo();
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        stack->undo();
        QVERIFY(same(scaleOf(wall.get(), 0, 0), start));
        QCOMPARE(geo.count(), 1);
        QVERIFY(same(geo.at(0).at(2).value<StructScaleRect>(), start));
    }

    void hostCallsAreNotRecorded()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 1, 1));
        wall->OpenWindow(0, rect(0.1, 0.1, 0.3, 0.3), {});
        wall->SetWindowScale(0, 0, rect(0.2, 0.2, 0.6, 0.6));
        wall->SetWindowZValue(0, 0, 7.0);
        wall->SetSelectedWindowIndexs(0, 0);
        wall.window(0, 0)->Maximize();
        QCOMPARE(wall->GetUndoStack()->count(), 0);
    }

    void deletingWindowsOrScreensClearsTheStack_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("DeleteWindow") << 0;
        QTest::newRow("DeleteAllWindows of a screen") << 1;
        QTest::newRow("DeleteAllWindows") << 2;
        QTest::newRow("DeleteAllScreen") << 3;
    }
    void deletingWindowsOrScreensClearsTheStack()
    {
        QFETCH(int, how);
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 1));
        wall->OpenWindow(0, rect(0.1, 0.1, 0.45, 0.4), {});
        wall->OpenWindow(0, rect(0.5, 0.5, 0.8, 0.8), {});
        perform(wall, Drag);
        wall->SetWindowScale(0, 1, rect(0.5, 0.5, 0.9, 0.9));
        QCOMPARE(wall->GetUndoStack()->count(), 1);
        switch (how) {
        case 0: wall->DeleteWindow(0, 1); break;
        case 1: wall->DeleteAllWindows(0); break;
        case 2: wall->DeleteAllWindows(); break;
        default: wall->DeleteAllScreen(); break;
        }
        QCOMPARE(wall->GetUndoStack()->count(), 0);
    }

    void undoLeavesLockedWindowsAlone()
    {
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 1));
        wall->OpenWindow(0, rect(0.1, 0.1, 0.45, 0.4), {});
        perform(wall, Drag);
        const Scales moved = scalesOf(wall.get());
        wall->SetScreenFreeMode(0, false);
        wall->GetUndoStack()->undo();
        QCOMPARE(scalesOf(wall.get()), moved);
    }

    void hostMayDeleteFromAnUndoSignal_data()
    {
        QTest::addColumn<bool>("wholeWall");
        QTest::newRow("a window") << false;
        QTest::newRow("the wall") << true;
    }
    void hostMayDeleteFromAnUndoSignal()
    {
        QFETCH(bool, wholeWall);
        Wall wall;
        wall.addScreen(rect(0, 0, 0.5, 1));
        wall->OpenWindow(0, rect(0.1, 0.1, 0.45, 0.4), {});
        wall->OpenWindow(0, rect(0.5, 0.5, 0.8, 0.8), {});
        perform(wall, GroupMove);
        const QPointer<ZtTVWallNormalWnd> alive(wall.release());
        const QPointer<QUndoStack> stack = alive->GetUndoStack();
        connect(alive.data(), &ZtTVWallNormalWnd::SignalWindowGeoChanged, stack.data(), [&] {
            if (wholeWall)
                delete alive.data();
            else
                alive->DeleteWindow(0, 0);
        });
        stack->undo();
        QVERIFY(stack);     // the stack outlives the undo that runs in it, and goes after
        QTRY_VERIFY(wholeWall ? stack.isNull() : stack->count() == 0);
        QCOMPARE(alive.isNull(), wholeWall);
        delete alive.data();
    }

    void facadeGivesTheShownWallsStack()
    {
        ZtTVWallOperateWnd facade;
        QCOMPARE(facade.GetUndoStack(), nullptr);
        facade.SetShowMode(0);
        const auto* scene = facade.findChild<ZtTVWallNormalWnd*>();
        QVERIFY(scene && facade.GetUndoStack() == scene->GetUndoStack());
        facade.SetShowMode(1);
        const auto* display = facade.findChild<ZtTVWallDisplayWnd*>();
        QVERIFY(display && facade.GetUndoStack() == display->GetUndoStack());
    }

    void randomGesturesUndoToTheStart()
    {
        const quint32 seed = 24024;
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        FocusedWall wall;
        wall.addScreen(rect(0.5, 0, 1, 0.5));
        for (int s = 0; s < 2; ++s) {
            for (int i = 0; i < 3; ++i)
                wall->OpenWindow(s, rect(0.1 + 0.2 * i, 0.1 + 0.15 * i, 0.4 + 0.2 * i, 0.5 + 0.1 * i), {});
        }
        const Scales start = scalesOf(wall.get());
        QUndoStack* stack = wall->GetUndoStack();
        const QList<int> arrows = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        const QList<int> modifiers = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
        for (int step = 0; step < 300; ++step) {
            const int s = random.bounded(2);
            const int w = random.bounded(3);
            switch (random.bounded(7)) {
            case 0:
                KitraTest::click(wall.viewport(), wall.bodyOf(s, w));
                break;
            case 1:
                KitraTest::drag(wall.viewport(), wall.bodyOf(s, w),
                                wall.bodyOf(s, w) + QPoint(random.bounded(-60, 60), random.bounded(-60, 60)));
                break;
            case 2:
                KitraTest::doubleClick(wall.viewport(), wall.bodyOf(s, w));
                break;
            case 3:
                wall.key(random.bounded(2) ? Qt::Key_Tab : Qt::Key_Return);
                break;
            case 4:
                stack->undo();
                break;
            case 5:
                stack->redo();
                break;
            default:
                wall.key(arrows.at(random.bounded(4)), Qt::KeyboardModifiers(modifiers.at(random.bounded(3))));
                break;
            }
        }
        QVERIFY(stack->count() > 20);
        while (stack->canUndo())
            stack->undo();
        QCOMPARE(scalesOf(wall.get()), start);
    }
};

QTEST_MAIN(tst_WallUndo)
#include "tst_wallundo.moc"
