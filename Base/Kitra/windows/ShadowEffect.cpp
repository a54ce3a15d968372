#include "ShadowEffect.h"
#include "ShadowEffect_p.h"

#include "WindowSystem_p.h"

#include <QEvent>
#include <QPainter>
#include <QtMath>

ShadowEffect::ShadowEffect(const QColor& colour, int width, Frame frame, bool suppressed, int maximumAlpha)
    : QWidget(nullptr)
    , d_ptr(new ShadowEffectPrivate)
{
    Q_D(ShadowEffect);
    d->colour = colour;
    d->width = qMax(0, width);
    d->frame = frame;
    d->suppressed = suppressed;
    d->maximumAlpha = qBound(0, maximumAlpha, 255);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    installEventFilter(this);
}

ShadowEffect::~ShadowEffect() = default;

void ShadowEffect::attachWidget(QWidget* target)
{
    Q_D(ShadowEffect);
    if (!target) {
        qWarning("ShadowEffect::attachWidget: null target");
        return;
    }
    if (d->target) {
        d->target->removeEventFilter(this);
        disconnect(d->target, nullptr, this, nullptr);
    }
    d->target = target;
    target->installEventFilter(this);
    // A top-level shadow would otherwise stay on screen around a target that is gone.
    connect(target, &QObject::destroyed, this, &QWidget::hide);
    if (isWindow(target)) {
        // A window's shadow is a window of its own, kept just below the target.
        setParent(target->parentWidget(), Qt::FramelessWindowHint | Qt::Tool);
    } else {
        setParent(target->parentWidget());
        stackUnder(target);
    }
    updatePos();
    if (d->suppressed || !target->isVisible())
        hide();
    else
        showBehindTarget();
}

void ShadowEffect::dettachWidget()
{
    hide();
}

void ShadowEffect::setValidRect(const QRect& rect)
{
    Q_D(ShadowEffect);
    d->validRectSet = true;
    d->validRect = rect;
    updatePos();
}

void ShadowEffect::setDefaultVisible(bool visible)
{
    Q_D(ShadowEffect);
    d->suppressed = !visible;
    // A shadow around nothing has no meaning: it shows only beside a visible target.
    if (visible && d->target && d->target->isVisible())
        showBehindTarget();
    else if (!visible)
        hide();
}

bool ShadowEffect::eventFilter(QObject* watched, QEvent* event)
{
    Q_D(ShadowEffect);
    if (watched == this && event->type() == QEvent::Paint) {
        paintShadow();
        return true;
    }
    if (d->target && watched == d->target)
        followTarget(event);
    return QWidget::eventFilter(watched, event);
}

bool ShadowEffect::isWindow(QWidget* widget) const
{
    return !widget->parent() || (widget->windowFlags() & Qt::Window);
}

void ShadowEffect::updatePos()
{
    Q_D(ShadowEffect);
    if (!d->target)
        return;
    QRect area = d->target->geometry();
    if (d->validRectSet)
        area = d->validRect.translated(area.topLeft());
    const int margin = plainFrame() ? 1 : d->width;
    setGeometry(area.adjusted(-margin, -margin, margin, margin));
}

// A window's shadow is a window of its own, which shows black where the window system cannot show
// translucency: there the shadow gives way to a plain one-pixel frame in its colour.
bool ShadowEffect::plainFrame() const
{
    Q_D(const ShadowEffect);
    return d->target && isWindow(d->target) && !ZtGUI::TranslucentWindowsShown(d->target);
}

void ShadowEffect::followTarget(const QEvent* event)
{
    Q_D(ShadowEffect);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        updatePos();
        break;
    case QEvent::Close:
        close();
        break;
    case QEvent::Hide:
        hide();
        break;
    case QEvent::Show:
        if (!d->suppressed)
            showBehindTarget();
        break;
    case QEvent::WindowActivate:
        if (!d->suppressed && isWindow(d->target))
            showBehindTarget();
        break;
    default:
        break;
    }
}

void ShadowEffect::showBehindTarget()
{
    Q_D(ShadowEffect);
    if (!isWindow(d->target)) {
        show();
        return;
    }
    raise();
    show();
    d->target->raise();
}

void ShadowEffect::paintShadow()
{
    Q_D(const ShadowEffect);
    const int w = d->width;
    const qreal maximum = d->maximumAlpha;
    const bool left = d->frame & FrameLeft;
    const bool top = d->frame & FrameTop;
    const bool right = d->frame & FrameRight;
    const bool bottom = d->frame & FrameBottom;
    const QRect r = QRect(0, 0, width() + 1, height() + 1).adjusted(w, w, -w, -w);

    QPainter painter(this);
    QColor colour = d->colour;
    if (plainFrame()) {
        colour.setAlpha(255);
        painter.setPen(colour);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < w; ++i) {
        // Alpha falls with the square root of the distance, so the shadow thins out softly.
        colour.setAlpha(qBound(0, int(maximum - qSqrt(i) * maximum / qSqrt(w)), 255));
        painter.setPen(colour);
        // Outer lines reach less far round the corner, which curves it.
        int k = i;
        if (i + 2 > w / M_SQRT2)
            k = int(qSqrt(qreal(w * w - (i + 1) * (i + 1)))) - 3;
        if (left)
            painter.drawLine(r.left() - i, r.top() + (top ? -k : i), r.left() - i, r.bottom() + (bottom ? k : -i));
        if (right)
            painter.drawLine(r.right() + i, r.top() + (top ? -k : i), r.right() + i, r.bottom() + (bottom ? k : -i));
        if (top)
            painter.drawLine(r.left() + (left ? -k : i), r.top() - i, r.right() + (right ? k : -i), r.top() - i);
        if (bottom)
            painter.drawLine(r.left() + (left ? -k : i), r.bottom() + i, r.right() + (right ? k : -i), r.bottom() + i);
    }
}
