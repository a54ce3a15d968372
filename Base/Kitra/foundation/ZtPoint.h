#pragma once

#include <QPoint>
#include "KitraExport.h"

namespace ZtGUI {

/// A point of two integers that also knows where on the desktop a window may be dragged.
class KITRA_EXPORT ZtPoint : public QPoint
{
public:
    /// The point (0, 0).
    ZtPoint() = default;
    /// The point (`x`, `y`), in pixels.
    ZtPoint(int x, int y);
    /// Takes the coordinates of `point`.
    ZtPoint& operator=(const QPoint& point);

    /// `p` (global pixels) itself when a screen's available area holds it, or when there is no
    /// screen; otherwise `p` clamped into the available area of the nearest screen, so that a
    /// drag never ends in a task bar or off all screens.
    static QPoint GetDesktopAvailablePoint(const QPoint& p);
};

} // namespace ZtGUI
