#pragma once

#include <QDate>

namespace ZtGUI {

/// Months counted from year 0: months compare and subtract across years.
inline int MonthIndex(const QDate& date)
{
    return date.year() * 12 + date.month();
}

/// The Sunday that opens the week of `date`; the week runs to the Saturday six days later.
inline QDate WeekStart(const QDate& date)
{
    return date.addDays(-(date.dayOfWeek() % 7));
}

} // namespace ZtGUI
