#pragma once

#include <QColor>
#include <QPoint>

namespace ZtGUI {

/// The walls' keyboard: the direction of an arrow key, a null point for any other key.
inline QPoint ArrowDirection(int key)
{
    switch (key) {
    case Qt::Key_Left: return QPoint(-1, 0);
    case Qt::Key_Right: return QPoint(1, 0);
    case Qt::Key_Up: return QPoint(0, -1);
    case Qt::Key_Down: return QPoint(0, 1);
    default: return QPoint();
    }
}

/// The frame a wall draws once the operator works it by keyboard, alike in both skins.
inline QColor FocusFrameColour() { return QColor(24, 144, 255); }

} // namespace ZtGUI
