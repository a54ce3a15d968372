#pragma once

#include <QList>
#include <QObject>
#include <functional>
#include <utility>
#include "ZtTVWallDisplayWnd.h"

namespace ZtGUI {

class ZtTVWallDisplayHistory;
class ZtTVWallDisplayScreen;
class ZtTVWallDisplayWindow;

class ZtTVWallDisplayWndPrivate : public QObject
{
    Q_OBJECT
    Q_DECLARE_PUBLIC(ZtTVWallDisplayWnd)

public:
    explicit ZtTVWallDisplayWndPrivate(ZtTVWallDisplayWnd* wall);

    ZtTVWallDisplayScreen* screen(int iScreen) const;
    ZtTVWallDisplayScreen* selectedScreen() const;
    /// The sending screen's index, or -1 for any other sender.
    int indexOfSender() const;
    void connectScreen(ZtTVWallDisplayScreen* s);

    /// Emits `signal` with the sending screen's index in front of `args`.
    template <typename... Params, typename... Args>
    void relay(void (ZtTVWallDisplayWnd::*signal)(int, Params...), Args&&... args)
    {
        const int i = indexOfSender();
        if (i >= 0)
            emit(q_ptr->*signal)(i, std::forward<Args>(args)...);
    }
    void setButton(int iScreen, int iWindow, bool bOn, void (ZtTVWallDisplayScreen::*set)(int, bool));
    /// Gives the windows of screen `iScreen` their accessible names, numbered as they stand once
    /// window `skip` (about to be deleted, or -1) is gone.
    void nameWindows(int iScreen, int skip) const;
    bool buttonState(int iScreen, int iWindow, bool (ZtTVWallDisplayScreen::*get)(int) const) const;

    // The operator's keys, on the selected windows of the selected screen.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    QList<ZtTVWallDisplayWindow*> selectedFreeWindows() const;
    /// The selected free windows that keys may move or resize: none without selection, and when
    /// every one is locked, none and SignalLockEvent.
    QList<ZtTVWallDisplayWindow*> unlockedOrRefuse();
    void placeAll(const QList<ZtTVWallDisplayWindow*>& windows, const QString& text, int id,
                  const std::function<StructScaleRect(StructScaleRect)>& to);
    void moveSelected(const QPoint& step, bool byCell);
    void resizeSelected(const QPoint& step);
    void closeSelected();
    void toggleSelected();
    void selectNeighbour(bool next);
    void clearSelection();
    void showFocusFrame(bool show);

    ZtTVWallDisplayWnd* q_ptr;
    int rows = 0;
    int cols = 0;
    bool showLock = true;
    bool showAudio = true;
    bool showCircle = true;
    bool light = true;
    ZtTVWallDisplayWnd::SelectionMode mode = ZtTVWallDisplayWnd::SingleSelection;
    QList<ZtTVWallDisplayScreen*> screens;
    bool windowTitleShow = false;
    bool locked = false;
    ZtTVWallDisplayHistory* history = nullptr;
    QWidget* focusFrame = nullptr;
};

} // namespace ZtGUI
