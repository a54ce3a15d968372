#pragma once

// A random host and operator for a scene wall or the facade: host calls, often with invalid numbers,
// and gestures on whatever lies under the pointer, which the host now and then interrupts.
#include "SceneWall.h"

#include <QRandomGenerator>
#include <type_traits>

namespace SceneWallTest {

/// Whether `numbers` are 0, 1 ... count - 1.
inline bool dense(const Ids& numbers, int count)
{
    Ids all;
    for (int i = 0; i < count; ++i)
        all << i;
    return numbers == all;
}

/// Drives `W`, a scene wall or the facade, from KITRA_SEED when it is set; the seed is printed.
template <typename W>
class RandomUse
{
    static constexpr bool kFacade = std::is_same<W, ZtTVWallOperateWnd>::value;

public:
    RandomUse(W* wall, quint32 fallbackSeed) : m_wall(wall)
    {
        bool set = false;
        const quint32 asked = quint32(qEnvironmentVariableIntValue("KITRA_SEED", &set));
        m_seed = set ? asked : fallbackSeed;
        m_random.seed(m_seed);
        qInfo("seed %u (KITRA_SEED repeats a run)", m_seed);
        QObject::connect(wall, &W::SignalDrawAreaOpenWindow, &m_counter, [this] { ++m_draws; });
    }

    /// Runs `steps` steps, failing with the seed, the step and its action at the first problem that
    /// `check(whether a gesture goes on)` reports, or at a click that drew an area.
    template <typename Check>
    void run(int steps, const Check& check)
    {
#ifdef KITRA_SANITIZED
        steps /= 10;    // each step is several times slower under the sanitizers
#endif
        for (int i = 0; i < steps && !QTest::currentTestFailed(); ++i) {
            m_problem.clear();
            const QString action = step();
            const QString problem = m_problem.isEmpty() ? check(!m_target.isNull()) : m_problem;
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, step %2 (%3): %4").arg(m_seed).arg(i).arg(action, problem)));
            if (i % 100 == 0)
                QCoreApplication::processEvents();
        }
    }

private:
    int number(int count) { return m_random.bounded(-1, count + 1); }     // -1 and count are invalid
    double fraction() { return m_random.bounded(1.0); }
    bool chance(int percent) { return m_random.bounded(100) < percent; }
    // A rectangle inside [0, 1] at least `minimum` wide and high, now and then not free.
    StructScaleRect span(double minimum)
    {
        const double w = minimum + (1.0 - minimum) * fraction(), h = minimum + (1.0 - minimum) * fraction();
        const double l = (1.0 - w) * fraction(), t = (1.0 - h) * fraction();
        return rect(l, t, l + w, t + h, !chance(15));
    }

    QString step()
    {
        W* w = m_wall;
        const int screens = w->GetScreenCount();
        const int s = number(screens);
        const int win = number(w->GetWindowCount(s));
        switch (m_random.bounded(22)) {
        case 0: if (chance(20)) w->SetTVWallGridCount(m_random.bounded(0, 6), m_random.bounded(0, 6)); return "grid";
        case 1:
            if (m_mode != 5 && (w->GetRowCount() < 1 || w->GetColumnCount() < 1))
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("AddScreen: iRows"));
            if (w->AddScreen(span(0.25), QVariant(screens)) >= 0 && kFacade)
                w->resize(w->size() + QSize(1, 0));     // the display wall places screens on a resize
            return "add screen";
        case 2: if (chance(10)) w->DeleteAllScreen(); return "delete screens";
        case 3: case 4: w->OpenWindow(s, span(0.3), QVariant(win)); return "open window";
        case 5: w->DeleteWindow(s, win); return "delete window";
        case 6: w->SetWindowScale(s, win, span(0.3)); return "window scale";
        case 7: case 8:     // the facade's calls take one more argument each
            if constexpr (kFacade) {
                w->SetWindowZValue(s, win, m_random.bounded(-3, 6), chance(50));
                w->SetSelectedWindowIndexs(s, win, chance(70));
            } else {
                w->SetWindowZValue(s, win, m_random.bounded(-3, 6));
                w->SetSelectedWindowIndexs(s, win);
            }
            w->SetSelectedScreenIndex(s);
            return "z value, selection";
        case 9: w->SetWindowSelectionMode(typename W::SelectionMode(m_random.bounded(3))); return "selection mode";
        case 10: w->SetScreenFreeMode(s, chance(70)); return "free mode";
        case 11: w->SetWindowTitleShow(chance(50)); return "titles";
        case 12: if (chance(20)) w->DeleteAllWindows(s); return "delete windows";
        case 13:
            KitraTest::wheel(w, {m_random.bounded(w->width()), m_random.bounded(w->height())}, chance(50) ? 1 : -1);
            m_moved = true;     // a zoom moves the wall under a held button, as a drag does
            return "wheel";
        case 14:            // what only one of the two has: the facade's modes and locks, the overview
            if constexpr (kFacade) {
                w->SetWindowLockBtn(s, win, chance(30));
                w->SetTVWallLockStatus(chance(10));
                if (chance(5))
                    w->SetShowMode(m_mode = chance(10) ? 5 : m_random.bounded(2));
            } else if (chance(20)) {
                w->RecoverEagleEye();
                m_moved = true;
            }
            return "mode, locks or overview";
        default: return mouse();
        }
    }

    // The host in the middle of the operator's gesture: switches the selection mode or closes a
    // window, often the one under the pointer.
    QString interrupt()
    {
        if (chance(50)) {
            m_wall->SetWindowSelectionMode(typename W::SelectionMode(m_random.bounded(3)));
            return "mode switch during a drag";
        }
        const int s = number(m_wall->GetScreenCount());
        m_wall->DeleteWindow(s, number(m_wall->GetWindowCount(s)));
        return "window closed during a drag";
    }

    QString mouse()
    {
        if (m_target && chance(15))
            return interrupt();
        const auto at = [this] { return m_target->mapFrom(m_wall, m_at); };
        if (!m_target) {
            m_at = QPoint(m_random.bounded(-20, m_wall->width() + 20), m_random.bounded(-20, m_wall->height() + 20));
            QWidget* under = m_wall->childAt(m_at);
            m_target = under ? under : m_wall;
            m_button = chance(85) ? Qt::LeftButton : Qt::RightButton;
            m_moved = false;
            m_drawsAtPress = m_draws;
            if (!chance(5)) {
                KitraTest::press(m_target, at(), m_button);
                return "press";
            }
            KitraTest::doubleClick(m_target, at(), m_button);
            m_target = nullptr;
            return "double click";
        }
        if (chance(70)) {
            m_at += QPoint(m_random.bounded(-60, 61), m_random.bounded(-40, 41));
            KitraTest::move(m_target, at(), m_button);
            m_moved = true;
            return "move";
        }
        KitraTest::release(m_target, at(), m_button);
        m_target = nullptr;
        if (!m_moved && m_draws != m_drawsAtPress)
            m_problem = QStringLiteral("a click drew an area");
        return "release";
    }

    quint32 m_seed = 0;
    QRandomGenerator m_random;
    W* m_wall;
    int m_mode = 1;         // the facade's show mode
    QPointer<QWidget> m_target;     // a gesture ends with the widget it began on
    QPoint m_at;
    Qt::MouseButton m_button = Qt::LeftButton;
    bool m_moved = false;
    QObject m_counter;      // ends the draw counting with this object
    int m_draws = 0;
    int m_drawsAtPress = 0;
    QString m_problem;
};

} // namespace SceneWallTest
