#pragma once

#include <QString>

class PicButtonPrivate
{
public:
    enum State { Normal = 0, Hover = 1, Pressed = 2 };

    QString picName;
    int state = Normal;
};
