#pragma once

#include <QIcon>
#include <QList>
#include <QRect>
#include <QScopedPointer>
#include <QVariant>
#include <QVector>
#include <QWidget>
#include <string>
#include <vector>
#include "KitraExport.h"
#include "StructOSDInfo.h"
#include "StructScaleRect.h"
#include "ZtTVWallLayout.h"

class QEvent;
class QUndoStack;

namespace ZtGUI {

class ZtTVWallOperateWndPrivate;

/// The TV wall a host places in its windows: one interface over the scene wall (mode 0) and the
/// display wall (mode 1). It forwards each call to the wall of the current mode and re-emits that
/// wall's signals under the same names; a call the current mode cannot answer does nothing and
/// returns its failure value (0, -1, false, an empty list or an invalid QVariant). In display mode
/// it zooms and pans the wall inside itself, with an overview in its bottom-right corner.
class KITRA_EXPORT ZtTVWallOperateWnd : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallOperateWnd)

public:
    /// How the operator's mouse selects windows, passed unchanged to the shown wall:
    /// `NoSelection` (0) selects nothing; `SingleSelection` (1, the walls' default) selects one
    /// window alone; `MultiSelection` (2) toggles windows on click and selects with a band dragged
    /// on a screen's empty part.
    enum SelectionMode { NoSelection = 0, SingleSelection = 1, MultiSelection = 2 };
    Q_ENUM(SelectionMode)

    /// A facade without a wall: every call fails until SetShowMode() picks one. The style sheet
    /// comes from the skin folder "TVWallOperateWnd".
    explicit ZtTVWallOperateWnd(QWidget* parent = nullptr);
    /// Deletes the walls with their screens and windows, without further signals.
    ~ZtTVWallOperateWnd() override;

    /// 0 shows the scene wall, 1 the display wall; the other wall is destroyed with its screens
    /// and windows. Any other value keeps both walls but routes no call to either.
    void SetShowMode(int iMode);

    // Both walls.
    /// Sets the shown wall's grid of `iRows` × `iCols` monitor cells; call it before AddScreen().
    void SetTVWallGridCount(int iRows, int iCols);
    /// The shown wall's grid rows; 0 without a wall.
    int GetRowCount() const;
    /// The shown wall's grid columns; 0 without a wall.
    int GetColumnCount() const;
    /// The shown wall's own rectangle; a null rectangle without one.
    QRect GetTVWallRect() const;
    /// Shows or hides window titles (the scene wall also hides the screens' texts).
    void SetWindowTitleShow(bool bShow);
    /// Adds a screen at `struScale` (fractions of the wall); its number, or -1 without a wall or
    /// before a grid is set (with a warning).
    int AddScreen(const StructScaleRect& struScale, const QVariant& userData);
    /// The same, with an icon and title that the walls keep but do not draw.
    int AddScreen(const StructScaleRect& struScale, const QIcon& icon, const QString& strTitle,
                  const QVariant& userData);
    /// Deletes every screen with its windows, without signals; false without a wall.
    bool DeleteAllScreen();
    /// The number of screens; 0 without a wall.
    int GetScreenCount() const;
    /// Stores the host's value for screen `iScreen`; nothing for an invalid number.
    void SetScreenUserData(int iScreen, const QVariant& userData);
    /// The host's value for screen `iScreen`; an invalid QVariant for an invalid number.
    QVariant GetScreenUserData(int iScreen) const;
    /// Copies the screen's rectangle (fractions of the wall) into `struScale`; false for an
    /// invalid number.
    bool GetScreenScale(int iScreen, StructScaleRect& struScale) const;
    /// Stores a title with the screen (not drawn); false for an invalid number.
    bool SetScreenTitle(int iScreen, const QString& strTitle);
    /// Sets the screen's content text (drawn by the scene wall only); false for an invalid number.
    bool SetScreenContentText(int iScreen, const QString& strText);
    /// Selects screen `iScreen` alone; nothing for an invalid number. Whether a signal follows
    /// depends on the wall (the scene wall emits SignalScreenSelectedChanged(), the display wall not).
    void SetSelectedScreenIndex(int iScreen);
    /// The selected screen's number, or -1.
    int GetSelectedScreenIndex() const;
    /// Opens a video window at `struScale` (fractions of the screen; its flag makes the window
    /// free, that is movable and reporting its buttons) with the host's `userData`; its number,
    /// or -1 for an invalid screen.
    int OpenWindow(int iScreen, const StructScaleRect& struScale, const QVariant& userData);
    /// Deletes a window; later windows move down one number. False for an invalid number.
    bool DeleteWindow(int iScreen, int iWindow);
    /// Deletes every window of screen `iScreen`.
    void DeleteAllWindows(int iScreen);
    /// Deletes every window of every screen.
    void DeleteAllWindows();
    /// Selects window `iWindow` alone on its screen and emits SignalWindowSelectedChanged().
    /// The scene wall selects the window whatever `bSelected` says; on the display wall `false`
    /// deselects every window of the screen instead, without a signal.
    void SetSelectedWindowIndexs(int iScreen, int iWindow, bool bSelected);
    /// The number of windows on screen `iScreen`; 0 for an invalid number.
    int GetWindowCount(int iScreen) const;
    /// The selected windows of the selected screen, ascending; empty without one.
    QList<int> GetSelectedWindowIndexs() const;
    /// The other windows of the selected screen, ascending; empty without one.
    QList<int> GetUnSelectedWindowIndexs() const;
    /// 0 to GetWindowCount() - 1; empty for an invalid screen.
    QList<int> GetAllWindowIndexs(int iScreen) const;
    /// Stores the host's value for a window; nothing for an invalid number.
    void SetWindowUserData(int iScreen, int iWindow, const QVariant& userData);
    /// The host's value for a window; an invalid QVariant for an invalid number.
    QVariant GetWindowUserData(int iScreen, int iWindow) const;
    /// The tolerance within which two rectangles count as equal: 0.002 on the scene wall, 0.001
    /// on the display wall, 0.0 without a wall.
    double GetWindowScalePrecision() const;
    /// Moves a window to `struScale` (fractions of its screen); SignalWindowGeoChanged() reports a
    /// change larger than the precision. False for an invalid number.
    bool SetWindowScale(int iScreen, int iWindow, const StructScaleRect& struScale);
    /// Copies a window's rectangle (fractions of its screen) into `struScale`; false for an
    /// invalid number.
    bool GetWindowScale(int iScreen, int iWindow, StructScaleRect& struScale) const;
    /// Sets a window's stacking value (higher is in front). The scene wall takes the z-value
    /// alone; the display wall also takes `bReorder`, which restacks the screen's windows.
    /// False for an invalid number.
    bool SetWindowZValue(int iScreen, int iWindow, int iZValue, bool bReorder);
    /// A window's stacking value; -1 for an invalid number, 0 without a wall. The scene wall's
    /// z-values are truncated toward zero.
    int GetWindowZValue(int iScreen, int iWindow) const;
    /// The highest stacking value on screen `iScreen` (truncated on the scene wall); 1 for an
    /// invalid screen, 0 without a wall.
    int GetMaxWindowZValue(int iScreen) const;
    /// Sets the text drawn in a window (while it shows no video) and its tool tip.
    void SetWindowContentText(int iScreen, int iWindow, const QString& strText);
    /// Shows a window's volume button as on or off, as the host decided after
    /// SignalWindowVolumeBtnClicked(); no signal.
    void SetWindowVolumeBtn(int iScreen, int iWindow, bool bOn);
    /// Whether a window's volume button shows on; false for an invalid number.
    bool GetWindowVolumeBtnStatus(int iScreen, int iWindow) const;
    /// Sets how clicks and drags select windows on the shown wall; switching to SingleSelection
    /// deselects the selected screen's windows.
    void SetWindowSelectionMode(SelectionMode mode);
    /// The shown wall's selection mode; NoSelection without a wall.
    SelectionMode GetWindowSelectionMode() const;

    /// The grid, screens and windows of the shown wall. Window titles and PTZ states cannot be
    /// read from the walls and come back empty and off, lock states from the scene wall off.
    /// An invalid layout without a wall or a grid.
    ZtTVWallLayout GetLayout() const;
    /// Replaces every screen and window of the shown wall with those of `layout`, through the
    /// wall's own operations. Returns, for each screen of the layout in order, the numbers of its
    /// new windows in the layout's order, for the host to attach video again. Empty, with the wall
    /// as it was, for an invalid layout or without a wall.
    QVector<QVector<int>> ApplyLayout(const ZtTVWallLayout& layout);
    /// The undo stack of the shown wall (its GetUndoStack()), for the host's Edit menu; null
    /// without a wall.
    QUndoStack* GetUndoStack() const;

    // Scene wall only.
    /// Turns a screen's free mode on or off: out of it, its windows cannot be moved or resized
    /// and report no close, volume or geometry signals. Nothing in display mode.
    void SetScreenFreeMode(int iScreen, bool bFreeMode);
    /// Whether screen `iScreen` is in free mode; false for an invalid number, true outside the
    /// scene wall's mode.
    bool IsScreenFreeMode(int iScreen) const;
    /// Returns the scene wall to 1:1 zoom with its overview folded.
    void RecoverEagleEye();
    /// Whether free windows opened from now on get a volume button (scene wall; true at first).
    void SetAudioBtnVisible(bool bVisible);

    // Display wall only: in scene-wall mode these do nothing and the getters answer false.
    /// Locks the whole wall: no window can be moved, resized or maximised, and an attempt ends
    /// in SignalLockEvent("TVWall Locked!").
    void SetTVWallLockStatus(bool bLock);
    /// Whether SetTVWallLockStatus() locked the wall.
    bool GetTVWallLockStatus() const;
    /// The grid rows and columns screen `iScreen` covers; the outputs are untouched without a display wall.
    void GetScreenGrid(int iScreen, int& iRows, int& iCols) const;
    /// Stores a flag in the selected screen; it has no visible effect.
    void SetPtzFrameSelectedEnable(bool bEnable);
    /// Replaces the on-screen-display texts of screen `iScreen` (ids are positions in `vecInfo`,
    /// rectangles in 1/8192 of the screen; at most eight are shown); false for an invalid number.
    virtual bool SetScreenOSDInfo(int iScreen, std::vector<StructOSDInfo>& vecInfo);
    /// Shows or hides the on-screen-display texts of screen `iScreen`.
    void SetScreenOSDVisible(int iScreen, const std::vector<int>& vecId, bool bVisible);
    /// Each window's user data converted to an int, in window order; empty for an invalid screen.
    QList<int> GetAllWindowUserDatas(int iScreen) const;
    /// The topmost window of screen `iScreen` and its z-value; untouched without a display wall.
    void GetMaxWindowZValue(int iScreen, int& iWindow, int& iZValue) const;
    /// Turns a window's lock button on or off; while on, the window cannot be moved, resized or
    /// maximised (an attempt ends in SignalLockEvent("Window locked!")). No clicked signal.
    void SetWindowLockBtn(int iScreen, int iWindow, bool bOn);
    /// Whether a window's lock button is on; false for an invalid number.
    bool GetWindowLockBtnStatus(int iScreen, int iWindow) const;
    /// Turns docking on (the window snaps to its screen's monitor cells) or off (it returns to its
    /// rectangle before). No clicked signal.
    void SetWindowDockBtn(int iScreen, int iWindow, bool bOn);
    /// Whether docking is on; false for an invalid number.
    bool GetWindowDockBtnStatus(int iScreen, int iWindow) const;
    /// Records a window's meeting-mode state (no button shows it).
    void SetWindowMeetingBtn(int iScreen, int iWindow, bool bOn);
    /// Whether meeting mode is recorded as on; false for an invalid number.
    bool GetWindowMeetingBtnStatus(int iScreen, int iWindow) const;
    /// Turns a window's tour button on or off. No clicked signal.
    void SetWindowTourBtn(int iScreen, int iWindow, bool bOn);
    /// Whether a window's tour button is on; false for an invalid number.
    bool GetWindowTourBtnStatus(int iScreen, int iWindow) const;
    /// Shows (true) or hides a window's PTZ controls and switches its PTZ button.
    void SetWindowPTZBtn(int iScreen, int iWindow, bool bOn);
    /// The widget the host renders a window's video into, created on first call; null for an
    /// invalid number and in scene-wall mode.
    QWidget* GetWindowWidget(int iScreen, int iWindow) const;
    /// Deletes a window's video widget; the next GetWindowWidget() makes a new one.
    void DeleteWindowWidget(int iScreen, int iWindow);
    /// Stores a text in a window's video widget (not drawn); nothing without one.
    void SetWindowVideoWidgetText(int iScreen, int iWindow, const QString& strText);
    /// Enables or disables repainting of a window's video widget; nothing without one.
    void SetWindowUpdateEnable(int iScreen, int iWindow, bool bEnable);
    /// Stores a background colour for screen `iScreen` and switches its colour mode (`bShow`);
    /// false for an invalid number.
    bool SetScreenWindowColor(int iScreen, const QColor& color, bool bShow);
    /// Stores a background picture path and flag for screen `iScreen`; false for an invalid number.
    bool SetScreenBaseMap(int iScreen, std::string strPath, bool bShow);
    /// `true` removes the one-pixel seam between screens from the wall's next resize on.
    void SetDeviceType(bool bType);
    /// Whether windows of screens added from now on get a lock button (true at first).
    void ShowWndLockBtn(bool bShow);
    /// Whether windows of screens added from now on get a volume button (true at first).
    void ShowWndAudioBtn(bool bShow);
    /// Whether windows of screens added from now on get a tour button (true at first).
    void ShowWndCircleBtn(bool bShow);

