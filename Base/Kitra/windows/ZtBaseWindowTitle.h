#pragma once

#include <QPoint>
#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"
#include "ZtWindowGeometryFactory.h"

namespace ZtGUI {

class ZtBaseWindowTitlePrivate;

/// The title bar of a frameless window: dragging it moves its top window (the grip point stays on
/// the available desktop), a double click maximises or restores it once enabled, and presses in
/// the 4-pixel strips along its top and sides report stretch gestures for the window to perform.
class KITRA_EXPORT ZtBaseWindowTitle : public QWidget, public ZtWindowGeometryFactory
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtBaseWindowTitle)

public:
    /// The region of a frameless window under the cursor; the title bar produces only the top
    /// and side values, the bottom ones belong to the window's frame.
    enum WindowStretchRectState {
        STRETCH_NONE = 0, ///< outside every strip: arrow cursor
        STRETCH_TOP_LEFT = 1, ///< top-left corner: diagonal resize cursor
        STRETCH_TOP = 2, ///< top edge: vertical resize cursor
        STRETCH_TOP_RIGHT = 3, ///< top-right corner: anti-diagonal resize cursor
        STRETCH_RIGHT = 4, ///< right edge: horizontal resize cursor
        STRETCH_BOTTOM_RIGHT = 5, ///< bottom-right corner of the window's frame
        STRETCH_BOTTOM = 6, ///< bottom edge of the window's frame
        STRETCH_BOTTOM_LEFT = 7, ///< bottom-left corner of the window's frame
        STRETCH_LEFT = 8 ///< left edge: horizontal resize cursor
    };

    /// A title bar that moves its window when dragged; double click is off until enabled.
    explicit ZtBaseWindowTitle(QWidget* parent = nullptr);
    ~ZtBaseWindowTitle() override;

    /// Whether dragging the title moves the window (on at first).
    void SetOpenWidgetMoveEnable(bool enable);
    /// Whether a double click toggles maximised and normal (off at first).
    void SetOpenDoubleClickEnable(bool enable);
    /// Recomputes the stretch strips from the current size; showing the title bar does it too.
    void calculateCurrentStrechRect();

public slots:
    /// Acts as a double click: toggles maximised and normal, but only once double click is enabled.
    void OnImitateDoubleClick();
    /// Minimises the top window, then emits SignalWndSizeStatusChanged(); nothing without a top window.
    void OnShowMinimized();
    /// Maximises the top window over its screen's available area (task bars stay visible), then emits
    /// SignalWndSizeStatusChanged(); nothing without a top window.
    void OnShowMaximized();
    /// Restores the top window to the geometry saved when it was maximised or made full screen, then
    /// emits SignalWndSizeStatusChanged(); nothing without a top window.
    void OnShowNormal();
    /// Restores a maximised or full-screen top window, maximises any other, then emits
    /// SignalWndSizeStatusChanged(); nothing without a top window. The maximise button's slot.
    void OnShowMaxOrNormal();

signals:
    /// Fires after every minimise, maximise or restore through the slots, and whenever the title bar is
    /// resized; read the window's state with IsMaximized() and IsFullScreen().
    void SignalWndSizeStatusChanged();
    /// A left press in a stretch strip started a resize: `state` is the WindowStretchRectState of the
    /// strip, `globalPos` the press in global pixels.
    void SignalStartTitleStretch(int state, const QPoint& globalPos);
    /// The mouse moved during a resize that started in a strip; `globalPos` is the cursor in global pixels.
    void SignalTitleStretching(const QPoint& globalPos);
    /// The button was released after a resize that started in a strip.
    void SignalEndTitleStretch();

protected:
    /// The strip under `pos` (title-bar pixels): the corners first, then the top, right and left edges;
    /// STRETCH_NONE outside them.
    WindowStretchRectState getCurrentStretchState(QPoint pos);
    /// Sets the resize cursor of `state`; the bottom values and STRETCH_NONE give the arrow.
    void updateMouseStyle(WindowStretchRectState state);

    /// A left press starts a drag, or a stretch gesture inside a strip; a maximised or full-screen window
    /// does not move.
    void mousePressEvent(QMouseEvent* event) override;
    /// Ends a drag or a stretch gesture.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// A left double click calls OnImitateDoubleClick().
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// Moves the window during a drag, keeping the grip point on the available desktop; otherwise
    /// reports stretching or updates the resize cursor (not while the window is maximised).
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Emits SignalWndSizeStatusChanged(); the strips keep the size of the last show.
    void resizeEvent(QResizeEvent* event) override;
    /// Recomputes the stretch strips for the current size.
    void showEvent(QShowEvent* event) override;

private:
    QScopedPointer<ZtBaseWindowTitlePrivate> d_ptr;
};

} // namespace ZtGUI
