#include "ZtCalendarEx.h"
#include "ZtCalendarEx_p.h"

#include "CommonFun.h"
#include "KitraGuard_p.h"
#include "ZtCalendar.h"
#include "ZtCalendarDates_p.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ZtGUI {

namespace {
#ifdef Q_OS_WIN
// The class style is shared by every window of the class: clearing it once serves the process.
bool g_dropShadowCleared = false;

void clearDropShadow(WId window)
{
    const HWND handle = reinterpret_cast<HWND>(window);
    const DWORD style = GetClassLongW(handle, GCL_STYLE);
    SetClassLongW(handle, GCL_STYLE, LONG(style & ~DWORD(CS_DROPSHADOW)));
}
#endif
} // namespace

int ZtCalendarExPrivate::yearMonthOf(const ZtCalendar* calendar)
{
    return MonthIndex(calendar->GetSelectDate().date());
}

void ZtCalendarExPrivate::passStartToEnd()
{
    const QDate date = ui.m_pCalendarStart->GetSelectDate().date();
    if (date == ui.m_pCalendarEnd->GetDateStart())
        return;
    ui.m_pCalendarEnd->ClearBackground();
    ui.m_pCalendarEnd->OnStartDateTimeChanged(date);
}

void ZtCalendarExPrivate::passEndToStart()
{
    const QDate date = ui.m_pCalendarEnd->GetSelectDate().date();
    if (date == ui.m_pCalendarStart->GetDateEnd())
        return;
    ui.m_pCalendarStart->ClearBackground();
    ui.m_pCalendarStart->OnEndDateTimeChanged(date);
}

void ZtCalendarExPrivate::rememberMonths()
{
    startYearMonth = yearMonthOf(ui.m_pCalendarStart);
    endYearMonth = yearMonthOf(ui.m_pCalendarEnd);
}

ZtCalendarEx::ZtCalendarEx(QWidget* parent)
    : QWidget(parent)
    , d_ptr(new ZtCalendarExPrivate)
{
    Q_D(ZtCalendarEx);
    d->ui.setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    CommonFun::SetStyleSheet(this, QStringLiteral("Calendar"), QString());
    ZtCalendar* start = d->ui.m_pCalendarStart;
    ZtCalendar* end = d->ui.m_pCalendarEnd;
    start->SetCalendarName(tr("Start"));
    end->SetCalendarName(tr("End"));
    // Two calendars alike: a screen reader tells them apart by these names.
    start->setAccessibleName(tr("Start"));
    end->setAccessibleName(tr("End"));
    end->SetStartCalendar(false);
    d->rememberMonths();
    for (ZtCalendar* calendar : {start, end}) {
        connect(calendar, &ZtCalendar::SgnDateTimeChanged, this, &ZtCalendarEx::OnUpdateTime);
        connect(calendar, &ZtCalendar::SgnCalendarHide, this, &ZtCalendarEx::SgnCalendarHide);
        connect(calendar, &ZtCalendar::SgnCellDoubleClicked, this, &ZtCalendarEx::SgnCellDoubleClicked);
    }
}

ZtCalendarEx::~ZtCalendarEx()
{
    Q_D(ZtCalendarEx);
    // The calendars hide while QWidget tears this pair down; nothing of the pair may hear it.
    d->ui.m_pCalendarStart->disconnect(this);
    d->ui.m_pCalendarEnd->disconnect(this);
}

void ZtCalendarEx::SetDateTime(const QDateTime& start, const QDateTime& end)
{
    Q_D(ZtCalendarEx);
    d->start = start;
    d->end = end;
    d->ui.m_pCalendarStart->SetDateTime(start);
    d->ui.m_pCalendarStart->OnEndDateTimeChanged(end.date());
    d->ui.m_pCalendarEnd->SetDateTime(end);
    d->rememberMonths();
}

