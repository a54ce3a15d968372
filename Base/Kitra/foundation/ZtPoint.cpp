#include "ZtPoint.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace ZtGUI {

namespace {

qint64 squaredDistance(const QRect& rect, const QPoint& p)
{
    const qint64 dx = p.x() < rect.left() ? rect.left() - p.x() : std::max(0, p.x() - rect.right());
    const qint64 dy = p.y() < rect.top() ? rect.top() - p.y() : std::max(0, p.y() - rect.bottom());
    return dx * dx + dy * dy;
}

QScreen* nearestScreen(const QList<QScreen*>& screens, const QPoint& p)
{
    QScreen* nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (QScreen* screen : screens) {
        const qint64 distance = squaredDistance(screen->geometry(), p);
        if (distance < best) {
            best = distance;
            nearest = screen;
        }
    }
    return nearest;
}

} // namespace

ZtPoint::ZtPoint(int x, int y)
    : QPoint(x, y)
{
}

ZtPoint& ZtPoint::operator=(const QPoint& point)
{
    QPoint::operator=(point);
    return *this;
}

QPoint ZtPoint::GetDesktopAvailablePoint(const QPoint& p)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return p;
    for (const QScreen* screen : screens) {
        if (screen->availableGeometry().contains(p))
            return p;
    }
    const QRect area = nearestScreen(screens, p)->availableGeometry();
    return QPoint(std::min(std::max(p.x(), area.left()), area.right()),
                  std::min(std::max(p.y(), area.top()), area.bottom()));
}

} // namespace ZtGUI
