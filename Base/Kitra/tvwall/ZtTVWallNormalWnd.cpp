#include "ZtTVWallNormalWnd.h"
#include "ZtTVWallNormalWnd_p.h"

#include "CommonFun.h"
#include "ZtHorScrollBar.h"
#include "ZtTVWallItemData_p.h"
#include "ZtTVWallNormalAccessible_p.h"
#include "ZtTVWallNormalEagleEye.h"
#include "ZtTVWallNormalScene.h"
#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalScreen_p.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtVerScrollBar.h"

#include <QPointer>
#include <QScrollBar>
#include <QUndoStack>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

namespace ZtGUI {

namespace {
const double kZoomStep = 1.5;
const double kMaxZoom = 10.0;
const double kMinZoom = 1.0;
} // namespace

ZtTVWallNormalScreen* ZtTVWallNormalWndPrivate::screen(int iScreen) const
{
    return iScreen >= 0 && iScreen < screens.size() ? screens.at(iScreen) : nullptr;
}

ZtTVWallNormalWindow* ZtTVWallNormalWndPrivate::window(int iScreen, int iWindow) const
{
    const ZtTVWallNormalScreen* s = screen(iScreen);
    return s ? s->GetWindow(iWindow) : nullptr;
}

bool ZtTVWallNormalWndPrivate::locate(const ZtTVWallNormalWindow* w, int& iScreen, int& iWindow) const
{
    iScreen = screens.indexOf(dynamic_cast<ZtTVWallNormalScreen*>(w->parentItem()));
    if (iScreen < 0)
        return false;
    const ZtTVWallNormalScreen* s = screens.at(iScreen);
    for (iWindow = 0; iWindow < s->GetWindowCount(); ++iWindow) {
        if (s->GetWindow(iWindow) == w)
            return true;
    }
    return false;
}

void ZtTVWallNormalWndPrivate::forgetGestures()
{
    ++generation;
    // A command being undone is still in the stack's hands; the stale ones do nothing meanwhile.
    if (applying > 0)
        QMetaObject::invokeMethod(undoStack, &QUndoStack::clear, Qt::QueuedConnection);
    else
        undoStack->clear();
}

int ZtTVWallNormalWndPrivate::indexOfSender() const
{
    Q_Q(const ZtTVWallNormalWnd);
    return screens.indexOf(qobject_cast<ZtTVWallNormalScreen*>(q->sender()));
}

void ZtTVWallNormalWndPrivate::fitScene()
{
    Q_Q(ZtTVWallNormalWnd);
    // Screens lay out from the scene rectangle. Left to Qt (or set to a null rectangle, which
    // hands it back to Qt) it would grow from the items' bounds, and every layout would grow it
    // again: an empty viewport keeps the last one.
    const QRectF wall(q->viewport()->contentsRect());
    if (!wall.isNull())
        scene->setSceneRect(wall);
}

void ZtTVWallNormalWndPrivate::applyDetailThreshold()
{
    Q_Q(const ZtTVWallNormalWnd);
    QSizeF limit;
    if (detailThreshold > 0) {
        // How long a scene unit is on the view, across and down, whatever the rotation.
        const QTransform zoom = q->transform();
        const qreal across = QLineF(zoom.map(QPointF()), zoom.map(QPointF(1.0, 0.0))).length();
        const qreal down = QLineF(zoom.map(QPointF()), zoom.map(QPointF(0.0, 1.0))).length();
        const auto inScene = [this](qreal unit) {
            return unit > 0.0 ? detailThreshold / unit : std::numeric_limits<qreal>::max();
        };
        limit = QSizeF(inScene(across), inScene(down));
    }
    if (limit == detailLimit)
        return;
    detailLimit = limit;
    for (ZtTVWallNormalScreen* s : qAsConst(screens))
        ZtTVWallNormalScreenPrivate::get(s)->setWindowDetailLimit(limit);
}

void ZtTVWallNormalWndPrivate::connectScreen(ZtTVWallNormalScreen* s)
{
    Q_Q(ZtTVWallNormalWnd);
    using Wnd = ZtTVWallNormalWnd;
    using Screen = ZtTVWallNormalScreen;
    QObject::connect(s, &Screen::SignalCloseBtnClicked, q, &Wnd::OnScreenCloseBtnClicked);
    QObject::connect(s, &Screen::SignalWindowCloseBtnClicked, q, &Wnd::OnWindowCloseBtnClicked);
    QObject::connect(s, &Screen::SignalWindowVolumeBtnClicked, q, &Wnd::OnWindowVolumeBtnClicked);
    QObject::connect(s, &Screen::SignalWindowGeoChanged, q, &Wnd::OnWindowGeoChanged);
    QObject::connect(s, &Screen::SignalWindowEvent, q, &Wnd::OnWindowEvent);
    QObject::connect(s, &Screen::SignalSelected, q, &Wnd::OnScreenSelected);
    QObject::connect(s, &Screen::SignalWindowSelectedChanged, q, &Wnd::OnWindowSelectedChanged);
    QObject::connect(s, &Screen::SignalWindowDoubleClicked, q, &Wnd::OnWindowDoubleClicked);
    QObject::connect(s, &Screen::SignalDrawAreaOpenWindow, q, &Wnd::OnDrawAreaOpenWindow);
}

ZtTVWallNormalWnd::ZtTVWallNormalWnd(QWidget* parent)
    : QGraphicsView(parent)
    , d_ptr(new ZtTVWallNormalWndPrivate(this))
{
    Q_D(ZtTVWallNormalWnd);
    ZtTVWallNormalInstallAccessible();
    m_bAudioBtnVisible = true;
    d->undoStack = new QUndoStack(this);
    setFocusPolicy(Qt::StrongFocus);
    d->scene = new ZtTVWallNormalScene(this);
    setScene(d->scene);
    d->fitScene();
    d->eagleEye = new ZtTVWallNormalEagleEye;
    d->scene->addItem(d->eagleEye);
    connect(d->eagleEye, &ZtTVWallNormalEagleEye::SignalAreaChanged, this, &ZtTVWallNormalWnd::OnEagleEyeAreaChanged);

    setHorizontalScrollBar(new ZtHorScrollBar(this));
    setVerticalScrollBar(new ZtVerScrollBar(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &ZtTVWallNormalWnd::OnEagleEyeAreaChanged);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ZtTVWallNormalWnd::OnEagleEyeAreaChanged);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &ZtTVWallNormalWnd::OnEagleEyeAreaChanged);

