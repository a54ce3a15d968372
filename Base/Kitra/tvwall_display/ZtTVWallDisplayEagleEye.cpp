#include "ZtTVWallDisplayEagleEye.h"
#include "ZtTVWallDisplayEagleEye_p.h"

#include "CommonFun.h"

#include <QMouseEvent>
#include <QPainter>

namespace ZtGUI {

namespace {

// The map lies this far inside the widget, so that the panel's border shows around it.
const int kMapMargin = 4;

QPolygon lowerRightTriangle(const QSize& size)
{
    return QPolygon({QPoint(0, size.height()), QPoint(size.width(), size.height()), QPoint(size.width(), 0)});
}

} // namespace

QPolygon ZtTVWallDisplayEagleEyePrivate::inCorner(const QPolygon& button, const QPixmap& picture, const QSize& size)
{
    return button.translated(size.width() - picture.width(), size.height() - picture.height());
}

void ZtTVWallDisplayEagleEyePrivate::setCollapsed(ZtTVWallDisplayEagleEye* eye, bool collapse)
{
    collapsed = collapse;
    eye->resize(collapse ? expandPicture.size()
                         : area.size() + QSize(2 * kMapMargin, 2 * kMapMargin));
    eye->update();
    emit eye->SignalAreaChanged();
}

ZtTVWallDisplayEagleEye::ZtTVWallDisplayEagleEye(QWidget* parent)
    : QWidget(parent)
    , d_ptr(new ZtTVWallDisplayEagleEyePrivate)
{
    Q_D(ZtTVWallDisplayEagleEye);
    d->area = QPixmap(CommonFun::GetSkinPath(QStringLiteral("Kitra"), QStringLiteral("TVWallOperateWnd/EagleEyeArea.png")));
    d->shrinkPicture = QPixmap(CommonFun::GetSkinPath(QStringLiteral("Kitra"), QStringLiteral("TVWallOperateWnd/ShrinkEagleEye.png")));
    d->expandPicture = QPixmap(CommonFun::GetSkinPath(QStringLiteral("Kitra"), QStringLiteral("TVWallOperateWnd/ExpandEagleEye.png")));
    d->shrinkButton = lowerRightTriangle(d->shrinkPicture.size());
    d->expandButton = lowerRightTriangle(d->expandPicture.size());
    resize(d->expandPicture.size());
}

ZtTVWallDisplayEagleEye::~ZtTVWallDisplayEagleEye() = default;

void ZtTVWallDisplayEagleEye::SetGrid(int iRows, int iCols)
{
    Q_D(ZtTVWallDisplayEagleEye);
    d->rows = qMax(1, iRows);
    d->cols = qMax(1, iCols);
    update();
}

void ZtTVWallDisplayEagleEye::SetViewportRect(float fX, float fY, float fWidth, float fHeight)
{
    Q_D(ZtTVWallDisplayEagleEye);
    d->viewport = QRectF(fX, fY, fWidth, fHeight);
    update();
}

bool ZtTVWallDisplayEagleEye::IsCollapsed() const
{
    Q_D(const ZtTVWallDisplayEagleEye);
    return d->collapsed;
}

void ZtTVWallDisplayEagleEye::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    Q_D(ZtTVWallDisplayEagleEye);
    QPainter painter(this);
    if (d->collapsed) {
        painter.drawPixmap(rect().bottomRight() - QPoint(d->expandPicture.width(), d->expandPicture.height()) + QPoint(1, 1),
                           d->expandPicture);
        return;
    }
    const QRect map = rect().adjusted(kMapMargin, kMapMargin, -kMapMargin, -kMapMargin);
    painter.drawPixmap(map, d->area);

    painter.setPen(QPen(QColor(77, 77, 80), 1, Qt::DashLine));
    for (int i = 1; i < d->rows; ++i) {
        const int y = int(map.top() + i * map.height() / double(d->rows) + 0.5);
        painter.drawLine(map.left(), y, map.right(), y);
    }
    for (int j = 1; j < d->cols; ++j) {
        const int x = int(map.left() + j * map.width() / double(d->cols) + 0.5);
        painter.drawLine(x, map.top(), x, map.bottom());
    }

    painter.setPen(QPen(Qt::red, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(int(map.left() + map.width() * d->viewport.x() + 0.5),
                           int(map.top() + map.height() * d->viewport.y() + 0.5),
                           int(map.width() * d->viewport.width() + 0.5),
                           int(map.height() * d->viewport.height() + 0.5)));

    painter.drawPixmap(rect().bottomRight() - QPoint(d->shrinkPicture.width(), d->shrinkPicture.height()) + QPoint(1, 1),
                       d->shrinkPicture);
}

void ZtTVWallDisplayEagleEye::mouseMoveEvent(QMouseEvent* event)
{
    Q_D(ZtTVWallDisplayEagleEye);
    if (d->collapsed)
        return;
    if (d->inCorner(d->shrinkButton, d->shrinkPicture, size()).containsPoint(event->pos(), Qt::OddEvenFill)) {
        d->setCollapsed(this, true);
        return;
    }
    const QRect map = rect().adjusted(kMapMargin, kMapMargin, -kMapMargin, -kMapMargin);
    if (map.isEmpty() || !rect().contains(event->pos()))
        return;
    // The frame's top-left corner that puts its centre under the pointer.
    const QPointF onMap = event->pos() - map.topLeft();
    emit SignalLocated(float((onMap.x() - map.width() * d->viewport.width() / 2) / map.width()),
                       float((onMap.y() - map.height() * d->viewport.height() / 2) / map.height()));
}

void ZtTVWallDisplayEagleEye::mouseReleaseEvent(QMouseEvent* event)
{
    Q_D(ZtTVWallDisplayEagleEye);
    if (event->button() != Qt::LeftButton)
        return;
    if (d->collapsed) {
        if (d->inCorner(d->expandButton, d->expandPicture, size()).containsPoint(event->pos(), Qt::OddEvenFill))
            d->setCollapsed(this, false);
        return;
    }
    mouseMoveEvent(event);
}

} // namespace ZtGUI
