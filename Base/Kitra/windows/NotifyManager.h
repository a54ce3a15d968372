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
    /// The icon of a notice: a tick for a success, a cross for an error.
    enum MsgType { MsgCorrect = 0, MsgError = 1 };

    ~NotifyManager() override;

    /// The process-wide manager; it lives until the process ends.
    static NotifyManager* instance();
    /// Future notices become children of `area`, placed at its left edge; the rectangle (pixels) is
    /// kept but does not place them.
    static void setNotifyArea(QWidget* area, int x, int y, int width, int height);
    /// Shows `text` as a success notice; nothing until an area is set.
    static void addNotify(const QString& text);
    /// Adds a notice 240 pixels wide (40 high, 60 for a text wider than 223 pixels) above the others
    /// in the area; does nothing until an area is set. Any type but MsgCorrect shows the error icon.
    static void addNotify(const QString& text, MsgType type);

protected:
    /// Slides the notices down 4 pixels every 40 ms until the newest one is fully inside the area.
    void timerEvent(QTimerEvent* event) override;

private:
    NotifyManager();

    QScopedPointer<NotifyManagerPrivate> d_ptr;
};
