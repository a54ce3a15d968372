#pragma once

#include <QFlags>
#include <QGraphicsView>
#include <QIcon>
#include <QList>
#include <QScopedPointer>
#include <QVariant>
#include "KitraExport.h"
#include "StructScaleRect.h"

class QEvent;
class QUndoStack;

namespace ZtGUI {

class ZtTVWallNormalWndPrivate;

/// The scene wall: a wall of screens on a grid, drawn on a graphics scene, on which the operator
/// opens, moves, resizes, selects and closes video windows. Screens and windows are addressed by
/// number (dense from 0); an invalid number makes a call do nothing and answer its failure value.
/// Every change is reported by a signal that carries the screen's number first.
class KITRA_EXPORT ZtTVWallNormalWnd : public QGraphicsView
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallNormalWnd)

public:
    /// How the operator's mouse selects windows on a screen: `NoSelection` (0) selects nothing
    /// and moves or resizes nothing; `SingleSelection` (1, the default) selects one window and its
    /// screen alone; `MultiSelection` (2) toggles windows on click, and a drag on a screen's empty
    /// part draws a band that selects every window it touches instead of asking for a new window.
    enum SelectionMode { NoSelection = 0, SingleSelection = 1, MultiSelection = 2 };
    Q_ENUM(SelectionMode)
    /// Reserved: the wall keeps an empty set of these.
    enum DragDropMode { NoDragDrop = 0x0, DragWindow = 0x1, DropWindow = 0x2 };
    Q_DECLARE_FLAGS(DragDropModes, DragDropMode)

    /// An empty wall (0 × 0 grid, no screens) with a folded overview in the bottom-right corner
    /// and no scroll bars; the style sheet comes from the skin folder "TVWallOperateWnd".
    explicit ZtTVWallNormalWnd(QWidget* parent = nullptr);
    /// Deletes the screens and their windows without emitting signals.
    ~ZtTVWallNormalWnd() override;

    /// Sets the wall grid of `iRows` × `iCols` cells drawn behind the screens and on the
    /// overview; call it before AddScreen(). Existing screens keep their place and spans.
    void SetTVWallGridCount(int iRows, int iCols);
    /// The grid rows, 0 until SetTVWallGridCount().
    int GetRowCount() const;
    /// The grid columns, 0 until SetTVWallGridCount().
    int GetColumnCount() const;
    /// Shows or hides every screen's content text and every window's title, now and for
    /// screens added later; hidden after construction.
    void SetWindowTitleShow(bool bShow);

    /// Adds a screen placed by `struScale` (fractions of the wall; its flag sets the screen's
    /// free mode) with the host's `userData` and the content text "Screen n". `icon` and
    /// `strTitle` are accepted but not shown. Returns the screen's number, or -1 with a warning
    /// while the grid has fewer than 1 row or column.
    int AddScreen(const StructScaleRect& struScale, const QIcon& icon, const QString& strTitle,
                  const QVariant& userData);
    /// AddScreen() without icon and title.
    int AddScreen(const StructScaleRect& struScale, const QVariant& userData);
    /// Deletes every screen with its windows, without signals; numbering starts again at 0.
    /// Always true.
    bool DeleteAllScreen();
    /// The number of screens.
    int GetScreenCount() const;
    /// Copies the rectangle of screen `iScreen` (fractions of the wall) into `struScale`; false
    /// for an invalid number.
    bool GetScreenScale(int iScreen, StructScaleRect& struScale) const;
    /// Accepted but not shown; true for a valid screen, false otherwise.
    bool SetScreenTitle(int iScreen, const QString& strTitle);
    /// Replaces the large text in the middle of screen `iScreen` ("Screen n" at first); false for
    /// an invalid number.
    bool SetScreenContentText(int iScreen, const QString& strText);
    /// Stores the host's value for screen `iScreen`; nothing for an invalid number.
    void SetScreenUserData(int iScreen, const QVariant& userData);
    /// The host's value for screen `iScreen`, or an invalid QVariant for an invalid number.
    QVariant GetScreenUserData(int iScreen);
    /// The lowest-numbered screen that is selected or has a selected window, or -1.
    int GetSelectedScreenIndex() const;
    /// Clears every selection (windows included, without SignalWindowSelectedChanged()) and
    /// selects screen `iScreen`; SignalScreenSelectedChanged() follows when it is not the screen
    /// last reported. Nothing for an invalid number.
    void SetSelectedScreenIndex(int iScreen);
    /// Turns free mode of screen `iScreen` on or off: out of free mode its windows cannot be
    /// moved or resized, lose their close, maximise and fit buttons, and report no close, volume
    /// or geometry signals. Nothing for an invalid number.
    void SetScreenFreeMode(int iScreen, bool bFreeMode);
    /// Whether screen `iScreen` is in free mode; false for an invalid number.
    bool IsScreenFreeMode(int iScreen) const;

    /// Opens a window at `struScale` (fractions of the screen; its flag makes the window free)
    /// on screen `iScreen`, above the screen's other windows, titled "Window n", with a volume
    /// button when SetAudioBtnVisible() allows. Returns its number, or -1 for an invalid screen.
    int OpenWindow(int iScreen, const StructScaleRect& struScale, const QVariant& userData);
    /// Deletes a window; later windows of the screen move down one number and are retitled.
    /// SignalWindowSelectedChanged() follows when it was selected. False for an invalid number.
    bool DeleteWindow(int iScreen, int iWindow);
    /// Deletes every window of screen `iScreen`; nothing for an invalid number.
    void DeleteAllWindows(int iScreen);
    /// Deletes every window of every screen.
    void DeleteAllWindows();
    /// Moves a window to `struScale` (fractions of its screen); SignalWindowGeoChanged() follows
    /// when it differs by more than 0.002 and the screen reports the window. False for an
    /// invalid number.
    bool SetWindowScale(int iScreen, int iWindow, const StructScaleRect& struScale);
    /// Copies a window's rectangle (fractions of its screen) into `struScale`; false for an
    /// invalid number.
    bool GetWindowScale(int iScreen, int iWindow, StructScaleRect& struScale) const;
    /// 0.002: two rectangles within this of each other in every corner count as equal.
    double GetWindowScalePrecision();
    /// The selected windows of the screen GetSelectedScreenIndex() names, ascending; empty when
    /// no screen is selected.
    QList<int> GetSelectedWindowIndexs();
    /// The other windows of that screen, ascending; empty when no screen is selected.
    QList<int> GetUnSelectedWindowIndexs();
    /// Selects window `iWindow` of screen `iScreen` alone among that screen's windows and emits
    /// SignalWindowSelectedChanged(); nothing for an invalid number.
    void SetSelectedWindowIndexs(int iScreen, int iWindow);
    /// The number of windows of screen `iScreen`; 0 for an invalid number.
    int GetWindowCount(int iScreen) const;
    /// 0 to GetWindowCount() - 1; empty for an invalid screen.
    QList<int> GetAllWindowIndexs(int iScreen);
    /// Sets a window's stacking value (higher is in front; selecting or dragging never changes
    /// it); false for an invalid number.
    bool SetWindowZValue(int iScreen, int iWindow, double dZValue);
    /// A window's stacking value, or -1.0 for an invalid number.
    double GetWindowZValue(int iScreen, int iWindow) const;
    /// The highest stacking value on screen `iScreen`, never below 0.0; 1.0 for an invalid screen.
    double GetMaxWindowZValue(int iScreen) const;
    /// Shows a window's volume button as on or off, as the host decided after
    /// SignalWindowVolumeBtnClicked(); no signal, nothing for an invalid number.
    void SetWindowVolumeBtn(int iScreen, int iWindow, bool bOn);
    /// Whether a window's volume button shows on; false for an invalid number.
    bool GetWindowVolumeBtnStatus(int iScreen, int iWindow) const;
    /// Sets the text drawn in the middle of a window and its tool tip; nothing for an invalid number.
    void SetWindowContentText(int iScreen, int iWindow, const QString& strText);
    /// Sets how clicks and drags select windows; switching to SingleSelection clears the window
    /// selection of the selected screen (with SignalWindowSelectedChanged() if any was selected).
    void SetWindowSelectionMode(SelectionMode mode);
    /// The current selection mode; SingleSelection after construction.
    SelectionMode GetWindowSelectionMode();
    /// Reserved: ignores `modes`.
    void SetWindowDragDropModes(QFlags<DragDropMode> modes);
    /// Always the empty set.
    QFlags<DragDropMode> GetWindowDragDropModes();
    /// Stores the host's value for a window; nothing for an invalid number.
    void SetWindowUserData(int iScreen, int iWindow, const QVariant& userData);
    /// The host's value for a window, or an invalid QVariant for an invalid number.
    QVariant GetWindowUserData(int iScreen, int iWindow);
    /// Back to 1:1 zoom with the overview folded (which emits nothing to the host).
    void RecoverEagleEye();
    /// Whether free windows opened from now on get a volume button; true after construction.
    void SetAudioBtnVisible(bool bVisible);
    /// Draws a window that appears narrower or lower than `pixels` on the view (zoom included)
    /// simplified: its fill, frame and selection only, without title bar, buttons or texts, and
    /// without buttons to click (a press there lands on the window). 0, the default, draws every
    /// window in full; a negative value is refused with a warning.
    void SetWindowDetailThreshold(int pixels);
    /// The value of SetWindowDetailThreshold(), 0 after construction.
    int GetWindowDetailThreshold() const;
    /// The operator's moves, resizes, maximise, restore and fit of windows, one command per
    /// gesture of the mouse or the keyboard, for the host's Edit menu; the host's own calls are
    /// not recorded. Undo and redo report each window they place with SignalWindowGeoChanged()
    /// and leave windows that are not free alone. Deleting a window or a screen clears it, since
    /// window numbers shift. Owned by the wall.
    QUndoStack* GetUndoStack() const;

