#pragma once

#include "ZtTVWallNormalWnd.h"

#include <QObject>

namespace ZtGUI {

class ZtTVWallNormalEagleEye;
class ZtTVWallNormalScene;
class ZtTVWallNormalScreen;

class ZtTVWallNormalWndPrivate : public QObject
{
    Q_DECLARE_PUBLIC(ZtTVWallNormalWnd)

public:
    explicit ZtTVWallNormalWndPrivate(ZtTVWallNormalWnd* wall) : q_ptr(wall) {}

    ZtTVWallNormalScreen* screen(int iScreen) const;
    int indexOfSender() const;
    void connectScreen(ZtTVWallNormalScreen* screen);
    /// The scene rectangle becomes the viewport's, whenever the viewport has one.
    void fitScene();

    ZtTVWallNormalWnd* q_ptr;
    ZtTVWallNormalWnd::SelectionMode selectionMode = ZtTVWallNormalWnd::SingleSelection;
    QFlags<ZtTVWallNormalWnd::DragDropMode> dragDropModes;
    QList<ZtTVWallNormalScreen*> screens;
    int lastSelectedScreen = -1;
    ZtTVWallNormalEagleEye* eagleEye = nullptr;
    bool windowTitleShow = false;
    ZtTVWallNormalScene* scene = nullptr;
};

} // namespace ZtGUI
