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
    /// Wraps `content` (mouse tracking on for both) in a transparent sub-window of the MDI area `parent`.
    MovableSub(QWidget* content, QWidget* parent);
    ~MovableSub() override;

signals:
    /// The operator moved or resized the text by one mouse step.
    void sgGeometryChanged();
    /// The mouse was released; `move` is true when the size did not change (a pure move).
    void sgMouseReleased(bool move);

protected:
    /// Raises the text and starts a move (inside) or a resize (within 6 pixels of an edge).
    void mousePressEvent(QMouseEvent* event) override;
    /// Moves or resizes within the parent, or sets the hover cursor of the edge under the mouse.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Ends the move or resize and emits sgMouseReleased.
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QScopedPointer<MovableSubPrivate> d_ptr;
};

} // namespace ZtGUI
