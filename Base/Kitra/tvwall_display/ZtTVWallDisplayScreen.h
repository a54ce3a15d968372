#pragma once

#include <QIcon>
#include <QList>
#include <QMdiArea>
#include <QScopedPointer>
#include <QVariant>
#include <string>
#include <vector>
#include "KitraExport.h"
#include "StructOSDInfo.h"
#include "StructScaleRect.h"

namespace ZtGUI {

class ZtTVWallDisplayScreenPrivate;
class ZtTVWallDisplayWindow;
class ZtTVWallDisplayWnd;

/// One screen of the display wall: an MDI area placed on its wall by a rectangle in fractions of
/// the wall, whose sub-windows are video windows addressed by their position in opening order.
/// The operator selects, moves (as a group, kept inside the screen) and resizes (at least 50 x 25
/// pixels) windows, draws a band that selects windows (multi-selection) or an area in which the
/// host is asked to open one. Up to eight on-screen-display texts float above the windows; a list
/// of more records keeps the first eight and drops the rest silently.
class KITRA_EXPORT ZtTVWallDisplayScreen : public QMdiArea
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallDisplayScreen)

public:
    /// A screen of `wall` covering `iRows` × `iCols` monitor cells; the three flags give its windows a
    /// lock, volume and tour button. The wall creates screens through ZtTVWallDisplayWnd::AddScreen.
    ZtTVWallDisplayScreen(ZtTVWallDisplayWnd* wall, int iRows, int iCols, bool bShowLock, bool bShowAudio,
                          bool bShowCircle, QWidget* parent);
    /// Deletes the screen's windows and OSD texts with it.
    ~ZtTVWallDisplayScreen() override;

    /// Keeps a host value with the screen.
    void SetUserData(const QVariant& userData);
    /// The host value given by SetUserData (invalid until then).
    QVariant GetUserData() const;
    /// Stores an icon with the screen (not drawn).
    void SetIcon(const QIcon& icon);
    /// Stores a title with the screen (not drawn).
    void SetTitle(const QString& title);
    /// Stores a content text with the screen (not drawn) and repaints it.
    void SetContentText(const QString& text);
    /// Sets the screen's place on the wall (fractions of the wall); applied by UpdateGeometry.
    void SetScale(const StructScaleRect& scale);
    /// Copies the screen's place on the wall into `scale`; always true.
    bool GetScale(StructScaleRect& scale) const;
    /// The wall grid rows the screen covers (its dashed cell lines and the cells windows dock to).
    Q_INVOKABLE int GetRows() const;
    /// The wall grid columns the screen covers.
    Q_INVOKABLE int GetCols() const;
    /// Selects the screen (blue border) or unselects it together with all its windows, without a signal.
    void SetSelected(bool bSelected);
    /// Whether the screen is the selected one.
    bool IsSelected() const;
    /// Locks or unlocks every window of the screen against moving, resizing and maximising
    /// (windows opened later inherit it).
    void SetLockStatus(bool bLock);
    /// Light (true) or dark colours for the screen and its band and area frames.
    void SetSkin(bool bLight);
    /// Screens of a device type touch their neighbours; others keep a one-pixel seam.
    void SetDeviceType(bool bDeviceType);
    /// Stores a flag that has no visible effect.
    void SetPtzFrameSelectedEnable(bool bEnable);
    /// Places the screen on its wall from its scale (the wall calls this on every resize). Until the
    /// first call the screen stays where Qt put it; after it, the screen's own resizes place it too.
    void UpdateGeometry();

    /// Opens a video window at `scale` (fractions of the screen) with `userData`; `bTitleShow` gives it the
    /// title "Window n" (n = user data + 1). Returns its index. Only a window with `bFreeMode` reports its
    /// buttons and geometry; the opening itself reports nothing.
    int OpenWindow(const StructScaleRect& scale, const QVariant& userData, bool bTitleShow);
    /// Deletes the window; later windows move down one index. False for a bad index.
    /// Emits SignalWindowSelectedChanged when the window was selected.
    bool DeleteWindow(int iWindow);
    /// Deletes every window, without a signal.
    void DeleteAllWindows();
    /// The number of windows; valid indexes are 0 … count − 1.
    int GetWindowCount() const;
    /// The window at `iWindow`, or null for a bad index.
    ZtTVWallDisplayWindow* GetWindow(int iWindow) const;
    /// Moves and resizes the window to `scale` (fractions of the screen); false for a bad index.
    bool SetWindowScale(int iWindow, const StructScaleRect& scale);
    /// Copies the window's scale into `scale`; false for a bad index.
    bool GetWindowScale(int iWindow, StructScaleRect& scale) const;
    /// Gives the window the stacking value `iZ`; with `bReorder` the others close the gap it left and all
    /// are restacked by value (ties in opening order). OSD texts stay on top. False for a bad index.
    bool SetWindowZValue(int iWindow, int iZ, bool bReorder);
    /// The window's stacking value (0 at opening); -1 for a bad index.
    int GetWindowZValue(int iWindow) const;
    /// The highest stacking value, at least 0.
    int GetMaxWindowZValue() const;
    /// The first window with the highest stacking value and that value; without windows `iZ` is -1 and
    /// `iWindow` is left as it was.
    void GetMaxWindowZValue(int& iWindow, int& iZ) const;
    /// The indexes of the selected windows, ascending.
    QList<int> GetSelectedWindowIndexs() const;
    /// The indexes of the unselected windows, ascending.
    QList<int> GetUnSelectedWindowIndexs() const;
    /// 0 … count − 1: windows keep their opening order whatever their stacking.
    QList<int> GetAllWindowIndexs() const;
    /// Each window's user data as an int, in index order.
    QList<int> GetAllWindowUserDatas() const;
    /// `true` selects only this window and emits SignalWindowSelectedChanged; `false` unselects every
    /// window without a signal. A bad index changes nothing.
    void SetSelectedWindowIndexs(int iWindow, bool bSelected);
    /// Unselects every window; emits SignalWindowSelectedChanged if any was selected.
    void ClearWindowSelection();

    /// Switches the window's volume button (only if it has one); no clicked signal. A bad index does nothing.
    void SetWindowVolumeBtn(int iWindow, bool bOn);
    /// Switches the window's lock button (only if it has one); a locked window does not move or resize.
    void SetWindowLockBtn(int iWindow, bool bOn);
    /// Switches docking: on snaps the window to the screen's cells, off restores its previous scale.
    void SetWindowDockBtn(int iWindow, bool bOn);
    /// Records the window's meeting-mode state (there is no button for it).
    void SetWindowMeetingBtn(int iWindow, bool bOn);
    /// Switches the window's tour button (only if it has one).
    void SetWindowTourBtn(int iWindow, bool bOn);
    /// Shows or hides the window's PTZ controls.
    void SetWindowPTZBtn(int iWindow, bool bOn);
    /// Whether the window's volume button is on; false for a bad index.
    bool GetWindowVolumeBtnStatus(int iWindow) const;
    /// Whether the window's lock button is on; false for a bad index.
    bool GetWindowLockBtnStatus(int iWindow) const;
    /// Whether the window docks to the screen's cells; false for a bad index.
    bool GetWindowDockBtnStatus(int iWindow) const;
    /// Whether meeting mode is recorded as on; false for a bad index.
    bool GetWindowMeetingBtnStatus(int iWindow) const;
    /// Whether the window's tour button is on; false for a bad index.
    bool GetWindowTourBtnStatus(int iWindow) const;
    /// Keeps a host value with the window; a bad index stores nothing.
    void SetWindowUserData(int iWindow, const QVariant& userData);
    /// The window's host value; an invalid QVariant for a bad index.
    QVariant GetWindowUserData(int iWindow) const;
    /// The window's video widget (created on first call) for the host to render into; null for a bad index.
    QWidget* GetWindowWidget(int iWindow) const;
    /// Deletes the window's video widget; nothing for a bad index.
    void DeleteWindowWidget(int iWindow);

    /// Colour mode turns OSD labels into targets of SignalLabelEvent; leaving it hides every OSD text.
    /// The colour itself is stored, not drawn.
    void SetWindowBackgroudColor(const QColor& color, bool bColorMode);
    /// A ".yuv" picture is looked for as the ".jpg" beside it.
    /// The picture is stored, not drawn.
    void SetBaseMapShow(std::string strPath, bool bShow);
    /// Replaces the OSD texts (id = position, rectangles in 1/8192 of the screen) and shows those with
    /// `bShow`; only the first eight are used, the rest are dropped silently.
    void SetOSDInfo(std::vector<StructOSDInfo>& vecInfo);
    /// Shows or hides every stored text, whatever ids are given.
    void SetOSDVisible(const std::vector<int>& vecId, bool bVisible);

