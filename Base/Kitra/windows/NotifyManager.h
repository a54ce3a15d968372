#pragma once

#include <QObject>
#include <QScopedPointer>
#include <QString>
#include "KitraExport.h"

class QWidget;
class NotifyManagerPrivate;

/// Short notices that slide into a host-chosen area from above, stack with the newest on top,
/// stay for 3 seconds once in place and fade out. One manager serves the whole process.
class KITRA_EXPORT NotifyManager : public QObject
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(NotifyManager)

public:
    enum MsgType { MsgCorrect = 0, MsgError = 1 };

    ~NotifyManager() override;

    /// The process-wide manager; it lives until the process ends.
    static NotifyManager* instance();
    /// Future notices become children of `area`, placed at its left edge.
    static void setNotifyArea(QWidget* area, int x, int y, int width, int height);
    static void addNotify(const QString& text);
    /// Does nothing until an area is set; any type other than MsgCorrect shows the error icon.
    static void addNotify(const QString& text, MsgType type);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    NotifyManager();

    QScopedPointer<NotifyManagerPrivate> d_ptr;
};
