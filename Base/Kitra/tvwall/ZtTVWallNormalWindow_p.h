#pragma once

#include "KitraLaidOutText_p.h"
#include "ZtTVWallItemData_p.h"
#include "ZtTVWallNormalWindow.h"

#include <QFont>
#include <QPointer>
#include <QSizeF>

class QGraphicsPixmapItem;
class QPainter;

namespace ZtGUI {

class ZtTVWallNormalWindowPrivate
{
    Q_DECLARE_PUBLIC(ZtTVWallNormalWindow)

public:
    explicit ZtTVWallNormalWindowPrivate(ZtTVWallNormalWindow* window) : q_ptr(window) {}

    static ZtTVWallNormalWindowPrivate* get(ZtTVWallNormalWindow* window) { return window->d_func(); }

    /// Keeps the rectangle for Restore(), takes `scale` with the two states (free windows only),
    /// places the window and reports it, however little it moved: undo puts a rectangle back
    /// exactly, and a key steps by one pixel, which may be less than the precision.
    void applyScale(const StructScaleRect& scale, bool maximizedState, bool fittedState);

    /// Follows the geometry of `parent` when it is a widget other than a screen (screens re-place
    /// their windows themselves).
    void followParent(QGraphicsItem* parent);
    /// Takes the place its scale gives it in its screen.
    void placeInScreen();
    /// Windows smaller than `limit` (item units; invalid for none) draw simplified.
    void setDetailLimit(const QSizeF& limit);
    /// Simplified or not for the current size; the title bar follows.
    void updateDetail();
    /// The title bar shows while there are titles or buttons, and the window is drawn in full.
    void showTitleBar();
    /// The window as drawn below the detail threshold: frame, fill and selection.
    void paintSimplified(QPainter* painter) const;
    /// Tells assistive tools of a new lock (read-only state) when the free flag is no longer `wasFree`.
    void announceLock(bool wasFree);

    ZtTVWallNormalWindow* q_ptr;
    ZtTVWallNormalTitleItem* titleItem = nullptr;
    StructScaleRect scale;
    StructScaleRect savedScale;
    double precision = kTVWallScalePrecision;
    QString contentText;
    QString shownContentText;     // contentText elided to the width it was last drawn at
    qreal shownContentWidth = -1.0;
    QFont contentFont;
    KitraLaidOutText contentLayout;
    bool maximized = false;
    bool fitted = false;
    bool volumeOn = false;
    QGraphicsPixmapItem* buttons[8] = {};
    bool titleShow = true;
    bool releaseEnabled = true;
    bool audioVisible = false;
    QSizeF detailLimit;
    bool simplified = false;      // smaller than detailLimit: no title bar, buttons or texts
    QPointer<QGraphicsWidget> geometrySource;   // the parent whose resizes re-place the window

    bool isFree() const { return scale.bFreeMode; }
};

} // namespace ZtGUI
