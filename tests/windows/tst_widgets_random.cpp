// Dialogs, message boxes and date pickers under random public calls, mouse and key input, from a
// fixed seed (KITRA_SEED overrides it). Any slot of theirs may delete its sender, as a host may;
// the widget comes back new at the next step. The sanitized run is where a stale pointer shows.
#include "KitraTest.h"
#include "ZtCalendar.h"
#include "ZtDateCalendar.h"
#include "ZtDateTimeCalendar.h"
#include "ZtDateTimeEdit.h"
#include "ZtDialog.h"
#include "ZtMessageBox.h"

#include <QRandomGenerator>

using namespace ZtGUI;

namespace {

#ifndef KITRA_RANDOM_STEPS
#define KITRA_RANDOM_STEPS 1500
#endif

class Fuzzer
{
public:
    explicit Fuzzer(quint32 seed) : m_random(seed) {}

    void step()
    {
        using C = ZtCalendar;
        using R = ZtDateTimeCalendar;
        rebuild(m_calendar, {0, 0}, &C::SgnDateTimeChanged, &C::SgnCalendarHide, &C::SgnCellDoubleClicked);
        rebuild(m_edit, {260, 0}, &ZtDateTimeEdit::SgnStartDateChanged, &ZtDateTimeEdit::SgnYearMonthChanged);
        rebuild(m_dateButton, {260, 300}, &ZtDateCalendar::SgnDateTimeChanged);
        rebuild(m_rangeButton, {500, 300}, &R::SgnDateTimeChanged, &R::SgnCellDoubleClicked);
        rebuild(m_box, {100, 400}, &QDialog::finished);
        rebuild(m_dialog, {400, 60}, &QDialog::finished);
        const int what = m_random.bounded(6);
        static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab};
        if (what < 2)
            clickSomewhere();
        else if (what > 2)
            callSomething();
        else if (QWidget* focus = QApplication::focusWidget())
            QTest::keyClick(focus, keys[m_random.bounded(5)]);
    }

    // What an operator sees must stay a real day of the pickers' calendar.
    bool showsARealDay() const
    {
        const QDate day = m_calendar ? m_calendar->GetSelectDate().date() : QDate();
        return !day.isValid() || (day >= QDate(1971, 1, 1) && day <= QDate(2037, 12, 31));
    }

private:
    template <typename Widget> static Widget* make() { return new Widget; }

    // Builds the widget again once a slot deleted it; a slot of each of its signals now and then deletes it.
    template <typename Widget, typename... Signals>
    void rebuild(QPointer<Widget>& widget, const QPoint& at, Signals... sigs)
    {
        if (widget)
            return;
        Widget* w = make<Widget>();
        widget = w;
        (QObject::connect(w, sigs, w, [this, w] { m_random.bounded(6) == 0 ? delete w : void(); }), ...);
        w->move(at);
        w->show();
    }

    // A click, a double click or a short drag on a random point of a random visible window
    // (pop-ups count), event by event to the widget under it, since any event may delete it.
    void clickSomewhere()
    {
        QWidgetList windows = QApplication::topLevelWidgets();
        const auto hidden = [](QWidget* w) { return !w->isVisible() || w->size().isEmpty(); };
        windows.erase(std::remove_if(windows.begin(), windows.end(), hidden), windows.end());
        if (windows.isEmpty())
            return;
        const int kind = m_random.bounded(3);
        QWidget* window = windows.at(m_random.bounded(windows.size()));
        const QPoint inWindow(m_random.bounded(window->width()), m_random.bounded(window->height()));
        QWidget* under = window->childAt(inWindow);
        const QPointer<QWidget> alive(under ? under : window);
        const QPoint at = alive->mapFrom(window, inWindow);
        const auto send = [&](QEvent::Type type) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, alive ? alive->mapToGlobal(at) : at, Qt::LeftButton, held, Qt::NoModifier);
            if (alive)
                QApplication::sendEvent(alive, &event);
        };
        send(QEvent::MouseButtonPress);
        if (kind == 2 && alive)
            KitraTest::move(alive, at + QPoint(m_random.bounded(-30, 30), m_random.bounded(-30, 30)));
        send(QEvent::MouseButtonRelease);
        if (kind == 1) {
            send(QEvent::MouseButtonDblClick);
            send(QEvent::MouseButtonRelease);
        }
    }

    // One call a step, now and then with dates past the calendar's ends; a null pointer is a deleted widget.
    void callSomething()
    {
        const QDate day = QDate(1965, 1, 1).addDays(m_random.bounded(30000));
        QDateTime when(day, QTime(m_random.bounded(24), m_random.bounded(60), m_random.bounded(60)));
        const bool either = m_random.bounded(2);
        switch (m_random.bounded(12)) {
        case 0: if (m_calendar) m_calendar->SetDateTime(when); break;
        case 1: if (m_calendar) m_calendar->SetRecordDate(day.year(), day.month(), day.day(), true); break;
        case 2: if (m_calendar) m_calendar->ChangeDisplayType(ZtCalendar::DisplayType_e(m_random.bounded(4))); break;
        case 3: if (m_calendar) m_calendar->OnStartDateTimeChanged(day); break;
        case 4: if (m_edit) m_edit->SetCurTime(when); break;
        case 5: if (m_edit) m_edit->SetRestrcitDateRange(m_random.bounded(-2, 40)); break;
        case 6: if (m_edit) m_edit->OnStartDateTimeChanged(day); break;
        case 7: if (m_dateButton) m_dateButton->InitDate(when); break;
        case 8: if (m_rangeButton) m_rangeButton->SetSelDate(when, when.addDays(m_random.bounded(-3, 10))); break;
        case 9: if (m_box) either ? m_box->accept() : m_box->show(); break;
        case 10: if (m_dialog) either ? m_dialog->reject() : m_dialog->show(); break;
        default: QCoreApplication::processEvents(); break;
        }
    }

    QRandomGenerator m_random;
    QPointer<ZtCalendar> m_calendar;
    QPointer<ZtDateTimeEdit> m_edit;
    QPointer<ZtDateCalendar> m_dateButton;
    QPointer<ZtDateTimeCalendar> m_rangeButton;
    QPointer<ZtMessageBox> m_box;
    QPointer<ZtDialog> m_dialog;
};

template <> ZtMessageBox* Fuzzer::make()
{
    return new ZtMessageBox("Close", "Close window 3?", ZtMessageBox::Ok | ZtMessageBox::Cancel);
}
template <> ZtDialog* Fuzzer::make()
{
    return new ZtDialog(nullptr, ZtDialog::MinMaxButtonsHint | ZtDialog::CloseButtonHint);
}

} // namespace

class tst_WidgetsRandom : public QObject
{
    Q_OBJECT

private slots:
    // Random calls include dates past the calendar's ends, whose warnings are the expected answer;
    // what counts here is that nothing crashes or leaks and the rule above holds.
    void randomUseKeepsThePickersWhole()
    {
        const quint32 seed = qEnvironmentVariableIsSet("KITRA_SEED") ? qEnvironmentVariableIntValue("KITRA_SEED") : 2026;
        Fuzzer fuzzer(seed);
        for (int i = 0; i < KITRA_RANDOM_STEPS; ++i) {
            fuzzer.step();
            QVERIFY2(fuzzer.showsARealDay(), qPrintable(QStringLiteral("seed %1, step %2").arg(seed).arg(i)));
        }
        for (QWidget* w : QApplication::topLevelWidgets())
            w->parent() ? void() : w->deleteLater();      // pop-ups go with their owners
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(tst_WidgetsRandom)
#include "tst_widgets_random.moc"
