#include "ZtDateTimeCalendar.h"
#include "ZtDateTimeCalendar_p.h"

#include "CommonFun.h"
#include "ZtCalendar.h"
#include "ZtCalendarEx.h"
#include "ZtPopupReplayFilter_p.h"

#include <QMouseEvent>
#include <QScreen>

namespace ZtGUI {

void ZtDateTimeCalendarPrivate::updateText()
{
    Q_Q(ZtDateTimeCalendar);
    QDateTime start;
    QDateTime end;
    pair->GetDateTime(start, end);
    q->setText(q->DtConvToString(start, end));
}

void ZtDateTimeCalendarPrivate::showPair()
{
    Q_Q(ZtDateTimeCalendar);
    const QRect available = q->screen()->availableGeometry();
    const QPoint p = q->mapToGlobal(QPoint(0, 0));
    const int bw = q->width();
    const int bh = q->height();
    const int w = qMin(pair->width(), available.width());
    const int h = qMin(pair->height(), available.height());
    // Beside the button's right edge, its bottom a little below the button's.
    QPoint at(p.x() + bw - 10, p.y() + bh - h + 7);
    if (p.x() + w + bw > available.x() + available.width())
        at = QPoint(p.x() + bw - w + 20, p.y() + bh < h ? p.y() + bh - 10 : p.y() + bh - 20 - h);
    else if (p.y() + bh < h)
        at = QPoint(p.x() + bw < w ? p.x() - 10 : p.x() + bw - w + 20, p.y() + bh - 10);
    pair->setGeometry(QRect(at, QSize(w, h)));
    pair->SetDefaultShowWgt();
    pair->show();
    q->setChecked(true);
}

ZtDateTimeCalendar::ZtDateTimeCalendar(QWidget* parent)
    : QPushButton(parent)
    , d_ptr(new ZtDateTimeCalendarPrivate(this))
{
    Q_D(ZtDateTimeCalendar);
    CommonFun::SetStyleSheet(this, QStringLiteral("Calendar"), QString());
    setCheckable(true);
    setChecked(false);
    d->pair = new ZtCalendarEx(this);
    d->pair->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    d->pair->setAccessibleName(tr("Date range"));
    d->pair->hide();
    d->pair->installEventFilter(this);
    new ZtPopupReplayFilter(this, d->pair);
    connect(d->pair, &ZtCalendarEx::SgnDateTimeChanged, this, &ZtDateTimeCalendar::OnDateTimeChanged);
    connect(d->pair, &ZtCalendarEx::SgnStartYearMonthChanged, this, &ZtDateTimeCalendar::OnStartYearMonthChanged);
    connect(d->pair, &ZtCalendarEx::SngEndYearMonthChanged, this, &ZtDateTimeCalendar::OnEndYearMonthChanged);
    connect(d->pair, &ZtCalendarEx::SgnCalendarHide, this, &ZtDateTimeCalendar::OnCalendarHide);
    connect(d->pair, &ZtCalendarEx::SgnCellDoubleClicked, this, &ZtDateTimeCalendar::SgnCellDoubleClicked);
    d->updateText();
}

ZtDateTimeCalendar::~ZtDateTimeCalendar()
{
    Q_D(ZtDateTimeCalendar);
    // An open pair reports its hiding while it is destroyed, after this button's own part is gone.
    d->pair->disconnect(this);
    d->pair->removeEventFilter(this);
}

void ZtDateTimeCalendar::SetSelDate(const QDateTime& start, const QDateTime& end)
{
    Q_D(ZtDateTimeCalendar);
    if (!start.isValid() || !end.isValid())
        return;
    setText(DtConvToString(start, end));
    d->pair->SetDateTime(start, end);
}

void ZtDateTimeCalendar::SetSelDateWithUpdateEndTime(const QDateTime& start, const QDateTime& end)
{
    Q_D(ZtDateTimeCalendar);
    if (!start.isValid() || !end.isValid())
        return;
    setText(DtConvToString(start, end));
    d->pair->SetDateTimeWithUpdateEndTime(start, end);
}

void ZtDateTimeCalendar::DateTimeRange(QDateTime& start, QDateTime& end)
{
    Q_D(ZtDateTimeCalendar);
    d->pair->GetDateTime(start, end);
}

void ZtDateTimeCalendar::SetStartRecordDate(int year, int month, int day, bool mark)
{
    Q_D(ZtDateTimeCalendar);
    d->pair->GetStartCalendar()->SetRecordDate(year, month, day, mark);
}

void ZtDateTimeCalendar::SetEndRecordDate(int year, int month, int day, bool mark)
{
    Q_D(ZtDateTimeCalendar);
    d->pair->GetEndCalendar()->SetRecordDate(year, month, day, mark);
}

void ZtDateTimeCalendar::ClearRecord()
{
    Q_D(ZtDateTimeCalendar);
    d->pair->GetStartCalendar()->ClearCellWidget();
    d->pair->GetEndCalendar()->ClearCellWidget();
}

void ZtDateTimeCalendar::OnlyShowStartCalendar()
{
    Q_D(ZtDateTimeCalendar);
    d->pair->OnlyShowStartCalendar();
}

void ZtDateTimeCalendar::SetTimeEditVisible(bool bVisible)
{
    Q_D(ZtDateTimeCalendar);
    d->pair->SetTimeEditVisible(bVisible);
    // The period reads with or without the times, as the calendars show it.
    d->updateText();
}

void ZtDateTimeCalendar::SetDisplayFormat()
{
    Q_D(ZtDateTimeCalendar);
    d->pair->SetDisplayFormat();
}

void ZtDateTimeCalendar::SetRestrcitDateRange(int days)
{
    Q_D(ZtDateTimeCalendar);
    d->pair->GetEndCalendar()->SetRestrcitDateRange(days);
}

void ZtDateTimeCalendar::SetOnlySelectSameMonth(bool bOnly)
{
    Q_D(ZtDateTimeCalendar);
    d->pair->GetEndCalendar()->SetOnlySelectSameMonth(bOnly);
}

QString ZtDateTimeCalendar::DtConvToString(const QDateTime& start, const QDateTime& end)
{
    Q_D(ZtDateTimeCalendar);
    const QString pattern = d->pair->IsTimeEditVisible() ? QStringLiteral("MM/dd hh:mm") : QStringLiteral("yyyy/MM/dd");
    return start.toString(pattern) + QLatin1Char('-') + end.toString(pattern);
}

void ZtDateTimeCalendar::mousePressEvent(QMouseEvent* event)
{
    Q_D(ZtDateTimeCalendar);
    if (event->button() != Qt::LeftButton) {
        QPushButton::mousePressEvent(event);
        return;
    }
    if (d->pair->isVisible())
        d->pair->hide();
    else
        d->showPair();
}

bool ZtDateTimeCalendar::eventFilter(QObject* watched, QEvent* event)
{
    Q_D(ZtDateTimeCalendar);
    if (watched == d->pair && event->type() == QEvent::Hide)
        setChecked(false);
    return QPushButton::eventFilter(watched, event);
}

void ZtDateTimeCalendar::OnDateTimeChanged()
{
    Q_D(ZtDateTimeCalendar);
    QDateTime start;
    QDateTime end;
    d->pair->GetDateTime(start, end);
    setText(DtConvToString(start, end));
    emit SgnDateTimeChanged(start, end);
}

void ZtDateTimeCalendar::OnStartYearMonthChanged()
{
    QDateTime start;
    QDateTime end;
    DateTimeRange(start, end);
    emit SgnStartYearMonthChanged(start.date().year(), start.date().month());
}

void ZtDateTimeCalendar::OnEndYearMonthChanged()
{
    QDateTime start;
    QDateTime end;
    DateTimeRange(start, end);
    emit SgnEndYearMonthChanged(end.date().year(), end.date().month());
}

void ZtDateTimeCalendar::OnCalendarHide()
{
    Q_D(ZtDateTimeCalendar);
    // Hiding makes the calendars ask again; the host hears of one close only.
    if (d->pair->isHidden())
        return;
    d->pair->hide();
    emit SgnCalendarHide();
}

} // namespace ZtGUI
