#pragma once

#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"

namespace ZtGUI {

class ZtTVWallDisplayFramePrivate;

/// The outline a display screen shows while the operator drags: kind 0 is the rubber band that
/// selects windows (a white line), kind 1 the area in which a window is to open (a filled box).
class KITRA_EXPORT ZtTVWallDisplayFrame : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallDisplayFrame)

public:
    /// A frame of `kind` 0 (selection band) or 1 (draw area) on `parent`, in light colours until SetSkin.
    ZtTVWallDisplayFrame(int kind, QWidget* parent);
    ~ZtTVWallDisplayFrame() override;

    /// The fill of a draw-area frame: light for the light skin, dark otherwise.
    void SetSkin(bool bLight);

protected:
    /// Paints the outline (and the fill of a draw area).
    void paintEvent(QPaintEvent* event) override;

private:
    QScopedPointer<ZtTVWallDisplayFramePrivate> d_ptr;
};

} // namespace ZtGUI
