#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalScreen_p.h"

#include "KitraGuard_p.h"
#include "ZtTVWallItemData_p.h"
#include "ZtTVWallNormalAccessible_p.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWindow_p.h"
#include "ZtTVWallNormalWnd.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneResizeEvent>
#include <QPainter>

namespace ZtGUI {

namespace {

// From this many windows on, a screen empties faster without the scene's tree index (see
// DeleteAllWindows).
const int kManyWindows = 256;

QGraphicsRectItem* makeOverlay(QGraphicsItem* parent, const QColor& fill, qreal z)
{
    auto* item = new QGraphicsRectItem(parent);
    item->setPen(QPen(Qt::white));
    item->setBrush(fill);
    item->setZValue(z);
    item->hide();
    return item;
}

// Runs `action` on a window that exists; false for a number that names none.
template <typename Action>
bool withWindow(ZtTVWallNormalWindow* window, Action action)
{
    if (!window)
        return false;
    action(window);
    return true;
}

} // namespace

int ZtTVWallNormalScreenPrivate::selectionMode() const
{
    return owner ? owner->GetWindowSelectionMode() : ZtTVWallNormalWnd::SingleSelection;
}

bool ZtTVWallNormalScreenPrivate::windowsSelectable() const
{
    const int mode = selectionMode();
    return mode == ZtTVWallNormalWnd::SingleSelection || mode == ZtTVWallNormalWnd::MultiSelection;
}

double ZtTVWallNormalScreenPrivate::precision() const
{
    return owner ? owner->GetWindowScalePrecision() : kTVWallScalePrecision;
}

void ZtTVWallNormalScreenPrivate::layout()
{
    Q_Q(ZtTVWallNormalScreen);
    if (!q->scene())
        return;
    const QRectF wall = q->scene()->sceneRect();
    // The near corner is truncated and the far one rounded, so neighbours share their edge.
    const QPointF topLeft(int(wall.x() + wall.width() * scale.dLeft), int(wall.y() + wall.height() * scale.dTop));
    const QPointF bottomRight(int(wall.x() + 0.5 + wall.width() * scale.dRight),
                              int(wall.y() + 0.5 + wall.height() * scale.dBottom));
    q->setGeometry(QRectF(topLeft, bottomRight));
}

int ZtTVWallNormalScreenPrivate::indexOf(const QGraphicsItem* item) const
{
    for (int i = 0; i < windows.size(); ++i) {
        if (static_cast<const QGraphicsItem*>(windows.at(i)) == item)
            return i;
    }
    return -1;
}

namespace {
// "Window n", n counted from one.
QString numberedTitle(int number)
{
    return ZtTVWallNormalScreen::tr("Window") + QLatin1Char(' ') + QString::number(number);
}
} // namespace

void ZtTVWallNormalScreenPrivate::retitleWindows(int from)
{
    for (int i = from; i < windows.size(); ++i) {
        windows.at(i)->SetTitle(numberedTitle(i + 1));
        ZtTVWallNormalNotify(windows.at(i), QAccessible::NameChanged);     // its number is in its name
    }
}

void ZtTVWallNormalScreenPrivate::polishBeforeRemoving(QGraphicsScene* scene)
{
    if (scene)
        QMetaObject::invokeMethod(scene, "_q_polishItems");
}

bool ZtTVWallNormalScreenPrivate::removeWindow(int index)
{
    // Named while it still stands on the screen; its interface goes with it.
    ZtTVWallNormalNotify(windows.at(index), QAccessible::ObjectDestroyed);
    ZtTVWallNormalWindow* window = windows.takeAt(index);
    const bool wasSelected = window->isSelected();
    dragStart.remove(window);
    // A gesture ends with the window it began on: no release will come for it.
    if (window == pressedWindow)
        endGesture();
    // Out of the scene first: deleted in it, the window and its title bar would each leave their
    // parent while still indexed, and the scene would re-index them only to drop them.
    if (QGraphicsScene* scene = window->scene())
        scene->removeItem(window);
    delete window;
    return wasSelected;
}

void ZtTVWallNormalScreenPrivate::disconnectReports(ZtTVWallNormalWindow* window)
{
    Q_Q(ZtTVWallNormalScreen);
    QObject::disconnect(window, &ZtTVWallNormalWindow::SignalCloseBtnClicked, q, &ZtTVWallNormalScreen::OnWindowCloseBtnClicked);
    QObject::disconnect(window, &ZtTVWallNormalWindow::SignalAudioBtnClicked, q, &ZtTVWallNormalScreen::OnWindowAudioBtnClicked);
    QObject::disconnect(window, &ZtTVWallNormalWindow::SignalGeoChanged, q, &ZtTVWallNormalScreen::OnGeoChanged);
}

void ZtTVWallNormalScreenPrivate::connectReports(ZtTVWallNormalWindow* window)
{
    Q_Q(ZtTVWallNormalScreen);
    QObject::connect(window, &ZtTVWallNormalWindow::SignalCloseBtnClicked, q, &ZtTVWallNormalScreen::OnWindowCloseBtnClicked);
    QObject::connect(window, &ZtTVWallNormalWindow::SignalAudioBtnClicked, q, &ZtTVWallNormalScreen::OnWindowAudioBtnClicked);
    QObject::connect(window, &ZtTVWallNormalWindow::SignalGeoChanged, q, &ZtTVWallNormalScreen::OnGeoChanged);
}

void ZtTVWallNormalScreenPrivate::setWindowDetailLimit(const QSizeF& limit)
{
    windowDetailLimit = limit;
    for (ZtTVWallNormalWindow* window : qAsConst(windows))
        ZtTVWallNormalWindowPrivate::get(window)->setDetailLimit(limit);
}

ZtTVWallNormalScreen::ZtTVWallNormalScreen(ZtTVWallNormalWnd* owner, int rowSpan, int colSpan, QGraphicsItem* parent)
    : QGraphicsWidget(parent)
    , d_ptr(new ZtTVWallNormalScreenPrivate(this))
{
    Q_D(ZtTVWallNormalScreen);
    d->owner = owner;
    d->rowSpan = rowSpan;
    d->colSpan = colSpan;
    d->drawRectItem = makeOverlay(this, QColor(233, 234, 236, 255), 65535.0);
    d->bandRectItem = makeOverlay(this, QColor(255, 255, 255, 0), 65534.0);
    setFlag(ItemIsSelectable, true);
    // The screen sees its windows' events before they do. One flag rather than a filter installed
    // per window: the scene walks every installed filter for each item it removes.
    setFiltersChildEvents(true);
    setAcceptDrops(true);
    setData(TVWallItemData::FreeMode, true);
    if (scene()) {
        d->layoutScene = scene();
        connect(scene(), &QGraphicsScene::sceneRectChanged, this, &ZtTVWallNormalScreen::OnSceneRectChanged);
    }
}

ZtTVWallNormalScreen::~ZtTVWallNormalScreen()
{
    Q_D(ZtTVWallNormalScreen);
    // Windows go first, while the screen they report to is still whole.
    const QList<ZtTVWallNormalWindow*> windows = d->windows;
    d->windows.clear();
    d->dragStart.clear();
    for (ZtTVWallNormalWindow* window : windows) {
        window->disconnect(this);
        delete window;
    }
}

int ZtTVWallNormalScreen::GetRowSpan() const
{
    return d_func()->rowSpan;
}

int ZtTVWallNormalScreen::GetColumnSpan() const
{
    return d_func()->colSpan;
}

void ZtTVWallNormalScreen::SetScale(const StructScaleRect& scale)
{
    Q_D(ZtTVWallNormalScreen);
    d->scale = scale;
    d->layout();
}

void ZtTVWallNormalScreen::GetScale(StructScaleRect& scale) const
{
    scale = d_func()->scale;
}

void ZtTVWallNormalScreen::SetTitle(const QString&)
{
}

void ZtTVWallNormalScreen::SetIcon(const QIcon&)
{
}

void ZtTVWallNormalScreen::SetContentText(const QString& text)
{
    Q_D(ZtTVWallNormalScreen);
    d->contentText = text;
    d->shownContentSize = QSizeF();
    update();
}

QString ZtTVWallNormalScreen::GetContentText() const
{
    return d_func()->contentText;
}

void ZtTVWallNormalScreen::SetUserData(const QVariant& userData)
{
    setData(TVWallItemData::UserData, userData);
}

QVariant ZtTVWallNormalScreen::GetUserData() const
{
    return data(TVWallItemData::UserData);
}

void ZtTVWallNormalScreen::SetFreeMode(bool freeMode)
{
    Q_D(ZtTVWallNormalScreen);
    const bool changed = freeMode != IsFreeMode();
    setData(TVWallItemData::FreeMode, freeMode);
    if (changed) {
        QAccessible::State locked;
        locked.readOnly = true;
        ZtTVWallNormalNotifyState(this, locked);
    }
    for (ZtTVWallNormalWindow* window : qAsConst(d->windows)) {
        window->SetFreeMode(freeMode);
        d->disconnectReports(window);
        if (freeMode)
            d->connectReports(window);
    }
}

bool ZtTVWallNormalScreen::IsFreeMode() const
{
    return data(TVWallItemData::FreeMode).toBool();
}

void ZtTVWallNormalScreen::SetWindowTitleShow(bool show)
{
    Q_D(ZtTVWallNormalScreen);
    const bool changed = show != d->titleShow;
    d->titleShow = show;
    for (ZtTVWallNormalWindow* window : qAsConst(d->windows))
        window->SetTitleShow(show);
    if (changed)
        update();
}

bool ZtTVWallNormalScreen::IsSelected() const
{
    Q_D(const ZtTVWallNormalScreen);
    return isSelected()
        || std::any_of(d->windows.cbegin(), d->windows.cend(), [](const ZtTVWallNormalWindow* w) { return w->isSelected(); });
}

int ZtTVWallNormalScreen::OpenWindow(const StructScaleRect& scale, const QVariant& userData, bool audioVisible)
{
    Q_D(ZtTVWallNormalScreen);
    const double topZ = GetMaxWindowZValue();
    auto* window = new ZtTVWallNormalWindow(this, d->titleShow, scale.bFreeMode, audioVisible);
    window->SetPrecision(d->precision());
    ZtTVWallNormalWindowPrivate::get(window)->setDetailLimit(d->windowDetailLimit);
    d->windows.append(window);
    window->SetTitle(numberedTitle(d->windows.size()));
    window->SetScale(scale);
    window->setZValue(topZ + 1.0);
    // A new window holds no data yet: storing an empty value would only cost an entry per window.
    if (userData.isValid())
        window->SetUserData(userData);
    d->scale.bFreeMode = scale.bFreeMode;
    if (scale.bFreeMode)
        d->connectReports(window);     // a new window has no connections to remove
    // A double click selects the window, and is reported as a selection change.
    connect(window, &ZtTVWallNormalWindow::SignalDoubleClickedSelectedChanged, this,
            &ZtTVWallNormalScreen::SignalWindowSelectedChanged);
    ZtTVWallNormalNotify(window, QAccessible::ObjectCreated);
    return d->windows.size() - 1;
}

bool ZtTVWallNormalScreen::DeleteWindow(int iWindow)
{
    Q_D(ZtTVWallNormalScreen);
    if (iWindow < 0 || iWindow >= d->windows.size())
        return false;
    const bool wasSelected = d->removeWindow(iWindow);
    d->retitleWindows(iWindow);
    if (wasSelected)
        emit SignalWindowSelectedChanged();
    return true;
}

void ZtTVWallNormalScreen::DeleteAllWindows()
{
    Q_D(ZtTVWallNormalScreen);
    if (!d->windows.isEmpty())
        ZtTVWallNormalScreenPrivate::polishBeforeRemoving(scene());
    // Stacked windows share the leaves of the scene's tree index, and taking each one out of them
    // costs a pass over its neighbours. With many windows the index is dropped while the screen
    // empties and built once after; with few, rebuilding the index of a large wall costs more.
    const QPointer<QGraphicsScene> indexed(d->windows.size() >= kManyWindows ? scene() : nullptr);
    const QGraphicsScene::ItemIndexMethod method = indexed ? indexed->itemIndexMethod() : QGraphicsScene::NoIndex;
    if (indexed)
        indexed->setItemIndexMethod(QGraphicsScene::NoIndex);
    // From the last window to the first, so that none is renumbered on the way.
    bool alive = true;
    while (alive && !d->windows.isEmpty())
        alive = !d->removeWindow(d->windows.size() - 1) || EmitAlive(this, &ZtTVWallNormalScreen::SignalWindowSelectedChanged);
    if (indexed)
        indexed->setItemIndexMethod(method);
    if (alive)
        d->endGesture();
}

int ZtTVWallNormalScreen::GetWindowCount() const
{
    return d_func()->windows.size();
}

ZtTVWallNormalWindow* ZtTVWallNormalScreen::GetWindow(int iWindow) const
{
    Q_D(const ZtTVWallNormalScreen);
    return iWindow >= 0 && iWindow < d->windows.size() ? d->windows.at(iWindow) : nullptr;
}

QList<int> ZtTVWallNormalScreen::GetSelectedWindowIndexs() const
{
    Q_D(const ZtTVWallNormalScreen);
    QList<int> indexes;
    for (int i = 0; i < d->windows.size(); ++i) {
        if (d->windows.at(i)->isSelected())
            indexes.append(i);
    }
    return indexes;
}

QList<int> ZtTVWallNormalScreen::GetUnSelectedWindowIndexs() const
{
    Q_D(const ZtTVWallNormalScreen);
    QList<int> indexes;
    for (int i = 0; i < d->windows.size(); ++i) {
        if (!d->windows.at(i)->isSelected())
            indexes.append(i);
    }
    return indexes;
}

QList<int> ZtTVWallNormalScreen::GetAllWindowIndexs() const
{
    QList<int> indexes;
    for (int i = 0; i < GetWindowCount(); ++i)
        indexes.append(i);
    return indexes;
}

void ZtTVWallNormalScreen::SelectOnlyWindow(int iWindow)
{
    Q_D(ZtTVWallNormalScreen);
    if (iWindow < 0 || iWindow >= d->windows.size())
        return;
    for (int i = 0; i < d->windows.size(); ++i)
        d->windows.at(i)->setSelected(i == iWindow);
    emit SignalWindowSelectedChanged();
}

void ZtTVWallNormalScreen::ClearWindowSelection()
{
    Q_D(ZtTVWallNormalScreen);
    bool changed = false;
    for (ZtTVWallNormalWindow* window : qAsConst(d->windows)) {
        if (window->isSelected()) {
            window->setSelected(false);
            changed = true;
        }
    }
    if (changed)
        emit SignalWindowSelectedChanged();
}

bool ZtTVWallNormalScreen::SetWindowScale(int iWindow, const StructScaleRect& scale)
{
    return withWindow(GetWindow(iWindow), [&](ZtTVWallNormalWindow* window) {
        d_func()->dragStart.remove(window);     // the host's rectangle wins over a running drag
        window->SetScale(scale);
    });
}

void ZtTVWallNormalScreenPrivate::applyWindowScale(ZtTVWallNormalWindow* window, const StructScaleRect& scale,
                                                   bool maximized, bool fitted)
{
    if (auto* screen = dynamic_cast<ZtTVWallNormalScreen*>(window->parentItem()))
        get(screen)->dragStart.remove(window);
    ZtTVWallNormalWindowPrivate::get(window)->applyScale(scale, maximized, fitted);
}

bool ZtTVWallNormalScreen::GetWindowScale(int iWindow, StructScaleRect& scale) const
{
    const ZtTVWallNormalWindow* window = GetWindow(iWindow);
    if (!window)
        return false;
    scale = window->GetScale();
    return true;
}

bool ZtTVWallNormalScreen::SetWindowZValue(int iWindow, double z)
{
    return withWindow(GetWindow(iWindow), [&](ZtTVWallNormalWindow* window) { window->setZValue(z); });
}

double ZtTVWallNormalScreen::GetWindowZValue(int iWindow) const
{
    const ZtTVWallNormalWindow* window = GetWindow(iWindow);
    return window ? window->zValue() : -1.0;
}

double ZtTVWallNormalScreen::GetMaxWindowZValue() const
{
    Q_D(const ZtTVWallNormalScreen);
    double top = 0.0;
    for (const ZtTVWallNormalWindow* window : d->windows)
        top = qMax(top, window->zValue());
    return top;
}

bool ZtTVWallNormalScreen::SetWindowVolumeBtn(int iWindow, bool on)
{
    return withWindow(GetWindow(iWindow), [&](ZtTVWallNormalWindow* window) { window->SetVolumeBtn(on); });
}

bool ZtTVWallNormalScreen::GetWindowVolumeBtnStatus(int iWindow) const
{
    const ZtTVWallNormalWindow* window = GetWindow(iWindow);
    return window && window->GetVolumeBtnStatus();
}

bool ZtTVWallNormalScreen::SetWindowUserData(int iWindow, const QVariant& userData)
{
    return withWindow(GetWindow(iWindow), [&](ZtTVWallNormalWindow* window) { window->SetUserData(userData); });
}

QVariant ZtTVWallNormalScreen::GetWindowUserData(int iWindow) const
{
    const ZtTVWallNormalWindow* window = GetWindow(iWindow);
    return window ? window->GetUserData() : QVariant();
}

void ZtTVWallNormalScreen::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_D(ZtTVWallNormalScreen);
    QGraphicsWidget::paint(painter, option, widget);
    const QRectF r = boundingRect();
    painter->save();
    // The frame is a two-pixel pen's stroke of r, centred on its edges; filled as four bands it
    // takes the same pixels at a fraction of a stroke's cost, which shows on a wall of many screens.
    const QColor frame(233, 234, 236, 255);
    painter->fillRect(QRectF(r.left() - 1, r.top() - 1, r.width() + 2, 2), frame);
    painter->fillRect(QRectF(r.left() - 1, r.bottom() - 1, r.width() + 2, 2), frame);
    painter->fillRect(QRectF(r.left() - 1, r.top() + 1, 2, r.height() - 2), frame);
    painter->fillRect(QRectF(r.right() - 1, r.top() + 1, 2, r.height() - 2), frame);
    painter->setBrush(Qt::NoBrush);
    if (IsSelected()) {
        painter->setPen(QPen(QColor(219, 221, 225, 255), 1.0));
        painter->drawRect(r.adjusted(0, 0, -1, -1));
    }
    const int pointSize = int(r.height() / 12.0);
    if (!d->contentText.isEmpty() && d->titleShow && pointSize > 0) {
        QFont textFont = font();
        textFont.setPointSize(pointSize);
        painter->setFont(textFont);
        painter->setPen(Qt::white);
        if (d->shownContentSize != r.size() || textFont != d->contentFont) {
            d->shownContentText = painter->fontMetrics().elidedText(d->contentText, Qt::ElideRight, int(r.width()),
                                                                    Qt::TextSingleLine | Qt::TextShowMnemonic);
            d->shownContentSize = r.size();
            d->contentFont = textFont;
        }
        d->contentLayout.draw(painter, r, Qt::AlignCenter, d->shownContentText);
    }
    painter->restore();
}

