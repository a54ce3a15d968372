#include "ZtTVWallDisplayWnd.h"
#include "ZtTVWallDisplayWnd_p.h"

#include "CommonFun.h"
#include "CommonFun_p.h"
#include "ZtTVWallDisplayAccessible_p.h"
#include "ZtTVWallDisplayHistory_p.h"
#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayWindow.h"

#include <QPainter>

namespace ZtGUI {

namespace {
const double kWindowScalePrecision = 0.001;
} // namespace

ZtTVWallDisplayWndPrivate::ZtTVWallDisplayWndPrivate(ZtTVWallDisplayWnd* wall)
    : q_ptr(wall)
{
}

ZtTVWallDisplayScreen* ZtTVWallDisplayWndPrivate::screen(int iScreen) const
{
    return iScreen >= 0 && iScreen < screens.size() ? screens.at(iScreen) : nullptr;
}

void ZtTVWallDisplayWndPrivate::setButton(int iScreen, int iWindow, bool bOn,
                                          void (ZtTVWallDisplayScreen::*set)(int, bool))
{
    if (ZtTVWallDisplayScreen* s = screen(iScreen))
        (s->*set)(iWindow, bOn);
}

void ZtTVWallDisplayWndPrivate::nameWindows(int iScreen, int skip) const
{
    const ZtTVWallDisplayScreen* s = screen(iScreen);
    int number = 0;
    for (int i = 0; s && i < s->GetWindowCount(); ++i) {
        if (i == skip)
            continue;
        ZtTVWallDisplayWindow* w = s->GetWindow(i);
        const QString name = ZtTVWallDisplayWindowName(number++, iScreen, w->GetContentText());
        if (w->accessibleName() != name)     // Qt announces every new name, even an equal one
            w->setAccessibleName(name);
    }
}

bool ZtTVWallDisplayWndPrivate::buttonState(int iScreen, int iWindow,
                                            bool (ZtTVWallDisplayScreen::*get)(int) const) const
{
    const ZtTVWallDisplayScreen* s = screen(iScreen);
    return s && (s->*get)(iWindow);
}

ZtTVWallDisplayScreen* ZtTVWallDisplayWndPrivate::selectedScreen() const
{
    for (ZtTVWallDisplayScreen* s : screens) {
        if (s->IsSelected())
            return s;
    }
    return nullptr;
}

int ZtTVWallDisplayWndPrivate::indexOfSender() const
{
    Q_Q(const ZtTVWallDisplayWnd);
    auto* s = qobject_cast<ZtTVWallDisplayScreen*>(q->sender());
    return s ? screens.indexOf(s) : -1;
}

void ZtTVWallDisplayWndPrivate::connectScreen(ZtTVWallDisplayScreen* s)
{
    Q_Q(ZtTVWallDisplayWnd);
    using S = ZtTVWallDisplayScreen;
    using W = ZtTVWallDisplayWnd;
    QObject::connect(s, &S::SignalWindowCloseBtnClicked, q, &W::OnWindowCloseBtnClicked);
    QObject::connect(s, &S::SignalWindowGeoChanged, q, &W::OnWindowGeoChanged);
    QObject::connect(s, &S::SignalWindowEvent, q, &W::OnWindowEvent);
    QObject::connect(s, &S::SignalLabelEvent, q, &W::OnLabelEvent);
    QObject::connect(s, &S::SignalOSDGeoChanged, q, &W::OnOSDGeoChanged);
    QObject::connect(s, &S::SignalOSDEvent, q, &W::OnOSDEvent);
    QObject::connect(s, &S::SignalPTZEvent, q, &W::OnPTZEvent);
    QObject::connect(s, &S::SignalSelected, q, &W::OnScreenSelected);
    QObject::connect(s, &S::customContextMenuRequested, q, &W::OnRightMenu);
    QObject::connect(s, &S::SignalWindowSelectedChanged, q, &W::OnWindowSelectedChanged);
    QObject::connect(s, &S::SignalDrawAreaOpenWindow, q, &W::OnDrawAreaOpenWindow);
    QObject::connect(s, &S::SignalScreenDropEvent, q, &W::OnScreenDropEvent);
    QObject::connect(s, &S::SignalWindowVolumeBtnClicked, q, &W::OnWindowVolumeBtnClicked);
    QObject::connect(s, &S::SignalWindowLockBtnClicked, q, &W::OnWindowLockBtnClicked);
    QObject::connect(s, &S::SignalWindowDockBtnClicked, q, &W::OnWindowDockBtnClicked);
    QObject::connect(s, &S::SignalWindowMeetingBtnClicked, q, &W::OnWindowMeetingBtnClicked);
    QObject::connect(s, &S::SignalWindowTourBtnClicked, q, &W::OnWindowTourBtnClicked);
    QObject::connect(s, &S::SignalWindowPTZBtnClicked, q, &W::OnWindowPTZBtnClicked);
    QObject::connect(s, &S::SignalWindowDoubleClicked, q, &W::OnWindowDoubleClicked);
    QObject::connect(s, &S::SignalWindowClicked, q, &W::OnWindowClicked);
    QObject::connect(s, &S::Signal3DSite, q, &W::OnWindow3DSite);
    QObject::connect(s, &S::SignalLockEvent, q, &W::OnLockEvent);
}

ZtTVWallDisplayWnd::ZtTVWallDisplayWnd(QWidget* parent)
    : QWidget(parent)
    , d_ptr(new ZtTVWallDisplayWndPrivate(this))
{
    Q_D(ZtTVWallDisplayWnd);
    ZtTVWallDisplayInstallAccessible();
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    CommonFun::SetStyleSheet(this, QStringLiteral("TVWallOperateWnd"), QString(), QString());
    d->light = SkinStyle() != QLatin1String("Dark");
    d->history = new ZtTVWallDisplayHistory(this);
}

ZtTVWallDisplayWnd::~ZtTVWallDisplayWnd()
{
    Q_D(ZtTVWallDisplayWnd);
    // A host may delete the wall from a slot of a signal that an undo emits: the stack is still
    // running that command then, so it stays until control is back in the event loop.
    if (d->history->isApplying()) {
        d->history->setParent(nullptr);
        d->history->deleteLater();
    }
}

void ZtTVWallDisplayWnd::SetTVWallGridCount(int iRows, int iCols)
{
    Q_D(ZtTVWallDisplayWnd);
    d->rows = iRows;
    d->cols = iCols;
}

int ZtTVWallDisplayWnd::GetRowCount() const
{
    Q_D(const ZtTVWallDisplayWnd);
    return d->rows;
}

int ZtTVWallDisplayWnd::GetColumnCount() const
{
    Q_D(const ZtTVWallDisplayWnd);
    return d->cols;
}

int ZtTVWallDisplayWnd::AddScreen(const StructScaleRect& scale, const QVariant& userData)
{
    return AddScreen(scale, QIcon(), QString(), userData);
}

int ZtTVWallDisplayWnd::AddScreen(const StructScaleRect& scale, const QIcon& icon, const QString& title,
                                  const QVariant& userData)
{
    Q_D(ZtTVWallDisplayWnd);
    if (d->rows < 1 || d->cols < 1) {
        qWarning("---ZtGUI--- ZtTVWallDisplayWnd::AddScreen: iRows = %d, iCols = %d", d->rows, d->cols);
        return -1;
    }
    const int rowSpan = int(d->rows * (scale.dBottom - scale.dTop) + 0.5);
    const int colSpan = int(d->cols * (scale.dRight - scale.dLeft) + 0.5);
    auto* s = new ZtTVWallDisplayScreen(this, rowSpan, colSpan, d->showLock, d->showAudio, d->showCircle, this);
    s->SetSkin(d->light);
    s->SetScale(scale);
    s->SetIcon(icon);
    s->SetTitle(title);
    s->SetUserData(userData);
    s->show();
    s->setContextMenuPolicy(Qt::CustomContextMenu);
    // A click on a screen gives the wall the focus, for the operator's keys.
    s->setFocusPolicy(Qt::NoFocus);
    d->connectScreen(s);
    d->screens.append(s);
    s->setAccessibleName(tr("Screen %1").arg(d->screens.size()));
    if (d->focusFrame && d->focusFrame->isVisible())
        d->focusFrame->raise();
    return d->screens.size() - 1;
}

bool ZtTVWallDisplayWnd::DeleteAllScreen()
{
    Q_D(ZtTVWallDisplayWnd);
    if (!d->screens.isEmpty())
        d->history->forget();
    const QList<ZtTVWallDisplayScreen*> screens = d->screens;
    d->screens.clear();
    qDeleteAll(screens);
    return true;
}

int ZtTVWallDisplayWnd::GetScreenCount() const
{
    Q_D(const ZtTVWallDisplayWnd);
    return d->screens.size();
}

bool ZtTVWallDisplayWnd::GetScreenScale(int iScreen, StructScaleRect& scale) const
{
    Q_D(const ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s && s->GetScale(scale);
}

void ZtTVWallDisplayWnd::GetScreenGrid(int iScreen, int& iRows, int& iCols)
{
    Q_D(ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    iRows = s ? s->GetRows() : 1;
    iCols = s ? s->GetCols() : 1;
}

bool ZtTVWallDisplayWnd::SetScreenTitle(int iScreen, const QString& title)
{
    Q_D(ZtTVWallDisplayWnd);
    ZtTVWallDisplayScreen* s = d->screen(iScreen);
    if (s)
        s->SetTitle(title);
    return s != nullptr;
}

bool ZtTVWallDisplayWnd::SetScreenContentText(int iScreen, const QString& text)
{
    Q_D(ZtTVWallDisplayWnd);
    ZtTVWallDisplayScreen* s = d->screen(iScreen);
    if (s)
        s->SetContentText(text);
    return s != nullptr;
}

void ZtTVWallDisplayWnd::SetScreenUserData(int iScreen, const QVariant& userData)
{
    Q_D(ZtTVWallDisplayWnd);
    if (ZtTVWallDisplayScreen* s = d->screen(iScreen))
        s->SetUserData(userData);
}

QVariant ZtTVWallDisplayWnd::GetScreenUserData(int iScreen)
{
    Q_D(ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s ? s->GetUserData() : QVariant();
}

int ZtTVWallDisplayWnd::GetSelectedScreenIndex() const
{
    Q_D(const ZtTVWallDisplayWnd);
    return d->screens.indexOf(d->selectedScreen());
}

void ZtTVWallDisplayWnd::SetSelectedScreenIndex(int iScreen)
{
    Q_D(ZtTVWallDisplayWnd);
    if (!d->screen(iScreen))
        return;
    for (int i = 0; i < d->screens.size(); ++i)
        d->screens.at(i)->SetSelected(i == iScreen);
}

bool ZtTVWallDisplayWnd::SetScreenWindowBackgroudColor(int iScreen, const QColor& color, bool bShow)
{
    Q_D(ZtTVWallDisplayWnd);
    ZtTVWallDisplayScreen* s = d->screen(iScreen);
    if (s)
        s->SetWindowBackgroudColor(color, bShow);
    return s != nullptr;
}

bool ZtTVWallDisplayWnd::SetScreenBaseMapShow(int iScreen, std::string strPath, bool bShow)
{
    Q_D(ZtTVWallDisplayWnd);
    ZtTVWallDisplayScreen* s = d->screen(iScreen);
    if (s)
        s->SetBaseMapShow(std::move(strPath), bShow);
    return s != nullptr;
}

bool ZtTVWallDisplayWnd::SetScreenOSDInfo(int iScreen, std::vector<StructOSDInfo>& vecInfo)
{
    Q_D(ZtTVWallDisplayWnd);
    ZtTVWallDisplayScreen* s = d->screen(iScreen);
    if (s)
        s->SetOSDInfo(vecInfo);
    return s != nullptr;
}

void ZtTVWallDisplayWnd::SetScreenOSDVisible(int iScreen, const std::vector<int>& vecId, bool bVisible)
{
    Q_D(ZtTVWallDisplayWnd);
    if (ZtTVWallDisplayScreen* s = d->screen(iScreen))
        s->SetOSDVisible(vecId, bVisible);
}

void ZtTVWallDisplayWnd::SetPtzFrameSelectedEnable(bool bEnable)
{
    Q_D(ZtTVWallDisplayWnd);
    if (ZtTVWallDisplayScreen* s = d->selectedScreen())
        s->SetPtzFrameSelectedEnable(bEnable);
}

void ZtTVWallDisplayWnd::SetDeviceType(bool bDeviceType)
{
    Q_D(ZtTVWallDisplayWnd);
    for (ZtTVWallDisplayScreen* s : qAsConst(d->screens))
        s->SetDeviceType(bDeviceType);
}

void ZtTVWallDisplayWnd::SetTVWallLockStatus(bool bLock)
{
    Q_D(ZtTVWallDisplayWnd);
    d->locked = bLock;
    for (ZtTVWallDisplayScreen* s : qAsConst(d->screens))
        s->SetLockStatus(bLock);
}

bool ZtTVWallDisplayWnd::GetTVWallLockStatus()
{
    Q_D(ZtTVWallDisplayWnd);
    return d->locked;
}

void ZtTVWallDisplayWnd::SetWindowTitleShow(bool bShow)
{
    Q_D(ZtTVWallDisplayWnd);
    d->windowTitleShow = bShow;
}

void ZtTVWallDisplayWnd::ShowWndLockBtn(bool bShow)
{
    Q_D(ZtTVWallDisplayWnd);
    d->showLock = bShow;
}

void ZtTVWallDisplayWnd::ShowWndAudioBtn(bool bShow)
{
    Q_D(ZtTVWallDisplayWnd);
    d->showAudio = bShow;
}

void ZtTVWallDisplayWnd::ShowWndCircleBtn(bool bShow)
{
    Q_D(ZtTVWallDisplayWnd);
    d->showCircle = bShow;
}

int ZtTVWallDisplayWnd::OpenWindow(int iScreen, const StructScaleRect& scale, const QVariant& userData)
{
    Q_D(ZtTVWallDisplayWnd);
    ZtTVWallDisplayScreen* s = d->screen(iScreen);
    if (!s)
        return -1;
    const int iWindow = s->OpenWindow(scale, userData, d->windowTitleShow);
    d->nameWindows(iScreen, -1);
    return iWindow;
}

bool ZtTVWallDisplayWnd::DeleteWindow(int iScreen, int iWindow)
{
    Q_D(ZtTVWallDisplayWnd);
    ZtTVWallDisplayScreen* s = d->screen(iScreen);
    if (!s || !s->GetWindow(iWindow))
        return false;
    // Later windows move down one number: commands naming them would name others.
    d->history->forget();
    d->nameWindows(iScreen, iWindow);     // before: a slot of the deletion's signal may end the wall
    return s->DeleteWindow(iWindow);
}

void ZtTVWallDisplayWnd::DeleteAllWindows(int iScreen)
{
    Q_D(ZtTVWallDisplayWnd);
    ZtTVWallDisplayScreen* s = d->screen(iScreen);
    if (!s || s->GetWindowCount() == 0)
        return;
    d->history->forget();
    s->DeleteAllWindows();
}

void ZtTVWallDisplayWnd::DeleteAllWindows()
{
    Q_D(ZtTVWallDisplayWnd);
    for (int i = 0; i < d->screens.size(); ++i)
        DeleteAllWindows(i);
}

bool ZtTVWallDisplayWnd::SetWindowScale(int iScreen, int iWindow, const StructScaleRect& scale)
{
    Q_D(ZtTVWallDisplayWnd);
    ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s && s->SetWindowScale(iWindow, scale);
}

bool ZtTVWallDisplayWnd::GetWindowScale(int iScreen, int iWindow, StructScaleRect& scale) const
{
    Q_D(const ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s && s->GetWindowScale(iWindow, scale);
}

double ZtTVWallDisplayWnd::GetWindowScalePrecision()
{
    return kWindowScalePrecision;
}

QList<int> ZtTVWallDisplayWnd::GetSelectedWindowIndexs()
{
    Q_D(ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->selectedScreen();
    return s ? s->GetSelectedWindowIndexs() : QList<int>();
}

QList<int> ZtTVWallDisplayWnd::GetUnSelectedWindowIndexs()
{
    Q_D(ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->selectedScreen();
    return s ? s->GetUnSelectedWindowIndexs() : QList<int>();
}

void ZtTVWallDisplayWnd::SetSelectedWindowIndexs(int iScreen, int iWindow, bool bSelected)
{
    Q_D(ZtTVWallDisplayWnd);
    if (ZtTVWallDisplayScreen* s = d->screen(iScreen))
        s->SetSelectedWindowIndexs(iWindow, bSelected);
}

int ZtTVWallDisplayWnd::GetWindowCount(int iScreen) const
{
    Q_D(const ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s ? s->GetWindowCount() : 0;
}

QList<int> ZtTVWallDisplayWnd::GetAllWindowIndexs(int iScreen)
{
    Q_D(ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s ? s->GetAllWindowIndexs() : QList<int>();
}

QList<int> ZtTVWallDisplayWnd::GetAllWindowUserDatas(int iScreen)
{
    Q_D(ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s ? s->GetAllWindowUserDatas() : QList<int>();
}

bool ZtTVWallDisplayWnd::SetWindowZValue(int iScreen, int iWindow, int iZ, bool bReorder)
{
    Q_D(ZtTVWallDisplayWnd);
    ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s && s->SetWindowZValue(iWindow, iZ, bReorder);
}

int ZtTVWallDisplayWnd::GetWindowZValue(int iScreen, int iWindow) const
{
    Q_D(const ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s ? s->GetWindowZValue(iWindow) : -1;
}

int ZtTVWallDisplayWnd::GetMaxWindowZValue(int iScreen) const
{
    Q_D(const ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s ? s->GetMaxWindowZValue() : 1;
}

void ZtTVWallDisplayWnd::GetMaxWindowZValue(int iScreen, int& iWindow, int& iZ)
{
    Q_D(ZtTVWallDisplayWnd);
    if (const ZtTVWallDisplayScreen* s = d->screen(iScreen))
        s->GetMaxWindowZValue(iWindow, iZ);
}

void ZtTVWallDisplayWnd::SetWindowVolumeBtn(int iScreen, int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayWnd);
    d->setButton(iScreen, iWindow, bOn, &ZtTVWallDisplayScreen::SetWindowVolumeBtn);
}

void ZtTVWallDisplayWnd::SetWindowLockBtn(int iScreen, int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayWnd);
    d->setButton(iScreen, iWindow, bOn, &ZtTVWallDisplayScreen::SetWindowLockBtn);
}

void ZtTVWallDisplayWnd::SetWindowDockBtn(int iScreen, int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayWnd);
    d->setButton(iScreen, iWindow, bOn, &ZtTVWallDisplayScreen::SetWindowDockBtn);
}

void ZtTVWallDisplayWnd::SetWindowMeetingBtn(int iScreen, int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayWnd);
    d->setButton(iScreen, iWindow, bOn, &ZtTVWallDisplayScreen::SetWindowMeetingBtn);
}

void ZtTVWallDisplayWnd::SetWindowTourBtn(int iScreen, int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayWnd);
    d->setButton(iScreen, iWindow, bOn, &ZtTVWallDisplayScreen::SetWindowTourBtn);
}

void ZtTVWallDisplayWnd::SetWindowPTZBtn(int iScreen, int iWindow, bool bOn)
{
    Q_D(ZtTVWallDisplayWnd);
    d->setButton(iScreen, iWindow, bOn, &ZtTVWallDisplayScreen::SetWindowPTZBtn);
}

bool ZtTVWallDisplayWnd::GetWindowVolumeBtnStatus(int iScreen, int iWindow) const
{
    Q_D(const ZtTVWallDisplayWnd);
    return d->buttonState(iScreen, iWindow, &ZtTVWallDisplayScreen::GetWindowVolumeBtnStatus);
}

bool ZtTVWallDisplayWnd::GetWindowLockBtnStatus(int iScreen, int iWindow) const
{
    Q_D(const ZtTVWallDisplayWnd);
    return d->buttonState(iScreen, iWindow, &ZtTVWallDisplayScreen::GetWindowLockBtnStatus);
}

bool ZtTVWallDisplayWnd::GetWindowDockBtnStatus(int iScreen, int iWindow) const
{
    Q_D(const ZtTVWallDisplayWnd);
    return d->buttonState(iScreen, iWindow, &ZtTVWallDisplayScreen::GetWindowDockBtnStatus);
}

bool ZtTVWallDisplayWnd::GetWindowMeetingBtnStatus(int iScreen, int iWindow) const
{
    Q_D(const ZtTVWallDisplayWnd);
    return d->buttonState(iScreen, iWindow, &ZtTVWallDisplayScreen::GetWindowMeetingBtnStatus);
}

bool ZtTVWallDisplayWnd::GetWindowTourBtnStatus(int iScreen, int iWindow) const
{
    Q_D(const ZtTVWallDisplayWnd);
    return d->buttonState(iScreen, iWindow, &ZtTVWallDisplayScreen::GetWindowTourBtnStatus);
}

void ZtTVWallDisplayWnd::SetWindowContentText(int iScreen, int iWindow, const QString& text)
{
    Q_D(ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    if (ZtTVWallDisplayWindow* w = s ? s->GetWindow(iWindow) : nullptr) {
        w->setToolTip(text);
        w->SetContentText(text);
        d->nameWindows(iScreen, -1);
    }
}

void ZtTVWallDisplayWnd::SetWindowSelectionMode(SelectionMode mode)
{
    Q_D(ZtTVWallDisplayWnd);
    d->mode = mode;
    if (mode != SingleSelection)
        return;
    if (ZtTVWallDisplayScreen* s = d->selectedScreen())
        s->ClearWindowSelection();
}

ZtTVWallDisplayWnd::SelectionMode ZtTVWallDisplayWnd::GetWindowSelectionMode()
{
    Q_D(ZtTVWallDisplayWnd);
    return d->mode;
}

QWidget* ZtTVWallDisplayWnd::GetWindowWidget(int iScreen, int iWindow) const
{
    Q_D(const ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s ? s->GetWindowWidget(iWindow) : nullptr;
}

void ZtTVWallDisplayWnd::DeleteWindowWidget(int iScreen, int iWindow)
{
    Q_D(ZtTVWallDisplayWnd);
    if (ZtTVWallDisplayScreen* s = d->screen(iScreen))
        s->DeleteWindowWidget(iWindow);
}

void ZtTVWallDisplayWnd::SetWindowUpdateEnable(int iScreen, int iWindow, bool bEnable)
{
    Q_D(ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    if (ZtTVWallDisplayWindow* w = s ? s->GetWindow(iWindow) : nullptr)
        w->SetVideoUpdateEnable(bEnable);
}

void ZtTVWallDisplayWnd::SetWindowVideoWidgetText(int iScreen, int iWindow, const QString& text)
{
    Q_D(ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    if (ZtTVWallDisplayWindow* w = s ? s->GetWindow(iWindow) : nullptr)
        w->SetVideoText(text);
}

void ZtTVWallDisplayWnd::SetWindowUserData(int iScreen, int iWindow, const QVariant& userData)
{
    Q_D(ZtTVWallDisplayWnd);
    if (ZtTVWallDisplayScreen* s = d->screen(iScreen))
        s->SetWindowUserData(iWindow, userData);
}

QVariant ZtTVWallDisplayWnd::GetWindowUserData(int iScreen, int iWindow)
{
    Q_D(ZtTVWallDisplayWnd);
    const ZtTVWallDisplayScreen* s = d->screen(iScreen);
    return s ? s->GetWindowUserData(iWindow) : QVariant();
}

QUndoStack* ZtTVWallDisplayWnd::GetUndoStack() const
{
    Q_D(const ZtTVWallDisplayWnd);
    return d->history;
}

void ZtTVWallDisplayWnd::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    Q_D(ZtTVWallDisplayWnd);
    QPainter painter(this);
    const QColor fill = d->light ? QColor(120, 133, 150) : QColor(41, 41, 41);
    painter.setPen(fill);
    painter.setBrush(fill);
    const QRect r = rect();
    painter.drawRect(r);

    painter.setPen(QPen(QColor(255, 255, 255, 50), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    // Line 0 is the wall's own edge; the last line lies on the far edge.
    for (int i = 1; i <= d->rows; ++i)
        painter.drawLine(r.left(), i * r.height() / d->rows, r.right(), i * r.height() / d->rows);
    for (int j = 1; j <= d->cols; ++j)
        painter.drawLine(j * r.width() / d->cols, r.top(), j * r.width() / d->cols, r.bottom());
}

void ZtTVWallDisplayWnd::resizeEvent(QResizeEvent* event)
{
    Q_D(ZtTVWallDisplayWnd);
    QWidget::resizeEvent(event);
    for (ZtTVWallDisplayScreen* s : qAsConst(d->screens))
        s->UpdateGeometry();
    if (d->focusFrame)
        d->focusFrame->setGeometry(rect());
}

void ZtTVWallDisplayWnd::OnWindowCloseBtnClicked(int iWindow)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindowCloseBtnClicked, iWindow);
}

void ZtTVWallDisplayWnd::OnWindowVolumeBtnClicked(int iWindow)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindowVolumeBtnClicked, iWindow);
}

void ZtTVWallDisplayWnd::OnWindowLockBtnClicked(int iWindow)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindowLockBtnClicked, iWindow);
}

void ZtTVWallDisplayWnd::OnWindowDockBtnClicked(int iWindow)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindowDockBtnClicked, iWindow);
}

void ZtTVWallDisplayWnd::OnWindowMeetingBtnClicked(int iWindow)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindowMeetingBtnClicked, iWindow);
}

void ZtTVWallDisplayWnd::OnWindowTourBtnClicked(int iWindow)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindowTourBtnClicked, iWindow);
}

