#pragma once

#include <QDate>
#include "ZtDateTimeEdit.h"

namespace ZtGUI {

class ZtCalendar;

class ZtDateTimeEditPrivate
{
public:
    ZtCalendar* calendar = nullptr;
    bool startCalendar = true;
    QDate startDate;
    int restrictRange = 0;
    int lastYear = QDate::currentDate().year();
    int lastMonth = QDate::currentDate().month();

    bool limited() const { return !startCalendar && restrictRange > 0 && startDate.isValid(); }
};

} // namespace ZtGUI
