#pragma once

#include <QPoint>
#include "KitraExport.h"

namespace ZtGUI {

/// A point of two integers that also knows where on the desktop a window may be dragged.
class KITRA_EXPORT ZtPoint : public QPoint
{
public:
    ZtPoint() = default;
    ZtPoint(int x, int y);
    ZtPoint& operator=(const QPoint& point);

    /// `p` itself when a screen's available area holds it; otherwise `p` clamped into the
    /// available area of the nearest screen, so that a drag never ends in a task bar.
    static QPoint GetDesktopAvailablePoint(const QPoint& p);
};

} // namespace ZtGUI
