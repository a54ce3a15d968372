#pragma once

#include "WindowStretch_p.h"
#include "ZtBaseWindowTitle.h"

#include <QPoint>

namespace ZtGUI {

class ZtBaseWindowTitlePrivate
{
public:
    static QPoint noPress() { return QPoint(-1, -1); }

    QPoint pressPos = noPress();   // in the parent's coordinates while a drag is under way
    bool moveEnabled = true;
    bool doubleClickEnabled = false;
    WindowStretchRegions regions;
    bool stretching = false;
    ZtBaseWindowTitle::WindowStretchRectState stretchState = ZtBaseWindowTitle::STRETCH_NONE;
};

} // namespace ZtGUI
