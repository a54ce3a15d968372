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
    explicit ZtDateTimeEdit(QWidget* parent = nullptr);
    ~ZtDateTimeEdit() override;

    void SetCurTime(const QDateTime& dateTime);
    int SetRecordDate(int year, int month, int day, bool mark);
    void ClearHasRecord();
    void SetRestrcitDateRange(int days);
    void SetStartCalendar(bool bStart);
    void SetTimeEditVisible(bool bVisible);

signals:
    void SgnYearMonthChanged(int iYear, int iMonth);
    void SgnStartDateChanged(const QDate& date);

public slots:
    void OnStartDateTimeChanged(const QDate& date);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void OnUpdateTime();
    void OnCalendarHide();
    void ShowCalendar();

private:
    QScopedPointer<ZtDateTimeEditPrivate> d_ptr;
};

} // namespace ZtGUI
