#pragma once

#include <QPointer>
#include <QRect>
#include <QVariant>
#include "StructScaleRect.h"

class QPainter;
class QPushButton;
class QToolButton;

namespace ZtGUI {

class TVWallDisplayPTZSlider;
class TVWallDisplayTitleItemEx;
class ZtTVWallDisplayScreen;
class ZtTVWallDisplayTitleItem;
class ZtTVWallDisplayVideo;
class ZtTVWallDisplayWindow;

class ZtTVWallDisplayWindowPrivate
{
    Q_DECLARE_PUBLIC(ZtTVWallDisplayWindow)

public:
    // Title buttons in the order they stand on the bar.
    enum TitleButton { Circle, Ptz, Lock, Volume, Dock, Max, Close, TitleButtonCount };
    static const int kPtzButtons = 14;
    static const int kDirectionButtons = 8;

    explicit ZtTVWallDisplayWindowPrivate(ZtTVWallDisplayWindow* window);

    void createTitleButtons();
    void connectTitleButtons();
    void setButtonState(TitleButton button, bool on);

    /// Returns false when a slot of SignalGeoChanged deleted the window.
    bool applyScale(StructScaleRect scale, bool maximise);
    /// Moves the window to `newScale` unless it is locked or already there; true when it moved.
    bool place(const StructScaleRect& newScale, bool maximise);
    /// Puts the window back exactly where an undo or redo says, restore target included, and
    /// reports it; false when a slot deleted the window.
    bool putBack(const StructScaleRect& to, bool maximise, const StructScaleRect& saved);
    /// As SetScale, but compared exactly: a keyboard step of one pixel on a screen wider than a
    /// thousand pixels is finer than the precision and must still move the window.
    bool stepTo(const StructScaleRect& to);
    bool exactlyAt(const StructScaleRect& to) const;
    /// Maximises or restores as the title button does, as one undoable gesture.
    bool toggleMaximizedByOperator();
    StructScaleRect snapped(const StructScaleRect& scale) const;
    bool snap();
    bool toggleMaximized();
    void placeChildren();
    /// Whether the window refuses the mouse and keys: its own lock or the wall's.
    bool locked() const { return lockOn || wallLocked; }
    /// Tells assistive tools when the lock state differs from `wasLocked`.
    void announceLock(bool wasLocked);
    /// Tells assistive tools the window's new place, once for a move and resize together.
    void announcePlace();
    QRect videoRect() const;

    void buildPtz();
    void layoutPtz();
    void showPtz(bool show);
    void hidePtz(const char* notice);
    QRect parentGlobalRect() const;
    int ptzCode(const QObject* object) const;

    void paintSelection(QPainter& painter) const;
    void paintContentText(QPainter& painter) const;

    ZtTVWallDisplayWindow* q_ptr;
    ZtTVWallDisplayScreen* screen = nullptr;
    ZtTVWallDisplayTitleItem* titleItem = nullptr;
    TVWallDisplayTitleItemEx* titleItemEx = nullptr;
    QPointer<ZtTVWallDisplayVideo> video;
    QVariant userData;
    int zValue = 0;

    StructScaleRect scale;
    StructScaleRect savedScale;      // where restore returns to
    double precision = 0.001;
    QString contentText;

    bool selected = false;
    bool tourOn = false;
    bool meetingOn = false;
    bool lockOn = false;
    bool volumeOn = false;
    bool dockOn = false;
    bool maximized = false;
    bool wallLocked = false;
    QRect announcedPlace;

    QToolButton* buttons[TitleButtonCount] = {};
    QToolButton* copies[TitleButtonCount] = {};     // in the overflow pop-up

    QPushButton* ptzButtons[kPtzButtons] = {};      // by event code
    QPushButton* speedButton = nullptr;
    QWidget* toolBar = nullptr;
    QWidget* speedWidget = nullptr;
    TVWallDisplayPTZSlider* slider = nullptr;
    bool ptzShown = false;
    int ptzSpeed = 1;

    bool showLock = true;
    bool showAudio = true;
    bool showCircle = true;
    bool light = true;
    int ptzTimer = -1;
    QRect parentRectAtPtzOpen;
};

} // namespace ZtGUI