signals:
    /// Any event `pEvent` that reached screen `iScreen` (mouse, hover, paint...); valid only
    /// during the call.
    void SignalScreenEvent(int iScreen, QEvent* pEvent);
    /// Screen `iScreen` became selected and differs from the screen last reported.
    void SignalScreenSelectedChanged(int iScreen);
    /// A release landed on an item that the host placed on screen `iScreen` with the screen close
    /// button's identifier (the wall places none itself).
    void SignalScreenCloseBtnClicked(int iScreen);
    /// A mouse, hover, context-menu, drag-enter or drop event `pEvent` reached window `iWindow`
    /// of screen `iScreen`; valid only during the call.
    void SignalWindowEvent(int iScreen, int iWindow, QEvent* pEvent);
    /// The set of selected windows of screen `iScreen` changed (a click, a band, a double click,
    /// a deletion or a call).
    void SignalWindowSelectedChanged(int iScreen);
    /// The operator clicked the close button of a window; the host calls DeleteWindow() if it agrees.
    void SignalWindowCloseBtnClicked(int iScreen, int iWindow);
    /// The operator clicked the volume button of a window; the host answers with SetWindowVolumeBtn().
    void SignalWindowVolumeBtnClicked(int iScreen, int iWindow);
    /// A window moved to `struScale` (fractions of its screen) by a drag, a resize, maximise, fit,
    /// restore or SetWindowScale(); only from screens in free mode.
    void SignalWindowGeoChanged(int iScreen, int iWindow, ZtGUI::StructScaleRect struScale);
    /// The operator drew the area `struScale` (fractions of the screen) on an empty part of screen
    /// `iScreen`; the host usually answers with OpenWindow(). Not in MultiSelection.
    void SignalDrawAreaOpenWindow(int iScreen, ZtGUI::StructScaleRect struScale);
    /// Declared for interface symmetry; never emitted (a double click on a window arrives as
    /// SignalWindowSelectedChanged()).
    void SignalWindowDoubleClicked(int iScreen);

