#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace ZtGUI {

class MovableSubPrivate
{
public:
    // 1 inside, 2 left, 3 top, 4 right, 5 bottom, 6 top-left, 7 top-right, 8 bottom-right,
    // 9 bottom-left; 0 before the first look.
    int regionAt(const QPoint& inParent, const QRect& geometry) const;
    QRect resized(QRect from, const QPoint& delta) const;

    QWidget* content = nullptr;
    bool resizing = false;
    bool moving = false;
    QPoint lastGlobal;
    QRect pressGeometry;
    int region = 0;
};

} // namespace ZtGUI
