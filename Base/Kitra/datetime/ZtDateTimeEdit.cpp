#include "ZtDateTimeEdit.h"
#include "ZtDateTimeEdit_p.h"

#include "CommonFun.h"
#include "ZtCalendar.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

namespace ZtGUI {

ZtDateTimeEdit::ZtDateTimeEdit(QWidget* parent)
    : QDateTimeEdit(parent)
    , d_ptr(new ZtDateTimeEditPrivate)
{
    Q_D(ZtDateTimeEdit);
    CommonFun::SetStyleSheet(this, QStringLiteral("Calendar"), QString());
    setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    setDateTime(QDateTime(QDate::currentDate(), QTime(0, 0)));
    d->calendar = new ZtCalendar(this);
    d->calendar->setWindowFlags(Qt::Popup);
    d->calendar->hide();
    connect(d->calendar, &ZtCalendar::SgnDateTimeChanged, this, &ZtDateTimeEdit::OnUpdateTime);
    connect(d->calendar, &ZtCalendar::SgnCalendarHide, this, &ZtDateTimeEdit::OnCalendarHide);
    lineEdit()->installEventFilter(this);
}

ZtDateTimeEdit::~ZtDateTimeEdit()
{
    Q_D(ZtDateTimeEdit);
    // An open calendar reports its hiding while it is destroyed, after this edit's own part is gone.
    d->calendar->disconnect(this);
}

void ZtDateTimeEdit::SetCurTime(const QDateTime& dateTime)
{
    Q_D(ZtDateTimeEdit);
    setDateTime(dateTime);
    d->lastYear = dateTime.date().year();
    d->lastMonth = dateTime.date().month();
    emit SgnStartDateChanged(dateTime.date());
}

int ZtDateTimeEdit::SetRecordDate(int year, int month, int day, bool mark)
{
    Q_D(ZtDateTimeEdit);
    return d->calendar->SetRecordDate(year, month, day, mark);
}

void ZtDateTimeEdit::ClearHasRecord()
{
    Q_D(ZtDateTimeEdit);
    d->calendar->ClearCellWidget();
}

void ZtDateTimeEdit::SetRestrcitDateRange(int days)
{
    Q_D(ZtDateTimeEdit);
    if (d->calendar->SetRestrcitDateRange(days) != 0)
        return;
    d->restrictRange = days;
    if (d->limited())
        setDateTimeRange(QDateTime(d->startDate, QTime(0, 0)), QDateTime(d->startDate.addDays(days - 1), QTime(23, 59, 59)));
}

void ZtDateTimeEdit::SetStartCalendar(bool bStart)
{
    Q_D(ZtDateTimeEdit);
    d->startCalendar = bStart;
    d->calendar->SetStartCalendar(bStart);
}

void ZtDateTimeEdit::SetTimeEditVisible(bool bVisible)
{
    Q_D(ZtDateTimeEdit);
    d->calendar->SetTimeEditVisible(bVisible);
}

void ZtDateTimeEdit::OnStartDateTimeChanged(const QDate& date)
{
    Q_D(ZtDateTimeEdit);
    if (!date.isValid())
        return;
    {
        // The calendar follows the start; the edit reports its own value below.
        const QSignalBlocker blocker(d->calendar);
        d->calendar->OnStartDateTimeChanged(date);
    }
    d->startDate = date;
    setDateTime(QDateTime(date, QTime(23, 59, 59)));
    d->lastYear = date.year();
    d->lastMonth = date.month();
    SetRestrcitDateRange(d->restrictRange);
}

void ZtDateTimeEdit::mousePressEvent(QMouseEvent* event)
{
    if (calendarPopup() && isEnabled()) {
        ShowCalendar();
        return;
    }
    QDateTimeEdit::mousePressEvent(event);
}

bool ZtDateTimeEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress && calendarPopup() && isEnabled()) {
        ShowCalendar();
        return true;
    }
    return QDateTimeEdit::eventFilter(watched, event);
}

void ZtDateTimeEdit::OnUpdateTime()
{
    Q_D(ZtDateTimeEdit);
    const QDateTime chosen = d->calendar->GetSelectDate();
    setDateTime(chosen);
    const QPointer<ZtDateTimeEdit> guard(this);
    if (chosen.date().year() != d->lastYear || chosen.date().month() != d->lastMonth) {
        // Cleared before the host hears of the month, so that the marks it sets now stay.
        d->lastYear = chosen.date().year();
        d->lastMonth = chosen.date().month();
        d->calendar->ClearCellWidget();
        emit SgnYearMonthChanged(d->lastYear, d->lastMonth);
        if (!guard)
            return;
    }
    emit SgnStartDateChanged(chosen.date());
}

void ZtDateTimeEdit::OnCalendarHide()
{
    Q_D(ZtDateTimeEdit);
    d->calendar->hide();
}

void ZtDateTimeEdit::ShowCalendar()
{
    Q_D(ZtDateTimeEdit);
    const QRect available = screen()->availableGeometry();
    const int width = qMin(d->calendar->width(), available.width());
    const int height = qMin(d->calendar->height(), available.height());
    const QDateTime current = dateTime();
    d->calendar->SetSelDate(current.date().year(), current.date().month(), current.date().day(),
                            current.time().hour(), current.time().minute(), current.time().second());
    QPoint anchor = mapToGlobal(rect().bottomRight());
    // Near the right edge the calendar opens at the edit's left edge instead.
    if (anchor.x() + width > available.x() + available.width())
        anchor = mapToGlobal(rect().topLeft());
    const int y = anchor.y() - height > 0 ? anchor.y() - height : 0;
    d->calendar->setGeometry(anchor.x(), y, width, height);
    d->calendar->show();
    d->calendar->setFocus();
}

} // namespace ZtGUI
