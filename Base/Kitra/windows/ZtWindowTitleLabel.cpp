#include "ZtWindowTitleLabel.h"
#include "ZtWindowTitleLabel_p.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace ZtGUI {

namespace {

// Narrows `rect` so that content of `contentWidth` lands on the parent's centre `c`, or moves
// the alignment to the side that has room when the centred content would not fit.
int centreOnParent(QRect& rect, int align, int contentWidth, int c)
{
    const int half = contentWidth / 2;
    if (c > rect.right() || c + half > rect.right())
        return (align & ~Qt::AlignHCenter) | Qt::AlignRight;
    if (c - half < rect.left())
        return (align & ~Qt::AlignHCenter) | Qt::AlignLeft;
    rect.setLeft(c - half);
    rect.setRight(c + half);
    return align;
}

} // namespace

ZtWindowTitleLabel::ZtWindowTitleLabel(QWidget* parent)
    : QLabel(parent)
    , d_ptr(new ZtWindowTitleLabelPrivate)
{
}

ZtWindowTitleLabel::~ZtWindowTitleLabel() = default;

void ZtWindowTitleLabel::SetTitleText(const QString& text)
{
    Q_D(ZtWindowTitleLabel);
    d->titleText = text;
    update();
}

QString ZtWindowTitleLabel::TitleText() const
{
    Q_D(const ZtWindowTitleLabel);
    return d->titleText;
}

void ZtWindowTitleLabel::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    Q_D(const ZtWindowTitleLabel);
    const QPixmap picture = pixmap(Qt::ReturnByValue);
    if (picture.isNull() && d->titleText.isEmpty())
        return;
    const int contentWidth = picture.isNull() ? fontMetrics().horizontalAdvance(d->titleText) : picture.width();

    QPainter painter(this);
    drawFrame(&painter);
    QRect rect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());

    const bool rightToLeft = d->titleText.isRightToLeft();
    int align = QStyle::visualAlignment(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, alignment());
    align |= rightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    if ((align & Qt::AlignHCenter) && contentWidth < rect.width()) {
        const QWidget* owner = parentWidget();
        const int c = owner ? mapFromParent(owner->rect().center()).x() : rect.center().x();
        align = centreOnParent(rect, align, contentWidth, c);
    }

    if (!picture.isNull()) {
        style()->drawItemPixmap(&painter, rect, align, picture);
        return;
    }
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, rect, align, option.palette, isEnabled(), d->titleText, foregroundRole());
}

} // namespace ZtGUI
