#include "CalendarTest.h"

#include "ZtCalendarEx.h"

#include <QLabel>

using namespace ZtGUI;
using namespace CalendarTest;

class tst_CalendarEx : public QObject
{
    Q_OBJECT

    /// A shown pair on `start`-`end` whose end calendar offers `days` from the start.
    static std::unique_ptr<ZtCalendarEx> shownPair(int days, const QDateTime& start, const QDateTime& end)
    {
        auto* pair = new ZtCalendarEx;
        pair->GetEndCalendar()->SetRestrcitDateRange(days);
        pair->SetDateTimeWithUpdateEndTime(start, end);
        return shown(pair);
    }
    static QPair<QDateTime, QDateTime> period(const ZtCalendarEx& pair)
    {
        QDateTime from, to;
        pair.GetDateTime(from, to);
        return {from, to};
    }

private slots:
    void initTestCase() { prepare(); }

    void thePairIsANamedStartAndEndCalendar()
    {
        ZtCalendarEx pair;
        QCOMPARE(pair.size(), QSize(452, 292));
        const auto nameOf = [](const ZtCalendar* calendar) { return calendar->findChild<QLabel*>("lbName")->text(); };
        QCOMPARE(nameOf(pair.GetStartCalendar()) + "-" + nameOf(pair.GetEndCalendar()), QStringLiteral("Start-End"));
        pair.OnlyShowStartCalendar();
        QCOMPARE(nameOf(pair.GetStartCalendar()), QString());
    }

    void choosingAStartMovesTheEndAndReportsTheMonth()
    {
        auto pair = shownPair(31, QDateTime(QDate(2017, 3, 10), QTime(8, 0)), QDateTime(QDate(2017, 3, 20), QTime(18, 0)));
        QVERIFY(pair);
        QSignalSpy changed(pair.get(), &ZtCalendarEx::SgnDateTimeChanged);
        QSignalSpy startMonth(pair.get(), &ZtCalendarEx::SgnStartYearMonthChanged);
        QSignalSpy endMonth(pair.get(), &ZtCalendarEx::SngEndYearMonthChanged);
        clickDay(pair->GetStartCalendar(), 12); // the end follows the start
        QCOMPARE(period(*pair), qMakePair(QDateTime(QDate(2017, 3, 12), QTime(8, 0)), QDateTime(QDate(2017, 3, 12), QTime(23, 59, 59))));
        QVERIFY(changed.count() >= 1);
        QCOMPARE(startMonth.count(), 0);
        clickButton(pair->GetStartCalendar(), "m_NextBtn");
        QCOMPARE(qMakePair(startMonth.count(), endMonth.count()), qMakePair(1, 1));
        QCOMPARE(period(*pair), qMakePair(QDateTime(QDate(2017, 4, 1), QTime(8, 0)), QDateTime(QDate(2017, 4, 1), QTime(23, 59, 59))));
    }

    void anEndBeforeTheStartPullsTheStartBack()
    {
        auto pair = shownPair(7, QDateTime(QDate(2017, 3, 10), QTime(12, 0)), QDateTime(QDate(2017, 3, 10), QTime(6, 0)));
        QVERIFY(pair);
        QSignalSpy changed(pair.get(), &ZtCalendarEx::SgnDateTimeChanged);
        clickDay(pair->GetEndCalendar(), 10);
        QCOMPARE(changed.count(), 1);
        const QDateTime end(QDate(2017, 3, 10), QTime(6, 0));
        QCOMPARE(period(*pair), qMakePair(end, end));
    }
};

QTEST_MAIN(tst_CalendarEx)
#include "tst_calendarex.moc"
