#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayScreen_p.h"

#include "KitraGuard_p.h"
#include "MovableSub.h"
#include "QOSDShowLabel.h"
#include "ZtTVWallDisplayAccessible_p.h"
#include "ZtTVWallDisplayFrame.h"
#include "ZtTVWallDisplayWindow.h"
#include "ZtTVWallDisplayWnd.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace ZtGUI {

namespace {
const double kWindowPrecision = 0.001;
const Qt::WindowFlags kSubWindowFlags = Qt::FramelessWindowHint | Qt::CustomizeWindowHint;
} // namespace

ZtTVWallDisplayScreenPrivate::ZtTVWallDisplayScreenPrivate(ZtTVWallDisplayScreen* screen)
    : q_ptr(screen)
{
}

int ZtTVWallDisplayScreenPrivate::mode() const
{
    return wall ? wall->GetWindowSelectionMode() : ZtTVWallDisplayWnd::SingleSelection;
}

QSize ZtTVWallDisplayScreenPrivate::area() const
{
    Q_Q(const ZtTVWallDisplayScreen);
    return q->viewport()->size();
}

int ZtTVWallDisplayScreenPrivate::indexOf(const QObject* object) const
{
    for (int i = 0; i < windows.size(); ++i) {
        if (windows.at(i) == object)
            return i;
    }
    return -1;
}

ZtTVWallDisplayWindow* ZtTVWallDisplayScreenPrivate::window(int iWindow) const
{
    return iWindow >= 0 && iWindow < windows.size() ? windows.at(iWindow) : nullptr;
}

template <typename... Params, typename... Args>
void ZtTVWallDisplayScreenPrivate::relay(void (ZtTVWallDisplayScreen::*signal)(int, Params...), Args&&... args)
{
    Q_Q(ZtTVWallDisplayScreen);
    const int i = indexOf(q->sender());
    if (i >= 0)
        emit(q->*signal)(i, std::forward<Args>(args)...);
}

void ZtTVWallDisplayScreenPrivate::setButton(int iWindow, bool bOn, void (ZtTVWallDisplayWindow::*set)(bool))
{
    if (ZtTVWallDisplayWindow* w = window(iWindow))
        (w->*set)(bOn);
}

bool ZtTVWallDisplayScreenPrivate::buttonState(int iWindow, bool (ZtTVWallDisplayWindow::*get)() const) const
{
    const ZtTVWallDisplayWindow* w = window(iWindow);
    return w && (w->*get)();
}

void ZtTVWallDisplayScreenPrivate::raiseOSD()
{
    for (const OSDEntry& entry : osd)
        entry.sub->raise();
}

ZtTVWallDisplayScreen::ZtTVWallDisplayScreen(ZtTVWallDisplayWnd* wall, int iRows, int iCols, bool bShowLock,
                                             bool bShowAudio, bool bShowCircle, QWidget* parent)
    : QMdiArea(parent)
    , d_ptr(new ZtTVWallDisplayScreenPrivate(this))
{
    Q_D(ZtTVWallDisplayScreen);
    // QMdiArea filters every event of the application to switch sub-windows by keyboard, which a
    // wall does not offer: left installed, each window event would reach eventFilter() twice.
    qApp->removeEventFilter(this);
    d->wall = wall;
    d->rows = iRows;
    d->cols = iCols;
    d->showLock = bShowLock;
    d->showAudio = bShowAudio;
    d->showCircle = bShowCircle;
    setViewMode(QMdiArea::SubWindowView);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptDrops(true);
    d->bandFrame = new ZtTVWallDisplayFrame(0, viewport());
    d->bandFrame->hide();
    d->drawFrame = new ZtTVWallDisplayFrame(1, viewport());
    d->drawFrame->hide();
    d->buildOSD();
}

ZtTVWallDisplayScreen::~ZtTVWallDisplayScreen() = default;

void ZtTVWallDisplayScreen::SetUserData(const QVariant& userData)
{
    Q_D(ZtTVWallDisplayScreen);
    d->userData = userData;
}

QVariant ZtTVWallDisplayScreen::GetUserData() const
{
    Q_D(const ZtTVWallDisplayScreen);
    return d->userData;
}

void ZtTVWallDisplayScreen::SetIcon(const QIcon& icon)
{
    Q_D(ZtTVWallDisplayScreen);
    d->icon = icon;
}

