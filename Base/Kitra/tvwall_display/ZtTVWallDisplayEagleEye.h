#pragma once

#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"

namespace ZtGUI {

class ZtTVWallDisplayEagleEyePrivate;

/// The overview of a display wall: a small map of the wall grid with a red frame around the part
/// of the wall in view. It starts folded into its expand button; a click on the button opens the
/// map, a click or drag on the map asks for the view to centre there, and the button in the
/// map's corner folds it again. Its owner keeps it in place when `SignalAreaChanged` reports a
/// new size.
class KITRA_EXPORT ZtTVWallDisplayEagleEye : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallDisplayEagleEye)

public:
    /// A folded overview with a 1 × 1 grid and an empty view frame, sized to its expand button.
    explicit ZtTVWallDisplayEagleEye(QWidget* parent);
    ~ZtTVWallDisplayEagleEye() override;

    /// The wall grid drawn on the map; counts below 1 count as 1.
    void SetGrid(int iRows, int iCols);
    /// The part of the wall in view, in fractions of the whole wall.
    void SetViewportRect(float fX, float fY, float fWidth, float fHeight);
    /// Whether the overview is folded into its expand button (true at start).
    bool IsCollapsed() const;

signals:
    /// The overview opened or folded, so its size changed.
    void SignalAreaChanged();
    /// The view should show the wall from (fX, fY), in fractions of the wall, to centre the
    /// pointer's position.
    void SignalLocated(float fX, float fY);

protected:
    /// Paints the expand button, or the map with its grid, the red view frame and the fold button.
    void paintEvent(QPaintEvent* event) override;
    /// A drag on the open map reports SignalLocated (or folds it over the fold button).
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Opens or folds the overview on its buttons, otherwise reports SignalLocated.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QScopedPointer<ZtTVWallDisplayEagleEyePrivate> d_ptr;
};

} // namespace ZtGUI
