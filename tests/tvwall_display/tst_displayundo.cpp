// The display wall's undo stack and keyboard, as a host and an operator use them: gestures by
// mouse and keys become commands, undo and redo report what they put back, host calls stay out.
#include "DisplayTest.h"

#include <QRandomGenerator>
#include <QToolButton>
#include <QUndoStack>

namespace {

const int kScreen = 2;      // the bottom half of the host's wall: 800 x 300 pixels, 1 row and 2 cells

using Scales = QList<StructScaleRect>;

bool same(const StructScaleRect& a, const StructScaleRect& b)
{
    return a.dLeft == b.dLeft && a.dTop == b.dTop && a.dRight == b.dRight && a.dBottom == b.dBottom;
}

QString text(const StructScaleRect& r)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(r.dLeft, 0, 'g', 17).arg(r.dTop, 0, 'g', 17)
        .arg(r.dRight, 0, 'g', 17).arg(r.dBottom, 0, 'g', 17);
}

StructScaleRect scaleAt(const QList<QVariant>& signal)
{
    return qvariant_cast<StructScaleRect>(signal.at(2));
}

} // namespace

// A host that deletes the wall from a slot.
class WallDeleter : public QObject
{
    Q_OBJECT

public:
    explicit WallDeleter(std::unique_ptr<ZtTVWallDisplayWnd>& wall) : m_wall(wall) {}

public slots:
    void kill() { m_wall.reset(); }

private:
    std::unique_ptr<ZtTVWallDisplayWnd>& m_wall;
};

class tst_DisplayUndo : public QObject
{
    Q_OBJECT

private:
    DisplayWallHost* m_host = nullptr;
    ZtTVWallDisplayWnd* wall() const { return m_host->wall.get(); }
    QUndoStack* stack() const { return wall()->GetUndoStack(); }

    StructScaleRect scale(int w) const
    {
        StructScaleRect r;
        wall()->GetWindowScale(kScreen, w, r);
        return r;
    }
    Scales scales() const
    {
        Scales all;
        for (int w = 0; w < wall()->GetWindowCount(kScreen); ++w)
            all << scale(w);
        return all;
    }
    void select(const QList<int>& windows)
    {
        wall()->SetWindowSelectionMode(windows.size() > 1 ? ZtTVWallDisplayWnd::MultiSelection
                                                          : ZtTVWallDisplayWnd::SingleSelection);
        wall()->SetSelectedScreenIndex(kScreen);
        // A click as the window system sends it, which also gives focus.
        for (int w : windows)
            QTest::mouseClick(m_host->window(kScreen, w), Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
        QCOMPARE(wall()->GetSelectedWindowIndexs(), windows);
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(wall(), Qt::Key(key), modifiers);
    }
    void compareScales(const Scales& actual, const Scales& expected)
    {
        QCOMPARE(actual.size(), expected.size());
        for (int i = 0; i < actual.size(); ++i)
            QVERIFY2(same(actual.at(i), expected.at(i)), qPrintable(QStringLiteral("window %1: %2, expected %3")
                                                                      .arg(i).arg(text(actual.at(i)), text(expected.at(i)))));
    }

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void init()
    {
        m_host = new DisplayWallHost(3);
        wall()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(wall()));
        m_host->open(kScreen, QRect(100, 50, 200, 100));
        m_host->open(kScreen, QRect(400, 100, 100, 60));
        m_host->open(kScreen, QRect(600, 150, 150, 120));
        QCOMPARE(stack()->count(), 0);      // opening is the host's
    }
    void cleanup()
    {
        delete m_host;
        m_host = nullptr;
    }

