#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QVariant>
#include <string>
#include <vector>
#include "StructOSDInfo.h"
#include "StructScaleRect.h"

class QLabel;
class QMouseEvent;
class QPushButton;

namespace ZtGUI {

class MovableSub;
class QOSDShowLabel;
class ZtTVWallDisplayFrame;
class ZtTVWallDisplayScreen;
class ZtTVWallDisplayWindow;
class ZtTVWallDisplayWnd;

class ZtTVWallDisplayScreenPrivate
{
    Q_DECLARE_PUBLIC(ZtTVWallDisplayScreen)

public:
    static const int kOSDCount = 8;

    struct OSDEntry
    {
        QLabel* label = nullptr;
        MovableSub* sub = nullptr;
        QPushButton* edit = nullptr;
        QPushButton* close = nullptr;
    };

    explicit ZtTVWallDisplayScreenPrivate(ZtTVWallDisplayScreen* screen);

    int mode() const;
    QSize area() const;
    int indexOf(const QObject* object) const;
    ZtTVWallDisplayWindow* window(int iWindow) const;

    /// Emits `signal` with the sending window's index in front of `args`; other senders are ignored.
    template <typename... Params, typename... Args>
    void relay(void (ZtTVWallDisplayScreen::*signal)(int, Params...), Args&&... args);
    void setButton(int iWindow, bool bOn, void (ZtTVWallDisplayWindow::*set)(bool));
    bool buttonState(int iWindow, bool (ZtTVWallDisplayWindow::*get)() const) const;

    void buildOSD();
    void layoutOSD();
    void raiseOSD();
    int osdIndexOf(const QObject* object) const;

    /// Selects by the mode's rules; `changed` tells whether the selection moved. False when a
    /// slot deleted the screen.
    bool selectWindow(ZtTVWallDisplayWindow* target, bool fromDrag, bool& changed);
    bool unselectAll();
    bool selectBand(const QRect& band, bool& changed);
    void showFrame(ZtTVWallDisplayFrame* frame, const QRect& rect);

    // The event filter's share, by event; each answers whether the event is consumed.
    bool windowPress(ZtTVWallDisplayWindow* w, QMouseEvent* event);
    bool windowMove(ZtTVWallDisplayWindow* w, QMouseEvent* event);
    bool windowRelease(ZtTVWallDisplayWindow* w, QMouseEvent* event);
    void updateCursor(ZtTVWallDisplayWindow* w);
    void moveGroup(const QPoint& offset);
    void resizeWindow(ZtTVWallDisplayWindow* w, const QPoint& pointer);
    bool applyMoves();
    /// applyMoves() as one undoable gesture.
    bool recordMoves();
    void endGesture();
    bool labelEvent(QObject* watched, QEvent* event);

    ZtTVWallDisplayScreen* q_ptr;
    ZtTVWallDisplayWnd* wall = nullptr;
    int rows = 1;
    int cols = 1;
    QVariant userData;
    QIcon icon;
    QString title;
    QString contentText;
    StructScaleRect scale;
    bool selected = false;
    bool placed = false;         // UpdateGeometry has run once: from then on a resize places the screen again
    QList<ZtTVWallDisplayWindow*> windows;

    bool moving = false;
    bool resizing = false;
    bool resized = false;
    bool bandActive = false;
    bool bandFromWindow = false;
    QPoint pressPoint;
    QPoint currentPoint;
    bool drawActive = false;
    ZtTVWallDisplayFrame* bandFrame = nullptr;
    ZtTVWallDisplayFrame* drawFrame = nullptr;
    int region = 0;
    QPoint pressInWindow;
    bool pressed = false;
    QPoint topLeft;
    QPoint bottomRight;
    QPoint bottomLeft;
    QPoint topRight;
    int rightDistance = 0;
    int bottomDistance = 0;

    bool colorMode = false;
    QColor backgroundColor;

    QOSDShowLabel* showLabels[kOSDCount] = {};
    OSDEntry osd[kOSDCount];
    std::vector<StructOSDInfo> osdInfo;
    bool osdVisible = true;

    QMap<ZtTVWallDisplayWindow*, QPoint> moveSet;

    bool baseMapShow = false;
    std::string baseMapPath;
    bool deviceType = false;
    bool showLock = true;
    bool showAudio = true;
    bool showCircle = true;
    QString lockMessage;
    bool lockedAtMove = false;
    bool ptzFrameSelect = false;
    bool wallLocked = false;
    bool light = true;
};

} // namespace ZtGUI
