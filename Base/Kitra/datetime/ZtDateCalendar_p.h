#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include "ZtDateCalendar.h"

namespace ZtGUI {

class ZtCalendar;

class ZtDateCalendarPrivate
{
    Q_DECLARE_PUBLIC(ZtDateCalendar)

public:
    explicit ZtDateCalendarPrivate(ZtDateCalendar* q) : q_ptr(q) {}

    ZtCalendar* calendar = nullptr;
    QString format = QStringLiteral("yyyy-MM-dd");
    QDateTime dateTime;
    QDate weekStart;
    QDate weekEnd;

    /// Takes the calendar's selection and shows it: the week in week display, else the date.
    void refresh();
    void takeWeek();
    QString DtConvToString() const;
    QString DtConvRangeToString() const;
    void showCalendar();

    ZtDateCalendar* q_ptr;
};

} // namespace ZtGUI
