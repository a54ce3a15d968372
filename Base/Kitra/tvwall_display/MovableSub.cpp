#include "MovableSub.h"
#include "MovableSub_p.h"

#include "KitraCompat_p.h"
#include "KitraGuard_p.h"

#include <QMouseEvent>
#include <log4cpp/Category.hh>

namespace ZtGUI {

namespace {

const int kMargin = 6;
const int kMinExtent = 24;

Qt::CursorShape cursorOf(int region)
{
    switch (region) {
    case 2: case 4: return Qt::SizeHorCursor;
    case 3: case 5: return Qt::SizeVerCursor;
    case 6: case 8: return Qt::SizeFDiagCursor;
    case 7: case 9: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

void trace(const char* text, const QWidget* parent)
{
    log4cpp::Category::getInstance("TARN").info(text, unsigned(quintptr(parent)));
}

} // namespace

int MovableSubPrivate::regionAt(const QPoint& p, const QRect& g) const
{
    const bool left = p.x() - g.left() < kMargin;
    const bool top = p.y() - g.top() < kMargin;
    const bool right = g.right() - p.x() < kMargin;
    const bool bottom = g.bottom() - p.y() < kMargin;
    if (left && top) return 6;
    if (right && top) return 7;
    if (right && bottom) return 8;
    if (left && bottom) return 9;
    if (left) return 2;
    if (top) return 3;
    if (right) return 4;
    if (bottom) return 5;
    return 1;
}

QRect MovableSubPrivate::resized(QRect r, const QPoint& delta) const
{
    const bool left = region == 2 || region == 6 || region == 9;
    const bool top = region == 3 || region == 6 || region == 7;
    const bool right = region == 4 || region == 7 || region == 8;
    const bool bottom = region == 5 || region == 8 || region == 9;
    if (left) r.setLeft(r.left() + delta.x());
    if (top) r.setTop(r.top() + delta.y());
    if (right) r.setRight(r.right() + delta.x());
    if (bottom) r.setBottom(r.bottom() + delta.y());
    return r;
}

MovableSub::MovableSub(QWidget* content, QWidget* parent)
    : QMdiSubWindow(parent)
    , d_ptr(new MovableSubPrivate)
{
    Q_D(MovableSub);
    d->content = content;
    setWidget(content);
    setMouseTracking(true);
    if (content)
        content->setMouseTracking(true);
    // The bare class name in the sheet does not match a namespaced class, so the sub-window
    // also stops filling its background itself: the text's own background is all that shows.
    setAutoFillBackground(false);
    setStyleSheet(QStringLiteral("MovableSub {background-color: rgba(0,0,0,0);}"));
}

MovableSub::~MovableSub() = default;

void MovableSub::mousePressEvent(QMouseEvent* event)
{
    Q_D(MovableSub);
    event->accept();
    if (!parentWidget())
        return;
    trace("[Debug OSD] [MovableSub::mousePressEvent] this->parentWidget() = %02x.", parentWidget());
    raise();
    d->lastGlobal = KitraCompat::EventGlobalPos(event);
    d->region = d->regionAt(mapToParent(event->pos()), geometry());
    d->moving = d->region == 1;
    d->resizing = d->region > 1;
    d->pressGeometry = geometry();
}

void MovableSub::mouseMoveEvent(QMouseEvent* event)
{
    Q_D(MovableSub);
    event->accept();
    const QPoint delta = KitraCompat::EventGlobalPos(event) - d->lastGlobal;
    const QRect area = parentWidget() ? parentWidget()->rect() : QRect();
    if (d->moving) {
        QRect g = geometry().translated(delta);
        g.moveLeft(qMax(area.left(), qMin(g.left(), area.right() - g.width() + 1)));
        g.moveTop(qMax(area.top(), qMin(g.top(), area.bottom() - g.height() + 1)));
        setGeometry(g);
        if (!EmitAlive(this, &MovableSub::sgGeometryChanged))
            return;
    } else if (d->resizing) {
        const QRect wanted = d->resized(geometry(), delta);
        if (wanted.width() > kMinExtent && wanted.height() > kMinExtent) {
            setGeometry(wanted & area);
            if (!EmitAlive(this, &MovableSub::sgGeometryChanged))
                return;
        }
    } else {
        d->region = d->regionAt(mapToParent(event->pos()), geometry());
        setCursor(cursorOf(d->region));
    }
    d->lastGlobal = KitraCompat::EventGlobalPos(event);
}

void MovableSub::mouseReleaseEvent(QMouseEvent* event)
{
    Q_D(MovableSub);
    event->accept();
    if (!parentWidget())
        return;
    trace("[Debug OSD] [MovableSub::mouseReleaseEvent] this->parentWidget() = %02x.", parentWidget());
    d->moving = false;
    d->resizing = false;
    emit sgMouseReleased(size() == d->pressGeometry.size());
}

} // namespace ZtGUI
