#pragma once

#include <QColor>
#include <QTimer>

namespace ZtGUI {

class ZtSwitchButtonPrivate
{
public:
    bool toggled = false;
    QTimer timer;                   // one thumb step per timeout
    double thumbX = 0.0;            // left edge of the thumb
    QColor normalOpenColor{24, 144, 255, 255};
    QColor disableOpenColor;
    QColor normalCloseColor{0, 0, 0, 255};
    QColor disableCloseColor;
    QColor thumbColor{255, 255, 255, 255};
    QColor disableThumbColor;
    double radius = 0.0;
    short outHeight = 0;
    short inHeight = 0;
    short width = 0;
    short margin = 0;
};

} // namespace ZtGUI
