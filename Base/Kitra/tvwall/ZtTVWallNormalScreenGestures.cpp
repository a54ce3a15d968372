// What the operator does on a screen and its windows: selecting by the wall's selection mode,
// drawing an area for a new window, the selection band, moving a group of windows and resizing
// one. One gesture runs from the press of a button to the release of the last one held.
#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalScreen_p.h"

#include "KitraGuard_p.h"
#include "ZtTVWallItemData_p.h"
#include "ZtTVWallNormalTitleItem.h"
#include "ZtTVWallNormalUndo_p.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWindow_p.h"
#include "ZtTVWallNormalWnd.h"

#include <QApplication>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>

namespace ZtGUI {

namespace {

const qreal kZoneMargin = 6.0;
const qreal kMinWidth = kTVWallMinWindowWidth;
const qreal kMinHeight = kTVWallMinWindowHeight;

bool isEdgeZone(int zone)
{
    return zone >= 1 && zone <= 8;
}

Qt::CursorShape cursorOfZone(int zone)
{
    switch (zone) {
    case 1: case 5: return Qt::SizeHorCursor;
    case 2: case 6: return Qt::SizeFDiagCursor;
    case 3: case 7: return Qt::SizeVerCursor;
    case 4: case 8: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

// A press of a second button, or one that reached the item only through the mouse grab of a
// gesture already running, belongs to that gesture and starts none.
bool startsGesture(const QGraphicsSceneMouseEvent* event, const QRectF& item)
{
    return event->buttons() == event->button() && item.contains(event->pos());
}

bool endsGesture(const QGraphicsSceneMouseEvent* event)
{
    return event->buttons() == Qt::NoButton;
}

StructScaleRect toScale(const QRectF& r, const QSizeF& area)
{
    return StructScaleRect(r.x() / area.width(), r.y() / area.height(), r.right() / area.width(),
                           r.bottom() / area.height(), true);
}

} // namespace

int ZtTVWallHitZone(const QRectF& w, const QPointF& p)
{
    if (!w.contains(p))
        return 0;
    const qreal m = kZoneMargin;
    const QRectF zones[] = {
        QRectF(w.left(), w.top() + m, m, w.height() - 2 * m),            // 1 left
        QRectF(w.left(), w.top(), m, m),                                 // 2 top-left
        QRectF(w.left() + m, w.top(), w.width() - 2 * m, m),             // 3 top
        QRectF(w.right() - m, w.top(), m, m),                            // 4 top-right
        QRectF(w.right() - m, w.top() + m, m, w.height() - 2 * m),       // 5 right
        QRectF(w.right() - m, w.bottom() - m, m, m),                     // 6 bottom-right
        QRectF(w.left() + m, w.bottom() - m, w.width() - 2 * m, m),      // 7 bottom
        QRectF(w.left(), w.bottom() - m, m, m),                          // 8 bottom-left
    };
    for (int i = 0; i < 8; ++i) {
        if (zones[i].contains(p))
            return i + 1;
    }
    return 9;
}

QRectF ZtTVWallNormalScreenPrivate::spannedRect(const QPointF& to) const
{
    return QRectF(QPointF(qMin(pressPos.x(), to.x()), qMin(pressPos.y(), to.y())),
                  QPointF(qMax(pressPos.x(), to.x()), qMax(pressPos.y(), to.y())));
}

QPointF ZtTVWallNormalScreenPrivate::onScreen(const QPointF& p) const
{
    const QRectF area = q_func()->boundingRect();
    return QPointF(qBound(area.left(), p.x(), area.right()), qBound(area.top(), p.y(), area.bottom()));
}

void ZtTVWallNormalScreenPrivate::showOverlay(bool band, const QRectF& area)
{
    // One overlay at a time: the selection mode may change in the middle of a drag.
    (band ? drawRectItem : bandRectItem)->hide();
    QGraphicsRectItem* shown = band ? bandRectItem : drawRectItem;
    shown->setRect(area);
    shown->show();
    banding = band;
}

bool ZtTVWallNormalScreenPrivate::selectWindowsIn(const QRectF& band)
{
    bool changed = false;
    for (ZtTVWallNormalWindow* window : qAsConst(windows)) {
        if (!window->isSelected() && window->geometry().intersects(band)) {
            window->setSelected(true);
            changed = true;
        }
    }
    return changed;
}

void ZtTVWallNormalScreenPrivate::endGesture()
{
    // Back where their scales put them, which a wall resized in the middle of the drag has moved.
    for (auto it = dragStart.cbegin(); it != dragStart.cend(); ++it)
        ZtTVWallNormalWindowPrivate::get(it.key())->placeInScreen();
    dragStart.clear();
    drawRectItem->hide();
    bandRectItem->hide();
    banding = false;
    moving = false;
    resizing = false;
    resizeZone = 0;
    resizeOffsetRight = 0.0;
    resizeOffsetBottom = 0.0;
    pressedWindow = nullptr;
}

void ZtTVWallNormalScreenPrivate::startWindowGesture(ZtTVWallNormalWindow* window, const QGraphicsSceneMouseEvent* event)
{
    Q_Q(ZtTVWallNormalScreen);
    endGesture();   // whatever a gesture cut short left behind
    pressedWindow = window;
    pressPos = window->mapToParent(event->pos());
    resizeZone = ZtTVWallHitZone(window->boundingRect(), event->pos());
    resizing = event->button() == Qt::LeftButton && isEdgeZone(resizeZone);
    if (resizeZone >= 5 && resizeZone <= 7) {
        const QRectF g = window->geometry();
        resizeOffsetRight = g.right() - pressPos.x();
        resizeOffsetBottom = g.bottom() - pressPos.y();
    }

    const int mode = selectionMode();
    if (mode == ZtTVWallNormalWnd::SingleSelection) {
        const QPointer<ZtTVWallNormalScreen> self(q);
        const QPointer<ZtTVWallNormalWindow> alive(window);
        const bool wasSelected = window->isSelected();
        q->scene()->clearSelection();
        q->setSelected(true);       // reported to the host, who may delete anything
        if (!self || !alive)
            return;
        window->setSelected(true);
        if (!wasSelected)
            emit q->SignalWindowSelectedChanged();
    } else if (mode == ZtTVWallNormalWnd::MultiSelection && !q->IsSelected()) {
        q->scene()->clearSelection();
        emit q->SignalWindowSelectedChanged();
    }
}

void ZtTVWallNormalScreenPrivate::windowPressed(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event)
{
    Q_Q(ZtTVWallNormalScreen);
    const QPointer<ZtTVWallNormalScreen> self(q);
    const QPointer<ZtTVWallNormalWindow> alive(window);
    if (startsGesture(event, window->boundingRect()))
        startWindowGesture(window, event);
    if (self && alive && window->IsFreeMode())
        emit q->SignalWindowEvent(index, event);
}

void ZtTVWallNormalScreenPrivate::moveGroup(const QPointF& vector)
{
    Q_Q(ZtTVWallNormalScreen);
    // Each window at its start with its size of now: a host that resized the wall in the middle of
    // the drag has laid the windows out anew.
    QRectF group;
    for (auto it = dragStart.cbegin(); it != dragStart.cend(); ++it)
        group |= QRectF(it.value(), it.key()->size());
    // The group moves as one and stops when its outer window reaches the screen's edge.
    const QRectF area = q->boundingRect();
    const qreal dx = qMax(area.left() - group.left(), qMin(area.right() - group.right(), vector.x()));
    const qreal dy = qMax(area.top() - group.top(), qMin(area.bottom() - group.bottom(), vector.y()));
    for (auto it = dragStart.cbegin(); it != dragStart.cend(); ++it)
        it.key()->setPos(it.value() + QPointF(dx, dy));
}

QRectF ZtTVWallNormalScreenPrivate::resizedGeometry(const ZtTVWallNormalWindow* window, const QPointF& p,
                                                    const QPointF& d) const
{
    Q_Q(const ZtTVWallNormalScreen);
    const QRectF s = q->boundingRect();
    const QRectF g = window->geometry();
    const qreal leftX = qMin(qMax(p.x(), s.left() + d.x()), g.right() - kMinWidth);
    const qreal topY = qMin(qMax(p.y(), s.top() + d.y()), g.bottom() - kMinHeight);
    const qreal width = qMax(qMin(p.x(), s.right() - resizeOffsetRight) - g.left(), kMinWidth) + resizeOffsetRight;
    const qreal height = qMax(qMin(p.y(), s.bottom() - resizeOffsetBottom) - g.top(), kMinHeight) + resizeOffsetBottom;
    switch (resizeZone) {
    case 1:
        return QRectF(QPointF(leftX - d.x(), g.top()), g.bottomRight());
    case 2:
        return QRectF(QPointF(leftX - d.x(), topY - d.y()), g.bottomRight());
    case 3:
        return QRectF(QPointF(g.left(), topY - d.y()), g.bottomRight());
    case 4: {
        const qreal x = qMax(qMin(p.x(), s.right()), g.left() + kMinWidth);
        const qreal y = qMin(qMax(p.y(), s.top()), g.bottom() - kMinHeight);
        return QRectF(QPointF(g.left(), y), QPointF(x, g.bottom()));
    }
    case 5:
        return QRectF(g.topLeft(), QSizeF(width, g.height()));
    case 6:
        return QRectF(g.topLeft(), QSizeF(width, height));
    case 7:
        return QRectF(g.topLeft(), QSizeF(g.width(), height));
    case 8: {
        const qreal x = qMin(qMax(p.x(), s.left()), g.right() - kMinWidth);
        const qreal y = qMax(qMin(p.y(), s.bottom()), g.top() + kMinHeight);
        return QRectF(QPointF(x, g.top()), QPointF(g.right(), y));
    }
    default:
        return g;
    }
}

void ZtTVWallNormalScreenPrivate::followMouse(ZtTVWallNormalWindow* window, const QGraphicsSceneMouseEvent* event)
{
    Q_Q(ZtTVWallNormalScreen);
    const QPointF mouse = q->mapFromScene(event->scenePos());
    if (selectionMode() == ZtTVWallNormalWnd::MultiSelection && !window->isSelected()) {
        showOverlay(true, spannedRect(mouse));
        return;
    }
    if (!moving) {
        // The window under the mouse belongs to the drag even when a switch of the mode left it
        // unselected, so that the release commits it or puts it back.
        dragStart.insert(window, window->pos());
        for (ZtTVWallNormalWindow* w : qAsConst(windows)) {
            if (w->isSelected())
                dragStart.insert(w, w->pos());
        }
        moving = true;
    }
    if (resizing) {
        window->SetReleaseEnabled(false);
        // A window the host has placed since the press is out of the drag: the host's rectangle wins.
        // A window already smaller than the least size keeps within its screen rather than grow out.
        if (dragStart.contains(window))
            window->setGeometry(resizedGeometry(window, mouse, event->buttonDownPos(Qt::LeftButton)) & q->boundingRect());
        return;
    }
    if (!(event->buttons() & Qt::LeftButton) || !(window->flags() & QGraphicsItem::ItemIsMovable))
        return;
    window->SetReleaseEnabled(false);
    const QPointF vector = mouse - pressPos;
    if (vector.manhattanLength() > QApplication::startDragDistance())
        moveGroup(vector);
}

void ZtTVWallNormalScreenPrivate::windowMoved(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event)
{
    Q_Q(ZtTVWallNormalScreen);
    if (windowsSelectable()) {
        const QPointer<ZtTVWallNormalScreen> self(q);
        const QPointer<ZtTVWallNormalWindow> alive(window);
        q->setSelected(true);
        if (!self || !alive || !window->IsFreeMode())
            return;
        followMouse(window, event);
    }
    emit q->SignalWindowEvent(index, event);
}

bool ZtTVWallNormalScreenPrivate::commitDrag()
{
    Q_Q(ZtTVWallNormalScreen);
    const QSizeF area = q->boundingRect().size();
    if (area.isEmpty())
        return true;
    ZtTVWallGestureRecord record(owner, resizing ? ZtTVWallNormalWnd::tr("Resize window")
                                                 : ZtTVWallNormalWnd::tr("Move window(s)"));
    QList<QPointer<ZtTVWallNormalWindow>> dragged;
    for (ZtTVWallNormalWindow* window : dragStart.keys()) {
        dragged.append(window);
        record.watch(window);
    }
    dragStart.clear();      // committed: the windows stay where the drag left them
    const QPointer<ZtTVWallNormalScreen> self(q);
    for (const QPointer<ZtTVWallNormalWindow>& window : qAsConst(dragged)) {
        if (window)
            window->SetScale(toScale(window->geometry(), area));     // reported to the host
        if (!self)
            return false;
    }
    record.commit();
    return true;
}

bool ZtTVWallNormalScreenPrivate::toggleWindow(ZtTVWallNormalWindow* window, const QGraphicsSceneMouseEvent* event)
{
    Q_Q(ZtTVWallNormalScreen);
    const QPointer<ZtTVWallNormalScreen> self(q);
    const QPointer<ZtTVWallNormalWindow> alive(window);
    q->setSelected(true);
    if (!self || !alive)
        return false;
    const ZtTVWallNormalTitleItem* title = window->GetTitleItem();
    const bool onTitle = title->isVisible() && title->sceneBoundingRect().contains(event->scenePos());
    const bool select = !window->isSelected();
    if (onTitle || (!select && event->button() != Qt::LeftButton))
        return true;
    window->setSelected(select);
    return EmitAlive(q, &ZtTVWallNormalScreen::SignalWindowSelectedChanged) && alive;
}

bool ZtTVWallNormalScreenPrivate::windowReleased(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event)
{
    Q_Q(ZtTVWallNormalScreen);
    if (!endsGesture(event)) {
        emit q->SignalWindowEvent(index, event);
        return false;
    }
    const int mode = selectionMode();
    if (mode == ZtTVWallNormalWnd::MultiSelection && banding) {
        const QRectF band = bandRectItem->rect();
        endGesture();
        if (selectWindowsIn(band))
            emit q->SignalWindowSelectedChanged();
        return false;
    }
    const QPointer<ZtTVWallNormalWindow> alive(window);
    if (windowsSelectable()) {
        if (mode == ZtTVWallNormalWnd::MultiSelection && !moving && !toggleWindow(window, event))
            return false;
        if (!commitDrag() || !alive)
            return false;
    }
    endGesture();
    return EmitAlive(q, &ZtTVWallNormalScreen::SignalWindowEvent, index, event) && alive;
}

void ZtTVWallNormalScreenPrivate::windowHovered(ZtTVWallNormalWindow* window, QGraphicsSceneHoverEvent* event)
{
    Q_Q(ZtTVWallNormalScreen);
    const int zone = ZtTVWallHitZone(window->boundingRect(), event->pos());
    const bool grip = resizing || (isEdgeZone(zone) && window->isSelected());
    window->setCursor(grip && q->IsFreeMode() ? cursorOfZone(resizing ? resizeZone : zone) : Qt::ArrowCursor);
}

bool ZtTVWallNormalScreen::sceneEventFilter(QGraphicsItem* watched, QEvent* event)
{
    Q_D(ZtTVWallNormalScreen);
    // Every descendant's events pass here; only the windows, direct children, are searched for.
    const int index = watched->parentItem() == this ? d->indexOf(watched) : -1;
    if (index < 0)
        return false;
    ZtTVWallNormalWindow* window = d->windows.at(index);
    // Whenever a slot deleted the window or this screen, the event is eaten so that the scene
    // delivers it to nothing that is gone.
    switch (event->type()) {
    case QEvent::GraphicsSceneDragEnter:
    case QEvent::GraphicsSceneDrop:
        emit SignalWindowEvent(index, event);
        return true;
    case QEvent::GraphicsSceneContextMenu:
        if (qFuzzyCompare(window->zValue(), GetMaxWindowZValue()))
            emit SignalWindowEvent(index, event);
        return true;
    case QEvent::GraphicsSceneHoverMove: {
        const QPointer<ZtTVWallNormalWindow> alive(window);
        d->windowHovered(window, static_cast<QGraphicsSceneHoverEvent*>(event));
        return !EmitAlive(this, &ZtTVWallNormalScreen::SignalWindowEvent, index, event) || !alive;
    }
    case QEvent::GraphicsSceneMousePress:
        d->windowPressed(window, index, static_cast<QGraphicsSceneMouseEvent*>(event));
        return true;
    case QEvent::GraphicsSceneMouseMove:
        d->windowMoved(window, index, static_cast<QGraphicsSceneMouseEvent*>(event));
        return true;
    case QEvent::GraphicsSceneMouseRelease:
        return !d->windowReleased(window, index, static_cast<QGraphicsSceneMouseEvent*>(event));
    default:
        return false;
    }
}

// The base class's press and release are left out: they select the screen from inside Qt's
// handler, which goes on with the item after the host's slots have run, and a host may delete
// every screen there. The screen selects itself instead.
void ZtTVWallNormalScreen::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    Q_D(ZtTVWallNormalScreen);
    event->accept();
    if (!startsGesture(event, boundingRect()))
        return;
    d->endGesture();
    d->pressPos = event->pos();
    if (!isSelected()) {
        const QPointer<ZtTVWallNormalScreen> self(this);
        scene()->clearSelection();
        setSelected(true);
        if (!self)
            return;
    }
    ClearWindowSelection();
}

void ZtTVWallNormalScreen::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    Q_D(ZtTVWallNormalScreen);
    QGraphicsWidget::mouseMoveEvent(event);
    if (d->selectionMode() == ZtTVWallNormalWnd::MultiSelection) {
        d->showOverlay(true, d->spannedRect(event->pos()));
        return;
    }
    // A window asked for by drawing must fit on this screen, wherever the mouse went.
    d->showOverlay(false, d->spannedRect(d->onScreen(event->pos())));
}

void ZtTVWallNormalScreen::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    Q_D(ZtTVWallNormalScreen);
    event->accept();
    if (!endsGesture(event))
        return;
    const QGraphicsItem* hit = scene() ? scene()->itemAt(event->scenePos(), QTransform()) : nullptr;
    const QVariant button = hit ? hit->data(TVWallItemData::ButtonId) : QVariant();
    if (button.isValid() && button.toUInt() == TVWallItemData::ScreenCloseButton
        && !EmitAlive(this, &ZtTVWallNormalScreen::SignalCloseBtnClicked))
        return;
    const bool band = d->banding;
    const bool drawn = d->drawRectItem->isVisible();
    const QRectF area = (band ? d->bandRectItem : d->drawRectItem)->rect();
    d->endGesture();
    // The mode at the release decides; an overlay that a switch of the mode left is dropped.
    if (d->selectionMode() == ZtTVWallNormalWnd::MultiSelection) {
        if (band && d->selectWindowsIn(area))
            emit SignalWindowSelectedChanged();
        return;
    }
    const QSizeF size = boundingRect().size();
    if (!drawn || size.isEmpty())
        return;
    // Drawn at the screen's size of the last move: a screen that shrank since still holds it.
    emit SignalDrawAreaOpenWindow(toScale(QRectF(d->onScreen(area.topLeft()), d->onScreen(area.bottomRight())), size));
}

} // namespace ZtGUI
