// Undo and redo of the operator's gestures on the scene wall, and its keyboard: what a host sees
// through the undo stack, the geometry signals and the window rectangles.
#include "SceneWall.h"

#include "ZtTVWallDisplayWnd.h"

#include <QRandomGenerator>
#include <QUndoStack>

using namespace SceneWallTest;

namespace {

// Every window as screen, window and four sides: the form a geometry spy's calls() take.
Calls scalesOf(const Wall& wall)
{
    Calls all;
    for (int s = 0; s < wall->GetScreenCount(); ++s)
        for (int w = 0; w < wall->GetWindowCount(s); ++w)
            all << Sides{double(s), double(w)} + wall.scale(s, w);
    return all;
}

Calls sorted(Calls all) { std::sort(all.begin(), all.end()); return all; }

StructScaleRect rectOf(const QRectF& r) { return rect(r.left(), r.top(), r.right(), r.bottom()); }

// A focused wall with `windows` on one screen of 400 x 400 pixels (2 x 4 cells of the grid) on the left.
struct FocusedWall : Wall
{
    explicit FocusedWall(const QList<StructScaleRect>& windows = {})
    {
        addScreen(rect(0, 0, 0.5, 1));
        for (const StructScaleRect& w : windows)
            get()->OpenWindow(0, w, {});
        get()->activateWindow();
        get()->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(get()));
    }
    void key(int k, Qt::KeyboardModifiers with = {}) const { QTest::keyClick(get(), Qt::Key(k), with); }
};

const QList<StructScaleRect> twoApart = {rect(0.1, 0.1, 0.45, 0.4), rect(0.5, 0.5, 0.8, 0.8)};

enum Gesture { Drag, GroupMove, Resize, MaximiseButton, FitByDoubleClick };

// Performs `gesture` on windows 0 and 1 of screen 0; the text the stack names it by.
QString perform(const Wall& wall, Gesture gesture)
{
    QWidget* view = wall.viewport();
    const QPoint body = wall.bodyOf(0, 0), other = wall.bodyOf(0, 1);
    const QPoint corner = wall.onWindow(0, 0, wall.window(0, 0)->boundingRect().bottomRight() - QPointF(2, 2));
    switch (gesture) {
    case Drag: KitraTest::drag(view, body, body + QPoint(40, 30)); return QStringLiteral("Move window(s)");
    case GroupMove:
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
        KitraTest::click(view, body);
        KitraTest::click(view, other);
        KitraTest::drag(view, other, other + QPoint(-30, 20));
        return QStringLiteral("Move window(s)");
    case Resize:
        KitraTest::click(view, body);
        KitraTest::drag(view, corner, corner + QPoint(50, 40));
        return QStringLiteral("Resize window");
    case MaximiseButton:
        KitraTest::click(view, wall.buttonAt(0, 0, ZtTVWallNormalWindow::MaxButton));
        return QStringLiteral("Maximise window");
    case FitByDoubleClick:
        break;
    }
    KitraTest::doubleClick(view, body);
    return QStringLiteral("Fit window to cells");
}

} // namespace