void ZtTVWallDisplayWnd::OnWindowPTZBtnClicked(int iWindow)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindowPTZBtnClicked, iWindow);
}

void ZtTVWallDisplayWnd::OnWindowGeoChanged(int iWindow, const StructScaleRect& struScale)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindowGeoChanged, iWindow, struScale);
}

void ZtTVWallDisplayWnd::OnWindowEvent(int iWindow, QEvent* pEvent)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindowEvent, iWindow, pEvent);
}

void ZtTVWallDisplayWnd::OnScreenSelected()
{
    Q_D(ZtTVWallDisplayWnd);
    const int i = d->indexOfSender();
    if (i < 0)
        return;
    for (int k = 0; k < d->screens.size(); ++k) {
        if (k != i)
            d->screens.at(k)->SetSelected(false);
    }
    d->screens.at(i)->SetSelected(true);
    emit SignalScreenSelectedChanged(i);
}

void ZtTVWallDisplayWnd::OnWindowSelectedChanged()
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindowSelectedChanged);
}

void ZtTVWallDisplayWnd::OnDrawAreaOpenWindow(const StructScaleRect& struScale)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalDrawAreaOpenWindow, struScale);
}

void ZtTVWallDisplayWnd::OnScreenDropEvent(QEvent* pEvent)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalScreenEvent, pEvent);
}

