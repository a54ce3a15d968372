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
    enum SelectionMode { NoSelection = 0, SingleSelection = 1, MultiSelection = 2 };
    Q_ENUM(SelectionMode)

    explicit ZtTVWallOperateWnd(QWidget* parent = nullptr);
    ~ZtTVWallOperateWnd() override;

    /// 0 shows the scene wall, 1 the display wall; the other wall is destroyed with its screens
    /// and windows. Any other value keeps both walls but routes no call to either.
    void SetShowMode(int iMode);

    // Both walls.
    void SetTVWallGridCount(int iRows, int iCols);
    int GetRowCount() const;
    int GetColumnCount() const;
    /// The shown wall's own rectangle; a null rectangle without one.
    QRect GetTVWallRect() const;
    void SetWindowTitleShow(bool bShow);
    int AddScreen(const StructScaleRect& struScale, const QVariant& userData);
    int AddScreen(const StructScaleRect& struScale, const QIcon& icon, const QString& strTitle,
                  const QVariant& userData);
    bool DeleteAllScreen();
    int GetScreenCount() const;
    void SetScreenUserData(int iScreen, const QVariant& userData);
    QVariant GetScreenUserData(int iScreen) const;
    bool GetScreenScale(int iScreen, StructScaleRect& struScale) const;
    bool SetScreenTitle(int iScreen, const QString& strTitle);
    bool SetScreenContentText(int iScreen, const QString& strText);
    void SetSelectedScreenIndex(int iScreen);
    int GetSelectedScreenIndex() const;
    int OpenWindow(int iScreen, const StructScaleRect& struScale, const QVariant& userData);
    bool DeleteWindow(int iScreen, int iWindow);
    void DeleteAllWindows(int iScreen);
    void DeleteAllWindows();
    /// The scene wall selects the window whatever `bSelected` says.
    void SetSelectedWindowIndexs(int iScreen, int iWindow, bool bSelected);
    int GetWindowCount(int iScreen) const;
    QList<int> GetSelectedWindowIndexs() const;
    QList<int> GetUnSelectedWindowIndexs() const;
    QList<int> GetAllWindowIndexs(int iScreen) const;
    void SetWindowUserData(int iScreen, int iWindow, const QVariant& userData);
    QVariant GetWindowUserData(int iScreen, int iWindow) const;
    double GetWindowScalePrecision() const;
    bool SetWindowScale(int iScreen, int iWindow, const StructScaleRect& struScale);
    bool GetWindowScale(int iScreen, int iWindow, StructScaleRect& struScale) const;
    /// The scene wall takes the z-value alone; the display wall also takes `bReorder`.
    bool SetWindowZValue(int iScreen, int iWindow, int iZValue, bool bReorder);
    /// The scene wall's z-values are truncated toward zero.
    int GetWindowZValue(int iScreen, int iWindow) const;
    int GetMaxWindowZValue(int iScreen) const;
    void SetWindowContentText(int iScreen, int iWindow, const QString& strText);
    void SetWindowVolumeBtn(int iScreen, int iWindow, bool bOn);
    bool GetWindowVolumeBtnStatus(int iScreen, int iWindow) const;
    void SetWindowSelectionMode(SelectionMode mode);
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

    // Scene wall only.
    void SetScreenFreeMode(int iScreen, bool bFreeMode);
    /// True outside the scene wall's mode.
    bool IsScreenFreeMode(int iScreen) const;
    void RecoverEagleEye();
    void SetAudioBtnVisible(bool bVisible);

    // Display wall only.
    void SetTVWallLockStatus(bool bLock);
    bool GetTVWallLockStatus() const;
    /// The grid rows and columns screen `iScreen` covers; the outputs are untouched without a display wall.
    void GetScreenGrid(int iScreen, int& iRows, int& iCols) const;
    void SetPtzFrameSelectedEnable(bool bEnable);
    virtual bool SetScreenOSDInfo(int iScreen, std::vector<StructOSDInfo>& vecInfo);
    void SetScreenOSDVisible(int iScreen, const std::vector<int>& vecId, bool bVisible);
    QList<int> GetAllWindowUserDatas(int iScreen) const;
    /// The topmost window of screen `iScreen` and its z-value; untouched without a display wall.
    void GetMaxWindowZValue(int iScreen, int& iWindow, int& iZValue) const;
    void SetWindowLockBtn(int iScreen, int iWindow, bool bOn);
    bool GetWindowLockBtnStatus(int iScreen, int iWindow) const;
    void SetWindowDockBtn(int iScreen, int iWindow, bool bOn);
    bool GetWindowDockBtnStatus(int iScreen, int iWindow) const;
    void SetWindowMeetingBtn(int iScreen, int iWindow, bool bOn);
    bool GetWindowMeetingBtnStatus(int iScreen, int iWindow) const;
    void SetWindowTourBtn(int iScreen, int iWindow, bool bOn);
    bool GetWindowTourBtnStatus(int iScreen, int iWindow) const;
    void SetWindowPTZBtn(int iScreen, int iWindow, bool bOn);
    QWidget* GetWindowWidget(int iScreen, int iWindow) const;
    void DeleteWindowWidget(int iScreen, int iWindow);
    void SetWindowVideoWidgetText(int iScreen, int iWindow, const QString& strText);
    void SetWindowUpdateEnable(int iScreen, int iWindow, bool bEnable);
    bool SetScreenWindowColor(int iScreen, const QColor& color, bool bShow);
    bool SetScreenBaseMap(int iScreen, std::string strPath, bool bShow);
    void SetDeviceType(bool bType);
    void ShowWndLockBtn(bool bShow);
    void ShowWndAudioBtn(bool bShow);
    void ShowWndCircleBtn(bool bShow);

