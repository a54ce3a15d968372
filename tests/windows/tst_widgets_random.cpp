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

const int kSteps = 1500;
const QDate kFirst(1971, 1, 1);
const QDate kLast(2037, 12, 31);

class Fuzzer
{
public:
    explicit Fuzzer(quint32 seed) : m_random(seed) {}

    void step()
    {
        rebuildWhatWasDeleted();
        switch (m_random.bounded(6)) {
        case 0: case 1: clickSomewhere(m_random.bounded(3)); break;
        case 2: pressKey(); break;
        default: callSomething(); break;
        }
    }

    // What an operator sees must stay a real day of the pickers' calendar.
    QString brokenRule() const
    {
        if (m_calendar && m_calendar->GetSelectDate().isValid()) {
            const QDate day = m_calendar->GetSelectDate().date();
            if (day < kFirst || day > kLast)
                return QStringLiteral("calendar shows %1").arg(day.toString(Qt::ISODate));
        }
        return QString();
    }

private:
    // Builds the widget again once a slot deleted it; a slot of each of its signals deletes its
    // sender now and then.
    template <typename Widget, typename... Signals>
    void rebuild(QPointer<Widget>& widget, const std::function<Widget*()>& make, const QPoint& at, Signals... sigs)
    {
        if (widget)
            return;
        Widget* w = make();
        widget = w;
        const auto mayDelete = [this, w] {
            if (m_random.bounded(6) == 0)
                delete w;
        };
        (QObject::connect(w, sigs, w, mayDelete), ...);
        w->move(at);
        w->show();
    }

    void rebuildWhatWasDeleted()
    {
        rebuild<ZtCalendar>(m_calendar, [] { return new ZtCalendar; }, {0, 0}, &ZtCalendar::SgnDateTimeChanged,
                            &ZtCalendar::SgnCalendarHide, &ZtCalendar::SgnCellDoubleClicked);
        rebuild<ZtDateTimeEdit>(m_edit, [] { return new ZtDateTimeEdit; }, {260, 0}, &ZtDateTimeEdit::SgnStartDateChanged,
                                &ZtDateTimeEdit::SgnYearMonthChanged);
        rebuild<ZtDateCalendar>(m_dateButton, [] { return new ZtDateCalendar; }, {260, 300}, &ZtDateCalendar::SgnDateTimeChanged);
        rebuild<ZtDateTimeCalendar>(m_rangeButton, [] { return new ZtDateTimeCalendar; }, {500, 300},
                                    &ZtDateTimeCalendar::SgnDateTimeChanged, &ZtDateTimeCalendar::SgnCellDoubleClicked);
        rebuild<ZtMessageBox>(m_box, [] {
            return new ZtMessageBox(QStringLiteral("Close"), QStringLiteral("Close window 3?"), ZtMessageBox::Ok | ZtMessageBox::Cancel);
        }, {100, 400}, &QDialog::finished);
        rebuild<ZtDialog>(m_dialog, [] { return new ZtDialog(nullptr, ZtDialog::MinMaxButtonsHint | ZtDialog::CloseButtonHint); },
                          {400, 60}, &QDialog::finished);
    }

    QDateTime randomDateTime()
    {
        const QDate day = QDate(1965, 1, 1).addDays(m_random.bounded(30000));   // past both ends
        return QDateTime(day, QTime(m_random.bounded(24), m_random.bounded(60), m_random.bounded(60)));
    }

    // A click, a double click or a short drag on a random point of a random visible window,
    // delivered to the widget under it; pop-ups count as windows.
    void clickSomewhere(int kind)
    {
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->width() > 0 && w->height() > 0)
                windows << w;
        if (windows.isEmpty())
            return;
        QWidget* window = windows.at(m_random.bounded(windows.size()));
        const QPoint inWindow(m_random.bounded(window->width()), m_random.bounded(window->height()));
        QWidget* target = window->childAt(inWindow);
        if (!target)
            target = window;
        const QPointer<QWidget> alive(target);
        const QPoint at = target->mapFrom(window, inWindow);
        // Event by event, since any of them may delete the widget under the mouse.
        const auto send = [&](QEvent::Type type) {
            if (!alive)
                return;
            QMouseEvent event(type, at, alive->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
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

    void pressKey()
    {
        static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab};
        if (QWidget* focus = QApplication::focusWidget())
            QTest::keyClick(focus, keys[m_random.bounded(5)]);
    }

    void callSomething()
    {
        const QDateTime when = randomDateTime();
        // One call a step; a pointer may be null where a slot deleted the widget.
        switch (m_random.bounded(12)) {
        case 0: if (m_calendar) m_calendar->SetDateTime(when); break;
        case 1: if (m_calendar) m_calendar->SetRecordDate(when.date().year(), when.date().month(), when.date().day(), true); break;
        case 2: if (m_calendar) m_calendar->ChangeDisplayType(ZtCalendar::DisplayType_e(m_random.bounded(4))); break;
        case 3: if (m_calendar) m_calendar->OnStartDateTimeChanged(when.date()); break;
        case 4: if (m_edit) m_edit->SetCurTime(when); break;
        case 5: if (m_edit) m_edit->SetRestrcitDateRange(m_random.bounded(-2, 40)); break;
        case 6: if (m_edit) m_edit->OnStartDateTimeChanged(when.date()); break;
        case 7: if (m_dateButton) { QDateTime day = when; m_dateButton->InitDate(day); } break;
        case 8: if (m_rangeButton) m_rangeButton->SetSelDate(when, when.addDays(m_random.bounded(-3, 10))); break;
        case 9: if (m_box) m_random.bounded(2) ? m_box->accept() : m_box->show(); break;
        case 10: if (m_dialog) m_random.bounded(2) ? m_dialog->reject() : m_dialog->show(); break;
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

} // namespace

class tst_WidgetsRandom : public QObject
{
    Q_OBJECT

private slots:
    // Random calls include dates past the calendar's ends, whose warnings are the expected answer;
    // what counts here is that nothing crashes or leaks and the rule below holds.
    void randomUseKeepsThePickersWhole()
    {
        const quint32 seed = qEnvironmentVariableIsSet("KITRA_SEED") ? qEnvironmentVariableIntValue("KITRA_SEED") : 2026;
        Fuzzer fuzzer(seed);
        for (int i = 0; i < kSteps; ++i) {
            fuzzer.step();
            const QString broken = fuzzer.brokenRule();
            QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1, step %2: %3").arg(seed).arg(i).arg(broken)));
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->parent())                        // pop-ups go with their owners
                w->deleteLater();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(tst_WidgetsRandom)
#include "tst_widgets_random.moc"
