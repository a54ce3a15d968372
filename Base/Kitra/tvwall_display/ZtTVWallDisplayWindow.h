#pragma once

#include <QMdiSubWindow>
#include <QScopedPointer>
#include <QVariant>
#include "KitraExport.h"
#include "StructScaleRect.h"

namespace ZtGUI {

class ZtTVWallDisplayScreen;
class ZtTVWallDisplayWindowPrivate;

/// One video window of a display screen: an MDI sub-window placed by a rectangle in fractions of
/// its screen, with a title bar of buttons (those that do not fit move into a pop-up), a video
/// widget for the host and PTZ controls floating over the video.
///
/// Buttons report clicks by signals and change state only when the host calls the matching
/// setter, except maximise (which acts at once) and PTZ (which opens or closes its controls).
/// Self-adaption snaps the window to the monitor cells its screen spans: the screen reports them
/// through its invokable `GetRows()` and `GetCols()`; a screen without them counts as one cell.
/// The PTZ controls close with a notice when the window is unselected, moved or resized, or its
/// screen moves on the desktop, and without one when the window is hidden.
class KITRA_EXPORT ZtTVWallDisplayWindow : public QMdiSubWindow
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallDisplayWindow)

public:
    /// A window of `screen`; its screen titles it when `bTitleShow` is set, the three show flags add the
    /// lock, volume and tour buttons, `bLight` picks light colours. Screens create windows through OpenWindow.
    ZtTVWallDisplayWindow(ZtTVWallDisplayScreen* screen, bool bTitleShow, bool bShowLock, bool bShowAudio,
                          bool bShowCircle, bool bLight, QWidget* parent);
    /// Deletes the video widget and the floating PTZ controls with the window.
    ~ZtTVWallDisplayWindow() override;

    /// The screen the window was created for.
    ZtTVWallDisplayScreen* GetScreen() const;
    /// Shows `title` in the title bar.
    void SetTitle(QString title);
    /// Drawn in the middle of a window that has no video widget.
    void SetContentText(QString text);
    /// The text last given to SetContentText().
    QString GetContentText() const;
    /// Keeps a host value with the window.
    void SetUserData(const QVariant& userData);
    /// The host value given by SetUserData (invalid until then).
    QVariant GetUserData() const;
    /// The largest difference in each corner that still counts as the same rectangle.
    /// Scales closer than this (fractions of the screen) are not applied; screens use 0.001.
    void SetPrecision(double precision);
    /// Places the window, snapped to the screen's cells while self-adaption is on. Ignored while
    /// the window or the wall is locked.
    /// A change is reported by SignalGeoChanged.
    void SetScale(const StructScaleRect& scale);
    /// The window's current place in fractions of its screen.
    StructScaleRect GetScale() const;
    /// Stores the stacking value; the screen restacks by it (ZtTVWallDisplayScreen::SetWindowZValue).
    void SetZValue(int iZ);
    /// The stacking value (0 at creation).
    int GetZValue() const;
    /// Unselecting closes the PTZ controls; only a selected window shows its title bar.
    void SetSelected(bool bSelected);
    /// Whether the window is selected (blue border and title bar shown).
    bool IsSelected() const;
    /// The wall's lock: a locked wall ignores every new scale.
    void SetLock(bool bLock);
    /// Whether the wall's lock was passed on with SetLock.
    bool IsWallLocked() const;

    /// Turns the volume button on or off (picture and tool tip), without a clicked signal. Like the
    /// lock and tour setters it does nothing when unchanged or for a window built without the button.
    void SetVolumeBtn(bool bOn);
    /// Whether the volume button is on.
    bool GetVolumeBtnStatus() const;
    /// Self-adaption: on snaps the window to the cells, off restores a maximised window.
    void SetDockBtn(bool bOn);
    /// Whether self-adaption (docking to cells) is on.
    bool GetDockBtnStatus() const;
    /// Turns the lock button on or off; while on, the window ignores new scales, mouse moves and
    /// maximise (the maximise button shows the notice "Window locked!").
    void SetLockBtn(bool bOn);
    /// Whether the lock button is on.
    bool GetLockBtnStatus() const;
    /// Kept for the host; the display window has no meeting-mode button.
    void SetMeetingBtn(bool bOn);
    /// Whether meeting mode is recorded as on.
    bool GetMeetingBtnStatus() const;
    /// Turns the tour button on or off (only for a window built with one).
    void SetTourBtn(bool bOn);
    /// Whether the tour button is on.
    bool GetTourBtnStatus() const;
    /// Opens or closes the PTZ controls, whatever the window's size.
    void SetPTZBtn(bool bOn);
    /// Whether the PTZ controls are shown.
    bool GetPTZBtnStatus() const;

    /// The widget the host renders video into, made on first use (a ZtTVWallDisplayVideo).
    QWidget* GetVideoWidget();
    /// Deletes the video widget; the content text shows again.
    void DeleteVideoWidget();
    /// Enables or disables repainting of the video widget; nothing without one.
    void SetVideoUpdateEnable(bool bEnable);
    /// Stores a text in the video widget (not drawn); nothing without one.
    void SetVideoText(QString text);

