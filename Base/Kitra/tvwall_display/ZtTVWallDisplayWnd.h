#pragma once

#include <QIcon>
#include <QList>
#include <QScopedPointer>
#include <QVariant>
#include <QWidget>
#include <string>
#include <vector>
#include "KitraExport.h"
#include "StructOSDInfo.h"
#include "StructScaleRect.h"

class QEvent;

namespace ZtGUI {

class ZtTVWallDisplayWndPrivate;

/// The display wall: a grid of monitor cells on which screens (MDI areas) are placed by
/// rectangles in fractions of the wall, each holding video windows. Screens and windows are
/// addressed by position; a bad index makes a call do nothing and answer its failure value.
/// Every screen signal comes back as a wall signal with the screen's index in front.
/// Screens are placed when the wall is resized.
class KITRA_EXPORT ZtTVWallDisplayWnd : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallDisplayWnd)

public:
    enum SelectionMode { NoSelection = 0, SingleSelection = 1, MultiSelection = 2 };
    Q_ENUM(SelectionMode)

    explicit ZtTVWallDisplayWnd(QWidget* parent = nullptr);
    ~ZtTVWallDisplayWnd() override;

    void SetTVWallGridCount(int iRows, int iCols);
    int GetRowCount() const;
    int GetColumnCount() const;
    int AddScreen(const StructScaleRect& scale, const QVariant& userData);
    /// Returns the new screen's index, or -1 (with a warning) before a grid is set.
    int AddScreen(const StructScaleRect& scale, const QIcon& icon, const QString& title, const QVariant& userData);
    bool DeleteAllScreen();
    int GetScreenCount() const;
    bool GetScreenScale(int iScreen, StructScaleRect& scale) const;
    /// The grid rows and columns the screen covers; 1 and 1 for a bad index.
    void GetScreenGrid(int iScreen, int& iRows, int& iCols);
    bool SetScreenTitle(int iScreen, const QString& title);
    bool SetScreenContentText(int iScreen, const QString& text);
    void SetScreenUserData(int iScreen, const QVariant& userData);
    QVariant GetScreenUserData(int iScreen);
    int GetSelectedScreenIndex() const;
    void SetSelectedScreenIndex(int iScreen);
    bool SetScreenWindowBackgroudColor(int iScreen, const QColor& color, bool bShow);
    bool SetScreenBaseMapShow(int iScreen, std::string strPath, bool bShow);
    /// Replaces the screen's on-screen-display texts (ids are positions). A screen shows at most
    /// eight: further records are ignored with one warning.
    bool SetScreenOSDInfo(int iScreen, std::vector<StructOSDInfo>& vecInfo);
    /// Shows or hides every text of the screen, whatever ids are given.
    void SetScreenOSDVisible(int iScreen, const std::vector<int>& vecId, bool bVisible);
    void SetPtzFrameSelectedEnable(bool bEnable);
    void SetDeviceType(bool bDeviceType);
    void SetTVWallLockStatus(bool bLock);
    bool GetTVWallLockStatus();
    void SetWindowTitleShow(bool bShow);
    void ShowWndLockBtn(bool bShow);
    void ShowWndAudioBtn(bool bShow);
    void ShowWndCircleBtn(bool bShow);

    int OpenWindow(int iScreen, const StructScaleRect& scale, const QVariant& userData);
    bool DeleteWindow(int iScreen, int iWindow);
    void DeleteAllWindows(int iScreen);
    void DeleteAllWindows();
    bool SetWindowScale(int iScreen, int iWindow, const StructScaleRect& scale);
    bool GetWindowScale(int iScreen, int iWindow, StructScaleRect& scale) const;
    double GetWindowScalePrecision();
    /// Of the selected screen; empty without one.
    QList<int> GetSelectedWindowIndexs();
    QList<int> GetUnSelectedWindowIndexs();
    void SetSelectedWindowIndexs(int iScreen, int iWindow, bool bSelected);
    int GetWindowCount(int iScreen) const;
    QList<int> GetAllWindowIndexs(int iScreen);
    QList<int> GetAllWindowUserDatas(int iScreen);
    bool SetWindowZValue(int iScreen, int iWindow, int iZ, bool bReorder);
    int GetWindowZValue(int iScreen, int iWindow) const;
    int GetMaxWindowZValue(int iScreen) const;
    void GetMaxWindowZValue(int iScreen, int& iWindow, int& iZ);
    void SetWindowVolumeBtn(int iScreen, int iWindow, bool bOn);
    void SetWindowLockBtn(int iScreen, int iWindow, bool bOn);
    void SetWindowDockBtn(int iScreen, int iWindow, bool bOn);
    void SetWindowMeetingBtn(int iScreen, int iWindow, bool bOn);
    void SetWindowTourBtn(int iScreen, int iWindow, bool bOn);
    void SetWindowPTZBtn(int iScreen, int iWindow, bool bOn);
    bool GetWindowVolumeBtnStatus(int iScreen, int iWindow) const;
    bool GetWindowLockBtnStatus(int iScreen, int iWindow) const;
    bool GetWindowDockBtnStatus(int iScreen, int iWindow) const;
    bool GetWindowMeetingBtnStatus(int iScreen, int iWindow) const;
    bool GetWindowTourBtnStatus(int iScreen, int iWindow) const;
    void SetWindowContentText(int iScreen, int iWindow, const QString& text);
    /// Switching to single selection unselects the selected screen's windows.
    void SetWindowSelectionMode(SelectionMode mode);
    SelectionMode GetWindowSelectionMode();
    QWidget* GetWindowWidget(int iScreen, int iWindow) const;
    void DeleteWindowWidget(int iScreen, int iWindow);
    void SetWindowUpdateEnable(int iScreen, int iWindow, bool bEnable);
    void SetWindowVideoWidgetText(int iScreen, int iWindow, const QString& text);
    void SetWindowUserData(int iScreen, int iWindow, const QVariant& userData);
    QVariant GetWindowUserData(int iScreen, int iWindow);

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
    void SignalWindowGeoChanged(int iScreen, int iWindow, const ZtGUI::StructScaleRect& struScale);
    void SignalDrawAreaOpenWindow(int iScreen, const ZtGUI::StructScaleRect& struScale);
    void SignalWindowDoubleClicked(int iScreen);
    void SignalScreenSelected();
    void SignalWindowClicked();
    void SignalScreenRightClick(int iScreen);
    void SignalWindow3DSite(int iScreen, int iWindow, int iXPos, int iYPos, int iMultiple);
    void SignalLabelEvent(int iScreen, int iLabelIndex, QEvent* pEvent);
    void SignalOSDGeoChanged(int iScreen, int osdId, const QRect& rect, bool bMove);
    void SignalOSDEvent(int iScreen, int osdId, int eventId);
    void SignalPTZEvent(int iScreen, int iWindow, int type, int step, bool stop);
    void SignalLockEvent(QString strLockInfo);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void OnWindowCloseBtnClicked(int iWindow);
    void OnWindowVolumeBtnClicked(int iWindow);
    void OnWindowLockBtnClicked(int iWindow);
    void OnWindowDockBtnClicked(int iWindow);
    void OnWindowMeetingBtnClicked(int iWindow);
    void OnWindowTourBtnClicked(int iWindow);
    void OnWindowPTZBtnClicked(int iWindow);
    void OnWindowGeoChanged(int iWindow, const ZtGUI::StructScaleRect& struScale);
    void OnWindowEvent(int iWindow, QEvent* pEvent);
    void OnScreenSelected();
    void OnWindowSelectedChanged();
    void OnDrawAreaOpenWindow(const ZtGUI::StructScaleRect& struScale);
    void OnScreenDropEvent(QEvent* pEvent);
    void OnWindowDoubleClicked();
    void OnWindowClicked();
    void OnRightMenu(const QPoint& pos);
    void OnWindow3DSite(int iWindow, int iXPos, int iYPos, int iMultiple);
    void OnLabelEvent(int iLabelIndex, QEvent* pEvent);
    void OnOSDGeoChanged(int osdId, const QRect& rect, bool bMove);
    void OnOSDEvent(int osdId, int eventId);
    void OnPTZEvent(int iWindow, int type, int step, bool stop);
    void OnLockEvent(QString strLockInfo);

private:
    QScopedPointer<ZtTVWallDisplayWndPrivate> d_ptr;
};

} // namespace ZtGUI
