#include "ZtTVWallNormalEagleEye.h"
#include "ZtTVWallNormalEagleEye_p.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPainter>
#include "CommonFun.h"

namespace ZtGUI {

namespace {

// The map sits this far inside the panel's edge, leaving the panel's border visible.
const qreal kMapMargin = 4.0;

QPolygonF lowerRightTriangle(const QSizeF& size)
{
    return QPolygonF({QPointF(0.0, size.height()), QPointF(size.width(), size.height()), QPointF(size.width(), 0.0)});
}

// The view whose visible part the map frames and scrolls: the scene's first one.
QGraphicsView* firstView(const QGraphicsScene* scene)
{
    if (!scene || scene->views().isEmpty())
        return nullptr;
    return scene->views().first();
}

} // namespace

ZtTVWallNormalEagleEye::ZtTVWallNormalEagleEye(QGraphicsItem* parent)
    : QObject()
    , QGraphicsPolygonItem(parent)
    , d_ptr(new ZtTVWallNormalEagleEyePrivate)
{
    Q_D(ZtTVWallNormalEagleEye);
    d->background = QPixmap(CommonFun::GetSkinPath("Orvale", "TVWallOperateWnd/EagleEyeArea.png"));
    d->shrinkPicture = QPixmap(CommonFun::GetSkinPath("Orvale", "TVWallOperateWnd/ShrinkEagleEye.png"));
    d->expandPicture = QPixmap(CommonFun::GetSkinPath("Orvale", "TVWallOperateWnd/ExpandEagleEye.png"));

    // Without its panel there is no overview to show: the shapes stay empty, so that nothing
    // invisible sits on the wall and catches clicks.
    if (!d->background.isNull()) {
        const QSizeF panel = d->background.size();
        const QSizeF button = d->shrinkPicture.size();
        d->expandedShape = QPolygonF(QRectF(QPointF(0.0, 0.0), panel));
        d->collapsedShape = lowerRightTriangle(button);
        d->shrinkButton = d->collapsedShape.translated(panel.width() - button.width(),
                                                       panel.height() - button.height());
    }

    // Without a pen the shape is exactly the polygon: clicks in the button's transparent half fall
    // through, and the wall anchors the overview by the pictures' own size.
    setPen(Qt::NoPen);
    setPolygon(d->collapsedShape);
    setFlags(QGraphicsItem::ItemIsSelectable | QGraphicsItem::ItemIgnoresTransformations);
    setAcceptHoverEvents(true);
    setZValue(6500.0);
}

ZtTVWallNormalEagleEye::~ZtTVWallNormalEagleEye() = default;

void ZtTVWallNormalEagleEye::SetGrid(int rows, int cols)
{
    Q_D(ZtTVWallNormalEagleEye);
    d->rows = qMax(1, rows);
    d->cols = qMax(1, cols);
    update();
}

void ZtTVWallNormalEagleEye::Collapse()
{
    Q_D(ZtTVWallNormalEagleEye);
    if (d->collapsed)
        return;
    d->collapsed = true;
    setPolygon(d->collapsedShape);
    emit SignalAreaChanged();
}

bool ZtTVWallNormalEagleEye::IsCollapsed() const
{
    Q_D(const ZtTVWallNormalEagleEye);
    return d->collapsed;
}

void ZtTVWallNormalEagleEye::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(option);
    Q_UNUSED(widget);
    Q_D(ZtTVWallNormalEagleEye);
    if (d->background.isNull())
        return;

    // The wall paints without saving the painter's state between items.
    painter->save();
    const QRectF area = boundingRect();
    painter->setClipRect(area, Qt::IntersectClip);     // the panel is drawn inset; keep it inside the item
    if (d->collapsed) {
        painter->drawPixmap(area.bottomRight() - QPointF(d->expandPicture.width(), d->expandPicture.height()),
                            d->expandPicture);
        painter->restore();
        return;
    }

    painter->drawPixmap(area.topLeft() + QPointF(kMapMargin, kMapMargin), d->background);

    const QRectF map = area.adjusted(kMapMargin, kMapMargin, -kMapMargin, -kMapMargin);
    painter->setPen(QPen(QColor(77, 77, 80, 255), 1.0, Qt::DashLine));
    for (int r = 1; r < d->rows; ++r) {
        const qreal y = map.top() + map.height() * r / d->rows;
        painter->drawLine(QPointF(map.left() + 1.0, y), QPointF(map.right() - 1.0, y));
    }
    for (int c = 1; c < d->cols; ++c) {
        const qreal x = map.left() + map.width() * c / d->cols;
        painter->drawLine(QPointF(x, map.top() + 1.0), QPointF(x, map.bottom() - 1.0));
    }

    const QGraphicsScene* graphicsScene = scene();
    const QGraphicsView* view = firstView(graphicsScene);
    const QRectF sceneArea = graphicsScene ? graphicsScene->sceneRect() : QRectF();
    if (view && !sceneArea.isEmpty() && !map.isEmpty()) {
        const QRectF shown = view->mapToScene(view->viewport()->rect()).boundingRect();
        const qreal sx = map.width() / sceneArea.width();
        const qreal sy = map.height() / sceneArea.height();
        painter->setPen(QPen(Qt::red, 2.0));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(map.left() + (shown.left() - sceneArea.left()) * sx,
                                 map.top() + (shown.top() - sceneArea.top()) * sy,
                                 shown.width() * sx, shown.height() * sy));
    }

    painter->drawPixmap(area.bottomRight() - QPointF(d->shrinkPicture.width(), d->shrinkPicture.height()),
                        d->shrinkPicture);
    painter->restore();
}

void ZtTVWallNormalEagleEye::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    // Taking the press makes the overview the mouse grabber, so that the release comes here, and
    // keeps the click away from the screens below; the scene's selection is left as it was.
    event->accept();
}

void ZtTVWallNormalEagleEye::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    Q_D(ZtTVWallNormalEagleEye);
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF pos = event->pos();

    if (d->collapsed) {
        if (d->collapsedShape.containsPoint(pos, Qt::OddEvenFill)) {
            d->collapsed = false;
            setPolygon(d->expandedShape);
            emit SignalAreaChanged();
        }
        return;
    }
    if (d->shrinkButton.containsPoint(pos, Qt::OddEvenFill)) {
        Collapse();
        return;
    }
    if (!d->expandedShape.containsPoint(pos, Qt::OddEvenFill))
        return;     // pressed on the map but let go elsewhere

    QGraphicsView* view = firstView(scene());
    const QRectF map = boundingRect().adjusted(kMapMargin, kMapMargin, -kMapMargin, -kMapMargin);
    if (!view || map.isEmpty())
        return;
    const QTransform zoom = view->transform();
    if (qFuzzyIsNull(zoom.m11()) || qFuzzyIsNull(zoom.m22()))
        return;
    // The map shows the whole scene rectangle: a point on it stands for the same fraction of the
    // scene, measured at the view's zoom and brought back to scene units.
    const QRectF sceneArea = scene()->sceneRect();
    const QSizeF zoomed = zoom.mapRect(sceneArea).size();
    const QPointF onMap = pos - map.topLeft();
    view->centerOn(QPointF(sceneArea.left() + onMap.x() * zoomed.width() / map.width() / zoom.m11(),
                           sceneArea.top() + onMap.y() * zoomed.height() / map.height() / zoom.m22()));
}

} // namespace ZtGUI
