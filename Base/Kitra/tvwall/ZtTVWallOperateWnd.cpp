#include "ZtTVWallOperateWnd.h"
#include "ZtTVWallOperateWnd_p.h"

#include "CommonFun.h"
#include "ZtTVWallDisplayEagleEye.h"
#include "ZtTVWallDisplayWnd.h"
#include "ZtTVWallNormalWnd.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QtMath>

namespace ZtGUI {

namespace {
const float kZoomStep = 1.5f;
const float kMaxZoom = 10.0f;

/// Never smaller than the facade, never more than ten times larger.
float clampSize(float size, float base)
{
    if (size < base)
        return base;
    if (size / base > kMaxZoom)
        return base * kMaxZoom;
    return size;
}

/// No gap at either edge of the facade.
float clampOffset(float offset, float size, float base)
{
    if (offset > 0)
        return 0;
    if (offset + size < base)
        return base - size;
    return offset;
}

int rounded(float value)
{
    return static_cast<int>(value + 0.5f);
}
} // namespace

ZtTVWallNormalWnd* ZtTVWallOperateWndPrivate::normal() const
{
    return showMode == 0 ? normalWnd.data() : nullptr;
}

ZtTVWallDisplayWnd* ZtTVWallOperateWndPrivate::display() const
{
    return showMode == 1 ? displayWnd.data() : nullptr;
}

void ZtTVWallOperateWndPrivate::createNormalWall()
{
    Q_Q(ZtTVWallOperateWnd);
    using Op = ZtTVWallOperateWnd;
    using Wall = ZtTVWallNormalWnd;
    normalWnd = new ZtTVWallNormalWnd(q);
    Wall* w = normalWnd;
    relay(w, &Wall::SignalScreenEvent, &Op::SignalScreenEvent);
    relay(w, &Wall::SignalScreenSelectedChanged, &Op::SignalScreenSelectedChanged);
    relay(w, &Wall::SignalScreenCloseBtnClicked, &Op::SignalScreenCloseBtnClicked);
    relay(w, &Wall::SignalWindowEvent, &Op::SignalWindowEvent);
    relay(w, &Wall::SignalWindowSelectedChanged, &Op::SignalWindowSelectedChanged);
    relay(w, &Wall::SignalWindowCloseBtnClicked, &Op::SignalWindowCloseBtnClicked);
    relay(w, &Wall::SignalWindowVolumeBtnClicked, &Op::SignalWindowVolumeBtnClicked);
    relay(w, &Wall::SignalWindowGeoChanged, &Op::SignalWindowGeoChanged);
    relay(w, &Wall::SignalDrawAreaOpenWindow, &Op::SignalDrawAreaOpenWindow);
    w->setGeometry(q->rect());
    showWithFacade(w);
}

void ZtTVWallOperateWndPrivate::createDisplayWall()
{
    Q_Q(ZtTVWallOperateWnd);
    using Op = ZtTVWallOperateWnd;
    using Wall = ZtTVWallDisplayWnd;
    displayWnd = new ZtTVWallDisplayWnd(q);
    Wall* w = displayWnd;
    relay(w, &Wall::SignalScreenEvent, &Op::SignalScreenEvent);
    relay(w, &Wall::SignalScreenSelectedChanged, &Op::SignalScreenSelectedChanged);
    relay(w, &Wall::SignalScreenCloseBtnClicked, &Op::SignalScreenCloseBtnClicked);
    relay(w, &Wall::SignalWindowEvent, &Op::SignalWindowEvent);
    relay(w, &Wall::SignalWindowSelectedChanged, &Op::SignalWindowSelectedChanged);
    relay(w, &Wall::SignalWindowCloseBtnClicked, &Op::SignalWindowCloseBtnClicked);
    relay(w, &Wall::SignalWindowVolumeBtnClicked, &Op::SignalWindowVolumeBtnClicked);
    relay(w, &Wall::SignalWindowLockBtnClicked, &Op::SignalWindowLockBtnClicked);
    relay(w, &Wall::SignalWindowDockBtnClicked, &Op::SignalWindowDockBtnClicked);
    relay(w, &Wall::SignalWindowMeetingBtnClicked, &Op::SignalWindowMeetingBtnClicked);
    relay(w, &Wall::SignalWindowTourBtnClicked, &Op::SignalWindowTourBtnClicked);
    relay(w, &Wall::SignalWindowPTZBtnClicked, &Op::SignalWindowPTZBtnClicked);
    relay(w, &Wall::SignalWindowGeoChanged, &Op::SignalWindowGeoChanged);
    relay(w, &Wall::SignalDrawAreaOpenWindow, &Op::SignalDrawAreaOpenWindow);
    relay(w, &Wall::SignalWindowDoubleClicked, &Op::SignalWindowDoubleClicked);
    relay(w, &Wall::SignalWindowClicked, &Op::SignalWindowClicked);
    relay(w, &Wall::SignalScreenRightClick, &Op::SignalScreenRightClick);
    relay(w, &Wall::SignalWindow3DSite, &Op::SignalWindow3DSite);
    relay(w, &Wall::SignalLabelEvent, &Op::SignalLabelEvent);
    relay(w, &Wall::SignalOSDGeoChanged, &Op::SignalOSDGeoChanged);
    relay(w, &Wall::SignalOSDEvent, &Op::SignalOSDEvent);
    relay(w, &Wall::SignalPTZEvent, &Op::SignalPTZEvent);
    relay(w, &Wall::SignalLockEvent, &Op::SignalLockEvent);

    // The overview floats above the wall in the facade's corner; folded until the operator opens it.
    overviewWidget = new ZtTVWallDisplayEagleEye(q);
    QObject::connect(overviewWidget, &ZtTVWallDisplayEagleEye::SignalAreaChanged, q, &Op::OnEagleEyeAreaChanged);
    QObject::connect(overviewWidget, &ZtTVWallDisplayEagleEye::SignalLocated, q, &Op::OnEagleEyeLocated);

    offsetX = offsetY = 0.0f;
    baseWidth = q->width();
    baseHeight = q->height();
    showWithFacade(w);
    showWithFacade(overviewWidget);
    overviewWidget->raise();
    placeDisplayWall(baseWidth, baseHeight);
    q->OnEagleEyeAreaChanged();
}

void ZtTVWallOperateWndPrivate::showWithFacade(QWidget* child) const
{
    // A child created under a shown parent stays hidden until shown; an explicit hide would
    // keep it hidden when the facade is shown later.
    if (q_func()->isVisible())
        child->show();
}

void ZtTVWallOperateWndPrivate::dropWidget(QWidget* wall)
{
    if (!wall)
        return;
    if (relaying == 0) {
        delete wall;
        return;
    }
    wall->hide();
    wall->setParent(nullptr);
    wall->deleteLater();
    droppedWalls.removeAll(QPointer<QWidget>());
    droppedWalls.append(wall);
}

float ZtTVWallOperateWndPrivate::clampWidth(float width) const
{
    return clampSize(width, baseWidth);
}

float ZtTVWallOperateWndPrivate::clampHeight(float height) const
{
    return clampSize(height, baseHeight);
}

void ZtTVWallOperateWndPrivate::placeDisplayWall(float width, float height)
{
    ZtTVWallDisplayWnd* wall = display();
    if (!wall)
        return;
    const int w = rounded(clampWidth(width));
    const int h = rounded(clampHeight(height));
    offsetX = clampOffset(offsetX, w, baseWidth);
    offsetY = clampOffset(offsetY, h, baseHeight);
    wall->setGeometry(qFloor(offsetX + 0.5f), qFloor(offsetY + 0.5f), w, h);
    updateOverviewArea();
}

void ZtTVWallOperateWndPrivate::updateOverviewArea()
{
    ZtTVWallDisplayWnd* wall = display();
    if (!wall || !overviewWidget || wall->width() <= 0 || wall->height() <= 0)
        return;
    const float w = wall->width();
    const float h = wall->height();
    overviewWidget->SetViewportRect(-offsetX / w, -offsetY / h, baseWidth / w, baseHeight / h);
}

ZtTVWallOperateWnd::ZtTVWallOperateWnd(QWidget* parent)
    : QWidget(parent)
    , d_ptr(new ZtTVWallOperateWndPrivate(this))
{
    CommonFun::SetStyleSheet(this, QStringLiteral("TVWallOperateWnd"), QString(), QString());
}

ZtTVWallOperateWnd::~ZtTVWallOperateWnd()
{
    Q_D(ZtTVWallOperateWnd);
    // The walls go before the private part and report nothing more to the host. One deleted
    // from a slot of its own signal is still at work below that slot: it goes later.
    const bool fromSlot = d->relaying > 0;
    for (QWidget* wall : { static_cast<QWidget*>(d->normalWnd), static_cast<QWidget*>(d->displayWnd) }) {
        if (wall)
            wall->disconnect(this);
    }
    d->dropWall(d->normalWnd);
    d->dropWall(d->displayWnd);
    if (fromSlot)
        return;
    for (const QPointer<QWidget>& wall : qAsConst(d->droppedWalls))
        delete wall.data();
}

void ZtTVWallOperateWnd::SetShowMode(int iMode)
{
    Q_D(ZtTVWallOperateWnd);
    d->showMode = iMode;
    if (iMode == 0) {
        d->dropWall(d->displayWnd);
        d->dropWall(d->overviewWidget);
        if (!d->normalWnd)
            d->createNormalWall();
    } else if (iMode == 1) {
        d->dropWall(d->normalWnd);
        if (!d->displayWnd)
            d->createDisplayWall();
    }
}

void ZtTVWallOperateWnd::SetTVWallGridCount(int iRows, int iCols)
{
    Q_D(ZtTVWallOperateWnd);
    d->onShown([&](auto* wall) { wall->SetTVWallGridCount(iRows, iCols); });
    if (d->display() && d->overviewWidget)
        d->overviewWidget->SetGrid(iRows, iCols);
}

int ZtTVWallOperateWnd::GetRowCount() const
{
    return d_func()->onShown(0, [](auto* wall) { return wall->GetRowCount(); });
}

int ZtTVWallOperateWnd::GetColumnCount() const
{
    return d_func()->onShown(0, [](auto* wall) { return wall->GetColumnCount(); });
}

QRect ZtTVWallOperateWnd::GetTVWallRect() const
{
    return d_func()->onShown(QRect(), [](auto* wall) { return wall->rect(); });
}

void ZtTVWallOperateWnd::SetWindowTitleShow(bool bShow)
{
    d_func()->onShown([&](auto* wall) { wall->SetWindowTitleShow(bShow); });
}

int ZtTVWallOperateWnd::AddScreen(const StructScaleRect& struScale, const QVariant& userData)
{
    return d_func()->onShown(-1, [&](auto* wall) { return wall->AddScreen(struScale, userData); });
}

int ZtTVWallOperateWnd::AddScreen(const StructScaleRect& struScale, const QIcon& icon,
                                  const QString& strTitle, const QVariant& userData)
{
    return d_func()->onShown(-1, [&](auto* wall) { return wall->AddScreen(struScale, icon, strTitle, userData); });
}

bool ZtTVWallOperateWnd::DeleteAllScreen()
{
    return d_func()->onShown(false, [](auto* wall) { return wall->DeleteAllScreen(); });
}

int ZtTVWallOperateWnd::GetScreenCount() const
{
    return d_func()->onShown(0, [](auto* wall) { return wall->GetScreenCount(); });
}

void ZtTVWallOperateWnd::SetScreenUserData(int iScreen, const QVariant& userData)
{
    d_func()->onShown([&](auto* wall) { wall->SetScreenUserData(iScreen, userData); });
}

QVariant ZtTVWallOperateWnd::GetScreenUserData(int iScreen) const
{
    return d_func()->onShown(QVariant(), [&](auto* wall) { return wall->GetScreenUserData(iScreen); });
}

bool ZtTVWallOperateWnd::GetScreenScale(int iScreen, StructScaleRect& struScale) const
{
    return d_func()->onShown(false, [&](auto* wall) { return wall->GetScreenScale(iScreen, struScale); });
}

bool ZtTVWallOperateWnd::SetScreenTitle(int iScreen, const QString& strTitle)
{
    return d_func()->onShown(false, [&](auto* wall) { return wall->SetScreenTitle(iScreen, strTitle); });
}

bool ZtTVWallOperateWnd::SetScreenContentText(int iScreen, const QString& strText)
{
    return d_func()->onShown(false, [&](auto* wall) { return wall->SetScreenContentText(iScreen, strText); });
}

void ZtTVWallOperateWnd::SetSelectedScreenIndex(int iScreen)
{
    d_func()->onShown([&](auto* wall) { wall->SetSelectedScreenIndex(iScreen); });
}

int ZtTVWallOperateWnd::GetSelectedScreenIndex() const
{
    return d_func()->onShown(-1, [](auto* wall) { return wall->GetSelectedScreenIndex(); });
}

int ZtTVWallOperateWnd::OpenWindow(int iScreen, const StructScaleRect& struScale, const QVariant& userData)
{
    return d_func()->onShown(-1, [&](auto* wall) { return wall->OpenWindow(iScreen, struScale, userData); });
}

bool ZtTVWallOperateWnd::DeleteWindow(int iScreen, int iWindow)
{
    return d_func()->onShown(false, [&](auto* wall) { return wall->DeleteWindow(iScreen, iWindow); });
}

void ZtTVWallOperateWnd::DeleteAllWindows(int iScreen)
{
    d_func()->onShown([&](auto* wall) { wall->DeleteAllWindows(iScreen); });
}

void ZtTVWallOperateWnd::DeleteAllWindows()
{
    d_func()->onShown([](auto* wall) { wall->DeleteAllWindows(); });
}

void ZtTVWallOperateWnd::SetSelectedWindowIndexs(int iScreen, int iWindow, bool bSelected)
{
    Q_D(ZtTVWallOperateWnd);
    if (ZtTVWallNormalWnd* wall = d->normal())
        wall->SetSelectedWindowIndexs(iScreen, iWindow);
    d->callDisplay(&ZtTVWallDisplayWnd::SetSelectedWindowIndexs, iScreen, iWindow, bSelected);
}

int ZtTVWallOperateWnd::GetWindowCount(int iScreen) const
{
    return d_func()->onShown(0, [&](auto* wall) { return wall->GetWindowCount(iScreen); });
}

QList<int> ZtTVWallOperateWnd::GetSelectedWindowIndexs() const
{
    return d_func()->onShown(QList<int>(), [](auto* wall) { return wall->GetSelectedWindowIndexs(); });
}

QList<int> ZtTVWallOperateWnd::GetUnSelectedWindowIndexs() const
{
    return d_func()->onShown(QList<int>(), [](auto* wall) { return wall->GetUnSelectedWindowIndexs(); });
}

QList<int> ZtTVWallOperateWnd::GetAllWindowIndexs(int iScreen) const
{
    return d_func()->onShown(QList<int>(), [&](auto* wall) { return wall->GetAllWindowIndexs(iScreen); });
}

void ZtTVWallOperateWnd::SetWindowUserData(int iScreen, int iWindow, const QVariant& userData)
{
    d_func()->onShown([&](auto* wall) { wall->SetWindowUserData(iScreen, iWindow, userData); });
}

QVariant ZtTVWallOperateWnd::GetWindowUserData(int iScreen, int iWindow) const
{
    return d_func()->onShown(QVariant(), [&](auto* wall) { return wall->GetWindowUserData(iScreen, iWindow); });
}

double ZtTVWallOperateWnd::GetWindowScalePrecision() const
{
    return d_func()->onShown(0.0, [](auto* wall) { return wall->GetWindowScalePrecision(); });
}

bool ZtTVWallOperateWnd::SetWindowScale(int iScreen, int iWindow, const StructScaleRect& struScale)
{
    return d_func()->onShown(false, [&](auto* wall) { return wall->SetWindowScale(iScreen, iWindow, struScale); });
}

bool ZtTVWallOperateWnd::GetWindowScale(int iScreen, int iWindow, StructScaleRect& struScale) const
{
    return d_func()->onShown(false, [&](auto* wall) { return wall->GetWindowScale(iScreen, iWindow, struScale); });
}

bool ZtTVWallOperateWnd::SetWindowZValue(int iScreen, int iWindow, int iZValue, bool bReorder)
{
    Q_D(ZtTVWallOperateWnd);
    if (ZtTVWallNormalWnd* wall = d->normal())
        return wall->SetWindowZValue(iScreen, iWindow, iZValue);
    return d->onDisplay(false, &ZtTVWallDisplayWnd::SetWindowZValue, iScreen, iWindow, iZValue, bReorder);
}

int ZtTVWallOperateWnd::GetWindowZValue(int iScreen, int iWindow) const
{
    return d_func()->onShown(0, [&](auto* wall) { return static_cast<int>(wall->GetWindowZValue(iScreen, iWindow)); });
}

int ZtTVWallOperateWnd::GetMaxWindowZValue(int iScreen) const
{
    return d_func()->onShown(0, [&](auto* wall) { return static_cast<int>(wall->GetMaxWindowZValue(iScreen)); });
}

void ZtTVWallOperateWnd::SetWindowContentText(int iScreen, int iWindow, const QString& strText)
{
    d_func()->onShown([&](auto* wall) { wall->SetWindowContentText(iScreen, iWindow, strText); });
}

void ZtTVWallOperateWnd::SetWindowVolumeBtn(int iScreen, int iWindow, bool bOn)
{
    d_func()->onShown([&](auto* wall) { wall->SetWindowVolumeBtn(iScreen, iWindow, bOn); });
}

bool ZtTVWallOperateWnd::GetWindowVolumeBtnStatus(int iScreen, int iWindow) const
{
    return d_func()->onShown(false, [&](auto* wall) { return wall->GetWindowVolumeBtnStatus(iScreen, iWindow); });
}

void ZtTVWallOperateWnd::SetWindowSelectionMode(SelectionMode mode)
{
    d_func()->onShown([&](auto* wall) {
        using Mode = decltype(wall->GetWindowSelectionMode());
        wall->SetWindowSelectionMode(static_cast<Mode>(mode));
    });
}

ZtTVWallOperateWnd::SelectionMode ZtTVWallOperateWnd::GetWindowSelectionMode() const
{
    return d_func()->onShown(NoSelection, [](auto* wall) {
        return static_cast<SelectionMode>(wall->GetWindowSelectionMode());
    });
}

void ZtTVWallOperateWnd::SetScreenFreeMode(int iScreen, bool bFreeMode)
{
    if (ZtTVWallNormalWnd* wall = d_func()->normal())
        wall->SetScreenFreeMode(iScreen, bFreeMode);
}

bool ZtTVWallOperateWnd::IsScreenFreeMode(int iScreen) const
{
    const ZtTVWallNormalWnd* wall = d_func()->normal();
    return wall ? wall->IsScreenFreeMode(iScreen) : true;
}

void ZtTVWallOperateWnd::RecoverEagleEye()
{
    if (ZtTVWallNormalWnd* wall = d_func()->normal())
        wall->RecoverEagleEye();
}

void ZtTVWallOperateWnd::SetAudioBtnVisible(bool bVisible)
{
    if (ZtTVWallNormalWnd* wall = d_func()->normal())
        wall->SetAudioBtnVisible(bVisible);
}

void ZtTVWallOperateWnd::SetTVWallLockStatus(bool bLock)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::SetTVWallLockStatus, bLock);
}

