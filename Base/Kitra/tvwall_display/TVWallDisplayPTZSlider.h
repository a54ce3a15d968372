#pragma once

#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"

namespace ZtGUI {

class TVWallDisplayPTZSliderPrivate;

/// The PTZ speed slider of a display window: a handle dragged up and down a 154-pixel track,
/// giving speeds from 1 at the bottom to 8 at the top. It starts at 4.
class KITRA_EXPORT TVWallDisplayPTZSlider : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(TVWallDisplayPTZSlider)

public:
    /// A 22 × 154 pixel slider whose handle starts at speed 4.
    explicit TVWallDisplayPTZSlider(QWidget* parent = nullptr);
    ~TVWallDisplayPTZSlider() override;

signals:
    /// The handle was dragged to a new speed `value` (1 to 8).
    void valueChanged(int value);

protected:
    /// Drags the handle with the mouse.
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Paints the track, highlighted below the handle.
    void paintEvent(QPaintEvent* event) override;

private:
    QScopedPointer<TVWallDisplayPTZSliderPrivate> d_ptr;
};

} // namespace ZtGUI