void ZtTVWallDisplayScreen::SetTitle(const QString& title)
{
    Q_D(ZtTVWallDisplayScreen);
    d->title = title;
}

void ZtTVWallDisplayScreen::SetContentText(const QString& text)
{
    Q_D(ZtTVWallDisplayScreen);
    d->contentText = text;
    viewport()->update();
}

void ZtTVWallDisplayScreen::SetScale(const StructScaleRect& scale)
{
    Q_D(ZtTVWallDisplayScreen);
    d->scale = scale;
}

bool ZtTVWallDisplayScreen::GetScale(StructScaleRect& scale) const
{
    Q_D(const ZtTVWallDisplayScreen);
    scale = d->scale;
    return true;
}

int ZtTVWallDisplayScreen::GetRows() const
{
    Q_D(const ZtTVWallDisplayScreen);
    return d->rows;
}

int ZtTVWallDisplayScreen::GetCols() const
{
    Q_D(const ZtTVWallDisplayScreen);
    return d->cols;
}

void ZtTVWallDisplayScreen::SetSelected(bool bSelected)
{
    Q_D(ZtTVWallDisplayScreen);
    const bool changed = d->selected != bSelected;
    d->selected = bSelected;
    if (!bSelected) {
        for (ZtTVWallDisplayWindow* w : qAsConst(d->windows))
            w->SetSelected(false);
    }
    viewport()->update();
    if (changed)
        ZtTVWallDisplayNotifySelected(this);
}

bool ZtTVWallDisplayScreen::IsSelected() const
{
    Q_D(const ZtTVWallDisplayScreen);
    return d->selected;
}

void ZtTVWallDisplayScreen::SetLockStatus(bool bLock)
{
    Q_D(ZtTVWallDisplayScreen);
    d->wallLocked = bLock;
    for (ZtTVWallDisplayWindow* w : qAsConst(d->windows))
        w->SetLock(bLock);
}

void ZtTVWallDisplayScreen::SetSkin(bool bLight)
{
    Q_D(ZtTVWallDisplayScreen);
    d->light = bLight;
    d->bandFrame->SetSkin(bLight);
    d->drawFrame->SetSkin(bLight);
    viewport()->update();
}

void ZtTVWallDisplayScreen::SetDeviceType(bool bDeviceType)
{
    Q_D(ZtTVWallDisplayScreen);
    d->deviceType = bDeviceType;
}

void ZtTVWallDisplayScreen::SetPtzFrameSelectedEnable(bool bEnable)
{
    Q_D(ZtTVWallDisplayScreen);
    d->ptzFrameSelect = bEnable;
}

void ZtTVWallDisplayScreen::UpdateGeometry()
{
    Q_D(ZtTVWallDisplayScreen);
    const QWidget* owner = d->wall ? static_cast<const QWidget*>(d->wall) : parentWidget();
    if (!owner)
        return;
    d->placed = true;
    const QRect r = owner->rect();
    const StructScaleRect s = d->scale;
    int right = int(r.x() + r.width() * s.dRight - 1.0);
    int bottom = int(r.y() + r.height() * s.dBottom - 1.0);
    // Screens keep a one-pixel seam so that neighbours do not touch, except at the wall's edges.
    if (!d->deviceType) {
        if (s.dRight != 1.0)
            --right;
        if (s.dBottom != 1.0)
            --bottom;
    }
    const int left = int(r.x() + r.width() * s.dLeft);
    const int top = int(r.y() + r.height() * s.dTop);
    setGeometry(QRect(QPoint(left, top), QPoint(right, bottom)));
}

