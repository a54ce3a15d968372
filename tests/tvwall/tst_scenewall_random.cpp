// Thousands of random host calls, often with invalid numbers, interleaved with random mouse
// input, from a fixed seed (KITRA_SEED overrides it). The host also closes the window being dragged
// and switches the selection mode in the middle of drags. After every step the wall must still be
// consistent: dense numbers, counts that agree, windows inside their screens and, between gestures,
// drawn where their rectangles say; a click draws nothing; no warning.
#include "SceneWall.h"

#include <QRandomGenerator>

using namespace ZtGUI;
using namespace SceneWallTest;

namespace {

const int kSteps = 3000;

class Fuzzer
{
public:
    Fuzzer(Wall& wall, quint32 seed) : m_wall(wall), m_random(seed)
    {
        QObject::connect(wall.get(), &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow, wall.get(), [this] { ++m_draws; });
    }

    bool pressed() const { return m_pressed; }
    /// What the last mouse step did wrong, if anything.
    QString problem() const { return m_problem; }

    int number(int count) { return m_random.bounded(-1, count + 1); }     // -1 and count are invalid
    double fraction() { return m_random.bounded(1.0); }
    bool chance(int percent) { return m_random.bounded(100) < percent; }

    // A rectangle inside [0, 1] at least `minimum` wide and high.
    StructScaleRect span(double minimum)
    {
        const double w = minimum + (1.0 - minimum) * fraction();
        const double h = minimum + (1.0 - minimum) * fraction();
        const double l = (1.0 - w) * fraction();
        const double t = (1.0 - h) * fraction();
        return rect(l, t, l + w, t + h, !chance(15));
    }

    QString step()
    {
        ZtTVWallNormalWnd* w = m_wall.get();
        const int screens = w->GetScreenCount();
        const int s = number(screens);
        const int win = number(w->GetWindowCount(s));
        const auto mode = [this] { return ZtTVWallNormalWnd::SelectionMode(m_random.bounded(3)); };
        switch (m_random.bounded(22)) {
        case 0:
            if (chance(20))
                w->SetTVWallGridCount(m_random.bounded(0, 6), m_random.bounded(0, 6));
            return "grid";
        case 1:
            if (w->GetRowCount() < 1 || w->GetColumnCount() < 1)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("AddScreen: iRows"));
            w->AddScreen(span(0.25), QVariant(screens));
            return "add screen";
        case 2: if (chance(10)) w->DeleteAllScreen(); return "delete screens";
        case 3: case 4: w->OpenWindow(s, span(0.4), QVariant(win)); return "open window";
        case 5: w->DeleteWindow(s, win); return "delete window";
        case 6: w->SetWindowScale(s, win, span(0.4)); return "window scale";
        case 7: w->SetWindowZValue(s, win, m_random.bounded(-3, 6)); return "z value";
        case 8: w->SetSelectedScreenIndex(s); return "select screen";
        case 9: w->SetSelectedWindowIndexs(s, win); return "select window";
        case 10: w->SetWindowSelectionMode(mode()); return "selection mode";
        case 11: w->SetScreenFreeMode(s, chance(70)); return "free mode";
        case 12: w->SetWindowTitleShow(chance(50)); return "titles";
        case 13: if (chance(20)) w->DeleteAllWindows(s); return "delete windows";
        case 14:
            KitraTest::wheel(m_wall.viewport(), randomPoint(), chance(50) ? 1 : -1);
            m_moved = true;     // a zoom moves the scene under a held button, as a drag does
            return "wheel";
        case 15:
            if (chance(20)) {
                w->RecoverEagleEye();
                m_moved = true;
            }
            return "recover";
        default:
            return mouse();
        }
    }

private:
    QPoint randomPoint()
    {
        const QSize size = m_wall.viewport()->size();
        return QPoint(m_random.bounded(-20, size.width() + 20), m_random.bounded(-20, size.height() + 20));
    }