signals:
    void SignalScreenEvent(int iScreen, QEvent* pEvent);
    void SignalScreenSelectedChanged(int iScreen);
    void SignalScreenCloseBtnClicked(int iScreen);
    void SignalWindowEvent(int iScreen, int iWindow, QEvent* pEvent);
    void SignalWindowSelectedChanged(int iScreen);
    void SignalWindowCloseBtnClicked(int iScreen, int iWindow);
    void SignalWindowVolumeBtnClicked(int iScreen, int iWindow);
    void SignalWindowLockBtnClicked(int iScreen, int iWindow);
    void SignalWindowDockBtnClicked(int iScreen, int iWindow);
    void SignalWindowMeetingBtnClicked(int iScreen, int iWindow);
    void SignalWindowTourBtnClicked(int iScreen, int iWindow);
    void SignalWindowPTZBtnClicked(int iScreen, int iWindow);
    void SignalWindowGeoChanged(int iScreen, int iWindow, ZtGUI::StructScaleRect struScale);
    void SignalDrawAreaOpenWindow(int iScreen, ZtGUI::StructScaleRect struScale);
    void SignalWindowDoubleClicked(int iScreen);
    /// Declared for hosts written against it; never emitted.
    void SignalScreenSelected(int iScreen);
    void SignalWindowClicked();
    void SignalScreenRightClick(int iScreen);
    void SignalWindow3DSite(int iScreen, int iWindow, int iXPos, int iYPos, int iMultiple);
    void SignalLabelEvent(int iScreen, int iLabelIndex, QEvent* pEvent);
    void SignalOSDGeoChanged(int iScreen, int osdId, QRect rect, bool);
    void SignalOSDEvent(int iScreen, int osdId, int eventId);
    void SignalPTZEvent(int iScreen, int iWindow, int type, int step, bool stop);
    void SignalLockEvent(QString strLockInfo);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private slots:
    /// Zooms the display wall 1.5 times in (delta >= 1) or out around `pos`, a point of the wall.
    void OnWheelEvent(int iDelta, QPoint pos);
    void OnEagleEyeAreaChanged();
    /// Shows the wall from (fX, fY), in fractions of the wall.
    void OnEagleEyeLocated(float fX, float fY);

private:
    QScopedPointer<ZtTVWallOperateWndPrivate> d_ptr;
};

} // namespace ZtGUI
