// The operator's keyboard on the scene wall, and the frame that shows the wall has focus. Keys
// act on the selected windows of the selected screen by the rules of the mouse: only free
// windows change, within their screen, never below the smallest size a resize leaves.
#include "ZtTVWallNormalWnd.h"
#include "ZtTVWallNormalWnd_p.h"

#include "TVWallKeys_p.h"

#include "ZtTVWallNormalAccessible_p.h"
#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalScreen_p.h"
#include "ZtTVWallNormalUndo_p.h"
#include "ZtTVWallNormalWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace ZtGUI {

namespace {

const int kKeyMoveId = 1;   // consecutive key moves of the same windows are one command

using Target = QPair<ZtTVWallNormalWindow*, StructScaleRect>;

// How far a group spanning [low, high] goes by `step` without leaving [0, 1]; never backwards.
double clampedStep(double step, double low, double high)
{
    return step > 0.0 ? qMax(0.0, qMin(step, 1.0 - high)) : qMin(0.0, qMax(step, -low));
}

// Moves the far edge by `step`, no nearer to `near` than `least` and no further than 1.0;
// false when it cannot move that way.
bool movedEdge(double& edge, double nearEdge, double step, double least)
{
    const double moved = step > 0.0 ? qMin(edge + step, 1.0) : qMax(edge + step, nearEdge + least);
    if (step > 0.0 ? moved <= edge : moved >= edge)
        return false;
    edge = moved;
    return true;
}

// Places every window at its target as one gesture. A host's slot may delete any window or the
// wall when a window reports its new place.
void placeAll(ZtTVWallNormalWnd* wall, const QString& text, int mergeId, const QList<Target>& targets)
{
    ZtTVWallGestureRecord record(wall, text, mergeId);
    QList<QPointer<ZtTVWallNormalWindow>> windows;
    for (const Target& target : targets) {
        record.watch(target.first);
        windows.append(target.first);
    }
    const QPointer<ZtTVWallNormalWnd> alive(wall);
    for (int i = 0; i < windows.size(); ++i) {
        if (windows.at(i))
            ZtTVWallNormalScreenPrivate::applyWindowScale(windows.at(i), targets.at(i).second, false, false);
        if (!alive)
            return;
    }
    record.commit();
}

} // namespace

bool ZtTVWallNormalWndPrivate::handleKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const QPoint arrow = ArrowDirection(event->key());
    if (!arrow.isNull()) {
        if (modifiers == Qt::ControlModifier)
            resizeSelection(arrow);
        else if (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)
            moveSelection(arrow, modifiers == Qt::ShiftModifier);
        return modifiers == Qt::ControlModifier || modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
    }
    const bool backtab = event->key() == Qt::Key_Backtab
        || (event->key() == Qt::Key_Tab && modifiers == Qt::ShiftModifier);
    if (backtab && (modifiers == Qt::ShiftModifier || modifiers == Qt::NoModifier)) {
        selectNext(false);
        return true;
    }
    if (modifiers != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Tab: selectNext(true); return true;
    case Qt::Key_Delete: closeSelection(); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: toggleMaximized(); return true;
    case Qt::Key_Escape: clearSelection(); return true;
    default: return false;
    }
}

QList<ZtTVWallNormalWindow*> ZtTVWallNormalWndPrivate::movableSelection(ZtTVWallNormalScreen** selected) const
{
    Q_Q(const ZtTVWallNormalWnd);
    ZtTVWallNormalScreen* s = screen(q->GetSelectedScreenIndex());
    *selected = s;
    QList<ZtTVWallNormalWindow*> windows;
    if (!s || selectionMode == ZtTVWallNormalWnd::NoSelection || s->boundingRect().isEmpty())
        return windows;
    for (int i : s->GetSelectedWindowIndexs()) {
        if (s->GetWindow(i)->IsFreeMode())
            windows.append(s->GetWindow(i));
    }
    return windows;
}

void ZtTVWallNormalWndPrivate::moveSelection(const QPoint& direction, bool byCell)
{
    Q_Q(ZtTVWallNormalWnd);
    ZtTVWallNormalScreen* s = nullptr;
    const QList<ZtTVWallNormalWindow*> windows = movableSelection(&s);
    if (windows.isEmpty())
        return;
    const QSizeF size = s->boundingRect().size();
    const int cols = byCell ? s->GetColumnSpan() : int(size.width());
    const int rows = byCell ? s->GetRowSpan() : int(size.height());
    StructScaleRect group = windows.first()->GetScale();
    for (const ZtTVWallNormalWindow* w : windows) {
        const StructScaleRect r = w->GetScale();
        group = StructScaleRect(qMin(group.dLeft, r.dLeft), qMin(group.dTop, r.dTop), qMax(group.dRight, r.dRight),
                                qMax(group.dBottom, r.dBottom), true);
    }
    // The group moves as one and stops when its outer window reaches the screen's edge.
    const double dx = cols > 0 ? clampedStep(direction.x() / double(cols), group.dLeft, group.dRight) : 0.0;
    const double dy = rows > 0 ? clampedStep(direction.y() / double(rows), group.dTop, group.dBottom) : 0.0;
    if (dx == 0.0 && dy == 0.0)
        return;
    QList<Target> targets;
    for (ZtTVWallNormalWindow* w : windows) {
        const StructScaleRect r = w->GetScale();
        targets.append({w, StructScaleRect(r.dLeft + dx, r.dTop + dy, r.dRight + dx, r.dBottom + dy, r.bFreeMode)});
    }
    placeAll(q, ZtTVWallNormalWnd::tr("Move window(s)"), kKeyMoveId, targets);
}