bool ZtTVWallOperateWnd::GetTVWallLockStatus() const
{
    return d_func()->onDisplay(false, &ZtTVWallDisplayWnd::GetTVWallLockStatus);
}

void ZtTVWallOperateWnd::GetScreenGrid(int iScreen, int& iRows, int& iCols) const
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::GetScreenGrid, iScreen, iRows, iCols);
}

void ZtTVWallOperateWnd::SetPtzFrameSelectedEnable(bool bEnable)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::SetPtzFrameSelectedEnable, bEnable);
}

bool ZtTVWallOperateWnd::SetScreenOSDInfo(int iScreen, std::vector<StructOSDInfo>& vecInfo)
{
    return d_func()->onDisplay(false, &ZtTVWallDisplayWnd::SetScreenOSDInfo, iScreen, vecInfo);
}

void ZtTVWallOperateWnd::SetScreenOSDVisible(int iScreen, const std::vector<int>& vecId, bool bVisible)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::SetScreenOSDVisible, iScreen, vecId, bVisible);
}

QList<int> ZtTVWallOperateWnd::GetAllWindowUserDatas(int iScreen) const
{
    return d_func()->onDisplay(QList<int>(), &ZtTVWallDisplayWnd::GetAllWindowUserDatas, iScreen);
}

void ZtTVWallOperateWnd::GetMaxWindowZValue(int iScreen, int& iWindow, int& iZValue) const
{
    using TopWindow = void (ZtTVWallDisplayWnd::*)(int, int&, int&);
    d_func()->callDisplay(static_cast<TopWindow>(&ZtTVWallDisplayWnd::GetMaxWindowZValue), iScreen, iWindow, iZValue);
}

