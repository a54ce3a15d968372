#pragma once

#include <QDateTime>
#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"

class QEvent;

namespace ZtGUI {

class ZtCalendar;
class ZtCalendarExPrivate;

/// A start and an end calendar side by side for picking a period. The end follows the start and
/// never stays before it; each calendar's month changes are reported so that the host can mark it.
class KITRA_EXPORT ZtCalendarEx : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtCalendarEx)

public:
    /// A pair of 210 x 270 calendars named "Start" and "End", the second an end calendar.
    explicit ZtCalendarEx(QWidget* parent = nullptr);
    ~ZtCalendarEx() override;

    /// Selects the period in both calendars without emitting a signal; the months shown become the
    /// reference for the year-month signals.
    void SetDateTime(const QDateTime& start, const QDateTime& end);
    /// As `SetDateTime`, with the end calendar's window first moved to the start date.
    void SetDateTimeWithUpdateEndTime(const QDateTime& start, const QDateTime& end);
    /// The selected period (milliseconds 0).
    void GetDateTime(QDateTime& start, QDateTime& end) const;
    /// Shows or hides the date-time editors of both calendars.
    void SetTimeEditVisible(bool bVisible);
    /// Whether the editors were last set visible; true at first.
    bool IsTimeEditVisible() const;
    /// Hides the end calendar and the start calendar's caption, for picking a single date.
    void OnlyShowStartCalendar();
    /// Restores the format "yyyy-MM-dd hh:mm:ss" of both editors.
    void SetDisplayFormat();
    /// Shows the start calendar's page for its display type.
    void SetDefaultShowWgt();
    /// The start calendar, owned by the pair.
    ZtCalendar* GetStartCalendar() const;
    /// The end calendar, owned by the pair; its restrict range limits the period's length.
    ZtCalendar* GetEndCalendar() const;

signals:
    /// The user changed the period in either calendar; read it with GetDateTime().
    void SgnDateTimeChanged();
    /// The start calendar now shows another month; its record marks were cleared, mark the new month.
    void SgnStartYearMonthChanged();
    /// The end calendar now shows another month; its record marks were cleared, mark the new month.
    void SngEndYearMonthChanged();
    /// Either calendar asks the owner to close the pop-up.
    void SgnCalendarHide();
    /// A day of either calendar was double-clicked.
    void SgnCellDoubleClicked();

public slots:
    /// Brings the other calendar in line after one changed (the end never stays before the start),
    /// reports changed months, then emits SgnDateTimeChanged(); connected to both calendars.
    void OnUpdateTime();

protected:
    /// Where windows have window classes, removes the system drop shadow from the pop-up's window
    /// class, once per process.
    bool event(QEvent* event) override;

private:
    QScopedPointer<ZtCalendarExPrivate> d_ptr;
};

} // namespace ZtGUI