    setRenderHint(QPainter::Antialiasing, false);
    setDragMode(QGraphicsView::NoDrag);
    setOptimizationFlag(QGraphicsView::DontSavePainterState);
    setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    // The dashed grid is costly to stroke and changes only with the grid or the view's size.
    setCacheMode(QGraphicsView::CacheBackground);
    CommonFun::SetStyleSheet(this, QStringLiteral("TVWallOperateWnd"), QString(), QString());
}

ZtTVWallNormalWnd::~ZtTVWallNormalWnd()
{
    Q_D(ZtTVWallNormalWnd);
    // A host's slot may delete the wall while a command of its stack runs: the stack outlives
    // the call that runs it.
    if (d->applying > 0) {
        d->undoStack->setParent(nullptr);
        d->undoStack->deleteLater();
    }
    // Screens go while the wall that listens to them is still whole.
    for (ZtTVWallNormalScreen* screen : qAsConst(d->screens))
        screen->disconnect(this);
    d->screens.clear();
    d->lastSelectedScreen = -1;
    d->eagleEye->disconnect(this);
    // The scene dies with the wall: emptied at once, its index is dropped whole instead of each
    // item being taken out of it. The overview stays until the scene goes, as before.
    // Detached first, so that the scene does not mark each item it removes as dirty in this view.
    setScene(nullptr);
    d->scene->removeItem(d->eagleEye);
    ZtTVWallNormalScreenPrivate::polishBeforeRemoving(d->scene);
    d->scene->clear();
    d->scene->addItem(d->eagleEye);
}

void ZtTVWallNormalWnd::SetTVWallGridCount(int iRows, int iCols)
{
    Q_D(ZtTVWallNormalWnd);
    d->scene->SetGridCount(iRows, iCols);
    d->eagleEye->SetGrid(iRows, iCols);
    resetCachedContent();
}

