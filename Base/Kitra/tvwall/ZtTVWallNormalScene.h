#pragma once

#include <QGraphicsScene>
#include <QScopedPointer>
#include "KitraExport.h"

namespace ZtGUI {

class ZtTVWallNormalScenePrivate;

/// The scene of the scene wall: knows the wall grid (rows × columns) and draws it as dashed lines
/// behind the screens.
class KITRA_EXPORT ZtTVWallNormalScene : public QGraphicsScene
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallNormalScene)

public:
    /// A scene with a grid of 0 × 0 cells, which draws no lines.
    explicit ZtTVWallNormalScene(QObject* parent = nullptr);
    ~ZtTVWallNormalScene() override;

    /// Sets the wall grid to `rows` × `cols` cells and repaints; a count below 1 draws no lines
    /// in that direction. Screens are not moved.
    void SetGridCount(int rows, int cols);
    /// The grid's row count, 0 until SetGridCount().
    int GetRowCount() const;
    /// The grid's column count, 0 until SetGridCount().
    int GetColumnCount() const;

protected:
    /// Draws the cell lines over the scene rectangle, white at alpha 50, dashed.
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    /// Accepts every wheel event once the items have seen it, so that it zooms the view instead
    /// of scrolling it.
    void wheelEvent(QGraphicsSceneWheelEvent* event) override;

private:
    QScopedPointer<ZtTVWallNormalScenePrivate> d_ptr;
};

} // namespace ZtGUI