void ZtTVWallOperateWnd::SetWindowLockBtn(int iScreen, int iWindow, bool bOn)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::SetWindowLockBtn, iScreen, iWindow, bOn);
}

bool ZtTVWallOperateWnd::GetWindowLockBtnStatus(int iScreen, int iWindow) const
{
    return d_func()->onDisplay(false, &ZtTVWallDisplayWnd::GetWindowLockBtnStatus, iScreen, iWindow);
}

void ZtTVWallOperateWnd::SetWindowDockBtn(int iScreen, int iWindow, bool bOn)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::SetWindowDockBtn, iScreen, iWindow, bOn);
}

bool ZtTVWallOperateWnd::GetWindowDockBtnStatus(int iScreen, int iWindow) const
{
    return d_func()->onDisplay(false, &ZtTVWallDisplayWnd::GetWindowDockBtnStatus, iScreen, iWindow);
}

void ZtTVWallOperateWnd::SetWindowMeetingBtn(int iScreen, int iWindow, bool bOn)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::SetWindowMeetingBtn, iScreen, iWindow, bOn);
}

bool ZtTVWallOperateWnd::GetWindowMeetingBtnStatus(int iScreen, int iWindow) const
{
    return d_func()->onDisplay(false, &ZtTVWallDisplayWnd::GetWindowMeetingBtnStatus, iScreen, iWindow);
}

