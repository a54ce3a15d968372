#pragma once

#include <QDialog>
#include <QScopedPointer>
#include "KitraExport.h"

namespace ZtGUI {

class WaitWidgetPrivate;

/// A modal, frameless wait indicator showing an animated "loading" picture centred over its
/// parent while the host does something long; it may end by itself after a time-out or on Escape.
class KITRA_EXPORT WaitWidget : public QDialog
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(WaitWidget)

public:
    /// An idle indicator centred over `parent`; no time-out, and Escape does not cancel.
    explicit WaitWidget(QWidget* parent = nullptr);
    ~WaitWidget() override;

    /// Shows the indicator modally; returns when the waiting ends.
    void StartWaiting();
    /// Ends the waiting; `normal` false reports it by sgnUnNormalExit().
    void StopWaiting(bool normal);
    /// Seconds until the waiting ends by itself; -1 for none.
    void SetTimeOut(int seconds);
    /// Whether Escape ends the waiting as a cancel (off at first); other keys never close it.
    void SetPressESCToCancel(bool cancel);
    /// Whether the last waiting ended by Escape or time-out rather than by StopWaiting(true).
    bool GetIfCanceled() const;

signals:
    /// The waiting ended by Escape, by the time-out or by StopWaiting(false); emitted after the dialog
    /// has closed.
    void sgnUnNormalExit();

protected:
    /// Consumes every key; Escape ends the waiting only when enabled by SetPressESCToCancel().
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void OnTimeOutToStopWaiting();

private:
    QScopedPointer<WaitWidgetPrivate> d_ptr;
};

} // namespace ZtGUI
