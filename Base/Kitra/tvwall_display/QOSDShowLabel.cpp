#include "QOSDShowLabel.h"
#include "QOSDShowLabel_p.h"

#include <QPainter>
#include <QTimerEvent>

namespace ZtGUI {

namespace {
// Milliseconds between steps, by speed.
const int kStepMs[] = {0, 42, 20, 15, 13};
} // namespace

QOSDShowLabel::QOSDShowLabel(QWidget* parent, int index)
    : QLabel(parent)
    , d_ptr(new QOSDShowLabelPrivate)
{
    Q_D(QOSDShowLabel);
    d->index = index;
    setWindowOpacity(1.0);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
}

QOSDShowLabel::~QOSDShowLabel() = default;

void QOSDShowLabel::SetInfo(const QString& text, const QColor& textColor, const QColor& backColor, const int& speed,
                            const int& alignment, const int& direction)
{
    Q_D(QOSDShowLabel);
    d->direction = direction;
    d->alignment = alignment;
    d->hasContent = true;
    d->text = text;
    d->filler.clear();
    const QFontMetrics metrics = fontMetrics();
    const int gap = width() - metrics.horizontalAdvance(text);
    const int space = metrics.horizontalAdvance(QLatin1Char(' '));
    if (gap > 7 && space > 0)
        d->filler = QString(gap / space, QLatin1Char(' '));
    d->text += d->filler;
    d->textColor = textColor;
    d->backColor = backColor;
    d->speed = qBound(0, speed, 4);
    update();
    updateGeometry();
}

void QOSDShowLabel::ClearInfo()
{
    Q_D(QOSDShowLabel);
    d->hasContent = false;
    update();
}

int QOSDShowLabel::GetIndex() const
{
    Q_D(const QOSDShowLabel);
    return d->index;
}

void QOSDShowLabel::SetUnSelect(bool bFlag)
{
    Q_UNUSED(bFlag);
}

QSize QOSDShowLabel::sizeHint() const
{
    Q_D(const QOSDShowLabel);
    return fontMetrics().size(0, d->text);
}

void QOSDShowLabel::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    Q_D(QOSDShowLabel);
    const int textWidth = fontMetrics().horizontalAdvance(d->text);
    if (!d->hasContent || textWidth < 1)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), d->backColor);
    if (d->selected) {
        painter.setPen(QColor(219, 221, 225));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.setPen(d->textColor);
    int x = d->direction == 0 ? d->offset - fontMetrics().horizontalAdvance(d->filler) : -d->offset;
    while (x > 0)
        x -= textWidth;
    for (; x < width(); x += textWidth)
        painter.drawText(QRect(x, 0, textWidth, height()), Qt::AlignLeft | Qt::AlignVCenter, d->text);
}

void QOSDShowLabel::showEvent(QShowEvent* event)
{
    Q_D(QOSDShowLabel);
    QLabel::showEvent(event);
    d->stopTimer(this);
    if (d->speed == 0)
        d->offset = 0;
    else
        d->timerId = startTimer(kStepMs[d->speed], Qt::CoarseTimer);
}

void QOSDShowLabel::hideEvent(QHideEvent* event)
{
    Q_D(QOSDShowLabel);
    d->stopTimer(this);
    QLabel::hideEvent(event);
}

void QOSDShowLabel::timerEvent(QTimerEvent* event)
{
    Q_D(QOSDShowLabel);
    if (event->timerId() != d->timerId) {
        QLabel::timerEvent(event);
        return;
    }
    if (++d->offset >= fontMetrics().horizontalAdvance(d->text))
        d->offset = 0;
    update();
}

} // namespace ZtGUI
