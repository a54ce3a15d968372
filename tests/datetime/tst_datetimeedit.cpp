#include "CalendarTest.h"

#include "ZtDateTimeEdit.h"

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
        ZtDateTimeEdit edit;
        QCOMPARE(edit.displayFormat(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        QCOMPARE(edit.dateTime(), QDateTime(kToday, QTime(0, 0)));
        QVERIFY(popupOf(edit)->isHidden());
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

    void theHostHearsOfANewMonthAndMarksIt_data()
    {
        QTest::addColumn<QString>("input"); // a click on the 21st or on a button, or SetCurTime
        QTest::addColumn<QDate>("date");    // then shown
        QTest::newRow("a day of the month") << "day" << QDate(2017, 6, 21);
        QTest::newRow("the next month") << "m_NextBtn" << QDate(2017, 7, 1);
        QTest::newRow("SetCurTime in the month") << "set" << QDate(2017, 6, 3);
        QTest::newRow("SetCurTime to another month") << "set" << QDate(2017, 8, 3);
        QTest::newRow("SetCurTime to another year") << "set" << QDate(2018, 6, 3);
    }
    void theHostHearsOfANewMonthAndMarksIt()
    {
        QFETCH(QString, input);
        QFETCH(QDate, date);
        auto edit = shownEdit(QPoint(100, 400));
        QVERIFY(edit);
        ZtDateTimeEdit* host = edit.get();
        ZtCalendar* calendar = popupOf(*edit);
        const auto marked = [calendar](const QDate& d) {
            return calendar->findChild<QLabel*>(QStringLiteral("picRecord%1%2%3").arg(d.year()).arg(d.month()).arg(d.day())) != nullptr;
        };
        host->SetCurTime(kJune14);
        host->SetRecordDate(2017, 6, 20, true);
        QVERIFY(marked(QDate(2017, 6, 20)));
        QSignalSpy month(host, &ZtDateTimeEdit::SgnYearMonthChanged);
        QSignalSpy day(host, &ZtDateTimeEdit::SgnStartDateChanged);
        // The host answers each month change with the marks of the new month.
        connect(host, &ZtDateTimeEdit::SgnYearMonthChanged, host, [host](int y, int m) { host->SetRecordDate(y, m, 9, true); });
        if (input == "set") {
            host->SetCurTime(QDateTime(date, QTime(10, 0)));
        } else {
            QTest::mouseClick(host, Qt::LeftButton, {}, QPoint(5, 5));
            QVERIFY(QTest::qWaitForWindowExposed(calendar));
            input == "day" ? clickDay(calendar, 21) : clickButton(calendar, qPrintable(input));
        }
        QCOMPARE(host->date(), date);
        QCOMPARE(QList<QVariantList>(day), QList<QVariantList>{{date}});
        const bool moved = date.month() != 6 || date.year() != 2017;
        QCOMPARE(month.count(), int(moved));
        if (moved)
            QCOMPARE(month.last(), QVariantList({date.year(), date.month()}));
        QTRY_COMPARE(marked(QDate(2017, 6, 20)), !moved);
        QCOMPARE(marked(QDate(date.year(), date.month(), 9)), moved);
        host->SetRecordDate(date.year(), date.month(), 25, true); // the month shown takes marks
        QVERIFY(marked(QDate(date.year(), date.month(), 25)));
    }

    void anEditTakesEachNewStartAtItsLastSecond_data()
    {
        QTest::addColumn<bool>("end");
        QTest::addColumn<QVector<QDate>>("starts");
        const QVector<QDate> forwards{{2017, 3, 10}, {2017, 3, 20}, {2017, 3, 29}, {2017, 4, 3}};
        const QVector<QDate> backwards{{2017, 4, 3}, {2017, 3, 29}, {2017, 3, 20}, {2017, 3, 10}};
        QTest::newRow("end, forwards") << true << forwards;
        QTest::newRow("end, backwards") << true << backwards;
        QTest::newRow("start, not held") << false << forwards;
    }
    void anEditTakesEachNewStartAtItsLastSecond()
    {
        QFETCH(bool, end);
        QFETCH(QVector<QDate>, starts);
        ZtDateTimeEdit edit;
        edit.SetStartCalendar(!end);
        edit.SetRestrcitDateRange(7);
        QSignalSpy changed(&edit, &QDateTimeEdit::dateTimeChanged);
        for (const QDate& start : starts) {
            changed.clear();
            edit.OnStartDateTimeChanged(start);
            const QDateTime last(start, QTime(23, 59, 59));
            QCOMPARE(edit.dateTime(), last);
            QCOMPARE(changed.count(), 1); // the host hears of the new value only
            QCOMPARE(changed.last().at(0).toDateTime(), last);
        }
        const QDate typed = starts.last().addDays(10);
        edit.setDate(typed);
        QCOMPARE(edit.date(), end ? starts.last().addDays(6) : typed);
    }
};

QTEST_MAIN(tst_DateTimeEdit)
#include "tst_datetimeedit.moc"
