#pragma once

#include <QMdiSubWindow>
#include <QScopedPointer>
#include "KitraExport.h"

namespace ZtGUI {

class MovableSubPrivate;

/// A frameless MDI sub-window around one on-screen-display text that the operator moves by its
/// inside and resizes by its edges and corners (6 pixels wide), always within its parent and
/// never 24 pixels or smaller.
class KITRA_EXPORT MovableSub : public QMdiSubWindow
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(MovableSub)

public:
    MovableSub(QWidget* content, QWidget* parent);
    ~MovableSub() override;

signals:
    void sgGeometryChanged();
    /// The mouse was released; `move` is true when the size did not change (a pure move).
    void sgMouseReleased(bool move);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QScopedPointer<MovableSubPrivate> d_ptr;
};

} // namespace ZtGUI