int ZtTVWallNormalWnd::GetRowCount() const
{
    return d_func()->scene->GetRowCount();
}

int ZtTVWallNormalWnd::GetColumnCount() const
{
    return d_func()->scene->GetColumnCount();
}

void ZtTVWallNormalWnd::SetWindowTitleShow(bool bShow)
{
    Q_D(ZtTVWallNormalWnd);
    d->windowTitleShow = bShow;
    for (ZtTVWallNormalScreen* screen : qAsConst(d->screens))
        screen->SetWindowTitleShow(bShow);
}

int ZtTVWallNormalWnd::AddScreen(const StructScaleRect& struScale, const QIcon& icon, const QString& strTitle,
                                 const QVariant& userData)
{
    Q_D(ZtTVWallNormalWnd);
    const int rows = GetRowCount();
    const int cols = GetColumnCount();
    if (rows < 1 || cols < 1) {
        qWarning("---ZtGUI--- ZtTVWallNormalWnd::AddScreen: iRows = %d, iCols = %d", rows, cols);
        return -1;
    }
    const int rowSpan = int(rows * (struScale.dBottom - struScale.dTop) + 0.5);
    const int colSpan = int(cols * (struScale.dRight - struScale.dLeft) + 0.5);
    auto* screen = new ZtTVWallNormalScreen(this, rowSpan, colSpan);
    screen->SetWindowTitleShow(d->windowTitleShow);
    screen->SetScale(struScale);
    screen->SetIcon(icon);
    screen->SetTitle(strTitle);
    screen->SetUserData(userData);
    screen->SetFreeMode(struScale.bFreeMode);
    ZtTVWallNormalScreenPrivate::get(screen)->setWindowDetailLimit(d->detailLimit);
    d->scene->addItem(screen);
    d->connectScreen(screen);
    d->screens.append(screen);
    screen->SetContentText(QStringLiteral("%1 %2").arg(tr("Screen")).arg(d->screens.size()));
    screen->installEventFilter(this);
    ZtTVWallNormalNotify(screen, QAccessible::ObjectCreated);
    return d->screens.size() - 1;
}

int ZtTVWallNormalWnd::AddScreen(const StructScaleRect& struScale, const QVariant& userData)
{
    return AddScreen(struScale, QIcon(), QString(), userData);
}

bool ZtTVWallNormalWnd::DeleteAllScreen()
{
    Q_D(ZtTVWallNormalWnd);
    if (!d->scene)
        return false;
    if (!d->screens.isEmpty())
        d->forgetGestures();
    // Named while they still stand on the wall.
    for (ZtTVWallNormalScreen* screen : qAsConst(d->screens))
        ZtTVWallNormalNotify(screen, QAccessible::ObjectDestroyed);
    const QList<ZtTVWallNormalScreen*> screens = d->screens;
    d->screens.clear();
    d->lastSelectedScreen = -1;
    if (!screens.isEmpty())
        ZtTVWallNormalScreenPrivate::polishBeforeRemoving(d->scene);
    for (ZtTVWallNormalScreen* screen : screens) {
        screen->disconnect(this);
        // Out of the scene first, so that its windows do not update the scene's index one by one.
        d->scene->removeItem(screen);
        delete screen;
    }
    return true;
}

int ZtTVWallNormalWnd::GetScreenCount() const
{
    return d_func()->screens.size();
}

bool ZtTVWallNormalWnd::GetScreenScale(int iScreen, StructScaleRect& struScale) const
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    if (!screen)
        return false;
    screen->GetScale(struScale);
    return true;
}

bool ZtTVWallNormalWnd::SetScreenTitle(int iScreen, const QString& strTitle)
{
    ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    if (!screen)
        return false;
    screen->SetTitle(strTitle);
    return true;
}

bool ZtTVWallNormalWnd::SetScreenContentText(int iScreen, const QString& strText)
{
    ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    if (!screen)
        return false;
    screen->SetContentText(strText);
    return true;
}

void ZtTVWallNormalWnd::SetScreenUserData(int iScreen, const QVariant& userData)
{
    if (ZtTVWallNormalScreen* screen = d_func()->screen(iScreen))
        screen->SetUserData(userData);
}

