#include "ZtBaseWindowTitle.h"
#include "ZtBaseWindowTitle_p.h"

#include "ZtPoint.h"

#include <QMouseEvent>

namespace ZtGUI {

namespace {

// Width of the side strips and height of the top strip and the corners.
const int kStretchWidth = 4;
const int kStretchHeight = 4;

Qt::CursorShape cursorFor(ZtBaseWindowTitle::WindowStretchRectState state)
{
    switch (state) {
    case ZtBaseWindowTitle::STRETCH_TOP_LEFT:
        return Qt::SizeFDiagCursor;
    case ZtBaseWindowTitle::STRETCH_TOP:
        return Qt::SizeVerCursor;
    case ZtBaseWindowTitle::STRETCH_TOP_RIGHT:
        return Qt::SizeBDiagCursor;
    case ZtBaseWindowTitle::STRETCH_RIGHT:
    case ZtBaseWindowTitle::STRETCH_LEFT:
        return Qt::SizeHorCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

ZtBaseWindowTitle::ZtBaseWindowTitle(QWidget* parent)
    : QWidget(parent)
    , d_ptr(new ZtBaseWindowTitlePrivate)
{
}

ZtBaseWindowTitle::~ZtBaseWindowTitle() = default;

void ZtBaseWindowTitle::SetOpenWidgetMoveEnable(bool enable)
{
    Q_D(ZtBaseWindowTitle);
    d->moveEnabled = enable;
}

void ZtBaseWindowTitle::SetOpenDoubleClickEnable(bool enable)
{
    Q_D(ZtBaseWindowTitle);
    d->doubleClickEnabled = enable;
}

void ZtBaseWindowTitle::calculateCurrentStrechRect()
{
    Q_D(ZtBaseWindowTitle);
    const int w = width();
    const int h = height();
    d->topLeftRect = QRect(0, 0, kStretchWidth, kStretchHeight);
    d->topRightRect = QRect(w - kStretchWidth, 0, kStretchWidth, kStretchHeight);
    d->topRect = QRect(kStretchWidth, 0, w - 2 * kStretchWidth, kStretchHeight);
    d->rightRect = QRect(w - kStretchWidth, kStretchHeight, kStretchWidth, h - 2 * kStretchHeight);
    d->leftRect = QRect(0, kStretchHeight, kStretchWidth, h - 2 * kStretchHeight);
}

void ZtBaseWindowTitle::OnImitateDoubleClick()
{
    Q_D(const ZtBaseWindowTitle);
    if (d->doubleClickEnabled)
        OnShowMaxOrNormal();
}

void ZtBaseWindowTitle::OnShowMinimized()
{
    if (QWidget* top = GetTopWindow(this, nullptr)) {
        ShowMinimized(top);
        emit SignalWndSizeStatusChanged();
    }
}

void ZtBaseWindowTitle::OnShowMaximized()
{
    if (QWidget* top = GetTopWindow(this, nullptr)) {
        ShowMaximized(top);
        emit SignalWndSizeStatusChanged();
    }
}

void ZtBaseWindowTitle::OnShowNormal()
{
    if (QWidget* top = GetTopWindow(this, nullptr)) {
        ShowNormal(top, QSize());
        emit SignalWndSizeStatusChanged();
    }
}

void ZtBaseWindowTitle::OnShowMaxOrNormal()
{
    QWidget* top = GetTopWindow(this, nullptr);
    if (!top)
        return;
    if (IsFullScreen(top) || IsMaximized(top))
        ShowNormal(top, QSize());
    else
        ShowMaximized(top);
    emit SignalWndSizeStatusChanged();
}

ZtBaseWindowTitle::WindowStretchRectState ZtBaseWindowTitle::getCurrentStretchState(QPoint pos)
{
    Q_D(const ZtBaseWindowTitle);
    if (d->topLeftRect.contains(pos))
        return STRETCH_TOP_LEFT;
    if (d->topRightRect.contains(pos))
        return STRETCH_TOP_RIGHT;
    if (d->topRect.contains(pos))
        return STRETCH_TOP;
    if (d->rightRect.contains(pos))
        return STRETCH_RIGHT;
    if (d->leftRect.contains(pos))
        return STRETCH_LEFT;
    return STRETCH_NONE;
}

void ZtBaseWindowTitle::updateMouseStyle(WindowStretchRectState state)
{
    setCursor(cursorFor(state));
}

void ZtBaseWindowTitle::mousePressEvent(QMouseEvent* event)
{
    Q_D(ZtBaseWindowTitle);
    if (event->button() != Qt::LeftButton || !d->moveEnabled) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (d->stretchState != STRETCH_NONE) {
        d->stretching = true;
        emit SignalStartTitleStretch(d->stretchState, mapToGlobal(event->pos()));
        return;
    }
    QWidget* top = GetTopWindow(this, nullptr);
    // A window that fills its screen stays where it is.
    if (top && !IsFullScreen(top) && !top->isFullScreen() && !IsMaximized(top))
        d->pressPos = mapToParent(event->pos());
}

void ZtBaseWindowTitle::mouseReleaseEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
    Q_D(ZtBaseWindowTitle);
    d->pressPos = ZtBaseWindowTitlePrivate::noPress();
    if (d->stretchState == STRETCH_NONE)
        return;
    d->stretching = false;
    d->stretchState = STRETCH_NONE;
    emit SignalEndTitleStretch();
}

void ZtBaseWindowTitle::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnImitateDoubleClick();
    else
        QWidget::mouseDoubleClickEvent(event);
}

void ZtBaseWindowTitle::mouseMoveEvent(QMouseEvent* event)
{
    Q_D(ZtBaseWindowTitle);
    QWidget* top = GetTopWindow(this, nullptr);
    if (!top)
        return;
    const bool pressed = d->pressPos.x() != -1 && d->pressPos.y() != -1;
    if (d->stretchState == STRETCH_NONE && pressed)
        top->move(ZtPoint::GetDesktopAvailablePoint(event->globalPos()) - d->pressPos);
    if (IsMaximized(top))
        return;
    if (d->stretching) {
        emit SignalTitleStretching(mapToGlobal(event->pos()));
        return;
    }
    d->stretchState = getCurrentStretchState(event->pos());
    updateMouseStyle(d->stretchState);
}

void ZtBaseWindowTitle::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit SignalWndSizeStatusChanged();
}

void ZtBaseWindowTitle::showEvent(QShowEvent* event)
{
    calculateCurrentStrechRect();
    QWidget::showEvent(event);
}

} // namespace ZtGUI