void ZtTVWallDisplayWnd::OnWindowDoubleClicked()
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindowDoubleClicked);
}

void ZtTVWallDisplayWnd::OnWindowClicked()
{
    Q_D(ZtTVWallDisplayWnd);
    if (d->indexOfSender() >= 0)
        emit SignalWindowClicked();
}

void ZtTVWallDisplayWnd::OnRightMenu(const QPoint& pos)
{
    Q_UNUSED(pos);
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalScreenRightClick);
}

void ZtTVWallDisplayWnd::OnWindow3DSite(int iWindow, int iXPos, int iYPos, int iMultiple)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalWindow3DSite, iWindow, iXPos, iYPos, iMultiple);
}

void ZtTVWallDisplayWnd::OnLabelEvent(int iLabelIndex, QEvent* pEvent)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalLabelEvent, iLabelIndex, pEvent);
}

void ZtTVWallDisplayWnd::OnOSDGeoChanged(int osdId, const QRect& rect, bool bMove)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalOSDGeoChanged, osdId, rect, bMove);
}

void ZtTVWallDisplayWnd::OnOSDEvent(int osdId, int eventId)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalOSDEvent, osdId, eventId);
}

void ZtTVWallDisplayWnd::OnPTZEvent(int iWindow, int type, int step, bool stop)
{
    Q_D(ZtTVWallDisplayWnd);
    d->relay(&ZtTVWallDisplayWnd::SignalPTZEvent, iWindow, type, step, stop);
}

void ZtTVWallDisplayWnd::OnLockEvent(QString strLockInfo)
{
    Q_D(ZtTVWallDisplayWnd);
    if (d->indexOfSender() >= 0)
        emit SignalLockEvent(strLockInfo);
}

} // namespace ZtGUI
