#include "ZtTVWallNormalWindow.h"
#include "ZtTVWallNormalWindow_p.h"

#include "CommonFun.h"
#include "ZtTVWallItemData_p.h"
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
QPixmap skinPicture(const char* file)
{
    static QHash<QString, QPixmap> loaded;
    static const bool releasedWithTheApplication = [] {
        // Pixmaps must go while the application that made them still exists.
        qAddPostRoutine([] { loaded.clear(); });
        return true;
    }();
    Q_UNUSED(releasedWithTheApplication);
    const QString path = CommonFun::GetSkinPath(QStringLiteral("Kitra"), QString::fromLatin1(file));
    auto it = loaded.find(path);
    if (it == loaded.end())
        it = loaded.insert(path, QPixmap(path));
    return it.value();
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
    for (const TitleButtonInfo& info : kButtons) {
        if (info.id == VolumeButton && !(audioVisible && freeMode))
            continue;
        auto* button = new QGraphicsPixmapItem(skinPicture(info.file), d->titleItem);
        // The whole square counts, not only its opaque pixels.
        button->setShapeMode(QGraphicsPixmapItem::BoundingRectShape);
        button->setData(TVWallItemData::ButtonId, uint(info.id));
        button->setToolTip(tr(info.toolTip));
        d->buttons[info.id] = button;
        d->titleItem->AddButton(button);
    }
    d->titleItem->SetShowTitle(titleShow);
    d->titleItem->SetButtonsVisible(freeMode);
    SetFreeMode(freeMode);

    d->geometrySource = qobject_cast<QGraphicsWidget*>(screen ? screen->toGraphicsObject() : nullptr);
    if (d->geometrySource)
        connect(d->geometrySource, &QGraphicsWidget::geometryChanged, this, &ZtTVWallNormalWindow::OnGeometryChanged);
}

ZtTVWallNormalWindow::~ZtTVWallNormalWindow() = default;

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
    d->contentText = text;
    d->shownContentWidth = -1.0;
    update();
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
    if (isFree()) {
        maximized = maximizedState;
        if (QGraphicsPixmapItem* max = buttons[ZtTVWallNormalWindow::MaxButton])
            max->setToolTip(maximizedState ? ZtTVWallNormalWindow::tr("Restore") : ZtTVWallNormalWindow::tr("Max"));
        fitted = fittedState;
        if (QGraphicsPixmapItem* fit = buttons[ZtTVWallNormalWindow::SelfAdaptionButton])
            fit->setToolTip(fittedState ? ZtTVWallNormalWindow::tr("Restore") : ZtTVWallNormalWindow::tr("SelfAdaption"));
    }
    const StructScaleRect taken = next;   // `next` may be savedScale itself (Restore)
    savedScale = scale;
    scale = taken;
    q->OnGeometryChanged();
    emit q->SignalGeoChanged(scale);
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
    d->scale.bFreeMode = freeMode;
    d->savedScale.bFreeMode = freeMode;
    d->titleItem->SetButtonsVisible(freeMode);
    // The title bar shows while there are titles or buttons; a locked window keeps no buttons
    // that would change it.
    d->titleItem->setVisible(d->titleShow || freeMode);
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
    Q_D(ZtTVWallNormalWindow);
    const QGraphicsItem* screen = parentItem();
    if (!screen)
        return;
    const QRectF area = screen->boundingRect();
    setGeometry(QRectF(area.width() * d->scale.dLeft, area.height() * d->scale.dTop,
                       area.width() * (d->scale.dRight - d->scale.dLeft),
                       area.height() * (d->scale.dBottom - d->scale.dTop)));
}

QVariant ZtTVWallNormalWindow::itemChange(GraphicsItemChange change, const QVariant& value)
{
    Q_D(ZtTVWallNormalWindow);
    if (change == ItemParentHasChanged) {
        if (d->geometrySource)
            disconnect(d->geometrySource, &QGraphicsWidget::geometryChanged, this, &ZtTVWallNormalWindow::OnGeometryChanged);
        QGraphicsItem* parent = parentItem();
        d->geometrySource = qobject_cast<QGraphicsWidget*>(parent ? parent->toGraphicsObject() : nullptr);
        if (d->geometrySource)
            connect(d->geometrySource, &QGraphicsWidget::geometryChanged, this, &ZtTVWallNormalWindow::OnGeometryChanged);
        OnGeometryChanged();
    }
    return QGraphicsWidget::itemChange(change, value);
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

void ZtTVWallNormalWindow::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    Q_D(ZtTVWallNormalWindow);
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
        painter->drawText(r, Qt::AlignCenter, d->shownContentText);
    }
    painter->restore();
}

} // namespace ZtGUI
