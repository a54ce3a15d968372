#pragma once

#include <QIcon>
#include <QList>
#include <QScopedPointer>
#include <QVariant>
#include <QWidget>
#include <string>
#include <vector>
#include "KitraExport.h"
#include "StructOSDInfo.h"
#include "StructScaleRect.h"

class QEvent;
class QUndoStack;

namespace ZtGUI {

class ZtTVWallDisplayWndPrivate;

/// The display wall: a grid of monitor cells on which screens (MDI areas) are placed by
/// rectangles in fractions of the wall, each holding video windows. Screens and windows are
/// addressed by position; a bad index makes a call do nothing and answer its failure value.
/// Every screen signal comes back as a wall signal with the screen's index in front.
/// Screens are placed when the wall is resized.
///
/// What the operator does to windows (a move of one or several windows, a resize, a maximise or
/// restore, by mouse or keyboard) is one command on the wall's undo stack; calls of the host are
/// not recorded. With focus on the wall (a click on it gives focus) the keyboard works on the
/// selected windows of the selected screen: arrows move them by one pixel, Shift+arrows by one
/// monitor cell, Ctrl+arrows move their right or bottom edge by one pixel, Delete asks the host
/// to close them, Return maximises or restores them, Tab and Shift+Tab select the next or previous
/// window, Escape clears the selection. Locks, the screen's edges, the smallest window size
/// (50 x 25 pixels) and NoSelection (nothing moves) hold as for the mouse.
class KITRA_EXPORT ZtTVWallDisplayWnd : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallDisplayWnd)

