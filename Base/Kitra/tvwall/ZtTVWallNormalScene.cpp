#include "ZtTVWallNormalScene.h"

#include <QGraphicsSceneWheelEvent>
#include <QPainter>

namespace ZtGUI {

class ZtTVWallNormalScenePrivate
{
public:
    int rows = 0;
    int cols = 0;
};

ZtTVWallNormalScene::ZtTVWallNormalScene(QObject* parent)
    : QGraphicsScene(parent)
    , d_ptr(new ZtTVWallNormalScenePrivate)
{
}

ZtTVWallNormalScene::~ZtTVWallNormalScene() = default;

void ZtTVWallNormalScene::SetGridCount(int rows, int cols)
{
    Q_D(ZtTVWallNormalScene);
    d->rows = rows;
    d->cols = cols;
    update();
}

int ZtTVWallNormalScene::GetRowCount() const
{
    return d_func()->rows;
}

int ZtTVWallNormalScene::GetColumnCount() const
{
    return d_func()->cols;
}

void ZtTVWallNormalScene::drawBackground(QPainter* painter, const QRectF& rect)
{
    Q_D(ZtTVWallNormalScene);
    QGraphicsScene::drawBackground(painter, rect);
    const QRect wall = sceneRect().toRect();
    QPen pen(QBrush(QColor(255, 255, 255, 50)), 1.0, Qt::CustomDashLine, Qt::SquareCap, Qt::BevelJoin);
    pen.setDashPattern({5, 10, 5, 10, 5, 10});
    painter->save();
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    for (int i = 1; i <= d->rows; ++i) {
        const int y = i * wall.height() / d->rows;
        painter->drawLine(wall.left(), y, wall.right(), y);
    }
    for (int j = 1; j <= d->cols; ++j) {
        const int x = j * wall.width() / d->cols;
        painter->drawLine(x, wall.top(), x, wall.bottom());
    }
    painter->restore();
}

void ZtTVWallNormalScene::wheelEvent(QGraphicsSceneWheelEvent* event)
{
    // The wheel zooms the view; items must not pass it on to scroll it.
    QGraphicsScene::wheelEvent(event);
    event->accept();
}

} // namespace ZtGUI
