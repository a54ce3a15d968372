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
    /// The start date becomes the end calendar's first selectable day (which moves the end to it).
    void passStartToEnd();
    /// The end date bounds the period drawn in the start calendar.
    void passEndToStart();
};

} // namespace ZtGUI