signals:
    /// Never emitted.
    void SignalCloseBtnClicked();
    /// The user pressed the screen's background, or a window while the screen was unselected.
    void SignalSelected();
    /// Window `iOpenWindow`'s close button was clicked (free windows only, as for the button signals below).
    void SignalWindowCloseBtnClicked(int iOpenWindow);
    /// Window `iOpenWindow`'s volume button was clicked.
    void SignalWindowVolumeBtnClicked(int iOpenWindow);
    /// Window `iOpenWindow`'s lock button was clicked.
    void SignalWindowLockBtnClicked(int iOpenWindow);
    /// Window `iOpenWindow`'s dock button was clicked.
    void SignalWindowDockBtnClicked(int iOpenWindow);
    /// Window `iOpenWindow`'s meeting-mode click (the display window has no such button).
    void SignalWindowMeetingBtnClicked(int iOpenWindow);
    /// Window `iOpenWindow`'s tour button was clicked.
    void SignalWindowTourBtnClicked(int iOpenWindow);
    /// Window `iOpenWindow`'s PTZ button was clicked.
    void SignalWindowPTZBtnClicked(int iOpenWindow);
    /// A free window's scale changed; `struScale` in fractions of the screen.
    void SignalWindowGeoChanged(int iOpenWindow, const ZtGUI::StructScaleRect& struScale);
    /// A raw event on window `iOpenWindow`: press (free windows), release, drag enter, drop, context menu.
    void SignalWindowEvent(int iOpenWindow, QEvent* pEvent);
    /// The set of selected windows changed.
    void SignalWindowSelectedChanged();
    /// A window without `bFreeMode` was double-clicked.
    void SignalWindowDoubleClicked();
    /// An area was dragged out on the background (outside multi-selection); `struScale` in fractions of the screen.
    void SignalDrawAreaOpenWindow(const ZtGUI::StructScaleRect& struScale);
    /// A drag-enter or drop event reached the screen's background.
    void SignalScreenDropEvent(QEvent* pEvent);
    /// A click on a window left the selection unchanged.
    void SignalWindowClicked();
    /// Never emitted.
    void Signal3DSite(int iWindow, int iXPos, int iYPos, int iMultiple);
    /// Right press or double click on an OSD text in colour mode; `iLabelIndex` is 0 for the movable texts.
    void SignalLabelEvent(int iLabelIndex, QEvent* pEvent);
    /// OSD text `osdId` was released after a move or resize; `rect` is left, top, width, height in
    /// 1/8192 of the screen; `bMove` true when its size did not change.
    void SignalOSDGeoChanged(int osdId, const QRect& rect, bool bMove);
    /// OSD text `osdId`'s edit (`eventId` 1) or close (`eventId` 0) button was clicked.
    void SignalOSDEvent(int osdId, int eventId);
    /// PTZ control `type` (0–13) of window `iWindow` pressed (`stop` false) or released, at speed `step` (1–8).
    void SignalPTZEvent(int iWindow, int type, int step, bool stop);
    /// A move or resize of a locked window was attempted: "TVWall Locked!" or "Window locked!".
    void SignalLockEvent(QString strLockInfo);

