#pragma once

#include <QDateTime>
#include <QPushButton>
#include <QScopedPointer>
#include <QString>
#include "KitraExport.h"

class QEvent;
class QMouseEvent;

namespace ZtGUI {

class ZtDateTimeCalendarPrivate;

/// A checkable button that shows a period as its start and end joined by "-" and opens a start and
/// an end calendar side by side when pressed; it stays checked while they are open. The period
/// reads "MM/dd hh:mm-MM/dd hh:mm" while the calendars show their time editors, otherwise
/// "yyyy/MM/dd-yyyy/MM/dd". Month changes of either calendar are reported so that the host can
/// mark the days with recordings.
class KITRA_EXPORT ZtDateTimeCalendar : public QPushButton
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtDateTimeCalendar)

public:
    explicit ZtDateTimeCalendar(QWidget* parent = nullptr);
    ~ZtDateTimeCalendar() override;

    void SetSelDate(const QDateTime& start, const QDateTime& end);
    /// As `SetSelDate`, with the end calendar's selectable window first moved to the start.
    void SetSelDateWithUpdateEndTime(const QDateTime& start, const QDateTime& end);
    void DateTimeRange(QDateTime& start, QDateTime& end);
    void SetStartRecordDate(int year, int month, int day, bool mark);
    void SetEndRecordDate(int year, int month, int day, bool mark);
    void ClearRecord();
    void OnlyShowStartCalendar();
    void SetTimeEditVisible(bool bVisible);
    void SetDisplayFormat();
    void SetRestrcitDateRange(int days);
    void SetOnlySelectSameMonth(bool bOnly);

signals:
    void SgnDateTimeChanged(const QDateTime& start, const QDateTime& end);
    void SgnStartYearMonthChanged(int iYear, int iMonth);
    void SgnEndYearMonthChanged(int iYear, int iMonth);
    void SgnCellDoubleClicked();
    void SgnCalendarHide();

protected:
    /// The button text for a period.
    virtual QString DtConvToString(const QDateTime& start, const QDateTime& end);
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void OnDateTimeChanged();
    void OnStartYearMonthChanged();
    void OnEndYearMonthChanged();
    void OnCalendarHide();

private:
    QScopedPointer<ZtDateTimeCalendarPrivate> d_ptr;
};

} // namespace ZtGUI
