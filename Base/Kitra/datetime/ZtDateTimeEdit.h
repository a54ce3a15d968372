#pragma once

#include <QDate>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QScopedPointer>
#include "KitraExport.h"

class QEvent;
class QMouseEvent;

namespace ZtGUI {

class ZtDateTimeEditPrivate;

/// A date-time edit showing "yyyy-MM-dd hh:mm:ss" whose pop-up is the library's calendar (when
/// `calendarPopup()` is on). As the end of a period (`SetStartCalendar(false)`) it accepts only
/// the restrict range of days from the start date it is given.
class KITRA_EXPORT ZtDateTimeEdit : public QDateTimeEdit
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtDateTimeEdit)

public:
    /// An edit showing today at 0:00:00; set `calendarPopup` to open the calendar on a click.
    explicit ZtDateTimeEdit(QWidget* parent = nullptr);
    ~ZtDateTimeEdit() override;

    /// Sets the value (an invalid one is ignored) and shows it in the calendar; emits
    /// SgnYearMonthChanged() when the month changes, then SgnStartDateChanged().
    void SetCurTime(const QDateTime& dateTime);
    /// Marks or unmarks a day of the calendar's displayed month with the record picture; other months
    /// are ignored. Returns 0.
    int SetRecordDate(int year, int month, int day, bool mark);
    /// Removes every record mark from the calendar.
    void ClearHasRecord();
    /// As the end of a period, accepts only `days` days from the start date (limits both the edit and its
    /// calendar); a negative count changes nothing.
    void SetRestrcitDateRange(int days);
    /// false makes this the end of a period, limited by OnStartDateTimeChanged() and the restrict range.
    void SetStartCalendar(bool bStart);
    /// Shows or hides the date-time editor inside the pop-up calendar.
    void SetTimeEditVisible(bool bVisible);

signals:
    /// The value moved to another month (month 1 ... 12) through the calendar, SetCurTime() or an
    /// opening calendar; the marks are already cleared, so set those of the new month.
    void SgnYearMonthChanged(int iYear, int iMonth);
    /// The user picked `date` in the calendar, or SetCurTime() set it; for chaining to the end of a period.
    void SgnStartDateChanged(const QDate& date);

public slots:
    /// For the end of a period: the start moved to `date`. The value becomes `date` at 23:59:59 and,
    /// with a restrict range, only that many days from `date` are accepted. An invalid date is ignored.
    void OnStartDateTimeChanged(const QDate& date);

protected:
    /// Opens the calendar above the edit instead of editing, when the pop-up is on and the edit enabled.
    void mousePressEvent(QMouseEvent* event) override;
    /// A press on the text opens the calendar too, under the same conditions.
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void OnUpdateTime();
    void OnCalendarHide();
    void ShowCalendar();

private:
    QScopedPointer<ZtDateTimeEditPrivate> d_ptr;
};

} // namespace ZtGUI
