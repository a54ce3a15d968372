// How the operator selects, moves and resizes windows and draws bands and areas on a screen.
#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayScreen_p.h"

#include "KitraCompat_p.h"
#include "KitraGuard_p.h"
#include "QOSDShowLabel.h"
#include "ZtTVWallDisplayFrame.h"
#include "ZtTVWallDisplayHistory_p.h"
#include "ZtTVWallDisplayWindow.h"
#include "ZtTVWallDisplayWnd.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>

namespace ZtGUI {

namespace {

const int kEdge = 6;
const int kMinRegionWidth = 50;
const int kMinRegionHeight = 30;
const int kMinWidth = 50;
const int kMinHeight = 25;

// 1 left edge, 2 top-left, 3 top, 4 top-right, 5 right, 6 bottom-right, 7 bottom, 8 bottom-left,
// 9 inside, 0 outside or too small a window to have edges.
int regionOf(const QPoint& p, const QSize& size)
{
    if (size.width() < kMinRegionWidth || size.height() < kMinRegionHeight)
        return 0;
    const QRect r(QPoint(0, 0), size);
    if (!r.contains(p))
        return 0;
    const bool left = p.x() < kEdge;
    const bool top = p.y() < kEdge;
    const bool right = p.x() > r.right() - kEdge;
    const bool bottom = p.y() > r.bottom() - kEdge;
    if (top)
        return left ? 2 : right ? 4 : 3;
    if (bottom)
        return left ? 8 : right ? 6 : 7;
    return left ? 1 : right ? 5 : 9;
}

Qt::CursorShape cursorOf(int region)
{
    switch (region) {
    case 1: case 5: return Qt::SizeHorCursor;
    case 2: case 6: return Qt::SizeFDiagCursor;
    case 3: case 7: return Qt::SizeVerCursor;
    case 4: case 8: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

bool isEdge(int region)
{
    return region >= 1 && region <= 8;
}

} // namespace

bool ZtTVWallDisplayScreenPrivate::selectWindow(ZtTVWallDisplayWindow* target, bool fromDrag, bool& changed)
{
    Q_Q(ZtTVWallDisplayScreen);
    const bool single = mode() == ZtTVWallDisplayWnd::SingleSelection;
    changed = false;
    for (ZtTVWallDisplayWindow* w : qAsConst(windows)) {
        if (w != target) {
            if (single && w->IsSelected()) {
                w->SetSelected(false);
                changed = true;
            }
        } else if (single || (!fromDrag && bandFromWindow && bandActive)) {
            if (!w->IsSelected()) {
                w->SetSelected(true);
                changed = true;
            }
        } else if (!fromDrag) {
            w->SetSelected(!w->IsSelected());
            changed = true;
        } else {
            // Dragging an unselected window draws a band; dragging a selected one moves the selection.
            bandFromWindow = !w->IsSelected();
        }
    }
    return selected || EmitAlive(q, &ZtTVWallDisplayScreen::SignalSelected);
}

bool ZtTVWallDisplayScreenPrivate::unselectAll()
{
    bool any = false;
    for (ZtTVWallDisplayWindow* w : qAsConst(windows)) {
        any = any || w->IsSelected();
        w->SetSelected(false);
    }
    return any;
}

bool ZtTVWallDisplayScreenPrivate::selectBand(const QRect& band, bool& changed)
{
    changed = false;
    const QList<QPointer<ZtTVWallDisplayWindow>> touched = [this, &band] {
        QList<QPointer<ZtTVWallDisplayWindow>> found;
        for (ZtTVWallDisplayWindow* w : qAsConst(windows)) {
            if (w->geometry().intersects(band))
                found << w;
        }
        return found;
    }();
    for (const QPointer<ZtTVWallDisplayWindow>& w : touched) {
        bool one = false;
        if (w && !selectWindow(w, false, one))
            return false;
        changed = changed || one;
    }
    return true;
}

void ZtTVWallDisplayScreenPrivate::showFrame(ZtTVWallDisplayFrame* frame, const QRect& rect)
{
    frame->setGeometry(rect);
    frame->show();
    frame->raise();
}

bool ZtTVWallDisplayScreenPrivate::windowPress(ZtTVWallDisplayWindow* w, QMouseEvent* event)
{
    Q_Q(ZtTVWallDisplayScreen);
    const QRect g = w->geometry();
    topLeft = g.topLeft();
    bottomRight = g.bottomRight();
    bottomLeft = g.bottomLeft();
    topRight = g.topRight();
    pressInWindow = event->pos();
    pressPoint = w->mapToParent(event->pos());
    currentPoint = pressPoint;
    pressed = true;
    region = regionOf(event->pos(), w->size());
    resizing = event->button() == Qt::LeftButton && isEdge(region);
    if (region >= 5 && region <= 7) {
        rightDistance = g.right() - pressPoint.x();
        bottomDistance = g.bottom() - pressPoint.y();
    }
    if (w->GetScale().bFreeMode)
        EmitAlive(q, &ZtTVWallDisplayScreen::SignalWindowEvent, indexOf(w), static_cast<QEvent*>(event));
    return true;
}

void ZtTVWallDisplayScreenPrivate::updateCursor(ZtTVWallDisplayWindow* w)
{
    if (!w->IsSelected()) {
        w->setCursor(Qt::ArrowCursor);
        return;
    }
    w->setCursor(resizing || (isEdge(region) && selected) ? cursorOf(region) : Qt::ArrowCursor);
}

bool ZtTVWallDisplayScreenPrivate::windowMove(ZtTVWallDisplayWindow* w, QMouseEvent* event)
{
    Q_Q(ZtTVWallDisplayScreen);
    lockMessage = w->IsWallLocked() ? ZtTVWallDisplayScreen::tr("TVWall Locked!")
                  : w->GetLockBtnStatus() ? ZtTVWallDisplayScreen::tr("Window locked!") : QString();
    lockedAtMove = !lockMessage.isEmpty();
    if (!w->GetScale().bFreeMode)
        return true;
    updateCursor(w);
    const int m = mode();
    if (!pressed || event->buttons() == Qt::NoButton
        || (m != ZtTVWallDisplayWnd::SingleSelection && m != ZtTVWallDisplayWnd::MultiSelection))
        return true;
    // The host may delete the window, or the whole screen, from a slot of either signal.
    const QPointer<ZtTVWallDisplayWindow> window(w);
    bool changed = false;
    if (!selectWindow(w, true, changed))
        return true;
    if (changed && !EmitAlive(q, &ZtTVWallDisplayScreen::SignalWindowSelectedChanged))
        return true;
    if (!window) {
        endGesture();
        return true;
    }
    currentPoint = w->mapToParent(event->pos());
    if (bandFromWindow) {
        bandActive = true;
        showFrame(bandFrame, KitraCompat::RectBetween(pressPoint, currentPoint));
        return true;
    }
    if (!moving) {
        moveSet.clear();
        for (ZtTVWallDisplayWindow* x : qAsConst(windows)) {
            if (x->IsSelected() && !x->GetLockBtnStatus() && !x->IsWallLocked())
                moveSet.insert(x, x->pos());
        }
    }
    if (resizing && !lockedAtMove) {
        resizeWindow(w, currentPoint);
        resized = true;
        return true;
    }
    if (!(event->buttons() & Qt::LeftButton))
        return true;
    if (!moving && (currentPoint - pressPoint).manhattanLength() > QApplication::startDragDistance())
        moving = true;
    if (moving && !lockedAtMove)
        moveGroup(currentPoint - pressPoint);
    return true;
}

void ZtTVWallDisplayScreenPrivate::moveGroup(const QPoint& offset)
{
    QRect bound;
    for (auto it = moveSet.cbegin(); it != moveSet.cend(); ++it)
        bound |= QRect(it.value(), it.key()->size());
    const QSize s = area();
    // The group stops as a whole as soon as one of its windows reaches an edge.
    const int dx = qBound(-bound.left(), offset.x(), s.width() - 1 - bound.right());
    const int dy = qBound(-bound.top(), offset.y(), s.height() - 1 - bound.bottom());
    for (auto it = moveSet.cbegin(); it != moveSet.cend(); ++it) {
        it.key()->setUpdatesEnabled(false);
        it.key()->move(it.value() + QPoint(dx, dy));
        it.key()->setUpdatesEnabled(true);
    }
}

void ZtTVWallDisplayScreenPrivate::resizeWindow(ZtTVWallDisplayWindow* w, const QPoint& pointer)
{
    const QSize s = area();
    const QPoint p(qBound(0, pointer.x(), s.width() - 1), qBound(0, pointer.y(), s.height() - 1));
    const int farRight = qMin(s.width() - 1, p.x() + rightDistance);
    const int farBottom = qMin(s.height() - 1, p.y() + bottomDistance);
    QRect r(topLeft, bottomRight);
    switch (region) {
    case 1: r.setLeft(p.x()); break;
    case 2: r.setTopLeft(p); break;
    case 3: r.setTop(p.y()); break;
    case 4: r.setTop(p.y()); r.setRight(p.x()); break;
    case 5: r.setRight(farRight); break;
    case 6: r.setRight(farRight); r.setBottom(farBottom); break;
    case 7: r.setBottom(farBottom); break;
    case 8: r.setLeft(p.x()); r.setBottom(p.y()); break;
    default: return;
    }
    const bool leftEdge = region == 1 || region == 2 || region == 8;
    const bool topEdge = region == 2 || region == 3 || region == 4;
    if (r.width() < kMinWidth) {
        if (leftEdge)
            r.setLeft(r.right() - kMinWidth + 1);
        else
            r.setRight(r.left() + kMinWidth - 1);
    }
    if (r.height() < kMinHeight) {
        if (topEdge)
            r.setTop(r.bottom() - kMinHeight + 1);
        else
            r.setBottom(r.top() + kMinHeight - 1);
    }
    w->setGeometry(r);
}

bool ZtTVWallDisplayScreenPrivate::applyMoves()
{
    Q_Q(ZtTVWallDisplayScreen);
    const QSize s = area();
    const double width = s.width();
    const double height = s.height();
    QList<QPointer<ZtTVWallDisplayWindow>> moved;
    for (ZtTVWallDisplayWindow* w : qAsConst(windows)) {
        if (moveSet.contains(w))
            moved << w;
    }
    const QPointer<ZtTVWallDisplayScreen> alive(q);
    for (const QPointer<ZtTVWallDisplayWindow>& w : qAsConst(moved)) {
        if (!w)
            continue;
        const QRect g = w->geometry();
        w->SetScale(StructScaleRect(g.left() / width, g.top() / height, (g.right() + 1) / width,
                                    (g.bottom() + 1) / height, true));
        if (!alive)
            return false;
    }
    return true;
}

bool ZtTVWallDisplayScreenPrivate::recordMoves()
{
    Q_Q(ZtTVWallDisplayScreen);
    DisplayGesture gesture(q, resized ? ZtTVWallDisplayWnd::tr("Resize window") : ZtTVWallDisplayWnd::tr("Move window(s)"));
    for (ZtTVWallDisplayWindow* w : qAsConst(windows)) {
        if (moveSet.contains(w))
            gesture.track(w);
    }
    return applyMoves();
}

void ZtTVWallDisplayScreenPrivate::endGesture()
{
    moving = false;
    resizing = false;
    resized = false;
    pressed = false;
    region = 0;
    moveSet.clear();
    rightDistance = 0;
    bottomDistance = 0;
}

bool ZtTVWallDisplayScreenPrivate::windowRelease(ZtTVWallDisplayWindow* w, QMouseEvent* event)
{
    Q_Q(ZtTVWallDisplayScreen);
    using S = ZtTVWallDisplayScreen;
    const QPoint releasePoint = w->mapToParent(event->pos());
    const QPointer<ZtTVWallDisplayWindow> window(w);
    if (pressed && releasePoint == pressPoint) {
        bool changed = false;
        const bool selects = event->button() == Qt::LeftButton || (event->button() == Qt::RightButton && !w->IsSelected());
        if (selects && !selectWindow(w, false, changed))
            return true;
        if (!EmitAlive(q, changed ? &S::SignalWindowSelectedChanged : &S::SignalWindowClicked))
            return true;
    }
    pressed = false;
    if (bandFromWindow && bandActive) {
        bool changed = false;
        if (!selectBand(KitraCompat::RectBetween(pressPoint, releasePoint), changed))
            return true;
        bandFromWindow = false;
        bandActive = false;
        bandFrame->hide();
        if (changed && !EmitAlive(q, &S::SignalWindowSelectedChanged))
            return true;
    }
    bandFromWindow = false;
    bandActive = false;
    bandFrame->hide();
    if (moving || resized) {
        if (lockedAtMove) {
            const QString message = lockMessage;
            endGesture();
            EmitAlive(q, &S::SignalLockEvent, message);
            return true;
        }
        if (!recordMoves())
            return true;
    }
    endGesture();
    const int index = indexOf(window);
    if (index >= 0)
        EmitAlive(q, &S::SignalWindowEvent, index, static_cast<QEvent*>(event));
    return true;
}

bool ZtTVWallDisplayScreenPrivate::labelEvent(QObject* watched, QEvent* event)
{
    Q_Q(ZtTVWallDisplayScreen);
    if (!qobject_cast<QLabel*>(watched))
        return true;
    const bool rightPress = event->type() == QEvent::MouseButtonPress
                            && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    if (!rightPress && event->type() != QEvent::MouseButtonDblClick)
        return true;
    const auto* show = qobject_cast<QOSDShowLabel*>(watched);
    return EmitAlive(q, &ZtTVWallDisplayScreen::SignalLabelEvent, show ? show->GetIndex() : 0, event);
}

bool ZtTVWallDisplayScreen::eventFilter(QObject* watched, QEvent* event)
{
    Q_D(ZtTVWallDisplayScreen);
    if (OSDHoverEvent(watched, event))
        return QMdiArea::eventFilter(watched, event);
    if (d->colorMode)
        return d->labelEvent(watched, event) ? QMdiArea::eventFilter(watched, event) : true;
    auto* w = qobject_cast<ZtTVWallDisplayWindow*>(watched);
    const int index = d->indexOf(w);
    if (index < 0)
        return QMdiArea::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return d->windowPress(w, static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return d->windowMove(w, static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return d->windowRelease(w, static_cast<QMouseEvent*>(event));
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::ContextMenu:
        EmitAlive(this, &ZtTVWallDisplayScreen::SignalWindowEvent, index, event);
        return true;
    default:
        return QMdiArea::eventFilter(watched, event);
    }
}

void ZtTVWallDisplayScreen::mousePressEvent(QMouseEvent* event)
{
    Q_D(ZtTVWallDisplayScreen);
    event->accept();
    d->pressPoint = event->pos();
    d->currentPoint = d->pressPoint;
    if (!EmitAlive(this, &ZtTVWallDisplayScreen::SignalSelected))
        return;
    if (d->unselectAll())
        emit SignalWindowSelectedChanged();
}

void ZtTVWallDisplayScreen::mouseMoveEvent(QMouseEvent* event)
{
    Q_D(ZtTVWallDisplayScreen);
    event->accept();
    if (event->buttons() == Qt::NoButton)
        return;
    d->currentPoint = event->pos();
    const QRect r = KitraCompat::RectBetween(d->pressPoint, d->currentPoint);
    if (d->mode() == ZtTVWallDisplayWnd::MultiSelection) {
        d->bandActive = true;
        d->showFrame(d->bandFrame, r);
    } else {
        d->drawActive = true;
        d->showFrame(d->drawFrame, r);
    }
}

void ZtTVWallDisplayScreen::mouseReleaseEvent(QMouseEvent* event)
{
    Q_D(ZtTVWallDisplayScreen);
    event->accept();
    const QSize s = d->area();
    QRect r = KitraCompat::RectBetween(d->pressPoint, event->pos());
    r.setLeft(qMax(r.left(), 0));
    r.setTop(qMax(r.top(), 0));
    r.setRight(qMin(r.right(), s.width()));
    r.setBottom(qMin(r.bottom(), s.height()));
    if (d->bandActive) {
        bool changed = false;
        if (!d->selectBand(r, changed))
            return;
        d->bandActive = false;
        d->bandFrame->hide();
        if (changed)
            emit SignalWindowSelectedChanged();
    } else if (d->drawActive) {
        d->drawActive = false;
        d->drawFrame->hide();
        const QPoint delta = event->pos() - d->pressPoint;
        const double w = s.width();
        const double h = s.height();
        if (qAbs(delta.x()) > 2 && qAbs(delta.y()) > 2)
            emit SignalDrawAreaOpenWindow(StructScaleRect(r.x() / w, r.y() / h, r.right() / w, r.bottom() / h, true));
    }
}

void ZtTVWallDisplayScreen::dragEnterEvent(QDragEnterEvent* event)
{
    emit SignalScreenDropEvent(event);
}

void ZtTVWallDisplayScreen::dropEvent(QDropEvent* event)
{
    emit SignalScreenDropEvent(event);
}

void ZtTVWallDisplayScreen::wheelEvent(QWheelEvent* event)
{
    // A screen never scrolls (its windows always lie inside it): the wheel goes on to whoever
    // holds the wall, such as a host that zooms it.
    event->ignore();
}

} // namespace ZtGUI
