#pragma once

#include "ZtBaseWindowTitle.h"

#include <QPoint>
#include <QRect>

namespace ZtGUI {

class ZtBaseWindowTitlePrivate
{
public:
    static QPoint noPress() { return QPoint(-1, -1); }

    QPoint pressPos = noPress();   // in the parent's coordinates while a drag is under way
    bool moveEnabled = true;
    bool doubleClickEnabled = false;
    QRect topLeftRect;
    QRect topRightRect;
    QRect topRect;
    QRect rightRect;
    QRect leftRect;
    bool stretching = false;
    ZtBaseWindowTitle::WindowStretchRectState stretchState = ZtBaseWindowTitle::STRETCH_NONE;
};

} // namespace ZtGUI
