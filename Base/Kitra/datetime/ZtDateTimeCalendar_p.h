#pragma once

#include "ZtDateTimeCalendar.h"

namespace ZtGUI {

class ZtCalendarEx;

class ZtDateTimeCalendarPrivate
{
    Q_DECLARE_PUBLIC(ZtDateTimeCalendar)

public:
    explicit ZtDateTimeCalendarPrivate(ZtDateTimeCalendar* q) : q_ptr(q) {}

    ZtCalendarEx* pair = nullptr;

    void updateText();
    void showPair();

    ZtDateTimeCalendar* q_ptr;
};

} // namespace ZtGUI
