#pragma once

#include <QScopedPointer>
#include <QString>
#include <QWidget>
#include "KitraExport.h"
#include "NotifyManager.h"

class NotifyWidgetPrivate;

/// One notice of NotifyManager: an icon and a text on a shadowed card. It fades out once its
/// countdown has run and deletes itself.
class KITRA_EXPORT NotifyWidget : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(NotifyWidget)

public:
    /// A notice shown in `parent`; NotifyManager creates them and drops each from its list when it is
    /// deleted (`manager` itself is not used).
    NotifyWidget(NotifyManager* manager, QWidget* parent);
    ~NotifyWidget() override;

    /// Shows the success icon for MsgCorrect and the error icon for any other type.
    void SetMsgType(NotifyManager::MsgType type);
    /// The text of the notice, wrapped to the card's width.
    void SetText(const QString& text);
    /// The text of the notice.
    QString Text() const;
    /// How long the notice stays in place before it fades (3000 ms at first).
    void SetFadeDelay(int milliseconds);
    /// Starts the stay-then-fade countdown; a running countdown goes on unchanged.
    void StartFadeCountdown();

protected:
    /// Runs the countdown: after the delay the opacity drops by 0.04 every 40 ms, and at 0 the
    /// notice closes and deletes itself.
    void timerEvent(QTimerEvent* event) override;

private:
    void applyOpacity(double opacity);

    QScopedPointer<NotifyWidgetPrivate> d_ptr;
};