    // A click gives the wall focus but leaves its picture alone; the first key shows the frame.
    void aClickGivesTheWallFocusAndAKeyAFrame()
    {
        wall()->clearFocus();
        const QColor accent(24, 144, 255);
        const QPoint edge(0, 150);      // on screen 0, whose own border is white while unselected
        QVERIFY(wall()->grab().toImage().pixelColor(edge) != accent);
        select({0});
        QVERIFY(wall()->hasFocus());
        QVERIFY(wall()->grab().toImage().pixelColor(edge) != accent);
        QTest::keyClick(wall(), Qt::Key_Tab);
        QCOMPARE(wall()->grab().toImage().pixelColor(edge), accent);
        QCOMPARE(wall()->grab().toImage().pixelColor(799, 10), accent);
        wall()->clearFocus();
        QVERIFY(wall()->grab().toImage().pixelColor(edge) != accent);
    }

    void arrowsMoveAndResizeTheSelectedWindows_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QRect>("pixels");      // window 0 starts at (100, 50, 200, 100)
        QTest::newRow("right") << int(Qt::Key_Right) << int(Qt::NoModifier) << QRect(101, 50, 200, 100);
        QTest::newRow("up") << int(Qt::Key_Up) << int(Qt::NoModifier) << QRect(100, 49, 200, 100);
        QTest::newRow("shift left: to the edge") << int(Qt::Key_Left) << int(Qt::ShiftModifier) << QRect(0, 50, 200, 100);
        QTest::newRow("shift right: one cell") << int(Qt::Key_Right) << int(Qt::ShiftModifier) << QRect(500, 50, 200, 100);
        QTest::newRow("shift down: to the edge") << int(Qt::Key_Down) << int(Qt::ShiftModifier) << QRect(100, 200, 200, 100);
        QTest::newRow("ctrl right grows") << int(Qt::Key_Right) << int(Qt::ControlModifier) << QRect(100, 50, 201, 100);
        QTest::newRow("ctrl up shrinks") << int(Qt::Key_Up) << int(Qt::ControlModifier) << QRect(100, 50, 200, 99);
    }
    void arrowsMoveAndResizeTheSelectedWindows()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QRect, pixels);
        select({0});
        QSignalSpy geo(wall(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        this->key(key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(m_host->window(kScreen, 0)->geometry(), pixels);
        QCOMPARE(geo.count(), 1);
        QCOMPARE(geo.at(0).at(0).toInt(), kScreen);
        QCOMPARE(geo.at(0).at(1).toInt(), 0);
        QVERIFY(same(scaleAt(geo.at(0)), scale(0)));
        QCOMPARE(stack()->count(), 1);
    }

    void keysStopAtEdgesAndTheSmallestSize()
    {
        wall()->SetWindowScale(kScreen, 1, StructScaleRect(0.0, 0.0, 60 / 800.0, 0.2));
        select({1});
        QSignalSpy geo(wall(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        key(Qt::Key_Left);
        key(Qt::Key_Up);
        for (int i = 0; i < 20; ++i)
            key(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(m_host->window(kScreen, 1)->width(), 50);      // as small as the mouse leaves it
        QCOMPARE(geo.count(), 10);
        key(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(geo.count(), 10);
    }

    void noSelectionModeKeepsWindowsStill()
    {
        select({0});
        wall()->SetWindowSelectionMode(ZtTVWallDisplayWnd::NoSelection);     // as the mouse: no drags
        QSignalSpy geo(wall(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        key(Qt::Key_Right);
        key(Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(geo.count(), 0);
        QCOMPARE(stack()->count(), 0);
    }

    void locksKeepWindowsWhereTheyAre_data()
    {
        QTest::addColumn<bool>("wallLock");
        QTest::addColumn<QList<int>>("lockButtons");
        QTest::addColumn<QList<int>>("moved");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("one of two") << false << QList<int>{0} << QList<int>{1} << QString();
        QTest::newRow("both") << false << QList<int>{0, 1} << QList<int>() << QStringLiteral("Window locked!");
        QTest::newRow("wall") << true << QList<int>() << QList<int>() << QStringLiteral("TVWall Locked!");
    }
    void locksKeepWindowsWhereTheyAre()
    {
        QFETCH(bool, wallLock);
        QFETCH(QList<int>, lockButtons);
        QFETCH(QList<int>, moved);
        QFETCH(QString, refusal);
        select({0, 1});
        wall()->SetTVWallLockStatus(wallLock);
        for (int w : lockButtons)
            wall()->SetWindowLockBtn(kScreen, w, true);
        const Scales before = scales();
        QSignalSpy geo(wall(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        QSignalSpy lock(wall(), &ZtTVWallDisplayWnd::SignalLockEvent);
        key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(geo.count(), moved.size());
        for (int i = 0; i < moved.size(); ++i)
            QCOMPARE(geo.at(i).at(1).toInt(), moved.at(i));
        QCOMPARE(lock.count(), refusal.isEmpty() ? 0 : 1);
        if (!refusal.isEmpty())
            QCOMPARE(lock.at(0).at(0).toString(), refusal);
        QCOMPARE(stack()->count(), moved.isEmpty() ? 0 : 1);
        compareScales({scale(0)}, {before.at(0)});
    }

    void deleteAsksTheHostAsTheCloseButtonDoes()
    {
        select({0, 2});
        QSignalSpy close(wall(), &ZtTVWallDisplayWnd::SignalWindowCloseBtnClicked);
        // The host closes at once: the second window's number has dropped by the time it is asked about.
        connect(wall(), &ZtTVWallDisplayWnd::SignalWindowCloseBtnClicked, wall(), &ZtTVWallDisplayWnd::DeleteWindow);
        key(Qt::Key_Delete);
        QCOMPARE(close.count(), 2);
        QCOMPARE(close.at(0), (QList<QVariant>{kScreen, 0}));
        QCOMPARE(close.at(1), (QList<QVariant>{kScreen, 1}));
        QCOMPARE(wall()->GetWindowCount(kScreen), 1);
    }

    void tabWalksTheWindowsAndEscapeClears()
    {
        select({1});
        QVERIFY(wall()->hasFocus());
        QSignalSpy selected(wall(), &ZtTVWallDisplayWnd::SignalWindowSelectedChanged);
        QList<int> seen;
        for (int i = 0; i < 3; ++i) {
            key(Qt::Key_Tab);
            seen << wall()->GetSelectedWindowIndexs();
        }
        QCOMPARE(seen, (QList<int>{2, 0, 1}));
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(wall()->GetSelectedWindowIndexs(), QList<int>{0});
        QVERIFY(wall()->hasFocus());      // Tab never leaves the wall
        key(Qt::Key_Escape);
        QVERIFY(wall()->GetSelectedWindowIndexs().isEmpty());
        QCOMPARE(selected.count(), 5);
        QCOMPARE(selected.at(4).at(0).toInt(), kScreen);
        key(Qt::Key_Escape);
        QCOMPARE(selected.count(), 5);      // nothing left to unselect
        QCOMPARE(stack()->count(), 0);      // selection is no command
    }

    void gesturesUndoAndRedo_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("changed");
        QTest::newRow("drag") << "drag" << "Move window(s)" << QList<int>{0};
        QTest::newRow("group drag") << "group" << "Move window(s)" << QList<int>{0, 1};
        QTest::newRow("resize") << "resize" << "Resize window" << QList<int>{0};
        QTest::newRow("maximise button") << "button" << "Maximise window" << QList<int>{0};
        QTest::newRow("double click") << "double" << "Maximise window" << QList<int>{0};
        QTest::newRow("return") << "return" << "Maximise window" << QList<int>{0};
        QTest::newRow("arrow keys") << "keys" << "Move window(s)" << QList<int>{0};
    }
    void gesturesUndoAndRedo()
    {
        QFETCH(QString, gesture);
        QFETCH(QString, name);
        QFETCH(QList<int>, changed);
        select(gesture == "group" ? QList<int>{0, 1} : QList<int>{0});
        const Scales before = scales();
        ZtTVWallDisplayWindow* w = m_host->window(kScreen, 0);
        const QPoint grip(w->width() - 2, w->height() - 2);
        if (gesture == "drag" || gesture == "group")
            KitraTest::dragGlobal(w, w->mapToGlobal(QPoint(50, 40)), w->mapToGlobal(QPoint(90, 70)));
        else if (gesture == "resize")
            KitraTest::dragGlobal(w, w->mapToGlobal(grip), w->mapToGlobal(grip + QPoint(30, 20)));
        else if (gesture == "button")
            KitraTest::click(w->findChild<QToolButton*>("pWindowMaxBtn"), QPoint(5, 5));
        else if (gesture == "double")
            KitraTest::doubleClick(w, QPoint(50, 40));
        else if (gesture == "return")
            key(Qt::Key_Return);
        else
            for (int i = 0; i < 5; ++i)
                key(i % 2 ? Qt::Key_Down : Qt::Key_Right);
        const Scales after = scales();
        QCOMPARE(stack()->count(), 1);      // one gesture, one command
        QCOMPARE(stack()->undoText(), name);

        QSignalSpy geo(wall(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        stack()->undo();
        compareScales(scales(), before);
        QCOMPARE(geo.count(), changed.size());
        for (int i = 0; i < changed.size(); ++i) {
            QCOMPARE(geo.at(i).at(0).toInt(), kScreen);
            QCOMPARE(geo.at(i).at(1).toInt(), changed.at(i));
            QVERIFY(same(scaleAt(geo.at(i)), before.at(changed.at(i))));
        }
        geo.clear();
        stack()->redo();
        compareScales(scales(), after);
        QCOMPARE(geo.count(), changed.size());
        QVERIFY(same(scaleAt(geo.at(0)), after.at(changed.at(0))));
    }

    void maximiseUndoneRestoresToWhereItWas()
    {
        select({0});
        const StructScaleRect start = scale(0);
        key(Qt::Key_Return);
        key(Qt::Key_Left, Qt::ControlModifier);     // resizing a maximised window leaves it normal
        stack()->undo();
        QVERIFY(same(scale(0), StructScaleRect(0.0, 0.0, 1.0, 1.0)));
        key(Qt::Key_Return);    // restore goes back to where maximise started
        QVERIFY(same(scale(0), start));
        QCOMPARE(stack()->undoText(), QStringLiteral("Restore window"));
    }

    void hostCallsAreNotRecorded()
    {
        wall()->SetWindowScale(kScreen, 0, StructScaleRect(0.1, 0.1, 0.3, 0.3));
        wall()->OpenWindow(kScreen, StructScaleRect(0.5, 0.5, 0.6, 0.6), QVariant());
        wall()->SetWindowDockBtn(kScreen, 1, true);
        wall()->SetWindowZValue(kScreen, 2, 5, true);
        QCOMPARE(stack()->count(), 0);
    }

    void deletingWindowsOrScreensClearsTheStack_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("one window") << 0;
        QTest::newRow("windows of a screen") << 1;
        QTest::newRow("all windows") << 2;
        QTest::newRow("all screens") << 3;
    }
    void deletingWindowsOrScreensClearsTheStack()
    {
        QFETCH(int, how);
        select({2});
        key(Qt::Key_Left);
        key(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(stack()->count(), 2);
        wall()->DeleteWindow(0, 0);     // nothing there: nothing deleted
        QCOMPARE(stack()->count(), 2);
        switch (how) {
        case 0: wall()->DeleteWindow(kScreen, 0); break;
        case 1: wall()->DeleteAllWindows(kScreen); break;
        case 2: wall()->DeleteAllWindows(); break;
        default: wall()->DeleteAllScreen();
        }
        QCOMPARE(stack()->count(), 0);
    }

    void undoLeavesLockedWindowsAlone()
    {
        select({0, 1});
        key(Qt::Key_Right, Qt::ShiftModifier);
        const Scales moved = scales();
        wall()->SetWindowLockBtn(kScreen, 0, true);
        QSignalSpy geo(wall(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        stack()->undo();
        QCOMPARE(geo.count(), 1);
        QCOMPARE(geo.at(0).at(1).toInt(), 1);
        QVERIFY(same(scale(0), moved.at(0)));
    }

    void hostMayDeleteFromASlotOfUndo_data()
    {
        QTest::addColumn<bool>("wholeWall");
        QTest::newRow("window") << false;
        QTest::newRow("wall") << true;
    }
    void hostMayDeleteFromASlotOfUndo()
    {
        QFETCH(bool, wholeWall);
        select({0, 1});
        key(Qt::Key_Down);
        QPointer<QUndoStack> history(stack());
        int calls = 0;
        connect(wall(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged, wall(), [this, wholeWall, &calls] {
            ++calls;
            if (wholeWall)
                m_host->wall.reset();
            else
                wall()->DeleteWindow(kScreen, 0);
        });
        history->undo();
        QCOMPARE(calls, 1);     // the second window is not touched: its number is no longer sure
        if (wholeWall) {
            QVERIFY(!m_host->wall);
            QTRY_VERIFY(!history);
        } else {
            QCOMPARE(history->count(), 0);
            QCOMPARE(wall()->GetWindowCount(kScreen), 2);
        }
    }

    void hostMayDeleteTheWallFromASlotOfAKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<bool>("locked");
        QTest::newRow("arrow") << int(Qt::Key_Down) << QByteArray(SIGNAL(SignalWindowGeoChanged(int, int, ZtGUI::StructScaleRect))) << false;
        QTest::newRow("return") << int(Qt::Key_Return) << QByteArray(SIGNAL(SignalWindowGeoChanged(int, int, ZtGUI::StructScaleRect))) << false;
        QTest::newRow("delete") << int(Qt::Key_Delete) << QByteArray(SIGNAL(SignalWindowCloseBtnClicked(int, int))) << false;
        QTest::newRow("locked arrow") << int(Qt::Key_Down) << QByteArray(SIGNAL(SignalLockEvent(QString))) << true;
    }
    void hostMayDeleteTheWallFromASlotOfAKey()
    {
        QFETCH(int, key);
        QFETCH(QByteArray, signal);
        QFETCH(bool, locked);
        select({0, 1});
        wall()->SetTVWallLockStatus(locked);
        WallDeleter deleter(m_host->wall);
        QVERIFY(connect(wall(), signal.constData(), &deleter, SLOT(kill())));
        QTest::keyPress(wall(), Qt::Key(key));      // the release would have no wall to go to
        QVERIFY(!m_host->wall);
    }

    void randomGesturesAllUndoToTheStart()
    {
        const quint32 seed = 20261207;
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        wall()->SetWindowSelectionMode(ZtTVWallDisplayWnd::MultiSelection);
        wall()->SetSelectedScreenIndex(kScreen);
        const Scales start = scales();
        const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
        for (int step = 0; step < 300; ++step) {
            ZtTVWallDisplayWindow* w = m_host->window(kScreen, random.bounded(3));
            switch (random.bounded(7)) {
            case 0: KitraTest::click(w, QPoint(20, 20)); break;
            case 1: key(Qt::Key_Tab); break;
            case 2: key(Qt::Key_Return); break;
            case 3: stack()->undo(); break;
            case 4: stack()->redo(); break;
            case 5: {
                const QPoint to(random.bounded(-150, 150), random.bounded(-80, 80));
                KitraTest::dragGlobal(w, w->mapToGlobal(QPoint(20, 20)), w->mapToGlobal(QPoint(20, 20) + to));
                break;
            }
            default: key(keys[random.bounded(4)], modifiers[random.bounded(3)]);
            }
        }
        QVERIFY(stack()->count() > 10);
        while (stack()->canUndo())
            stack()->undo();
        compareScales(scales(), start);
    }
};

QTEST_MAIN(tst_DisplayUndo)
#include "tst_displayundo.moc"
