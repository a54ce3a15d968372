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
    NotifyWidget(NotifyManager* manager, QWidget* parent);
    ~NotifyWidget() override;

    void SetMsgType(NotifyManager::MsgType type);
    void SetText(const QString& text);
    QString Text() const;
    /// How long the notice stays in place before it fades (3000 ms at first).
    void SetFadeDelay(int milliseconds);
    /// Starts the stay-then-fade countdown; a running countdown goes on unchanged.
    void StartFadeCountdown();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void applyOpacity(double opacity);

    QScopedPointer<NotifyWidgetPrivate> d_ptr;
};
