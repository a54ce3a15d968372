// The two buttons that pop up calendars: the date button and the period button.
#include "CalendarTest.h"

#include "ZtCalendarEx.h"
#include "ZtDateCalendar.h"
#include "ZtDateTimeCalendar.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <memory>

using namespace ZtGUI;
using namespace CalendarTest;

namespace {

/// A shown top-level button of `size` at a global position on the 800 x 600 offscreen screen.
template <typename Button>
std::unique_ptr<Button> shown(const QPoint& at, const QSize& size = QSize(160, 26))
{
    auto b = std::make_unique<Button>();
    b->setGeometry(QRect(at, size));
    b->show();
    if (!QTest::qWaitForWindowExposed(b.get()))
        return nullptr;
    return b;
}

ZtCalendar* popupOf(const ZtDateCalendar& b)
{
    return b.findChild<ZtCalendar*>();
}

ZtCalendarEx* pairOf(const ZtDateTimeCalendar& b)
{
    return b.findChild<ZtCalendarEx*>();
}

/// A press and release as the window system delivers them, so that an open pop-up sees them first.
void systemClick(QWidget* widget, const QPoint& pos)
{
    QWindow* window = widget->window()->windowHandle();
    const QPoint inWindow = widget->mapTo(widget->window(), pos);
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow);
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow);
}

const QDateTime kWednesday(QDate(2017, 6, 14), QTime(10, 20, 30));

} // namespace

