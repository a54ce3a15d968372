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
    ZtTVWallDisplayWindow(ZtTVWallDisplayScreen* screen, bool bTitleShow, bool bShowLock, bool bShowAudio,
                          bool bShowCircle, bool bLight, QWidget* parent);
    ~ZtTVWallDisplayWindow() override;

    ZtTVWallDisplayScreen* GetScreen() const;
    void SetTitle(QString title);
    /// Drawn in the middle of a window that has no video widget.
    void SetContentText(QString text);
    void SetUserData(const QVariant& userData);
    QVariant GetUserData() const;
    /// The largest difference in each corner that still counts as the same rectangle.
    void SetPrecision(double precision);
    /// Places the window, snapped to the screen's cells while self-adaption is on. Ignored while
    /// the window or the wall is locked.
    void SetScale(const StructScaleRect& scale);
    StructScaleRect GetScale() const;
    void SetZValue(int iZ);
    int GetZValue() const;
    /// Unselecting closes the PTZ controls; only a selected window shows its title bar.
    void SetSelected(bool bSelected);
    bool IsSelected() const;
    /// The wall's lock: a locked wall ignores every new scale.
    void SetLock(bool bLock);
    bool IsWallLocked() const;

    /// Button states. Each setter except SetPTZBtn does nothing when the state is unchanged;
    /// volume, lock and tour do nothing for a window built without that button.
    void SetVolumeBtn(bool bOn);
    bool GetVolumeBtnStatus() const;
    /// Self-adaption: on snaps the window to the cells, off restores a maximised window.
    void SetDockBtn(bool bOn);
    bool GetDockBtnStatus() const;
    void SetLockBtn(bool bOn);
    bool GetLockBtnStatus() const;
    /// Kept for the host; the display window has no meeting-mode button.
    void SetMeetingBtn(bool bOn);
    bool GetMeetingBtnStatus() const;
    void SetTourBtn(bool bOn);
    bool GetTourBtnStatus() const;
    /// Opens or closes the PTZ controls, whatever the window's size.
    void SetPTZBtn(bool bOn);
    bool GetPTZBtnStatus() const;

    /// The widget the host renders video into, made on first use (a ZtTVWallDisplayVideo).
    QWidget* GetVideoWidget();
    void DeleteVideoWidget();
    void SetVideoUpdateEnable(bool bEnable);
    void SetVideoText(QString text);

signals:
    void SignalCloseBtnClicked();
    void SignalVolemeBtnClicked();
    void SignalDockBtnClicked();
    void SignalLockBtnClicked();
    void SignalMeetingBtnClicked();
    void SignalTourBtnClicked();
    void SignalPTZBtnClicked();
    void SignalGeoChanged(const ZtGUI::StructScaleRect& struScale);
    void SignalDoubleClickedSelectedChanged();
    /// A PTZ control was pressed (`stop` false) or released (`stop` true); `type` names the
    /// control (0 to 13) and `step` is the speed (1 to 8).
    void SignalPTZEvent(int type, int step, bool stop);
    void SignalGeometryChanged();

public slots:
    void OnShowMaxOrNormal();
    void OnWindowSelfAdaptionBtnClicked();
    void OnPTZBtnClicked();
    void OnPTZSpeedBtnClicked();
    // The PTZ controls report through SignalPTZEvent on press and release; these slots stay for
    // hosts that connect a control's click by name and do nothing.
    void OnPTZLeftBtnClicked();
    void OnPTZTopBtnClicked();
    void OnPTZRightBtnClicked();
    void OnPTZBottomBtnClicked();
    void OnPTZLeftTopBtnClicked();
    void OnPTZRightTopBtnClicked();
    void OnPTZLeftBottomBtnClicked();
    void OnPTZRightBottomBtnClicked();
    void OnPTZZoomDecBtnClicked();
    void OnPTZZoomIncBtnClicked();
    void OnPTZFocusDecBtnClicked();
    void OnPTZFocusIncBtnClicked();
    void OnPTZApertureDecBtnClicked();
    void OnPTZApertureIncBtnClicked();
    void OnPTZSliderValueChanged(int value);
    void OnTitleBtnClicked();
    void OnTitleItemExHide();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScopedPointer<ZtTVWallDisplayWindowPrivate> d_ptr;
};

} // namespace ZtGUI
