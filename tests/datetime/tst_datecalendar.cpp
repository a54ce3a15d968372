// The two buttons that pop up calendars, the date button and the period button with its pair of
// calendars, and a host deleting any picker with a pop-up calendar from its signals.
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

/// A 160 x 26 button at a global position on the 800 x 600 offscreen screen.
QRect buttonAt(const QPoint& at) { return QRect(at, QSize(160, 26)); }
ZtCalendar* popupOf(const QWidget& b) { return b.findChild<ZtCalendar*>(); }
ZtCalendarEx* pairOf(const QWidget& b) { return b.findChild<ZtCalendarEx*>(); }
QWidget* popupWindow(const QWidget& b) { return pairOf(b) ? static_cast<QWidget*>(pairOf(b)) : popupOf(b); }
bool marked(const ZtCalendar* calendar, const char* date) { return calendar->findChild<QLabel*>(QString("picRecord") + date); }

/// Opens the pop-up of a shown button (or edit) with a click unless it is open; false if it never shows.
bool open(QWidget* b)
{
    if (popupWindow(*b)->isHidden())
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    return QTest::qWaitForWindowExposed(popupWindow(*b));
}

/// An open picker at (100, 400): a date button in "day" or "month" display, a "period" or an "edit".
std::unique_ptr<QWidget> openPicker(const QString& kind)
{
    QWidget* picker = nullptr;
    if (kind == QLatin1String("period")) {
        auto* period = new ZtDateTimeCalendar;
        period->SetSelDate(kFrom, kTo);
        picker = period;
    } else if (kind == QLatin1String("edit")) {
        auto* edit = new ZtDateTimeEdit;
        edit->setCalendarPopup(true);
        edit->setDateTime(kWednesday);
        picker = edit;
    } else {
        auto* date = new ZtDateCalendar;
        date->ChangeDisplayType(kind == QLatin1String("month") ? ZtCalendar::DisplayMonth : ZtCalendar::DisplayDay);
        QDateTime start = kWednesday;
        date->InitDate(start);
        date->SetLastCurEnable();
        picker = date;
    }
    auto owned = shown(picker, buttonAt(QPoint(100, 400)));
    return owned && open(owned.get()) ? std::move(owned) : nullptr;
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

    // Shown buttons that several tests share (building one is slow); each test sets what it uses.
    std::unique_ptr<ZtDateCalendar> m_date;
    std::unique_ptr<ZtDateTimeCalendar> m_period;

private slots:
    void initTestCase()
    {
        prepare();
        m_date = shown(new ZtDateCalendar, buttonAt(QPoint(100, 400)));
        m_period = shown(new ZtDateTimeCalendar, buttonAt(QPoint(100, 400)));
        QVERIFY(m_date && m_period);
    }

    // Runs first, on the shared buttons as built.
    void bothButtonsStartOnTodayWithTheirPopupsHidden()
    {
        QVERIFY(popupOf(*m_date)->isHidden() && popupOf(*m_date)->findChild<QDateTimeEdit*>("m_dateTimeEdit")->isHidden());
        QCOMPARE(m_date->text(), kToday.toString("yyyy-MM-dd"));
        QCOMPARE(m_date->GetDateTime(), QDateTime(kToday, QTime(0, 0)));
        QDate from, to;
        m_date->GetWeekDate(from, to); // none outside the week display
        QVERIFY(from.isNull() && to.isNull());
        QVERIFY(!m_period->isChecked() && pairOf(*m_period)->isHidden());
        QCOMPARE(m_period->text(), kToday.toString("MM/dd 00:00-MM/dd 00:00"));
    }

    // Right of the button and above it where there is room, else inside the screen (pair 452 x 292).
    void aPressOpensThePopupBesideTheButtonAndTheNextClosesIt()
    {
        QPushButton *date = m_date.get(), *period = m_period.get();
        const QSize calendar(210, 270), pair(452, 292);
        const QList<std::tuple<QPushButton*, QPoint, QRect>> placings{
            {date, {100, 400}, {QPoint(259, 425 - 270), calendar}},  {date, {100, 100}, {QPoint(259, 125 - 26), calendar}},
            {date, {500, 400}, {QPoint(659 - 160, 129), calendar}},  {date, {500, 100}, {QPoint(659 - 160, 125), calendar}},
            {period, {100, 400}, {QPoint(250, 426 - 292 + 7), pair}}, {period, {300, 400}, {QPoint(28, 426 - 20 - 292), pair}},
            {period, {300, 100}, {QPoint(28, 126 - 10), pair}},      {period, {20, 100}, {QPoint(20 - 10, 126 - 10), pair}}};
        m_date->ChangeDisplayType(ZtCalendar::DisplayYear);
        for (const auto& [b, at, expected] : placings) {
            b->setGeometry(buttonAt(at));
            QTest::mouseClick(b, Qt::LeftButton);
            QWidget* popup = popupWindow(*b);
            QTRY_VERIFY(popup->isVisible());
            QCOMPARE(popup->geometry(), expected);
            QCOMPARE(onDayPage(popup), b == period);
            QCOMPARE(b->isChecked(), b == period);
            QTest::mouseClick(b, Qt::LeftButton);
            QVERIFY(popup->isHidden() && !b->isChecked());
            // As the window system delivers them: Qt closes the pop-up, and the press must not reopen it.
            systemClicks(b, QPoint(20, 10));
            QTRY_VERIFY(popup->isVisible());
            systemClicks(b, QPoint(20, 10));
            QVERIFY(popup->isHidden() && !b->isChecked());
        }
    }

    // Type, format set, date set, its text, its week's Sunday, a bad date, a value chosen, the text then.
    void theDateButtonReadsItsDateInItsFormatOrAsAWeek()
    {
        const int day = ZtCalendar::DisplayDay, week = ZtCalendar::DisplayWeek;
        const QDate june11(2017, 6, 11), june14(2017, 6, 14);
        const QDateTime early(QDate(1960, 5, 1), QTime(0, 0)), late(QDate(2040, 5, 1), QTime(0, 0));
        const QList<std::tuple<int, QString, QDate, QString, QDate, QDateTime, int, QString>> readings{
            {day, {}, june14, "2017-06-14", june11, {}, 21, "2017-06-21"},
            {week, {}, june14, "2017/06/11-2017/06/17", june11, {}, 21, "2017/06/18-2017/06/24"},
            {week, {}, {2017, 6, 17}, "2017/06/11-2017/06/17", june11, late, 18, "2017/06/18-2017/06/24"},
            {week, {}, {2016, 1, 1}, "2015/12/27-2016/01/02", {2015, 12, 27}, early, 31, "2016/01/31-2016/02/06"},
            {ZtCalendar::DisplayMonth, "yyyy-MM", june14, "2017-06", june11, early, 3, "2017-03"},
            {ZtCalendar::DisplayYear, "yyyy", june14, "2017", june11, late, 2015, "2015"}};
        ZtDateCalendar* b = m_date.get();
        ZtCalendar* calendar = popupOf(*b);
        b->setGeometry(buttonAt(QPoint(100, 400)));
        for (const auto& [type, format, date, text, sunday, badDate, value, chosen] : readings) {
            QDateTime dateTime(date, kWednesday.time()), bad = badDate;
            b->ChangeDisplayType(ZtCalendar::DisplayType_e(type));
            if (!format.isNull())
                b->SetFormat(format);
            b->InitDate(dateTime);
            QSignalSpy changed(b, &ZtDateCalendar::SgnDateTimeChanged);
            b->InitDate(bad); // ignored
            QCOMPARE(b->text(), text);
            QCOMPARE(b->GetDateTime(), dateTime);
            QDate from, to;
            b->GetWeekDate(from, to);
            QVERIFY(type != week || from == sunday);
            QVERIFY(open(b));
            QCOMPARE(calendar->GetSelectDate(), dateTime);
            onDayPage(calendar) ? clickDay(calendar, value) : clickPage(calendar, value);
            QCOMPARE(b->text(), chosen);
            QCOMPARE(b->GetDateTime(), calendar->GetSelectDate());
            QVERIFY(calendar->isVisible());
            b->InitDate(dateTime);
            b->InitWeekDate(); // any display may be asked to show the week
            b->GetWeekDate(from, to);
            QCOMPARE(qMakePair(from, to), qMakePair(sunday, sunday.addDays(6)));
            QCOMPARE(b->text(), from.toString("yyyy/MM/dd") + "-" + to.toString("yyyy/MM/dd"));
            QCOMPARE(changed.count(), 1); // only the user's choice is reported
        }
    }

    // The end chosen, times hidden, a start the end follows, marked months, an end before the start.
    void thePairChoosesReportsAndClosesOnADoubleClick()
    {
        ZtDateTimeCalendar* b = m_period.get();
        ZtCalendar* start = pairOf(*b)->GetStartCalendar();
        ZtCalendar* end = pairOf(*b)->GetEndCalendar();
        const auto period = [b] {
            QDateTime from, to;
            b->DateTimeRange(from, to);
            return qMakePair(from, to);
        };
        b->setGeometry(buttonAt(QPoint(100, 400)));
        b->SetRestrcitDateRange(62);
        b->SetSelDateWithUpdateEndTime(kFrom, kTo);
        QVERIFY(open(b));
        QCOMPARE(b->text(), QStringLiteral("06/10 08:30-06/14 17:45"));
        QCOMPARE(period(), qMakePair(kFrom, kTo));
        QSignalSpy changed(b, &ZtDateTimeCalendar::SgnDateTimeChanged);
        clickDay(end, 20);
        QCOMPARE(QList<QVariantList>(changed), (QList<QVariantList>{{kFrom, QDateTime(QDate(2017, 6, 20), kTo.time())}}));
        QCOMPARE(b->text(), QStringLiteral("06/10 08:30-06/20 17:45"));
        b->SetTimeEditVisible(false);
        QCOMPARE(b->text(), QStringLiteral("2017/06/10-2017/06/20"));
        QVERIFY(open(b)); // hiding the focused editors closed it
        QSignalSpy startMonth(b, &ZtDateTimeCalendar::SgnStartYearMonthChanged);
        QSignalSpy endMonth(b, &ZtDateTimeCalendar::SgnEndYearMonthChanged);
        clickDay(start, 12); // the end follows to the last second of the new start's day
        const QTime last(23, 59, 59);
        QCOMPARE(period(), qMakePair(QDateTime(QDate(2017, 6, 12), kFrom.time()), QDateTime(QDate(2017, 6, 12), last)));
        QObject host; // answers each month change with the marks of the new month
        connect(b, &ZtDateTimeCalendar::SgnStartYearMonthChanged, &host,
                [b](int y, int m) { b->SetStartRecordDate(y, m, 3, true); });
        connect(b, &ZtDateTimeCalendar::SgnEndYearMonthChanged, &host, [b](int y, int m) { b->SetEndRecordDate(y, m, 3, true); });
        b->SetStartRecordDate(2017, 6, 12, true);
        b->SetEndRecordDate(2017, 6, 12, true);
        QVERIFY(marked(start, "2017612") && marked(end, "2017612"));
        clickButton(start, "m_NextBtn");
        QCOMPARE(period(), qMakePair(QDateTime(QDate(2017, 7, 1), kFrom.time()), QDateTime(QDate(2017, 7, 1), last)));
        QCOMPARE(QList<QVariantList>(startMonth) + QList<QVariantList>(endMonth), (QList<QVariantList>{{2017, 7}, {2017, 7}}));
        QTRY_VERIFY(!marked(start, "2017612") && !marked(end, "2017612"));
        QVERIFY(marked(start, "201773") && marked(end, "201773"));
        clickButton(end, "m_NextBtn");
        QCOMPARE(QList<QVariantList>(endMonth).last(), QVariantList({2017, 8}));
        QTRY_VERIFY(marked(end, "201783") && !marked(end, "201773") && marked(start, "201773"));
        b->ClearRecord();
        QTRY_VERIFY(pairOf(*b)->findChildren<QLabel*>(QRegularExpression("^picRecord")).isEmpty());
        const QDateTime noon(QDate(2017, 3, 10), QTime(12, 0)), morning(QDate(2017, 3, 10), QTime(6, 0));
        b->SetRestrcitDateRange(7);
        b->SetSelDateWithUpdateEndTime(noon, morning);
        changed.clear();
        clickDay(end, 10); // an end before the start pulls the start back
        QCOMPARE(changed.count(), 1);
        QCOMPARE(period(), qMakePair(morning, morning));
        QSignalSpy hidden(b, &ZtDateTimeCalendar::SgnCalendarHide);
        QSignalSpy doubled(b, &ZtDateTimeCalendar::SgnCellDoubleClicked);
        KitraTest::doubleClick(dayGrid(start)->viewport(), centreOf(dayGrid(start), dayItem(start, 12)));
        QCOMPARE(qMakePair(int(hidden.count()), int(doubled.count())), qMakePair(1, 1));
        QVERIFY(pairOf(*b)->isHidden() && !b->isChecked());
        b->SetSelDateWithUpdateEndTime(kFrom, kTo); // the end calendar takes the restrictions
        QVERIFY(dayEnabled(end, 16) && !dayEnabled(end, 17) && dayEnabled(start, 17));
        b->SetRestrcitDateRange(40);
        QVERIFY(button(end, "m_NextBtn")->isEnabled());
        b->SetOnlySelectSameMonth(true);
        QVERIFY(!button(end, "m_NextBtn")->isEnabled());
        const auto name = [](ZtCalendar* c) { return c->findChild<QLabel*>("lbName")->text(); };
        const auto names = [&] { return name(start) + "-" + name(end); };
        QCOMPARE(names(), QStringLiteral("Start-End"));
        b->OnlyShowStartCalendar();
        QVERIFY(names() == "-End" && end->isHidden());
    }

    void quickChoicesTakeToday()
    {
        ZtDateCalendar* b = m_date.get();
        b->ChangeDisplayType(ZtCalendar::DisplayDay);
        b->SetFormat("yyyy-MM-dd"); // the reading cases left another
        b->SetLastCurEnable();
        QVERIFY(open(b));
        QCOMPARE(popupOf(*b)->size(), QSize(210, 307));
        QSignalSpy changed(b, &ZtDateCalendar::SgnDateTimeChanged);
        clickButton(popupOf(*b), "BtnLast");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(b->GetDateTime(), QDateTime(kToday.addDays(-1), QTime(0, 0)));
        QCOMPARE(b->text(), kToday.addDays(-1).toString("yyyy-MM-dd"));
    }

    // A picker (see openPicker), its signal, and a click on the 12th, on March or on a button.
    void aHostMayDeleteAPickerFromItsSignals()
    {
        const char* const dateChanged = "SgnDateTimeChanged()";
        const QList<std::tuple<QString, const char*, QString>> cases{
            {"day", dateChanged, "day"},
            {"month", dateChanged, "page"},
            {"day", dateChanged, "BtnCur"},
            {"period", "SgnDateTimeChanged(QDateTime,QDateTime)", "day"},
            {"period", "SgnStartYearMonthChanged(int,int)", "m_NextBtn"},
            {"period", "SgnCalendarHide()", "double"},
            {"period", "SgnCellDoubleClicked()", "double"},
            {"edit", "SgnStartDateChanged(QDate)", "day"},
            {"edit", "SgnYearMonthChanged(int,int)", "m_NextBtn"}};
        QString none = QStringLiteral("None"); // the guards need no skin, and pickers build faster without
        SetSkinVersion(none);
        for (const auto& [picker, signal, input] : cases) {
            QWidget* host = openPicker(picker).release();
            QVERIFY(host);
            const QPointer<QWidget> alive(host);
            Remover remover;
            QVERIFY(connect(host, QByteArray(QByteArray("2") + signal).constData(), &remover, SLOT(removeSender())));
            ZtCalendar* calendar = popupOf(*host);
            if (input == "day" || input == "double")
                systemClickDay(calendar, 12, input == "day" ? 1 : 2);
            else if (input == "page")
                systemClicks(pageGrid(calendar)->viewport(), centreOf(pageGrid(calendar), pageItem(calendar, 3)));
            else
                systemClicks(button(calendar, qPrintable(input)), QPoint(5, 5));
            QVERIFY2(!alive, signal);
        }
    }
};

QTEST_MAIN(tst_DateCalendar)
#include "tst_datecalendar.moc"
