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
        CloseButton = 0,
        MaxButton = 1,
        VolumeButton = 2,
        SelfAdaptionButton = 3,
        LockButton = 4,
        PtzControlButton = 5,
        MeetingModeButton = 6,
        WindowCircleButton = 7
    };

    ZtTVWallNormalWindow(QGraphicsItem* screen, bool titleShow, bool freeMode, bool audioVisible);
    ~ZtTVWallNormalWindow() override;

    void SetPrecision(double precision);
    void SetTitle(const QString& title);
    QString GetTitle() const;
    void SetContentText(const QString& text);
    QString GetContentText() const;

    /// Applies `scale` unless it equals the current rectangle within the precision.
    void SetScale(const StructScaleRect& scale);
    void SetScale(const StructScaleRect& scale, bool maximizedState, bool fittedState);
    StructScaleRect GetScale() const;
    void SetFreeMode(bool freeMode);
    bool IsFreeMode() const;
    void SetTitleShow(bool show);
    void SetVolumeBtn(bool on);
    bool GetVolumeBtnStatus() const;
    void SetUserData(const QVariant& userData);
    QVariant GetUserData() const;

    bool IsMaximized() const;
    bool IsFitted() const;
    /// Fills the screen; Restore returns to the rectangle before.
    void Maximize();
    void Restore();
    /// Snaps the window outward to whole grid cells of its screen.
    void FitToCells();
    /// False after a drag until the next release, so that a drag's release presses no button.
    void SetReleaseEnabled(bool enabled);
    ZtTVWallNormalTitleItem* GetTitleItem() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void SignalCloseBtnClicked();
    void SignalAudioBtnClicked();
    void SignalGeoChanged(ZtGUI::StructScaleRect struScale);
    void SignalDoubleClickedSelectedChanged();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

private slots:
    void OnGeometryChanged();

private:
    QScopedPointer<ZtTVWallNormalWindowPrivate> d_ptr;
};

} // namespace ZtGUI
