#pragma once

#include <QDate>
#include <QDateTime>
#include <QScopedPointer>
#include <QString>
#include <QWidget>
#include "KitraExport.h"

class QEvent;
class QTableWidgetItem;

namespace ZtGUI {

class ZtCalendarPrivate;

/// The drop-down month calendar of the date and time pickers: a 6 x 7 grid of days (Sunday first)
/// with month and year pages, a date-time editor, two quick-choice buttons and an OK/Cancel row.
/// Dates stay within 1971-01 ... 2037-12. An end calendar (`SetStartCalendar(false)`) lets only the
/// days of a window after its start bound be chosen. The int results are 0 on success.
class KITRA_EXPORT ZtCalendar : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtCalendar)

public:
    enum DisplayType_e { DisplayDay = 0, DisplayWeek = 1, DisplayMonth = 2, DisplayYear = 3 };
    Q_ENUM(DisplayType_e)

    explicit ZtCalendar(QWidget* parent = nullptr);
    ~ZtCalendar() override;

    /// Selects the date and time; a day past the month's end is lowered to it. -1 for a year
    /// outside 1971 ... 2037, a month outside 1 ... 12 or an invalid time, without a change.
    int SetSelDate(int year, int month, int day, int hour, int minute, int second);
    /// Null pointers are skipped.
    int GetSelDate(int* year, int* month, int* day, int* hour, int* minute, int* second) const;
    /// In an end calendar the editor is first limited to the restrict range from `dateTime`.
    int SetDateTime(const QDateTime& dateTime);
    int GetDateTime(QDateTime& dateTime) const;
    QDateTime GetSelectDate() const;
    /// The Sunday and the Saturday of the selected week (week display).
    void GetSelectWeekDate(QDate& start, QDate& end) const;
    QDate GetDateStart() const;
    QDate GetDateEnd() const;

    /// Marks or unmarks a day of the displayed month with the record picture; other months are ignored.
    int SetRecordDate(int year, int month, int day, bool mark);
    void ClearCellWidget();
    void ClearBackground();

    int SetRestrcitDateRange(int days);
    int SetOnlySelectSameMonth(bool bOnly);
    int SetStartCalendar(bool bStart);
    void ChangeDisplayType(DisplayType_e type);
    DisplayType_e GetDisplayType() const;
    /// Shows the page of the display type: days for day and week, months, or years.
    void SetDefaultShowWgt();
    void SetDisplayFormat();
    void SetTimeEditVisible(bool bVisible);
    void SetCalendarName(const QString& name);
    void SetCalendarNameVisible(bool bVisible);
    void SetBtnText(const QString& ok, const QString& cancel);
    void SetBtnVisible(bool bVisible);
    void SetLastCurBtnText(const QString& last, const QString& cur);
    void SetLastCurBtnVisible(bool bVisible);

signals:
    void SgnDateTimeChanged();
    void SgnCalendarHide();
    void SgnBtnOKClicked();
    void SgnCellDoubleClicked();

public slots:
    /// Makes `date` the start bound; an end calendar moves its selection to the last second of it.
    void OnStartDateTimeChanged(const QDate& date);
    void OnEndDateTimeChanged(const QDate& date);
    void OnCellDoubleClicked(int nRow, int nCol);
    void OnBtnLastClicked();
    void OnBtnCurClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void OnSelectionChanged();
    void OnNextMonth();
    void OnPreviewMonth();
    void OnShowMonthYearWidget();
    void OnTabItemClicked(QTableWidgetItem* item);
    void OnTableClick(QTableWidgetItem* item);
    void OnDateTimeEditChanged(const QDateTime& dateTime);

private:
    QScopedPointer<ZtCalendarPrivate> d_ptr;
};

} // namespace ZtGUI
