// The display wall's undo stack and keyboard, as a host and an operator use them: gestures by
// mouse and keys become commands, undo and redo report what they put back, host calls stay out.
#include "DisplayTest.h"

#include <QRandomGenerator>
#include <QToolButton>
#include <QUndoStack>

namespace {

const int kScreen = 2;      // the bottom half of the host's wall: 800 x 300 pixels, 1 row and 2 cells

using Row = QList<double>;  // screen, window and four sides, exactly
using Rows = QList<Row>;

Row sidesOf(const StructScaleRect& r) { return {r.dLeft, r.dTop, r.dRight, r.dBottom}; }

// A geometry spy's calls in the form scales() gives.
Rows flat(const QSignalSpy& spy)
{
    Rows out;
    for (const QVariantList& c : spy)
        out << Row{c.at(0).toDouble(), c.at(1).toDouble()} + sidesOf(qvariant_cast<StructScaleRect>(c.at(2)));
    return out;
}

} // namespace

class tst_DisplayUndo : public QObject
{
    Q_OBJECT

private:
    DisplayWallHost* m_host = nullptr;
    ZtTVWallDisplayWnd* wall() const { return m_host->wall.get(); }
    QUndoStack* stack() const { return wall()->GetUndoStack(); }

    Rows scales() const
    {
        Rows all;
        StructScaleRect r;
        for (int w = 0; wall()->GetWindowScale(kScreen, w, r); ++w)
            all << Row{kScreen, double(w)} + sidesOf(r);
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
    void key(int key, Qt::KeyboardModifiers with = {}) { QTest::keyClick(wall(), Qt::Key(key), with); }

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void init()
    {
        m_host = new DisplayWallHost(3);
        wall()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(wall()));
        for (const QRect& r : {QRect(100, 50, 200, 100), QRect(400, 100, 100, 60), QRect(600, 150, 150, 120)})
            m_host->open(kScreen, r);
    }
    void cleanup() { delete m_host; m_host = nullptr; }

    // A click gives the wall focus but leaves its picture alone; the first key shows the frame.
    // Tab walks the windows and never leaves the wall, Escape clears, Delete asks the host.
    void keysWorkTheSelectionAndShowAFrame()
    {
        wall()->clearFocus();
        const QColor accent(24, 144, 255);
        const auto at = [this](const QPoint& p) { return wall()->grab().toImage().pixelColor(p); };
        const QPoint edge(0, 150);      // on screen 0, whose own border is white while unselected
        QVERIFY(at(edge) != accent);
        select({1});
        QVERIFY(wall()->hasFocus());
        QVERIFY(at(edge) != accent);
        QSignalSpy selected(wall(), &ZtTVWallDisplayWnd::SignalWindowSelectedChanged);
        QList<int> seen;        // the second Esc has nothing left to unselect
        for (const char* keys : {"Tab", "Tab", "Tab", "Shift+Backtab", "Esc", "Esc"}) {
            QTest::keySequence(wall(), QKeySequence(keys));
            seen << wall()->GetSelectedWindowIndexs();
        }
        QCOMPARE(seen, (QList<int>{2, 0, 1, 0}));
        QVERIFY(wall()->hasFocus());
        QCOMPARE(at(edge), accent);
        QCOMPARE(at(QPoint(799, 10)), accent);
        QCOMPARE(calls(selected), (QList<QVariantList>{{kScreen}, {kScreen}, {kScreen}, {kScreen}, {kScreen}}));
        QCOMPARE(stack()->count(), 0);      // selection is no command
        wall()->clearFocus();
        QVERIFY(at(edge) != accent);
        // The host closes at once: the second window's number has dropped by the time it is asked about.
        select({0, 2});
        QSignalSpy close(wall(), &ZtTVWallDisplayWnd::SignalWindowCloseBtnClicked);
        connect(wall(), &ZtTVWallDisplayWnd::SignalWindowCloseBtnClicked, wall(),
                &ZtTVWallDisplayWnd::DeleteWindow);
        key(Qt::Key_Delete);
        QCOMPARE(calls(close), (QList<QVariantList>{{kScreen, 0}, {kScreen, 1}}));
        QCOMPARE(wall()->GetWindowCount(kScreen), 1);
    }