class tst_WallUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); useSkin(); }

    void keysMoveAndResizeWithinTheRules_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QRectF>("start");     // left, top, right - left, bottom - top
        QTest::addColumn<QRectF>("expected");  // null: nothing happens
        const auto row = [](const char* name, const char* keys, const QRectF& start, const QRectF& expected) {
            QTest::newRow(name) << QString(keys) << start << expected;
        };
        const QRectF r(0.1, 0.1, 0.2, 0.2);
        const double px = 1.0 / 400;
        row("right, a pixel", "Right", r, r.translated(px, 0));
        row("up, a pixel", "Up", r, r.translated(0, -px));
        row("left, at the edge", "Left", QRectF(0, 0.1, 0.2, 0.2), QRectF());
        row("left, stops at the edge", "Left", QRectF(0.001, 0.1, 0.2, 0.2), QRectF(0, 0.1, 0.2, 0.2));
        row("shift down, a cell", "Shift+Down", r, r.translated(0, 0.25));
        row("shift right, to the edge", "Shift+Right", QRectF(0.1, 0.1, 0.7, 0.2), QRectF(0.3, 0.1, 0.7, 0.2));
        row("ctrl right grows", "Ctrl+Right", r, r.adjusted(0, 0, px, 0));
        row("ctrl up shrinks", "Ctrl+Up", r, r.adjusted(0, 0, 0, -px));
        row("ctrl left, at the least width", "Ctrl+Left", QRectF(0.1, 0.1, 0.125, 0.2), QRectF());
        row("ctrl down, at the bottom", "Ctrl+Down", QRectF(0.1, 0.5, 0.2, 0.5), QRectF());
    }
    void keysMoveAndResizeWithinTheRules()
    {
        QFETCH(QString, keys);
        QFETCH(QRectF, start);
        QFETCH(QRectF, expected);
        FocusedWall wall({rectOf(start)});
        wall->SetSelectedWindowIndexs(0, 0);
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        QTest::keySequence(wall.get(), QKeySequence(keys));
        const Sides now = sides(rectOf(expected.isNull() ? start : expected));
        QCOMPARE(wall.scale(0, 0), now);
        QCOMPARE(calls(geo), (expected.isNull() ? Calls() : Calls{Sides{0, 0} + now}));
        QCOMPARE(wall->GetUndoStack()->count(), expected.isNull() ? 0 : 1);
    }

    // Tab, Return, Escape and Delete work the selection; a frame shows from a key until focus goes.
    void keysWorkTheSelectionAndShowAFrame()
    {
        FocusedWall wall({rect(0, 0.5, 0.25, 0.9), rect(0.3, 0.5, 0.55, 0.9), rect(0.6, 0.5, 0.85, 0.9)});
        wall->SetSelectedScreenIndex(0);
        const QColor accent(24, 144, 255);
        const auto edge = [&wall] { return wall.viewport()->grab().toImage().pixelColor(0, 100); };
        QVERIFY(edge() != accent);
        QSignalSpy selection(wall.get(), &ZtTVWallNormalWnd::SignalWindowSelectedChanged);
        Ids seen;
        for (int key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backtab, Qt::Key_Backtab}) {
            wall.key(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            seen << wall->GetSelectedWindowIndexs();
        }
        QCOMPARE(seen, (Ids{0, 1, 0, 2, 1}));
        QCOMPARE(selection.count(), 5);
        QCOMPARE(QApplication::focusWidget(), wall.get());     // Tab stays on the wall
        QCOMPARE(edge(), accent);

        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        QUndoStack* stack = wall->GetUndoStack();
        wall.key(Qt::Key_Return);
        wall.key(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(calls(geo), (Calls{{0, 1, 0, 0, 1, 1}, {0, 1, 0.3, 0.5, 0.55, 0.9}}));
        QCOMPARE(stack->text(0) + ", " + stack->text(1), QStringLiteral("Maximise window, Restore window"));
        selection.clear();
        wall.key(Qt::Key_Escape);
        QCOMPARE(wall->GetSelectedWindowIndexs(), Ids());
        QCOMPARE(calls(selection), Calls{{0}});

        wall->clearFocus();
        QVERIFY(edge() != accent);
        QTest::mouseClick(wall.viewport(), Qt::LeftButton, {}, QPoint(200, 100));     // focus, no frame
        QVERIFY(wall->hasFocus());
        QVERIFY(edge() != accent);

        // Delete asks as the close button does; the host agrees at once, so the second window
        // asked about has moved down a number.
        wall->SetWindowSelectionMode(ZtTVWallNormalWnd::MultiSelection);
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 0));
        KitraTest::click(wall.viewport(), wall.bodyOf(0, 2));
        wall.key(Qt::Key_Right);
        wall.key(Qt::Key_Up, Qt::ShiftModifier);        // moves by key merge into one command
        wall.key(Qt::Key_Right, Qt::ControlModifier);   // until another gesture
        wall.key(Qt::Key_Right);
        QCOMPARE(stack->count(), 5);
        stack->undo();
        stack->undo();
        geo.clear();
        stack->undo();
        QCOMPARE(sorted(calls(geo)), (Calls{{0, 0, 0, 0.5, 0.25, 0.9}, {0, 2, 0.6, 0.5, 0.85, 0.9}}));
        QSignalSpy asked(wall.get(), &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked);
        connect(wall.get(), &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked, wall.get(),
                &ZtTVWallNormalWnd::DeleteWindow);
        wall.key(Qt::Key_Delete);
        QCOMPARE(calls(asked), (Calls{{0, 0}, {0, 1}}));
        QCOMPARE(wall->GetWindowCount(0), 1);
        QCOMPARE(stack->count(), 0);
    }

    void undoAndRedoGestures_data()
    {
        QTest::addColumn<int>("gesture");
        QTest::addColumn<int>("changed");      // windows 0 and on
        QTest::addColumn<int>("deletion");     // how the host deletes at the end, one way per case
        QTest::newRow("drag") << int(Drag) << 1 << 0;
        QTest::newRow("group move") << int(GroupMove) << 2 << 1;
        QTest::newRow("resize") << int(Resize) << 1 << 2;
        QTest::newRow("maximise button") << int(MaximiseButton) << 1 << 3;
        QTest::newRow("fit by double click") << int(FitByDoubleClick) << 1 << 0;
    }
    // Undo and redo put back and report what the gesture changed; host calls are not recorded,
    // keys and undo leave a locked screen alone, and deleting windows or screens clears the stack.
    void undoAndRedoGestures()
    {
        QFETCH(int, gesture);
        QFETCH(int, changed);
        QFETCH(int, deletion);
        FocusedWall wall(twoApart);
        const Calls start = scalesOf(wall);
        const QString text = perform(wall, Gesture(gesture));
        const Calls done = scalesOf(wall);
        QUndoStack* stack = wall->GetUndoStack();
        QCOMPARE(stack->count(), 1);
        QCOMPARE(stack->undoText(), text);
        QSignalSpy geo(wall.get(), &ZtTVWallNormalWnd::SignalWindowGeoChanged);
        stack->undo();
        QCOMPARE(scalesOf(wall), start);
        QCOMPARE(sorted(calls(geo)), start.mid(0, changed));
        geo.clear();
        stack->redo();
        QCOMPARE(scalesOf(wall), done);
        QCOMPARE(sorted(calls(geo)), done.mid(0, changed));

        wall->SetWindowScale(0, 1, rect(0.5, 0.5, 0.9, 0.9));
        wall->SetSelectedWindowIndexs(0, 1);
        wall.window(0, 1)->Maximize();
        QCOMPARE(stack->count(), 1);
        const Calls moved = scalesOf(wall);
        wall->SetScreenFreeMode(0, false);
        wall.key(Qt::Key_Right);
        stack->undo();
        QCOMPARE(scalesOf(wall), moved);
        switch (deletion) {
        case 0: wall->DeleteWindow(0, 1); break;
        case 1: wall->DeleteAllWindows(0); break;
        case 2: wall->DeleteAllWindows(); break;
        default: wall->DeleteAllScreen();
        }
        QCOMPARE(stack->count(), 0);
    }

    void hostMayDeleteFromAnUndoSignal()
    {
        for (bool wholeWall : {false, true}) {
            FocusedWall wall(twoApart);
            perform(wall, GroupMove);
            const QPointer<ZtTVWallNormalWnd> alive(wall.release());
            const QPointer<QUndoStack> stack = alive->GetUndoStack();
            connect(alive.data(), &ZtTVWallNormalWnd::SignalWindowGeoChanged, stack.data(),
                    [&] { wholeWall ? delete alive.data() : void(alive->DeleteWindow(0, 0)); });
            stack->undo();
            QVERIFY(stack);     // the stack outlives the undo that runs in it, and goes after
            QTRY_VERIFY(wholeWall ? stack.isNull() : stack->count() == 0);
            delete alive.data();
        }
    }

    void facadeGivesTheShownWallsStack()
    {
        ZtTVWallOperateWnd facade;
        facade.SetShowMode(0);
        QCOMPARE(facade.GetUndoStack(), facade.findChild<ZtTVWallNormalWnd*>()->GetUndoStack());
        facade.SetShowMode(1);
        QCOMPARE(facade.GetUndoStack(), facade.findChild<ZtTVWallDisplayWnd*>()->GetUndoStack());
    }

    void randomGesturesUndoToTheStart()
    {
        QRandomGenerator random(24024);     // a fixed seed: a failure repeats
        FocusedWall wall({rect(0.1, 0.1, 0.4, 0.5), rect(0.3, 0.25, 0.6, 0.6), rect(0.5, 0.4, 0.8, 0.7)});
        wall.addScreen(rect(0.5, 0, 1, 0.5));
        for (int i = 0; i < 3; ++i)
            wall->OpenWindow(1, rect(0.1 + 0.2 * i, 0.1 + 0.15 * i, 0.4 + 0.2 * i, 0.5), {});
        const Calls start = scalesOf(wall);
        QUndoStack* stack = wall->GetUndoStack();
        const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
        for (int step = 0; step < 300; ++step) {
            const QPoint body = wall.bodyOf(random.bounded(2), random.bounded(3));
            const QPoint by(random.bounded(-60, 60), random.bounded(-60, 60));
            switch (random.bounded(7)) {
            case 0: KitraTest::click(wall.viewport(), body); break;
            case 1: KitraTest::drag(wall.viewport(), body, body + by); break;
            case 2: KitraTest::doubleClick(wall.viewport(), body); break;
            case 3: wall.key(random.bounded(2) ? Qt::Key_Tab : Qt::Key_Return); break;
            case 4: stack->undo(); break;
            case 5: stack->redo(); break;
            default: wall.key(Qt::Key_Left + random.bounded(4), modifiers[random.bounded(3)]);     // an arrow
            }
        }
        QVERIFY(stack->count() > 20);
        while (stack->canUndo())
            stack->undo();
        QCOMPARE(scalesOf(wall), start);
    }
};

QTEST_MAIN(tst_WallUndo)
#include "tst_wallundo.moc"