void ZtTVWallNormalWndPrivate::resizeSelection(const QPoint& direction)
{
    Q_Q(ZtTVWallNormalWnd);
    ZtTVWallNormalScreen* s = nullptr;
    const QList<ZtTVWallNormalWindow*> windows = movableSelection(&s);
    if (windows.isEmpty())
        return;
    const QSizeF size = s->boundingRect().size();
    QList<Target> targets;
    for (ZtTVWallNormalWindow* w : windows) {
        StructScaleRect r = w->GetScale();
        const bool moved = direction.x() != 0
            ? movedEdge(r.dRight, r.dLeft, direction.x() / size.width(), kTVWallMinWindowWidth / size.width())
            : movedEdge(r.dBottom, r.dTop, direction.y() / size.height(), kTVWallMinWindowHeight / size.height());
        if (moved)
            targets.append({w, r});
    }
    if (!targets.isEmpty())
        placeAll(q, ZtTVWallNormalWnd::tr("Resize window"), -1, targets);
}

void ZtTVWallNormalWndPrivate::toggleMaximized()
{
    Q_Q(ZtTVWallNormalWnd);
    ZtTVWallNormalScreen* s = nullptr;
    const QList<ZtTVWallNormalWindow*> windows = movableSelection(&s);
    if (windows.isEmpty())
        return;
    ZtTVWallGestureRecord record(q, windows.first()->IsMaximized() ? ZtTVWallNormalWnd::tr("Restore window")
                                                                   : ZtTVWallNormalWnd::tr("Maximise window"));
    QList<QPointer<ZtTVWallNormalWindow>> toggled;
    for (ZtTVWallNormalWindow* w : windows) {
        record.watch(w);
        toggled.append(w);
    }
    const QPointer<ZtTVWallNormalWnd> alive(q);
    for (const QPointer<ZtTVWallNormalWindow>& w : qAsConst(toggled)) {
        if (w)
            w->IsMaximized() ? w->Restore() : w->Maximize();
        if (!alive)
            return;
    }
    record.commit();
}

void ZtTVWallNormalWndPrivate::closeSelection()
{
    ZtTVWallNormalScreen* s = nullptr;
    QList<QPointer<ZtTVWallNormalWindow>> windows;
    for (ZtTVWallNormalWindow* w : movableSelection(&s))
        windows.append(w);
    // As the close button: the window reports through its screen, by the number it has then.
    for (const QPointer<ZtTVWallNormalWindow>& w : qAsConst(windows)) {
        if (w)
            emit w->SignalCloseBtnClicked();
    }
}

void ZtTVWallNormalWndPrivate::selectNext(bool forward)
{
    Q_Q(ZtTVWallNormalWnd);
    ZtTVWallNormalScreen* s = screen(q->GetSelectedScreenIndex());
    const int count = s ? s->GetWindowCount() : 0;
    if (count == 0 || selectionMode == ZtTVWallNormalWnd::NoSelection)
        return;
    const QList<int> selected = s->GetSelectedWindowIndexs();
    const int from = forward ? (selected.isEmpty() ? -1 : selected.last()) : (selected.isEmpty() ? count : selected.first());
    const int next = (from + (forward ? 1 : -1) + count) % count;
    // The host's slot for the selection may delete the window.
    const QPointer<ZtTVWallNormalWindow> focused(s->GetWindow(next));
    s->SelectOnlyWindow(next);
    if (focused)
        ZtTVWallNormalNotify(focused, QAccessible::Focus);
}

void ZtTVWallNormalWndPrivate::clearSelection()
{
    Q_Q(ZtTVWallNormalWnd);
    if (ZtTVWallNormalScreen* s = screen(q->GetSelectedScreenIndex()))
        s->ClearWindowSelection();
}

void ZtTVWallNormalWnd::keyPressEvent(QKeyEvent* event)
{
    Q_D(ZtTVWallNormalWnd);
    const QPointer<ZtTVWallNormalWnd> alive(this);      // Delete asks the host, which may drop the wall
    if (!d->handleKey(event)) {
        QGraphicsView::keyPressEvent(event);
        return;
    }
    event->accept();
    // The frame shows once the operator works by keyboard, so a click leaves the picture alone.
    if (alive && !d->keyboardFocus) {
        d->keyboardFocus = true;
        viewport()->update();
    }
}

bool ZtTVWallNormalWnd::focusNextPrevChild(bool)
{
    return false;
}

void ZtTVWallNormalWnd::focusOutEvent(QFocusEvent* event)
{
    Q_D(ZtTVWallNormalWnd);
    QGraphicsView::focusOutEvent(event);
    d->keyboardFocus = false;
    viewport()->update();
}

void ZtTVWallNormalWnd::paintEvent(QPaintEvent* event)
{
    Q_D(ZtTVWallNormalWnd);
    // A host may zoom through QGraphicsView itself: the windows follow before they are drawn.
    d->applyDetailThreshold();
    QGraphicsView::paintEvent(event);
    if (!hasFocus() || !d->keyboardFocus)
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(FocusFrameColour(), 1.0, Qt::SolidLine));
    painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
}

} // namespace ZtGUI