void ZtCalendarEx::SetDateTimeWithUpdateEndTime(const QDateTime& start, const QDateTime& end)
{
    Q_D(ZtCalendarEx);
    {
        // Moving the window is part of the setting, not a choice of the user's.
        const QSignalBlocker blocker(d->ui.m_pCalendarEnd);
        d->ui.m_pCalendarEnd->OnStartDateTimeChanged(start.date());
    }
    SetDateTime(start, end);
}

void ZtCalendarEx::GetDateTime(QDateTime& start, QDateTime& end) const
{
    Q_D(const ZtCalendarEx);
    d->ui.m_pCalendarStart->GetDateTime(start);
    d->ui.m_pCalendarEnd->GetDateTime(end);
}

void ZtCalendarEx::SetTimeEditVisible(bool bVisible)
{
    Q_D(ZtCalendarEx);
    d->timeEditVisible = bVisible;
    d->ui.m_pCalendarStart->SetTimeEditVisible(bVisible);
    d->ui.m_pCalendarEnd->SetTimeEditVisible(bVisible);
}

bool ZtCalendarEx::IsTimeEditVisible() const
{
    Q_D(const ZtCalendarEx);
    return d->timeEditVisible;
}

void ZtCalendarEx::OnlyShowStartCalendar()
{
    Q_D(ZtCalendarEx);
    d->ui.m_pCalendarEnd->hide();
    d->ui.ZtCalendarExline->hide();
    d->ui.m_pCalendarStart->SetCalendarName(QString());
}

void ZtCalendarEx::SetDisplayFormat()
{
    Q_D(ZtCalendarEx);
    d->ui.m_pCalendarStart->SetDisplayFormat();
    d->ui.m_pCalendarEnd->SetDisplayFormat();
}

void ZtCalendarEx::SetDefaultShowWgt()
{
    Q_D(ZtCalendarEx);
    d->ui.m_pCalendarStart->SetDefaultShowWgt();
}

ZtCalendar* ZtCalendarEx::GetStartCalendar() const
{
    Q_D(const ZtCalendarEx);
    return d->ui.m_pCalendarStart;
}

ZtCalendar* ZtCalendarEx::GetEndCalendar() const
{
    Q_D(const ZtCalendarEx);
    return d->ui.m_pCalendarEnd;
}

void ZtCalendarEx::OnUpdateTime()
{
    Q_D(ZtCalendarEx);
    ZtCalendar* start = d->ui.m_pCalendarStart;
    ZtCalendar* end = d->ui.m_pCalendarEnd;
    const bool fromEnd = sender() == end;
    ZtCalendar* changed = fromEnd ? end : start;
    ZtCalendar* other = fromEnd ? start : end;
    {
        // The calendars move each other quietly and the pair reports it all once, below: a host
        // that deletes the pair on a report must not return into a calendar still at work.
        const QSignalBlocker quietStart(start);
        const QSignalBlocker quietEnd(end);
        if (!fromEnd)
            d->passStartToEnd();
        d->passEndToStart();
        if (end->GetSelectDate() < start->GetSelectDate())
            other->SetDateTime(changed->GetSelectDate());
    }
    for (ZtCalendar* calendar : {changed, other}) {
        const bool isEnd = calendar == end;
        int& remembered = isEnd ? d->endYearMonth : d->startYearMonth;
        if (ZtCalendarExPrivate::yearMonthOf(calendar) == remembered)
            continue;
        // The marks belong to the month shown before; the host marks the new one when told.
        calendar->ClearCellWidget();
        remembered = ZtCalendarExPrivate::yearMonthOf(calendar);
        if (!EmitAlive(this, isEnd ? &ZtCalendarEx::SngEndYearMonthChanged : &ZtCalendarEx::SgnStartYearMonthChanged))
            return;
    }
    emit SgnDateTimeChanged();
}

bool ZtCalendarEx::event(QEvent* event)
{
#ifdef Q_OS_WIN
    if (event->type() == QEvent::WinIdChange && !g_dropShadowCleared) {
        g_dropShadowCleared = true;
        clearDropShadow(winId());
    }
#endif
    return QWidget::event(event);
}

} // namespace ZtGUI