    // Presses, moves and releases in a believable order, mostly on windows.
    QString mouse()
    {
        QWidget* viewport = m_wall.viewport();
        m_problem.clear();
        if (m_pressed && chance(15))
            return interrupt();
        if (!m_pressed) {
            QPoint at = randomPoint();
            m_pressedWindow = nullptr;
            const int screens = m_wall->GetScreenCount();
            if (screens > 0 && chance(70)) {
                const int s = m_random.bounded(screens);
                const int windows = m_wall->GetWindowCount(s);
                if (windows > 0) {
                    m_pressedScreen = s;
                    m_pressedNumber = m_random.bounded(windows);
                    ZtTVWallNormalWindow* window = m_wall.window(s, m_pressedNumber);
                    m_pressedWindow = window;
                    const QRectF r = window->boundingRect();
                    at = m_wall->mapFromScene(window->mapToScene(
                        QPointF(r.width() * fraction(), r.height() * fraction())));
                }
            }
            m_button = chance(85) ? Qt::LeftButton : Qt::RightButton;
            if (chance(5)) {
                KitraTest::doubleClick(viewport, at, m_button);
                return "double click";
            }
            KitraTest::press(viewport, at, m_button);
            m_at = at;
            m_pressed = true;
            m_moved = false;
            return "press";
        }
        if (chance(70)) {
            m_at += QPoint(m_random.bounded(-60, 61), m_random.bounded(-40, 41));
            KitraTest::move(viewport, m_at, m_button);
            m_moved = true;
            return "move";
        }
        const int draws = m_draws;
        KitraTest::release(viewport, m_at, m_button);
        m_pressed = false;
        if (!m_moved && m_draws != draws)
            m_problem = QStringLiteral("a click drew an area");
        return "release";
    }

    // The host in the middle of the operator's gesture: closes the pressed window or switches the
    // selection mode.
    QString interrupt()
    {
        if (chance(50)) {
            m_wall->SetWindowSelectionMode(ZtTVWallNormalWnd::SelectionMode(m_random.bounded(3)));
            return "mode switch during a drag";
        }
        if (m_pressedWindow && m_pressedWindow == m_wall.window(m_pressedScreen, m_pressedNumber))
            m_wall->DeleteWindow(m_pressedScreen, m_pressedNumber);
        return "pressed window closed";
    }

    Wall& m_wall;
    QRandomGenerator m_random;
    bool m_pressed = false;
    bool m_moved = false;
    int m_draws = 0;
    QString m_problem;
    QPointer<ZtTVWallNormalWindow> m_pressedWindow;
    int m_pressedScreen = -1;
    int m_pressedNumber = -1;
    QPoint m_at;
    Qt::MouseButton m_button = Qt::LeftButton;
};

QString describe(const StructScaleRect& r)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(r.dLeft).arg(r.dTop).arg(r.dRight).arg(r.dBottom);
}

// Between gestures a window is drawn where its rectangle puts it (up to the precision, within
// which a drag changes no rectangle).
QString checkPlacement(ZtTVWallNormalScreen* screen, int s, int i, const StructScaleRect& r)
{
    const QSizeF size = screen->boundingRect().size();
    const QRectF expected(size.width() * r.dLeft, size.height() * r.dTop, size.width() * (r.dRight - r.dLeft),
                          size.height() * (r.dBottom - r.dTop));
    const QRectF drawn = screen->GetWindow(i)->geometry();
    const double slackX = 0.002 * size.width() + 1e-6;
    const double slackY = 0.002 * size.height() + 1e-6;
    if (qAbs(drawn.left() - expected.left()) > slackX || qAbs(drawn.right() - expected.right()) > slackX
        || qAbs(drawn.top() - expected.top()) > slackY || qAbs(drawn.bottom() - expected.bottom()) > slackY)
        return QStringLiteral("screen %1 window %2 drawn away from its rectangle %3").arg(s).arg(i).arg(describe(r));
    return QString();
}