QVariant ZtTVWallNormalScreen::itemChange(GraphicsItemChange change, const QVariant& value)
{
    Q_D(ZtTVWallNormalScreen);
    switch (change) {
    case ItemSceneChange:
        if (d->layoutScene)
            disconnect(d->layoutScene, &QGraphicsScene::sceneRectChanged, this, &ZtTVWallNormalScreen::OnSceneRectChanged);
        d->layoutScene = nullptr;
        break;
    case ItemSceneHasChanged:
        d->layoutScene = scene();
        if (d->layoutScene) {
            connect(d->layoutScene, &QGraphicsScene::sceneRectChanged, this, &ZtTVWallNormalScreen::OnSceneRectChanged);
            d->layout();
        }
        break;
    case ItemSelectedHasChanged:
        if (scene())
            scene()->update();
        ZtTVWallNormalNotifySelected(this);
        if (value.toBool())
            emit SignalSelected();
        break;
    default:
        break;
    }
    return QGraphicsWidget::itemChange(change, value);
}

void ZtTVWallNormalScreen::resizeEvent(QGraphicsSceneResizeEvent* event)
{
    QGraphicsWidget::resizeEvent(event);
    // Windows are placed in fractions of the screen's size: a pure move leaves them where they are.
    const QList<QGraphicsItem*> children = childItems();
    for (QGraphicsItem* child : children) {
        if (auto* window = qobject_cast<ZtTVWallNormalWindow*>(child->toGraphicsObject()))
            window->OnGeometryChanged();
    }
}

void ZtTVWallNormalScreen::OnSceneRectChanged(const QRectF&)
{
    d_func()->layout();
}

void ZtTVWallNormalScreen::OnWindowCloseBtnClicked()
{
    const int index = d_func()->indexOf(qobject_cast<ZtTVWallNormalWindow*>(sender()));
    if (index >= 0)
        emit SignalWindowCloseBtnClicked(index);
}

void ZtTVWallNormalScreen::OnWindowAudioBtnClicked()
{
    const int index = d_func()->indexOf(qobject_cast<ZtTVWallNormalWindow*>(sender()));
    if (index >= 0)
        emit SignalWindowVolumeBtnClicked(index);
}

void ZtTVWallNormalScreen::OnGeoChanged(ZtGUI::StructScaleRect struScale)
{
    const int index = d_func()->indexOf(qobject_cast<ZtTVWallNormalWindow*>(sender()));
    if (index >= 0)
        emit SignalWindowGeoChanged(index, struScale);
}

} // namespace ZtGUI