void ZtTVWallOperateWnd::SetWindowTourBtn(int iScreen, int iWindow, bool bOn)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::SetWindowTourBtn, iScreen, iWindow, bOn);
}

bool ZtTVWallOperateWnd::GetWindowTourBtnStatus(int iScreen, int iWindow) const
{
    return d_func()->onDisplay(false, &ZtTVWallDisplayWnd::GetWindowTourBtnStatus, iScreen, iWindow);
}

void ZtTVWallOperateWnd::SetWindowPTZBtn(int iScreen, int iWindow, bool bOn)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::SetWindowPTZBtn, iScreen, iWindow, bOn);
}

QWidget* ZtTVWallOperateWnd::GetWindowWidget(int iScreen, int iWindow) const
{
    return d_func()->onDisplay<QWidget*>(nullptr, &ZtTVWallDisplayWnd::GetWindowWidget, iScreen, iWindow);
}

void ZtTVWallOperateWnd::DeleteWindowWidget(int iScreen, int iWindow)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::DeleteWindowWidget, iScreen, iWindow);
}

void ZtTVWallOperateWnd::SetWindowVideoWidgetText(int iScreen, int iWindow, const QString& strText)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::SetWindowVideoWidgetText, iScreen, iWindow, strText);
}

void ZtTVWallOperateWnd::SetWindowUpdateEnable(int iScreen, int iWindow, bool bEnable)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::SetWindowUpdateEnable, iScreen, iWindow, bEnable);
}