QVariant ZtTVWallNormalWnd::GetScreenUserData(int iScreen)
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen ? screen->GetUserData() : QVariant();
}

int ZtTVWallNormalWnd::GetSelectedScreenIndex() const
{
    Q_D(const ZtTVWallNormalWnd);
    for (int i = 0; i < d->screens.size(); ++i) {
        if (d->screens.at(i)->IsSelected())
            return i;
    }
    return -1;
}

void ZtTVWallNormalWnd::SetSelectedScreenIndex(int iScreen)
{
    Q_D(ZtTVWallNormalWnd);
    ZtTVWallNormalScreen* screen = d->screen(iScreen);
    if (!screen)
        return;
    QPointer<ZtTVWallNormalScreen> alive(screen);
    d->scene->clearSelection();
    if (alive)
        screen->setSelected(true);
}

void ZtTVWallNormalWnd::SetScreenFreeMode(int iScreen, bool bFreeMode)
{
    if (ZtTVWallNormalScreen* screen = d_func()->screen(iScreen))
        screen->SetFreeMode(bFreeMode);
}

bool ZtTVWallNormalWnd::IsScreenFreeMode(int iScreen) const
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen && screen->IsFreeMode();
}

int ZtTVWallNormalWnd::OpenWindow(int iScreen, const StructScaleRect& struScale, const QVariant& userData)
{
    ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen ? screen->OpenWindow(struScale, userData, m_bAudioBtnVisible) : -1;
}

bool ZtTVWallNormalWnd::DeleteWindow(int iScreen, int iWindow)
{
    Q_D(ZtTVWallNormalWnd);
    ZtTVWallNormalScreen* screen = d->screen(iScreen);
    if (!screen || !screen->GetWindow(iWindow))
        return false;
    d->forgetGestures();
    return screen->DeleteWindow(iWindow);
}

void ZtTVWallNormalWnd::DeleteAllWindows(int iScreen)
{
    Q_D(ZtTVWallNormalWnd);
    ZtTVWallNormalScreen* screen = d->screen(iScreen);
    if (!screen)
        return;
    if (screen->GetWindowCount() > 0)
        d->forgetGestures();
    screen->DeleteAllWindows();
}

void ZtTVWallNormalWnd::DeleteAllWindows()
{
    Q_D(ZtTVWallNormalWnd);
    if (std::any_of(d->screens.cbegin(), d->screens.cend(), [](const ZtTVWallNormalScreen* s) { return s->GetWindowCount() > 0; }))
        d->forgetGestures();
    // A slot may change the screens while windows go: walk by number, not by a stale list.
    for (int i = 0; i < d->screens.size(); ++i)
        d->screens.at(i)->DeleteAllWindows();
}

bool ZtTVWallNormalWnd::SetWindowScale(int iScreen, int iWindow, const StructScaleRect& struScale)
{
    ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen && screen->SetWindowScale(iWindow, struScale);
}

bool ZtTVWallNormalWnd::GetWindowScale(int iScreen, int iWindow, StructScaleRect& struScale) const
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen && screen->GetWindowScale(iWindow, struScale);
}

double ZtTVWallNormalWnd::GetWindowScalePrecision()
{
    return kTVWallScalePrecision;
}

QList<int> ZtTVWallNormalWnd::GetSelectedWindowIndexs()
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(GetSelectedScreenIndex());
    return screen ? screen->GetSelectedWindowIndexs() : QList<int>();
}

QList<int> ZtTVWallNormalWnd::GetUnSelectedWindowIndexs()
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(GetSelectedScreenIndex());
    return screen ? screen->GetUnSelectedWindowIndexs() : QList<int>();
}

void ZtTVWallNormalWnd::SetSelectedWindowIndexs(int iScreen, int iWindow)
{
    if (ZtTVWallNormalScreen* screen = d_func()->screen(iScreen))
        screen->SelectOnlyWindow(iWindow);
}

int ZtTVWallNormalWnd::GetWindowCount(int iScreen) const
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen ? screen->GetWindowCount() : 0;
}

QList<int> ZtTVWallNormalWnd::GetAllWindowIndexs(int iScreen)
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen ? screen->GetAllWindowIndexs() : QList<int>();
}

