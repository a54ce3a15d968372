// The two buttons that pop up calendars, the date button and the period button, and a host
// deleting any picker with a pop-up calendar from its signals.
#include "CalendarTest.h"

#include "ZtCalendarEx.h"
#include "ZtDateCalendar.h"
#include "ZtDateTimeCalendar.h"
#include "ZtDateTimeEdit.h"

#include <QDateTimeEdit>
#include <QLabel>

using namespace ZtGUI;
using namespace CalendarTest;

namespace {

const QDateTime kWednesday(QDate(2017, 6, 14), QTime(10, 20, 30));
const QDateTime kFrom(QDate(2017, 6, 10), QTime(8, 30, 5)), kTo(QDate(2017, 6, 14), QTime(17, 45, 59));
const int kPeriod = -1; // in a display-type column: the period button

/// A 160 x 26 button at a global position on the 800 x 600 offscreen screen.
QRect buttonAt(const QPoint& at) { return QRect(at, QSize(160, 26)); }
QPushButton* newButton(bool period) { return period ? static_cast<QPushButton*>(new ZtDateTimeCalendar) : new ZtDateCalendar; }
ZtCalendar* popupOf(const QWidget& b) { return b.findChild<ZtCalendar*>(); }
ZtCalendarEx* pairOf(const QWidget& b) { return b.findChild<ZtCalendarEx*>(); }
QWidget* popupWindow(const QWidget& b) { return pairOf(b) ? static_cast<QWidget*>(pairOf(b)) : popupOf(b); }

/// A date button at (100, 400) in `type` display on `start`, with its calendar open.
std::unique_ptr<ZtDateCalendar> openDate(int type, const QString& format = QString(), QDateTime start = kWednesday)
{
    auto b = shown(new ZtDateCalendar, buttonAt(QPoint(100, 400)));
    if (!b)
        return nullptr;
    b->ChangeDisplayType(ZtCalendar::DisplayType_e(type));
    if (!format.isNull())
        b->SetFormat(format);
    b->InitDate(start);
    QTest::mouseClick(b.get(), Qt::LeftButton);
    return QTest::qWaitForWindowExposed(popupOf(*b)) ? std::move(b) : nullptr;
}

/// A period button at (100, 400) on kFrom-kTo with its pair open; an end window of `days` if given.
std::unique_ptr<ZtDateTimeCalendar> openPeriod(int days = 0, bool times = true)
{
    auto b = shown(new ZtDateTimeCalendar, buttonAt(QPoint(100, 400)));
    if (!b)
        return nullptr;
    if (!times)
        b->SetTimeEditVisible(false);
    b->SetRestrcitDateRange(days);
    days > 0 ? b->SetSelDateWithUpdateEndTime(kFrom, kTo) : b->SetSelDate(kFrom, kTo);
    QTest::mouseClick(b.get(), Qt::LeftButton);
    return QTest::qWaitForWindowExposed(pairOf(*b)) ? std::move(b) : nullptr;
}

/// An open picker at (100, 400) on kWednesday: "day" or "month", a date button in that display with
/// its quick choices; "period", the period button of openPeriod; "edit", a date-time edit.
std::unique_ptr<QWidget> openPicker(const QString& kind)
{
    if (kind == QLatin1String("period"))
        return openPeriod();
    if (kind == QLatin1String("edit")) {
        auto edit = shown(new ZtDateTimeEdit, buttonAt(QPoint(100, 400)));
        if (!edit)
            return nullptr;
        edit->setCalendarPopup(true);
        edit->setDateTime(kWednesday);
        QTest::mouseClick(edit.get(), Qt::LeftButton, {}, QPoint(5, 5));
        return QTest::qWaitForWindowExposed(popupOf(*edit)) ? std::move(edit) : nullptr;
    }
    auto b = openDate(kind == QLatin1String("month") ? ZtCalendar::DisplayMonth : ZtCalendar::DisplayDay);
    if (b)
        b->SetLastCurEnable();
    return b;
}

} // namespace

