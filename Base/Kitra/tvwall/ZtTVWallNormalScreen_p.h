#pragma once

#include "KitraLaidOutText_p.h"
#include "StructScaleRect.h"
#include "ZtTVWallNormalScreen.h"

#include <QFont>
#include <QMap>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
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

    static ZtTVWallNormalScreenPrivate* get(ZtTVWallNormalScreen* screen) { return screen->d_func(); }
    /// Polishes now what the scene would polish on its next pass, before many of its items go: Qt
    /// looks each unpolished item it removes up in its list of them, a pass per item.
    static void polishBeforeRemoving(QGraphicsScene* scene);
    /// Gives `window` exactly `scale` and the two states, ending any drag of it, and reports it:
    /// how undo, redo and the keyboard place a window.
    static void applyWindowScale(ZtTVWallNormalWindow* window, const StructScaleRect& scale, bool maximized,
                                 bool fitted);

    int selectionMode() const;
    /// Single and multi selection: windows can be selected, moved and resized with the mouse.
    bool windowsSelectable() const;
    double precision() const;
    void layout();
    int indexOf(const QGraphicsItem* item) const;
    /// Gives windows `from` onwards the title of their number.
    void retitleWindows(int from);
    /// Takes window `index` out of the screen and destroys it; whether it had been selected.
    bool removeWindow(int index);
    void connectReports(ZtTVWallNormalWindow* window);
    void disconnectReports(ZtTVWallNormalWindow* window);
    /// Windows smaller than `limit` (item units; invalid for none) draw simplified, now and later.
    void setWindowDetailLimit(const QSizeF& limit);

    // The operator's gestures (ZtTVWallNormalScreenGestures.cpp). A slot may delete the window or
    // this screen from any signal emitted there, so nothing is touched after a signal unchecked.
    void windowPressed(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event);
    void startWindowGesture(ZtTVWallNormalWindow* window, const QGraphicsSceneMouseEvent* event);
    void windowMoved(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event);
    void followMouse(ZtTVWallNormalWindow* window, const QGraphicsSceneMouseEvent* event);
    /// Whether the release goes on to the window (for its title buttons).
    bool windowReleased(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event);
    /// Multi-selection click on a window; false when a slot deleted the window or the screen.
    bool toggleWindow(ZtTVWallNormalWindow* window, const QGraphicsSceneMouseEvent* event);
    void windowHovered(ZtTVWallNormalWindow* window, QGraphicsSceneHoverEvent* event);
    QRectF spannedRect(const QPointF& to) const;
    /// `p` moved onto the screen's rectangle as it stands now.
    QPointF onScreen(const QPointF& p) const;
    void showOverlay(bool band, const QRectF& area);
    bool selectWindowsIn(const QRectF& band);
    void moveGroup(const QPointF& vector);
    QRectF resizedGeometry(const ZtTVWallNormalWindow* window, const QPointF& mouse, const QPointF& pressInWindow) const;
    /// False when a slot deleted the screen.
    bool commitDrag();
    /// Hides the drawn area and the band, puts the windows of an uncommitted drag back where they
    /// started and forgets the press: a gesture ends here, released or cut short.
    void endGesture();

    ZtTVWallNormalScreen* q_ptr;
    ZtTVWallNormalWnd* owner = nullptr;
    int rowSpan = 0;
    int colSpan = 0;
    StructScaleRect scale;
    QString contentText;
    QString shownContentText;     // contentText elided for the size and font it was last drawn at
    QSizeF shownContentSize;
    QFont contentFont;
    KitraLaidOutText contentLayout;
    QList<ZtTVWallNormalWindow*> windows;
    QMap<ZtTVWallNormalWindow*, QPointF> dragStart;    // the position each dragged window started from
    const ZtTVWallNormalWindow* pressedWindow = nullptr;  // where the running gesture began; only compared
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
    QSizeF windowDetailLimit;
    QPointer<QGraphicsScene> layoutScene;   // whose scene rectangle the screen follows
};

/// The smallest window a resize leaves, in pixels of the screen.
const qreal kTVWallMinWindowWidth = 50.0;
const qreal kTVWallMinWindowHeight = 25.0;

/// Where a point lies on a window rectangle: 0 outside, 1 to 8 the edges and corners clockwise
/// from the left edge (1 left, 2 top-left, 3 top, 4 top-right, 5 right, 6 bottom-right,
/// 7 bottom, 8 bottom-left), 9 inside.
int ZtTVWallHitZone(const QRectF& window, const QPointF& point);

} // namespace ZtGUI