// Empty when the wall is consistent, else what is wrong.
QString checkInvariants(const Wall& wall, bool gesture)
{
    ZtTVWallNormalWnd* w = wall.get();
    int screenItems = 0;
    for (QGraphicsItem* item : w->scene()->items())
        screenItems += dynamic_cast<ZtTVWallNormalScreen*>(item) != nullptr;
    if (screenItems != w->GetScreenCount())
        return QStringLiteral("%1 screen items for %2 screens").arg(screenItems).arg(w->GetScreenCount());
    int firstSelected = -1;
    for (int s = 0; s < w->GetScreenCount(); ++s) {
        ZtTVWallNormalScreen* screen = wall.screen(s);
        if (!screen)
            return QStringLiteral("screen %1 lost its item").arg(s);
        if (firstSelected < 0 && screen->IsSelected())
            firstSelected = s;
        const int count = w->GetWindowCount(s);
        QList<int> dense;
        for (int i = 0; i < count; ++i)
            dense << i;
        if (w->GetAllWindowIndexs(s) != dense)
            return QStringLiteral("screen %1: window numbers are not dense").arg(s);
        QList<int> parts = screen->GetSelectedWindowIndexs() + screen->GetUnSelectedWindowIndexs();
        std::sort(parts.begin(), parts.end());
        if (parts != dense)
            return QStringLiteral("screen %1: selected and unselected do not partition").arg(s);
        // A drag may leave a window by the few pixels of its press offset, no more.
        const QSizeF size = screen->boundingRect().size();
        const double slackX = size.width() > 0 ? 12.0 / size.width() : 0.0;
        const double slackY = size.height() > 0 ? 12.0 / size.height() : 0.0;
        for (int i = 0; i < count; ++i) {
            StructScaleRect r;
            if (!w->GetWindowScale(s, i, r))
                return QStringLiteral("screen %1 window %2 has no scale").arg(s).arg(i);
            if (r.dLeft < -slackX || r.dTop < -slackY || r.dRight > 1 + slackX || r.dBottom > 1 + slackY
                || r.dRight < r.dLeft || r.dBottom < r.dTop)
                return QStringLiteral("screen %1 window %2 left its screen: %3").arg(s).arg(i).arg(describe(r));
            if (screen->GetWindow(i)->parentItem() != screen)
                return QStringLiteral("screen %1 window %2 moved to another screen").arg(s).arg(i);
            const QString placement = gesture ? QString() : checkPlacement(screen, s, i, r);
            if (!placement.isEmpty())
                return placement;
        }
    }
    if (w->GetSelectedScreenIndex() != firstSelected)
        return QStringLiteral("selected screen %1, expected %2").arg(w->GetSelectedScreenIndex()).arg(firstSelected);
    return QString();
}

} // namespace

class tst_SceneWallRandom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        useShippedSkin();
    }

    void randomUseKeepsTheWallConsistent()
    {
        bool seeded = false;
        const quint32 seed = qEnvironmentVariableIntValue("KITRA_SEED", &seeded);
        const quint32 used = seeded ? seed : 20261206u;
        Wall wall(4, 4);
        ZtTVWallNormalWnd* w = wall.get();
        // Answer the wall as a host does.
        connect(w, &ZtTVWallNormalWnd::SignalDrawAreaOpenWindow, w, [w](int s, StructScaleRect r) {
            if (r.dRight - r.dLeft >= 0.4 && r.dBottom - r.dTop >= 0.4)
                w->OpenWindow(s, r, {});
        });
        connect(w, &ZtTVWallNormalWnd::SignalWindowCloseBtnClicked, w, [w](int s, int i) { w->DeleteWindow(s, i); });
        connect(w, &ZtTVWallNormalWnd::SignalWindowVolumeBtnClicked, w,
                [w](int s, int i) { w->SetWindowVolumeBtn(s, i, !w->GetWindowVolumeBtnStatus(s, i)); });

        Fuzzer fuzzer(wall, used);
        for (int i = 0; i < kSteps; ++i) {
            const QString action = fuzzer.step();
            const QString problem = fuzzer.problem().isEmpty() ? checkInvariants(wall, fuzzer.pressed()) : fuzzer.problem();
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("seed %1, step %2 (%3): %4")
                                                       .arg(used).arg(i).arg(action, problem)));
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2 (%3)").arg(used).arg(i).arg(action)));
        }
    }
};

QTEST_MAIN(tst_SceneWallRandom)
#include "tst_scenewall_random.moc"
