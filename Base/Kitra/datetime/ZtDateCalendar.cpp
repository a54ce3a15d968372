#include "ZtDateCalendar.h"
#include "ZtDateCalendar_p.h"

#include "CommonFun.h"
#include "ZtCalendarDates_p.h"
#include "ZtPopupReplayFilter_p.h"

#include <QMouseEvent>
#include <QScreen>

namespace ZtGUI {

void ZtDateCalendarPrivate::refresh()
{
    Q_Q(ZtDateCalendar);
    dateTime = calendar->GetSelectDate();
    if (calendar->GetDisplayType() == ZtCalendar::DisplayWeek) {
        takeWeek();
        q->setText(DtConvRangeToString());
    } else {
        q->setText(DtConvToString());
    }
}

void ZtDateCalendarPrivate::takeWeek()
{
    weekStart = WeekStart(calendar->GetSelectDate().date());
    weekEnd = weekStart.addDays(6);
}

QString ZtDateCalendarPrivate::DtConvToString() const
{
    return dateTime.date().toString(format);
}

QString ZtDateCalendarPrivate::DtConvRangeToString() const
{
    const QString pattern = QStringLiteral("yyyy/MM/dd");
    return weekStart.toString(pattern) + QLatin1Char('-') + weekEnd.toString(pattern);
}

void ZtDateCalendarPrivate::showCalendar()
{
    Q_Q(ZtDateCalendar);
    const QRect available = q->screen()->availableGeometry();
    const QPoint anchor = q->mapToGlobal(q->rect().bottomRight());
    const int width = calendar->width();
    const int height = calendar->height();
    int x = anchor.x();
    int y = 0;
    if (anchor.x() + width > available.x() + available.width()) {
        // No room on the right: the calendar opens over the button's own left edge.
        x = anchor.x() - q->width();
        y = anchor.y() - height < 0 ? anchor.y() : anchor.y() - height - q->height();
    } else {
        y = anchor.y() - height >= 0 ? anchor.y() - height : anchor.y() - q->height();
    }
    calendar->setGeometry(x, y, width, height);
    calendar->SetDefaultShowWgt();
    calendar->show();
}

ZtDateCalendar::ZtDateCalendar(QWidget* parent)
    : QPushButton(parent)
    , d_ptr(new ZtDateCalendarPrivate(this))
{
    Q_D(ZtDateCalendar);
    CommonFun::SetStyleSheet(this, QStringLiteral("Calendar"), QString());
    d->calendar = new ZtCalendar(this);
    d->calendar->setWindowFlags(Qt::Popup);
    d->calendar->setAccessibleName(tr("Calendar"));
    d->calendar->ChangeDisplayType(ZtCalendar::DisplayYear);
    d->calendar->SetTimeEditVisible(false);
    d->calendar->hide();
    new ZtPopupReplayFilter(this, d->calendar);
    connect(d->calendar, &ZtCalendar::SgnDateTimeChanged, this, &ZtDateCalendar::OnDateTimeChanged);
    connect(d->calendar, &ZtCalendar::SgnCalendarHide, this, &ZtDateCalendar::OnCalendarHide);
    d->refresh();
}

ZtDateCalendar::~ZtDateCalendar()
{
    Q_D(ZtDateCalendar);
    // An open calendar reports its hiding while it is destroyed, after this button's own part is gone.
    d->calendar->disconnect(this);
}

QDateTime ZtDateCalendar::GetDateTime() const
{
    Q_D(const ZtDateCalendar);
    return d->dateTime;
}

void ZtDateCalendar::GetWeekDate(QDate& start, QDate& end) const
{
    Q_D(const ZtDateCalendar);
    start = d->weekStart;
    end = d->weekEnd;
}

void ZtDateCalendar::InitDate(QDateTime& dateTime)
{
    Q_D(ZtDateCalendar);
    if (!dateTime.isValid() || d->calendar->SetDateTime(dateTime) != 0)
        return;
    d->refresh();
}

void ZtDateCalendar::InitWeekDate()
{
    Q_D(ZtDateCalendar);
    d->dateTime = d->calendar->GetSelectDate();
    d->takeWeek();
    setText(d->DtConvRangeToString());
}

void ZtDateCalendar::SetFormat(const QString& format)
{
    Q_D(ZtDateCalendar);
    d->format = format;
    d->refresh();
}

void ZtDateCalendar::ChangeDisplayType(ZtCalendar::DisplayType_e type)
{
    Q_D(ZtDateCalendar);
    d->calendar->ChangeDisplayType(type);
    d->refresh();
}

void ZtDateCalendar::SetLastCurEnable()
{
    Q_D(ZtDateCalendar);
    d->calendar->SetLastCurBtnVisible(true);
}

void ZtDateCalendar::mousePressEvent(QMouseEvent* event)
{
    Q_D(ZtDateCalendar);
    if (event->button() != Qt::LeftButton) {
        QPushButton::mousePressEvent(event);
        return;
    }
    if (d->calendar->isVisible())
        d->calendar->hide();
    else
        d->showCalendar();
}

void ZtDateCalendar::OnDateTimeChanged()
{
    Q_D(ZtDateCalendar);
    d->refresh();
    emit SgnDateTimeChanged();
}

void ZtDateCalendar::OnCalendarHide()
{
    Q_D(ZtDateCalendar);
    d->calendar->hide();
}

} // namespace ZtGUI