bool ZtTVWallOperateWnd::SetScreenWindowColor(int iScreen, const QColor& color, bool bShow)
{
    return d_func()->onDisplay(false, &ZtTVWallDisplayWnd::SetScreenWindowBackgroudColor, iScreen, color, bShow);
}

bool ZtTVWallOperateWnd::SetScreenBaseMap(int iScreen, std::string strPath, bool bShow)
{
    return d_func()->onDisplay(false, &ZtTVWallDisplayWnd::SetScreenBaseMapShow, iScreen, strPath, bShow);
}

void ZtTVWallOperateWnd::SetDeviceType(bool bType)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::SetDeviceType, bType);
}

void ZtTVWallOperateWnd::ShowWndLockBtn(bool bShow)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::ShowWndLockBtn, bShow);
}

void ZtTVWallOperateWnd::ShowWndAudioBtn(bool bShow)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::ShowWndAudioBtn, bShow);
}

void ZtTVWallOperateWnd::ShowWndCircleBtn(bool bShow)
{
    d_func()->callDisplay(&ZtTVWallDisplayWnd::ShowWndCircleBtn, bShow);
}

void ZtTVWallOperateWnd::resizeEvent(QResizeEvent* event)
{
    Q_D(ZtTVWallOperateWnd);
    QWidget::resizeEvent(event);
    if (ZtTVWallNormalWnd* wall = d->normal())
        wall->resize(size());
    ZtTVWallDisplayWnd* wall = d->display();
    if (!wall)
        return;
    const float fx = d->baseWidth > 0 ? width() / d->baseWidth : 1.0f;
    const float fy = d->baseHeight > 0 ? height() / d->baseHeight : 1.0f;
    d->baseWidth = width();
    d->baseHeight = height();
    d->placeDisplayWall(wall->width() * fx, wall->height() * fy);
    OnEagleEyeAreaChanged();
}

