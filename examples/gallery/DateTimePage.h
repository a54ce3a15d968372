#pragma once

#include <QWidget>

class QLabel;

namespace ZtGUI {
class ZtCalendar;
class ZtCalendarEx;
class ZtDateCalendar;
class ZtDateTimeCalendar;
class ZtDateTimeEdit;
}

/// The date and time page: every edit and picker button, a start/end range calendar, and the
/// values they hold, live. The page answers each month change with the days that have
/// recordings, as a host answering from its recording index does.
class DateTimePage : public QWidget
{
    Q_OBJECT

public:
    explicit DateTimePage(QWidget* parent = nullptr);

    /// Whether the page's made-up recording index holds footage of `date`.
    static bool HasRecording(const QDate& date);

private:
    QWidget* createEdits();
    QWidget* createButtons();
    QWidget* createPeriod();
    QLabel* addValueRow(QWidget* box, const QString& name, QWidget* picker);
    void markMonth(ZtGUI::ZtCalendar* calendar);
    void markEditMonth(int year, int month);
    void markPeriodButton(bool end, int year, int month);
    void showDateButton(ZtGUI::ZtDateCalendar* button, QLabel* value);
    void showPeriod(QLabel* value, const QDateTime& start, const QDateTime& end);

    ZtGUI::ZtDateTimeEdit* m_dateTimeEdit = nullptr;
    ZtGUI::ZtDateTimeCalendar* m_periodButton = nullptr;
    ZtGUI::ZtCalendarEx* m_range = nullptr;
};
