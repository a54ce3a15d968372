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
    explicit ZtCalendarEx(QWidget* parent = nullptr);
    ~ZtCalendarEx() override;

    void SetDateTime(const QDateTime& start, const QDateTime& end);
    /// As `SetDateTime`, with the end calendar's window first moved to the start date.
    void SetDateTimeWithUpdateEndTime(const QDateTime& start, const QDateTime& end);
    void GetDateTime(QDateTime& start, QDateTime& end) const;
    void SetTimeEditVisible(bool bVisible);
    bool IsTimeEditVisible() const;
    void OnlyShowStartCalendar();
    void SetDisplayFormat();
    void SetDefaultShowWgt();
    ZtCalendar* GetStartCalendar() const;
    ZtCalendar* GetEndCalendar() const;

signals:
    void SgnDateTimeChanged();
    void SgnStartYearMonthChanged();
    void SngEndYearMonthChanged();
    void SgnCalendarHide();
    void SgnCellDoubleClicked();

public slots:
    void OnUpdateTime();

protected:
    bool event(QEvent* event) override;

private:
    QScopedPointer<ZtCalendarExPrivate> d_ptr;
};

} // namespace ZtGUI
