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
    explicit TVWallDisplayPTZSlider(QWidget* parent = nullptr);
    ~TVWallDisplayPTZSlider() override;

signals:
    void valueChanged(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QScopedPointer<TVWallDisplayPTZSliderPrivate> d_ptr;
};

} // namespace ZtGUI
