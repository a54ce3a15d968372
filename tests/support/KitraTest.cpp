#include "KitraTest.h"

#include <QtTest/private/qtestlog_p.h>

namespace KitraTest {

namespace {

QtMessageHandler g_testLibHandler = nullptr;

// A test started by hand runs offscreen like under CTest unless a platform is asked for.
const bool g_offscreenByDefault = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
    && qputenv("QT_QPA_PLATFORM", "offscreen");

// Noise of the offscreen platform plugin, which the library cannot avoid: it says this for every
// top-level window whose size hints a real window system would take.
bool isPlatformNoise(const QString& message)
{
    return message == QLatin1String("This plugin does not support propagateSizeHints()");
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

void doubleClick(QWidget* widget, const QPoint& pos, Qt::MouseButton button)
{
    QTest::mousePress(widget, button, Qt::NoModifier, pos);
    QTest::mouseRelease(widget, button, Qt::NoModifier, pos);
    QTest::mouseDClick(widget, button, Qt::NoModifier, pos);
    QTest::mouseRelease(widget, button, Qt::NoModifier, pos);
}

} // namespace KitraTest
