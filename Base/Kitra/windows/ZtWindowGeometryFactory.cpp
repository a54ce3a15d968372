#include "ZtWindowGeometryFactory.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace ZtGUI {

namespace {

const char kGeometryProperty[] = "_ZT_WindowGeometry_";
const char kTypeProperty[] = "_ZT_WindowType_";

enum WindowType : uint { Normal = 0, Maximized = 1, FullScreen = 2 };

// An absent type reads as normal.
uint windowType(const QWidget* w)
{
    return w->property(kTypeProperty).toUInt();
}

void setWindowType(QWidget* w, WindowType type)
{
    w->setProperty(kTypeProperty, static_cast<uint>(type));
}

QScreen* screenOf(const QWidget* w)
{
    QScreen* screen = QGuiApplication::screenAt(w->mapToGlobal(w->rect().center()));
    return screen ? screen : w->screen();
}

void saveNormalGeometry(QWidget* w)
{
    w->setProperty(kGeometryProperty, QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

} // namespace

ZtWindowGeometryFactory::~ZtWindowGeometryFactory() = default;

void ZtWindowGeometryFactory::ShowMaximized(QWidget* w)
{
    if (!w || IsMaximized(w))
        return;
    const QRect available = screenOf(w)->availableGeometry();
    if (!available.isValid())
        return;
    saveNormalGeometry(w);
    SetWindowGeometry(w, available);
    setWindowType(w, Maximized);
    w->show();
}

void ZtWindowGeometryFactory::ShowNormal(QWidget* w, QSize size)
{
    if (!w)
        return;
    const QRect saved = GetNormalGeometry(w);
    setWindowType(w, Normal);
    if (saved.isEmpty()) {
        if (size.isValid())
            ResizeWindow(w, size);
        return;
    }
    w->move(saved.topLeft());
    ResizeWindow(w, size.isValid() ? size : saved.size());
    w->show();
    w->setProperty(kGeometryProperty, QRect());
}

void ZtWindowGeometryFactory::ShowFullScreen(QWidget* w)
{
    if (!w || IsFullScreen(w))
        return;
    saveNormalGeometry(w);
    SetWindowGeometry(w, screenOf(w)->geometry());
    setWindowType(w, FullScreen);
    w->show();
}

void ZtWindowGeometryFactory::ShowMinimized(QWidget* w)
{
    if (w)
        w->showMinimized();
}

bool ZtWindowGeometryFactory::IsMinimized(QWidget* w) const
{
    return w && w->isMinimized();
}

bool ZtWindowGeometryFactory::IsMaximized(QWidget* w) const
{
    return w && w->property(kTypeProperty).isValid() && windowType(w) == Maximized;
}

bool ZtWindowGeometryFactory::IsFullScreen(QWidget* w) const
{
    return w && windowType(w) == FullScreen;
}

QRect ZtWindowGeometryFactory::GetNormalGeometry(QWidget* w) const
{
    return w ? w->property(kGeometryProperty).toRect() : QRect();
}

void ZtWindowGeometryFactory::ResizeWindow(QWidget* w, QSize size)
{
    if (!w || size.isEmpty())
        return;
    w->ensurePolished();
    w->resize(size);
}

void ZtWindowGeometryFactory::SetWindowGeometry(QWidget* w, QRect rect)
{
    if (!w || rect.isEmpty())
        return;
    w->ensurePolished();
    w->setGeometry(rect);
}

QWidget* GetTopWindow(QWidget* w, const char* className)
{
    for (; w; w = w->parentWidget()) {
        if (w->isWindow() && (!className || !w->inherits(className)))
            return w;
    }
    return nullptr;
}

} // namespace ZtGUI
