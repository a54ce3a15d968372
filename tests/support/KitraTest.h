#pragma once

#include <QAccessible>
#include <QtTest>

namespace KitraTest {

/// Makes every Qt warning that the test did not announce with QTest::ignoreMessage fail the
/// running test function. Call it from initTestCase(), after QTest has installed its own handler.
void failOnUnexpectedWarnings();

/// Mouse input as a window system delivers it, with the held buttons set on every move (which
/// QTest::mouseMove does not do for widgets).
void press(QWidget* widget, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void move(QWidget* widget, const QPoint& pos, Qt::MouseButtons held = Qt::LeftButton);
void release(QWidget* widget, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
/// A click: press and release at one point.
void click(QWidget* widget, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
/// Press at `from`, move in `steps` even steps to `to` with the left button held, release there.
void drag(QWidget* widget, const QPoint& from, const QPoint& to, int steps = 4);
/// The same between global positions, for a widget that moves under the mouse while dragged.
void dragGlobal(QWidget* widget, const QPoint& from, const QPoint& to, int steps = 4);
/// A press, release, double-click and release at `pos`, as a real double click arrives.
void doubleClick(QWidget* widget, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton);
/// One wheel notch (120 units) forward (`notches` > 0) or back, per notch, at `pos` of `widget`'s
/// window: the widget under the pointer there gets it, and its parents while it is ignored.
void wheel(QWidget* widget, const QPoint& pos, int notches);

/// Accessibility switched on, as a screen reader switches it on (Qt hands change events to an
/// update handler only then), with `handler` hearing every event while this lives.
class AccessibilityOn
{
public:
    explicit AccessibilityOn(QAccessible::UpdateHandler handler);
    ~AccessibilityOn();
    AccessibilityOn(const AccessibilityOn&) = delete;
    AccessibilityOn& operator=(const AccessibilityOn&) = delete;

private:
    QAccessible::UpdateHandler m_previous;
};

/// An accessibility event as "<type> [selected|readOnly] <name>": the states it says changed and
/// the item's name as the item stands when the event is sent.
QString describeEvent(QAccessibleEvent* event);

} // namespace KitraTest
