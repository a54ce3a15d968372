#pragma once

#include "ZtTVWallOperateWnd.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <utility>

namespace ZtGUI {

class ZtTVWallDisplayEagleEye;
class ZtTVWallDisplayWnd;
class ZtTVWallNormalWnd;

class ZtTVWallOperateWndPrivate : public QObject
{
    Q_DECLARE_PUBLIC(ZtTVWallOperateWnd)

public:
    explicit ZtTVWallOperateWndPrivate(ZtTVWallOperateWnd* wnd) : q_ptr(wnd) {}

    /// The wall of each kind, only while its mode is shown.
    ZtTVWallNormalWnd* normal() const;
    ZtTVWallDisplayWnd* display() const;

    /// `call` on the shown wall, whichever kind it is; `otherwise` without one.
    template <typename R, typename F>
    R onShown(R otherwise, F call) const
    {
        if (ZtTVWallNormalWnd* wall = normal())
            return call(wall);
        if (ZtTVWallDisplayWnd* wall = display())
            return call(wall);
        return otherwise;
    }
    template <typename F>
    void onShown(F call) const
    {
        onShown(0, [&](auto* wall) { call(wall); return 0; });
    }
    /// The display wall's `method` when that wall is shown; `otherwise` without it.
    template <typename R, typename Method, typename... Args>
    R onDisplay(R otherwise, Method method, Args&&... args) const
    {
        ZtTVWallDisplayWnd* wall = display();
        return wall ? R((wall->*method)(std::forward<Args>(args)...)) : otherwise;
    }
    template <typename Method, typename... Args>
    void callDisplay(Method method, Args&&... args) const
    {
        if (ZtTVWallDisplayWnd* wall = display())
            (wall->*method)(std::forward<Args>(args)...);
    }

    /// The wall of the shown mode, whichever kind it is; null without one.
    QWidget* shownWall() const;
    /// Places the display wall's screens (and so its windows) after they were rebuilt: a screen
    /// added to a shown wall waits for the wall's next resize.
    void layOutDisplayScreens() const;

    void createNormalWall();
    void createDisplayWall();
    /// Re-emits a wall's signal as the facade's own, counting the re-emissions under way.
    template <typename Wall, typename... WallArgs, typename... OwnArgs>
    void relay(Wall* wall, void (Wall::*signal)(WallArgs...), void (ZtTVWallOperateWnd::*own)(OwnArgs...))
    {
        ZtTVWallOperateWnd* q = q_ptr;
        QObject::connect(wall, signal, q, [this, q, own](WallArgs... args) {
            const QPointer<ZtTVWallOperateWnd> alive(q);
            ++relaying;
            emit(q->*own)(args...);
            if (alive)
                --relaying;
        });
    }

    /// Takes a wall out of the facade at once. While a wall's signal is being re-emitted, the
    /// host may switch modes or delete the facade from its slot with that wall still at work
    /// below: then the wall goes when control is back in the event loop.
    template <typename T>
    void dropWall(QPointer<T>& wall)
    {
        dropWidget(wall.data());
        wall.clear();
    }
    void dropWidget(QWidget* wall);
    void showWithFacade(QWidget* child) const;

    /// Display mode: the wall at `size` (clamped), its offsets clamped to it, the overview updated.
    void placeDisplayWall(float width, float height);
    float clampWidth(float width) const;
    float clampHeight(float height) const;
    void updateOverviewArea();

    ZtTVWallOperateWnd* q_ptr;
    QPointer<ZtTVWallNormalWnd> normalWnd;
    QPointer<ZtTVWallDisplayWnd> displayWnd;
    QPointer<ZtTVWallDisplayEagleEye> overviewWidget;
    int showMode = 0;
    float offsetX = 0.0f;
    float offsetY = 0.0f;
    float baseWidth = 0.0f;
    float baseHeight = 0.0f;
    QList<QPointer<QWidget>> droppedWalls;
    int relaying = 0;
};

} // namespace ZtGUI
