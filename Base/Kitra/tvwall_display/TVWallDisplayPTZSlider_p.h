#pragma once

#include <QPixmap>

class QPushButton;

namespace ZtGUI {

class TVWallDisplayPTZSliderPrivate
{
public:
    QPushButton* handle = nullptr;
    QPixmap track;
    QPixmap filled;
    int grabOffset = 0;      // from the handle's top to the pointer while it is dragged
    bool pressed = false;    // the left button went down on the handle and has not come up
    int value = 4;
};

} // namespace ZtGUI
