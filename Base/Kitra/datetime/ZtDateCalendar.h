#pragma once

#include <QDate>
#include <QDateTime>
#include <QPushButton>
#include <QScopedPointer>
#include <QString>
#include "KitraExport.h"
#include "ZtCalendar.h"

class QMouseEvent;

namespace ZtGUI {

class ZtDateCalendarPrivate;

/// A button that shows the chosen date, week, month or year and opens the library's calendar when
/// pressed (a second press closes it). The calendar starts on its year page without a time editor;
/// `ChangeDisplayType` picks what is chosen and `SetFormat` how a date reads on the button. In week
/// display the button reads "yyyy/MM/dd-yyyy/MM/dd", Sunday to Saturday.
class KITRA_EXPORT ZtDateCalendar : public QPushButton
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtDateCalendar)

public:
    /// A button reading today's date as "yyyy-MM-dd", whose calendar picks a year until
    /// ChangeDisplayType() says otherwise.
    explicit ZtDateCalendar(QWidget* parent = nullptr);
    ~ZtDateCalendar() override;

    /// The chosen date and time (the calendar's selection when the text was last refreshed).
    QDateTime GetDateTime() const;
    /// The Sunday and Saturday of the chosen week; null until a week was shown.
    void GetWeekDate(QDate& start, QDate& end) const;
    /// Selects `dateTime` in the calendar and shows it; an invalid value or one outside
    /// 1971 ... 2037 changes nothing.
    void InitDate(QDateTime& dateTime);
    /// Shows the week of the calendar's selected day.
    void InitWeekDate();
    /// The QDate format of the button text outside week display ("yyyy-MM-dd" at first); applied at once.
    void SetFormat(const QString& format);
    /// What the calendar picks (day, week, month or year); the button text follows at once.
    void ChangeDisplayType(ZtCalendar::DisplayType_e type);
    /// Shows the calendar's quick-choice buttons (this/last day, week, month or year).
    void SetLastCurEnable();

signals:
    /// The user chose in the calendar; the button text is updated, read the value with GetDateTime() or
    /// GetWeekDate().
    void SgnDateTimeChanged();

protected:
    /// A left press opens the calendar beside the button, or closes it when open.
    void mousePressEvent(QMouseEvent* event) override;

private slots:
    void OnDateTimeChanged();
    void OnCalendarHide();

private:
    QScopedPointer<ZtDateCalendarPrivate> d_ptr;
};

} // namespace ZtGUI
