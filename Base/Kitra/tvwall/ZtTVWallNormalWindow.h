#pragma once

#include <QGraphicsWidget>
#include <QScopedPointer>
#include <QVariant>
#include "KitraExport.h"
#include "StructScaleRect.h"

namespace ZtGUI {

class ZtTVWallNormalWindowPrivate;
class ZtTVWallNormalTitleItem;

/// A video window of the scene wall: a child item of its screen, placed by a rectangle in
/// fractions of the screen, with a title bar of picture buttons. Its screen filters its mouse
/// events and implements selection, moving and resizing; the window itself acts on releases over
/// its title buttons and on double clicks.
class KITRA_EXPORT ZtTVWallNormalWindow : public QGraphicsWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallNormalWindow)

public:
    /// Identifiers of the title buttons, kept in item data key 100 of each button.
    enum TitleButton {
        CloseButton = 0,        ///< emits SignalCloseBtnClicked(); the rightmost button
        MaxButton = 1,          ///< maximises, or restores a maximised window
        VolumeButton = 2,       ///< emits SignalAudioBtnClicked(); only on free windows opened with audio
        SelfAdaptionButton = 3, ///< fits to cells, or restores a fitted window
        LockButton = 4,         ///< shown, does nothing
        PtzControlButton = 5,   ///< shown, does nothing
        MeetingModeButton = 6,  ///< shown, does nothing
        WindowCircleButton = 7  ///< shown, does nothing
    };

    /// A window on `screen` with its title bar and buttons (skin images of the "Kitra" module).
    /// `titleShow` shows the title, `freeMode` makes it movable with close, maximise and fit
    /// buttons, `audioVisible` adds a volume button to a free window. Screens create windows
    /// through OpenWindow(); hosts rarely need this.
    ZtTVWallNormalWindow(QGraphicsItem* screen, bool titleShow, bool freeMode, bool audioVisible);
    ~ZtTVWallNormalWindow() override;

    /// The tolerance, in fractions of the screen, within which a new rectangle counts as the
    /// current one; 0.002 (the wall's precision) unless set.
    void SetPrecision(double precision);
    /// The text on the title bar ("Window n" as the screen numbers it).
    void SetTitle(const QString& title);
    /// The title bar's text.
    QString GetTitle() const;
    /// The dark text drawn in the middle of the window (point size 1/12 of its height, elided).
    void SetContentText(const QString& text);
    /// The text last given to SetContentText().
    QString GetContentText() const;

    /// Applies `scale` (fractions of the screen) and clears the maximised and fitted states;
    /// does nothing when it equals the current rectangle within the precision.
    void SetScale(const StructScaleRect& scale);
    /// Applies `scale` unless it equals the current rectangle within the precision: keeps the
    /// old rectangle for Restore(), records the two states (free windows only), places the window
    /// and emits SignalGeoChanged(). The flag of `scale` becomes the window's free flag.
    void SetScale(const StructScaleRect& scale, bool maximizedState, bool fittedState);
    /// The current rectangle, in fractions of the screen, with the free flag.
    StructScaleRect GetScale() const;
    /// Turns moving, resizing and the close, maximise and fit buttons on or off; a window that is
    /// neither free nor titled hides its title bar.
    void SetFreeMode(bool freeMode);
    /// The free flag of the current rectangle.
    bool IsFreeMode() const;
    /// Shows or hides the title text; the title bar stays while the window is free.
    void SetTitleShow(bool show);
    /// Shows the volume button as on ("VolumeOn.png", tool tip "Close Volume") or off; no signal,
    /// nothing when unchanged or without a volume button.
    void SetVolumeBtn(bool on);
    /// Whether the volume state is on; false after construction.
    bool GetVolumeBtnStatus() const;
    /// The host's value for this window; the window never interprets it.
    void SetUserData(const QVariant& userData);
    /// The value last given to SetUserData(), or an invalid QVariant.
    QVariant GetUserData() const;

    /// True after Maximize() until the rectangle changes otherwise.
    bool IsMaximized() const;
    /// True after FitToCells() (or a double click) until the rectangle changes otherwise.
    bool IsFitted() const;
    /// Fills the screen (0, 0, 1, 1) and emits SignalGeoChanged(); Restore() returns to the
    /// rectangle before.
    void Maximize();
    /// Returns a maximised or fitted window to its rectangle before; does nothing otherwise.
    void Restore();
    /// Snaps the window outward to whole grid cells of its screen (a border within the precision
    /// of a cell line stays on it) and emits SignalGeoChanged(); nothing when it already lies on
    /// cell lines or its screen covers no cells.
    void FitToCells();
    /// False after a drag until the next release, so that a drag's release presses no button.
    void SetReleaseEnabled(bool enabled);
    /// The title bar item, owned by the window.
    ZtTVWallNormalTitleItem* GetTitleItem() const;

    /// Places the window (every move and resize comes here) and tells assistive tools.
    void setGeometry(const QRectF& rect) override;
    using QGraphicsWidget::setGeometry;

    /// Draws the light grey body, a blue frame with a resize grip while selected, and the content
    /// text unless the wall draws the window simplified.
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    /// The operator released the mouse on the close button; the window stays until deleted.
    void SignalCloseBtnClicked();
    /// The operator released the mouse on the volume button; the state is unchanged until
    /// SetVolumeBtn().
    void SignalAudioBtnClicked();
    /// The window moved to `struScale` (fractions of its screen), by any of the ways above.
    void SignalGeoChanged(ZtGUI::StructScaleRect struScale);
    /// A double click on a free window fitted or restored it and selected it.
    void SignalDoubleClickedSelectedChanged();

protected:
    /// Follows the geometry of a new parent screen; tells assistive tools of selection changes.
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    /// Acts on the title button under the mouse (see TitleButton), except right after a drag.
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    /// On a free window: restores a fitted window or fits it to cells, then selects it.
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    /// Lays the title bar out for the new width, and drops it with the content text while the
    /// wall draws the window simplified.
    void resizeEvent(QGraphicsSceneResizeEvent* event) override;

private slots:
    void OnGeometryChanged();

private:
    // A screen re-places its windows on its own resizes, without a connection per window.
    friend class ZtTVWallNormalScreen;

    QScopedPointer<ZtTVWallNormalWindowPrivate> d_ptr;
};

} // namespace ZtGUI
