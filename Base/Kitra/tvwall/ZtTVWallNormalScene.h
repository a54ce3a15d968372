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
    explicit ZtTVWallNormalScene(QObject* parent = nullptr);
    ~ZtTVWallNormalScene() override;

    void SetGridCount(int rows, int cols);
    int GetRowCount() const;
    int GetColumnCount() const;

protected:
    void drawBackground(QPainter* painter, const QRectF& rect) override;
    void wheelEvent(QGraphicsSceneWheelEvent* event) override;

private:
    QScopedPointer<ZtTVWallNormalScenePrivate> d_ptr;
};

} // namespace ZtGUI