public:
    /// How clicks and drags on a screen's windows select them. `NoSelection` (0): a click toggles a
    /// window, windows cannot be dragged. `SingleSelection` (1, the default): a click selects one
    /// window, a drag moves or resizes it. `MultiSelection` (2): clicks toggle, a drag moves the
    /// selected windows together, and a drag on the background draws a selecting band instead of
    /// an area to open a window in.
    enum SelectionMode { NoSelection = 0, SingleSelection = 1, MultiSelection = 2 };
    Q_ENUM(SelectionMode)

    /// An empty wall without a grid; the wall is light unless the skin folder setting is "Dark".
    explicit ZtTVWallDisplayWnd(QWidget* parent = nullptr);
    /// Deletes every screen and window with the wall.
    ~ZtTVWallDisplayWnd() override;

    /// Sets the wall's monitor grid (rows × columns) that screens are placed on; call it before
    /// AddScreen. No repaint is requested; screens already added keep their span.
    void SetTVWallGridCount(int iRows, int iCols);
    /// Rows of the wall grid (0 until SetTVWallGridCount).
    int GetRowCount() const;
    /// Columns of the wall grid (0 until SetTVWallGridCount).
    int GetColumnCount() const;
    /// Adds a screen without icon or title; see the four-argument form.
    int AddScreen(const StructScaleRect& scale, const QVariant& userData);
    /// Adds a screen at `scale` (fractions of the wall, 0…1) covering the grid cells it spans, and
    /// remembers `icon`, `title` and `userData` with it. It takes its size on the wall's next resize.
    /// Returns the new screen's index, or -1 (with a warning) before a grid is set.
    int AddScreen(const StructScaleRect& scale, const QIcon& icon, const QString& title, const QVariant& userData);
    /// Deletes every screen with its windows; screen indexes start again at 0. Always true.
    bool DeleteAllScreen();
    /// The number of screens; valid screen indexes are 0 … count − 1.
    int GetScreenCount() const;
    /// Copies the screen's place on the wall (fractions of the wall) into `scale`; false for a bad index.
    bool GetScreenScale(int iScreen, StructScaleRect& scale) const;
    /// The grid rows and columns the screen covers; 1 and 1 for a bad index.
    void GetScreenGrid(int iScreen, int& iRows, int& iCols);
    /// Stores a title with the screen (not drawn); false for a bad index.
    bool SetScreenTitle(int iScreen, const QString& title);
    /// Stores a content text with the screen (not drawn); false for a bad index.
    bool SetScreenContentText(int iScreen, const QString& text);
    /// Keeps a host value with the screen; a bad index stores nothing.
    void SetScreenUserData(int iScreen, const QVariant& userData);
    /// The screen's host value; an invalid QVariant for a bad index.
    QVariant GetScreenUserData(int iScreen);
    /// The index of the selected screen (blue border), or -1 when none is selected.
    int GetSelectedScreenIndex() const;
    /// Selects the screen and unselects the others (and their windows) without a signal;
    /// a bad index changes nothing.
    void SetSelectedScreenIndex(int iScreen);
    /// Stores a background colour for the screen and switches its colour mode (`bShow`); in colour mode
    /// right clicks and double clicks on OSD texts report SignalLabelEvent; `false` hides the
    /// OSD texts. The colour is not drawn. False for a bad index.
    bool SetScreenWindowBackgroudColor(int iScreen, const QColor& color, bool bShow);
    /// Stores a background picture path and flag for the screen (a ".yuv" path is stored as ".jpg");
    /// the picture is not drawn. False for a bad index.
    bool SetScreenBaseMapShow(int iScreen, std::string strPath, bool bShow);
    /// Replaces the screen's on-screen-display texts (ids are positions in `vecInfo`, rectangles in
    /// 1/8192 of the screen). A screen shows at most eight: further records are dropped
    /// silently. False for a bad index.
    bool SetScreenOSDInfo(int iScreen, std::vector<StructOSDInfo>& vecInfo);
    /// Shows or hides every OSD text of the screen, whatever ids are given.
    void SetScreenOSDVisible(int iScreen, const std::vector<int>& vecId, bool bVisible);
    /// Stores a flag in the selected screen; it has no visible effect.
    void SetPtzFrameSelectedEnable(bool bEnable);
    /// `true` removes the one-pixel seam between existing screens (applied when the wall is next resized).
    void SetDeviceType(bool bDeviceType);
    /// Locks the whole wall: windows of every screen can no longer be moved, resized or maximised;
    /// a mouse attempt ends in SignalLockEvent("TVWall Locked!").
    void SetTVWallLockStatus(bool bLock);
    /// Whether SetTVWallLockStatus locked the wall.
    bool GetTVWallLockStatus();
    /// Whether windows opened from now on show the title "Window n" (n = user data + 1).
    void SetWindowTitleShow(bool bShow);
    /// Whether windows of screens added from now on get a lock button in their title bar (default true).
    void ShowWndLockBtn(bool bShow);
    /// Whether windows of screens added from now on get a volume button (default true).
    void ShowWndAudioBtn(bool bShow);
    /// Whether windows of screens added from now on get a tour button (default true).
    void ShowWndCircleBtn(bool bShow);

    /// Opens a video window on the screen at `scale` (fractions of the screen); returns its index, or -1
    /// for a bad screen. Only a window with `bFreeMode` set reports its title-bar buttons and geometry.
    int OpenWindow(int iScreen, const StructScaleRect& scale, const QVariant& userData);
    /// Deletes the window; later windows move down one index. False for a bad index.
    /// Reports SignalWindowSelectedChanged when the window was selected.
    bool DeleteWindow(int iScreen, int iWindow);
    /// Deletes every window of one screen (nothing for a bad index), without a signal.
    void DeleteAllWindows(int iScreen);
    /// Deletes every window of every screen, without a signal.
    void DeleteAllWindows();
    /// Moves and resizes the window to `scale` (fractions of the screen); a change larger than
    /// GetWindowScalePrecision() is reported by SignalWindowGeoChanged. A locked window does not move.
    /// False for a bad index.
    bool SetWindowScale(int iScreen, int iWindow, const StructScaleRect& scale);
    /// Copies the window's current scale into `scale`; false for a bad index.
    bool GetWindowScale(int iScreen, int iWindow, StructScaleRect& scale) const;
    /// The smallest scale change a window acts on: 0.001.
    double GetWindowScalePrecision();
    /// The indexes of the selected windows of the selected screen; empty without a selected screen.
    QList<int> GetSelectedWindowIndexs();
    /// The indexes of the unselected windows of the selected screen; empty without a selected screen.
    QList<int> GetUnSelectedWindowIndexs();
    /// `true` selects only this window and reports SignalWindowSelectedChanged; `false` unselects every
    /// window of the screen without a signal. A bad index changes nothing.
    void SetSelectedWindowIndexs(int iScreen, int iWindow, bool bSelected);
    /// The number of windows on the screen; 0 for a bad screen.
    int GetWindowCount(int iScreen) const;
    /// 0 … count − 1 in opening order; empty for a bad screen.
    QList<int> GetAllWindowIndexs(int iScreen);
    /// Each window's user data as an int, in index order; empty for a bad screen.
    QList<int> GetAllWindowUserDatas(int iScreen);
    /// Gives the window the stacking value `iZ`. With `bReorder` the others close the gap it left and
    /// all windows are restacked so the highest value is on top; OSD texts stay above video. False for a bad index.
    bool SetWindowZValue(int iScreen, int iWindow, int iZ, bool bReorder);
    /// The window's stacking value (0 at opening); -1 for a bad index.
    int GetWindowZValue(int iScreen, int iWindow) const;
    /// The highest stacking value on the screen (0 without windows); 1 for a bad screen.
    int GetMaxWindowZValue(int iScreen) const;
    /// The first window holding the highest stacking value and that value; without windows `iZ` is -1
    /// and `iWindow` untouched, and for a bad screen both are untouched.
    void GetMaxWindowZValue(int iScreen, int& iWindow, int& iZ);
    /// Turns the window's volume button on or off (picture and tool tip), without a clicked signal;
    /// only on a window that has the button. A bad index does nothing (so for the setters below).
    void SetWindowVolumeBtn(int iScreen, int iWindow, bool bOn);
    /// Turns the window's lock button on or off; while on, the window cannot be moved, resized or
    /// maximised (an attempt ends in SignalLockEvent("Window locked!")). Only with a lock button.
    void SetWindowLockBtn(int iScreen, int iWindow, bool bOn);
    /// Turns docking on or off: on snaps the window to the screen's monitor cells (now and on every
    /// later scale), off restores its previous scale.
    void SetWindowDockBtn(int iScreen, int iWindow, bool bOn);
    /// Records the meeting-mode state of the window (it has no such button to show it).
    void SetWindowMeetingBtn(int iScreen, int iWindow, bool bOn);
    /// Turns the window's tour button on or off; only on a window that has the button.
    void SetWindowTourBtn(int iScreen, int iWindow, bool bOn);
    /// Shows (true) or hides the window's PTZ controls and switches its PTZ button, whatever the window's size.
    void SetWindowPTZBtn(int iScreen, int iWindow, bool bOn);
    /// Whether the window's volume button is on; false for a bad index.
    bool GetWindowVolumeBtnStatus(int iScreen, int iWindow) const;
    /// Whether the window's lock button is on; false for a bad index.
    bool GetWindowLockBtnStatus(int iScreen, int iWindow) const;
    /// Whether docking to monitor cells is on; false for a bad index.
    bool GetWindowDockBtnStatus(int iScreen, int iWindow) const;
    /// Whether meeting mode is recorded as on; false for a bad index.
    bool GetWindowMeetingBtnStatus(int iScreen, int iWindow) const;
    /// Whether the window's tour button is on; false for a bad index.
    bool GetWindowTourBtnStatus(int iScreen, int iWindow) const;
    /// Sets the window's tool tip and the text drawn centred in it while it has no video widget.
    void SetWindowContentText(int iScreen, int iWindow, const QString& text);
    /// How clicks and drags select windows. Switching to single selection unselects the selected
    /// screen's windows and reports SignalWindowSelectedChanged if any was selected.
    void SetWindowSelectionMode(SelectionMode mode);
    /// The current selection mode (SingleSelection at start).
    SelectionMode GetWindowSelectionMode();
    /// The window's video widget for the host to render into, created on first call; null for a bad index.
    QWidget* GetWindowWidget(int iScreen, int iWindow) const;
    /// Deletes the window's video widget; the next GetWindowWidget makes a new one.
    void DeleteWindowWidget(int iScreen, int iWindow);
    /// Enables or disables repainting of the window's video widget; nothing without one.
    void SetWindowUpdateEnable(int iScreen, int iWindow, bool bEnable);
    /// Stores a text in the window's video widget (not drawn); nothing without one.
    void SetWindowVideoWidgetText(int iScreen, int iWindow, const QString& text);
    /// Keeps a host value with the window; a bad index stores nothing.
    void SetWindowUserData(int iScreen, int iWindow, const QVariant& userData);
    /// The window's host value; an invalid QVariant for a bad index.
    QVariant GetWindowUserData(int iScreen, int iWindow);

    /// The operator's gestures as commands, for the host's Edit menu (QUndoStack::createUndoAction).
    /// Undo and redo put the windows back and report each by SignalWindowGeoChanged; a window they
    /// name that is locked stays where it is. Deleting any window or screen clears the stack,
    /// since window numbers shift. Owned by the wall.
    QUndoStack* GetUndoStack() const;

