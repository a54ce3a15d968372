#include "ZtTVWallNormalTitleItem.h"

#include <QFontMetrics>
#include <QGraphicsPixmapItem>
#include <QIcon>
#include <QPainter>

namespace ZtGUI {

namespace {
const qreal kTitleHeight = 24.0;
const qreal kButtonSpacing = 7.0;
const char* const kTitleIconFile = "./Skin/ZtGui/DustyBlue/TVWallOperateWnd/ScreenTitleIcon.png";
}

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
    // paint would dominate the cost of drawing a large wall.
    QString shownTitle;
    QRectF titleRect;
};

ZtTVWallNormalTitleItem::ZtTVWallNormalTitleItem(QGraphicsWidget* window)
    : QGraphicsWidget(window)
    , d_ptr(new ZtTVWallNormalTitleItemPrivate)
{
    Q_D(ZtTVWallNormalTitleItem);
    d->window = window;
    if (window)
        connect(window, &QGraphicsWidget::geometryChanged, this, &ZtTVWallNormalTitleItem::OnGeometryChanged);
    OnGeometryChanged();
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
    LayoutButtons();
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
    for (QGraphicsPixmapItem* button : qAsConst(d->buttons)) {
        const QRectF picture = button->boundingRect();
        x -= picture.width() + kButtonSpacing;
        button->setPos(x, (d->rect.height() - picture.height()) / 2.0);
        const QRectF placed(button->pos(), picture.size());
        button->setVisible(d->buttonsVisible && !placed.isEmpty() && d->rect.contains(placed));
    }
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
        if (button->isVisible())
            right = qMin(right, button->pos().x());
    }
    d->titleRect = QRectF(QPointF(left, d->rect.top()), QPointF(right, d->rect.bottom()));
    d->shownTitle.clear();
    if (d->showTitle && !d->title.isEmpty() && d->titleRect.width() > 0)
        d->shownTitle = QFontMetrics(font()).elidedText(d->title, Qt::ElideRight, int(d->titleRect.width()));
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
    if (d->shownTitle.isEmpty())
        return;
    painter->setPen(Qt::white);
    painter->setFont(font());
    painter->drawText(d->titleRect, Qt::AlignLeft | Qt::AlignVCenter, d->shownTitle);
}

} // namespace ZtGUI