signals:
    /// The close button was clicked; the window stays until the host deletes it.
    void SignalCloseBtnClicked();
    /// The volume button was clicked; the state changes when the host calls SetVolumeBtn.
    void SignalVolemeBtnClicked();
    /// The dock button was clicked; the state changes when the host calls SetDockBtn.
    void SignalDockBtnClicked();
    /// The lock button was clicked; the state changes when the host calls SetLockBtn.
    void SignalLockBtnClicked();
    /// Never emitted: the display window has no meeting-mode button.
    void SignalMeetingBtnClicked();
    /// The tour button was clicked; the state changes when the host calls SetTourBtn.
    void SignalTourBtnClicked();
    /// The PTZ button was clicked (after the controls opened or closed).
    void SignalPTZBtnClicked();
    /// The window's scale changed (SetScale, maximise, restore, snap, mouse); `struScale` in fractions of the screen.
    void SignalGeoChanged(const ZtGUI::StructScaleRect& struScale);
    /// A double click selected the window (and maximised or restored it unless it is locked).
    void SignalDoubleClickedSelectedChanged();
    /// A PTZ control was pressed (`stop` false) or released (`stop` true); `type` names the
    /// control (0 to 13) and `step` is the speed (1 to 8).
    void SignalPTZEvent(int type, int step, bool stop);
    /// The window was resized (the title bar re-fits its buttons).
    void SignalGeometryChanged();

public slots:
    /// Maximises the window to its whole screen or restores it; a locked window shows "Window locked!" instead.
    void OnShowMaxOrNormal();
    /// With self-adaption on snaps the window to its cells, otherwise restores a maximised window.
    void OnWindowSelfAdaptionBtnClicked();
    /// Opens or closes the PTZ controls; a window smaller than 250 × 150 pixels shows
    /// "Window too small to open ptz." instead of opening them.
    void OnPTZBtnClicked();
    /// Shows or hides the PTZ speed slider above the speed button.
    void OnPTZSpeedBtnClicked();
    // The PTZ controls report through SignalPTZEvent on press and release; these slots stay for
    // hosts that connect a control's click by name and do nothing.
    /// Does nothing.
    void OnPTZLeftBtnClicked();
    /// Does nothing.
    void OnPTZTopBtnClicked();
    /// Does nothing.
    void OnPTZRightBtnClicked();
    /// Does nothing.
    void OnPTZBottomBtnClicked();
    /// Does nothing.
    void OnPTZLeftTopBtnClicked();
    /// Does nothing.
    void OnPTZRightTopBtnClicked();
    /// Does nothing.
    void OnPTZLeftBottomBtnClicked();
    /// Does nothing.
    void OnPTZRightBottomBtnClicked();
    /// Does nothing.
    void OnPTZZoomDecBtnClicked();
    /// Does nothing.
    void OnPTZZoomIncBtnClicked();
    /// Does nothing.
    void OnPTZFocusDecBtnClicked();
    /// Does nothing.
    void OnPTZFocusIncBtnClicked();
    /// Does nothing.
    void OnPTZApertureDecBtnClicked();
    /// Does nothing.
    void OnPTZApertureIncBtnClicked();
    /// Sets the PTZ speed (1–8) reported in SignalPTZEvent.
    void OnPTZSliderValueChanged(int value);
    /// Opens or closes the pop-up holding the title buttons that do not fit.
    void OnTitleBtnClicked();
    /// Closes the pop-up of title buttons.
    void OnTitleItemExHide();

protected:
    /// Paints background, border, selection frame and grip, the content text, and calls the video
    /// widget's refresh callback.
    void paintEvent(QPaintEvent* event) override;
    /// Re-places the title bar and video widget, closes the PTZ controls with a notice.
    void resizeEvent(QResizeEvent* event) override;
    /// Closes the PTZ controls with a notice when the window moved.
    void moveEvent(QMoveEvent* event) override;
    /// Closes the floating PTZ controls.
    void hideEvent(QHideEvent* event) override;
    /// Maximises or restores the window and selects it.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// Closes the PTZ controls when the screen moved on the desktop.
    void timerEvent(QTimerEvent* event) override;
    /// Turns presses and releases on the PTZ controls into SignalPTZEvent.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ZtTVWallDisplayHistory;     // reads and puts back the state an undo restores
    friend class ZtTVWallDisplayWndPrivate;  // steps the selection by keyboard, exactly
    QScopedPointer<ZtTVWallDisplayWindowPrivate> d_ptr;
};

} // namespace ZtGUI
