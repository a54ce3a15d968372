#include "ZtTVWallNormalTitleItem.h"

#include "KitraLaidOutText_p.h"
#include "ZtTVWallNormalWindow.h"

#include <QFontMetrics>
#include <QGraphicsPixmapItem>
#include <QIcon>
#include <QPainter>

namespace ZtGUI {

namespace {
const qreal kTitleHeight = 24.0;
const qreal kButtonSpacing = 7.0;
const char* const kTitleIconFile = "./Skin/ZtGui/DustyBlue/TVWallOperateWnd/ScreenTitleIcon.png";

// Places one button left of `x` and returns where the next one ends.
qreal placeButton(QGraphicsPixmapItem* button, qreal x, const QRectF& bar, bool buttonsVisible)
{
    const QRectF picture = button->boundingRect();
    x -= picture.width() + kButtonSpacing;
    button->setPos(x, (bar.height() - picture.height()) / 2.0);
    const QRectF placed(button->pos(), picture.size());
    button->setVisible(buttonsVisible && !placed.isEmpty() && bar.contains(placed));
    return x;
}
} // namespace

class ZtTVWallNormalTitleItemPrivate
{
public:
    QGraphicsWidget* window = nullptr;
    QRectF rect;
    QString title;
    QIcon icon;
    QPixmap iconPicture;
    QList<QGraphicsPixmapItem*> buttons;
    bool showTitle = false;
    bool buttonsVisible = true;
    // The title as drawn, elided to the room between the icon and the buttons; eliding on every
    // paint would dominate the cost of drawing a large wall, and eliding on every change would
    // dominate the cost of building one: it is elided at the first paint after a change.
    QString shownTitle;
    bool shownTitleStale = false;
    QRectF titleRect;
    KitraLaidOutText titleLayout;
};

ZtTVWallNormalTitleItem::ZtTVWallNormalTitleItem(QGraphicsWidget* window)
    : QGraphicsWidget()
    , d_ptr(new ZtTVWallNormalTitleItemPrivate)
{
    Q_D(ZtTVWallNormalTitleItem);
    d->window = window;
    // The buttons only ever show inside the bar: the scene then finds them through the bar instead
    // of indexing each, which a wall of many windows feels in every move. Set before the bar joins
    // the scene, where the change would take the bar out of the index and back in.
    setFlag(ItemContainsChildrenInShape);
    // Sized off the scene, where a geometry change costs the scene nothing.
    OnGeometryChanged();
    setParentItem(window);
    // A scene-wall window reports its resizes itself; any other widget is followed by its signal.
    if (window && !qobject_cast<ZtTVWallNormalWindow*>(window))
        connect(window, &QGraphicsWidget::geometryChanged, this, &ZtTVWallNormalTitleItem::OnGeometryChanged);
}

ZtTVWallNormalTitleItem::~ZtTVWallNormalTitleItem() = default;

void ZtTVWallNormalTitleItem::SetTitle(const QString& title)
{
    Q_D(ZtTVWallNormalTitleItem);
    d->title = title;
    UpdateShownTitle();
}

QString ZtTVWallNormalTitleItem::GetTitle() const
{
    return d_func()->title;
}

void ZtTVWallNormalTitleItem::SetIcon(const QIcon& icon)
{
    Q_D(ZtTVWallNormalTitleItem);
    d->icon = icon;
    d->iconPicture = icon.isNull() ? QPixmap() : QPixmap(QString::fromLatin1(kTitleIconFile));
    UpdateShownTitle();
}

void ZtTVWallNormalTitleItem::SetShowTitle(bool show)
{
    Q_D(ZtTVWallNormalTitleItem);
    d->showTitle = show;
    UpdateShownTitle();
}

bool ZtTVWallNormalTitleItem::IsShowTitle() const
{
    return d_func()->showTitle;
}

void ZtTVWallNormalTitleItem::SetButtonsVisible(bool visible)
{
    Q_D(ZtTVWallNormalTitleItem);
    if (visible == d->buttonsVisible)
        return;     // the buttons already stand as they should
    d->buttonsVisible = visible;
    LayoutButtons();
}

void ZtTVWallNormalTitleItem::AddButton(QGraphicsPixmapItem* button)
{
    Q_D(ZtTVWallNormalTitleItem);
    if (!button)
        return;
    button->setParentItem(this);
    d->buttons.append(button);
    if (d->rect.isEmpty()) {
        // Nothing fits a bar without width: the layout that gives it one places the button.
        button->setVisible(false);
        return;
    }
    // Earlier buttons keep their places: only the new one, left of the last, is placed.
    const int count = d->buttons.size();
    const qreal x = count == 1 ? d->rect.right() : d->buttons.at(count - 2)->pos().x();
    placeButton(button, x, d->rect, d->buttonsVisible);
    UpdateShownTitle();
}

QList<QGraphicsPixmapItem*> ZtTVWallNormalTitleItem::GetButtons() const
{
    return d_func()->buttons;
}

QRectF ZtTVWallNormalTitleItem::GetRect() const
{
    return d_func()->rect;
}

void ZtTVWallNormalTitleItem::OnGeometryChanged()
{
    Q_D(ZtTVWallNormalTitleItem);
    const qreal windowRight = d->window ? d->window->boundingRect().right() : 0.0;
    // One pixel in from the window's left and top, two from its right.
    const QRectF bar(1.0, 1.0, qMax<qreal>(0.0, windowRight - 3.0), kTitleHeight);
    if (bar == geometry() && !d->rect.isNull())
        return;     // a pure move of the window changes nothing here
    prepareGeometryChange();
    setGeometry(bar);
    d->rect = QRectF(QPointF(0.0, 0.0), bar.size());
    LayoutButtons();
}

void ZtTVWallNormalTitleItem::LayoutButtons()
{
    Q_D(ZtTVWallNormalTitleItem);
    qreal x = d->rect.right();
    for (QGraphicsPixmapItem* button : qAsConst(d->buttons))
        x = placeButton(button, x, d->rect, d->buttonsVisible);
    UpdateShownTitle();
}

void ZtTVWallNormalTitleItem::UpdateShownTitle()
{
    Q_D(ZtTVWallNormalTitleItem);
    qreal left = 2.0;
    if (!d->icon.isNull() && !d->iconPicture.isNull())
        left += d->iconPicture.width();
    left += 5.0;
    qreal right = d->rect.right();
    for (const QGraphicsPixmapItem* button : qAsConst(d->buttons)) {
        // Its own visibility: a hidden bar still keeps its title clear of the buttons it will show.
        if (button->isVisibleTo(this))
            right = qMin(right, button->pos().x());
    }
    d->titleRect = QRectF(QPointF(left, d->rect.top()), QPointF(right, d->rect.bottom()));
    d->shownTitle.clear();
    d->shownTitleStale = d->showTitle && !d->title.isEmpty() && d->titleRect.width() > 0;
    update();
}

void ZtTVWallNormalTitleItem::changeEvent(QEvent* event)
{
    QGraphicsWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateShownTitle();
}

void ZtTVWallNormalTitleItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    Q_D(ZtTVWallNormalTitleItem);
    QColor fill(20, 30, 39);
    fill.setAlphaF(0.8);
    painter->fillRect(d->rect, fill);
    if (!d->icon.isNull() && !d->iconPicture.isNull())
        painter->drawPixmap(QPointF(2.0, (d->rect.height() - d->iconPicture.height()) / 2.0), d->iconPicture);
    if (d->shownTitleStale) {
        d->shownTitle = QFontMetrics(font()).elidedText(d->title, Qt::ElideRight, int(d->titleRect.width()));
        d->shownTitleStale = false;
    }
    if (d->shownTitle.isEmpty())
        return;
    painter->setPen(Qt::white);
    painter->setFont(font());
    d->titleLayout.draw(painter, d->titleRect, Qt::AlignLeft | Qt::AlignVCenter, d->shownTitle);
}

} // namespace ZtGUI