signals:
    /// A drag-enter or drop event reached the background of screen `iScreen`; accept it to take the drop.
    void SignalScreenEvent(int iScreen, QEvent* pEvent);
    /// The user selected screen `iScreen` (press on its background or on a window of another screen).
    void SignalScreenSelectedChanged(int iScreen);
    /// Never emitted.
    void SignalScreenCloseBtnClicked(int iScreen);
    /// A raw event on a window: press (free windows only), release, drag enter, drop, context menu.
    void SignalWindowEvent(int iScreen, int iWindow, QEvent* pEvent);
    /// The set of selected windows of screen `iScreen` changed.
    void SignalWindowSelectedChanged(int iScreen);
    /// The close button of window `iWindow` on screen `iScreen` was clicked (windows with `bFreeMode`
    /// only, as for the other button signals); the host deletes the window.
    void SignalWindowCloseBtnClicked(int iScreen, int iWindow);
    /// The volume button of window `iWindow` on screen `iScreen` was clicked; the host switches it.
    void SignalWindowVolumeBtnClicked(int iScreen, int iWindow);
    /// The lock button of window `iWindow` on screen `iScreen` was clicked; the host switches it.
    void SignalWindowLockBtnClicked(int iScreen, int iWindow);
    /// The dock button of window `iWindow` on screen `iScreen` was clicked; the host switches it.
    void SignalWindowDockBtnClicked(int iScreen, int iWindow);
    /// Meeting-mode click of window `iWindow` on screen `iScreen` (the display window has no such button).
    void SignalWindowMeetingBtnClicked(int iScreen, int iWindow);
    /// The tour button of window `iWindow` on screen `iScreen` was clicked; the host switches it.
    void SignalWindowTourBtnClicked(int iScreen, int iWindow);
    /// The PTZ button of window `iWindow` on screen `iScreen` was clicked (the window has already toggled its controls).
    void SignalWindowPTZBtnClicked(int iScreen, int iWindow);
    /// The window's place changed, by the mouse, maximise, snap or SetWindowScale; `struScale` in
    /// fractions of the screen. Free windows only.
    void SignalWindowGeoChanged(int iScreen, int iWindow, const ZtGUI::StructScaleRect& struScale);
    /// The user dragged out an area (more than 2 pixels each way) on the screen background outside
    /// multi-selection mode; `struScale` is that area in fractions of the screen, `bFreeMode` true.
    void SignalDrawAreaOpenWindow(int iScreen, const ZtGUI::StructScaleRect& struScale);
    /// A window without `bFreeMode` on screen `iScreen` was double-clicked (it toggled maximise).
    void SignalWindowDoubleClicked(int iScreen);
    /// Never emitted.
    void SignalScreenSelected();
    /// A click on a window left the selection unchanged.
    void SignalWindowClicked();
    /// A context menu was requested on screen `iScreen`.
    void SignalScreenRightClick(int iScreen);
    /// Relayed from the screen; nothing in the display wall emits it.
    void SignalWindow3DSite(int iScreen, int iWindow, int iXPos, int iYPos, int iMultiple);
    /// A right-button press or double click on an OSD text while screen `iScreen` is in colour mode;
    /// `iLabelIndex` is 0 for the movable OSD texts.
    void SignalLabelEvent(int iScreen, int iLabelIndex, QEvent* pEvent);
    /// The user moved or resized OSD text `osdId`; `rect` is left, top, width, height in 1/8192 of
    /// the screen, `bMove` true when only moved.
    void SignalOSDGeoChanged(int iScreen, int osdId, const QRect& rect, bool bMove);
    /// An OSD text's edit (`eventId` 1) or close (`eventId` 0) button was clicked.
    void SignalOSDEvent(int iScreen, int osdId, int eventId);
    /// A PTZ control of a window was pressed (`stop` false) or released (`stop` true); `type` is the
    /// control (0–7 directions up, down, left, right, up-left, down-left, up-right, down-right; 8/11
    /// zoom in/out, 9/12 focus, 10/13 aperture), `step` the speed 1–8.
    void SignalPTZEvent(int iScreen, int iWindow, int type, int step, bool stop);
    /// A move or resize of a locked window was attempted; the text is "TVWall Locked!" or "Window locked!".
    void SignalLockEvent(QString strLockInfo);

