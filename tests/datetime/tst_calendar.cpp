#include "CalendarTest.h"

#include <QDateTimeEdit>
#include <QLabel>

using namespace ZtGUI;
using namespace CalendarTest;

namespace {

/// Today's day `months` back as a wall calendar counts: a day past the end of a shorter month
/// falls on its last day (31 March, one month back: the end of February).
QDate monthsBack(int months)
{
    const int index = kToday.year() * 12 + kToday.month() - 1 - months;
    const QDate first(index / 12, index % 12 + 1, 1);
    return first.addDays(qMin(kToday.day(), first.daysInMonth()) - 1);
}

} // namespace

class tst_Calendar : public QObject
{
    Q_OBJECT

    std::unique_ptr<ZtCalendar> owned;
    ZtCalendar* c = nullptr; // shown afresh for each test

    void select(const QDate& d) { c->SetSelDate(d.year(), d.month(), d.day(), 8, 30, 15); }
    QDate selected() const { return c->GetSelectDate().date(); }
    QString text(const char* name) const { return button(c, name)->text(); }
    bool enabled(const char* name) const { return button(c, name)->isEnabled(); }
    QVector<int> selectedDays() const
    {
        QVector<int> days;
        for (const QTableWidgetItem* item : dayGrid(c)->selectedItems())
            days << item->data(Qt::DisplayRole).toInt();
        return days;
    }
    /// Moves an end calendar's start: reported once, with the last second of that day selected.
    void moveStart(const QDate& date)
    {
        QVector<QDateTime> reported;
        const auto report = connect(c, &ZtCalendar::SgnDateTimeChanged, [&] { reported << c->GetSelectDate(); });
        c->OnStartDateTimeChanged(date);
        disconnect(report);
        QCOMPARE(reported, QVector<QDateTime>{QDateTime(date, QTime(23, 59, 59))});
    }
    QWidget* markOf(int day) const
    {
        const QTableWidgetItem* cell = dayItem(c, day);
        return dayGrid(c)->cellWidget(cell->row(), cell->column());
    }

private slots:
    void initTestCase() { prepare(); }
    void init()
    {
        owned = shown(new ZtCalendar);
        QVERIFY(owned);
        c = owned.get();
    }
    void cleanup() { owned.reset(); }

