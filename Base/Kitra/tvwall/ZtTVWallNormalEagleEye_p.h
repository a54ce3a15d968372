#pragma once

#include <QPixmap>
#include <QPolygonF>

namespace ZtGUI {

class ZtTVWallNormalEagleEyePrivate
{
public:
    QPixmap background;          // the map's panel; without it the overview stays empty
    QPixmap shrinkPicture;
    QPixmap expandPicture;
    QPolygonF expandedShape;     // the panel's rectangle from (0, 0)
    QPolygonF collapsedShape;    // lower-right triangle of the shrink picture's size, the expand button
    QPolygonF shrinkButton;      // that triangle in the panel's bottom-right corner
    bool collapsed = true;
    int rows = 1;
    int cols = 1;
};

} // namespace ZtGUI
