#include "CalendarTest.h"

#include "ZtDateEdit.h"
#include "ZtDateTimeEdit.h"
#include "ZtTimeEdit.h"

#include <QLabel>
#include <QLineEdit>

using namespace ZtGUI;
using namespace CalendarTest;

namespace {

const QDateTime kJune14(QDate(2017, 6, 14), QTime(10, 20, 30));

/// A shown 180 x 26 edit on kJune14 at a global position on the 800 x 600 offscreen screen.
std::unique_ptr<ZtDateTimeEdit> shownEdit(const QPoint& at, bool popup = true)
{
    auto* edit = new ZtDateTimeEdit;
    edit->setCalendarPopup(popup);
    edit->setDateTime(kJune14);
    return shown(edit, QRect(at, QSize(180, 26)));
}

ZtCalendar* popupOf(const ZtDateTimeEdit& edit) { return edit.findChild<ZtCalendar*>(); }

} // namespace

class tst_DateTimeEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepare(); }

    void startsTodayAtMidnightWithItsCalendarHidden()
    {
        // The skin styles the edits by their class names.
        QCOMPARE(QByteArray(ZtDateEdit::staticMetaObject.className()), QByteArray("ZtGUI::ZtDateEdit"));
        QCOMPARE(QByteArray(ZtTimeEdit::staticMetaObject.className()), QByteArray("ZtGUI::ZtTimeEdit"));
        ZtDateTimeEdit edit;
        QCOMPARE(edit.displayFormat(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        QCOMPARE(edit.dateTime(), QDateTime(QDate::currentDate(), QTime(0, 0)));
        QVERIFY(popupOf(edit) && popupOf(edit)->isHidden());
        QCOMPARE(popupOf(edit)->windowType(), Qt::Popup);
    }

    void aClickOpensTheCalendarBesideTheEdit_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRect>("expected"); // of the 210 x 270 calendar; null for an edit without pop-up
        QTest::newRow("room on the right") << QPoint(100, 400) << QRect(100 + 179, 425 - 270, 210, 270);
        QTest::newRow("near the right edge: from the left edge") << QPoint(560, 400) << QRect(560, 400 - 270, 210, 270);
        QTest::newRow("near the top") << QPoint(100, 60) << QRect(100 + 179, 0, 210, 270);
        QTest::newRow("no pop-up: a click edits as usual") << QPoint(100, 400) << QRect();
    }
    void aClickOpensTheCalendarBesideTheEdit()
    {
        QFETCH(QPoint, at);
        QFETCH(QRect, expected);
        auto edit = shownEdit(at, expected.isValid());
        QVERIFY(edit);
        QTest::mouseClick(edit->findChild<QLineEdit*>(), Qt::LeftButton, {}, QPoint(5, 5));
        ZtCalendar* calendar = popupOf(*edit);
        QTRY_COMPARE(calendar->isVisible(), expected.isValid());
        if (expected.isValid()) {
            QCOMPARE(calendar->geometry(), expected);
            QCOMPARE(calendar->GetSelectDate(), kJune14);
        }
    }

    void choosingADayTakesItAndPagingReportsTheMonth()
    {
        auto edit = shownEdit(QPoint(100, 400));
        QVERIFY(edit);
        edit->SetCurTime(QDateTime(QDate(2017, 6, 14), QTime(10, 0)));
        QTest::mouseClick(edit.get(), Qt::LeftButton, {}, QPoint(5, 5));
        ZtCalendar* calendar = popupOf(*edit);
        QVERIFY(QTest::qWaitForWindowExposed(calendar));
        edit->SetRecordDate(2017, 6, 20, true);
        QSignalSpy month(edit.get(), &ZtDateTimeEdit::SgnYearMonthChanged);
        QSignalSpy date(edit.get(), &ZtDateTimeEdit::SgnStartDateChanged);
        clickDay(calendar, 21);
        QCOMPARE(edit->dateTime(), QDateTime(QDate(2017, 6, 21), QTime(10, 0)));
        QCOMPARE(date.count(), 1);
        QCOMPARE(date.last().at(0).toDate(), QDate(2017, 6, 21));
        QCOMPARE(month.count(), 0);
        // A host that marks the new month as soon as it hears of it keeps its marks.
        ZtDateTimeEdit* host = edit.get();
        connect(host, &ZtDateTimeEdit::SgnYearMonthChanged, host, [host](int y, int m) { host->SetRecordDate(y, m, 9, true); });
        clickButton(calendar, "m_NextBtn");
        QCOMPARE(month.count(), 1);
        QCOMPARE(month.last(), QVariantList({2017, 7}));
        QCOMPARE(edit->date(), QDate(2017, 7, 1));
        QTRY_VERIFY(!calendar->findChild<QLabel*>(QStringLiteral("picRecord2017620")));
        QVERIFY(calendar->findChild<QLabel*>(QStringLiteral("picRecord201779")));
    }

    void onlyAnEndEditIsHeldToItsWindow_data()
    {
        QTest::addColumn<bool>("end");
        QTest::addColumn<QDate>("typed");
        QTest::addColumn<QDate>("kept");
        QTest::newRow("end, after the window") << true << QDate(2017, 3, 20) << QDate(2017, 3, 16);
        QTest::newRow("end, before the window") << true << QDate(2017, 3, 1) << QDate(2017, 3, 10);
        QTest::newRow("start") << false << QDate(2017, 5, 20) << QDate(2017, 5, 20);
    }
    void onlyAnEndEditIsHeldToItsWindow()
    {
        QFETCH(bool, end);
        QFETCH(QDate, typed);
        QFETCH(QDate, kept);
        ZtDateTimeEdit edit;
        edit.SetStartCalendar(!end);
        edit.SetRestrcitDateRange(7);
        edit.OnStartDateTimeChanged(QDate(2017, 3, 10));
        if (end)
            QCOMPARE(edit.dateTime(), QDateTime(QDate(2017, 3, 10), QTime(23, 59, 59)));
        edit.setDate(typed);
        QCOMPARE(edit.date(), kept);
    }
};

QTEST_MAIN(tst_DateTimeEdit)
#include "tst_datetimeedit.moc"