/// Deletes whatever emits the signal it is connected to, as a host may.
class Remover : public QObject
{
    Q_OBJECT
public slots:
    void removeSender() { delete sender(); }
};

class tst_DateCalendar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepare(); }

    void bothButtonsStartOnTodayWithTheirPopupsHidden()
    {
        ZtDateCalendar date;
        QVERIFY(popupOf(date)->isHidden());
        QCOMPARE(popupOf(date)->GetDisplayType(), ZtCalendar::DisplayYear);
        QVERIFY(popupOf(date)->findChild<QDateTimeEdit*>("m_dateTimeEdit")->isHidden());
        QCOMPARE(date.text(), kToday.toString("yyyy-MM-dd"));
        QCOMPARE(date.GetDateTime(), QDateTime(kToday, QTime(0, 0)));
        ZtDateTimeCalendar period;
        QVERIFY(period.isCheckable() && !period.isChecked() && pairOf(period)->isHidden());
        QCOMPARE(period.text(), kToday.toString("MM/dd 00:00-MM/dd 00:00"));
    }

    void theDateButtonReadsItsDateInItsFormatOrAsAWeek_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("sunday"); // that opens the date's week
        QTest::addColumn<QDateTime>("bad"); // ignored
        QTest::addColumn<int>("value");     // a day, a month or a year then chosen
        QTest::addColumn<QString>("chosen");
        const int day = ZtCalendar::DisplayDay, week = ZtCalendar::DisplayWeek;
        const QDate june11(2017, 6, 11);
        const QDateTime early(QDate(1960, 5, 1), QTime(0, 0)), late(QDate(2040, 5, 1), QTime(0, 0));
        QTest::newRow("day, default format") << day << QString() << QDate(2017, 6, 14) << "2017-06-14" << june11 << QDateTime() << 21 << "2017-06-21";
        QTest::newRow("month as yyyy-MM") << int(ZtCalendar::DisplayMonth) << "yyyy-MM" << QDate(2017, 6, 14) << "2017-06" << june11 << early << 3 << "2017-03";
        QTest::newRow("year as yyyy") << int(ZtCalendar::DisplayYear) << "yyyy" << QDate(2017, 6, 14) << "2017" << june11 << late << 2015 << "2015";
        QTest::newRow("week of a Wednesday") << week << QString() << QDate(2017, 6, 14) << "2017/06/11-2017/06/17" << june11 << QDateTime() << 21 << "2017/06/18-2017/06/24";
        QTest::newRow("week of a Saturday") << week << QString() << QDate(2017, 6, 17) << "2017/06/11-2017/06/17" << june11 << late << 18 << "2017/06/18-2017/06/24";
        QTest::newRow("week back into December") << week << QString() << QDate(2016, 1, 1) << "2015/12/27-2016/01/02" << QDate(2015, 12, 27) << early << 31 << "2016/01/31-2016/02/06";
    }
    void theDateButtonReadsItsDateInItsFormatOrAsAWeek()
    {
        QFETCH(int, type);
        QFETCH(QString, format);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QFETCH(QDate, sunday);
        QFETCH(QDateTime, bad);
        QFETCH(int, value);
        QFETCH(QString, chosen);
        QDateTime dateTime(date, kWednesday.time());
        auto b = openDate(type, format, dateTime);
        QVERIFY(b);
        QSignalSpy changed(b.get(), &ZtDateCalendar::SgnDateTimeChanged);
        b->InitDate(bad);
        QCOMPARE(b->text(), text);
        QCOMPARE(b->GetDateTime(), dateTime);
        QCOMPARE(popupOf(*b)->GetSelectDate(), dateTime);
        QDate from, to;
        b->GetWeekDate(from, to);
        QCOMPARE(from, type == ZtCalendar::DisplayWeek ? sunday : QDate());

        ZtCalendar* calendar = popupOf(*b);
        onDayPage(calendar) ? clickDay(calendar, value) : clickPage(calendar, value);
        QCOMPARE(b->text(), chosen);
        QCOMPARE(b->GetDateTime(), calendar->GetSelectDate());
        QVERIFY(calendar->isVisible());

        QDateTime back = dateTime;
        b->InitDate(back);
        b->InitWeekDate(); // any display may be asked to show the week
        b->GetWeekDate(from, to);
        QCOMPARE(qMakePair(from, to), qMakePair(sunday, sunday.addDays(6)));
        QCOMPARE(b->text(), sunday.toString("yyyy/MM/dd") + "-" + sunday.addDays(6).toString("yyyy/MM/dd"));
        QCOMPARE(changed.count(), 1); // only the user's choice is reported
    }

    void aPressOpensThePopupBesideTheButtonAndTheNextClosesIt_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("type");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<bool>("dayPage");
        // The button's bottom-right corner is (x + 159, y + 25); the calendar is 210 x 270, the pair 452 x 292.
        const int year = ZtCalendar::DisplayYear;
        const QSize calendar(210, 270), pair(452, 292);
        QTest::newRow("room right and above") << QPoint(100, 400) << year << QRect(QPoint(259, 425 - 270), calendar) << false;
        QTest::newRow("room right, none above") << QPoint(100, 100) << year << QRect(QPoint(259, 125 - 26), calendar) << false;
        QTest::newRow("right edge, room above") << QPoint(500, 400) << year << QRect(QPoint(659 - 160, 425 - 270 - 26), calendar) << false;
        QTest::newRow("right edge, none above") << QPoint(500, 100) << year << QRect(QPoint(659 - 160, 125), calendar) << false;
        QTest::newRow("day page") << QPoint(100, 400) << int(ZtCalendar::DisplayDay) << QRect(QPoint(259, 155), calendar) << true;
        QTest::newRow("week on the day page") << QPoint(100, 400) << int(ZtCalendar::DisplayWeek) << QRect(QPoint(259, 155), calendar) << true;
        QTest::newRow("month page") << QPoint(100, 400) << int(ZtCalendar::DisplayMonth) << QRect(QPoint(259, 155), calendar) << false;
        QTest::newRow("pair, room right and above") << QPoint(100, 400) << kPeriod << QRect(QPoint(100 + 160 - 10, 426 - 292 + 7), pair) << true;
        QTest::newRow("pair, right edge, room above") << QPoint(300, 400) << kPeriod << QRect(QPoint(300 + 160 - 452 + 20, 426 - 20 - 292), pair) << true;
        QTest::newRow("pair, right edge, none above") << QPoint(300, 100) << kPeriod << QRect(QPoint(300 + 160 - 452 + 20, 126 - 10), pair) << true;
        QTest::newRow("pair, none above, narrow left") << QPoint(20, 100) << kPeriod << QRect(QPoint(20 - 10, 126 - 10), pair) << true;
    }
    void aPressOpensThePopupBesideTheButtonAndTheNextClosesIt()
    {
        QFETCH(QPoint, at);
        QFETCH(int, type);
        QFETCH(QRect, expected);
        QFETCH(bool, dayPage);
        auto b = shown(newButton(type == kPeriod), buttonAt(at));
        QVERIFY(b);
        if (type != kPeriod)
            static_cast<ZtDateCalendar*>(b.get())->ChangeDisplayType(ZtCalendar::DisplayType_e(type));
        QTest::mouseClick(b.get(), Qt::LeftButton);
        QWidget* popup = popupWindow(*b);
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(popup->geometry(), expected);
        QCOMPARE(onDayPage(popup), dayPage);
        QCOMPARE(b->isChecked(), type == kPeriod);
        QTest::mouseClick(b.get(), Qt::LeftButton);
        QVERIFY(popup->isHidden() && !b->isChecked());
        // As the window system delivers them: Qt closes the pop-up, and the press must not reopen it.
        systemClicks(b.get(), QPoint(20, 10));
        QTRY_VERIFY(popup->isVisible());
        systemClicks(b.get(), QPoint(20, 10));
        QVERIFY(popup->isHidden() && !b->isChecked());
    }

    void quickChoicesTakeToday()
    {
        auto b = openDate(ZtCalendar::DisplayDay);
        QVERIFY(b);
        b->SetLastCurEnable();
        ZtCalendar* calendar = popupOf(*b);
        QCOMPARE(calendar->size(), QSize(210, 307));
        QSignalSpy changed(b.get(), &ZtDateCalendar::SgnDateTimeChanged);
        clickButton(calendar, "BtnLast");
        QCOMPARE(changed.count(), 1);
        const QDate yesterday = kToday.addDays(-1);
        QCOMPARE(b->GetDateTime(), QDateTime(yesterday, QTime(0, 0)));
        QCOMPARE(b->text(), yesterday.toString("yyyy-MM-dd"));
    }

    void thePeriodReadsWithOrWithoutTimes_data()
    {
        QTest::addColumn<bool>("times");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after"); // the 20th is chosen as the end
        QTest::newRow("time editors shown") << true << "06/10 08:30-06/14 17:45" << "06/10 08:30-06/20 17:45";
        QTest::newRow("time editors hidden") << false << "2017/06/10-2017/06/14" << "2017/06/10-2017/06/20";
    }
    void thePeriodReadsWithOrWithoutTimes()
    {
        QFETCH(bool, times);
        QFETCH(QString, before);
        QFETCH(QString, after);
        auto b = openPeriod(31, times);
        QVERIFY(b);
        QCOMPARE(b->text(), before);
        QDateTime from, to;
        b->DateTimeRange(from, to);
        QCOMPARE(qMakePair(from, to), qMakePair(kFrom, kTo));
        QSignalSpy changed(b.get(), &ZtDateTimeCalendar::SgnDateTimeChanged);
        clickDay(pairOf(*b)->GetEndCalendar(), 20);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.last(), QVariantList({kFrom, QDateTime(QDate(2017, 6, 20), kTo.time())}));
        QCOMPARE(b->text(), after);
        QVERIFY(pairOf(*b)->isVisible());
        ZtDateTimeCalendar switched; // the text follows a later switch too
        switched.SetSelDate(kFrom, kTo);
        switched.SetTimeEditVisible(times);
        QCOMPARE(switched.text(), before);
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
        auto b = openPeriod(62);
        QVERIFY(b);
        ZtDateTimeCalendar* host = b.get();
        ZtCalendar* calendar = end ? pairOf(*b)->GetEndCalendar() : pairOf(*b)->GetStartCalendar();
        const auto mark = end ? &ZtDateTimeCalendar::SetEndRecordDate : &ZtDateTimeCalendar::SetStartRecordDate;
        const auto monthSignal = end ? &ZtDateTimeCalendar::SgnEndYearMonthChanged : &ZtDateTimeCalendar::SgnStartYearMonthChanged;
        (host->*mark)(2017, 6, 12, true);
        QVERIFY(calendar->findChild<QLabel*>("picRecord2017612"));
        QSignalSpy month(host, monthSignal);
        // The host answers each month change with the marks of the new month.
        connect(host, monthSignal, host, [host, mark](int year, int month) { (host->*mark)(year, month, 3, true); });
        clickButton(calendar, "m_NextBtn");
        QCOMPARE(month.count(), 1);
        QCOMPARE(month.last(), QVariantList({2017, 7}));
        QTRY_VERIFY(!calendar->findChild<QLabel*>("picRecord2017612"));
        QVERIFY(calendar->findChild<QLabel*>("picRecord201773"));
        b->ClearRecord();
        QTRY_VERIFY(pairOf(*b)->findChildren<QLabel*>(QRegularExpression("^picRecord")).isEmpty());
    }

    void aDoubleClickClosesThePairAndIsPassedOn()
    {
        auto b = openPeriod();
        QVERIFY(b);
        QSignalSpy hidden(b.get(), &ZtDateTimeCalendar::SgnCalendarHide);
        QSignalSpy doubled(b.get(), &ZtDateTimeCalendar::SgnCellDoubleClicked);
        ZtCalendar* start = pairOf(*b)->GetStartCalendar();
        KitraTest::doubleClick(dayGrid(start)->viewport(), dayGrid(start)->visualItemRect(dayItem(start, 12)).center());
        QCOMPARE(hidden.count(), 1);
        QCOMPARE(doubled.count(), 1);
        QVERIFY(pairOf(*b)->isHidden() && !b->isChecked());
    }

    void theEndCalendarTakesTheRestrictions()
    {
        ZtDateTimeCalendar b;
        ZtCalendar* end = pairOf(b)->GetEndCalendar();
        b.SetRestrcitDateRange(7);
        b.SetSelDateWithUpdateEndTime(kFrom, kTo);
        QVERIFY(dayEnabled(end, 16) && !dayEnabled(end, 17));
        QVERIFY(dayEnabled(pairOf(b)->GetStartCalendar(), 17));
        b.SetRestrcitDateRange(40);
        QVERIFY(button(end, "m_NextBtn")->isEnabled());
        b.SetOnlySelectSameMonth(true);
        QVERIFY(!button(end, "m_NextBtn")->isEnabled());
        b.OnlyShowStartCalendar();
        QVERIFY(end->isHidden());
    }

    void aHostMayDeleteAPickerFromItsSignals_data()
    {
        QTest::addColumn<QString>("picker"); // see openPicker
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QString>("input"); // a click or double click on the 12th, on March, or on a button
        const QByteArray dateChanged("SgnDateTimeChanged()");
        QTest::newRow("date: a day chosen") << "day" << dateChanged << "day";
        QTest::newRow("date: a month chosen") << "month" << dateChanged << "page";
        QTest::newRow("date: today chosen") << "day" << dateChanged << "BtnCur";
        QTest::newRow("period: a day chosen") << "period" << QByteArray("SgnDateTimeChanged(QDateTime,QDateTime)") << "day";
        QTest::newRow("period: next month") << "period" << QByteArray("SgnStartYearMonthChanged(int,int)") << "m_NextBtn";
        QTest::newRow("period: closed by a double click") << "period" << QByteArray("SgnCalendarHide()") << "double";
        QTest::newRow("period: a double click") << "period" << QByteArray("SgnCellDoubleClicked()") << "double";
        QTest::newRow("edit: a day chosen") << "edit" << QByteArray("SgnStartDateChanged(QDate)") << "day";
        QTest::newRow("edit: next month") << "edit" << QByteArray("SgnYearMonthChanged(int,int)") << "m_NextBtn";
    }
    void aHostMayDeleteAPickerFromItsSignals()
    {
        QFETCH(QString, picker);
        QFETCH(QByteArray, signal);
        QFETCH(QString, input);
        QWidget* host = openPicker(picker).release();
        QVERIFY(host);
        QPointer<QWidget> alive(host);
        Remover remover;
        QVERIFY(connect(host, QByteArray("2" + signal).constData(), &remover, SLOT(removeSender())));
        ZtCalendar* calendar = popupOf(*host);
        if (input == "day" || input == "double")
            systemClickDay(calendar, 12, input == "day" ? 1 : 2);
        else if (input == "page")
            systemClicks(pageGrid(calendar)->viewport(), centreOf(pageGrid(calendar), pageItem(calendar, 3)));
        else
            systemClicks(button(calendar, qPrintable(input)), QPoint(5, 5));
        QVERIFY(!alive);
    }
};

QTEST_MAIN(tst_DateCalendar)
#include "tst_datecalendar.moc"
