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
    /// An unchecked button whose calendars hold today; the text stays empty until a period is set or chosen.
    explicit ZtDateTimeCalendar(QWidget* parent = nullptr);
    ~ZtDateTimeCalendar() override;

    /// Shows the period on the button and selects it in the calendars, without emitting a signal; an
    /// invalid start or end changes nothing.
    void SetSelDate(const QDateTime& start, const QDateTime& end);
    /// As `SetSelDate`, with the end calendar's selectable window first moved to the start.
    void SetSelDateWithUpdateEndTime(const QDateTime& start, const QDateTime& end);
    /// The period selected in the calendars (milliseconds 0).
    void DateTimeRange(QDateTime& start, QDateTime& end);
    /// Marks or unmarks a day with recordings in the start calendar, when it shows that month.
    void SetStartRecordDate(int year, int month, int day, bool mark);
    /// Marks or unmarks a day with recordings in the end calendar, when it shows that month.
    void SetEndRecordDate(int year, int month, int day, bool mark);
    /// Removes every record mark from both calendars.
    void ClearRecord();
    /// Shows only the start calendar, for picking a single date.
    void OnlyShowStartCalendar();
    /// Shows or hides both calendars' time editors, and switches the button text between
    /// "MM/dd hh:mm" and "yyyy/MM/dd" for each end of the period.
    void SetTimeEditVisible(bool bVisible);
    /// Restores the format "yyyy-MM-dd hh:mm:ss" of both calendars' editors.
    void SetDisplayFormat();
    /// The longest period in days: the end can be picked only within `days` days from the start.
    void SetRestrcitDateRange(int days);
    /// Keeps the end calendar on its month (its month buttons disabled).
    void SetOnlySelectSameMonth(bool bOnly);

signals:
    /// The user changed the period in the calendars; the button text already shows it.
    void SgnDateTimeChanged(const QDateTime& start, const QDateTime& end);
    /// The start calendar now shows another month (month 1 ... 12); its marks were cleared, set the new ones.
    void SgnStartYearMonthChanged(int iYear, int iMonth);
    /// The end calendar now shows another month (month 1 ... 12); its marks were cleared, set the new ones.
    void SgnEndYearMonthChanged(int iYear, int iMonth);
    /// A day of either calendar was double-clicked (the calendars then close).
    void SgnCellDoubleClicked();
    /// The calendars closed at their own request (Cancel, Return in an editor, a double click);
    /// emitted once per close.
    void SgnCalendarHide();

protected:
    /// The button text for a period: "MM/dd hh:mm-MM/dd hh:mm" while the time editors show,
    /// "yyyy/MM/dd-yyyy/MM/dd" otherwise. Override it to word the period differently.
    virtual QString DtConvToString(const QDateTime& start, const QDateTime& end);
    /// A left press opens the calendars beside the button and checks it, or closes them when open.
    void mousePressEvent(QMouseEvent* event) override;
    /// Unchecks the button whenever the calendars hide, an outside click included.
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
