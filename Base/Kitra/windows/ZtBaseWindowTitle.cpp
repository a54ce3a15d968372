#include "ZtBaseWindowTitle.h"
#include "ZtBaseWindowTitle_p.h"

#include "KitraCompat_p.h"
#include "ZtPoint.h"

#include <QMouseEvent>

namespace ZtGUI {

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
    d->regions.compute(size(), WindowStretchRegions::TopAndSides);
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
    return d->regions.stateAt(pos);
}

void ZtBaseWindowTitle::updateMouseStyle(WindowStretchRectState state)
{
    // The bottom strips belong to the window's frame, not to its title bar.
    const bool bottom = state == STRETCH_BOTTOM_RIGHT || state == STRETCH_BOTTOM || state == STRETCH_BOTTOM_LEFT;
    setCursor(bottom ? Qt::ArrowCursor : StretchCursor(state));
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
        top->move(ZtPoint::GetDesktopAvailablePoint(KitraCompat::EventGlobalPos(event)) - d->pressPos);
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
