#pragma once

#include <QList>
#include <QObject>
#include <utility>
#include "ZtTVWallDisplayWnd.h"

namespace ZtGUI {

class ZtTVWallDisplayScreen;

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
    bool buttonState(int iScreen, int iWindow, bool (ZtTVWallDisplayScreen::*get)(int) const) const;

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
};

} // namespace ZtGUI
