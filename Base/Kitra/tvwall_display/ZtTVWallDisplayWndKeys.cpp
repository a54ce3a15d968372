// The operator's keyboard on the display wall and the frame that shows the wall has focus.
#include "ZtTVWallDisplayWnd.h"
#include "ZtTVWallDisplayWnd_p.h"

#include "TVWallKeys_p.h"
#include "ZtTVWallDisplayAccessible_p.h"
#include "ZtTVWallDisplayHistory_p.h"
#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayWindow.h"
#include "ZtTVWallDisplayWindow_p.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace ZtGUI {

namespace {

// The smallest window the mouse leaves after a resize, in pixels.
const int kMinWidth = 50;
const int kMinHeight = 25;

// A one-pixel frame in the selection colour around the whole wall, above the screens.
class FocusFrame : public QWidget
{
public:
    explicit FocusFrame(QWidget* parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Q_UNUSED(event);
        QPainter painter(this);
        painter.setPen(QPen(FocusFrameColour(), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};


// A far edge moved by `delta`: growing stops at the screen's edge, shrinking at the smallest size,
// and neither ever moves the edge the other way.
double movedEdge(double farEdge, double nearEdge, double delta, double minimum)
{
    if (delta > 0.0)
        return qMax(farEdge, qMin(1.0, farEdge + delta));
    if (delta < 0.0)
        return qMin(farEdge, qMax(nearEdge + minimum, farEdge + delta));
    return farEdge;
}

QList<QPointer<ZtTVWallDisplayWindow>> guarded(const QList<ZtTVWallDisplayWindow*>& windows)
{
    QList<QPointer<ZtTVWallDisplayWindow>> all;
    for (ZtTVWallDisplayWindow* w : windows)
        all << w;
    return all;
}

} // namespace

bool ZtTVWallDisplayWndPrivate::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    const QPoint step = ArrowDirection(key);
    if (!step.isNull()) {
        if (held == Qt::NoModifier || held == Qt::ShiftModifier)
            moveSelected(step, held == Qt::ShiftModifier);
        else if (held == Qt::ControlModifier)
            resizeSelected(step);
        else
            return false;
        return true;
    }
    if (held != Qt::NoModifier)
        return false;
    switch (key) {
    case Qt::Key_Delete: closeSelected(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: toggleSelected(); return true;
    case Qt::Key_Escape: clearSelection(); return true;
    default: return false;
    }
}

QList<ZtTVWallDisplayWindow*> ZtTVWallDisplayWndPrivate::selectedFreeWindows() const
{
    QList<ZtTVWallDisplayWindow*> found;
    const ZtTVWallDisplayScreen* s = selectedScreen();
    for (int i = 0; s && i < s->GetWindowCount(); ++i) {
        ZtTVWallDisplayWindow* w = s->GetWindow(i);
        if (w->IsSelected() && w->GetScale().bFreeMode)
            found << w;
    }
    return found;
}

QList<ZtTVWallDisplayWindow*> ZtTVWallDisplayWndPrivate::unlockedOrRefuse()
{
    Q_Q(ZtTVWallDisplayWnd);
    QList<ZtTVWallDisplayWindow*> unlocked;
    QString refusal;
    // As a drag: locked windows stay behind, and when nothing can move the lock is reported
    // (the wall's lock before a window's own).
    if (mode == ZtTVWallDisplayWnd::NoSelection)
        return unlocked;
    for (ZtTVWallDisplayWindow* w : selectedFreeWindows()) {
        if (w->IsWallLocked())
            refusal = ZtTVWallDisplayScreen::tr("TVWall Locked!");
        else if (!w->GetLockBtnStatus())
            unlocked << w;
        else if (refusal.isEmpty())
            refusal = ZtTVWallDisplayScreen::tr("Window locked!");
    }
    if (unlocked.isEmpty() && !refusal.isEmpty())
        emit q->SignalLockEvent(refusal);
    return unlocked;
}

void ZtTVWallDisplayWndPrivate::placeAll(const QList<ZtTVWallDisplayWindow*>& windows, const QString& text, int id,
                                         const std::function<StructScaleRect(StructScaleRect)>& to)
{
    Q_Q(ZtTVWallDisplayWnd);
    DisplayGesture gesture(q, text, id);
    for (ZtTVWallDisplayWindow* w : windows)
        gesture.track(w);
    // Each window reports its move; a host may delete windows, or the wall, from that slot.
    for (const QPointer<ZtTVWallDisplayWindow>& w : guarded(windows)) {
        if (w)
            w->d_func()->stepTo(to(w->GetScale()));
    }
}

void ZtTVWallDisplayWndPrivate::moveSelected(const QPoint& step, bool byCell)
{
    const ZtTVWallDisplayScreen* s = selectedScreen();
    const QList<ZtTVWallDisplayWindow*> windows = unlockedOrRefuse();
    if (!s || windows.isEmpty())
        return;
    const QSize area = s->viewport()->size();
    double dx = step.x() / double(byCell ? s->GetCols() : area.width());
    double dy = step.y() / double(byCell ? s->GetRows() : area.height());
    double left = 1.0, top = 1.0, right = 0.0, bottom = 0.0;
    for (const ZtTVWallDisplayWindow* w : windows) {
        const StructScaleRect r = w->GetScale();
        left = qMin(left, r.dLeft);
        top = qMin(top, r.dTop);
        right = qMax(right, r.dRight);
        bottom = qMax(bottom, r.dBottom);
    }
    // The windows stop together as soon as one of them reaches the screen's edge.
    dx = qBound(qMin(0.0, -left), dx, qMax(0.0, 1.0 - right));
    dy = qBound(qMin(0.0, -top), dy, qMax(0.0, 1.0 - bottom));
    if (dx == 0.0 && dy == 0.0)
        return;
    placeAll(windows, ZtTVWallDisplayWnd::tr("Move window(s)"), ZtTVWallDisplayHistory::kKeyMoveId,
             [dx, dy](StructScaleRect r) {
                 r.dLeft += dx;
                 r.dRight += dx;
                 r.dTop += dy;
                 r.dBottom += dy;
                 return r;
             });
}

void ZtTVWallDisplayWndPrivate::resizeSelected(const QPoint& step)
{
    const ZtTVWallDisplayScreen* s = selectedScreen();
    const QList<ZtTVWallDisplayWindow*> windows = unlockedOrRefuse();
    if (!s || windows.isEmpty())
        return;
    const QSize area = s->viewport()->size();
    const double dx = step.x() / double(area.width());
    const double dy = step.y() / double(area.height());
    const double minWidth = kMinWidth / double(area.width());
    const double minHeight = kMinHeight / double(area.height());
    placeAll(windows, ZtTVWallDisplayWnd::tr("Resize window"), -1, [=](StructScaleRect r) {
        r.dRight = movedEdge(r.dRight, r.dLeft, dx, minWidth);
        r.dBottom = movedEdge(r.dBottom, r.dTop, dy, minHeight);
        return r;
    });
}

void ZtTVWallDisplayWndPrivate::closeSelected()
{
    Q_Q(ZtTVWallDisplayWnd);
    const QPointer<ZtTVWallDisplayWnd> alive(q);
    // Through the window's own signal, so that the host hears exactly what the close button says,
    // with the window's number at that moment (the host may have deleted others meanwhile).
    for (const QPointer<ZtTVWallDisplayWindow>& w : guarded(selectedFreeWindows())) {
        if (!alive)
            return;
        if (w)
            emit w->SignalCloseBtnClicked();
    }
}

void ZtTVWallDisplayWndPrivate::toggleSelected()
{
    Q_Q(ZtTVWallDisplayWnd);
    const QList<ZtTVWallDisplayWindow*> windows = selectedFreeWindows();
    DisplayGesture gesture(q, QString());
    for (ZtTVWallDisplayWindow* w : windows)
        gesture.track(w);
    for (const QPointer<ZtTVWallDisplayWindow>& w : guarded(windows)) {
        if (w)
            w->OnShowMaxOrNormal();
    }
}

void ZtTVWallDisplayWndPrivate::selectNeighbour(bool next)
{
    ZtTVWallDisplayScreen* s = selectedScreen();
    const int count = s ? s->GetWindowCount() : 0;
    if (count == 0)
        return;
    const QList<int> selected = s->GetSelectedWindowIndexs();
    int target = next ? 0 : count - 1;
    if (!selected.isEmpty())
        target = next ? (selected.last() + 1) % count : (selected.first() - 1 + count) % count;
    if (selected == QList<int>{target})
        return;
    const QPointer<ZtTVWallDisplayWindow> w = s->GetWindow(target);
    s->SetSelectedWindowIndexs(target, true);
    if (w)     // the keys work on the selection: for assistive tools it is where the focus went
        NotifyAccessible(w, QAccessible::Focus);
}

void ZtTVWallDisplayWndPrivate::clearSelection()
{
    if (ZtTVWallDisplayScreen* s = selectedScreen())
        s->ClearWindowSelection();
}

void ZtTVWallDisplayWndPrivate::showFocusFrame(bool show)
{
    Q_Q(ZtTVWallDisplayWnd);
    if (!focusFrame)
        focusFrame = new FocusFrame(q);
    focusFrame->setGeometry(q->rect());
    focusFrame->setVisible(show);
    focusFrame->raise();
}

void ZtTVWallDisplayWnd::keyPressEvent(QKeyEvent* event)
{
    Q_D(ZtTVWallDisplayWnd);
    const QPointer<ZtTVWallDisplayWnd> alive(this);      // Delete asks the host, which may drop the wall
    if (!d->handleKey(event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
    else if (alive && hasFocus())
        d->showFocusFrame(true);     // once the operator works by keyboard, so a click leaves the picture alone
}

void ZtTVWallDisplayWnd::focusOutEvent(QFocusEvent* event)
{
    Q_D(ZtTVWallDisplayWnd);
    QWidget::focusOutEvent(event);
    d->showFocusFrame(false);
}

bool ZtTVWallDisplayWnd::focusNextPrevChild(bool next)
{
    Q_D(ZtTVWallDisplayWnd);
    // Qt also asks while hiding a focused wall; only the operator's Tab selects.
    if (!isVisible() || !hasFocus())
        return QWidget::focusNextPrevChild(next);
    const QPointer<ZtTVWallDisplayWnd> alive(this);      // the selection signal may drop the wall
    d->selectNeighbour(next);
    if (alive)
        d->showFocusFrame(true);
    return true;
}

} // namespace ZtGUI
