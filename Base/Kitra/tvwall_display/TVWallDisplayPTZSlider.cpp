#include "TVWallDisplayPTZSlider.h"
#include "TVWallDisplayPTZSlider_p.h"

#include "CommonFun.h"
#include "KitraCompat_p.h"
#include "KitraGuard_p.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace ZtGUI {

namespace {

const int kHandleSize = 20;
const int kTopmost = 5;
const int kLowest = 129;
const int kStep = 17;        // handle travel per speed step
const int kFillBelowTop = 10;

QString skinName()
{
    return CommonFun::GetSkinType() == CommonFun::E_SKIN_DARK ? QStringLiteral("Dark") : QStringLiteral("DustyBlue");
}

int valueAt(int handleTop)
{
    return (kLowest - handleTop) / kStep + 1;
}

} // namespace

TVWallDisplayPTZSlider::TVWallDisplayPTZSlider(QWidget* parent)
    : QWidget(parent)
    , d_ptr(new TVWallDisplayPTZSliderPrivate)
{
    Q_D(TVWallDisplayPTZSlider);
    setFixedSize(22, 154);
    const QString skin = skinName();
    d->track = QPixmap(QStringLiteral("./Skin/%1/Kitra/TVWallOperateWnd/ptz_slider_normal.png").arg(skin));
    d->filled = QPixmap(QStringLiteral("./Skin/%1/Kitra/TVWallOperateWnd/ptz_slider_select.png").arg(skin));
    const QString normal = QStringLiteral("./Skin/%1/Kitra/TVWallOperateWnd/ptz_slider_button_normal.png").arg(skin);
    const QString pressed = QStringLiteral("./Skin/%1/Kitra/TVWallOperateWnd/ptz_slider_button_select.png").arg(skin);

    d->handle = new QPushButton(this);
    d->handle->setFixedSize(kHandleSize, kHandleSize);
    d->handle->move(1, 67);
    d->handle->setFocusPolicy(Qt::NoFocus);
    d->handle->setAccessibleName(tr("Speed"));
    d->handle->setAccessibleDescription(tr("Drag to set the PTZ speed"));
    d->handle->setStyleSheet(QStringLiteral("QPushButton { border-image:url(%1); }QPushButton:pressed { border-image:url(%2); }")
                                 .arg(normal, pressed));
    // Qt drops moves that report no button unless the widget tracks the mouse; the drag wants them
    // while the handle is held (hover moves are ignored in the filter).
    d->handle->setMouseTracking(true);
    d->handle->installEventFilter(this);
    d->value = valueAt(d->handle->y());
}

TVWallDisplayPTZSlider::~TVWallDisplayPTZSlider() = default;

bool TVWallDisplayPTZSlider::eventFilter(QObject* watched, QEvent* event)
{
    Q_D(TVWallDisplayPTZSlider);
    if (watched != d->handle)
        return QWidget::eventFilter(watched, event);
    // Moves may arrive without the button state (synthesised ones do), so the press is remembered.
    const bool left = (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)
                      && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (left && event->type() == QEvent::MouseButtonPress) {
        d->grabOffset = static_cast<QMouseEvent*>(event)->pos().y();
        d->pressed = true;
    } else if (left) {
        d->pressed = false;
    } else if (event->type() == QEvent::Hide) {
        d->pressed = false;      // a hidden handle gets no release
    } else if (event->type() == QEvent::MouseMove) {
        if (!d->pressed)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int top = qBound(kTopmost, mapFromGlobal(KitraCompat::EventGlobalPos(mouse)).y() - d->grabOffset, kLowest);
        d->handle->move(d->handle->x(), top);
        update();
        const int value = valueAt(top);
        if (value != d->value) {
            d->value = value;
            // A slot that deleted the slider took the handle with it: the move must go no further.
            return !EmitAlive(this, &TVWallDisplayPTZSlider::valueChanged, value);
        }
    }
    return false;
}

void TVWallDisplayPTZSlider::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    Q_D(TVWallDisplayPTZSlider);
    QPainter painter(this);
    painter.drawPixmap(rect(), d->track);
    const QRect below(0, d->handle->y() + kFillBelowTop, width(), height() - d->handle->y() - kFillBelowTop);
    // The filled track is the same picture scale as the empty one: take its matching lower part.
    const qreal scale = qreal(d->filled.height()) / height();
    painter.drawPixmap(QRectF(below), d->filled,
                       QRectF(0.0, below.top() * scale, d->filled.width(), below.height() * scale));
}

} // namespace ZtGUI
