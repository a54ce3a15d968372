#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalScreen_p.h"

#include "ZtTVWallNormalTitleItem.h"
#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWnd.h"

#include <QApplication>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

namespace ZtGUI {

namespace {

const int kButtonIdKey = 100;
const int kUserDataKey = 101;
const int kFreeModeKey = 102;
const uint kScreenCloseButtonId = 200;
const qreal kZoneMargin = 6.0;
const qreal kMinWidth = 50.0;
const qreal kMinHeight = 25.0;

QGraphicsRectItem* makeOverlay(QGraphicsItem* parent, const QColor& fill, qreal z)
{
    auto* item = new QGraphicsRectItem(parent);
    item->setPen(QPen(Qt::white));
    item->setBrush(fill);
    item->setZValue(z);
    item->hide();
    return item;
}

StructScaleRect toScale(const QRectF& r, const QSizeF& area)
{
    return StructScaleRect(r.x() / area.width(), r.y() / area.height(), r.right() / area.width(),
                           r.bottom() / area.height(), true);
}

bool isEdgeZone(int zone)
{
    return zone >= 1 && zone <= 8;
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

Qt::CursorShape cursorOfZone(int zone)
{
    switch (zone) {
    case 1: case 5: return Qt::SizeHorCursor;
    case 2: case 6: return Qt::SizeFDiagCursor;
    case 3: case 7: return Qt::SizeVerCursor;
    case 4: case 8: return Qt::SizeBDiagCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

int ZtTVWallHitZone(const QRectF& w, const QPointF& p)
{
    if (!w.contains(p))
        return 0;
    const qreal m = kZoneMargin;
    const QRectF zones[] = {
        QRectF(w.left(), w.top() + m, m, w.height() - 2 * m),            // 1 left
        QRectF(w.left(), w.top(), m, m),                                 // 2 top-left
        QRectF(w.left() + m, w.top(), w.width() - 2 * m, m),             // 3 top
        QRectF(w.right() - m, w.top(), m, m),                            // 4 top-right
        QRectF(w.right() - m, w.top() + m, m, w.height() - 2 * m),       // 5 right
        QRectF(w.right() - m, w.bottom() - m, m, m),                     // 6 bottom-right
        QRectF(w.left() + m, w.bottom() - m, w.width() - 2 * m, m),      // 7 bottom
        QRectF(w.left(), w.bottom() - m, m, m),                          // 8 bottom-left
    };
    for (int i = 0; i < 8; ++i) {
        if (zones[i].contains(p))
            return i + 1;
    }
    return 9;
}

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
    return owner ? owner->GetWindowScalePrecision() : 0.002;
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

void ZtTVWallNormalScreenPrivate::retitleWindows()
{
    for (int i = 0; i < windows.size(); ++i)
        windows.at(i)->SetTitle(QStringLiteral("%1 %2").arg(ZtTVWallNormalScreen::tr("Window")).arg(i + 1));
}

void ZtTVWallNormalScreenPrivate::connectReports(ZtTVWallNormalWindow* window, bool connected)
{
    Q_Q(ZtTVWallNormalScreen);
    QObject::disconnect(window, &ZtTVWallNormalWindow::SignalCloseBtnClicked, q, &ZtTVWallNormalScreen::OnWindowCloseBtnClicked);
    QObject::disconnect(window, &ZtTVWallNormalWindow::SignalAudioBtnClicked, q, &ZtTVWallNormalScreen::OnWindowAudioBtnClicked);
    QObject::disconnect(window, &ZtTVWallNormalWindow::SignalGeoChanged, q, &ZtTVWallNormalScreen::OnGeoChanged);
    if (!connected)
        return;
    QObject::connect(window, &ZtTVWallNormalWindow::SignalCloseBtnClicked, q, &ZtTVWallNormalScreen::OnWindowCloseBtnClicked);
    QObject::connect(window, &ZtTVWallNormalWindow::SignalAudioBtnClicked, q, &ZtTVWallNormalScreen::OnWindowAudioBtnClicked);
    QObject::connect(window, &ZtTVWallNormalWindow::SignalGeoChanged, q, &ZtTVWallNormalScreen::OnGeoChanged);
}

QRectF ZtTVWallNormalScreenPrivate::spannedRect(const QPointF& to) const
{
    return QRectF(QPointF(qMin(pressPos.x(), to.x()), qMin(pressPos.y(), to.y())),
                  QPointF(qMax(pressPos.x(), to.x()), qMax(pressPos.y(), to.y())));
}

void ZtTVWallNormalScreenPrivate::showBand(const QPointF& to)
{
    bandRectItem->setRect(spannedRect(to));
    bandRectItem->show();
    banding = true;
}

bool ZtTVWallNormalScreenPrivate::selectWindowsInBand()
{
    const QRectF band = bandRectItem->rect();
    bandRectItem->hide();
    banding = false;
    bool changed = false;
    for (ZtTVWallNormalWindow* window : qAsConst(windows)) {
        if (!window->isSelected() && window->geometry().intersects(band)) {
            window->setSelected(true);
            changed = true;
        }
    }
    return changed;
}

void ZtTVWallNormalScreenPrivate::resetDrag()
{
    resizeZone = 0;
    resizing = false;
    moving = false;
    dragStart.clear();
    resizeOffsetRight = 0.0;
    resizeOffsetBottom = 0.0;
}

void ZtTVWallNormalScreenPrivate::windowPressed(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event)
{
    Q_Q(ZtTVWallNormalScreen);
    QPointer<ZtTVWallNormalScreen> self(q);
    QPointer<ZtTVWallNormalWindow> alive(window);
    pressPos = window->mapToParent(event->pos());
    resizeZone = ZtTVWallHitZone(window->boundingRect(), event->pos());
    resizing = event->button() == Qt::LeftButton && isEdgeZone(resizeZone);
    if (resizeZone >= 5 && resizeZone <= 7) {
        const QRectF g = window->geometry();
        resizeOffsetRight = g.right() - pressPos.x();
        resizeOffsetBottom = g.bottom() - pressPos.y();
    }

    const int mode = selectionMode();
    if (mode == ZtTVWallNormalWnd::SingleSelection) {
        const bool wasSelected = window->isSelected();
        q->scene()->clearSelection();
        q->setSelected(true);
        if (!self || !alive)
            return;
        window->setSelected(true);
        if (!wasSelected)
            emit q->SignalWindowSelectedChanged();
    } else if (mode == ZtTVWallNormalWnd::MultiSelection && !q->IsSelected()) {
        q->scene()->clearSelection();
        emit q->SignalWindowSelectedChanged();
    }
    if (self && alive && window->IsFreeMode())
        emit q->SignalWindowEvent(index, event);
}

void ZtTVWallNormalScreenPrivate::moveGroup(const QPointF& vector)
{
    Q_Q(ZtTVWallNormalScreen);
    QRectF group;
    for (auto it = dragStart.cbegin(); it != dragStart.cend(); ++it)
        group |= QRectF(it.value(), it.key()->size());
    // The group moves as one and stops when its outer window reaches the screen's edge.
    const QRectF area = q->boundingRect();
    const qreal dx = qMax(area.left() - group.left(), qMin(area.right() - group.right(), vector.x()));
    const qreal dy = qMax(area.top() - group.top(), qMin(area.bottom() - group.bottom(), vector.y()));
    for (auto it = dragStart.cbegin(); it != dragStart.cend(); ++it)
        it.key()->setPos(it.value() + QPointF(dx, dy));
}

QRectF ZtTVWallNormalScreenPrivate::resizedGeometry(const ZtTVWallNormalWindow* window, const QPointF& p,
                                                    const QPointF& d) const
{
    Q_Q(const ZtTVWallNormalScreen);
    const QRectF s = q->boundingRect();
    const QRectF g = window->geometry();
    const qreal leftX = qMin(qMax(p.x(), s.left() + d.x()), g.right() - kMinWidth);
    const qreal topY = qMin(qMax(p.y(), s.top() + d.y()), g.bottom() - kMinHeight);
    const qreal width = qMax(qMin(p.x(), s.right() - resizeOffsetRight) - g.left(), kMinWidth) + resizeOffsetRight;
    const qreal height = qMax(qMin(p.y(), s.bottom() - resizeOffsetBottom) - g.top(), kMinHeight) + resizeOffsetBottom;
    switch (resizeZone) {
    case 1:
        return QRectF(QPointF(leftX - d.x(), g.top()), g.bottomRight());
    case 2:
        return QRectF(QPointF(leftX - d.x(), topY - d.y()), g.bottomRight());
    case 3:
        return QRectF(QPointF(g.left(), topY - d.y()), g.bottomRight());
    case 4: {
        const qreal x = qMax(qMin(p.x(), s.right()), g.left() + kMinWidth);
        const qreal y = qMin(qMax(p.y(), s.top()), g.bottom() - kMinHeight);
        return QRectF(QPointF(g.left(), y), QPointF(x, g.bottom()));
    }
    case 5:
        return QRectF(g.topLeft(), QSizeF(width, g.height()));
    case 6:
        return QRectF(g.topLeft(), QSizeF(width, height));
    case 7:
        return QRectF(g.topLeft(), QSizeF(g.width(), height));
    case 8: {
        const qreal x = qMin(qMax(p.x(), s.left()), g.right() - kMinWidth);
        const qreal y = qMax(qMin(p.y(), s.bottom()), g.top() + kMinHeight);
        return QRectF(QPointF(x, g.top()), QPointF(g.right(), y));
    }
    default:
        return g;
    }
}

void ZtTVWallNormalScreenPrivate::windowMoved(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event)
{
    Q_Q(ZtTVWallNormalScreen);
    QPointer<ZtTVWallNormalScreen> self(q);
    QPointer<ZtTVWallNormalWindow> alive(window);
    const int mode = selectionMode();
    if (!windowsSelectable()) {
        emit q->SignalWindowEvent(index, event);
        return;
    }
    q->setSelected(true);
    if (!self || !alive || !window->IsFreeMode())
        return;
    const QPointF mouse = q->mapFromScene(event->scenePos());
    if (mode == ZtTVWallNormalWnd::MultiSelection && !window->isSelected()) {
        showBand(mouse);
    } else {
        if (!moving) {
            for (ZtTVWallNormalWindow* w : qAsConst(windows)) {
                if (w->isSelected())
                    dragStart.insert(w, w->pos());
            }
            moving = true;
        }
        if (!resizing) {
            if ((event->buttons() & Qt::LeftButton) && (window->flags() & QGraphicsItem::ItemIsMovable)) {
                window->SetReleaseEnabled(false);
                const QPointF vector = mouse - pressPos;
                if (vector.manhattanLength() > QApplication::startDragDistance())
                    moveGroup(vector);
            }
        } else {
            window->SetReleaseEnabled(false);
            window->setGeometry(resizedGeometry(window, mouse, event->buttonDownPos(Qt::LeftButton)));
        }
    }
    emit q->SignalWindowEvent(index, event);
}

bool ZtTVWallNormalScreenPrivate::commitDrag()
{
    Q_Q(ZtTVWallNormalScreen);
    QPointer<ZtTVWallNormalScreen> self(q);
    const QSizeF area = q->boundingRect().size();
    if (area.isEmpty())
        return true;
    QList<QPointer<ZtTVWallNormalWindow>> dragged;
    for (ZtTVWallNormalWindow* window : dragStart.keys())
        dragged.append(window);
    for (const QPointer<ZtTVWallNormalWindow>& window : qAsConst(dragged)) {
        if (window)
            window->SetScale(toScale(window->geometry(), area));
        if (!self)
            return false;
    }
    return true;
}

bool ZtTVWallNormalScreenPrivate::windowReleased(ZtTVWallNormalWindow* window, int index, QGraphicsSceneMouseEvent* event)
{
    Q_Q(ZtTVWallNormalScreen);
    QPointer<ZtTVWallNormalScreen> self(q);
    QPointer<ZtTVWallNormalWindow> alive(window);
    const int mode = selectionMode();
    if (mode == ZtTVWallNormalWnd::MultiSelection && banding) {
        const bool changed = selectWindowsInBand();
        resetDrag();
        if (changed)
            emit q->SignalWindowSelectedChanged();
        return false;
    }
    if (windowsSelectable()) {
        if (mode == ZtTVWallNormalWnd::MultiSelection && !moving) {
            q->setSelected(true);
            if (!self || !alive)
                return false;
            const ZtTVWallNormalTitleItem* title = window->GetTitleItem();
            const bool onTitle = title->isVisible() && title->sceneBoundingRect().contains(event->scenePos());
            const bool select = !window->isSelected();
            if (!onTitle && (select || event->button() == Qt::LeftButton)) {
                window->setSelected(select);
                emit q->SignalWindowSelectedChanged();
                if (!self || !alive)
                    return false;
            }
        }
        if (!commitDrag() || !alive)
            return false;
    }
    resetDrag();
    emit q->SignalWindowEvent(index, event);
    return self && alive;
}

void ZtTVWallNormalScreenPrivate::windowHovered(ZtTVWallNormalWindow* window, QGraphicsSceneHoverEvent* event)
{
    Q_Q(ZtTVWallNormalScreen);
    const int zone = ZtTVWallHitZone(window->boundingRect(), event->pos());
    const bool grip = resizing || (isEdgeZone(zone) && window->isSelected());
    window->setCursor(grip && q->IsFreeMode() ? cursorOfZone(resizing ? resizeZone : zone) : Qt::ArrowCursor);
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
    setAcceptDrops(true);
    setData(kFreeModeKey, true);
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
    setData(kUserDataKey, userData);
}

QVariant ZtTVWallNormalScreen::GetUserData() const
{
    return data(kUserDataKey);
}

void ZtTVWallNormalScreen::SetFreeMode(bool freeMode)
{
    Q_D(ZtTVWallNormalScreen);
    setData(kFreeModeKey, freeMode);
    for (ZtTVWallNormalWindow* window : qAsConst(d->windows)) {
        window->SetFreeMode(freeMode);
        d->connectReports(window, freeMode);
    }
}

bool ZtTVWallNormalScreen::IsFreeMode() const
{
    return data(kFreeModeKey).toBool();
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
    d->windows.append(window);
    window->SetTitle(QStringLiteral("%1 %2").arg(tr("Window")).arg(d->windows.size()));
    window->SetScale(scale);
    window->setZValue(topZ + 1.0);
    window->SetUserData(userData);
    if (scene())
        window->installSceneEventFilter(this);
    d->scale.bFreeMode = scale.bFreeMode;
    d->connectReports(window, scale.bFreeMode);
    // A double click selects the window, and is reported as a selection change.
    connect(window, &ZtTVWallNormalWindow::SignalDoubleClickedSelectedChanged, this,
            &ZtTVWallNormalScreen::SignalWindowSelectedChanged);
    return d->windows.size() - 1;
}

bool ZtTVWallNormalScreen::DeleteWindow(int iWindow)
{
    Q_D(ZtTVWallNormalScreen);
    if (iWindow < 0 || iWindow >= d->windows.size())
        return false;
    ZtTVWallNormalWindow* window = d->windows.takeAt(iWindow);
    const bool wasSelected = window->isSelected();
    d->dragStart.remove(window);
    delete window;
    d->retitleWindows();
    if (wasSelected)
        emit SignalWindowSelectedChanged();
    return true;
}

void ZtTVWallNormalScreen::DeleteAllWindows()
{
    Q_D(ZtTVWallNormalScreen);
    QPointer<ZtTVWallNormalScreen> self(this);
    for (int i = d->windows.size() - 1; i >= 0 && self; --i)
        DeleteWindow(qMin(i, d->windows.size() - 1));
    if (self)
        d->dragStart.clear();
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
    return withWindow(GetWindow(iWindow), [&](ZtTVWallNormalWindow* window) { window->SetScale(scale); });
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
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(QBrush(QColor(233, 234, 236, 255)), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->drawRect(r);
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
        painter->drawText(r, Qt::AlignCenter, d->shownContentText);
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
        if (value.toBool())
            emit SignalSelected();
        break;
    default:
        break;
    }
    return QGraphicsWidget::itemChange(change, value);
}

bool ZtTVWallNormalScreen::sceneEventFilter(QGraphicsItem* watched, QEvent* event)
{
    Q_D(ZtTVWallNormalScreen);
    const int index = d->indexOf(watched);
    if (index < 0)
        return false;
    ZtTVWallNormalWindow* window = d->windows.at(index);
    QPointer<ZtTVWallNormalScreen> self(this);
    QPointer<ZtTVWallNormalWindow> alive(window);
    // Whenever a slot deleted the window or this screen, the event is eaten so that the scene
    // delivers it to nothing that is gone.
    switch (event->type()) {
    case QEvent::GraphicsSceneDragEnter:
    case QEvent::GraphicsSceneDrop:
        emit SignalWindowEvent(index, event);
        return true;
    case QEvent::GraphicsSceneContextMenu:
        if (qFuzzyCompare(window->zValue(), GetMaxWindowZValue()))
            emit SignalWindowEvent(index, event);
        return true;
    case QEvent::GraphicsSceneHoverMove:
        d->windowHovered(window, static_cast<QGraphicsSceneHoverEvent*>(event));
        emit SignalWindowEvent(index, event);
        return !self || !alive;
    case QEvent::GraphicsSceneMousePress:
        d->windowPressed(window, index, static_cast<QGraphicsSceneMouseEvent*>(event));
        return true;
    case QEvent::GraphicsSceneMouseMove:
        d->windowMoved(window, index, static_cast<QGraphicsSceneMouseEvent*>(event));
        return true;
    case QEvent::GraphicsSceneMouseRelease:
        return !d->windowReleased(window, index, static_cast<QGraphicsSceneMouseEvent*>(event));
    default:
        return false;
    }
}

void ZtTVWallNormalScreen::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    Q_D(ZtTVWallNormalScreen);
    QPointer<ZtTVWallNormalScreen> self(this);
    QGraphicsWidget::mousePressEvent(event);
    event->accept();
    d->pressPos = event->pos();
    if (!isSelected()) {
        scene()->clearSelection();
        setSelected(true);
        if (!self)
            return;
    }
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

void ZtTVWallNormalScreen::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    Q_D(ZtTVWallNormalScreen);
    QGraphicsWidget::mouseMoveEvent(event);
    if (d->selectionMode() == ZtTVWallNormalWnd::MultiSelection) {
        d->showBand(event->pos());
    } else {
        // A window asked for by drawing must fit on this screen, wherever the mouse went.
        const QRectF area = boundingRect();
        const QPointF to(qBound(area.left(), event->pos().x(), area.right()),
                         qBound(area.top(), event->pos().y(), area.bottom()));
        d->drawRectItem->setRect(d->spannedRect(to));
        d->drawRectItem->show();
    }
}

void ZtTVWallNormalScreen::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    Q_D(ZtTVWallNormalScreen);
    QPointer<ZtTVWallNormalScreen> self(this);
    if (scene()) {
        const QGraphicsItem* hit = scene()->itemAt(event->scenePos(), QTransform());
        if (hit && hit->data(kButtonIdKey).isValid() && hit->data(kButtonIdKey).toUInt() == kScreenCloseButtonId) {
            emit SignalCloseBtnClicked();
            if (!self)
                return;
        }
    }
    QGraphicsWidget::mouseReleaseEvent(event);
    if (d->selectionMode() == ZtTVWallNormalWnd::MultiSelection) {
        if (d->banding && d->selectWindowsInBand())
            emit SignalWindowSelectedChanged();
        return;
    }
    if (!d->drawRectItem->isVisible())
        return;
    const QRectF area = d->drawRectItem->rect();
    const QSizeF size = boundingRect().size();
    d->drawRectItem->hide();
    if (!size.isEmpty())
        emit SignalDrawAreaOpenWindow(toScale(area, size));
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