signals:
    // Each signal re-emits the shown wall's signal of the same name; the facade emits none itself.
    /// An event `pEvent` reached screen `iScreen` (scene wall: any event; display wall: drag
    /// enter and drop on the background); valid only during the call.
    void SignalScreenEvent(int iScreen, QEvent* pEvent);
    /// The operator selected screen `iScreen` (the scene wall reports only a change of screen).
    void SignalScreenSelectedChanged(int iScreen);
    /// A screen close button was clicked (only for an item the host placed on the scene wall;
    /// never on the display wall).
    void SignalScreenCloseBtnClicked(int iScreen);
    /// A mouse, hover, context-menu, drag-enter or drop event `pEvent` reached window `iWindow`
    /// of screen `iScreen`; valid only during the call.
    void SignalWindowEvent(int iScreen, int iWindow, QEvent* pEvent);
    /// The set of selected windows of screen `iScreen` changed.
    void SignalWindowSelectedChanged(int iScreen);
    /// The operator clicked a free window's close button; the host calls DeleteWindow() if it agrees.
    void SignalWindowCloseBtnClicked(int iScreen, int iWindow);
    /// The operator clicked a free window's volume button; the host answers with SetWindowVolumeBtn().
    void SignalWindowVolumeBtnClicked(int iScreen, int iWindow);
    /// Display wall: the lock button was clicked; the host answers with SetWindowLockBtn().
    void SignalWindowLockBtnClicked(int iScreen, int iWindow);
    /// Display wall: the dock button was clicked; the host answers with SetWindowDockBtn().
    void SignalWindowDockBtnClicked(int iScreen, int iWindow);
    /// Display wall: relayed meeting-mode click (the display window has no such button).
    void SignalWindowMeetingBtnClicked(int iScreen, int iWindow);
    /// Display wall: the tour button was clicked; the host answers with SetWindowTourBtn().
    void SignalWindowTourBtnClicked(int iScreen, int iWindow);
    /// Display wall: the PTZ button was clicked (the window already toggled its controls).
    void SignalWindowPTZBtnClicked(int iScreen, int iWindow);
    /// A free window moved to `struScale` (fractions of its screen) by the operator or by
    /// SetWindowScale().
    void SignalWindowGeoChanged(int iScreen, int iWindow, ZtGUI::StructScaleRect struScale);
    /// The operator drew the area `struScale` (fractions of the screen) on the empty part of
    /// screen `iScreen` outside multi-selection; the host usually answers with OpenWindow().
    void SignalDrawAreaOpenWindow(int iScreen, ZtGUI::StructScaleRect struScale);
    /// Display wall: a window that is not free was double-clicked and toggled maximise (the
    /// scene wall's signal is not relayed).
    void SignalWindowDoubleClicked(int iScreen);
    /// Declared for hosts written against it; never emitted.
    void SignalScreenSelected(int iScreen);
    /// Display wall: a click on a window left the selection unchanged.
    void SignalWindowClicked();
    /// Display wall: a context menu was requested on screen `iScreen`.
    void SignalScreenRightClick(int iScreen);
    /// Display wall: relayed from its screens; nothing in the library emits it.
    void SignalWindow3DSite(int iScreen, int iWindow, int iXPos, int iYPos, int iMultiple);
    /// Display wall: a right-button press or double click on an OSD text of screen `iScreen` in
    /// colour mode; `iLabelIndex` names the text.
    void SignalLabelEvent(int iScreen, int iLabelIndex, QEvent* pEvent);
    /// Display wall: the operator moved or resized OSD text `osdId`; `rect` is left, top, width,
    /// height in 1/8192 of the screen, the flag true when it was only moved.
    void SignalOSDGeoChanged(int iScreen, int osdId, QRect rect, bool);
    /// Display wall: OSD text `osdId`'s edit (`eventId` 1) or close (0) button was clicked.
    void SignalOSDEvent(int iScreen, int osdId, int eventId);
    /// Display wall: a PTZ control was pressed (`stop` false) or released (`stop` true); `type`
    /// is the control (0-7 directions, 8/11 zoom, 9/12 focus, 10/13 aperture), `step` 1-8.
    void SignalPTZEvent(int iScreen, int iWindow, int type, int step, bool stop);
    /// Display wall: a locked wall or window refused a move or resize; the text is
    /// "TVWall Locked!" or "Window locked!".
    void SignalLockEvent(QString strLockInfo);

protected:
    /// Sizes the scene wall to the facade; keeps the display wall's zoom and its place.
    void resizeEvent(QResizeEvent* event) override;

private slots:
    /// Zooms the display wall 1.5 times in (delta >= 1) or out around `pos`, a point of the wall.
    /// The facade leaves the wheel to its host, which connects or calls this slot.
    void OnWheelEvent(int iDelta, QPoint pos);
    /// Keeps the display mode's overview in the facade's bottom-right corner.
    void OnEagleEyeAreaChanged();
    /// Shows the wall from (fX, fY), in fractions of the wall.
    void OnEagleEyeLocated(float fX, float fY);

private:
    QScopedPointer<ZtTVWallOperateWndPrivate> d_ptr;
};

} // namespace ZtGUI
