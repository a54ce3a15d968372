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
    /// What the calendar picks, which page it opens on and what the two quick-choice buttons offer:
    /// a day (today/yesterday), a Sunday-to-Saturday week, a month or a year.
    enum DisplayType_e { DisplayDay = 0, DisplayWeek = 1, DisplayMonth = 2, DisplayYear = 3 };
    Q_ENUM(DisplayType_e)

    /// A start calendar in day display, 210 x 270 pixels, with today selected at 0:00:00.
    explicit ZtCalendar(QWidget* parent = nullptr);
    ~ZtCalendar() override;

    /// Selects the date and time and shows its month, without emitting SgnDateTimeChanged(); a day
    /// past the month's end is lowered to it. -1 for a year outside 1971 ... 2037, a month outside
    /// 1 ... 12 or an invalid time, without a change.
    int SetSelDate(int year, int month, int day, int hour, int minute, int second);
    /// Null pointers are skipped.
    /// Reads the selection as numbers (month 1 ... 12); always 0.
    int GetSelDate(int* year, int* month, int* day, int* hour, int* minute, int* second) const;
    /// In an end calendar the editor is first limited to the restrict range from `dateTime`.
    /// Selects `dateTime` (seconds precision) without emitting SgnDateTimeChanged(); -1 for an invalid
    /// date-time or one outside 1971 ... 2037.
    int SetDateTime(const QDateTime& dateTime);
    /// Stores the selection (milliseconds 0) in `dateTime`; always 0.
    int GetDateTime(QDateTime& dateTime) const;
    /// The selected date and time, milliseconds 0.
    QDateTime GetSelectDate() const;
    /// The Sunday and the Saturday of the selected week (week display).
    void GetSelectWeekDate(QDate& start, QDate& end) const;
    /// The start bound: the first day an end calendar lets the user pick (today at first).
    QDate GetDateStart() const;
    /// The end of the period as last given by OnEndDateTimeChanged(); null at first.
    QDate GetDateEnd() const;

    /// Marks or unmarks a day of the displayed month with the record picture; other months are ignored.
    int SetRecordDate(int year, int month, int day, bool mark);
    /// Removes every record mark. Marks belong to grid cells, not dates: clear them whenever the shown
    /// month changes and mark the new month.
    void ClearCellWidget();
    /// Paints every day cell in the grid's window colour, dropping the today and in-period pictures
    /// until the grid is next refilled.
    void ClearBackground();

    /// In an end calendar, how many days from the start bound can be picked (0: only the selected day);
    /// -1 for a negative count, without a change.
    int SetRestrcitDateRange(int days);
    /// In an end calendar, keeps the month buttons disabled so that the month cannot change; returns 0.
    int SetOnlySelectSameMonth(bool bOnly);
    /// false makes this an end calendar: only the days of the restrict range after the start bound can
    /// be picked and the month/year page is unavailable. Returns 0.
    int SetStartCalendar(bool bStart);
    /// Switches between day, week, month and year picking and shows that page; an unknown value is
    /// refused with a warning.
    void ChangeDisplayType(DisplayType_e type);
    /// The current display type; DisplayDay at first.
    DisplayType_e GetDisplayType() const;
    /// Shows the page of the display type: days for day and week, months, or years.
    void SetDefaultShowWgt();
    /// Restores the editor's format "yyyy-MM-dd hh:mm:ss".
    void SetDisplayFormat();
    /// Shows or hides the date-time editor under the grid.
    void SetTimeEditVisible(bool bVisible);
    /// The caption above the header, e.g. "Start" or "End".
    void SetCalendarName(const QString& name);
    /// Shows or hides the caption above the header.
    void SetCalendarNameVisible(bool bVisible);
    /// Texts of the OK and Cancel buttons.
    void SetBtnText(const QString& ok, const QString& cancel);
    /// Shows or hides the OK/Cancel row; the calendar is 210 x 307 pixels while this row or the
    /// quick-choice row shows, 210 x 270 otherwise.
    void SetBtnVisible(bool bVisible);
    /// Overrides the quick-choice texts (they return to the display type's texts when the page changes).
    void SetLastCurBtnText(const QString& last, const QString& cur);
    /// Shows or hides the quick-choice row; sizes the calendar as SetBtnVisible() does.
    void SetLastCurBtnVisible(bool bVisible);

signals:
    /// The user changed the selection: a day, a month or year on its page, paging, a quick choice or the
    /// editor; also a start bound that moved an end calendar. Not emitted by SetSelDate() or SetDateTime().
    void SgnDateTimeChanged();
    /// Asks the owner to close the pop-up: Cancel, Return or Enter in the editor, a double click on a
    /// day, or a watched widget was hidden.
    void SgnCalendarHide();
    /// The OK button was clicked; the selection is already current.
    void SgnBtnOKClicked();
    /// A day was double-clicked; follows SgnCalendarHide().
    void SgnCellDoubleClicked();

public slots:
    /// Makes `date` the start bound; an end calendar moves its selection to the last second of it.
    void OnStartDateTimeChanged(const QDate& date);
    /// Stores the end of the period; a start calendar shades the days after its selection up to it.
    void OnEndDateTimeChanged(const QDate& date);
    /// Emits SgnCalendarHide(), then SgnCellDoubleClicked().
    void OnCellDoubleClicked(int nRow, int nCol);
    /// Selects yesterday, today a week, a month or a year ago (by the page shown) at 0:00:00 and emits
    /// SgnDateTimeChanged().
    void OnBtnLastClicked();
    /// Selects today at 0:00:00 and emits SgnDateTimeChanged().
    void OnBtnCurClicked();

protected:
    /// Return or Enter in the editor and a hide of a watched widget emit SgnCalendarHide(); leaving the
    /// editor drops its focus.
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