int ZtTVWallDisplayScreen::OpenWindow(const StructScaleRect& scale, const QVariant& userData, bool bTitleShow)
{
    Q_D(ZtTVWallDisplayScreen);
    using W = ZtTVWallDisplayWindow;
    auto* w = new W(this, bTitleShow, d->showLock, d->showAudio, d->showCircle, d->light, nullptr);
    w->SetPrecision(kWindowPrecision);
    // A focused sub-window becomes the active one, which QMdiArea raises: stacking is the host's.
    w->setFocusPolicy(Qt::NoFocus);
    addSubWindow(w, kSubWindowFlags);
    d->windows.append(w);
    // Named as the wall names its windows, for a host that opens one here directly.
    const QObject* wall = parent();
    const int number =
        wall ? wall->findChildren<ZtTVWallDisplayScreen*>(QString(), Qt::FindDirectChildrenOnly).indexOf(this) : 0;
    w->setAccessibleName(ZtTVWallDisplayWindowName(d->windows.size() - 1, number, QString()));
    if (bTitleShow)
        w->SetTitle(QStringLiteral("%1 %2").arg(tr("Window")).arg(userData.toInt() + 1));
    w->show();
    w->SetScale(scale);
    w->SetUserData(userData);
    w->installEventFilter(this);
    w->SetLock(d->wallLocked);
    // Only a free window reports its buttons and geometry.
    if (!scale.bFreeMode) {
        connect(w, &W::SignalDoubleClickedSelectedChanged, this, &ZtTVWallDisplayScreen::SignalWindowDoubleClicked);
    } else {
        connect(w, &W::SignalCloseBtnClicked, this, &ZtTVWallDisplayScreen::OnWindowCloseBtnClicked);
        connect(w, &W::SignalVolemeBtnClicked, this, &ZtTVWallDisplayScreen::OnWindowVolumeBtnClicked);
        connect(w, &W::SignalLockBtnClicked, this, &ZtTVWallDisplayScreen::OnWindowLockBtnClicked);
        connect(w, &W::SignalDockBtnClicked, this, &ZtTVWallDisplayScreen::OnWindowDockBtnClicked);
        connect(w, &W::SignalMeetingBtnClicked, this, &ZtTVWallDisplayScreen::OnWindowMeetingBtnClicked);
        connect(w, &W::SignalTourBtnClicked, this, &ZtTVWallDisplayScreen::OnWindowTourBtnClicked);
        connect(w, &W::SignalPTZBtnClicked, this, &ZtTVWallDisplayScreen::OnWindowPTZBtnClicked);
        connect(w, &W::SignalGeoChanged, this, &ZtTVWallDisplayScreen::OnGeoChanged);
        connect(w, &W::SignalDoubleClickedSelectedChanged, this, &ZtTVWallDisplayScreen::SignalWindowSelectedChanged);
    }
    connect(w, &W::SignalPTZEvent, this, &ZtTVWallDisplayScreen::OnPTZEvent);
    d->raiseOSD();
    return d->windows.size() - 1;
}

bool ZtTVWallDisplayScreen::DeleteWindow(int iWindow)
{
    Q_D(ZtTVWallDisplayScreen);
    ZtTVWallDisplayWindow* w = d->window(iWindow);
    if (!w)
        return false;
    const bool wasSelected = w->IsSelected();
    d->windows.removeAt(iWindow);
    d->moveSet.remove(w);
    delete w;
    if (wasSelected)
        emit SignalWindowSelectedChanged();
    return true;
}

void ZtTVWallDisplayScreen::DeleteAllWindows()
{
    Q_D(ZtTVWallDisplayScreen);
    for (int i = d->windows.size() - 1; i >= 0; --i)
        delete d->windows.at(i);
    d->windows.clear();
    d->moveSet.clear();
}

int ZtTVWallDisplayScreen::GetWindowCount() const
{
    Q_D(const ZtTVWallDisplayScreen);
    return d->windows.size();
}

ZtTVWallDisplayWindow* ZtTVWallDisplayScreen::GetWindow(int iWindow) const
{
    Q_D(const ZtTVWallDisplayScreen);
    return d->window(iWindow);
}

bool ZtTVWallDisplayScreen::SetWindowScale(int iWindow, const StructScaleRect& scale)
{
    Q_D(ZtTVWallDisplayScreen);
    ZtTVWallDisplayWindow* w = d->window(iWindow);
    if (w)
        w->SetScale(scale);
    return w != nullptr;
}

bool ZtTVWallDisplayScreen::GetWindowScale(int iWindow, StructScaleRect& scale) const
{
    Q_D(const ZtTVWallDisplayScreen);
    const ZtTVWallDisplayWindow* w = d->window(iWindow);
    if (w)
        scale = w->GetScale();
    return w != nullptr;
}