class tst_DateCalendar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        useShippedSkin();
    }

    // ---- ZtDateCalendar ----

    void theDateButtonStartsOnTheYearPageWithoutTimes()
    {
        ZtDateCalendar b;
        ZtCalendar* calendar = popupOf(b);
        QVERIFY(calendar);
        QVERIFY(calendar->isHidden());
        QCOMPARE(calendar->windowType(), Qt::Popup);
        QCOMPARE(calendar->GetDisplayType(), ZtCalendar::DisplayYear);
        QVERIFY(calendar->findChild<QDateTimeEdit*>("m_dateTimeEdit")->isHidden());
        QCOMPARE(b.text(), QDate::currentDate().toString("yyyy-MM-dd"));
        QCOMPARE(b.GetDateTime(), QDateTime(QDate::currentDate(), QTime(0, 0)));
    }

    void theDateButtonReadsInItsFormatOrAsAWeek_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("weekStart");
        const int day = ZtCalendar::DisplayDay, week = ZtCalendar::DisplayWeek;
        const int month = ZtCalendar::DisplayMonth, year = ZtCalendar::DisplayYear;
        QTest::newRow("day, default format") << day << QString() << QDate(2017, 6, 14) << "2017-06-14" << QDate();
        QTest::newRow("month as yyyy-MM") << month << "yyyy-MM" << QDate(2017, 6, 14) << "2017-06" << QDate();
        QTest::newRow("year as yyyy") << year << "yyyy" << QDate(2017, 6, 14) << "2017" << QDate();
        QTest::newRow("week of a Wednesday") << week << QString() << QDate(2017, 6, 14) << "2017/06/11-2017/06/17" << QDate(2017, 6, 11);
        QTest::newRow("week of a Sunday") << week << QString() << QDate(2017, 6, 11) << "2017/06/11-2017/06/17" << QDate(2017, 6, 11);
        QTest::newRow("week of a Saturday") << week << QString() << QDate(2017, 6, 17) << "2017/06/11-2017/06/17" << QDate(2017, 6, 11);
        QTest::newRow("week across a year") << week << QString() << QDate(2017, 1, 1) << "2017/01/01-2017/01/07" << QDate(2017, 1, 1);
        QTest::newRow("week back into December") << week << QString() << QDate(2016, 1, 1) << "2015/12/27-2016/01/02" << QDate(2015, 12, 27);
    }
    void theDateButtonReadsInItsFormatOrAsAWeek()
    {
        QFETCH(int, type);
        QFETCH(QString, format);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QFETCH(QDate, weekStart);
        ZtDateCalendar b;
        QSignalSpy changed(&b, &ZtDateCalendar::SgnDateTimeChanged);
        b.ChangeDisplayType(ZtCalendar::DisplayType_e(type));
        if (!format.isNull())
            b.SetFormat(format);
        QDateTime dateTime(date, QTime(10, 20, 30));
        b.InitDate(dateTime);
        QCOMPARE(b.text(), text);
        QCOMPARE(b.GetDateTime(), dateTime);
        QCOMPARE(popupOf(b)->GetSelectDate(), dateTime);
        QDate from, to;
        b.GetWeekDate(from, to);
        QCOMPARE(from, weekStart);
        QCOMPARE(to, weekStart.isValid() ? weekStart.addDays(6) : QDate());
        QCOMPARE(changed.count(), 0);             // setting up is not a choice of the user's

        b.InitWeekDate();
        QDate expectedStart = date.addDays(-(date.dayOfWeek() % 7));
        b.GetWeekDate(from, to);
        QCOMPARE(from, expectedStart);
        QCOMPARE(b.text(), expectedStart.toString("yyyy/MM/dd") + "-" + expectedStart.addDays(6).toString("yyyy/MM/dd"));
    }

    void badDatesChangeNothing_data()
    {
        QTest::addColumn<QDateTime>("bad");
        QTest::newRow("invalid") << QDateTime();
        QTest::newRow("before 1971") << QDateTime(QDate(1960, 5, 1), QTime(0, 0));
        QTest::newRow("after 2037") << QDateTime(QDate(2040, 5, 1), QTime(0, 0));
    }
    void badDatesChangeNothing()
    {
        QFETCH(QDateTime, bad);
        ZtDateCalendar b;
        QDateTime good = kWednesday;
        b.InitDate(good);
        b.InitDate(bad);
        QCOMPARE(b.text(), QStringLiteral("2017-06-14"));
        QCOMPARE(b.GetDateTime(), kWednesday);
    }

    void theCalendarOpensBesideTheButton_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("expected");     // the calendar's top-left for a 160 x 26 button
        // A is the button's bottom-right corner, (x + 159, y + 25); the calendar is 210 x 270.
        QTest::newRow("room right and above") << QPoint(100, 400) << QPoint(259, 425 - 270);
        QTest::newRow("room right, none above") << QPoint(100, 100) << QPoint(259, 125 - 26);
        QTest::newRow("right edge, room above") << QPoint(500, 400) << QPoint(659 - 160, 425 - 270 - 26);
        QTest::newRow("right edge, none above") << QPoint(500, 100) << QPoint(659 - 160, 125);
    }
    void theCalendarOpensBesideTheButton()
    {
        QFETCH(QPoint, at);
        QFETCH(QPoint, expected);
        auto b = shown<ZtDateCalendar>(at);
        QVERIFY(b);
        QCOMPARE(b->mapToGlobal(b->rect().bottomRight()), at + QPoint(159, 25));
        QTest::mouseClick(b.get(), Qt::LeftButton);
        ZtCalendar* calendar = popupOf(*b);
        QTRY_VERIFY(calendar->isVisible());
        QCOMPARE(calendar->geometry(), QRect(expected, QSize(210, 270)));
        QVERIFY(!onDayPage(calendar));            // the year page of the year display
    }

    void theCalendarOpensOnThePageOfItsDisplay_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("dayPage");
        QTest::newRow("day") << int(ZtCalendar::DisplayDay) << true;
        QTest::newRow("week") << int(ZtCalendar::DisplayWeek) << true;
        QTest::newRow("month") << int(ZtCalendar::DisplayMonth) << false;
    }
    void theCalendarOpensOnThePageOfItsDisplay()
    {
        QFETCH(int, type);
        QFETCH(bool, dayPage);
        auto b = shown<ZtDateCalendar>(QPoint(100, 400));
        QVERIFY(b);
        b->ChangeDisplayType(ZtCalendar::DisplayType_e(type));
        ZtCalendar* calendar = popupOf(*b);
        QTest::mouseClick(calendar, Qt::LeftButton);       // leaves the calendar on no particular page
        QTest::mouseClick(b.get(), Qt::LeftButton);
        QTRY_VERIFY(calendar->isVisible());
        QCOMPARE(onDayPage(calendar), dayPage);
    }

    void aSecondPressOnTheButtonClosesTheCalendar()
    {
        auto b = shown<ZtDateCalendar>(QPoint(100, 400));
        QVERIFY(b);
        ZtCalendar* calendar = popupOf(*b);
        systemClick(b.get(), QPoint(20, 10));
        QTRY_VERIFY(calendar->isVisible());
        systemClick(b.get(), QPoint(20, 10));     // Qt closes the pop-up; the press must not reopen it
        QVERIFY(calendar->isHidden());
        systemClick(b.get(), QPoint(20, 10));
        QTRY_VERIFY(calendar->isVisible());
        QTest::mouseClick(b.get(), Qt::LeftButton);   // a press that reaches the button itself
        QVERIFY(calendar->isHidden());
    }

    void choosingInTheCalendarShowsAndReportsIt_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("value");           // a day, a month or a year to click
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("a day") << int(ZtCalendar::DisplayDay) << QString() << 21 << QDate(2017, 6, 21) << "2017-06-21";
        QTest::newRow("a week") << int(ZtCalendar::DisplayWeek) << QString() << 21 << QDate(2017, 6, 21) << "2017/06/18-2017/06/24";
        QTest::newRow("a month") << int(ZtCalendar::DisplayMonth) << "yyyy-MM" << 3 << QDate(2017, 3, 14) << "2017-03";
        QTest::newRow("a year") << int(ZtCalendar::DisplayYear) << "yyyy" << 2015 << QDate(2015, 6, 14) << "2015";
    }
    void choosingInTheCalendarShowsAndReportsIt()
    {
        QFETCH(int, type);
        QFETCH(QString, format);
        QFETCH(int, value);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        auto b = shown<ZtDateCalendar>(QPoint(100, 400));
        QVERIFY(b);
        b->ChangeDisplayType(ZtCalendar::DisplayType_e(type));
        if (!format.isNull())
            b->SetFormat(format);
        QDateTime start = kWednesday;
        b->InitDate(start);
        QTest::mouseClick(b.get(), Qt::LeftButton);
        ZtCalendar* calendar = popupOf(*b);
        QVERIFY(QTest::qWaitForWindowExposed(calendar));
        QSignalSpy changed(b.get(), &ZtDateCalendar::SgnDateTimeChanged);
        if (type == ZtCalendar::DisplayDay || type == ZtCalendar::DisplayWeek)
            clickDay(calendar, value);
        else
            clickPage(calendar, value);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(b->text(), text);
        QCOMPARE(b->GetDateTime(), QDateTime(date, kWednesday.time()));
        QVERIFY(calendar->isVisible());
    }

    void quickChoicesTakeToday()
    {
        auto b = shown<ZtDateCalendar>(QPoint(100, 400));
        QVERIFY(b);
        b->ChangeDisplayType(ZtCalendar::DisplayDay);
        QDateTime start = kWednesday;
        b->InitDate(start);
        b->SetLastCurEnable();
        QTest::mouseClick(b.get(), Qt::LeftButton);
        ZtCalendar* calendar = popupOf(*b);
        QVERIFY(QTest::qWaitForWindowExposed(calendar));
        QCOMPARE(calendar->size(), QSize(210, 307));
        QCOMPARE(button(calendar, "BtnCur")->text(), QStringLiteral("Today"));
        QVERIFY(button(calendar, "BtnCur")->isVisible());
        QSignalSpy changed(b.get(), &ZtDateCalendar::SgnDateTimeChanged);
        clickButton(calendar, "BtnLast");
        QCOMPARE(changed.count(), 1);
        const QDate yesterday = QDate::currentDate().addDays(-1);
        QCOMPARE(b->GetDateTime(), QDateTime(yesterday, QTime(0, 0)));
        QCOMPARE(b->text(), yesterday.toString("yyyy-MM-dd"));
    }

    void aHostMayDeleteTheDateButtonFromItsSignal()
    {
        auto owned = shown<ZtDateCalendar>(QPoint(100, 400));
        QVERIFY(owned);
        ZtDateCalendar* b = owned.release();
        QPointer<ZtDateCalendar> alive(b);
        b->ChangeDisplayType(ZtCalendar::DisplayDay);
        b->SetLastCurEnable();
        QTest::mouseClick(b, Qt::LeftButton);
        ZtCalendar* calendar = popupOf(*b);
        QVERIFY(QTest::qWaitForWindowExposed(calendar));
        connect(b, &ZtDateCalendar::SgnDateTimeChanged, b, [b] { delete b; });
        clickButton(calendar, "BtnCur");
        QVERIFY(!alive);
    }

    // ---- ZtDateTimeCalendar ----

    void thePeriodButtonStartsUncheckedWithItsPairHidden()
    {
        ZtDateTimeCalendar b;
        QVERIFY(b.isCheckable());
        QVERIFY(!b.isChecked());
        ZtCalendarEx* pair = pairOf(b);
        QVERIFY(pair);
        QVERIFY(pair->isHidden());
        QCOMPARE(pair->windowFlags() & (Qt::WindowType_Mask | Qt::FramelessWindowHint), Qt::Popup | Qt::FramelessWindowHint);
        const QString today = QDate::currentDate().toString("MM/dd");
        QCOMPARE(b.text(), today + " 00:00-" + today + " 00:00");
    }

    void thePeriodReadsWithOrWithoutTimes_data()
    {
        QTest::addColumn<bool>("times");
        QTest::addColumn<QString>("text");
        QTest::newRow("time editors shown") << true << "06/10 08:30-06/14 17:45";
        QTest::newRow("time editors hidden") << false << "2017/06/10-2017/06/14";
    }
    void thePeriodReadsWithOrWithoutTimes()
    {
        QFETCH(bool, times);
        QFETCH(QString, text);
        const QDateTime start(QDate(2017, 6, 10), QTime(8, 30, 5));
        const QDateTime end(QDate(2017, 6, 14), QTime(17, 45, 59));
        ZtDateTimeCalendar b;
        b.SetTimeEditVisible(times);
        b.SetSelDate(start, end);
        QCOMPARE(b.text(), text);
        QDateTime from, to;
        b.DateTimeRange(from, to);
        QCOMPARE(from, start);
        QCOMPARE(to, end);

        ZtDateTimeCalendar switched;              // the text follows a later switch too
        switched.SetSelDateWithUpdateEndTime(start, end);
        switched.SetTimeEditVisible(times);
        QCOMPARE(switched.text(), text);
    }

    void thePairOpensBesideTheButton_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("expected");     // the pair is 452 x 292
        QTest::newRow("room right and above") << QPoint(100, 400) << QSize(160, 26) << QPoint(100 + 160 - 10, 426 - 292 + 7);
        QTest::newRow("right edge, room above") << QPoint(300, 400) << QSize(160, 26) << QPoint(300 + 160 - 452 + 20, 426 - 20 - 292);
        QTest::newRow("right edge, none above") << QPoint(300, 100) << QSize(160, 26) << QPoint(300 + 160 - 452 + 20, 126 - 10);
        QTest::newRow("none above, narrow left") << QPoint(20, 100) << QSize(160, 26) << QPoint(20 - 10, 126 - 10);
    }
    void thePairOpensBesideTheButton()
    {
        QFETCH(QPoint, at);
        QFETCH(QSize, size);
        QFETCH(QPoint, expected);
        auto b = shown<ZtDateTimeCalendar>(at, size);
        QVERIFY(b);
        QCOMPARE(b->mapToGlobal(QPoint(0, 0)), at);
        QTest::mouseClick(b.get(), Qt::LeftButton);
        ZtCalendarEx* pair = pairOf(*b);
        QTRY_VERIFY(pair->isVisible());
        QCOMPARE(pair->geometry(), QRect(expected, QSize(452, 292)));
        QVERIFY(b->isChecked());
        pair->close();                            // as Qt closes a pop-up on an outside click
        QVERIFY(!b->isChecked());
    }

    void pressesOnThePeriodButtonToggleThePair()
    {
        auto b = shown<ZtDateTimeCalendar>(QPoint(100, 400));
        QVERIFY(b);
        ZtCalendarEx* pair = pairOf(*b);
        systemClick(b.get(), QPoint(20, 10));
        QTRY_VERIFY(pair->isVisible());
        QVERIFY(b->isChecked());
        systemClick(b.get(), QPoint(20, 10));
        QVERIFY(pair->isHidden());
        QVERIFY(!b->isChecked());
        QTest::mouseClick(b.get(), Qt::LeftButton);
        QTRY_VERIFY(pair->isVisible());
        QTest::mouseClick(b.get(), Qt::LeftButton);
        QVERIFY(pair->isHidden());
        QVERIFY(!b->isChecked());
    }

    void choosingADayReportsThePeriod()
    {
        auto b = shown<ZtDateTimeCalendar>(QPoint(100, 400));
        QVERIFY(b);
        b->SetTimeEditVisible(false);
        b->SetRestrcitDateRange(31);
        b->SetSelDateWithUpdateEndTime(QDateTime(QDate(2017, 6, 10), QTime(8, 0)), QDateTime(QDate(2017, 6, 14), QTime(18, 0)));
        QTest::mouseClick(b.get(), Qt::LeftButton);
        ZtCalendarEx* pair = pairOf(*b);
        QVERIFY(QTest::qWaitForWindowExposed(pair));
        QSignalSpy changed(b.get(), &ZtDateTimeCalendar::SgnDateTimeChanged);
        clickDay(pair->GetEndCalendar(), 20);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.last().at(0).toDateTime(), QDateTime(QDate(2017, 6, 10), QTime(8, 0)));
        QCOMPARE(changed.last().at(1).toDateTime(), QDateTime(QDate(2017, 6, 20), QTime(18, 0)));
        QCOMPARE(b->text(), QStringLiteral("2017/06/10-2017/06/20"));
        QVERIFY(pair->isVisible());
    }

    void monthChangesAreReportedAndTheHostMarksThem_data()
    {
        QTest::addColumn<bool>("end");
        QTest::newRow("start calendar") << false;
        QTest::newRow("end calendar") << true;
    }
    void monthChangesAreReportedAndTheHostMarksThem()
    {
        QFETCH(bool, end);
        auto b = shown<ZtDateTimeCalendar>(QPoint(100, 400));
        QVERIFY(b);
        b->SetRestrcitDateRange(62);
        b->SetSelDateWithUpdateEndTime(QDateTime(QDate(2017, 6, 10), QTime(8, 0)), QDateTime(QDate(2017, 6, 14), QTime(18, 0)));
        QTest::mouseClick(b.get(), Qt::LeftButton);
        ZtCalendarEx* pair = pairOf(*b);
        QVERIFY(QTest::qWaitForWindowExposed(pair));
        ZtCalendar* calendar = end ? pair->GetEndCalendar() : pair->GetStartCalendar();
        b->SetStartRecordDate(2017, 6, 12, true);
        b->SetEndRecordDate(2017, 6, 13, true);
        QVERIFY(calendar->findChild<QLabel*>(end ? "picRecord2017613" : "picRecord2017612"));

        QSignalSpy startMonth(b.get(), &ZtDateTimeCalendar::SgnStartYearMonthChanged);
        QSignalSpy endMonth(b.get(), &ZtDateTimeCalendar::SgnEndYearMonthChanged);
        // The host answers each month change with the marks of the new month.
        connect(b.get(), &ZtDateTimeCalendar::SgnStartYearMonthChanged, b.get(),
                [&b](int year, int month) { b->SetStartRecordDate(year, month, 3, true); });
        connect(b.get(), &ZtDateTimeCalendar::SgnEndYearMonthChanged, b.get(),
                [&b](int year, int month) { b->SetEndRecordDate(year, month, 4, true); });
        clickButton(calendar, "m_NextBtn");
        QSignalSpy& reported = end ? endMonth : startMonth;
        QCOMPARE(reported.count(), 1);
        QCOMPARE(reported.last(), QVariantList({2017, 7}));
        if (end)
            QCOMPARE(startMonth.count(), 0);
        QTRY_VERIFY(!calendar->findChild<QLabel*>(end ? "picRecord2017613" : "picRecord2017612"));
        QVERIFY(calendar->findChild<QLabel*>(end ? "picRecord201774" : "picRecord201773"));

        b->ClearRecord();
        QTRY_VERIFY(pair->findChildren<QLabel*>(QRegularExpression("^picRecord")).isEmpty());
    }

    void aDoubleClickClosesThePairAndIsPassedOn()
    {
        auto b = shown<ZtDateTimeCalendar>(QPoint(100, 400));
        QVERIFY(b);
        b->SetSelDate(QDateTime(QDate(2017, 6, 10), QTime(8, 0)), QDateTime(QDate(2017, 6, 14), QTime(18, 0)));
        QTest::mouseClick(b.get(), Qt::LeftButton);
        ZtCalendarEx* pair = pairOf(*b);
        QVERIFY(QTest::qWaitForWindowExposed(pair));
        QSignalSpy hidden(b.get(), &ZtDateTimeCalendar::SgnCalendarHide);
        QSignalSpy doubled(b.get(), &ZtDateTimeCalendar::SgnCellDoubleClicked);
        QTableWidget* grid = dayGrid(pair->GetStartCalendar());
        KitraTest::doubleClick(grid->viewport(), grid->visualItemRect(dayItem(pair->GetStartCalendar(), 12)).center());
        QCOMPARE(hidden.count(), 1);
        QCOMPARE(doubled.count(), 1);
        QVERIFY(pair->isHidden());
        QVERIFY(!b->isChecked());
    }

    void theEndCalendarTakesTheRestrictions()
    {
        ZtDateTimeCalendar b;
        b.SetRestrcitDateRange(7);
        b.SetSelDateWithUpdateEndTime(QDateTime(QDate(2017, 3, 10), QTime(0, 0)), QDateTime(QDate(2017, 3, 12), QTime(0, 0)));
        ZtCalendar* end = pairOf(b)->GetEndCalendar();
        QVERIFY(dayItem(end, 16)->flags().testFlag(Qt::ItemIsEnabled));
        QVERIFY(!dayItem(end, 17)->flags().testFlag(Qt::ItemIsEnabled));
        QVERIFY(dayItem(pairOf(b)->GetStartCalendar(), 17)->flags().testFlag(Qt::ItemIsEnabled));

        b.SetRestrcitDateRange(40);
        b.SetSelDateWithUpdateEndTime(QDateTime(QDate(2017, 3, 10), QTime(0, 0)), QDateTime(QDate(2017, 3, 12), QTime(0, 0)));
        QVERIFY(button(end, "m_NextBtn")->isEnabled());
        b.SetOnlySelectSameMonth(true);
        b.SetSelDateWithUpdateEndTime(QDateTime(QDate(2017, 3, 10), QTime(0, 0)), QDateTime(QDate(2017, 3, 12), QTime(0, 0)));
        QVERIFY(!button(end, "m_NextBtn")->isEnabled());

        b.OnlyShowStartCalendar();
        QVERIFY(end->isHidden());
    }

    void aHostMayDeleteThePeriodButtonFromItsSignals_data()
    {
        QTest::addColumn<bool>("onMonth");
        QTest::newRow("period changed") << false;
        QTest::newRow("start month changed") << true;
    }
    void aHostMayDeleteThePeriodButtonFromItsSignals()
    {
        QFETCH(bool, onMonth);
        auto owned = shown<ZtDateTimeCalendar>(QPoint(100, 400));
        QVERIFY(owned);
        ZtDateTimeCalendar* b = owned.release();
        QPointer<ZtDateTimeCalendar> alive(b);
        b->SetSelDate(QDateTime(QDate(2017, 6, 10), QTime(8, 0)), QDateTime(QDate(2017, 6, 14), QTime(18, 0)));
        QTest::mouseClick(b, Qt::LeftButton);
        ZtCalendarEx* pair = pairOf(*b);
        QVERIFY(QTest::qWaitForWindowExposed(pair));
        if (onMonth)
            connect(b, &ZtDateTimeCalendar::SgnStartYearMonthChanged, b, [b] { delete b; });
        else
            connect(b, &ZtDateTimeCalendar::SgnDateTimeChanged, b, [b] { delete b; });
        clickButton(pair->GetStartCalendar(), "m_NextBtn");
        QVERIFY(!alive);
    }
};

QTEST_MAIN(tst_DateCalendar)
#include "tst_datecalendar.moc"
