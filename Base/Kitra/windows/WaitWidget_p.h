#pragma once

#include "KitraExport.h"

class QLabel;
class QMovie;
class QTimer;

namespace ZtGUI {

/// For the library's own tests: how many milliseconds one second of a time-out lasts (1000).
KITRA_EXPORT void SetWaitTimeOutSecondForTests(int milliseconds);

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