bool ZtTVWallDisplayScreen::SetWindowZValue(int iWindow, int iZ, bool bReorder)
{
    Q_D(ZtTVWallDisplayScreen);
    ZtTVWallDisplayWindow* target = d->window(iWindow);
    if (!target)
        return false;
    const int oldZ = target->GetZValue();
    target->SetZValue(iZ);
    if (d->windows.size() == 1) {
        target->raise();
    } else if (bReorder) {
        // The others close the gap the window left behind.
        for (ZtTVWallDisplayWindow* w : qAsConst(d->windows)) {
            if (w->GetZValue() < 0)
                break;
            if (w != target && oldZ > 0 && w->GetZValue() > oldZ)
                w->SetZValue(w->GetZValue() - 1);
        }
        QList<ZtTVWallDisplayWindow*> stack = d->windows;
        std::stable_sort(stack.begin(), stack.end(), [](const ZtTVWallDisplayWindow* a, const ZtTVWallDisplayWindow* b) {
            return a->GetZValue() < b->GetZValue();
        });
        for (ZtTVWallDisplayWindow* w : qAsConst(stack))
            w->raise();
    }
    d->raiseOSD();
    return true;
}

int ZtTVWallDisplayScreen::GetWindowZValue(int iWindow) const
{
    Q_D(const ZtTVWallDisplayScreen);
    const ZtTVWallDisplayWindow* w = d->window(iWindow);
    return w ? w->GetZValue() : -1;
}

int ZtTVWallDisplayScreen::GetMaxWindowZValue() const
{
    Q_D(const ZtTVWallDisplayScreen);
    int z = 0;
    for (const ZtTVWallDisplayWindow* w : d->windows)
        z = qMax(z, w->GetZValue());
    return z;
}

void ZtTVWallDisplayScreen::GetMaxWindowZValue(int& iWindow, int& iZ) const
{
    Q_D(const ZtTVWallDisplayScreen);
    iZ = -1;
    for (int i = 0; i < d->windows.size(); ++i) {
        if (d->windows.at(i)->GetZValue() > iZ) {
            iZ = d->windows.at(i)->GetZValue();
            iWindow = i;
        }
    }
}

QList<int> ZtTVWallDisplayScreen::GetSelectedWindowIndexs() const
{
    Q_D(const ZtTVWallDisplayScreen);
    QList<int> found;
    for (int i = 0; i < d->windows.size(); ++i) {
        if (d->windows.at(i)->IsSelected())
            found << i;
    }
    return found;
}

QList<int> ZtTVWallDisplayScreen::GetUnSelectedWindowIndexs() const
{
    Q_D(const ZtTVWallDisplayScreen);
    QList<int> found;
    for (int i = 0; i < d->windows.size(); ++i) {
        if (!d->windows.at(i)->IsSelected())
            found << i;
    }
    return found;
}

QList<int> ZtTVWallDisplayScreen::GetAllWindowIndexs() const
{
    Q_D(const ZtTVWallDisplayScreen);
    QList<int> all;
    for (int i = 0; i < d->windows.size(); ++i)
        all << i;
    return all;
}

QList<int> ZtTVWallDisplayScreen::GetAllWindowUserDatas() const
{
    Q_D(const ZtTVWallDisplayScreen);
    QList<int> all;
    for (const ZtTVWallDisplayWindow* w : d->windows)
        all << w->GetUserData().toInt();
    return all;
}

void ZtTVWallDisplayScreen::SetSelectedWindowIndexs(int iWindow, bool bSelected)
{
    Q_D(ZtTVWallDisplayScreen);
    ZtTVWallDisplayWindow* target = d->window(iWindow);
    if (!target)
        return;
    for (ZtTVWallDisplayWindow* w : qAsConst(d->windows))
        w->SetSelected(bSelected && w == target);
    if (bSelected)
        emit SignalWindowSelectedChanged();
}

void ZtTVWallDisplayScreen::ClearWindowSelection()
{
    Q_D(ZtTVWallDisplayScreen);
    if (d->unselectAll())
        emit SignalWindowSelectedChanged();
}

void ZtTVWallDisplayScreen::SetWindowVolumeBtn(int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayScreen);
    d->setButton(iWindow, bOn, &ZtTVWallDisplayWindow::SetVolumeBtn);
}

void ZtTVWallDisplayScreen::SetWindowLockBtn(int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayScreen);
    d->setButton(iWindow, bOn, &ZtTVWallDisplayWindow::SetLockBtn);
}

void ZtTVWallDisplayScreen::SetWindowDockBtn(int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayScreen);
    d->setButton(iWindow, bOn, &ZtTVWallDisplayWindow::SetDockBtn);
}

