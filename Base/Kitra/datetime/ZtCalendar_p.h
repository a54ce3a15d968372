#pragma once

#include <QDate>
#include <QPixmap>
#include "ZtCalendar.h"
#include "ui_ZtCalendar.h"

namespace ZtGUI {

class ZtCalendarPrivate
{
    Q_DECLARE_PUBLIC(ZtCalendar)

public:
    explicit ZtCalendarPrivate(ZtCalendar* q) : q_ptr(q) {}

    static constexpr int kRows = 6;
    static constexpr int kColumns = 7;
    static constexpr int kFirstYear = 1971;
    static constexpr int kLastYear = 2037;
    static constexpr int kPageYears = 12;

    Ui::Calendar ui;
    QDate selDate = QDate::currentDate();
    QDate weekStart;
    QDate weekEnd;
    QDate startBound = QDate::currentDate();
    QDate endBound;
    int year = QDate::currentDate().year();
    int month = QDate::currentDate().month();
    int day = QDate::currentDate().day();
    int hour = 0;
    int minute = 0;
    int second = 0;
    int firstYear = 0;
    int lastYear = 0;
    bool monthPage = false;
    bool yearPage = false;
    int restrictRange = 0;
    bool startCalendar = true;
    bool onlySameMonth = false;
    ZtCalendar::DisplayType_e displayType = ZtCalendar::DisplayDay;
    ZtCalendar::DisplayType_e shownType = ZtCalendar::DisplayDay;
    QPixmap curDatePixmap;
    QPixmap containDatePixmap;

    QDateTime selection() const { return QDateTime(QDate(year, month, day), QTime(hour, minute, second)); }
    bool isEndCalendar() const { return !startCalendar; }
    /// The last day an end calendar lets be chosen; a range of 0 keeps the start bound alone.
    QDate windowEnd() const { return startBound.addDays(qMax(restrictRange, 1) - 1); }
    bool inWindow(const QDate& date) const { return date >= startBound && date <= windowEnd(); }
    bool restricted() const { return isEndCalendar() && restrictRange > 0; }
    void setWeekOf(const QDate& date);
    /// Stores the date and time, lowering the day to the month's length.
    void store(const QDate& date, const QTime& time);
    /// Names the parts a screen reader finds no text on.
    void nameParts();
    /// Redraws everything that shows the selection: header, day grid, page, buttons and editor.
    void refill();
    void fillDays();
    void fillDayCell(QTableWidgetItem* item, const QDate& date);
    void fillPage();
    void updateHeaderText();
    void updateNavigation();
    void updateQuickTexts();
    void showPage(bool months, bool years);
    /// Moves the selection by `months` on the day page, by a year or twelve on the other pages.
    void page(int direction);
    void selectAndNotify(const QDate& date, const QTime& time);
    /// Selects `dateTime` (to the second) and reports it, dropping the marks of a month left;
    /// false, with nothing done, when it is the selection already.
    bool follow(const QDateTime& dateTime);
    /// Limits the editor to the days an end calendar offers from `first`.
    void limitEditor(const QDate& first);
    void setRowVisible(QWidget* row, bool visible);
    bool onDayPage() const { return !monthPage && !yearPage; }

    ZtCalendar* q_ptr;
};

} // namespace ZtGUI