public slots:
    /// Relays a window's close click as SignalWindowCloseBtnClicked with its index.
    void OnWindowCloseBtnClicked();
    /// Relays a window's geometry change as SignalWindowGeoChanged with its index.
    void OnGeoChanged(const ZtGUI::StructScaleRect& struScale);
    /// Relays a window's volume click with its index.
    void OnWindowVolumeBtnClicked();
    /// Relays a window's lock click with its index.
    void OnWindowLockBtnClicked();
    /// Relays a window's dock click with its index.
    void OnWindowDockBtnClicked();
    /// Relays a window's meeting-mode click with its index.
    void OnWindowMeetingBtnClicked();
    /// Relays a window's tour click with its index.
    void OnWindowTourBtnClicked();
    /// Relays a window's PTZ click with its index.
    void OnWindowPTZBtnClicked();
    /// Passes an unselect to the other scrolling OSD labels (it has no visible effect).
    void OnOtherLabelUnSelect(bool bFlag, int nIndex);
    /// Reports the released OSD text's geometry as SignalOSDGeoChanged.
    void OnOSDMouseReleased(bool bMove);
    /// Reports an OSD edit click as SignalOSDEvent(id, 1).
    void OnOSDEditButtonClicked();
    /// Reports an OSD close click as SignalOSDEvent(id, 0).
    void OnOSDCloseButtonClicked();
    /// Relays a window's PTZ press or release as SignalPTZEvent with its index.
    void OnPTZEvent(int type, int step, bool stop);

protected:
    /// Paints the background, the dashed cell grid and the border (blue when selected).
    void paintEvent(QPaintEvent* event) override;
    /// Re-places the screen on its wall, its windows from their scales and the OSD texts.
    void resizeEvent(QResizeEvent* event) override;
    /// Selects the screen and unselects its windows; starts a band or an area drag.
    void mousePressEvent(QMouseEvent* event) override;
    /// Shows the selection band (multi-selection) or the area frame while dragging.
    void mouseMoveEvent(QMouseEvent* event) override;
    /// Ends the drag: selects the windows the band touched, or asks for a window in the area.
    void mouseReleaseEvent(QMouseEvent* event) override;
    /// Reports the drag as SignalScreenDropEvent.
    void dragEnterEvent(QDragEnterEvent* event) override;
    /// Reports the drop as SignalScreenDropEvent.
    void dropEvent(QDropEvent* event) override;
    /// Passes the wheel on to the screen's parent: a screen never scrolls.
    void wheelEvent(QWheelEvent* event) override;
    /// Handles the mouse on windows (select, move, resize) and on OSD texts.
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Shows the edit and close buttons of the OSD text under the mouse; false when `watched` is
    /// no OSD text.
    virtual bool OSDHoverEvent(QObject* watched, QEvent* event);

private:
    QScopedPointer<ZtTVWallDisplayScreenPrivate> d_ptr;
};

} // namespace ZtGUI
