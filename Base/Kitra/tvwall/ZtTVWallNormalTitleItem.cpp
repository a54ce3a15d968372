#include "ZtTVWallNormalTitleItem.h"

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
    update();
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
    update();
}

void ZtTVWallNormalTitleItem::SetShowTitle(bool show)
{
    Q_D(ZtTVWallNormalTitleItem);
    d->showTitle = show;
    update();
}

bool ZtTVWallNormalTitleItem::IsShowTitle() const
{
    return d_func()->showTitle;
}

void ZtTVWallNormalTitleItem::SetButtonsVisible(bool visible)
{
    Q_D(ZtTVWallNormalTitleItem);
    d->buttonsVisible = visible;
    OnGeometryChanged();
}

void ZtTVWallNormalTitleItem::AddButton(QGraphicsPixmapItem* button)
{
    Q_D(ZtTVWallNormalTitleItem);
    if (!button)
        return;
    button->setParentItem(this);
    d->buttons.append(button);
    OnGeometryChanged();
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
    prepareGeometryChange();
    setGeometry(bar);
    d->rect = QRectF(QPointF(0.0, 0.0), bar.size());

    qreal x = d->rect.right();
    for (QGraphicsPixmapItem* button : qAsConst(d->buttons)) {
        const QRectF picture = button->boundingRect();
        x -= picture.width() + kButtonSpacing;
        button->setPos(x, (d->rect.height() - picture.height()) / 2.0);
        const QRectF placed(button->pos(), picture.size());
        button->setVisible(d->buttonsVisible && !placed.isEmpty() && d->rect.contains(placed));
    }
    update();
}

void ZtTVWallNormalTitleItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    Q_D(ZtTVWallNormalTitleItem);
    QColor fill(20, 30, 39);
    fill.setAlphaF(0.8);
    painter->fillRect(d->rect, fill);

    qreal textLeft = 2.0;
    if (!d->icon.isNull() && !d->iconPicture.isNull()) {
        painter->drawPixmap(QPointF(2.0, (d->rect.height() - d->iconPicture.height()) / 2.0), d->iconPicture);
        textLeft += d->iconPicture.width();
    }
    textLeft += 5.0;
    if (!d->showTitle || d->title.isEmpty())
        return;

    qreal textRight = d->rect.right();
    for (const QGraphicsPixmapItem* button : qAsConst(d->buttons)) {
        if (button->isVisible())
            textRight = qMin(textRight, button->pos().x());
    }
    const QRectF textRect(QPointF(textLeft, d->rect.top()), QPointF(textRight, d->rect.bottom()));
    if (textRect.width() <= 0)
        return;
    painter->setPen(Qt::white);
    painter->setFont(font());
    const QString elided = painter->fontMetrics().elidedText(d->title, Qt::ElideRight, int(textRect.width()));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, elided);
}

} // namespace ZtGUI
