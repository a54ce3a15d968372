#include "WindowSystem_p.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Qt's platform interfaces; without them a build cannot ask and takes translucency as shown.
#if __has_include(<qpa/qplatformnativeinterface.h>)
#include <qpa/qplatformnativeinterface.h>
#define KITRA_NATIVE_INTERFACE 1
#endif

namespace ZtGUI {

bool TranslucentWindowsShown(const QWidget* window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;   // the other window systems compose every window themselves
#ifdef KITRA_NATIVE_INTERFACE
    // Qt's X11 integration follows the owner of the compositing manager's selection _NET_WM_CM_S<n>
    // of each screen.
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    return native && screen && native->nativeResourceForScreen(QByteArrayLiteral("compositingenabled"), screen);
#else
    Q_UNUSED(window)
    return true;
#endif
}

} // namespace ZtGUI
