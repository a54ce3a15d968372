#include "DateTimePage.h"

#include "ZtCalendar.h"
#include "ZtCalendarEx.h"
#include "ZtDateCalendar.h"
#include "ZtDateEdit.h"
#include "ZtDateTimeCalendar.h"
#include "ZtDateTimeEdit.h"
#include "ZtTimeEdit.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

using namespace ZtGUI;

namespace {

const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

} // namespace

DateTimePage::DateTimePage(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QGridLayout(this);
    layout->addWidget(createEdits(), 0, 0);
    layout->addWidget(createButtons(), 0, 1);
    layout->addWidget(createPeriod(), 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
}

bool DateTimePage::HasRecording(const QDate& date)
{
    // Footage on a steady pattern of days, different from month to month, never in the future.
    return date <= QDate::currentDate() && (date.day() * 7 + date.month() * 3) % 5 < 2;
}

QLabel* DateTimePage::addValueRow(QWidget* box, const QString& name, QWidget* picker)
{
    auto* form = static_cast<QFormLayout*>(box->layout());
    auto* value = new QLabel(box);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* row = new QWidget(box);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(picker);
    rowLayout->addWidget(value, 1);
    form->addRow(name, row);
    return value;
}

QWidget* DateTimePage::createEdits()
{
    auto* box = new QGroupBox(tr("Edits"), this);
    box->setObjectName(QStringLiteral("DateTimeEdits"));
    new QFormLayout(box);

    auto* date = new ZtDateEdit(box);
    date->setDate(QDate::currentDate());
    date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    QLabel* dateValue = addValueRow(box, tr("Date"), date);
    connect(date, &QDateEdit::dateChanged, dateValue, [dateValue](const QDate& d) { dateValue->setText(d.toString(Qt::ISODate)); });

    auto* time = new ZtTimeEdit(box);
    time->setDisplayFormat(QStringLiteral("hh:mm:ss"));
    time->setTime(QTime(8, 30));
    QLabel* timeValue = addValueRow(box, tr("Time"), time);
    connect(time, &QTimeEdit::timeChanged, timeValue, [timeValue](const QTime& t) { timeValue->setText(t.toString(Qt::ISODate)); });

    m_dateTimeEdit = new ZtDateTimeEdit(box);
    m_dateTimeEdit->setObjectName(QStringLiteral("DateTimePageEdit"));
    m_dateTimeEdit->setCalendarPopup(true);
    QLabel* dateTimeValue = addValueRow(box, tr("Date and time"), m_dateTimeEdit);
    connect(m_dateTimeEdit, &QDateTimeEdit::dateTimeChanged, dateTimeValue,
            [dateTimeValue](const QDateTime& dt) { dateTimeValue->setText(dt.toString(kDateTimeFormat)); });
    connect(m_dateTimeEdit, &ZtDateTimeEdit::SgnYearMonthChanged, this, &DateTimePage::markEditMonth);

    const QDateTime now(QDate::currentDate(), QTime(0, 0));
    dateValue->setText(date->date().toString(Qt::ISODate));
    timeValue->setText(time->time().toString(Qt::ISODate));
    m_dateTimeEdit->SetCurTime(now);
    dateTimeValue->setText(now.toString(kDateTimeFormat));
    markEditMonth(now.date().year(), now.date().month());
    return box;
}

QWidget* DateTimePage::createButtons()
{
    auto* box = new QGroupBox(tr("Picker buttons"), this);
    box->setObjectName(QStringLiteral("DateTimeButtons"));
    new QFormLayout(box);

    struct Kind { QString name; ZtCalendar::DisplayType_e type; QString format; };
    const QList<Kind> kinds = {
        {tr("Day"), ZtCalendar::DisplayDay, QStringLiteral("yyyy-MM-dd")},
        {tr("Week"), ZtCalendar::DisplayWeek, QString()},
        {tr("Month"), ZtCalendar::DisplayMonth, QStringLiteral("yyyy-MM")},
        {tr("Year"), ZtCalendar::DisplayYear, QStringLiteral("yyyy")},
    };
    for (const Kind& kind : kinds) {
        auto* button = new ZtDateCalendar(box);
        button->setMinimumWidth(kind.type == ZtCalendar::DisplayWeek ? 245 : 120);
        button->ChangeDisplayType(kind.type);
        if (!kind.format.isEmpty())
            button->SetFormat(kind.format);
        button->SetLastCurEnable();
        QDateTime today(QDate::currentDate(), QTime(0, 0));
        button->InitDate(today);
        QLabel* value = addValueRow(box, kind.name, button);
        connect(button, &ZtDateCalendar::SgnDateTimeChanged, value, [this, button, value] { showDateButton(button, value); });
        showDateButton(button, value);
    }

    m_periodButton = new ZtDateTimeCalendar(box);
    m_periodButton->setObjectName(QStringLiteral("DateTimePagePeriodButton"));
    m_periodButton->setMinimumWidth(245);
    m_periodButton->SetTimeEditVisible(false);
    m_periodButton->SetRestrcitDateRange(31);
    const QDate today = QDate::currentDate();
    m_periodButton->SetSelDateWithUpdateEndTime(QDateTime(today.addDays(-6), QTime(0, 0)), QDateTime(today, QTime(23, 59, 59)));
    QLabel* periodValue = addValueRow(box, tr("Period"), m_periodButton);
    connect(m_periodButton, &ZtDateTimeCalendar::SgnDateTimeChanged, periodValue,
            [this, periodValue](const QDateTime& start, const QDateTime& end) { showPeriod(periodValue, start, end); });
    connect(m_periodButton, &ZtDateTimeCalendar::SgnStartYearMonthChanged, this,
            [this](int year, int month) { markPeriodButton(false, year, month); });
    connect(m_periodButton, &ZtDateTimeCalendar::SgnEndYearMonthChanged, this,
            [this](int year, int month) { markPeriodButton(true, year, month); });
    QDateTime start, end;
    m_periodButton->DateTimeRange(start, end);
    showPeriod(periodValue, start, end);
    markPeriodButton(false, start.date().year(), start.date().month());
    markPeriodButton(true, end.date().year(), end.date().month());
    return box;
}

QWidget* DateTimePage::createPeriod()
{
    auto* box = new QGroupBox(tr("Range calendar (a dot marks a day with recordings)"), this);
    box->setObjectName(QStringLiteral("DateTimeRange"));
    m_range = new ZtCalendarEx(box);
    m_range->setObjectName(QStringLiteral("DateTimePageRange"));
    m_range->setFixedSize(m_range->size());
    m_range->GetEndCalendar()->SetRestrcitDateRange(31);
    const QDate today = QDate::currentDate();
    m_range->SetDateTimeWithUpdateEndTime(QDateTime(today.addDays(-2), QTime(8, 0)), QDateTime(today, QTime(18, 0)));
    auto* value = new QLabel(box);
    value->setObjectName(QStringLiteral("DateTimePageRangeValue"));
    value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    value->setWordWrap(true);

    auto* layout = new QHBoxLayout(box);
    layout->addWidget(m_range);
    layout->addWidget(value, 1);

    const auto update = [this, value] {
        QDateTime start, end;
        m_range->GetDateTime(start, end);
        showPeriod(value, start, end);
    };
    connect(m_range, &ZtCalendarEx::SgnDateTimeChanged, value, update);
    connect(m_range, &ZtCalendarEx::SgnStartYearMonthChanged, this, [this] { markMonth(m_range->GetStartCalendar()); });
    connect(m_range, &ZtCalendarEx::SngEndYearMonthChanged, this, [this] { markMonth(m_range->GetEndCalendar()); });
    update();
    markMonth(m_range->GetStartCalendar());
    markMonth(m_range->GetEndCalendar());
    return box;
}

void DateTimePage::markMonth(ZtCalendar* calendar)
{
    const QDate shown = calendar->GetSelectDate().date();
    for (int day = 1; day <= shown.daysInMonth(); ++day)
        if (HasRecording(QDate(shown.year(), shown.month(), day)))
            calendar->SetRecordDate(shown.year(), shown.month(), day, true);
}

void DateTimePage::markEditMonth(int year, int month)
{
    const QDate first(year, month, 1);
    for (int day = 1; day <= first.daysInMonth(); ++day)
        if (HasRecording(QDate(year, month, day)))
            m_dateTimeEdit->SetRecordDate(year, month, day, true);
}

void DateTimePage::markPeriodButton(bool end, int year, int month)
{
    const QDate first(year, month, 1);
    for (int day = 1; day <= first.daysInMonth(); ++day) {
        if (!HasRecording(QDate(year, month, day)))
            continue;
        if (end)
            m_periodButton->SetEndRecordDate(year, month, day, true);
        else
            m_periodButton->SetStartRecordDate(year, month, day, true);
    }
}

void DateTimePage::showDateButton(ZtDateCalendar* button, QLabel* value)
{
    QDate start, end;
    button->GetWeekDate(start, end);
    value->setText(start.isValid() ? tr("%1 to %2").arg(start.toString(Qt::ISODate), end.toString(Qt::ISODate))
                                   : button->GetDateTime().toString(kDateTimeFormat));
}

void DateTimePage::showPeriod(QLabel* value, const QDateTime& start, const QDateTime& end)
{
    value->setText(tr("From %1\nto %2\n(%n day(s))", nullptr, int(start.date().daysTo(end.date())) + 1)
                       .arg(start.toString(kDateTimeFormat), end.toString(kDateTimeFormat)));
}