protected:
    /// Paints the wall background and its monitor grid.
    void paintEvent(QPaintEvent* event) override;
    /// Places every screen on the resized wall.
    void resizeEvent(QResizeEvent* event) override;
    /// The operator's keys (see the class description), which also show the focus frame around the
    /// wall until it loses focus; other keys go to QWidget.
    void keyPressEvent(QKeyEvent* event) override;
    /// Hides the focus frame.
    void focusOutEvent(QFocusEvent* event) override;
    /// Tab and Shift+Tab select the next or previous window of the selected screen: focus stays on the wall.
    bool focusNextPrevChild(bool next) override;

private slots:
    void OnWindowCloseBtnClicked(int iWindow);
    void OnWindowVolumeBtnClicked(int iWindow);
    void OnWindowLockBtnClicked(int iWindow);
    void OnWindowDockBtnClicked(int iWindow);
    void OnWindowMeetingBtnClicked(int iWindow);
    void OnWindowTourBtnClicked(int iWindow);
    void OnWindowPTZBtnClicked(int iWindow);
    void OnWindowGeoChanged(int iWindow, const ZtGUI::StructScaleRect& struScale);
    void OnWindowEvent(int iWindow, QEvent* pEvent);
    void OnScreenSelected();
    void OnWindowSelectedChanged();
    void OnDrawAreaOpenWindow(const ZtGUI::StructScaleRect& struScale);
    void OnScreenDropEvent(QEvent* pEvent);
    void OnWindowDoubleClicked();
    void OnWindowClicked();
    void OnRightMenu(const QPoint& pos);
    void OnWindow3DSite(int iWindow, int iXPos, int iYPos, int iMultiple);
    void OnLabelEvent(int iLabelIndex, QEvent* pEvent);
    void OnOSDGeoChanged(int osdId, const QRect& rect, bool bMove);
    void OnOSDEvent(int osdId, int eventId);
    void OnPTZEvent(int iWindow, int type, int step, bool stop);
    void OnLockEvent(QString strLockInfo);

private:
    friend class ZtTVWallDisplayHistory;     // finds the screens its commands name
    QScopedPointer<ZtTVWallDisplayWndPrivate> d_ptr;
};

} // namespace ZtGUI
