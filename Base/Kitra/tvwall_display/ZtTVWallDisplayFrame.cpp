#include "ZtTVWallDisplayFrame.h"
#include "ZtTVWallDisplayFrame_p.h"

#include <QPainter>

namespace ZtGUI {

ZtTVWallDisplayFrame::ZtTVWallDisplayFrame(int kind, QWidget* parent)
    : QWidget(parent)
    , d_ptr(new ZtTVWallDisplayFramePrivate)
{
    Q_D(ZtTVWallDisplayFrame);
    d->kind = kind;
}

ZtTVWallDisplayFrame::~ZtTVWallDisplayFrame() = default;

void ZtTVWallDisplayFrame::SetSkin(bool bLight)
{
    Q_D(ZtTVWallDisplayFrame);
    d->light = bLight;
    update();
}

void ZtTVWallDisplayFrame::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    Q_D(ZtTVWallDisplayFrame);
    QPainter painter(this);
    if (d->kind == 1) {
        painter.setPen(QColor(76, 81, 87));
        painter.setBrush(d->light ? QColor(233, 234, 236) : QColor(41, 41, 41));
    } else {
        painter.setPen(Qt::white);
        painter.setBrush(QColor(255, 255, 255, 0));
    }
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ZtGUI
