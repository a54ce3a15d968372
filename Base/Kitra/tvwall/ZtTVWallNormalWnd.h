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
    enum SelectionMode { NoSelection = 0, SingleSelection = 1, MultiSelection = 2 };
    Q_ENUM(SelectionMode)
    /// Reserved: the wall keeps an empty set of these.
    enum DragDropMode { NoDragDrop = 0x0, DragWindow = 0x1, DropWindow = 0x2 };
    Q_DECLARE_FLAGS(DragDropModes, DragDropMode)

    explicit ZtTVWallNormalWnd(QWidget* parent = nullptr);
    ~ZtTVWallNormalWnd() override;

    void SetTVWallGridCount(int iRows, int iCols);
    int GetRowCount() const;
    int GetColumnCount() const;
    void SetWindowTitleShow(bool bShow);

    /// Adds a screen placed by `struScale` on the wall; its number, or -1 without a grid.
    int AddScreen(const StructScaleRect& struScale, const QIcon& icon, const QString& strTitle,
                  const QVariant& userData);
    int AddScreen(const StructScaleRect& struScale, const QVariant& userData);
    bool DeleteAllScreen();
    int GetScreenCount() const;
    bool GetScreenScale(int iScreen, StructScaleRect& struScale) const;
    bool SetScreenTitle(int iScreen, const QString& strTitle);
    bool SetScreenContentText(int iScreen, const QString& strText);
    void SetScreenUserData(int iScreen, const QVariant& userData);
    QVariant GetScreenUserData(int iScreen);
    int GetSelectedScreenIndex() const;
    void SetSelectedScreenIndex(int iScreen);
    void SetScreenFreeMode(int iScreen, bool bFreeMode);
    bool IsScreenFreeMode(int iScreen) const;

    /// Opens a window on screen `iScreen`; its number, or -1 for an invalid screen.
    int OpenWindow(int iScreen, const StructScaleRect& struScale, const QVariant& userData);
    bool DeleteWindow(int iScreen, int iWindow);
    void DeleteAllWindows(int iScreen);
    void DeleteAllWindows();
    bool SetWindowScale(int iScreen, int iWindow, const StructScaleRect& struScale);
    bool GetWindowScale(int iScreen, int iWindow, StructScaleRect& struScale) const;
    /// Two rectangles closer than this in every corner count as equal.
    double GetWindowScalePrecision();
    QList<int> GetSelectedWindowIndexs();
    QList<int> GetUnSelectedWindowIndexs();
    void SetSelectedWindowIndexs(int iScreen, int iWindow);
    int GetWindowCount(int iScreen) const;
    QList<int> GetAllWindowIndexs(int iScreen);
    bool SetWindowZValue(int iScreen, int iWindow, double dZValue);
    double GetWindowZValue(int iScreen, int iWindow) const;
    double GetMaxWindowZValue(int iScreen) const;
    void SetWindowVolumeBtn(int iScreen, int iWindow, bool bOn);
    bool GetWindowVolumeBtnStatus(int iScreen, int iWindow) const;
    void SetWindowContentText(int iScreen, int iWindow, const QString& strText);
    void SetWindowSelectionMode(SelectionMode mode);
    SelectionMode GetWindowSelectionMode();
    void SetWindowDragDropModes(QFlags<DragDropMode> modes);
    QFlags<DragDropMode> GetWindowDragDropModes();
    void SetWindowUserData(int iScreen, int iWindow, const QVariant& userData);
    QVariant GetWindowUserData(int iScreen, int iWindow);
    /// Back to 1:1 with the overview collapsed.
    void RecoverEagleEye();
    /// Whether windows opened from now on get a volume button.
    void SetAudioBtnVisible(bool bVisible);

signals:
    void SignalScreenEvent(int iScreen, QEvent* pEvent);
    void SignalScreenSelectedChanged(int iScreen);
    void SignalScreenCloseBtnClicked(int iScreen);
    void SignalWindowEvent(int iScreen, int iWindow, QEvent* pEvent);
    void SignalWindowSelectedChanged(int iScreen);
    void SignalWindowCloseBtnClicked(int iScreen, int iWindow);
    void SignalWindowVolumeBtnClicked(int iScreen, int iWindow);
    void SignalWindowGeoChanged(int iScreen, int iWindow, ZtGUI::StructScaleRect struScale);
    void SignalDrawAreaOpenWindow(int iScreen, ZtGUI::StructScaleRect struScale);
    void SignalWindowDoubleClicked(int iScreen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

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