void ZtTVWallOperateWnd::OnWheelEvent(int iDelta, QPoint pos)
{
    Q_D(ZtTVWallOperateWnd);
    ZtTVWallDisplayWnd* wall = d->display();
    if (!wall || wall->width() <= 0 || wall->height() <= 0)
        return;
    const float oldWidth = wall->width();
    const float oldHeight = wall->height();
    const float fx = pos.x() / oldWidth;
    const float fy = pos.y() / oldHeight;
    const float factor = iDelta >= 1 ? kZoomStep : 1.0f / kZoomStep;
    const int newWidth = rounded(d->clampWidth(oldWidth * factor));
    const int newHeight = rounded(d->clampHeight(oldHeight * factor));
    // The point under the mouse keeps its place in the facade.
    d->offsetX = clampOffset(d->offsetX - (newWidth - oldWidth) * fx, newWidth, d->baseWidth);
    d->offsetY = clampOffset(d->offsetY - (newHeight - oldHeight) * fy, newHeight, d->baseHeight);
    d->placeDisplayWall(newWidth, newHeight);
}

void ZtTVWallOperateWnd::OnEagleEyeAreaChanged()
{
    Q_D(ZtTVWallOperateWnd);
    if (!d->display() || !d->overviewWidget)
        return;
    d->overviewWidget->move(static_cast<int>(d->baseWidth) - d->overviewWidget->width(),
                            static_cast<int>(d->baseHeight) - d->overviewWidget->height());
}