    void fillsTheMonthFromItsFirstWeekday_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("firstColumn");
        QTest::addColumn<QString>("header");
        QTest::newRow("Sep 2017 opens on a Friday") << QDate(2017, 9, 14) << 5 << "Sep 2017";
        QTest::newRow("leap February 2020") << QDate(2020, 2, 10) << 6 << "Feb 2020";
        QTest::newRow("February 2015 opens on a Sunday") << QDate(2015, 2, 1) << 0 << "Feb 2015";
        QTest::newRow("last month, Dec 2037") << QDate(2037, 12, 31) << 2 << "Dec 2037";
    }
    void fillsTheMonthFromItsFirstWeekday()
    {
        QFETCH(QDate, date);
        QFETCH(int, firstColumn);
        QFETCH(QString, header);
        QCOMPARE(c->SetSelDate(date.year(), date.month(), date.day(), 0, 0, 0), 0);
        QVector<int> expected(42, 0);
        for (int day = 1; day <= date.daysInMonth(); ++day)
            expected[firstColumn + day - 1] = day;
        QCOMPARE(cellValues(dayGrid(c)), expected);
        QCOMPARE(text("m_MonthYearBtn"), header);
        QCOMPARE(dayGrid(c)->item(0, 0)->flags(), firstColumn == 0 ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
        QCOMPARE(selectedDays(), QVector<int>{date.day()});
    }

    void badNumbersAreClampedOrRefused()
    {
        QCOMPARE(c->SetSelDate(2017, 2, 31, 1, 2, 3), 0);
        const QDateTime clamped(QDate(2017, 2, 28), QTime(1, 2, 3));
        QCOMPARE(c->SetSelDate(1970, 12, 1, 0, 0, 0), -1);
        QCOMPARE(c->SetSelDate(2017, 13, 1, 0, 0, 0), -1);
        QCOMPARE(c->SetSelDate(2017, 5, 1, 24, 0, 0), -1);
        QCOMPARE(c->SetDateTime(QDateTime()), -1);
        QCOMPARE(c->GetSelectDate(), clamped);
        int year = 0, day = 0;
        QCOMPARE(c->GetSelDate(&year, nullptr, &day, nullptr, nullptr, nullptr), 0);
        QCOMPARE(QDate(year, 2, day), clamped.date());
    }

    void pagingKeepsTheDayInTheMonthAndStopsAt1971And2037_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QStringList>("clicks"); // buttons, or "page N" for a month or year
        QTest::addColumn<QDate>("expected");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        const QStringList back{"m_PreviewBtn"}, forward{"m_NextBtn"}, months{"m_MonthYearBtn"};
        const QStringList years{"m_MonthYearBtn", "m_MonthYearBtn"}, february{"m_MonthYearBtn", "page 2"};
        QTest::newRow("back from 31 March to 28 February") << QDate(2021, 3, 31) << back << QDate(2021, 2, 28) << true << true;
        QTest::newRow("back keeps the day") << QDate(2020, 3, 12) << back << QDate(2020, 2, 12) << true << true;
        QTest::newRow("back over the new year") << QDate(2020, 1, 31) << back << QDate(2019, 12, 31) << true << true;
        QTest::newRow("back to January 1971") << QDate(1971, 2, 15) << back << QDate(1971, 1, 15) << false << true;
        QTest::newRow("forward opens on the first") << QDate(2021, 1, 31) << forward << QDate(2021, 2, 1) << true << true;
        QTest::newRow("forward over the new year") << QDate(2019, 12, 20) << forward << QDate(2020, 1, 1) << true << true;
        QTest::newRow("forward to December 2037") << QDate(2037, 11, 15) << forward << QDate(2037, 12, 1) << true << false;
        QTest::newRow("February chosen, leap year") << QDate(2020, 3, 31) << february << QDate(2020, 2, 29) << true << true;
        QTest::newRow("February chosen, common year") << QDate(2021, 3, 31) << february << QDate(2021, 2, 28) << true << true;
        QTest::newRow("months of 1971") << QDate(1971, 6, 15) << months << QDate(1971, 6, 15) << false << true;
        QTest::newRow("months of 2036") << QDate(2036, 1, 15) << months << QDate(2036, 1, 15) << true << true;
        QTest::newRow("months of 2037") << QDate(2037, 1, 15) << months << QDate(2037, 1, 15) << true << false;
        QTest::newRow("years 1971-1982") << QDate(1980, 1, 15) << years << QDate(1980, 1, 15) << false << true;
        QTest::newRow("years 2019-2030") << QDate(2030, 1, 15) << years << QDate(2030, 1, 15) << true << true;
        QTest::newRow("years 2031-2042") << QDate(2031, 1, 15) << years << QDate(2031, 1, 15) << true << false;
    }
    void pagingKeepsTheDayInTheMonthAndStopsAt1971And2037()
    {
        QFETCH(QDate, start);
        QFETCH(QStringList, clicks);
        QFETCH(QDate, expected);
        QFETCH(bool, previous);
        QFETCH(bool, next);
        select(start);
        QSignalSpy changed(c, &ZtCalendar::SgnDateTimeChanged);
        for (const QString& click : clicks)
            click.startsWith("page ") ? clickPage(c, click.mid(5).toInt()) : clickButton(c, qPrintable(click));
        QCOMPARE(changed.count(), start == expected ? 0 : 1);
        QCOMPARE(c->GetSelectDate(), QDateTime(expected, QTime(8, 30, 15)));
        QCOMPARE(selectedDays(), QVector<int>{expected.day()});
        QCOMPARE(enabled("m_PreviewBtn"), previous);
        QCOMPARE(enabled("m_NextBtn"), next);
    }

    void theMonthAndYearPages()
    {
        select(QDate(2036, 2, 29));
        clickButton(c, "m_MonthYearBtn");
        QVERIFY(!onDayPage(c));
        QCOMPARE(pageItem(c, 2)->text(), QStringLiteral("Feb"));
        QCOMPARE(text("BtnCur"), QStringLiteral("This month"));
        clickButton(c, "m_MonthYearBtn");
        const QTableWidget* grid = pageGrid(c);
        QCOMPARE(text("m_MonthYearBtn"), QStringLiteral("2031-2042"));
        QCOMPARE(text("BtnLast"), QStringLiteral("Last year"));
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("2037"));
        QCOMPARE(grid->item(1, 3)->text(), QString()); // years after 2037 are blank
        QCOMPARE(grid->item(1, 3)->flags(), Qt::NoItemFlags);
        QSignalSpy changed(c, &ZtCalendar::SgnDateTimeChanged);
        clickItem(pageGrid(c), grid->item(2, 0));
        QCOMPARE(changed.count(), 0);
        clickButton(c, "m_PreviewBtn");
        QCOMPARE(text("m_MonthYearBtn"), QStringLiteral("2019-2030"));
        QCOMPARE(grid->item(0, 0)->data(Qt::UserRole).toInt(), 2019);
        QCOMPARE(grid->item(2, 3)->data(Qt::UserRole).toInt(), 2030);
        QCOMPARE(selected(), QDate(2024, 2, 29));
        clickPage(c, 2023);
        QCOMPARE(pageItem(c, 12)->text(), QStringLiteral("Dec")); // on the month page
        QCOMPARE(selected(), QDate(2023, 2, 28));
        clickPage(c, 3);
        QVERIFY(onDayPage(c));
        QCOMPARE(text("BtnCur"), QStringLiteral("Today"));
    }

    void weekDisplaySelectsSundayToSaturday_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<int>("shownDays"); // of the week, in June
        QTest::newRow("Wednesday") << 14 << QDate(2017, 6, 11) << 7;
        QTest::newRow("Sunday") << 11 << QDate(2017, 6, 11) << 7;
        QTest::newRow("Saturday") << 17 << QDate(2017, 6, 11) << 7;
        QTest::newRow("week over the month end") << 1 << QDate(2017, 5, 28) << 3;
    }
    void weekDisplaySelectsSundayToSaturday()
    {
        QFETCH(int, day);
        QFETCH(QDate, first);
        QFETCH(int, shownDays);
        select(QDate(2017, 6, 20));
        c->ChangeDisplayType(ZtCalendar::DisplayWeek);
        clickDay(c, day);
        QDate start, end;
        c->GetSelectWeekDate(start, end);
        QCOMPARE(start, first);
        QCOMPARE(end, first.addDays(6));
        QCOMPARE(selectedDays().size(), shownDays);
    }

    void quickChoicesCountFromToday_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QDate>("last");
        QTest::newRow("day") << int(ZtCalendar::DisplayDay) << QStringList{"Yesterday", "Today"} << kToday.addDays(-1);
        QTest::newRow("week") << int(ZtCalendar::DisplayWeek) << QStringList{"Last week", "This week"} << kToday.addDays(-7);
        QTest::newRow("month") << int(ZtCalendar::DisplayMonth) << QStringList{"Last month", "This month"} << monthsBack(1);
        QTest::newRow("year") << int(ZtCalendar::DisplayYear) << QStringList{"Last year", "This year"} << monthsBack(12);
    }
    void quickChoicesCountFromToday()
    {
        QFETCH(int, type);
        QFETCH(QStringList, texts);
        QFETCH(QDate, last);
        select(QDate(2001, 5, 5));
        c->SetLastCurBtnVisible(true);
        QCOMPARE(c->size(), QSize(210, 307));
        c->ChangeDisplayType(ZtCalendar::DisplayType_e(type));
        QCOMPARE(QStringList({text("BtnLast"), text("BtnCur")}), texts);
        QSignalSpy changed(c, &ZtCalendar::SgnDateTimeChanged);
        clickButton(c, "BtnLast");
        QCOMPARE(c->GetSelectDate(), QDateTime(last, QTime(0, 0)));
        clickButton(c, "BtnCur");
        QCOMPARE(c->GetSelectDate(), QDateTime(kToday, QTime(0, 0)));
        QCOMPARE(changed.count(), 2);
        c->SetLastCurBtnVisible(false);
        QCOMPARE(c->size(), QSize(210, 270));
    }

    void theEndCalendarOffersAndPagesOnlyThroughItsWindow()
    {
        select(QDate(2017, 3, 20));
        c->SetStartCalendar(false);
        c->SetRestrcitDateRange(7);
        moveStart(QDate(2017, 3, 10)); // back: the old value lies after the new window
        for (const char* name : {"m_MonthYearBtn", "m_PreviewBtn", "m_NextBtn"})
            QVERIFY2(!enabled(name), name);
        for (int day = 1; day <= 31; ++day)
            QCOMPARE(dayEnabled(c, day), day >= 10 && day <= 16);
        QSignalSpy changed(c, &ZtCalendar::SgnDateTimeChanged);
        clickDay(c, 17);
        clickDay(c, 9);
        QCOMPARE(changed.count(), 0);
        clickDay(c, 14);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(c->GetSelectDate(), QDateTime(QDate(2017, 3, 14), QTime(23, 59, 59)));
        QCOMPARE(selectedDays(), QVector<int>{14});

        moveStart(QDate(2017, 3, 28)); // forward, to a window over the month end
        QVERIFY(!enabled("m_PreviewBtn"));
        clickButton(c, "m_NextBtn");
        QCOMPARE(selected(), QDate(2017, 4, 1));
        QVERIFY(enabled("m_PreviewBtn") && !enabled("m_NextBtn"));
        QVERIFY(dayEnabled(c, 3) && !dayEnabled(c, 4));
        c->SetOnlySelectSameMonth(true);
        QVERIFY(!enabled("m_PreviewBtn"));
    }

    void marksAreCellWidgetsOfTheShownMonthOnly()
    {
        c->SetSelDate(2017, 9, 1, 0, 0, 0);
        QCOMPARE(c->SetRecordDate(2017, 9, 14, true), 0);
        QCOMPARE(c->SetRecordDate(2017, 10, 3, true), 0); // not shown: ignored
        QVERIFY(markOf(14));
        QVERIFY(markOf(14)->styleSheet().contains(QStringLiteral("./Skin/DustyBlue/ZtGui/Calendar/RecordBg.svg")));
        QCOMPARE(c->findChildren<QLabel*>(QRegularExpression("^picRecord")).size(), 1);
        c->SetRecordDate(2017, 9, 14, false);
        QVERIFY(!markOf(14));
        c->SetRecordDate(2017, 9, 2, true);
        c->SetRecordDate(2017, 9, 30, true);
        c->ClearCellWidget();
        QVERIFY(!markOf(2) && !markOf(30));

        c->SetRecordDate(2017, 9, 20, true); // the editor moves within the month, then out of it
        auto* editor = c->findChild<QDateTimeEdit*>(QStringLiteral("m_dateTimeEdit"));
        QSignalSpy changed(c, &ZtCalendar::SgnDateTimeChanged);
        editor->setDateTime(QDateTime(QDate(2017, 9, 15), QTime(1, 0)));
        QTRY_COMPARE(changed.count(), 1);                  // once the editor is done with the edit
        QVERIFY(markOf(20));
        editor->setDateTime(QDateTime(QDate(2017, 10, 15), QTime(1, 0)));
        QTRY_COMPARE(changed.count(), 2);
        QTRY_VERIFY(!c->findChild<QLabel*>(QStringLiteral("picRecord2017920")));
        QCOMPARE(text("m_MonthYearBtn"), QStringLiteral("Oct 2017"));
    }

    void todayAndThePeriodArePainted()
    {
        const QDate other = kToday.day() > 15 ? kToday.addDays(-3) : kToday.addDays(3);
        select(other);
        c->OnEndDateTimeChanged(other.addDays(5));
        const QTableWidget* grid = dayGrid(c);
        const auto colourOf = [&](const QDate& day) {
            const QRect cell = grid->visualItemRect(dayItem(c, day.day()));
            return grid->viewport()->grab().toImage().pixelColor(cell.topLeft() + QPoint(2, 2));
        };
        QCOMPARE(colourOf(kToday), QColor("#f5d48a"));
        QCOMPARE(colourOf(other.addDays(1)), QColor("#d6e2ef")); // inside the period up to the end bound
        QCOMPARE(colourOf(other.addDays(-1)), QColor("#ffffff"));
        c->ClearBackground();
        QCOMPARE(colourOf(kToday), grid->palette().color(QPalette::Window));
    }

    void closingIsAskedFor_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("reports"); // in order
        QTest::newRow("double click on a day") << "double" << QStringList{"hide", "double"};
        QTest::newRow("double click, the host deletes the calendar") << "delete" << QStringList{"hide"};
        QTest::newRow("Return in the editor") << "Return" << QStringList{"hide"};
        QTest::newRow("Enter in the editor") << "Enter" << QStringList{"hide"};
        QTest::newRow("Up in the editor") << "Up" << QStringList();
        QTest::newRow("OK") << "BtnOK" << QStringList{"ok"};
        QTest::newRow("Cancel") << "BtnCancel" << QStringList{"hide"};
    }
    void closingIsAskedFor()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, reports);
        QStringList order;
        connect(c, &ZtCalendar::SgnCalendarHide, this, [&order] { order << "hide"; });
        connect(c, &ZtCalendar::SgnCellDoubleClicked, this, [&order] { order << "double"; });
        connect(c, &ZtCalendar::SgnBtnOKClicked, this, [&order] { order << "ok"; });
        c->SetBtnVisible(true);
        QCOMPARE(c->size(), QSize(210, 307));
        const QPointer<ZtCalendar> alive(c);
        if (action == "delete") {
            owned.release();
            connect(c, &ZtCalendar::SgnCalendarHide, c, [this] { delete c; });
        }
        const QMap<QString, Qt::Key> keys{{"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Up", Qt::Key_Up}};
        if (action == "double" || action == "delete")
            systemClickDay(c, 20, 2);
        else if (keys.contains(action))
            QTest::keyClick(c->findChild<QDateTimeEdit*>(QStringLiteral("m_dateTimeEdit")), keys[action]);
        else
            clickButton(c, qPrintable(action));
        QCOMPARE(order, reports);
        QCOMPARE(alive.isNull(), action == "delete");
        if (alive) {
            c->SetBtnVisible(false);
            QCOMPARE(c->size(), QSize(210, 270));
        }
    }
};

QTEST_MAIN(tst_Calendar)
#include "tst_calendar.moc"
