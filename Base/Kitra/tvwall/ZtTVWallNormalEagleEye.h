#pragma once

#include <QGraphicsPolygonItem>
#include <QObject>
#include <QScopedPointer>
#include "KitraExport.h"

namespace ZtGUI {

class ZtTVWallNormalEagleEyePrivate;

/// The overview of a scene wall: a small map of the whole scene with the wall grid and a red frame
/// around the part that the view shows. It starts as a triangular expand button; a click on it opens
/// the map, a click on the map scrolls the view there, and the triangle in the map's corner folds it
/// again. It keeps its size on screen however far the view zooms; the wall keeps it in the view's
/// bottom-right corner whenever `SignalAreaChanged` reports a new shape.
class KITRA_EXPORT ZtTVWallNormalEagleEye : public QObject, public QGraphicsPolygonItem
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallNormalEagleEye)

public:
    /// A folded overview with a 1 × 1 grid.
    explicit ZtTVWallNormalEagleEye(QGraphicsItem* parent = nullptr);
    ~ZtTVWallNormalEagleEye() override;

    /// The wall grid drawn on the map; counts below 1 count as 1.
    void SetGrid(int rows, int cols);
    /// Folds an open map back into the expand button; does nothing when already folded.
    void Collapse();
    /// True while the overview shows only its expand button; true after construction.
    bool IsCollapsed() const;

    /// Draws the expand button, or the map with its grid, the red frame of the visible part and
    /// the fold triangle.
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget = nullptr) override;

signals:
    /// The overview opened or folded, so its size changed.
    void SignalAreaChanged();

protected:
    /// Takes the press so that it does not reach the screens below.
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    /// A left click opens, folds or scrolls the view, as described for the class.
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    QScopedPointer<ZtTVWallNormalEagleEyePrivate> d_ptr;
};

} // namespace ZtGUI