void ZtTVWallOperateWnd::OnEagleEyeLocated(float fX, float fY)
{
    Q_D(ZtTVWallOperateWnd);
    ZtTVWallDisplayWnd* wall = d->display();
    if (!wall)
        return;
    d->offsetX = clampOffset(-wall->width() * fX, wall->width(), d->baseWidth);
    d->offsetY = clampOffset(-wall->height() * fY, wall->height(), d->baseHeight);
    d->placeDisplayWall(wall->width(), wall->height());
}

namespace {

using LayoutScreen = ZtTVWallLayout::Screen;
using LayoutWindow = ZtTVWallLayout::Window;

LayoutWindow readWindow(const ZtTVWallOperateWnd& op, int iScreen, int iWindow)
{
    LayoutWindow window;
    op.GetWindowScale(iScreen, iWindow, window.scale);
    window.zValue = op.GetWindowZValue(iScreen, iWindow);
    window.locked = op.GetWindowLockBtnStatus(iScreen, iWindow);
    window.volumeOn = op.GetWindowVolumeBtnStatus(iScreen, iWindow);
    window.userData = op.GetWindowUserData(iScreen, iWindow);
    return window;
}

LayoutScreen readScreen(const ZtTVWallOperateWnd& op, int iScreen)
{
    LayoutScreen screen;
    op.GetScreenScale(iScreen, screen.scale);
    screen.userData = op.GetScreenUserData(iScreen);
    for (int iWindow : op.GetAllWindowIndexs(iScreen))
        screen.windows.append(readWindow(op, iScreen, iWindow));
    return screen;
}

void setWindowStates(ZtTVWallOperateWnd& op, int iScreen, int iWindow, const LayoutWindow& window)
{
    op.SetWindowVolumeBtn(iScreen, iWindow, window.volumeOn);
    op.SetWindowLockBtn(iScreen, iWindow, window.locked);
    // Showing PTZ controls is a request of its own; a window starts without them.
    if (window.ptzOn)
        op.SetWindowPTZBtn(iScreen, iWindow, true);
    if (!window.title.isEmpty())
        op.SetWindowContentText(iScreen, iWindow, window.title);
}

/// Every window takes its z-value; then the topmost one takes it again with a reorder, which
/// stacks the display wall's windows by z-value (the scene wall stacks by z-value by itself).
void stackWindows(ZtTVWallOperateWnd& op, int iScreen, const QVector<int>& numbers,
                  const QVector<LayoutWindow>& windows)
{
    int top = -1;
    for (int i = 0; i < windows.size(); ++i) {
        op.SetWindowZValue(iScreen, numbers.at(i), windows.at(i).zValue, false);
        if (top < 0 || windows.at(i).zValue >= windows.at(top).zValue)
            top = i;
    }
    if (top >= 0)
        op.SetWindowZValue(iScreen, numbers.at(top), windows.at(top).zValue, true);
}

/// Adds one screen with its windows; the new windows' numbers in the layout's order.
QVector<int> buildScreen(ZtTVWallOperateWnd& op, const LayoutScreen& screen)
{
    const int iScreen = op.AddScreen(screen.scale, screen.userData);
    QVector<int> numbers;
    for (const LayoutWindow& window : screen.windows) {
        const int iWindow = op.OpenWindow(iScreen, window.scale, window.userData);
        numbers.append(iWindow);
        setWindowStates(op, iScreen, iWindow, window);
    }
    stackWindows(op, iScreen, numbers, screen.windows);
    return numbers;
}

} // namespace