bool ZtTVWallNormalWnd::SetWindowZValue(int iScreen, int iWindow, double dZValue)
{
    ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen && screen->SetWindowZValue(iWindow, dZValue);
}

double ZtTVWallNormalWnd::GetWindowZValue(int iScreen, int iWindow) const
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen ? screen->GetWindowZValue(iWindow) : -1.0;
}

double ZtTVWallNormalWnd::GetMaxWindowZValue(int iScreen) const
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen ? screen->GetMaxWindowZValue() : 1.0;
}

void ZtTVWallNormalWnd::SetWindowVolumeBtn(int iScreen, int iWindow, bool bOn)
{
    if (ZtTVWallNormalScreen* screen = d_func()->screen(iScreen))
        screen->SetWindowVolumeBtn(iWindow, bOn);
}

bool ZtTVWallNormalWnd::GetWindowVolumeBtnStatus(int iScreen, int iWindow) const
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen && screen->GetWindowVolumeBtnStatus(iWindow);
}

void ZtTVWallNormalWnd::SetWindowContentText(int iScreen, int iWindow, const QString& strText)
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    if (ZtTVWallNormalWindow* window = screen ? screen->GetWindow(iWindow) : nullptr) {
        window->setToolTip(strText);
        window->SetContentText(strText);
    }
}

void ZtTVWallNormalWnd::SetWindowSelectionMode(SelectionMode mode)
{
    Q_D(ZtTVWallNormalWnd);
    d->selectionMode = mode;
    if (mode != SingleSelection)
        return;
    if (ZtTVWallNormalScreen* screen = d->screen(GetSelectedScreenIndex()))
        screen->ClearWindowSelection();
}

ZtTVWallNormalWnd::SelectionMode ZtTVWallNormalWnd::GetWindowSelectionMode()
{
    return d_func()->selectionMode;
}

void ZtTVWallNormalWnd::SetWindowDragDropModes(QFlags<DragDropMode>)
{
}

QFlags<ZtTVWallNormalWnd::DragDropMode> ZtTVWallNormalWnd::GetWindowDragDropModes()
{
    return d_func()->dragDropModes;
}

void ZtTVWallNormalWnd::SetWindowUserData(int iScreen, int iWindow, const QVariant& userData)
{
    if (ZtTVWallNormalScreen* screen = d_func()->screen(iScreen))
        screen->SetWindowUserData(iWindow, userData);
}

QVariant ZtTVWallNormalWnd::GetWindowUserData(int iScreen, int iWindow)
{
    const ZtTVWallNormalScreen* screen = d_func()->screen(iScreen);
    return screen ? screen->GetWindowUserData(iWindow) : QVariant();
}

void ZtTVWallNormalWnd::RecoverEagleEye()
{
    Q_D(ZtTVWallNormalWnd);
    resetTransform();
    d->applyDetailThreshold();
    d->eagleEye->Collapse();
}

void ZtTVWallNormalWnd::SetAudioBtnVisible(bool bVisible)
{
    m_bAudioBtnVisible = bVisible;
}

void ZtTVWallNormalWnd::SetWindowDetailThreshold(int pixels)
{
    Q_D(ZtTVWallNormalWnd);
    if (pixels < 0) {
        qWarning("---ZtGUI--- ZtTVWallNormalWnd::SetWindowDetailThreshold: pixels = %d", pixels);
        return;
    }
    d->detailThreshold = pixels;
    d->applyDetailThreshold();
}

int ZtTVWallNormalWnd::GetWindowDetailThreshold() const
{
    return d_func()->detailThreshold;
}

QUndoStack* ZtTVWallNormalWnd::GetUndoStack() const
{
    return d_func()->undoStack;
}

bool ZtTVWallNormalWnd::eventFilter(QObject* watched, QEvent* event)
{
    Q_D(ZtTVWallNormalWnd);
    const int index = d->screens.indexOf(qobject_cast<ZtTVWallNormalScreen*>(watched));
    if (index < 0)
        return QGraphicsView::eventFilter(watched, event);
    QPointer<QObject> alive(watched);
    emit SignalScreenEvent(index, event);
    // A screen deleted by a slot must not get the event it was watching.
    return !alive;
}

