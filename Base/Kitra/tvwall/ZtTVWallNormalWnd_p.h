#pragma once

#include "ZtTVWallNormalWnd.h"

#include <QObject>
#include <QSizeF>

class QKeyEvent;
class QUndoStack;

namespace ZtGUI {

class ZtTVWallNormalEagleEye;
class ZtTVWallNormalScene;
class ZtTVWallNormalScreen;
class ZtTVWallNormalWindow;

class ZtTVWallNormalWndPrivate : public QObject
{
    Q_DECLARE_PUBLIC(ZtTVWallNormalWnd)

public:
    explicit ZtTVWallNormalWndPrivate(ZtTVWallNormalWnd* wall) : q_ptr(wall) {}

    static ZtTVWallNormalWndPrivate* get(ZtTVWallNormalWnd* wall) { return wall->d_func(); }

    ZtTVWallNormalScreen* screen(int iScreen) const;
    /// Window `iWindow` of screen `iScreen`, or null.
    ZtTVWallNormalWindow* window(int iScreen, int iWindow) const;
    /// The screen and window numbers of `window`; false when it is on none of the wall's screens.
    bool locate(const ZtTVWallNormalWindow* window, int& iScreen, int& iWindow) const;
    /// Windows are about to be deleted and renumbered: recorded numbers could name other windows.
    void forgetGestures();
    int indexOfSender() const;
    void connectScreen(ZtTVWallNormalScreen* screen);
    /// The scene rectangle becomes the viewport's, whenever the viewport has one.
    void fitScene();
    /// Gives every screen the window size, in scene units, under which windows draw simplified
    /// at the view's current zoom; nothing when it has not changed.
    void applyDetailThreshold();

    ZtTVWallNormalWnd* q_ptr;
    ZtTVWallNormalWnd::SelectionMode selectionMode = ZtTVWallNormalWnd::SingleSelection;
    QFlags<ZtTVWallNormalWnd::DragDropMode> dragDropModes;
    QList<ZtTVWallNormalScreen*> screens;
    int lastSelectedScreen = -1;
    ZtTVWallNormalEagleEye* eagleEye = nullptr;
    bool windowTitleShow = false;
    bool keyboardFocus = false;     // keys used since the wall took focus: the focus frame shows
    ZtTVWallNormalScene* scene = nullptr;
    QUndoStack* undoStack = nullptr;
    int generation = 0;     // deletions so far; a record or command of another generation is stale
    int applying = 0;       // commands being undone or redone
    int detailThreshold = 0;        // in view pixels; 0 draws every window in full
    QSizeF detailLimit;             // the same in scene units at the last zoom, invalid when off

    // The keyboard (ZtTVWallNormalWndKeys.cpp). False for a key that is not the wall's.
    bool handleKey(const QKeyEvent* event);
    /// The selected screen's selected windows that the operator may change, or none.
    QList<ZtTVWallNormalWindow*> movableSelection(ZtTVWallNormalScreen** screen) const;
    void moveSelection(const QPoint& direction, bool byCell);
    void resizeSelection(const QPoint& direction);
    void toggleMaximized();
    void closeSelection();
    void selectNext(bool forward);
    void clearSelection();
};

} // namespace ZtGUI