QWidget* ZtTVWallOperateWndPrivate::shownWall() const
{
    if (ZtTVWallNormalWnd* wall = normal())
        return wall;
    return display();
}

void ZtTVWallOperateWndPrivate::layOutDisplayScreens() const
{
    if (ZtTVWallDisplayWnd* wall = display()) {
        QResizeEvent event(wall->size(), wall->size());
        QCoreApplication::sendEvent(wall, &event);
    }
}

QUndoStack* ZtTVWallOperateWnd::GetUndoStack() const
{
    return d_func()->onShown(static_cast<QUndoStack*>(nullptr), [](auto* wall) { return wall->GetUndoStack(); });
}

ZtTVWallLayout ZtTVWallOperateWnd::GetLayout() const
{
    Q_D(const ZtTVWallOperateWnd);
    if (!d->shownWall() || GetRowCount() < 1 || GetColumnCount() < 1)
        return ZtTVWallLayout();
    QVector<LayoutScreen> screens;
    for (int iScreen = 0; iScreen < GetScreenCount(); ++iScreen)
        screens.append(readScreen(*this, iScreen));
    return ZtTVWallLayout(GetRowCount(), GetColumnCount(), screens);
}

QVector<QVector<int>> ZtTVWallOperateWnd::ApplyLayout(const ZtTVWallLayout& layout)
{
    Q_D(ZtTVWallOperateWnd);
    if (!d->shownWall() || !layout.isValid())
        return {};
    // The operations used here report nothing, so no host slot runs while the wall is rebuilt.
    const QVector<LayoutScreen> screens = layout.screens();
    DeleteAllScreen();
    SetTVWallGridCount(layout.rowCount(), layout.columnCount());
    QVector<QVector<int>> numbers;
    for (const LayoutScreen& screen : screens)
        numbers.append(buildScreen(*this, screen));
    d->layOutDisplayScreens();
    return numbers;
}

} // namespace ZtGUI
