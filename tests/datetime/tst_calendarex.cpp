#include "CalendarTest.h"

#include "ZtCalendarEx.h"

#include <QLabel>

using namespace ZtGUI;
using namespace CalendarTest;

class tst_CalendarEx : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        useShippedSkin();
    }

    void thePairIsAStartAndAnEndCalendar()
    {
        ZtCalendarEx pair;
        QCOMPARE(pair.size(), QSize(452, 292));
        QCOMPARE(pair.GetStartCalendar()->objectName(), QStringLiteral("m_pCalendarStart"));
        QCOMPARE(pair.GetStartCalendar()->findChild<QLabel*>("lbName")->text(), QStringLiteral("Start"));
        QCOMPARE(pair.GetEndCalendar()->findChild<QLabel*>("lbName")->text(), QStringLiteral("End"));
        QVERIFY(button(pair.GetStartCalendar(), "m_MonthYearBtn")->isEnabled());
        QVERIFY(!button(pair.GetEndCalendar(), "m_MonthYearBtn")->isEnabled());
        pair.OnlyShowStartCalendar();
        QVERIFY(pair.GetEndCalendar()->isHidden());
        QCOMPARE(pair.GetStartCalendar()->findChild<QLabel*>("lbName")->text(), QString());
    }

    void choosingAStartMovesTheEndAndReportsTheMonth()
    {
        ZtCalendarEx pair;
        pair.GetEndCalendar()->SetRestrcitDateRange(31);
        pair.SetDateTimeWithUpdateEndTime(QDateTime(QDate(2017, 3, 10), QTime(8, 0)), QDateTime(QDate(2017, 3, 20), QTime(18, 0)));
        pair.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pair));
        ZtCalendar* start = pair.GetStartCalendar();
        start->SetRecordDate(2017, 3, 5, true);
        QSignalSpy changed(&pair, &ZtCalendarEx::SgnDateTimeChanged);
        QSignalSpy startMonth(&pair, &ZtCalendarEx::SgnStartYearMonthChanged);
        QSignalSpy endMonth(&pair, &ZtCalendarEx::SngEndYearMonthChanged);
        clickDay(start, 12);
        QCOMPARE(startMonth.count(), 0);
        QDateTime from, to;
        pair.GetDateTime(from, to);
        QCOMPARE(from, QDateTime(QDate(2017, 3, 12), QTime(8, 0)));
        QCOMPARE(to, QDateTime(QDate(2017, 3, 12), QTime(23, 59, 59)));   // the end follows the start
        QVERIFY(changed.count() >= 1);
        QVERIFY(start->findChild<QLabel*>("picRecord201735"));

        clickButton(start, "m_NextBtn");
        QCOMPARE(startMonth.count(), 1);
        QCOMPARE(endMonth.count(), 1);
        QTRY_VERIFY(!start->findChild<QLabel*>("picRecord201735"));   // removed widgets go later
        pair.GetDateTime(from, to);
        QCOMPARE(from.date(), QDate(2017, 4, 1));
        QCOMPARE(to, QDateTime(QDate(2017, 4, 1), QTime(23, 59, 59)));
    }

    void anEndBeforeTheStartPullsTheStartBack()
    {
        ZtCalendarEx pair;
        pair.GetEndCalendar()->SetRestrcitDateRange(7);
        pair.SetDateTimeWithUpdateEndTime(QDateTime(QDate(2017, 3, 10), QTime(12, 0)), QDateTime(QDate(2017, 3, 10), QTime(6, 0)));
        pair.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pair));
        QSignalSpy changed(&pair, &ZtCalendarEx::SgnDateTimeChanged);
        clickDay(pair.GetEndCalendar(), 10);
        QCOMPARE(changed.count(), 1);
        QDateTime from, to;
        pair.GetDateTime(from, to);
        QCOMPARE(to, QDateTime(QDate(2017, 3, 10), QTime(6, 0)));
        QCOMPARE(from, to);
    }

    void hideAndDoubleClickArePassedOn()
    {
        ZtCalendarEx pair;
        QSignalSpy hide(&pair, &ZtCalendarEx::SgnCalendarHide);
        QSignalSpy doubled(&pair, &ZtCalendarEx::SgnCellDoubleClicked);
        pair.GetEndCalendar()->OnCellDoubleClicked(2, 3);
        pair.GetStartCalendar()->OnCellDoubleClicked(2, 3);
        QCOMPARE(hide.count(), 2);
        QCOMPARE(doubled.count(), 2);
    }
};

QTEST_MAIN(tst_CalendarEx)
#include "tst_calendarex.moc"
