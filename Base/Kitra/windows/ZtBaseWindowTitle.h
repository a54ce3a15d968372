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
        STRETCH_NONE = 0,
        STRETCH_TOP_LEFT = 1,
        STRETCH_TOP = 2,
        STRETCH_TOP_RIGHT = 3,
        STRETCH_RIGHT = 4,
        STRETCH_BOTTOM_RIGHT = 5,
        STRETCH_BOTTOM = 6,
        STRETCH_BOTTOM_LEFT = 7,
        STRETCH_LEFT = 8
    };

    explicit ZtBaseWindowTitle(QWidget* parent = nullptr);
    ~ZtBaseWindowTitle() override;

    /// Whether dragging the title moves the window (on at first).
    void SetOpenWidgetMoveEnable(bool enable);
    /// Whether a double click toggles maximised and normal (off at first).
    void SetOpenDoubleClickEnable(bool enable);
    /// Recomputes the stretch strips from the current size; showing the title bar does it too.
    void calculateCurrentStrechRect();

public slots:
    void OnImitateDoubleClick();
    void OnShowMinimized();
    void OnShowMaximized();
    void OnShowNormal();
    void OnShowMaxOrNormal();

signals:
    void SignalWndSizeStatusChanged();
    void SignalStartTitleStretch(int state, const QPoint& globalPos);
    void SignalTitleStretching(const QPoint& globalPos);
    void SignalEndTitleStretch();

protected:
    WindowStretchRectState getCurrentStretchState(QPoint pos);
    void updateMouseStyle(WindowStretchRectState state);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QScopedPointer<ZtBaseWindowTitlePrivate> d_ptr;
};

} // namespace ZtGUI