void ZtTVWallDisplayScreen::SetWindowMeetingBtn(int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayScreen);
    d->setButton(iWindow, bOn, &ZtTVWallDisplayWindow::SetMeetingBtn);
}

void ZtTVWallDisplayScreen::SetWindowTourBtn(int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayScreen);
    d->setButton(iWindow, bOn, &ZtTVWallDisplayWindow::SetTourBtn);
}

void ZtTVWallDisplayScreen::SetWindowPTZBtn(int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayScreen);
    d->setButton(iWindow, bOn, &ZtTVWallDisplayWindow::SetPTZBtn);
}

bool ZtTVWallDisplayScreen::GetWindowVolumeBtnStatus(int iWindow) const
{
    Q_D(const ZtTVWallDisplayScreen);
    return d->buttonState(iWindow, &ZtTVWallDisplayWindow::GetVolumeBtnStatus);
}

bool ZtTVWallDisplayScreen::GetWindowLockBtnStatus(int iWindow) const
{
    Q_D(const ZtTVWallDisplayScreen);
    return d->buttonState(iWindow, &ZtTVWallDisplayWindow::GetLockBtnStatus);
}

bool ZtTVWallDisplayScreen::GetWindowDockBtnStatus(int iWindow) const
{
    Q_D(const ZtTVWallDisplayScreen);
    return d->buttonState(iWindow, &ZtTVWallDisplayWindow::GetDockBtnStatus);
}

bool ZtTVWallDisplayScreen::GetWindowMeetingBtnStatus(int iWindow) const
{
    Q_D(const ZtTVWallDisplayScreen);
    return d->buttonState(iWindow, &ZtTVWallDisplayWindow::GetMeetingBtnStatus);
}

bool ZtTVWallDisplayScreen::GetWindowTourBtnStatus(int iWindow) const
{
    Q_D(const ZtTVWallDisplayScreen);
    return d->buttonState(iWindow, &ZtTVWallDisplayWindow::GetTourBtnStatus);
}

void ZtTVWallDisplayScreen::SetWindowUserData(int iWindow, const QVariant& userData)
{
    Q_D(ZtTVWallDisplayScreen);
    if (ZtTVWallDisplayWindow* w = d->window(iWindow))
        w->SetUserData(userData);
}

QVariant ZtTVWallDisplayScreen::GetWindowUserData(int iWindow) const
{
    Q_D(const ZtTVWallDisplayScreen);
    const ZtTVWallDisplayWindow* w = d->window(iWindow);
    return w ? w->GetUserData() : QVariant();
}

QWidget* ZtTVWallDisplayScreen::GetWindowWidget(int iWindow) const
{
    Q_D(const ZtTVWallDisplayScreen);
    ZtTVWallDisplayWindow* w = d->window(iWindow);
    return w ? w->GetVideoWidget() : nullptr;
}

void ZtTVWallDisplayScreen::DeleteWindowWidget(int iWindow)
{
    Q_D(ZtTVWallDisplayScreen);
    if (ZtTVWallDisplayWindow* w = d->window(iWindow))
        w->DeleteVideoWidget();
}

void ZtTVWallDisplayScreen::SetWindowBackgroudColor(const QColor& color, bool bColorMode)
{
    Q_D(ZtTVWallDisplayScreen);
    d->backgroundColor = color;
    d->colorMode = bColorMode;
    if (!bColorMode) {
        for (int i = 0; i < ZtTVWallDisplayScreenPrivate::kOSDCount; ++i) {
            d->osd[i].sub->hide();
            d->showLabels[i]->hide();
        }
    }
    viewport()->update();
}

void ZtTVWallDisplayScreen::SetBaseMapShow(std::string strPath, bool bShow)
{
    Q_D(ZtTVWallDisplayScreen);
    d->baseMapShow = bShow;
    // The host names the raw video frame; the picture beside it is what can be shown.
    if (strPath.find(".yuv") != std::string::npos)
        strPath = strPath.substr(0, strPath.rfind('.')) + ".jpg";
    d->baseMapPath = strPath;
}

