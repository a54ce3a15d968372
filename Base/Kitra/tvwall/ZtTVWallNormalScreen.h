#pragma once

#include <QGraphicsWidget>
#include <QScopedPointer>
#include <QVariant>
#include "KitraExport.h"
#include "StructScaleRect.h"

class QEvent;

namespace ZtGUI {

class ZtTVWallNormalScreenPrivate;
class ZtTVWallNormalWindow;
class ZtTVWallNormalWnd;

/// One physical screen (or block of grid cells) of the scene wall. It lays itself out from its
/// rectangle in fractions of the wall, owns its video windows, implements what the operator does
/// with them (select, move, resize, draw an area for a new window) and reports it by window number.
class KITRA_EXPORT ZtTVWallNormalScreen : public QGraphicsWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallNormalScreen)

public:
    /// A selectable screen in free mode that covers `rowSpan` × `colSpan` cells of the wall grid
    /// (used when a window fits to cells) and asks `owner` for the selection mode. The wall's
    /// AddScreen() creates screens; hosts rarely need this.
    ZtTVWallNormalScreen(ZtTVWallNormalWnd* owner, int rowSpan, int colSpan, QGraphicsItem* parent = nullptr);
    /// Deletes the screen's windows with it.
    ~ZtTVWallNormalScreen() override;

    /// The number of wall grid rows the screen covers.
    int GetRowSpan() const;
    /// The number of wall grid columns the screen covers.
    int GetColumnSpan() const;
    /// Places the screen at `scale` (fractions of the scene rectangle) at once when it is in a
    /// scene, and again whenever the scene rectangle changes.
    void SetScale(const StructScaleRect& scale);
    /// Copies the screen's rectangle, in fractions of the wall, into `scale`.
    void GetScale(StructScaleRect& scale) const;
    /// Screens keep no title or icon; both are accepted for interface symmetry.
    void SetTitle(const QString& title);
    /// Does nothing, as SetTitle().
    void SetIcon(const QIcon& icon);
    //!@{
    /// The large white text drawn in the middle of the screen (point size 1/12 of its height,
    /// elided at the right), hidden while titles are hidden.
    void SetContentText(const QString& text);
    /// The text last given to SetContentText().
    QString GetContentText() const;
    //!@}
    //!@{
    /// The host's value for this screen; the screen never interprets it.
    void SetUserData(const QVariant& userData);
    /// The value last given to SetUserData(), or an invalid QVariant.
    QVariant GetUserData() const;
    //!@}
    /// Passes `freeMode` to every window: a window out of free mode cannot be moved or resized
    /// and hides its close, maximise and fit buttons, and the screen stops reporting its close,
    /// audio and geometry changes until free mode returns.
    void SetFreeMode(bool freeMode);
    /// The mode last given to SetFreeMode(); true after construction.
    bool IsFreeMode() const;
    /// Shows or hides the content text and the windows' titles; passed to every window.
    void SetWindowTitleShow(bool show);
    /// True when the screen or any of its windows is selected.
    bool IsSelected() const;

    /// Opens a window at `scale` (fractions of this screen; its flag makes the window free or
    /// not), stacked one above the highest window of the screen and titled "Window n". A volume
    /// button is added when `audioVisible` and the window is free. Returns the window's number.
    int OpenWindow(const StructScaleRect& scale, const QVariant& userData, bool audioVisible);
    /// Deletes window `iWindow`; later windows move down one number and are retitled. Emits
    /// SignalWindowSelectedChanged() when it was selected. False for an invalid number.
    bool DeleteWindow(int iWindow);
    /// Deletes every window, from the last to the first, emitting SignalWindowSelectedChanged()
    /// for each one that was selected.
    void DeleteAllWindows();
    /// The number of open windows.
    int GetWindowCount() const;
    /// Window `iWindow`, or null for an invalid number.
    ZtTVWallNormalWindow* GetWindow(int iWindow) const;
    /// The numbers of the selected windows, ascending.
    QList<int> GetSelectedWindowIndexs() const;
    /// The numbers of the windows that are not selected, ascending.
    QList<int> GetUnSelectedWindowIndexs() const;
    /// 0 to GetWindowCount() - 1.
    QList<int> GetAllWindowIndexs() const;
    /// Selects window `iWindow` and deselects the others, then emits SignalWindowSelectedChanged();
    /// does nothing for an invalid number.
    void SelectOnlyWindow(int iWindow);
    /// Deselects every window; emits SignalWindowSelectedChanged() once if any was selected.
    void ClearWindowSelection();
    /// Moves window `iWindow` to `scale` (fractions of the screen), ending any drag of it, and
    /// emits SignalWindowGeoChanged() when the rectangle differs by more than 0.002 and the screen
    /// reports the window (free mode). False for an invalid number.
    bool SetWindowScale(int iWindow, const StructScaleRect& scale);
    /// Copies the rectangle of window `iWindow` into `scale`; false (and `scale` untouched) for an
    /// invalid number.
    bool GetWindowScale(int iWindow, StructScaleRect& scale) const;
    /// Sets the stacking value of window `iWindow` (higher is in front); false for an invalid number.
    bool SetWindowZValue(int iWindow, double z);
    /// The stacking value of window `iWindow`, or -1.0 for an invalid number.
    double GetWindowZValue(int iWindow) const;
    /// The highest stacking value of the windows, and never below 0.0 (0.0 without windows).
    double GetMaxWindowZValue() const;
    /// Shows the volume button of window `iWindow` as on or off; no signal. False for an invalid
    /// number (true for a window without a volume button).
    bool SetWindowVolumeBtn(int iWindow, bool on);
    /// Whether the volume button of window `iWindow` shows on; false for an invalid number.
    bool GetWindowVolumeBtnStatus(int iWindow) const;
    /// Stores the host's value for window `iWindow`; false for an invalid number.
    bool SetWindowUserData(int iWindow, const QVariant& userData);
    /// The host's value for window `iWindow`, or an invalid QVariant for an invalid number.
    QVariant GetWindowUserData(int iWindow) const;

    /// Draws the frame, a lighter inner frame while selected, and the content text.
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    /// A release landed on an item carrying the screen close button's identifier (the library
    /// places no such item itself).
    void SignalCloseBtnClicked();
    /// The screen became selected (by a click on it or one of its windows, or by the host).
    void SignalSelected();
    /// The close button of window `iOpenWindow` was clicked; the window stays open until the host
    /// deletes it. Only while the window's reports are on (free mode).
    void SignalWindowCloseBtnClicked(int iOpenWindow);
    /// The volume button of window `iOpenWindow` was clicked; the host decides and calls
    /// SetWindowVolumeBtn(). Only while the window's reports are on (free mode).
    void SignalWindowVolumeBtnClicked(int iOpenWindow);
    /// Window `iOpenWindow` has the new rectangle `struScale` (fractions of the screen) after a
    /// drag, a resize, maximise, fit, restore or SetWindowScale(). Only while its reports are on.
    void SignalWindowGeoChanged(int iOpenWindow, ZtGUI::StructScaleRect struScale);
    /// A mouse, hover, context-menu, drag-enter or drop event `pEvent` reached window
    /// `iOpenWindow`; valid only during the call. A context menu is reported only for the
    /// top-most window.
    void SignalWindowEvent(int iOpenWindow, QEvent* pEvent);
    /// The set of selected windows of this screen changed (a click, a band, a double click, a
    /// deletion or a call).
    void SignalWindowSelectedChanged();
    /// The operator drew the area `struScale` (fractions of the screen, free mode on) on the empty
    /// part of the screen outside multi-selection; the host usually answers with OpenWindow().
    void SignalDrawAreaOpenWindow(ZtGUI::StructScaleRect struScale);
    /// Declared for interface symmetry; never emitted (a double click on a window is reported by
    /// SignalWindowSelectedChanged()).
    void SignalWindowDoubleClicked();

protected:
    /// Lays the screen out when it enters a scene and emits SignalSelected() when it becomes selected.
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    /// Implements selecting, moving and resizing the screen's windows and reports their events.
    bool sceneEventFilter(QGraphicsItem* watched, QEvent* event) override;
    /// Selects the screen alone and deselects its windows.
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    /// Shows the area being drawn, or the selection band in multi-selection.
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    /// Ends a draw with SignalDrawAreaOpenWindow(), or a band by selecting what it touches.
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    /// Places the windows again in their fractions of the new size.
    void resizeEvent(QGraphicsSceneResizeEvent* event) override;

private slots:
    void OnSceneRectChanged(const QRectF& rect);
    void OnWindowCloseBtnClicked();
    void OnWindowAudioBtnClicked();
    void OnGeoChanged(ZtGUI::StructScaleRect struScale);

private:
    QScopedPointer<ZtTVWallNormalScreenPrivate> d_ptr;
};

} // namespace ZtGUI
