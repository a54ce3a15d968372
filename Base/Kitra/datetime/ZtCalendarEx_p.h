#pragma once

#include "ZtCalendarEx.h"
#include "ui_ZtCalendarEx.h"

namespace ZtGUI {

class ZtCalendarExPrivate
{
public:
    Ui::ZtCalendarEx ui;
    QDateTime start;
    QDateTime end;
    int startYearMonth = 0;
    int endYearMonth = 0;
    bool timeEditVisible = true;

    static int yearMonthOf(const ZtCalendar* calendar);
    void rememberMonths();
};

} // namespace ZtGUI
