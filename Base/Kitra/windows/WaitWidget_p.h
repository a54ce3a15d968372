#pragma once

class QLabel;
class QMovie;
class QTimer;

namespace ZtGUI {

class WaitWidgetPrivate
{
public:
    QMovie* movie = nullptr;
    QLabel* label = nullptr;
    QTimer* timer = nullptr;
    int timeOut = -1;           // seconds, -1 for none
    bool escapeCancels = false;
    bool canceled = false;      // the last waiting ended by Escape or time-out
};

} // namespace ZtGUI