void ZtTVWallDisplayScreen::paintEvent(QPaintEvent* event)
{
    Q_D(ZtTVWallDisplayScreen);
    QMdiArea::paintEvent(event);
    QPainter painter(viewport());
    const QColor fill = d->light ? QColor(145, 155, 168) : QColor(53, 53, 53);
    const QColor grid = d->light ? QColor(Qt::white) : QColor(76, 81, 87);
    painter.setPen(fill);
    painter.setBrush(fill);
    const QRect r = viewport()->rect();
    painter.drawRect(r);

    QPen dash(grid, 1);
    dash.setDashPattern({5, 10, 5, 10, 5, 10});
    painter.setPen(dash);
    painter.setBrush(Qt::NoBrush);
    const int w = r.width();
    const int h = r.height();
    for (int i = 0; i <= d->rows && d->rows > 0; ++i)
        painter.drawLine(0, i * h / d->rows, w, i * h / d->rows);
    for (int j = 0; j <= d->cols && d->cols > 0; ++j)
        painter.drawLine(j * w / d->cols, 0, j * w / d->cols, h);

    const QRect border = r.adjusted(0, 0, -1, -1);
    painter.setPen(QPen(d->selected ? QColor(24, 144, 255) : QColor(Qt::white), 1));
    painter.drawLine(border.topLeft(), border.topRight());
    painter.drawLine(border.topRight(), border.bottomRight());
    painter.drawLine(border.bottomRight(), border.bottomLeft());
    painter.drawLine(border.bottomLeft(), border.topLeft());
}

void ZtTVWallDisplayScreen::resizeEvent(QResizeEvent* event)
{
    Q_D(ZtTVWallDisplayScreen);
    QMdiArea::resizeEvent(event);
    // A screen added to a shown wall waits for the wall's next resize to be placed.
    if (d->placed)
        UpdateGeometry();
    const QSize size = d->area();
    const double w = size.width();
    const double h = size.height();
    for (ZtTVWallDisplayWindow* win : qAsConst(d->windows)) {
        const StructScaleRect s = win->GetScale();
        win->setGeometry(int(w * s.dLeft + 0.5), int(h * s.dTop + 0.5), int(w * (s.dRight - s.dLeft) + 0.5),
                         int(h * (s.dBottom - s.dTop) + 0.5));
    }
    d->layoutOSD();
}

void ZtTVWallDisplayScreen::OnWindowCloseBtnClicked()
{
    Q_D(ZtTVWallDisplayScreen);
    d->relay(&ZtTVWallDisplayScreen::SignalWindowCloseBtnClicked);
}

void ZtTVWallDisplayScreen::OnGeoChanged(const StructScaleRect& struScale)
{
    Q_D(ZtTVWallDisplayScreen);
    d->relay(&ZtTVWallDisplayScreen::SignalWindowGeoChanged, struScale);
}

void ZtTVWallDisplayScreen::OnWindowVolumeBtnClicked()
{
    Q_D(ZtTVWallDisplayScreen);
    d->relay(&ZtTVWallDisplayScreen::SignalWindowVolumeBtnClicked);
}

void ZtTVWallDisplayScreen::OnWindowLockBtnClicked()
{
    Q_D(ZtTVWallDisplayScreen);
    d->relay(&ZtTVWallDisplayScreen::SignalWindowLockBtnClicked);
}

void ZtTVWallDisplayScreen::OnWindowDockBtnClicked()
{
    Q_D(ZtTVWallDisplayScreen);
    d->relay(&ZtTVWallDisplayScreen::SignalWindowDockBtnClicked);
}

void ZtTVWallDisplayScreen::OnWindowMeetingBtnClicked()
{
    Q_D(ZtTVWallDisplayScreen);
    d->relay(&ZtTVWallDisplayScreen::SignalWindowMeetingBtnClicked);
}

void ZtTVWallDisplayScreen::OnWindowTourBtnClicked()
{
    Q_D(ZtTVWallDisplayScreen);
    d->relay(&ZtTVWallDisplayScreen::SignalWindowTourBtnClicked);
}

void ZtTVWallDisplayScreen::OnWindowPTZBtnClicked()
{
    Q_D(ZtTVWallDisplayScreen);
    d->relay(&ZtTVWallDisplayScreen::SignalWindowPTZBtnClicked);
}

void ZtTVWallDisplayScreen::OnPTZEvent(int type, int step, bool stop)
{
    Q_D(ZtTVWallDisplayScreen);
    d->relay(&ZtTVWallDisplayScreen::SignalPTZEvent, type, step, stop);
}

} // namespace ZtGUI