protected:
    /// Reports the screens' events as SignalScreenEvent().
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Keeps the scene as large as the viewport, so the screens follow the widget's size.
    void resizeEvent(QResizeEvent* event) override;
    /// Zooms by 1.5 per step around the mouse, between 1:1 and 10:1; not over the overview.
    void wheelEvent(QWheelEvent* event) override;
    /// With the selected windows of the selected screen: arrows move them by a pixel (Shift: by
    /// a grid cell), Ctrl+arrows move their right or bottom edge by a pixel, Delete asks to close
    /// each, Return maximises or restores each, Tab and Shift+Tab select the next or previous
    /// window, Escape deselects them. Other keys go to the view.
    void keyPressEvent(QKeyEvent* event) override;
    /// Tab selects windows instead of leaving the wall.
    bool focusNextPrevChild(bool next) override;
    /// Hides the focus frame.
    void focusOutEvent(QFocusEvent* event) override;
    /// Draws the wall, and a frame in the accent colour around the viewport once the operator has used
    /// the keys while the wall has focus.
    void paintEvent(QPaintEvent* event) override;

private slots:
    void OnScreenCloseBtnClicked();
    void OnWindowCloseBtnClicked(int iWindow);
    void OnWindowVolumeBtnClicked(int iWindow);
    void OnWindowGeoChanged(int iWindow, ZtGUI::StructScaleRect struScale);
    void OnWindowEvent(int iWindow, QEvent* pEvent);
    void OnScreenSelected();
    void OnWindowSelectedChanged();
    void OnDrawAreaOpenWindow(ZtGUI::StructScaleRect struScale);
    void OnEagleEyeAreaChanged();
    void OnWindowDoubleClicked();

private:
    QScopedPointer<ZtTVWallNormalWndPrivate> d_ptr;
    bool m_bAudioBtnVisible = true;
};

} // namespace ZtGUI

Q_DECLARE_OPERATORS_FOR_FLAGS(ZtGUI::ZtTVWallNormalWnd::DragDropModes)
