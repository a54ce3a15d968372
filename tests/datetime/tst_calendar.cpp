#include "CalendarTest.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <memory>

using namespace ZtGUI;
using namespace CalendarTest;

namespace {

/// A shown calendar: item views only take clicks once laid out.
std::unique_ptr<ZtCalendar> shownCalendar(const QDate& date, const QTime& time = QTime(8, 30, 15))
{
    auto calendar = std::make_unique<ZtCalendar>();
    calendar->SetSelDate(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
    calendar->show();
    if (!QTest::qWaitForWindowExposed(calendar.get()))
        return nullptr;
    return calendar;
}

QDate selectedDate(const ZtCalendar& calendar)
{
    return calendar.GetSelectDate().date();
}

} // namespace

class tst_Calendar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        useShippedSkin();
    }

    void fillsTheMonthFromItsFirstWeekday_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("firstColumn");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("header");
        QTest::newRow("Sep 2017 opens on a Friday") << QDate(2017, 9, 14) << 5 << 30 << "Sep 2017";
        QTest::newRow("leap February 2020") << QDate(2020, 2, 10) << 6 << 29 << "Feb 2020";
        QTest::newRow("February 2021") << QDate(2021, 2, 10) << 1 << 28 << "Feb 2021";
        QTest::newRow("February 2015 opens on a Sunday") << QDate(2015, 2, 1) << 0 << 28 << "Feb 2015";
        QTest::newRow("last month, Dec 2037") << QDate(2037, 12, 31) << 2 << 31 << "Dec 2037";
        QTest::newRow("first month, Jan 1971") << QDate(1971, 1, 1) << 5 << 31 << "Jan 1971";
    }
    void fillsTheMonthFromItsFirstWeekday()
    {
        QFETCH(QDate, date);
        QFETCH(int, firstColumn);
        QFETCH(int, length);
        QFETCH(QString, header);
        ZtCalendar calendar;
        QCOMPARE(calendar.SetSelDate(date.year(), date.month(), date.day(), 0, 0, 0), 0);
        QVector<int> expected(42, 0);
        for (int day = 1; day <= length; ++day)
            expected[firstColumn + day - 1] = day;
        QCOMPARE(dayNumbers(&calendar), expected);
        QCOMPARE(button(&calendar, "m_MonthYearBtn")->text(), header);
        const QTableWidget* grid = dayGrid(&calendar);
        QCOMPARE(grid->item(0, 0)->flags(), firstColumn == 0 ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
        const QList<QTableWidgetItem*> selected = grid->selectedItems();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first()->data(Qt::DisplayRole).toInt(), date.day());
    }

    void badNumbersAreClampedOrRefused()
    {
        ZtCalendar calendar;
        QCOMPARE(calendar.SetSelDate(2017, 2, 31, 1, 2, 3), 0);
        QCOMPARE(calendar.GetSelectDate(), QDateTime(QDate(2017, 2, 28), QTime(1, 2, 3)));
        QCOMPARE(calendar.SetSelDate(1970, 12, 1, 0, 0, 0), -1);
        QCOMPARE(calendar.SetSelDate(2017, 13, 1, 0, 0, 0), -1);
        QCOMPARE(calendar.SetSelDate(2017, 5, 1, 24, 0, 0), -1);
        QCOMPARE(calendar.SetDateTime(QDateTime()), -1);
        QCOMPARE(calendar.GetSelectDate(), QDateTime(QDate(2017, 2, 28), QTime(1, 2, 3)));
        int year = 0, day = 0;
        QCOMPARE(calendar.GetSelDate(&year, nullptr, &day, nullptr, nullptr, nullptr), 0);
        QCOMPARE(year, 2017);
        QCOMPARE(day, 28);
    }

    void pagingKeepsTheDayWithinTheMonth_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QByteArray>("buttonName");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("back from 31 March to 28 February") << QDate(2021, 3, 31) << QByteArray("m_PreviewBtn") << QDate(2021, 2, 28);
        QTest::newRow("back into a leap February") << QDate(2020, 3, 31) << QByteArray("m_PreviewBtn") << QDate(2020, 2, 29);
        QTest::newRow("back keeps the day") << QDate(2020, 3, 12) << QByteArray("m_PreviewBtn") << QDate(2020, 2, 12);
        QTest::newRow("back over the new year") << QDate(2020, 1, 31) << QByteArray("m_PreviewBtn") << QDate(2019, 12, 31);
        QTest::newRow("forward opens on the first") << QDate(2021, 1, 31) << QByteArray("m_NextBtn") << QDate(2021, 2, 1);
        QTest::newRow("forward over the new year") << QDate(2019, 12, 20) << QByteArray("m_NextBtn") << QDate(2020, 1, 1);
    }
    void pagingKeepsTheDayWithinTheMonth()
    {
        QFETCH(QDate, start);
        QFETCH(QByteArray, buttonName);
        QFETCH(QDate, expected);
        auto calendar = shownCalendar(start);
        QVERIFY(calendar);
        QSignalSpy changed(calendar.get(), &ZtCalendar::SgnDateTimeChanged);
        clickButton(calendar.get(), buttonName.constData());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(calendar->GetSelectDate(), QDateTime(expected, QTime(8, 30, 15)));
        QCOMPARE(dayGrid(calendar.get())->selectedItems().first()->data(Qt::DisplayRole).toInt(), expected.day());
    }

    void choosingAMonthLowersTheDay_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("lastOfFebruary");
        QTest::newRow("leap year") << 2020 << 29;
        QTest::newRow("common year") << 2021 << 28;
    }
    void choosingAMonthLowersTheDay()
    {
        QFETCH(int, year);
        QFETCH(int, lastOfFebruary);
        auto calendar = shownCalendar(QDate(year, 3, 31));
        QVERIFY(calendar);
        clickButton(calendar.get(), "m_MonthYearBtn");
        QVERIFY(!onDayPage(calendar.get()));
        QCOMPARE(button(calendar.get(), "BtnCur")->text(), QStringLiteral("This month"));
        QCOMPARE(pageItem(calendar.get(), 2)->text(), QStringLiteral("Feb"));
        QSignalSpy changed(calendar.get(), &ZtCalendar::SgnDateTimeChanged);
        clickPage(calendar.get(), 2);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(selectedDate(*calendar), QDate(year, 2, lastOfFebruary));
        QVERIFY(onDayPage(calendar.get()));
        QCOMPARE(button(calendar.get(), "BtnCur")->text(), QStringLiteral("Today"));
    }

    void theYearPageShowsTwelveYearBlocks()
    {
        auto calendar = shownCalendar(QDate(2020, 2, 29));
        QVERIFY(calendar);
        clickButton(calendar.get(), "m_MonthYearBtn");
        clickButton(calendar.get(), "m_MonthYearBtn");
        QCOMPARE(button(calendar.get(), "m_MonthYearBtn")->text(), QStringLiteral("2019-2030"));
        QCOMPARE(button(calendar.get(), "BtnLast")->text(), QStringLiteral("Last year"));
        QCOMPARE(pageGrid(calendar.get())->item(0, 0)->data(Qt::UserRole).toInt(), 2019);
        QCOMPARE(pageGrid(calendar.get())->item(2, 3)->data(Qt::UserRole).toInt(), 2030);
        clickPage(calendar.get(), 2023);
        QVERIFY(!onDayPage(calendar.get()));
        QCOMPARE(pageItem(calendar.get(), 12)->text(), QStringLiteral("Dec")); // back on the months
        QCOMPARE(selectedDate(*calendar), QDate(2023, 2, 28));
    }

    void navigationStopsAt1971And2037_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("clicksOnPageButton");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        QTest::newRow("days: January 1971") << QDate(1971, 1, 15) << 0 << false << true;
        QTest::newRow("days: February 1971") << QDate(1971, 2, 15) << 0 << true << true;
        QTest::newRow("days: December 2037") << QDate(2037, 12, 15) << 0 << true << false;
        QTest::newRow("months: 1971") << QDate(1971, 6, 15) << 1 << false << true;
        QTest::newRow("months: 2037") << QDate(2037, 1, 15) << 1 << true << false;
        QTest::newRow("months: 2036") << QDate(2036, 1, 15) << 1 << true << true;
        QTest::newRow("years: 1971-1982") << QDate(1980, 1, 15) << 2 << false << true;
        QTest::newRow("years: 2031-2042") << QDate(2031, 1, 15) << 2 << true << false;
        QTest::newRow("years: 2019-2030") << QDate(2030, 1, 15) << 2 << true << true;
    }
    void navigationStopsAt1971And2037()
    {
        QFETCH(QDate, date);
        QFETCH(int, clicksOnPageButton);
        QFETCH(bool, previous);
        QFETCH(bool, next);
        auto calendar = shownCalendar(date);
        QVERIFY(calendar);
        for (int i = 0; i < clicksOnPageButton; ++i)
            clickButton(calendar.get(), "m_MonthYearBtn");
        QCOMPARE(button(calendar.get(), "m_PreviewBtn")->isEnabled(), previous);
        QCOMPARE(button(calendar.get(), "m_NextBtn")->isEnabled(), next);
    }

    void yearsAfter2037AreBlank()
    {
        auto calendar = shownCalendar(QDate(2035, 1, 1));
        QVERIFY(calendar);
        clickButton(calendar.get(), "m_MonthYearBtn");
        clickButton(calendar.get(), "m_MonthYearBtn");
        const QTableWidget* grid = pageGrid(calendar.get());
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("2037"));
        QCOMPARE(grid->item(1, 3)->text(), QString());
        QCOMPARE(grid->item(1, 3)->flags(), Qt::NoItemFlags);
        QSignalSpy changed(calendar.get(), &ZtCalendar::SgnDateTimeChanged);
        clickItem(pageGrid(calendar.get()), grid->item(2, 0));
        QCOMPARE(changed.count(), 0);
        clickButton(calendar.get(), "m_PreviewBtn");
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("2019"));
        QCOMPARE(selectedDate(*calendar), QDate(2023, 1, 1));
    }

    void weekDisplaySelectsSundayToSaturday_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::newRow("Wednesday") << 14 << QDate(2017, 6, 11) << QDate(2017, 6, 17);
        QTest::newRow("Sunday") << 11 << QDate(2017, 6, 11) << QDate(2017, 6, 17);
        QTest::newRow("Saturday") << 17 << QDate(2017, 6, 11) << QDate(2017, 6, 17);
        QTest::newRow("week over the month end") << 1 << QDate(2017, 5, 28) << QDate(2017, 6, 3);
    }
    void weekDisplaySelectsSundayToSaturday()
    {
        QFETCH(int, day);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        auto calendar = shownCalendar(QDate(2017, 6, 20));
        QVERIFY(calendar);
        calendar->ChangeDisplayType(ZtCalendar::DisplayWeek);
        QCOMPARE(button(calendar.get(), "BtnLast")->text(), QStringLiteral("Last week"));
        clickDay(calendar.get(), day);
        QDate start, end;
        calendar->GetSelectWeekDate(start, end);
        QCOMPARE(start, first);
        QCOMPARE(end, last);
        int shownDaysOfTheWeek = 0;   // the whole week is selected where it lies in the month
        for (QDate d = first; d <= last; d = d.addDays(1))
            shownDaysOfTheWeek += d.month() == 6 ? 1 : 0;
        QCOMPARE(dayGrid(calendar.get())->selectedItems().size(), shownDaysOfTheWeek);
    }

    void quickChoicesCountFromToday_data()
    {
        const QDate today = QDate::currentDate();
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("lastText");
        QTest::addColumn<QString>("curText");
        QTest::addColumn<QDate>("last");
        QTest::newRow("day") << int(ZtCalendar::DisplayDay) << "Yesterday" << "Today" << today.addDays(-1);
        QTest::newRow("week") << int(ZtCalendar::DisplayWeek) << "Last week" << "This week" << today.addDays(-7);
        QTest::newRow("month") << int(ZtCalendar::DisplayMonth) << "Last month" << "This month" << today.addMonths(-1);
        QTest::newRow("year") << int(ZtCalendar::DisplayYear) << "Last year" << "This year" << today.addYears(-1);
    }
    void quickChoicesCountFromToday()
    {
        QFETCH(int, type);
        QFETCH(QString, lastText);
        QFETCH(QString, curText);
        QFETCH(QDate, last);
        auto calendar = shownCalendar(QDate(2001, 5, 5));
        QVERIFY(calendar);
        calendar->SetLastCurBtnVisible(true);
        QCOMPARE(calendar->size(), QSize(210, 307));
        calendar->ChangeDisplayType(ZtCalendar::DisplayType_e(type));
        QCOMPARE(button(calendar.get(), "BtnLast")->text(), lastText);
        QCOMPARE(button(calendar.get(), "BtnCur")->text(), curText);
        QSignalSpy changed(calendar.get(), &ZtCalendar::SgnDateTimeChanged);
        clickButton(calendar.get(), "BtnLast");
        QCOMPARE(calendar->GetSelectDate(), QDateTime(last, QTime(0, 0)));
        clickButton(calendar.get(), "BtnCur");
        QCOMPARE(calendar->GetSelectDate(), QDateTime(QDate::currentDate(), QTime(0, 0)));
        QCOMPARE(changed.count(), 2);
        calendar->SetLastCurBtnVisible(false);
        QCOMPARE(calendar->size(), QSize(210, 270));
    }

    void lastMonthOnThe31stIsTheEndOfTheMonthBefore()
    {
        ZtCalendar calendar;
        calendar.ChangeDisplayType(ZtCalendar::DisplayMonth);
        calendar.OnBtnLastClicked();
        const QDate today = QDate::currentDate();
        const QDate monthBefore = QDate(today.year(), today.month(), 1).addMonths(-1);
        QCOMPARE(selectedDate(calendar), QDate(monthBefore.year(), monthBefore.month(), qMin(today.day(), monthBefore.daysInMonth())));
    }

    void theEndCalendarOffersOnlyItsWindow()
    {
        auto calendar = shownCalendar(QDate(2017, 3, 20));
        QVERIFY(calendar);
        calendar->SetStartCalendar(false);
        calendar->SetRestrcitDateRange(7);
        calendar->OnStartDateTimeChanged(QDate(2017, 3, 10));
        QCOMPARE(calendar->GetSelectDate(), QDateTime(QDate(2017, 3, 10), QTime(23, 59, 59)));
        QCOMPARE(calendar->GetDateStart(), QDate(2017, 3, 10));
        QVERIFY(!button(calendar.get(), "m_MonthYearBtn")->isEnabled());
        QVERIFY(!button(calendar.get(), "m_PreviewBtn")->isEnabled());
        QVERIFY(!button(calendar.get(), "m_NextBtn")->isEnabled());
        for (int day = 1; day <= 31; ++day) {
            const bool enabled = day >= 10 && day <= 16;
            QCOMPARE(dayItem(calendar.get(), day)->flags().testFlag(Qt::ItemIsEnabled), enabled);
        }
        QCOMPARE(dayItem(calendar.get(), 17)->flags(), Qt::ItemIsUserCheckable);

        QSignalSpy changed(calendar.get(), &ZtCalendar::SgnDateTimeChanged);
        clickDay(calendar.get(), 17);
        clickDay(calendar.get(), 9);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(selectedDate(*calendar), QDate(2017, 3, 10));
        clickDay(calendar.get(), 14);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(calendar->GetSelectDate(), QDateTime(QDate(2017, 3, 14), QTime(23, 59, 59)));
        QCOMPARE(dayGrid(calendar.get())->selectedItems().size(), 1);
    }

    void theEndCalendarPagesOnlyThroughItsWindow()
    {
        auto calendar = shownCalendar(QDate(2017, 3, 20));
        QVERIFY(calendar);
        calendar->SetStartCalendar(false);
        calendar->SetRestrcitDateRange(7);
        calendar->OnStartDateTimeChanged(QDate(2017, 3, 28));
        QVERIFY(!button(calendar.get(), "m_PreviewBtn")->isEnabled());
        QVERIFY(button(calendar.get(), "m_NextBtn")->isEnabled());
        clickButton(calendar.get(), "m_NextBtn");
        QCOMPARE(selectedDate(*calendar), QDate(2017, 4, 1));
        QVERIFY(button(calendar.get(), "m_PreviewBtn")->isEnabled());
        QVERIFY(!button(calendar.get(), "m_NextBtn")->isEnabled());
        QVERIFY(dayItem(calendar.get(), 3)->flags().testFlag(Qt::ItemIsEnabled));
        QVERIFY(!dayItem(calendar.get(), 4)->flags().testFlag(Qt::ItemIsEnabled));
        calendar->SetOnlySelectSameMonth(true);
        QVERIFY(!button(calendar.get(), "m_PreviewBtn")->isEnabled());
    }

    void marksAreCellWidgetsOfTheShownMonth()
    {
        ZtCalendar calendar;
        calendar.SetSelDate(2017, 9, 1, 0, 0, 0);
        QCOMPARE(calendar.SetRecordDate(2017, 9, 14, true), 0);
        QCOMPARE(calendar.SetRecordDate(2017, 10, 3, true), 0);     // not shown: ignored
        const QTableWidget* grid = dayGrid(&calendar);
        const QTableWidgetItem* cell = dayItem(&calendar, 14);
        auto* mark = qobject_cast<QLabel*>(grid->cellWidget(cell->row(), cell->column()));
        QVERIFY(mark);
        QCOMPARE(mark->objectName(), QStringLiteral("picRecord2017914"));
        QVERIFY(mark->styleSheet().contains(QStringLiteral("./Skin/DustyBlue/ZtGui/Calendar/RecordBg.svg")));
        QCOMPARE(calendar.findChildren<QLabel*>(QRegularExpression("^picRecord")).size(), 1);

        calendar.SetRecordDate(2017, 9, 14, false);
        QVERIFY(!grid->cellWidget(cell->row(), cell->column()));
        calendar.SetRecordDate(2017, 9, 2, true);
        calendar.SetRecordDate(2017, 9, 30, true);
        calendar.ClearCellWidget();
        for (int day : {2, 30})
            QVERIFY(!grid->cellWidget(dayItem(&calendar, day)->row(), dayItem(&calendar, day)->column()));
    }

    void editingAnotherMonthClearsTheMarks()
    {
        ZtCalendar calendar;
        calendar.SetSelDate(2017, 9, 14, 0, 0, 0);
        calendar.SetRecordDate(2017, 9, 20, true);
        auto* editor = calendar.findChild<QDateTimeEdit*>(QStringLiteral("m_dateTimeEdit"));
        QSignalSpy changed(&calendar, &ZtCalendar::SgnDateTimeChanged);
        editor->setDateTime(QDateTime(QDate(2017, 9, 15), QTime(1, 0)));
        QCOMPARE(changed.count(), 1);
        QVERIFY(calendar.findChild<QLabel*>(QStringLiteral("picRecord2017920")));
        editor->setDateTime(QDateTime(QDate(2017, 10, 15), QTime(1, 0)));
        QCOMPARE(changed.count(), 2);
        QTRY_VERIFY(!calendar.findChild<QLabel*>(QStringLiteral("picRecord2017920")));
        QCOMPARE(button(&calendar, "m_MonthYearBtn")->text(), QStringLiteral("Oct 2017"));
    }

    void todayAndThePeriodArePainted()
    {
        const QDate today = QDate::currentDate();
        const QDate other = today.day() > 15 ? today.addDays(-3) : today.addDays(3);
        auto calendar = shownCalendar(other);
        QVERIFY(calendar);
        calendar->OnEndDateTimeChanged(other.addDays(5));
        const QTableWidget* grid = dayGrid(calendar.get());
        const QImage image = grid->viewport()->grab().toImage();
        const auto colourOf = [&](const QDate& day) {
            const QTableWidgetItem* item = dayItem(calendar.get(), day.day());
            return image.pixelColor(grid->visualItemRect(item).topLeft() + QPoint(2, 2));
        };
        QCOMPARE(colourOf(today), QColor("#f5d48a"));
        QCOMPARE(colourOf(other.addDays(1)), QColor("#d6e2ef"));   // inside the period up to the end bound
        QCOMPARE(colourOf(other.addDays(-1)), QColor("#ffffff"));
        calendar->ClearBackground();
        const QImage cleared = grid->viewport()->grab().toImage();
        const QTableWidgetItem* item = dayItem(calendar.get(), today.day());
        QCOMPARE(cleared.pixelColor(grid->visualItemRect(item).topLeft() + QPoint(2, 2)), grid->palette().color(QPalette::Window));
    }

    void doubleClickClosesBeforeItReports()
    {
        auto calendar = shownCalendar(QDate(2017, 9, 14));
        QVERIFY(calendar);
        QStringList order;
        connect(calendar.get(), &ZtCalendar::SgnCalendarHide, this, [&order] { order << "hide"; });
        connect(calendar.get(), &ZtCalendar::SgnCellDoubleClicked, this, [&order] { order << "double"; });
        const QTableWidget* grid = dayGrid(calendar.get());
        KitraTest::doubleClick(grid->viewport(), grid->visualItemRect(dayItem(calendar.get(), 20)).center());
        QCOMPARE(order, QStringList({"hide", "double"}));
        QCOMPARE(selectedDate(*calendar), QDate(2017, 9, 20));
    }

    void aHostMayDeleteTheCalendarWhenAskedToHideIt()
    {
        auto* calendar = new ZtCalendar;
        calendar->show();
        QVERIFY(QTest::qWaitForWindowExposed(calendar));
        QPointer<ZtCalendar> alive(calendar);
        QSignalSpy doubled(calendar, &ZtCalendar::SgnCellDoubleClicked);
        connect(calendar, &ZtCalendar::SgnCalendarHide, calendar, [calendar] { delete calendar; });
        calendar->OnCellDoubleClicked(1, 1);
        QVERIFY(!alive);
        QCOMPARE(doubled.count(), 0);
    }

    void returnInTheEditorAsksToClose()
    {
        ZtCalendar calendar;
        auto* editor = calendar.findChild<QDateTimeEdit*>(QStringLiteral("m_dateTimeEdit"));
        QSignalSpy hide(&calendar, &ZtCalendar::SgnCalendarHide);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClick(editor, Qt::Key_Enter);
        QCOMPARE(hide.count(), 2);
        QTest::keyClick(editor, Qt::Key_Up);
        QCOMPARE(hide.count(), 2);
    }

    void buttonRowsAndTexts()
    {
        ZtCalendar calendar;
        calendar.SetBtnText(QStringLiteral("Apply"), QStringLiteral("Back"));
        QCOMPARE(button(&calendar, "BtnOK")->text(), QStringLiteral("Apply"));
        QCOMPARE(button(&calendar, "BtnCancel")->text(), QStringLiteral("Back"));
        calendar.SetBtnVisible(true);
        QCOMPARE(calendar.size(), QSize(210, 307));
        QSignalSpy ok(&calendar, &ZtCalendar::SgnBtnOKClicked);
        QSignalSpy hide(&calendar, &ZtCalendar::SgnCalendarHide);
        clickButton(&calendar, "BtnOK");
        clickButton(&calendar, "BtnCancel");
        QCOMPARE(ok.count(), 1);
        QCOMPARE(hide.count(), 1);
        calendar.SetBtnVisible(false);
        QCOMPARE(calendar.size(), QSize(210, 270));
        calendar.SetLastCurBtnText(QStringLiteral("Before"), QStringLiteral("Now"));
        QCOMPARE(button(&calendar, "BtnLast")->text(), QStringLiteral("Before"));
        QCOMPARE(button(&calendar, "BtnCur")->text(), QStringLiteral("Now"));
    }
};

QTEST_MAIN(tst_Calendar)
#include "tst_calendar.moc"
