// The calendar, and the date-time edit whose calendar pops up beside it.
#include "CalendarTest.h"

#include "ZtDateTimeEdit.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <numeric>

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

const QDateTime kJune14(QDate(2017, 6, 14), QTime(10, 20, 30));

/// A shown 180 x 26 edit on kJune14 at a global position on the 800 x 600 offscreen screen.
std::unique_ptr<ZtDateTimeEdit> shownEdit(const QPoint& at)
{
    auto* edit = new ZtDateTimeEdit;
    edit->setCalendarPopup(true);
    edit->setDateTime(kJune14);
    return shown(edit, QRect(at, QSize(180, 26)));
}

ZtCalendar* popupOf(const ZtDateTimeEdit& edit) { return edit.findChild<ZtCalendar*>(); }

} // namespace

class tst_Calendar : public QObject
{
    Q_OBJECT

    std::unique_ptr<ZtCalendar> owned;
    ZtCalendar* c = nullptr; // shared by the tests in turn (building one is slow); closing deletes it

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
        QVector<QDateTime> reported; // the value as the signal tells of it
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
        if (owned)
            return;
        owned = shown(new ZtCalendar);
        QVERIFY(owned);
        c = owned.get();
    }

    // Months open on their weekday until December 2037; bad numbers are refused; years end at 2037.
    void theDaysMonthsAndYearsAreLaidOut()
    {
        const QList<std::tuple<QDate, int, QString>> months{{QDate(2017, 9, 14), 5, "Sep 2017"},
                                                            {QDate(2020, 2, 10), 6, "Feb 2020"},
                                                            {QDate(2015, 2, 1), 0, "Feb 2015"},
                                                            {QDate(2037, 12, 31), 2, "Dec 2037"}};
        for (const auto& [date, firstColumn, header] : months) {
            QCOMPARE(c->SetSelDate(date.year(), date.month(), date.day(), 0, 0, 0), 0);
            QVector<int> expected(42, 0);
            std::iota(expected.begin() + firstColumn, expected.begin() + firstColumn + date.daysInMonth(), 1);
            QCOMPARE(cellValues(dayGrid(c)), expected);
            QCOMPARE(text("m_MonthYearBtn"), header);
            QCOMPARE(dayGrid(c)->item(0, 0)->flags(),
                     firstColumn == 0 ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
            QCOMPARE(selectedDays(), QVector<int>{date.day()});
        }
        // Bad numbers are clamped or refused.
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
        // The month and year pages.
        select(QDate(2036, 2, 29));
        c->SetDefaultShowWgt();
        clickButton(c, "m_MonthYearBtn");
        QCOMPARE(pageItem(c, 2)->text(), QStringLiteral("Feb"));
        clickButton(c, "m_MonthYearBtn");
        const QTableWidget* grid = pageGrid(c);
        QCOMPARE(text("m_MonthYearBtn"), QStringLiteral("2031-2042"));
        QCOMPARE(qMakePair(grid->item(1, 2)->text(), grid->item(1, 3)->text()), qMakePair(QString("2037"), QString()));
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
    }

    // A start, clicks ("page N" on a month or year), the day then, whether previous and next work.
    void pagingKeepsTheDayInTheMonthAndStopsAt1971And2037()
    {
        const QStringList back{"m_PreviewBtn"}, forward{"m_NextBtn"}, months{"m_MonthYearBtn"};
        const QStringList years{"m_MonthYearBtn", "m_MonthYearBtn"}, february{"m_MonthYearBtn", "page 2"};
        const QList<std::tuple<QDate, QStringList, QDate, bool, bool>> cases{
            {{2021, 3, 31}, back, {2021, 2, 28}, true, true},      {{2020, 3, 12}, back, {2020, 2, 12}, true, true},
            {{2020, 1, 31}, back, {2019, 12, 31}, true, true},     {{1971, 2, 15}, back, {1971, 1, 15}, false, true},
            {{2021, 1, 31}, forward, {2021, 2, 1}, true, true},    {{2019, 12, 20}, forward, {2020, 1, 1}, true, true},
            {{2037, 11, 15}, forward, {2037, 12, 1}, true, false}, {{2020, 3, 31}, february, {2020, 2, 29}, true, true},
            {{2021, 3, 31}, february, {2021, 2, 28}, true, true},  {{1971, 6, 15}, months, {1971, 6, 15}, false, true},
            {{2036, 1, 15}, months, {2036, 1, 15}, true, true},    {{2037, 1, 15}, months, {2037, 1, 15}, true, false},
            {{1980, 1, 15}, years, {1980, 1, 15}, false, true},    {{2030, 1, 15}, years, {2030, 1, 15}, true, true},
            {{2031, 1, 15}, years, {2031, 1, 15}, true, false}};
        // The arrows are pictures alone: their names are what a screen reader says.
        QCOMPARE(QStringList({button(c, "m_PreviewBtn")->accessibleName(), button(c, "m_NextBtn")->accessibleName()}),
                 QStringList({"Previous", "Next"}));
        for (const auto& [start, clicks, expected, previous, next] : cases) {
            select(start);
            c->SetDefaultShowWgt();
            QSignalSpy changed(c, &ZtCalendar::SgnDateTimeChanged);
            for (const QString& click : clicks)
                click.startsWith("page ") ? clickPage(c, click.mid(5).toInt()) : clickButton(c, qPrintable(click));
            QCOMPARE(changed.count(), start == expected ? 0 : 1);
            QCOMPARE(c->GetSelectDate(), QDateTime(expected, QTime(8, 30, 15)));
            QCOMPARE(selectedDays(), QVector<int>{expected.day()});
            QCOMPARE(qMakePair(enabled("m_PreviewBtn"), enabled("m_NextBtn")), qMakePair(previous, next));
        }
        select(QDate(2017, 6, 20));
        c->ChangeDisplayType(ZtCalendar::DisplayWeek);
        for (const auto& week : QList<QPair<int, QDate>>{{14, {2017, 6, 11}}, {11, {2017, 6, 11}},
                                                        {17, {2017, 6, 11}}, {1, {2017, 5, 28}}}) {
            clickDay(c, week.first);
            QDate start, end;
            c->GetSelectWeekDate(start, end);
            QCOMPARE(qMakePair(start, end), qMakePair(week.second, week.second.addDays(6)));
            QCOMPARE(selectedDays().size(), week.second.month() == 6 ? 7 : 3); // days shown of June
        }
    }

    // Each display type's quick choices, the last one counted back from today.
    void quickChoicesCountFromToday()
    {
        const QList<std::tuple<ZtCalendar::DisplayType_e, QStringList, QDate>> choices{
            {ZtCalendar::DisplayDay, {"Yesterday", "Today"}, kToday.addDays(-1)},
            {ZtCalendar::DisplayWeek, {"Last week", "This week"}, kToday.addDays(-7)},
            {ZtCalendar::DisplayMonth, {"Last month", "This month"}, monthsBack(1)},
            {ZtCalendar::DisplayYear, {"Last year", "This year"}, monthsBack(12)}};
        c->SetLastCurBtnVisible(true);
        QCOMPARE(c->size(), QSize(210, 307));
        for (const auto& [type, texts, last] : choices) {
            select(QDate(2001, 5, 5));
            c->ChangeDisplayType(type); // and its page
            QCOMPARE(QStringList({text("BtnLast"), text("BtnCur")}), texts);
            QSignalSpy changed(c, &ZtCalendar::SgnDateTimeChanged);
            clickButton(c, "BtnLast");
            QCOMPARE(c->GetSelectDate(), QDateTime(last, QTime(0, 0)));
            clickButton(c, "BtnCur");
            QCOMPARE(c->GetSelectDate(), QDateTime(kToday, QTime(0, 0)));
            QCOMPARE(changed.count(), 2);
        }
        c->SetLastCurBtnVisible(false);
        QCOMPARE(c->size(), QSize(210, 270));
        c->ChangeDisplayType(ZtCalendar::DisplayDay);
    }

    // A mark is a cell widget of the shown month; the editor moving out of the month drops it.
    void marksAreCellWidgetsOfTheShownMonthOnly()
    {
        c->SetSelDate(2017, 9, 1, 0, 0, 0);
        QCOMPARE(c->SetRecordDate(2017, 9, 14, true), 0);
        c->SetRecordDate(2017, 10, 3, true); // not shown: ignored
        QVERIFY(markOf(14) && markOf(14)->styleSheet().contains(QStringLiteral("./Skin/DustyBlue/ZtGui/Calendar/RecordBg.svg")));
        QCOMPARE(c->findChildren<QLabel*>(QRegularExpression("^picRecord")).size(), 1);
        c->SetRecordDate(2017, 9, 14, false);
        c->SetRecordDate(2017, 9, 2, true);
        c->SetRecordDate(2017, 9, 30, true);
        QVERIFY(!markOf(14) && markOf(2));
        c->ClearCellWidget();
        QVERIFY(!markOf(2) && !markOf(30));
        c->SetRecordDate(2017, 9, 20, true);
        auto* editor = c->findChild<QDateTimeEdit*>(QStringLiteral("m_dateTimeEdit"));
        QSignalSpy changed(c, &ZtCalendar::SgnDateTimeChanged);
        editor->setDateTime(QDateTime(QDate(2017, 9, 15), QTime(1, 0)));
        QTRY_COMPARE(changed.count(), 1); // once the editor is done with the edit
        QVERIFY(markOf(20));
        editor->setDateTime(QDateTime(QDate(2017, 10, 15), QTime(1, 0)));
        QTRY_COMPARE(changed.count(), 2);
        QTRY_VERIFY(!c->findChild<QLabel*>(QStringLiteral("picRecord2017920")));
        QCOMPARE(text("m_MonthYearBtn"), QStringLiteral("Oct 2017"));
    }

    // A double click on a day, Return or Enter (not Up), OK or Cancel; last, the host deletes it.
    void closingIsAskedFor()
    {
        QStringList order;
        connect(c, &ZtCalendar::SgnCalendarHide, this, [&order] { order << "hide"; });
        connect(c, &ZtCalendar::SgnCellDoubleClicked, this, [&order] { order << "double"; });
        connect(c, &ZtCalendar::SgnBtnOKClicked, this, [&order] { order << "ok"; });
        c->SetBtnVisible(true);
        QCOMPARE(c->size(), QSize(210, 307));
        auto* editor = c->findChild<QDateTimeEdit*>(QStringLiteral("m_dateTimeEdit"));
        const QList<QPair<QString, QStringList>> inputs{{"double", {"hide", "double"}}, {"Return", {"hide"}},
                                                        {"Enter", {"hide"}}, {"Up", {}}, {"BtnOK", {"ok"}},
                                                        {"BtnCancel", {"hide"}}};
        const QMap<QString, Qt::Key> keys{{"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Up", Qt::Key_Up}};
        for (const auto& input : inputs) {
            order.clear();
            if (input.first == "double")
                systemClickDay(c, 20, 2);
            else
                keys.contains(input.first) ? QTest::keyClick(editor, keys[input.first])
                                           : clickButton(c, qPrintable(input.first));
            QCOMPARE(order, input.second);
        }
        c->SetBtnVisible(false);
        QCOMPARE(c->size(), QSize(210, 270));
        const QPointer<ZtCalendar> alive(owned.release());
        connect(c, &ZtCalendar::SgnCalendarHide, c, [this] { delete c; });
        order.clear();
        systemClickDay(c, 20, 2);
        QCOMPARE(order, QStringList{"hide"});
        QVERIFY(!alive);
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

    // The date-time edit, whose calendar pops up beside it.
    void startsTodayAtMidnightWithItsCalendarHidden()
    {
        ZtDateTimeEdit edit;
        QCOMPARE(edit.dateTime(), QDateTime(kToday, QTime(0, 0)));
        QVERIFY(popupOf(edit)->isHidden());
    }

    // Beside the edit where there is room; the host hears of each new month and marks it.
    void theEditsCalendarOpensBesideItAndTheHostMarksEachMonth()
    {
        auto edit = shownEdit(QPoint(100, 400));
        QVERIFY(edit);
        ZtDateTimeEdit* host = edit.get();
        ZtCalendar* calendar = popupOf(*edit);
        const QList<QPair<QPoint, QRect>> places{{QPoint(560, 400), QRect(560, 400 - 270, 210, 270)},
                                                 {QPoint(100, 60), QRect(100 + 179, 0, 210, 270)},
                                                 {QPoint(100, 400), QRect(100 + 179, 425 - 270, 210, 270)}};
        for (const auto& [at, expected] : places) {
            calendar->hide();
            edit->setGeometry(QRect(at, edit->size()));
            QTest::mouseClick(edit->findChild<QLineEdit*>(), Qt::LeftButton, {}, QPoint(5, 5));
            QTRY_VERIFY(calendar->isVisible());
            QCOMPARE(calendar->geometry(), expected);
            QCOMPARE(calendar->GetSelectDate(), kJune14);
        }
        const auto marked = [calendar](const QDate& d) {
            return calendar->findChild<QLabel*>(QString("picRecord%1%2%3").arg(d.year()).arg(d.month()).arg(d.day())) != nullptr;
        };
        host->SetCurTime(kJune14);
        host->SetRecordDate(2017, 6, 20, true);
        QVERIFY(marked(QDate(2017, 6, 20)));
        QSignalSpy month(host, &ZtDateTimeEdit::SgnYearMonthChanged);
        QSignalSpy day(host, &ZtDateTimeEdit::SgnStartDateChanged);
        connect(host, &ZtDateTimeEdit::SgnYearMonthChanged, host, [host](int y, int m) { host->SetRecordDate(y, m, 9, true); });
        // A day of the month, the next month, SetCurTime in the month, to another month and year.
        const QList<QPair<QString, QDate>> steps{{"day", {2017, 6, 21}}, {"m_NextBtn", {2017, 7, 1}},
                                                {"set", {2017, 7, 3}}, {"set", {2017, 8, 3}}, {"set", {2018, 8, 3}}};
        QDate shown(2017, 6, 20);
        for (const auto& [input, date] : steps) {
            month.clear();
            day.clear();
            if (input == "set")
                host->SetCurTime(QDateTime(date, QTime(10, 0)));
            else
                input == "day" ? clickDay(calendar, 21) : clickButton(calendar, qPrintable(input));
            QCOMPARE(host->date(), date);
            QCOMPARE(QList<QVariantList>(day), QList<QVariantList>{{date}});
            const bool moved = date.month() != shown.month() || date.year() != shown.year();
            QCOMPARE(QList<QVariantList>(month),
                     (moved ? QList<QVariantList>{{date.year(), date.month()}} : QList<QVariantList>()));
            QTRY_COMPARE(marked(shown), !moved);
            QVERIFY(!moved || marked(QDate(date.year(), date.month(), 9)));
            host->SetRecordDate(date.year(), date.month(), 25, true); // the month shown takes marks
            QVERIFY(marked(QDate(date.year(), date.month(), 25)));
            shown = QDate(date.year(), date.month(), 25);
        }
        calendar->hide();
        edit->setCalendarPopup(false); // a click edits as usual
        QTest::mouseClick(edit->findChild<QLineEdit*>(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(calendar->isHidden());
    }

    // An end edit holds a typed date inside its window of days from the start; a start edit does not.
    void anEditTakesEachNewStartAtItsLastSecond()
    {
        QString none = QStringLiteral("None"); // nothing shown: edits build faster without a skin
        SetSkinVersion(none);
        const QVector<QDate> forwards{{2017, 3, 10}, {2017, 3, 20}, {2017, 3, 29}, {2017, 4, 3}};
        const QVector<QDate> backwards(forwards.crbegin(), forwards.crend());
        const QList<QPair<bool, QVector<QDate>>> runs{{true, forwards}, {true, backwards}, {false, forwards}};
        for (const auto& [end, starts] : runs) {
            ZtDateTimeEdit edit;
            edit.SetStartCalendar(!end);
            edit.SetRestrcitDateRange(7);
            QSignalSpy changed(&edit, &QDateTimeEdit::dateTimeChanged);
            for (const QDate& start : starts) {
                changed.clear();
                edit.OnStartDateTimeChanged(start);
                const QDateTime last(start, QTime(23, 59, 59));
                QCOMPARE(edit.dateTime(), last);
                QCOMPARE(QList<QVariantList>(changed), QList<QVariantList>{{last}}); // the new value only
            }
            edit.setDate(starts.last().addDays(10));
            QCOMPARE(edit.date(), starts.last().addDays(end ? 6 : 10));
        }
    }
};

QTEST_MAIN(tst_Calendar)
#include "tst_calendar.moc"
