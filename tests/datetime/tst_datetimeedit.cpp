#include "CalendarTest.h"

#include "ZtDateEdit.h"
#include "ZtDateTimeEdit.h"
#include "ZtTimeEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <memory>

using namespace ZtGUI;
using namespace CalendarTest;

namespace {

/// A shown top-level edit at a global position on the 800 x 600 offscreen screen.
std::unique_ptr<ZtDateTimeEdit> shownEdit(const QPoint& at, bool popup = true)
{
    auto edit = std::make_unique<ZtDateTimeEdit>();
    edit->setCalendarPopup(popup);
    edit->setGeometry(QRect(at, QSize(180, 26)));
    edit->show();
    if (!QTest::qWaitForWindowExposed(edit.get()))
        return nullptr;
    return edit;
}

ZtCalendar* popupOf(const ZtDateTimeEdit& edit)
{
    return edit.findChild<ZtCalendar*>();
}

} // namespace

class tst_DateTimeEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        useShippedSkin();
    }

    void plainEditsAreNamedForTheSkin()
    {
        QVERIFY(ZtDateEdit().inherits("QDateEdit"));
        QCOMPARE(QByteArray(ZtTimeEdit::staticMetaObject.className()), QByteArray("ZtGUI::ZtTimeEdit"));
    }

    void startsTodayAtMidnightWithItsCalendarHidden()
    {
        ZtDateTimeEdit edit;
        QCOMPARE(edit.displayFormat(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        QCOMPARE(edit.dateTime(), QDateTime(QDate::currentDate(), QTime(0, 0)));
        ZtCalendar* calendar = popupOf(edit);
        QVERIFY(calendar);
        QVERIFY(calendar->isHidden());
        QCOMPARE(calendar->windowType(), Qt::Popup);
    }

    void withoutPopupAClickEditsAsUsual()
    {
        auto edit = shownEdit(QPoint(100, 300), false);
        QVERIFY(edit);
        QTest::mouseClick(edit->findChild<QLineEdit*>(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(popupOf(*edit)->isHidden());
    }

    void thePopupOpensBesideTheEdit_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("atLeftEdge");
        QTest::addColumn<bool>("atTop");
        QTest::newRow("room on the right") << QPoint(100, 400) << false << false;
        QTest::newRow("near the right edge") << QPoint(560, 400) << true << false;
        QTest::newRow("near the top") << QPoint(100, 60) << false << true;
    }
    void thePopupOpensBesideTheEdit()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, atLeftEdge);
        QFETCH(bool, atTop);
        auto edit = shownEdit(at);
        QVERIFY(edit);
        edit->setDateTime(QDateTime(QDate(2017, 6, 14), QTime(10, 20, 30)));
        QTest::mouseClick(edit->findChild<QLineEdit*>(), Qt::LeftButton, {}, QPoint(5, 5));
        ZtCalendar* calendar = popupOf(*edit);
        QTRY_VERIFY(calendar->isVisible());
        const QPoint anchor = atLeftEdge ? edit->mapToGlobal(edit->rect().topLeft()) : edit->mapToGlobal(edit->rect().bottomRight());
        const int height = calendar->height();
        QCOMPARE(calendar->geometry(), QRect(anchor.x(), atTop ? 0 : anchor.y() - height, 210, height));
        QCOMPARE(calendar->GetSelectDate(), QDateTime(QDate(2017, 6, 14), QTime(10, 20, 30)));
    }

    void choosingADayTakesItAndPagingReportsTheMonth()
    {
        auto edit = shownEdit(QPoint(100, 400));
        QVERIFY(edit);
        edit->SetCurTime(QDateTime(QDate(2017, 6, 14), QTime(10, 0)));
        QTest::mouseClick(edit.get(), Qt::LeftButton, {}, QPoint(5, 5));
        ZtCalendar* calendar = popupOf(*edit);
        QTRY_VERIFY(calendar->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(calendar));
        edit->SetRecordDate(2017, 6, 20, true);
        QSignalSpy month(edit.get(), &ZtDateTimeEdit::SgnYearMonthChanged);
        QSignalSpy date(edit.get(), &ZtDateTimeEdit::SgnStartDateChanged);
        clickDay(calendar, 21);
        QCOMPARE(edit->dateTime(), QDateTime(QDate(2017, 6, 21), QTime(10, 0)));
        QCOMPARE(month.count(), 0);
        QCOMPARE(date.count(), 1);
        QCOMPARE(date.last().at(0).toDate(), QDate(2017, 6, 21));

        // A host that marks the new month as soon as it hears of it keeps its marks.
        connect(edit.get(), &ZtDateTimeEdit::SgnYearMonthChanged, edit.get(),
                [&edit](int year, int month) { edit->SetRecordDate(year, month, 9, true); });
        clickButton(calendar, "m_NextBtn");
        QCOMPARE(month.count(), 1);
        QCOMPARE(month.last(), QVariantList({2017, 7}));
        QCOMPARE(edit->date(), QDate(2017, 7, 1));
        QTRY_VERIFY(!calendar->findChild<QLabel*>(QStringLiteral("picRecord2017620")));
        QVERIFY(calendar->findChild<QLabel*>(QStringLiteral("picRecord201779")));
    }

    void anEndEditAcceptsOnlyTheRangeFromItsStart()
    {
        ZtDateTimeEdit edit;
        edit.SetStartCalendar(false);
        edit.SetRestrcitDateRange(7);
        edit.OnStartDateTimeChanged(QDate(2017, 3, 10));
        QCOMPARE(edit.dateTime(), QDateTime(QDate(2017, 3, 10), QTime(23, 59, 59)));
        QCOMPARE(edit.minimumDate(), QDate(2017, 3, 10));
        QCOMPARE(edit.maximumDate(), QDate(2017, 3, 16));
        edit.setDate(QDate(2017, 3, 20));
        QCOMPARE(edit.date(), QDate(2017, 3, 16));
        edit.setDate(QDate(2017, 3, 1));
        QCOMPARE(edit.date(), QDate(2017, 3, 10));
    }

    void aStartEditIsNotLimited()
    {
        ZtDateTimeEdit edit;
        edit.SetRestrcitDateRange(7);
        edit.OnStartDateTimeChanged(QDate(2017, 3, 10));
        edit.setDate(QDate(2017, 5, 20));
        QCOMPARE(edit.date(), QDate(2017, 5, 20));
    }
};

QTEST_MAIN(tst_DateTimeEdit)
#include "tst_datetimeedit.moc"
