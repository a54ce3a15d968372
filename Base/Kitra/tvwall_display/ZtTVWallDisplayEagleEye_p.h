#pragma once

#include <QPixmap>
#include <QPolygon>
#include <QRectF>

namespace ZtGUI {

class ZtTVWallDisplayEagleEye;

class ZtTVWallDisplayEagleEyePrivate
{
public:
    QPixmap area;
    QPixmap shrinkPicture;
    QPixmap expandPicture;
    QPolygon shrinkButton;     // lower-right triangles of the pictures' sizes, from (0, 0)
    QPolygon expandButton;
    bool collapsed = true;
    int rows = 1;
    int cols = 1;
    QRectF viewport;           // fractions of the map

    // Where a button's triangle lies in a widget of `size`: its bottom-right corner.
    static QPolygon inCorner(const QPolygon& button, const QPixmap& picture, const QSize& size);
    void setCollapsed(ZtTVWallDisplayEagleEye* eye, bool collapse);
};

} // namespace ZtGUI
