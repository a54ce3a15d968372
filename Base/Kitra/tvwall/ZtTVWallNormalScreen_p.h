#pragma once

#include "StructScaleRect.h"

#include <QFont>
#include <QMap>
#include <QPointF>
#include <QPointer>
#include <QString>

class QGraphicsRectItem;
class QGraphicsSceneMouseEvent;
class QGraphicsSceneHoverEvent;
class QGraphicsScene;

namespace ZtGUI {

class ZtTVWallNormalScreen;
class ZtTVWallNormalWindow;
class ZtTVWallNormalWnd;

class ZtTVWallNormalScreenPrivate
{
    Q_DECLARE_PUBLIC(ZtTVWallNormalScreen)

public:
    explicit ZtTVWallNormalScreenPrivate(ZtTVWallNormalScreen* screen) : q_ptr(screen) {}

    int selectionMode() const;
    /// Single and multi selection: windows can be selected, moved and resized with the mouse.
    bool windowsSelectable() const;
    double precision() const;
    void layout();
    int indexOf(const QGraphicsItem* item) const;
    void retitleWindows();
    void connectReports(ZtTVWallNormalWindow* window, bool connected);
    QRectF spannedRect(const QPointF& to) const;
    void showBand(const QPointF& to);
    bool selectWindowsInBand();
    void resetDrag();

    // The operator's gestures on a window. A slot may delete the window or this screen from any
    // signal emitted here, so nothing is touched after a signal without checking.
    void windowPressed(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event);
    void windowMoved(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event);
    /// Whether the release goes on to the window (for its title buttons).
    bool windowReleased(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event);
    void windowHovered(ZtTVWallNormalWindow* window, QGraphicsSceneHoverEvent* event);
    void moveGroup(const QPointF& vector);
    QRectF resizedGeometry(const ZtTVWallNormalWindow* window, const QPointF& mouse, const QPointF& pressInWindow) const;
    bool commitDrag();

    ZtTVWallNormalScreen* q_ptr;
    ZtTVWallNormalWnd* owner = nullptr;
    int rowSpan = 0;
    int colSpan = 0;
    StructScaleRect scale;
    QString contentText;
    QString shownContentText;     // contentText elided for the size and font it was last drawn at
    QSizeF shownContentSize;
    QFont contentFont;
    QList<ZtTVWallNormalWindow*> windows;
    QMap<ZtTVWallNormalWindow*, QPointF> dragStart;
    bool moving = false;
    bool resizing = false;
    bool banding = false;
    QPointF pressPos;
    QGraphicsRectItem* drawRectItem = nullptr;
    QGraphicsRectItem* bandRectItem = nullptr;
    int resizeZone = 0;
    double resizeOffsetRight = 0.0;
    double resizeOffsetBottom = 0.0;
    bool titleShow = true;
    QPointer<QGraphicsScene> layoutScene;   // whose scene rectangle the screen follows
};

/// Where a point lies on a window rectangle: 0 outside, 1 to 8 the edges and corners clockwise
/// from the left edge (1 left, 2 top-left, 3 top, 4 top-right, 5 right, 6 bottom-right,
/// 7 bottom, 8 bottom-left), 9 inside.
int ZtTVWallHitZone(const QRectF& window, const QPointF& point);

} // namespace ZtGUI