    // Arrows move the selection by a pixel, with Shift by a cell, with Ctrl resize it; keys stop at
    // the edges and at the smallest size, and move nothing in no-selection mode.
    void arrowsMoveAndResizeTheSelectedWindows()
    {
        select({0});
        QSignalSpy geo(wall(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        const QList<QPair<QString, QRect>> steps = {      // window 0 starts at (100, 50, 200, 100)
            {"Right", {101, 50, 200, 100}}, {"Up", {101, 49, 200, 100}}, {"Shift+Left", {0, 49, 200, 100}},
            {"Shift+Right", {400, 49, 200, 100}}, {"Shift+Down", {400, 200, 200, 100}},
            {"Ctrl+Right", {400, 200, 201, 100}}, {"Ctrl+Up", {400, 200, 201, 99}}};
        for (const auto& step : steps) {
            geo.clear();
            QTest::keySequence(wall(), QKeySequence(step.first));
            QCOMPARE(m_host->window(kScreen, 0)->geometry(), step.second);
            QCOMPARE(flat(geo), Rows{scales().at(0)});
        }
        wall()->SetWindowScale(kScreen, 1, StructScaleRect(0.0, 0.0, 60 / 800.0, 0.2));
        key(Qt::Key_Tab);
        geo.clear();
        QTest::keySequence(wall(), QKeySequence("Left, Up"));
        for (int i = 0; i < 21; ++i)
            key(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(m_host->window(kScreen, 1)->width(), 50);      // as small as the mouse leaves it
        QCOMPARE(geo.count(), 10);
        const int commands = stack()->count();
        wall()->SetWindowSelectionMode(ZtTVWallDisplayWnd::NoSelection);     // as the mouse: no drags
        QTest::keySequence(wall(), QKeySequence("Right, Ctrl+Right"));
        QCOMPARE(geo.count(), 10);
        QCOMPARE(stack()->count(), commands);
    }

    // On screens wider or taller than a thousand pixels each arrow still moves the window by
    // exactly one pixel, reports once where it now stands, and fifty steps back return it exactly.
    void arrowStepsArePixelExactOnLargeScreens()
    {
        struct Case { QSize wall; Qt::Key forth, back; QPoint step; };      // screen 2 is the wall's bottom half
        for (const Case& c : {Case{{1920, 2160}, Qt::Key_Right, Qt::Key_Left, {1, 0}},
                              Case{{2560, 2880}, Qt::Key_Down, Qt::Key_Up, {0, 1}}}) {
            wall()->resize(c.wall);
            select({0});
            ZtTVWallDisplayWindow* w = m_host->window(kScreen, 0);
            const QSize area = m_host->viewport(kScreen)->size();
            QVERIFY(qMax(area.width(), area.height()) > 1000);
            const QRect start = w->geometry();
            QSignalSpy geo(wall(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
            for (int press = 0; press < 100; ++press) {
                const QRect before = w->geometry();
                geo.clear();
                QTest::keyClick(wall(), press < 50 ? c.forth : c.back);
                QCOMPARE(w->geometry(), before.translated(press < 50 ? c.step : -c.step));
                QCOMPARE(flat(geo), Rows{scales().at(0)});
                // The reported place is the one on the screen, well within a pixel.
                const StructScaleRect r = qvariant_cast<StructScaleRect>(geo.at(0).at(2));
                QVERIFY(qAbs(r.dLeft * area.width() - w->x()) < 0.01 && qAbs(r.dTop * area.height() - w->y()) < 0.01);
            }
            QCOMPARE(w->geometry(), start);
        }
    }

    void gesturesUndoAndRedo_data()
    {
        QTest::addColumn<QString>("gesture");     // or the keys
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("changed");       // windows 0 and on
        QTest::addColumn<int>("deletion");      // how the host deletes at the end, one way per case
        QTest::newRow("drag") << "drag" << "Move window(s)" << 1 << 0;
        QTest::newRow("group drag") << "group" << "Move window(s)" << 2 << 1;
        QTest::newRow("resize") << "resize" << "Resize window" << 1 << 2;
        QTest::newRow("maximise button") << "button" << "Maximise window" << 1 << 3;
        QTest::newRow("double click") << "double" << "Maximise window" << 1 << 0;
        QTest::newRow("return") << "Return" << "Maximise window" << 1 << 1;
        QTest::newRow("arrow keys") << "Right, Down, Right, Down" << "Move window(s)" << 1 << 2;
    }
    // Undo and redo put back and report what one gesture changed; host calls are not recorded,
    // and deleting windows or screens clears the stack.
    void gesturesUndoAndRedo()
    {
        QFETCH(QString, gesture);
        QFETCH(QString, name);
        QFETCH(int, changed);
        QFETCH(int, deletion);
        select(changed > 1 ? QList<int>{0, 1} : QList<int>{0});
        const Rows before = scales();
        ZtTVWallDisplayWindow* w = m_host->window(kScreen, 0);
        const QPoint from = gesture == "resize" ? QPoint(w->width() - 2, w->height() - 2) : QPoint(50, 40);
        if (gesture == "drag" || gesture == "group" || gesture == "resize")
            KitraTest::dragGlobal(w, w->mapToGlobal(from), w->mapToGlobal(from + QPoint(40, 30)));
        else if (gesture == "button")
            KitraTest::click(w->findChild<QToolButton*>("pWindowMaxBtn"), QPoint(5, 5));
        else if (gesture == "double")
            KitraTest::doubleClick(w, QPoint(50, 40));
        else
            QTest::keySequence(wall(), QKeySequence(gesture));
        const Rows after = scales();
        QCOMPARE(stack()->count(), 1);      // one gesture, one command
        QCOMPARE(stack()->undoText(), name);
        QSignalSpy geo(wall(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        stack()->undo();
        QCOMPARE(scales(), before);
        QCOMPARE(flat(geo), before.mid(0, changed));
        geo.clear();
        stack()->redo();
        QCOMPARE(scales(), after);
        QCOMPARE(flat(geo), after.mid(0, changed));

        wall()->SetWindowScale(kScreen, 0, StructScaleRect(0.1, 0.1, 0.3, 0.3));
        wall()->OpenWindow(kScreen, StructScaleRect(0.5, 0.5, 0.6, 0.6), QVariant());
        wall()->DeleteWindow(0, 0);         // nothing there: nothing deleted
        QCOMPARE(stack()->count(), 1);      // none of this is the operator's
        switch (deletion) {
        case 0: wall()->DeleteWindow(kScreen, 0); break;
        case 1: wall()->DeleteAllWindows(kScreen); break;
        case 2: wall()->DeleteAllWindows(); break;
        default: wall()->DeleteAllScreen();
        }
        QCOMPARE(stack()->count(), 0);
    }

    // Undo of a resize gives back the maximised window, whose restore goes back to where it started;
    // undo and keys leave a locked window where it is, and a wall with nothing free refuses.
    void maximiseUndoneAndLocksHold()
    {
        const Rows start = scales();
        select({0});
        key(Qt::Key_Return);
        key(Qt::Key_Left, Qt::ControlModifier);     // resizing a maximised window leaves it normal
        stack()->undo();
        QCOMPARE(scales().at(0), (Row{kScreen, 0, 0, 0, 1, 1}));
        key(Qt::Key_Return);
        QCOMPARE(scales(), start);
        QCOMPARE(stack()->undoText(), QStringLiteral("Restore window"));
        key(Qt::Key_Escape);
        select({0, 1});
        key(Qt::Key_Right, Qt::ShiftModifier);
        const Rows moved = scales();
        wall()->SetWindowLockBtn(kScreen, 0, true);
        QSignalSpy geo(wall(), &ZtTVWallDisplayWnd::SignalWindowGeoChanged);
        stack()->undo();
        QCOMPARE(scales(), (Rows{moved.at(0), start.at(1), start.at(2)}));
        QSignalSpy lock(wall(), &ZtTVWallDisplayWnd::SignalLockEvent);
        key(Qt::Key_Down, Qt::ShiftModifier);
        const Rows expected = {moved.at(0), scales().at(1), start.at(2)};
        const int commands = stack()->count();
        wall()->SetWindowLockBtn(kScreen, 1, true);
        key(Qt::Key_Up, Qt::ShiftModifier);
        wall()->SetWindowLockBtn(kScreen, 0, false);
        wall()->SetWindowLockBtn(kScreen, 1, false);
        wall()->SetTVWallLockStatus(true);
        key(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(scales(), expected);
        QCOMPARE(flat(geo), (Rows{start.at(1), expected.at(1)}));       // the undo, then the move
        QCOMPARE(calls(lock), (QList<QVariantList>{{"Window locked!"}, {"TVWall Locked!"}}));
        QCOMPARE(stack()->count(), commands);
    }

    // A host may delete the wall (or a window) from a slot of any signal a key or an undo sends.
    void hostMayDeleteFromASlot_data()
    {
        QTest::addColumn<int>("key");           // 0: undo a move
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<bool>("window");       // only a window goes
        const QByteArray geo = SIGNAL(SignalWindowGeoChanged(int, int, ZtGUI::StructScaleRect));
        const QByteArray close = SIGNAL(SignalWindowCloseBtnClicked(int, int));
        const QByteArray lock = SIGNAL(SignalLockEvent(QString));
        QTest::newRow("arrow") << int(Qt::Key_Down) << geo << false;
        QTest::newRow("return") << int(Qt::Key_Return) << geo << false;
        QTest::newRow("delete") << int(Qt::Key_Delete) << close << false;
        QTest::newRow("locked arrow") << int(Qt::Key_Down) << lock << false;
        QTest::newRow("undo") << 0 << geo << false;
        QTest::newRow("undo, a window") << 0 << geo << true;
    }
    void hostMayDeleteFromASlot()
    {
        QFETCH(int, key);
        QFETCH(QByteArray, signal);
        QFETCH(bool, window);
        select({0, 1});
        this->key(Qt::Key_Down);                // a move to undo
        wall()->SetTVWallLockStatus(signal.contains("Lock"));
        QPointer<QUndoStack> history(stack());
        int calls = 0;
        Slot host;
        host.run = [&] { ++calls; window ? void(wall()->DeleteWindow(kScreen, 0)) : m_host->wall.reset(); };
        QVERIFY(connect(wall(), signal.constData(), &host, SLOT(call())));
        key ? QTest::keyPress(wall(), Qt::Key(key)) : history->undo();     // a release would find no wall
        QCOMPARE(calls, 1);     // the second window is not touched: its number is no longer sure
        QTRY_VERIFY(window ? history->count() == 0 && wall()->GetWindowCount(kScreen) == 2
                           : history.isNull());
    }

    void randomGesturesAllUndoToTheStart()
    {
        const quint32 seed = 20261207;
        qInfo("seed %u", seed);
        QRandomGenerator random(seed);
        wall()->SetWindowSelectionMode(ZtTVWallDisplayWnd::MultiSelection);
        wall()->SetSelectedScreenIndex(kScreen);
        const Rows start = scales();
        const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
#ifdef KITRA_SANITIZED
        const int steps = 60;       // each step is several times slower under the sanitizers
#else
        const int steps = 300;
#endif
        for (int step = 0; step < steps; ++step) {
            ZtTVWallDisplayWindow* w = m_host->window(kScreen, random.bounded(3));
            const QPoint from = w->mapToGlobal(QPoint(20, 20));
            const QPoint by(random.bounded(-150, 150), random.bounded(-80, 80));
            switch (random.bounded(7)) {
            case 0: KitraTest::click(w, QPoint(20, 20)); break;
            case 1: key(random.bounded(2) ? Qt::Key_Tab : Qt::Key_Return); break;
            case 2: stack()->undo(); break;
            case 3: stack()->redo(); break;
            case 4: KitraTest::dragGlobal(w, from, from + by); break;
            default: key(Qt::Key_Left + random.bounded(4), modifiers[random.bounded(3)]);     // an arrow
            }
        }
        QVERIFY(stack()->count() > steps / 30);      // the run left gestures to undo
        while (stack()->canUndo())
            stack()->undo();
        QCOMPARE(scales(), start);
    }
};

QTEST_MAIN(tst_DisplayUndo)
#include "tst_displayundo.moc"
