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
/// of more records keeps the first eight and warns once about the rest.
class KITRA_EXPORT ZtTVWallDisplayScreen : public QMdiArea
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallDisplayScreen)

public:
    ZtTVWallDisplayScreen(ZtTVWallDisplayWnd* wall, int iRows, int iCols, bool bShowLock, bool bShowAudio,
                          bool bShowCircle, QWidget* parent);
    ~ZtTVWallDisplayScreen() override;

    void SetUserData(const QVariant& userData);
    QVariant GetUserData() const;
    void SetIcon(const QIcon& icon);
    void SetTitle(const QString& title);
    void SetContentText(const QString& text);
    void SetScale(const StructScaleRect& scale);
    bool GetScale(StructScaleRect& scale) const;
    /// The wall grid rows and columns the screen covers.
    Q_INVOKABLE int GetRows() const;
    Q_INVOKABLE int GetCols() const;
    /// Unselecting a screen unselects its windows.
    void SetSelected(bool bSelected);
    bool IsSelected() const;
    void SetLockStatus(bool bLock);
    void SetSkin(bool bLight);
    /// Screens of a device type touch their neighbours; others keep a one-pixel seam.
    void SetDeviceType(bool bDeviceType);
    void SetPtzFrameSelectedEnable(bool bEnable);
    /// Places the screen on its wall from its scale.
    void UpdateGeometry();

    int OpenWindow(const StructScaleRect& scale, const QVariant& userData, bool bTitleShow);
    bool DeleteWindow(int iWindow);
    void DeleteAllWindows();
    int GetWindowCount() const;
    ZtTVWallDisplayWindow* GetWindow(int iWindow) const;
    bool SetWindowScale(int iWindow, const StructScaleRect& scale);
    bool GetWindowScale(int iWindow, StructScaleRect& scale) const;
    /// Restacks by z (ties in opening order) when `bReorder`; the OSD texts stay on top.
    bool SetWindowZValue(int iWindow, int iZ, bool bReorder);
    int GetWindowZValue(int iWindow) const;
    int GetMaxWindowZValue() const;
    void GetMaxWindowZValue(int& iWindow, int& iZ) const;
    QList<int> GetSelectedWindowIndexs() const;
    QList<int> GetUnSelectedWindowIndexs() const;
    QList<int> GetAllWindowIndexs() const;
    QList<int> GetAllWindowUserDatas() const;
    void SetSelectedWindowIndexs(int iWindow, bool bSelected);
    void ClearWindowSelection();

    void SetWindowVolumeBtn(int iWindow, bool bOn);
    void SetWindowLockBtn(int iWindow, bool bOn);
    void SetWindowDockBtn(int iWindow, bool bOn);
    void SetWindowMeetingBtn(int iWindow, bool bOn);
    void SetWindowTourBtn(int iWindow, bool bOn);
    void SetWindowPTZBtn(int iWindow, bool bOn);
    bool GetWindowVolumeBtnStatus(int iWindow) const;
    bool GetWindowLockBtnStatus(int iWindow) const;
    bool GetWindowDockBtnStatus(int iWindow) const;
    bool GetWindowMeetingBtnStatus(int iWindow) const;
    bool GetWindowTourBtnStatus(int iWindow) const;
    void SetWindowUserData(int iWindow, const QVariant& userData);
    QVariant GetWindowUserData(int iWindow) const;
    QWidget* GetWindowWidget(int iWindow) const;
    void DeleteWindowWidget(int iWindow);

    /// Colour mode turns OSD labels into targets of SignalLabelEvent; leaving it hides every OSD text.
    void SetWindowBackgroudColor(const QColor& color, bool bColorMode);
    /// A ".yuv" picture is looked for as the ".jpg" beside it.
    void SetBaseMapShow(std::string strPath, bool bShow);
    void SetOSDInfo(std::vector<StructOSDInfo>& vecInfo);
    /// Shows or hides every stored text, whatever ids are given.
    void SetOSDVisible(const std::vector<int>& vecId, bool bVisible);

signals:
    void SignalCloseBtnClicked();
    void SignalSelected();
    void SignalWindowCloseBtnClicked(int iOpenWindow);
    void SignalWindowVolumeBtnClicked(int iOpenWindow);
    void SignalWindowLockBtnClicked(int iOpenWindow);
    void SignalWindowDockBtnClicked(int iOpenWindow);
    void SignalWindowMeetingBtnClicked(int iOpenWindow);
    void SignalWindowTourBtnClicked(int iOpenWindow);
    void SignalWindowPTZBtnClicked(int iOpenWindow);
    void SignalWindowGeoChanged(int iOpenWindow, const ZtGUI::StructScaleRect& struScale);
    void SignalWindowEvent(int iOpenWindow, QEvent* pEvent);
    void SignalWindowSelectedChanged();
    void SignalWindowDoubleClicked();
    void SignalDrawAreaOpenWindow(const ZtGUI::StructScaleRect& struScale);
    void SignalScreenDropEvent(QEvent* pEvent);
    void SignalWindowClicked();
    void Signal3DSite(int iWindow, int iXPos, int iYPos, int iMultiple);
    void SignalLabelEvent(int iLabelIndex, QEvent* pEvent);
    void SignalOSDGeoChanged(int osdId, const QRect& rect, bool bMove);
    void SignalOSDEvent(int osdId, int eventId);
    void SignalPTZEvent(int iWindow, int type, int step, bool stop);
    void SignalLockEvent(QString strLockInfo);

public slots:
    void OnWindowCloseBtnClicked();
    void OnGeoChanged(const ZtGUI::StructScaleRect& struScale);
    void OnWindowVolumeBtnClicked();
    void OnWindowLockBtnClicked();
    void OnWindowDockBtnClicked();
    void OnWindowMeetingBtnClicked();
    void OnWindowTourBtnClicked();
    void OnWindowPTZBtnClicked();
    void OnOtherLabelUnSelect(bool bFlag, int nIndex);
    void OnOSDMouseReleased(bool bMove);
    void OnOSDEditButtonClicked();
    void OnOSDCloseButtonClicked();
    void OnPTZEvent(int type, int step, bool stop);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Shows the edit and close buttons of the OSD text under the mouse; false when `watched` is
    /// no OSD text.
    virtual bool OSDHoverEvent(QObject* watched, QEvent* event);

private:
    QScopedPointer<ZtTVWallDisplayScreenPrivate> d_ptr;
};

} // namespace ZtGUI
