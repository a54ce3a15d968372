#include "KitraTest.h"

#include <QtTest/private/qtestlog_p.h>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qwindowsysteminterface.h>

namespace KitraTest {

namespace {

QtMessageHandler g_testLibHandler = nullptr;

// A test started by hand runs offscreen like under CTest unless a platform is asked for.
const bool g_offscreenByDefault = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
    && qputenv("QT_QPA_PLATFORM", "offscreen");

// Noise of the offscreen platform plugin, which the library cannot avoid: it says this for
// window-system requests it does not serve (size hints of top-level windows, raising and the
// keyboard grab of pop-ups, window masks and opacity).
bool isPlatformNoise(const QString& message)
{
    return message == QLatin1String("This plugin does not support propagateSizeHints()")
        || message == QLatin1String("This plugin does not support raise()")
        || message == QLatin1String("This plugin does not support grabbing the keyboard")
        || message == QLatin1String("This plugin does not support setting window masks")
        || message == QLatin1String("This plugin does not support setting window opacity");
}

void guardHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool guarded = (type == QtWarningMsg || type == QtCriticalMsg) && !isPlatformNoise(message);
    const int ignoredBefore = QTestLog::unhandledIgnoreMessages();
    g_testLibHandler(type, context, message);
    // QTest removes a message it was told to ignore from its list; anything else is unexpected.
    if (guarded && QTestLog::unhandledIgnoreMessages() == ignoredBefore && QTest::currentTestFunction()) {
        const QByteArray text = "Unexpected warning: " + message.toLocal8Bit();
        QTest::qFail(text.constData(), context.file ? context.file : __FILE__, context.line);
    }
}

} // namespace

void failOnUnexpectedWarnings()
{
    if (!g_testLibHandler)
        g_testLibHandler = qInstallMessageHandler(guardHandler);
}

namespace {
void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}
} // namespace

void press(QWidget* widget, const QPoint& pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    sendMouse(widget, QEvent::MouseButtonPress, pos, button, button, modifiers);
}

void move(QWidget* widget, const QPoint& pos, Qt::MouseButtons held)
{
    sendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, held, Qt::NoModifier);
}

void release(QWidget* widget, const QPoint& pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    sendMouse(widget, QEvent::MouseButtonRelease, pos, button, Qt::NoButton, modifiers);
}

void click(QWidget* widget, const QPoint& pos, Qt::MouseButton button)
{
    press(widget, pos, button);
    release(widget, pos, button);
}

void drag(QWidget* widget, const QPoint& from, const QPoint& to, int steps)
{
    press(widget, from);
    for (int i = 1; i <= steps; ++i)
        move(widget, from + (to - from) * i / steps);
    release(widget, to);
}

void dragGlobal(QWidget* widget, const QPoint& from, const QPoint& to, int steps)
{
    const auto send = [widget](QEvent::Type type, const QPoint& global, Qt::MouseButton button,
                               Qt::MouseButtons held) {
        QMouseEvent event(type, widget->mapFromGlobal(global), global, button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= steps; ++i)
        send(QEvent::MouseMove, from + (to - from) * i / steps, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void doubleClick(QWidget* widget, const QPoint& pos, Qt::MouseButton button)
{
    press(widget, pos, button);
    release(widget, pos, button);
    sendMouse(widget, QEvent::MouseButtonDblClick, pos, button, button, Qt::NoModifier);
    release(widget, pos, button);
}

void wheel(QWidget* widget, const QPoint& pos, int notches)
{
    // Through the window system, as a mouse sends it: Qt passes only such wheel events on to the
    // parents of a widget that ignores them.
    QWidget* top = widget->window();
    const QPointF local = widget->mapTo(top, pos);
    const QPointF global = widget->mapToGlobal(pos);
    const QPoint delta(0, notches > 0 ? 120 : -120);
    for (int i = 0; i < qAbs(notches); ++i) {
        QWindowSystemInterface::handleWheelEvent(top->windowHandle(), local, global, QPoint(), delta);
        QWindowSystemInterface::flushWindowSystemEvents();
    }
}

namespace {
QPlatformAccessibility* accessibilityBridge()
{
    return QGuiApplicationPrivate::platformIntegration()->accessibility();
}
} // namespace

AccessibilityOn::AccessibilityOn(QAccessible::UpdateHandler handler)
    : m_previous(QAccessible::installUpdateHandler(handler))
{
    accessibilityBridge()->setActive(true);
}

AccessibilityOn::~AccessibilityOn()
{
    accessibilityBridge()->setActive(false);
    QAccessible::installUpdateHandler(m_previous);
}

QString describeEvent(QAccessibleEvent* event)
{
    QAccessible::State changed;
    if (event->type() == QAccessible::StateChanged)
        changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    const QAccessibleInterface* iface = event->accessibleInterface();
    QStringList words{QString::number(event->type())};
    if (changed.selected || changed.readOnly)
        words << QString::fromLatin1(changed.selected ? "selected" : "readOnly");
    if (iface && iface->isValid())
        words << iface->text(QAccessible::Name);
    return words.join(QLatin1Char(' '));
}

} // namespace KitraTest
