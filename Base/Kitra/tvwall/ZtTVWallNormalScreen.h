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
    ZtTVWallNormalScreen(ZtTVWallNormalWnd* owner, int rowSpan, int colSpan, QGraphicsItem* parent = nullptr);
    ~ZtTVWallNormalScreen() override;

    int GetRowSpan() const;
    int GetColumnSpan() const;
    void SetScale(const StructScaleRect& scale);
    void GetScale(StructScaleRect& scale) const;
    /// Screens keep no title or icon; both are accepted for interface symmetry.
    void SetTitle(const QString& title);
    void SetIcon(const QIcon& icon);
    void SetContentText(const QString& text);
    QString GetContentText() const;
    void SetUserData(const QVariant& userData);
    QVariant GetUserData() const;
    /// A screen out of free mode stops reporting its windows' close, audio and geometry changes.
    void SetFreeMode(bool freeMode);
    bool IsFreeMode() const;
    void SetWindowTitleShow(bool show);
    /// True when the screen or any of its windows is selected.
    bool IsSelected() const;

    int OpenWindow(const StructScaleRect& scale, const QVariant& userData, bool audioVisible);
    bool DeleteWindow(int iWindow);
    void DeleteAllWindows();
    int GetWindowCount() const;
    ZtTVWallNormalWindow* GetWindow(int iWindow) const;
    QList<int> GetSelectedWindowIndexs() const;
    QList<int> GetUnSelectedWindowIndexs() const;
    QList<int> GetAllWindowIndexs() const;
    void SelectOnlyWindow(int iWindow);
    void ClearWindowSelection();
    bool SetWindowScale(int iWindow, const StructScaleRect& scale);
    bool GetWindowScale(int iWindow, StructScaleRect& scale) const;
    bool SetWindowZValue(int iWindow, double z);
    double GetWindowZValue(int iWindow) const;
    double GetMaxWindowZValue() const;
    bool SetWindowVolumeBtn(int iWindow, bool on);
    bool GetWindowVolumeBtnStatus(int iWindow) const;
    bool SetWindowUserData(int iWindow, const QVariant& userData);
    QVariant GetWindowUserData(int iWindow) const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void SignalCloseBtnClicked();
    void SignalSelected();
    void SignalWindowCloseBtnClicked(int iOpenWindow);
    void SignalWindowVolumeBtnClicked(int iOpenWindow);
    void SignalWindowGeoChanged(int iOpenWindow, ZtGUI::StructScaleRect struScale);
    void SignalWindowEvent(int iOpenWindow, QEvent* pEvent);
    void SignalWindowSelectedChanged();
    void SignalDrawAreaOpenWindow(ZtGUI::StructScaleRect struScale);
    void SignalWindowDoubleClicked();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    bool sceneEventFilter(QGraphicsItem* watched, QEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private slots:
    void OnSceneRectChanged(const QRectF& rect);
    void OnWindowCloseBtnClicked();
    void OnWindowAudioBtnClicked();
    void OnGeoChanged(ZtGUI::StructScaleRect struScale);

private:
    QScopedPointer<ZtTVWallNormalScreenPrivate> d_ptr;
};

} // namespace ZtGUI
