#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWindow_p.h"

#include "CommonFun.h"
#include "ZtTVWallItemData_p.h"
#include "ZtTVWallNormalAccessible_p.h"
#include "ZtTVWallNormalScreen.h"
#include "ZtTVWallNormalTitleItem.h"
#include "ZtTVWallNormalUndo_p.h"
#include "ZtTVWallNormalWnd.h"

#include <QCoreApplication>
#include <QGraphicsPixmapItem>
#include <QHash>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPointer>

namespace ZtGUI {

namespace {

struct TitleButtonInfo
{
    int id;
    const char* file;
    const char* toolTip;
};

// In identifier order: the first added stands rightmost.
const TitleButtonInfo kButtons[] = {
    {ZtTVWallNormalWindow::CloseButton, "TVWallOperateWnd/Close.png", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWindow", "Close")},
    {ZtTVWallNormalWindow::MaxButton, "TVWallOperateWnd/Max.png", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWindow", "Max")},
    {ZtTVWallNormalWindow::VolumeButton, "TVWallOperateWnd/VolumeOff.png", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWindow", "Open Volume")},
    {ZtTVWallNormalWindow::SelfAdaptionButton, "TVWallOperateWnd/SelfAdaption.png", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWindow", "SelfAdaption")},
    {ZtTVWallNormalWindow::LockButton, "TVWallOperateWnd/Lock.png", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWindow", "Lock")},
    {ZtTVWallNormalWindow::PtzControlButton, "TVWallOperateWnd/PtzControlOff.png", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWindow", "PtzControl")},
    {ZtTVWallNormalWindow::MeetingModeButton, "TVWallOperateWnd/MettingModeOff.png", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWindow", "MeetingMode")},
    {ZtTVWallNormalWindow::WindowCircleButton, "TVWallOperateWnd/WindowCircleOff.png", QT_TRANSLATE_NOOP("ZtGUI::ZtTVWallNormalWindow", "WindowCircle")},
};

// Every window shows the same few pictures: each file is read once, and the pixmaps share it.
QPixmap skinPicture(const QString& path)
{
    static QHash<QString, QPixmap> loaded;
    static const bool releasedWithTheApplication = [] {
        // Pixmaps must go while the application that made them still exists.
        qAddPostRoutine([] { loaded.clear(); });
        return true;
    }();
    Q_UNUSED(releasedWithTheApplication);
    auto it = loaded.find(path);
    if (it == loaded.end())
        it = loaded.insert(path, QPixmap(path));
    return it.value();
}

QPixmap skinPicture(const char* file)
{
    return skinPicture(CommonFun::GetSkinPath(QStringLiteral("Kitra"), QString::fromLatin1(file)));
}

// The title buttons' pictures and tool tips, resolved once for every window opened under the same
// skin folder and language: windows share the pixmaps and the strings instead of each resolving
// eight paths and translating eight texts.
struct TitleButtonAssets
{
    QString skinFolder;
    QPixmap pictures[8];
    QString toolTips[8];
};

const TitleButtonAssets& titleButtonAssets()
{
    static TitleButtonAssets assets;
    static const bool releasedWithTheApplication = [] {
        qAddPostRoutine([] { assets = TitleButtonAssets(); });
        return true;
    }();
    Q_UNUSED(releasedWithTheApplication);
    const QString folder = CommonFun::GetSkinPath(QStringLiteral("Kitra"), QString());
    if (folder != assets.skinFolder) {
        assets.skinFolder = folder;
        for (const TitleButtonInfo& info : kButtons)
            assets.pictures[info.id] = skinPicture(folder + QLatin1String(info.file));
    }
    for (const TitleButtonInfo& info : kButtons) {
        const QString tip = ZtTVWallNormalWindow::tr(info.toolTip);
        if (tip != assets.toolTips[info.id])
            assets.toolTips[info.id] = tip;
    }
    return assets;
}

// The maximise button: one gesture, left on the wall's undo stack.
void toggleMaximized(ZtTVWallNormalWindow* window)
{
    const bool maximized = window->IsMaximized();
    ZtTVWallGestureRecord record(window, maximized ? ZtTVWallNormalWnd::tr("Restore window")
                                                   : ZtTVWallNormalWnd::tr("Maximise window"));
    maximized ? window->Restore() : window->Maximize();
    record.commit();
}

// The fit button and a double click, likewise.
void toggleFitted(ZtTVWallNormalWindow* window)
{
    const bool fitted = window->IsFitted();
    ZtTVWallGestureRecord record(window, fitted ? ZtTVWallNormalWnd::tr("Restore window")
                                                : ZtTVWallNormalWnd::tr("Fit window to cells"));
    fitted ? window->Restore() : window->FitToCells();
    record.commit();
}

} // namespace

ZtTVWallNormalWindow::ZtTVWallNormalWindow(QGraphicsItem* screen, bool titleShow, bool freeMode, bool audioVisible)
    : QGraphicsWidget(screen)
    , d_ptr(new ZtTVWallNormalWindowPrivate(this))
{
    Q_D(ZtTVWallNormalWindow);
    d->titleShow = titleShow;
    d->audioVisible = audioVisible;
    d->scale.bFreeMode = freeMode;
    d->savedScale.bFreeMode = freeMode;
    setFlags(ItemIsSelectable | ItemIsMovable);
    setAcceptHoverEvents(true);
    setAcceptDrops(true);

    d->titleItem = new ZtTVWallNormalTitleItem(this);
    // Set before the buttons come, so that adding them lays the bar out once, not once more after.
    d->titleItem->SetShowTitle(titleShow);
    d->titleItem->SetButtonsVisible(freeMode);
    const TitleButtonAssets& assets = titleButtonAssets();
    for (const TitleButtonInfo& info : kButtons) {
        if (info.id == VolumeButton && !(audioVisible && freeMode))
            continue;
        // Made hidden and off the scene, then handed to the bar: the bar shows what fits once the
        // window has its size, and the scene takes the button in once.
        auto* button = new QGraphicsPixmapItem(assets.pictures[info.id]);
        button->setVisible(false);
        // The whole square counts, not only its opaque pixels.
        button->setShapeMode(QGraphicsPixmapItem::BoundingRectShape);
        button->setData(TVWallItemData::ButtonId, uint(info.id));
        button->setToolTip(assets.toolTips[info.id]);
        d->buttons[info.id] = button;
        d->titleItem->AddButton(button);
    }
    SetFreeMode(freeMode);
    d->followParent(screen);
}

ZtTVWallNormalWindow::~ZtTVWallNormalWindow()
{
    // The bar goes while the window still has its screen: left for later, it would first be told
    // of the font and palette the window takes when Qt unparents it.
    delete d_func()->titleItem;
}

void ZtTVWallNormalWindow::SetPrecision(double precision)
{
    d_func()->precision = precision;
}

void ZtTVWallNormalWindow::SetTitle(const QString& title)
{
    d_func()->titleItem->SetTitle(title);
}

QString ZtTVWallNormalWindow::GetTitle() const
{
    return d_func()->titleItem->GetTitle();
}

void ZtTVWallNormalWindow::SetContentText(const QString& text)
{
    Q_D(ZtTVWallNormalWindow);
    const bool renamed = text != d->contentText;
    d->contentText = text;
    d->shownContentWidth = -1.0;
    update();
    if (renamed)
        ZtTVWallNormalNotify(this, QAccessible::NameChanged);     // the text is part of the name
}

QString ZtTVWallNormalWindow::GetContentText() const
{
    return d_func()->contentText;
}

void ZtTVWallNormalWindow::SetScale(const StructScaleRect& scale)
{
    SetScale(scale, false, false);
}

void ZtTVWallNormalWindowPrivate::applyScale(const StructScaleRect& next, bool maximizedState, bool fittedState)
{
    Q_Q(ZtTVWallNormalWindow);
    // The tool tips follow the states; most changes of scale keep both.
    if (isFree() && maximized != maximizedState) {
        maximized = maximizedState;
        if (QGraphicsPixmapItem* max = buttons[ZtTVWallNormalWindow::MaxButton])
            max->setToolTip(maximizedState ? ZtTVWallNormalWindow::tr("Restore") : ZtTVWallNormalWindow::tr("Max"));
    }
    if (isFree() && fitted != fittedState) {
        fitted = fittedState;
        if (QGraphicsPixmapItem* fit = buttons[ZtTVWallNormalWindow::SelfAdaptionButton])
            fit->setToolTip(fittedState ? ZtTVWallNormalWindow::tr("Restore") : ZtTVWallNormalWindow::tr("SelfAdaption"));
    }
    const StructScaleRect taken = next;   // `next` may be savedScale itself (Restore)
    const bool wasFree = isFree();
    savedScale = scale;
    scale = taken;
    announceLock(wasFree);
    q->OnGeometryChanged();
    emit q->SignalGeoChanged(scale);
}

// A screen re-places its windows itself; any other parent widget is followed by its signal.
void ZtTVWallNormalWindowPrivate::followParent(QGraphicsItem* parent)
{
    Q_Q(ZtTVWallNormalWindow);
    auto* widget = qobject_cast<QGraphicsWidget*>(parent ? parent->toGraphicsObject() : nullptr);
    if (qobject_cast<ZtTVWallNormalScreen*>(widget))
        widget = nullptr;
    geometrySource = widget;
    if (widget)
        QObject::connect(widget, &QGraphicsWidget::geometryChanged, q, &ZtTVWallNormalWindow::OnGeometryChanged);
}

void ZtTVWallNormalWindowPrivate::announceLock(bool wasFree)
{
    Q_Q(ZtTVWallNormalWindow);
    if (wasFree == isFree())
        return;
    QAccessible::State locked;
    locked.readOnly = true;
    ZtTVWallNormalNotifyState(q, locked);
}

void ZtTVWallNormalWindowPrivate::setDetailLimit(const QSizeF& limit)
{
    detailLimit = limit;
    updateDetail();
}

void ZtTVWallNormalWindowPrivate::updateDetail()
{
    Q_Q(ZtTVWallNormalWindow);
    const QSizeF size = q->size();
    const bool small = detailLimit.isValid()
        && (size.width() < detailLimit.width() || size.height() < detailLimit.height());
    if (small == simplified)
        return;
    simplified = small;
    showTitleBar();
    q->update();
}

void ZtTVWallNormalWindowPrivate::showTitleBar()
{
    // Hidden, the bar takes its buttons out of drawing and of the scene's hit tests.
    titleItem->setVisible((titleShow || isFree()) && !simplified);
}

void ZtTVWallNormalWindow::SetScale(const StructScaleRect& scale, bool maximizedState, bool fittedState)
{
    Q_D(ZtTVWallNormalWindow);
    if (!scale.IsEqual(d->scale, d->precision))
        d->applyScale(scale, maximizedState, fittedState);
}

StructScaleRect ZtTVWallNormalWindow::GetScale() const
{
    return d_func()->scale;
}

void ZtTVWallNormalWindow::SetFreeMode(bool freeMode)
{
    Q_D(ZtTVWallNormalWindow);
    const bool wasFree = d->isFree();
    d->scale.bFreeMode = freeMode;
    d->savedScale.bFreeMode = freeMode;
    d->announceLock(wasFree);
    d->titleItem->SetButtonsVisible(freeMode);
    d->showTitleBar();
    // A locked window keeps no buttons that would change it.
    if (!freeMode && d->titleShow) {
        for (int id : {CloseButton, MaxButton, SelfAdaptionButton}) {
            if (d->buttons[id])
                d->buttons[id]->setVisible(false);
        }
    }
}

bool ZtTVWallNormalWindow::IsFreeMode() const
{
    return d_func()->isFree();
}

void ZtTVWallNormalWindow::SetTitleShow(bool show)
{
    Q_D(ZtTVWallNormalWindow);
    d->titleShow = show;
    d->titleItem->SetShowTitle(show);
    if (!d->isFree())
        SetFreeMode(false);
}

void ZtTVWallNormalWindow::SetVolumeBtn(bool on)
{
    Q_D(ZtTVWallNormalWindow);
    if (on == d->volumeOn)
        return;
    d->volumeOn = on;
    if (QGraphicsPixmapItem* button = d->buttons[VolumeButton]) {
        button->setPixmap(skinPicture(on ? "TVWallOperateWnd/VolumeOn.png" : "TVWallOperateWnd/VolumeOff.png"));
        button->setToolTip(on ? tr("Close Volume") : tr("Open Volume"));
    }
}

bool ZtTVWallNormalWindow::GetVolumeBtnStatus() const
{
    return d_func()->volumeOn;
}

void ZtTVWallNormalWindow::SetUserData(const QVariant& userData)
{
    setData(TVWallItemData::UserData, userData);
}

QVariant ZtTVWallNormalWindow::GetUserData() const
{
    return data(TVWallItemData::UserData);
}

bool ZtTVWallNormalWindow::IsMaximized() const
{
    return d_func()->maximized;
}

bool ZtTVWallNormalWindow::IsFitted() const
{
    return d_func()->fitted;
}

void ZtTVWallNormalWindow::Maximize()
{
    SetScale(StructScaleRect(0.0, 0.0, 1.0, 1.0, true), true, false);
}

void ZtTVWallNormalWindow::Restore()
{
    Q_D(ZtTVWallNormalWindow);
    if (d->maximized || d->fitted)
        SetScale(d->savedScale, false, false);
}

void ZtTVWallNormalWindow::FitToCells()
{
    Q_D(ZtTVWallNormalWindow);
    const auto* screen = dynamic_cast<const ZtTVWallNormalScreen*>(parentItem());
    const int rows = screen ? screen->GetRowSpan() : 0;
    const int cols = screen ? screen->GetColumnSpan() : 0;
    if (rows < 1 || cols < 1)
        return;
    const double p = d->precision;
    // A border within the precision of a cell line counts as on it; others snap outward.
    const auto nearEdge = [p](double v, int cells) { return int(v * cells + p); };
    const auto farEdge = [p](double v, int cells) {
        const int edge = int(v * cells - p);
        return v * cells > edge ? edge + 1 : edge;
    };
    const StructScaleRect cells(double(nearEdge(d->scale.dLeft, cols)) / cols,
                                double(nearEdge(d->scale.dTop, rows)) / rows,
                                double(farEdge(d->scale.dRight, cols)) / cols,
                                double(farEdge(d->scale.dBottom, rows)) / rows, d->scale.bFreeMode);
    if (!cells.IsEqual(d->scale, p))
        SetScale(cells, false, true);
}

void ZtTVWallNormalWindow::SetReleaseEnabled(bool enabled)
{
    d_func()->releaseEnabled = enabled;
}

ZtTVWallNormalTitleItem* ZtTVWallNormalWindow::GetTitleItem() const
{
    return d_func()->titleItem;
}

void ZtTVWallNormalWindow::OnGeometryChanged()
{
    d_func()->placeInScreen();
}

void ZtTVWallNormalWindowPrivate::placeInScreen()
{
    Q_Q(ZtTVWallNormalWindow);
    const QGraphicsItem* screen = q->parentItem();
    if (!screen)
        return;
    const QRectF area = screen->boundingRect();
    q->setGeometry(QRectF(area.width() * scale.dLeft, area.height() * scale.dTop,
                          area.width() * (scale.dRight - scale.dLeft), area.height() * (scale.dBottom - scale.dTop)));
}

void ZtTVWallNormalWindow::setGeometry(const QRectF& rect)
{
    const QRectF before = geometry();
    QGraphicsWidget::setGeometry(rect);
    if (geometry() != before)
        ZtTVWallNormalNotify(this, QAccessible::LocationChanged);
}

QVariant ZtTVWallNormalWindow::itemChange(GraphicsItemChange change, const QVariant& value)
{
    Q_D(ZtTVWallNormalWindow);
    if (change == ItemParentHasChanged) {
        if (d->geometrySource)
            disconnect(d->geometrySource, &QGraphicsWidget::geometryChanged, this, &ZtTVWallNormalWindow::OnGeometryChanged);
        d->followParent(parentItem());
        OnGeometryChanged();
    } else if (change == ItemSelectedHasChanged) {
        ZtTVWallNormalNotifySelected(this);
    }
    return QGraphicsWidget::itemChange(change, value);
}

void ZtTVWallNormalWindow::resizeEvent(QGraphicsSceneResizeEvent* event)
{
    Q_D(ZtTVWallNormalWindow);
    QGraphicsWidget::resizeEvent(event);
    // Every title bar made for this window follows its width, its own and any other.
    const QList<QGraphicsItem*> children = childItems();
    for (QGraphicsItem* child : children) {
        if (auto* title = qobject_cast<ZtTVWallNormalTitleItem*>(child->toGraphicsObject()))
            title->OnGeometryChanged();
    }
    d->updateDetail();
}

void ZtTVWallNormalWindow::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    Q_D(ZtTVWallNormalWindow);
    // The base class is skipped on purpose: its click selection would override the wall's
    // selection modes, which the screen applies.
    event->accept();
    if (!d->releaseEnabled) {
        d->releaseEnabled = true;
        return;
    }
    const QGraphicsItem* hit = scene() ? scene()->itemAt(event->scenePos(), QTransform()) : nullptr;
    if (!hit || !hit->data(TVWallItemData::ButtonId).isValid())
        return;
    // The host may delete this window from a slot: nothing here touches it after a signal.
    switch (hit->data(TVWallItemData::ButtonId).toInt()) {
    case CloseButton:
        emit SignalCloseBtnClicked();
        break;
    case MaxButton:
        toggleMaximized(this);
        break;
    case VolumeButton:
        emit SignalAudioBtnClicked();
        break;
    case SelfAdaptionButton:
        toggleFitted(this);
        break;
    default:
        break;
    }
}

void ZtTVWallNormalWindow::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    Q_D(ZtTVWallNormalWindow);
    event->accept();
    if (!d->isFree())
        return;
    QPointer<ZtTVWallNormalWindow> alive(this);
    toggleFitted(this);
    if (!alive)
        return;
    setSelected(true);
    emit SignalDoubleClickedSelectedChanged();
}

void ZtTVWallNormalWindowPrivate::paintSimplified(QPainter* painter) const
{
    Q_Q(const ZtTVWallNormalWindow);
    // Nested fills only: they leave the painter as it was and cost far less than strokes, which
    // counts when a thousand windows are this small.
    const QRectF r = q->boundingRect();
    painter->fillRect(r, QColor(76, 81, 87, 255));
    QRectF body = r.adjusted(1, 1, -1, -1);
    if (q->isSelected()) {
        painter->fillRect(body, QColor(24, 144, 255, 255));
        body.adjust(2, 2, -2, -2);
    }
    if (!body.isEmpty())
        painter->fillRect(body, QColor(233, 234, 236, 255));
}

void ZtTVWallNormalWindow::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    Q_D(ZtTVWallNormalWindow);
    if (d->simplified) {
        d->paintSimplified(painter);
        return;
    }
    const QRectF r = boundingRect();
    painter->save();
    painter->fillRect(r, QColor(233, 234, 236, 255));
    painter->setPen(QPen(QColor(76, 81, 87, 255), 1.0));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(r.adjusted(0, 0, -1, -1));
    if (isSelected()) {
        painter->setPen(QPen(QColor(24, 144, 255, 255), 2.0));
        painter->drawRect(r.adjusted(1, 1, -2, -2));
        // A grip in the bottom-right corner.
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(Qt::white, 1.0));
        const int right = int(r.right());
        const int bottom = int(r.bottom());
        painter->drawLine(QPoint(right - 1, bottom - 6), QPoint(right - 6, bottom - 1));
        painter->drawLine(QPoint(right - 1, bottom - 4), QPoint(right - 4, bottom - 1));
        painter->drawLine(QPoint(right - 1, bottom - 2), QPoint(right - 2, bottom - 1));
        painter->setRenderHint(QPainter::Antialiasing, false);
    }
    const int pointSize = int(r.height() / 12.0);
    if (!d->contentText.isEmpty() && pointSize > 0) {
        QFont textFont = font();
        textFont.setPointSize(pointSize);
        painter->setFont(textFont);
        painter->setPen(QColor(39, 46, 54, 255));
        if (d->shownContentWidth != r.width() || painter->font() != d->contentFont) {
            d->shownContentText = painter->fontMetrics().elidedText(d->contentText, Qt::ElideRight, int(r.width()));
            d->shownContentWidth = r.width();
            d->contentFont = painter->font();
        }
        d->contentLayout.draw(painter, r, Qt::AlignCenter, d->shownContentText);
    }
    painter->restore();
}

} // namespace ZtGUI