void ZtTVWallNormalWnd::resizeEvent(QResizeEvent* event)
{
    Q_D(ZtTVWallNormalWnd);
    QGraphicsView::resizeEvent(event);
    d->fitScene();
    OnEagleEyeAreaChanged();
}

void ZtTVWallNormalWnd::wheelEvent(QWheelEvent* event)
{
    Q_D(ZtTVWallNormalWnd);
    const QPointF wheelAt = mapToScene(event->position().toPoint());
    const QPointF overview = d->eagleEye->scenePos();
    if (wheelAt.x() >= overview.x() && wheelAt.y() >= overview.y()) {
        event->ignore();
        return;
    }
    const bool zoomIn = event->angleDelta().y() > 0;
    const double factor = zoomIn ? kZoomStep : 1.0 / kZoomStep;
    const QTransform scaled = transform().scale(factor, factor);
    const auto clamp = [zoomIn](double v) { return zoomIn ? qMin(v, kMaxZoom) : qMax(v, kMinZoom); };
    setTransform(QTransform(clamp(scaled.m11()), scaled.m12(), scaled.m13(),
                            scaled.m21(), clamp(scaled.m22()), scaled.m23(),
                            scaled.m31(), scaled.m32(), scaled.m33()));
    d->applyDetailThreshold();
    event->accept();
}

void ZtTVWallNormalWnd::OnScreenCloseBtnClicked()
{
    const int screen = d_func()->indexOfSender();
    if (screen >= 0)
        emit SignalScreenCloseBtnClicked(screen);
}

void ZtTVWallNormalWnd::OnWindowCloseBtnClicked(int iWindow)
{
    const int screen = d_func()->indexOfSender();
    if (screen >= 0)
        emit SignalWindowCloseBtnClicked(screen, iWindow);
}

void ZtTVWallNormalWnd::OnWindowVolumeBtnClicked(int iWindow)
{
    const int screen = d_func()->indexOfSender();
    if (screen >= 0)
        emit SignalWindowVolumeBtnClicked(screen, iWindow);
}

void ZtTVWallNormalWnd::OnWindowGeoChanged(int iWindow, ZtGUI::StructScaleRect struScale)
{
    const int screen = d_func()->indexOfSender();
    if (screen >= 0)
        emit SignalWindowGeoChanged(screen, iWindow, struScale);
}

void ZtTVWallNormalWnd::OnWindowEvent(int iWindow, QEvent* pEvent)
{
    const int screen = d_func()->indexOfSender();
    if (screen >= 0)
        emit SignalWindowEvent(screen, iWindow, pEvent);
}

void ZtTVWallNormalWnd::OnScreenSelected()
{
    Q_D(ZtTVWallNormalWnd);
    const int screen = d->indexOfSender();
    if (screen < 0 || screen == d->lastSelectedScreen)
        return;
    d->lastSelectedScreen = screen;
    emit SignalScreenSelectedChanged(screen);
}

void ZtTVWallNormalWnd::OnWindowSelectedChanged()
{
    const int screen = d_func()->indexOfSender();
    if (screen >= 0)
        emit SignalWindowSelectedChanged(screen);
}

void ZtTVWallNormalWnd::OnDrawAreaOpenWindow(ZtGUI::StructScaleRect struScale)
{
    const int screen = d_func()->indexOfSender();
    if (screen >= 0)
        emit SignalDrawAreaOpenWindow(screen, struScale);
}

void ZtTVWallNormalWnd::OnEagleEyeAreaChanged()
{
    Q_D(ZtTVWallNormalWnd);
    const QRect view = viewport()->rect();
    const QRectF overview = d->eagleEye->boundingRect();
    // The overview ignores the view's zoom, so its size in pixels is its size in the scene.
    d->eagleEye->setPos(mapToScene(QPoint(int(view.right() - overview.width() + 1),
                                          int(view.bottom() - overview.height() + 1))));
}

void ZtTVWallNormalWnd::OnWindowDoubleClicked()
{
    const int screen = d_func()->indexOfSender();
    if (screen >= 0)
        emit SignalWindowDoubleClicked(screen);
}

} // namespace ZtGUI
