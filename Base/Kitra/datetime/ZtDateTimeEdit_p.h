#pragma once

#include <QDate>
#include "ZtDateTimeEdit.h"

namespace ZtGUI {

class ZtCalendar;

class ZtDateTimeEditPrivate
{
    Q_DECLARE_PUBLIC(ZtDateTimeEdit)

public:
    explicit ZtDateTimeEditPrivate(ZtDateTimeEdit* q) : q_ptr(q) {}

    ZtCalendar* calendar = nullptr;
    bool startCalendar = true;
    QDate startDate;
    int restrictRange = 0;
    int lastYear = QDate::currentDate().year();
    int lastMonth = QDate::currentDate().month();

    bool limited() const { return !startCalendar && restrictRange > 0 && startDate.isValid(); }
    /// Limits an end edit to the restrict range of days from the start date.
    void limitToWindow();
    void showValueInCalendar();
    /// Remembers the month of `date`, drops the marks of the month before and tells the host;
    /// false when the host deleted the edit meanwhile.
    bool followMonth(const QDate& date);

    ZtDateTimeEdit* q_ptr;
};

} // namespace ZtGUI
