#include "ZtDateTimeEdit.h"
#include "ZtDateTimeEdit_p.h"

#include "CommonFun.h"
#include "KitraGuard_p.h"
#include "ZtCalendar.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>

namespace ZtGUI {

void ZtDateTimeEditPrivate::limitToWindow()
{
    Q_Q(ZtDateTimeEdit);
    if (limited())
        q->setDateTimeRange(QDateTime(startDate, QTime(0, 0)), QDateTime(startDate.addDays(restrictRange - 1), QTime(23, 59, 59)));
}

void ZtDateTimeEditPrivate::showValueInCalendar()
{
    Q_Q(const ZtDateTimeEdit);
    const QDateTime value = q->dateTime();
    calendar->SetSelDate(value.date().year(), value.date().month(), value.date().day(), value.time().hour(),
                         value.time().minute(), value.time().second());
}

bool ZtDateTimeEditPrivate::followMonth(const QDate& date)
{
    Q_Q(ZtDateTimeEdit);
    if (date.year() == lastYear && date.month() == lastMonth)
        return true;
    lastYear = date.year();
    lastMonth = date.month();
    // Cleared before the host hears of the month, so that the marks it sets now stay.
    calendar->ClearCellWidget();
    return EmitAlive(q, &ZtDateTimeEdit::SgnYearMonthChanged, date.year(), date.month());
}

ZtDateTimeEdit::ZtDateTimeEdit(QWidget* parent)
    : QDateTimeEdit(parent)
    , d_ptr(new ZtDateTimeEditPrivate(this))
{
    Q_D(ZtDateTimeEdit);
    CommonFun::SetStyleSheet(this, QStringLiteral("Calendar"), QString());
    setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    setDateTime(QDateTime(QDate::currentDate(), QTime(0, 0)));
    d->calendar = new ZtCalendar(this);
    d->calendar->setWindowFlags(Qt::Popup);
    d->calendar->setAccessibleName(tr("Calendar"));
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
    if (!dateTime.isValid())
        return;
    setDateTime(dateTime);
    // The calendar shows the new month at once, so that the host can mark it when told.
    d->showValueInCalendar();
    const QDate date = this->date();
    if (d->followMonth(date))
        emit SgnStartDateChanged(date);
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
    d->limitToWindow();
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
    d->lastYear = date.year();
    d->lastMonth = date.month();
    {
        // The range moves first, quietly: a value clamped on the way is no change the host must hear of.
        const QSignalBlocker blocker(this);
        d->limitToWindow();
    }
    setDateTime(QDateTime(date, QTime(23, 59, 59)));
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
    if (d->followMonth(chosen.date()))
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
    d->showValueInCalendar();
    // A month typed into the edit opens without the marks of the month shown before.
    if (!d->followMonth(date()))
        return;
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
